#!/usr/bin/python3
"""Writes the rhyme table data/data.txt from the Unihan database.

Takes the 8105 characters of the general standard character list (kTGH) with
every reading that list's dictionary gives them (kTGHZ2013), and writes one line
per syllable and tone: toneless pinyin, the tone digit, a blank, the characters.
Characters go most frequent first (kHanyuPinlu), then in the list's own order.

Usage: make-rhyme-table.py [--unihan-dir /usr/share/unicode] [--output data/data.txt]
The Unihan files are read bz2-compressed, as Debian's unicode-data installs them.
"""

import argparse
import bz2
import os
import re
import sys
import unicodedata

REPOSITORY = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))

TONE_MARKS = {"\u0304": 1, "\u0301": 2, "\u030C": 3, "\u0300": 4}
NEUTRAL_TONE = 5
DIAERESIS = "\u0308"
CIRCUMFLEX = "\u0302"

TGH_VALUE = re.compile(r"^\d{4}:(\d+)$")
TGHZ2013_VALUE = re.compile(r"^\d{3}\.\d{3}(?:,\d{3}\.\d{3})*:(\S+)$")
PINLU_VALUE = re.compile(r"^(\S+)\((\d+)\)$")
SYLLABLE = re.compile(r"^[a-z]+$")


class TableError(Exception):
    pass


def read_fields(path, wanted):
    """Yields (character, field, value) for the wanted fields of one Unihan file."""
    try:
        with bz2.open(path, "rt", encoding="utf-8", newline="\n") as lines:
            for number, line in enumerate(lines, 1):
                line = line.rstrip("\n")
                if not line or line.startswith("#"):
                    continue
                parts = line.split("\t")
                if len(parts) != 3 or not parts[0].startswith("U+"):
                    raise TableError(f"{path}:{number}: not a Unihan entry: {line!r}")
                if parts[1] in wanted:
                    yield chr(int(parts[0][2:], 16)), parts[1], parts[2]
    except OSError as error:
        raise TableError(f"{path}: {error.strerror or error}") from error


def syllable_and_tone(reading):
    """Turns a pinyin reading with a tone mark ("lǜ") into ("lv", 4)."""
    letters = []
    tone = NEUTRAL_TONE
    marks = 0
    for character in unicodedata.normalize("NFD", reading):
        if character in TONE_MARKS:
            tone = TONE_MARKS[character]
            marks += 1
        elif character == DIAERESIS and letters and letters[-1] == "u":
            letters[-1] = "v"
        elif character == CIRCUMFLEX and letters and letters[-1] == "e":
            # ê has no letter of its own outside the pinyin alphabet; plain e keeps
            # it among the e-final lines, where a rhyme search looks for it.
            pass
        else:
            letters.append(character)
    syllable = "".join(letters)
    # After j, q, x and y pinyin writes ü as a plain u.
    if syllable[:1] in ("j", "q", "x", "y"):
        syllable = syllable.replace("v", "u")
    if marks > 1 or not SYLLABLE.match(syllable):
        raise TableError(f"cannot spell the reading {reading!r} in plain letters")
    return syllable, tone


def read_standard_list(unihan_dir):
    """Returns {character: position in the general standard character list}."""
    path = os.path.join(unihan_dir, "Unihan_OtherMappings.txt.bz2")
    order = {}
    for character, _, value in read_fields(path, {"kTGH"}):
        match = TGH_VALUE.match(value)
        if not match:
            raise TableError(f"{path}: unexpected kTGH value {value!r} for {character}")
        order[character] = int(match.group(1))
    if not order:
        raise TableError(f"{path}: no kTGH entries")
    return order


def read_readings(unihan_dir, characters):
    """Returns ({character: [(syllable, tone)]}, {(character, syllable, tone): count})."""
    path = os.path.join(unihan_dir, "Unihan_Readings.txt.bz2")
    standard = {}
    customary = {}
    counts = {}
    for character, field, value in read_fields(path, {"kTGHZ2013", "kMandarin", "kHanyuPinlu"}):
        if character not in characters:
            continue
        if field == "kTGHZ2013":
            for entry in value.split(" "):
                match = TGHZ2013_VALUE.match(entry)
                if not match:
                    raise TableError(f"{path}: unexpected kTGHZ2013 entry {entry!r} for {character}")
                standard.setdefault(character, []).append(syllable_and_tone(match.group(1)))
        elif field == "kMandarin":
            # The first value is the mainland reading.
            customary[character] = [syllable_and_tone(value.split(" ")[0])]
        else:
            for entry in value.split(" "):
                match = PINLU_VALUE.match(entry)
                if not match:
                    raise TableError(f"{path}: unexpected kHanyuPinlu entry {entry!r} for {character}")
                key = (character,) + syllable_and_tone(match.group(1))
                counts[key] = counts.get(key, 0) + int(match.group(2))

    readings = {}
    for character in characters:
        if character in standard:
            readings[character] = standard[character]
        elif character in customary:
            # A character the list's dictionary leaves without a reading still
            # belongs in the table: its usual Mandarin reading is the best guess.
            print(f"note: {character} U+{ord(character):04X} has no kTGHZ2013 reading, "
                  f"using kMandarin", file=sys.stderr)
            readings[character] = customary[character]
        else:
            raise TableError(f"{path}: no reading for {character} U+{ord(character):04X}")
    return readings, counts


def build_lines(order, readings, counts):
    """Returns the table's lines, sorted by syllable and tone, without line ends."""
    groups = {}
    for character, keys in readings.items():
        for key in set(keys):
            groups.setdefault(key, []).append(character)
    lines = []
    for syllable, tone in sorted(groups):
        characters = sorted(groups[(syllable, tone)],
                            key=lambda c: (-counts.get((c, syllable, tone), 0), order[c]))
        lines.append(f"{syllable}{tone} {''.join(characters)}")
    return lines


def main():
    parser = argparse.ArgumentParser(description="Write the rhyme table from the Unihan database.")
    parser.add_argument("--unihan-dir", default="/usr/share/unicode",
                        help="folder with Unihan_*.txt.bz2 (default: %(default)s)")
    parser.add_argument("--output", default=os.path.join(REPOSITORY, "data", "data.txt"),
                        help="table to write (default: data/data.txt in the repository)")
    arguments = parser.parse_args()

    try:
        order = read_standard_list(arguments.unihan_dir)
        readings, counts = read_readings(arguments.unihan_dir, order)
        lines = build_lines(order, readings, counts)
    except TableError as error:
        print(f"make-rhyme-table: {error}", file=sys.stderr)
        return 1

    content = "".join(line + "\n" for line in lines).encode("utf-8")
    try:
        with open(arguments.output, "wb") as table:
            table.write(content)
    except OSError as error:
        print(f"make-rhyme-table: {arguments.output}: {error.strerror}", file=sys.stderr)
        return 1
    print(f"{arguments.output}: {len(lines)} lines, {len(order)} characters")
    return 0


if __name__ == "__main__":
    sys.exit(main())
