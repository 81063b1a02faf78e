#include "shell/lab/LabSettings.h"

#include "platform/core/Registry.h"
#include "shell/startup/UserSettings.h"

namespace vyr {

std::string LabSettingsKey() { return UserSettingsKey() + "\\Sprachlabor"; }

TLabSettings ReadLabSettings(const std::string& key) {
  const TRegistry& reg = TRegistry::CurrentUser();
  const auto thema = reg.ReadInteger(key, "Thema");
  const auto diktat = reg.ReadBool(key, "Diktat");
  const auto deutsch = reg.ReadBool(key, "Deutsch");
  const auto automatik = reg.ReadBool(key, "Automatik");
  if (!thema || !diktat || !deutsch || !automatik) return {};
  return {*thema, *diktat, *deutsch, *automatik};
}

bool SaveLabSettings(const std::string& key, const TLabSettings& s) {
  TRegistry& reg = TRegistry::CurrentUser();
  reg.BeginBatch();
  reg.CreateKey(key);
  reg.WriteInteger(key, "Thema", s.Thema);
  reg.WriteBool(key, "Diktat", s.Diktat);
  reg.WriteBool(key, "Deutsch", s.Deutsch);
  reg.WriteBool(key, "Automatik", s.Automatik);
  return reg.EndBatch();
}

}  // namespace vyr
