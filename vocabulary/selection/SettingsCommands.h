#pragma once
// The page commands of the trainer settings: "vocein" (the settings
// dialog), "select" (the selection tree), "dir=" (a folder as selection)
// and "sm=" (the mode); each shows the vocabulary start page again when it
// changed something.
#include <functional>

#include "shell/window/CommandDispatch.h"

class QWidget;

namespace vyr {

class TVocEinstellungen;

class TSettingsCommands : public TCommandHandler {
 public:
  TSettingsCommands(TVocEinstellungen& settings, std::function<void()> showStart, QWidget* dialogParent = nullptr)
      : settings_(settings), showStart_(std::move(showStart)), parent_(dialogParent) {}
  void RunCommand(TCommandId id, const std::string& argument) override;

 private:
  TVocEinstellungen& settings_;
  std::function<void()> showStart_;
  QWidget* parent_;
};

}  // namespace vyr
