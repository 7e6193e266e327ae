#pragma once
// The zip container of an Office Open XML package: its entries read into memory with limits
// that keep a hostile file from exhausting the machine, and a package written back.
// Part names are compared without regard to ASCII case, as the packaging rules require.

#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace korvat::host::file::xlsx {

// Limits on what a package may hold. An entry whose declared or actual uncompressed size
// exceeds them is refused before it is inflated any further.
struct PackageLimits {
  uint64_t maxEntryBytes = 512ull << 20;   // one part, uncompressed
  uint64_t maxTotalBytes = 2048ull << 20;  // all parts, uncompressed
  uint64_t maxEntries = 20000;
};

struct PackageEntry {
  std::string name;  // as stored, without a leading '/'
  std::string data;  // uncompressed bytes
};

// The entries of a package in stored order, with lookup by part name.
class Package {
 public:
  const std::vector<PackageEntry>& Entries() const { return entries_; }
  // Null when the package has no part of that name ('/' in front is ignored).
  const std::string* Find(std::string_view name) const;
  bool Contains(std::string_view name) const { return Find(name) != nullptr; }
  // Adds the part or replaces its bytes (keeping its place).
  void Put(std::string name, std::string data);
  bool Remove(std::string_view name);

 private:
  void Reindex();
  std::vector<PackageEntry> entries_;
  std::unordered_map<std::string, size_t> index_;  // folded name -> position
};

// A part name the package may hold: relative, '/'-separated, no "." or ".." segment, no
// empty segment, no backslash or control character. Used for names read from a file.
bool IsSafePartName(std::string_view name);

// Reads a whole zip file held in memory. False with *error saying what was wrong ("not a
// zip package", "entry \"x\": ..."); *out is then empty.
bool ReadPackage(std::string_view bytes, const PackageLimits& limits, Package* out, std::string* error);

// The zip file of the package's entries (deflated, in the package's order). False with
// *error when the zip library fails.
bool WritePackage(const Package& package, std::string* bytes, std::string* error);

}  // namespace korvat::host::file::xlsx
