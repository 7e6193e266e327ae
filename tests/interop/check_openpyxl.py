#!/usr/bin/env python3
"""openpyxl reads a workbook package that korvat wrote.

Loads WORKBOOK with openpyxl and compares it with REFERENCE, korvat's JSON form of the same
workbook: sheet names and order, cell values and formulas, workbook and sheet defined names,
column widths (the file's characters: points / 5.25), hidden columns, row heights and
hidden rows, code names. Exits 77 (skipped) when openpyxl is not installed.
"""
import argparse
import datetime
import warnings

import interop_support as s

try:
    import openpyxl
    from openpyxl.utils.datetime import to_excel
except ImportError:
    s.skip("openpyxl (python3-openpyxl) is not installed for " + __import__("sys").executable)

POINTS_PER_CHARACTER = 5.25


def defined_names(book):
    names = {}
    for d in book.defined_names.definedName:
        names[(d.localSheetId, d.name.lower())] = d.attr_text
    return names


def same_number(expected, value):
    """Date-formatted numbers come back as dates and times: compare their serial numbers."""
    if isinstance(value, (datetime.datetime, datetime.date, datetime.time, datetime.timedelta)):
        return isinstance(expected, (int, float)) and abs(to_excel(value) - expected) < 1e-8
    return s.same_value(expected, value)


def check_cells(ref_sheet, ws, problems):
    count = 0
    for address, cell in ref_sheet.get("cells", {}).items():
        col, row = s.split_address(address)
        kind, content = s.cell_content(cell)
        value = ws.cell(row=row, column=col).value
        count += 1
        if kind == "f":
            if value != content:
                problems.append("%s!%s: formula %r, openpyxl reads %r" % (ref_sheet["name"], address, content, value))
        elif kind == "e":
            if value != content:
                problems.append("%s!%s: error %r, openpyxl reads %r" % (ref_sheet["name"], address, content, value))
        elif content is not None and not same_number(content, value) and not (content == "" and value is None):
            problems.append("%s!%s: %r, openpyxl reads %r" % (ref_sheet["name"], address, content, value))
    return count


def check_columns(ref_sheet, ws, problems):
    seen = {}
    for dim in ws.column_dimensions.values():
        if dim.min is None:
            continue
        for c in range(dim.min, (dim.max or dim.min) + 1):
            seen[c] = dim
    count = 0
    for letters, ext in ref_sheet.get("columns", {}).items():
        col = s.column_index(letters)
        dim = seen.get(col)
        count += 1
        if dim is None:
            problems.append("%s: column %s has no width in the file" % (ref_sheet["name"], letters))
            continue
        width = ext.get("width", 48) / POINTS_PER_CHARACTER
        if abs((dim.width or 0) - width) > 1e-9:
            problems.append("%s: column %s width %.6f characters, openpyxl reads %r" % (ref_sheet["name"], letters,
                                                                                       width, dim.width))
        if bool(dim.hidden) != bool(ext.get("hidden", False)):
            problems.append("%s: column %s hidden %r, openpyxl reads %r" % (ref_sheet["name"], letters,
                                                                           ext.get("hidden", False), dim.hidden))
    return count


def check_rows(ref_sheet, ws, problems):
    count = 0
    for number, ext in ref_sheet.get("rows", {}).items():
        dim = ws.row_dimensions[int(number)]
        count += 1
        if abs((dim.height if dim.height is not None else 15) - ext.get("height", 15)) > 1e-9:
            problems.append("%s: row %s height %r, openpyxl reads %r" % (ref_sheet["name"], number,
                                                                        ext.get("height", 15), dim.height))
        if bool(dim.hidden) != bool(ext.get("hidden", False)):
            problems.append("%s: row %s hidden %r, openpyxl reads %r" % (ref_sheet["name"], number,
                                                                        ext.get("hidden", False), dim.hidden))
    return count


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--workbook", required=True)
    parser.add_argument("--reference", required=True)
    args = parser.parse_args()
    reference = s.load_json(args.reference)
    with warnings.catch_warnings():
        warnings.simplefilter("ignore")  # extensions it does not know are announced, not errors
        book = openpyxl.load_workbook(args.workbook, keep_vba=True)
    problems = []
    ref_names = [x["name"] for x in reference["sheets"]]
    if book.sheetnames != ref_names:
        problems.append("sheets %r, openpyxl reads %r" % (ref_names, book.sheetnames))
    names = defined_names(book)
    expected = {(None, k.lower()): v for k, v in reference.get("names", {}).items()}
    cells = columns = rows = 0
    for index, ref_sheet in enumerate(reference["sheets"]):
        for k, v in ref_sheet.get("names", {}).items():
            expected[(index, k.lower())] = v
        if ref_sheet.get("kind") == "chart" or ref_sheet["name"] not in book.sheetnames:
            continue
        ws = book[ref_sheet["name"]]
        if ws.sheet_properties.codeName != ref_sheet.get("codeName"):
            problems.append("%s: code name %r, openpyxl reads %r" % (ref_sheet["name"], ref_sheet.get("codeName"),
                                                                    ws.sheet_properties.codeName))
        if (ws.sheet_state == "visible") != ref_sheet.get("visible", True):
            problems.append("%s: visibility differs (%s)" % (ref_sheet["name"], ws.sheet_state))
        cells += check_cells(ref_sheet, ws, problems)
        columns += check_columns(ref_sheet, ws, problems)
        rows += check_rows(ref_sheet, ws, problems)
    if names != expected:
        missing = sorted(set(expected.items()) - set(names.items()))[:5]
        extra = sorted(set(names.items()) - set(expected.items()))[:5]
        problems.append("defined names differ: missing %r, unexpected %r" % (missing, extra))
    print("openpyxl %s read %s: %d sheets, %d cells, %d defined names, %d column and %d row settings compared"
          % (openpyxl.__version__, args.workbook, len(book.sheetnames), cells, len(names), columns, rows))
    if problems:
        s.fail(problems)
    print("openpyxl read the workbook as korvat wrote it")


if __name__ == "__main__":
    main()
