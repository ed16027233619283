#!/usr/bin/env python3
"""Plays games between two UCI engines over pipes, with chess clocks, and reports how each game
ended and how much time the first engine took per move.

A third UCI engine that knows the `d` command (Stockfish: `apt-get install stockfish`) serves as
referee: it lists the legal moves and tells check, so that illegal moves, mates, stalemates,
threefold repetitions, the fifty-move rule and bare kings are recognised. A measurement tool, run
by hand; the build and the tests do not use it.

    tools/uci_match.py --engine1 build/zugwerk-engine --engine2 'gnuchess --uci' --games 4 --tc 60+0
"""

import argparse
import shlex
import statistics
import subprocess
import sys
import time

# Short openings, each played twice with the colours exchanged, so that the games differ.
OPENINGS = [
    "",
    "e2e4 e7e5",
    "d2d4 d7d5",
    "e2e4 c7c5",
    "c2c4 e7e5",
    "d2d4 g8f6 c2c4 e7e6",
    "e2e4 e7e6 d2d4 d7d5",
    "g1f3 d7d5 g2g3",
]


class Engine:
    def __init__(self, command, options):
        self.command = command
        self.process = subprocess.Popen(
            shlex.split(command), stdin=subprocess.PIPE, stdout=subprocess.PIPE, stderr=subprocess.DEVNULL,
            text=True, bufsize=1)
        self.send("uci")
        self.name = command
        self.last_score = "none"  # the score of its last move as it reported it, for the game's summary
        for line in self.read_until("uciok"):
            if line.startswith("id name "):
                self.name = line[8:]
        for option in options:
            name, _, value = option.partition("=")
            self.send(f"setoption name {name} value {value}")
        self.sync()

    def send(self, line):
        self.process.stdin.write(line + "\n")
        self.process.stdin.flush()

    def read_until(self, prefix):
        lines = []
        while True:
            line = self.process.stdout.readline()
            if not line:
                raise RuntimeError(f"{self.command} ended unexpectedly")
            line = line.rstrip("\n")
            lines.append(line)
            if line.startswith(prefix):
                return lines

    def sync(self):
        self.send("isready")
        self.read_until("readyok")

    def close(self):
        try:
            self.send("quit")
            self.process.wait(timeout=5)
        except (OSError, subprocess.TimeoutExpired):
            self.process.kill()


class Referee(Engine):
    """Answers questions about a position: its legal moves, whether the side to move is in check, its FEN."""

    def examine(self, moves):
        self.send("position startpos" + (" moves " + " ".join(moves) if moves else ""))
        self.send("d")
        fen, checkers = "", ""
        for line in self.read_until("Checkers:"):
            if line.startswith("Fen: "):
                fen = line[5:]
        checkers = line[len("Checkers:"):].strip()
        self.send("go perft 1")
        legal = [line.split(":")[0] for line in self.read_until("Nodes searched") if ": " in line
                 and not line.startswith("Nodes")]
        return fen, bool(checkers), set(legal)


def bare_material(fen):
    """Neither side can mate: kings alone, or a king and one minor piece against a king."""
    pieces = [c for c in fen.split()[0] if c.isalpha() and c not in "kK"]
    return len(pieces) == 0 or (len(pieces) == 1 and pieces[0] in "nNbB")


def play_game(white, black, referee, opening, base_ms, increment_ms, max_plies, times):
    """Plays one game; returns (result, reason). `times` collects (engine name, ms, clock before) per move."""
    moves = opening.split()
    clock = {white: base_ms, black: base_ms}
    seen = {}
    for engine in (white, black):
        engine.last_score = "none"
        engine.send("ucinewgame")
        engine.sync()
    while True:
        fen, in_check, legal = referee.examine(moves)
        white_to_move = fen.split()[1] == "w"
        key = " ".join(fen.split()[:4])
        seen[key] = seen.get(key, 0) + 1
        if not legal:
            if in_check:
                return ("0-1" if white_to_move else "1-0"), "checkmate"
            return "1/2-1/2", "stalemate"
        if seen[key] >= 3:
            return "1/2-1/2", "threefold repetition"
        if int(fen.split()[4]) >= 100:
            return "1/2-1/2", "fifty-move rule"
        if bare_material(fen):
            return "1/2-1/2", "insufficient material"
        if len(moves) >= max_plies:
            return "1/2-1/2", f"adjudicated after {max_plies} plies"

        mover = white if white_to_move else black
        mover.send("position startpos" + (" moves " + " ".join(moves) if moves else ""))
        before = clock[mover]
        start = time.monotonic()
        mover.send(f"go wtime {clock[white]} btime {clock[black]} winc {increment_ms} binc {increment_ms}")
        lines = mover.read_until("bestmove")
        answer = lines[-1].split()
        took = int((time.monotonic() - start) * 1000)
        times.append((mover, took, before))
        scores = [line.split(" score ")[1].split()[:2] for line in lines if " score " in line]
        if scores:
            mover.last_score = " ".join(scores[-1])
        clock[mover] -= took
        loser_wins = "0-1" if white_to_move else "1-0"
        if clock[mover] < 0:
            return loser_wins, f"{mover.name} lost on time"
        clock[mover] += increment_ms
        move = answer[1] if len(answer) > 1 else "0000"
        if move not in legal:
            return loser_wins, f"{mover.name} played the illegal move {move}"
        moves.append(move)


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--engine1", required=True, help="command of the engine measured")
    parser.add_argument("--engine2", required=True, help="command of its opponent")
    parser.add_argument("--option1", action="append", default=[], help="NAME=VALUE for engine 1")
    parser.add_argument("--option2", action="append", default=[], help="NAME=VALUE for engine 2")
    parser.add_argument("--referee", default="/usr/games/stockfish", help="UCI engine that knows `d`")
    parser.add_argument("--games", type=int, default=2)
    parser.add_argument("--tc", default="60+0", help="seconds per game + increment in seconds")
    parser.add_argument("--max-plies", type=int, default=400)
    args = parser.parse_args()

    base, _, increment = args.tc.partition("+")
    base_ms, increment_ms = int(float(base) * 1000), int(float(increment or 0) * 1000)
    one, two = Engine(args.engine1, args.option1), Engine(args.engine2, args.option2)
    referee = Referee(args.referee, [])
    score, times = 0.0, []
    try:
        for game in range(args.games):
            opening = OPENINGS[(game // 2) % len(OPENINGS)]
            white, black = (one, two) if game % 2 == 0 else (two, one)
            result, reason = play_game(white, black, referee, opening, base_ms, increment_ms, args.max_plies, times)
            points = {"1-0": 1.0, "0-1": 0.0}.get(result, 0.5)
            score += points if white is one else 1.0 - points
            print(f"game {game + 1}: {white.name} - {black.name} {result} ({reason}); opening: {opening or '-'}; "
                  f"{one.name}'s last score: {one.last_score}", flush=True)
    finally:
        for engine in (one, two, referee):
            engine.close()

    own = [(took, before) for engine, took, before in times if engine is one]
    print(f"{one.name}: {score} of {args.games} points against {two.name} at {args.tc}")
    if own:
        took = [t for t, _ in own]
        share = max(t / b for t, b in own if b > 0)
        print(f"time per move: mean {statistics.mean(took):.0f} ms, worst {max(took)} ms over {len(took)} moves; "
              f"largest share of the clock left: {share:.1%}")


if __name__ == "__main__":
    sys.exit(main())
