#include "docs/doc_tables.h"

#include <fstream>
#include <sstream>

namespace korvat::test {
namespace {

std::string Trim(const std::string& text) {
  const auto first = text.find_first_not_of(" \t");
  if (first == std::string::npos) return {};
  const auto last = text.find_last_not_of(" \t\r");
  return text.substr(first, last - first + 1);
}

// The cells between the outer bars.
std::vector<std::string> SplitRow(const std::string& line) {
  std::string body = Trim(line);
  if (!body.empty() && body.front() == '|') body.erase(0, 1);
  if (!body.empty() && body.back() == '|') body.pop_back();
  std::vector<std::string> cells;
  std::size_t start = 0;
  for (;;) {
    const std::size_t bar = body.find('|', start);
    cells.push_back(Trim(body.substr(start, bar == std::string::npos ? std::string::npos : bar - start)));
    if (bar == std::string::npos) break;
    start = bar + 1;
  }
  return cells;
}

bool IsTableLine(const std::string& line) {
  const std::string t = Trim(line);
  return !t.empty() && t.front() == '|';
}

}  // namespace

int DocTable::Column(const std::string& name) const {
  for (std::size_t i = 0; i < header.size(); ++i)
    if (header[i] == name) return static_cast<int>(i);
  return -1;
}

std::vector<DocTable> ReadDocTables(const std::string& markdown) {
  std::vector<DocTable> tables;
  std::istringstream in(markdown);
  std::string line;
  std::vector<std::string> block;
  auto flush = [&] {
    if (block.size() >= 2) {
      DocTable table;
      table.header = SplitRow(block[0]);
      for (std::size_t i = 2; i < block.size(); ++i) {
        std::vector<std::string> cells = SplitRow(block[i]);
        cells.resize(table.header.size());
        table.rows.push_back(std::move(cells));
      }
      tables.push_back(std::move(table));
    }
    block.clear();
  };
  while (std::getline(in, line)) {
    if (IsTableLine(line))
      block.push_back(line);
    else
      flush();
  }
  flush();
  return tables;
}

std::vector<DocTable> TablesWithHeader(const std::vector<DocTable>& tables, const std::vector<std::string>& header) {
  std::vector<DocTable> found;
  for (const DocTable& table : tables)
    if (table.header == header) found.push_back(table);
  return found;
}

std::optional<DocTable> OnlyTableWithHeader(const std::vector<DocTable>& tables, const std::vector<std::string>& header) {
  std::vector<DocTable> found = TablesWithHeader(tables, header);
  if (found.size() != 1) return std::nullopt;
  return found.front();
}

std::string ReadSourceFile(const std::string& relativePath) {
  std::ifstream file(std::string(KORVAT_SOURCE_DIR) + "/" + relativePath, std::ios::binary);
  if (!file) return {};
  std::ostringstream text;
  text << file.rdbuf();
  return text.str();
}

}  // namespace korvat::test
