// WorksheetFunction.Match as the dictionary lookup uses it: the key's row in column B,
// and a failure when the key is absent.

#include "host_fixture.h"
#include "support/hresult_matchers.h"

namespace korvat::test {
namespace {

class MatchTest : public HostTest {
 protected:
  std::string WorkbookText() const override {
    return R"({"format": "korvat-workbook", "version": 1,
      "sheets": [{"name": "Dictionary", "codeName": "wsDictionary", "cells": {
        "B2": "EVMRPT", "C2": "EVM report *", "B3": "WLRPT", "B5": "PV", "B7": 42}}]})";
  }
  void SetUp() override {
    HostTest::SetUp();
    dictionary_ = Sheet("Dictionary");
    GetValue(KV_W("o"), function_.Put(), book_.Get(), KV_W("Application.WorksheetFunction"));
    GetValue(KV_W("o"), column_.Put(), dictionary_.Get(), KV_W(".Range(%s)"), "B:B");
    ASSERT_TRUE(function_ && column_);
  }
  void TearDown() override {
    dictionary_.Reset();
    function_.Reset();
    column_.Reset();
    HostTest::TearDown();
  }
  Ref dictionary_, function_, column_;
};

TEST_F(MatchTest, ExactMatchGivesTheRowOfTheKey) {
  const struct {
    const char* key;
    std::int32_t row;
  } cases[] = {{"EVMRPT", 2}, {"wlrpt", 3}, {"PV", 5}, {"42", 0}, {"Missing", 0}};
  for (const auto& c : cases) {
    std::int32_t row = 0;
    const HRESULT hr = GetValue(KV_W("d"), &row, function_.Get(), KV_W(".Match(%s,%o,%d)"), c.key, column_.Get(), 0);
    if (c.row == 0) {
      EXPECT_HR(hr, DISP_E_EXCEPTION) << c.key;
      EXPECT_EQ(LastErrorDescription(), "Unable to get the Match property of the WorksheetFunction class");
      EXPECT_EQ(row, 0);
    } else {
      EXPECT_HR(hr, S_OK) << c.key;
      EXPECT_EQ(row, c.row) << c.key;
    }
  }
}

TEST_F(MatchTest, NumberKeyMatchesANumber) {
  std::int32_t row = 0;
  ASSERT_HR(GetValue(KV_W("d"), &row, function_.Get(), KV_W(".Match(%e,%o,%d)"), 42.0, column_.Get(), 0), S_OK);
  EXPECT_EQ(row, 7);
}

}  // namespace
}  // namespace korvat::test
