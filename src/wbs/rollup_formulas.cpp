#include "wbs/rollup_formulas.h"

#include "automation/dispatch_call.h"
#include "automation/host_object.h"
#include "base/column_letters.h"
#include "base/number_text.h"
#include "base/text_helpers.h"
#include "platform/variant_owner.h"
#include "wbs/task_lookup.h"

namespace korvat {
namespace {

constexpr std::string_view kEmpty = "\"\"";

std::string DigitsOf(std::string_view text) {
  std::string digits;
  for (char c : text)
    if (c >= '0' && c <= '9') digits += c;
  return digits;
}

void PutCellFormula(IDispatch* wbsSheet, std::int64_t row, std::int64_t column, const std::string& expression) {
  if (row < 1 || column < 1) return;
  const AutomationObject cell =
      CellAt(wbsSheet, static_cast<std::uint32_t>(row), static_cast<std::uint32_t>(column));
  PutFormula(cell.Get(), "=" + expression);
}

}  // namespace

std::string ZeroToBlank(std::string_view aggregate, std::string_view addresses) {
  const std::string x = std::string(aggregate) + "(" + std::string(addresses) + ")";
  return "IF(" + x + "=0," + std::string(kEmpty) + "," + x + ")";
}

std::string AllOrBlank(std::string_view aggregate, std::string_view addresses) {
  std::string any;
  for (const std::string& a : SplitText(addresses, ",")) any += a + "=" + std::string(kEmpty) + ",";
  if (!any.empty()) any.pop_back();
  return "IF(OR(" + any + ")," + std::string(kEmpty) + "," + std::string(aggregate) + "(" + std::string(addresses) +
         "))";
}

std::string WeightedPercent(std::string_view ownPvAddress, std::string_view pvLetters, std::string_view addresses) {
  std::string sum;
  for (const std::string& a : SplitText(addresses, ","))
    sum += "N(" + a + ")*N(" + std::string(pvLetters) + DigitsOf(a) + "),";
  if (!sum.empty()) sum.pop_back();
  const std::string p(ownPvAddress);
  return "IF(N(" + p + ")=0," + std::string(kEmpty) + ",SUM(" + sum + ")/" + p + ")";
}

std::string ErrorToBlank(std::string_view x, std::string_view y) {
  return "IF(ISERROR(" + std::string(x) + ")," + std::string(y) + "," + std::string(x) + ")";
}

void WriteSummaryFormulas(const BoundPlan& plan, const TaskRecord& summary, std::string_view childRows) {
  const WbsSettings& s = plan.wbsSettings;
  const std::int64_t row = summary.row;
  auto in = [&](const std::string& letters) { return ReplaceText(childRows, "*", letters); };
  auto put = [&](std::int64_t column, const std::string& expression) {
    PutCellFormula(plan.wbsSheet, row, column, expression);
  };
  put(s.plannedStartDateColNo, ZeroToBlank("MIN", in(s.plannedStartDateCol)));
  put(s.plannedEndDateColNo, ZeroToBlank("MAX", in(s.plannedEndDateCol)));
  put(s.actualStartDateColNo, ZeroToBlank("MIN", in(s.actualStartDateCol)));
  put(s.actualEndDateColNo, AllOrBlank("MAX", in(s.actualEndDateCol)));
  put(s.pvByTaskColNo, ZeroToBlank("SUM", in(s.pvByTaskCol)));
  put(s.acByTaskColNo, ZeroToBlank("SUM", in(s.acByTaskCol)));
  put(s.percentCompleteColNo,
      WeightedPercent(s.pvByTaskCol + FormatInteger(row), s.pvByTaskCol, in(s.percentCompleteCol)));
}

bool IsDescendant(const TaskRecord& ancestor, const TaskRecord& task) {
  return task.wbsNumber.compare(0, ancestor.wbsNumber.size(), ancestor.wbsNumber) == 0;
}

bool IsChild(const TaskRecord& ancestor, const TaskRecord& task) { return task.level == ancestor.level + 1; }

void WriteRollups(const BoundPlan& plan, const TaskRecord& summary) {
  const TaskTable& table = plan.taskTable;
  std::string list;
  for (const TaskRecord* t = NextTask(table, summary); t; t = NextTask(table, *t)) {
    if (!IsDescendant(summary, *t)) break;
    if (IsChild(summary, *t)) {
      if (!list.empty()) list += ",";
      list += "*" + FormatInteger(t->row);
    }
    if (t->isLeaf == 0) WriteRollups(plan, *t);
  }
  if (!list.empty()) WriteSummaryFormulas(plan, summary, list);
}

void ClearLeafFormulas(const BoundPlan& plan, const TaskRecord& task) {
  const WbsSettings& s = plan.wbsSettings;
  if (task.row < 1) return;
  IDispatch* sheet = plan.wbsSheet;
  const std::int64_t first = s.firstColNo >= 1 ? s.firstColNo : 1;
  const auto row = static_cast<std::uint32_t>(task.row);
  if (first > s.lastColNo) return;
  // One question for the whole row: only a row that holds a formula is looked at cell by cell.
  AutomationObject whole = RangeAt(sheet, ColumnLetters(first) + FormatInteger(task.row) + ":" +
                                              ColumnLetters(s.lastColNo) + FormatInteger(task.row));
  VariantOwner any;
  if (whole && SUCCEEDED(GetValue(KV_W("v"), any.Get(), whole.Get(), KV_W(".HasFormula"))) &&
      any.Type() == VT_BOOL && any->boolVal == VARIANT_FALSE)
    return;
  for (std::int64_t column = first; column <= s.lastColNo; ++column) {
    std::int32_t hasFormula = 0;
    GetValue(KV_W("b"), &hasFormula, sheet, KV_W(".Cells(%u,%u).HasFormula"), row, static_cast<std::uint32_t>(column));
    if (!hasFormula) continue;
    const AutomationObject cell = CellAt(sheet, row, static_cast<std::uint32_t>(column));
    const std::string value = GetValueText(cell.Get());
    PutFormula(cell.Get(), "");
    PutValueText(cell.Get(), value);
  }
}

}  // namespace korvat
