#pragma once
// The current user's settings key and the display settings kept in it.
#include <string>

namespace vyr {

// "Software\vyr\vyr englisch\5\" + the user's name, or "...\Anonym" while
// nobody is logged in. Other subsystems keep their per-user values below it.
std::string UserSettingsKey();
// After a login: backdrop colour, window mode and own recordings.
void ReadUserSettings();
// The own-recordings directory ("Eigene Waves"): the user's settings key,
// then "Verzeichnisse"; empty when neither names an existing directory.
std::string ReadOwnRecordings();
// "Hintergrund" (when the backdrop exists) and "Fenster-Modus".
void SaveUserDisplaySettings();

}  // namespace vyr
