#include "automation/member_path.h"

namespace korvat {
namespace {

bool EndsName(OLECHAR c) { return c == u'(' || c == u' ' || c == u'=' || c == u'%' || c == 0; }

}  // namespace

bool IsPlaceholderLetter(OLECHAR letter) {
  switch (letter) {
    case u'd': case u'u': case u'e': case u'b': case u'v': case u'B': case u'S': case u's': case u'T':
    case u'o': case u'O': case u'p': case u'D': case u't': case u'f': case u'W': case u'm':
      return true;
    default:
      return false;
  }
}

SegmentScan ScanPathSegment(WideView segment) {
  const std::size_t zero = segment.find(OLECHAR{0});
  if (zero != WideView::npos) segment = segment.substr(0, zero);
  SegmentScan scan;
  std::size_t i = 0;
  while (i < segment.size() && !EndsName(segment[i])) ++i;
  scan.nameLength = i;
  for (; i < segment.size(); ++i) {
    if (segment[i] != u'%') continue;
    if (++i == segment.size() || scan.count == kMaxPlaceholders || !IsPlaceholderLetter(segment[i])) {
      scan.fault = E_INVALIDARG;
      break;
    }
    scan.letters[scan.count++] = segment[i];
  }
  return scan;
}

}  // namespace korvat
