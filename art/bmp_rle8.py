#!/usr/bin/env python3
"""bmp_rle8.py IN OUT: rewrites an uncompressed 8-bit BMP (BITMAPINFOHEADER, bottom-up) as a
run-length coded one (BI_RLE8) with the same palette and pixels.

ImageMagick codes the padding bytes at the end of each row as pixels, runs past the row's width
that a strict decoder may refuse; this coder stays inside each row: runs of one index in encoded
mode, stretches of three or more single pixels in absolute mode, an end of line between rows and
an end of bitmap after the last row.
"""
import struct
import sys

BI_RGB, BI_RLE8 = 0, 1


def rle8_row(row):
    out = bytearray()
    literal = bytearray()

    def flush_literal():
        if len(literal) >= 3:
            out.extend((0, len(literal)))
            out.extend(literal)
            if len(literal) % 2:
                out.append(0)  # absolute runs end on a word boundary
        else:
            for index in literal:
                out.extend((1, index))
        literal.clear()

    x = 0
    while x < len(row):
        run = 1
        while x + run < len(row) and run < 255 and row[x + run] == row[x]:
            run += 1
        if run == 1:
            literal.append(row[x])
            if len(literal) == 255:
                flush_literal()
        else:
            flush_literal()
            out.extend((run, row[x]))
        x += run
    flush_literal()
    return out


def main(source, target):
    data = open(source, "rb").read()
    bits_offset = struct.unpack_from("<I", data, 10)[0]
    header_size, width, height, _, bit_count, compression = struct.unpack_from("<IiiHHI", data, 14)
    if header_size != 40 or bit_count != 8 or compression != BI_RGB or height <= 0:
        sys.exit(f"{source}: not an uncompressed bottom-up 8-bit BMP")
    stride = (width + 3) // 4 * 4
    rows = [data[bits_offset + y * stride:bits_offset + y * stride + width] for y in range(height)]
    bits = bytearray()
    for y, row in enumerate(rows):
        bits += rle8_row(row)
        bits += b"\x00\x00" if y + 1 < height else b"\x00\x01"
    head = bytearray(data[:bits_offset])
    struct.pack_into("<I", head, 2, bits_offset + len(bits))  # bfSize
    struct.pack_into("<I", head, 30, BI_RLE8)  # biCompression
    struct.pack_into("<I", head, 34, len(bits))  # biSizeImage
    open(target, "wb").write(bytes(head) + bytes(bits))


if __name__ == "__main__":
    main(*sys.argv[1:])
