#include "host/render/conditional_style.h"

#include "host/formula/formula.h"
#include "host/model/text_compare.h"
#include "host/model/workbook.h"

namespace korvat::host::render {
namespace {

constexpr int kCellValue = 1;
enum Operator { Between = 1, NotBetween, Equal, NotEqual, Greater, Less, GreaterOrEqual, LessOrEqual };

// Reads cells and names for a threshold formula standing on the sheet.
class SheetContext : public formula::EvalContext {
 public:
  explicit SheetContext(const Worksheet& sheet) : sheet_(sheet) {}
  CellValue CellValueAt(std::string_view sheet, int row, int col) override {
    const Worksheet* ws = Find(sheet);
    return ws ? ws->Value(row, col) : CellValue::Error(CellError::Ref);
  }
  int LastUsedRow(std::string_view sheet) override { return Find(sheet) ? Find(sheet)->LastUsedRow() : 0; }
  int LastUsedColumn(std::string_view sheet) override { return Find(sheet) ? Find(sheet)->LastUsedColumn() : 0; }
  std::string ResolveName(std::string_view name) override {
    auto found = sheet_.Names().Find(name);
    if (!found) found = sheet_.Parent().Names().Find(name);
    return found.value_or(std::string());
  }

 private:
  const Worksheet* Find(std::string_view sheet) const {
    return sheet.empty() ? &sheet_ : sheet_.Parent().FindWorksheet(sheet);
  }
  const Worksheet& sheet_;
};

CellValue Threshold(const std::string& text, SheetContext& context) {
  if (text.empty()) return CellValue::Empty();
  return formula::Evaluate(*formula::ParseFormula(text), context);
}

// -1, 0, 1; nothing comparable (errors, a text against a number) gives 2.
int Compare(const CellValue& a, const CellValue& b) {
  if (a.IsError() || b.IsError()) return 2;
  bool aText = a.IsText(), bText = b.IsText();
  if (aText != bText) return 2;
  if (aText) {
    std::string x = FoldCase(a.text), y = FoldCase(b.text);
    return x < y ? -1 : x > y ? 1 : 0;
  }
  double x = a.number, y = b.number;  // empty counts as 0
  return x < y ? -1 : x > y ? 1 : 0;
}

bool Holds(int op, const CellValue& v, const CellValue& first, const CellValue& second) {
  int c = Compare(v, first);
  if (c == 2) return false;
  switch (op) {
    case Between:
    case NotBetween: {
      int d = Compare(v, second);
      if (d == 2) return false;
      bool inside = c >= 0 && d <= 0;
      return op == Between ? inside : !inside;
    }
    case Equal: return c == 0;
    case NotEqual: return c != 0;
    case Greater: return c > 0;
    case Less: return c < 0;
    case GreaterOrEqual: return c >= 0;
    case LessOrEqual: return c <= 0;
  }
  return false;
}

}  // namespace

ConditionalStyles::ConditionalStyles(const Worksheet& sheet) {
  if (sheet.ConditionalFormats().empty()) return;
  SheetContext context(sheet);
  for (const ConditionalFormat& f : sheet.ConditionalFormats())
    if (f.type == kCellValue)
      rules_.push_back({&f, Threshold(f.formula1, context), Threshold(f.formula2, context)});
}

CellStyle ConditionalStyles::Apply(int row, int col, const CellValue& value, const CellStyle& style) const {
  CellStyle shown = style;
  bool fontSet = false, fillSet = false;
  for (const Rule& rule : rules_) {
    const ConditionalFormat& f = *rule.format;
    if (!f.range.Contains(row, col) || !Holds(f.op, value, rule.first, rule.second)) continue;
    if (!fontSet && f.fontColorIndex != kAutomatic) shown.font.colorIndex = f.fontColorIndex, fontSet = true;
    if (!fillSet && f.interiorColorIndex != kNone) shown.interior.colorIndex = f.interiorColorIndex, fillSet = true;
  }
  return shown;
}

}  // namespace korvat::host::render
