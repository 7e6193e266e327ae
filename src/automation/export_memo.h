#pragma once
// What an export may read from the host once and keep until it ends: the
// template shapes of the settings and resources sheets, their properties and
// names. The templates do not change while an export runs (the library never
// writes them), so a second read would give what the first gave. A read that
// fails is not kept: the next use asks the host again.
//
// Keeping is on only inside an ExportMemoScope (the export guard opens one per
// export); outside one every use reads from the host as before. The memo holds
// a reference to every object it keeps values of, so no other object can take
// its address while the scope lives.

#include "automation/automation_object.h"
#include "platform/com.h"

#include <string>
#include <string_view>

namespace korvat {

class ExportMemoScope {
 public:
  ExportMemoScope();
  ~ExportMemoScope();
  ExportMemoScope(const ExportMemoScope&) = delete;
  ExportMemoScope& operator=(const ExportMemoScope&) = delete;

 private:
  bool owner_;
};

// sheet.Shapes(name), once per export (a borrowed view of the kept handle inside
// a scope); empty when there is no such shape.
AutomationObject KeptShape(IDispatch* sheet, std::string_view name);
// The number at path (as GetNumber reads it) of a template, once per export.
double KeptNumber(IDispatch* templateShape, std::string_view path);
// The template's Name, once per export.
std::string KeptName(IDispatch* templateShape);

// Names the export gave: the code after the last letter this export gave to a shape
// named stem + letter (0 when it gave none). The letters below it were each the
// first free one when given, so they stay taken until the export deletes them.
unsigned GivenLetterBound(std::string_view stem);
void NoteGivenLetter(std::string_view stem, unsigned letter);
// After a deletion: forgets every stem that begins with prefix.
void ForgetGivenLetters(std::string_view prefix);

}  // namespace korvat
