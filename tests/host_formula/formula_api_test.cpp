// ParseFormula and Evaluate at their edges: malformed text, limits, and how much
// of the sheet an evaluation reads.

#include <gtest/gtest.h>

#include "host_formula/fake_workbook.h"
#include "host_formula/value_text.h"

namespace korvat::host::formula::testing {
namespace {

TEST(ParseFormula, AcceptsTextWithAndWithoutLeadingEquals) {
  FakeWorkbook book;
  book.SetValue("", 1, 1, CellValue::Number(4));
  for (const char* text : {"=A1*2", "A1*2"}) {
    auto f = ParseFormula(text);
    EXPECT_EQ(f->error(), "") << text;
    EXPECT_EQ(f->text(), text);
    EXPECT_EQ(Evaluate(*f, book), CellValue::Number(8)) << text;
  }
}

struct BrokenCase {
  const char* text;
  CellError value;
};

class BrokenFormula : public ::testing::TestWithParam<BrokenCase> {};

TEST_P(BrokenFormula, DescribesTheErrorAndEvaluatesToAnErrorValue) {
  FakeWorkbook book;
  auto f = ParseFormula(GetParam().text);
  EXPECT_FALSE(f->ok());
  EXPECT_NE(f->error(), "");
  CellValue v = Evaluate(*f, book);
  ASSERT_TRUE(v.IsError()) << ValueToText(v);
  EXPECT_EQ(v.error, GetParam().value) << f->error();
}

INSTANTIATE_TEST_SUITE_P(
    Cases, BrokenFormula,
    ::testing::Values(BrokenCase{"=", CellError::Name}, BrokenCase{"=1+", CellError::Name},
                      BrokenCase{"=(1+2", CellError::Name}, BrokenCase{"=1+2)", CellError::Name},
                      BrokenCase{"=\"open", CellError::Name}, BrokenCase{"=SUM(1,2", CellError::Name},
                      BrokenCase{"=A1 B1", CellError::Name}, BrokenCase{"=1;2", CellError::Name},
                      BrokenCase{"=#WHAT", CellError::Name}, BrokenCase{"='Sheet", CellError::Name},
                      BrokenCase{"=Sheet1!", CellError::Name}, BrokenCase{"={1,2}", CellError::Name},
                      BrokenCase{"=*3", CellError::Name},
                      // a known function given the wrong number of arguments
                      BrokenCase{"=IF(1)", CellError::Value},
                      BrokenCase{"=NOT(1,2)", CellError::Value},
                      BrokenCase{"=ROUND(1.5)", CellError::Value}));

TEST(ParseFormula, RefusesNestingDeeperThanTheLimitWithoutCrashing) {
  std::string deep = "=" + std::string(5000, '(') + "1" + std::string(5000, ')');
  auto f = ParseFormula(deep);
  EXPECT_NE(f->error(), "");
  std::string minus = "=" + std::string(5000, '-') + "1";
  EXPECT_NE(ParseFormula(minus)->error(), "");
  std::string calls;
  for (int i = 0; i < 3000; ++i) calls += "ABS(";
  calls += "1" + std::string(3000, ')');
  EXPECT_NE(ParseFormula(calls)->error(), "");
}

TEST(ParseFormula, AcceptsModerateNesting) {
  FakeWorkbook book;
  auto f = ParseFormula("=" + std::string(50, '(') + "1" + std::string(50, ')'));
  EXPECT_EQ(f->error(), "");
  EXPECT_EQ(Evaluate(*f, book), CellValue::Number(1));
}

TEST(ParseFormula, RefusesOverlongText) {
  std::string text = "=1";
  while (text.size() <= 9000) text += "+1";
  auto f = ParseFormula(text);
  EXPECT_NE(f->error(), "");
}

TEST(Evaluate, NamesThatReferToEachOtherGiveAnErrorInsteadOfRecursingForever) {
  FakeWorkbook book;
  book.SetName("Ping", "Pong");
  book.SetName("Pong", "Ping+1");
  CellValue v = book.EvaluateOnDefaultSheet("=Ping");
  ASSERT_TRUE(v.IsError());
  EXPECT_EQ(v.error, CellError::Name);
}

TEST(Evaluate, WholeColumnReadsOnlyTheUsedRows) {
  FakeWorkbook book;
  for (int r = 1; r <= 10; ++r) book.SetValue("", r, 2, CellValue::Number(r));
  EXPECT_EQ(book.EvaluateOnDefaultSheet("=SUM(B:B)"), CellValue::Number(55));
  EXPECT_LE(book.cellReads(), 10);
  EXPECT_EQ(book.EvaluateOnDefaultSheet("=SUM(B1:B1048576)"), CellValue::Number(55));
  EXPECT_LE(book.cellReads(), 20);
}

TEST(Evaluate, IfReadsOnlyTheBranchItReturns) {
  FakeWorkbook book;
  book.SetValue("", 1, 1, CellValue::Boolean(true));
  EXPECT_EQ(book.EvaluateOnDefaultSheet("=IF(A1,1,SUM(B1:B5))"), CellValue::Number(1));
  EXPECT_EQ(book.cellReads(), 1);
}

TEST(Evaluate, FormulaIsReusableAcrossContexts) {
  auto f = ParseFormula("=A1+1");
  FakeWorkbook first, second;
  first.SetValue("", 1, 1, CellValue::Number(1));
  second.SetValue("", 1, 1, CellValue::Number(41));
  EXPECT_EQ(Evaluate(*f, first), CellValue::Number(2));
  EXPECT_EQ(Evaluate(*f, second), CellValue::Number(42));
}

}  // namespace
}  // namespace korvat::host::formula::testing
