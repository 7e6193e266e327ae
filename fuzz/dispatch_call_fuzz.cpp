// The whole call layer on a fuzzed member path, against an object that answers
// every name and replies to each call as the input scripts. Placeholders are
// rewritten to the letters of one argument kind the input picks, so the harness
// can pass a well-typed argument for each of them. Checked after every call:
// references balance, a failed GetValue stores nothing, and the call layer's
// nesting is back at zero.

#include "automation/call_error.h"
#include "automation/dispatch_call.h"
#include "automation/member_path.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <array>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <type_traits>
#include <utility>
#include <vector>

namespace {

using namespace korvat;

constexpr std::size_t kArguments = 64;  // more than any path the harness keeps can ask for
// The input: a header that picks the operation, the argument kind, the argument
// values and the object's replies, then the text of the member path.
constexpr std::size_t kHeaderSize = 96;

void Require(bool condition) {
  if (!condition) std::abort();
}

WideText Widen(const std::string& bytes) {
  WideText text;
  for (unsigned char c : bytes) text += static_cast<OLECHAR>(c);
  return text;
}

// Replies in the order calls arrive; the script repeats when it runs out.
class ReplyScript {
 public:
  explicit ReplyScript(std::vector<std::uint8_t> bytes) : bytes_(std::move(bytes)) {}
  std::uint8_t Next() { return bytes_.empty() ? 0 : bytes_[next_++ % bytes_.size()]; }

 private:
  std::vector<std::uint8_t> bytes_;
  std::size_t next_ = 0;
};

class ScriptedObject : public IDispatch {
 public:
  explicit ScriptedObject(ReplyScript& script) : script_(script) {}
  virtual ~ScriptedObject() = default;

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** object) override {
    if (IsEqualIID(riid, IID_IUnknown) || IsEqualIID(riid, IID_IDispatch)) {
      *object = static_cast<IDispatch*>(this);
      AddRef();
      return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return static_cast<ULONG>(++references); }
  ULONG STDMETHODCALLTYPE Release() override {
    Require(references > 0);
    return static_cast<ULONG>(--references);
  }
  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override {
    *count = 0;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR* names, UINT count, LCID, DISPID* ids) override {
    Require(count == 1 && names && names[0] && names[0][0] != 0);
    std::size_t length = 0;
    while (names[0][length]) ++length;
    Require(length <= kMaxPathLength);
    if (script_.Next() % 8 == 0) return DISP_E_UNKNOWNNAME;
    ids[0] = static_cast<DISPID>(1 + length);
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE Invoke(DISPID, REFIID, LCID, WORD flags, DISPPARAMS* params, VARIANT* result,
                                   EXCEPINFO* info, UINT*) override {
    Require(params && params->cArgs <= static_cast<UINT>(kMaxPlaceholders));
    Require(params->cArgs == 0 || params->rgvarg);
    const bool put = flags & (DISPATCH_PROPERTYPUT | DISPATCH_PROPERTYPUTREF);
    Require(put ? params->cNamedArgs == 1 && params->rgdispidNamedArgs[0] == DISPID_PROPERTYPUT
                : params->cNamedArgs == 0);
    for (UINT i = 0; i < params->cArgs; ++i) Touch(params->rgvarg[i]);
    return Reply(result, info);
  }

  long references = 1;  // the harness's own

 private:
  // Reads every argument as the host would, so a bad one shows under the sanitizers.
  static void Touch(const VARIANT& v) {
    if (v.vt == VT_BSTR && v.bstrVal) {
      const UINT length = SysStringLen(v.bstrVal);
      for (UINT i = 0; i < length; ++i) sink_ = sink_ + v.bstrVal[i];
      Require(v.bstrVal[length] == 0);
    }
  }
  static inline volatile unsigned sink_ = 0;

  HRESULT Reply(VARIANT* result, EXCEPINFO* info) {
    const std::uint8_t kind = script_.Next();
    const std::uint8_t payload = script_.Next();
    if (kind % 13 == 12) {
      if (info) {
        info->scode = static_cast<SCODE>(0x800A0000u | payload);
        info->bstrDescription = SysAllocString(KV_W("scripted failure"));
        info->bstrSource = SysAllocString(KV_W("fuzz"));
      }
      return DISP_E_EXCEPTION;
    }
    if (!result) return kind % 13 == 11 ? E_FAIL : S_OK;
    switch (kind % 13) {
      case 0: result->vt = VT_DISPATCH; result->pdispVal = this; AddRef(); break;
      case 1: result->vt = VT_UNKNOWN; result->punkVal = this; AddRef(); break;
      case 2: result->vt = VT_DISPATCH; result->pdispVal = nullptr; break;
      case 3: result->vt = VT_R8; result->dblVal = Real(payload); break;
      case 4: result->vt = VT_DATE; result->date = Real(payload); break;
      case 5: result->vt = VT_I4; result->lVal = static_cast<LONG>(payload * 16777259u); break;
      case 6: result->vt = VT_BOOL; result->boolVal = payload & 1 ? VARIANT_TRUE : VARIANT_FALSE; break;
      case 7: result->vt = VT_BSTR; result->bstrVal = Text(payload); break;
      case 8: result->vt = VT_EMPTY; break;
      case 9: result->vt = VT_NULL; break;
      case 10: result->vt = VT_ERROR; result->scode = DISP_E_PARAMNOTFOUND; break;
      default: result->vt = VT_R4; result->fltVal = static_cast<float>(payload) / 3.0f; break;
    }
    return S_OK;
  }

  static double Real(std::uint8_t payload) {
    static const double kValues[] = {0.0, -0.0, 0.5, -0.5, 1.5, 2.5, -2.5, 46364.5, -1.25, 2147483647.5,
                                     -2147483648.5, 4294967295.5, 2958465.99999, 2958466.0, -657434.5, -657435.0,
                                     1e12, -1e12, 1e300, 3.5e38, 1e-300, __builtin_nan(""), __builtin_inf(),
                                     -__builtin_inf()};
    constexpr std::size_t kCount = sizeof kValues / sizeof kValues[0];
    return payload < kCount ? kValues[payload] : (static_cast<double>(payload) - 128.0) * 1234.567;
  }

  static BSTR Text(std::uint8_t payload) {
    static const char* const kTexts[] = {"", "12.5", " 7 ", "True", "false", "abc", "2026-12-08", "12/8/2026 9:30 AM",
                                         "&HFFFFFFFF", "1e309", "1/1/10000", "99999-1-1", "-0.5", "1,234", "12:61"};
    const char* text = kTexts[payload % (sizeof kTexts / sizeof kTexts[0])];
    const WideText wide = Widen(text);
    return SysAllocStringLen(wide.data(), static_cast<UINT>(wide.size()));
  }

  ReplyScript& script_;
};

// The letters whose arguments share one C type; "m" takes none and fits every kind.
struct ArgumentKind {
  const char* letters;
};
constexpr ArgumentKind kKinds[] = {
    {"dbum"},  // std::int32_t, kept non-negative so "u" may read it
    {"eDm"},   // double
    {"tpm"},   // std::int64_t
    {"STm"},   // const OLECHAR* (wide text mode)
    {"sm"},    // const char*
    {"Bm"},    // BSTR
    {"om"},    // IDispatch*
    {"Om"},    // IUnknown*
    {"vm"},    // const VARIANT*
    {"fm"},    // const FILETIME*
    {"Wm"},    // const SYSTEMTIME*
};
constexpr std::size_t kKindCount = sizeof kKinds / sizeof kKinds[0];

// Every placeholder letter of the table becomes one of the kind's; letters outside
// the table stay, so the faults are reached. Placeholders past kArguments are cut.
WideText FitPlaceholders(WideText path, const ArgumentKind& kind) {
  const std::size_t kindSize = std::strlen(kind.letters);
  std::size_t seen = 0;
  for (std::size_t i = 0; i < path.size(); ++i) {
    if (path[i] != u'%') continue;
    if (++seen > kArguments) {
      path[i] = u'#';
      continue;
    }
    if (i + 1 < path.size() && IsPlaceholderLetter(path[i + 1])) {
      path[i + 1] = static_cast<OLECHAR>(kind.letters[path[i + 1] % kindSize]);
      ++i;
    }
  }
  return path;
}

enum class Operation { Call, Put, PutRef, Get, Invoke, Enumerate, kCount };

struct Call {
  Operation operation;
  IDispatch* object;
  const OLECHAR* path;
  const OLECHAR* resultType;
  void* result;
  VARTYPE returnType;
  VARIANT* variantResult;
};

template <typename Arg, std::size_t... I>
HRESULT Run(const Call& c, const std::array<Arg, kArguments>& a, std::index_sequence<I...>) {
  switch (c.operation) {
    case Operation::Call: return CallMethod(c.object, c.path, a[I]...);
    case Operation::Put: return PutValue(c.object, c.path, a[I]...);
    case Operation::PutRef: return PutRef(c.object, c.path, a[I]...);
    case Operation::Get: return GetValue(c.resultType, c.result, c.object, c.path, a[I]...);
    case Operation::Invoke: return Invoke(DISPATCH_METHOD | DISPATCH_PROPERTYGET, c.returnType, c.variantResult,
                                          c.object, c.path, a[I]...);
    default: break;
  }
  IEnumVARIANT* enumerator = nullptr;
  const HRESULT hr = EnumBegin(&enumerator, c.object, c.path, a[I]...);
  if (SUCCEEDED(hr)) enumerator->Release();
  return hr;
}

template <typename Arg>
HRESULT RunWith(const Call& c, const std::array<Arg, kArguments>& a) {
  return Run(c, a, std::make_index_sequence<kArguments>{});
}

template <typename Arg>
std::array<Arg, kArguments> Filled(Arg value) {
  std::array<Arg, kArguments> a;
  a.fill(value);
  return a;
}

// Frees what a successful GetValue handed out for its letter.
void ReleaseResult(OLECHAR letter, void* result) {
  if (letter == u'T') letter = u'S';
  switch (letter) {
    case u'v': VariantClear(static_cast<VARIANT*>(result)); break;
    case u'B': case u'S': SysFreeString(*static_cast<BSTR*>(result)); break;
    case u's': SysFreeString(reinterpret_cast<BSTR>(*static_cast<char**>(result))); break;
    case u'o': case u'O': (*static_cast<IUnknown**>(result))->Release(); break;
    default: break;
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const bool initialized = [] {
    InitializeCallLayer(false, true);
    SetErrorDisplay(false);
    return true;
  }();
  (void)initialized;

  const std::size_t headerSize = size < kHeaderSize ? size : kHeaderSize;
  FuzzedDataProvider input(data, headerSize);
  const auto operation = static_cast<Operation>(input.ConsumeIntegralInRange<int>(0, int(Operation::kCount) - 1));
  const std::size_t kindIndex = input.ConsumeIntegralInRange<std::size_t>(0, kKindCount - 1);
  static const char kResultLetters[] = "duebvBSsToOpDtfWx";
  OLECHAR resultType[3] = {u'%', static_cast<OLECHAR>(kResultLetters[input.ConsumeIntegralInRange<int>(0, 16)]), 0};
  const VARTYPE returnTypes[] = {VT_EMPTY, VT_I4, VT_R8, VT_BSTR, VT_DATE, VT_BOOL, VT_DISPATCH, VT_UI4, VT_R4};
  const VARTYPE returnType = returnTypes[input.ConsumeIntegralInRange<int>(0, 8)];
  const std::int32_t integer = input.ConsumeIntegralInRange<std::int32_t>(0, INT32_MAX);
  const double real = input.ConsumeFloatingPoint<double>();
  const std::int64_t seconds = input.ConsumeIntegral<std::int64_t>();
  const bool nullArgument = input.ConsumeBool();
  FILETIME fileTime{input.ConsumeIntegral<std::uint32_t>(), input.ConsumeIntegral<std::uint32_t>()};
  SYSTEMTIME systemTime;
  for (WORD* field : {&systemTime.wYear, &systemTime.wMonth, &systemTime.wDayOfWeek, &systemTime.wDay,
                      &systemTime.wHour, &systemTime.wMinute, &systemTime.wSecond, &systemTime.wMilliseconds})
    *field = input.ConsumeIntegral<WORD>();
  ReplyScript script(input.ConsumeBytes<std::uint8_t>(input.ConsumeIntegralInRange<std::size_t>(0, 32)));
  const WideText text = Widen(input.ConsumeBytesAsString(input.ConsumeIntegralInRange<std::size_t>(0, 40)));
  const std::string narrow = input.ConsumeBytesAsString(input.ConsumeIntegralInRange<std::size_t>(0, 40));
  const WideText path =
      FitPlaceholders(Widen(std::string(data + headerSize, data + size)), kKinds[kindIndex]);

  ScriptedObject object(script);
  BSTR callerText = SysAllocStringLen(text.data(), static_cast<UINT>(text.size()));
  VARIANT callerVariant;
  VariantInit(&callerVariant);
  callerVariant.vt = VT_BSTR;
  callerVariant.bstrVal = callerText;

  // The result seeded with a pattern: a failed GetValue must leave it as it is.
  union {
    std::uint8_t bytes[sizeof(VARIANT) + sizeof(SYSTEMTIME)];
    VARIANT variant;
  } result, seed;
  std::memset(seed.bytes, 0xA5, sizeof seed.bytes);
  result = seed;
  VARIANT variantResult;
  VariantInit(&variantResult);

  Call call{operation, &object, path.c_str(), resultType, &result, returnType, &variantResult};
  HRESULT hr = E_FAIL;
  switch (kindIndex) {
    case 0: hr = RunWith(call, Filled<std::int32_t>(integer)); break;
    case 1: hr = RunWith(call, Filled<double>(real)); break;
    case 2: hr = RunWith(call, Filled<std::int64_t>(seconds)); break;
    case 3: hr = RunWith(call, Filled<const OLECHAR*>(nullArgument ? nullptr : text.c_str())); break;
    case 4: hr = RunWith(call, Filled<const char*>(nullArgument ? nullptr : narrow.c_str())); break;
    case 5: hr = RunWith(call, Filled<BSTR>(nullArgument ? nullptr : callerText)); break;
    case 6: hr = RunWith(call, Filled<IDispatch*>(nullArgument ? nullptr : &object)); break;
    case 7: hr = RunWith(call, Filled<IUnknown*>(nullArgument ? nullptr : &object)); break;
    case 8: hr = RunWith(call, Filled<const VARIANT*>(nullArgument ? nullptr : &callerVariant)); break;
    case 9: hr = RunWith(call, Filled<const FILETIME*>(nullArgument ? nullptr : &fileTime)); break;
    default: hr = RunWith(call, Filled<const SYSTEMTIME*>(nullArgument ? nullptr : &systemTime)); break;
  }
  static_assert(std::is_same_v<std::intptr_t, std::int64_t>, "the 64-bit kind passes %p and %t alike");

  if (operation == Operation::Get) {
    if (SUCCEEDED(hr))
      ReleaseResult(resultType[1], &result);
    else
      Require(std::memcmp(result.bytes, seed.bytes, sizeof seed.bytes) == 0);
  }
  if (operation == Operation::Invoke) {
    if (FAILED(hr)) Require(variantResult.vt == VT_EMPTY);
    VariantClear(&variantResult);
  }
  Require(object.references == 1);
  Require(CallDepth() == 0);
  // The caller's text is still its own and intact.
  Require(SysStringLen(callerText) == text.size());
  SysFreeString(callerText);
  ReleaseThreadErrorRecord();
  return 0;
}
