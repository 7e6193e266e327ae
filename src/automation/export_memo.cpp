#include "automation/export_memo.h"

#include "automation/dispatch_call.h"
#include "automation/host_object.h"
#include "platform/bstr_owner.h"
#include "platform/com_ref.h"

#include <map>
#include <memory>
#include <utility>

namespace korvat {
namespace {

struct ExportMemo {
  std::map<std::pair<IDispatch*, std::string>, AutomationObject, std::less<>> shapes;  // found ones only
  std::map<std::pair<IDispatch*, std::string>, double, std::less<>> numbers;
  std::map<IDispatch*, std::string> names;
  std::map<IDispatch*, ComRef<IDispatch>> held;
  std::map<std::string, unsigned, std::less<>> givenLetters;  // every object a value is kept for

  void Hold(IDispatch* object) {
    if (held.count(object)) return;
    object->AddRef();
    held.emplace(object, ComRef<IDispatch>(object));
  }
};

std::unique_ptr<ExportMemo>& Active() {
  thread_local std::unique_ptr<ExportMemo> memo;
  return memo;
}

WideText DotPath(std::string_view path) {
  std::string dotted(".");
  dotted += path;
  return platform::AnsiToWide(dotted);
}

}  // namespace

ExportMemoScope::ExportMemoScope() : owner_(!Active()) {
  if (owner_) Active() = std::make_unique<ExportMemo>();
}

ExportMemoScope::~ExportMemoScope() {
  if (owner_) Active().reset();
}

AutomationObject KeptShape(IDispatch* sheet, std::string_view name) {
  ExportMemo* memo = Active().get();
  if (!memo || !sheet) return ShapeByName(sheet, name);
  std::pair<IDispatch*, std::string> key{sheet, std::string(name)};
  if (const auto found = memo->shapes.find(key); found != memo->shapes.end()) return found->second.Borrowed();
  AutomationObject shape = ShapeByName(sheet, name);
  if (!shape) return shape;
  memo->Hold(sheet);
  AutomationObject view = shape.Borrowed();
  memo->shapes.emplace(std::move(key), std::move(shape));
  return view;
}

double KeptNumber(IDispatch* templateShape, std::string_view path) {
  ExportMemo* memo = Active().get();
  if (!memo || !templateShape) return GetNumber(templateShape, path);
  std::pair<IDispatch*, std::string> key{templateShape, std::string(path)};
  if (const auto found = memo->numbers.find(key); found != memo->numbers.end()) return found->second;
  double value = 0.0;
  if (FAILED(GetValue(KV_W("e"), &value, templateShape, DotPath(path).c_str()))) return 0.0;
  memo->Hold(templateShape);
  memo->numbers.emplace(std::move(key), value);
  return value;
}

std::string KeptName(IDispatch* templateShape) {
  ExportMemo* memo = Active().get();
  if (!memo || !templateShape) return GetName(templateShape);
  if (const auto found = memo->names.find(templateShape); found != memo->names.end()) return found->second;
  char* bytes = nullptr;
  if (FAILED(GetValue(KV_W("s"), &bytes, templateShape, KV_W(".Name")))) return std::string();
  const BstrOwner owner = BstrOwner::TakeOver(reinterpret_cast<BSTR>(bytes));
  std::string name = owner ? std::string(bytes, owner.ByteLength()) : std::string();
  memo->Hold(templateShape);
  memo->names.emplace(templateShape, name);
  return name;
}

unsigned GivenLetterBound(std::string_view stem) {
  ExportMemo* memo = Active().get();
  if (!memo) return 0;
  const auto found = memo->givenLetters.find(stem);
  return found == memo->givenLetters.end() ? 0 : found->second;
}

void NoteGivenLetter(std::string_view stem, unsigned letter) {
  if (ExportMemo* memo = Active().get()) memo->givenLetters[std::string(stem)] = letter + 1;
}

void ForgetGivenLetters(std::string_view prefix) {
  ExportMemo* memo = Active().get();
  if (!memo) return;
  for (auto it = memo->givenLetters.lower_bound(prefix); it != memo->givenLetters.end();) {
    if (!std::string_view(it->first).starts_with(prefix)) break;
    it = memo->givenLetters.erase(it);
  }
}

}  // namespace korvat
