#!/usr/bin/env bash
# Writes the fuzz targets' seed corpus (committed): texts for the number field and bit
# text, and JPEGs of every kind a user's picture may be. Needs ImageMagick and python3.
set -euo pipefail
cd "$(dirname "$0")/corpus"
mkdir -p fuzz_strtoint fuzz_bittext fuzz_jpegfile

i=0
for text in 255 256 300 -1 '$10' '0x1F' '0XfF' '-$10' '$FFFFFFFF' '$100000000' 007 '  42' '+12' \
            2147483647 2147483648 -2147483648 -2147483649 abc '' '12 ' '$' 0x - ' -5' '1.5'; do
    printf '%s' "$text" > "fuzz_strtoint/seed$((i++))"
done
i=0
for text in 00000000 11111111 10100101 00001000 0101 0000a000 '1111111122' $'\x81\x00\x00\x00'; do
    printf '%s' "$text" > "fuzz_bittext/seed$((i++))"
done

j=fuzz_jpegfile
cp ../../../Files/1.jpg "$j/lamp-lit.jpg"
cp ../../../Files/0.jpg "$j/lamp-dark-gray.jpg"
convert -size 96x80 gradient:red-blue -quality 80 "$j/baseline.jpg"
convert -size 96x80 gradient:red-blue -quality 80 -interlace JPEG "$j/progressive.jpg"
convert -size 96x80 gradient:white-black -colorspace Gray -quality 80 "$j/grayscale.jpg"
convert -size 96x80 gradient:cyan-yellow -colorspace CMYK -quality 80 "$j/cmyk.jpg"
convert -size 96x80 gradient:red-blue -sampling-factor 1x1 -quality 95 "$j/no-subsampling.jpg"
convert -size 64x64 gradient:red-blue -define jpeg:restart-interval=1 "$j/restart-markers.jpg"
python3 - "$j" <<'PY'
import struct, sys
d = sys.argv[1]
base = open(f"{d}/baseline.jpg", "rb").read()
prog = open(f"{d}/progressive.jpg", "rb").read()
open(f"{d}/truncated-header.jpg", "wb").write(base[:len(base) // 8])
open(f"{d}/truncated-data.jpg", "wb").write(base[:base.index(b"\xff\xda") + 40])
def huge(data, marker, name):
    i = data.index(bytes([0xFF, marker]))
    data = bytearray(data)
    data[i + 5:i + 9] = struct.pack(">HH", 65000, 65000)
    open(f"{d}/{name}", "wb").write(data)
huge(base, 0xC0, "huge-baseline.jpg")
huge(prog, 0xC2, "huge-progressive.jpg")
open(f"{d}/empty.jpg", "wb").write(b"")
PY
