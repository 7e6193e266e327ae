// Report captions from the workbook's dictionary sheet.

#include "reports/dictionary_lookup.h"

#include "automation/host_object.h"
#include "platform/utf8_text.h"
#include "report_fixture.h"
#include "support/plan_workbook.h"

#include <gtest/gtest.h>

namespace {

using namespace korvat;
using namespace korvat::test;

std::string Caption(std::string_view key) { return platform::WideToUtf8(LookupLabel(CurrentPlan().workbook, key).View()); }

TEST(DictionaryLookup, TheFirstRowWhoseKeyMatchesGivesTheCaption) {
  PlanWorkbook plan;
  plan.Caption("BAC", "Budget").Caption("PV", "Planned value").Caption("EV", "Earned value").Caption("AC", "Cost");
  plan.Caption("SPI", "Schedule index");  // row 7
  plan.Caption("CV", "Cost variance").Caption("SV", "first").Caption("SV", "second").Caption("Empty", "");
  PlanSession s(plan.Take(), kDay1);
  EXPECT_EQ(s.Sheet("wsDictionary").Value(7, 2), CellValue::Text("SPI"));
  struct Case {
    const char* key;
    const char* caption;
  };
  const Case cases[] = {{"SPI", "Schedule index"}, {"spi", "Schedule index"}, {"SV", "first"},
                        {"BAC", "Budget"},         {"Missing", ""},         {"Empty", ""},
                        {"", ""}};
  for (const Case& c : cases) EXPECT_EQ(Caption(c.key), c.caption) << c.key;
  EXPECT_TRUE(s.boxes.empty());
  EXPECT_EQ(s.Close(), 0);
}

TEST(DictionaryLookup, WithoutADictionarySheetEveryCaptionIsEmpty) {
  PlanSession s(PlanWorkbook().Take(), kDay1);
  for (const char* key : {"EVMRPT", "SPI", "WLRPT"}) EXPECT_EQ(Caption(key), "") << key;
  EXPECT_TRUE(s.boxes.empty());
  EXPECT_EQ(s.Close(), 0);
}

TEST(DictionaryLookup, WriteLabelPutsCaptionsOfAnyScriptIntoTheCellUnchanged) {
  const std::string caption = "Planwert \u2013 \u8a08\u753b\u5024 \u0416";
  PlanWorkbook plan;
  plan.Caption("PV", caption).Caption("NONE", "");
  PlanSession s(plan.Take(), kDay1);
  {
    const BoundPlan bound = CurrentPlan();
    const AutomationObject sheet = GetObjectAtWith(bound.workbook, "Sheets(%s)", "Settings");
    WriteLabel(bound.workbook, sheet.Get(), 1, 20, "PV");
    WriteLabel(bound.workbook, sheet.Get(), 2, 20, "NONE");
    WriteLabel(bound.workbook, sheet.Get(), 3, 20, "MISSING");
  }
  const Worksheet& settings = s.Sheet("wsSettings");
  EXPECT_EQ(settings.Value(1, 20), CellValue::Text(caption));
  EXPECT_TRUE(settings.Value(2, 20).IsEmpty());
  EXPECT_TRUE(settings.Value(3, 20).IsEmpty());
  EXPECT_EQ(s.Close(), 0);
}

}  // namespace
