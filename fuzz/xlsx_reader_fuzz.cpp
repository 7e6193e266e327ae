// Fuzz target: the workbook package reader. An input is either a zip file as it is, or
// (first byte '#') a list of parts that the target packs into a zip first, so that the
// mutations reach the markup inside the parts rather than stopping at the zip's checksums:
//
//   #name of part 1\n<bytes>\n#name of part 2\n<bytes>...   (parts start at lines "#")
//
// Whatever reads must also write back and read again.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "host/file/xlsx_package.h"
#include "host/file/xlsx_reader.h"
#include "host/file/xlsx_writer.h"

namespace {

using namespace korvat::host::file::xlsx;

std::string PackParts(std::string_view input) {
  Package package;
  size_t pos = 0;
  while (pos < input.size() && input[pos] == '#') {
    size_t nameEnd = input.find('\n', pos);
    if (nameEnd == std::string_view::npos) break;
    std::string name(input.substr(pos + 1, nameEnd - pos - 1));
    size_t next = input.find("\n#", nameEnd + 1);
    size_t end = next == std::string_view::npos ? input.size() : next;
    package.Put(name, std::string(input.substr(nameEnd + 1, end - nameEnd - 1)));
    pos = next == std::string_view::npos ? input.size() : next + 1;
  }
  std::string bytes, error;
  WritePackage(package, &bytes, &error);
  return bytes;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::string_view input(reinterpret_cast<const char*>(data), size);
  std::string zip = !input.empty() && input[0] == '#' ? PackParts(input) : std::string(input);
  PackageLimits limits;
  limits.maxEntryBytes = 8 << 20;
  limits.maxTotalBytes = 32 << 20;
  limits.maxEntries = 512;
  XlsxRead read = ReadXlsx(zip, limits);
  if (!read.workbook) return 0;
  std::string bytes, error;
  if (!WriteXlsx(*read.workbook, read.source.get(), read.source->macroEnabled, &bytes, &error)) __builtin_trap();
  XlsxRead again = ReadXlsx(bytes);
  if (!again.workbook) __builtin_trap();
  return 0;
}
