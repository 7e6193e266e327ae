// JSON -> .xlsx -> JSON gives the canonical JSON back, for the sample, every fixture and a
// workbook that uses every part of the model; files are chosen by extension.

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "host/file/workbook_file.h"
#include "host/file/xlsx_reader.h"
#include "host/file/xlsx_writer.h"

namespace korvat::host::file {
namespace {

std::string ReadText(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

std::filesystem::path Folder(const char* variable) {
  const char* value = std::getenv(variable);
  return value ? std::filesystem::path(value) : std::filesystem::path();
}

// The model through a package in memory and back.
std::unique_ptr<Workbook> ThroughPackage(const Workbook& book, const PackageSource* source = nullptr,
                                         bool macro = false) {
  std::string bytes, error;
  EXPECT_TRUE(xlsx::WriteXlsx(book, source, macro, &bytes, &error)) << error;
  xlsx::XlsxRead read = xlsx::ReadXlsx(bytes);
  EXPECT_TRUE(read.workbook) << read.error;
  return std::move(read.workbook);
}

std::vector<std::filesystem::path> JsonWorkbooks() {
  std::vector<std::filesystem::path> files;
  for (const auto& root : {Folder("KORVAT_EXAMPLES"), Folder("KORVAT_FIXTURES")}) {
    if (root.empty()) continue;
    for (const auto& e : std::filesystem::recursive_directory_iterator(root))
      if (e.is_regular_file() && e.path().extension() == ".json") files.push_back(e.path());
  }
  return files;
}

TEST(XlsxRoundTrip, EveryJsonWorkbookComesBackAsTheSameCanonicalText) {
  const auto files = JsonWorkbooks();
  ASSERT_GE(files.size(), 3u) << "the sample and the fixtures are found through KORVAT_EXAMPLES and KORVAT_FIXTURES";
  for (const auto& path : files) {
    LoadResult loaded = LoadWorkbookFromText(ReadText(path));
    ASSERT_TRUE(loaded.ok()) << path << ": " << loaded.error;
    const std::string canonical = WorkbookToText(*loaded.workbook);
    auto back = ThroughPackage(*loaded.workbook);
    ASSERT_TRUE(back) << path;
    EXPECT_EQ(WorkbookToText(*back), canonical) << path;
  }
}

TEST(XlsxRoundTrip, PackagedSampleIsInStepWithTheJsonSample) {
  const auto examples = Folder("KORVAT_EXAMPLES");
  ASSERT_FALSE(examples.empty());
  LoadResult json = LoadWorkbook((examples / "sample-plan.json").string());
  LoadResult package = LoadWorkbook((examples / "sample-plan.xlsx").string());
  ASSERT_TRUE(json.ok()) << json.error;
  ASSERT_TRUE(package.ok()) << package.error;
  EXPECT_NE(package.package, nullptr);
  EXPECT_EQ(WorkbookToText(*package.workbook), WorkbookToText(*json.workbook))
      << "examples/sample-plan.xlsx is made from the JSON sample: korvat convert examples/sample-plan.json "
         "examples/sample-plan.xlsx";
}

TEST(XlsxRoundTrip, DrawnGeometryOfAnyPrecisionComesBackExactly) {
  Workbook book;
  Worksheet* ws = book.AddWorksheet("WBS");
  ws->SetColumnWidth(2, 17.3);  // not a whole number of pixels
  ws->SetColumnHidden(3, true);
  ws->SetRowHeight(4, 12.345);
  Shape& bar = ws->Shapes().AddAutoShape(1, 123.456789, 45.678901, 33.333333333, 7.1);
  bar.fill.transparency = 0.123456;
  bar.line.weight = 0.3333;
  bar.textFrame.text = "a\r\nb";
  bar.textFrame.fontSize = 7.25;
  bar.adjustments = {1.0 / 3.0};
  Shape& other = ws->Shapes().AddAutoShape(999, 300, 10, 20, 20);  // no preset for this type
  Shape& link = ws->Shapes().AddConnector(3, 0, 0, 1, 1);
  ws->Shapes().Connect(link, true, bar, 4);
  ws->Shapes().Connect(link, false, other, 7);
  ws->Shapes().AddFreeform({{0, 0, 10.001, 10}, {1, 0, 20.5, 15}, {0, 1, 10, 20}});
  auto back = ThroughPackage(book);
  ASSERT_TRUE(back);
  EXPECT_EQ(WorkbookToText(*back), WorkbookToText(book));
}

TEST(XlsxRoundTrip, ApplicationStateComesBackInEveryCombination) {
  struct Case {
    const char* activeSheet;
    const char* selectionSheet;
    const char* selection;
    double zoom;
  } cases[] = {
      {"", "", "A1", 100},          {"Second", "", "B5:C6", 85},   {"Chart", "", "D4", 120},
      {"", "Second", "A1:B2,C3", 75.5}, {"wbs", "Chart", "E5", 100}, {"Nope", "", "", 10},
      {"WBS", "WBS", "$B$6", 400},
  };
  for (const Case& c : cases) {
    Workbook book;
    book.AddWorksheet("WBS");
    book.AddWorksheet("Second")->SetValue(1, 1, CellValue::Number(1));
    book.AddChartSheet("Chart");
    book.App().activeSheet = c.activeSheet;
    book.App().selectionSheet = c.selectionSheet;
    book.App().selection = c.selection;
    book.App().zoom = c.zoom;
    auto back = ThroughPackage(book);
    ASSERT_TRUE(back);
    EXPECT_EQ(WorkbookToText(*back), WorkbookToText(book)) << c.activeSheet << " / " << c.selectionSheet;
  }
}

TEST(XlsxRoundTrip, FormulaValuesAreStoredForOtherReaders) {
  Workbook book;
  Worksheet* ws = book.AddWorksheet("S");
  ws->SetValue(1, 1, CellValue::Number(2));
  ws->SetFormula(1, 2, "=A1*21");
  ws->SetFormula(1, 3, "=IF(A1>1,\"yes\",\"no\")");
  ws->SetFormula(1, 4, "=A1>1");
  ws->SetFormula(1, 5, "=1/0");
  std::string bytes, error;
  ASSERT_TRUE(xlsx::WriteXlsx(book, nullptr, false, &bytes, &error)) << error;
  xlsx::Package package;
  ASSERT_TRUE(xlsx::ReadPackage(bytes, {}, &package, &error)) << error;
  const std::string* sheet = package.Find("xl/worksheets/sheet1.xml");
  ASSERT_NE(sheet, nullptr);
  for (const char* cell : {"<c r=\"B1\"><f>A1*21</f><v>42</v></c>", "<c r=\"C1\" t=\"str\"><f>IF(A1&gt;1,\"yes\",\"no\")</f><v>yes</v></c>",
                           "<c r=\"D1\" t=\"b\"><f>A1&gt;1</f><v>1</v></c>", "<c r=\"E1\" t=\"e\"><f>1/0</f><v>#DIV/0!</v></c>"})
    EXPECT_NE(sheet->find(cell), std::string::npos) << cell << " in " << *sheet;
}

TEST(XlsxRoundTrip, FilesAreChosenByExtension) {
  Workbook book;
  book.AddWorksheet("S")->SetValue(1, 1, CellValue::Text("x"));
  const std::string dir = ::testing::TempDir();
  std::string error;
  for (const char* name : {"round.xlsx", "ROUND.XLSM", "round.json"}) {
    const std::string path = dir + name;
    ASSERT_TRUE(SaveWorkbook(book, path, &error)) << error;
    LoadResult loaded = LoadWorkbook(path);
    ASSERT_TRUE(loaded.ok()) << loaded.error;
    EXPECT_EQ(loaded.package != nullptr, FormatOfPath(path) != FileFormat::Json) << name;
    EXPECT_EQ(WorkbookToText(*loaded.workbook), WorkbookToText(book)) << name;
    std::remove(path.c_str());
  }
  const std::string odd = dir + "round.xls";
  EXPECT_FALSE(SaveWorkbook(book, odd, &error));
  EXPECT_NE(error.find("unknown workbook file type"), std::string::npos) << error;
  EXPECT_FALSE(std::filesystem::exists(odd));
  LoadResult unknown = LoadWorkbook(dir + "plan.ods");
  EXPECT_FALSE(unknown.ok());
  EXPECT_NE(unknown.error.find("expected .json, .xlsx or .xlsm"), std::string::npos) << unknown.error;
}

}  // namespace
}  // namespace korvat::host::file
