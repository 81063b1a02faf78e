#include "shell/paths/PathsCommands.h"

#include "shell/paths/TXPaths.h"

namespace vyr {

void TPathsCommands::RunCommand(TCommandId id, const std::string&) {
  if (id != TCommandId::PathsDialog) return;
  TXPaths dialog(parent_);
  dialog.exec();
}

}  // namespace vyr
