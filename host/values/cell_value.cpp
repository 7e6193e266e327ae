#include "host/values/cell_value.h"

namespace korvat::host {

const char* CellErrorText(CellError e) {
  switch (e) {
    case CellError::Null: return "#NULL!";
    case CellError::Div0: return "#DIV/0!";
    case CellError::Value: return "#VALUE!";
    case CellError::Ref: return "#REF!";
    case CellError::Name: return "#NAME?";
    case CellError::Num: return "#NUM!";
    case CellError::NA: return "#N/A";
  }
  return "#VALUE!";
}

}  // namespace korvat::host
