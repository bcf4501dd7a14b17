"""Writers for the Windows picture files: icons (.ico) and bitmaps (.bmp, 8 and 24 bits)."""
import struct


def _info_header(width, height, bits, image_size, colours=0, resolution=2835):
    return struct.pack("<IiiHHIIiiII", 40, width, height, 1, bits, 0, image_size,
                       resolution, resolution, colours, 0)


def _padded(row):
    return row + b"\0" * (-len(row) % 4)


def _bmp_file(info, palette, data):
    offset = 14 + len(info) + len(palette)
    return struct.pack("<2sIHHI", b"BM", offset + len(data), 0, 0, offset) + info + palette + data


def bmp24_bytes(rows):
    """24-bit bottom-up bitmap from rows of (r, g, b), top row first."""
    width, height = len(rows[0]), len(rows)
    data = b"".join(_padded(b"".join(bytes((b, g, r)) for r, g, b in row))
                    for row in reversed(rows))
    return _bmp_file(_info_header(width, height, 24, len(data)), b"", data)


def bmp8_bytes(rows, keep=()):
    """256-colour bitmap from rows of (r, g, b). Colours in keep stay exact and no other
    colour is changed into one of them: the system recolours pure black, greys 128 and 192
    and white of a palette bitmap to the current button colours (toolbars, 3-D mapping)."""
    width, height = len(rows[0]), len(rows)
    palette, index = _palette(rows, list(keep))
    data = b"".join(_padded(bytes(index[c] for c in row)) for row in reversed(rows))
    table = b"".join(bytes((b, g, r, 0)) for r, g, b in palette)
    return _bmp_file(_info_header(width, height, 8, len(data), len(palette)), table, data)


def _palette(rows, keep):
    """At most 256 colours (median cut) and the index of each colour of the picture."""
    counts = {}
    for row in rows:
        for colour in row:
            counts[colour] = counts.get(colour, 0) + 1
    others = [(c, n) for c, n in counts.items() if c not in keep]
    boxes = [others] if others else []
    while len(boxes) < 256 - len(keep) and any(len(b) > 1 for b in boxes):
        widest = max((b for b in boxes if len(b) > 1), key=_box_extent)
        boxes.remove(widest)
        boxes += _split(widest)
    palette, index = list(keep), {c: i for i, c in enumerate(keep)}
    for entries in boxes:
        colour = _average(entries)
        while colour in keep:
            colour = tuple(c - 3 if c > 127 else c + 3 for c in colour)
        index.update((c, len(palette)) for c, _ in entries)
        palette.append(colour)
    return palette, index


def _box_extent(entries):
    return max(max(c[i] for c, _ in entries) - min(c[i] for c, _ in entries) for i in range(3))


def _split(entries):
    channel = max(range(3), key=lambda i: max(c[i] for c, _ in entries) - min(c[i] for c, _ in entries))
    entries = sorted(entries, key=lambda e: e[0][channel])
    half, seen = sum(n for _, n in entries) / 2, 0
    for cut, (_, n) in enumerate(entries[:-1], 1):
        seen += n
        if seen >= half:
            break
    return [entries[:cut], entries[cut:]]


def _average(entries):
    total = sum(n for _, n in entries)
    return tuple(round(sum(c[i] * n for c, n in entries) / total) for i in range(3))


def ico_bytes(images):
    """Icon file from canvases-as-rows of (r, g, b, a), one 32-bit image each, square."""
    blobs = [_icon_image(rows) for rows in images]
    directory = struct.pack("<HHH", 0, 1, len(blobs))
    offset = 6 + 16 * len(blobs)
    for rows, blob in zip(images, blobs):
        size = len(rows)
        directory += struct.pack("<BBBBHHII", size % 256, size % 256, 0, 0, 1, 32, len(blob), offset)
        offset += len(blob)
    return directory + b"".join(blobs)


def _icon_image(rows):
    size = len(rows)
    colour = b"".join(bytes((b, g, r, a)) for row in reversed(rows) for r, g, b, a in row)
    mask = bytearray()
    for row in reversed(rows):
        bits = bytearray(((size + 31) // 32) * 4)
        for x, pixel in enumerate(row):
            if pixel[3] < 128:  # the mask serves systems that ignore the alpha channel
                bits[x // 8] |= 0x80 >> (x % 8)
        mask += bits
    info = _info_header(size, size * 2, 32, len(colour) + len(mask), resolution=0)
    return info + colour + bytes(mask)
