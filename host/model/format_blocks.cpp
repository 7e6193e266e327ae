#include "host/model/format_blocks.h"

#include <algorithm>
#include <iterator>
#include <vector>

namespace korvat::host {
namespace {

// The entry of an ordered map keyed by first index whose span may hold i; end() when none.
template <typename Map>
auto Holding(Map& m, int i) {
  auto it = m.upper_bound(i);
  if (it == m.begin()) return m.end();
  return std::prev(it);
}

}  // namespace

StyleId FormatBlocks::StyleIdAt(int row, int col) const {
  auto band = Holding(bands_, col);
  if (band == bands_.end() || band->second.lastCol < col) return kDefaultStyleId;
  auto run = Holding(band->second.runs, row);
  if (run == band->second.runs.end() || run->second.lastRow < row) return kDefaultStyleId;
  return run->second.style;
}

const CellStyle& FormatBlocks::StyleAt(int row, int col) const { return styles_.At(StyleIdAt(row, col)); }

void FormatBlocks::SplitBandAt(int col) {
  auto it = Holding(bands_, col);
  if (it == bands_.end() || it->first == col || it->second.lastCol < col) return;
  Band right{it->second.lastCol, it->second.runs};
  it->second.lastCol = col - 1;
  bands_.emplace(col, std::move(right));
}

void FormatBlocks::SplitRunAt(Runs& runs, int row) {
  auto it = Holding(runs, row);
  if (it == runs.end() || it->first == row || it->second.lastRow < row) return;
  const Run right{it->second.lastRow, it->second.style};
  it->second.lastRow = row - 1;
  runs.emplace(row, right);
}

void FormatBlocks::ChangeRuns(Runs& runs, int firstRow, int lastRow, bool fillGaps, Memo& memo,
                              const std::function<void(CellStyle&)>& change) {
  SplitRunAt(runs, firstRow);
  if (lastRow < kMaxRows) SplitRunAt(runs, lastRow + 1);
  if (fillGaps) {
    int next = firstRow;
    std::vector<std::pair<int, int>> gaps;
    for (auto it = runs.lower_bound(firstRow); it != runs.end() && it->first <= lastRow; ++it) {
      if (it->first > next) gaps.emplace_back(next, it->first - 1);
      next = it->second.lastRow + 1;
    }
    if (next <= lastRow) gaps.emplace_back(next, lastRow);
    for (const auto& [from, to] : gaps) runs.emplace(from, Run{to, kDefaultStyleId});
  }
  for (auto it = runs.lower_bound(firstRow); it != runs.end() && it->first <= lastRow;) {
    auto [known, added] = memo.try_emplace(it->second.style, kDefaultStyleId);
    if (added) {
      CellStyle changed = styles_.At(it->second.style);
      change(changed);
      known->second = styles_.Intern(changed);
    }
    if (known->second == kDefaultStyleId) {
      it = runs.erase(it);
    } else {
      it->second.style = known->second;
      ++it;
    }
  }
  MergeRuns(runs, firstRow, lastRow);
}

void FormatBlocks::MergeRuns(Runs& runs, int firstRow, int lastRow) {
  auto it = Holding(runs, firstRow - 1);
  if (it == runs.end()) it = runs.begin();
  while (it != runs.end() && it->first <= lastRow + 1) {
    auto next = std::next(it);
    if (next == runs.end()) break;
    if (next->first == it->second.lastRow + 1 && next->second.style == it->second.style) {
      it->second.lastRow = next->second.lastRow;
      runs.erase(next);
    } else {
      it = next;
    }
  }
}

void FormatBlocks::MergeBands(int firstCol, int lastCol) {
  auto it = Holding(bands_, firstCol - 1);
  if (it == bands_.end()) it = bands_.begin();
  while (it != bands_.end() && it->first <= lastCol + 1) {
    if (it->second.runs.empty()) {
      it = bands_.erase(it);
      continue;
    }
    auto next = std::next(it);
    if (next == bands_.end()) break;
    if (next->second.runs.empty()) {
      bands_.erase(next);
      continue;
    }
    if (next->first == it->second.lastCol + 1 && next->second.runs == it->second.runs) {
      it->second.lastCol = next->second.lastCol;
      bands_.erase(next);
    } else {
      it = next;
    }
  }
}

void FormatBlocks::Change(const RangeRef& range, const std::function<void(CellStyle&)>& change) {
  const int firstCol = std::max(1, range.firstCol), lastCol = std::min(kMaxColumns, range.lastCol);
  const int firstRow = std::max(1, range.firstRow), lastRow = std::min(kMaxRows, range.lastRow);
  if (firstCol > lastCol || firstRow > lastRow) return;
  lastRow_ = -1;
  Memo memo;
  CellStyle fromDefault;
  change(fromDefault);
  // A change that leaves the default style alone never touches unformatted cells, so an
  // empty area costs nothing.
  const bool fillGaps = !fromDefault.IsDefault();
  if (!fillGaps) {
    auto first = Holding(bands_, firstCol);
    if (first == bands_.end() || first->second.lastCol < firstCol) first = bands_.lower_bound(firstCol);
    if (first == bands_.end() || first->first > lastCol) return;
  }
  SplitBandAt(firstCol);
  if (lastCol < kMaxColumns) SplitBandAt(lastCol + 1);
  if (fillGaps) {
    int next = firstCol;
    std::vector<std::pair<int, int>> gaps;
    for (auto it = bands_.lower_bound(firstCol); it != bands_.end() && it->first <= lastCol; ++it) {
      if (it->first > next) gaps.emplace_back(next, it->first - 1);
      next = it->second.lastCol + 1;
    }
    if (next <= lastCol) gaps.emplace_back(next, lastCol);
    for (const auto& [from, to] : gaps) bands_.emplace(from, Band{to, {}});
  }
  for (auto it = bands_.lower_bound(firstCol); it != bands_.end() && it->first <= lastCol; ++it)
    ChangeRuns(it->second.runs, firstRow, lastRow, fillGaps, memo, change);
  MergeBands(firstCol, lastCol);
}

void FormatBlocks::Set(const RangeRef& range, const CellStyle& style) {
  Change(range, [&](CellStyle& s) { s = style; });
}

void FormatBlocks::Clear(const RangeRef& range) {
  Change(range, [](CellStyle& s) { s = CellStyle{}; });
}

void FormatBlocks::ForEachBlock(const RangeRef& range,
                                const std::function<void(const RangeRef&, const CellStyle&)>& visit) const {
  auto it = Holding(bands_, range.firstCol);
  if (it == bands_.end()) it = bands_.begin();
  for (; it != bands_.end() && it->first <= range.lastCol; ++it) {
    if (it->second.lastCol < range.firstCol) continue;
    const int c1 = std::max(it->first, range.firstCol), c2 = std::min(it->second.lastCol, range.lastCol);
    const Runs& runs = it->second.runs;
    auto run = Holding(runs, range.firstRow);
    if (run == runs.end()) run = runs.begin();
    for (; run != runs.end() && run->first <= range.lastRow; ++run) {
      if (run->second.lastRow < range.firstRow) continue;
      visit(RangeRef{std::max(run->first, range.firstRow), c1, std::min(run->second.lastRow, range.lastRow), c2},
            styles_.At(run->second.style));
    }
  }
}

void FormatBlocks::ForEachBlock(const std::function<void(const RangeRef&, const CellStyle&)>& visit) const {
  ForEachBlock(RangeRef{1, 1, kMaxRows, kMaxColumns}, visit);
}

void FormatBlocks::ForEachSpanInRow(int row, int firstCol, int lastCol,
                                    const std::function<void(int, int, const CellStyle&)>& visit) const {
  auto it = Holding(bands_, firstCol);
  if (it == bands_.end()) it = bands_.begin();
  for (; it != bands_.end() && it->first <= lastCol; ++it) {
    if (it->second.lastCol < firstCol) continue;
    auto run = Holding(it->second.runs, row);
    if (run == it->second.runs.end() || run->second.lastRow < row) continue;
    visit(std::max(it->first, firstCol), std::min(it->second.lastCol, lastCol), styles_.At(run->second.style));
  }
}

int FormatBlocks::LastRow() const {
  if (lastRow_ >= 0) return lastRow_;
  int last = 0;
  for (const auto& [first, band] : bands_)
    if (!band.runs.empty()) last = std::max(last, band.runs.rbegin()->second.lastRow);
  lastRow_ = last;
  return last;
}

int FormatBlocks::LastColumn() const { return bands_.empty() ? 0 : bands_.rbegin()->second.lastCol; }

size_t FormatBlocks::BlockCount() const {
  size_t n = 0;
  for (const auto& entry : bands_) n += entry.second.runs.size();
  return n;
}

void FormatBlocks::RemapRows(const std::function<int(int)>& map) {
  const int highest = LastRow();
  if (highest == 0) return;
  lastRow_ = -1;
  // The map as stretches of rows that stay together: [from, to] goes to [onto, ...].
  struct Stretch {
    int from, to, onto;
  };
  std::vector<Stretch> stretches;
  for (int r = 1; r <= highest; ++r) {
    const int to = map(r);
    if (to < 1 || to > kMaxRows) continue;
    if (!stretches.empty() && stretches.back().to == r - 1 &&
        stretches.back().onto + (r - stretches.back().from) == to) {
      stretches.back().to = r;
    } else {
      stretches.push_back({r, r, to});
    }
  }
  for (auto& [first, band] : bands_) {
    Runs moved;
    for (const auto& [from, run] : band.runs) {
      auto s = std::upper_bound(stretches.begin(), stretches.end(), from,
                                [](int row, const Stretch& st) { return row < st.from; });
      if (s != stretches.begin()) --s;
      for (; s != stretches.end() && s->from <= run.lastRow; ++s) {
        const int a = std::max(from, s->from), b = std::min(run.lastRow, s->to);
        if (a > b) continue;
        moved.emplace(s->onto + (a - s->from), Run{s->onto + (b - s->from), run.style});
      }
    }
    MergeRuns(moved, 1, kMaxRows);
    band.runs = std::move(moved);
  }
  MergeBands(1, kMaxColumns);
}

}  // namespace korvat::host
