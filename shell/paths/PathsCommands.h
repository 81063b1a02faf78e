#pragma once
// The owner of "paths": the path settings dialog.
#include "shell/window/CommandDispatch.h"

class QWidget;

namespace vyr {

class TPathsCommands : public TCommandHandler {
 public:
  explicit TPathsCommands(QWidget* parent = nullptr) : parent_(parent) {}
  void RunCommand(TCommandId id, const std::string& argument) override;

 private:
  QWidget* parent_;
};

}  // namespace vyr
