#pragma once
// The lab's per-user settings below the user's settings key: "Sprachlabor"
// with "Thema" (topic index), "Diktat", "Deutsch" and "Automatik".
#include <string>

namespace vyr {

struct TLabSettings {
  int Thema = 0;
  bool Diktat = true;
  bool Deutsch = true;
  bool Automatik = false;
};

// The key of the lab settings of the current user (or "Anonym").
std::string LabSettingsKey();
// All four values, or all four defaults when any of them cannot be read.
TLabSettings ReadLabSettings(const std::string& key);
// Writes the four values (creating the key); false when the write failed.
bool SaveLabSettings(const std::string& key, const TLabSettings& s);

}  // namespace vyr
