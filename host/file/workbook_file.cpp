#include "host/file/workbook_file.h"

#include <filesystem>
#include <fstream>
#include <sstream>

#include "host/file/workbook_reader.h"
#include "host/model/text_compare.h"
#ifdef KORVAT_HAS_XLSX
#include "host/file/xlsx_reader.h"
#include "host/file/xlsx_writer.h"
#endif

namespace korvat::host::file {

namespace {

// Paths are UTF-8 on every platform.
std::filesystem::path PathFromUtf8(const std::string& path) {
  return std::filesystem::path(std::u8string(path.begin(), path.end()));
}

LoadResult Failure(std::string message) {
  LoadResult result;
  result.error = std::move(message);
  return result;
}

constexpr const char* kUnknownType = ": unknown workbook file type (expected .json, .xlsx or .xlsm)";
#ifndef KORVAT_HAS_XLSX
constexpr const char* kNoPackages = ": .xlsx and .xlsm files are not supported by this build";
#endif

bool ReadFileBytes(const std::string& path, std::string* bytes, std::string* error) {
  std::ifstream in(PathFromUtf8(path), std::ios::binary);
  if (!in) {
    *error = path + ": cannot open the file";
    return false;
  }
  std::ostringstream text;
  text << in.rdbuf();
  if (in.bad()) {
    *error = path + ": cannot read the file";
    return false;
  }
  *bytes = std::move(text).str();
  return true;
}

bool WriteFileBytes(const std::string& path, const std::string& bytes, std::string* error) {
  std::ofstream out(PathFromUtf8(path), std::ios::binary | std::ios::trunc);
  if (!out) {
    if (error) *error = path + ": cannot create the file";
    return false;
  }
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  out.close();
  if (!out) {
    if (error) *error = path + ": cannot write the file";
    return false;
  }
  return true;
}

LoadResult LoadPackage(const std::string& path) {
#ifdef KORVAT_HAS_XLSX
  std::string bytes, error;
  if (!ReadFileBytes(path, &bytes, &error)) return Failure(error);
  xlsx::XlsxRead read = xlsx::ReadXlsx(bytes);
  if (!read.workbook) return Failure(path + ": " + read.error);
  LoadResult result;
  result.workbook = std::move(read.workbook);
  result.package = std::move(read.source);
  return result;
#else
  return Failure(path + kNoPackages);
#endif
}

bool SavePackage(const Workbook& workbook, const std::string& path, bool macroEnabled, const PackageSource* package,
                 std::string* error) {
#ifdef KORVAT_HAS_XLSX
  std::string bytes, problem;
  bool written = false;
  try {
    written = xlsx::WriteXlsx(workbook, package, macroEnabled, &bytes, &problem);
  } catch (const std::exception& e) {
    problem = e.what();
  }
  if (!written) {
    if (error) *error = "cannot write the workbook: " + problem;
    return false;
  }
  return WriteFileBytes(path, bytes, error);
#else
  if (error) *error = path + kNoPackages;
  return false;
#endif
}

}  // namespace

FileFormat FormatOfPath(const std::string& path) {
  const size_t dot = path.find_last_of('.');
  const size_t slash = path.find_last_of("/\\");
  if (dot == std::string::npos || (slash != std::string::npos && dot < slash)) return FileFormat::Unknown;
  const std::string ext = FoldCase(path.substr(dot + 1));
  if (ext == "json") return FileFormat::Json;
  if (ext == "xlsx") return FileFormat::Xlsx;
  if (ext == "xlsm") return FileFormat::Xlsm;
  return FileFormat::Unknown;
}

LoadResult LoadWorkbookFromText(std::string_view text) {
  // The JSON library reports through exceptions; none may leave this function.
  try {
    Json root;
    try {
      root = Json::parse(text.begin(), text.end());
    } catch (const Json::parse_error& e) {
      return Failure(std::string("not valid JSON: ") + e.what());
    }
    auto book = std::make_unique<Workbook>();
    std::string error;
    if (!ReadWorkbookJson(root, *book, &error)) return Failure(error);
    return LoadResult{std::move(book), {}, nullptr};
  } catch (const std::exception& e) {
    return Failure(std::string("cannot read the workbook: ") + e.what());
  }
}

LoadResult LoadWorkbook(const std::string& path) {
  const FileFormat format = FormatOfPath(path);
  if (format == FileFormat::Unknown) return Failure(path + kUnknownType);
  if (format != FileFormat::Json) return LoadPackage(path);
  std::string text, error;
  if (!ReadFileBytes(path, &text, &error)) return Failure(error);
  LoadResult result = LoadWorkbookFromText(text);
  if (!result.ok()) result.error = path + ": " + result.error;
  return result;
}

bool SaveWorkbook(const Workbook& workbook, const std::string& path, std::string* error,
                  const PackageSource* package) {
  const FileFormat format = FormatOfPath(path);
  if (format == FileFormat::Unknown) {
    if (error) *error = path + kUnknownType;
    return false;
  }
  if (format != FileFormat::Json) return SavePackage(workbook, path, format == FileFormat::Xlsm, package, error);
  std::string text;
  try {
    text = WorkbookToText(workbook);
  } catch (const std::exception& e) {
    if (error) *error = std::string("cannot write the workbook: ") + e.what();
    return false;
  }
  return WriteFileBytes(path, text, error);
}

}  // namespace korvat::host::file
