#!/usr/bin/env python3
"""Reference values for the process-wide random generator.

Implements Knuth's subtractive generator from its written description alone
(a table of 55 integers modulo 10^9, seeded from 161803398 - |seed|, filled
at positions 21*i mod 55, stirred four times, running indices 0 and 31, each
draw the next table difference made non-negative, times 1e-9), so that the
C++ tests can compare against numbers that did not come from the C++ code.

Usage: tests/tools/subtractive_random.py [SEED [COUNT]]
Prints COUNT draws as exact decimal values (repr of the double) and, for
random_int(lo, hi), a few truncated integers.
"""
import sys

MODULUS = 1_000_000_000
SEED_BASE = 161803398


class Subtractive:
    def __init__(self, seed):
        self.seed = seed
        self.initialised = False
        self.table = [0] * 56  # positions 1..55 are used
        self.inext = 0
        self.inextp = 0

    def _initialise(self):
        mj = (SEED_BASE - abs(self.seed)) % MODULUS
        self.table[55] = mj
        mk = 1
        for i in range(1, 55):
            ii = (21 * i) % 55
            self.table[ii] = mk
            mk = (mj - mk) % MODULUS
            mj = self.table[ii]
        for _ in range(4):
            for i in range(1, 56):
                self.table[i] = (self.table[i] - self.table[1 + (i + 30) % 55]) % MODULUS
        self.inext = 0
        self.inextp = 31
        self.seed = 1
        self.initialised = True

    def uniform(self):
        if not self.initialised or self.seed < 0:
            self._initialise()
        self.inext = 1 if self.inext == 55 else self.inext + 1
        self.inextp = 1 if self.inextp == 55 else self.inextp + 1
        mj = (self.table[self.inext] - self.table[self.inextp]) % MODULUS
        self.table[self.inext] = mj
        return mj * 1e-9

    def integer(self, lo, hi):
        return int(self.uniform() * (hi - lo + 1) + lo)  # int() truncates toward zero


def main():
    seed = int(sys.argv[1]) if len(sys.argv) > 1 else 0
    count = int(sys.argv[2]) if len(sys.argv) > 2 else 5
    g = Subtractive(seed)
    print(f"seed {seed}: uniform draws")
    for _ in range(count):
        print(repr(g.uniform()))
    g = Subtractive(seed)
    print(f"seed {seed}: random_int(-3, 3) draws")
    print(" ".join(str(g.integer(-3, 3)) for _ in range(count * 2)))


if __name__ == "__main__":
    main()
