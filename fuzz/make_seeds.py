#!/usr/bin/env python3
"""Writes the seed corpus of both fuzz targets into fuzz/corpus/.

The seeds are the worked examples and the refusals a user meets, so that fuzzing starts from
inputs that reach every outcome. The byte layouts are described at the top of fuzz_numtext.cpp
and fuzz_press.cpp. Run it again after changing a layout, and commit what it writes.
"""

import math
import pathlib
import struct

CORPUS = pathlib.Path(__file__).resolve().parent / "corpus"

# fuzz_numtext: a flag byte (bit 0: "." as the separator; bits 1-4: decimals), then the text.
POINT = 1


def decimals(n):
    return n << 1


NUMTEXT = {
    "typical": (0, b"1500"),
    "comma_decimal": (0, b"1000,5"),
    "point_decimal": (POINT, b"1000.5"),
    "blanks_sign_exponent": (0, b"  -7,25e3 "),
    "separator_first": (0, b",5"),
    "separator_last": (0, b"5,"),
    "half_way": (decimals(2), b"1,005"),
    "largest_double": (decimals(14), b"1,7976931348623157E308"),
    "smallest_double": (0, b"4,94065645841247E-324"),
    "overflow": (0, b"1e999"),
    "grouping_refused": (0, b"1.000,5"),
    "letters_refused": (POINT, b"12a"),
    "raw_uw_bits": (decimals(2), struct.pack("<d", 1.3438955)),
}

# fuzz_press flags and the indexes of the state's numbers it may overwrite.
SEP_POINT, POST, UNDER, OPT_UNDER, OPT_GIVEN, TYPED1, TYPED2 = 1, 2, 4, 8, 16, 32, 64
DOOR = UNDER | OPT_UNDER | OPT_GIVEN
USZYBY1, URAMY = 0, 3
GENERAL = None  # the text is the general form of the state's value

ONE_SASH, TWO_SASH, THREE_SASH, FIXED, DOOR_ONE, DOOR_TWO = range(6)


def press(kind, flags, system, glass1, glass2, spacer, width, height, transom=0.0,
          texts=(GENERAL, GENERAL, GENERAL), overrides=(), metoda=0):
    out = struct.pack("<BBbbbbB", kind, flags, system, glass1, glass2, spacer, metoda)
    out += struct.pack("<ddd", width, height, transom)
    for text in texts:
        out += bytes([255]) if text is GENERAL else bytes([len(text)]) + text
    for field, value in overrides:
        out += struct.pack("<Bd", field, value)
    return out


PRESS = {
    "one_sash": press(ONE_SASH, 0, 1, 2, 0, 1, 1000, 1500),
    "two_sash": press(TWO_SASH, 0, 1, 2, 0, 1, 1500, 1500),
    "three_sash_post": press(THREE_SASH, POST, 3, 4, 0, 2, 2400, 1500),
    "fixed": press(FIXED, 0, 1, 2, 0, 1, 1000, 1500),
    "door_one_sash": press(DOOR_ONE, DOOR, 1, 2, 6, 1, 1000, 2200, 900),
    "door_two_sash_post": press(DOOR_TWO, DOOR | POST, 1, 2, 6, 1, 1600, 2200, 900),
    "door_one_glazing": press(DOOR_ONE, OPT_GIVEN, 1, 2, 0, 1, 1000, 2200, 900),
    "door_point_texts": press(DOOR_TWO, DOOR | SEP_POINT, 3, 4, 4, 2, 0, 0, 0,
                              (b"1600.5", b" 2200 ", b"9e2")),
    "door_transom_not_a_number": press(DOOR_ONE, DOOR, 1, 2, 6, 1, 1000, 2200, 900,
                                       (GENERAL, GENERAL, b"9x")),
    "door_bare_zero_transom": press(DOOR_ONE, UNDER | OPT_UNDER, 1, 2, 6, 1, 1000, 2200, 0),
    "typed_ug": press(ONE_SASH, TYPED1, 1, 0, 0, 1, 1000, 1500, overrides=[(USZYBY1, 1.1)]),
    "zero_width_text": press(ONE_SASH, 0, 1, 2, 0, 1, 0, 1500, texts=(b"0", GENERAL, GENERAL)),
    "overflowing_dimensions": press(ONE_SASH, 0, 1, 2, 0, 1, 1e300, 1e300),
    "nan_frame_u": press(TWO_SASH, 0, 1, 2, 0, 1, 1500, 1500, overrides=[(URAMY, math.nan)]),
}


def write(target, seeds):
    folder = CORPUS / target
    folder.mkdir(parents=True, exist_ok=True)
    for old in folder.iterdir():
        old.unlink()
    for name, data in seeds.items():
        (folder / name).write_bytes(data)


write("fuzz_numtext", {name: bytes([flag]) + text for name, (flag, text) in NUMTEXT.items()})
write("fuzz_press", PRESS)
