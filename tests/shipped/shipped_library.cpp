#include "shipped_library.h"

#if defined(_WIN32)
#include <windows.h>
#else
#include <dlfcn.h>
#endif

namespace korvat::test {

#if defined(_WIN32)
ShippedLibrary::ShippedLibrary(const std::string& path) {
  handle_ = reinterpret_cast<void*>(LoadLibraryA(path.c_str()));
  if (!handle_) error_ = "LoadLibrary failed with error " + std::to_string(GetLastError());
}
ShippedLibrary::~ShippedLibrary() {
  if (handle_) FreeLibrary(static_cast<HMODULE>(handle_));
}
void* ShippedLibrary::Find(const std::string& name) const {
  return reinterpret_cast<void*>(GetProcAddress(static_cast<HMODULE>(handle_), name.c_str()));
}
#else
ShippedLibrary::ShippedLibrary(const std::string& path) {
  handle_ = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
  if (!handle_) error_ = dlerror();
}
ShippedLibrary::~ShippedLibrary() {
  if (handle_) dlclose(handle_);
}
void* ShippedLibrary::Find(const std::string& name) const { return dlsym(handle_, name.c_str()); }
#endif

}  // namespace korvat::test
