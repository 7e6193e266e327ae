#include "automation/call_phase.h"

#include <utility>

namespace korvat {
namespace {

struct PhaseReport {
  CallPhaseObserver observer = nullptr;
  const char* current = nullptr;
};

PhaseReport& Report() {
  static PhaseReport report;
  return report;
}

void Enter(const char* phase) {
  PhaseReport& report = Report();
  if (report.current == phase) return;
  report.current = phase;
  if (report.observer) report.observer(phase);
}

}  // namespace

CallPhaseObserver SetCallPhaseObserver(CallPhaseObserver observer) {
  return std::exchange(Report().observer, observer);
}

CallPhase::CallPhase(const char* phase) : outer_(Report().current) { Enter(phase); }

CallPhase::~CallPhase() { Enter(outer_); }

}  // namespace korvat
