#include "reports/report_sheet.h"

#include "automation/host_object.h"
#include "base/calendar_date.h"
#include "base/clock.h"
#include "base/column_letters.h"
#include "base/number_text.h"
#include "base/text_helpers.h"
#include "platform/com_ref.h"

#include <vector>

namespace korvat {
namespace {

constexpr std::int32_t kContinuous = 1;           // xlContinuous
constexpr std::int32_t kNoLine = -4142;           // xlLineStyleNone
constexpr std::int32_t kAutomaticColour = -4105;  // xlColorIndexAutomatic
constexpr std::int32_t kBandColour = 35;
constexpr std::int32_t kSolid = 1;                // xlSolid
constexpr std::int32_t kCentre = -4108;           // xlCenter
constexpr std::int32_t kCellValue = 1;            // xlCellValue
constexpr std::int32_t kRed = 3;
constexpr std::int32_t kCategoryScale = 2;        // xlCategoryScale
constexpr std::int32_t kLineMarkers = 65;         // xlLineMarkers
constexpr std::int32_t kAsObject = 2;             // xlLocationAsObject
constexpr std::int32_t kReportZoom = 85;

std::string Today() { return FormatCompactDate(Now()); }

// Every shape of the sheet, collected first and deleted after the enumeration,
// so no host sees its collection change under a running enumerator.
void DeleteEveryShape(IDispatch* sheet) {
  std::vector<AutomationObject> shapes;
  ComRef<IEnumVARIANT> walk;
  if (SUCCEEDED(EnumBegin(walk.Put(), sheet, KV_W(".Shapes")))) {
    for (;;) {
      AutomationObject shape;
      if (EnumNextObject(walk.Get(), shape.Put()) != S_OK) break;
      shapes.push_back(std::move(shape));
    }
  }
  walk.Reset();
  for (const AutomationObject& shape : shapes) DeleteObject(shape.Get());
}

}  // namespace

std::string EvmSheetName(std::int64_t kind) { return Joined({"EVM", FormatInteger(kind), "_", Today()}); }
std::string WorkloadSheetName(std::int64_t kind) { return Joined({"Workload", FormatInteger(kind)}); }

AutomationObject OpenReportSheet(IDispatch* workbook, std::string_view name) {
  AutomationObject sheet = GetObjectAtWith(workbook, "Sheets(%s)", name);
  if (sheet.IsEmpty()) {
    sheet = GetObjectAt(workbook, "Sheets.Add");
    PutText(sheet.Get(), "Name", name);
    return sheet;
  }
  CallMethod(sheet.Get(), KV_W(".Cells.Clear"));
  DeleteEveryShape(sheet.Get());
  return sheet;
}

AutomationObject OpenEvmSheet(IDispatch* workbook, std::int64_t kind) {
  return OpenReportSheet(workbook, EvmSheetName(kind));
}

AutomationObject OpenWorkloadSheet(IDispatch* workbook, std::int64_t kind) {
  return OpenReportSheet(workbook, WorkloadSheetName(kind));
}

void SetEdgeLine(IDispatch* sheet, std::string_view address, std::int32_t index, std::int32_t weight) {
  const AutomationObject range = RangeAt(sheet, address);
  PutNumberWith(range.Get(), "Borders(%d).LineStyle", index, kContinuous);
  PutNumberWith(range.Get(), "Borders(%d).Weight", index, weight);
  PutNumberWith(range.Get(), "Borders(%d).ColorIndex", index, kAutomaticColour);
}

void DrawBox(IDispatch* sheet, std::string_view address) {
  {
    const AutomationObject range = RangeAt(sheet, address);
    for (std::int32_t diagonal : {5, 6}) PutNumberWith(range.Get(), "Borders(%d).LineStyle", diagonal, kNoLine);
  }
  for (std::int32_t edge : {7, 8, 9, 10}) SetEdgeLine(sheet, address, edge, kMediumLine);
  for (std::int32_t inside : {11, 12}) SetEdgeLine(sheet, address, inside, kThinLine);
}

void FillBand(IDispatch* range) {
  PutNumber(range, "Interior.ColorIndex", kBandColour);
  PutNumber(range, "Interior.Pattern", kSolid);
}

void CenterBand(IDispatch* range) {
  PutNumber(range, "HorizontalAlignment", kCentre);
  PutNumber(range, "VerticalAlignment", kCentre);
}

void SetRedBelow(IDispatch* range, std::string_view threshold, std::int32_t comparison) {
  const std::string text(threshold);
  CallMethod(range, KV_W(".FormatConditions.Delete"));
  CallMethod(range, KV_W(".FormatConditions.Add(%d,%d,%s)"), kCellValue, comparison, text.c_str());
  PutValue(range, KV_W(".FormatConditions(%d).font.ColorIndex=%d"), 1, kRed);
}

WideText ReportTitle(const Dictionary& dictionary, std::string_view key, bool dated) {
  const WideString caption = dictionary.Lookup(key);
  if (!dated) return WideText(caption.View());
  return ReplaceFirstWide(caption.View(), KV_W("\\*"), platform::AnsiToWide(Today()));
}

void FinishReportSheet(IDispatch* workbook, IDispatch* sheet, WideView title,
                       const std::optional<std::string>& numberRange) {
  CallMethod(sheet, KV_W(".Cells.Select"));
  CallMethod(sheet, KV_W(".Cells.EntireColumn.AutoFit"));
  {
    const AutomationObject cell = CellAt(sheet, 1, 2);
    PutWideText(cell.Get(), "value", title);
  }
  PutValue(sheet, KV_W(".Columns(%d).ColumnWidth = %d"), 1, 1);
  CallMethod(sheet, KV_W(".Activate"));
  if (numberRange) {
    const AutomationObject range = RangeAt(sheet, *numberRange);
    PutText(range.Get(), "NumberFormatLocal", "0.00_ ");
  }
  PutValue(workbook, KV_W(".Application.ActiveWindow.Zoom = %d"), kReportZoom);
}

void AddReportChart(IDispatch* workbook, IDispatch* sheet, std::string_view source, std::int32_t plotBy,
                    WideView title) {
  const AutomationObject chart = GetObjectAt(workbook, "Charts.Add");
  PutNumber(chart.Get(), "HasTitle", -1);
  PutWideText(chart.Get(), "ChartTitle.Characters.Text", title);
  PutValue(chart.Get(), KV_W(".HasAxis(%d,%d)=%b"), 1, 1, 1);
  PutValue(chart.Get(), KV_W(".HasAxis(%d,%d)=%b"), 2, 1, 1);
  PutValue(chart.Get(), KV_W(".Axes(%d,%d).CategoryType=%d"), 1, 1, kCategoryScale);
  PutValue(chart.Get(), KV_W(".ChartType = %d"), kLineMarkers);
  {
    const AutomationObject range = RangeAt(sheet, source);
    CallMethod(chart.Get(), KV_W(".SetSourceData(%o,%d)"), range.Get(), plotBy);
  }
  const std::string name = GetName(sheet);
  CallMethod(chart.Get(), KV_W(".Location(%d,%s)"), kAsObject, name.c_str());
}

AutomationObject ReportCell(IDispatch* sheet, std::int64_t row, std::int64_t column) {
  return CellAt(sheet, static_cast<std::uint32_t>(row), static_cast<std::uint32_t>(column));
}

void PutReportFormula(IDispatch* sheet, std::int64_t row, std::int64_t column, const std::string& formula) {
  const AutomationObject cell = ReportCell(sheet, row, column);
  PutFormula(cell.Get(), formula);
}

void PutReportNumber(IDispatch* sheet, std::int64_t row, std::int64_t column, double number) {
  const AutomationObject cell = ReportCell(sheet, row, column);
  PutValueNumber(cell.Get(), number);
}

std::string Joined(std::initializer_list<std::string_view> parts) {
  std::string text;
  for (std::string_view part : parts) text.append(part);
  return text;
}

std::string CellName(std::int64_t column, std::int64_t row) { return Joined({ColumnLetters(column), FormatInteger(row)}); }

std::string Area(std::string_view firstLetters, std::int64_t firstRow, std::string_view lastLetters,
                 std::int64_t lastRow) {
  return Joined({firstLetters, FormatInteger(firstRow), ":", lastLetters, FormatInteger(lastRow)});
}

}  // namespace korvat
