#include "vocabulary/selection/SettingsCommands.h"

#include "vocabulary/selection/TFTree.h"
#include "vocabulary/settings/TVEinstellungen.h"

namespace vyr {

void TSettingsCommands::RunCommand(TCommandId id, const std::string& argument) {
  bool show = true;
  switch (id) {
    case TCommandId::VocabularySettings: show = TVEinstellungen::Execute(settings_, parent_); break;
    case TCommandId::SelectDialog: show = TFTree::Execute(settings_, parent_); break;
    case TCommandId::SelectFolder: settings_.LoadSelection(argument); break;
    case TCommandId::PresentationMode: settings_.SetModus(ModusByName(argument)); break;
    default: show = false; break;
  }
  if (show && showStart_) showStart_();
}

}  // namespace vyr
