#pragma once
// Every message box of the library goes through ShowMessageBox. By default it is
// the system's box; a sink can take its place (tests record the boxes, the
// korvat command prints them).

#include "platform/com.h"

#include <functional>

namespace korvat {

struct MessageBoxRequest {
  void* owner = nullptr;
  WideText text;
  WideText title;  // empty when the caller gave none
  unsigned flags = 0;
};

// Returns the button the user pressed (1, OK, from a sink that does not say).
using MessageSink = std::function<int(const MessageBoxRequest&)>;

// Installs a sink; an empty function restores the system's box. Returns the previous sink.
MessageSink SetMessageSink(MessageSink sink);

int ShowMessageBox(void* owner, const OLECHAR* text, const OLECHAR* title, unsigned flags);

}  // namespace korvat
