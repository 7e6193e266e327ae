#pragma once
// The scanning of one segment of a member path (the grammar is in dispatch_call.h):
// the member name runs to the first "(", blank, "=" or "%", or to the end of the
// segment; after it only placeholders count, "%" and a letter of the table, at most
// kMaxPlaceholders. A zero character ends the segment as its terminator would.
// Scanning reads nothing beyond the segment and takes no arguments: the call
// layer builds the argument of each letter afterwards.

#include "automation/dispatch_call.h"

#include <cstddef>

namespace korvat {

struct SegmentScan {
  std::size_t nameLength = 0;  // the member name is the segment's first nameLength characters
  int count = 0;               // placeholders read, in the order of the path
  OLECHAR letters[kMaxPlaceholders] = {};
  // E_INVALIDARG when the segment holds a "%" at its end, a "%" before a letter
  // outside the table, or one placeholder too many; letters then holds the
  // placeholders before that fault. S_OK otherwise.
  HRESULT fault = S_OK;
};

SegmentScan ScanPathSegment(WideView segment);

// True for the letters a placeholder may carry ("T" included; "%x" is not one).
bool IsPlaceholderLetter(OLECHAR letter);

}  // namespace korvat
