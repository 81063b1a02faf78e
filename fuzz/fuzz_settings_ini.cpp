// Any byte string is a trainer settings file ("vyr_E.ini", "prefs.ini"):
// loading must end with every value in its range and a selection inside the
// vocabulary folder, and what Save writes must load as the same values.
#include <unistd.h>

#include <QDir>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "platform/core/Files.h"
#include "vocabulary/library/Bibliothek.h"
#include "vocabulary/library/Selection.h"
#include "vocabulary/settings/VocEinstellungen.h"

namespace {

void Check(bool ok) {
  if (!ok) std::abort();
}

// A program folder of the run with a vocabulary folder of one small library.
struct TInstallation {
  std::string program, vocabulary, ini;
  TInstallation() {
    const QString dir = QDir::tempPath() + u"/vyr-fuzz-settings-"_qs + QString::number(getpid());
    program = vyr::IncludeTrailingBackslash(vyr::CoursePath(dir));
    vocabulary = program + "Vokabeln (E)\\";
    vyr::MakeDirectories(vocabulary + "Grundwortschatz");
    vyr::WriteWholeFile(vocabulary + "Grundwortschatz\\Familie.asc",
                        "mother\r\nMutter\r\n\r\n\r\n0\r\n\r\n0\r\n1\r\n0\r\n0\r\n");
    vyr::WriteWholeFile(program + vyr::kLibraryListName, "Grundwortschatz\\Familie.asc\r\n");
    ini = program + "prefs.ini";
  }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const TInstallation inst;
  if (!vyr::WriteWholeFile(inst.ini, std::string_view(reinterpret_cast<const char*>(data), size))) std::abort();
  vyr::TTrainerContext context;
  context.programFolder = inst.program;
  context.vocabularyFolder = inst.vocabulary;
  vyr::TBibliothek library;
  vyr::TVocEinstellungen settings(library, context);
  settings.LoadFrom(inst.ini);
  const vyr::TVocSettingsValues first = settings.Values();
  Check(first.richtung >= 0 && first.richtung <= 2 && first.sprache >= 0 && first.sprache <= 2);
  Check(first.modus >= 0 && first.modus < vyr::kModusCount);
  Check(first.multipleChoice >= 0 && first.multipleChoice <= 100);
  Check(-100 <= first.minScore && first.minScore <= first.maxScore && first.maxScore <= 100);
  Check(vyr::StaysInsideFolder(first.selection));
  Check(settings.Save());
  settings.LoadFrom(inst.ini);
  Check(settings.Values() == first);
  return 0;
}
