#!/bin/bash
# build_data.sh WINKIRVO_TRAIN PRO_GAMES KGS_GAMES LABELS OUT_DIR LOG_DIR
#
# Rebuilds the nine data files into OUT_DIR with the settings that built the
# committed ones (the tools' defaults), in the order they depend on one
# another: the reading behind the group networks' examples filters its moves
# with the shape network, and the territory network learns on top of the
# group networks.  Each tool's report goes to LOG_DIR/TOOL.log; the time each
# took is printed.
set -eu
if [ $# -ne 6 ]; then
    echo "usage: build_data.sh WINKIRVO_TRAIN PRO_GAMES KGS_GAMES LABELS OUT_DIR LOG_DIR" >&2
    exit 2
fi
train=$1 pro=$2 kgs=$3 labels=$4 out=$5 logs=$6
mkdir -p "$out" "$logs"
# Files of an earlier run must not stand in for ones this run fails to write.
rm -f "$out"/*.dat

run() {
    local tool=$1 start=$SECONDS
    shift
    echo "winkirvo-train $tool $*"
    if ! "$train" "$tool" "$@" > "$logs/$tool.log" 2>&1; then
        echo "winkirvo-train $tool failed: its report is in $logs/$tool.log" >&2
        tail -n 5 "$logs/$tool.log" >&2
        exit 1
    fi
    echo "  $((SECONDS - start)) s"
}

run tsume "$out/tsume.dat"
run joseki "$pro" "$out"
run shape "$pro" "$out/shape.dat" --more-games "$kgs"
run groups --games "$kgs" --labels "$labels" --out-dir "$out"
run territory --games "$kgs" --labels "$labels" --out-dir "$out"
