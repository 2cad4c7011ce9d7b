#!/usr/bin/env python3
"""Writes a word list of a teacher's biggest size: about 0.9 MB, one word of
3 to 8 lower-case letters a line (about 160,000 words), the same every time.

    bench/listas.py FILE
"""
import random
import sys

rng = random.Random(18)
letters = "abcdefghijklmnopqrstuvwxyz"
# Short words are the most common, as in a dictionary extract of this size.
lengths = rng.choices(range(3, 9), weights=[40, 25, 15, 10, 6, 4], k=400_000)
seen, words, size = set(), [], 0
for length in lengths:
    word = "".join(rng.choice(letters) for _ in range(length))
    if word not in seen:
        seen.add(word)
        words.append(word)
        size += length + 1
        if size >= 900_000:
            break
with open(sys.argv[1], "w", encoding="utf-8") as out:
    out.write("".join(w + "\n" for w in words))
