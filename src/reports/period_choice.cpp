#include "reports/period_choice.h"

#include "automation/message_box.h"

namespace korvat {
namespace {

constexpr unsigned kExclamation = 48;

void Tell(const OLECHAR* text) { ShowMessageBox(nullptr, text, KV_W("Korvatplan"), kExclamation); }

}  // namespace

bool AcceptPeriodChoice(std::int64_t kind, std::int64_t step) {
  if (PeriodChoiceUsable(kind, step)) return true;
  Tell(KV_W("The report period must be 1 (days, with a step of at least 1 day), 2 (weeks) or 3 (months). ")
           KV_W("The report was not written."));
  return false;
}

bool AcceptPeriodCount(const PeriodKeys& periods) {
  if (!periods.tooMany) return true;
  Tell(KV_W("The report would have more than 16382 periods, more than a sheet has columns for; choose longer ")
           KV_W("periods. The report was not written."));
  return false;
}

}  // namespace korvat
