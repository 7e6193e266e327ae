// kvInit, kvSetWorkBook and kvQuit against a workbook of recording objects.

#include "frame/addin_state.h"
#include "korvat/korvat.h"
#include "support/fake_dispatch.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace {

using korvat::State;
using korvat::test::FakeCollection;
using korvat::test::FakeDispatch;
using korvat::test::W;

struct FakeWorkbook {
  explicit FakeWorkbook(const std::vector<const char*>& codeNames) {
    for (const char* codeName : codeNames) {
      auto sheet = std::make_unique<FakeDispatch>();
      sheet->OnText(W("codeName"), W(codeName));
      sheets.push_back(std::move(sheet));
    }
    std::vector<IDispatch*> items;
    for (auto& s : sheets) items.push_back(s.get());
    worksheets = std::make_unique<FakeCollection>(items);
    book.OnObject(W("Worksheets"), worksheets.get());
  }
  bool Balanced() const {
    for (auto& s : sheets)
      if (s->references != 1) return false;
    return worksheets->references == 1 && book.references == 1;
  }
  IDispatch* Sheet(std::size_t i) { return sheets[i].get(); }

  FakeDispatch book;
  std::vector<std::unique_ptr<FakeDispatch>> sheets;
  std::unique_ptr<FakeCollection> worksheets;
};

class Lifecycle : public testing::Test {
 protected:
  void TearDown() override { kvQuit(); }
};

TEST_F(Lifecycle, BindsTheThreeSheetsByCodeName) {
  FakeWorkbook wb({"wsDictionary", "wsSettings", "wsWBS", "wsResource", "wsCalendar"});
  kvInit();
  IDispatch* book = &wb.book;
  EXPECT_EQ(kvSetWorkBook(&book), 0);
  EXPECT_EQ(State().workbook.Get(), &wb.book);
  EXPECT_EQ(State().wbsSheet.Get(), wb.Sheet(2));
  EXPECT_EQ(State().settingsSheet.Get(), wb.Sheet(1));
  EXPECT_EQ(State().resourceSheet.Get(), wb.Sheet(3));
  ASSERT_NE(State().wbsSettings, nullptr);
  EXPECT_EQ(State().wbsSettings->firstTaskRow, 0);
  EXPECT_EQ(wb.book.references, 1);  // the workbook is borrowed
  kvQuit();
  EXPECT_TRUE(wb.Balanced());
  EXPECT_EQ(State().wbsSettings, nullptr);
  EXPECT_TRUE(State().wbsSheet.IsEmpty());
}

TEST_F(Lifecycle, CodeNamesMatchExactly) {
  FakeWorkbook wb({"WSWBS", "wsSettings"});
  kvInit();
  IDispatch* book = &wb.book;
  kvSetWorkBook(&book);
  EXPECT_TRUE(State().wbsSheet.IsEmpty());
  EXPECT_EQ(State().settingsSheet.Get(), wb.Sheet(1));
  EXPECT_TRUE(State().resourceSheet.IsEmpty());
  kvQuit();
  EXPECT_TRUE(wb.Balanced());
}

TEST_F(Lifecycle, RebindingAndRepeatedInitReleaseThePreviousSheets) {
  FakeWorkbook first({"wsWBS", "wsSettings", "wsResource"});
  FakeWorkbook second({"wsWBS"});
  kvInit();
  IDispatch* book = &first.book;
  kvSetWorkBook(&book);
  book = &second.book;
  kvSetWorkBook(&book);
  EXPECT_TRUE(first.Balanced());
  EXPECT_EQ(State().wbsSheet.Get(), second.Sheet(0));
  EXPECT_TRUE(State().settingsSheet.IsEmpty());
  State().wbsSettings->savedFilter = ",5,";
  kvInit();
  EXPECT_TRUE(second.Balanced());
  EXPECT_TRUE(State().workbook.IsEmpty());
  EXPECT_EQ(State().wbsSettings->savedFilter, "");
}

TEST_F(Lifecycle, QuitBeforeInitAndNullWorkbookAreHarmless) {
  kvQuit();
  EXPECT_EQ(State().taskTable, nullptr);
  kvInit();
  EXPECT_EQ(kvSetWorkBook(nullptr), 0);
  IDispatch* none = nullptr;
  EXPECT_EQ(kvSetWorkBook(&none), 0);
  EXPECT_TRUE(State().wbsSheet.IsEmpty());
}

}  // namespace
