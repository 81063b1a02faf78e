#include "shell/recordings/Recordings.h"

#include <QFileDialog>

#include "platform/core/Files.h"
#include "platform/core/Messages.h"
#include "platform/core/Registry.h"
#include "shell/recordings/RecordingsNotice.h"
#include "shell/startup/Environment.h"
#include "text/Case.h"
#include "text/Cp1252.h"

namespace vyr {
namespace {

std::unique_ptr<TXWaveBase> gMain, gSupplementary;
bool gChangesNoted = false;
std::string gSavedName;  // the name the editor saved the database under

std::string AskSaveName(const std::string& current) {
  const QString name = QFileDialog::getSaveFileName(nullptr, u"Datenbank für die Sprachaufnahmen speichern"_qs,
                                                    NativePath(current), u"VYR Datenbank (*.vyr *.VYR)"_qs);
  if (name.isEmpty()) return std::string();
  std::string path = CoursePath(name);
  if (ExtractFileExt(path).empty()) path += ".vyr";
  return path;
}

}  // namespace

std::function<std::string(const std::string& current)> askRecordingsSaveName = AskSaveName;

TXWaveBase* MainRecordings() { return gMain.get(); }
TXWaveBase* SupplementaryRecordings() { return gSupplementary.get(); }

void SetRecordings(std::unique_ptr<TXWaveBase> main, std::unique_ptr<TXWaveBase> supplementary) {
  gMain = std::move(main);
  gSupplementary = std::move(supplementary);
  gChangesNoted = false;
  gSavedName.clear();
}

void CreateRecordingsDatabase() {
  const TEnvironment& env = Env();
  gMain = std::make_unique<TXWaveBase>();
  gChangesNoted = false;
  gSavedName.clear();
  if (FileExists(env.recordingsDatabase)) {
    gMain->Load(env.recordingsDatabase);
    return;
  }
  gMain->SetFileName(env.programDirectory + "E_wx.vyr");
  if (!gMain->Save(gMain->FileName()))
    ShowCourseMessage("Verzeichnis der Sprachaufnahmen konnte nicht erzeugt werden", msg::IconError);
}

void LoadSupplementaryRecordings() {
  const TEnvironment& env = Env();
  gSupplementary = std::make_unique<TXWaveBase>();
  const std::string ew = env.programDirectory + "e_w.vyr";
  if ((!env.waveDirectory.empty() || !env.rechtRecordings.empty() || !env.wirtschaftRecordings.empty()) &&
      FileExists(ew))
    gSupplementary->Load(ew);
  if (!env.skDirectory.empty()) gSupplementary->Load(env.skDirectory + "E_sk.vyr");
  if (!env.sxDirectory.empty()) gSupplementary->Load(env.sxDirectory + "E_sx.vyr");
}

void NoteRecordingsChanged() {
  if (Env().editor || gChangesNoted || !gMain || !gMain->Modified()) return;
  gChangesNoted = true;
  ShowCourseMessage(
      "Die Änderungen in der Verwaltung der Sprachaufnahmen gelten bis zum Programmende.\r"
      "Gespeichert werden sie nur vom Autorenprogramm vyredit.",
      msg::IconInformation);
}

void SaveRecordingsAtEditorEnd() {
  if (!gMain || !gMain->Modified() || Env().writeProtect) return;
  if (ShowCourseMessage("Die Datenbank für die Sprachaufnahmen wurde verändert.\n"
                        "Sollen diese Veränderungen gespeichert werden?",
                        msg::YesNo | msg::IconQuestion) == msg::IdNo)
    return;
  gMain->DropEmptyTexts();
  for (;;) {
    if (gMain->SortAndSave()) {
      ShowCourseMessage("Die Datenbank für die Sprachaufnahmen wurde erfolgreich gespeichert.", msg::IconInformation);
      gSavedName = gMain->FileName();
      return;
    }
    gMain->SetModified(true);
    if (ShowCourseMessage("Die Datenbank für die Sprachaufnahmen konnte nicht gespeichert werden. \n"
                          "Soll sie an einem anderen Ort gespeichert werden?\n\n"
                          "Achtung: Bei Nein gehen alle Veränderungen verloren.",
                          msg::YesNo | msg::IconWarning) == msg::IdNo)
      return;
    const std::string name = askRecordingsSaveName(gMain->FileName());
    if (name.empty()) return;
    gMain->SetFileName(name);
  }
}

void ReleaseRecordings() {
  if (!gSavedName.empty()) {
    TRegistry& reg = TRegistry::CurrentUser();
    reg.CreateKey(kDirectoriesKey);
    reg.WriteString(kDirectoriesKey, "Datenbank3", gSavedName);
  }
  gMain.reset();
  gSupplementary.reset();
  gSavedName.clear();
}

}  // namespace vyr
