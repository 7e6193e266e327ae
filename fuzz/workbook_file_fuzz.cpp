// The workbook file reader on any bytes: a file either loads or gives a message,
// and a file that loads saves to the canonical text, which loads again and saves
// to the same text (nothing is lost on the way).

#include "host/file/workbook_file.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

namespace {

void Require(bool condition) {
  if (!condition) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace korvat::host::file;
  const LoadResult loaded = LoadWorkbookFromText(std::string_view(reinterpret_cast<const char*>(data), size));
  if (!loaded.ok()) {
    Require(!loaded.error.empty());
    return 0;
  }
  Require(loaded.error.empty());
  const std::string saved = WorkbookToText(*loaded.workbook);
  const LoadResult again = LoadWorkbookFromText(saved);
  Require(again.ok());
  Require(WorkbookToText(*again.workbook) == saved);
  return 0;
}
