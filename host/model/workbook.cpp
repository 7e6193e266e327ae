#include "host/model/workbook.h"

#include <algorithm>

#include "host/model/text_compare.h"

namespace korvat::host {

Sheet* Workbook::SheetAt(int index) const {
  if (index < 0 || index >= SheetCount()) return nullptr;
  return sheets_[static_cast<size_t>(index)].get();
}

int Workbook::IndexOf(const Sheet& sheet) const {
  for (size_t i = 0; i < sheets_.size(); ++i)
    if (sheets_[i].get() == &sheet) return static_cast<int>(i);
  return -1;
}

Sheet* Workbook::FindSheet(std::string_view name) const {
  for (const auto& s : sheets_)
    if (EqualsIgnoreCase(s->Name(), name)) return s.get();
  return nullptr;
}

Worksheet* Workbook::FindWorksheet(std::string_view name) const {
  Sheet* s = FindSheet(name);
  return s && s->Kind() == SheetKind::Worksheet ? static_cast<Worksheet*>(s) : nullptr;
}

std::vector<Worksheet*> Workbook::Worksheets() const {
  std::vector<Worksheet*> out;
  for (const auto& s : sheets_)
    if (s->Kind() == SheetKind::Worksheet) out.push_back(static_cast<Worksheet*>(s.get()));
  return out;
}

std::shared_ptr<Sheet> Workbook::SharedSheet(const Sheet& sheet) const {
  for (const auto& s : sheets_)
    if (s.get() == &sheet) return s;
  return nullptr;
}

bool Workbook::IsValidSheetName(std::string_view name) {
  if (name.empty() || name.size() > 31) return false;
  if (name.front() == '\'' || name.back() == '\'') return false;
  return name.find_first_of(":\\/?*[]") == std::string_view::npos;
}

bool Workbook::IsNameTaken(std::string_view name, const Sheet* except) const {
  const Sheet* s = FindSheet(name);
  return s && s != except;
}

// Free as a name and as a code name: a renamed sheet keeps its code name, and the macro
// project knows each sheet by its code name, so two sheets must never share one.
std::string Workbook::NextFreeName(const char* stem) const {
  auto codeNameTaken = [this](const std::string& name) {
    for (const auto& s : sheets_)
      if (EqualsIgnoreCase(s->codeName, name)) return true;
    return false;
  };
  for (int n = 1;; ++n) {
    std::string name = stem + std::to_string(n);
    if (!FindSheet(name) && !codeNameTaken(name)) return name;
  }
}

void Workbook::Insert(std::shared_ptr<Sheet> sheet, int position) {
  if (position < 0 || position > SheetCount()) position = SheetCount();
  sheets_.insert(sheets_.begin() + position, std::move(sheet));
  BumpGeneration();
}

Worksheet* Workbook::AddWorksheet(std::string name, int position) {
  bool generated = name.empty();
  if (generated) name = NextFreeName("Sheet");
  if (!IsValidSheetName(name) || IsNameTaken(name, nullptr)) return nullptr;
  auto sheet = std::make_shared<Worksheet>(*this, name);
  if (generated) sheet->codeName = name;
  Worksheet* raw = sheet.get();
  Insert(std::move(sheet), position);
  return raw;
}

ChartSheet* Workbook::AddChartSheet(std::string name, int position) {
  bool generated = name.empty();
  if (generated) name = NextFreeName("Chart");
  if (!IsValidSheetName(name) || IsNameTaken(name, nullptr)) return nullptr;
  auto sheet = std::make_shared<ChartSheet>(*this, name);
  if (generated) sheet->codeName = name;
  ChartSheet* raw = sheet.get();
  Insert(std::move(sheet), position);
  return raw;
}

bool Workbook::RenameSheet(Sheet& sheet, std::string name) {
  if (IndexOf(sheet) < 0 || !IsValidSheetName(name) || IsNameTaken(name, &sheet)) return false;
  if (EqualsIgnoreCase(app_.activeSheet, sheet.name_)) app_.activeSheet = name;
  if (EqualsIgnoreCase(app_.selectionSheet, sheet.name_)) app_.selectionSheet = name;
  sheet.name_ = std::move(name);
  BumpGeneration();
  return true;
}

bool Workbook::DeleteSheet(Sheet& sheet) {
  int i = IndexOf(sheet);
  if (i < 0) return false;
  if (EqualsIgnoreCase(app_.activeSheet, sheet.Name())) app_.activeSheet.clear();
  if (EqualsIgnoreCase(app_.selectionSheet, sheet.Name())) {
    app_.selectionSheet.clear();
    app_.selection = "A1";
  }
  sheets_.erase(sheets_.begin() + i);
  BumpGeneration();
  return true;
}

Shape* Workbook::PlaceChartOn(ChartSheet& chartSheet, Worksheet& target) {
  if (IndexOf(chartSheet) < 0 || IndexOf(target) < 0) return nullptr;
  std::shared_ptr<Chart> chart = chartSheet.SharedChart();
  // The host drops an embedded chart at a default size near the top left of the view.
  Shape& shape = target.Shapes().AddChart(chart, 48.0, 15.0, 360.0, 216.0);
  DeleteSheet(chartSheet);
  return &shape;
}

Worksheet* Workbook::ActiveWorksheet() const {
  if (Worksheet* w = FindWorksheet(app_.activeSheet)) return w;
  auto all = Worksheets();
  return all.empty() ? nullptr : all.front();
}

namespace {

// Splits "Sheet!ref" or "'It''s'!ref" into the sheet name and the rest.
bool SplitSheetPrefix(std::string_view text, std::string* sheet, std::string_view* rest) {
  if (!text.empty() && text.front() == '\'') {
    std::string name;
    size_t i = 1;
    for (; i < text.size(); ++i) {
      if (text[i] == '\'') {
        if (i + 1 < text.size() && text[i + 1] == '\'') {
          name += '\'';
          ++i;
          continue;
        }
        break;
      }
      name += text[i];
    }
    if (i + 1 >= text.size() || text[i + 1] != '!') return false;
    *sheet = name;
    *rest = text.substr(i + 2);
    return true;
  }
  size_t bang = text.rfind('!');
  if (bang == std::string_view::npos) return false;
  *sheet = std::string(text.substr(0, bang));
  *rest = text.substr(bang + 1);
  return true;
}

}  // namespace

std::optional<ResolvedRange> Workbook::ResolveReference(std::string_view text,
                                                        const Worksheet* context) const {
  while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
  if (!text.empty() && text.front() == '=') text.remove_prefix(1);
  std::string sheetName;
  std::string_view rest = text;
  Worksheet* sheet = const_cast<Worksheet*>(context);
  if (SplitSheetPrefix(text, &sheetName, &rest)) {
    sheet = FindWorksheet(sheetName);
    if (!sheet) return std::nullopt;
  }
  if (auto r = ParseRangeRef(rest)) {
    if (!sheet) return std::nullopt;
    return ResolvedRange{sheet, *r};
  }
  // A defined name: the sheet's own first, then the workbook's. One level of indirection is
  // enough for the references names hold; deeper chains are not followed.
  std::optional<std::string> target;
  if (sheet) target = sheet->Names().Find(rest);
  if (!target) target = names_.Find(rest);
  if (!target) return std::nullopt;
  std::string_view t = *target;
  if (!t.empty() && t.front() == '=') t.remove_prefix(1);
  std::string_view targetRest = t;
  Worksheet* targetSheet = sheet;
  if (SplitSheetPrefix(t, &sheetName, &targetRest)) targetSheet = FindWorksheet(sheetName);
  auto r = ParseRangeRef(targetRest);
  if (!targetSheet || !r) return std::nullopt;
  return ResolvedRange{targetSheet, *r};
}

}  // namespace korvat::host
