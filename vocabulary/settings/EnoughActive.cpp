#include "vocabulary/settings/EnoughActive.h"

#include "platform/core/Messages.h"
#include "vocabulary/library/Bibliothek.h"
#include "vocabulary/settings/VocEinstellungen.h"

namespace vyr {

bool CheckEnoughActive(TVocEinstellungen& settings, bool showMessage) {
  if (settings.Library().EntryCount(false) == 0) return false;
  const int active = settings.ActiveCount();
  if (active == 0) return false;
  if (settings.TasksPerRound() == 0) settings.SetTasksPerRound(10);
  if (settings.Richtung() != 2) return true;
  if (active < settings.TasksPerRound() && active > 5) settings.SetTasksPerRound(active);
  if (active >= settings.TasksPerRound()) return true;
  if (showMessage) ShowCourseMessage(kNotEnoughPerRound);
  return false;
}

std::string VerbPrefix(const TVokabel& e) {
  if (e.Wortart != 1 || e.Deutsch) return {};
  for (const char* modal : {"must", "may", "should", "will", "would"})
    if (e.Vokabel == modal) return {};
  return "to ";
}

}  // namespace vyr
