// The member path scanner on any segment: it reads nothing beyond the segment,
// the name holds none of the characters that end it, and what it reports agrees
// with the segment it read.

#include "automation/member_path.h"

#include <cstdint>
#include <cstdlib>

namespace {

void Require(bool condition) {
  if (!condition) std::abort();
}

bool EndsName(OLECHAR c) { return c == u'(' || c == u' ' || c == u'=' || c == u'%'; }

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  // Two bytes a character, so the scanner meets the whole UTF-16 range; an exact
  // allocation, so a read past the end shows under AddressSanitizer.
  const std::size_t length = size / 2;
  auto* text = new OLECHAR[length];
  for (std::size_t i = 0; i < length; ++i) text[i] = static_cast<OLECHAR>(data[2 * i] | data[2 * i + 1] << 8);
  const WideView segment(text, length);

  const korvat::SegmentScan scan = korvat::ScanPathSegment(segment);
  WideView read = segment.substr(0, segment.find(OLECHAR{0}));
  Require(scan.nameLength <= read.size());
  for (std::size_t i = 0; i < scan.nameLength; ++i) Require(!EndsName(read[i]));
  Require(scan.nameLength == read.size() || EndsName(read[scan.nameLength]));
  Require(scan.count >= 0 && scan.count <= korvat::kMaxPlaceholders);
  for (int k = 0; k < scan.count; ++k) Require(korvat::IsPlaceholderLetter(scan.letters[k]));
  Require(scan.fault == S_OK || scan.fault == E_INVALIDARG);

  // Every "%" after the name is a placeholder when the scan found no fault.
  int percents = 0;
  for (std::size_t i = scan.nameLength; i < read.size(); ++i)
    if (read[i] == u'%') ++percents, ++i;
  if (scan.fault == S_OK) Require(percents == scan.count);
  else Require(percents > scan.count);
  delete[] text;
  return 0;
}
