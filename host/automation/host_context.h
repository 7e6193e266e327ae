#pragma once
// What every adapter of one host shares: the workbook, the call counters, the
// injected faults and the event handlers. Adapters hold it by shared_ptr, so a
// reference the caller keeps after the host object is gone still answers (its
// workbook lives on with the context) instead of touching freed memory.

#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <unordered_map>

#include "host/automation/workbook_host.h"
#include "host/model/workbook.h"

namespace korvat::host::automation {

class HostContext {
 public:
  explicit HostContext(std::unique_ptr<Workbook> workbook) : workbook_(std::move(workbook)) {}
  HostContext(const HostContext&) = delete;
  HostContext& operator=(const HostContext&) = delete;

  Workbook& Book() { return *workbook_; }

  // ---- instrumentation. `member` must outlive the context (member table names) or
  // be interned first.
  void Count(std::string_view member);
  // A GetIDsOfNames, counted by Count as well.
  void CountLookup(std::string_view member);
  std::string_view Intern(std::string_view name);
  std::int64_t TotalCalls() const { return total_; }
  std::int64_t CallsOf(std::string_view member) const;
  std::map<std::string, std::int64_t> CallsByMember() const;
  std::int64_t NameLookups() const { return lookupTotal_; }
  std::map<std::string, std::int64_t> LookupsByMember() const;
  void ResetCounters();
  void ObjectCreated() { ++live_; }
  void ObjectDestroyed() { --live_; }
  std::int64_t LiveObjects() const { return live_; }

  // ---- faults: called once per Invoke; the fault to report for it, if any.
  void FailCall(std::int64_t k, FaultKind kind);
  void FailMember(std::string member, FaultKind kind);
  void ClearFaults();
  std::optional<FaultKind> FaultFor(std::string_view member);

  // ---- events
  void SetEventHandlers(RangeEventHandler onChange, RangeEventHandler onSelectionChange) {
    onChange_ = onChange;
    onSelectionChange_ = onSelectionChange;
  }
  void EnableEvents(bool on) { eventsOn_ = on; }
  // True when an event of the sheet goes to a handler.
  bool WantsChange(const Worksheet& sheet) const;
  bool WantsSelectionChange(const Worksheet& sheet) const;
  RangeEventHandler ChangeHandler() const { return onChange_; }
  RangeEventHandler SelectionChangeHandler() const { return onSelectionChange_; }

  // ---- application state that the model does not keep
  bool applicationEvents = true;  // Application.EnableEvents
  int scrollRow = 1;
  int scrollColumn = 1;

 private:
  std::unique_ptr<Workbook> workbook_;
  std::unordered_map<std::string_view, std::int64_t> calls_;
  std::set<std::string, std::less<>> interned_;
  std::int64_t total_ = 0;
  std::unordered_map<std::string_view, std::int64_t> lookups_;
  std::int64_t lookupTotal_ = 0;
  std::int64_t live_ = 0;

  std::int64_t failAt_ = 0;  // 0: no k-th call pending
  FaultKind failAtKind_ = FaultKind::Exception;
  std::int64_t invokesSinceArmed_ = 0;
  std::map<std::string, FaultKind> failMembers_;  // folded names

  RangeEventHandler onChange_ = nullptr;
  RangeEventHandler onSelectionChange_ = nullptr;
  bool eventsOn_ = false;
};

}  // namespace korvat::host::automation
