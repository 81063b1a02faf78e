#pragma once
// The page command "superopts": the settings dialog, modal over the main
// window. When speech output was switched, the vocabulary page is shown
// again, since it depends on it.
#include <functional>
#include <string>

#include "shell/window/CommandDispatch.h"
#include "superlearning/options/SuperSettingsDialog.h"

class QWidget;

namespace vyr {

class TSuperOptionsCommand : public TCommandHandler {
 public:
  TSuperOptionsCommand(TSuperOptions& options, QWidget* window, std::function<void()> speechChanged);
  void RunCommand(TCommandId id, const std::string& argument) override;

  TSuperDialogChoosers choosers;
  // Called with the open dialog before it runs (tests drive it from here).
  std::function<void(TSuperSettingsDialog&)> onOpen;

 private:
  TSuperOptions& options_;
  QWidget* window_;
  std::function<void()> speechChanged_;
};

}  // namespace vyr
