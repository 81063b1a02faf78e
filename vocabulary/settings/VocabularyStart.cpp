#include "vocabulary/settings/VocabularyStart.h"

#include "page/reader/MarkupEscape.h"
#include "vocabulary/library/Bibliothek.h"
#include "vocabulary/settings/EnoughActive.h"
#include "vocabulary/settings/VocEinstellungen.h"

namespace vyr {

std::string FilesText(int count) { return count == 1 ? "1 Datei" : std::to_string(count) + " Dateien"; }

TVocabularyStartValues VocabularyStartValues(TVocEinstellungen& settings) {
  const TTrainerContext& c = settings.Context();
  TVocabularyStartValues v;
  v.nospeech = !(c.speechOn && c.speechOn());
  v.files = FilesText(settings.FileCount());
  if (!settings.Selection().empty()) {
    v.select = kSelectionPage;
    v.selection = EscapeMarkup(settings.Selection());
  } else {
    v.select = "§[select]";
    v.selection = kOwnSelection;
  }
  TBibliothek& library = settings.Library();
  v.vtotal = std::to_string(library.EntryCount(false));
  v.modus = kModusNames[settings.Modus()];
  if (c.LoggedIn() && c.scores) {
    library.ComputeScores(c.scores());
    settings.Touch();
  }
  if (!CheckEnoughActive(settings, false))
    v.action = "<+nav><a href=\"@Ändern Sie die Einstellungen oben!\">Nicht genug Vokabeln aktiv!</a>";
  else if (settings.Modus() == 0) v.action = "<a href=\"§goabfrage\">Abfragen!</a>";
  else v.action = "<a href=\"§gosuper\">Start!</a>";
  v.vactive = std::to_string(settings.ActiveCount());
  return v;
}

}  // namespace vyr
