// Model -> canonical JSON.

#include <string>

#include "host/file/model_fields.h"
#include "host/file/workbook_file.h"

namespace korvat::host::file {
namespace {

JsonOut ValueJson(const CellValue& v) {
  switch (v.kind) {
    case CellValue::Kind::Number: return NumberJson(v.number);
    case CellValue::Kind::Boolean: return JsonOut(v.AsBool());
    case CellValue::Kind::Text: return JsonOut(v.text);
    default: return JsonOut();
  }
}

JsonOut StyleMembers(const CellStyle& s) {
  JsonOut out = JsonOut::object();
  const CellStyle d;
  JsonOut borders = JsonOut::object();
  for (int e = 0; e < kEdgeCount; ++e) {
    JsonOut b = JsonOut::object();
    WriteFields(b, s.borders[static_cast<size_t>(e)], Border{}, BorderFields());
    if (!b.empty()) borders[EdgeName(static_cast<Edge>(e))] = b;
  }
  if (!borders.empty()) out["b"] = borders;
  JsonOut fill = JsonOut::object();
  WriteFields(fill, s.interior, d.interior, InteriorFields());
  if (!fill.empty()) out["fill"] = fill;
  JsonOut font = JsonOut::object();
  WriteFields(font, s.font, d.font, FontFields());
  if (!font.empty()) out["font"] = font;
  if (s.numberFormat != d.numberFormat) out["nf"] = s.numberFormat;
  if (s.horizontalAlignment != d.horizontalAlignment) out["ha"] = s.horizontalAlignment;
  if (s.verticalAlignment != d.verticalAlignment) out["va"] = s.verticalAlignment;
  return out;
}

// A short form when the cell has no style and its content cannot be mistaken.
JsonOut CellJson(const Cell& c) {
  const bool plain = c.style.IsDefault();
  if (plain && c.HasFormula()) return JsonOut(c.formula);
  if (plain && (c.value.IsNumber() || c.value.IsBoolean())) return ValueJson(c.value);
  if (plain && c.value.IsText() && (c.value.text.empty() || c.value.text.front() != '='))
    return JsonOut(c.value.text);
  JsonOut out = JsonOut::object();
  if (c.HasFormula()) {
    out["f"] = c.formula;
  } else if (c.value.IsError()) {
    out["e"] = CellErrorText(c.value.error);
  } else if (!c.value.IsEmpty()) {
    out["v"] = ValueJson(c.value);
  }
  const JsonOut style = StyleMembers(c.style);
  for (auto it = style.begin(); it != style.end(); ++it) out[it.key()] = it.value();
  return out;
}

JsonOut ExtentsJson(const ExtentIndex& extents, bool columns) {
  JsonOut out = JsonOut::object();
  for (const auto& [i, e] : extents.Explicit()) {
    JsonOut one = JsonOut::object();
    if (e.size != extents.DefaultSize()) one[columns ? "width" : "height"] = NumberJson(e.size);
    if (e.hidden) one["hidden"] = true;
    AppendMember(out, columns ? ColumnLetters(i) : std::to_string(i), one);
  }
  return out;
}

JsonOut NamesJson(const DefinedNames& names) {
  JsonOut out = JsonOut::object();
  for (const auto& [key, e] : names.Entries()) out[e.name] = e.reference;
  return out;
}

JsonOut ChartJson(const Chart& c) {
  const Chart d;
  JsonOut out = JsonOut::object();
  out["type"] = c.chartType;
  if (!c.source.empty()) out["source"] = c.source;
  if (c.plotBy != d.plotBy) out["plotBy"] = c.plotBy;
  if (c.hasTitle || !c.title.empty()) {
    out["title"] = c.title;
    if (!c.hasTitle) out["hasTitle"] = false;
  }
  if (!c.series.empty()) {
    JsonOut series = JsonOut::array();
    for (const auto& s : c.series) {
      JsonOut one = JsonOut::object();
      WriteFields(one, s, ChartSeries{}, SeriesFields());
      series.push_back(one);
    }
    out["series"] = series;
  }
  JsonOut axes = JsonOut::array();
  for (int type = 1; type <= 2; ++type) {
    for (int group = 1; group <= 2; ++group) {
      const ChartAxis& a = *c.Axis(type, group);
      if (a == ChartAxis{}) continue;
      JsonOut one = JsonOut::object();
      one["type"] = type == 1 ? "category" : "value";
      one["group"] = group == 1 ? "primary" : "secondary";
      WriteFields(one, a, ChartAxis{}, AxisFields());
      axes.push_back(one);
    }
  }
  if (!axes.empty()) out["axes"] = axes;
  return out;
}

JsonOut ConnectionJson(const ShapeCollection& shapes, const ConnectorEnd& end) {
  JsonOut out = JsonOut::object();
  const Shape* target = shapes.FindById(end.shapeId);
  out["shape"] = target ? target->name : std::string();
  out["site"] = end.site;
  return out;
}

JsonOut ShapeJson(const ShapeCollection& shapes, const Shape& s) {
  const Shape d = DefaultShapeOf(s.type);
  JsonOut out = JsonOut::object();
  out["name"] = s.name;
  out["id"] = s.id;
  out["type"] = ShapeTypeName(s.type);
  if (s.type == ShapeType::AutoShape) out["autoShapeType"] = s.autoShapeType;
  if (s.type == ShapeType::Connector && s.connectorType != d.connectorType)
    out["connectorType"] = s.connectorType;
  out["left"] = NumberJson(s.left);
  out["top"] = NumberJson(s.top);
  out["width"] = NumberJson(s.width);
  out["height"] = NumberJson(s.height);
  if (s.flipHorizontal) out["flipH"] = true;
  if (s.flipVertical) out["flipV"] = true;
  if (s.placement != d.placement) out["placement"] = s.placement;
  JsonOut fill = JsonOut::object(), line = JsonOut::object(), text = JsonOut::object();
  WriteFields(fill, s.fill, d.fill, FillFields());
  WriteFields(line, s.line, d.line, LineFields());
  WriteFields(text, s.textFrame, d.textFrame, TextFrameFields());
  if (!fill.empty()) out["fill"] = fill;
  if (!line.empty()) out["line"] = line;
  if (!text.empty()) out["textFrame"] = text;
  if (!s.adjustments.empty()) {
    JsonOut adj = JsonOut::array();
    for (double a : s.adjustments) adj.push_back(NumberJson(a));
    out["adjustments"] = adj;
  }
  if (s.beginConnection.connected()) out["begin"] = ConnectionJson(shapes, s.beginConnection);
  if (s.endConnection.connected()) out["end"] = ConnectionJson(shapes, s.endConnection);
  if (!s.nodes.empty()) {
    JsonOut nodes = JsonOut::array();
    for (const auto& n : s.nodes) {
      JsonOut node = JsonOut::array({NumberJson(n.x), NumberJson(n.y)});
      if (n.segmentType != 0 || n.editingType != 0) {
        node.push_back(n.segmentType);
        node.push_back(n.editingType);
      }
      nodes.push_back(node);
    }
    out["nodes"] = nodes;
  }
  if (s.type == ShapeType::Chart && s.chart) out["chart"] = ChartJson(*s.chart);
  return out;
}

JsonOut ConditionalFormatJson(const ConditionalFormat& f) {
  const ConditionalFormat d;
  JsonOut out = JsonOut::object();
  out["range"] = FormatRangeRef(f.range);
  if (f.type != d.type) out["type"] = f.type;
  out["operator"] = f.op;
  out["formula1"] = f.formula1;
  if (!f.formula2.empty()) out["formula2"] = f.formula2;
  if (f.fontColorIndex != d.fontColorIndex) out["fontColor"] = f.fontColorIndex;
  if (f.interiorColorIndex != d.interiorColorIndex) out["fillColor"] = f.interiorColorIndex;
  return out;
}

JsonOut WorksheetJson(const Worksheet& ws) {
  JsonOut out = JsonOut::object();
  out["name"] = ws.Name();
  if (!ws.codeName.empty()) out["codeName"] = ws.codeName;
  if (!ws.visible) out["visible"] = false;
  JsonOut columns = ExtentsJson(ws.Columns(), true);
  if (!columns.empty()) out["columns"] = columns;
  JsonOut rows = ExtentsJson(ws.Rows(), false);
  if (!rows.empty()) out["rows"] = rows;
  JsonOut cells = JsonOut::object();
  for (const auto& [key, cell] : ws.Cells()) {
    JsonOut one = CellJson(cell);
    // A cell record left with nothing to keep (a write the host refused half-way) is not
    // written: the reader would drop it, and the saved text would change on the next save.
    if (one.is_object() && one.empty()) continue;
    AppendMember(cells, FormatCellAddress(Worksheet::KeyRow(key), Worksheet::KeyColumn(key)), std::move(one));
  }
  if (!cells.empty()) out["cells"] = std::move(cells);
  JsonOut names = NamesJson(ws.Names());
  if (!names.empty()) out["names"] = names;
  if (!ws.ConditionalFormats().empty()) {
    JsonOut list = JsonOut::array();
    for (const auto& f : ws.ConditionalFormats()) list.push_back(ConditionalFormatJson(f));
    out["conditionalFormats"] = list;
  }
  if (ws.Shapes().Count() > 0) {
    JsonOut list = JsonOut::array();
    for (const auto& s : ws.Shapes().InZOrder()) list.push_back(ShapeJson(ws.Shapes(), *s));
    out["shapes"] = list;
  }
  return out;
}

JsonOut ChartSheetJson(const ChartSheet& cs) {
  JsonOut out = JsonOut::object();
  out["name"] = cs.Name();
  out["kind"] = "chart";
  if (!cs.codeName.empty()) out["codeName"] = cs.codeName;
  if (!cs.visible) out["visible"] = false;
  out["chart"] = ChartJson(cs.GetChart());
  return out;
}

JsonOut ApplicationJson(const ApplicationState& app) {
  const ApplicationState d;
  JsonOut out = JsonOut::object();
  if (!app.activeSheet.empty()) out["activeSheet"] = app.activeSheet;
  if (!app.selectionSheet.empty() || app.selection != d.selection) {
    JsonOut sel = JsonOut::object();
    if (!app.selectionSheet.empty()) sel["sheet"] = app.selectionSheet;
    sel["range"] = app.selection;
    out["selection"] = sel;
  }
  if (app.zoom != d.zoom) out["zoom"] = NumberJson(app.zoom);
  return out;
}

}  // namespace

std::string WorkbookToText(const Workbook& book) {
  JsonOut root = JsonOut::object();
  root["format"] = "korvat-workbook";
  root["version"] = 1;
  JsonOut app = ApplicationJson(book.App());
  if (!app.empty()) root["application"] = app;
  JsonOut names = NamesJson(book.Names());
  if (!names.empty()) root["names"] = names;
  JsonOut sheets = JsonOut::array();
  for (int i = 0; i < book.SheetCount(); ++i) {
    const Sheet* s = book.SheetAt(i);
    sheets.push_back(s->Kind() == SheetKind::Worksheet ? WorksheetJson(*static_cast<const Worksheet*>(s))
                                                       : ChartSheetJson(*static_cast<const ChartSheet*>(s)));
  }
  root["sheets"] = sheets;
  // Invalid UTF-8 in a text is replaced rather than failing the save.
  return root.dump(2, ' ', false, JsonOut::error_handler_t::replace) + "\n";
}

}  // namespace korvat::host::file
