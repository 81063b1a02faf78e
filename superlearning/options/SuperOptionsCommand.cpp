#include "superlearning/options/SuperOptionsCommand.h"

namespace vyr {

TSuperOptionsCommand::TSuperOptionsCommand(TSuperOptions& options, QWidget* window, std::function<void()> speechChanged)
    : choosers(TSuperDialogChoosers::Platform(window)),
      options_(options),
      window_(window),
      speechChanged_(std::move(speechChanged)) {}

void TSuperOptionsCommand::RunCommand(TCommandId id, const std::string&) {
  if (id != TCommandId::SuperOptionsDialog) return;
  const bool speech = options_.Settings().Sprachausgabe;
  {
    // Its end stores what changed.
    TSuperSettingsDialog dialog(options_, choosers, window_);
    if (onOpen) onOpen(dialog);
    dialog.exec();
  }
  if (options_.Settings().Sprachausgabe != speech && speechChanged_) speechChanged_();
}

}  // namespace vyr
