#!/bin/sh
# Rebuilds the raster artwork from its vector sources:
#   src/logo.svg -> logo.png (817 x 445, RGB)
#   src/ce.svg   -> ce.bmp   (161 x 120, 8 bits per pixel, grey ramp palette,
#                             BITMAPINFOHEADER, uncompressed)
# Needs rsvg-convert (librsvg2-bin), ImageMagick's convert, python3 and
# fonts-liberation. The window drawings are code: drawings.cpp.
set -eu
here=$(cd "$(dirname "$0")" && pwd)
out=$(dirname "$here")
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

rsvg-convert -w 817 -h 445 -f png -o "$out/logo.png" "$here/logo.svg"

rsvg-convert -w 161 -h 120 -f png -o "$tmp/ce.png" "$here/ce.svg"
convert "$tmp/ce.png" -background white -alpha remove -alpha off \
        -colorspace Gray -depth 8 "$tmp/ce.pgm"
python3 - "$tmp/ce.pgm" "$out/ce.bmp" <<'PY'
import struct, sys
src, dst = sys.argv[1], sys.argv[2]
data = open(src, "rb").read()
# binary PGM: "P5", width, height, maxval, one whitespace, pixels
fields, pos = [], 0
while len(fields) < 4:
    while data[pos:pos + 1].isspace():
        pos += 1
    if data[pos:pos + 1] == b"#":
        pos = data.index(b"\n", pos) + 1
        continue
    end = pos
    while not data[end:end + 1].isspace():
        end += 1
    fields.append(data[pos:end])
    pos = end
pos += 1
assert fields[0] == b"P5" and int(fields[3]) == 255
w, h = int(fields[1]), int(fields[2])
pixels = data[pos:pos + w * h]
stride = (w + 3) & ~3
rows = b"".join(pixels[y * w:(y + 1) * w] + b"\0" * (stride - w)
                for y in range(h - 1, -1, -1))          # bottom-up
palette = b"".join(bytes((i, i, i, 0)) for i in range(256))
offset = 14 + 40 + len(palette)
header = struct.pack("<2sIHHI", b"BM", offset + len(rows), 0, 0, offset)
info = struct.pack("<IiiHHIIiiII", 40, w, h, 1, 8, 0, len(rows),
                   2835, 2835, 256, 0)
open(dst, "wb").write(header + info + palette + rows)
PY

identify "$out/logo.png" "$out/ce.bmp"
