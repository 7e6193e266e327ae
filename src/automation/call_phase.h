#pragma once
// The part of an export the host calls of the moment belong to (scheduling, bars,
// labels, ...), for a benchmark that splits its call counts by part. Marking a
// part makes no host call: it only tells the observer, when one is set. A nested
// part hands back to the outer one when it ends.

namespace korvat {

using CallPhaseObserver = void (*)(const char* phase);  // phase is null outside every part

// Returns the observer it replaces; null stops the reports.
CallPhaseObserver SetCallPhaseObserver(CallPhaseObserver observer);

class CallPhase {
 public:
  explicit CallPhase(const char* phase);
  ~CallPhase();
  CallPhase(const CallPhase&) = delete;
  CallPhase& operator=(const CallPhase&) = delete;

 private:
  const char* outer_;
};

}  // namespace korvat
