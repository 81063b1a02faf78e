#pragma once
// Records every message shown while it lives and answers each with the next
// of the given answers (then with the first button); at its end the handler
// it replaced is back. For tests and for the
// command-line tools that report what a page complains about.
#include <deque>
#include <string>
#include <vector>

#include "platform/core/Messages.h"

namespace vyr {

class TMessageRecorder {
 public:
  struct Shown {
    std::string text;  // Windows-1252
    unsigned flags = 0;
  };
  explicit TMessageRecorder(std::deque<int> answers = {});
  ~TMessageRecorder();
  TMessageRecorder(const TMessageRecorder&) = delete;
  TMessageRecorder& operator=(const TMessageRecorder&) = delete;

  const std::vector<Shown>& shown() const { return shown_; }
  std::vector<std::string> texts() const;
  void answerWith(int answer) { answers_.push_back(answer); }
  void clear() { shown_.clear(); }

 private:
  std::vector<Shown> shown_;
  std::deque<int> answers_;
  MessageHandler previous_;
};

}  // namespace vyr
