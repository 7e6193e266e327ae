// The per-thread error record and its texts.

#include "automation/call_error.h"
#include "automation/dispatch_call.h"
#include "automation/message_box.h"
#include "platform/bstr_owner.h"
#include "platform/variant_owner.h"
#include "support/fake_dispatch.h"
#include "support/hresult_matchers.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using korvat::test::FakeDispatch;
using korvat::test::W;
using namespace korvat;

class CallError : public testing::Test {
 protected:
  void SetUp() override {
    InitializeCallLayer(false, true);
    SetErrorDisplay(false);
    CallErrorOptions none{};
    SetErrorOptions(&none);
    ReleaseThreadErrorRecord();
  }
  void TearDown() override {
    CallErrorOptions none{};
    SetErrorOptions(&none);
    SetMessageSink({});
    ReleaseThreadErrorRecord();
  }

  static WideText Formatted(int layout, UINT length = 1024) {
    std::vector<OLECHAR> buffer(length + 1, u'#');
    EXPECT_HR(FormatErrorText(nullptr, buffer.data(), length, layout), S_OK);
    return WideText(buffer.data());
  }
};

HRESULT RaiseException(const DISPPARAMS&, WORD, VARIANT*, EXCEPINFO* info) {
  info->wCode = 1004;
  info->bstrDescription = SysAllocString(KV_W("The range is locked.\r\n"));
  info->bstrSource = SysAllocString(KV_W("Host"));
  return DISP_E_EXCEPTION;
}

TEST_F(CallError, NoRecordGivesTheNoInformationText) {
  EXPECT_EQ(Formatted(0), W("No error information available."));
}

TEST_F(CallError, RecordsOnlyTheFirstFailureOfAnOutermostCall) {
  FakeDispatch sheet;
  sheet.OnObject(W("Shapes"), nullptr);
  CallMethod(&sheet, KV_W(".Shapes(%s).Delete"), "Bar");
  const CallErrorRecord* record = ThreadErrorRecord();
  ASSERT_NE(record, nullptr);
  EXPECT_HR(record->code, E_NOINTERFACE);
  EXPECT_EQ(WideText(record->initialFunction), W("CallMethod"));
  EXPECT_EQ(WideText(record->errorFunction), W("TraverseSubObjects"));
  EXPECT_EQ(WideText(record->member), W("Shapes(%s)"));
  EXPECT_EQ(WideText(record->completeMember), W(".Shapes(%s).Delete"));
  EXPECT_EQ(record->finished, 1);

  // A later failure replaces the finished record.
  FakeDispatch cell;
  cell.OnText(W("Value"), W("x"));
  double d = 0;
  GetValue(KV_W("e"), &d, &cell, KV_W("Value"));
  record = ThreadErrorRecord();
  EXPECT_HR(record->code, DISP_E_TYPEMISMATCH);
  EXPECT_EQ(WideText(record->initialFunction), W("GetValue"));
  EXPECT_EQ(WideText(record->errorFunction), W("InternalInvokeV"));

  // A success leaves the record as it was.
  char* text = nullptr;
  EXPECT_HR(GetValue(KV_W("s"), &text, &cell, KV_W("Value")), S_OK);
  const BstrOwner received = BstrOwner::TakeOver(reinterpret_cast<BSTR>(text));
  EXPECT_HR(ThreadErrorRecord()->code, DISP_E_TYPEMISMATCH);
}

TEST_F(CallError, TakesOverTheHostExceptionAndFormatsIt) {
  FakeDispatch range;
  range.On(W("Delete"), RaiseException);
  EXPECT_HR(CallMethod(&range, KV_W("Delete")), DISP_E_EXCEPTION);
  const CallErrorRecord* record = ThreadErrorRecord();
  ASSERT_NE(record, nullptr);
  EXPECT_EQ(record->exceptionCode, 1004);
  EXPECT_EQ(WideText(record->description), W("The range is locked.\r\n"));
  EXPECT_EQ(Formatted(0), W("Member:\t  Delete\r\nFunction:\t  CallMethod\t\t\r\nError In:\t  InvokeArray\r\n"
                            "Error:\t  The range is locked.\r\nCode:\t  3ec\r\nSource:\t  Host"));
  EXPECT_EQ(Formatted(1), W("Member:   Delete\r\nFunction: CallMethod\r\nError In: InvokeArray\r\n"
                            "Error:    The range is locked.\r\nCode:     3ec\r\nSource:   Host"));
}

struct ComposedRow {
  const char* name;
  const char* path;
  const char* expected;
};

class ComposedText : public CallError, public testing::WithParamInterface<ComposedRow> {};

TEST_P(ComposedText, IsComposedFromTheCodeAndMember) {
  FakeDispatch object;
  object.OnObject(W("Nothing"), nullptr);
  object.OnText(W("Text"), W("abc"));
  double d = 0;
  GetValue(KV_W("e"), &d, &object, W(GetParam().path).c_str());
  EXPECT_EQ(Formatted(1), W(GetParam().expected));
}

const ComposedRow kComposed[] = {
    {"ObjectRequired", ".Nothing.Value",
     "Member:   .Nothing.Value\r\nFunction: GetValue\r\nError In: TraverseSubObjects\r\nError:    Object "
     "required\r\nCode:     80004002\r\nSource:   Application"},
    {"UnknownMember", ".Missing",
     "Member:   .Missing\r\nFunction: GetValue\r\nError In: InvokeArray\r\nError:    Object doesn't support this "
     "property or method: 'Missing'\r\nCode:     80020006\r\nSource:   IDispatch Interface"},
    {"TypeMismatch", "Text",
     "Member:   Text\r\nFunction: GetValue\r\nError In: InternalInvokeV\r\nError:    Type mismatch: 'Text'. "
     "Argument Index: 0\r\nCode:     80020005\r\nSource:   Application"},
};
INSTANTIATE_TEST_SUITE_P(CallError, ComposedText, testing::ValuesIn(kComposed),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(CallError, TextIsCutToTheBufferAndTerminated) {
  FakeDispatch object;
  CallMethod(&object, KV_W("Missing"));
  EXPECT_EQ(Formatted(1, 12), W("Member:   M"));
  OLECHAR untouched = u'#';
  EXPECT_HR(FormatErrorText(nullptr, &untouched, 0, 0), S_OK);
  EXPECT_EQ(untouched, u'#');
  EXPECT_HR(FormatErrorText(nullptr, nullptr, 5, 0), E_INVALIDARG);
  char narrow[40];
  EXPECT_HR(FormatErrorTextAnsi(nullptr, narrow, sizeof narrow, 1), S_OK);
  EXPECT_STREQ(narrow, "Member:   Missing\r\nFunction: CallMethod");
}

TEST_F(CallError, MemberNamesAreCutTo63Characters) {
  FakeDispatch object;
  const WideText name(64, u'n');
  CallMethod(&object, name.c_str());
  ASSERT_NE(ThreadErrorRecord(), nullptr);
  EXPECT_EQ(WideText(ThreadErrorRecord()->member), name.substr(0, 63));
}

TEST_F(CallError, DisplayShowsTheBoxThroughTheSinkAndCallbackSeesTheRecord) {
  std::vector<MessageBoxRequest> boxes;
  SetMessageSink([&](const MessageBoxRequest& r) {
    boxes.push_back(r);
    return 1;
  });
  static int callbacks = 0;
  callbacks = 0;
  CallErrorOptions options{};
  options.title = KV_W("Host call");
  options.display = 1;
  options.callback = [](CallErrorRecord*) { ++callbacks; };
  SetErrorOptions(&options);

  FakeDispatch object;
  CallMethod(&object, KV_W(".A.B"));
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].flags, 0x10010u);
  EXPECT_EQ(boxes[0].title, W("Host call"));
  EXPECT_EQ(boxes[0].text.substr(0, 17), W("Member:\t  .A.B\r\nF"));
  EXPECT_EQ(callbacks, 1);

  SetErrorDisplay(false);
  CallMethod(&object, KV_W(".A.B"));
  EXPECT_EQ(boxes.size(), 1u);
  EXPECT_EQ(callbacks, 2);
}

TEST_F(CallError, OptionsCopyInAndOut) {
  CallErrorOptions in{};
  in.display = 1;
  in.recordingDisabled = 1;
  ASSERT_HR(SetErrorOptions(&in), S_OK);
  CallErrorOptions out{};
  ASSERT_HR(GetErrorOptions(&out), S_OK);
  EXPECT_EQ(out.display, 1);
  EXPECT_EQ(out.recordingDisabled, 1);
  EXPECT_HR(SetErrorOptions(nullptr), E_INVALIDARG);
  EXPECT_HR(GetErrorOptions(nullptr), E_INVALIDARG);

  FakeDispatch object;
  CallMethod(&object, KV_W("Missing"));
  EXPECT_EQ(ThreadErrorRecord(), nullptr);  // recording disabled
  SetErrorDisplay(true);                    // re-enables recording
  SetErrorDisplay(false);
  CallMethod(&object, KV_W("Missing"));
  EXPECT_NE(ThreadErrorRecord(), nullptr);
}

TEST_F(CallError, UninitializeReleasesTheThreadRecord) {
  FakeDispatch object;
  CallMethod(&object, KV_W("Missing"));
  ASSERT_NE(ThreadErrorRecord(), nullptr);
  UninitializeCallLayer(false);
  EXPECT_EQ(ThreadErrorRecord(), nullptr);
  EXPECT_EQ(CallDepth(), 0);
}

}  // namespace
