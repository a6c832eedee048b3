#!/usr/bin/env python3
"""Final ownership of played-out game records, in the label file format of
winkirvo-train (one line a game, tab-separated: the record's path under DIR,
the stones judged dead, the judge's area score, and 361 owners 'B', 'W' or
'.', rows from the top, columns from the left).

    tools/own_labels.py --judge CMD DIR > labels.tsv

Every record under DIR whose last two moves are passes is replayed on the
judge (GNU Go, area rules, a low level), which gives the status of every
point: a live stone and territory belong to their side, a dead stone to the
side that surrounds it, seki and dame to neither.  Records that end in a
resignation or that the judge refuses are left out, with a line on standard
error.
"""
import argparse
import os
import sys

from match import Gtp, GtpError, COLUMNS
from swing import read_record, replay

OWNER_OF_STATUS = {"black_territory": "B", "white_territory": "W", "dame": ".", "seki": "."}


def owners(judge, size):
    """The owners row by row from the top, and the number of dead stones."""
    text, dead = [], 0
    for row in range(size, 0, -1):
        for column in COLUMNS[:size]:
            vertex = f"{column}{row}"
            status = judge.send(f"final_status {vertex}", timeout=600)
            if status in OWNER_OF_STATUS:
                text.append(OWNER_OF_STATUS[status])
                continue
            colour = judge.send(f"color {vertex}")
            stone = "B" if colour == "black" else "W"
            if status == "dead":
                dead += 1
                stone = "W" if stone == "B" else "B"
            text.append(stone)
    return "".join(text), dead


def played_out(moves):
    return len(moves) >= 2 and all(vertex == "pass" for _, vertex in moves[-2:])


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--judge", default="gnugo --mode gtp --level 1 --chinese-rules")
    parser.add_argument("dir")
    args = parser.parse_args()
    judge = Gtp(args.judge)
    records = sorted(os.path.relpath(os.path.join(root, name), args.dir)
                     for root, _, names in os.walk(args.dir) for name in names
                     if name.endswith(".sgf"))
    kept = 0
    for record in records:
        size, komi, _, moves = read_record(os.path.join(args.dir, record))
        if size != 19 or not played_out(moves):
            print(f"{record}: not a played-out 19x19 game", file=sys.stderr)
            continue
        try:
            replay(judge, size, komi, moves)
            text, dead = owners(judge, size)
            score = judge.send("final_score", timeout=600)
        except GtpError as error:
            print(f"{record}: {error}", file=sys.stderr)
            # A late answer would be taken for the next command's.
            judge.close()
            judge = Gtp(args.judge)
            continue
        print(f"{record}\t{dead}\t{score}\t{text}", flush=True)
        kept += 1
    judge.close()
    print(f"{kept} of {len(records)} records labelled", file=sys.stderr)


if __name__ == "__main__":
    main()
