// Worksheet: names, Range and Cells addressing, rows and columns, shapes, activation,
// and a worksheet deleted while the caller holds it.

#include "host_fixture.h"
#include "support/hresult_matchers.h"

namespace korvat::test {
namespace {

using WorksheetTest = HostTest;

TEST_F(WorksheetTest, NameAndCodeName) {
  Ref wbs = Sheet("WBS");
  EXPECT_EQ(Text(wbs.Get(), KV_W("Name")), "WBS");
  EXPECT_EQ(Text(wbs.Get(), KV_W("codeName")), "wsWBS");
  EXPECT_EQ(Text(wbs.Get(), KV_W("CodeName")), "wsWBS");
  ASSERT_HR(PutValue(wbs.Get(), KV_W("Name=%s"), "Plan"), S_OK);
  EXPECT_NE(host_->Model().FindWorksheet("Plan"), nullptr);
  EXPECT_HR(PutValue(wbs.Get(), KV_W("Name=%s"), "bad:name"), DISP_E_EXCEPTION);
  Ref parent = Object(wbs.Get(), KV_W("Parent"));
  EXPECT_EQ(Int(parent.Get(), KV_W("Worksheets.Count")), 2);
}

TEST_F(WorksheetTest, CellsAndRangeAddressTheSameCell) {
  Ref wbs = Sheet("WBS");
  ASSERT_HR(PutValue(wbs.Get(), KV_W(".Cells(%u,%u)=%s"), 4u, 3u, "Design"), S_OK);
  // Literal text in a segment is no argument, and Range needs its address.
  EXPECT_EQ(Text(wbs.Get(), KV_W(".Range(C4).Value")), "<failed>");
  Ref cell;
  ASSERT_HR(GetValue(KV_W("o"), cell.Put(), wbs.Get(), KV_W(".Range(%s)"), "$C$4"), S_OK);
  EXPECT_EQ(Text(cell.Get(), KV_W("Value")), "Design");
  Ref outside;
  EXPECT_HR(GetValue(KV_W("o"), outside.Put(), wbs.Get(), KV_W(".Cells(%u,%u)"), 0u, 1u), DISP_E_EXCEPTION);
  EXPECT_HR(GetValue(KV_W("o"), outside.Put(), wbs.Get(), KV_W(".Cells(%u,%u)"), 1u, 16385u), DISP_E_EXCEPTION);
}

TEST_F(WorksheetTest, RowsAndColumnsByNumberOrText) {
  Ref wbs = Sheet("WBS");
  Ref rows;
  ASSERT_HR(GetValue(KV_W("o"), rows.Put(), wbs.Get(), KV_W(".Rows(%s)"), "5:7"), S_OK);
  EXPECT_EQ(Text(rows.Get(), KV_W("Address")), "$5:$7");
  Ref column;
  ASSERT_HR(GetValue(KV_W("o"), column.Put(), wbs.Get(), KV_W(".Columns(%d)"), 28), S_OK);
  EXPECT_EQ(Text(column.Get(), KV_W("Address")), "$AB:$AB");
  ASSERT_HR(PutValue(column.Get(), KV_W("ColumnWidth=%e"), 2.0), S_OK);
  EXPECT_EQ(host_->Model().FindWorksheet("WBS")->ColumnWidth(28), 14.25);  // 19 pixels
}

TEST_F(WorksheetTest, SelectAndActivate) {
  Ref settings = Sheet("Settings");
  ASSERT_HR(CallMethod(settings.Get(), KV_W(".Activate")), S_OK);
  EXPECT_EQ(host_->Model().App().activeSheet, "Settings");
  ASSERT_HR(CallMethod(settings.Get(), KV_W("Range(%s).Select"), "B2:C3"), S_OK);
  Ref selection = Object(book_.Get(), KV_W("Application.Selection"));
  EXPECT_EQ(Text(selection.Get(), KV_W("Address")), "$B$2:$C$3");
  EXPECT_EQ(Int(selection.Get(), KV_W("Columns.Count")), 2);
}

TEST_F(WorksheetTest, ADeletedWorksheetFailsItsCalls) {
  Ref settings = Sheet("Settings");
  Ref shapes = Object(settings.Get(), KV_W("Shapes"));
  ASSERT_TRUE(host_->Model().DeleteSheet(*host_->Model().FindSheet("Settings")));
  std::int32_t count = -1;
  EXPECT_HR(GetValue(KV_W("d"), &count, shapes.Get(), KV_W("Count")), DISP_E_EXCEPTION);
  EXPECT_HR(GetValue(KV_W("d"), &count, settings.Get(), KV_W("Cells.Count")), DISP_E_EXCEPTION);
  EXPECT_EQ(count, -1);
}

TEST_F(WorksheetTest, UnknownMembersAndArgumentErrors) {
  Ref wbs = Sheet("WBS");
  double value = 0;
  EXPECT_HR(GetValue(KV_W("e"), &value, wbs.Get(), KV_W(".Frobnicate")), DISP_E_UNKNOWNNAME);
  // A read-only property refuses a put.
  EXPECT_HR(PutValue(wbs.Get(), KV_W(".CodeName=%s"), "x"), DISP_E_EXCEPTION);
}

}  // namespace
}  // namespace korvat::test
