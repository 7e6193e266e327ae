#include "host/file/xlsx_package.h"

#include <zip.h>

#include <memory>

#include "host/model/text_compare.h"

namespace korvat::host::file::xlsx {
namespace {

std::string PartKey(std::string_view name) {
  if (!name.empty() && name.front() == '/') name.remove_prefix(1);
  return FoldCase(name);
}

struct ZipCloser {
  void operator()(zip_t* z) const { zip_discard(z); }
};
struct ZipFileCloser {
  void operator()(zip_file_t* f) const { zip_fclose(f); }
};
struct ZipErrorHolder {
  zip_error_t error;
  ZipErrorHolder() { zip_error_init(&error); }
  ~ZipErrorHolder() { zip_error_fini(&error); }
  std::string Text() { return zip_error_strerror(&error); }
};

std::string ZipMessage(int code) {
  ZipErrorHolder e;
  zip_error_set(&e.error, code, 0);
  return e.Text();
}

std::string OpenFailure(int code, std::string_view bytes) {
  switch (code) {
    case ZIP_ER_NOZIP:
      // A file that starts as a zip but has no directory at its end was cut short.
      if (bytes.substr(0, 4) == std::string_view("PK\x03\x04", 4))
        return "a truncated zip package (its directory at the end is missing)";
      return "not a zip package";
    case ZIP_ER_INCONS: return "the zip package is damaged or truncated (" + ZipMessage(code) + ")";
    default: return "cannot read the zip package (" + ZipMessage(code) + ")";
  }
}

// Inflates no further than the size the directory declares (itself within the limits).
bool ReadEntry(zip_t* zip, zip_uint64_t index, const std::string& name, uint64_t declared, std::string* data,
               std::string* error) {
  std::unique_ptr<zip_file_t, ZipFileCloser> file(zip_fopen_index(zip, index, 0));
  if (!file) {
    *error = "entry \"" + name + "\": cannot be read (" + zip_strerror(zip) + ")";
    return false;
  }
  data->clear();
  data->reserve(static_cast<size_t>(declared));
  char buffer[65536];
  for (;;) {
    zip_int64_t n = zip_fread(file.get(), buffer, sizeof buffer);
    if (n < 0) {
      *error = "entry \"" + name + "\": damaged data (" + zip_file_strerror(file.get()) + ")";
      return false;
    }
    if (n == 0) break;
    if (data->size() + static_cast<uint64_t>(n) > declared) {
      *error = "entry \"" + name + "\": inflates past the " + std::to_string(declared) +
               " bytes its directory declares; refusing a possible zip bomb";
      return false;
    }
    data->append(buffer, static_cast<size_t>(n));
  }
  if (data->size() != declared) {
    *error = "entry \"" + name + "\": holds " + std::to_string(data->size()) + " bytes, the directory says " +
             std::to_string(declared);
    return false;
  }
  return true;
}

}  // namespace

const std::string* Package::Find(std::string_view name) const {
  auto it = index_.find(PartKey(name));
  return it == index_.end() ? nullptr : &entries_[it->second].data;
}

void Package::Put(std::string name, std::string data) {
  if (!name.empty() && name.front() == '/') name.erase(0, 1);
  std::string key = PartKey(name);
  auto it = index_.find(key);
  if (it != index_.end()) {
    entries_[it->second].data = std::move(data);
    return;
  }
  index_.emplace(std::move(key), entries_.size());
  entries_.push_back({std::move(name), std::move(data)});
}

bool Package::Remove(std::string_view name) {
  auto it = index_.find(PartKey(name));
  if (it == index_.end()) return false;
  entries_.erase(entries_.begin() + static_cast<std::ptrdiff_t>(it->second));
  Reindex();
  return true;
}

void Package::Reindex() {
  index_.clear();
  for (size_t i = 0; i < entries_.size(); ++i) index_.emplace(PartKey(entries_[i].name), i);
}

bool IsSafePartName(std::string_view name) {
  if (name.empty() || name.front() == '/' || name.size() > 1024) return false;
  size_t start = 0;
  for (;;) {
    size_t slash = name.find('/', start);
    std::string_view segment = name.substr(start, slash == std::string_view::npos ? std::string_view::npos : slash - start);
    if (segment.empty() || segment == "." || segment == "..") return false;
    if (slash == std::string_view::npos) break;
    start = slash + 1;
  }
  for (unsigned char c : name)
    if (c < 0x20 || c == '\\' || c == ':') return false;
  return true;
}

bool ReadPackage(std::string_view bytes, const PackageLimits& limits, Package* out, std::string* error) {
  *out = Package();
  if (bytes.size() < 22) {  // shorter than a zip's end record
    *error = "not a zip package (the file holds " + std::to_string(bytes.size()) + " bytes)";
    return false;
  }
  ZipErrorHolder e;
  zip_source_t* source = zip_source_buffer_create(bytes.data(), bytes.size(), 0, &e.error);
  if (!source) {
    *error = "cannot read the zip package (" + e.Text() + ")";
    return false;
  }
  std::unique_ptr<zip_t, ZipCloser> zip(zip_open_from_source(source, ZIP_RDONLY | ZIP_CHECKCONS, &e.error));
  if (!zip) {
    zip_source_free(source);
    *error = OpenFailure(zip_error_code_zip(&e.error), bytes);
    return false;
  }
  const zip_int64_t count = zip_get_num_entries(zip.get(), 0);
  if (count < 0 || static_cast<uint64_t>(count) > limits.maxEntries) {
    *error = "the zip package holds " + std::to_string(count) + " entries, more than the limit of " +
             std::to_string(limits.maxEntries);
    return false;
  }
  Package package;
  uint64_t total = 0;
  for (zip_int64_t i = 0; i < count; ++i) {
    zip_stat_t st;
    zip_stat_init(&st);
    if (zip_stat_index(zip.get(), static_cast<zip_uint64_t>(i), ZIP_FL_ENC_GUESS, &st) != 0 ||
        !(st.valid & ZIP_STAT_NAME) || !(st.valid & ZIP_STAT_SIZE)) {
      *error = "entry " + std::to_string(i) + ": unreadable directory record";
      return false;
    }
    std::string name = st.name;
    if (!name.empty() && name.back() == '/') continue;  // a folder record holds nothing
    if (!IsSafePartName(name)) {
      *error = "entry \"" + name + "\": not a safe part name (it must stay inside the package)";
      return false;
    }
    if (package.Contains(name)) {
      *error = "entry \"" + name + "\": appears twice";
      return false;
    }
    if (st.size > limits.maxEntryBytes || total + st.size > limits.maxTotalBytes) {
      *error = "entry \"" + name + "\": declares " + std::to_string(st.size) +
               " bytes uncompressed, past the limit; refusing a possible zip bomb";
      return false;
    }
    std::string data;
    if (!ReadEntry(zip.get(), static_cast<zip_uint64_t>(i), name, st.size, &data, error)) return false;
    total += data.size();
    package.Put(std::move(name), std::move(data));
  }
  *out = std::move(package);
  return true;
}

bool WritePackage(const Package& package, std::string* bytes, std::string* error) {
  ZipErrorHolder e;
  zip_source_t* target = zip_source_buffer_create(nullptr, 0, 0, &e.error);
  if (!target) {
    *error = "cannot create the zip package (" + e.Text() + ")";
    return false;
  }
  zip_source_keep(target);  // read back after the archive closes
  std::unique_ptr<zip_source_t, decltype(&zip_source_free)> keep(target, &zip_source_free);
  zip_t* zip = zip_open_from_source(target, ZIP_TRUNCATE, &e.error);
  if (!zip) {
    *error = "cannot create the zip package (" + e.Text() + ")";
    return false;
  }
  for (const PackageEntry& entry : package.Entries()) {
    zip_source_t* data = zip_source_buffer(zip, entry.data.data(), entry.data.size(), 0);
    zip_int64_t index = data ? zip_file_add(zip, entry.name.c_str(), data, ZIP_FL_ENC_UTF_8) : -1;
    if (index < 0) {
      if (data) zip_source_free(data);
      *error = "cannot add \"" + entry.name + "\" to the zip package (" + zip_strerror(zip) + ")";
      zip_discard(zip);
      return false;
    }
    zip_set_file_compression(zip, static_cast<zip_uint64_t>(index), ZIP_CM_DEFLATE, 6);
    // Fixed times keep the output of the same workbook the same.
    zip_file_set_dostime(zip, static_cast<zip_uint64_t>(index), 0, (1980 - 1980) << 9 | 1 << 5 | 1, 0);
  }
  if (zip_close(zip) != 0) {
    *error = std::string("cannot write the zip package (") + zip_strerror(zip) + ")";
    zip_discard(zip);
    return false;
  }
  zip_stat_t st;
  if (zip_source_stat(target, &st) != 0 || zip_source_open(target) != 0) {
    *error = "cannot read back the zip package";
    return false;
  }
  bytes->resize(static_cast<size_t>(st.size));
  zip_int64_t n = zip_source_read(target, bytes->data(), st.size);
  zip_source_close(target);
  if (n < 0 || static_cast<uint64_t>(n) != st.size) {
    *error = "cannot read back the zip package";
    return false;
  }
  return true;
}

}  // namespace korvat::host::file::xlsx
