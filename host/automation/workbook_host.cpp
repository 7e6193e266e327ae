#include "host/automation/workbook_host.h"

#include "host/automation/adapters.h"
#include "host/automation/host_context.h"
#include "host/automation/variant_values.h"
#include "host/automation/wide_utf8.h"
#include "platform/bstr_owner.h"
#include "platform/variant_owner.h"

namespace korvat::host {

WorkbookHost::WorkbookHost(std::unique_ptr<Workbook> workbook)
    : context_(std::make_shared<automation::HostContext>(workbook ? std::move(workbook)
                                                                  : std::make_unique<Workbook>())) {}

WorkbookHost::~WorkbookHost() = default;

Workbook& WorkbookHost::Model() { return context_->Book(); }
ComRef<IDispatch> WorkbookHost::NewWorkbookObject() { return automation::NewWorkbookAdapter(context_); }

std::int64_t WorkbookHost::TotalCalls() const { return context_->TotalCalls(); }
std::int64_t WorkbookHost::CallsOf(std::string_view member) const { return context_->CallsOf(member); }
std::map<std::string, std::int64_t> WorkbookHost::CallsByMember() const { return context_->CallsByMember(); }
std::int64_t WorkbookHost::NameLookups() const { return context_->NameLookups(); }
std::map<std::string, std::int64_t> WorkbookHost::LookupsByMember() const { return context_->LookupsByMember(); }
std::int64_t WorkbookHost::LiveObjects() const { return context_->LiveObjects(); }
void WorkbookHost::ResetCounters() { context_->ResetCounters(); }

void WorkbookHost::FailCall(std::int64_t k, FaultKind kind) { context_->FailCall(k, kind); }
void WorkbookHost::FailMember(std::string member, FaultKind kind) { context_->FailMember(std::move(member), kind); }
void WorkbookHost::ClearFaults() { context_->ClearFaults(); }

void WorkbookHost::SetEventHandlers(RangeEventHandler onChange, RangeEventHandler onSelectionChange) {
  context_->SetEventHandlers(onChange, onSelectionChange);
}
void WorkbookHost::EnableEvents(bool on) { context_->EnableEvents(on); }

namespace {

std::shared_ptr<Sheet> WorksheetByCodeName(Workbook& book, std::string_view codeName) {
  for (Worksheet* sheet : book.Worksheets())
    if (sheet->codeName == codeName) return book.SharedSheet(*sheet);
  return nullptr;
}

bool Refuse(std::string* error, std::string message) {
  if (error) *error = std::move(message);
  return false;
}

}  // namespace

bool WorkbookHost::SelectRange(std::string_view codeName, std::string_view address, std::string* error) {
  const std::shared_ptr<Sheet> sheet = WorksheetByCodeName(Model(), codeName);
  if (!sheet) return Refuse(error, "no worksheet has the code name " + std::string(codeName));
  const std::optional<RangeRef> range = ParseRangeRef(address);
  if (!range) return Refuse(error, "'" + std::string(address) + "' is not an A1 range");
  automation::SelectRange(context_, automation::LockWorksheet(sheet), *range);
  return true;
}

bool WorkbookHost::TypeIntoCell(std::string_view codeName, std::string_view address, std::string_view text,
                                std::string* error) {
  const std::shared_ptr<Sheet> sheet = WorksheetByCodeName(Model(), codeName);
  if (!sheet) return Refuse(error, "no worksheet has the code name " + std::string(codeName));
  const std::optional<RangeRef> cell = ParseRangeRef(address);
  if (!cell || cell->RowCount() != 1 || cell->ColumnCount() != 1)
    return Refuse(error, "'" + std::string(address) + "' is not one cell");
  const ComRef<IDispatch> range = automation::NewRangeObject(context_, sheet, *cell);
  VariantOwner value;
  automation::SetText(value.Get(), text);
  DISPID put = DISPID_PROPERTYPUT;
  DISPPARAMS params{value.Get(), &put, 1, 1};
  OLECHAR name[] = KV_W("Value");
  OLECHAR* names[] = {name};
  DISPID id = DISPID_UNKNOWN;
  EXCEPINFO info{};
  HRESULT hr = range->GetIDsOfNames(IID_NULL, names, 1, 0, &id);
  if (SUCCEEDED(hr)) hr = range->Invoke(id, IID_NULL, 0, DISPATCH_PROPERTYPUT, &params, nullptr, &info, nullptr);
  const BstrOwner description = BstrOwner::TakeOver(info.bstrDescription);
  BstrOwner::TakeOver(info.bstrSource);
  BstrOwner::TakeOver(info.bstrHelpFile);
  if (FAILED(hr)) return Refuse(error, "the cell refused the text: " + automation::WideToUtf8(description.View()));
  return true;
}

}  // namespace korvat::host
