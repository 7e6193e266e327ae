// Workbook, Sheets and Application: sheets by code name through enumeration, by name
// (failing when absent), Sheets.Add, the selection, the window's zoom.

#include "host_fixture.h"
#include "support/hresult_matchers.h"

namespace korvat::test {
namespace {

using WorkbookTest = HostTest;

TEST_F(WorkbookTest, WorksheetsEnumerateWithTheirCodeNames) {
  IEnumVARIANT* e = nullptr;
  ASSERT_HR(EnumBegin(&e, book_.Get(), KV_W(".Worksheets")), S_OK);
  IDispatch* sheet = nullptr;
  std::vector<std::string> seen;
  while (EnumNextObject(e, &sheet) == S_OK) {
    seen.push_back(Text(sheet, KV_W("codeName")) + "/" + Text(sheet, KV_W("Name")));
    sheet->Release();
  }
  e->Release();
  EXPECT_EQ(seen, (std::vector<std::string>{"wsWBS/WBS", "wsSettings/Settings"}));
}

TEST_F(WorkbookTest, SheetsByNameFailsWhenAbsent) {
  Ref found = Sheet("settings");
  ASSERT_TRUE(found);
  EXPECT_EQ(Text(found.Get(), KV_W("Name")), "Settings");
  Ref missing;
  EXPECT_HR(GetValue(KV_W("o"), missing.Put(), book_.Get(), KV_W(".Sheets(%s)"), "EVM_20261201"), DISP_E_EXCEPTION);
  EXPECT_FALSE(missing);
  EXPECT_EQ(LastErrorCode(), DISP_E_EXCEPTION);
  EXPECT_FALSE(LastErrorDescription().empty());
}

TEST_F(WorkbookTest, SheetsAddAddsAndActivatesAWorksheet) {
  Ref added;
  ASSERT_HR(GetValue(KV_W("o"), added.Put(), book_.Get(), KV_W(".Sheets.Add")), S_OK);
  ASSERT_HR(PutValue(added.Get(), KV_W(".Name=%s"), "Workload1"), S_OK);
  EXPECT_EQ(host_->Model().App().activeSheet, "Workload1");
  EXPECT_NE(host_->Model().FindWorksheet("Workload1"), nullptr);
  EXPECT_EQ(Int(book_.Get(), KV_W("Sheets.Count")), 3);
  Ref active;
  ASSERT_HR(GetValue(KV_W("o"), active.Put(), book_.Get(), KV_W("Application.ActiveSheet")), S_OK);
  EXPECT_EQ(Text(active.Get(), KV_W("Name")), "Workload1");
  // A name another sheet holds is refused.
  EXPECT_HR(PutValue(added.Get(), KV_W(".Name=%s"), "wbs"), DISP_E_EXCEPTION);
}

TEST_F(WorkbookTest, ActiveWindowZoom) {
  ASSERT_HR(PutValue(book_.Get(), KV_W(".Application.ActiveWindow.Zoom = %d"), 85), S_OK);
  EXPECT_EQ(host_->Model().App().zoom, 85.0);
  EXPECT_EQ(Int(book_.Get(), KV_W("Application.ActiveWindow.Zoom")), 85);
  EXPECT_HR(PutValue(book_.Get(), KV_W(".Application.ActiveWindow.Zoom = %d"), 5), DISP_E_EXCEPTION);
}

TEST_F(WorkbookTest, WorksheetActivatePasteAndCells) {
  Ref wbs = Sheet("WBS");
  Ref settings = Sheet("Settings");
  ASSERT_HR(PutValue(wbs.Get(), KV_W(".Cells(%u,%u).Formula=%s"), 2u, 2u, "=1+1"), S_OK);
  ASSERT_HR(PutValue(wbs.Get(), KV_W(".Cells(%u,%u)=%s"), 2u, 3u, "=1+1"), S_OK);
  ASSERT_HR(CallMethod(wbs.Get(), KV_W(".Range(%s).Copy"), "B2:B2"), S_OK);
  ASSERT_HR(CallMethod(settings.Get(), KV_W(".Activate")), S_OK);
  ASSERT_HR(CallMethod(settings.Get(), KV_W(".Cells(%d,%d).Select"), 4, 2), S_OK);
  ASSERT_HR(CallMethod(settings.Get(), KV_W(".Paste")), S_OK);
  EXPECT_EQ(host_->Model().FindWorksheet("Settings")->Value(4, 2), host::CellValue::Number(2));
  EXPECT_EQ(host_->Model().App().activeSheet, "Settings");
  // A Value write never makes a formula.
  EXPECT_EQ(host_->Model().FindWorksheet("WBS")->Value(2, 3), host::CellValue::Text("=1+1"));
}

TEST_F(WorkbookTest, ReportSheetFinishingPaths) {
  Ref added;
  ASSERT_HR(GetValue(KV_W("o"), added.Put(), book_.Get(), KV_W(".Sheets.Add")), S_OK);
  ASSERT_HR(PutValue(added.Get(), KV_W(".Cells(%u,%u)=%s"), 3u, 2u, "A rather long heading text"), S_OK);
  ASSERT_HR(CallMethod(added.Get(), KV_W(".Cells.Select")), S_OK);
  ASSERT_HR(CallMethod(added.Get(), KV_W(".Cells.EntireColumn.AutoFit")), S_OK);
  const host::Worksheet* sheet = static_cast<host::Worksheet*>(host_->Model().SheetAt(0));
  EXPECT_GT(sheet->ColumnWidth(2), 48.0);
  EXPECT_EQ(sheet->ColumnWidth(3), 48.0);
  ASSERT_HR(CallMethod(added.Get(), KV_W(".Activate")), S_OK);
  ASSERT_HR(CallMethod(added.Get(), KV_W(".Cells.Clear")), S_OK);
  EXPECT_TRUE(sheet->Cells().empty());
}

}  // namespace
}  // namespace korvat::test
