// TextFrame of a shape, its Characters and their Font. When AutoSize is on, the shape
// follows its text: width and height come from an estimate of the text's extent.

#include <span>

#include "host/automation/shape_part.h"

namespace korvat::host::automation {
namespace {

// Average advance of a character and height of a line, in parts of the font size.
constexpr double kCharacterWidth = 0.5;
constexpr double kLineHeight = 1.2;

class CharactersFontObject : public Adapter<CharactersFontObject>, ShapePart {
 public:
  CharactersFontObject(ContextRef context, SheetWeak sheet, std::weak_ptr<Shape> shape)
      : Adapter(std::move(context)), ShapePart(std::move(sheet), std::move(shape)) {}
  static std::span<const Entry> Entries();

  Status GetName(Call& call) {
    return Read(call, "Font", [](const Shape& s, VARIANT* r) { SetText(r, s.textFrame.fontName); });
  }
  Status PutName(Call& call) {
    return Write<std::string>(call, "Font", "Name", [](Shape& s, const std::string& v) {
      if (v.empty()) return false;
      s.textFrame.fontName = v;
      return true;
    });
  }
  Status GetSize(Call& call) {
    return Read(call, "Font", [](const Shape& s, VARIANT* r) { SetNumber(r, s.textFrame.fontSize); });
  }
  Status PutSize(Call& call) {
    return Write<double>(call, "Font", "Size", [](Shape& s, double v) {
      if (v < 1 || v > 409) return false;
      s.textFrame.fontSize = v;
      FitShapeToText(s);
      return true;
    });
  }
};

constexpr CharactersFontObject::Entry kFontMembers[] = {
    {"Name", 0, &CharactersFontObject::GetName, &CharactersFontObject::PutName},
    {"Size", 0, &CharactersFontObject::GetSize, &CharactersFontObject::PutSize},
};
std::span<const CharactersFontObject::Entry> CharactersFontObject::Entries() { return kFontMembers; }

class CharactersObject : public Adapter<CharactersObject>, ShapePart {
 public:
  CharactersObject(ContextRef context, SheetWeak sheet, std::weak_ptr<Shape> shape)
      : Adapter(std::move(context)), ShapePart(std::move(sheet), std::move(shape)) {}
  static std::span<const Entry> Entries();

  Status GetText(Call& call) {
    return Read(call, "Characters", [](const Shape& s, VARIANT* r) { SetText(r, s.textFrame.text); });
  }
  Status PutText(Call& call) {
    return Write<std::string>(call, "Characters", "Text", [](Shape& s, const std::string& v) {
      s.textFrame.text = v;
      FitShapeToText(s);
      return true;
    });
  }
  Status GetCount(Call& call) {
    return Read(call, "Characters",
                [](const Shape& s, VARIANT* r) { SetInt(r, static_cast<std::int32_t>(s.textFrame.text.size())); });
  }
  Status GetFont(Call& call) {
    if (!Lock()) return Deleted("Characters");
    return ReturnObject(call, DispatchRef(new CharactersFontObject(SharedContext(), sheet_, shape_)));
  }
};

constexpr CharactersObject::Entry kCharactersMembers[] = {
    {"Text", 0, &CharactersObject::GetText, &CharactersObject::PutText, true},
    {"Caption", 0, &CharactersObject::GetText, &CharactersObject::PutText},
    {"Count", 0, &CharactersObject::GetCount},
    {"Font", 0, &CharactersObject::GetFont},
};
std::span<const CharactersObject::Entry> CharactersObject::Entries() { return kCharactersMembers; }

class TextFrameObject : public Adapter<TextFrameObject>, ShapePart {
 public:
  TextFrameObject(ContextRef context, SheetWeak sheet, std::weak_ptr<Shape> shape)
      : Adapter(std::move(context)), ShapePart(std::move(sheet), std::move(shape)) {}
  static std::span<const Entry> Entries();

  // Characters(start, length): the whole text (parts of it are not kept apart).
  Status GetCharacters(Call& call) {
    if (!Lock()) return Deleted("TextFrame");
    return ReturnObject(call, DispatchRef(new CharactersObject(SharedContext(), sheet_, shape_)));
  }
  Status GetAutoSize(Call& call) {
    return Read(call, "TextFrame", [](const Shape& s, VARIANT* r) { SetInt(r, s.textFrame.autoSize); });
  }
  Status PutAutoSize(Call& call) {
    return Write<int>(call, "TextFrame", "AutoSize", [](Shape& s, int v) {
      s.textFrame.autoSize = v;
      FitShapeToText(s);
      return true;
    });
  }
  Status GetVerticalAlignment(Call& call) {
    return Read(call, "TextFrame", [](const Shape& s, VARIANT* r) { SetInt(r, s.textFrame.verticalAlignment); });
  }
  Status PutVerticalAlignment(Call& call) {
    return Write<int>(call, "TextFrame", "VerticalAlignment",
                      [](Shape& s, int v) { return s.textFrame.verticalAlignment = v, true; });
  }
  Status GetHorizontalAlignment(Call& call) {
    return Read(call, "TextFrame", [](const Shape& s, VARIANT* r) { SetInt(r, s.textFrame.horizontalAlignment); });
  }
  Status PutHorizontalAlignment(Call& call) {
    return Write<int>(call, "TextFrame", "HorizontalAlignment",
                      [](Shape& s, int v) { return s.textFrame.horizontalAlignment = v, true; });
  }
  Status GetAutoMargins(Call& call) {
    return Read(call, "TextFrame", [](const Shape& s, VARIANT* r) { SetBool(r, s.textFrame.autoMargins); });
  }
  Status PutAutoMargins(Call& call) {
    auto live = Lock();
    if (!live) return Deleted("TextFrame");
    const auto on = call.ValueBool();
    if (!on) return Fail("Unable to set the AutoMargins property of the TextFrame class");
    live->textFrame.autoMargins = *on;
    FitShapeToText(*live.shape);
    return Ok();
  }
  Status GetMarginLeft(Call& call) { return Margin(call, &TextFrame::marginLeft); }
  Status GetMarginRight(Call& call) { return Margin(call, &TextFrame::marginRight); }
  Status GetMarginTop(Call& call) { return Margin(call, &TextFrame::marginTop); }
  Status GetMarginBottom(Call& call) { return Margin(call, &TextFrame::marginBottom); }
  Status PutMarginLeft(Call& call) { return PutMargin(call, "MarginLeft", &TextFrame::marginLeft); }
  Status PutMarginRight(Call& call) { return PutMargin(call, "MarginRight", &TextFrame::marginRight); }
  Status PutMarginTop(Call& call) { return PutMargin(call, "MarginTop", &TextFrame::marginTop); }
  Status PutMarginBottom(Call& call) { return PutMargin(call, "MarginBottom", &TextFrame::marginBottom); }

 private:
  Status Margin(Call& call, double TextFrame::*field) {
    return Read(call, "TextFrame", [&](const Shape& s, VARIANT* r) { SetNumber(r, s.textFrame.*field); });
  }
  Status PutMargin(Call& call, std::string_view member, double TextFrame::*field) {
    return Write<double>(call, "TextFrame", member, [&](Shape& s, double v) {
      if (v < 0) return false;
      s.textFrame.*field = v;
      FitShapeToText(s);
      return true;
    });
  }
};

constexpr TextFrameObject::Entry kTextFrameMembers[] = {
    {"Characters", 2, &TextFrameObject::GetCharacters},
    {"AutoSize", 0, &TextFrameObject::GetAutoSize, &TextFrameObject::PutAutoSize},
    {"VerticalAlignment", 0, &TextFrameObject::GetVerticalAlignment, &TextFrameObject::PutVerticalAlignment},
    {"HorizontalAlignment", 0, &TextFrameObject::GetHorizontalAlignment, &TextFrameObject::PutHorizontalAlignment},
    {"AutoMargins", 0, &TextFrameObject::GetAutoMargins, &TextFrameObject::PutAutoMargins},
    {"MarginLeft", 0, &TextFrameObject::GetMarginLeft, &TextFrameObject::PutMarginLeft},
    {"MarginRight", 0, &TextFrameObject::GetMarginRight, &TextFrameObject::PutMarginRight},
    {"MarginTop", 0, &TextFrameObject::GetMarginTop, &TextFrameObject::PutMarginTop},
    {"MarginBottom", 0, &TextFrameObject::GetMarginBottom, &TextFrameObject::PutMarginBottom},
};
std::span<const TextFrameObject::Entry> TextFrameObject::Entries() { return kTextFrameMembers; }

}  // namespace

void FitShapeToText(Shape& shape) {
  const TextFrame& t = shape.textFrame;
  if (t.autoSize == 0) return;
  std::size_t longest = 0, lines = 1, current = 0;
  for (std::size_t i = 0; i < t.text.size(); ++i) {
    const unsigned char c = static_cast<unsigned char>(t.text[i]);
    if (c == '\n' || c == '\r') {
      if (c == '\r' && i + 1 < t.text.size() && t.text[i + 1] == '\n') ++i;
      longest = std::max(longest, current);
      current = 0;
      ++lines;
    } else if ((c & 0xC0) != 0x80) {  // count characters, not UTF-8 continuation bytes
      ++current;
    }
  }
  longest = std::max(longest, current);
  // Automatic margins are the host's defaults for a text box.
  const double left = t.autoMargins ? 7.2 : t.marginLeft, right = t.autoMargins ? 7.2 : t.marginRight;
  const double top = t.autoMargins ? 3.6 : t.marginTop, bottom = t.autoMargins ? 3.6 : t.marginBottom;
  shape.width = static_cast<double>(longest) * t.fontSize * kCharacterWidth + left + right;
  shape.height = static_cast<double>(lines) * t.fontSize * kLineHeight + top + bottom;
}

DispatchRef NewTextFrameObject(ContextRef context, SheetWeak sheet, std::weak_ptr<Shape> shape) {
  return DispatchRef(new TextFrameObject(std::move(context), std::move(sheet), std::move(shape)));
}

}  // namespace korvat::host::automation
