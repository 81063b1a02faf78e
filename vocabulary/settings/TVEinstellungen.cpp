#include "vocabulary/settings/TVEinstellungen.h"

#include <QAbstractListModel>
#include <QButtonGroup>
#include <QCheckBox>
#include <QFontDatabase>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QStyledItemDelegate>

#include "text/Cp1252.h"
#include "vocabulary/library/Bibliothek.h"
#include "vocabulary/library/TBInfo.h"
#include "vocabulary/settings/ScoreFilter.h"
#include "vocabulary/settings/ScoreHistogram.h"

namespace vyr {
namespace {

QString Q(const char* cp1252) { return ToUnicode(cp1252); }

// The row images: a small flag for the direction (German first: black, red,
// gold; English first: blue, white, red), pale when the entry is inactive.
QPixmap RowImage(bool deutsch, bool active) {
  QPixmap p(16, 12);
  QPainter g(&p);
  const QColor de[3] = {QColor(0, 0, 0), QColor(221, 0, 0), QColor(255, 206, 0)};
  const QColor en[3] = {QColor(1, 33, 105), QColor(255, 255, 255), QColor(200, 16, 46)};
  for (int i = 0; i < 3; ++i) {
    QColor c = deutsch ? de[i] : en[i];
    if (!active) c = QColor::fromHsv(c.hsvHue(), c.hsvSaturation() / 4, 200 + c.value() / 5);
    g.fillRect(0, i * 4, 16, 4, c);
  }
  g.setPen(QColor(120, 120, 120));
  g.drawRect(0, 0, 15, 11);
  return p;
}

}  // namespace

// The entries of the library as rows, computed when a row is shown: no item
// per entry is kept.
class TEntryListModel : public QAbstractListModel {
 public:
  TEntryListModel(TVocEinstellungen& settings, QObject* parent) : QAbstractListModel(parent), settings_(settings) {
    for (int d = 0; d < 2; ++d)
      for (int a = 0; a < 2; ++a) images_[d][a] = RowImage(d != 0, a != 0);
  }
  int rowCount(const QModelIndex& parent) const override {
    return parent.isValid() ? 0 : settings_.Library().EntryCount(false);
  }
  QVariant data(const QModelIndex& index, int role) const override {
    if (!index.isValid()) return {};
    const int row = index.row();
    const TVokabel& e = settings_.Library().Entry(row);
    switch (role) {
      case Qt::DisplayRole: return ToUnicode(" " + e.Vokabel);
      case Qt::FontRole: {
        QFont f;
        f.setBold(settings_.IsActive(row));
        return f;
      }
      case Qt::DecorationRole: return images_[e.Deutsch][settings_.IsActive(row)];
      case Qt::UserRole: return loggedIn ? QString::number(e.Wert) + u'%' : QString();
      default: return {};
    }
  }
  void Reset() {
    beginResetModel();
    endResetModel();
  }
  bool loggedIn = false;

 private:
  TVocEinstellungen& settings_;
  QPixmap images_[2][2];
};

namespace {

// Draws a row and, right-aligned, the user's score of its entry.
class TScoreDelegate : public QStyledItemDelegate {
 public:
  using QStyledItemDelegate::QStyledItemDelegate;
  void paint(QPainter* p, const QStyleOptionViewItem& option, const QModelIndex& index) const override {
    QStyledItemDelegate::paint(p, option, index);
    const QString score = index.data(Qt::UserRole).toString();
    if (score.isEmpty()) return;
    p->save();
    p->setPen(option.palette.color(option.state & QStyle::State_Selected ? QPalette::HighlightedText : QPalette::Text));
    p->drawText(option.rect.adjusted(0, 0, -6, 0), Qt::AlignRight | Qt::AlignVCenter, score);
    p->restore();
  }
};

QGroupBox* Group(QWidget* parent, const char* name, const char* title, QRect r) {
  auto* g = new QGroupBox(Q(title), parent);
  g->setObjectName(QString::fromLatin1(name));
  g->setGeometry(r);
  return g;
}

template <class W>
W* Put(W* w, const char* name, QRect r) {
  w->setObjectName(QString::fromLatin1(name));
  w->setGeometry(r);
  return w;
}

}  // namespace

TVEinstellungen::TVEinstellungen(TVocEinstellungen& settings, QWidget* parent) : QDialog(parent), settings_(settings) {
  setObjectName(u"TVEinstellungen"_qs);
  setWindowTitle(Q("*vyr englisch - Einstellungen für den Vokabeltrainer"));
  setFixedSize(792, 573);
  if (QFontDatabase::families().contains(u"Verdana"_qs)) setFont(QFont(u"Verdana"_qs, 8));

  // The settings as they are now come back on Cancel (from memory: a
  // failed save or the tasks per round could not restore them from a file).
  snapshot_ = settings_.Values();
  snapshotModified_ = settings_.Modified();
  settings_.Save();
  loggedIn_ = settings_.Context().LoggedIn();
  TBibliothek& library = settings_.Library();
  if (loggedIn_ && settings_.Context().scores) {
    library.ComputeScores(settings_.Context().scores());
    settings_.Touch();
  }

  model_ = new TEntryListModel(settings_, this);
  model_->loggedIn = loggedIn_;
  liste_ = Put(new QListView(this), "Liste", QRect(8, 8, 300, loggedIn_ ? 412 : 557));
  liste_->setUniformItemSizes(true);
  liste_->setModel(model_);
  liste_->setItemDelegate(new TScoreDelegate(liste_));

  QGroupBox* g = Group(this, "rRichtung", " Richtung ", QRect(320, 4, 150, 92));
  richtung_ = new QButtonGroup(this);
  const char* richtungen[3] = {"Vorwärts", "Rückwärts", "Kreuz-und-quer"};
  for (int i = 0; i < 3; ++i)
    richtung_->addButton(Put(new QRadioButton(Q(richtungen[i]), g), "", QRect(10, 20 + i * 22, 135, 20)), i);
  g = Group(this, "rSprache", " Sprache ", QRect(478, 4, 180, 92));
  sprache_ = new QButtonGroup(this);
  const char* sprachen[3] = {"Deutsch - Englisch", "Englisch - Deutsch", "Beides"};
  for (int i = 0; i < 3; ++i)
    sprache_->addButton(Put(new QRadioButton(Q(sprachen[i]), g), "", QRect(10, 20 + i * 22, 165, 20)), i);

  g = Group(this, "gProRunde", " Vokabeln pro Runde (nur bei Kreuz-und-quer) ", QRect(320, 100, 464, 52));
  trackProRunde_ = Put(new QSlider(Qt::Horizontal, g), "TrackProRunde", QRect(10, 20, 380, 24));
  lProRunde_ = Put(new QLabel(g), "LProRunde", QRect(400, 22, 55, 20));

  g = Group(this, "gAbfrage", " Abfrage ", QRect(320, 156, 464, 92));
  trackMultiple_ = Put(new QSlider(Qt::Horizontal, g), "TrackMultiple", QRect(130, 20, 200, 24));
  trackMultiple_->setRange(0, 100);
  mPro_ = Put(new QLabel(g), "mPro", QRect(10, 22, 118, 20));
  ePro_ = Put(new QLabel(g), "ePro", QRect(340, 22, 118, 20));
  kontext_ = Put(new QCheckBox(Q("Aufgaben zum Eintippen als Lückentext abfragen (wenn Kontext vorhanden)"), g),
                 "cKontext", QRect(10, 56, 448, 24));

  g = Group(this, "gWortarten", "Wortarten", QRect(320, 252, 300, 128));
  for (int i = 0; i < 8; ++i) {
    wortart_[i] = Put(new QCheckBox(g), ("Wortart" + std::to_string(i + 1)).c_str(),
                      QRect(10 + (i / 4) * 145, 20 + (i % 4) * 25, 140, 22));
    wortart_[i]->setProperty("tag", i);
  }
  g = Group(this, "gSchwierigkeit", "Schwierigkeitsgrade", QRect(628, 252, 156, 128));
  const char* grades[kDifficultyCount] = {"Baby", "Leicht", "Mittel", "Schwierig", "Tödlich"};
  for (int i = 0; i < kDifficultyCount; ++i)
    sg_[i] =
        Put(new QCheckBox(Q(grades[i]), g), ("SG" + std::to_string(i + 1)).c_str(), QRect(10, 18 + i * 21, 140, 20));

  filter_ = Group(this, "gFilter", " Benutzerabhängiger Filter", QRect(320, 384, 464, 108));
  Put(new QLabel(Q("Nur Werte zwischen"), filter_), "lZwischen", QRect(10, 24, 120, 20));
  wertVon_ = Put(new QLineEdit(filter_), "WertVon", QRect(135, 22, 50, 24));
  Put(new QLabel(Q("und"), filter_), "lUnd", QRect(192, 24, 30, 20));
  wertBis_ = Put(new QLineEdit(filter_), "WertBis", QRect(225, 22, 50, 24));
  Put(new QLabel(Q("%"), filter_), "lProzent", QRect(280, 24, 20, 20));
  for (QLineEdit* e : {wertVon_, wertBis_}) e->setMaxLength(4);
  scoreExpl_ = Put(new QLabel(filter_), "lScoreExpl", QRect(10, 50, 444, 52));
  scoreExpl_->setWordWrap(true);
  scoreExpl_->setAlignment(Qt::AlignLeft | Qt::AlignTop);

  maske0_ = Put(new QLabel(this), "Maske0", QRect(320, 500, 16, 16));
  maske0_->setStyleSheet(u"background: #22aa22; border: 1px solid #444"_qs);
  maske0_->setToolTip(Q("Einstellungen sind OK!"));
  maske1_ = Put(new QLabel(this), "Maske1", QRect(320, 500, 16, 16));
  maske1_->setStyleSheet(u"background: #dd2222; border: 1px solid #444"_qs);
  maske1_->setToolTip(Q("Einstellungen sind NICHT OK!"));
  info_ = Put(new QLabel(this), "lInfo", QRect(342, 498, 250, 20));

  lHistogram_ = Put(new QLabel(this), "lHistogram", QRect(8, 428, 300, 18));
  histogram_ = Put(new QLabel(this), "Histogram", QRect(40, 450, kHistogramWidth, kHistogramHeight));
  auto* lo = Put(new QLabel(u"-100%"_qs, this), "lMinus", QRect(20, 552, 50, 16));
  auto* hi = Put(new QLabel(u"100%"_qs, this), "lPlus", QRect(222, 552, 50, 16));
  for (QWidget* w : {static_cast<QWidget*>(lHistogram_), static_cast<QWidget*>(histogram_), static_cast<QWidget*>(lo),
                     static_cast<QWidget*>(hi)})
    w->setVisible(loggedIn_);
  filter_->setEnabled(loggedIn_);
  if (loggedIn_)
    lHistogram_->setText(Q("Werte-Histogramm: (Durchschnitt: ") + QString::number(library.Average()) + u"%)"_qs);

  auto* info = Put(new QPushButton(u"Info"_qs, this), "Info", QRect(500, 535, 88, 28));
  auto* ok = Put(new QPushButton(u"OK"_qs, this), "OK", QRect(596, 535, 88, 28));
  auto* cancel = Put(new QPushButton(u"Abbrechen"_qs, this), "Cancel", QRect(692, 535, 88, 28));
  ok->setDefault(true);
  connect(info, &QPushButton::clicked, this, [this] { TBInfo::Show(settings_.Library(), this); });
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

  Fill();

  connect(richtung_, &QButtonGroup::idClicked, this, [this](int id) {
    settings_.SetRichtung(id);
    ProRundeZeigen();
    ShowAktiv();
  });
  connect(sprache_, &QButtonGroup::idClicked, this, [this](int id) {
    settings_.SetSprache(id);
    ShowAktiv();
  });
  connect(trackProRunde_, &QSlider::valueChanged, this, [this](int v) {
    settings_.SetTasksPerRound(v);
    lProRunde_->setText(QString::number(v));
    ShowAktiv();
  });
  connect(trackMultiple_, &QSlider::valueChanged, this, [this](int v) {
    settings_.SetMultipleChoice(v);
    mPro_->setText(u"Multiple Choice "_qs + QString::number(v) + u'%');
    ePro_->setText(QString::number(100 - v) + u"% Eintippen"_qs);
  });
  connect(kontext_, &QCheckBox::toggled, this, [this](bool on) {
    settings_.SetKontext(on);
    ShowAktiv();
  });
  for (QCheckBox* box : wortart_)
    connect(box, &QCheckBox::toggled, this, [this, box](bool on) {
      settings_.SetWortart(box->property("tag").toInt(), on);
      ShowAktiv();
    });
  for (int i = 0; i < kDifficultyCount; ++i)
    connect(sg_[i], &QCheckBox::toggled, this, [this, i](bool on) {
      settings_.SetDifficulty(i, on);
      ShowAktiv();
    });
  connect(wertVon_, &QLineEdit::textEdited, this, [this] { WertChange(); });
  connect(wertBis_, &QLineEdit::textEdited, this, [this] { WertChange(); });
}

void TVEinstellungen::Fill() {
  const TVocSettingsValues& v = settings_.Values();
  richtung_->button(v.richtung)->setChecked(true);
  sprache_->button(v.sprache)->setChecked(true);
  {
    const QSignalBlocker b(trackMultiple_);
    trackMultiple_->setValue(v.multipleChoice);
  }
  mPro_->setText(u"Multiple Choice "_qs + QString::number(v.multipleChoice) + u'%');
  ePro_->setText(QString::number(100 - v.multipleChoice) + u"% Eintippen"_qs);
  kontext_->setChecked(v.kontext);
  int perClass[8] = {};
  const TBibliothek& library = settings_.Library();
  const int count = library.EntryCount(false);
  for (int i = 0; i < count; ++i) {
    const int w = library.Entries()[size_t(i)].Wortart;
    if (w < 8) ++perClass[w];
  }
  const char* names[8] = {"Nomen",        "Verben",        "Adjektive", "kl. Wörter",
                          "Rw. mit Verb", "Rw. ohne Verb", "Adverbien", "Präpositionen"};
  for (int i = 0; i < 8; ++i) {
    wortart_[i]->setText(Q(names[i]) + u" ("_qs + QString::number(perClass[i]) + u')');
    wortart_[i]->setChecked(settings_.WortartOn(i));
  }
  for (int i = 0; i < kDifficultyCount; ++i) sg_[i]->setChecked(v.difficulty[i]);
  wertVon_->setText(QString::number(v.minScore));
  wertBis_->setText(QString::number(v.maxScore));
  scoreExpl_->setText(Q(ScoreExplanation(v.minScore, v.maxScore)));
  model_->Reset();
  Zeigen();
}

void TVEinstellungen::Zeigen() {
  ProRundeZeigen();
  ShowAktiv();
}

void TVEinstellungen::ProRundeZeigen() {
  const int count = settings_.Library().EntryCount(false);
  const QSignalBlocker b(trackProRunde_);
  trackProRunde_->setRange(5, std::min(100, std::max(count, 6)));
  trackProRunde_->setValue(settings_.TasksPerRound() > 0 ? settings_.TasksPerRound() : 10);
  trackProRunde_->setEnabled(settings_.Richtung() == 2 && count > 0);
  lProRunde_->setText(QString::number(trackProRunde_->value()));
}

void TVEinstellungen::ShowAktiv() {
  liste_->viewport()->update();
  const int n = settings_.ActiveCount();
  const bool usable = n > 0 && (settings_.Richtung() != 2 || n >= settings_.TasksPerRound());
  char text[64];
  std::snprintf(text, sizeof text, "%d/%d Vokabeln aktiv", n, settings_.Library().EntryCount(false));
  info_->setText(QString::fromLatin1(text));
  info_->setStyleSheet(usable ? u"color: black"_qs : u"color: red"_qs);
  maske0_->setVisible(usable);
  maske1_->setVisible(!usable);
  if (loggedIn_)
    histogram_->setPixmap(
        QPixmap::fromImage(ScoreHistogram(settings_.Library(), settings_.MinScore(), settings_.MaxScore())));
}

void TVEinstellungen::WertChange() {
  const TScoreEdits r = ReadScoreEdits(FromUnicode(wertVon_->text()), FromUnicode(wertBis_->text()),
                                       settings_.MinScore(), settings_.MaxScore());
  if (r.ignored) return;
  if (r.changed) {
    settings_.SetScoreRange(r.minScore, r.maxScore);
    ShowAktiv();
    scoreExpl_->setText(Q(ScoreExplanation(settings_.MinScore(), settings_.MaxScore())));
  }
  if (r.fromText) wertVon_->setText(ToUnicode(*r.fromText));
  if (r.toText) wertBis_->setText(ToUnicode(*r.toText));
}

void TVEinstellungen::reject() {
  settings_.Restore(snapshot_, snapshotModified_);
  QDialog::reject();
}

bool TVEinstellungen::Execute(TVocEinstellungen& settings, QWidget* parent) {
  TVEinstellungen dialog(settings, parent);
  return dialog.exec() == QDialog::Accepted;
}

}  // namespace vyr
