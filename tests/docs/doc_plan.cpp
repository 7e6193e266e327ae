#include "docs/doc_plan.h"

#include "host/model/cell_address.h"

#include <nlohmann/json.hpp>

#include <cstdlib>
#include <regex>

namespace korvat::test {
namespace {

using nlohmann::ordered_json;

// Days from 1970-01-01 of a proleptic Gregorian date.
long long DaysFromCivil(long long y, unsigned m, unsigned d) {
  y -= m <= 2;
  const long long era = (y >= 0 ? y : y - 399) / 400;
  const unsigned yoe = static_cast<unsigned>(y - era * 400);
  const unsigned doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
  const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + static_cast<long long>(doe) - 719468;
}

constexpr long long kSerialOf1970 = 25569;

bool IsPlainNumber(const std::string& text, double* number) {
  static const std::regex pattern(R"(-?[0-9]+(\.[0-9]+)?)");
  if (!std::regex_match(text, pattern)) return false;
  *number = std::strtod(text.c_str(), nullptr);
  return true;
}

// A cell's value as the page writes it: a date, a time of day, a number or a text.
ordered_json CellFromText(const std::string& text) {
  ordered_json cell = ordered_json::object();
  double number = 0;
  if (DocDateSerial(text, &number)) {
    cell["v"] = number;
    cell["nf"] = "yyyy/mm/dd";
  } else if (DocTimeOfDay(text, &number)) {
    cell["v"] = number;
    cell["nf"] = "hh:mm";
  } else if (IsPlainNumber(text, &number)) {
    cell["v"] = number;
  } else {
    cell["v"] = text;
  }
  return cell;
}

struct Builder {
  ordered_json book;
  std::string error;

  ordered_json* SheetNamed(const std::string& name) {
    for (auto& sheet : book["sheets"])
      if (sheet["name"] == name) return &sheet;
    error = "no sheet named " + name + " in the sheet table";
    return nullptr;
  }

  ordered_json* SheetWithCode(const std::string& codeName) {
    for (auto& sheet : book["sheets"])
      if (sheet["codeName"] == codeName) return &sheet;
    error = "no sheet with the code name " + codeName;
    return nullptr;
  }

  static ordered_json& Cell(ordered_json& sheet, const std::string& address) {
    ordered_json& cell = sheet["cells"][address];
    if (cell.is_null()) cell = ordered_json::object();
    return cell;
  }

  void Sheets(const DocTable& table) {
    book["sheets"] = ordered_json::array();
    for (const auto& row : table.rows)
      book["sheets"].push_back({{"name", row[0]}, {"codeName", row[1]}, {"cells", ordered_json::object()}});
  }

  void Settings(const DocTable& table) {
    ordered_json* sheet = SheetWithCode("wsSettings");
    if (!sheet) return;
    const std::string sheetName = (*sheet)["name"];
    for (const auto& row : table.rows) {
      const auto cell = host::ParseCellAddress(row[1]);
      if (!cell || cell->col != 2) {
        error = "setting " + row[0] + ": " + row[1] + " is not a cell of column B";
        return;
      }
      Cell(*sheet, "A" + std::to_string(cell->row))["v"] = row[0];
      ordered_json value = CellFromText(row[2]);
      for (auto& [key, v] : value.items()) Cell(*sheet, row[1])[key] = v;
      book["names"][row[0]] = sheetName + "!$B$" + std::to_string(cell->row);
    }
  }

  // A "<sheet> row" table: the header's other cells are column letters.
  void SheetRows(const DocTable& table, const std::string& sheetName) {
    ordered_json* sheet = SheetNamed(sheetName);
    if (!sheet) return;
    for (const auto& row : table.rows)
      for (std::size_t c = 1; c < row.size(); ++c) {
        if (row[c].empty()) continue;
        ordered_json value = CellFromText(row[c]);
        for (auto& [key, v] : value.items()) Cell(*sheet, table.header[c] + row[0])[key] = v;
      }
  }

  void ApplyFormat(ordered_json& cell, const std::string& format) {
    static const std::regex border(R"((left|right|top|bottom) border)");
    static const std::regex fill(R"(fill ([0-9]+))");
    std::smatch m;
    if (std::regex_match(format, m, border)) {
      cell["b"][m[1].str()] = {{"style", 1}};
    } else if (std::regex_match(format, m, fill)) {
      cell["fill"] = {{"color", std::stoi(m[1].str())}, {"pattern", 1}};
    } else if (format == "hh:mm" || format == "yyyy/mm/dd") {
      cell["nf"] = format;
    } else {
      error = "unknown format \"" + format + "\"";
    }
  }

  void Formats(const DocTable& table) {
    for (const auto& row : table.rows) {
      ordered_json* sheet = SheetNamed(row[0]);
      if (!sheet) return;
      const std::string& range = row[1];
      const auto colon = range.find(':');
      const auto from = host::ParseCellAddress(range.substr(0, colon));
      const auto to = host::ParseCellAddress(colon == std::string::npos ? range : range.substr(colon + 1));
      if (!from || !to) {
        error = "not a range: " + range;
        return;
      }
      for (int r = from->row; r <= to->row; ++r)
        for (int c = from->col; c <= to->col; ++c) ApplyFormat(Cell(*sheet, host::FormatCellAddress(r, c)), row[2]);
    }
  }

  void Shapes(const DocTable& table) {
    for (const auto& row : table.rows) {
      ordered_json* sheet = SheetNamed(row[table.Column("sheet")]);
      if (!sheet) return;
      ordered_json& shapes = (*sheet)["shapes"];
      if (shapes.is_null()) shapes = ordered_json::array();
      ordered_json shape = {{"name", row[table.Column("shape")]}, {"id", static_cast<int>(shapes.size()) + 1}};
      const std::string kind = row[table.Column("kind")];
      if (kind == "rectangle") {
        shape["type"] = "autoshape";
        shape["autoShapeType"] = 1;
      } else if (kind == "elbow connector" || kind == "line") {
        shape["type"] = "connector";
        shape["connectorType"] = kind == "line" ? 1 : 2;
      } else {
        error = "unknown shape kind \"" + kind + "\"";
        return;
      }
      for (const char* size : {"left", "top", "width", "height"})
        shape[size] = std::strtod(row[table.Column(size)].c_str(), nullptr);
      const std::string fillColour = row[table.Column("fill")];
      const std::string lineColour = row[table.Column("line")];
      if (fillColour != "none") shape["fill"] = {{"foreColor", fillColour}};
      if (lineColour == "none")
        shape["line"] = {{"visible", false}};
      else
        shape["line"] = {{"foreColor", lineColour}};
      shapes.push_back(shape);
    }
  }
};

}  // namespace

bool DocDateSerial(const std::string& text, double* serial) {
  static const std::regex pattern(R"(([0-9]{4})-([0-9]{2})-([0-9]{2}))");
  std::smatch m;
  if (!std::regex_match(text, m, pattern)) return false;
  *serial = static_cast<double>(DaysFromCivil(std::stoll(m[1].str()), static_cast<unsigned>(std::stoi(m[2].str())),
                                              static_cast<unsigned>(std::stoi(m[3].str()))) +
                                kSerialOf1970);
  return true;
}

bool DocTimeOfDay(const std::string& text, double* fraction) {
  static const std::regex pattern(R"(([0-9]{2}):([0-9]{2}))");
  std::smatch m;
  if (!std::regex_match(text, m, pattern)) return false;
  *fraction = (std::stoi(m[1].str()) * 60 + std::stoi(m[2].str())) / 1440.0;
  return true;
}

DocPlan BuildDocPlan(const std::vector<DocTable>& tables) {
  Builder b;
  b.book = {{"format", "korvat-workbook"}, {"version", 1}, {"names", ordered_json::object()}};
  const auto sheets = OnlyTableWithHeader(tables, {"sheet", "code name"});
  const auto settings = OnlyTableWithHeader(tables, {"setting", "cell", "value"});
  const auto shapes =
      OnlyTableWithHeader(tables, {"shape", "sheet", "kind", "left", "top", "width", "height", "fill", "line"});
  if (!sheets || !settings || !shapes) return {{}, "the page lacks the sheet, setting or shape table of its steps"};
  b.Sheets(*sheets);
  b.Settings(*settings);
  for (const DocTable& table : tables) {
    const std::string& first = table.header.empty() ? std::string() : table.header[0];
    if (first.size() > 4 && first.ends_with(" row")) b.SheetRows(table, first.substr(0, first.size() - 4));
  }
  for (const DocTable& table : TablesWithHeader(tables, {"sheet", "range", "format"})) b.Formats(table);
  b.Shapes(*shapes);
  if (!b.error.empty()) return {{}, b.error};
  return {b.book.dump(2) + "\n", {}};
}

}  // namespace korvat::test
