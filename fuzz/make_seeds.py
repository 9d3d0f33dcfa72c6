#!/usr/bin/env python3

# SPDX-FileCopyrightText: 2026 German Verb Zandrel developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""Writes the fuzz target's seed corpus into fuzz/corpus/ (run from anywhere).

The seeds are small verb files: one valid record of each category, mixed line
ends, a NUL, unknown codes, blank and tab-padded payloads, a record one line
short, the labels that mark verbs without an imperative, junk. Regenerating
gives the same bytes.
"""
import pathlib
import random

LINES = 395
# First record line of each tense block and the line after the last block.
BLOCK_STARTS = {
    "r": [1, 27, 53, 79, 105, 131, 165, 191, 217, 243, 269, 295, 321, 355, 389, 395],
    "s": [1, 19, 37, 55, 73, 91, 117, 135, 153, 171, 189, 207, 225, 251, 277, 283],
    "n": [1, 11, 21, 39, 57, 75, 101, 111, 121, 139, 157, 175, 193, 219, 245, 250],
    "d": [1, 19, 37, 63, 89, 115, 149, 167, 185, 211, 237, 263, 289, 323, 357, 363],
}


def line(code, payload, label=""):
    return (code + label + " " * (29 - len(label))).encode("cp1252") + payload


def record(category, type_code, variants, verb, form=lambda t, j: b"f%d %d" % (t, j), label=""):
    """395 lines without line ends; only the lines the category reads carry text.
    `label` follows the category letter on line 0."""
    lines = [b""] * LINES
    starts = BLOCK_STARTS.get(category)
    if starts:
        for tense in range(15):
            first, after = starts[tense], starts[tense + 1]
            lines[first] = line(" ", b"cap1 %d" % tense)
            lines[first + 1] = line(" ", b"cap2 %d" % tense)
            for j in range(after - first - 2):
                lines[first + 2 + j] = line(" ", form(tense, j))
    lines[0] = line(category, verb, label)
    lines[1] = line(type_code, lines[1][30:])
    lines[2] = line(variants, lines[2][30:])
    return lines


def join(lines, ends=(b"\r\n",), final=True):
    out = bytearray()
    for i, text in enumerate(lines):
        out += text
        if final or i + 1 < len(lines):
            out += ends[i % len(ends)]
    return bytes(out)


def seeds():
    yield "valid_r.txt", join(record("r", "w", "1", b"sich freuen"))
    yield "valid_s.txt", join(record("s", "s", "2", b"abfahren"))
    yield "valid_n.txt", join(record("n", "i", "3", b"gehen"))
    yield "valid_d.txt", join(record("d", "d", "4", b"kennen lernen"))
    yield "mixed_line_ends.txt", join(
        record("r", "m", "1", b"sich waschen") + record("n", "w", "1", b"sagen"),
        ends=(b"\r\n", b"\n", b"\r"), final=False)
    with_nul = join(record("n", "w", "1", b"lachen") + record("s", "s", "1", b"aufstehen"))
    yield "nul_in_second_record.txt", with_nul[: len(with_nul) * 3 // 4] + b"\0" + with_nul[len(with_nul) * 3 // 4:]
    padded = record("d", "i", "2", b"  m\xf6gen ",
                    form=lambda t, j: [b"\t m\xf6chte \t", b"   ", b"\x80\x9f\xdf\xe4", b""][j % 4])
    yield "blank_and_tab_payloads.txt", join(padded)
    yield "unknown_codes.txt", join(
        record("R", "x", "9", b"Gehen") + record("", "", "", b"") + record("n", "q", "1", b"essen"))
    yield "one_short_of_a_record.txt", join(record("n", "w", "1", b"rufen")[:-1])
    yield "label_marks.txt", join(
        record("n", "w", "1", b"regnen", label=" impersonal verb")
        + record("s", "s", "1", b"leidtun", label=" verb, no imperative"))
    yield "byte_order_mark.txt", b"\xef\xbb\xbf" + join(record("n", "w", "1", b"sagen"))
    rng = random.Random(1234)
    yield "junk.bin", bytes(rng.randrange(256) for _ in range(3000))
    yield "cr_only.txt", b"\r" * 1000
    yield "empty.txt", b""


def main():
    corpus = pathlib.Path(__file__).resolve().parent / "corpus"
    corpus.mkdir(exist_ok=True)
    for name, data in seeds():
        (corpus / name).write_bytes(data)


if __name__ == "__main__":
    main()
