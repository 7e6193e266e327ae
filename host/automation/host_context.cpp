#include "host/automation/host_context.h"

#include "host/model/text_compare.h"

namespace korvat::host::automation {
namespace {

constexpr const char* kEventSheetCodeName = "wsWBS";

}  // namespace

void HostContext::Count(std::string_view member) {
  ++total_;
  ++calls_[member];
}

void HostContext::CountLookup(std::string_view member) {
  ++lookupTotal_;
  ++lookups_[member];
}

std::string_view HostContext::Intern(std::string_view name) {
  auto it = interned_.find(name);
  if (it == interned_.end()) it = interned_.emplace(name).first;
  return *it;
}

std::int64_t HostContext::CallsOf(std::string_view member) const {
  std::int64_t n = 0;
  for (const auto& [name, count] : calls_)
    if (EqualsIgnoreCase(name, member)) n += count;
  return n;
}

std::map<std::string, std::int64_t> HostContext::CallsByMember() const {
  std::map<std::string, std::int64_t> out;
  for (const auto& [name, count] : calls_) out[std::string(name)] += count;
  return out;
}

std::map<std::string, std::int64_t> HostContext::LookupsByMember() const {
  std::map<std::string, std::int64_t> out;
  for (const auto& [name, count] : lookups_) out[std::string(name)] += count;
  return out;
}

void HostContext::ResetCounters() {
  calls_.clear();
  total_ = 0;
  lookups_.clear();
  lookupTotal_ = 0;
}

void HostContext::FailCall(std::int64_t k, FaultKind kind) {
  failAt_ = k > 0 ? k : 0;
  failAtKind_ = kind;
  invokesSinceArmed_ = 0;
}

void HostContext::FailMember(std::string member, FaultKind kind) { failMembers_[FoldCase(member)] = kind; }

void HostContext::ClearFaults() {
  failAt_ = 0;
  invokesSinceArmed_ = 0;
  failMembers_.clear();
}

std::optional<FaultKind> HostContext::FaultFor(std::string_view member) {
  if (failAt_ > 0 && ++invokesSinceArmed_ == failAt_) {
    failAt_ = 0;
    return failAtKind_;
  }
  if (!failMembers_.empty()) {
    const auto it = failMembers_.find(FoldCase(member));
    if (it != failMembers_.end()) return it->second;
  }
  return std::nullopt;
}

bool HostContext::WantsChange(const Worksheet& sheet) const {
  return eventsOn_ && applicationEvents && onChange_ && sheet.codeName == kEventSheetCodeName;
}

bool HostContext::WantsSelectionChange(const Worksheet& sheet) const {
  return eventsOn_ && applicationEvents && onSelectionChange_ && sheet.codeName == kEventSheetCodeName;
}

}  // namespace korvat::host::automation
