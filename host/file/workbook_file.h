#pragma once
// The workbook file: JSON as described in docs/workbook-format.md, or an Office Open XML
// workbook package (.xlsx, .xlsm), chosen by the file name's extension. Loading never throws
// and never crashes on bad input; a malformed file gives a message that names the place, e.g.
// "sheets[2].cells.B7.b.left.weight: expected a number". Saving JSON writes the canonical
// form, so loading a canonical file and saving it again gives the same text.

#include <memory>
#include <string>
#include <string_view>

#include "host/model/workbook.h"

namespace korvat::host::file {

class PackageSource;

enum class FileFormat { Json, Xlsx, Xlsm, Unknown };
// By the extension, without regard to case.
FileFormat FormatOfPath(const std::string& path);

struct LoadResult {
  std::unique_ptr<Workbook> workbook;  // null on failure
  std::string error;                   // empty on success
  // The package an .xlsx or .xlsm file was read from (null for JSON): what the model does
  // not hold, for saving the workbook back without losing it.
  std::shared_ptr<const PackageSource> package;
  bool ok() const { return workbook != nullptr; }
};

// `path` is UTF-8; the format follows its extension (.json, .xlsx, .xlsm).
LoadResult LoadWorkbook(const std::string& path);
LoadResult LoadWorkbookFromText(std::string_view json);

// The canonical text: two-space indentation, members in a fixed order, cells in row-major
// order, defaults left out, a final newline.
std::string WorkbookToText(const Workbook& workbook);
// False with *error set (when given) when the file cannot be written; nothing is written
// then. The format follows the extension. `package` is the package the workbook was loaded
// from, when it was: an .xlsx or .xlsm keeps every part and element of it that the model
// does not hold (an .xlsx leaves a macro project out).
bool SaveWorkbook(const Workbook& workbook, const std::string& path, std::string* error,
                  const PackageSource* package = nullptr);

}  // namespace korvat::host::file
