#pragma once
// What every sheet of a workbook has: a kind, a name, a code name and a visible flag.

#include <string>

namespace korvat::host {

class Workbook;

enum class SheetKind { Worksheet, ChartSheet };

class Sheet {
 public:
  virtual ~Sheet() = default;
  Sheet(const Sheet&) = delete;
  Sheet& operator=(const Sheet&) = delete;

  SheetKind Kind() const { return kind_; }
  Workbook& Parent() const { return *parent_; }
  // Rename through Workbook::RenameSheet, which keeps names unique.
  const std::string& Name() const { return name_; }

  std::string codeName;
  bool visible = true;

 protected:
  Sheet(Workbook& parent, SheetKind kind, std::string name)
      : parent_(&parent), kind_(kind), name_(std::move(name)) {}

 private:
  friend class Workbook;
  Workbook* parent_;
  SheetKind kind_;
  std::string name_;
};

}  // namespace korvat::host
