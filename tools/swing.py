#!/usr/bin/env python3
"""Where a game was lost: the moves after which the referee's estimate swings
most against WinKirvo, with what WinKirvo believed there.

    tools/swing.py --engine CMD RECORD.sgf [--worst N]

The referee (GNU Go at a low level) estimates the score after every move.  A
move of WinKirvo is charged with the change from before it to after the
opponent's answer.  For the worst ones the position before the move is shown
by the referee, and WinKirvo (replayed to that position) reports its string
status, its group and, between strings of one colour, its connection verdict
for every string within two lines of the move or of the answer.
"""
import argparse
import re

from match import Gtp, GtpError, COLUMNS


def read_record(path):
    text = open(path).read()
    size = int((re.search(r"SZ\[(\d+)\]", text) or [0, 19])[1])
    komi = float((re.search(r"KM\[([-\d.]+)\]", text) or [0, 6.5])[1])
    names = {c: (re.search(rf"P{c}\[([^\]]*)\]", text) or [0, ""])[1] for c in "BW"}
    moves = []
    for colour, point in re.findall(r";\s*([BW])\[(\w*)\]", text):
        if point == "" or (point == "tt" and size <= 19):
            moves.append((colour, "pass"))
        else:
            moves.append((colour, COLUMNS[ord(point[0]) - ord("a")] + str(size - (ord(point[1]) - ord("a")))))
    return size, komi, names, moves


def black_margin(estimate):
    """'W+12.5 (upper bound ...)' as Black's lead."""
    match = re.match(r"([BW])\+([\d.]+)", estimate)
    if match is None:
        return 0.0
    return float(match[2]) * (1 if match[1] == "B" else -1)


def near(vertex, other, lines=2):
    if "pass" in (vertex.lower(), other.lower()):
        return False
    dx = abs(COLUMNS.index(vertex[0]) - COLUMNS.index(other[0]))
    return dx + abs(int(vertex[1:]) - int(other[1:])) <= lines


def replay(program, size, komi, moves):
    program.send(f"boardsize {size}")
    program.send("clear_board")
    program.send(f"komi {komi}")
    for colour, vertex in moves:
        program.send(f"play {colour} {vertex}")


def estimates(referee, size, komi, moves):
    """Black's lead as the referee estimates it before every move and after
    the last."""
    replay(referee, size, komi, [])
    found = [black_margin(referee.send("estimate_score", timeout=120))]
    for colour, vertex in moves:
        referee.send(f"play {colour} {vertex}")
        found.append(black_margin(referee.send("estimate_score", timeout=120)))
    return found


def beliefs(engine, referee, focus):
    """WinKirvo's reports on the strings near the focus points, one line
    each, strings named by their first stone in the referee's view."""
    strings = {}
    for colour in ("black", "white"):
        for vertex in referee.send(f"list_stones {colour}").split():
            if any(near(vertex, f) for f in focus):
                stones = referee.send(f"worm_stones {vertex}").split()
                strings.setdefault(stones[0], (colour, len(stones)))
    lines = []
    for first, (colour, count) in sorted(strings.items()):
        try:
            status = engine.send(f"winkirvo-string_status {first}")
            group = engine.send(f"winkirvo-group {first}")
        except GtpError as error:
            status, group = str(error), ""
        lines.append(f"  {colour:5s} {first:4s} ({count} stones) {status}\n        {group}")
    own = sorted(strings.items())
    for i, (a, (colour_a, _)) in enumerate(own):
        for b, (colour_b, _) in own[i + 1:]:
            if colour_a == colour_b and near(a, b, 4):
                try:
                    lines.append(f"  connection {a}-{b}: " + engine.send(f"winkirvo-connection {a} {b}"))
                except GtpError as error:
                    lines.append(f"  connection {a}-{b}: {error}")
    return lines


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    parser.add_argument("record")
    parser.add_argument("--engine", required=True, help="winkirvo-gtp command line")
    parser.add_argument("--referee", default="gnugo --mode gtp --chinese-rules --level 1")
    parser.add_argument("--colour", choices=["B", "W"], help="WinKirvo's colour (default: by name)")
    parser.add_argument("--worst", type=int, default=5)
    args = parser.parse_args()

    size, komi, names, moves = read_record(args.record)
    ours = args.colour or ("B" if "winkirvo" in names["B"].lower() else "W")
    sign = 1 if ours == "B" else -1
    referee = Gtp(args.referee)
    lead = [sign * x for x in estimates(referee, size, komi, moves)]
    # Our move i, then the answer i + 1: lead[i] before, lead[i + 2] after.
    swings = [(lead[min(i + 2, len(moves))] - lead[i], i)
              for i, (colour, _) in enumerate(moves) if colour == ours]
    swings.sort()
    print(f"{args.record}: WinKirvo is {ours}; the referee's lead for WinKirvo at the end {lead[-1]:+.1f}")
    for swing, i in swings[:args.worst]:
        move = moves[i][1]
        answer = moves[i + 1][1] if i + 1 < len(moves) else "pass"
        print(f"\nmove {i + 1}: {ours} {move}, answer {answer}: lead {lead[i]:+.1f} -> "
              f"{lead[min(i + 2, len(moves))]:+.1f} ({swing:+.1f})")
        replay(referee, size, komi, moves[:i])
        print(referee.send("showboard"))
        engine = Gtp(args.engine)
        try:
            replay(engine, size, komi, moves[:i])
            print("\n".join(beliefs(engine, referee, [move, answer])))
        finally:
            engine.close()
    referee.close()


if __name__ == "__main__":
    main()
