#include "host/render/drawn_shapes.h"

#include <algorithm>
#include <optional>

namespace korvat::host::render {
namespace {

// The host paints whole pixels at 100% zoom: less than half of one left is nothing.
constexpr double kHalfPixel = 0.375;

// A place along the rows as placed (hidden rows at their size) and as shown.
struct Mapped {
  double shown;
  bool inHiddenRow;
};

// The rows as placed against the rows as shown: the shown geometry with the hidden rows'
// sizes put back in. Lookups cost a binary search over the hidden rows.
class PlacedRows {
 public:
  explicit PlacedRows(const ExtentIndex& rows) {
    double hiddenBefore = 0.0;
    for (const auto& [row, entry] : rows.Explicit()) {
      if (!entry.hidden || entry.size <= 0) continue;
      hidden_.push_back({rows.Offset(row) + hiddenBefore, entry.size, rows.Offset(row)});
      hiddenBefore += entry.size;
    }
  }

  bool AnyHidden() const { return !hidden_.empty(); }

  Mapped Map(double placed) const {
    auto after = std::upper_bound(hidden_.begin(), hidden_.end(), placed,
                                  [](double y, const HiddenRow& h) { return y < h.placedTop; });
    if (after == hidden_.begin()) return {placed, false};
    const HiddenRow& h = *(after - 1);
    if (placed < h.placedTop + h.size) return {h.shownTop, true};
    // Every hidden row up to this one lies above: take their sizes out.
    const double removed = h.placedTop - h.shownTop + h.size;
    return {placed - removed, false};
  }

 private:
  struct HiddenRow {
    double placedTop;  // the row's top with every hidden row above it counted
    double size;
    double shownTop;   // where the next shown row starts
  };
  std::vector<HiddenRow> hidden_;
};

// The shape as drawn: nullopt when it is drawn unchanged, a moved copy, or a null copy
// when it is not drawn at all.
std::optional<std::unique_ptr<Shape>> Place(const Shape& s, const PlacedRows& rows) {
  if (s.placement != kPlacementMoveAndSize && s.placement != kPlacementMove) return std::nullopt;
  const Mapped top = rows.Map(s.top);
  double height = s.height;
  if (s.placement == kPlacementMoveAndSize) {
    const Mapped bottom = rows.Map(s.top + s.height);
    height = std::max(0.0, bottom.shown - top.shown);
    const bool covered = s.height > 0 ? height < kHalfPixel : top.inHiddenRow;
    if (covered) return std::unique_ptr<Shape>();
  }
  if (top.shown == s.top && height == s.height) return std::nullopt;
  auto moved = std::make_unique<Shape>(s);
  moved->top = top.shown;
  moved->height = height;
  if (s.height > 0 && height != s.height)
    for (FreeformNode& n : moved->nodes) n.y *= height / s.height;
  return moved;
}

}  // namespace

DrawnShapes::DrawnShapes(const Worksheet& sheet) {
  const auto& all = sheet.Shapes().InZOrder();
  shapes_.reserve(all.size());
  const PlacedRows rows(sheet.Rows());
  if (!rows.AnyHidden()) {
    for (const auto& s : all) shapes_.push_back(s.get());
    return;
  }
  for (const auto& s : all) {
    std::optional<std::unique_ptr<Shape>> placed = Place(*s, rows);
    if (!placed) {
      shapes_.push_back(s.get());
    } else if (*placed) {
      shapes_.push_back(placed->get());
      moved_.push_back(std::move(*placed));
    }
  }
}

}  // namespace korvat::host::render
