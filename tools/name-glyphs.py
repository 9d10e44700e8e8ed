#!/usr/bin/env python3
"""Copies a TrueType font with every glyph named after its Unicode character.

Wine's PostScript driver names the glyphs it sends after the font's 'post' table. A font
without glyph names (post format 3, as the Korean fonts have) gets names like "g0022", and
the PDF made of the job then holds no text that can be read back. Named "uniXXXX", each
glyph reads back as its character. The font's revision is raised by one so that Wine takes
this copy in place of the system's copy of the same face.

usage: name-glyphs.py SOURCE.ttf TARGET.ttf
"""
import struct
import sys


def read_tables(data):
    count = struct.unpack_from(">H", data, 4)[0]
    tables = {}
    for i in range(count):
        tag, _, offset, length = struct.unpack_from(">4sIII", data, 12 + 16 * i)
        tables[tag] = data[offset:offset + length]
    return tables


def glyph_characters(cmap):
    """Glyph index -> lowest character that maps to it, from the Unicode subtables; control
    characters (mapped to the space glyph by some fonts) name no glyph."""
    characters = {}

    def add(code, glyph):
        if code < 0x20 or 0x7F <= code < 0xA0:
            return
        if glyph and (glyph not in characters or code < characters[glyph]):
            characters[glyph] = code

    count = struct.unpack_from(">H", cmap, 2)[0]
    for i in range(count):
        platform, encoding, offset = struct.unpack_from(">HHI", cmap, 4 + 8 * i)
        if (platform, encoding) not in ((3, 1), (3, 10), (0, 3), (0, 4)):
            continue
        fmt = struct.unpack_from(">H", cmap, offset)[0]
        if fmt == 4:
            segments = struct.unpack_from(">H", cmap, offset + 6)[0] // 2
            ends = offset + 14
            starts = ends + 2 * segments + 2
            deltas = starts + 2 * segments
            ranges = deltas + 2 * segments
            for s in range(segments):
                end = struct.unpack_from(">H", cmap, ends + 2 * s)[0]
                start = struct.unpack_from(">H", cmap, starts + 2 * s)[0]
                delta = struct.unpack_from(">h", cmap, deltas + 2 * s)[0]
                range_offset = struct.unpack_from(">H", cmap, ranges + 2 * s)[0]
                for code in range(start, end + 1):
                    if code == 0xFFFF:
                        continue
                    if range_offset == 0:
                        glyph = (code + delta) & 0xFFFF
                    else:
                        at = ranges + 2 * s + range_offset + 2 * (code - start)
                        glyph = struct.unpack_from(">H", cmap, at)[0]
                        glyph = (glyph + delta) & 0xFFFF if glyph else 0
                    add(code, glyph)
        elif fmt == 12:
            groups = struct.unpack_from(">I", cmap, offset + 12)[0]
            for g in range(groups):
                start, end, glyph = struct.unpack_from(">III", cmap, offset + 16 + 12 * g)
                for code in range(start, end + 1):
                    add(code, glyph + code - start)
    return characters


def named_post(post, glyph_count, characters):
    names = []
    indices = []
    for glyph in range(glyph_count):
        if glyph == 0:
            indices.append(0)  # .notdef among the standard names
            continue
        code = characters.get(glyph)
        if code is None:
            name = "glyph%d" % glyph
        elif code <= 0xFFFF:
            name = "uni%04X" % code
        else:
            name = "u%06X" % code
        indices.append(258 + len(names))
        names.append(name.encode("ascii"))
    header = struct.pack(">I", 0x00020000) + post[4:32]
    body = struct.pack(">H", glyph_count) + struct.pack(">%dH" % glyph_count, *indices)
    body += b"".join(bytes([len(n)]) + n for n in names)
    return header + body


def checksum(data):
    data += b"\0" * (-len(data) % 4)
    return sum(struct.unpack(">%dI" % (len(data) // 4), data)) & 0xFFFFFFFF


def write_font(tables, path):
    tags = sorted(tables)
    count = len(tags)
    power = 1
    while power * 2 <= count:
        power *= 2
    header = struct.pack(">IHHHH", 0x00010000, count, power * 16, power.bit_length() - 1, count * 16 - power * 16)
    offset = 12 + 16 * count
    directory = b""
    body = b""
    head_at = None
    for tag in tags:
        data = tables[tag]
        if tag == b"head":
            data = data[:8] + b"\0\0\0\0" + data[12:]  # checkSumAdjustment counted as zero
            head_at = offset + len(body)
        directory += struct.pack(">4sIII", tag, checksum(data), offset + len(body), len(data))
        body += data + b"\0" * (-len(data) % 4)
    font = bytearray(header + directory + body)
    adjustment = (0xB1B0AFBA - checksum(bytes(font))) & 0xFFFFFFFF
    struct.pack_into(">I", font, head_at + 8, adjustment)
    with open(path, "wb") as out:
        out.write(font)


def main(source, target):
    with open(source, "rb") as f:
        data = f.read()
    tables = read_tables(data)
    glyph_count = struct.unpack_from(">H", tables[b"maxp"], 4)[0]
    tables[b"post"] = named_post(tables[b"post"], glyph_count, glyph_characters(tables[b"cmap"]))
    head = bytearray(tables[b"head"])
    revision = struct.unpack_from(">I", head, 4)[0]
    struct.pack_into(">I", head, 4, revision + 1)
    tables[b"head"] = bytes(head)
    write_font(tables, target)


if __name__ == "__main__":
    main(sys.argv[1], sys.argv[2])
