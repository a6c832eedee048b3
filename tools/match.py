#!/usr/bin/env python3
"""A match of two GTP programs, checked and scored by a referee.

    tools/match.py --engine CMD --opponent CMD [--games N] [--out DIR]

The engine plays Black in odd games and White in even ones, komi 6.5.  The
referee (GNU Go with area rules) is told every move: a move it refuses loses,
and so do a crash, a refused command and a move that takes longer than the
time-out.  Games that end in two passes, or reach the move cap, are scored
by the referee's final_score.  With --main-time both sides play under a
sudden-death clock (time_settings, then time_left before every move) and a
side whose time runs out loses.  "{game}" in a command line is replaced by the
game's number (a different seed for every game).  Each result is printed as
the game ends; then the win rate with its Wilson 95% interval and the median
and 90th-percentile seconds per move of both sides.  The records are written
as DIR/game-NN.sgf, and the engine's own record (printsgf) as
DIR/game-NN-engine.sgf.
"""
import argparse
import math
import os
import queue
import shlex
import shutil
import subprocess
import threading
import time

COLUMNS = "ABCDEFGHJKLMNOPQRST"


class GtpError(Exception):
    """The program refused a command, crashed or did not answer in time."""


class Gtp:
    """A GTP program on pipes; answers are read by a thread so that a
    command can time out."""

    def __init__(self, command):
        words = shlex.split(command)
        words[0] = shutil.which(words[0]) or shutil.which(words[0], path="/usr/games") or words[0]
        self.name = os.path.basename(words[0])
        self.process = subprocess.Popen(words, stdin=subprocess.PIPE, stdout=subprocess.PIPE,
                                        stderr=subprocess.DEVNULL, text=True, bufsize=1)
        self.lines = queue.Queue()
        threading.Thread(target=self._read, daemon=True).start()
        try:
            self.name = self.send("name")
        except GtpError:
            pass  # the file's name stands

    def _read(self):
        for line in self.process.stdout:
            self.lines.put(line)
        self.lines.put(None)

    def send(self, command, timeout=60.0):
        try:
            self.process.stdin.write(command + "\n")
            self.process.stdin.flush()
        except OSError as error:
            raise GtpError(f"{self.name} crashed ({error})")
        deadline = time.monotonic() + timeout
        answer = []
        while True:
            try:
                line = self.lines.get(timeout=max(0.0, deadline - time.monotonic()))
            except queue.Empty:
                raise GtpError(f"{self.name} took more than {timeout:g} s over '{command}'")
            if line is None:
                raise GtpError(f"{self.name} crashed over '{command}'")
            line = line.rstrip("\r\n")
            if line == "" and answer:
                break
            if line != "" or answer:
                answer.append(line)
        text = "\n".join(answer)
        if text.startswith("?"):
            raise GtpError(f"{self.name} refused '{command}': {text[1:].strip()}")
        return text[1:].strip()

    def close(self):
        try:
            self.send("quit", timeout=5)
        except GtpError:
            pass
        if self.process.poll() is None:
            self.process.kill()
        self.process.wait()


def sgf_point(vertex, size):
    if vertex.lower() == "pass":
        return ""
    column = COLUMNS.index(vertex[0].upper())
    row = size - int(vertex[1:])
    return chr(ord("a") + column) + chr(ord("a") + row)


def write_sgf(path, size, komi, black, white, moves, result):
    body = "".join(f";{colour}[{sgf_point(vertex, size)}]" for colour, vertex in moves)
    with open(path, "w") as out:
        out.write(f"(;GM[1]FF[4]SZ[{size}]KM[{komi}]RU[Chinese]PB[{black}]PW[{white}]"
                  f"RE[{result}]\n{body})\n")


def new_game(program, size, komi, main_time=0):
    program.send(f"boardsize {size}")
    program.send("clear_board")
    program.send(f"komi {komi}")
    if main_time > 0:
        program.send(f"time_settings {main_time} 0 0")


def play_game(players, referee, args, times):
    """Plays one game; players maps "B" and "W" to (Gtp, side name).
    Returns the result ("B+12.5", "W+R", "B+F" ...), the reason and the moves."""
    for program, _ in players.values():
        new_game(program, args.size, args.komi, args.main_time)
    new_game(referee, args.size, args.komi)
    clock = {"B": float(args.main_time), "W": float(args.main_time)}
    moves = []
    passes = 0
    colour = "B"
    while passes < 2 and len(moves) < args.max_moves:
        other = "W" if colour == "B" else "B"
        mover, side = players[colour]
        try:
            if args.main_time > 0:
                mover.send(f"time_left {colour} {max(0, int(clock[colour]))} 0")
            start = time.monotonic()
            vertex = mover.send(f"genmove {colour}", timeout=args.timeout)
        except GtpError as error:
            return f"{other}+F", str(error), moves
        times[side].append(time.monotonic() - start)
        clock[colour] -= times[side][-1]
        if args.main_time > 0 and clock[colour] < 0:
            return f"{other}+T", f"{side} lost on time", moves
        if vertex.lower() == "resign":
            return f"{other}+R", f"{side} resigned", moves
        try:
            referee.send(f"play {colour} {vertex}")
        except GtpError:
            return f"{other}+F", f"{side} played the illegal move {colour} {vertex}", moves
        moves.append((colour, vertex))
        try:
            players[other][0].send(f"play {colour} {vertex}")
        except GtpError as error:
            return f"{colour}+F", str(error), moves
        passes = passes + 1 if vertex.lower() == "pass" else 0
        colour = other
    reason = "two passes" if passes == 2 else f"{args.max_moves} moves"
    try:
        return referee.send("final_score", timeout=600), reason, moves
    except GtpError as error:
        return "?", f"{reason}, not scored: {error}", moves


def own_record(program):
    """The program's own record of the game (with its clock, when it keeps
    one), or None when it cannot give one."""
    try:
        return program.send("printsgf") + "\n"
    except GtpError:
        return None


def wilson(wins, n, z=1.96):
    if n == 0:
        return 0.0, 1.0
    p = wins / n
    centre = (p + z * z / (2 * n)) / (1 + z * z / n)
    half = z * math.sqrt(p * (1 - p) / n + z * z / (4 * n * n)) / (1 + z * z / n)
    return max(0.0, centre - half), min(1.0, centre + half)


def percentile(values, share):
    if not values:
        return float("nan")
    ordered = sorted(values)
    return ordered[min(len(ordered) - 1, int(share * len(ordered)))]


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    parser.add_argument("--engine", required=True)
    parser.add_argument("--opponent", default="gnugo --mode gtp --level 10")
    parser.add_argument("--referee", default="gnugo --mode gtp --chinese-rules")
    parser.add_argument("--games", type=int, default=20)
    parser.add_argument("--komi", type=float, default=6.5)
    parser.add_argument("--size", type=int, default=19)
    parser.add_argument("--max-moves", type=int, default=600)
    parser.add_argument("--main-time", type=int, default=0, help="sudden-death seconds a side")
    parser.add_argument("--timeout", type=float, default=300.0, help="seconds for one move")
    parser.add_argument("--out", default="build/match")
    args = parser.parse_args()
    os.makedirs(args.out, exist_ok=True)

    times = {"engine": [], "opponent": []}
    wins = 0
    for game in range(1, args.games + 1):
        engine = Gtp(args.engine.replace("{game}", str(game)))
        opponent = Gtp(args.opponent.replace("{game}", str(game)))
        referee = Gtp(args.referee)  # fresh each game: a late answer cannot leak
        engine_colour = "B" if game % 2 == 1 else "W"
        opponent_colour = "W" if engine_colour == "B" else "B"
        players = {engine_colour: (engine, "engine"), opponent_colour: (opponent, "opponent")}
        try:
            result, reason, moves = play_game(players, referee, args, times)
            engine_record = own_record(engine)
        finally:
            engine.close()
            opponent.close()
            referee.close()
        won = result.startswith(engine_colour)
        wins += won
        names = {engine_colour: engine.name, opponent_colour: opponent.name}
        path = os.path.join(args.out, f"game-{game:02d}.sgf")
        write_sgf(path, args.size, args.komi, names["B"], names["W"], moves, result)
        if engine_record:
            with open(path.replace(".sgf", "-engine.sgf"), "w") as out:
                out.write(engine_record)
        print(f"game {game:2d}: engine {engine_colour}  {result:8s} {'win ' if won else 'loss'} "
              f"{len(moves):3d} moves ({reason})  {path}", flush=True)

    low, high = wilson(wins, args.games)
    print(f"\n{args.engine}\n  against {args.opponent}")
    print(f"engine wins {wins} of {args.games}: {100 * wins / max(1, args.games):.0f}% "
          f"(95% interval {100 * low:.0f}-{100 * high:.0f}%)")
    for side, label in (("engine", "engine"), ("opponent", "opponent")):
        t = times[side]
        print(f"seconds per move, {label:8s}: median {percentile(t, 0.5):.3f}  "
              f"90th percentile {percentile(t, 0.9):.3f}  longest {max(t, default=float('nan')):.3f}")


if __name__ == "__main__":
    main()
