#pragma once
// Copies the look of a template shape onto a drawn shape: line weight, dash
// and style, line colours, fill transparency, colour and pattern; line and
// fill are made visible.

#include "platform/com.h"

namespace korvat {

void CopyShapeFormat(IDispatch* templateShape, IDispatch* shape);

}  // namespace korvat
