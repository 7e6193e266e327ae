#include "host/model/extent_index.h"

#include <algorithm>

namespace korvat::host {

double ExtentIndex::Size(int i) const {
  auto it = explicit_.find(i);
  return it == explicit_.end() ? default_ : it->second.size;
}

bool ExtentIndex::Hidden(int i) const {
  auto it = explicit_.find(i);
  return it != explicit_.end() && it->second.hidden;
}

double ExtentIndex::VisibleSize(int i) const {
  auto it = explicit_.find(i);
  if (it == explicit_.end()) return default_;
  return it->second.hidden ? 0.0 : it->second.size;
}

double ExtentIndex::Offset(int i) const {
  if (i <= 1) return 0.0;
  if (dirty_) Rebuild();
  return (i - 1) * default_ + TreePrefix(i - 1);
}

int ExtentIndex::IndexAt(double offset) const {
  if (offset < 0) return 1;
  // Offset() never decreases, so the last index whose offset is <= the point holds it,
  // unless that entry is hidden (then the next visible one starts at the same offset).
  int lo = 1, hi = count_;
  while (lo < hi) {
    int mid = lo + (hi - lo + 1) / 2;
    if (Offset(mid) <= offset) lo = mid; else hi = mid - 1;
  }
  while (lo > 1 && VisibleSize(lo) == 0.0 && Offset(lo) == offset) --lo;
  while (lo < count_ && VisibleSize(lo) == 0.0) ++lo;
  return lo;
}

void ExtentIndex::SetSize(int i, double size) {
  if (i < 1 || i > count_) return;
  Entry e{std::max(0.0, size), Hidden(i)};
  Store(i, e);
}

void ExtentIndex::SetHidden(int i, bool hidden) {
  if (i < 1 || i > count_) return;
  Entry e{Size(i), hidden};
  Store(i, e);
}

void ExtentIndex::Store(int i, const Entry& e) {
  auto it = explicit_.find(i);
  double oldDelta = it == explicit_.end() ? 0.0 : Delta(it->second);
  if (e.size == default_ && !e.hidden) {
    if (it != explicit_.end()) explicit_.erase(it);
  } else {
    explicit_[i] = e;
  }
  if (dirty_) return;
  if (i < static_cast<int>(tree_.size())) {
    TreeAdd(i, Delta(e) - oldDelta);
  } else {
    dirty_ = true;  // beyond the tree's capacity: grow on the next read
  }
}

void ExtentIndex::Rebuild() const {
  int highest = explicit_.empty() ? 0 : explicit_.rbegin()->first;
  size_t capacity = 64;
  while (capacity <= static_cast<size_t>(highest)) capacity *= 2;
  tree_.assign(capacity + 1, 0.0);
  for (const auto& [i, e] : explicit_) tree_[i] += Delta(e);
  // Linear-time build: push each node's sum to its parent.
  for (size_t i = 1; i < tree_.size(); ++i) {
    size_t parent = i + (i & (~i + 1));
    if (parent < tree_.size()) tree_[parent] += tree_[i];
  }
  dirty_ = false;
}

void ExtentIndex::TreeAdd(int i, double delta) const {
  for (size_t k = static_cast<size_t>(i); k < tree_.size(); k += k & (~k + 1)) tree_[k] += delta;
}

double ExtentIndex::TreePrefix(int i) const {
  double sum = 0.0;
  size_t k = std::min(static_cast<size_t>(i), tree_.size() - 1);
  for (; k > 0; k -= k & (~k + 1)) sum += tree_[k];
  return sum;
}

void ExtentIndex::Remap(const std::function<int(int)>& map) {
  std::map<int, Entry> moved;
  for (const auto& [i, e] : explicit_) {
    int to = map(i);
    if (to >= 1 && to <= count_) moved[to] = e;
  }
  explicit_ = std::move(moved);
  dirty_ = true;
}

}  // namespace korvat::host
