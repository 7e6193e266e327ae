// VariantChangeType as the call layer uses it (VARIANT_ALPHABOOL). The same table
// runs against the project's layer on Linux and against the real library under
// wine64: a row that passes on one and fails on the other is a bug in the layer.

#include "platform/com.h"
#include "support/fake_dispatch.h"
#include "support/hresult_matchers.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace {

using korvat::test::W;

struct Source {
  VARTYPE vt;
  double number = 0.0;
  const char* text = nullptr;
};

VARIANT Make(const Source& s) {
  VARIANT v;
  VariantInit(&v);
  v.vt = s.vt;
  switch (s.vt) {
    case VT_I4: v.lVal = static_cast<LONG>(s.number); break;
    case VT_UI4: v.ulVal = static_cast<ULONG>(s.number); break;
    case VT_I2: v.iVal = static_cast<SHORT>(s.number); break;
    case VT_I8: v.llVal = static_cast<LONGLONG>(s.number); break;
    case VT_R4: v.fltVal = static_cast<float>(s.number); break;
    case VT_R8: v.dblVal = s.number; break;
    case VT_DATE: v.date = s.number; break;
    case VT_BOOL: v.boolVal = s.number != 0 ? VARIANT_TRUE : VARIANT_FALSE; break;
    case VT_ERROR: v.scode = static_cast<SCODE>(s.number); break;
    case VT_BSTR: {
      const WideText w = W(s.text);
      v.bstrVal = SysAllocStringLen(w.data(), static_cast<UINT>(w.size()));
      break;
    }
    default: break;
  }
  return v;
}

double NumberOf(const VARIANT& v) {
  switch (v.vt) {
    case VT_I2: return v.iVal;
    case VT_I4: return v.lVal;
    case VT_UI4: return v.ulVal;
    case VT_I8: return static_cast<double>(v.llVal);
    case VT_R4: return v.fltVal;
    case VT_R8: return v.dblVal;
    case VT_DATE: return v.date;
    case VT_BOOL: return v.boolVal;
    default: return NAN;
  }
}

struct ToTextRow {
  const char* name;
  Source source;
  HRESULT code;
  const char* expected;
};

class ToText : public testing::TestWithParam<ToTextRow> {};

TEST_P(ToText, Converts) {
  const ToTextRow& row = GetParam();
  VARIANT source = Make(row.source);
  VARIANT result;
  VariantInit(&result);
  EXPECT_HR(VariantChangeType(&result, &source, VARIANT_ALPHABOOL, VT_BSTR), row.code);
  if (SUCCEEDED(row.code)) {
    ASSERT_EQ(result.vt, VT_BSTR);
    EXPECT_EQ(WideText(result.bstrVal, SysStringLen(result.bstrVal)), W(row.expected));
  } else {
    EXPECT_EQ(result.vt, VT_EMPTY);
  }
  VariantClear(&result);
  VariantClear(&source);
}

const ToTextRow kToText[] = {
    {"Integer", {VT_I4, 42}, S_OK, "42"},
    {"NegativeInteger", {VT_I4, -7}, S_OK, "-7"},
    {"WholeDouble", {VT_R8, 30}, S_OK, "30"},
    {"Half", {VT_R8, 0.5}, S_OK, "0.5"},
    {"Third", {VT_R8, 1.0 / 3.0}, S_OK, "0.333333333333333"},
    {"FifteenSignificantDigits", {VT_R8, 0.1 + 0.2}, S_OK, "0.3"},
    {"TimeOfDay", {VT_R8, 0.375}, S_OK, "0.375"},
    {"LargeWhole", {VT_R8, 123456789012345.0}, S_OK, "123456789012345"},
    {"NegativeFraction", {VT_R8, -2.25}, S_OK, "-2.25"},
    {"NegativeZero", {VT_R8, -0.0}, S_OK, "0"},
    {"Single", {VT_R4, 0.1}, S_OK, "0.1"},
    {"BooleanTrue", {VT_BOOL, 1}, S_OK, "True"},
    {"BooleanFalse", {VT_BOOL, 0}, S_OK, "False"},
    {"Empty", {VT_EMPTY}, S_OK, ""},
    {"Null", {VT_NULL}, DISP_E_TYPEMISMATCH, ""},
    {"ErrorValue", {VT_ERROR, static_cast<double>(0x800A07FA)}, DISP_E_TYPEMISMATCH, ""},
    {"DateOnly", {VT_DATE, 46364.0}, S_OK, "12/8/2026"},
    {"DateAndTime", {VT_DATE, 46364.5}, S_OK, "12/8/2026 12:00:00 PM"},
    {"TimeOnly", {VT_DATE, 0.375}, S_OK, "9:00:00 AM"},
    {"Text", {VT_BSTR, 0, "abc"}, S_OK, "abc"},
};
INSTANTIATE_TEST_SUITE_P(VariantChangeType, ToText, testing::ValuesIn(kToText),
                         [](const auto& info) { return std::string(info.param.name); });

struct ToNumberRow {
  const char* name;
  Source source;
  VARTYPE target;
  HRESULT code;
  double expected;
};

class ToNumber : public testing::TestWithParam<ToNumberRow> {};

TEST_P(ToNumber, Converts) {
  const ToNumberRow& row = GetParam();
  VARIANT source = Make(row.source);
  VARIANT result;
  VariantInit(&result);
  EXPECT_HR(VariantChangeType(&result, &source, VARIANT_ALPHABOOL, row.target), row.code);
  if (SUCCEEDED(row.code)) {
    ASSERT_EQ(result.vt, row.target);
    EXPECT_EQ(NumberOf(result), row.expected);
  }
  VariantClear(&result);
  VariantClear(&source);
}

const ToNumberRow kToNumber[] = {
    {"TextToDouble", {VT_BSTR, 0, "12.5"}, VT_R8, S_OK, 12.5},
    {"TextWithBlanks", {VT_BSTR, 0, "  7 "}, VT_R8, S_OK, 7},
    {"TextWithLeadingZero", {VT_BSTR, 0, "07"}, VT_R8, S_OK, 7},
    {"TextWithThousands", {VT_BSTR, 0, "1,234"}, VT_R8, S_OK, 1234},
    {"TextWithExponent", {VT_BSTR, 0, "1.5E3"}, VT_R8, S_OK, 1500},
    {"NegativeText", {VT_BSTR, 0, "-0.25"}, VT_R8, S_OK, -0.25},
    {"NotANumber", {VT_BSTR, 0, "abc"}, VT_R8, DISP_E_TYPEMISMATCH, 0},
    {"NumberThenLetters", {VT_BSTR, 0, "12abc"}, VT_R8, DISP_E_TYPEMISMATCH, 0},
    {"EmptyText", {VT_BSTR, 0, ""}, VT_R8, DISP_E_TYPEMISMATCH, 0},
    {"TextTieDownToEven", {VT_BSTR, 0, "2.5"}, VT_I4, S_OK, 2},
    {"TextTieUpToEven", {VT_BSTR, 0, "3.5"}, VT_I4, S_OK, 4},
    {"DoubleTieDownToEven", {VT_R8, 0.5}, VT_I4, S_OK, 0},
    {"DoubleTieUpToEven", {VT_R8, 1.5}, VT_I4, S_OK, 2},
    {"NegativeTie", {VT_R8, -2.5}, VT_I4, S_OK, -2},
    {"NotATie", {VT_R8, 2.5000001}, VT_I4, S_OK, 3},
    {"LargestInt32", {VT_R8, 2147483647.0}, VT_I4, S_OK, 2147483647.0},
    {"BeyondInt32", {VT_R8, 2147483648.0}, VT_I4, DISP_E_OVERFLOW, 0},
    {"BelowInt32", {VT_R8, -2147483649.0}, VT_I4, DISP_E_OVERFLOW, 0},
    {"NegativeIntegerToUnsignedKeepsTheBits", {VT_I4, -1}, VT_UI4, S_OK, 4294967295.0},
    {"LargeUnsignedToSignedKeepsTheBits", {VT_UI4, 4294967295.0}, VT_I4, S_OK, -1},
    {"NegativeDoubleToUnsigned", {VT_R8, -1}, VT_UI4, DISP_E_OVERFLOW, 0},
    {"Int16Limit", {VT_I4, 32768}, VT_I2, DISP_E_OVERFLOW, 0},
    {"EmptyToDouble", {VT_EMPTY}, VT_R8, S_OK, 0},
    {"EmptyToInteger", {VT_EMPTY}, VT_I4, S_OK, 0},
    {"NullToDouble", {VT_NULL}, VT_R8, DISP_E_TYPEMISMATCH, 0},
    {"TrueToInteger", {VT_BOOL, 1}, VT_I4, S_OK, -1},
    {"TrueToDouble", {VT_BOOL, 1}, VT_R8, S_OK, -1},
    {"DoubleToBoolean", {VT_R8, 0.25}, VT_BOOL, S_OK, -1},
    {"ZeroToBoolean", {VT_I4, 0}, VT_BOOL, S_OK, 0},
    {"WordTrueToBoolean", {VT_BSTR, 0, "True"}, VT_BOOL, S_OK, -1},
    {"WordFalseToBoolean", {VT_BSTR, 0, "false"}, VT_BOOL, S_OK, 0},
    {"NumericTextToBoolean", {VT_BSTR, 0, "0"}, VT_BOOL, S_OK, 0},
    {"DateToDouble", {VT_DATE, 46364.25}, VT_R8, S_OK, 46364.25},
    {"DoubleToDate", {VT_R8, 46364.25}, VT_DATE, S_OK, 46364.25},
    {"IsoTextToDate", {VT_BSTR, 0, "2026-12-08"}, VT_DATE, S_OK, 46364},
    {"TextToInt64", {VT_BSTR, 0, "9000000000"}, VT_I8, S_OK, 9000000000.0},
};
INSTANTIATE_TEST_SUITE_P(VariantChangeType, ToNumber, testing::ValuesIn(kToNumber),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(VariantChangeType, ConvertsInPlace) {
  VARIANT v;
  VariantInit(&v);
  v.vt = VT_R8;
  v.dblVal = 8.5;
  ASSERT_EQ(VariantChangeType(&v, &v, VARIANT_ALPHABOOL, VT_BSTR), S_OK);
  ASSERT_EQ(v.vt, VT_BSTR);
  EXPECT_EQ(WideText(v.bstrVal), W("8.5"));
  ASSERT_EQ(VariantChangeType(&v, &v, VARIANT_ALPHABOOL, VT_R8), S_OK);
  EXPECT_EQ(v.dblVal, 8.5);
  VariantClear(&v);
}

TEST(VariantChangeType, FailureLeavesTheTargetUntouched) {
  VARIANT source = Make({VT_BSTR, 0, "not a number"});
  VARIANT target;
  VariantInit(&target);
  target.vt = VT_I4;
  target.lVal = 12345;
  EXPECT_HR(VariantChangeType(&target, &source, 0, VT_R8), DISP_E_TYPEMISMATCH);
  EXPECT_EQ(target.vt, VT_I4);
  EXPECT_EQ(target.lVal, 12345);
  VariantClear(&source);
}

TEST(VariantChangeType, ObjectConvertsThroughItsDefaultMember) {
  korvat::test::FakeDispatch object;
  object.OnDefaultNumber(7.5);
  VARIANT v;
  VariantInit(&v);
  v.vt = VT_DISPATCH;
  v.pdispVal = &object;
  VARIANT result;
  VariantInit(&result);
  ASSERT_HR(VariantChangeType(&result, &v, 0, VT_BSTR), S_OK);
  EXPECT_EQ(WideText(result.bstrVal), W("7.5"));
  VariantClear(&result);
  EXPECT_EQ(object.references, 1);

  korvat::test::FakeDispatch withoutDefault;
  v.pdispVal = &withoutDefault;
  EXPECT_TRUE(FAILED(VariantChangeType(&result, &v, 0, VT_BSTR)));
  EXPECT_EQ(result.vt, VT_EMPTY);
  EXPECT_EQ(withoutDefault.references, 1);
}

TEST(VariantCopy, CopiesTextAndTakesObjectReferences) {
  korvat::test::FakeDispatch object;
  VARIANT source;
  VariantInit(&source);
  source.vt = VT_DISPATCH;
  source.pdispVal = &object;
  VARIANT copy;
  VariantInit(&copy);
  ASSERT_EQ(VariantCopy(&copy, &source), S_OK);
  EXPECT_EQ(object.references, 2);
  VariantClear(&copy);
  EXPECT_EQ(object.references, 1);

  VARIANT text = Make({VT_BSTR, 0, "abc"});
  ASSERT_EQ(VariantCopy(&copy, &text), S_OK);
  EXPECT_NE(copy.bstrVal, text.bstrVal);
  EXPECT_EQ(WideText(copy.bstrVal), W("abc"));
  VariantClear(&copy);
  VariantClear(&text);
}

}  // namespace
