// Runs the formula scripts in scripts/: each sets up cells and names, then checks
// formulas against expected values. Every script is its own test.
//
//   set [Sheet!]A1 <value>        value: 12, "text", TRUE, FALSE, #DIV/0!, or =formula
//   name <Name> <reference text>
//   check <formula> => <value>
//   parse-error <formula>         the formula must not parse, and evaluate to an error

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "host_formula/fake_workbook.h"
#include "host_formula/value_text.h"

namespace korvat::host::formula::testing {
namespace {

bool ParseAddress(std::string text, std::string& sheet, int& row, int& col) {
  size_t bang = text.rfind('!');
  sheet.clear();
  if (bang != std::string::npos) {
    sheet = text.substr(0, bang);
    if (sheet.size() >= 2 && sheet.front() == '\'') {
      std::string quoted = sheet.substr(1, sheet.size() - 2);
      sheet.clear();
      for (size_t i = 0; i < quoted.size(); ++i) {
        sheet += quoted[i];
        if (quoted[i] == '\'' && i + 1 < quoted.size() && quoted[i + 1] == '\'') ++i;
      }
    }
    text = text.substr(bang + 1);
  }
  size_t i = 0;
  col = 0;
  while (i < text.size() && std::isalpha(static_cast<unsigned char>(text[i])))
    col = col * 26 + (std::toupper(static_cast<unsigned char>(text[i++])) - 'A' + 1);
  if (i == 0 || i == text.size()) return false;
  row = std::atoi(text.c_str() + i);
  return row > 0;
}

struct Script {
  std::string name;
  std::filesystem::path path;
};

std::vector<Script> ListScripts() {
  std::vector<Script> scripts;
  std::error_code ec;
  for (const auto& entry : std::filesystem::directory_iterator(KV_FORMULA_SCRIPTS, ec))
    if (entry.path().extension() == ".fs") scripts.push_back({entry.path().stem().string(), entry.path()});
  std::sort(scripts.begin(), scripts.end(),
            [](const Script& a, const Script& b) { return a.name < b.name; });
  if (scripts.empty()) scripts.push_back({"missing_scripts", {}});
  return scripts;
}

std::string Trim(const std::string& s) {
  size_t b = s.find_first_not_of(" \t\r");
  size_t e = s.find_last_not_of(" \t\r");
  return b == std::string::npos ? std::string() : s.substr(b, e - b + 1);
}

void PrintTo(const Script& s, std::ostream* os) { *os << s.name << ".fs"; }

class FormulaScript : public ::testing::TestWithParam<Script> {};

TEST_P(FormulaScript, ChecksHold) {
  const Script& script = GetParam();
  std::ifstream in(script.path);
  ASSERT_TRUE(in.good()) << "cannot read formula scripts from " << KV_FORMULA_SCRIPTS;
  FakeWorkbook book;
  std::string line;
  int lineNo = 0;
  int checks = 0;
  while (std::getline(in, line)) {
    ++lineNo;
    line = Trim(line);
    if (line.empty() || line[0] == '#') continue;
    std::string where = script.name + ".fs:" + std::to_string(lineNo) + ": " + line;
    size_t space = line.find(' ');
    std::string verb = line.substr(0, space);
    std::string rest = space == std::string::npos ? "" : Trim(line.substr(space));
    if (verb == "set") {
      size_t quoted = rest[0] == '\'' ? rest.find("'!") : 0;
      size_t sp = rest.find(' ', quoted == std::string::npos ? 0 : quoted);
      std::string sheet;
      int row = 0, col = 0;
      ASSERT_TRUE(sp != std::string::npos && ParseAddress(rest.substr(0, sp), sheet, row, col)) << where;
      std::string value = Trim(rest.substr(sp));
      if (!value.empty() && value[0] == '=') {
        book.SetFormula(sheet, row, col, value);
      } else {
        CellValue v;
        ASSERT_TRUE(ValueFromText(value, v)) << where;
        book.SetValue(sheet, row, col, v);
      }
    } else if (verb == "name") {
      size_t sp = rest.find(' ');
      ASSERT_NE(sp, std::string::npos) << where;
      book.SetName(rest.substr(0, sp), Trim(rest.substr(sp)));
    } else if (verb == "check") {
      size_t arrow = rest.rfind(" => ");
      ASSERT_NE(arrow, std::string::npos) << where;
      std::string formula = rest.substr(0, arrow);
      CellValue expected;
      ASSERT_TRUE(ValueFromText(Trim(rest.substr(arrow + 4)), expected)) << where;
      auto parsed = ParseFormula(formula);
      EXPECT_EQ(parsed->error(), "") << where;
      CellValue actual = Evaluate(*parsed, book);
      EXPECT_TRUE(SameValue(actual, expected))
          << where << "\n  got " << ValueToText(actual) << ", want " << ValueToText(expected);
      ++checks;
    } else if (verb == "parse-error") {
      auto parsed = ParseFormula(rest);
      EXPECT_NE(parsed->error(), "") << where;
      EXPECT_TRUE(Evaluate(*parsed, book).IsError()) << where;
      ++checks;
    } else {
      ADD_FAILURE() << "unknown verb in " << where;
    }
  }
  EXPECT_GT(checks, 0) << script.name << " checks nothing";
}

INSTANTIATE_TEST_SUITE_P(Scripts, FormulaScript, ::testing::ValuesIn(ListScripts()),
                         [](const ::testing::TestParamInfo<Script>& info) { return info.param.name; });

}  // namespace
}  // namespace korvat::host::formula::testing
