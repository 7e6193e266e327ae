#pragma once
// Holder of one host wide string (BSTR): text whose characters must survive
// exactly, such as task and resource names. The rules are those of
// AutomationObject: a holder owns its text or borrows it, an owning holder frees
// it when destroyed or filled again, and holders come from named operations
// (TakeOver, Borrow, Copy; Borrow of another holder is a view of its text).
// Anything stored into a holder (PrepareOutput) is owned by it. Move-only.

#include "platform/bstr_owner.h"
#include "platform/com.h"

#include <string>
#include <utility>

namespace korvat {

class WideString {
 public:
  enum class Ownership : bool { Borrowed = false, Owned = true };

  WideString() = default;  // no text, owns nothing
  ~WideString() { Discard(); }

  WideString(WideString&& other) noexcept : text_(std::exchange(other.text_, nullptr)), ownership_(other.ownership_) {}
  WideString& operator=(WideString&& other) noexcept {
    if (this != &other) {
      Discard();
      text_ = std::exchange(other.text_, nullptr);
      ownership_ = other.ownership_;
    }
    return *this;
  }
  WideString(const WideString&) = delete;
  WideString& operator=(const WideString&) = delete;

  // Takes over a string the caller owned.
  static WideString TakeOver(BSTR text) { return WideString(text, Ownership::Owned); }
  // Refers to a string somebody else keeps; it is never freed through the holder.
  static WideString Borrow(BSTR text) { return WideString(text, Ownership::Borrowed); }
  // An owning holder of a new copy of text.
  static WideString Copy(WideView text) { return TakeOver(BstrOwner::Copy(text).Detach()); }

  // Refers to the other holder's text without owning it.
  void Borrow(const WideString& other) {
    Discard();
    text_ = other.text_;
    ownership_ = Ownership::Borrowed;
  }
  // Discards the current text and returns where a "%S" result is to be stored;
  // the holder owns what is stored there.
  BSTR* PrepareOutput() {
    Discard();
    ownership_ = Ownership::Owned;
    return &text_;
  }
  // Gives the text away without freeing it; the holder is left empty. The caller
  // owns the string when the holder did.
  [[nodiscard]] BSTR Detach() { return std::exchange(text_, nullptr); }

  BSTR Text() const { return text_; }
  UINT Length() const { return SysStringLen(text_); }
  bool IsEmpty() const { return Length() == 0; }
  WideView View() const { return WideView(text_ ? text_ : KV_W(""), Length()); }
  bool Equals(const WideString& other) const { return View() == other.View(); }
  bool Owns() const { return ownership_ == Ownership::Owned; }
  // The text in the system code page.
  std::string Narrow() const { return platform::WideToAnsi(View()); }
  // The text as upper-case hexadecimal byte pairs, low byte first ("A" is "4100").
  std::string HexKey() const;

 private:
  WideString(BSTR text, Ownership ownership) : text_(text), ownership_(ownership) {}

  void Discard() {
    if (Owns() && text_) BstrOwner::TakeOver(text_);  // the temporary owner frees it
    text_ = nullptr;
  }

  BSTR text_ = nullptr;
  Ownership ownership_ = Ownership::Borrowed;
};

std::string HexKey(WideView text);

}  // namespace korvat
