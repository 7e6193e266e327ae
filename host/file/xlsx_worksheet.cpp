#include "host/file/xlsx_worksheet.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "host/file/xlsx_host_ext.h"
#include "host/file/xlsx_part_merge.h"
#include "host/file/xlsx_xml.h"
#include "host/formula/formula.h"

namespace korvat::host::file::xlsx {
namespace {

constexpr double kPointsPerCharacter = 7.0 * 0.75;

const std::vector<std::string>& WorksheetOrder() {
  static const std::vector<std::string> order = {
      "sheetPr", "dimension", "sheetViews", "sheetFormatPr", "cols", "sheetData", "sheetCalcPr", "sheetProtection",
      "protectedRanges", "scenarios", "autoFilter", "sortState", "dataConsolidate", "customSheetViews",
      "mergeCells", "phoneticPr", "conditionalFormatting", "dataValidations", "hyperlinks", "printOptions",
      "pageMargins", "pageSetup", "headerFooter", "rowBreaks", "colBreaks", "customProperties", "cellWatches",
      "ignoredErrors", "smartTags", "drawing", "legacyDrawing", "legacyDrawingHF", "drawingHF", "picture",
      "oleObjects", "controls", "webPublishItems", "tableParts", "extLst"};
  return order;
}

const char* kOperators[] = {"between", "notBetween", "equal", "notEqual", "greaterThan", "lessThan",
                            "greaterThanOrEqual", "lessThanOrEqual"};

std::string Escaped(std::string_view text, bool attribute = false) {
  std::string out;
  AppendEscaped(out, text, attribute);
  return out;
}

std::string SelectionSqref(const std::string& selection) {
  std::string s = selection;
  std::replace(s.begin(), s.end(), ',', ' ');
  return s;
}

std::string ActiveCellOf(const std::string& selection) {
  std::string first = selection.substr(0, selection.find_first_of(", "));
  first = first.substr(0, first.find(':'));
  first.erase(std::remove(first.begin(), first.end(), '$'), first.end());
  return first.empty() ? "A1" : first;
}

// ---- writing

std::string SheetPrXml(const Worksheet& ws, const pugi::xml_node& original) {
  pugi::xml_node pr = Child(original, "sheetPr");
  if (!pr && ws.codeName.empty()) return {};
  pugi::xml_document doc;
  pugi::xml_node copy = pr ? doc.append_copy(pr) : doc.append_child("sheetPr");
  copy.remove_attribute("codeName");
  if (!ws.codeName.empty()) {
    // The code name comes first, as the host writes it.
    pugi::xml_attribute first = copy.first_attribute();
    pugi::xml_attribute a = first ? copy.insert_attribute_before("codeName", first) : copy.append_attribute("codeName");
    a.set_value(ws.codeName.c_str());
  }
  return RawXml(copy);
}

std::string SheetViewsXml(const SheetView& v, const pugi::xml_node& original) {
  pugi::xml_document doc;
  pugi::xml_node views = Child(original, "sheetViews");
  pugi::xml_node copy = views ? doc.append_copy(views) : doc.append_child("sheetViews");
  pugi::xml_node view = Child(copy, "sheetView");
  if (!view) {
    view = copy.append_child("sheetView");
    view.append_attribute("workbookViewId").set_value("0");
  }
  view.remove_attribute("tabSelected");
  if (v.tabSelected) view.prepend_attribute("tabSelected").set_value("1");
  view.remove_attribute("zoomScale");
  view.remove_attribute("zoomScaleNormal");
  if (v.zoom != 100.0) {
    pugi::xml_attribute before = Attr(view, "workbookViewId");
    std::string zoom = NumberText(std::round(v.zoom));
    (before ? view.insert_attribute_before("zoomScale", before) : view.append_attribute("zoomScale")).set_value(zoom.c_str());
    (before ? view.insert_attribute_before("zoomScaleNormal", before) : view.append_attribute("zoomScaleNormal"))
        .set_value(zoom.c_str());
  }
  if (v.hasSelection) {
    std::string pane;
    if (pugi::xml_node p = Child(view, "pane")) pane = p.attribute("activePane").value();
    for (pugi::xml_node s : Children(view, "selection")) view.remove_child(s);
    pugi::xml_node s = Child(view, "pivotSelection") ? view.insert_child_before("selection", Child(view, "pivotSelection"))
                       : Child(view, "extLst")        ? view.insert_child_before("selection", Child(view, "extLst"))
                                                      : view.append_child("selection");
    if (!pane.empty()) s.append_attribute("pane").set_value(pane.c_str());
    s.append_attribute("activeCell").set_value(ActiveCellOf(v.selection).c_str());
    s.append_attribute("sqref").set_value(SelectionSqref(v.selection).c_str());
  }
  return RawXml(copy);
}

std::string SheetFormatXml(const pugi::xml_node& original) {
  pugi::xml_document doc;
  pugi::xml_node f = Child(original, "sheetFormatPr");
  pugi::xml_node copy = f ? doc.append_copy(f) : doc.append_child("sheetFormatPr");
  for (const char* a : {"baseColWidth", "defaultColWidth", "defaultRowHeight", "customHeight"}) copy.remove_attribute(a);
  // The model's defaults: 48 points wide (64 pixels), 15 points high.
  copy.prepend_attribute("customHeight").set_value("1");
  copy.prepend_attribute("defaultRowHeight").set_value(NumberText(kDefaultRowHeight).c_str());
  copy.prepend_attribute("defaultColWidth").set_value(NumberText(FileWidthOfPoints(kDefaultColumnWidth)).c_str());
  copy.prepend_attribute("baseColWidth").set_value("8");
  return RawXml(copy);
}

std::string ColsXml(const Worksheet& ws) {
  const auto& cols = ws.Columns().Explicit();
  if (cols.empty()) return {};
  std::string out = "<cols>";
  for (auto it = cols.begin(); it != cols.end();) {
    auto last = it;
    auto next = std::next(it);
    while (next != cols.end() && next->first == last->first + 1 && next->second.size == it->second.size &&
           next->second.hidden == it->second.hidden) {
      last = next;
      ++next;
    }
    out += "<col min=\"" + std::to_string(it->first) + "\" max=\"" + std::to_string(last->first) + "\" width=\"" +
           NumberText(FileWidthOfPoints(it->second.size)) + "\"";
    if (it->second.hidden) out += " hidden=\"1\"";
    if (it->second.size != kDefaultColumnWidth) out += " customWidth=\"1\"";
    out += "/>";
    it = next;
  }
  return out + "</cols>";
}

void AppendCell(std::string& out, const Worksheet& ws, int row, int col, const Cell& c, StyleWriter& styles,
                SharedStrings& strings) {
  out += "<c r=\"" + FormatCellAddress(row, col) + "\"";
  // Formats through the sheet's accessor, wherever the model keeps them.
  static const CellStyle kDefault;
  const CellStyle& style = ws.Style(row, col);
  const int xf = style == kDefault ? 0 : styles.XfIndex(style);
  if (xf != 0) out += " s=\"" + std::to_string(xf) + "\"";
  if (c.HasFormula()) {
    const CellValue v = ws.Value(row, col);
    std::string value;
    switch (v.kind) {
      case CellValue::Kind::Text: out += " t=\"str\""; value = Escaped(EncodeSheetText(v.text)); break;
      case CellValue::Kind::Boolean: out += " t=\"b\""; value = v.AsBool() ? "1" : "0"; break;
      case CellValue::Kind::Error: out += " t=\"e\""; value = CellErrorText(v.error); break;
      case CellValue::Kind::Number: value = NumberText(v.number); break;
      case CellValue::Kind::Empty: value = "0"; break;
    }
    out += "><f>" + Escaped(std::string_view(c.formula).substr(1)) + "</f><v>" + value + "</v></c>";
    return;
  }
  switch (c.value.kind) {
    case CellValue::Kind::Empty: out += "/>"; return;
    case CellValue::Kind::Number: out += "><v>" + NumberText(c.value.number) + "</v></c>"; return;
    case CellValue::Kind::Boolean: out += std::string(" t=\"b\"><v>") + (c.value.AsBool() ? "1" : "0") + "</v></c>"; return;
    case CellValue::Kind::Error: out += std::string(" t=\"e\"><v>") + CellErrorText(c.value.error) + "</v></c>"; return;
    case CellValue::Kind::Text:
      out += " t=\"s\"><v>" + std::to_string(strings.Index(c.value.text)) + "</v></c>";
      return;
  }
}

std::string RowStart(int row, const ExtentIndex::Entry* extent) {
  std::string out = "<row r=\"" + std::to_string(row) + "\"";
  if (extent) {
    if (extent->size != kDefaultRowHeight) out += " ht=\"" + NumberText(extent->size) + "\" customHeight=\"1\"";
    if (extent->hidden) out += " hidden=\"1\"";
  }
  return out;
}

std::string SheetDataXml(const Worksheet& ws, StyleWriter& styles, SharedStrings& strings) {
  std::string out = "<sheetData>";
  const auto& rows = ws.Rows().Explicit();
  auto rowIt = rows.begin();
  int open = 0;  // the row whose element is open
  // Rows with a size but no cell before `row` get their empty element.
  auto sizedRowsBefore = [&](int row) {
    for (; rowIt != rows.end() && rowIt->first < row; ++rowIt) out += RowStart(rowIt->first, &rowIt->second) + "/>";
  };
  const Cell kFormatted;
  // Cells only formatted are held as blocks by the sheet; each is written as its own cell.
  ws.ForEachShownCell({1, 1, kMaxRows, kMaxColumns}, [&](int row, int col, const CellStyle&, const Cell* cell) {
    if (row != open) {
      if (open != 0) out += "</row>";
      sizedRowsBefore(row);
      const ExtentIndex::Entry* extent = nullptr;
      if (rowIt != rows.end() && rowIt->first == row) extent = &(rowIt++)->second;
      out += RowStart(row, extent) + ">";
      open = row;
    }
    AppendCell(out, ws, row, col, cell ? *cell : kFormatted, styles, strings);
  });
  if (open != 0) out += "</row>";
  sizedRowsBefore(kMaxRows + 1);
  return out + "</sheetData>";
}

std::string ConditionalFormatsXml(const Worksheet& ws, StyleWriter& styles, const std::vector<std::string>& carried) {
  std::string out;
  int priority = 1;
  for (const ConditionalFormat& f : ws.ConditionalFormats()) {
    HostAttributes host;
    const bool cellIs = f.type != 2;
    if (f.type != 1 && f.type != 2) host.Set("type", f.type);
    if (cellIs && (f.op < 1 || f.op > 8)) host.Set("op", f.op);
    if (!cellIs && f.op != 1) host.Set("op", f.op);
    DifferentialFormat d{f.fontColorIndex, f.interiorColorIndex};
    DifferentialFormat shown = d;
    if (!ColorOfIndex(d.fontColorIndex).index && d.fontColorIndex != kAutomatic) {
      host.Set("fc", d.fontColorIndex);
      shown.fontColorIndex = kAutomatic;
    }
    if (!ColorOfIndex(d.interiorColorIndex).index && d.interiorColorIndex != kNone) {
      host.Set("ic", d.interiorColorIndex);
      shown.interiorColorIndex = kNone;
    }
    out += "<conditionalFormatting sqref=\"" + FormatRangeRef(f.range) + "\"><cfRule type=\"" +
           (cellIs ? "cellIs" : "expression") + "\" dxfId=\"" + std::to_string(styles.DxfIndex(shown)) +
           "\" priority=\"" + std::to_string(priority++) + "\"";
    if (cellIs) out += std::string(" operator=\"") + kOperators[std::clamp(f.op, 1, 8) - 1] + "\"";
    out += "><formula>" + Escaped(f.formula1) + "</formula>";
    if (!f.formula2.empty()) out += "<formula>" + Escaped(f.formula2) + "</formula>";
    out += host.ExtListXml("rule") + "</cfRule></conditionalFormatting>";
  }
  for (const auto& c : carried) out += c;
  return out;
}

RangeRef UsedRange(const Worksheet& ws) {
  RangeRef r{1, 1, 1, 1};
  if (ws.Cells().empty() && ws.Formats().Empty()) return r;
  r.lastRow = ws.LastUsedRow();
  r.lastCol = ws.LastUsedColumn();
  r.firstRow = ws.Cells().empty() ? r.lastRow : Worksheet::KeyRow(ws.Cells().begin()->first);
  r.firstCol = r.lastCol;
  for (const auto& [key, cell] : ws.Cells()) r.firstCol = std::min(r.firstCol, Worksheet::KeyColumn(key));
  ws.Formats().ForEachBlock([&](const RangeRef& b, const CellStyle&) {
    r.firstRow = std::min(r.firstRow, b.firstRow);
    r.firstCol = std::min(r.firstCol, b.firstCol);
  });
  return r;
}

// ---- reading

bool CellFail(const std::string& part, const std::string& cell, const std::string& what, std::string* error) {
  *error = part + ": cell " + cell + ": " + what;
  return false;
}

bool ErrorOfText(std::string_view text, CellValue* out) {
  for (CellError e : {CellError::Null, CellError::Div0, CellError::Value, CellError::Ref, CellError::Name,
                      CellError::Num, CellError::NA}) {
    if (text == CellErrorText(e)) {
      *out = CellValue::Error(e);
      return true;
    }
  }
  return false;
}

std::string InlineText(const pugi::xml_node& is) {
  std::string text;
  if (pugi::xml_node t = Child(is, "t")) text = DeepText(t);
  for (const pugi::xml_node& r : Children(is, "r")) text += DeepText(Child(r, "t"));
  return DecodeSheetText(text);
}

struct SharedFormula {
  int row, col;
  std::string text;  // "=..."
};

bool ReadCell(const pugi::xml_node& c, int row, int* col, const std::string& part,
              const std::vector<std::string>& strings, const StyleSheet& styles, Worksheet& ws,
              std::unordered_map<int64_t, SharedFormula>& shared, std::string* error) {
  if (pugi::xml_attribute r = Attr(c, "r")) {
    auto a = ParseCellAddress(r.value());
    if (!a || std::string_view(r.value()).find('$') != std::string_view::npos)
      return CellFail(part, r.value(), "not a cell address", error);
    if (a->row != row) return CellFail(part, r.value(), "lies outside its row " + std::to_string(row), error);
    *col = a->col;
  } else {
    ++*col;
  }
  if (*col > kMaxColumns) return CellFail(part, "in row " + std::to_string(row), "beyond the last column", error);
  const std::string address = FormatCellAddress(row, *col);
  const int64_t s = IntegerAttr(c, "s", 0);
  if (s < 0 || static_cast<size_t>(s) >= styles.xfs.size())
    return CellFail(part, address, "style " + std::to_string(s) + " is out of range (the styles part has " +
                                       std::to_string(styles.xfs.size()) + ")", error);
  const std::string_view type = c.attribute("t").value();
  pugi::xml_node v = Child(c, "v");
  const std::string text = DeepText(v);
  CellValue value;
  if (type == "s") {
    int64_t index = -1;
    if (!ParseInteger(text, &index) || index < 0 || static_cast<size_t>(index) >= strings.size())
      return CellFail(part, address, "shared string " + text + " is out of range (the package has " +
                                         std::to_string(strings.size()) + ")", error);
    value = CellValue::Text(strings[static_cast<size_t>(index)]);
  } else if (type == "inlineStr") {
    value = CellValue::Text(InlineText(Child(c, "is")));
  } else if (type == "str") {
    value = CellValue::Text(DecodeSheetText(text));
  } else if (type == "b") {
    value = CellValue::Boolean(text == "1" || text == "true");
  } else if (type == "e") {
    if (!ErrorOfText(text, &value)) value = CellValue::Error(CellError::Value);
  } else if (v) {
    double d = 0;
    if (!ParseNumber(text, &d)) return CellFail(part, address, "\"" + text + "\" is not a number", error);
    value = CellValue::Number(d);
  }
  std::string formula;
  if (pugi::xml_node f = Child(c, "f")) {
    std::string body = DeepText(f);
    const bool isShared = std::string_view(f.attribute("t").value()) == "shared";
    const int64_t si = IntegerAttr(f, "si", -1);
    if (!body.empty()) {
      formula = "=" + body;
      if (isShared && si >= 0) shared[si] = {row, *col, formula};
    } else if (isShared) {
      auto it = shared.find(si);
      if (it != shared.end())
        formula = formula::ShiftRelative(it->second.text, row - it->second.row, *col - it->second.col);
    }
  }
  if (s != 0) ws.SetStyle(row, *col, styles.xfs[static_cast<size_t>(s)]);
  if (!formula.empty()) ws.SetInput(row, *col, {}, formula);
  else if (!value.IsEmpty()) ws.SetInput(row, *col, std::move(value), {});
  return true;
}

bool ReadConditionalFormat(const pugi::xml_node& cf, const StyleSheet& styles, Worksheet& ws,
                           std::vector<std::string>* carried) {
  std::vector<pugi::xml_node> rules = Children(cf, "cfRule");
  for (const auto& r : rules) {
    std::string_view t = r.attribute("type").value();
    if (t != "cellIs" && t != "expression") {
      carried->push_back(RawXml(cf));
      return true;
    }
  }
  std::vector<RangeRef> ranges;
  const std::string sqref = cf.attribute("sqref").value();
  size_t start = 0;
  while (start < sqref.size()) {
    size_t end = sqref.find(' ', start);
    if (end == std::string::npos) end = sqref.size();
    if (auto range = ParseRangeRef(sqref.substr(start, end - start))) ranges.push_back(*range);
    start = end + 1;
  }
  // The model holds one range per condition: a format over very many ranges stays as it was.
  if (ranges.size() * rules.size() > 10000) {
    carried->push_back(RawXml(cf));
    return true;
  }
  for (const auto& r : rules) {
    ConditionalFormat f;
    const bool cellIs = std::string_view(r.attribute("type").value()) == "cellIs";
    f.type = cellIs ? 1 : 2;
    f.op = 1;
    if (cellIs) {
      std::string_view op = r.attribute("operator").value();
      for (int i = 0; i < 8; ++i)
        if (op == kOperators[i]) f.op = i + 1;
    }
    std::vector<pugi::xml_node> formulas = Children(r, "formula");
    if (!formulas.empty()) f.formula1 = DeepText(formulas[0]);
    if (formulas.size() > 1) f.formula2 = DeepText(formulas[1]);
    const int64_t dxf = IntegerAttr(r, "dxfId", -1);
    if (dxf >= 0 && static_cast<size_t>(dxf) < styles.dxfs.size()) {
      f.fontColorIndex = styles.dxfs[static_cast<size_t>(dxf)].fontColorIndex;
      f.interiorColorIndex = styles.dxfs[static_cast<size_t>(dxf)].interiorColorIndex;
    }
    const auto ext = ReadHostExt(r);
    HostInteger(ext, "type", &f.type);
    HostInteger(ext, "op", &f.op);
    HostInteger(ext, "fc", &f.fontColorIndex);
    HostInteger(ext, "ic", &f.interiorColorIndex);
    for (const RangeRef& range : ranges) {
      f.range = range;
      ws.ConditionalFormats().push_back(f);
    }
  }
  return true;
}

void ReadView(const pugi::xml_node& root, SheetView* view) {
  pugi::xml_node v = Child(Child(root, "sheetViews"), "sheetView");
  if (!v) return;
  view->tabSelected = BoolAttr(v, "tabSelected", false);
  view->zoom = NumberAttr(v, "zoomScale", 100.0);
  if (view->zoom <= 0) view->zoom = 100.0;
  std::vector<pugi::xml_node> selections = Children(v, "selection");
  std::string active = Child(v, "pane").attribute("activePane").value();
  pugi::xml_node chosen;
  for (const auto& s : selections) {
    std::string pane = Attr(s, "pane") ? s.attribute("pane").value() : "topLeft";
    if (!chosen || pane == (active.empty() ? "topLeft" : active)) chosen = s;
  }
  if (chosen) {
    view->hasSelection = true;
    std::string sqref = Attr(chosen, "sqref") ? chosen.attribute("sqref").value() : chosen.attribute("activeCell").value();
    std::replace(sqref.begin(), sqref.end(), ' ', ',');
    view->selection = sqref.empty() ? "A1" : sqref;
  }
}

}  // namespace

double FileWidthOfPoints(double points) { return points / kPointsPerCharacter; }

double PointsOfFileWidth(double width, bool exact) {
  if (!(width > 0)) return 0.0;
  if (exact) return std::round(width * kPointsPerCharacter * 1e6) / 1e6;
  return std::trunc((256.0 * width + std::trunc(128.0 / 7.0)) / 256.0 * 7.0) * 0.75;
}

int SharedStrings::Index(const std::string& text) {
  auto [it, added] = index_.try_emplace(text, static_cast<int>(list_.size()));
  if (added) list_.push_back(&it->first);
  return it->second;
}

std::string SharedStrings::Xml() const {
  std::string out = "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n";
  out += std::string("<sst xmlns=\"") + ns::kMain + "\" count=\"" + std::to_string(list_.size()) + "\" uniqueCount=\"" +
         std::to_string(list_.size()) + "\">";
  for (const std::string* s : list_) {
    const std::string encoded = EncodeSheetText(*s);
    const bool keepSpace = !s->empty() && (s->front() == ' ' || s->back() == ' ' || s->front() == '\n' ||
                                            s->back() == '\n' || s->front() == '\t' || s->back() == '\t');
    out += keepSpace ? "<si><t xml:space=\"preserve\">" : "<si><t>";
    AppendEscaped(out, encoded, false);
    out += "</t></si>";
  }
  return out + "</sst>";
}

bool ReadSharedStrings(const std::string& data, const std::string& part, std::vector<std::string>* out,
                       std::string* error) {
  pugi::xml_document doc;
  if (!ParseXml(data, part, &doc, error)) return false;
  out->clear();
  for (const pugi::xml_node& si : Children(doc.document_element(), "si")) out->push_back(InlineText(si));
  return true;
}

std::string WorksheetXml(const Worksheet& ws, const WorksheetWrite& w) {
  std::map<std::string, std::string> generated;
  generated["sheetPr"] = SheetPrXml(ws, w.original);
  generated["dimension"] = "<dimension ref=\"" + FormatRangeRef(UsedRange(ws)) + "\"/>";
  generated["sheetViews"] = SheetViewsXml(w.view, w.original);
  generated["sheetFormatPr"] = SheetFormatXml(w.original);
  generated["cols"] = ColsXml(ws);
  generated["sheetData"] = SheetDataXml(ws, *w.styles, *w.strings);
  generated["conditionalFormatting"] = ConditionalFormatsXml(ws, *w.styles, w.carriedConditionalFormats);
  generated["drawing"] = w.drawingRelId.empty() ? "" : "<drawing r:id=\"" + w.drawingRelId + "\"/>";
  HostAttributes host;
  host.Set("widths", "exact");
  generated["extLst"] = MergedExtList(w.original, host.ExtXml("sheet"));
  std::string out = "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n";
  out += RootStartTag("worksheet", {{"xmlns", ns::kMain}, {"xmlns:r", ns::kRel}}, w.original);
  out += MergeChildren(w.original, WorksheetOrder(), generated);
  return out + "</worksheet>";
}

bool ReadWorksheet(const pugi::xml_node& root, const std::string& part, const std::vector<std::string>& strings,
                   const StyleSheet& styles, Worksheet& ws, WorksheetRead* out, std::string* error) {
  if (LocalName(root) != "worksheet") {
    *error = part + ": not a worksheet (its root is <" + std::string(root.name()) + ">)";
    return false;
  }
  if (pugi::xml_node pr = Child(root, "sheetPr")) ws.codeName = pr.attribute("codeName").value();
  const bool exactWidths = ReadHostExt(root).count("widths") > 0;
  // Later column ranges win; walking them from the last, each column is set once however
  // many ranges a file repeats.
  std::vector<pugi::xml_node> cols = Children(Child(root, "cols"), "col");
  std::vector<int> nextFree(kMaxColumns + 2);
  for (int i = 0; i <= kMaxColumns + 1; ++i) nextFree[static_cast<size_t>(i)] = i;
  auto freeFrom = [&](int i) {
    int root = i;
    while (nextFree[static_cast<size_t>(root)] != root) root = nextFree[static_cast<size_t>(root)];
    while (nextFree[static_cast<size_t>(i)] != root) i = std::exchange(nextFree[static_cast<size_t>(i)], root);
    return root;
  };
  for (auto it = cols.rbegin(); it != cols.rend(); ++it) {
    const pugi::xml_node& c = *it;
    const int64_t min = IntegerAttr(c, "min", 0), max = IntegerAttr(c, "max", min);
    if (min < 1 || max < min || max > kMaxColumns) {
      *error = part + ": cols: a column range " + std::to_string(min) + "-" + std::to_string(max) + " outside the sheet";
      return false;
    }
    const bool hidden = BoolAttr(c, "hidden", false);
    const double points = Attr(c, "width") ? PointsOfFileWidth(NumberAttr(c, "width", 0), exactWidths) : kDefaultColumnWidth;
    for (int i = freeFrom(static_cast<int>(min)); i <= max; i = freeFrom(i)) {
      if (points != kDefaultColumnWidth) ws.SetColumnWidth(i, points);
      if (hidden) ws.SetColumnHidden(i, true);
      nextFree[static_cast<size_t>(i)] = i + 1;
    }
  }
  std::unordered_map<int64_t, SharedFormula> shared;
  int row = 0;
  for (const pugi::xml_node& r : Children(Child(root, "sheetData"), "row")) {
    if (Attr(r, "r")) {
      const int64_t n = IntegerAttr(r, "r", -1);
      if (n < 1 || n > kMaxRows) {
        *error = part + ": row " + std::string(r.attribute("r").value()) + " is outside the sheet (1 to " +
                 std::to_string(kMaxRows) + ")";
        return false;
      }
      row = static_cast<int>(n);
    } else if (++row > kMaxRows) {
      *error = part + ": more rows than the sheet holds";
      return false;
    }
    if (BoolAttr(r, "customHeight", false) && Attr(r, "ht")) ws.SetRowHeight(row, std::max(0.0, NumberAttr(r, "ht", kDefaultRowHeight)));
    if (BoolAttr(r, "hidden", false)) ws.SetRowHidden(row, true);
    int col = 0;
    for (const pugi::xml_node& c : Children(r, "c"))
      if (!ReadCell(c, row, &col, part, strings, styles, ws, shared, error)) return false;
  }
  for (const pugi::xml_node& cf : Children(root, "conditionalFormatting"))
    ReadConditionalFormat(cf, styles, ws, &out->carriedConditionalFormats);
  ReadView(root, &out->view);
  if (pugi::xml_node d = Child(root, "drawing")) out->drawingRelId = RelationshipId(d);
  return true;
}

}  // namespace korvat::host::file::xlsx
