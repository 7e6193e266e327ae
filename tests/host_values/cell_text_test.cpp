// The text a cell shows for its value and number format: Range.Text and the rendered page
// come from the same engine.

#include <gtest/gtest.h>

#include "host/values/number_format.h"

namespace korvat::host {
namespace {

struct Case {
  CellValue value;
  const char* format;
  const char* shown;
};

TEST(CellDisplayText, FormatsValuesAsTheCellShowsThem) {
  const Case cases[] = {
      {CellValue::Number(42), "General", "42"},
      {CellValue::Number(0.1 + 0.2), "General", "0.3"},
      {CellValue::Number(1234567.891), "General", "1234567.891"},
      {CellValue::Number(123456789012.0), "General", "1.23457E+11"},
      {CellValue::Number(-0.5), "0", "-1"},  // halves round away from zero
      {CellValue::Number(2.345), "0.00", "2.35"},
      {CellValue::Number(1234567.5), "#,##0.00", "1,234,567.50"},
      {CellValue::Number(-1234.5), "#,##0", "-1,235"},
      {CellValue::Number(0.256), "0%", "26%"},
      {CellValue::Number(0.375), "hh:mm", "09:00"},
      {CellValue::Number(46357.75), "yyyy/mm/dd hh:mm", "2026/12/01 18:00"},
      {CellValue::Number(46357), "m/d", "12/1"},
      {CellValue::Text("Design"), "0.00", "Design"},
      {CellValue::Boolean(true), "General", "TRUE"},
      {CellValue::Error(CellError::Div0), "General", "#DIV/0!"},
      {CellValue::Empty(), "0.00", ""},
  };
  for (const Case& c : cases) EXPECT_EQ(FormatCellValue(c.value, c.format), c.shown) << c.format << " " << c.shown;
}

TEST(CellDisplayText, PlainNumberTextKeepsFifteenDigits) {
  EXPECT_EQ(PlainNumberText(0.375), "0.375");
  EXPECT_EQ(PlainNumberText(1.0 / 3.0), "0.333333333333333");
  EXPECT_EQ(PlainNumberText(-12), "-12");
}

}  // namespace
}  // namespace korvat::host
