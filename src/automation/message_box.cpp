#include "automation/message_box.h"

#include <utility>

namespace korvat {
namespace {
MessageSink& Sink() {
  static MessageSink sink;
  return sink;
}
}  // namespace

MessageSink SetMessageSink(MessageSink sink) { return std::exchange(Sink(), std::move(sink)); }

int ShowMessageBox(void* owner, const OLECHAR* text, const OLECHAR* title, unsigned flags) {
  if (const MessageSink& sink = Sink()) {
    MessageBoxRequest request{owner, text ? WideText(text) : WideText(), title ? WideText(title) : WideText(), flags};
    return sink(request);
  }
  return platform::ShowSystemMessageBox(owner, text, title, flags);
}

}  // namespace korvat
