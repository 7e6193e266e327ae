#pragma once
// korvat convert: load a workbook file and save it in the format of the output's extension
// (.json, .xlsx, .xlsm), keeping what the input package held beyond the model.

#include <string>

namespace korvat::cli {

// Returns the process exit code; messages go to standard error. Nothing is written when the
// input cannot be read.
int ConvertWorkbook(const std::string& input, const std::string& output);

}  // namespace korvat::cli
