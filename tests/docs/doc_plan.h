#pragma once
// The minimal plan of docs/plan-workbook.md, built from the page's own tables as
// its steps say: the sheets and their code names, the settings as named cells,
// the cells of the "<sheet> row" tables, the format tables and the template shapes.
// The result is workbook JSON (docs/workbook-format.md), for the host to load.

#include "docs/doc_tables.h"

#include <string>

namespace korvat::test {

struct DocPlan {
  std::string json;   // the workbook's JSON text; empty when the page could not be read
  std::string error;  // what is wrong with the page's tables
};

DocPlan BuildDocPlan(const std::vector<DocTable>& tables);

// The serial of a "YYYY-MM-DD" date, or of a "HH:MM" time of day; false for other text.
bool DocDateSerial(const std::string& text, double* serial);
bool DocTimeOfDay(const std::string& text, double* fraction);

}  // namespace korvat::test
