#!/usr/bin/env python3
"""Checks the generated sounds and pictures against the formats the programs rely on.

    check_assets.py FILE ...

Each file is judged by its name: chimes.wav, guide.wav, vorlen.ico, vorlen_jk.ico, about.bmp.
Prints one line per file and exits non-zero if any file is wrong.
"""

import os
import struct
import sys

# name: (channels, rate, bits, data bytes)
WAVES = {
    "chimes.wav": (1, 11127, 8, 18103),
    "guide.wav": (2, 44100, 16, 11296),
}
ICON_SIZES = [16, 20, 24, 32, 40, 48, 64, 256]
BITMAPS = {"about.bmp": (73, 65)}


class Bad(Exception):
    pass


def expect(cond, what):
    if not cond:
        raise Bad(what)


def check_wave(data, channels, rate, bits, size):
    expect(len(data) >= 44 and data[:4] == b"RIFF" and data[8:12] == b"WAVE", "not RIFF/WAVE")
    riff_size = struct.unpack("<I", data[4:8])[0]
    expect(riff_size == len(data) - 8, "RIFF size %d, file holds %d" % (riff_size, len(data) - 8))
    expect(data[12:16] == b"fmt " and struct.unpack("<I", data[16:20])[0] == 16,
           "no 16-byte fmt chunk at offset 12")
    tag, ch, sr, byte_rate, align, bps = struct.unpack("<HHIIHH", data[20:36])
    expect(tag == 1, "format tag %d, not PCM" % tag)
    expect((ch, sr, bps) == (channels, rate, bits),
           "%d ch %d Hz %d bit, wanted %d ch %d Hz %d bit" % (ch, sr, bps, channels, rate, bits))
    expect(align == channels * bits // 8, "block align %d" % align)
    expect(byte_rate == rate * align, "byte rate %d" % byte_rate)
    expect(data[36:40] == b"data", "data chunk not at offset 36")
    data_size = struct.unpack("<I", data[40:44])[0]
    expect(data_size == size, "data size %d, wanted %d" % (data_size, size))
    expect(len(data) == 44 + size + size % 2, "file length %d" % len(data))
    # Both sounds start and end in silence and never reach full scale.
    samples = data[44:44 + size]
    if bits == 8:
        values = [v - 128 for v in samples]
        limit = 127
    else:
        values = list(struct.unpack("<%dh" % (size // 2), samples))
        limit = 32767
    edge = channels * 4
    quiet = max(2, limit // 100)
    expect(all(abs(v) <= quiet for v in values[:edge] + values[-edge:]), "does not start and end silent")
    expect(max(abs(v) for v in values) < limit, "clips")
    return "%d ch, %d Hz, %d bit, %d data bytes" % (ch, sr, bps, data_size)


def check_ico(data):
    reserved, kind, count = struct.unpack("<HHH", data[:6])
    expect(reserved == 0 and kind == 1, "not an icon file")
    sizes = []
    for i in range(count):
        w, h, colours, _, planes, bpp, length, offset = struct.unpack(
            "<BBBBHHII", data[6 + 16 * i:22 + 16 * i])
        w, h = w or 256, h or 256
        expect(w == h, "entry %d is %dx%d" % (i, w, h))
        expect(bpp == 32 and colours == 0, "entry %d is not 32-bit" % i)
        expect(offset + length <= len(data), "entry %d runs past the file" % i)
        blob = data[offset:offset + length]
        if blob[:8] == b"\x89PNG\r\n\x1a\n":
            pw, ph, depth, colour = struct.unpack(">IIBB", blob[16:26])
            expect((pw, ph, depth, colour) == (w, h, 8, 6), "entry %d: PNG is not %dx%d RGBA" % (i, w, h))
        else:
            size, bw, bh, bplanes, bbits, comp = struct.unpack("<IiiHHI", blob[:20])
            expect(size == 40 and (bw, bh) == (w, 2 * h) and bbits == 32 and comp == 0,
                   "entry %d: DIB header does not match %dx%d 32-bit" % (i, w, h))
            expect(length == 40 + w * h * 4 + ((w + 31) // 32) * 4 * h, "entry %d: DIB length" % i)
            alpha = blob[40 + 3:40 + w * h * 4:4]
            expect(0 in alpha and 255 in alpha, "entry %d has no real alpha channel" % i)
        sizes.append(w)
    expect(sorted(sizes) == ICON_SIZES, "sizes %s, wanted %s" % (sorted(sizes), ICON_SIZES))
    return "sizes " + " ".join(map(str, sorted(sizes)))


def check_bmp(data, width, height):
    expect(data[:2] == b"BM", "not a BMP")
    file_size, _, _, offset = struct.unpack("<IHHI", data[2:14])
    expect(file_size == len(data), "file size field %d, file is %d" % (file_size, len(data)))
    size, w, h, planes, bits, comp = struct.unpack("<IiiHHI", data[14:34])
    expect(size == 40 and planes == 1 and bits == 32 and comp == 0, "not a 32-bit BI_RGB DIB")
    expect((w, h) == (width, height), "%dx%d, wanted %dx%d (bottom-up)" % (w, h, width, height))
    pixels = data[offset:]
    expect(len(pixels) == w * h * 4, "pixel data is %d bytes" % len(pixels))
    alpha = pixels[3::4]
    expect(0 in alpha and 255 in alpha, "no real alpha channel")
    for i in range(0, len(pixels), 4):
        b, g, r, a = pixels[i:i + 4]
        expect(max(b, g, r) <= a, "pixel %d is not premultiplied" % (i // 4))
    return "%dx%d, 32-bit premultiplied alpha, bottom-up" % (w, h)


def check(path):
    name = os.path.basename(path)
    with open(path, "rb") as f:
        data = f.read()
    if name in WAVES:
        return check_wave(data, *WAVES[name])
    if name.endswith(".ico"):
        return check_ico(data)
    if name in BITMAPS:
        return check_bmp(data, *BITMAPS[name])
    raise Bad("no rule for this file name")


def main(paths):
    if not paths:
        sys.stderr.write(__doc__)
        return 2
    failed = 0
    for path in paths:
        try:
            print("ok   %s: %s" % (os.path.basename(path), check(path)))
        except (Bad, OSError, struct.error) as e:
            print("FAIL %s: %s" % (path, e))
            failed += 1
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
