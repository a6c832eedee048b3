#!/usr/bin/env bash
# Times genmove of any GTP program on the positions of a game record:
#   bench/genmove_times.sh GAME.sgf MOVES PROGRAM [ARGS...]
# For each of the first MOVES moves of the record the program is asked for a
# move for that colour, which is taken back (undo) and replaced by the
# recorded move, so that every program sees the same positions.  Prints the
# median and the 90th percentile of the seconds per genmove and the
# program's peak resident memory.
set -euo pipefail

if [ $# -lt 3 ]; then
    echo "usage: $0 GAME.sgf MOVES PROGRAM [ARGS...]" >&2
    exit 2
fi
sgf=$1
moves=$2
shift 2

# SGF points ("dd", "" for a pass) to GTP vertices: columns skip I, rows
# count from the bottom.
columns=ABCDEFGHJKLMNOPQRST
vertex() {
    local p=$1
    if [ -z "$p" ] || [ "$p" = tt ]; then
        echo pass
        return
    fi
    local x=$(($(printf '%d' "'${p:0:1}") - 97))
    local y=$(($(printf '%d' "'${p:1:1}") - 97))
    echo "${columns:$x:1}$((19 - y))"
}

# The program speaks through two named pipes.
pipes=$(mktemp -d)
trap 'rm -rf "$pipes"' EXIT
mkfifo "$pipes/in" "$pipes/out"
"$@" <"$pipes/in" >"$pipes/out" 2>/dev/null &
engine_pid=$!
exec {to_engine}>"$pipes/in" {from_engine}<"$pipes/out"

# Sends one command and reads its reply (up to the empty line); the reply's
# first line is left in $reply.
send() {
    echo "$1" >&"$to_engine"
    reply=""
    local line
    while IFS= read -r line <&"$from_engine"; do
        line=${line%$'\r'}
        [ -z "$line" ] && break
        [ -z "$reply" ] && reply=$line
    done
    case $reply in
        =*) ;;
        *) echo "$1: $reply" >&2; exit 1 ;;
    esac
}

send "boardsize 19"
send "clear_board"
send "komi 5.5"
times=()
n=0
while read -r entry; do
    [ "$n" -ge "$moves" ] && break
    colour=${entry:1:1}
    point=${entry:3:${#entry}-4}
    start=$(date +%s.%N)
    send "genmove $colour"
    end=$(date +%s.%N)
    times+=("$(echo "$end - $start" | bc)")
    send "undo"
    send "play $colour $(vertex "$point")"
    n=$((n + 1))
done < <(grep -o ';[BW]\[[a-s]*\]' "$sgf")

peak=$(awk '/VmHWM/ {printf "%.1f", $2 / 1024}' "/proc/$engine_pid/status")
send "quit"
wait "$engine_pid"
sorted=$(printf '%s\n' "${times[@]}" | sort -g)
pick() { echo "$sorted" | sed -n "$(echo "($1 * ($n - 1) + 0.5) / 1 + 1" | bc)p"; }
printf '%s: %d moves, median %.3f s, 90th percentile %.3f s, peak %s MB\n' \
    "$1" "$n" "$(pick 0.5)" "$(pick 0.9)" "$peak"
