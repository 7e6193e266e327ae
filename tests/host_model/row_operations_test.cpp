#include <gtest/gtest.h>

#include "host/model/row_operations.h"
#include "host/model/workbook.h"

namespace korvat::host {
namespace {

// Column A holds its own row number, so every row's travel is visible.
struct RowFixture {
  Workbook book;
  Worksheet* plan = book.AddWorksheet("Plan");
  Worksheet* other = book.AddWorksheet("Other");
  RowFixture() {
    for (int r = 1; r <= 10; ++r) plan->SetValue(r, 1, CellValue::Number(r));
    plan->SetFormula(12, 2, "=SUM(A3:A6)");
    plan->SetFormula(12, 3, "=A8");
    other->SetFormula(1, 1, "=Plan!A8");
    other->SetFormula(1, 2, "=A8");  // its own sheet: not affected
    book.Names().Set("Eight", "Plan!$A$8");
    plan->SetRowHeight(8, 30);
  }
  double A(int r) const { return plan->Value(r, 1).number; }
};

TEST(RowOperations, InsertMovesRowsFormulasNamesAndShapes) {
  RowFixture f;
  Shape& bar = f.plan->Shapes().AddAutoShape(1, 10, f.plan->RowTop(8) + 2, 30, 5);
  ASSERT_TRUE(InsertRows(*f.plan, 4, 2));
  EXPECT_EQ(f.A(3), 3);
  EXPECT_TRUE(f.plan->Value(4, 1).IsEmpty());
  EXPECT_EQ(f.A(6), 4);
  EXPECT_EQ(f.plan->Formula(14, 2), "=SUM(A3:A8)");
  EXPECT_EQ(f.plan->Formula(14, 3), "=A10");
  EXPECT_EQ(f.other->Formula(1, 1), "=Plan!A10");
  EXPECT_EQ(f.other->Formula(1, 2), "=A8");
  EXPECT_EQ(*f.book.Names().Find("Eight"), "Plan!$A$10");
  EXPECT_EQ(f.plan->Rows().Size(10), 30.0);
  EXPECT_EQ(bar.top, f.plan->RowTop(10) + 2);
  EXPECT_EQ(f.other->Value(1, 1), CellValue::Number(8));
}

TEST(RowOperations, DeleteShrinksRangesAndBreaksLostReferences) {
  RowFixture f;
  ASSERT_TRUE(DeleteRows(*f.plan, 5, 4));  // rows 5..8 go
  EXPECT_EQ(f.A(5), 9);
  EXPECT_EQ(f.plan->Formula(8, 2), "=SUM(A3:A4)");
  EXPECT_EQ(f.plan->Value(8, 3), CellValue::Error(CellError::Ref));
  EXPECT_FALSE(DeleteRows(*f.plan, 0, 1));
}

TEST(RowOperations, MoveRowsUpAndDownLikeCutAndInsert) {
  struct Case {
    int first, last, before;
    std::vector<double> expected;  // column A of rows 1..8 afterwards
  } cases[] = {
      {5, 6, 3, {1, 2, 5, 6, 3, 4, 7, 8}},
      {2, 3, 7, {1, 4, 5, 6, 2, 3, 7, 8}},
      {4, 4, 4, {1, 2, 3, 4, 5, 6, 7, 8}},
  };
  for (const auto& c : cases) {
    RowFixture f;
    ASSERT_TRUE(MoveRows(*f.plan, c.first, c.last, c.before));
    for (int r = 1; r <= 8; ++r) EXPECT_EQ(f.A(r), c.expected[r - 1]) << "row " << r << " case " << c.first;
  }
  RowFixture f;
  EXPECT_FALSE(MoveRows(*f.plan, 3, 6, 5));
  ASSERT_TRUE(MoveRows(*f.plan, 8, 8, 2));
  EXPECT_EQ(f.plan->Formula(12, 3), "=A2");
  EXPECT_EQ(f.plan->Value(12, 3), CellValue::Number(8));
  EXPECT_EQ(f.other->Formula(1, 1), "=Plan!A2");
}

}  // namespace
}  // namespace korvat::host
