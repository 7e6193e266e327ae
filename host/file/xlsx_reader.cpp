#include "host/file/xlsx_reader.h"

#include <map>

#include "host/file/xlsx_chart.h"
#include "host/file/xlsx_color.h"
#include "host/file/xlsx_drawing.h"
#include "host/file/xlsx_host_ext.h"
#include "host/file/xlsx_styles.h"
#include "host/file/xlsx_worksheet.h"
#include "host/file/xlsx_xml.h"

namespace korvat::host::file {

const PackageSource::SheetPart* PackageSource::PartOf(const Sheet& sheet) const {
  for (const auto& s : sheets) {
    std::shared_ptr<Sheet> alive = s.sheet.lock();
    if (alive && alive.get() == &sheet) return &s;
  }
  return nullptr;
}

namespace xlsx {
namespace {

class Reader {
 public:
  Reader(std::string_view bytes, const PackageLimits& limits) : bytes_(bytes), limits_(limits) {}

  bool Run() {
    source_ = std::make_shared<PackageSource>();
    book_ = std::make_unique<Workbook>();
    if (!ReadPackage(bytes_, limits_, &source_->package, &error_)) return false;
    if (!source_->types.Read(source_->package, &error_)) return false;
    if (!FindWorkbookPart()) return false;
    source_->workbookDoc = Parse(source_->workbookPart);
    if (!source_->workbookDoc) return false;
    if (!ReadRelationships(source_->package, source_->workbookPart, &source_->workbookRels, &error_)) return false;
    source_->macroEnabled = source_->types.TypeOf(source_->workbookPart) == ct::kMacroWorkbook ||
                            source_->workbookRels.FirstWithRole(rel::kVbaProject) != nullptr;
    theme_ = ReadThemeColors(source_->package, TargetOf(source_->workbookPart, source_->workbookRels, "theme"));
    return ReadStylesPart() && ReadStringsPart() && ReadSheets() && ReadNames() && ReadApplication();
  }

  XlsxRead Result() {
    XlsxRead r;
    if (error_.empty()) {
      r.workbook = std::move(book_);
      r.source = std::move(source_);
    } else {
      r.error = error_;
    }
    return r;
  }

 private:
  bool Fail(std::string message) {
    error_ = std::move(message);
    return false;
  }

  std::shared_ptr<pugi::xml_document> Parse(const std::string& part) {
    const std::string* data = source_->package.Find(part);
    if (!data) {
      Fail(part + ": the package has no such part");
      return nullptr;
    }
    auto doc = std::make_shared<pugi::xml_document>();
    if (!ParseXml(*data, part, doc.get(), &error_)) return nullptr;
    return doc;
  }

  std::string TargetOf(const std::string& from, const Relationships& rels, const char* role) {
    const Relationship* r = rels.FirstWithRole(role);
    return r && !r->external ? ResolveTarget(from, r->target) : std::string();
  }

  bool FindWorkbookPart() {
    Relationships root;
    if (!ReadRelationships(source_->package, "", &root, &error_)) return false;
    std::string part = TargetOf("", root, rel::kOfficeDocument);
    if (part.empty()) {
      const Relationship* r = root.FirstWithRole(rel::kOfficeDocument);
      if (r && !r->external) return Fail("_rels/.rels: the workbook target \"" + r->target + "\" leaves the package");
      part = "xl/workbook.xml";
    }
    if (!source_->package.Contains(part)) return Fail("the package has no workbook part (" + part + ")");
    source_->workbookPart = part;
    return true;
  }

  bool ReadStylesPart() {
    const std::string part = TargetOf(source_->workbookPart, source_->workbookRels, rel::kStyles);
    styles_.xfs.assign(1, CellStyle{});
    if (part.empty() || !source_->package.Contains(part)) return true;
    source_->stylesDoc = Parse(part);
    if (!source_->stylesDoc) return false;
    return ReadStyles(*source_->package.Find(part), part, theme_, &styles_, &error_);
  }

  bool ReadStringsPart() {
    const std::string part = TargetOf(source_->workbookPart, source_->workbookRels, rel::kSharedStrings);
    if (part.empty() || !source_->package.Contains(part)) return true;
    return ReadSharedStrings(*source_->package.Find(part), part, &strings_, &error_);
  }

  bool ReadSheets() {
    pugi::xml_node root = source_->workbookDoc->document_element();
    if (LocalName(root) != "workbook")
      return Fail(source_->workbookPart + ": not a workbook (its root is <" + std::string(root.name()) + ">)");
    int index = 0;
    for (const pugi::xml_node& s : Children(Child(root, "sheets"), "sheet")) {
      ++index;
      const std::string name = s.attribute("name").value();
      const std::string where = source_->workbookPart + ": sheet " + std::to_string(index);
      const Relationship* r = source_->workbookRels.ById(RelationshipId(s));
      if (!r) return Fail(where + " (\"" + name + "\"): no relationship " + RelationshipId(s));
      const std::string part = r->external ? std::string() : ResolveTarget(source_->workbookPart, r->target);
      if (part.empty()) return Fail(where + " (\"" + name + "\"): its part \"" + r->target + "\" leaves the package");
      const std::string role = r->Role();
      if (role != rel::kWorksheet && role != rel::kChartsheet) {
        source_->carriedSheets.push_back(RawXml(s));
        sheetAtIndex_.push_back(nullptr);
        continue;
      }
      if (!Workbook::IsValidSheetName(name)) return Fail(where + ": \"" + name + "\" is not a valid sheet name");
      if (book_->FindSheet(name)) return Fail(where + ": another sheet is named \"" + name + "\"");
      PackageSource::SheetPart sp;
      sp.part = part;
      sp.sheetId = static_cast<int>(IntegerAttr(s, "sheetId", 0));
      std::string_view state = s.attribute("state").value();
      sp.veryHidden = state == "veryHidden";
      sp.doc = Parse(part);
      if (!sp.doc) return false;
      if (!ReadRelationships(source_->package, part, &sp.rels, &error_)) return false;
      Sheet* sheet = nullptr;
      if (role == rel::kWorksheet) {
        Worksheet* ws = book_->AddWorksheet(name);
        sheet = ws;
        if (!ReadWorksheetPart(sp, *ws)) return false;
      } else {
        ChartSheet* cs = book_->AddChartSheet(name);
        sheet = cs;
        if (!ReadChartSheetPart(sp, *cs)) return false;
      }
      sheet->visible = state != "hidden" && state != "veryHidden";
      sp.sheet = book_->SharedSheet(*sheet);
      sheetAtIndex_.push_back(sheet);
      source_->sheets.push_back(std::move(sp));
    }
    return true;
  }

  bool ReadDrawingPart(PackageSource::SheetPart& sp, const std::string& relId) {
    const Relationship* r = sp.rels.ById(relId);
    if (!r) return Fail(sp.part + ": the drawing names relationship \"" + relId + "\", which the part does not have");
    sp.drawingPart = ResolveTarget(sp.part, r->target);
    if (sp.drawingPart.empty()) return Fail(sp.part + ": the drawing \"" + r->target + "\" leaves the package");
    sp.drawingDoc = Parse(sp.drawingPart);
    if (!sp.drawingDoc) return false;
    return ReadRelationships(source_->package, sp.drawingPart, &sp.drawingRels, &error_);
  }

  std::shared_ptr<Chart> LoadChart(PackageSource::SheetPart& sp, const std::string& relId, Shape* shape, std::string* error) {
    const Relationship* r = sp.drawingRels.ById(relId);
    const std::string part = r ? ResolveTarget(sp.drawingPart, r->target) : std::string();
    if (part.empty()) {
      *error = sp.drawingPart + ": chart \"" + relId + "\" has no part in the package";
      return nullptr;
    }
    auto doc = Parse(part);
    if (!doc) {
      *error = error_;
      return nullptr;
    }
    auto chart = std::make_shared<Chart>();
    FillFormat ignoredFill;
    LineFormat ignoredLine;
    if (!ReadChart(doc->document_element(), part, theme_, chart.get(), shape ? &shape->fill : &ignoredFill,
                   shape ? &shape->line : &ignoredLine, error))
      return nullptr;
    sp.chartParts.push_back(part);
    return chart;
  }

  bool ReadWorksheetPart(PackageSource::SheetPart& sp, Worksheet& ws) {
    WorksheetRead read;
    if (!ReadWorksheet(sp.doc->document_element(), sp.part, strings_, styles_, ws, &read, &error_)) return false;
    views_[&ws] = read.view;
    sp.carriedConditionalFormats = std::move(read.carriedConditionalFormats);
    if (read.drawingRelId.empty()) return true;
    if (!ReadDrawingPart(sp, read.drawingRelId)) return false;
    auto load = [&](const std::string& relId, Shape* shape, std::string* error) { return LoadChart(sp, relId, shape, error); };
    return ReadDrawing(sp.drawingDoc->document_element(), sp.drawingPart, theme_, ws, load, &sp.carriedAnchors, &error_);
  }

  bool ReadChartSheetPart(PackageSource::SheetPart& sp, ChartSheet& cs) {
    pugi::xml_node root = sp.doc->document_element();
    if (LocalName(root) != "chartsheet") return Fail(sp.part + ": not a chart sheet (its root is <" + std::string(root.name()) + ">)");
    cs.codeName = Child(root, "sheetPr").attribute("codeName").value();
    pugi::xml_node drawing = Child(root, "drawing");
    if (!drawing) return true;
    if (!ReadDrawingPart(sp, RelationshipId(drawing))) return false;
    for (pugi::xml_node a = sp.drawingDoc->document_element().first_child(); a; a = a.next_sibling()) {
      pugi::xml_node chart = Child(Child(Child(Child(a, "graphicFrame"), "graphic"), "graphicData"), "chart");
      if (!chart) continue;
      std::shared_ptr<Chart> loaded = LoadChart(sp, RelationshipId(chart), nullptr, &error_);
      if (!loaded) return false;
      cs.GetChart() = *loaded;
      return true;
    }
    return true;
  }

  bool ReadNames() {
    pugi::xml_node root = source_->workbookDoc->document_element();
    for (const pugi::xml_node& n : Children(Child(root, "definedNames"), "definedName")) {
      const std::string name = n.attribute("name").value();
      const std::string reference = DeepText(n);
      if (name.empty() || reference.empty()) continue;
      DefinedNames* names = &book_->Names();
      if (Attr(n, "localSheetId")) {
        const int64_t local = IntegerAttr(n, "localSheetId", -1);
        Sheet* sheet = local >= 0 && static_cast<size_t>(local) < sheetAtIndex_.size()
                           ? sheetAtIndex_[static_cast<size_t>(local)] : nullptr;
        if (!sheet || sheet->Kind() != SheetKind::Worksheet) continue;  // a name of a sheet the model does not hold
        names = &static_cast<Worksheet*>(sheet)->Names();
      }
      names->Set(name, reference);
    }
    return true;
  }

  bool ReadApplication() {
    pugi::xml_node root = source_->workbookDoc->document_element();
    ApplicationState& app = book_->App();
    pugi::xml_node view = Child(Child(root, "bookViews"), "workbookView");
    Sheet* active = book_->SheetAt(0);
    if (Attr(view, "activeTab")) {
      const int64_t tab = IntegerAttr(view, "activeTab", 0);
      if (tab >= 0 && static_cast<size_t>(tab) < sheetAtIndex_.size() && sheetAtIndex_[static_cast<size_t>(tab)]) {
        active = sheetAtIndex_[static_cast<size_t>(tab)];
        app.activeSheet = active->Name();
      }
    }
    if (active && active->Kind() == SheetKind::Worksheet) {
      const SheetView& v = views_[active];
      if (v.hasSelection) app.selection = v.selection;
      app.zoom = v.zoom;
    }
    const auto ext = ReadHostExt(root);
    if (auto it = ext.find("selectionSheet"); it != ext.end()) {
      app.selectionSheet = it->second;
      if (Worksheet* ws = book_->FindWorksheet(it->second); ws && views_[ws].hasSelection) app.selection = views_[ws].selection;
    }
    if (auto it = ext.find("selection"); it != ext.end()) app.selection = it->second;
    HostNumber(ext, "zoom", &app.zoom);
    if (auto it = ext.find("activeSheet"); it != ext.end()) app.activeSheet = it->second;
    return true;
  }

  std::string_view bytes_;
  PackageLimits limits_;
  std::string error_;
  std::shared_ptr<PackageSource> source_;
  std::unique_ptr<Workbook> book_;
  ThemeColors theme_ = ThemeColors::Default();
  StyleSheet styles_;
  std::vector<std::string> strings_;
  std::vector<Sheet*> sheetAtIndex_;  // by position in the file's sheet list (null: not held)
  std::map<const Sheet*, SheetView> views_;
};

}  // namespace

XlsxRead ReadXlsx(std::string_view bytes, const PackageLimits& limits) {
  Reader reader(bytes, limits);
  try {
    reader.Run();
  } catch (const std::exception& e) {
    XlsxRead r;
    r.error = std::string("cannot read the workbook: ") + e.what();
    return r;
  }
  return reader.Result();
}

}  // namespace xlsx
}  // namespace korvat::host::file
