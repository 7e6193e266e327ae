#include "host/automation/workbook_host.h"

#include "host/automation/adapters.h"
#include "host/automation/host_context.h"

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
std::int64_t WorkbookHost::LiveObjects() const { return context_->LiveObjects(); }
void WorkbookHost::ResetCounters() { context_->ResetCounters(); }

void WorkbookHost::FailCall(std::int64_t k, FaultKind kind) { context_->FailCall(k, kind); }
void WorkbookHost::FailMember(std::string member, FaultKind kind) { context_->FailMember(std::move(member), kind); }
void WorkbookHost::ClearFaults() { context_->ClearFaults(); }

void WorkbookHost::SetEventHandlers(RangeEventHandler onChange, RangeEventHandler onSelectionChange) {
  context_->SetEventHandlers(onChange, onSelectionChange);
}
void WorkbookHost::EnableEvents(bool on) { context_->EnableEvents(on); }

}  // namespace korvat::host
