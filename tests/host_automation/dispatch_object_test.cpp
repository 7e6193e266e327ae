// The adapter base as a raw Automation client sees it: names without regard to case,
// stable DISPIDs, the default member and _NewEnum, arguments by reference, omitted
// optional arguments, and the codes of each kind of failure.

#include <cstring>

#include "host_fixture.h"
#include "support/hresult_matchers.h"

namespace korvat::test {
namespace {

class DispatchObjectTest : public HostTest {
 protected:
  DISPID IdOf(IDispatch* object, const OLECHAR* name) {
    DISPID id = 12345;
    WideText text(name);
    LPOLESTR names[] = {text.data()};
    last_ = object->GetIDsOfNames(IID_NULL, names, 1, LOCALE_USER_DEFAULT, &id);
    return id;
  }
  HRESULT Raw(IDispatch* object, DISPID id, WORD flags, std::vector<VARIANT> reversed, VARIANT* result,
              EXCEPINFO* info, bool put = false) {
    DISPID named = DISPID_PROPERTYPUT;
    DISPPARAMS params{reversed.data(), put ? &named : nullptr, static_cast<UINT>(reversed.size()), put ? 1u : 0u};
    UINT argErr = 0;
    return object->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, flags, &params, result, info, &argErr);
  }
  static VARIANT I4(std::int32_t v) {
    VARIANT x;
    VariantInit(&x);
    x.vt = VT_I4;
    x.lVal = v;
    return x;
  }
  HRESULT last_ = S_OK;
};

TEST_F(DispatchObjectTest, NamesMatchWithoutCaseAndKeepTheirIds) {
  Ref wbs = Sheet("WBS");
  const DISPID cells = IdOf(wbs.Get(), KV_W("Cells"));
  EXPECT_HR(last_, S_OK);
  EXPECT_EQ(IdOf(wbs.Get(), KV_W("cElLs")), cells);
  Ref other = Sheet("Settings");
  EXPECT_EQ(IdOf(other.Get(), KV_W("CELLS")), cells);
  EXPECT_EQ(IdOf(wbs.Get(), KV_W("NoSuchMember")), DISPID_UNKNOWN);
  EXPECT_HR(last_, DISP_E_UNKNOWNNAME);
}

TEST_F(DispatchObjectTest, RangeValueIsTheDefaultMember) {
  Ref cell;
  ASSERT_HR(GetValue(KV_W("o"), cell.Put(), Sheet("WBS").Get(), KV_W(".Cells(%u,%u)"), 2u, 2u), S_OK);
  EXPECT_EQ(IdOf(cell.Get(), KV_W("Value")), DISPID_VALUE);
  VARIANT value;
  VariantInit(&value);
  value.vt = VT_R8;
  value.dblVal = 4.5;
  ASSERT_HR(Raw(cell.Get(), DISPID_VALUE, DISPATCH_PROPERTYPUT, {value}, nullptr, nullptr, true), S_OK);
  VariantOwner read;
  ASSERT_HR(Raw(cell.Get(), DISPID_VALUE, DISPATCH_PROPERTYGET, {}, read.Put(), nullptr), S_OK);
  EXPECT_EQ(read->vt, VT_R8);
  EXPECT_EQ(read->dblVal, 4.5);
}

TEST_F(DispatchObjectTest, ArgumentsByReferenceAndOfAnyNumericType) {
  Ref wbs = Sheet("WBS");
  const DISPID cells = IdOf(wbs.Get(), KV_W("Cells"));
  LONG row = 3;
  VARIANT byRef;
  VariantInit(&byRef);
  byRef.vt = VT_BYREF | VT_I4;
  byRef.byref = &row;
  VARIANT column;
  VariantInit(&column);
  column.vt = VT_R4;
  column.fltVal = 2.0f;
  VariantOwner result;
  // Reversed: the last argument comes first.
  ASSERT_HR(Raw(wbs.Get(), cells, DISPATCH_PROPERTYGET, {column, byRef}, result.Put(), nullptr), S_OK);
  ASSERT_EQ(result->vt, VT_DISPATCH);
  EXPECT_EQ(Text(result->pdispVal, KV_W("Address")), "$B$3");
}

TEST_F(DispatchObjectTest, OmittedOptionalArgumentsTakeTheirDefaults) {
  Ref range;
  ASSERT_HR(GetValue(KV_W("o"), range.Put(), Sheet("WBS").Get(), KV_W(".Range(%s)"), "B2:C3"), S_OK);
  BstrOwner text;
  ASSERT_HR(GetValue(KV_W("S"), text.Put(), range.Get(), KV_W("Address(%m,%b)"), 0), S_OK);
  EXPECT_EQ(Narrow(text.Get()), "B$2:C$3");
}

TEST_F(DispatchObjectTest, NewEnumHandsOutAnEnumerator) {
  Ref sheets = Object(book_.Get(), KV_W("Worksheets"));
  VariantOwner result;
  ASSERT_HR(Raw(sheets.Get(), DISPID_NEWENUM, DISPATCH_PROPERTYGET, {}, result.Put(), nullptr), S_OK);
  ASSERT_EQ(result->vt, VT_UNKNOWN);
  ComRef<IEnumVARIANT> e;
  ASSERT_HR(result->punkVal->QueryInterface(IID_IEnumVARIANT, reinterpret_cast<void**>(e.Put())), S_OK);
  result.Reset();
  VARIANT items[3];
  ULONG fetched = 0;
  EXPECT_HR(e->Next(3, items, &fetched), S_FALSE);
  EXPECT_EQ(fetched, 2u);
  for (ULONG i = 0; i < fetched; ++i) VariantOwner::Discard(items[i]);
  EXPECT_HR(e->Reset(), S_OK);
  EXPECT_HR(e->Skip(5), S_FALSE);
}

TEST_F(DispatchObjectTest, FailuresCarryTheirCodes) {
  Ref wbs = Sheet("WBS");
  EXPECT_HR(Raw(wbs.Get(), 9999, DISPATCH_PROPERTYGET, {}, nullptr, nullptr), DISP_E_MEMBERNOTFOUND);
  EXCEPINFO info;
  std::memset(&info, 0, sizeof info);
  VariantOwner result;
  const DISPID cells = IdOf(wbs.Get(), KV_W("Cells"));
  ASSERT_HR(Raw(wbs.Get(), cells, DISPATCH_PROPERTYGET, {I4(1), I4(0)}, result.Put(), &info), DISP_E_EXCEPTION);
  const BstrOwner source = BstrOwner::TakeOver(info.bstrSource);
  const BstrOwner description = BstrOwner::TakeOver(info.bstrDescription);
  EXPECT_EQ(result->vt, VT_EMPTY);
  EXPECT_FALSE(Narrow(source.Get()).empty());
  EXPECT_EQ(Narrow(description.Get()), "Application-defined or object-defined error");
  EXPECT_EQ(static_cast<std::uint32_t>(info.scode), 0x800A03ECu);
  // Text that is not a number where a number is needed.
  Ref shape;
  EXPECT_HR(GetValue(KV_W("o"), shape.Put(), wbs.Get(), KV_W(".Shapes.AddShape(%s,%e,%e,%e,%e)"), "oval", 1.0, 1.0,
                     1.0, 1.0),
            DISP_E_EXCEPTION);
}

}  // namespace
}  // namespace korvat::test
