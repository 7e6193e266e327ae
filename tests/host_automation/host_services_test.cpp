// What the host offers around the object model: call counters, live references,
// injected faults as the call layer sees them, and the Change and SelectionChange events.

#include <vector>

#include "host_fixture.h"
#include "support/hresult_matchers.h"

namespace korvat::test {
namespace {

using CountersTest = HostTest;

TEST_F(CountersTest, EveryGetIDsOfNamesAndInvokeCounts) {
  Ref wbs = Sheet("WBS");
  host_->ResetCounters();
  double value = 0;
  ASSERT_HR(GetValue(KV_W("e"), &value, wbs.Get(), KV_W(".Cells(%u,%u).Value"), 1u, 1u), S_OK);
  // Cells and Value: one GetIDsOfNames and one Invoke each.
  EXPECT_EQ(host_->TotalCalls(), 4);
  EXPECT_EQ(host_->CallsOf("cells"), 2);
  EXPECT_EQ(host_->CallsOf("VALUE"), 2);
  const auto byMember = host_->CallsByMember();
  EXPECT_EQ(byMember.at("Cells"), 2);
  EXPECT_EQ(byMember.at("Value"), 2);
  // An unknown name counts too, under the name asked for.
  EXPECT_HR(GetValue(KV_W("e"), &value, wbs.Get(), KV_W(".NoSuchMember")), DISP_E_UNKNOWNNAME);
  EXPECT_EQ(host_->CallsOf("NoSuchMember"), 1);
  host_->ResetCounters();
  EXPECT_EQ(host_->TotalCalls(), 0);
}

TEST_F(CountersTest, LiveObjectsCountsReferencesNotReleased) {
  const std::int64_t before = host_->LiveObjects();
  Ref wbs = Sheet("WBS");
  Ref cell;
  ASSERT_HR(GetValue(KV_W("o"), cell.Put(), wbs.Get(), KV_W(".Cells(%u,%u)"), 2u, 2u), S_OK);
  EXPECT_EQ(host_->LiveObjects(), before + 2);
  cell.Reset();
  wbs.Reset();
  EXPECT_EQ(host_->LiveObjects(), before);
}

struct FaultCase {
  host::FaultKind kind;
  HRESULT code;
};

class FaultTest : public HostTest, public ::testing::WithParamInterface<FaultCase> {};

TEST_P(FaultTest, TheKthInvokeFailsOnceAsTheCallerSeesIt) {
  Ref wbs = Sheet("WBS");
  host_->FailCall(2, GetParam().kind);
  double value = -1;
  // Invoke 1 is Cells, invoke 2 is Value.
  EXPECT_HR(GetValue(KV_W("e"), &value, wbs.Get(), KV_W(".Cells(%u,%u).Value"), 1u, 1u), GetParam().code);
  EXPECT_EQ(value, -1);
  EXPECT_EQ(LastErrorCode(), GetParam().code);
  if (GetParam().kind == host::FaultKind::Exception) {
    EXPECT_NE(LastErrorDescription().find("Value"), std::string::npos);
  }
  EXPECT_HR(GetValue(KV_W("e"), &value, wbs.Get(), KV_W(".Cells(%u,%u).Value"), 1u, 1u), S_OK);
}

TEST_P(FaultTest, EveryInvokeOfANamedMemberFailsUntilCleared) {
  Ref wbs = Sheet("WBS");
  host_->FailMember("shapes", GetParam().kind);
  std::int32_t count = -1;
  for (int i = 0; i < 3; ++i)
    EXPECT_HR(GetValue(KV_W("d"), &count, wbs.Get(), KV_W(".Shapes.Count")), GetParam().code);
  EXPECT_HR(GetValue(KV_W("d"), &count, wbs.Get(), KV_W(".Rows.Count")), S_OK);
  EXPECT_EQ(count, 1048576);
  host_->ClearFaults();
  EXPECT_HR(GetValue(KV_W("d"), &count, wbs.Get(), KV_W(".Shapes.Count")), S_OK);
  EXPECT_EQ(count, 0);
}

INSTANTIATE_TEST_SUITE_P(Kinds, FaultTest,
                         ::testing::Values(FaultCase{host::FaultKind::Exception, DISP_E_EXCEPTION},
                                           FaultCase{host::FaultKind::MemberNotFound, DISP_E_MEMBERNOTFOUND},
                                           FaultCase{host::FaultKind::OutOfMemory, DISP_E_EXCEPTION}));

// An allocation failure inside a member never leaves the host as an exception: the
// caller gets the host's error with its text, the arguments it passed are still its
// own, and every object the host handed out can be released.
TEST_F(CountersTest, AnAllocationFailureInsideAMemberBecomesTheHostsError) {
  Ref wbs = Sheet("WBS");
  host_->FailMember("Value", host::FaultKind::OutOfMemory);
  EXPECT_HR(PutValue(wbs.Get(), KV_W(".Cells(%u,%u).Value=%S"), 2u, 2u, KV_W("kept by the caller")),
            DISP_E_EXCEPTION);
  EXPECT_EQ(LastErrorDescription(), "Out of memory");
  double value = -1;
  EXPECT_HR(GetValue(KV_W("e"), &value, wbs.Get(), KV_W(".Cells(%u,%u).Value"), 2u, 2u), DISP_E_EXCEPTION);
  EXPECT_EQ(value, -1);
  host_->ClearFaults();
  EXPECT_HR(GetValue(KV_W("e"), &value, wbs.Get(), KV_W(".Cells(%u,%u).Value"), 2u, 2u), S_OK);
  EXPECT_EQ(value, 0);  // the failed write wrote nothing
}

// Events reach plain functions, so the test records them in globals of this file.
struct EventLog {
  std::vector<std::string> changes;
  std::vector<std::string> selections;
  host::WorkbookHost* host = nullptr;
  bool writeBack = false;
};
EventLog* g_log = nullptr;

std::string AddressOf(IDispatch* range) {
  BstrOwner text;
  GetValue(KV_W("S"), text.Put(), range, KV_W("Address"));
  return Narrow(text.Get());
}

void KV_CALL OnChange(IDispatch** range) {
  g_log->changes.push_back(AddressOf(*range));
  if (g_log->writeBack && g_log->changes.size() == 1) {
    // A write from the handler raises a nested Change on the same thread.
    PutValue(*range, KV_W("Offset(%d,%d).Value=%s"), 0, 1, "100");
  }
}

void KV_CALL OnSelectionChange(IDispatch** range) { g_log->selections.push_back(AddressOf(*range)); }

class EventsTest : public HostTest {
 protected:
  void SetUp() override {
    HostTest::SetUp();
    g_log = &log_;
    host_->SetEventHandlers(&OnChange, &OnSelectionChange);
  }
  void TearDown() override {
    g_log = nullptr;
    HostTest::TearDown();
  }
  EventLog log_;
};

TEST_F(EventsTest, OffByDefault) {
  Ref wbs = Sheet("WBS");
  ASSERT_HR(PutValue(wbs.Get(), KV_W(".Cells(%u,%u)=%s"), 3u, 2u, "x"), S_OK);
  ASSERT_HR(CallMethod(wbs.Get(), KV_W(".Cells(%d,%d).Select"), 3, 2), S_OK);
  EXPECT_TRUE(log_.changes.empty());
  EXPECT_TRUE(log_.selections.empty());
}

TEST_F(EventsTest, WritesAndSelectionsOnTheWbsSheetReachTheHandlers) {
  host_->EnableEvents(true);
  Ref wbs = Sheet("WBS");
  Ref settings = Sheet("Settings");
  ASSERT_HR(PutValue(wbs.Get(), KV_W(".Cells(%u,%u)=%s"), 3u, 2u, "x"), S_OK);
  ASSERT_HR(PutValue(settings.Get(), KV_W(".Cells(%u,%u)=%s"), 3u, 2u, "x"), S_OK);  // another sheet: no event
  ASSERT_HR(CallMethod(wbs.Get(), KV_W(".Range(%s).ClearContents"), "B3:C4"), S_OK);
  ASSERT_HR(CallMethod(wbs.Get(), KV_W(".Rows(%s).Select"), "5:6"), S_OK);
  EXPECT_EQ(log_.changes, (std::vector<std::string>{"$B$3", "$B$3:$C$4"}));
  EXPECT_EQ(log_.selections, (std::vector<std::string>{"$5:$6"}));
  host_->EnableEvents(false);
  ASSERT_HR(PutValue(wbs.Get(), KV_W(".Cells(%u,%u)=%s"), 3u, 2u, "y"), S_OK);
  EXPECT_EQ(log_.changes.size(), 2u);
}

TEST_F(EventsTest, AHandlerMayWriteBackReentrantly) {
  host_->EnableEvents(true);
  log_.writeBack = true;
  Ref wbs = Sheet("WBS");
  ASSERT_HR(PutValue(wbs.Get(), KV_W(".Cells(%u,%u)=%s"), 7u, 4u, "20"), S_OK);
  EXPECT_EQ(log_.changes, (std::vector<std::string>{"$D$7", "$E$7"}));
  EXPECT_EQ(host_->Model().FindWorksheet("WBS")->Value(7, 5), host::CellValue::Number(100));
}

TEST_F(EventsTest, ApplicationEnableEventsSwitchesThemOff) {
  host_->EnableEvents(true);
  Ref wbs = Sheet("WBS");
  ASSERT_HR(PutValue(book_.Get(), KV_W("Application.EnableEvents=%b"), 0), S_OK);
  ASSERT_HR(PutValue(wbs.Get(), KV_W(".Cells(%u,%u)=%s"), 3u, 2u, "x"), S_OK);
  EXPECT_TRUE(log_.changes.empty());
}

// The user's own actions go through the object model, so they raise the events a macro's
// writes raise, and a number typed as text is stored as a number.
TEST_F(EventsTest, TheUsersSelectionAndTypingRaiseTheSheetsEvents) {
  host_->EnableEvents(true);
  std::string error;
  ASSERT_TRUE(host_->SelectRange("wsWBS", "8:9", &error)) << error;
  ASSERT_TRUE(host_->TypeIntoCell("wsWBS", "S20", "100", &error)) << error;
  ASSERT_TRUE(host_->TypeIntoCell("wsWBS", "B3", "Design", &error)) << error;
  ASSERT_TRUE(host_->TypeIntoCell("wsWBS", "B3", "", &error)) << error;
  EXPECT_EQ(log_.selections, (std::vector<std::string>{"$8:$9"}));
  EXPECT_EQ(log_.changes, (std::vector<std::string>{"$S$20", "$B$3", "$B$3"}));
  const host::Worksheet& wbs = *host_->Model().FindWorksheet("WBS");
  EXPECT_EQ(wbs.Value(20, 19), host::CellValue::Number(100));
  EXPECT_TRUE(wbs.Value(3, 2).IsEmpty()) << "typing nothing clears the cell";
  EXPECT_EQ(host_->Model().App().selection, "8:9");
}

TEST_F(EventsTest, UserActionsOnAMissingSheetOrAddressChangeNothing) {
  std::string error;
  EXPECT_FALSE(host_->SelectRange("wsNoSuchSheet", "A1", &error));
  EXPECT_NE(error.find("wsNoSuchSheet"), std::string::npos);
  EXPECT_FALSE(host_->TypeIntoCell("wsWBS", "not a cell", "1", &error));
  EXPECT_FALSE(host_->TypeIntoCell("wsWBS", "A1:B2", "1", &error));
  EXPECT_TRUE(host_->Model().FindWorksheet("WBS")->Value(1, 1).IsEmpty());
}

}  // namespace
}  // namespace korvat::test
