"""Helpers of the checks that let software written elsewhere judge korvat's workbook files."""
import json
import os
import struct
import subprocess
import sys
import zlib

SKIP = 77


def skip(reason):
    print("SKIPPED: " + reason)
    sys.exit(SKIP)


def fail(problems):
    for p in problems[:40]:
        print("FAIL: " + p)
    if len(problems) > 40:
        print("... and %d more" % (len(problems) - 40))
    sys.exit(1)


def run(args, timeout):
    """Runs a command; returns (exit code, output). A command past its time is a failure."""
    try:
        result = subprocess.run(args, stdout=subprocess.PIPE, stderr=subprocess.STDOUT, timeout=timeout)
    except subprocess.TimeoutExpired:
        return None, "timed out after %d s: %s" % (timeout, " ".join(args))
    return result.returncode, result.stdout.decode("utf-8", "replace")


def load_json(path):
    with open(path, encoding="utf-8") as f:
        return json.load(f)


def korvat_json(korvat, workbook, out_dir, stem):
    """The workbook as korvat reads it, in its JSON form."""
    target = os.path.join(out_dir, stem + ".json")
    code, output = run([korvat, "convert", workbook, target], 300)
    if code != 0:
        fail(["korvat convert %s: %s" % (workbook, output.strip())])
    return load_json(target)


def column_index(letters):
    n = 0
    for ch in letters:
        n = n * 26 + ord(ch.upper()) - 64
    return n


def split_address(address):
    i = 0
    while i < len(address) and address[i].isalpha():
        i += 1
    return column_index(address[:i]), int(address[i:])


def cell_content(cell):
    """(kind, content) of a cell of the JSON form: ('f', text), ('v', value), ('e', error)."""
    if isinstance(cell, dict):
        if "f" in cell:
            return "f", cell["f"]
        if "e" in cell:
            return "e", cell["e"]
        return "v", cell.get("v")
    if isinstance(cell, str) and len(cell) > 1 and cell.startswith("="):
        return "f", cell
    return "v", cell


def same_value(a, b):
    if isinstance(a, bool) or isinstance(b, bool):
        return a is b or a == b and type(a) == type(b)
    if isinstance(a, (int, float)) and isinstance(b, (int, float)):
        return abs(a - b) <= 1e-12 * max(1.0, abs(a), abs(b))
    return a == b


def paeth(a, b, c):
    p = a + b - c
    pa, pb, pc = abs(p - a), abs(p - b), abs(p - c)
    if pa <= pb and pa <= pc:
        return a
    return b if pb <= pc else c


def read_png(path):
    """(width, height, channels, rows of bytes) of an 8-bit RGB or RGBA PNG."""
    with open(path, "rb") as f:
        data = f.read()
    if data[:8] != b"\x89PNG\r\n\x1a\n":
        raise ValueError("not a PNG file")
    pos, idat, header = 8, b"", None
    while pos < len(data):
        length, kind = struct.unpack(">I4s", data[pos:pos + 8])
        body = data[pos + 8:pos + 8 + length]
        pos += 12 + length
        if kind == b"IHDR":
            header = struct.unpack(">IIBBBBB", body)
        elif kind == b"IDAT":
            idat += body
        elif kind == b"IEND":
            break
    width, height, depth, color_type = header[0], header[1], header[2], header[3]
    if depth != 8 or color_type not in (2, 6):
        raise ValueError("unsupported PNG format")
    channels = 3 if color_type == 2 else 4
    raw = zlib.decompress(idat)
    stride = width * channels
    rows, prev, pos = [], bytearray(stride), 0
    for _ in range(height):
        kind, line = raw[pos], bytearray(raw[pos + 1:pos + 1 + stride])
        pos += 1 + stride
        for i in range(stride):
            left = line[i - channels] if i >= channels else 0
            up, corner = prev[i], prev[i - channels] if i >= channels else 0
            if kind == 1:
                line[i] = (line[i] + left) & 0xFF
            elif kind == 2:
                line[i] = (line[i] + up) & 0xFF
            elif kind == 3:
                line[i] = (line[i] + (left + up) // 2) & 0xFF
            elif kind == 4:
                line[i] = (line[i] + paeth(left, up, corner)) & 0xFF
        rows.append(bytes(line))
        prev = line
    return width, height, channels, rows


def hex_rgb(text):
    text = text.lstrip("#")
    return int(text[0:2], 16), int(text[2:4], 16), int(text[4:6], 16)
