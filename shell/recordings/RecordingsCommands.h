#pragma once
// The owner of "wavebase": the recordings dialog on the main database.
#include "shell/window/CommandDispatch.h"

class QWidget;

namespace vyr {

class TRecordingsCommands : public TCommandHandler {
 public:
  explicit TRecordingsCommands(QWidget* parent = nullptr) : parent_(parent) {}
  void RunCommand(TCommandId id, const std::string& argument) override;

 private:
  QWidget* parent_;
};

}  // namespace vyr
