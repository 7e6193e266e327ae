#pragma once
// The shipped library loaded as a workbook loads it: by file name at run time, each
// export found by its plain name (dlopen and dlsym here, LoadLibrary and
// GetProcAddress on Windows).

#include <string>

namespace korvat::test {

class ShippedLibrary {
 public:
  explicit ShippedLibrary(const std::string& path);
  ~ShippedLibrary();
  ShippedLibrary(const ShippedLibrary&) = delete;
  ShippedLibrary& operator=(const ShippedLibrary&) = delete;

  bool Loaded() const { return handle_ != nullptr; }
  const std::string& Error() const { return error_; }
  // The export's address, or null.
  void* Find(const std::string& name) const;

 private:
  void* handle_ = nullptr;
  std::string error_;
};

}  // namespace korvat::test
