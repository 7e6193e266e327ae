#include "host/file/xlsx_writer.h"

#include <algorithm>
#include <cmath>
#include <set>

#include "host/file/xlsx_chart.h"
#include "host/file/xlsx_drawing.h"
#include "host/file/xlsx_host_ext.h"
#include "host/file/xlsx_part_merge.h"
#include "host/file/xlsx_styles.h"
#include "host/file/xlsx_worksheet.h"
#include "host/file/xlsx_xml.h"
#include "host/model/text_compare.h"

namespace korvat::host::file::xlsx {
namespace {

const std::vector<std::string>& WorkbookOrder() {
  static const std::vector<std::string> order = {
      "fileVersion", "fileSharing", "workbookPr", "workbookProtection", "bookViews", "sheets", "functionGroups",
      "externalReferences", "definedNames", "calcPr", "oleSize", "customWorkbookViews", "pivotCaches",
      "smartTagPr", "smartTagTypes", "webPublishing", "fileRecoveryPr", "webPublishObjects", "extLst"};
  return order;
}

std::string Rel(const char* role) { return std::string(rel::kBase) + role; }

class Writer {
 public:
  Writer(const Workbook& book, const PackageSource* source, bool macroEnabled)
      : book_(book), source_(source), macro_(macroEnabled),
        styles_(source && source->stylesDoc ? source->stylesDoc->document_element() : pugi::xml_node()) {}

  bool Run(std::string* bytes, std::string* error) {
    StartPackage();
    const std::string workbookPart = source_ ? source_->workbookPart : "xl/workbook.xml";
    Relationships workbookRels = KeptWorkbookRelationships();
    ReserveKeptSheetParts();
    std::string sheets;
    for (int i = 0; i < book_.SheetCount(); ++i) sheets += WriteSheet(*book_.SheetAt(i), i, workbookPart, workbookRels);
    if (source_)
      for (const auto& carried : source_->carriedSheets) sheets += carried;

    const std::string stylesPart = NewPart("xl/styles", ".xml", "xl/styles.xml");
    const std::string stringsPart = NewPart("xl/sharedStrings", ".xml", "xl/sharedStrings.xml");
    workbookRels.list.push_back({workbookRels.NewId(), Rel(rel::kStyles), RelativeTarget(workbookPart, stylesPart)});
    workbookRels.list.push_back({workbookRels.NewId(), Rel(rel::kSharedStrings), RelativeTarget(workbookPart, stringsPart)});
    Put(stylesPart, styles_.Xml(), ct::kStyles);
    Put(stringsPart, strings_.Xml(), ct::kSharedStrings);
    Put(workbookPart, WorkbookXml(sheets), macro_ ? ct::kMacroWorkbook : ct::kWorkbook);
    out_.Put(RelationshipsPartName(workbookPart), RelationshipsXml(workbookRels));
    types_.SetDefault("rels", ct::kRelationships);
    types_.SetDefault("xml", "application/xml");
    out_.Put("[Content_Types].xml", types_.Xml());
    return WritePackage(out_, bytes, error);
  }

 private:
  // ---- the package around the model's parts

  void Drop(const std::string& part) {
    if (part.empty()) return;
    out_.Remove(part);
    out_.Remove(RelationshipsPartName(part));
    types_.RemoveOverride(part);
  }

  void StartPackage() {
    if (!source_) {
      out_.Put("[Content_Types].xml", "");
      Relationships root;
      root.list.push_back({"rId1", Rel(rel::kOfficeDocument), "xl/workbook.xml"});
      out_.Put("_rels/.rels", RelationshipsXml(root));
      return;
    }
    out_ = source_->package;
    types_ = source_->types;
    // The model's parts are written anew; the calculation chain would name stale cells.
    for (const auto& r : source_->workbookRels.list) {
      const std::string role = r.Role();
      if (r.external) continue;
      if (role == rel::kWorksheet || role == rel::kChartsheet || role == rel::kStyles ||
          role == rel::kSharedStrings || role == rel::kCalcChain || (role == rel::kVbaProject && !macro_))
        Drop(ResolveTarget(source_->workbookPart, r.target));
    }
    for (const auto& s : source_->sheets) {
      Drop(s.part);
      Drop(s.drawingPart);
      for (const auto& c : s.chartParts) Drop(c);
    }
    out_.Remove(RelationshipsPartName(source_->workbookPart));
  }

  Relationships KeptWorkbookRelationships() const {
    Relationships kept;
    if (!source_) return kept;
    for (const auto& r : source_->workbookRels.list) {
      const std::string role = r.Role();
      if (role == rel::kWorksheet || role == rel::kChartsheet || role == rel::kStyles ||
          role == rel::kSharedStrings || role == rel::kCalcChain || (role == rel::kVbaProject && !macro_)) {
        // Carried sheets keep their relationship.
        bool carried = false;
        if (source_)
          for (const auto& c : source_->carriedSheets) carried = carried || c.find("\"" + r.id + "\"") != std::string::npos;
        if (!carried) continue;
      }
      kept.list.push_back(r);
    }
    return kept;
  }

  // Sheets read from the package keep their parts; a sheet added before them in the tab
  // order must not be given one of those names.
  void ReserveKeptSheetParts() {
    if (!source_) return;
    for (int i = 0; i < book_.SheetCount(); ++i)
      if (const PackageSource::SheetPart* from = source_->PartOf(*book_.SheetAt(i))) used_.insert(FoldCase(from->part));
  }

  // A part name not taken: `preferred` when free, else stem + the first free number + ext.
  std::string NewPart(const std::string& stem, const std::string& ext, const std::string& preferred = {}) {
    auto taken = [&](const std::string& name) { return out_.Contains(name) || used_.count(FoldCase(name)); };
    std::string name = preferred;
    for (int n = 1; name.empty() || taken(name); ++n) name = stem + std::to_string(n) + ext;
    used_.insert(FoldCase(name));
    return name;
  }

  void Put(const std::string& part, std::string data, const char* type) {
    out_.Put(part, std::move(data));
    types_.SetOverride(part, type);
  }

  // ---- sheets

  SheetView ViewOf(const Sheet& sheet, int index) const {
    SheetView v;
    const ApplicationState& app = book_.App();
    const Sheet* active = app.activeSheet.empty() ? nullptr : book_.FindSheet(app.activeSheet);
    const Sheet* shown = active ? active : book_.SheetAt(0);
    v.tabSelected = &sheet == shown;
    const Sheet* selectionSheet = app.selectionSheet.empty() ? shown : book_.FindSheet(app.selectionSheet);
    if (&sheet == selectionSheet) {
      v.hasSelection = true;
      v.selection = app.selection;
    }
    if (&sheet == shown) v.zoom = std::round(app.zoom);
    return v;
  }

  std::string WriteSheet(const Sheet& sheet, int index, const std::string& workbookPart, Relationships& workbookRels) {
    const PackageSource::SheetPart* from = source_ ? source_->PartOf(sheet) : nullptr;
    const bool chart = sheet.Kind() == SheetKind::ChartSheet;
    const std::string part = from ? from->part
                             : chart ? NewPart("xl/chartsheets/sheet", ".xml")
                                     : NewPart("xl/worksheets/sheet", ".xml");
    used_.insert(FoldCase(part));
    Relationships rels;
    if (from)
      for (const auto& r : from->rels.list)
        if (r.Role() != rel::kDrawing) rels.list.push_back(r);
    std::string drawingRelId;
    if (chart) {
      drawingRelId = WriteChartSheetDrawing(static_cast<const ChartSheet&>(sheet), part, rels);
      Put(part, ChartSheetXml(static_cast<const ChartSheet&>(sheet), index, drawingRelId, from), ct::kChartsheet);
    } else {
      const auto& ws = static_cast<const Worksheet&>(sheet);
      drawingRelId = WriteDrawing(ws, part, rels, from);
      WorksheetWrite w;
      w.styles = &styles_;
      w.strings = &strings_;
      w.drawingRelId = drawingRelId;
      w.view = ViewOf(sheet, index);
      if (from) {
        w.original = from->doc->document_element();
        w.carriedConditionalFormats = from->carriedConditionalFormats;
      }
      Put(part, WorksheetXml(ws, w), ct::kWorksheet);
    }
    if (rels.list.empty()) out_.Remove(RelationshipsPartName(part));
    else out_.Put(RelationshipsPartName(part), RelationshipsXml(rels));

    const std::string id = workbookRels.NewId();
    workbookRels.list.push_back({id, Rel(chart ? rel::kChartsheet : rel::kWorksheet), RelativeTarget(workbookPart, part)});
    int sheetId = from && from->sheetId > 0 ? from->sheetId : 0;
    if (sheetId == 0 || !sheetIds_.insert(sheetId).second) {
      sheetId = 1;
      while (sheetIds_.count(sheetId) || SourceUsesSheetId(sheetId)) ++sheetId;
      sheetIds_.insert(sheetId);
    }
    std::string out = "<sheet name=\"";
    AppendEscaped(out, sheet.Name(), true);
    out += "\" sheetId=\"" + std::to_string(sheetId) + "\"";
    if (!sheet.visible) out += from && from->veryHidden ? " state=\"veryHidden\"" : " state=\"hidden\"";
    return out + " r:id=\"" + id + "\"/>";
  }

  bool SourceUsesSheetId(int id) const {
    if (!source_) return false;
    for (const auto& s : source_->sheets)
      if (s.sheetId == id && !s.sheet.expired()) return true;
    return false;
  }

  std::string ChartPart(const Chart& chart, const FillFormat& fill, const LineFormat& line) {
    const std::string part = NewPart("xl/charts/chart", ".xml");
    Put(part, ChartXml(chart, fill, line), ct::kChart);
    return part;
  }

  std::string WriteDrawing(const Worksheet& ws, const std::string& sheetPart, Relationships& sheetRels,
                           const PackageSource::SheetPart* from) {
    const std::vector<std::string> none;
    const std::vector<std::string>& carried = from ? from->carriedAnchors : none;
    if (ws.Shapes().Count() == 0 && carried.empty()) return {};
    const std::string part = NewPart("xl/drawings/drawing", ".xml");
    Relationships rels;
    // The charts the model read are written anew; any other target (images, charts inside
    // carried groups) keeps its relationship.
    if (from)
      for (const auto& r : from->drawingRels.list) {
        const std::string target = r.external ? std::string() : ResolveTarget(from->drawingPart, r.target);
        const bool read = std::find(from->chartParts.begin(), from->chartParts.end(), target) != from->chartParts.end();
        if (r.Role() != rel::kChart || !read) rels.list.push_back(r);
      }
    auto chartRel = [&](const Shape& s) {
      static const Chart empty;
      const std::string chartPart = ChartPart(s.chart ? *s.chart : empty, s.fill, s.line);
      const std::string id = rels.NewId();
      rels.list.push_back({id, Rel(rel::kChart), RelativeTarget(part, chartPart)});
      return id;
    };
    Put(part, DrawingXml(ws, carried, chartRel, from && from->drawingDoc ? from->drawingDoc->document_element()
                                                                          : pugi::xml_node()),
        ct::kDrawing);
    if (!rels.list.empty()) out_.Put(RelationshipsPartName(part), RelationshipsXml(rels));
    const std::string id = sheetRels.NewId();
    sheetRels.list.push_back({id, Rel(rel::kDrawing), RelativeTarget(sheetPart, part)});
    return id;
  }

  std::string WriteChartSheetDrawing(const ChartSheet& cs, const std::string& sheetPart, Relationships& sheetRels) {
    const std::string part = NewPart("xl/drawings/drawing", ".xml");
    const Shape area = DefaultShapeOf(ShapeType::Chart);
    const std::string chartPart = ChartPart(cs.GetChart(), area.fill, area.line);
    Relationships rels;
    rels.list.push_back({"rId1", Rel(rel::kChart), RelativeTarget(part, chartPart)});
    Put(part, ChartSheetDrawingXml("rId1"), ct::kDrawing);
    out_.Put(RelationshipsPartName(part), RelationshipsXml(rels));
    const std::string id = sheetRels.NewId();
    sheetRels.list.push_back({id, Rel(rel::kDrawing), RelativeTarget(sheetPart, part)});
    return id;
  }

  std::string ChartSheetXml(const ChartSheet& cs, int index, const std::string& drawingRelId,
                            const PackageSource::SheetPart* from) {
    const pugi::xml_node original = from ? from->doc->document_element() : pugi::xml_node();
    std::map<std::string, std::string> generated;
    std::string pr = "<sheetPr";
    if (!cs.codeName.empty()) {
      pr += " codeName=\"";
      AppendEscaped(pr, cs.codeName, true);
      pr += "\"";
    }
    generated["sheetPr"] = pr + "/>";
    generated["sheetViews"] = std::string("<sheetViews><sheetView ") + (ViewOf(cs, index).tabSelected ? "tabSelected=\"1\" " : "") +
                              "workbookViewId=\"0\"/></sheetViews>";
    generated["drawing"] = "<drawing r:id=\"" + drawingRelId + "\"/>";
    static const std::vector<std::string> order = {"sheetPr", "sheetViews", "sheetProtection", "customSheetViews",
                                                   "pageMargins", "pageSetup", "headerFooter", "drawing",
                                                   "legacyDrawing", "legacyDrawingHF", "drawingHF", "picture",
                                                   "webPublishItems", "extLst"};
    return "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n" +
           RootStartTag("chartsheet", {{"xmlns", ns::kMain}, {"xmlns:r", ns::kRel}}, original) +
           MergeChildren(original, order, generated) + "</chartsheet>";
  }

  // ---- the workbook part

  std::string DefinedNameXml(const DefinedNames::Entry& e, int localSheet) const {
    std::string out = "<definedName name=\"";
    AppendEscaped(out, e.name, true);
    out += "\"";
    if (localSheet >= 0) out += " localSheetId=\"" + std::to_string(localSheet) + "\"";
    // What the file said of the name beyond its reference (hidden, a comment) stays.
    if (pugi::xml_node original = OriginalName(e.name, localSheet)) {
      for (pugi::xml_attribute a = original.first_attribute(); a; a = a.next_attribute()) {
        std::string_view n = a.name();
        if (n == "name" || n == "localSheetId") continue;
        out += " " + std::string(n) + "=\"";
        AppendEscaped(out, a.value(), true);
        out += "\"";
      }
    }
    out += ">";
    AppendEscaped(out, e.reference, false);
    return out + "</definedName>";
  }

  pugi::xml_node OriginalName(const std::string& name, int localSheet) const {
    if (!source_) return {};
    pugi::xml_node names = Child(source_->workbookDoc->document_element(), "definedNames");
    for (const pugi::xml_node& n : Children(names, "definedName")) {
      if (!EqualsIgnoreCase(n.attribute("name").value(), name)) continue;
      const int64_t local = Attr(n, "localSheetId") ? IntegerAttr(n, "localSheetId", -2) : -1;
      if (local == localSheet) return n;
    }
    return {};
  }

  std::string DefinedNamesXml() const {
    std::string names;
    for (const auto& [key, e] : book_.Names().Entries()) names += DefinedNameXml(e, -1);
    for (int i = 0; i < book_.SheetCount(); ++i) {
      const Sheet* s = book_.SheetAt(i);
      if (s->Kind() != SheetKind::Worksheet) continue;
      for (const auto& [key, e] : static_cast<const Worksheet*>(s)->Names().Entries()) names += DefinedNameXml(e, i);
    }
    return names.empty() ? names : "<definedNames>" + names + "</definedNames>";
  }

  std::string BookViewsXml(const pugi::xml_node& original) const {
    pugi::xml_document doc;
    pugi::xml_node views = Child(original, "bookViews");
    pugi::xml_node copy = views ? doc.append_copy(views) : doc.append_child("bookViews");
    pugi::xml_node view = Child(copy, "workbookView");
    if (!view) view = copy.append_child("workbookView");
    view.remove_attribute("activeTab");
    view.remove_attribute("firstSheet");
    const ApplicationState& app = book_.App();
    const Sheet* active = app.activeSheet.empty() ? nullptr : book_.FindSheet(app.activeSheet);
    if (active) view.append_attribute("activeTab").set_value(std::to_string(book_.IndexOf(*active)).c_str());
    return RawXml(copy);
  }

  // The application state the sheets' views cannot carry exactly.
  HostAttributes ApplicationExt() const {
    HostAttributes host;
    const ApplicationState& app = book_.App();
    const Sheet* active = app.activeSheet.empty() ? nullptr : book_.FindSheet(app.activeSheet);
    if (!app.activeSheet.empty() && (!active || active->Name() != app.activeSheet)) host.Set("activeSheet", app.activeSheet);
    if (!app.selectionSheet.empty()) host.Set("selectionSheet", app.selectionSheet);
    const Sheet* shown = active ? active : book_.SheetAt(0);
    const Sheet* selected = app.selectionSheet.empty() ? shown : book_.FindSheet(app.selectionSheet);
    // A selection survives a sheet's view when it is on a worksheet, as a list with commas.
    const bool inView = selected && selected->Kind() == SheetKind::Worksheet && !app.selection.empty() &&
                        app.selection.find(' ') == std::string::npos;
    if (!inView && app.selection != ApplicationState{}.selection) host.Set("selection", app.selection);
    if (app.zoom != std::round(app.zoom) || app.zoom <= 0 || (app.zoom != 100 && (!shown || shown->Kind() != SheetKind::Worksheet)))
      host.SetNumber("zoom", app.zoom);
    return host;
  }

  std::string ExtListXml(const pugi::xml_node& original) const {
    return MergedExtList(original, ApplicationExt().ExtXml("application"));
  }

  std::string WorkbookXml(const std::string& sheets) const {
    const pugi::xml_node original = source_ ? source_->workbookDoc->document_element() : pugi::xml_node();
    std::map<std::string, std::string> generated;
    generated["bookViews"] = BookViewsXml(original);
    generated["sheets"] = "<sheets>" + sheets + "</sheets>";
    generated["definedNames"] = DefinedNamesXml();
    generated["extLst"] = ExtListXml(original);
    if (!Child(original, "calcPr")) generated["calcPr"] = "<calcPr calcId=\"191029\"/>";
    return "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n" +
           RootStartTag("workbook", {{"xmlns", ns::kMain}, {"xmlns:r", ns::kRel}}, original) +
           MergeChildren(original, WorkbookOrder(), generated) + "</workbook>";
  }

  const Workbook& book_;
  const PackageSource* source_;
  bool macro_;
  Package out_;
  ContentTypes types_;
  StyleWriter styles_;
  SharedStrings strings_;
  std::set<std::string> used_;
  std::set<int> sheetIds_;
};

}  // namespace

bool WriteXlsx(const Workbook& workbook, const PackageSource* source, bool macroEnabled, std::string* bytes,
               std::string* error) {
  Writer writer(workbook, source, macroEnabled);
  return writer.Run(bytes, error);
}

}  // namespace korvat::host::file::xlsx
