#pragma once
// Holder of one host wide string (BSTR): text whose characters must survive
// exactly, such as task and resource names. An owning holder frees its text when
// destroyed or prepared again; a borrowing one never does. Move-only.

#include "platform/com.h"

#include <string>
#include <utility>

namespace korvat {

class WideString {
 public:
  WideString() = default;
  // Borrows text (owns 0).
  explicit WideString(BSTR text) : text_(text) {}
  ~WideString() { Discard(); }

  WideString(WideString&& other) noexcept : text_(std::exchange(other.text_, nullptr)), owns_(other.owns_) {}
  WideString& operator=(WideString&& other) noexcept {
    if (this != &other) {
      Discard();
      text_ = std::exchange(other.text_, nullptr);
      owns_ = other.owns_;
    }
    return *this;
  }
  WideString(const WideString&) = delete;
  WideString& operator=(const WideString&) = delete;

  // An owning holder of a new copy of text.
  static WideString Copy(WideView text);

  // Refers to the other holder's text without owning it.
  void Borrow(const WideString& other) {
    Discard();
    text_ = other.text_;
    owns_ = 0;
  }
  // Discards the current text and returns where a "%S" result is to be stored;
  // the holder owns what is stored there.
  BSTR* PrepareOutput() {
    Discard();
    owns_ = 1;
    return &text_;
  }

  BSTR Text() const { return text_; }
  UINT Length() const { return SysStringLen(text_); }
  bool IsEmpty() const { return Length() == 0; }
  WideView View() const { return WideView(text_ ? text_ : KV_W(""), Length()); }
  bool Equals(const WideString& other) const { return View() == other.View(); }
  bool Owns() const { return owns_ != 0; }
  // The text in the system code page.
  std::string Narrow() const { return platform::WideToAnsi(View()); }
  // The text as upper-case hexadecimal byte pairs, low byte first ("A" is "4100").
  std::string HexKey() const;

 private:
  void Discard() {
    if (owns_ && text_) SysFreeString(text_);
    text_ = nullptr;
  }

  BSTR text_ = nullptr;
  std::int64_t owns_ = 0;
};

std::string HexKey(WideView text);

}  // namespace korvat
