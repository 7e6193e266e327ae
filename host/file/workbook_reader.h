#pragma once
// Reads a parsed workbook document into an empty workbook. False with *error naming the place.

#include <string>

#include "host/file/json_reader.h"
#include "host/model/workbook.h"

namespace korvat::host::file {

bool ReadWorkbookJson(const Json& root, Workbook& book, std::string* error);

}  // namespace korvat::host::file
