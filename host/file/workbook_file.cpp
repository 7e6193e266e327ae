#include "host/file/workbook_file.h"

#include <filesystem>
#include <fstream>
#include <sstream>

#include "host/file/workbook_reader.h"

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

}  // namespace

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
    return LoadResult{std::move(book), {}};
  } catch (const std::exception& e) {
    return Failure(std::string("cannot read the workbook: ") + e.what());
  }
}

LoadResult LoadWorkbook(const std::string& path) {
  std::ifstream in(PathFromUtf8(path), std::ios::binary);
  if (!in) return Failure(path + ": cannot open the file");
  std::ostringstream text;
  text << in.rdbuf();
  if (in.bad()) return Failure(path + ": cannot read the file");
  LoadResult result = LoadWorkbookFromText(text.str());
  if (!result.ok()) result.error = path + ": " + result.error;
  return result;
}

bool SaveWorkbook(const Workbook& workbook, const std::string& path, std::string* error) {
  std::string text;
  try {
    text = WorkbookToText(workbook);
  } catch (const std::exception& e) {
    if (error) *error = std::string("cannot write the workbook: ") + e.what();
    return false;
  }
  std::ofstream out(PathFromUtf8(path), std::ios::binary | std::ios::trunc);
  if (!out) {
    if (error) *error = path + ": cannot create the file";
    return false;
  }
  out.write(text.data(), static_cast<std::streamsize>(text.size()));
  out.close();
  if (!out) {
    if (error) *error = path + ": cannot write the file";
    return false;
  }
  return true;
}

}  // namespace korvat::host::file
