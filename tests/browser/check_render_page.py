#!/usr/bin/env python3
"""Loads a rendered workbook page in headless Chromium and checks what it shows.

Renders WORKBOOK with the korvat command, takes a screenshot and a DOM dump, and fails
unless the page ran its script without an error, the screenshot is not blank and the bar
colour covers a fair number of pixels. Exits 77 (skipped) when Chromium is not installed.

For a filtered plan, --absent-color names colours that only the hidden rows' shapes have
(none of their pixels may show), and --hidden-row-shapes names the prefixes of the shapes
drawn for a row (GanntBar12A, TaskStatus12): the workbook must hold such shapes for its
hidden rows, and the page must draw none of them.

For report sheets, --report-sheet NAME:CHARTS (repeatable) renders just those sheets and
checks each one on its own tab: its screenshot is not blank, the page draws exactly CHARTS
embedded charts on it, each with a line for every series, and the first series' colour
shows where it has charts. --bar-color may then be left out.
"""
import argparse
import json
import os
import re
import shutil
import struct
import subprocess
import sys
import tempfile
import zlib

SKIP = 77


def chromium_args(chromium, profile):
    return [chromium, "--headless", "--no-sandbox", "--disable-gpu", "--no-first-run",
            "--disable-background-networking", "--disable-component-update", "--disable-sync",
            "--disable-quic", "--hide-scrollbars", "--user-data-dir=" + profile,
            "--enable-logging=stderr", "--v=0"]


def run(args, timeout):
    result = subprocess.run(args, stdout=subprocess.PIPE, stderr=subprocess.PIPE, timeout=timeout)
    return result.returncode, result.stdout.decode("utf-8", "replace"), result.stderr.decode("utf-8", "replace")


def script_errors(log):
    return [line for line in log.splitlines() if "Uncaught" in line or ("CONSOLE" in line and "rror" in line)]


def paeth(a, b, c):
    p = a + b - c
    pa, pb, pc = abs(p - a), abs(p - b), abs(p - c)
    if pa <= pb and pa <= pc:
        return a
    return b if pb <= pc else c


def read_png(path):
    """Returns (width, height, channels, rows) for 8-bit RGB or RGBA PNGs."""
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
    width, height, depth, color_type, _, _, interlace = header
    if depth != 8 or color_type not in (2, 6) or interlace != 0:
        raise ValueError("unsupported PNG layout %s" % (header,))
    channels = 3 if color_type == 2 else 4
    raw = zlib.decompress(idat)
    stride = width * channels
    rows, previous, at = [], bytearray(stride), 0
    for _ in range(height):
        kind, line = raw[at], bytearray(raw[at + 1:at + 1 + stride])
        at += 1 + stride
        for i in range(stride):
            left = line[i - channels] if i >= channels else 0
            up = previous[i]
            corner = previous[i - channels] if i >= channels else 0
            if kind == 1:
                line[i] = (line[i] + left) & 0xFF
            elif kind == 2:
                line[i] = (line[i] + up) & 0xFF
            elif kind == 3:
                line[i] = (line[i] + ((left + up) >> 1)) & 0xFF
            elif kind == 4:
                line[i] = (line[i] + paeth(left, up, corner)) & 0xFF
        rows.append(line)
        previous = line
    return width, height, channels, rows


def count_colours(png, wanted, tolerance):
    width, height, channels, rows = png
    matches, distinct = 0, set()
    for line in rows:
        for x in range(0, width * channels, channels):
            r, g, b = line[x], line[x + 1], line[x + 2]
            distinct.add((r >> 4, g >> 4, b >> 4))
            if abs(r - wanted[0]) <= tolerance and abs(g - wanted[1]) <= tolerance and abs(b - wanted[2]) <= tolerance:
                matches += 1
    return matches, len(distinct)


def hidden_row_shapes(workbook, prefixes):
    """Names of the first worksheet's shapes that belong to its hidden rows."""
    with open(workbook, encoding="utf-8") as f:
        book = json.load(f)
    sheet = next(s for s in book["sheets"] if s.get("kind") != "chart")
    hidden = {int(r) for r, v in sheet.get("rows", {}).items() if v.get("hidden")}
    pattern = re.compile("^(?:%s)([0-9]+)[A-Z]*$" % "|".join(re.escape(p) for p in prefixes))
    names = []
    for shape in sheet.get("shapes", []):
        m = pattern.match(shape["name"])
        if m and int(m.group(1)) in hidden:
            names.append(shape["name"])
    return hidden, names


def drawn_shapes(dom):
    return set(re.findall(r'data-shape="([^"]*)"', dom))


SERIES_COLOUR = "#4472c4"  # the renderer's first series colour


def sheet_sections(dom):
    """The sheet sections of a page by their sheet names, in order."""
    sections = {}
    for m in re.finditer(r'<section class="sheet" id="([^"]+)" data-name="([^"]*)"', dom):
        end = dom.find("</section>", m.end())
        sections[m.group(2)] = (m.group(1), dom[m.end():end])
    return sections


def chart_problems(name, body, expected):
    """What is wrong with the charts of one sheet's section."""
    problems = []
    charts = body.split('<g class="chart">')[1:]
    if len(charts) != expected:
        problems.append("%s draws %d charts, expected %d" % (name, len(charts), expected))
    for i, chart in enumerate(charts, 1):
        series = re.findall(r'<g class="series" data-series="([^"]*)">(.*?)</g>', chart)
        if not series:
            problems.append("%s chart %d has no series" % (name, i))
        for title, group in series:
            path = re.search(r'<path[^>]* d="([^"]*)"', group)
            if not path or "L" not in path.group(1):
                problems.append("%s chart %d: series %r draws no line" % (name, i, title))
    return problems


def check_report_sheets(args, work):
    """Renders the report sheets and checks each on its tab; returns the failures."""
    wanted = []
    for entry in args.report_sheet:
        name, _, charts = entry.rpartition(":")
        wanted.append((name, int(charts)))
    page = os.path.join(work, "reports.html")
    render = [args.korvat, "render", args.workbook, "-o", page]
    for name, _ in wanted:
        render += ["--sheet", name]
    code, out, err = run(render, 120)
    if code != 0:
        return ["render of the report sheets failed: " + err]
    profile = os.path.join(work, "profile-reports-dom")
    code, dom, dom_log = run(chromium_args(args.chromium, profile) + ["--dump-dom", "file://" + page], 180)
    if code != 0:
        return ["chromium --dump-dom of the report sheets failed (%d):\n%s" % (code, dom_log[-4000:])]
    failures = []
    errors = script_errors(dom_log)
    if errors:
        failures.append("the report page raised script errors:\n  " + "\n  ".join(errors))
    sections = sheet_sections(dom)
    for name, charts in wanted:
        if name not in sections:
            failures.append("the page has no sheet %s" % name)
            continue
        section_id, body = sections[name]
        failures += chart_problems(name, body, charts)
        shot = os.path.join(work, "report-%s.png" % section_id)
        profile = os.path.join(work, "profile-" + section_id)
        code, out, shot_log = run(chromium_args(args.chromium, profile) +
                                  ["--screenshot=" + shot, "--window-size=" + args.window_size,
                                   "file://" + page + "#" + section_id], 180)
        if code != 0 or not os.path.isfile(shot):
            failures.append("chromium screenshot of %s failed (%d):\n%s" % (name, code, shot_log[-4000:]))
            continue
        failures += ["%s: %s" % (name, e) for e in script_errors(shot_log)]
        png = read_png(shot)
        series, distinct = count_colours(png, colour(SERIES_COLOUR), 6)
        print("%s: %d charts expected, %d pixels of the first series' colour, %d distinct colours"
              % (name, charts, series, distinct))
        if distinct < 4:
            failures.append("the screenshot of %s is blank (%d distinct colours)" % (name, distinct))
        if charts and series < args.min_series_pixels:
            failures.append("%s: the charts' lines do not show (%d pixels of %s, expected at least %d)"
                            % (name, series, SERIES_COLOUR, args.min_series_pixels))
    return failures


def colour(text):
    return tuple(int(text.lstrip("#")[i:i + 2], 16) for i in (0, 2, 4))


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--korvat", required=True, help="the korvat command")
    parser.add_argument("--window-size", default="1400,900", help="browser window WIDTH,HEIGHT")
    parser.add_argument("--workbook", required=True)
    parser.add_argument("--bar-color", help="#rrggbb of the bars")
    parser.add_argument("--min-bar-pixels", type=int, default=2000)
    parser.add_argument("--absent-color", action="append", default=[], help="#rrggbb that must not show")
    parser.add_argument("--hidden-row-shapes", help="comma-separated name prefixes of a row's shapes")
    parser.add_argument("--report-sheet", action="append", default=[], help="NAME:CHARTS of a report sheet")
    parser.add_argument("--min-series-pixels", type=int, default=150)
    parser.add_argument("--chromium", default="/usr/bin/chromium")
    args = parser.parse_args()
    if not args.bar_color and not args.report_sheet:
        parser.error("give --bar-color, --report-sheet or both")

    if not (os.path.isfile(args.chromium) and os.access(args.chromium, os.X_OK)):
        print("skipped: %s is not installed" % args.chromium)
        return SKIP
    work = tempfile.mkdtemp(prefix="korvat-browser-")
    try:
        if not args.bar_color:
            failures = check_report_sheets(args, work)
            for f in failures:
                print("FAIL:", f)
            return 1 if failures else 0
        wanted = colour(args.bar_color)
        page = os.path.join(work, "page.html")
        code, out, err = run([args.korvat, "render", args.workbook, "-o", page], 120)
        if code != 0:
            print("render failed:", err)
            return 1

        shot = os.path.join(work, "shot.png")
        profile = os.path.join(work, "profile-shot")
        code, out, shot_log = run(chromium_args(args.chromium, profile) +
                                  ["--screenshot=" + shot, "--window-size=" + args.window_size, "file://" + page], 180)
        if code != 0 or not os.path.isfile(shot):
            print("chromium screenshot failed (%d):\n%s" % (code, shot_log[-4000:]))
            return 1

        profile = os.path.join(work, "profile-dom")
        code, dom, dom_log = run(chromium_args(args.chromium, profile) + ["--dump-dom", "file://" + page], 180)
        if code != 0:
            print("chromium --dump-dom failed (%d):\n%s" % (code, dom_log[-4000:]))
            return 1

        failures = []
        errors = script_errors(shot_log) + script_errors(dom_log)
        if errors:
            failures.append("the page raised script errors:\n  " + "\n  ".join(errors))
        if 'data-rendered="ok"' not in dom:
            failures.append("the page script did not run to its end (no data-rendered marker in the DOM)")
        png = read_png(shot)
        matches, distinct = count_colours(png, wanted, 6)
        print("screenshot %dx%d: %d pixels of %s, %d distinct colours" % (png[0], png[1], matches, args.bar_color, distinct))
        if distinct < 4:
            failures.append("the screenshot is blank (%d distinct colours)" % distinct)
        if matches < args.min_bar_pixels:
            failures.append("the bars do not show: %d pixels of %s, expected at least %d"
                            % (matches, args.bar_color, args.min_bar_pixels))
        for absent in args.absent_color:
            shown, _ = count_colours(png, colour(absent), 6)
            print("screenshot: %d pixels of %s, which only the hidden rows' shapes have" % (shown, absent))
            if shown:
                failures.append("%d pixels of %s show: shapes of hidden rows are drawn" % (shown, absent))
        if args.hidden_row_shapes:
            hidden, names = hidden_row_shapes(args.workbook, args.hidden_row_shapes.split(","))
            drawn = sorted(drawn_shapes(dom) & set(names))
            print("%d hidden rows hold %d shapes; the page draws %d of them" % (len(hidden), len(names), len(drawn)))
            if not names:
                failures.append("the workbook has no shapes on hidden rows to check (is the plan filtered?)")
            if drawn:
                failures.append("shapes of hidden rows are drawn: " + ", ".join(drawn[:10]))
        if args.report_sheet:
            failures += check_report_sheets(args, work)
        for f in failures:
            print("FAIL:", f)
        if failures and os.environ.get("KORVAT_KEEP_BROWSER_OUTPUT"):
            kept = shutil.copy(shot, os.environ["KORVAT_KEEP_BROWSER_OUTPUT"])
            print("screenshot kept at", kept)
        return 1 if failures else 0
    finally:
        shutil.rmtree(work, ignore_errors=True)


if __name__ == "__main__":
    sys.exit(main())
