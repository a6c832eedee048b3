#!/bin/bash
# golden_game.sh check|write SELFPLAY DATA_DIR GOLDEN_SGF
#
# One computer-against-computer game from seed 1 at the default depths with
# the data files.  "check" compares its record byte for byte with the
# committed one: any change of play, of the files written or of the result
# shows here.  "write" replaces the committed record, for a change of play
# that is meant.
set -eu
mode=$1 selfplay=$2 data=$3 golden=$4
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
(cd "$work" && "$selfplay" --seed 1 --data-dir "$data" --sgf "$work/game.sgf" > "$work/console.txt")
case $mode in
write)
    cp "$work/game.sgf" "$golden"
    echo "The golden game in $golden is rewritten: commit it with the change of play it records."
    ;;
check)
    if ! cmp -s "$work/game.sgf" "$golden"; then
        diff "$golden" "$work/game.sgf" | head -20
        echo "The game from seed 1 differs from $golden; if the change of play is meant, run make golden."
        exit 1
    fi
    echo "The game from seed 1 is the golden game."
    ;;
*)
    echo "usage: golden_game.sh check|write SELFPLAY DATA_DIR GOLDEN_SGF" >&2
    exit 2
    ;;
esac
