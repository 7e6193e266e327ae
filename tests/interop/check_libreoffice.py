#!/usr/bin/env python3
"""LibreOffice Calc judges a workbook package that korvat wrote.

1. Calc, headless, opens WORKBOOK and turns it into a PDF (each sheet on one page); the
   page of the Gantt chart (--page, the first by default), as a PNG, must not be blank and
   must show the resource colours of the plan's bars in the chart area (right of the task
   table).
2. Calc saves WORKBOOK again as .xlsx; korvat reads Calc's file and must find the cell
   values and formulas, the defined names, and every shape by name at the same place (within
   a point) as in REFERENCE, korvat's JSON form of the same workbook.

Exits 77 (skipped) when LibreOffice or pdftoppm is not installed.
"""
import argparse
import os
import shutil
import tempfile

import interop_support as s

TIMEOUT = 300


def soffice_convert(soffice, profile, target, workbook, out_dir):
    code, output = s.run([soffice, "--headless", "--norestore", "--nologo", "--nolockcheck",
                          "-env:UserInstallation=file://" + profile, "--convert-to", target,
                          "--outdir", out_dir, workbook], TIMEOUT)
    if code != 0:
        s.fail(["soffice --convert-to %s failed: %s" % (target, output.strip())])
    return output


def resource_colours(reference):
    colours = []
    for sheet in reference["sheets"]:
        for shape in sheet.get("shapes", []):
            if shape["name"].startswith("GanntBarByRes") and shape.get("fill", {}).get("visible", True):
                colours.append(shape.get("fill", {}).get("foreColor", "#4472C4"))
    return colours


def check_page(png, number, colours, chart_from, min_pixels):
    width, height, channels, rows = s.read_png(png)
    counts = {c: 0 for c in colours}
    targets = {c: s.hex_rgb(c) for c in colours}
    painted = 0
    start = int(width * chart_from)
    for row in rows:
        for x in range(start, width):
            i = x * channels
            r, g, b = row[i], row[i + 1], row[i + 2]
            if r < 245 or g < 245 or b < 245:
                painted += 1
            for c, (tr, tg, tb) in targets.items():
                if abs(r - tr) <= 10 and abs(g - tg) <= 10 and abs(b - tb) <= 10:
                    counts[c] += 1
    problems = []
    area = (width - start) * height
    print("page %d: %dx%d pixels, %d painted in the chart area" % (number, width, height, painted))
    if painted < area * 0.01:
        problems.append("page %d is blank in the chart area (%d of %d pixels painted)" % (number, painted, area))
    for c, n in counts.items():
        print("  resource colour %s: %d pixels" % (c, n))
        if n < min_pixels:
            problems.append("resource colour %s covers %d pixels of the chart area (expected %d or more)"
                            % (c, n, min_pixels))
    return problems


def compare_cells(reference, saved):
    problems, checked = [], 0
    for ref_sheet in reference["sheets"]:
        other = next((x for x in saved["sheets"] if x["name"] == ref_sheet["name"]), None)
        if other is None:
            problems.append("sheet %s is missing" % ref_sheet["name"])
            continue
        a, b = ref_sheet.get("cells", {}), other.get("cells", {})
        for address in sorted(set(a) | set(b)):
            ka, va = s.cell_content(a[address]) if address in a else ("v", None)
            kb, vb = s.cell_content(b[address]) if address in b else ("v", None)
            # Calc keeps no empty text: an empty text and an empty cell look the same.
            va = None if va == "" else va
            vb = None if vb == "" else vb
            checked += 1
            if ka != kb or not s.same_value(va, vb):
                problems.append("%s!%s: %s %r, after Calc %s %r" % (ref_sheet["name"], address, ka, va, kb, vb))
        if ref_sheet.get("names", {}) != other.get("names", {}):
            problems.append("sheet %s: defined names differ: %r / %r" % (ref_sheet["name"], ref_sheet.get("names"),
                                                                         other.get("names")))
    print("cells compared: %d" % checked)
    return problems


def compare_shapes(reference, saved, tolerance):
    problems, checked, worst = [], 0, 0.0
    for ref_sheet in reference["sheets"]:
        other = next((x for x in saved["sheets"] if x["name"] == ref_sheet["name"]), None)
        if other is None:
            continue
        theirs = {shape["name"]: shape for shape in other.get("shapes", [])}
        for shape in ref_sheet.get("shapes", []):
            checked += 1
            found = theirs.get(shape["name"])
            if found is None:
                problems.append("%s: shape %s is missing" % (ref_sheet["name"], shape["name"]))
                continue
            for key in ("left", "top", "width", "height"):
                d = abs(shape[key] - found[key])
                worst = max(worst, d)
                if d > tolerance:
                    problems.append("%s: shape %s: %s %.3f, after Calc %.3f" % (ref_sheet["name"], shape["name"],
                                                                               key, shape[key], found[key]))
    print("shapes compared: %d, largest difference %.3f points" % (checked, worst))
    return problems


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--korvat", required=True)
    parser.add_argument("--workbook", required=True, help="the .xlsx korvat wrote")
    parser.add_argument("--reference", required=True, help="korvat's JSON of the same workbook")
    parser.add_argument("--soffice", default=shutil.which("soffice") or "/usr/bin/soffice")
    parser.add_argument("--pdftoppm", default=shutil.which("pdftoppm") or "/usr/bin/pdftoppm")
    parser.add_argument("--chart-from", type=float, default=0.2, help="where the chart area starts (page width share)")
    parser.add_argument("--min-pixels", type=int, default=20)
    parser.add_argument("--page", type=int, default=1, help="the page (sheet) that shows the Gantt chart")
    args = parser.parse_args()
    if not os.path.exists(args.soffice):
        s.skip("LibreOffice (soffice) is not installed")
    if not os.path.exists(args.pdftoppm):
        s.skip("pdftoppm (poppler-utils) is not installed")

    reference = s.load_json(args.reference)
    work = tempfile.mkdtemp(prefix="korvat-calc-")
    profile = os.path.join(work, "profile")
    stem = os.path.splitext(os.path.basename(args.workbook))[0]
    problems = []
    try:
        pdf_dir, xlsx_dir = os.path.join(work, "pdf"), os.path.join(work, "xlsx")
        soffice_convert(args.soffice, profile,
                        'pdf:calc_pdf_Export:{"SinglePageSheets":{"type":"boolean","value":"true"}}',
                        args.workbook, pdf_dir)
        pdf = os.path.join(pdf_dir, stem + ".pdf")
        if not os.path.exists(pdf):
            s.fail(["Calc wrote no PDF of %s" % args.workbook])
        page = str(args.page)
        code, output = s.run([args.pdftoppm, "-f", page, "-l", page, "-r", "36", "-png", pdf,
                              os.path.join(work, "page")], TIMEOUT)
        pages = [p for p in os.listdir(work) if p.startswith("page") and p.endswith(".png")]
        if code != 0 or not pages:
            s.fail(["pdftoppm failed: %s" % output])
        print("Calc opened %s and wrote %s" % (args.workbook, pdf))
        problems += check_page(os.path.join(work, pages[0]), args.page, resource_colours(reference), args.chart_from,
                               args.min_pixels)

        soffice_convert(args.soffice, profile, "xlsx", args.workbook, xlsx_dir)
        resaved = os.path.join(xlsx_dir, stem + ".xlsx")
        if not os.path.exists(resaved):
            s.fail(["Calc wrote no .xlsx of %s" % args.workbook])
        print("Calc saved the workbook again as %s" % resaved)
        saved = s.korvat_json(args.korvat, resaved, work, "resaved")
        if reference.get("names", {}) != saved.get("names", {}):
            problems.append("workbook names differ after Calc")
        print("workbook names compared: %d" % len(reference.get("names", {})))
        problems += compare_cells(reference, saved)
        problems += compare_shapes(reference, saved, 1.0)
    finally:
        shutil.rmtree(work, ignore_errors=True)
    if problems:
        s.fail(problems)
    print("LibreOffice accepted the workbook")


if __name__ == "__main__":
    main()
