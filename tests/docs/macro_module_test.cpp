// Every export of the library's export table is declared for both bitnesses, with
// the public header's arguments and result, in the macro module and in the export
// reference.

#include "docs/doc_tables.h"

#include <gtest/gtest.h>

#include <map>
#include <regex>
#include <sstream>

namespace korvat::test {
namespace {

struct Signature {
  int arguments = 0;
  std::string result;  // the C result type
};

std::vector<std::string> ExportTable() {
  std::istringstream def(ReadSourceFile("src/korvat.def"));
  std::vector<std::string> names;
  std::string word;
  while (def >> word)
    if (word.starts_with("kv")) names.push_back(word);
  return names;
}

int CountArguments(const std::string& list) {
  static const std::regex blank(R"(^\s*(void)?\s*$)");
  if (std::regex_match(list, blank)) return 0;
  int commas = 0;
  for (char c : list) commas += c == ',';
  return commas + 1;
}

std::map<std::string, Signature> HeaderSignatures() {
  const std::string header = ReadSourceFile("include/korvat/korvat.h");
  static const std::regex declaration(R"(KV_API\s+(\w+)\s+KV_CALL\s+(kv\w+)\s*\(([^)]*)\))");
  std::map<std::string, Signature> found;
  for (std::sregex_iterator it(header.begin(), header.end(), declaration), end; it != end; ++it)
    found[(*it)[2]] = {CountArguments((*it)[3]), (*it)[1]};
  return found;
}

struct Declare {
  int arguments = 0;
  std::string kind;    // Sub or Function
  std::string result;  // the VBA type after As, for a Function
  bool ptrSafe = false;
};

// The Declare lines naming `library` in `text`, by export name.
std::map<std::string, Declare> Declares(const std::string& text, const std::string& library) {
  static const std::regex line(
      R"re((?:Public\s+|Private\s+)?Declare\s+(PtrSafe\s+)?(Sub|Function)\s+(kv\w+)\s+Lib\s+"([^"]+)"\s*\(([^)]*)\)(?:\s*As\s+(\w+))?)re");
  std::map<std::string, Declare> found;
  for (std::sregex_iterator it(text.begin(), text.end(), line), end; it != end; ++it)
    if ((*it)[4] == library)
      found[(*it)[3]] = {CountArguments((*it)[5]), (*it)[2], (*it)[6], (*it)[1].matched};
  return found;
}

// The text of the #If Win64 branch and of its #Else branch.
std::pair<std::string, std::string> Branches(const std::string& module) {
  const auto ifAt = module.find("#If Win64 Then");
  const auto elseAt = module.find("#Else", ifAt);
  const auto endAt = module.find("#End If", elseAt);
  if (ifAt == std::string::npos || elseAt == std::string::npos || endAt == std::string::npos) return {};
  return {module.substr(ifAt, elseAt - ifAt), module.substr(elseAt, endAt - elseAt)};
}

std::string VbaResultFor(const std::string& cResult) {
  if (cResult == "intptr_t") return "LongPtr";
  if (cResult == "int32_t") return "Long";
  return {};
}

void ExpectDeclared(const std::map<std::string, Declare>& declares, const std::string& where) {
  const auto header = HeaderSignatures();
  const auto exports = ExportTable();
  ASSERT_FALSE(exports.empty()) << "src/korvat.def lists no export";
  for (const std::string& name : exports) {
    const auto signature = header.find(name);
    ASSERT_NE(signature, header.end()) << name << " is exported but not in include/korvat/korvat.h";
    const auto declare = declares.find(name);
    if (declare == declares.end()) {
      ADD_FAILURE() << where << " declares no " << name;
      continue;
    }
    EXPECT_TRUE(declare->second.ptrSafe) << where << ": " << name << " is not PtrSafe";
    EXPECT_EQ(declare->second.arguments, signature->second.arguments) << where << ": " << name;
    const std::string vbaResult = VbaResultFor(signature->second.result);
    if (!vbaResult.empty()) {
      EXPECT_EQ(declare->second.kind, "Function") << where << ": " << name << " returns a result";
      EXPECT_EQ(declare->second.result, vbaResult) << where << ": " << name;
    }
  }
}

TEST(MacroModule, DeclaresEveryExportInBothBranches) {
  const std::string module = ReadSourceFile("examples/KorvatMacros.bas");
  ASSERT_FALSE(module.empty());
  const auto [win64, win32] = Branches(module);
  ASSERT_FALSE(win64.empty()) << "no #If Win64 Then ... #Else ... #End If block";
  ExpectDeclared(Declares(win64, "Korvat64.dll"), "KorvatMacros.bas, #If Win64");
  ExpectDeclared(Declares(win32, "Korvat32.dll"), "KorvatMacros.bas, #Else");
  EXPECT_TRUE(Declares(win64, "Korvat32.dll").empty()) << "the 64-bit branch names Korvat32.dll";
  EXPECT_TRUE(Declares(win32, "Korvat64.dll").empty()) << "the 32-bit branch names Korvat64.dll";
}

TEST(MacroModule, BindsThisWorkbookAndForwardsTheSheetEvents) {
  const std::string module = ReadSourceFile("examples/KorvatMacros.bas");
  for (const char* text : {"kvInit", "Set korvatBook = ThisWorkbook", "kvSetWorkBook korvatBook", "kvQuit",
                           "Private Sub Worksheet_Change(ByVal Target As Range)",
                           "Private Sub Worksheet_SelectionChange(ByVal Target As Range)",
                           "kvWBSEventOnChange target", "kvWBSEventOnSelectionChange target"})
    EXPECT_NE(module.find(text), std::string::npos) << "the module lacks " << text;
}

TEST(ExportReference, DeclaresEveryExportForBothBitnesses) {
  const std::string page = ReadSourceFile("docs/exports.md");
  ASSERT_FALSE(page.empty());
  ExpectDeclared(Declares(page, "Korvat64.dll"), "docs/exports.md, 64-bit");
  ExpectDeclared(Declares(page, "Korvat32.dll"), "docs/exports.md, 32-bit");
}

}  // namespace
}  // namespace korvat::test
