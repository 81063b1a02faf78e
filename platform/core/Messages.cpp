#include "platform/core/Messages.h"

#include <cstdio>

#include "platform/core/MessageRecorder.h"
#include "text/Cp1252.h"

namespace vyr {
namespace {

MessageHandler& Handler() {
  static MessageHandler handler;
  return handler;
}

MessagePresenter& Presenter() {
  static MessagePresenter presenter = nullptr;
  return presenter;
}

}  // namespace

int FirstButtonAnswer(unsigned flags) { return (flags & 0x0F) == msg::YesNo ? msg::IdYes : msg::IdOk; }

std::string MessageLines(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '\r') {
      out += text[i];
    } else {
      out += '\n';
      if (i + 1 < text.size() && text[i + 1] == '\n') ++i;
    }
  }
  return out;
}

int ShowCourseMessage(std::string_view text, unsigned flags) {
  if (Handler()) return Handler()(std::string(text), flags);
  if (Presenter()) return Presenter()(text, flags);
  std::fprintf(stderr, "*vyr: %s\n", Cp1252ToUtf8(MessageLines(text)).c_str());
  return FirstButtonAnswer(flags);
}

void SetMessagePresenter(MessagePresenter presenter) { Presenter() = presenter; }

MessageHandler SetMessageHandler(MessageHandler handler) {
  MessageHandler previous = std::move(Handler());
  Handler() = std::move(handler);
  return previous;
}

TMessageRecorder::TMessageRecorder(std::deque<int> answers) : answers_(std::move(answers)) {
  previous_ = SetMessageHandler([this](const std::string& text, unsigned flags) {
    shown_.push_back({text, flags});
    if (answers_.empty()) return FirstButtonAnswer(flags);
    const int a = answers_.front();
    answers_.pop_front();
    return a;
  });
}

TMessageRecorder::~TMessageRecorder() { SetMessageHandler(std::move(previous_)); }

std::vector<std::string> TMessageRecorder::texts() const {
  std::vector<std::string> out;
  for (const auto& s : shown_) out.push_back(s.text);
  return out;
}

}  // namespace vyr
