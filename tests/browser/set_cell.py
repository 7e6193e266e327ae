#!/usr/bin/env python3
"""Writes a copy of a workbook file with one cell of one sheet set to a text.

set_cell.py WORKBOOK --sheet CODE_NAME_OR_NAME --cell A500 --text "5," -o OUT

The browser test uses it to give the sample plan a filter setting before the korvat command
draws and filters it.
"""
import argparse
import json
import sys


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("workbook")
    parser.add_argument("--sheet", required=True, help="code name or name of the sheet")
    parser.add_argument("--cell", required=True, help="A1 address")
    parser.add_argument("--text", required=True)
    parser.add_argument("-o", "--output", required=True)
    args = parser.parse_args()
    try:
        with open(args.workbook, encoding="utf-8") as f:
            book = json.load(f)
    except (OSError, ValueError) as e:
        print("cannot read %s: %s" % (args.workbook, e), file=sys.stderr)
        return 1
    wanted = args.sheet.lower()
    sheets = [s for s in book.get("sheets", []) if wanted in (s.get("codeName", "").lower(), s.get("name", "").lower())]
    if not sheets:
        print("%s: no sheet has the code name or name %r" % (args.workbook, args.sheet), file=sys.stderr)
        return 1
    cells = sheets[0].setdefault("cells", {})
    cell = cells.get(args.cell.upper())
    if isinstance(cell, dict):  # keep the cell's formats
        cell.pop("f", None)
        cell.pop("e", None)
        cell["v"] = args.text
    else:
        cells[args.cell.upper()] = args.text
    with open(args.output, "w", encoding="utf-8") as f:
        json.dump(book, f, indent=2, ensure_ascii=False)
        f.write("\n")
    return 0


if __name__ == "__main__":
    sys.exit(main())
