// The call layer's contract, proved against a recording IDispatch.

#include "automation/call_error.h"
#include "automation/dispatch_call.h"
#include "platform/bstr_owner.h"
#include "platform/variant_owner.h"
#include "support/fake_dispatch.h"
#include "support/hresult_matchers.h"

#include <gtest/gtest.h>

namespace {

using korvat::test::FakeCollection;
using korvat::test::FakeDispatch;
using korvat::test::W;
using namespace korvat;

class DispatchCall : public testing::Test {
 protected:
  void SetUp() override {
    InitializeCallLayer(false, true);
    SetErrorDisplay(false);
    ReleaseThreadErrorRecord();
  }
  void TearDown() override { ReleaseThreadErrorRecord(); }
};

TEST_F(DispatchCall, PutWalksTheSubObjectsAndPutsTheLastMember) {
  FakeDispatch app, window;
  app.OnObject(W("Application"), &app);
  app.OnObject(W("ActiveWindow"), &window);
  window.OnAnything(W("Zoom"));
  ASSERT_HR(PutValue(&app, KV_W(".Application.ActiveWindow.Zoom = %d"), 85), S_OK);

  ASSERT_EQ(app.calls.size(), 2u);
  EXPECT_EQ(app.calls[0].member, W("Application"));
  EXPECT_EQ(app.calls[0].flags, DISPATCH_METHOD | DISPATCH_PROPERTYGET);
  EXPECT_EQ(app.calls[1].member, W("ActiveWindow"));
  ASSERT_EQ(window.calls.size(), 1u);
  const auto& put = window.calls[0];
  EXPECT_EQ(put.member, W("Zoom"));
  EXPECT_EQ(put.flags, DISPATCH_PROPERTYPUT);
  ASSERT_EQ(put.arguments.size(), 1u);
  EXPECT_EQ(put.arguments[0].vt, VT_I4);
  EXPECT_EQ(put.arguments[0].integer, 85);
  ASSERT_EQ(put.named.size(), 1u);
  EXPECT_EQ(put.named[0], DISPID_PROPERTYPUT);
  EXPECT_EQ(app.references, 1);
  EXPECT_EQ(window.references, 1);
}

TEST_F(DispatchCall, ArgumentsReachInvokeInReverseOrderWithThePutValueFirst) {
  FakeDispatch sheet;
  sheet.OnAnything(W("Cells"));
  ASSERT_HR(PutValue(&sheet, KV_W(".Cells(%u,%u)=%s"), 7u, 3u, "12:30"), S_OK);
  ASSERT_EQ(sheet.calls.size(), 1u);
  const auto& args = sheet.calls[0].arguments;
  ASSERT_EQ(args.size(), 3u);
  EXPECT_EQ(args[0].vt, VT_BSTR);
  EXPECT_EQ(args[0].text, W("12:30"));
  EXPECT_EQ(args[1].vt, VT_UI4);
  EXPECT_EQ(args[1].integer, 3);
  EXPECT_EQ(args[2].vt, VT_UI4);
  EXPECT_EQ(args[2].integer, 7);
  EXPECT_EQ(sheet.calls[0].named, std::vector<DISPID>{DISPID_PROPERTYPUT});
}

TEST_F(DispatchCall, LiteralCharactersAfterTheNameCarryNoMeaning) {
  FakeDispatch a, b;
  a.OnAnything(W("Cells"));
  b.OnAnything(W("Cells"));
  ASSERT_HR(PutValue(&a, KV_W(".Cells(%u,%u)=%s"), 1u, 2u, "x"), S_OK);
  ASSERT_HR(PutValue(&b, KV_W("Cells%u%u%s"), 1u, 2u, "x"), S_OK);
  ASSERT_EQ(a.calls.size(), 1u);
  ASSERT_EQ(b.calls.size(), 1u);
  ASSERT_EQ(a.calls[0].arguments.size(), b.calls[0].arguments.size());
  for (std::size_t i = 0; i < a.calls[0].arguments.size(); ++i) {
    EXPECT_EQ(a.calls[0].arguments[i].vt, b.calls[0].arguments[i].vt);
    EXPECT_EQ(a.calls[0].arguments[i].integer, b.calls[0].arguments[i].integer);
    EXPECT_EQ(a.calls[0].arguments[i].text, b.calls[0].arguments[i].text);
  }
}

TEST_F(DispatchCall, EveryPlaceholderLetterBuildsItsVariant) {
  FakeDispatch target, other;
  target.OnAnything(W("Call"));
  VARIANT passed;
  VariantInit(&passed);
  passed.vt = VT_R8;
  passed.dblVal = 2.5;
  const BstrOwner kept = BstrOwner::Copy(KV_W("kept"));
  BSTR callerText = kept.Get();
  const OLECHAR* wide = KV_W("wide");
  ASSERT_HR(CallMethod(&target, KV_W("Call(%d,%u,%e,%b,%v,%B,%S,%s,%T,%o,%O,%p,%D,%m)"), -5, 6u, 1.25, 7, &passed,
                       callerText, wide, "narrow", static_cast<const void*>(wide), static_cast<IDispatch*>(&other),
                       static_cast<IUnknown*>(&other), static_cast<std::intptr_t>(99), 46364.5),
            S_OK);
  ASSERT_EQ(target.calls.size(), 1u);
  const auto& args = target.calls[0].arguments;  // reverse order
  ASSERT_EQ(args.size(), 14u);
  EXPECT_EQ(args[13].vt, VT_I4);
  EXPECT_EQ(args[13].integer, -5);
  EXPECT_EQ(args[12].vt, VT_UI4);
  EXPECT_EQ(args[11].vt, VT_R8);
  EXPECT_EQ(args[11].real, 1.25);
  EXPECT_EQ(args[10].vt, VT_BOOL);
  EXPECT_EQ(args[10].integer, VARIANT_TRUE);
  EXPECT_EQ(args[9].vt, VT_R8);
  EXPECT_EQ(args[9].real, 2.5);
  EXPECT_EQ(args[8].vt, VT_BSTR);
  EXPECT_EQ(args[8].pointer, callerText);  // the caller's own string, not a copy
  EXPECT_EQ(args[7].text, W("wide"));
  EXPECT_NE(args[7].pointer, wide);        // a copy
  EXPECT_EQ(args[6].text, W("narrow"));
  EXPECT_EQ(args[5].text, W("wide"));      // T follows the wide text mode
  EXPECT_EQ(args[4].vt, VT_DISPATCH);
  EXPECT_EQ(args[4].pointer, static_cast<void*>(static_cast<IDispatch*>(&other)));
  EXPECT_EQ(args[3].vt, VT_UNKNOWN);
  EXPECT_EQ(args[2].vt, sizeof(void*) == 8 ? VT_I8 : VT_I4);
  EXPECT_EQ(args[2].integer, 99);
  EXPECT_EQ(args[1].vt, VT_DATE);
  EXPECT_EQ(args[1].real, 46364.5);
  EXPECT_EQ(args[0].vt, VT_ERROR);
  EXPECT_EQ(static_cast<HRESULT>(args[0].integer), DISP_E_PARAMNOTFOUND);
  EXPECT_EQ(other.references, 1);  // o and O take no reference
  EXPECT_EQ(WideText(callerText), W("kept"));
}

TEST_F(DispatchCall, NullTextPointersGiveNullStrings) {
  FakeDispatch target;
  target.OnAnything(W("Call"));
  ASSERT_HR(CallMethod(&target, KV_W("Call(%S,%s)"), static_cast<const OLECHAR*>(nullptr),
                       static_cast<const char*>(nullptr)),
            S_OK);
  ASSERT_EQ(target.calls[0].arguments.size(), 2u);
  EXPECT_TRUE(target.calls[0].arguments[0].nullText);
  EXPECT_TRUE(target.calls[0].arguments[1].nullText);
}

TEST_F(DispatchCall, FailedSegmentStopsTheWalkAndConsumesNoFurtherPlaceholders) {
  FakeDispatch sheet;
  sheet.OnObject(W("Shapes"), nullptr);  // no object
  ASSERT_HR(CallMethod(&sheet, KV_W(".Shapes(%s).Delete(%d)"), "Bar", 5), E_NOINTERFACE);
  ASSERT_EQ(sheet.calls.size(), 1u);
  EXPECT_EQ(sheet.calls[0].arguments.size(), 1u);
  EXPECT_EQ(sheet.references, 1);
  const CallErrorRecord* record = ThreadErrorRecord();
  ASSERT_NE(record, nullptr);
  EXPECT_HR(record->code, E_NOINTERFACE);
  EXPECT_EQ(WideText(record->errorFunction), W("TraverseSubObjects"));
  EXPECT_EQ(WideText(record->initialFunction), W("CallMethod"));
}

TEST_F(DispatchCall, UnknownMemberStopsTheWalk) {
  FakeDispatch root;
  ASSERT_HR(CallMethod(&root, KV_W(".Missing.Delete")), DISP_E_UNKNOWNNAME);
  EXPECT_EQ(root.lookedUp, std::vector<WideText>{W("Missing")});
  EXPECT_EQ(root.references, 1);
  const CallErrorRecord* record = ThreadErrorRecord();
  ASSERT_NE(record, nullptr);
  EXPECT_EQ(record->dispatchError, 1);
  EXPECT_EQ(WideText(record->member), W("Missing"));
  EXPECT_EQ(WideText(record->errorFunction), W("InvokeArray"));
}

TEST_F(DispatchCall, TwentyFivePlaceholdersWorkAndTheTwentySixthFails) {
  FakeDispatch target;
  target.OnAnything(W("M"));
  WideText path = W("M(");
  for (int i = 0; i < 25; ++i) path += W("%d,");
  ASSERT_HR(CallMethod(&target, path.c_str(), 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20,
                       21, 22, 23, 24, 25),
            S_OK);
  ASSERT_EQ(target.calls.size(), 1u);
  EXPECT_EQ(target.calls[0].arguments.size(), 25u);
  EXPECT_EQ(target.calls[0].arguments[0].integer, 25);
  path += W("%d");
  EXPECT_HR(CallMethod(&target, path.c_str(), 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20,
                       21, 22, 23, 24, 25, 26),
            E_INVALIDARG);
  EXPECT_EQ(target.calls.size(), 1u);
}

TEST_F(DispatchCall, MalformedPathsFailWithInvalidArgument) {
  FakeDispatch target;
  target.OnAnything(W("M"));
  EXPECT_HR(CallMethod(&target, KV_W("M(%q)"), 1), E_INVALIDARG);
  EXPECT_HR(CallMethod(&target, KV_W("M(%")), E_INVALIDARG);
  WideText tooLong(512, u'x');
  EXPECT_HR(CallMethod(&target, tooLong.c_str()), E_INVALIDARG);
  EXPECT_HR(CallMethod(nullptr, KV_W("M")), E_INVALIDARG);
  EXPECT_HR(CallMethod(&target, KV_W("")), E_INVALIDARG);
  EXPECT_TRUE(target.calls.empty());
  EXPECT_EQ(target.references, 1);
}

TEST_F(DispatchCall, FailedGetLeavesTheResultUntouched) {
  FakeDispatch cell;
  cell.OnText(W("Value"), W("not a number"));
  double number = -123.0;
  EXPECT_HR(GetValue(KV_W("e"), &number, &cell, KV_W(".Value")), DISP_E_TYPEMISMATCH);
  EXPECT_EQ(number, -123.0);
  std::int32_t integer = 77;
  EXPECT_HR(GetValue(KV_W("%z"), &integer, &cell, KV_W(".Value")), E_INVALIDARG);
  EXPECT_EQ(integer, 77);
  EXPECT_TRUE(cell.calls.size() == 1u);  // the bad letter fails before the call
  IDispatch* object = reinterpret_cast<IDispatch*>(0x1);
  EXPECT_HR(GetValue(KV_W("o"), &object, &cell, KV_W(".Value")), DISP_E_TYPEMISMATCH);
  EXPECT_EQ(object, reinterpret_cast<IDispatch*>(0x1));
}

TEST_F(DispatchCall, ResultLettersConvertAndStore) {
  FakeDispatch cell;
  cell.OnNumber(W("Number"), 2.5);
  cell.OnText(W("Text"), W("Tr\u00e4ger"));
  VARIANT boolean;
  VariantInit(&boolean);
  boolean.vt = VT_BOOL;
  boolean.boolVal = VARIANT_TRUE;
  cell.OnValue(W("Flag"), boolean);
  VARIANT empty;
  VariantInit(&empty);
  cell.OnValue(W("Blank"), empty);

  std::int32_t i = 0;
  EXPECT_HR(GetValue(KV_W("d"), &i, &cell, KV_W("Number")), S_OK);
  EXPECT_EQ(i, 2);  // half to even
  double d = 0;
  EXPECT_HR(GetValue(KV_W("%e"), &d, &cell, KV_W("Number")), S_OK);
  EXPECT_EQ(d, 2.5);
  std::int32_t b = 0;
  EXPECT_HR(GetValue(KV_W("b"), &b, &cell, KV_W("Flag")), S_OK);
  EXPECT_EQ(b, -1);
  BstrOwner wide;
  EXPECT_HR(GetValue(KV_W("S"), wide.Put(), &cell, KV_W("Text")), S_OK);
  EXPECT_EQ(WideText(wide.View()), W("Tr\u00e4ger"));
  // "s" hands out narrow text in a byte-length BSTR the caller frees.
  auto narrowResult = [&](const OLECHAR* member) {
    char* narrow = nullptr;
    EXPECT_HR(GetValue(KV_W("s"), &narrow, &cell, member), S_OK);
    const BstrOwner owner = BstrOwner::TakeOver(reinterpret_cast<BSTR>(narrow));
    return narrow ? std::string(narrow, owner.ByteLength()) : std::string("<null>");
  };
  EXPECT_EQ(narrowResult(KV_W("Number")), "2.5");
  EXPECT_EQ(narrowResult(KV_W("Blank")), "");
  EXPECT_EQ(narrowResult(KV_W("Flag")), "True");
  VariantOwner whole;
  EXPECT_HR(GetValue(KV_W("v"), whole.Put(), &cell, KV_W("Number")), S_OK);
  EXPECT_EQ(whole->vt, VT_R8);
  std::int64_t seconds = 0;
  EXPECT_HR(GetValue(KV_W("t"), &seconds, &cell, KV_W("Number")), E_INVALIDARG);  // before 1970
}

TEST_F(DispatchCall, ObjectResultsHandOverOneReference) {
  FakeDispatch sheet, shape;
  sheet.OnObject(W("Shapes"), &shape);
  IDispatch* found = nullptr;
  ASSERT_HR(GetValue(KV_W("o"), &found, &sheet, KV_W(".Shapes(%s)"), "Bar7A"), S_OK);
  EXPECT_EQ(found, static_cast<IDispatch*>(&shape));
  EXPECT_EQ(shape.references, 2);
  found->Release();
  EXPECT_EQ(shape.references, 1);
  EXPECT_EQ(sheet.references, 1);
}

TEST_F(DispatchCall, OwnedArgumentsAreFreedAndCallerArgumentsAreNot) {
  FakeDispatch target;
  BSTR seen = nullptr;
  target.On(W("Put"), [&](const DISPPARAMS& params, WORD, VARIANT*, EXCEPINFO*) {
    seen = params.rgvarg[0].bstrVal;
    return S_OK;
  });
  const BstrOwner mine = BstrOwner::Copy(KV_W("mine"));
  ASSERT_HR(CallMethod(&target, KV_W("Put(%B)"), mine.Get()), S_OK);
  EXPECT_EQ(seen, mine.Get());
  EXPECT_EQ(WideText(mine.View()), W("mine"));  // still alive and unchanged
}

TEST_F(DispatchCall, EnumerationHandsOutEachItemAndEndsWithFalse) {
  FakeDispatch first, second;
  FakeCollection sheets({&first, &second});
  FakeDispatch book;
  book.OnObject(W("Worksheets"), &sheets);
  IEnumVARIANT* enumerator = nullptr;
  ASSERT_HR(EnumBegin(&enumerator, &book, KV_W(".Worksheets")), S_OK);
  IDispatch* item = nullptr;
  ASSERT_HR(EnumNextObject(enumerator, &item), S_OK);
  EXPECT_EQ(item, static_cast<IDispatch*>(&first));
  item->Release();
  ASSERT_HR(EnumNextObject(enumerator, &item), S_OK);
  EXPECT_EQ(item, static_cast<IDispatch*>(&second));
  item->Release();
  item = nullptr;
  EXPECT_HR(EnumNextObject(enumerator, &item), S_FALSE);
  EXPECT_EQ(item, nullptr);
  enumerator->Release();
  EXPECT_EQ(first.references, 1);
  EXPECT_EQ(second.references, 1);
  EXPECT_EQ(sheets.references, 1);
  EXPECT_HR(EnumNextObject(nullptr, &item), E_INVALIDARG);
}

TEST_F(DispatchCall, EnumerationOfANonCollectionFails) {
  FakeDispatch plain;
  IEnumVARIANT* enumerator = nullptr;
  EXPECT_HR(EnumBegin(&enumerator, &plain, nullptr), DISP_E_MEMBERNOTFOUND);
  EXPECT_EQ(enumerator, nullptr);
  const CallErrorRecord* record = ThreadErrorRecord();
  ASSERT_NE(record, nullptr);
  EXPECT_EQ(WideText(record->member), W("_NewEnum"));
  EXPECT_EQ(record->dispatchError, 1);
}

TEST_F(DispatchCall, CreatingAnUnknownClassFailsAndIsRecorded) {
  IDispatch* object = nullptr;
  EXPECT_TRUE(FAILED(CreateObject(KV_W("Korvat.NoSuchClass"), nullptr, &object)));
  EXPECT_EQ(object, nullptr);
  ASSERT_NE(ThreadErrorRecord(), nullptr);
  EXPECT_EQ(WideText(ThreadErrorRecord()->initialFunction), W("CreateObject"));
  EXPECT_HR(GetObjectEx(nullptr, nullptr, IID_IDispatch, 5, nullptr, reinterpret_cast<void**>(&object)),
            E_INVALIDARG);
  int reserved = 0;
  EXPECT_HR(GetObjectEx(KV_W("x.json"), nullptr, IID_IDispatch, 5, &reserved, reinterpret_cast<void**>(&object)),
            E_INVALIDARG);
}

}  // namespace
