#!/usr/bin/env python3
"""The korvat command on packages, as a user runs it.

1. An .xlsm with a macro project (the .xlsx sample with a project added) goes through a run
   of the main job; the saved .xlsm holds xl/vbaProject.bin byte for byte, still related to
   the workbook and still typed as a macro-enabled workbook.
2. Bad packages (not a zip, truncated, a part name climbing out of the package) get one
   message naming the file, a non-zero exit, and no output file.
"""
import argparse
import os
import shutil
import tempfile
import zipfile

import interop_support as s

MACROS = bytes(range(256)) * 64 + b"macro project of the plan"
VBA_REL = ('<Relationship Id="rIdVba" Type="http://schemas.microsoft.com/office/2006/relationships/vbaProject" '
           'Target="vbaProject.bin"/>')


def make_xlsm(sample, target):
    with zipfile.ZipFile(sample) as src, zipfile.ZipFile(target, "w", zipfile.ZIP_DEFLATED) as dst:
        for item in src.infolist():
            data = src.read(item.filename)
            if item.filename == "[Content_Types].xml":
                data = data.replace(b"spreadsheetml.sheet.main+xml", b"x").replace(
                    b"application/vnd.openxmlformats-officedocument.x", b"application/vnd.ms-excel.sheet.macroEnabled.main+xml")
                data = data.replace(b"</Types>", b'<Default Extension="bin" ContentType="application/vnd.ms-office.vbaProject"/></Types>')
            if item.filename == "xl/_rels/workbook.xml.rels":
                data = data.replace(b"</Relationships>", VBA_REL.encode() + b"</Relationships>")
            dst.writestr(item.filename, data)
        dst.writestr("xl/vbaProject.bin", MACROS)


def check_macros(korvat, sample, work, calls):
    problems = []
    xlsm = os.path.join(work, "plan.xlsm")
    out = os.path.join(work, "plan-result.xlsm")
    make_xlsm(sample, xlsm)
    code, output = s.run([korvat, "run", xlsm] + calls + ["--stats", "-o", out], 300)
    if code != 0:
        return ["korvat run %s failed: %s" % (xlsm, output.strip())]
    if "live references: 0" not in output:
        problems.append("the run left references behind: %s" % output.strip())
    with zipfile.ZipFile(out) as z:
        names = z.namelist()
        if "xl/vbaProject.bin" not in names:
            return problems + ["the saved .xlsm has no xl/vbaProject.bin"]
        if z.read("xl/vbaProject.bin") != MACROS:
            problems.append("xl/vbaProject.bin changed")
        if b"vbaProject.bin" not in z.read("xl/_rels/workbook.xml.rels"):
            problems.append("the workbook no longer names its macro project")
        if b"macroEnabled.main+xml" not in z.read("[Content_Types].xml"):
            problems.append("the saved workbook is not typed macro-enabled")
        shapes = z.read("xl/drawings/drawing1.xml").count(b"<xdr:twoCellAnchor") if "xl/drawings/drawing1.xml" in names else 0
    print("korvat ran the main job on an .xlsm: xl/vbaProject.bin kept (%d bytes), %d shapes drawn" % (len(MACROS), shapes))
    if shapes < 50:
        problems.append("the run drew %d shapes on the WBS sheet" % shapes)
    return problems


def check_bad_files(korvat, sample, work):
    problems = []
    good = open(sample, "rb").read()
    climbing = os.path.join(work, "climbing.xlsx")
    with zipfile.ZipFile(sample) as src, zipfile.ZipFile(climbing, "w") as dst:
        for item in src.infolist():
            dst.writestr(item.filename, src.read(item.filename))
        dst.writestr("../outside.xml", b"<x/>")
    cases = {
        "text.xlsx": (b"not a package at all, just text", "not a zip package"),
        "truncated.xlsx": (good[:len(good) // 2], "a truncated zip package"),
        "climbing.xlsx": (None, "not a safe part name"),
    }
    for name, (data, expected) in cases.items():
        path = os.path.join(work, name)
        if data is not None:
            with open(path, "wb") as f:
                f.write(data)
        target = os.path.join(work, name + ".json")
        code, output = s.run([korvat, "convert", path, target], 60)
        print("korvat convert %s: exit %s: %s" % (name, code, output.strip()))
        if code == 0:
            problems.append("%s was read" % name)
        if expected not in output or path not in output:
            problems.append("%s: the message does not name the file and say %r: %s" % (name, expected, output.strip()))
        if os.path.exists(target):
            problems.append("%s: an output file was written" % name)
    return problems


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--korvat", required=True)
    parser.add_argument("--sample", required=True)
    args = parser.parse_args()
    calls = ["--now", "2026-12-08T12:00", "--call", "kvDrawCalendar:60", "--call", "kvWBSReschedule",
             "--call", "kvDrawProgressLines"]
    work = tempfile.mkdtemp(prefix="korvat-packages-")
    try:
        problems = check_macros(args.korvat, args.sample, work, calls) + check_bad_files(args.korvat, args.sample, work)
    finally:
        shutil.rmtree(work, ignore_errors=True)
    if problems:
        s.fail(problems)
    print("korvat kept the macro project and refused the bad packages")


if __name__ == "__main__":
    main()
