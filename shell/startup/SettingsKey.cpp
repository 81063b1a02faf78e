#include "shell/startup/SettingsKey.h"

#include "platform/core/Messages.h"
#include "platform/core/Registry.h"
#include "platform/desktop/Shell.h"
#include "shell/startup/Environment.h"

namespace vyr {

void DeleteShortcuts() {
  if (ShowCourseMessage("Verknüpfungen auf Desktop und in der Startleiste löschen?",
                        msg::OkCancel | msg::IconWarning) != msg::IdOk)
    return;
  const std::string exe = Env().programDirectory + "vyr_e";
  MakeShortcut(exe, "vyr englisch", kDesktopFolder, true);
  MakeShortcut(exe, "vyr englisch", kProgramsFolder, true);
}

void DeleteSettingsKey() {
  TRegistry& reg = TRegistry::CurrentUser();
  if (!reg.KeyExists(kRegistryBase)) {
    ShowCourseMessage("Der Schlüssel Software\\vyr\\vyr englisch\\5 existiert nicht (mehr).");
    return;
  }
  if (ShowCourseMessage(
          "Soll der Schlüssel Software\\vyr\\vyr englisch\\5 mit allen Benutzereinstellungen gelöscht werden?",
          msg::YesNo | msg::IconQuestion) != msg::IdYes)
    return;
  // Exactly the key the question names: the settings of other course
  // versions below "vyr englisch" stay.
  if (reg.DeleteKey(kRegistryBase))
    ShowCourseMessage("Der Schlüssel Software\\vyr\\vyr englisch\\5 wurde gelöscht.", msg::IconInformation);
  else ShowCourseMessage("Fehler!", msg::IconError);
}

}  // namespace vyr
