// JSON -> model, with every failure reported at its place.

#include <map>
#include <vector>

#include "host/file/model_fields.h"
#include "host/file/workbook_reader.h"

namespace korvat::host::file {
namespace {

using Scope = JsonReader::Scope;

bool ReadCellValue(JsonReader& r, const Json& v, CellValue* out) {
  if (v.is_number()) {
    double d = 0;
    if (!r.ReadNumber(v, &d)) return false;
    *out = CellValue::Number(d);
  } else if (v.is_boolean()) {
    *out = CellValue::Boolean(v.get<bool>());
  } else if (v.is_string()) {
    *out = CellValue::Text(v.get<std::string>());
  } else {
    return r.Fail("expected a number, a text or true/false");
  }
  return true;
}

bool ReadErrorValue(JsonReader& r, const Json& v, CellValue* out) {
  std::string text;
  if (!r.ReadString(v, &text)) return false;
  for (CellError e : {CellError::Null, CellError::Div0, CellError::Value, CellError::Ref,
                      CellError::Name, CellError::Num, CellError::NA}) {
    if (text == CellErrorText(e)) {
      *out = CellValue::Error(e);
      return true;
    }
  }
  return r.Fail("unknown error value \"" + text + "\"");
}

bool ReadBorders(JsonReader& r, const Json& v, CellStyle* style) {
  if (!r.ExpectObject(v)) return false;
  for (auto it = v.begin(); it != v.end() && r.ok(); ++it) {
    Scope scope(r, it.key());
    int edge = -1;
    for (int e = 0; e < kEdgeCount; ++e)
      if (it.key() == EdgeName(static_cast<Edge>(e))) edge = e;
    if (edge < 0) return r.Fail("unknown edge (expected left, top, bottom or right)");
    ReadFields(r, it.value(), &style->borders[static_cast<size_t>(edge)], BorderFields());
  }
  return r.ok();
}

// The format members of a cell (old form) or of an entry of the style table.
bool ReadStyleMembers(JsonReader& r, const Json& v, CellStyle* style) {
  if (auto it = v.find("b"); it != v.end()) {
    Scope s(r, std::string("b"));
    ReadBorders(r, *it, style);
  }
  if (auto it = v.find("fill"); it != v.end()) {
    Scope s(r, std::string("fill"));
    ReadFields(r, *it, &style->interior, InteriorFields());
  }
  if (auto it = v.find("font"); it != v.end()) {
    Scope s(r, std::string("font"));
    ReadFields(r, *it, &style->font, FontFields());
  }
  r.String(v, "nf", &style->numberFormat);
  r.Integer(v, "ha", &style->horizontalAlignment);
  r.Integer(v, "va", &style->verticalAlignment);
  return r.ok();
}

bool ReadStyleTable(JsonReader& r, const Json& v, std::vector<CellStyle>* styles) {
  if (!r.ExpectArray(v)) return false;
  for (size_t i = 0; i < v.size() && r.ok(); ++i) {
    Scope e(r, i);
    if (!r.ExpectObject(v[i]) || !r.OnlyKeys(v[i], {"b", "fill", "font", "nf", "ha", "va"})) return false;
    CellStyle style;
    if (ReadStyleMembers(r, v[i], &style)) styles->push_back(style);
  }
  return r.ok();
}

// "formats": {"B5:XFD40": 0, ...}: blocks of cells and the entry of the style table each shows.
bool ReadFormats(JsonReader& r, const Json& v, Worksheet& ws, const std::vector<CellStyle>& styles) {
  if (!r.ExpectObject(v)) return false;
  for (auto it = v.begin(); it != v.end() && r.ok(); ++it) {
    Scope scope(r, it.key());
    auto range = ParseRangeRef(it.key());
    if (!range || it.key().find('$') != std::string::npos)
      return r.Fail("not a range (expected e.g. \"B7\", \"B7:D9\", \"B:D\" or \"5:7\")");
    int index = -1;
    if (!r.ReadInteger(it.value(), &index)) return false;
    if (index < 0 || static_cast<size_t>(index) >= styles.size())
      return r.Fail("style " + std::to_string(index) + " is not in the workbook's styles (it has " +
                    std::to_string(styles.size()) + ")");
    ws.SetStyles(*range, styles[static_cast<size_t>(index)]);
  }
  return r.ok();
}

bool ReadCell(JsonReader& r, const Json& v, Worksheet& ws, int row, int col) {
  if (v.is_string()) {
    const std::string& s = v.get_ref<const std::string&>();
    if (s.size() > 1 && s.front() == '=') return ws.SetInput(row, col, {}, s);
    return ws.SetInput(row, col, CellValue::Text(s), {});
  }
  if (v.is_number() || v.is_boolean()) {
    CellValue value;
    return ReadCellValue(r, v, &value) && ws.SetInput(row, col, value, {});
  }
  if (!r.ExpectObject(v)) return false;
  if (!r.OnlyKeys(v, {"v", "e", "f", "b", "fill", "font", "nf", "ha", "va"})) return false;
  CellValue value;
  std::string formula;
  CellStyle style;
  if (auto it = v.find("v"); it != v.end()) {
    Scope s(r, std::string("v"));
    ReadCellValue(r, *it, &value);
  }
  if (auto it = v.find("e"); it != v.end()) {
    Scope s(r, std::string("e"));
    ReadErrorValue(r, *it, &value);
  }
  r.String(v, "f", &formula);
  if (r.ok() && !formula.empty() && (formula.size() < 2 || formula.front() != '=')) {
    Scope s(r, std::string("f"));
    return r.Fail("a formula starts with \"=\"");
  }
  if (!ReadStyleMembers(r, v, &style)) return false;
  // A cell of the old form carries its whole style; one of the new form none (its format
  // is in the sheet's blocks), so it leaves the blocks alone.
  const bool styled = v.contains("b") || v.contains("fill") || v.contains("font") || v.contains("nf") ||
                      v.contains("ha") || v.contains("va");
  if (styled) ws.SetStyle(row, col, style);
  return ws.SetInput(row, col, value, formula);
}

bool ReadCells(JsonReader& r, const Json& v, Worksheet& ws) {
  if (!r.ExpectObject(v)) return false;
  for (auto it = v.begin(); it != v.end() && r.ok(); ++it) {
    Scope scope(r, it.key());
    auto address = ParseCellAddress(it.key());
    if (!address || it.key().find('$') != std::string::npos)
      return r.Fail("not a cell address (expected e.g. \"B7\")");
    ReadCell(r, it.value(), ws, address->row, address->col);
  }
  return r.ok();
}

bool ReadExtents(JsonReader& r, const Json& v, Worksheet& ws, bool columns) {
  if (!r.ExpectObject(v)) return false;
  for (auto it = v.begin(); it != v.end() && r.ok(); ++it) {
    Scope scope(r, it.key());
    int index = 0;
    if (columns) {
      index = ColumnFromLetters(it.key());
      if (index == 0) return r.Fail("not a column (expected letters A to XFD)");
    } else {
      const std::string& k = it.key();
      bool digits = !k.empty() && k.size() <= 7 && k.find_first_not_of("0123456789") == std::string::npos;
      index = digits ? std::stoi(k) : 0;
      if (index < 1 || index > kMaxRows) return r.Fail("not a row number (expected 1 to 1048576)");
    }
    const Json& e = it.value();
    if (!r.ExpectObject(e) || !r.OnlyKeys(e, {columns ? "width" : "height", "hidden"})) return false;
    double size = columns ? kDefaultColumnWidth : kDefaultRowHeight;
    bool hidden = false;
    r.Number(e, columns ? "width" : "height", &size);
    r.Bool(e, "hidden", &hidden);
    const double largest = columns ? kMaxColumnWidth : kMaxRowHeight;
    if (r.ok() && (size < 0 || size > largest)) {
      Scope s(r, std::string(columns ? "width" : "height"));
      return r.Fail(columns ? "must be from 0 to 1342.5 points" : "must be from 0 to 409.5 points");
    }
    if (columns) {
      ws.SetColumnWidth(index, size);
      ws.SetColumnHidden(index, hidden);
    } else {
      ws.SetRowHeight(index, size);
      ws.SetRowHidden(index, hidden);
    }
  }
  return r.ok();
}

bool ReadNames(JsonReader& r, const Json& v, DefinedNames& names) {
  if (!r.ExpectObject(v)) return false;
  for (auto it = v.begin(); it != v.end() && r.ok(); ++it) {
    Scope scope(r, it.key());
    std::string ref;
    if (!r.ReadString(it.value(), &ref)) return false;
    if (it.key().empty() || ref.empty()) return r.Fail("a name needs a reference text");
    names.Set(it.key(), ref);
  }
  return r.ok();
}

bool ReadRange(JsonReader& r, const Json& obj, const char* key, RangeRef* out) {
  std::string text;
  if (!r.String(obj, key, &text)) return false;
  auto range = ParseRangeRef(text);
  Scope s(r, std::string(key));
  if (!range) return r.Fail("not a range (expected e.g. \"B3:D9\")");
  *out = *range;
  return true;
}

bool ReadConditionalFormats(JsonReader& r, const Json& v, Worksheet& ws) {
  if (!r.ExpectArray(v)) return false;
  for (size_t i = 0; i < v.size() && r.ok(); ++i) {
    Scope scope(r, i);
    const Json& f = v[i];
    if (!r.ExpectObject(f) ||
        !r.OnlyKeys(f, {"range", "type", "operator", "formula1", "formula2", "fontColor", "fillColor"}))
      return false;
    ConditionalFormat cf;
    ReadRange(r, f, "range", &cf.range);
    r.Integer(f, "type", &cf.type);
    r.Integer(f, "operator", &cf.op);
    r.String(f, "formula1", &cf.formula1);
    r.String(f, "formula2", &cf.formula2);
    r.Integer(f, "fontColor", &cf.fontColorIndex);
    r.Integer(f, "fillColor", &cf.interiorColorIndex);
    if (r.ok()) ws.ConditionalFormats().push_back(cf);
  }
  return r.ok();
}

bool ReadChart(JsonReader& r, const Json& v, Chart* chart) {
  if (!r.ExpectObject(v) ||
      !r.OnlyKeys(v, {"type", "source", "plotBy", "title", "hasTitle", "series", "axes"}))
    return false;
  r.Integer(v, "type", &chart->chartType);
  r.String(v, "source", &chart->source);
  r.Integer(v, "plotBy", &chart->plotBy);
  if (v.contains("title")) chart->hasTitle = true;
  r.String(v, "title", &chart->title);
  r.Bool(v, "hasTitle", &chart->hasTitle);
  if (auto it = v.find("series"); it != v.end() && r.ok()) {
    Scope s(r, std::string("series"));
    if (!r.ExpectArray(*it)) return false;
    for (size_t i = 0; i < it->size() && r.ok(); ++i) {
      Scope e(r, i);
      ChartSeries series;
      if (ReadFields(r, (*it)[i], &series, SeriesFields())) chart->series.push_back(series);
    }
  }
  if (auto it = v.find("axes"); it != v.end() && r.ok()) {
    Scope s(r, std::string("axes"));
    if (!r.ExpectArray(*it)) return false;
    for (size_t i = 0; i < it->size() && r.ok(); ++i) {
      Scope e(r, i);
      const Json& a = (*it)[i];
      if (!r.ExpectObject(a)) return false;
      std::string type, group = "primary";
      r.String(a, "type", &type);
      r.String(a, "group", &group);
      if (!r.ok()) return false;
      int t = type == "category" ? 1 : type == "value" ? 2 : 0;
      int g = group == "primary" ? 1 : group == "secondary" ? 2 : 0;
      if (t == 0) {
        Scope k(r, std::string("type"));
        return r.Fail("expected \"category\" or \"value\"");
      }
      if (g == 0) {
        Scope k(r, std::string("group"));
        return r.Fail("expected \"primary\" or \"secondary\"");
      }
      ReadFields(r, a, chart->Axis(t, g), AxisFields(), {"type", "group"});
    }
  }
  return r.ok();
}

// A connector end names its shape; names are resolved once the sheet's shapes are all read.
struct PendingConnection {
  int connectorId;
  bool begin;
  std::string shapeName;
  int site;
  std::string path;
};

bool ReadConnection(JsonReader& r, const Json& obj, const char* key, int connectorId, bool begin,
                    std::vector<PendingConnection>* pending) {
  auto it = obj.find(key);
  if (it == obj.end()) return true;
  Scope s(r, std::string(key));
  if (!r.ExpectObject(*it) || !r.OnlyKeys(*it, {"shape", "site"})) return false;
  PendingConnection p{connectorId, begin, {}, 1, {}};
  r.String(*it, "shape", &p.shapeName);
  r.Integer(*it, "site", &p.site);
  if (!r.ok()) return false;
  if (p.site < 1) {
    Scope k(r, std::string("site"));
    return r.Fail("a connection site is 1 or more");
  }
  {
    Scope k(r, std::string("shape"));
    p.path = r.Path();
  }
  pending->push_back(std::move(p));
  return true;
}

bool ReadNodes(JsonReader& r, const Json& v, std::vector<FreeformNode>* nodes) {
  if (!r.ExpectArray(v)) return false;
  for (size_t i = 0; i < v.size() && r.ok(); ++i) {
    Scope scope(r, i);
    const Json& n = v[i];
    if (!n.is_array() || (n.size() != 2 && n.size() != 4))
      return r.Fail("expected [x, y] or [x, y, segmentType, editingType]");
    FreeformNode node;
    r.ReadNumber(n[0], &node.x);
    r.ReadNumber(n[1], &node.y);
    if (n.size() == 4) {
      r.ReadInteger(n[2], &node.segmentType);
      r.ReadInteger(n[3], &node.editingType);
    }
    nodes->push_back(node);
  }
  return r.ok();
}

bool ReadShape(JsonReader& r, const Json& v, Worksheet& ws, std::vector<PendingConnection>* pending) {
  if (!r.ExpectObject(v)) return false;
  if (!r.OnlyKeys(v, {"name", "id", "type", "autoShapeType", "connectorType", "left", "top", "width",
                      "height", "flipH", "flipV", "placement", "fill", "line", "textFrame",
                      "adjustments", "begin", "end", "nodes", "chart"}))
    return false;
  std::string typeName = "autoshape";
  r.String(v, "type", &typeName);
  ShapeType type;
  if (r.ok() && !ShapeTypeFromName(typeName, &type)) {
    Scope s(r, std::string("type"));
    return r.Fail("unknown shape type (expected autoshape, textbox, connector, freeform or chart)");
  }
  if (!r.ok()) return false;
  Shape shape = DefaultShapeOf(type);
  r.String(v, "name", &shape.name);
  r.Integer(v, "id", &shape.id);
  r.Integer(v, "autoShapeType", &shape.autoShapeType);
  r.Integer(v, "connectorType", &shape.connectorType);
  r.Number(v, "left", &shape.left);
  r.Number(v, "top", &shape.top);
  r.Number(v, "width", &shape.width);
  r.Number(v, "height", &shape.height);
  r.Bool(v, "flipH", &shape.flipHorizontal);
  r.Bool(v, "flipV", &shape.flipVertical);
  r.Integer(v, "placement", &shape.placement);
  for (const char* k : {"width", "height"}) {
    if (r.ok() && v.contains(k) && v[k].get<double>() < 0) {
      Scope s(r, std::string(k));
      return r.Fail("must not be negative");
    }
  }
  if (auto it = v.find("fill"); it != v.end() && r.ok()) {
    Scope s(r, std::string("fill"));
    ReadFields(r, *it, &shape.fill, FillFields());
  }
  if (auto it = v.find("line"); it != v.end() && r.ok()) {
    Scope s(r, std::string("line"));
    ReadFields(r, *it, &shape.line, LineFields());
  }
  if (auto it = v.find("textFrame"); it != v.end() && r.ok()) {
    Scope s(r, std::string("textFrame"));
    ReadFields(r, *it, &shape.textFrame, TextFrameFields());
  }
  if (auto it = v.find("adjustments"); it != v.end() && r.ok()) {
    Scope s(r, std::string("adjustments"));
    if (!r.ExpectArray(*it)) return false;
    for (size_t i = 0; i < it->size() && r.ok(); ++i) {
      Scope e(r, i);
      double a = 0;
      if (r.ReadNumber((*it)[i], &a)) shape.adjustments.push_back(a);
    }
  }
  if (auto it = v.find("nodes"); it != v.end() && r.ok()) {
    Scope s(r, std::string("nodes"));
    ReadNodes(r, *it, &shape.nodes);
  }
  if (auto it = v.find("chart"); it != v.end() && r.ok()) {
    Scope s(r, std::string("chart"));
    if (type != ShapeType::Chart) return r.Fail("only a shape of type chart holds a chart");
    shape.chart = std::make_shared<Chart>();
    ReadChart(r, *it, shape.chart.get());
  }
  if (!r.ok()) return false;
  if (shape.id > 0 && ws.Shapes().FindById(shape.id)) {
    Scope s(r, std::string("id"));
    return r.Fail("another shape of the sheet has id " + std::to_string(shape.id));
  }
  Shape& added = ws.Shapes().Insert(std::move(shape));
  ReadConnection(r, v, "begin", added.id, true, pending);
  ReadConnection(r, v, "end", added.id, false, pending);
  if (r.ok() && (v.contains("begin") || v.contains("end")) && added.type != ShapeType::Connector)
    return r.Fail("only a connector has begin and end");
  return r.ok();
}

bool ReadShapes(JsonReader& r, const Json& v, Worksheet& ws, std::string* connectionError) {
  if (!r.ExpectArray(v)) return false;
  std::vector<PendingConnection> pending;
  for (size_t i = 0; i < v.size() && r.ok(); ++i) {
    Scope scope(r, i);
    ReadShape(r, v[i], ws, &pending);
  }
  if (!r.ok()) return false;
  for (const auto& p : pending) {
    Shape* connector = ws.Shapes().FindById(p.connectorId);
    Shape* target = ws.Shapes().Find(p.shapeName);
    if (!target || target == connector) {
      *connectionError = p.path + ": no other shape of the sheet is named \"" + p.shapeName + "\"";
      return false;
    }
    ws.Shapes().Glue(*connector, p.begin, {target->id, p.site});
  }
  return true;
}

bool ReadSheet(JsonReader& r, const Json& v, Workbook& book, const std::vector<CellStyle>& styles,
               std::string* laterError) {
  if (!r.ExpectObject(v)) return false;
  std::string kind = "worksheet", name;
  r.String(v, "kind", &kind);
  r.String(v, "name", &name);
  if (!r.ok()) return false;
  if (kind != "worksheet" && kind != "chart") {
    Scope s(r, std::string("kind"));
    return r.Fail("expected \"worksheet\" or \"chart\"");
  }
  if (!v.contains("name")) return r.Fail("a sheet needs a name");
  if (!Workbook::IsValidSheetName(name) || book.FindSheet(name)) {
    Scope s(r, std::string("name"));
    return r.Fail(book.FindSheet(name) ? "another sheet has the name \"" + name + "\""
                                       : "not a valid sheet name");
  }
  if (kind == "chart") {
    if (!r.OnlyKeys(v, {"name", "kind", "codeName", "visible", "chart"})) return false;
    ChartSheet* cs = book.AddChartSheet(name);
    r.String(v, "codeName", &cs->codeName);
    r.Bool(v, "visible", &cs->visible);
    if (auto it = v.find("chart"); it != v.end() && r.ok()) {
      Scope s(r, std::string("chart"));
      ReadChart(r, *it, &cs->GetChart());
    }
    return r.ok();
  }
  if (!r.OnlyKeys(v, {"name", "kind", "codeName", "visible", "columns", "rows", "formats", "cells", "names",
                      "conditionalFormats", "shapes"}))
    return false;
  Worksheet* ws = book.AddWorksheet(name);
  r.String(v, "codeName", &ws->codeName);
  r.Bool(v, "visible", &ws->visible);
  if (auto it = v.find("columns"); it != v.end() && r.ok()) {
    Scope s(r, std::string("columns"));
    ReadExtents(r, *it, *ws, true);
  }
  if (auto it = v.find("rows"); it != v.end() && r.ok()) {
    Scope s(r, std::string("rows"));
    ReadExtents(r, *it, *ws, false);
  }
  if (auto it = v.find("formats"); it != v.end() && r.ok()) {
    Scope s(r, std::string("formats"));
    ReadFormats(r, *it, *ws, styles);
  }
  if (auto it = v.find("cells"); it != v.end() && r.ok()) {
    Scope s(r, std::string("cells"));
    ReadCells(r, *it, *ws);
  }
  if (auto it = v.find("names"); it != v.end() && r.ok()) {
    Scope s(r, std::string("names"));
    ReadNames(r, *it, ws->Names());
  }
  if (auto it = v.find("conditionalFormats"); it != v.end() && r.ok()) {
    Scope s(r, std::string("conditionalFormats"));
    ReadConditionalFormats(r, *it, *ws);
  }
  if (auto it = v.find("shapes"); it != v.end() && r.ok()) {
    Scope s(r, std::string("shapes"));
    if (!ReadShapes(r, *it, *ws, laterError) && r.ok()) return false;
  }
  return r.ok();
}

bool ReadApplication(JsonReader& r, const Json& v, ApplicationState* app) {
  if (!r.ExpectObject(v) || !r.OnlyKeys(v, {"activeSheet", "selection", "zoom"})) return false;
  r.String(v, "activeSheet", &app->activeSheet);
  r.Number(v, "zoom", &app->zoom);
  if (auto it = v.find("selection"); it != v.end() && r.ok()) {
    Scope s(r, std::string("selection"));
    if (!r.ExpectObject(*it) || !r.OnlyKeys(*it, {"sheet", "range"})) return false;
    r.String(*it, "sheet", &app->selectionSheet);
    r.String(*it, "range", &app->selection);
  }
  return r.ok();
}

}  // namespace

bool ReadWorkbookJson(const Json& root, Workbook& book, std::string* error) {
  JsonReader r;
  std::string laterError;
  if (r.ExpectObject(root) &&
      r.OnlyKeys(root, {"format", "version", "application", "names", "styles", "sheets"})) {
    std::string format;
    int version = 0;
    r.String(root, "format", &format);
    r.Integer(root, "version", &version);
    if (r.ok() && format != "korvat-workbook") {
      JsonReader::Scope s(r, std::string("format"));
      r.Fail("expected \"korvat-workbook\"");
    }
    if (r.ok() && version != 1) {
      JsonReader::Scope s(r, std::string("version"));
      r.Fail("unsupported version (this build reads version 1)");
    }
    std::vector<CellStyle> styles;
    if (auto it = root.find("styles"); it != root.end() && r.ok()) {
      JsonReader::Scope s(r, std::string("styles"));
      ReadStyleTable(r, *it, &styles);
    }
    auto sheets = root.find("sheets");
    if (r.ok() && sheets == root.end()) r.Fail("missing member \"sheets\"");
    if (r.ok()) {
      JsonReader::Scope s(r, std::string("sheets"));
      if (r.ExpectArray(*sheets)) {
        for (size_t i = 0; i < sheets->size() && r.ok() && laterError.empty(); ++i) {
          JsonReader::Scope e(r, i);
          ReadSheet(r, (*sheets)[i], book, styles, &laterError);
        }
      }
    }
    if (auto it = root.find("names"); it != root.end() && r.ok()) {
      JsonReader::Scope s(r, std::string("names"));
      ReadNames(r, *it, book.Names());
    }
    if (auto it = root.find("application"); it != root.end() && r.ok()) {
      JsonReader::Scope s(r, std::string("application"));
      ReadApplication(r, *it, &book.App());
    }
  }
  if (!r.ok()) {
    *error = r.error();
    return false;
  }
  if (!laterError.empty()) {
    *error = laterError;
    return false;
  }
  return true;
}

}  // namespace korvat::host::file
