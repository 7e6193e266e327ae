#include "host/render/workbook_render.h"

#include <algorithm>

#include "host/model/text_compare.h"
#include "host/render/html_page.h"
#include "host/render/sheet_drawing.h"
#include "host/render/sheet_layout.h"

namespace korvat::host::render {
namespace {

// A sheet by name first, then by code name; an error text when none or not a worksheet.
const Worksheet* FindRequestedSheet(const Workbook& book, const std::string& wanted, std::string* error) {
  Sheet* sheet = book.FindSheet(wanted);
  for (int i = 0; !sheet && i < book.SheetCount(); ++i)
    if (FoldCase(book.SheetAt(i)->codeName) == FoldCase(wanted) && !book.SheetAt(i)->codeName.empty())
      sheet = book.SheetAt(i);
  if (!sheet) {
    *error = "no sheet has the name or code name \"" + wanted + "\"";
    return nullptr;
  }
  if (sheet->Kind() != SheetKind::Worksheet) {
    *error = "sheet \"" + sheet->Name() + "\" is a chart sheet, not a worksheet";
    return nullptr;
  }
  return static_cast<const Worksheet*>(sheet);
}

}  // namespace

RenderResult RenderWorkbookHtml(const Workbook& book, const RenderOptions& options) {
  std::vector<const Worksheet*> sheets;
  RenderResult result;
  if (options.sheets.empty()) {
    for (const Worksheet* ws : book.Worksheets())
      if (ws->visible) sheets.push_back(ws);
    if (sheets.empty()) result.error = "the workbook has no visible worksheet";
  }
  for (const std::string& wanted : options.sheets) {
    const Worksheet* ws = FindRequestedSheet(book, wanted, &result.error);
    if (!ws) return result;
    if (std::find(sheets.begin(), sheets.end(), ws) == sheets.end()) sheets.push_back(ws);
  }
  if (!result.ok()) return result;
  result.text = WorkbookPage(sheets);
  return result;
}

RenderResult RenderSheetSvg(const Workbook& book, const std::string& sheetCodeOrName) {
  RenderResult result;
  const Worksheet* ws = FindRequestedSheet(book, sheetCodeOrName, &result.error);
  if (ws) result.text = StandaloneSheetSvg(SheetLayout(*ws));
  return result;
}

}  // namespace korvat::host::render
