#include "plan/plan_notices.h"

#include "automation/message_box.h"

namespace korvat {

bool PlanNotices::Tell(std::string_view cause, const WideText& text) {
  if (!told_.emplace(cause).second) return false;
  ShowMessageBox(nullptr, text.c_str(), KV_W("Korvatplan"), 48);
  return true;
}

bool PlanNotices::Tell(std::string_view cause, std::string_view text) {
  return Tell(cause, platform::AnsiToWide(text));
}

}  // namespace korvat
