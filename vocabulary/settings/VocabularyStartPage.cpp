#include "vocabulary/settings/VocabularyStartPage.h"

#include "page/control/PageControl.h"
#include "platform/core/Files.h"
#include "vocabulary/settings/VocEinstellungen.h"
#include "vocabulary/settings/VocabularyStart.h"

namespace vyr {

void ShowVocabularyStart(TXPage& page, TVocEinstellungen& settings, const std::string& contentRoot) {
  if (settings.Context().stopMusic) settings.Context().stopMusic();
  const TVocabularyStartValues v = VocabularyStartValues(settings);
  page.SetCondition("nospeech", v.nospeech);
  page.SetVariable("files", v.files);
  page.SetVariable("select", v.select);
  page.SetVariable("selection", v.selection);
  page.SetVariable("vtotal", v.vtotal);
  page.SetVariable("modus", v.modus);
  page.SetVariable("action", v.action);
  page.SetVariable("vactive", v.vactive);
  page.SetXFile(IncludeTrailingBackslash(contentRoot) + "hvyr\\vokabeln.htx");
}

}  // namespace vyr
