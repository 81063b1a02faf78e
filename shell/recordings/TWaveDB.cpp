#include "shell/recordings/TWaveDB.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "platform/core/Files.h"
#include "platform/core/Messages.h"
#include "shell/recordings/FileChooser.h"
#include "shell/recordings/RecordingPlayer.h"
#include "shell/recordings/RecordingsNotice.h"
#include "shell/recordings/WaveBase.h"
#include "shell/startup/AccentCycle.h"
#include "shell/startup/Environment.h"
#include "shell/startup/StartUp.h"
#include "text/Case.h"
#include "text/Cp1252.h"

namespace vyr {

TWaveDB::TWaveDB(TXWaveBase& base, QWidget* parent) : QDialog(parent), base_(base) {
  setWindowTitle(u"Verwaltung der Sprachaufnahmen"_qs);
  search_ = new QLineEdit(this);
  text_ = new QLineEdit(this);
  file_ = new QLineEdit(this);
  counter_ = new QLabel(this);

  auto makeButton = [this](const QString& caption, const QString& hint) {
    auto* b = new QPushButton(caption, this);
    b->setToolTip(hint);
    b->setAutoDefault(false);
    return b;
  };
  QPushButton* sort = makeButton(u"abc"_qs, u"Alphabetisch sortieren"_qs);
  speak_ = makeButton(u"Vorlesen"_qs, u"Vorlesen"_qs);
  QPushButton* browse = makeButton(u"Durchsuchen..."_qs, u"Durchsuchen..."_qs);
  QPushButton* first = makeButton(u"|<"_qs, u"Zum ersten Eintrag"_qs);
  QPushButton* previous = makeButton(u"<"_qs, u"Zum vorangehenden Eintrag"_qs);
  QPushButton* next = makeButton(u">"_qs, u"Zum nächsten Eintrag"_qs);
  QPushButton* last = makeButton(u">|"_qs, u"Zum letzten Eintrag"_qs);
  QPushButton* insert = makeButton(u"+"_qs, u"Neuen Eintrag erzeugen"_qs);
  QPushButton* remove = makeButton(u"-"_qs, u"Aktuellen Eintrag löschen"_qs);

  auto* grid = new QGridLayout(this);
  grid->addWidget(new QLabel(u"Suche: "_qs, this), 0, 0);
  grid->addWidget(search_, 0, 1, 1, 2);
  grid->addWidget(sort, 0, 3);
  grid->addWidget(new QLabel(u"Text:"_qs, this), 1, 0);
  grid->addWidget(text_, 1, 1, 1, 2);
  grid->addWidget(speak_, 1, 3);
  grid->addWidget(new QLabel(u"Datei:"_qs, this), 2, 0);
  grid->addWidget(file_, 2, 1, 1, 2);
  grid->addWidget(browse, 2, 3);
  auto* row = new QHBoxLayout;
  for (QPushButton* b : {first, previous, next, last, insert, remove}) row->addWidget(b);
  row->addStretch();
  row->addWidget(counter_);
  grid->addLayout(row, 3, 0, 1, 4);
  setMinimumWidth(520);

  for (QLineEdit* e : {search_, text_, file_}) e->installEventFilter(this);
  connect(search_, &QLineEdit::textEdited, this, [this](const QString& t) {
    if (CommitText()) base_.Locate(FromUnicode(t));
  });
  connect(text_, &QLineEdit::editingFinished, this, [this] { CommitText(); });
  connect(file_, &QLineEdit::textEdited, this, [this](const QString& t) { base_.SetCurrentFile(FromUnicode(t)); });
  connect(sort, &QPushButton::clicked, this, [this] {
    if (CommitText()) base_.Sort();
  });
  connect(first, &QPushButton::clicked, this, [this] { Navigate(&TXWaveBase::First); });
  connect(previous, &QPushButton::clicked, this, [this] { Navigate(&TXWaveBase::Previous); });
  connect(next, &QPushButton::clicked, this, [this] { Navigate(&TXWaveBase::Next); });
  connect(last, &QPushButton::clicked, this, [this] { Navigate(&TXWaveBase::Last); });
  connect(insert, &QPushButton::clicked, this, [this] { Insert(); });
  connect(remove, &QPushButton::clicked, this, [this] { Delete(); });
  connect(speak_, &QPushButton::clicked, this, [this] { Speak(); });
  connect(browse, &QPushButton::clicked, this, [this] { Browse(); });

  base_.onChange = [this] { Show(); };
  Show();
}

TWaveDB::~TWaveDB() { base_.onChange = nullptr; }

QPushButton* TWaveDB::button(const QString& hint) const {
  for (QPushButton* b : findChildren<QPushButton*>())
    if (b->toolTip() == hint) return b;
  return nullptr;
}

void TWaveDB::Show() {
  showing_ = true;
  text_->setText(ToUnicode(base_.CurrentText()));
  file_->setText(ToUnicode(base_.CurrentFile()));
  std::string full;
  speak_->setVisible(base_.Count() > 0 && ResolveAlias(base_.CurrentFile(), full) == kAliasFound);
  counter_->setText(QString::number(base_.Count()) + u" Einträge"_qs);
  showing_ = false;
}

// Takes the text field into the current record; false when it was refused
// (the field then shows the record's text again).
bool TWaveDB::CommitText() {
  if (showing_ || base_.Count() == 0) return true;
  const std::string typed = FromUnicode(text_->text());
  if (typed == base_.CurrentText()) return true;
  if (base_.SetCurrentText(typed)) return true;
  Show();
  text_->setFocus();
  return false;
}

void TWaveDB::Navigate(void (TXWaveBase::*move)()) {
  if (!CommitText() || !base_.CurrentComplete()) return;
  (base_.*move)();
}

void TWaveDB::Insert() {
  if (!CommitText()) return;
  // An empty database gets its first record too.
  if (base_.Count() > 0 && !base_.CurrentComplete()) return;
  base_.InsertEmpty();
  text_->setFocus();
}

void TWaveDB::Delete() {
  if (base_.Count() == 0) return;
  if (ShowCourseMessage("Diesen Eintrag wirklich löschen?", msg::YesNo | msg::IconQuestion) == msg::IdNo) return;
  base_.DeleteCurrent();
}

void TWaveDB::Speak() {
  const std::string file = FromUnicode(file_->text());
  std::string full;
  if (ResolveAlias(file, full) == kAliasFound) {
    PlayRecordingFile(full);
    return;
  }
  ShowCourseMessage(file +
                        " konnte nicht gefunden werden. Stellen Sie\rsicher, daß die CD-ROM eingelegt ist und der "
                        "korrekte Pfad eingestellt ist.",
                    msg::IconWarning);
}

void TWaveDB::Browse() {
  if (base_.Count() == 0) return;
  std::string chosen = chooseFile(ExtractFilePath(base_.CurrentFile()), "*.wav", "Wave (*.wav *.WAV)");
  if (chosen.empty() || !FileExists(chosen)) return;
  TEnvironment& env = Env();
  if (env.ownRecordings.empty()) {
    const std::string dir = ExtractFilePath(chosen);
    if (ShowCourseMessage("Soll das Verzeichnis " + dir + " als Verzeichnis für eigene Sprachaufnahmen" + "\r" +
                              "definiert werden (empfohlen)? Bei einer späteren Änderung des Verzeichnisses muß" +
                              "\r" + "dann nicht jede einzelne Verknüpfung von Hand angepaßt werden.",
                          msg::OkCancel | msg::IconQuestion) == msg::IdOk) {
      env.ownRecordings = dir;
      SaveDirectories(kSaveOwnRecordings);
    }
  }
  if (auto alias = OwnRecordingsAlias(chosen, env.ownRecordings)) chosen = *alias;
  file_->setText(ToUnicode(chosen));
  base_.SetCurrentFile(chosen);
}

bool TWaveDB::eventFilter(QObject* watched, QEvent* e) {
  if (e->type() == QEvent::KeyPress) {
    auto* edit = qobject_cast<QLineEdit*>(watched);
    auto* key = static_cast<QKeyEvent*>(e);
    if (edit && CycleSpecialCharacter(edit, key->key())) {
      if (edit == file_) base_.SetCurrentFile(FromUnicode(edit->text()));
      if (edit == search_) base_.Locate(FromUnicode(edit->text()));
      return true;
    }
  }
  return QDialog::eventFilter(watched, e);
}

void TWaveDB::done(int result) {
  CommitText();
  base_.DropEmptyTexts();
  base_.onChange = nullptr;
  NoteRecordingsChanged();
  QDialog::done(result);
}

}  // namespace vyr
