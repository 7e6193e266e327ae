#pragma once
// How deep the sheet events nest. A write of the library to the WBS sheet raises
// Change again on the same thread, so a handler runs inside another. Nested
// calls are handled while the outer handler applies its date rules and
// follow-up writes, which carry real work (a new start recomputes the end);
// writes of the bookkeeping steps (finishing and redrawing rows, inserting and
// clearing rows, the new-row rule) are the result of what the handler has just
// worked out, so the calls they raise are counted and return at once. Past
// kMaxEventNesting levels every call returns at once, whatever raised it.

#include <algorithm>
#include <cstdint>

namespace korvat {

constexpr int kMaxEventNesting = 4;

struct EventNesting {
  std::int64_t calls = 0;     // event calls received, nested ones included
  std::int64_t ignored = 0;   // calls that returned at once (too deep, or raised by bookkeeping)
  int depth = 0;              // handlers running now
  int deepest = 0;            // the most that ran inside one another
  int bookkeeping = 0;        // > 0 while a handler's bookkeeping writes run
};

// One event call: counts it and says whether it is to be handled.
class EventCallScope {
 public:
  explicit EventCallScope(EventNesting& nesting) : nesting_(nesting) {
    ++nesting_.calls;
    nesting_.deepest = std::max(nesting_.deepest, ++nesting_.depth);
    handled_ = nesting_.depth <= kMaxEventNesting && nesting_.bookkeeping == 0;
    if (!handled_) ++nesting_.ignored;
  }
  ~EventCallScope() { --nesting_.depth; }
  EventCallScope(const EventCallScope&) = delete;
  EventCallScope& operator=(const EventCallScope&) = delete;
  bool Handled() const { return handled_; }

 private:
  EventNesting& nesting_;
  bool handled_ = false;
};

// The bookkeeping part of a handler: events its writes raise return at once.
class BookkeepingScope {
 public:
  explicit BookkeepingScope(EventNesting& nesting) : nesting_(nesting) { ++nesting_.bookkeeping; }
  ~BookkeepingScope() { --nesting_.bookkeeping; }
  BookkeepingScope(const BookkeepingScope&) = delete;
  BookkeepingScope& operator=(const BookkeepingScope&) = delete;

 private:
  EventNesting& nesting_;
};

}  // namespace korvat
