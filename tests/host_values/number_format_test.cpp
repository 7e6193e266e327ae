#include <gtest/gtest.h>

#include "host/values/number_format.h"

namespace korvat::host::render {
namespace {

struct GeneralCase {
  double value;
  const char* text;
};

TEST(NumberFormat, GeneralShowsElevenCharactersAsADefaultWidthCell) {
  const GeneralCase cases[] = {
      {0, "0"},
      {42, "42"},
      {-1.5, "-1.5"},
      {1.0 / 3, "0.333333333"},
      {-1.0 / 3, "-0.33333333"},
      {2.0 / 3, "0.666666667"},
      {0.1 + 0.2, "0.3"},
      {1234.5678, "1234.5678"},
      {12345678901, "12345678901"},
      {123456789012, "1.23457E+11"},
      {99999999999.7, "1E+11"},
      {0.0001, "0.0001"},
      {0.00001, "1E-05"},
      {0.000012345678, "1.23457E-05"},
      {1e100, "1E+100"},
      {45292.375, "45292.375"},
  };
  for (const auto& c : cases) EXPECT_EQ(FormatGeneral(c.value), c.text) << c.value;
}

struct FormatCase {
  const char* format;
  double value;
  const char* text;
};

TEST(NumberFormat, DatesAndTimes) {
  const FormatCase cases[] = {
      {"yyyy/mm/dd", 45292, "2024/01/01"},
      {"yyyy/mm/dd", 45292.99, "2024/01/01"},
      {"m/d", 45323.5, "2/1"},
      {"mm/dd/yy", 36526, "01/01/00"},
      {"d-mmm-yy", 45366, "15-Mar-24"},
      {"mmmm d, yyyy", 45292, "January 1, 2024"},
      {"ddd dddd", 45292, "Mon Monday"},
      {"ddd", 1, "Sun"},
      {"yyyy-mm-dd", 59, "1900-02-28"},
      {"yyyy-mm-dd", 60, "1900-02-29"},
      {"yyyy-mm-dd", 61, "1900-03-01"},
      {"yyyy-mm-dd", 1, "1900-01-01"},
      {"hh:mm", 0.375, "09:00"},
      {"h:mm", 0.375, "9:00"},
      {"h:mm", 45292.75, "18:00"},
      {"hh:mm:ss", 0.5 + 90.0 / 86400, "12:01:30"},
      {"mm:ss", 90.0 / 86400, "01:30"},
      {"[h]:mm", 1.5, "36:00"},
      {"[h]:mm", 0.0416666666667, "1:00"},
      {"[mm]:ss", 2.0 / 24, "120:00"},
      {"h:mm AM/PM", 0.75, "6:00 PM"},
      {"h:mm AM/PM", 0.0, "12:00 AM"},
      {"yyyy/mm/dd hh:mm", 45292.5, "2024/01/01 12:00"},
      {"yyyy/mm/dd", -1, "########"},
  };
  for (const auto& c : cases) EXPECT_EQ(FormatNumber(c.value, c.format), c.text) << c.format << " " << c.value;
}

TEST(NumberFormat, DigitPlaceholdersRoundHalfAwayFromZero) {
  const FormatCase cases[] = {
      {"0", 2.5, "3"},
      {"0", 3.5, "4"},
      {"0", -2.5, "-3"},
      {"0", 0.4, "0"},
      {"0.0", 2.25, "2.3"},
      {"0.00", 1.005, "1.01"},
      {"0.0", -2.25, "-2.3"},
      {"0.0", 0, "0.0"},
      {"0%", 0.256, "26%"},
      {"0.0%", 0.5, "50.0%"},
      {"#,##0", 1234567.8, "1,234,568"},
      {"#,##0", 12, "12"},
      {"#,##0.00", -1234.5, "-1,234.50"},
      {"#,##0,", 1234567, "1,235"},
      {"#.##", 0.5, ".5"},
      {"0.##", 2, "2."},
      {"000", 7, "007"},
      {"0.0E+00", 12345, "1.2E+04"},
      {"0.00E+00", 0.000123, "1.23E-04"},
      {"0 \"days\"", 5, "5 days"},
      {"\\$#,##0", 1500, "$1,500"},
      {"[Red]0.0", 1.25, "1.3"},
      {"0.00;(0.00)", -3.5, "(3.50)"},
      {"0.00;(0.00)", 3.5, "3.50"},
      {"0;-0;\"zero\"", 0, "zero"},
      {"@", 12, "12"},
      {"General", 0.5, "0.5"},
      {"0_);(0)", 5, "5 "},
  };
  for (const auto& c : cases) EXPECT_EQ(FormatNumber(c.value, c.format), c.text) << c.format << " " << c.value;
}

TEST(NumberFormat, TextsBooleansAndErrorsKeepTheirOwnForms) {
  EXPECT_EQ(FormatCellValue(CellValue::Text("abc"), "@"), "abc");
  EXPECT_EQ(FormatCellValue(CellValue::Text("abc"), "0.00"), "abc");
  EXPECT_EQ(FormatCellValue(CellValue::Text("x"), "0;0;0;\"[\"@\"]\""), "[x]");
  EXPECT_EQ(FormatCellValue(CellValue::Text("x"), "\"Task: \"@"), "Task: x");
  EXPECT_EQ(FormatCellValue(CellValue::Boolean(true), "0.00"), "TRUE");
  EXPECT_EQ(FormatCellValue(CellValue::Error(CellError::Div0), "General"), "#DIV/0!");
  EXPECT_EQ(FormatCellValue(CellValue::Empty(), "0.00"), "");
  EXPECT_EQ(FormatCellValue(CellValue::Number(45292), "yyyy/mm/dd"), "2024/01/01");
}

TEST(NumberFormat, MalformedFormatsGiveTextWithoutFailing) {
  // Unclosed quotes and brackets, stray separators: a defined result, never a crash.
  for (const char* format : {"\"abc", "[h", "0.0.0", ";;;", "\\", "_", "*", "E+", "[$", "0,,,,,,,,,,,,", ""}) {
    std::string text = FormatNumber(1234.5, format);
    EXPECT_LT(text.size(), 100u) << format;
  }
  EXPECT_EQ(FormatNumber(5, ";;;"), "");
  EXPECT_EQ(FormatNumber(5, ""), "5");
}

struct FitCase {
  double value;
  size_t characters;  // the room, counted in characters
  const char* text;   // "" when nothing fits
};

TEST(NumberFormat, GeneralInLessRoomDropsDecimalsThenGoesScientific) {
  const FitCase cases[] = {
      {61.5, 4, "61.5"},
      {61.5, 3, "62"},
      {61.5, 2, "62"},
      {61.5, 1, ""},
      {62.5, 2, "63"},            // halves away from zero
      {-2.5, 2, "-3"},
      {-61.5, 3, "-62"},
      {40000.0 / 650, 11, "61.53846154"},
      {40000.0 / 650, 8, "61.53846"},
      {40000.0 / 650, 5, "61.54"},
      {99.96, 4, "100"},          // rounding carries into a new digit
      {0.125, 4, "0.13"},
      {123456, 5, "1E+05"},
      {12345678, 7, "1.2E+07"},
      {999999, 5, "1E+06"},       // the mantissa rounds up to 10
      {123456789012, 8, "1.23E+11"},
      {-123456789012, 8, "-1.2E+11"},
      {0.000123456, 6, "0.0001"},
      {0.000123456, 5, "1E-04"},  // never rounded to a zero it is not
      {0.4, 1, ""},
      {1e-10, 5, "1E-10"},
      {1e100, 5, ""},
      {1e100, 6, "1E+100"},
      {1000, 3, ""},              // 1E+03 needs five
      {0, 1, "0"},
      {0, 0, ""},
  };
  for (const auto& c : cases) {
    auto fits = [&](std::string_view text) { return text.size() <= c.characters; };
    EXPECT_EQ(FormatGeneralToFit(c.value, fits), c.text) << c.value << " in " << c.characters;
  }
}

TEST(NumberFormat, OnlyTheWordGeneralOrNoFormatIsGeneral) {
  for (const char* format : {"General", "general", "GENERAL", ""}) EXPECT_TRUE(IsGeneralFormat(format)) << format;
  for (const char* format : {"General;-General", "0", "\"General\"", "Generals", "@"})
    EXPECT_FALSE(IsGeneralFormat(format)) << format;
}

}  // namespace
}  // namespace korvat::host::render
