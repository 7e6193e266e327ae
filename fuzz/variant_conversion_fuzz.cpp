// The platform layer's VariantChangeType on any source value, target type and
// flags: a failure leaves the target as it was, a success gives the target type,
// and converting in place agrees with converting into a fresh VARIANT.

#include "platform/com.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>

namespace {

void Require(bool condition) {
  if (!condition) std::abort();
}

// Types the layer knows, some it does not, and the modifier bits.
constexpr VARTYPE kTypes[] = {VT_EMPTY, VT_NULL, VT_I2, VT_I4, VT_R4, VT_R8, VT_CY, VT_DATE, VT_BSTR,
                              VT_ERROR, VT_BOOL, VT_VARIANT, VT_DECIMAL, 15, VT_I1, VT_UI1, VT_UI2, VT_UI4,
                              VT_I8, VT_UI8, VT_INT, VT_UINT, VT_VOID, VT_HRESULT, 36, VT_DISPATCH, VT_UNKNOWN,
                              VT_I4 | VT_BYREF, VT_I4 | VT_ARRAY, VT_EMPTY | VT_BYREF};
constexpr std::size_t kTypeCount = sizeof kTypes / sizeof kTypes[0];

// The input: target type (2 bytes: an index into kTypes when the second is 0, else
// the raw type), flags (2 bytes), source type index (1 byte; its high bit reads the
// text as UTF-16), the source's 8 value bytes, then the text of a BSTR source.
struct Input {
  VARTYPE target = VT_EMPTY;
  USHORT flags = 0;
  VARIANT source;
};

VARTYPE TypeAt(std::uint8_t index) { return kTypes[index % kTypeCount]; }

Input Read(const std::uint8_t* data, std::size_t size) {
  std::uint8_t header[13] = {};
  std::memcpy(header, data, size < sizeof header ? size : sizeof header);
  Input in;
  in.target = header[1] == 0 ? TypeAt(header[0]) : static_cast<VARTYPE>(header[0] | header[1] << 8);
  in.flags = static_cast<USHORT>(header[2] | header[3] << 8);
  VARIANT& v = in.source;
  VariantInit(&v);
  v.vt = TypeAt(header[4] & 0x7F);
  if (v.vt == VT_BSTR) {
    WideText text;
    const std::size_t begin = size < sizeof header ? size : sizeof header;
    if (header[4] & 0x80) {
      for (std::size_t i = begin; i + 1 < size; i += 2) text += static_cast<OLECHAR>(data[i] | data[i + 1] << 8);
    } else {
      for (std::size_t i = begin; i < size; ++i) text += static_cast<OLECHAR>(data[i]);
    }
    v.bstrVal = SysAllocStringLen(text.data(), static_cast<UINT>(text.size()));
  } else if (v.vt != VT_DISPATCH && v.vt != VT_UNKNOWN && !(v.vt & (VT_BYREF | VT_ARRAY))) {  // objects stay null
    std::memcpy(&v.llVal, header + 5, sizeof v.llVal);
  }
  return in;
}

bool SameValue(const VARIANT& a, const VARIANT& b) {
  if (a.vt != b.vt) return false;
  if (a.vt == VT_BSTR) {
    const UINT bytes = SysStringByteLen(a.bstrVal);
    return bytes == SysStringByteLen(b.bstrVal) && (bytes == 0 || std::memcmp(a.bstrVal, b.bstrVal, bytes) == 0);
  }
  return std::memcmp(&a.llVal, &b.llVal, sizeof a.llVal) == 0;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  Input in = Read(data, size);
  const VARTYPE target = in.target;
  const USHORT flags = in.flags;
  VARIANT& source = in.source;

  VARIANT result;
  VariantInit(&result);
  result.vt = VT_I4;
  result.lVal = 0x5EED;
  const HRESULT hr = VariantChangeType(&result, &source, flags, target);
  if (FAILED(hr)) {
    Require(result.vt == VT_I4 && result.lVal == 0x5EED);
  } else {
    Require(result.vt == target);
  }

  // In place: the same answer, and the source released only when a result exists.
  VARIANT inPlace;
  VariantInit(&inPlace);
  if (SUCCEEDED(VariantCopy(&inPlace, &source))) {
    const HRESULT again = VariantChangeType(&inPlace, &inPlace, flags, target);
    Require(again == hr);
    if (SUCCEEDED(hr)) Require(SameValue(inPlace, result));
    else Require(SameValue(inPlace, source));
  }
  VariantClear(&inPlace);
  if (SUCCEEDED(hr)) VariantClear(&result);
  VariantClear(&source);
  return 0;
}
