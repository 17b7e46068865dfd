#!/usr/bin/env python3
"""Turns Vorlen's SVG drawings into the Windows icon and bitmap files the resources embed.

    make_picture.py [--rsvg PROGRAM] ico OUT.ico SIZE:FILE.svg ...
        A multi-size icon: each SIZE is rendered from its SVG (so the smallest sizes can come
        from a drawing made for them). 256 is stored as PNG, the rest as 32-bit BGRA DIBs with
        an AND mask, the form every Windows version and Wine read.

    make_picture.py [--rsvg PROGRAM] bmp OUT.bmp FILE.svg
        A 32-bit BI_RGB bitmap, bottom-up, at the SVG's own size, with premultiplied alpha:
        LoadImage(..., LR_CREATEDIBSECTION) keeps the alpha byte and AlphaBlend with
        AC_SRC_ALPHA draws it as it is.

SVG rendering is left to rsvg-convert (Debian's librsvg2-bin); its PNG output is decoded and
everything else is written here with the standard library only.
"""

import struct
import subprocess
import sys
import zlib

PNG_SIGNATURE = b"\x89PNG\r\n\x1a\n"


class Image:
    """Straight (non-premultiplied) RGBA pixels, top row first."""

    def __init__(self, width, height, rgba):
        assert len(rgba) == width * height * 4
        self.width, self.height, self.rgba = width, height, bytes(rgba)

    def row(self, y):
        return self.rgba[y * self.width * 4:(y + 1) * self.width * 4]


def render(rsvg, svg, width=None, height=None):
    """Renders an SVG to an Image through rsvg-convert."""
    cmd = [rsvg, "--format=png"]
    if width:
        cmd += ["--width=%d" % width, "--height=%d" % height, "--keep-aspect-ratio"]
    cmd.append(svg)
    png = subprocess.run(cmd, check=True, stdout=subprocess.PIPE).stdout
    image = decode_png(png)
    if width and (image.width, image.height) != (width, height):
        raise SystemExit("%s rendered as %dx%d, not %dx%d"
                         % (svg, image.width, image.height, width, height))
    return image


def decode_png(data):
    """Decodes the 8-bit RGB or RGBA, non-interlaced PNG that rsvg-convert writes."""
    if not data.startswith(PNG_SIGNATURE):
        raise SystemExit("not a PNG")
    pos = len(PNG_SIGNATURE)
    idat = bytearray()
    width = height = channels = None
    while pos < len(data):
        length, kind = struct.unpack(">I4s", data[pos:pos + 8])
        body = data[pos + 8:pos + 8 + length]
        pos += 12 + length
        if kind == b"IHDR":
            width, height, depth, colour, _, _, interlace = struct.unpack(">IIBBBBB", body)
            if depth != 8 or colour not in (2, 6) or interlace:
                raise SystemExit("unsupported PNG layout (depth %d, colour %d, interlace %d)"
                                 % (depth, colour, interlace))
            channels = 4 if colour == 6 else 3
        elif kind == b"IDAT":
            idat += body
        elif kind == b"IEND":
            break
    raw = zlib.decompress(bytes(idat))
    stride = width * channels
    prev = bytearray(stride)
    out = bytearray()
    for y in range(height):
        base = y * (stride + 1)
        kind = raw[base]
        line = bytearray(raw[base + 1:base + 1 + stride])
        for i in range(stride):
            left = line[i - channels] if i >= channels else 0
            up = prev[i]
            if kind == 1:
                line[i] = (line[i] + left) & 0xFF
            elif kind == 2:
                line[i] = (line[i] + up) & 0xFF
            elif kind == 3:
                line[i] = (line[i] + ((left + up) >> 1)) & 0xFF
            elif kind == 4:
                upleft = prev[i - channels] if i >= channels else 0
                p = left + up - upleft
                pa, pb, pc = abs(p - left), abs(p - up), abs(p - upleft)
                pred = left if pa <= pb and pa <= pc else (up if pb <= pc else upleft)
                line[i] = (line[i] + pred) & 0xFF
        if channels == 4:
            out += line
        else:
            for i in range(0, stride, 3):
                out += line[i:i + 3] + b"\xff"
        prev = line
    return Image(width, height, out)


def encode_png(image):
    """A plain RGBA PNG with only the chunks it needs, so builds are byte-identical."""
    def chunk(kind, body):
        return (struct.pack(">I", len(body)) + kind + body
                + struct.pack(">I", zlib.crc32(kind + body) & 0xFFFFFFFF))
    raw = b"".join(b"\0" + image.row(y) for y in range(image.height))
    return (PNG_SIGNATURE
            + chunk(b"IHDR", struct.pack(">IIBBBBB", image.width, image.height, 8, 6, 0, 0, 0))
            + chunk(b"IDAT", zlib.compress(raw, 9))
            + chunk(b"IEND", b""))


def bgra_rows_bottom_up(image, premultiply):
    out = bytearray()
    for y in range(image.height - 1, -1, -1):
        row = image.row(y)
        for x in range(0, len(row), 4):
            r, g, b, a = row[x:x + 4]
            if premultiply:
                r, g, b = ((c * a + 127) // 255 for c in (r, g, b))
            out += bytes((b, g, r, a))
    return out


def icon_dib(image):
    """An icon image as a DIB: header with doubled height, BGRA colour rows, AND mask rows."""
    w, h = image.width, image.height
    colour = bgra_rows_bottom_up(image, premultiply=False)
    mask_stride = ((w + 31) // 32) * 4
    mask = bytearray()
    for y in range(h - 1, -1, -1):
        row = image.row(y)
        bits = bytearray(mask_stride)
        for x in range(w):
            if row[x * 4 + 3] == 0:
                bits[x // 8] |= 0x80 >> (x % 8)
        mask += bits
    header = struct.pack("<IiiHHIIiiII", 40, w, 2 * h, 1, 32, 0, len(colour) + len(mask), 0, 0, 0, 0)
    return header + colour + mask


def write_ico(path, images):
    images = sorted(images, key=lambda im: im.width)
    blobs = [encode_png(im) if im.width >= 256 else icon_dib(im) for im in images]
    offset = 6 + 16 * len(images)
    directory = struct.pack("<HHH", 0, 1, len(images))
    for im, blob in zip(images, blobs):
        directory += struct.pack("<BBBBHHII", im.width % 256, im.height % 256, 0, 0, 1, 32,
                                 len(blob), offset)
        offset += len(blob)
    with open(path, "wb") as f:
        f.write(directory + b"".join(blobs))


def write_bmp(path, image):
    pixels = bgra_rows_bottom_up(image, premultiply=True)  # 4-byte pixels: rows need no padding
    info = struct.pack("<IiiHHIIiiII", 40, image.width, image.height, 1, 32, 0, len(pixels),
                       2835, 2835, 0, 0)  # 72 dpi
    offset = 14 + len(info)
    header = b"BM" + struct.pack("<IHHI", offset + len(pixels), 0, 0, offset)
    with open(path, "wb") as f:
        f.write(header + info + pixels)


def main(argv):
    args = argv[1:]
    rsvg = "rsvg-convert"
    if len(args) >= 2 and args[0] == "--rsvg":
        rsvg, args = args[1], args[2:]
    if len(args) >= 3 and args[0] == "ico":
        images = []
        for item in args[2:]:
            size, _, svg = item.partition(":")
            images.append(render(rsvg, svg, int(size), int(size)))
        write_ico(args[1], images)
        return 0
    if len(args) == 3 and args[0] == "bmp":
        write_bmp(args[1], render(rsvg, args[2]))
        return 0
    sys.stderr.write(__doc__)
    return 2


if __name__ == "__main__":
    sys.exit(main(sys.argv))
