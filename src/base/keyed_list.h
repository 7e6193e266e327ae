#pragma once
// Records in insertion order under text keys, addressed from 1. The same key may
// be added more than once; a lookup by key finds the entry added first. Keys are
// compared exactly (byte by byte). Lookups by key and by position take constant
// time, whatever the length of the list.
//
// Every added record is marked as owned: Clear(true) and destruction delete it.
// A list that only indexes records owned elsewhere is built as Indexing, and is
// emptied with Clear(false); its destructor frees nothing.

#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace korvat {

template <typename Record>
class KeyedList {
 public:
  enum class Ownership { Owning, Indexing };

  explicit KeyedList(Ownership ownership = Ownership::Owning) : ownership_(ownership) {}
  ~KeyedList() { Clear(ownership_ == Ownership::Owning); }
  KeyedList(const KeyedList&) = delete;
  KeyedList& operator=(const KeyedList&) = delete;

  std::int64_t Count() const { return static_cast<std::int64_t>(entries_.size()); }

  void Add(std::string key, Record* record) {
    firstIndex_.try_emplace(key, Count() + 1);
    entries_.push_back({std::move(key), record, true});
  }

  // 1-based index of the first entry with the key, or -1.
  std::int64_t IndexOf(std::string_view key) const {
    const auto found = firstIndex_.find(std::string(key));
    return found == firstIndex_.end() ? -1 : found->second;
  }

  // The record at a 1-based index, or null outside 1..Count().
  Record* ItemAt(std::int64_t index) const {
    if (index < 1 || index > Count()) return nullptr;
    return entries_[static_cast<std::size_t>(index - 1)].record;
  }

  Record* Find(std::string_view key) const { return ItemAt(IndexOf(key)); }

  const std::string& KeyAt(std::int64_t index) const { return entries_[static_cast<std::size_t>(index - 1)].key; }

  // Empties the list; with freeRecords, deletes every owned record first.
  void Clear(bool freeRecords) {
    if (freeRecords)
      for (Entry& e : entries_)
        if (e.owned && e.record) {
          delete e.record;
          e.record = nullptr;
        }
    entries_.clear();
    entries_.shrink_to_fit();
    firstIndex_.clear();
  }

 private:
  struct Entry {
    std::string key;
    Record* record;
    bool owned;
  };

  Ownership ownership_;
  std::vector<Entry> entries_;
  std::unordered_map<std::string, std::int64_t> firstIndex_;
};

}  // namespace korvat
