// The shipped library as a workbook meets it: loaded at run time from its file, every
// export of the module definition found by its plain name, and the sample's main job
// run through those addresses against the headless host, the workbook passed by
// reference as a macro passes it. The result must be the command's, byte for byte, and
// every reference the host handed out must come back.
//
// Arguments come from the environment: KORVAT_LIBRARY (the shared library or DLL),
// KORVAT_DEF (the module definition listing the exports), KORVAT_SAMPLE (the workbook)
// and KORVAT_EXPECTED (the command's result for the same calls).

#include "shipped_library.h"
#include "host/automation/workbook_host.h"
#include "host/file/workbook_file.h"
#include "korvat/korvat.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

namespace korvat::test {
namespace {

std::string Setting(const char* name) {
  const char* value = std::getenv(name);
  return value ? value : "";
}

std::string FileText(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

// The export names of the module definition, in its order.
std::vector<std::string> ExportNames(const std::string& defPath) {
  std::vector<std::string> names;
  std::istringstream lines(FileText(defPath));
  for (std::string line; std::getline(lines, line);) {
    std::istringstream words(line);
    std::string word;
    if (words >> word && word.rfind("kv", 0) == 0) names.push_back(word);
  }
  return names;
}

using Init = int32_t(KV_CALL*)();
using Quit = void(KV_CALL*)();
using SetWorkBook = int32_t(KV_CALL*)(IDispatch**);
using WithUnit = void(KV_CALL*)(int32_t);
using Plain = void(KV_CALL*)();

class Shipped : public testing::Test {
 protected:
  void SetUp() override {
    if (Setting("KORVAT_LIBRARY").empty()) GTEST_SKIP() << "KORVAT_LIBRARY is not set";
  }
};

TEST_F(Shipped, EveryExportIsFoundByItsPlainName) {
  ShippedLibrary library(Setting("KORVAT_LIBRARY"));
  ASSERT_TRUE(library.Loaded()) << library.Error();
  const std::vector<std::string> names = ExportNames(Setting("KORVAT_DEF"));
  ASSERT_GE(names.size(), 9u) << "the module definition lists the exports";
  for (const std::string& name : names) EXPECT_NE(library.Find(name), nullptr) << name;
  EXPECT_EQ(library.Find("ReadTasks"), nullptr) << "nothing but the exports is visible";
}

TEST_F(Shipped, RunsTheSamplesMainJobAsTheCommandDoes) {
  ShippedLibrary library(Setting("KORVAT_LIBRARY"));
  ASSERT_TRUE(library.Loaded()) << library.Error();
  std::map<std::string, void*> exports;
  for (const char* name : {"kvInit", "kvQuit", "kvSetWorkBook", "kvDrawCalendar", "kvWBSReschedule",
                           "kvDrawProgressLines"}) {
    exports[name] = library.Find(name);
    ASSERT_NE(exports[name], nullptr) << name;
  }
  host::file::LoadResult loaded = host::file::LoadWorkbook(Setting("KORVAT_SAMPLE"));
  ASSERT_TRUE(loaded.ok()) << loaded.error;
  host::WorkbookHost host(std::move(loaded.workbook));
  {
    ComRef<IDispatch> workbook = host.NewWorkbookObject();
    IDispatch* variable = workbook.Get();  // the macro's variable holding the workbook
    EXPECT_EQ(reinterpret_cast<Init>(exports["kvInit"])(), 0);
    EXPECT_EQ(reinterpret_cast<SetWorkBook>(exports["kvSetWorkBook"])(&variable), 0);
    reinterpret_cast<WithUnit>(exports["kvDrawCalendar"])(60);
    reinterpret_cast<Plain>(exports["kvWBSReschedule"])();
    reinterpret_cast<Plain>(exports["kvDrawProgressLines"])();
    reinterpret_cast<Quit>(exports["kvQuit"])();
    EXPECT_EQ(variable, workbook.Get()) << "the caller's variable is left as it was";
  }
  EXPECT_EQ(host.LiveObjects(), 0);
  const std::string expected = FileText(Setting("KORVAT_EXPECTED"));
  ASSERT_FALSE(expected.empty()) << "the command's result " << Setting("KORVAT_EXPECTED");
  EXPECT_TRUE(host::file::WorkbookToText(host.Model()) == expected) << "the result differs from the command's";
}

}  // namespace
}  // namespace korvat::test
