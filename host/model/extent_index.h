#pragma once
// Sizes of the rows (or columns) of a sheet and their offsets from the sheet's edge.
// Only sizes set explicitly are stored; a Fenwick tree over their differences from the
// default answers Offset() in logarithmic time, so per-task geometry lookups stay cheap on
// large sheets. Indexes are 1-based; a hidden entry keeps its size but counts as 0.

#include <functional>
#include <map>
#include <vector>

namespace korvat::host {

class ExtentIndex {
 public:
  struct Entry {
    double size = 0.0;
    bool hidden = false;
  };

  ExtentIndex(double defaultSize, int count) : default_(defaultSize), count_(count) {}

  double DefaultSize() const { return default_; }
  int Count() const { return count_; }

  double Size(int i) const;          // as set, hidden or not
  bool Hidden(int i) const;
  double VisibleSize(int i) const;   // 0 when hidden
  double Offset(int i) const;        // sum of the visible sizes of 1..i-1
  // The entry whose visible span holds the offset (hidden entries never do); Count() past the end.
  int IndexAt(double offset) const;

  void SetSize(int i, double size);  // negative sizes are stored as 0
  void SetHidden(int i, bool hidden);

  // Entries that differ from the default, in index order (for saving).
  const std::map<int, Entry>& Explicit() const { return explicit_; }

  // Renumbers the entries: map(i) gives the new index, 0 drops the entry. Entries the map
  // does not reach become default.
  void Remap(const std::function<int(int)>& map);

 private:
  double Delta(const Entry& e) const { return (e.hidden ? 0.0 : e.size) - default_; }
  void Store(int i, const Entry& e);
  void Rebuild() const;
  void TreeAdd(int i, double delta) const;
  double TreePrefix(int i) const;  // sum of deltas of 1..i

  double default_;
  int count_;
  std::map<int, Entry> explicit_;
  mutable std::vector<double> tree_;  // 1-based Fenwick tree; capacity tree_.size() - 1
  mutable bool dirty_ = true;
};

}  // namespace korvat::host
