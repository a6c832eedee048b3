#!/bin/bash
# soak.sh GAMES "S C L" PROGRAM [ARGUMENTS...]
#
# One GTP program plays GAMES whole games against itself at the depths
# S C L, clear_board between them.  Every game must end with two passes in a
# row; after each game the resident memory of the process and what its
# engine keeps (winkirvo-memory) are printed.  From ten games on, resident
# memory after the last game must stay within 10% of its value after game
# 10.  The program's standard error (with any sanitizer report) goes to
# soak-stderr.txt in the working directory; a sanitizer report fails the
# run.
set -u
games=$1
depths=$2
shift 2
longest=1600

coproc GTP { exec "$@" 2> soak-stderr.txt; }
pid=$GTP_PID

fail() {
    echo "soak: $*" >&2
    kill "$pid" 2> /dev/null
    exit 1
}

# Sends one command and sets answer to the reply's text; fails on a "?"
# reply or when the program has ended.
ask() {
    echo "$1" >&"${GTP[1]}" || fail "the program ended before '$1'"
    local line reply=""
    while IFS= read -r line <&"${GTP[0]}"; do
        [ -z "$line" ] && break
        reply+="$line"
    done
    case "$reply" in
        "= "*) answer=${reply#= } ;;
        "=") answer="" ;;
        *) fail "'$1' answered '$reply'" ;;
    esac
}

resident_kb() { awk '/^VmRSS/ { print $2 }' "/proc/$pid/status"; }

ask "winkirvo-depths $depths"
rss_10=""
for ((game = 1; game <= games; ++game)); do
    ask clear_board
    moves=0
    passes=0
    colour=b
    while ((passes < 2)); do
        ask "genmove $colour"
        ((++moves))
        if [ "${answer,,}" = pass ]; then ((++passes)); else passes=0; fi
        ((moves > longest)) && fail "game $game did not end in $longest moves"
        [ $colour = b ] && colour=w || colour=b
    done
    rss=$(resident_kb)
    ask winkirvo-memory
    echo "game $game: $moves moves, resident ${rss} kB, $answer"
    ((game == 10)) && rss_10=$rss
done
ask quit
wait "$pid"
status=$?
if grep -qE "ERROR: (Address|Leak)Sanitizer|runtime error:" soak-stderr.txt; then
    fail "a sanitizer report in soak-stderr.txt"
fi
((status == 0)) || fail "the program ended with status $status"
if [ -n "$rss_10" ] && ((rss * 10 > rss_10 * 11)); then
    fail "resident memory grew from ${rss_10} kB after game 10 to ${rss} kB"
fi
echo "soak: $games games ended with two passes"
