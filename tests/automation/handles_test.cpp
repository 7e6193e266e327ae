// Owning handles and the property helpers built on the call layer.

#include "automation/automation_object.h"
#include "automation/call_error.h"
#include "automation/dispatch_call.h"
#include "automation/host_object.h"
#include "automation/wide_string.h"
#include "platform/bstr_owner.h"
#include "platform/variant_owner.h"
#include "support/fake_dispatch.h"

#include <gtest/gtest.h>

namespace {

using korvat::test::FakeDispatch;
using korvat::test::W;
using namespace korvat;

class Handles : public testing::Test {
 protected:
  void SetUp() override {
    InitializeCallLayer(false, true);
    SetErrorDisplay(false);
  }
  void TearDown() override { ReleaseThreadErrorRecord(); }
};

TEST_F(Handles, OwningHandleReleasesOnceAndBorrowedNever) {
  FakeDispatch object;
  object.AddRef();  // the reference the handle takes over
  {
    AutomationObject owner = AutomationObject::TakeOver(&object);
    AutomationObject view = owner.Borrowed();
    EXPECT_FALSE(view.Owns());
    AutomationObject moved = std::move(owner);
    EXPECT_TRUE(owner.IsEmpty());
    EXPECT_EQ(object.references, 2);
  }
  EXPECT_EQ(object.references, 1);
  EXPECT_EQ(object.releases, 1);
  {
    AutomationObject borrowed = AutomationObject::Borrow(&object);
  }
  EXPECT_EQ(object.references, 1);
}

TEST_F(Handles, AssignReleasesThePreviousObjectEvenForNull) {
  FakeDispatch a;
  a.AddRef();
  AutomationObject handle = AutomationObject::TakeOver(&a);
  handle.Assign(nullptr);
  EXPECT_EQ(a.references, 1);
  EXPECT_TRUE(handle.IsEmpty());
  EXPECT_TRUE(handle.Owns());
}

TEST_F(Handles, WideStringOwnsWhatItPreparedAndBorrowsOtherwise) {
  WideString owner = WideString::Copy(W("Design"));
  EXPECT_TRUE(owner.Owns());
  WideString view;
  view.Borrow(owner);
  EXPECT_FALSE(view.Owns());
  EXPECT_TRUE(view.Equals(owner));
  EXPECT_EQ(view.Length(), 6u);
  EXPECT_EQ(WideString().Length(), 0u);
  EXPECT_EQ(WideString::Copy(W("A")).HexKey(), "4100");
  EXPECT_EQ(HexKey(W("ab")), "61006200");
  EXPECT_NE(HexKey(W("Anna")), HexKey(W("anna")));
  const WideText nonAscii = {0x0416};
  EXPECT_EQ(HexKey(nonAscii), "1604");
}

TEST_F(Handles, HelpersStartEmptyAndStayEmptyWhenTheHostFails) {
  FakeDispatch object;
  EXPECT_EQ(GetText(&object, "Missing"), "");
  EXPECT_EQ(GetNumber(&object, "Missing"), 0.0);
  EXPECT_TRUE(GetObjectAt(&object, "Missing").IsEmpty());
  EXPECT_EQ(GetRow(nullptr), 0);
  EXPECT_EQ(GetLeft(nullptr), 0.0);
  WideString holder = WideString::Copy(W("old"));
  GetWideText(&object, "Missing", holder);
  EXPECT_EQ(holder.Text(), nullptr);
  EXPECT_TRUE(RangeAt(&object, "A1").IsEmpty());
  EXPECT_EQ(object.references, 1);
}

TEST_F(Handles, CellHelpersSpeakTheQuotedPaths) {
  FakeDispatch sheet, cell;
  sheet.OnObject(W("Cells"), &cell);
  sheet.OnObject(W("Range"), &cell);
  cell.OnText(W("Value"), W("not a number"));
  cell.OnText(W("Row"), W("12"));
  {
    AutomationObject c = CellAt(&sheet, 12, 3);
    ASSERT_FALSE(c.IsEmpty());
    EXPECT_EQ(GetValueText(c.Get()), "not a number");
    EXPECT_EQ(GetValueNumber(c.Get()), 0.0);
    EXPECT_EQ(GetRow(c.Get()), 12);
  }
  ASSERT_EQ(sheet.calls.size(), 1u);
  EXPECT_EQ(sheet.calls[0].arguments.size(), 2u);
  EXPECT_EQ(sheet.calls[0].arguments[1].integer, 12);
  EXPECT_EQ(sheet.calls[0].arguments[0].integer, 3);
  { AutomationObject r = RangeAt(&sheet, "WSFirstCol"); }
  EXPECT_EQ(sheet.calls[1].arguments[0].text, W("WSFirstCol"));
  EXPECT_EQ(cell.references, 1);
}

TEST_F(Handles, PutHelpersSendTheValueAsTheNamedPutArgument) {
  FakeDispatch shape;
  shape.OnAnything(W("Left"));
  shape.OnAnything(W("Item"));
  PutLeft(&shape, 12.5);
  PutItemNumber(&shape, 2, 0.25);
  ASSERT_EQ(shape.calls.size(), 2u);
  EXPECT_EQ(shape.calls[0].flags, DISPATCH_PROPERTYPUT);
  EXPECT_EQ(shape.calls[0].arguments[0].real, 12.5);
  ASSERT_EQ(shape.calls[1].arguments.size(), 2u);
  EXPECT_EQ(shape.calls[1].arguments[0].real, 0.25);
  EXPECT_EQ(shape.calls[1].arguments[1].integer, 2);
}

}  // namespace

namespace {

using korvat::BstrOwner;
using korvat::VariantOwner;

VARIANT HoldingObject(IDispatch* object) {
  VARIANT v;
  VariantInit(&v);
  v.vt = VT_DISPATCH;
  v.pdispVal = object;
  return v;
}

TEST_F(Handles, WhatIsStoredIntoAHandleIsOwnedEvenWhenItBorrowedBefore) {
  FakeDispatch borrowed, given, filled;
  given.AddRef();
  filled.AddRef();
  {
    AutomationObject handle = AutomationObject::Borrow(&borrowed);
    handle.Assign(&given);  // a new reference: the handle owns it now
    EXPECT_TRUE(handle.Owns());
    EXPECT_EQ(borrowed.releases, 0);
    *handle.Put() = &filled;  // Put releases what it owned and owns what is stored
    EXPECT_EQ(given.references, 1);
  }
  EXPECT_EQ(borrowed.references, 1);
  EXPECT_EQ(borrowed.releases, 0);
  EXPECT_EQ(filled.references, 1);
}

TEST_F(Handles, DetachGivesTheReferenceAway) {
  FakeDispatch object;
  object.AddRef();
  IDispatch* detached = nullptr;
  {
    AutomationObject handle = AutomationObject::TakeOver(&object);
    detached = handle.Detach();
    EXPECT_TRUE(handle.IsEmpty());
  }
  EXPECT_EQ(object.references, 2) << "the detached reference was not released";
  detached->Release();
}

TEST_F(Handles, WideStringsTakeOverBorrowAndCopyByName) {
  BSTR text = SysAllocString(KV_W("Anna"));
  {
    const WideString borrowed = WideString::Borrow(text);
    EXPECT_FALSE(borrowed.Owns());
  }
  EXPECT_EQ(WideText(text), W("Anna")) << "a borrowing holder does not free";
  const WideString owner = WideString::TakeOver(text);
  EXPECT_TRUE(owner.Owns());
  WideString filled = WideString::Borrow(owner.Text());
  *filled.PrepareOutput() = SysAllocString(KV_W("Ben"));
  EXPECT_TRUE(filled.Owns());
  EXPECT_EQ(WideText(filled.View()), W("Ben"));
  EXPECT_EQ(WideText(owner.View()), W("Anna")) << "preparing the borrowing holder freed nothing of the owner's";
}

TEST_F(Handles, VariantOwnersClearWhatTheyHoldAndHandTheRestOut) {
  FakeDispatch object;
  object.AddRef();
  VARIANT raw = HoldingObject(&object);
  {
    VariantOwner owner = VariantOwner::TakeOver(raw);
    EXPECT_EQ(raw.vt, VT_EMPTY) << "taking over leaves the source empty";
    EXPECT_EQ(owner->pdispVal, static_cast<IDispatch*>(&object));
  }
  EXPECT_EQ(object.references, 1) << "the owner released the object it held";

  object.AddRef();
  VARIANT target = HoldingObject(&object);
  FakeDispatch other;
  other.AddRef();
  VariantOwner replacement;
  *replacement.Put() = HoldingObject(&other);
  replacement.MoveTo(&target);
  EXPECT_EQ(object.references, 1) << "the target's old value was cleared";
  EXPECT_EQ(replacement.Type(), VT_EMPTY);
  EXPECT_EQ(target.pdispVal, static_cast<IDispatch*>(&other));
  VariantOwner::Discard(target);
  EXPECT_EQ(other.references, 1);
  EXPECT_EQ(target.vt, VT_EMPTY);
}

TEST_F(Handles, BstrOwnersFreeOnceAndHandOutOnDetach) {
  BstrOwner owner = BstrOwner::Copy(KV_W("Design"));
  EXPECT_EQ(owner.Length(), 6u);
  BstrOwner moved = std::move(owner);
  EXPECT_FALSE(owner);
  EXPECT_EQ(WideText(moved.View()), W("Design"));
  const BstrOwner bytes = BstrOwner::CopyBytes("abc");
  EXPECT_EQ(bytes.ByteLength(), 3u);
  BSTR handedOut = moved.Detach();
  EXPECT_FALSE(moved);
  const BstrOwner back = BstrOwner::TakeOver(handedOut);
  EXPECT_EQ(WideText(back.View()), W("Design"));
}

}  // namespace
