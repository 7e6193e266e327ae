// Range as the library reaches it: values and their types, text input rules,
// formulas, geometry, rows and columns, borders, interior, font, formats, format
// conditions, copy and paste, and the row operations.

#include "host_fixture.h"
#include "support/hresult_matchers.h"

namespace korvat::test {
namespace {

class RangeTest : public HostTest {
 protected:
  std::string WorkbookText() const override {
    return R"({"format": "korvat-workbook", "version": 1,
      "application": {"activeSheet": "WBS"},
      "names": {"WSFirstTaskRow": "Settings!$B$3"},
      "sheets": [
        {"name": "WBS", "codeName": "wsWBS",
         "columns": {"B": {"width": 100}, "C": {"hidden": true}},
         "rows": {"2": {"height": 30}},
         "cells": {"A1": 42, "A2": "text", "A3": true, "A4": {"e": "#N/A"}, "A5": "=A1*2",
                   "B1": {"v": 0.375, "nf": "hh:mm"}, "B2": {"v": 1234.5, "nf": "0.00"},
                   "D3": {"v": 1, "b": {"right": {"style": 1, "weight": 2}}}}},
        {"name": "Settings", "codeName": "wsSettings", "cells": {"B3": 5}}
      ]})";
  }
  void SetUp() override {
    HostTest::SetUp();
    wbs_ = Sheet("WBS");
    ASSERT_TRUE(wbs_);
  }
  void TearDown() override {
    wbs_.Reset();
    HostTest::TearDown();
  }
  Ref Cell(std::uint32_t row, std::uint32_t col) {
    Ref cell;
    GetValue(KV_W("o"), cell.Put(), wbs_.Get(), KV_W(".Cells(%u,%u)"), row, col);
    return cell;
  }
  Ref RangeAt(const char* address) {
    Ref range;
    GetValue(KV_W("o"), range.Put(), wbs_.Get(), KV_W(".Range(%s)"), address);
    return range;
  }
  host::Worksheet& Model() { return *host_->Model().FindWorksheet("WBS"); }

  Ref wbs_;
};

struct ValueTypeCase {
  std::uint32_t row, col;
  VARTYPE vt;
};

TEST_F(RangeTest, ValueHasTheHostsVariantType) {
  const ValueTypeCase cases[] = {
      {1, 1, VT_R8}, {2, 1, VT_BSTR}, {3, 1, VT_BOOL}, {4, 1, VT_ERROR}, {5, 1, VT_R8}, {9, 9, VT_EMPTY},
  };
  for (const auto& c : cases) {
    VariantOwner v;
    ASSERT_HR(GetValue(KV_W("v"), v.Put(), wbs_.Get(), KV_W(".Cells(%u,%u).Value"), c.row, c.col), S_OK);
    EXPECT_EQ(v->vt, c.vt) << "row " << c.row;
    if (c.vt == VT_ERROR) {
      EXPECT_EQ(static_cast<std::uint32_t>(v->scode), 0x800A07FAu);
    }
    if (c.vt == VT_R8 && c.row == 5) {
      EXPECT_EQ(v->dblVal, 84.0);
    }
  }
}

TEST_F(RangeTest, EmptyCellReadsAsEmptyTextAndZero) {
  Ref cell = Cell(20, 3);
  EXPECT_EQ(Text(cell.Get(), KV_W("Value")), "");
  EXPECT_EQ(Number(cell.Get(), KV_W("Value")), 0.0);
}

TEST_F(RangeTest, ValueWrittenAsTextFollowsTheTextInputRules) {
  struct Case {
    const char* written;
    VARTYPE vt;
    double number;
    const char* text;
  } cases[] = {
      {"0.375", VT_R8, 0.375, ""}, {"-12", VT_R8, -12, ""}, {"'0042", VT_BSTR, 0, "0042"},
      {"Design", VT_BSTR, 0, "Design"}, {"TRUE", VT_BOOL, 0, ""}, {"", VT_EMPTY, 0, ""},
  };
  for (const auto& c : cases) {
    ASSERT_HR(PutValue(wbs_.Get(), KV_W(".Cells(%u,%u)=%s"), 10u, 2u, c.written), S_OK);
    const VariantOwner v = Variant(Cell(10, 2).Get(), KV_W("Value"));
    EXPECT_EQ(v->vt, c.vt) << c.written;
    if (c.vt == VT_R8) {
      EXPECT_EQ(v->dblVal, c.number) << c.written;
    }
    if (c.vt == VT_BSTR) {
      EXPECT_EQ(Narrow(v->bstrVal), c.text);
    }
  }
}

TEST_F(RangeTest, ValueWrittenAsNumberOrBooleanIsStoredAsIs) {
  Ref cell = Cell(11, 2);
  ASSERT_HR(PutValue(cell.Get(), KV_W("Value=%e"), 2.5), S_OK);
  EXPECT_EQ(Model().Value(11, 2), host::CellValue::Number(2.5));
  ASSERT_HR(PutValue(cell.Get(), KV_W("Value=%b"), 1), S_OK);
  EXPECT_EQ(Model().Value(11, 2), host::CellValue::Boolean(true));
}

TEST_F(RangeTest, ValueWrittenToAMultiCellRangeSetsEveryCell) {
  Ref range = RangeAt("F1:G3");
  ASSERT_HR(PutValue(range.Get(), KV_W("Value=%s"), "7"), S_OK);
  for (int r = 1; r <= 3; ++r)
    for (int c = 6; c <= 7; ++c) EXPECT_EQ(Model().Value(r, c), host::CellValue::Number(7)) << r << "," << c;
}

TEST_F(RangeTest, FormulaAndHasFormula) {
  Ref cell = Cell(12, 1);
  ASSERT_HR(PutValue(cell.Get(), KV_W("Formula=%s"), "=SUM(A1,A5)"), S_OK);
  EXPECT_EQ(Text(cell.Get(), KV_W("Formula")), "=SUM(A1,A5)");
  EXPECT_EQ(Text(cell.Get(), KV_W("HasFormula")), "True");
  EXPECT_EQ(Number(cell.Get(), KV_W("Value")), 126.0);
  // A value read after a write is current.
  ASSERT_HR(PutValue(wbs_.Get(), KV_W(".Cells(%u,%u)=%s"), 1u, 1u, "1"), S_OK);
  EXPECT_EQ(Number(cell.Get(), KV_W("Value")), 3.0);
  EXPECT_EQ(Text(Cell(1, 1).Get(), KV_W("HasFormula")), "False");
  EXPECT_EQ(Text(Cell(1, 1).Get(), KV_W("Formula")), "1");
}

TEST_F(RangeTest, HasFormulaOfSeveralCellsTellsAllNoneOrSome) {
  ASSERT_HR(PutValue(wbs_.Get(), KV_W(".Cells(%u,%u).Formula=%s"), 13u, 1u, "=1+1"), S_OK);
  ASSERT_HR(PutValue(wbs_.Get(), KV_W(".Cells(%u,%u).Formula=%s"), 13u, 2u, "=2+2"), S_OK);
  ASSERT_HR(PutValue(wbs_.Get(), KV_W(".Cells(%u,%u)=%s"), 13u, 3u, "5"), S_OK);
  EXPECT_EQ(Text(RangeAt("A13:B13").Get(), KV_W("HasFormula")), "True");
  EXPECT_EQ(Variant(RangeAt("A13:C13").Get(), KV_W("HasFormula")).Type(), VT_NULL);
  EXPECT_EQ(Variant(RangeAt("B13:C13").Get(), KV_W("HasFormula")).Type(), VT_NULL);
  EXPECT_EQ(Text(RangeAt("C13:D14").Get(), KV_W("HasFormula")), "False");
}

TEST_F(RangeTest, TextShowsTheNumberFormat) {
  EXPECT_EQ(Text(Cell(1, 2).Get(), KV_W("Text")), "09:00");
  EXPECT_EQ(Text(Cell(2, 2).Get(), KV_W("Text")), "1234.50");
  EXPECT_EQ(Text(Cell(4, 1).Get(), KV_W("Text")), "#N/A");
}

TEST_F(RangeTest, RowColumnAndAddress) {
  Ref range = RangeAt("C5:E9");
  EXPECT_EQ(Text(range.Get(), KV_W("Row")), "5");
  EXPECT_EQ(Text(range.Get(), KV_W("Column")), "3");
  EXPECT_EQ(Text(range.Get(), KV_W("Address")), "$C$5:$E$9");
  EXPECT_EQ(Int(range.Get(), KV_W("Rows.Count")), 5);
  EXPECT_EQ(Int(range.Get(), KV_W("Columns.Count")), 3);
  EXPECT_EQ(Int(range.Get(), KV_W("Count")), 15);
  Ref second;
  ASSERT_HR(GetValue(KV_W("o"), second.Put(), range.Get(), KV_W("Cells.item(%s)"), "2"), S_OK);
  EXPECT_EQ(Text(second.Get(), KV_W("Address")), "$D$5");
  Ref fourth;
  ASSERT_HR(GetValue(KV_W("o"), fourth.Put(), range.Get(), KV_W("Cells.item(%s)"), "4"), S_OK);
  EXPECT_EQ(Text(fourth.Get(), KV_W("Address")), "$C$6");
  Ref relative;
  ASSERT_HR(GetValue(KV_W("o"), relative.Put(), range.Get(), KV_W("Cells(%d,%d)"), 2, 3), S_OK);
  EXPECT_EQ(Text(relative.Get(), KV_W("Address")), "$E$6");
  std::int32_t row = 0;
  ASSERT_HR(GetValue(KV_W("d"), &row, range.Get(), KV_W("Rows(%d).Row"), 2), S_OK);
  EXPECT_EQ(row, 6);
}

TEST_F(RangeTest, RangeTakesNamesColumnsAndRows) {
  Ref settings = Sheet("Settings");
  Ref named;
  ASSERT_HR(GetValue(KV_W("o"), named.Put(), settings.Get(), KV_W(".Range(%s)"), "WSFirstTaskRow"), S_OK);
  EXPECT_EQ(Number(named.Get(), KV_W("Value")), 5.0);
  EXPECT_EQ(Text(RangeAt("B:B").Get(), KV_W("Address")), "$B:$B");
  EXPECT_EQ(Int(RangeAt("5:7").Get(), KV_W("Rows.Count")), 3);
  Ref missing;
  EXPECT_HR(GetValue(KV_W("o"), missing.Put(), wbs_.Get(), KV_W(".Range(%s)"), "NoSuchName"), DISP_E_EXCEPTION);
  EXPECT_FALSE(missing);
}

TEST_F(RangeTest, GeometryInPointsFromTheTopLeft) {
  Ref cell = Cell(3, 4);  // D3: after A (48), B (100), C (hidden)
  EXPECT_EQ(Number(cell.Get(), KV_W("Left")), 148.0);
  EXPECT_EQ(Number(cell.Get(), KV_W("Top")), 45.0);  // rows 1 (15) and 2 (30)
  EXPECT_EQ(Number(cell.Get(), KV_W("Width")), 48.0);
  EXPECT_EQ(Number(cell.Get(), KV_W("Height")), 15.0);
  EXPECT_EQ(Number(Cell(1, 3).Get(), KV_W("Width")), 0.0);
}

TEST_F(RangeTest, RowsAndColumnsHideAndShow) {
  ASSERT_HR(PutValue(wbs_.Get(), KV_W(".Rows(%d).EntireRow.Hidden=%b"), 6, 1), S_OK);
  std::int32_t hidden = 0;
  ASSERT_HR(GetValue(KV_W("b"), &hidden, wbs_.Get(), KV_W(".Rows(%d).EntireRow.Hidden"), 6), S_OK);
  EXPECT_EQ(hidden, -1);
  EXPECT_EQ(Model().RowHeight(6), 0.0);
  ASSERT_HR(PutValue(wbs_.Get(), KV_W(".Columns(%d).EntireColumn.Hidden=%b"), 3, 0), S_OK);
  ASSERT_HR(GetValue(KV_W("b"), &hidden, wbs_.Get(), KV_W(".Columns(%d).EntireColumn.Hidden"), 3), S_OK);
  EXPECT_EQ(hidden, 0);
  EXPECT_EQ(Model().ColumnWidth(3), 48.0);
}

TEST_F(RangeTest, ColumnWidthIsInCharacters) {
  ASSERT_HR(PutValue(wbs_.Get(), KV_W(".Columns(%d).ColumnWidth = %d"), 1, 1), S_OK);
  EXPECT_EQ(Model().ColumnWidth(1), 9.0);  // 12 pixels
  double width = 0;
  ASSERT_HR(GetValue(KV_W("e"), &width, wbs_.Get(), KV_W(".Columns(%d).ColumnWidth"), 1), S_OK);
  EXPECT_NEAR(width, 1.0, 0.01);
  EXPECT_NEAR(Number(Cell(1, 5).Get(), KV_W("ColumnWidth")), 8.43, 0.01);
}

TEST_F(RangeTest, RightBorderIsNoLineWhereNoneIsSet) {
  std::int32_t style = 0;
  ASSERT_HR(GetValue(KV_W("d"), &style, Cell(3, 4).Get(), KV_W("Borders(%d).LineStyle"), 10), S_OK);
  EXPECT_EQ(style, 1);
  ASSERT_HR(GetValue(KV_W("d"), &style, Cell(4, 4).Get(), KV_W("Borders(%d).LineStyle"), 10), S_OK);
  EXPECT_EQ(style, -4142);
  // The left edge of E3 is the line D3 draws on its right.
  ASSERT_HR(GetValue(KV_W("d"), &style, Cell(3, 5).Get(), KV_W("Borders(%d).LineStyle"), 7), S_OK);
  EXPECT_EQ(style, 1);
}

TEST_F(RangeTest, BordersOfAMultiCellRangeGoToItsEdgesAndInsideLines) {
  Ref box = RangeAt("B10:D12");
  for (int index : {7, 8, 9, 10}) {
    ASSERT_HR(PutValue(box.Get(), KV_W("Borders(%d).LineStyle=%e"), index, 1.0), S_OK);
    ASSERT_HR(PutValue(box.Get(), KV_W("Borders(%d).Weight=%e"), index, -4138.0), S_OK);
  }
  ASSERT_HR(PutValue(box.Get(), KV_W("Borders(%d).LineStyle=%e"), 11, 1.0), S_OK);
  ASSERT_HR(PutValue(box.Get(), KV_W("Borders(%d).LineStyle=%e"), 5, -4142.0), S_OK);
  const host::Worksheet& ws = Model();
  EXPECT_EQ(ws.Style(11, 2).border(host::Edge::Left).lineStyle, 1);
  EXPECT_EQ(ws.Style(11, 2).border(host::Edge::Left).weight, -4138);
  EXPECT_EQ(ws.Style(10, 3).border(host::Edge::Top).lineStyle, 1);
  EXPECT_EQ(ws.Style(12, 4).border(host::Edge::Bottom).lineStyle, 1);
  EXPECT_EQ(ws.Style(11, 4).border(host::Edge::Right).lineStyle, 1);
  EXPECT_EQ(ws.Style(11, 3).border(host::Edge::Right).lineStyle, 1);   // inside vertical
  EXPECT_EQ(ws.Style(11, 3).border(host::Edge::Bottom).lineStyle, -4142);  // no inside horizontal
  EXPECT_EQ(ws.Style(11, 3).border(host::Edge::Left).lineStyle, -4142);
  std::int32_t weight = 0;
  ASSERT_HR(GetValue(KV_W("d"), &weight, box.Get(), KV_W("Borders(%d).Weight"), 9), S_OK);
  EXPECT_EQ(weight, -4138);
  // An edge that is not the same all along reads as Null.
  ASSERT_HR(PutValue(wbs_.Get(), KV_W(".Cells(%u,%u).Borders(%d).LineStyle=%e"), 11u, 4u, 10, -4142.0), S_OK);
  VariantOwner mixed;
  ASSERT_HR(GetValue(KV_W("v"), mixed.Put(), box.Get(), KV_W("Borders(%d).LineStyle"), 10), S_OK);
  EXPECT_EQ(mixed->vt, VT_NULL);
  // A diagonal line cannot be kept, so asking for one fails.
  EXPECT_HR(PutValue(box.Get(), KV_W("Borders(%d).LineStyle=%e"), 5, 1.0), DISP_E_EXCEPTION);
}

TEST_F(RangeTest, InteriorFontFormatAndAlignment) {
  Ref row = RangeAt("A20:H20");
  ASSERT_HR(PutValue(row.Get(), KV_W("Interior.ColorIndex=%e"), 15.0), S_OK);
  EXPECT_EQ(Int(row.Get(), KV_W("Interior.ColorIndex")), 15);
  EXPECT_EQ(Int(row.Get(), KV_W("Interior.Pattern")), 1);
  EXPECT_EQ(Model().Style(20, 8).interior.colorIndex, 15);
  ASSERT_HR(PutValue(row.Get(), KV_W("Interior.ColorIndex=%e"), -4142.0), S_OK);
  EXPECT_EQ(Int(row.Get(), KV_W("Interior.Pattern")), -4142);
  ASSERT_HR(PutValue(row.Get(), KV_W("Interior.Color=%e"), 255.0), S_OK);
  EXPECT_EQ(Number(row.Get(), KV_W("Interior.Color")), 255.0);
  EXPECT_EQ(Int(row.Get(), KV_W("Interior.ColorIndex")), 3);

  Ref cell = Cell(20, 1);
  ASSERT_HR(PutValue(cell.Get(), KV_W("Font.Name=%s"), "Meiryo"), S_OK);
  ASSERT_HR(PutValue(cell.Get(), KV_W("Font.Size=%e"), 9.0), S_OK);
  ASSERT_HR(PutValue(cell.Get(), KV_W("Font.Bold=%b"), 1), S_OK);
  EXPECT_EQ(Text(cell.Get(), KV_W("Font.Name")), "Meiryo");
  EXPECT_EQ(Text(cell.Get(), KV_W("Font.Size")), "9");
  EXPECT_EQ(Text(cell.Get(), KV_W("Font.Bold")), "True");

  ASSERT_HR(PutValue(cell.Get(), KV_W("NumberFormat=%s"), "0.00"), S_OK);
  ASSERT_HR(PutValue(cell.Get(), KV_W("NumberFormatLocal=%s"), "0.00_ "), S_OK);
  EXPECT_EQ(Text(cell.Get(), KV_W("NumberFormat")), "0.00_ ");
  ASSERT_HR(PutValue(cell.Get(), KV_W("HorizontalAlignment=%e"), -4108.0), S_OK);
  ASSERT_HR(PutValue(cell.Get(), KV_W("VerticalAlignment=%e"), -4108.0), S_OK);
  EXPECT_EQ(Int(cell.Get(), KV_W("HorizontalAlignment")), -4108);
  EXPECT_EQ(Model().Style(20, 1).verticalAlignment, -4108);
}

TEST_F(RangeTest, MixedFormatsReadAsNullAndCannotBeCopiedAsNumbers) {
  Ref one = RangeAt("A22");
  ASSERT_HR(PutValue(one.Get(), KV_W("Interior.ColorIndex=%e"), 15.0), S_OK);
  ASSERT_HR(PutValue(one.Get(), KV_W("NumberFormat=%s"), "@"), S_OK);
  ASSERT_HR(PutValue(one.Get(), KV_W("Borders(7).LineStyle=%e"), 1.0), S_OK);
  Ref block = RangeAt("A22:B23");
  const WideText members[] = {KV_W("Interior.ColorIndex"), KV_W("Interior.Pattern"), KV_W("NumberFormat"),
                              KV_W("Borders(7).LineStyle")};
  for (const WideText& member : members) {
    VariantOwner v;
    ASSERT_HR(GetValue(KV_W("v"), v.Put(), block.Get(), member.c_str()), S_OK);
    EXPECT_EQ(v->vt, VT_NULL) << platform::WideToAnsi(member);
    double untouched = -1.0;
    EXPECT_TRUE(FAILED(GetValue(KV_W("e"), &untouched, block.Get(), member.c_str())));
    EXPECT_EQ(untouched, -1.0);
  }
  // Values the host has no constant for are refused, so a failed read copied as 0 changes nothing.
  const WideText puts[] = {KV_W("Interior.ColorIndex=%e"), KV_W("Interior.Pattern=%e"),
                           KV_W("Borders(7).LineStyle=%e"), KV_W("Borders(7).Weight=%e"),
                           KV_W("Borders(7).ColorIndex=%e")};
  for (const WideText& put : puts)
    EXPECT_HR(PutValue(block.Get(), put.c_str(), 0.0), DISP_E_EXCEPTION) << platform::WideToAnsi(put);
  EXPECT_EQ(Model().Style(22, 1).interior.colorIndex, 15);
  EXPECT_EQ(Model().Style(22, 1).border(host::Edge::Left).lineStyle, 1);
  EXPECT_EQ(Int(RangeAt("A23:B23").Get(), KV_W("Interior.ColorIndex")), -4142) << "a uniform range reads its value";
}

TEST_F(RangeTest, FormatConditionsAddColourAndDelete) {
  Ref range = RangeAt("F3:F9");
  ASSERT_HR(CallMethod(range.Get(), KV_W(".FormatConditions.Delete")), S_OK);
  ASSERT_HR(CallMethod(range.Get(), KV_W(".FormatConditions.Add(%d,%d,%s)"), 1, 6, "0.0"), S_OK);
  ASSERT_HR(PutValue(range.Get(), KV_W(".FormatConditions(%d).font.ColorIndex=%d"), 1, 3), S_OK);
  ASSERT_EQ(Model().ConditionalFormats().size(), 1u);
  EXPECT_EQ(Model().ConditionalFormats()[0].op, 6);
  EXPECT_EQ(Model().ConditionalFormats()[0].formula1, "0.0");
  EXPECT_EQ(Model().ConditionalFormats()[0].fontColorIndex, 3);
  EXPECT_EQ(Int(range.Get(), KV_W("FormatConditions.Count")), 1);
  ASSERT_HR(CallMethod(range.Get(), KV_W("FormatConditions.Delete")), S_OK);
  EXPECT_TRUE(Model().ConditionalFormats().empty());
}

TEST_F(RangeTest, ClearClearContentsAndClearFormats) {
  ASSERT_HR(CallMethod(Cell(2, 2).Get(), KV_W("ClearContents")), S_OK);
  EXPECT_TRUE(Model().Value(2, 2).IsEmpty());
  EXPECT_EQ(Model().Style(2, 2).numberFormat, "0.00");
  ASSERT_HR(CallMethod(Cell(1, 2).Get(), KV_W("Clear")), S_OK);
  EXPECT_EQ(Model().FindCell(1, 2), nullptr);
  ASSERT_HR(CallMethod(wbs_.Get(), KV_W(".Cells.Clear")), S_OK);
  EXPECT_TRUE(Model().Cells().empty());
}

TEST_F(RangeTest, CopyThenPasteSpecialValues) {
  ASSERT_HR(CallMethod(wbs_.Get(), KV_W(".Range(%s).Copy"), "A5:A5"), S_OK);
  ASSERT_HR(CallMethod(Cell(6, 1).Get(), KV_W(".PasteSpecial(%d)"), -4163), S_OK);
  EXPECT_EQ(Model().Value(6, 1), host::CellValue::Number(84));
  EXPECT_FALSE(Model().HasFormula(6, 1));
  ASSERT_HR(CallMethod(Cell(7, 1).Get(), KV_W(".PasteSpecial(%d)"), -4104), S_OK);
  EXPECT_EQ(Model().Formula(7, 1), "=A3*2");  // relative references move with the paste
}

TEST_F(RangeTest, PasteSpecialWithoutCopyFails) {
  EXPECT_HR(CallMethod(Cell(6, 1).Get(), KV_W(".PasteSpecial(%d)"), -4163), DISP_E_EXCEPTION);
  EXPECT_EQ(LastErrorDescription(), "PasteSpecial method of Range class failed");
}

TEST_F(RangeTest, CutAndInsertMoveRowsAndFormulasFollow) {
  ASSERT_HR(CallMethod(wbs_.Get(), KV_W(".Rows(%s).Cut"), "1:1"), S_OK);
  ASSERT_HR(CallMethod(wbs_.Get(), KV_W(".Rows(%s).Insert(%d)"), "4:4", -4121), S_OK);
  // Row 1 now stands before old row 4: old rows 2 and 3 moved up.
  EXPECT_EQ(Model().Value(3, 1), host::CellValue::Number(42));
  EXPECT_EQ(Model().Value(1, 1), host::CellValue::Text("text"));
  EXPECT_EQ(Model().Formula(5, 1), "=A3*2");
}

TEST_F(RangeTest, EntireRowInsertShiftsRowsDown) {
  ASSERT_HR(CallMethod(Cell(2, 1).Get(), KV_W(".EntireRow.Insert")), S_OK);
  EXPECT_TRUE(Model().Value(2, 1).IsEmpty());
  EXPECT_EQ(Model().Value(3, 1), host::CellValue::Text("text"));
  EXPECT_EQ(Model().Formula(6, 1), "=A1*2");
}

TEST_F(RangeTest, SelectMakesTheApplicationSelection) {
  ASSERT_HR(CallMethod(wbs_.Get(), KV_W(".Rows(%s).Select"), "5:7"), S_OK);
  Ref selection;
  ASSERT_HR(GetValue(KV_W("o"), selection.Put(), book_.Get(), KV_W("Application.Selection")), S_OK);
  EXPECT_EQ(Int(selection.Get(), KV_W("Rows.Count")), 3);
  Ref first;
  ASSERT_HR(GetValue(KV_W("o"), first.Put(), selection.Get(), KV_W("Cells.item(%s)"), "1"), S_OK);
  EXPECT_EQ(Int(first.Get(), KV_W("Row")), 5);
  ASSERT_HR(CallMethod(wbs_.Get(), KV_W(".Cells(%d,%d).Select"), 4, 2), S_OK);
  EXPECT_EQ(host_->Model().App().selection, "B4");
}

TEST_F(RangeTest, RangeOfADeletedSheetFailsInsteadOfCrashing) {
  Ref cell;
  ASSERT_HR(GetValue(KV_W("o"), cell.Put(), book_.Get(), KV_W(".Sheets(%s).Cells(%u,%u)"), "Settings", 3u, 2u), S_OK);
  host::Sheet* settings = host_->Model().FindSheet("Settings");
  ASSERT_TRUE(host_->Model().DeleteSheet(*settings));
  double value = -1;
  EXPECT_HR(GetValue(KV_W("e"), &value, cell.Get(), KV_W("Value")), DISP_E_EXCEPTION);
  EXPECT_EQ(value, -1);
}

}  // namespace
}  // namespace korvat::test
