#pragma once
// The distinct cell styles of a sheet, each stored once and named by a small number; 0 is the
// default style. References handed out stay valid for the table's life (styles are never
// dropped), so a caller may hold one across later interning.

#include <cstdint>
#include <deque>
#include <unordered_map>
#include <vector>

#include "host/model/cell_style.h"

namespace korvat::host {

using StyleId = std::uint32_t;
inline constexpr StyleId kDefaultStyleId = 0;

class StyleTable {
 public:
  StyleTable();
  StyleId Intern(const CellStyle& style);
  const CellStyle& At(StyleId id) const { return styles_[id]; }
  size_t Size() const { return styles_.size(); }

 private:
  std::deque<CellStyle> styles_;
  std::unordered_map<size_t, std::vector<StyleId>> byHash_;
};

size_t StyleHash(const CellStyle& style);

}  // namespace korvat::host
