#include "shell/paths/TXPaths.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include "platform/core/Files.h"
#include "platform/core/Messages.h"
#include "shell/recordings/FileChooser.h"
#include "shell/recordings/Recordings.h"
#include "shell/recordings/RecordingsNotice.h"
#include "shell/recordings/SyntheticVoice.h"
#include "shell/startup/Environment.h"
#include "shell/startup/StartUp.h"
#include "text/Case.h"
#include "text/Cp1252.h"
#include "text/Trim.h"

namespace vyr {
namespace {

// A directory as the program keeps it: trimmed, with its final "\".
std::string DirectoryOf(const QLineEdit* field) {
  const std::string value = Trim(FromUnicode(field->text()));
  return value.empty() ? value : IncludeTrailingBackslash(value);
}

std::string Shown(const std::string& dir) { return dir == "-" ? std::string() : dir; }

// The filter the browse dialog gets for its proposed file.
std::string FilterFor(const std::string& proposed) {
  const std::string ext = LowerCase(ExtractFileExt(proposed));
  if (ext == ".wav") return "Wav-Dateien (*.wav *.WAV)";
  if (ext == ".exe") return "Programme (*.exe *.EXE)";
  return std::string();
}

std::string Browse(const QLineEdit* field, const std::string& proposed) {
  return chooseFile(ExtractFilePath(DirectoryOf(field)), proposed, FilterFor(proposed));
}

}  // namespace

TXPaths::TXPaths(QWidget* parent) : QDialog(parent) {
  const TEnvironment& env = Env();
  setWindowTitle(u"*vyr englisch Verzeichnisse"_qs);
  tabs_ = new QTabWidget(this);

  auto field = [this](const std::string& value) {
    auto* e = new QLineEdit(ToUnicode(value), this);
    e->setMinimumWidth(360);
    return e;
  };
  auto browse = [this](QLineEdit* target) {
    auto* b = new QPushButton(u"durchsuchen..."_qs, this);
    b->setAutoDefault(false);
    b->setProperty("field", QVariant::fromValue(static_cast<QObject*>(target)));
    return b;
  };

  auto* program = new QWidget;
  auto* pg = new QGridLayout(program);
  installation_ = field(env.programDirectory);
  installation_->setReadOnly(true);
  const std::string userShown = env.pendingUserDirectory.empty() ? env.userDirectory : env.pendingUserDirectory;
  user_ = field(userShown.empty() ? env.configuredUserDirectory : userShown);
  user_->setToolTip(u"Verzeichnis, in dem sich die Daten der Benutzerverwaltung befinden"_qs);
  pg->addWidget(new QLabel(u"Installationsverzeichnis:"_qs), 0, 0, 1, 2);
  pg->addWidget(installation_, 1, 0);
  // The installation is where the program runs from: shown, not chosen.
  QPushButton* installationBrowse = browse(installation_);
  installationBrowse->setEnabled(false);
  pg->addWidget(installationBrowse, 1, 1);
  pg->addWidget(new QLabel(u"Benutzerverzeichnis:"_qs), 2, 0, 1, 2);
  pg->addWidget(user_, 3, 0);
  QPushButton* userBrowse = browse(user_);
  pg->addWidget(userBrowse, 3, 1);
  pg->setRowStretch(4, 1);
  tabs_->addTab(program, u"Programm"_qs);

  auto* waves = new QWidget;
  auto* wg = new QGridLayout(waves);
  wave_ = field(env.waveDirectory);
  own_ = field(env.ownRecordings);
  own_->setToolTip(u"Definieren Sie hier den Alias XU:"_qs);
  wirtschaft_ = field(Shown(env.wirtschaftRecordings));
  recht_ = field(Shown(env.rechtRecordings));
  wg->addWidget(new QLabel(u"Sprachaufnahmen von *vyr: (Verzeichnis Wave auf der CD):"_qs), 0, 0, 1, 3);
  wg->addWidget(new QLabel(u"XE:"_qs), 1, 0);
  wg->addWidget(wave_, 1, 1);
  QPushButton* waveBrowse = browse(wave_);
  wg->addWidget(waveBrowse, 1, 2);
  wg->addWidget(new QLabel(u"Eigene Sprachaufnahmen:"_qs), 2, 0, 1, 3);
  wg->addWidget(new QLabel(u"XU:"_qs), 3, 0);
  wg->addWidget(own_, 3, 1);
  QPushButton* ownBrowse = browse(own_);
  wg->addWidget(ownBrowse, 3, 2);
  wg->addWidget(new QLabel(u"*vyr Erweiterungen:"_qs), 4, 0, 1, 3);
  wg->addWidget(new QLabel(u"XW:"_qs), 5, 0);
  wg->addWidget(wirtschaft_, 5, 1);
  wg->addWidget(new QLabel(u"XR:"_qs), 6, 0);
  wg->addWidget(recht_, 6, 1);
  voice_ = new QCheckBox(u"Synthetische Stimme für Wörter ohne Aufnahme"_qs);
  voice_->setChecked(SyntheticVoiceEnabled());
  voice_->setEnabled(SyntheticVoiceAvailable());
  if (!SyntheticVoiceAvailable()) voice_->setToolTip(u"espeak-ng ist nicht installiert."_qs);
  wg->addWidget(voice_, 7, 0, 1, 3);
  wg->setRowStretch(8, 1);
  tabs_->addTab(waves, u"Sprachaufnahmen"_qs);

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  buttons->button(QDialogButtonBox::Cancel)->setText(u"Abbrechen"_qs);
  buttons->button(QDialogButtonBox::Ok)->setDefault(true);
  connect(buttons, &QDialogButtonBox::accepted, this, &TXPaths::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(tabs_);
  layout->addWidget(buttons);

  connect(wave_, &QLineEdit::textChanged, this, [this] { ColourWave(); });
  connect(userBrowse, &QPushButton::clicked, this, [this] { BrowseUser(); });
  connect(waveBrowse, &QPushButton::clicked, this, [this] { BrowseWave(); });
  connect(ownBrowse, &QPushButton::clicked, this, [this] { BrowseOwn(); });
  ColourWave();
}

QPushButton* TXPaths::browseButton(QLineEdit* field) const {
  for (QPushButton* b : findChildren<QPushButton*>())
    if (b->property("field").value<QObject*>() == field) return b;
  return nullptr;
}

void TXPaths::ColourWave() {
  const bool exists = DirectoryExists(DirectoryOf(wave_));
  wave_->setStyleSheet(exists ? u"color: black"_qs : u"color: red"_qs);
}

void TXPaths::BrowseUser() {
  const std::string chosen = Browse(user_, "*.txt");
  if (chosen.empty()) return;
  const std::string dir = ExtractFilePath(chosen);
  if (DirectoryExists(dir)) user_->setText(ToUnicode(dir));
}

void TXPaths::BrowseWave() {
  const std::string chosen = Browse(wave_, "VYR_E");
  if (chosen.empty()) return;
  const std::string dir = ExtractFilePath(chosen);
  if (FileExists(dir + "VYR_" + kCourseCode)) wave_->setText(ToUnicode(dir));
}

void TXPaths::BrowseOwn() {
  const std::string chosen = Browse(own_, "*.wav");
  if (chosen.empty()) return;
  if (FileExists(chosen) && LowerCase(ExtractFileExt(chosen)) == ".wav")
    own_->setText(ToUnicode(ExtractFilePath(chosen)));
}

void TXPaths::accept() {
  TEnvironment& env = Env();
  const std::string own = DirectoryOf(own_);
  const std::string wave = DirectoryOf(wave_);
  const std::string wirtschaft = DirectoryOf(wirtschaft_);
  const std::string recht = DirectoryOf(recht_);
  const std::string user = DirectoryOf(user_);
  const std::string userBefore =
      FromUnicode(ToUnicode(env.pendingUserDirectory.empty() ? env.userDirectory : env.pendingUserDirectory));
  const bool ownChanged = !SameText(own, env.ownRecordings);
  const bool waveChanged = !SameText(wave, env.waveDirectory);
  const bool wirtschaftChanged = !SameText(wirtschaft, Shown(env.wirtschaftRecordings));
  const bool rechtChanged = !SameText(recht, Shown(env.rechtRecordings));
  const bool userChanged = !SameText(user, userBefore.empty() ? env.configuredUserDirectory : userBefore);

  // Every field first: one in error keeps the dialog open and nothing is
  // applied or written.
  auto refuse = [this](QLineEdit* field, const std::string& text) {
    ShowCourseMessage(text, msg::IconError);
    tabs_->setCurrentWidget(field->parentWidget());
    field->setFocus();
  };
  auto missing = [](const std::string& dir) { return "Verzeichnis " + dir + " existiert nicht!"; };
  if (userChanged && user.empty()) return refuse(user_, "Bitte geben Sie das Verzeichnis der Benutzerverwaltung an.");
  if (userChanged && !DirectoryExists(user)) return refuse(user_, missing(user));
  if (waveChanged && !wave.empty() && !DirectoryExists(wave)) return refuse(wave_, missing(wave));
  if (waveChanged && !wave.empty() && !FileExists(wave + "VYR_" + kCourseCode))
    return refuse(wave_, "Im Verzeichnis " + wave + " fehlt die Datei VYR_" + kCourseCode +
                             ".\rEs enthält keine Sprachaufnahmen von *vyr englisch.");
  if (ownChanged && !own.empty() && !DirectoryExists(own)) return refuse(own_, missing(own));
  if (wirtschaftChanged && !wirtschaft.empty() && !DirectoryExists(wirtschaft))
    return refuse(wirtschaft_, missing(wirtschaft));
  if (rechtChanged && !recht.empty() && !DirectoryExists(recht)) return refuse(recht_, missing(recht));

  int flags = 0;
  if (ownChanged) {
    env.ownRecordings = own;
    TXWaveBase* base = MainRecordings();
    if (base && base->HasFilesIn(own) &&
        ShowCourseMessage("Sollen in der Verwaltung der Sprachaufnahmen alle Verknüpfungen" + std::string("\r") +
                              "mit Dateien in dem Verzeichnis " + own + " durch den Alias " + "\"" + "XU:" + "\"" +
                              "\r" + "ersetzt werden (empfohlen)?",
                          msg::OkCancel | msg::IconQuestion) == msg::IdOk) {
      const int count = base->ReplaceByAlias(own);
      ShowCourseMessage(std::to_string(count) + " Einträge wurden geändert.", msg::IconInformation);
      NoteRecordingsChanged();
    }
    flags |= kSaveOwnRecordings;
  }
  if (waveChanged) {
    env.waveDirectory = wave;
    if (!wave.empty()) env.configuredWaveDirectory = wave;
    flags |= kSaveWave;
  }
  if (wirtschaftChanged) {
    env.wirtschaftRecordings = wirtschaft;
    flags |= kSaveWirtschaft;
  }
  if (rechtChanged) {
    env.rechtRecordings = recht;
    flags |= kSaveRecht;
  }
  if (userChanged) {
    // The user base has read its directory at start; the new one is
    // written and used from the next start, as the message says.
    env.pendingUserDirectory = user;
    ShowCourseMessage("Achtung: Das neue Benutzer-Verzeichnis ist erst ab dem nächsten Programmstart aktiv!",
                      msg::IconInformation);
    flags |= kSaveUser;
  }
  if (flags) SaveDirectories(flags);
  if (voice_->isEnabled() && voice_->isChecked() != SyntheticVoiceEnabled())
    SetSyntheticVoiceEnabled(voice_->isChecked());
  QDialog::accept();
}

}  // namespace vyr
