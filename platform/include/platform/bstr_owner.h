#pragma once
// The owner of one BSTR: it frees what it holds when it is destroyed, reset or
// filled again, so no code outside the owners and the platform layer frees a
// BSTR by hand. A null BSTR is the empty text. Move-only.

#include "platform/com.h"

#include <utility>

namespace korvat {

class BstrOwner {
 public:
  BstrOwner() noexcept = default;
  ~BstrOwner() { SysFreeString(text_); }
  BstrOwner(BstrOwner&& other) noexcept : text_(std::exchange(other.text_, nullptr)) {}
  BstrOwner& operator=(BstrOwner&& other) noexcept {
    if (this != &other) {
      SysFreeString(text_);
      text_ = std::exchange(other.text_, nullptr);
    }
    return *this;
  }
  BstrOwner(const BstrOwner&) = delete;
  BstrOwner& operator=(const BstrOwner&) = delete;

  // Owns a string the caller owned.
  static BstrOwner TakeOver(BSTR owned) noexcept {
    BstrOwner owner;
    owner.text_ = owned;
    return owner;
  }
  // A new copy of the text; null (and allocated false) when the allocation fails.
  static BstrOwner Copy(WideView text) noexcept {
    return TakeOver(SysAllocStringLen(text.data(), static_cast<UINT>(text.size())));
  }
  // A byte-length string holding the bytes as they are (narrow text in a BSTR).
  static BstrOwner CopyBytes(std::string_view bytes) noexcept {
    return TakeOver(SysAllocStringByteLen(bytes.data(), static_cast<UINT>(bytes.size())));
  }

  // Frees the text and returns where a new one is to be stored; the owner owns it.
  BSTR* Put() noexcept {
    Reset();
    return &text_;
  }
  void Reset() noexcept { SysFreeString(std::exchange(text_, nullptr)); }
  // Hands the string out: the caller owns it.
  [[nodiscard]] BSTR Detach() noexcept { return std::exchange(text_, nullptr); }

  BSTR Get() const noexcept { return text_; }
  UINT Length() const noexcept { return SysStringLen(text_); }
  UINT ByteLength() const noexcept { return SysStringByteLen(text_); }
  WideView View() const noexcept { return WideView(text_ ? text_ : KV_W(""), Length()); }
  explicit operator bool() const noexcept { return text_ != nullptr; }

 private:
  BSTR text_ = nullptr;
};

}  // namespace korvat
