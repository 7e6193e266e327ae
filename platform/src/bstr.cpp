// BSTR storage with the Windows layout: a 32-bit byte count, the text, and a
// terminator of two zero bytes (plus one more so byte strings end in a zero char).

#include "platform/com.h"

#include <cstdlib>
#include <cstring>

namespace {

constexpr std::size_t kHeader = sizeof(std::uint32_t);

BSTR AllocateBytes(const void* data, std::uint32_t byteLength) {
  auto* block = static_cast<unsigned char*>(std::malloc(kHeader + byteLength + 4));
  if (!block) return nullptr;
  std::memcpy(block, &byteLength, kHeader);
  unsigned char* text = block + kHeader;
  if (data)
    std::memcpy(text, data, byteLength);
  else
    std::memset(text, 0, byteLength);
  std::memset(text + byteLength, 0, 4);
  return reinterpret_cast<BSTR>(text);
}

std::uint32_t ByteLength(BSTR text) {
  std::uint32_t length = 0;
  std::memcpy(&length, reinterpret_cast<const unsigned char*>(text) - kHeader, kHeader);
  return length;
}

}  // namespace

BSTR SysAllocString(const OLECHAR* text) {
  if (!text) return nullptr;
  std::uint32_t length = 0;
  while (text[length]) ++length;
  return SysAllocStringLen(text, length);
}

BSTR SysAllocStringLen(const OLECHAR* text, UINT length) {
  if (length > 0x3FFFFFF0u) return nullptr;
  return AllocateBytes(text, length * static_cast<std::uint32_t>(sizeof(OLECHAR)));
}

BSTR SysAllocStringByteLen(const char* bytes, UINT length) {
  if (length > 0x7FFFFFF0u) return nullptr;
  return AllocateBytes(bytes, length);
}

void SysFreeString(BSTR text) {
  if (text) std::free(reinterpret_cast<unsigned char*>(text) - kHeader);
}

UINT SysStringLen(BSTR text) { return text ? ByteLength(text) / sizeof(OLECHAR) : 0; }

UINT SysStringByteLen(BSTR text) { return text ? ByteLength(text) : 0; }
