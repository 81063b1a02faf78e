#include "shell/startup/UserSettings.h"

#include "platform/core/Files.h"
#include "platform/core/Registry.h"
#include "shell/startup/Environment.h"

namespace vyr {

std::string UserSettingsKey() {
  const std::string& user = Env().userName;
  return std::string(kRegistryBase) + "\\" + (user.empty() ? std::string("Anonym") : user);
}

void ReadUserSettings() {
  TEnvironment& env = Env();
  const TRegistry& reg = TRegistry::CurrentUser();
  const std::string key = UserSettingsKey();
  env.backdropColour = reg.ReadInteger(key, "Hintergrund").value_or(kDefaultBackdropColour);
  if (reg.ReadBool(key, "Fenster-Modus").value_or(false)) {
    if (!env.mainWindowExists) env.windowMode = true;
    else if (!env.windowMode && env.switchToWindowMode) env.switchToWindowMode();
  }
  env.ownRecordings = ReadOwnRecordings();
}

std::string ReadOwnRecordings() {
  const TRegistry& reg = TRegistry::CurrentUser();
  // The user's own value first; "Verzeichnisse" holds the last one chosen
  // on this machine.
  auto own = reg.ReadString(UserSettingsKey(), "Eigene Waves");
  if (!own || own->empty()) own = reg.ReadString(kDirectoriesKey, "Eigene Waves");
  const std::string dir = own ? ExtractFilePath(*own) : std::string();
  return !dir.empty() && DirectoryExists(dir) ? dir : std::string();
}

void SaveUserDisplaySettings() {
  const TEnvironment& env = Env();
  TRegistry& reg = TRegistry::CurrentUser();
  const std::string key = UserSettingsKey();
  reg.CreateKey(key);
  if (env.backdropExists) reg.WriteInteger(key, "Hintergrund", env.backdropColour);
  reg.WriteBool(key, "Fenster-Modus", env.windowMode);
}

}  // namespace vyr
