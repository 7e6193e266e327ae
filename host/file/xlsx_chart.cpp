#include "host/file/xlsx_chart.h"

#include "host/file/xlsx_shape_format.h"
#include "host/file/xlsx_host_ext.h"
#include "host/file/xlsx_xml.h"
#include "host/model/cell_style.h"

namespace korvat::host::file::xlsx {
namespace {

// How a host chart type is drawn: the plot element, its grouping, the bar direction and
// whether series show markers.
struct ChartKind {
  int type;
  const char* element;
  const char* grouping;
  const char* barDir;
  bool markers;
};
constexpr ChartKind kKinds[] = {
    {51, "barChart", "clustered", "col", false},       {52, "barChart", "stacked", "col", false},
    {53, "barChart", "percentStacked", "col", false},  {57, "barChart", "clustered", "bar", false},
    {58, "barChart", "stacked", "bar", false},         {59, "barChart", "percentStacked", "bar", false},
    {4, "lineChart", "standard", "", false},           {65, "lineChart", "standard", "", true},
    {63, "lineChart", "stacked", "", false},           {66, "lineChart", "stacked", "", true},
    {64, "lineChart", "percentStacked", "", false},    {67, "lineChart", "percentStacked", "", true},
    {1, "areaChart", "standard", "", false},           {76, "areaChart", "stacked", "", false},
    {77, "areaChart", "percentStacked", "", false},    {5, "pieChart", "", "", false},
    {-4169, "scatterChart", "", "", true},             {75, "scatterChart", "", "", false},
};

const ChartKind& KindOf(int type) {
  for (const auto& k : kKinds)
    if (k.type == type) return k;
  return kKinds[0];
}

constexpr int kCatAxisId = 50010, kValAxisId = 50020;

std::string RichText(const std::string& text) {
  std::string out = "<c:tx><c:rich><a:bodyPr/><a:lstStyle/><a:p><a:r><a:t>";
  AppendEscaped(out, text, false);
  return out + "</a:t></a:r></a:p></c:rich></c:tx><c:overlay val=\"0\"/>";
}

std::string Formula(const char* element, const char* ref, const std::string& f) {
  std::string out = std::string("<c:") + element + "><c:" + ref + "><c:f>";
  AppendEscaped(out, f, false);
  return out + "</c:f></c:" + ref + "></c:" + element + ">";
}

std::string SeriesXml(const ChartSeries& s, size_t i, const ChartKind& kind) {
  std::string out = "<c:ser><c:idx val=\"" + std::to_string(i) + "\"/><c:order val=\"" + std::to_string(i) + "\"/>";
  if (!s.name.empty()) {
    out += "<c:tx><c:v>";
    AppendEscaped(out, s.name, false);
    out += "</c:v></c:tx>";
  }
  const bool scatter = std::string_view(kind.element) == "scatterChart";
  const bool line = std::string_view(kind.element) == "lineChart";
  if ((line || scatter) && !kind.markers) out += "<c:marker><c:symbol val=\"none\"/></c:marker>";
  if (!s.categories.empty()) out += Formula(scatter ? "xVal" : "cat", "strRef", s.categories);
  out += Formula(scatter ? "yVal" : "val", "numRef", s.values);
  if (line || scatter) out += "<c:smooth val=\"0\"/>";
  return out + "</c:ser>";
}

std::string AxisXml(const char* element, int id, int crossId, const char* position, const ChartAxis& a,
                    bool category) {
  std::string out = std::string("<c:") + element + "><c:axId val=\"" + std::to_string(id) +
                    "\"/><c:scaling><c:orientation val=\"minMax\"/></c:scaling><c:delete val=\"" +
                    (a.exists ? "0" : "1") + "\"/><c:axPos val=\"" + position + "\"/>";
  if (a.hasTitle) out += "<c:title>" + RichText(a.title) + "</c:title>";
  out += "<c:numFmt formatCode=\"General\" sourceLinked=\"1\"/><c:majorTickMark val=\"out\"/><c:minorTickMark "
         "val=\"none\"/><c:tickLblPos val=\"nextTo\"/><c:crossAx val=\"" +
         std::to_string(crossId) + "\"/><c:crosses val=\"autoZero\"/>";
  if (category) {
    out += std::string("<c:auto val=\"") + (a.categoryType == kAutomatic ? "1" : "0") + "\"/><c:lblAlgn val=\"ctr\"/><c:lblOffset val=\"100\"/>";
  } else {
    out += "<c:crossBetween val=\"between\"/>";
  }
  return out + "</c:" + element + ">";
}


std::string PlotXml(const Chart& c, const ChartKind& kind) {
  std::string out = "<c:plotArea><c:layout/><c:" + std::string(kind.element) + ">";
  const std::string_view element = kind.element;
  if (element == "barChart") out += std::string("<c:barDir val=\"") + kind.barDir + "\"/>";
  if (element == "scatterChart") out += std::string("<c:scatterStyle val=\"") + (kind.markers ? "lineMarker" : "line") + "\"/>";
  if (*kind.grouping) out += std::string("<c:grouping val=\"") + kind.grouping + "\"/>";
  out += "<c:varyColors val=\"0\"/>";
  for (size_t i = 0; i < c.series.size(); ++i) out += SeriesXml(c.series[i], i, kind);
  if (element == "barChart") {
    out += "<c:gapWidth val=\"150\"/>";
    if (std::string_view(kind.grouping) != "clustered") out += "<c:overlap val=\"100\"/>";
  }
  if (element == "lineChart") out += std::string("<c:marker val=\"") + (kind.markers ? "1" : "0") + "\"/>";
  if (element == "pieChart") {
    out += "<c:firstSliceAng val=\"0\"/></c:pieChart>";
  } else {
    out += "<c:axId val=\"" + std::to_string(kCatAxisId) + "\"/><c:axId val=\"" + std::to_string(kValAxisId) + "\"/></c:" +
           std::string(kind.element) + ">";
    const ChartAxis& cat = *c.Axis(1, 1);
    const ChartAxis& val = *c.Axis(2, 1);
    const bool bar = std::string_view(kind.barDir) == "bar";
    if (element == "scatterChart")
      out += AxisXml("valAx", kCatAxisId, kValAxisId, "b", cat, false);
    else
      out += AxisXml(cat.categoryType == 3 ? "dateAx" : "catAx", kCatAxisId, kValAxisId, bar ? "l" : "b", cat, true);
    out += AxisXml("valAx", kValAxisId, kCatAxisId, bar ? "b" : "l", val, false);
  }
  return out + "</c:plotArea>";
}

std::string Markup(const Chart& c, const FillFormat& fill, const LineFormat& line, const std::string& ext) {
  const ChartKind& kind = KindOf(c.chartType);
  std::string out = "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n";
  out += std::string("<c:chartSpace xmlns:c=\"") + ns::kChart + "\" xmlns:a=\"" + ns::kDrawingMain + "\" xmlns:r=\"" +
         ns::kRel + "\"><c:roundedCorners val=\"0\"/><c:chart>";
  if (c.hasTitle) out += "<c:title>" + RichText(c.title) + "</c:title><c:autoTitleDeleted val=\"0\"/>";
  else out += "<c:autoTitleDeleted val=\"1\"/>";
  out += PlotXml(c, kind);
  out += "<c:legend><c:legendPos val=\"r\"/><c:overlay val=\"0\"/></c:legend><c:plotVisOnly val=\"1\"/>"
         "<c:dispBlanksAs val=\"gap\"/></c:chart>";
  out += "<c:spPr>" + FillXml(fill) + LineXml(line) + "</c:spPr>";
  if (!ext.empty()) out += "<c:extLst>" + ext + "</c:extLst>";
  return out + "</c:chartSpace>";
}

std::string TitleText(const pugi::xml_node& title) {
  pugi::xml_node tx = Child(title, "tx");
  if (pugi::xml_node rich = Child(tx, "rich")) {
    std::string text;
    bool first = true;
    for (const pugi::xml_node& p : Children(rich, "p")) {
      if (!first) text += '\n';
      first = false;
      for (const pugi::xml_node& r : Children(p, "r")) text += DeepText(Child(r, "t"));
    }
    return text;
  }
  if (pugi::xml_node ref = Child(tx, "strRef")) return DeepText(Child(Child(ref, "strCache"), "pt"));
  return {};
}

std::string SeriesFormula(const pugi::xml_node& ser, const char* element, const char* alternative) {
  pugi::xml_node e = Child(ser, element);
  if (!e) e = Child(ser, alternative);
  for (const char* ref : {"numRef", "strRef", "multiLvlStrRef"})
    if (pugi::xml_node r = Child(e, ref)) return DeepText(Child(r, "f"));
  return {};
}

void ReadAxis(const pugi::xml_node& ax, ChartAxis* a, bool category) {
  if (!ax) return;
  a->exists = !BoolAttr(Child(ax, "delete"), "val", false);
  if (pugi::xml_node t = Child(ax, "title")) {
    a->hasTitle = true;
    a->title = TitleText(t);
  }
  if (category) {
    if (LocalName(ax) == "dateAx") a->categoryType = 3;
    else a->categoryType = BoolAttr(Child(ax, "auto"), "val", true) ? kAutomatic : 2;
  }
}

int TypeOf(const pugi::xml_node& group) {
  const std::string_view element = LocalName(group);
  const std::string grouping = Child(group, "grouping").attribute("val").value();
  const std::string barDir = Child(group, "barDir").attribute("val").value();
  bool markers = true;
  if (element == "lineChart") {
    markers = BoolAttr(Child(group, "marker"), "val", true);
    for (const pugi::xml_node& ser : Children(group, "ser"))
      if (std::string_view(Child(Child(ser, "marker"), "symbol").attribute("val").value()) == "none") markers = false;
  }
  if (element == "scatterChart") {
    std::string_view style = Child(group, "scatterStyle").attribute("val").value();
    markers = style != "line" && style != "smooth";
  }
  for (const auto& k : kKinds) {
    if (element != k.element) continue;
    if (*k.grouping && grouping != k.grouping && !(grouping.empty() && std::string_view(k.grouping) == "clustered") &&
        !(grouping.empty() && std::string_view(k.grouping) == "standard"))
      continue;
    if (*k.barDir && barDir != k.barDir && !(barDir.empty() && std::string_view(k.barDir) == "col")) continue;
    if ((element == "lineChart" || element == "scatterChart") && k.markers != markers) continue;
    return k.type;
  }
  return kChartColumnClustered;
}

// The chart the standard markup says, without the extension.
void ReadStandard(const pugi::xml_node& root, const ThemeColors& theme, Chart* chart, FillFormat* fill,
                  LineFormat* line) {
  pugi::xml_node c = Child(root, "chart");
  pugi::xml_node title = Child(c, "title");
  chart->hasTitle = title && !BoolAttr(Child(c, "autoTitleDeleted"), "val", false);
  if (title) chart->title = TitleText(title);
  pugi::xml_node plot = Child(c, "plotArea");
  pugi::xml_node group;
  for (pugi::xml_node g = plot.first_child(); g && !group; g = g.next_sibling()) {
    std::string_view n = LocalName(g);
    if (n.size() > 5 && n.substr(n.size() - 5) == "Chart") group = g;
  }
  if (group) {
    chart->chartType = TypeOf(group);
    for (const pugi::xml_node& ser : Children(group, "ser")) {
      ChartSeries s;
      pugi::xml_node tx = Child(ser, "tx");
      if (pugi::xml_node v = Child(tx, "v")) s.name = DeepText(v);
      else if (pugi::xml_node ref = Child(tx, "strRef")) s.name = DeepText(Child(Child(ref, "strCache"), "pt"));
      s.values = SeriesFormula(ser, "val", "yVal");
      s.categories = SeriesFormula(ser, "cat", "xVal");
      chart->series.push_back(s);
    }
    const bool scatter = LocalName(group) == "scatterChart";
    std::vector<pugi::xml_node> valAxes = Children(plot, "valAx");
    pugi::xml_node cat = Child(plot, "catAx");
    if (!cat) cat = Child(plot, "dateAx");
    if (scatter && valAxes.size() >= 2) {
      ReadAxis(valAxes[0], chart->Axis(1, 1), false);
      ReadAxis(valAxes[1], chart->Axis(2, 1), false);
    } else {
      ReadAxis(cat, chart->Axis(1, 1), true);
      if (!valAxes.empty()) ReadAxis(valAxes[0], chart->Axis(2, 1), false);
    }
  }
  if (pugi::xml_node spPr = Child(root, "spPr")) ReadFillAndLine(spPr, theme, fill, line);
}

void AxisExt(HostAttributes& host, const std::string& prefix, const ChartAxis& exact, const ChartAxis& back) {
  if (exact.exists != back.exists) host.Set(prefix + "e", exact.exists ? 1 : 0);
  if (exact.categoryType != back.categoryType) host.Set(prefix + "ct", exact.categoryType);
  if (exact.hasTitle != back.hasTitle) host.Set(prefix + "ht", exact.hasTitle ? 1 : 0);
  if (exact.title != back.title) host.Set(prefix + "tt", exact.title);
}

void ApplyAxisExt(const std::map<std::string, std::string>& ext, const std::string& prefix, ChartAxis* a) {
  int v = 0;
  if (HostInteger(ext, prefix + "e", &v)) a->exists = v != 0;
  HostInteger(ext, prefix + "ct", &a->categoryType);
  if (HostInteger(ext, prefix + "ht", &v)) a->hasTitle = v != 0;
  if (auto it = ext.find(prefix + "tt"); it != ext.end()) a->title = it->second;
}

void ApplyExt(const std::map<std::string, std::string>& ext, Chart* c) {
  HostInteger(ext, "type", &c->chartType);
  HostInteger(ext, "plotBy", &c->plotBy);
  if (auto it = ext.find("source"); it != ext.end()) c->source = it->second;
  int v = 0;
  if (HostInteger(ext, "hasTitle", &v)) c->hasTitle = v != 0;
  if (auto it = ext.find("title"); it != ext.end()) c->title = it->second;
  for (int t = 1; t <= 2; ++t)
    for (int g = 1; g <= 2; ++g) ApplyAxisExt(ext, "a" + std::to_string(t) + std::to_string(g), c->Axis(t, g));
}

}  // namespace

std::string ChartXml(const Chart& chart, const FillFormat& fill, const LineFormat& line) {
  std::string plain = Markup(chart, fill, line, {});
  pugi::xml_document doc;
  doc.load_buffer(plain.data(), plain.size());
  Chart back;
  FillFormat backFill = fill;
  LineFormat backLine = line;
  ReadStandard(doc.document_element(), ThemeColors::Default(), &back, &backFill, &backLine);
  HostAttributes host;
  if (chart.chartType != back.chartType) host.Set("type", chart.chartType);
  if (chart.plotBy != back.plotBy) host.Set("plotBy", chart.plotBy);
  if (chart.source != back.source) host.Set("source", chart.source);
  if (chart.hasTitle != back.hasTitle) host.Set("hasTitle", chart.hasTitle ? 1 : 0);
  if (chart.title != back.title) host.Set("title", chart.title);
  for (int t = 1; t <= 2; ++t)
    for (int g = 1; g <= 2; ++g)
      AxisExt(host, "a" + std::to_string(t) + std::to_string(g), *chart.Axis(t, g), *back.Axis(t, g));
  if (host.empty()) return plain;
  return Markup(chart, fill, line, host.ExtXml("chart"));
}

bool ReadChart(const pugi::xml_node& root, const std::string& part, const ThemeColors& theme, Chart* chart,
               FillFormat* fill, LineFormat* line, std::string* error) {
  if (LocalName(root) != "chartSpace") {
    *error = part + ": not a chart part (its root is <" + std::string(root.name()) + ">)";
    return false;
  }
  ReadStandard(root, theme, chart, fill, line);
  ApplyExt(ReadHostExt(root), chart);
  return true;
}

}  // namespace korvat::host::file::xlsx
