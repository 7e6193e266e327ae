#include "host/model/cell_style.h"

namespace korvat::host {

const CellStyle& CellStyle::Default() {
  static const CellStyle style;
  return style;
}

const char* EdgeName(Edge e) {
  switch (e) {
    case Edge::Left: return "left";
    case Edge::Top: return "top";
    case Edge::Bottom: return "bottom";
    case Edge::Right: return "right";
  }
  return "left";
}

int EdgeBordersIndex(Edge e) { return 7 + static_cast<int>(e); }

bool EdgeFromBordersIndex(int index, Edge* edge) {
  if (index < 7 || index > 10) return false;
  *edge = static_cast<Edge>(index - 7);
  return true;
}

}  // namespace korvat::host
