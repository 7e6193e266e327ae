#pragma once
// Writing the model as an Office Open XML workbook package. With the package the workbook
// was read from, every part the model does not hold is written back byte for byte and the
// parts it reads keep the elements it does not hold.

#include <string>

#include "host/file/xlsx_source.h"
#include "host/model/workbook.h"

namespace korvat::host::file::xlsx {

// `macroEnabled` chooses .xlsm (the macro project travels) or .xlsx (a macro project of the
// source is left out). False with *error when the zip library fails.
bool WriteXlsx(const Workbook& workbook, const PackageSource* source, bool macroEnabled, std::string* bytes,
               std::string* error);

}  // namespace korvat::host::file::xlsx
