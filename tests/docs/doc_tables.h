#pragma once
// The tables of a Markdown page, read as the page shows them: a table is a run of
// lines starting with "|" (list indentation allowed), its first line the header,
// its second the separator row. The docs tests build their plans from these, so a
// page and what it describes cannot drift apart.

#include <optional>
#include <string>
#include <vector>

namespace korvat::test {

struct DocTable {
  std::vector<std::string> header;
  std::vector<std::vector<std::string>> rows;  // each as wide as the header
  // The column whose header is `name`, or -1.
  int Column(const std::string& name) const;
};

std::vector<DocTable> ReadDocTables(const std::string& markdown);
// The tables whose header is exactly `header`, in page order.
std::vector<DocTable> TablesWithHeader(const std::vector<DocTable>& tables, const std::vector<std::string>& header);
// The one table whose header is `header`; none when the page has none or several.
std::optional<DocTable> OnlyTableWithHeader(const std::vector<DocTable>& tables, const std::vector<std::string>& header);
// The whole text of a file of the source tree (docs/..., examples/...); empty when it cannot be read.
std::string ReadSourceFile(const std::string& relativePath);

}  // namespace korvat::test
