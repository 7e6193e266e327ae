#include "host/model/style_table.h"

#include <functional>
#include <string>

namespace korvat::host {
namespace {

void Mix(size_t& seed, size_t value) { seed ^= value + 0x9e3779b97f4a7c15ULL + (seed << 6) + (seed >> 2); }

}  // namespace

size_t StyleHash(const CellStyle& s) {
  size_t h = 0;
  for (const Border& b : s.borders) {
    Mix(h, static_cast<size_t>(b.lineStyle));
    Mix(h, static_cast<size_t>(b.weight));
    Mix(h, static_cast<size_t>(b.colorIndex));
  }
  Mix(h, static_cast<size_t>(s.interior.colorIndex));
  Mix(h, static_cast<size_t>(s.interior.pattern));
  Mix(h, static_cast<size_t>(s.interior.patternColorIndex));
  Mix(h, static_cast<size_t>(s.interior.color));
  Mix(h, std::hash<std::string>{}(s.font.name));
  Mix(h, std::hash<double>{}(s.font.size));
  Mix(h, static_cast<size_t>(s.font.bold) * 2 + static_cast<size_t>(s.font.italic));
  Mix(h, static_cast<size_t>(s.font.colorIndex));
  Mix(h, static_cast<size_t>(s.font.color));
  Mix(h, std::hash<std::string>{}(s.numberFormat));
  Mix(h, static_cast<size_t>(s.horizontalAlignment));
  Mix(h, static_cast<size_t>(s.verticalAlignment));
  return h;
}

StyleTable::StyleTable() {
  styles_.emplace_back();
  byHash_[StyleHash(styles_.front())].push_back(kDefaultStyleId);
}

StyleId StyleTable::Intern(const CellStyle& style) {
  std::vector<StyleId>& same = byHash_[StyleHash(style)];
  for (StyleId id : same)
    if (styles_[id] == style) return id;
  const auto id = static_cast<StyleId>(styles_.size());
  styles_.push_back(style);
  same.push_back(id);
  return id;
}

}  // namespace korvat::host
