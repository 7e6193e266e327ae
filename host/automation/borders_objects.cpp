// Borders of a range and one Border of it. Index 7..10 are the range's outer edges,
// 11 and 12 the lines between its columns and between its rows, 5 and 6 the
// diagonals (never drawn here: only "no line" is accepted for them). A line between
// two cells belongs to both: reading an edge that a cell does not hold looks at the
// neighbour's facing edge, and writing changes a facing edge the neighbour holds.

#include <algorithm>
#include <span>

#include "host/model/color_palette.h"
#include "host/automation/range_style_access.h"
#include "host/automation/variant_values.h"

namespace korvat::host::automation {
namespace {

constexpr int kDiagonalDown = 5;
constexpr int kDiagonalUp = 6;
constexpr int kInsideVertical = 11;
constexpr int kInsideHorizontal = 12;

enum class Attribute { LineStyle, Weight, ColorIndex };

// Cells compared when reading an edge; beyond them the edge counts as uniform.
constexpr long long kMaxCompared = 100'000;

int Read(const Border& b, Attribute a) {
  return a == Attribute::LineStyle ? b.lineStyle : a == Attribute::Weight ? b.weight : b.colorIndex;
}
// The constants the host accepts for each attribute; anything else fails as there.
bool Accepted(Attribute a, int v) {
  switch (a) {
    case Attribute::LineStyle:
      return v == kNone || v == 1 || v == -4115 || v == 4 || v == 5 || v == -4118 || v == -4119 || v == 13;
    case Attribute::Weight:
      return v == 1 || v == 2 || v == -4138 || v == 4;
    case Attribute::ColorIndex:
      return v == kNone || v == kAutomatic || PaletteColor(v).has_value();
  }
  return false;
}

void Write(Border& b, Attribute a, int v) {
  (a == Attribute::LineStyle ? b.lineStyle : a == Attribute::Weight ? b.weight : b.colorIndex) = v;
}

Edge Opposite(Edge e) {
  switch (e) {
    case Edge::Left: return Edge::Right;
    case Edge::Right: return Edge::Left;
    case Edge::Top: return Edge::Bottom;
    default: return Edge::Top;
  }
}
void Neighbour(Edge e, int* r, int* c) {
  switch (e) {
    case Edge::Left: --*c; break;
    case Edge::Right: ++*c; break;
    case Edge::Top: --*r; break;
    default: ++*r; break;
  }
}

// The cells of the range whose edge the border index stands for.
struct EdgeCells {
  Edge edge;
  RangeRef cells;
  bool empty = false;
};

std::optional<EdgeCells> EdgeCellsOf(const RangeRef& r, int index) {
  switch (index) {
    case 7: return EdgeCells{Edge::Left, {r.firstRow, r.firstCol, r.lastRow, r.firstCol}};
    case 8: return EdgeCells{Edge::Top, {r.firstRow, r.firstCol, r.firstRow, r.lastCol}};
    case 9: return EdgeCells{Edge::Bottom, {r.lastRow, r.firstCol, r.lastRow, r.lastCol}};
    case 10: return EdgeCells{Edge::Right, {r.firstRow, r.lastCol, r.lastRow, r.lastCol}};
    case kInsideVertical:
      return EdgeCells{Edge::Right, {r.firstRow, r.firstCol, r.lastRow, r.lastCol - 1}, r.ColumnCount() < 2};
    case kInsideHorizontal:
      return EdgeCells{Edge::Bottom, {r.firstRow, r.firstCol, r.lastRow - 1, r.lastCol}, r.RowCount() < 2};
    default: return std::nullopt;
  }
}

// The border drawn on a cell's edge, the cell's own or, when it holds none, its neighbour's.
const Border& EffectiveBorder(const Worksheet& ws, int r, int c, Edge e) {
  const Border& own = ws.Style(r, c).border(e);
  if (own.lineStyle != kNone) return own;
  int nr = r, nc = c;
  Neighbour(e, &nr, &nc);
  if (!Worksheet::InSheet(nr, nc)) return own;
  const Border& facing = ws.Style(nr, nc).border(Opposite(e));
  return facing.lineStyle != kNone ? facing : own;
}

class BorderObject : public Adapter<BorderObject> {
 public:
  BorderObject(ContextRef context, SheetWeak sheet, const RangeRef& range, int index)
      : Adapter(std::move(context)), sheet_(std::move(sheet)), range_(range), index_(index) {}
  static std::span<const Entry> Entries();

  Status GetLineStyle(Call& call) { return ReadEdge(call, Attribute::LineStyle); }
  Status PutLineStyle(Call& call) { return WriteEdge(call, Attribute::LineStyle); }
  Status GetWeight(Call& call) { return ReadEdge(call, Attribute::Weight); }
  Status PutWeight(Call& call) { return WriteEdge(call, Attribute::Weight); }
  Status GetColorIndex(Call& call) { return ReadEdge(call, Attribute::ColorIndex); }
  Status PutColorIndex(Call& call) { return WriteEdge(call, Attribute::ColorIndex); }

 private:
  // A uniform value over the edge; the first cell's value when the edge is mixed.
  Status ReadEdge(Call& call, Attribute a) {
    auto ws = LockWorksheet(sheet_);
    if (!ws) return Deleted("Border");
    const Border none;
    const auto cells = EdgeCellsOf(range_, index_);
    if (!cells || cells->empty) {
      SetInt(call.Result(), Read(none, a));
      return Ok();
    }
    const RangeRef& e = cells->cells;
    const int first = Read(EffectiveBorder(*ws.sheet, e.firstRow, e.firstCol, cells->edge), a);
    long long visited = 0;
    for (int r = e.firstRow; r <= e.lastRow && visited < kMaxCompared; ++r)
      for (int c = e.firstCol; c <= e.lastCol && visited < kMaxCompared; ++c, ++visited)
        if (Read(EffectiveBorder(*ws.sheet, r, c, cells->edge), a) != first) {
          // A mixed edge has no one value: the host answers Null.
          SetNull(call.Result());
          return Ok();
        }
    SetInt(call.Result(), first);
    return Ok();
  }

  Status WriteEdge(Call& call, Attribute a) {
    const auto v = call.ValueInt();
    if (!v || !Accepted(a, *v)) return Fail("Unable to set the property of the Border class");
    if (index_ == kDiagonalDown || index_ == kDiagonalUp) {
      if (a == Attribute::LineStyle && *v != kNone) return Fail("Diagonal borders are not supported");
      return Ok();
    }
    auto ws = LockWorksheet(sheet_);
    if (!ws) return Deleted("Border");
    const auto cells = EdgeCellsOf(range_, index_);
    if (!cells) return Fail("Unable to set the property of the Border class");
    if (cells->empty) return Ok();
    const RangeRef& e = cells->cells;
    const Edge edge = cells->edge;
    const int value = *v;
    ws->ChangeStyles(e, [&](CellStyle& s) { Write(s.border(edge), a, value); });
    // The neighbours' facing edges, where they hold a line, take the same change.
    RangeRef facing = e;
    Neighbour(edge, &facing.firstRow, &facing.firstCol);
    Neighbour(edge, &facing.lastRow, &facing.lastCol);
    facing.firstRow = std::max(1, facing.firstRow);
    facing.firstCol = std::max(1, facing.firstCol);
    facing.lastRow = std::min(kMaxRows, facing.lastRow);
    facing.lastCol = std::min(kMaxColumns, facing.lastCol);
    const Edge opposite = Opposite(edge);
    if (facing.firstRow <= facing.lastRow && facing.firstCol <= facing.lastCol)
      ws->ChangeStyles(facing, [&](CellStyle& s) {
        if (s.border(opposite).lineStyle != kNone) Write(s.border(opposite), a, value);
      });
    Context().Book().BumpGeneration();
    return Ok();
  }

  SheetWeak sheet_;
  RangeRef range_;
  int index_;
};

constexpr BorderObject::Entry kBorderMembers[] = {
    {"LineStyle", 0, &BorderObject::GetLineStyle, &BorderObject::PutLineStyle},
    {"Weight", 0, &BorderObject::GetWeight, &BorderObject::PutWeight},
    {"ColorIndex", 0, &BorderObject::GetColorIndex, &BorderObject::PutColorIndex},
};
std::span<const BorderObject::Entry> BorderObject::Entries() { return kBorderMembers; }

class BordersObject : public Adapter<BordersObject> {
 public:
  BordersObject(ContextRef context, SheetWeak sheet, const RangeRef& range)
      : Adapter(std::move(context)), sheet_(std::move(sheet)), range_(range) {}
  static std::span<const Entry> Entries();

  Status GetItem(Call& call) {
    const auto index = call.Int(0);
    if (!index || (*index != kDiagonalDown && *index != kDiagonalUp && !EdgeCellsOf(range_, *index)))
      return Fail("Unable to get the Item property of the Borders class");
    if (!LockWorksheet(sheet_)) return Deleted("Borders");
    return ReturnObject(call, DispatchRef(new BorderObject(SharedContext(), sheet_, range_, *index)));
  }
  Status GetCount(Call& call) {
    SetInt(call.Result(), 6);
    return Ok();
  }
  // Borders.LineStyle and friends stand for the four outer edges.
  Status GetLineStyle(Call& call) { return Outer(call, "LineStyle"); }
  Status PutLineStyle(Call& call) { return Outer(call, "LineStyle"); }
  Status GetWeight(Call& call) { return Outer(call, "Weight"); }
  Status PutWeight(Call& call) { return Outer(call, "Weight"); }
  Status GetColorIndex(Call& call) { return Outer(call, "ColorIndex"); }
  Status PutColorIndex(Call& call) { return Outer(call, "ColorIndex"); }

 private:
  Status Outer(Call& call, std::string_view member) {
    const int m = BorderIndex(member);
    for (int index = 7; index <= 10; ++index) {
      BorderObject border(SharedContext(), sheet_, range_, index);
      const Status s = border.Run(m, call);
      if (!s.ok() || !call.IsPut()) return s;
    }
    return Ok();
  }
  static int BorderIndex(std::string_view member) {
    for (std::size_t i = 0; i < std::size(kBorderMembers); ++i)
      if (member == kBorderMembers[i].name) return static_cast<int>(i);
    return 0;
  }

  SheetWeak sheet_;
  RangeRef range_;
};

constexpr BordersObject::Entry kBordersMembers[] = {
    {"Item", 1, &BordersObject::GetItem, nullptr, true},
    {"Count", 0, &BordersObject::GetCount},
    {"LineStyle", 0, &BordersObject::GetLineStyle, &BordersObject::PutLineStyle},
    {"Weight", 0, &BordersObject::GetWeight, &BordersObject::PutWeight},
    {"ColorIndex", 0, &BordersObject::GetColorIndex, &BordersObject::PutColorIndex},
};
std::span<const BordersObject::Entry> BordersObject::Entries() { return kBordersMembers; }

}  // namespace

DispatchRef NewBordersObject(ContextRef context, SheetWeak sheet, const RangeRef& range) {
  return DispatchRef(new BordersObject(std::move(context), std::move(sheet), range));
}

}  // namespace korvat::host::automation
