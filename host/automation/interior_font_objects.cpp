// Interior and Font of a range.

#include <span>

#include "host/model/color_palette.h"
#include "host/automation/range_style_access.h"
#include "host/automation/variant_values.h"

namespace korvat::host::automation {
namespace {

constexpr int kSolid = 1;

// The host's fill patterns: none, automatic, solid, the greys and hatches, the gradients.
bool IsFillPattern(int v) {
  static const int kPatterns[] = {kNone, kAutomatic, kSolid, 9,     10,    11,    12,    13,    14,   15, 16,
                                  17,    18,         -4121,  -4124, -4125, -4126, -4128, -4162, -4166, 4000, 4001};
  for (int p : kPatterns)
    if (p == v) return true;
  return false;
}

// Shared by Interior and Font: the range whose cells they format.
class RangePart {
 protected:
  RangePart(SheetWeak sheet, const RangeRef& range) : sheet_(std::move(sheet)), range_(range) {}

  Status ReadStyle(Call& call, std::string_view object, const StyleReader& read) const {
    return ReadSharedStyle(sheet_, range_, object, call.Result(), read);
  }

  SheetWeak sheet_;
  RangeRef range_;
};

class InteriorObject : public Adapter<InteriorObject>, RangePart {
 public:
  InteriorObject(ContextRef context, SheetWeak sheet, const RangeRef& range)
      : Adapter(std::move(context)), RangePart(std::move(sheet), range) {}
  static std::span<const Entry> Entries();

  Status GetColorIndex(Call& call) {
    return ReadStyle(call, "Interior", [](const CellStyle& s, VARIANT* r) { SetInt(r, s.interior.colorIndex); });
  }
  Status PutColorIndex(Call& call) {
    const auto v = call.ValueInt();
    if (!v || (*v != kNone && *v != kAutomatic && !PaletteColor(*v)))
      return Fail("Unable to set the ColorIndex property of the Interior class");
    return Change([&](Interior& in) {
      in.colorIndex = *v;
      if (*v == kNone) {
        in.pattern = kNone;
        in.color = 0xFFFFFF;
      } else {
        if (in.pattern == kNone) in.pattern = kSolid;
        in.color = *v == kAutomatic ? 0xFFFFFF : *PaletteColor(*v);
      }
    });
  }
  Status GetColor(Call& call) {
    return ReadStyle(call, "Interior", [](const CellStyle& s, VARIANT* r) { SetNumber(r, s.interior.color); });
  }
  Status PutColor(Call& call) {
    const auto v = call.ValueDouble();
    if (!v || *v < 0 || *v > 0xFFFFFF) return Fail("Unable to set the Color property of the Interior class");
    const int color = static_cast<int>(*v);
    return Change([&](Interior& in) {
      in.color = color;
      in.colorIndex = NearestPaletteIndex(color);
      if (in.pattern == kNone) in.pattern = kSolid;
    });
  }
  Status GetPattern(Call& call) {
    return ReadStyle(call, "Interior", [](const CellStyle& s, VARIANT* r) { SetInt(r, s.interior.pattern); });
  }
  Status PutPattern(Call& call) {
    const auto v = call.ValueInt();
    if (!v || !IsFillPattern(*v)) return Fail("Unable to set the Pattern property of the Interior class");
    return Change([&](Interior& in) {
      in.pattern = *v;
      if (*v == kNone) in.colorIndex = kNone;
    });
  }
  Status GetPatternColorIndex(Call& call) {
    return ReadStyle(call, "Interior",
                     [](const CellStyle& s, VARIANT* r) { SetInt(r, s.interior.patternColorIndex); });
  }
  Status PutPatternColorIndex(Call& call) {
    const auto v = call.ValueInt();
    if (!v) return Fail("Unable to set the PatternColorIndex property of the Interior class");
    return Change([&](Interior& in) { in.patternColorIndex = *v; });
  }

 private:
  template <class F>
  Status Change(F change) {
    return ChangeStyles(sheet_, range_, [&](CellStyle& s) { change(s.interior); }, "Interior");
  }
};

constexpr InteriorObject::Entry kInteriorMembers[] = {
    {"ColorIndex", 0, &InteriorObject::GetColorIndex, &InteriorObject::PutColorIndex},
    {"Color", 0, &InteriorObject::GetColor, &InteriorObject::PutColor},
    {"Pattern", 0, &InteriorObject::GetPattern, &InteriorObject::PutPattern},
    {"PatternColorIndex", 0, &InteriorObject::GetPatternColorIndex, &InteriorObject::PutPatternColorIndex},
};
std::span<const InteriorObject::Entry> InteriorObject::Entries() { return kInteriorMembers; }

class FontObject : public Adapter<FontObject>, RangePart {
 public:
  FontObject(ContextRef context, SheetWeak sheet, const RangeRef& range)
      : Adapter(std::move(context)), RangePart(std::move(sheet), range) {}
  static std::span<const Entry> Entries();

  Status GetName(Call& call) {
    return ReadStyle(call, "Font", [](const CellStyle& s, VARIANT* r) { SetText(r, s.font.name); });
  }
  Status PutName(Call& call) {
    const auto v = call.ValueText();
    if (!v || v->empty()) return Fail("Unable to set the Name property of the Font class");
    return Change([&](host::Font& f) { f.name = *v; });
  }
  Status GetSize(Call& call) {
    return ReadStyle(call, "Font", [](const CellStyle& s, VARIANT* r) { SetNumber(r, s.font.size); });
  }
  Status PutSize(Call& call) {
    const auto v = call.ValueDouble();
    if (!v || *v < 1 || *v > 409) return Fail("Unable to set the Size property of the Font class");
    return Change([&](host::Font& f) { f.size = *v; });
  }
  Status GetBold(Call& call) {
    return ReadStyle(call, "Font", [](const CellStyle& s, VARIANT* r) { SetBool(r, s.font.bold); });
  }
  Status PutBold(Call& call) {
    const auto v = call.ValueBool();
    if (!v) return Fail("Unable to set the Bold property of the Font class");
    return Change([&](host::Font& f) { f.bold = *v; });
  }
  Status GetItalic(Call& call) {
    return ReadStyle(call, "Font", [](const CellStyle& s, VARIANT* r) { SetBool(r, s.font.italic); });
  }
  Status PutItalic(Call& call) {
    const auto v = call.ValueBool();
    if (!v) return Fail("Unable to set the Italic property of the Font class");
    return Change([&](host::Font& f) { f.italic = *v; });
  }
  Status GetColor(Call& call) {
    return ReadStyle(call, "Font", [](const CellStyle& s, VARIANT* r) { SetNumber(r, s.font.color); });
  }
  Status PutColor(Call& call) {
    const auto v = call.ValueDouble();
    if (!v || *v < 0 || *v > 0xFFFFFF) return Fail("Unable to set the Color property of the Font class");
    const int color = static_cast<int>(*v);
    return Change([&](host::Font& f) {
      f.color = color;
      f.colorIndex = NearestPaletteIndex(color);
    });
  }
  Status GetColorIndex(Call& call) {
    return ReadStyle(call, "Font", [](const CellStyle& s, VARIANT* r) { SetInt(r, s.font.colorIndex); });
  }
  Status PutColorIndex(Call& call) {
    const auto v = call.ValueInt();
    if (!v || (*v != kAutomatic && !PaletteColor(*v)))
      return Fail("Unable to set the ColorIndex property of the Font class");
    return Change([&](host::Font& f) {
      f.colorIndex = *v;
      f.color = *v == kAutomatic ? 0 : *PaletteColor(*v);
    });
  }

 private:
  template <class F>
  Status Change(F change) {
    return ChangeStyles(sheet_, range_, [&](CellStyle& s) { change(s.font); }, "Font");
  }
};

constexpr FontObject::Entry kFontMembers[] = {
    {"Name", 0, &FontObject::GetName, &FontObject::PutName},
    {"Size", 0, &FontObject::GetSize, &FontObject::PutSize},
    {"Bold", 0, &FontObject::GetBold, &FontObject::PutBold},
    {"Italic", 0, &FontObject::GetItalic, &FontObject::PutItalic},
    {"Color", 0, &FontObject::GetColor, &FontObject::PutColor},
    {"ColorIndex", 0, &FontObject::GetColorIndex, &FontObject::PutColorIndex},
};
std::span<const FontObject::Entry> FontObject::Entries() { return kFontMembers; }

}  // namespace

DispatchRef NewInteriorObject(ContextRef context, SheetWeak sheet, const RangeRef& range) {
  return DispatchRef(new InteriorObject(std::move(context), std::move(sheet), range));
}

DispatchRef NewFontObject(ContextRef context, SheetWeak sheet, const RangeRef& range) {
  return DispatchRef(new FontObject(std::move(context), std::move(sheet), range));
}

}  // namespace korvat::host::automation
