// Fill and Line of a shape, and the ColorFormat (ForeColor, BackColor) of either.

#include <span>

#include "host/automation/shape_part.h"

namespace korvat::host::automation {
namespace {

enum class ColorSlot { FillFore, FillBack, LineFore, LineBack };

int& ColorOf(Shape& s, ColorSlot slot) {
  switch (slot) {
    case ColorSlot::FillFore: return s.fill.foreColor;
    case ColorSlot::FillBack: return s.fill.backColor;
    case ColorSlot::LineFore: return s.line.foreColor;
    default: return s.line.backColor;
  }
}

class ColorFormatObject : public Adapter<ColorFormatObject>, ShapePart {
 public:
  ColorFormatObject(ContextRef context, SheetWeak sheet, std::weak_ptr<Shape> shape, ColorSlot slot)
      : Adapter(std::move(context)), ShapePart(std::move(sheet), std::move(shape)), slot_(slot) {}
  static std::span<const Entry> Entries();

  Status GetRgb(Call& call) {
    return Read(call, "ColorFormat", [&](const Shape& s, VARIANT* r) { SetInt(r, ColorOf(const_cast<Shape&>(s), slot_)); });
  }
  Status PutRgb(Call& call) {
    return Write<double>(call, "ColorFormat", "RGB", [&](Shape& s, double v) {
      if (v < 0 || v > 0xFFFFFF) return false;
      ColorOf(s, slot_) = static_cast<int>(v);
      if (slot_ == ColorSlot::FillFore) s.fill.visible = true;
      if (slot_ == ColorSlot::LineFore) s.line.visible = true;
      return true;
    });
  }

 private:
  ColorSlot slot_;
};

constexpr ColorFormatObject::Entry kColorMembers[] = {
    {"RGB", 0, &ColorFormatObject::GetRgb, &ColorFormatObject::PutRgb, true},
};
std::span<const ColorFormatObject::Entry> ColorFormatObject::Entries() { return kColorMembers; }

class FillObject : public Adapter<FillObject>, ShapePart {
 public:
  FillObject(ContextRef context, SheetWeak sheet, std::weak_ptr<Shape> shape)
      : Adapter(std::move(context)), ShapePart(std::move(sheet), std::move(shape)) {}
  static std::span<const Entry> Entries();

  Status GetVisible(Call& call) {
    return Read(call, "FillFormat", [](const Shape& s, VARIANT* r) { SetInt(r, TriState(s.fill.visible)); });
  }
  Status PutVisible(Call& call) {
    return Write<int>(call, "FillFormat", "Visible", [](Shape& s, int v) { return s.fill.visible = v != 0, true; });
  }
  Status GetForeColor(Call& call) { return Color(call, ColorSlot::FillFore); }
  Status GetBackColor(Call& call) { return Color(call, ColorSlot::FillBack); }
  Status GetTransparency(Call& call) {
    return Read(call, "FillFormat", [](const Shape& s, VARIANT* r) { SetNumber(r, s.fill.transparency); });
  }
  Status PutTransparency(Call& call) {
    return Write<double>(call, "FillFormat", "Transparency", [](Shape& s, double v) {
      if (v < 0 || v > 1) return false;
      s.fill.transparency = v;
      return true;
    });
  }
  Status GetPattern(Call& call) {
    return Read(call, "FillFormat", [](const Shape& s, VARIANT* r) { SetInt(r, s.fill.pattern); });
  }
  // Patterned(pattern): a two-colour pattern; 0 is no pattern (a solid fill).
  Status Patterned(Call& call) {
    auto live = Lock();
    if (!live) return Deleted("FillFormat");
    const auto pattern = call.Int(0);
    if (!pattern || *pattern < 0) return Fail("Patterned method of FillFormat class failed");
    live->fill.pattern = *pattern;
    live->fill.visible = true;
    return Ok();
  }
  Status Solid(Call& call) {
    auto live = Lock();
    if (!live) return Deleted("FillFormat");
    live->fill.pattern = 0;
    live->fill.visible = true;
    return Ok();
  }

 private:
  Status Color(Call& call, ColorSlot slot) {
    if (!Lock()) return Deleted("FillFormat");
    return ReturnObject(call, DispatchRef(new ColorFormatObject(SharedContext(), sheet_, shape_, slot)));
  }
};

constexpr FillObject::Entry kFillMembers[] = {
    {"Visible", 0, &FillObject::GetVisible, &FillObject::PutVisible},
    {"ForeColor", 0, &FillObject::GetForeColor},
    {"BackColor", 0, &FillObject::GetBackColor},
    {"Transparency", 0, &FillObject::GetTransparency, &FillObject::PutTransparency},
    {"Pattern", 0, &FillObject::GetPattern},
    {"Patterned", 1, &FillObject::Patterned},
    {"Solid", 0, &FillObject::Solid},
};
std::span<const FillObject::Entry> FillObject::Entries() { return kFillMembers; }

class LineObject : public Adapter<LineObject>, ShapePart {
 public:
  LineObject(ContextRef context, SheetWeak sheet, std::weak_ptr<Shape> shape)
      : Adapter(std::move(context)), ShapePart(std::move(sheet), std::move(shape)) {}
  static std::span<const Entry> Entries();

  Status GetVisible(Call& call) {
    return Read(call, "LineFormat", [](const Shape& s, VARIANT* r) { SetInt(r, TriState(s.line.visible)); });
  }
  Status PutVisible(Call& call) {
    return Write<int>(call, "LineFormat", "Visible", [](Shape& s, int v) { return s.line.visible = v != 0, true; });
  }
  Status GetWeight(Call& call) {
    return Read(call, "LineFormat", [](const Shape& s, VARIANT* r) { SetNumber(r, s.line.weight); });
  }
  Status PutWeight(Call& call) {
    return Write<double>(call, "LineFormat", "Weight", [](Shape& s, double v) {
      if (v < 0) return false;
      s.line.weight = v;
      return true;
    });
  }
  Status GetDashStyle(Call& call) { return Int(call, &LineFormat::dashStyle); }
  Status PutDashStyle(Call& call) { return PutInt(call, "DashStyle", &LineFormat::dashStyle); }
  Status GetStyle(Call& call) { return Int(call, &LineFormat::style); }
  Status PutStyle(Call& call) { return PutInt(call, "Style", &LineFormat::style); }
  Status GetBeginArrowheadStyle(Call& call) { return Int(call, &LineFormat::beginArrowheadStyle); }
  Status PutBeginArrowheadStyle(Call& call) { return PutInt(call, "BeginArrowheadStyle", &LineFormat::beginArrowheadStyle); }
  Status GetEndArrowheadStyle(Call& call) { return Int(call, &LineFormat::endArrowheadStyle); }
  Status PutEndArrowheadStyle(Call& call) { return PutInt(call, "EndArrowheadStyle", &LineFormat::endArrowheadStyle); }
  Status GetForeColor(Call& call) { return Color(call, ColorSlot::LineFore); }
  Status GetBackColor(Call& call) { return Color(call, ColorSlot::LineBack); }

 private:
  Status Int(Call& call, int LineFormat::*field) {
    return Read(call, "LineFormat", [&](const Shape& s, VARIANT* r) { SetInt(r, s.line.*field); });
  }
  Status PutInt(Call& call, std::string_view member, int LineFormat::*field) {
    return Write<int>(call, "LineFormat", member, [&](Shape& s, int v) {
      if (v < 1) return false;
      s.line.*field = v;
      return true;
    });
  }
  Status Color(Call& call, ColorSlot slot) {
    if (!Lock()) return Deleted("LineFormat");
    return ReturnObject(call, DispatchRef(new ColorFormatObject(SharedContext(), sheet_, shape_, slot)));
  }
};

constexpr LineObject::Entry kLineMembers[] = {
    {"Visible", 0, &LineObject::GetVisible, &LineObject::PutVisible},
    {"Weight", 0, &LineObject::GetWeight, &LineObject::PutWeight},
    {"DashStyle", 0, &LineObject::GetDashStyle, &LineObject::PutDashStyle},
    {"Style", 0, &LineObject::GetStyle, &LineObject::PutStyle},
    {"BeginArrowheadStyle", 0, &LineObject::GetBeginArrowheadStyle, &LineObject::PutBeginArrowheadStyle},
    {"EndArrowheadStyle", 0, &LineObject::GetEndArrowheadStyle, &LineObject::PutEndArrowheadStyle},
    {"ForeColor", 0, &LineObject::GetForeColor},
    {"BackColor", 0, &LineObject::GetBackColor},
};
std::span<const LineObject::Entry> LineObject::Entries() { return kLineMembers; }

}  // namespace

DispatchRef NewFillObject(ContextRef context, SheetWeak sheet, std::weak_ptr<Shape> shape) {
  return DispatchRef(new FillObject(std::move(context), std::move(sheet), std::move(shape)));
}

DispatchRef NewLineObject(ContextRef context, SheetWeak sheet, std::weak_ptr<Shape> shape) {
  return DispatchRef(new LineObject(std::move(context), std::move(sheet), std::move(shape)));
}

}  // namespace korvat::host::automation
