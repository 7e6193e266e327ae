#pragma once
// Reading an Office Open XML workbook package (.xlsx, .xlsm) into the model.

#include <memory>
#include <string>
#include <string_view>

#include "host/file/xlsx_package.h"
#include "host/file/xlsx_source.h"
#include "host/model/workbook.h"

namespace korvat::host::file::xlsx {

struct XlsxRead {
  std::unique_ptr<Workbook> workbook;      // null on failure
  std::shared_ptr<PackageSource> source;   // null on failure
  std::string error;                       // one message naming the place
};

XlsxRead ReadXlsx(std::string_view bytes, const PackageLimits& limits = {});

}  // namespace korvat::host::file::xlsx
