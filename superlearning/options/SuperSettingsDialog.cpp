#include "superlearning/options/SuperSettingsDialog.h"

#include <QCheckBox>
#include <QColorDialog>
#include <QComboBox>
#include <QFileDialog>
#include <QFontDatabase>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QTabWidget>
#include <QVBoxLayout>

#include "page/control/PageControl.h"
#include "platform/core/Files.h"
#include "platform/core/Messages.h"
#include "superlearning/options/OptionMappings.h"
#include "superlearning/sound/Music.h"
#include "text/Cp1252.h"

namespace vyr {

using S = TSuperSettings;
using TPageStyle = TSuperOptions::TPageStyle;

namespace {

const QString kRandomPage = u"<nach Zufallsprinzip>"_qs;

QLabel* Text(const QString& text) {
  auto* l = new QLabel(text);
  l->setWordWrap(true);
  return l;
}

// A label whose text follows a slider.
QLabel* Follow(QSlider* s, std::function<QString(int)> text) {
  auto* l = new QLabel;
  l->setObjectName(s->objectName() + u"Label"_qs);
  l->setMinimumWidth(90);
  QObject::connect(s, &QSlider::valueChanged, l, [l, text](int v) { l->setText(text(v)); });
  l->setText(text(s->value()));
  return l;
}

QWidget* Row(std::initializer_list<QWidget*> widgets) {
  auto* w = new QWidget;
  auto* h = new QHBoxLayout(w);
  h->setContentsMargins(0, 0, 0, 0);
  for (QWidget* x : widgets) h->addWidget(x);
  return w;
}

void ShowColour(QPushButton* b, int rgb) {
  b->setProperty("rgb", rgb);
  b->setStyleSheet(u"background-color: #%1"_qs.arg(rgb, 6, 16, QLatin1Char('0')));
}

void SelectText(QComboBox* c, const QString& text) { c->setCurrentIndex(c->findText(text, Qt::MatchFixedString)); }

}  // namespace

TSuperDialogChoosers TSuperDialogChoosers::Platform(QWidget* parent) {
  TSuperDialogChoosers c;
  c.chooseFile = [parent](const std::string& startDir, const QString& filter) -> std::optional<std::string> {
    const QString f = QFileDialog::getOpenFileName(parent, u"Öffnen"_qs, NativePath(startDir), filter);
    if (f.isEmpty()) return std::nullopt;
    return CoursePath(f);
  };
  c.chooseColour = [parent](int rgb) -> std::optional<int> {
    const QColor colour = QColorDialog::getColor(QColor::fromRgb(static_cast<QRgb>(rgb)), parent);
    if (!colour.isValid()) return std::nullopt;
    return static_cast<int>(colour.rgb() & 0xFFFFFF);
  };
  return c;
}

TSuperSettingsDialog::TSuperSettingsDialog(TSuperOptions& options, TSuperDialogChoosers choosers, QWidget* parent)
    : QDialog(parent), options_(options), choosers_(std::move(choosers)) {
  setWindowTitle(u"VYR Superlearning - Einstellungen"_qs);
  rememberedVolume_ = options_.Music().VolumeDb();
  rememberedDirectory_ = options_.MusicDirectory();
  build();
  fill();
  pc_->setCurrentWidget(pc_->findChild<QWidget*>(u"audio"_qs));
}

TSuperSettingsDialog::~TSuperSettingsDialog() {
  options_.Music().Stop();
  options_.SaveIfModified();
}

void TSuperSettingsDialog::build() {
  auto* v = new QVBoxLayout(this);
  pc_ = new QTabWidget;
  pc_->setObjectName(u"PC"_qs);
  v->addWidget(pc_);
  const std::pair<QWidget* (TSuperSettingsDialog::*)(), const char16_t*> pages[] = {
      {&TSuperSettingsDialog::klassischPage, u"klassisch"},
      {&TSuperSettingsDialog::abgedrehtPage, u"abgedreht"},
      {&TSuperSettingsDialog::technoOptikPage, u"techno - optik"},
      {&TSuperSettingsDialog::technoAnimationPage, u"techno - animation"},
      {&TSuperSettingsDialog::ddPage, u"DD"},
      {&TSuperSettingsDialog::vegasPage, u"las vegas"},
      {&TSuperSettingsDialog::airportPage, u"airport"},
      {&TSuperSettingsDialog::audioPage, u"audio"},
      {&TSuperSettingsDialog::super3DPage, u"Super3D"},
  };
  for (const auto& [make, title] : pages) {
    QWidget* page = (this->*make)();
    page->setObjectName(QString::fromUtf16(title));
    pc_->addTab(page, QString::fromUtf16(title));
  }
  technoPage_ = pc_->widget(2);
  connect(pc_, &QTabWidget::currentChanged, this, [this] {
    if (pc_->currentWidget() == technoPage_) updatePreview();
  });

  auto* buttons = new QHBoxLayout;
  auto* okB = new QPushButton(u"&OK"_qs);
  auto* cancelB = new QPushButton(u"&Abbrechen"_qs);
  auto* resetB = new QPushButton(u"&Zurücksetzen"_qs);
  okB->setObjectName(u"OK"_qs);
  cancelB->setObjectName(u"Abbrechen"_qs);
  resetB->setObjectName(u"Zuruecksetzen"_qs);
  okB->setDefault(true);
  buttons->addWidget(resetB);
  buttons->addStretch();
  buttons->addWidget(okB);
  buttons->addWidget(cancelB);
  v->addLayout(buttons);
  connect(okB, &QPushButton::clicked, this, &TSuperSettingsDialog::ok);
  connect(cancelB, &QPushButton::clicked, this, &TSuperSettingsDialog::reject);
  connect(resetB, &QPushButton::clicked, this, &TSuperSettingsDialog::reset);
}

// --- bound controls

QSlider* TSuperSettingsDialog::intSlider(const char* name, int min, int max, int S::*member) {
  auto* s = new QSlider(Qt::Horizontal);
  s->setObjectName(QString::fromLatin1(name));
  s->setRange(min, max);
  bindings_.push_back({[this, s, member] { s->setValue(options_.Settings().*member); },
                       [s] { return QVariant(s->value()); }, [this, s, member] { options_.Set(member, s->value()); }});
  return s;
}

QAbstractButton* TSuperSettingsDialog::check(QAbstractButton* box, bool S::*member) {
  bindings_.push_back({[this, box, member] { box->setChecked(options_.Settings().*member); },
                       [box] { return QVariant(box->isChecked()); },
                       [this, box, member] { options_.Set(member, box->isChecked()); }});
  return box;
}

QComboBox* TSuperSettingsDialog::fontList(const char* name, std::string S::*member) {
  auto* c = new QComboBox;
  c->setObjectName(QString::fromLatin1(name));
  c->addItems(QFontDatabase::families());
  // A stored font that is not installed leaves the list without a selection
  // and stays stored.
  bindings_.push_back({[this, c, member] { SelectText(c, ToUnicode(options_.Settings().*member)); },
                       [c] { return QVariant(c->currentIndex() < 0 ? QString() : c->currentText()); },
                       [this, c, member] {
                         if (c->currentIndex() >= 0) options_.Set(member, FromUnicode(c->currentText()));
                       }});
  connect(c, &QComboBox::currentIndexChanged, this, [this] {
    if (!filling_) updatePreview();
  });
  return c;
}

QPushButton* TSuperSettingsDialog::colourField(const char* name, int S::*member, bool pageOrder) {
  auto* b = new QPushButton;
  b->setObjectName(QString::fromLatin1(name));
  b->setFixedSize(60, 22);
  const auto toRgb = [pageOrder](int v) { return pageOrder ? SwapRedBlue(v) : v; };
  bindings_.push_back({[this, b, member, toRgb] { ShowColour(b, toRgb(options_.Settings().*member)); },
                       [b] { return b->property("rgb"); },
                       [this, b, member, toRgb] { options_.Set(member, toRgb(b->property("rgb").toInt())); }});
  connect(b, &QPushButton::clicked, this, [this, b] {
    if (!choosers_.chooseColour) return;
    if (auto rgb = choosers_.chooseColour(b->property("rgb").toInt())) {
      ShowColour(b, *rgb & 0xFFFFFF);
      if (pc_->currentWidget() == technoPage_) updatePreview();
    }
  });
  return b;
}

// The page list of the DD or the airport page with its change interval.
QWidget* TSuperSettingsDialog::pageChoice(const char* prefix, bool dd) {
  const QString p = QString::fromLatin1(prefix);
  const TPageStyle style = dd ? TPageStyle::DD : TPageStyle::Air;
  std::string S::*page = dd ? &S::DD : &S::Air;
  int S::*delay = dd ? &S::DDBGRDelay : &S::AirBGRDelay;

  auto* files = new QComboBox;
  files->setObjectName(p + u"File"_qs);
  files->addItem(kRandomPage);
  for (const std::string& name : options_.Pages(style)) files->addItem(ToUnicode(name));
  bindings_.push_back({[this, files, page, style] {
                         const std::string& name = options_.Settings().*page;
                         const bool exists = !name.empty() && FileExists(options_.PageDirectory(style) + name + ".htx");
                         const int i = exists ? files->findText(ToUnicode(name), Qt::MatchFixedString) : 0;
                         files->setCurrentIndex(i < 0 ? 0 : i);
                       },
                       [files] { return QVariant(files->currentIndex()); },
                       [this, files, page] {
                         options_.Set(page,
                                      files->currentIndex() <= 0 ? std::string() : FromUnicode(files->currentText()));
                       }});

  auto* automatic = new QCheckBox(u"automatisch abwechseln:"_qs);
  automatic->setObjectName(p + u"Automatic"_qs);
  auto* interval = new QComboBox;
  interval->setObjectName(p + u"BGRDelay"_qs);
  for (const char* item : kIntervalItems) interval->addItem(ToUnicode(item));
  connect(automatic, &QCheckBox::toggled, interval, [interval](bool on) {
    interval->setEnabled(on);
    if (on && interval->currentIndex() < 0) interval->setCurrentIndex(0);
  });
  const auto value = [automatic, interval] {
    return automatic->isChecked() ? ParseInterval(FromUnicode(interval->currentText())) : 0;
  };
  bindings_.push_back({[this, automatic, interval, delay] {
                         const int seconds = options_.Settings().*delay;
                         interval->setCurrentIndex(-1);
                         automatic->setChecked(seconds != 0);
                         interval->setEnabled(seconds != 0);
                         SelectText(interval, ToUnicode(IntervalText(seconds)));
                       },
                       [value] { return QVariant(value()); }, [this, value, delay] { options_.Set(delay, value()); }});

  auto* w = new QWidget;
  auto* f = new QFormLayout(w);
  f->addRow(u"Hintergrund:"_qs, files);
  f->addRow(automatic, interval);
  return w;
}

// --- the pages

QWidget* TSuperSettingsDialog::klassischPage() {
  auto* w = new QWidget;
  auto* f = new QFormLayout(w);
  QSlider* steps = intSlider("TrackBar", 20, 500, &S::KlassikFaktor);
  f->addRow(u" Überblendung "_qs, Row({new QLabel(u"langsam"_qs), steps, new QLabel(u"schnell"_qs),
                                       Follow(steps, [](int v) { return u"%1 Schritte"_qs.arg(v); })}));
  f->addRow(u"Schrift:"_qs, fontList("Schriften", &S::Schrift));
  auto* bw = new QCheckBox(u"Schwarz-Weiß"_qs);
  bw->setObjectName(u"cKlassikBW"_qs);
  auto* noBgr = new QCheckBox(u"ohne Hintergrund"_qs);
  noBgr->setObjectName(u"cKlassikNoBGR"_qs);
  f->addRow(check(bw, &S::SchwarzWeiss));
  f->addRow(check(noBgr, &S::OhneHintergrund));
  return w;
}

QWidget* TSuperSettingsDialog::abgedrehtPage() {
  auto* w = new QWidget;
  auto* f = new QFormLayout(w);
  f->addRow(
      Text(u"Dieser Modus richtet sich in erster Linie an Fortgeschrittene. Durch die (einstellbare) "
           u"typographische Verfremdung werden kognitive und assoziative Aspekte beim Lernen verstärkt, "
           u"wodurch die Vokabeln leichter und effizienter erfaßt werden."_qs));
  QSlider* pause = intSlider("trPause", 50, 300, &S::Faktor);
  f->addRow(u" Geschwindigkeit "_qs, Row({new QLabel(u"schnell"_qs), pause, new QLabel(u"langsam"_qs),
                                          Follow(pause, [](int v) { return u"%1 Prozent"_qs.arg(v); })}));
  QSlider* delay = intSlider("trTextDelay", 0, 100, &S::TextDelay);
  f->addRow(u" Textverzögerung "_qs, Row({new QLabel(u"keine"_qs), delay, new QLabel(u"viel"_qs),
                                          Follow(delay, [](int v) { return u"%1 Prozent"_qs.arg(v); })}));
  QSlider* madness = intSlider("trMadness", 1, 10, &S::Madness);
  f->addRow(u" Abgedrehtheit "_qs, Row({new QLabel(u"minimal"_qs), madness, new QLabel(u"maximal"_qs),
                                        Follow(madness, [](int v) { return u"Stufe %1"_qs.arg(v); })}));
  QPushButton* bgr = colourField("VexaBGR", &S::VexaBGRColor, true);
  bgr->setToolTip(u"Nur relevant wenn Transparenz kleiner als 100%"_qs);
  f->addRow(u"Hintergrund:"_qs, bgr);
  f->addRow(u"Schrift:"_qs, colourField("VexaTXT", &S::VexaTXTColor, true));
  return w;
}

QWidget* TSuperSettingsDialog::technoOptikPage() {
  auto* w = new QWidget;
  auto* f = new QFormLayout(w);
  technoDir_ = new QLineEdit;
  technoDir_->setObjectName(u"eTechnoDir"_qs);
  auto* browse = new QPushButton(u"Durchsuchen..."_qs);
  browse->setObjectName(u"Button5"_qs);
  connect(browse, &QPushButton::clicked, this, &TSuperSettingsDialog::chooseTechnoDir);
  connect(technoDir_, &QLineEdit::editingFinished, this, &TSuperSettingsDialog::updatePreview);
  f->addRow(u"Verzeichnis der Bilder:"_qs, Row({technoDir_, browse}));
  QSlider* transparency = intSlider("trTransparenz", 0, 100, &S::TechnoTransparenz);
  f->addRow(u"Transparenz: "_qs,
            Row({transparency, Follow(transparency, [](int v) { return u"%1 Prozent"_qs.arg(v); })}));
  QSlider* border = intSlider("trRand", 0, 200, &S::TechnoRand);
  f->addRow(u"Rand: "_qs, Row({border, Follow(border, [](int v) { return u"%1 Pixel"_qs.arg(v); })}));
  for (QSlider* s : {transparency, border})
    connect(s, &QSlider::valueChanged, this, [this] {
      if (!filling_) updatePreview();
    });
  auto* mode = new QComboBox;
  mode->setObjectName(u"TransparenzModus"_qs);
  mode->addItems({u"Normal"_qs, u"Schwarz 1"_qs, u"Schwarz 2"_qs, u"Weiß 1"_qs, u"Weiß 2"_qs, u"Monochome "_qs,
                  u"Monochrome Neg."_qs, u"Farbe"_qs, u"Farbe Neg."_qs});
  bindings_.push_back({[this, mode] { mode->setCurrentIndex(options_.Settings().TechnoMode); },
                       [mode] { return QVariant(mode->currentIndex()); },
                       [this, mode] { options_.Set(&S::TechnoMode, mode->currentIndex()); }});
  connect(mode, &QComboBox::currentIndexChanged, this, [this] {
    if (!filling_) updatePreview();
  });
  f->addRow(u"Effekt: "_qs, mode);
  QPushButton* bgr = colourField("colorBGR", &S::TechnoBGRColor, false);
  bgr->setToolTip(u"Nur relevant wenn Transparenz kleiner als 100%"_qs);
  QPushButton* bmp = colourField("colorBMP", &S::TechnoBMPColor, false);
  bmp->setToolTip(u"nur relevant in einem Farb-Modus"_qs);
  f->addRow(u"Hintergrund:"_qs, bgr);
  f->addRow(u"Schrift:"_qs, colourField("colorText", &S::TechnoTextColor, false));
  f->addRow(u"Bilder:"_qs, bmp);
  f->addRow(u"Schrift: "_qs, fontList("TechnoSchriften", &S::TechnoSchrift));
  preview_ = new TXPage;
  preview_->setObjectName(u"XPreview"_qs);
  preview_->setFixedSize(160, 100);
  preview_->SetProgramDirectory(options_.ProgramDirectory());
  f->addRow(u"Vorschau:"_qs, preview_);
  return w;
}

QWidget* TSuperSettingsDialog::technoAnimationPage() {
  auto* w = new QWidget;
  auto* f = new QFormLayout(w);
  f->addRow(
      Text(u"Achtung: Harte, kurze Schnitte können bei empfindlichen Personen (Epileptikern) zu "
           u"gesundheitlichen Problemen führen! Benutzung auf eigene Verantwortung!!!"_qs));
  auto* frame = new QSlider(Qt::Horizontal);
  frame->setObjectName(u"trFrameDelay"_qs);
  frame->setRange(1, kFrameDelayPositions);
  bindings_.push_back({[this, frame] { frame->setValue(FrameDelayPosition(options_.Settings().TechnoFrameDelay)); },
                       [frame] { return QVariant(frame->value()); },
                       [this, frame] { options_.Set(&S::TechnoFrameDelay, FrameDelayMs(frame->value())); }});
  f->addRow(u" Hintergrund "_qs,
            Row({frame, Follow(frame, [](int p) { return ToUnicode(FrameDelayLabel(FrameDelayMs(p))); })}));
  QSlider* speed = intSlider("trSpeed", -23, 25, &S::TechnoSpeed);
  f->addRow(u"Überblendung:"_qs, speed);
  auto* fading = new QRadioButton(u"Überblendung"_qs);
  fading->setObjectName(u"cFading"_qs);
  auto* hardCut = new QRadioButton(u"harter Schnitt"_qs);
  hardCut->setObjectName(u"cHardCut"_qs);
  auto* fadeGroup = Row({fading, hardCut});
  bindings_.push_back(
      {[this, fading, hardCut] { (options_.Settings().TechnoFading ? fading : hardCut)->setChecked(true); },
       [fading] { return QVariant(fading->isChecked()); },
       [this, fading] { options_.Set(&S::TechnoFading, fading->isChecked()); }});
  connect(frame, &QSlider::valueChanged, this, [this, hardCut] {
    if (!filling_) hardCut->setChecked(true);
  });
  connect(speed, &QSlider::valueChanged, this, [this, fading] {
    if (!filling_) fading->setChecked(true);
  });
  f->addRow(u"Bildwechsel:"_qs, fadeGroup);
  auto* scroll = new QRadioButton(u"bewegt"_qs);
  scroll->setObjectName(u"cTechnoScroll"_qs);
  auto* fix = new QRadioButton(u"statisch"_qs);
  fix->setObjectName(u"cTechnoFix"_qs);
  auto* textGroup = Row({scroll, fix});
  bindings_.push_back({[this, scroll, fix] { (options_.Settings().TechnoScrolling ? scroll : fix)->setChecked(true); },
                       [scroll] { return QVariant(scroll->isChecked()); },
                       [this, scroll] { options_.Set(&S::TechnoScrolling, scroll->isChecked()); }});
  f->addRow(u"Text:"_qs, textGroup);
  auto* delay = new QComboBox;
  delay->setObjectName(u"cTextDelay"_qs);
  delay->setEditable(true);
  for (const char* item : kTextDelayItems) delay->addItem(ToUnicode(item));
  bindings_.push_back(
      {[this, delay] {
         const QString text = ToUnicode(FormatTextDelay(options_.Settings().TechnoTextDelay));
         const int i = delay->findText(text);
         if (i >= 0) delay->setCurrentIndex(i);
         else delay->setEditText(text);
       },
       [delay] { return QVariant(delay->currentText()); },
       [this, delay] { options_.Set(&S::TechnoTextDelay, ParseTextDelay(FromUnicode(delay->currentText()))); }});
  f->addRow(u"Textverzögerung (Sekunden):"_qs, delay);
  return w;
}

QWidget* TSuperSettingsDialog::ddPage() {
  auto* w = new QWidget;
  auto* f = new QFormLayout(w);
  auto* text = new QSlider(Qt::Horizontal);
  text->setObjectName(u"trDDTextDelay"_qs);
  text->setRange(10, 100);
  bindings_.push_back({[this, text] { text->setValue(options_.Settings().DDTextDelay / 100); },
                       [text] { return QVariant(text->value()); },
                       [this, text] { options_.Set(&S::DDTextDelay, text->value() * 100); }});
  f->addRow(u" Geschwindigkeit "_qs,
            Row({text, Follow(text, [](int p) { return ToUnicode(FormatDecimal(p / 10.0) + " s"); })}));
  QSlider* chars = intSlider("trDDCharDelay", 10, 160, &S::DDCharDelay);
  f->addRow(u" Textverzögerung "_qs, Row({chars, Follow(chars, [](int v) { return u"%1 ms"_qs.arg(v); })}));
  f->addRow(pageChoice("cDD", true));
  return w;
}

QWidget* TSuperSettingsDialog::vegasPage() {
  auto* w = new QWidget;
  auto* f = new QFormLayout(w);
  QSlider* s = intSlider("tVegasFaktor", 20, 180, &S::VegasFaktor);
  f->addRow(u" Geschwindigkeit "_qs, Row({s, Follow(s, [](int v) { return u"%1%"_qs.arg(v); })}));
  return w;
}

QWidget* TSuperSettingsDialog::airportPage() {
  auto* w = new QWidget;
  auto* f = new QFormLayout(w);
  auto* chars = new QSlider(Qt::Horizontal);
  chars->setObjectName(u"trAirCharDelay"_qs);
  chars->setRange(1, 10);
  bindings_.push_back({[this, chars] { chars->setValue(options_.Settings().AirCharDelay / 50 + 1); },
                       [chars] { return QVariant(chars->value()); },
                       [this, chars] { options_.Set(&S::AirCharDelay, chars->value() * 50 - 50); }});
  f->addRow(u" Geschwindigkeit "_qs, Row({chars, Follow(chars, [](int v) { return QString::number(v); })}));
  QSlider* before = intSlider("trAirBDelay", 0, 2000, &S::AirBDelay);
  f->addRow(u"Pause vor der Bedeutung "_qs, Row({before, Follow(before, [](int v) { return u"%1 ms"_qs.arg(v); })}));
  QSlider* after = intSlider("trAirPause", 0, 4000, &S::AirMainPause);
  f->addRow(u"Pause nach der Bedeutung"_qs, Row({after, Follow(after, [](int v) { return u"%1 ms"_qs.arg(v); })}));
  f->addRow(pageChoice("cAir", false));
  return w;
}

QWidget* TSuperSettingsDialog::audioPage() {
  auto* w = new QWidget;
  auto* f = new QFormLayout(w);
  mp3Dir_ = new QLineEdit;
  mp3Dir_->setObjectName(u"MP3Dir"_qs);
  auto* choose = new QPushButton(u"Durchsuchen..."_qs);
  choose->setObjectName(u"Choose"_qs);
  mp3Test_ = new QPushButton(u"Testen"_qs);
  mp3Test_->setObjectName(u"MP3Test"_qs);
  connect(choose, &QPushButton::clicked, this, &TSuperSettingsDialog::chooseMusic);
  connect(mp3Test_, &QPushButton::clicked, this, &TSuperSettingsDialog::testMusic);
  connect(mp3Dir_, &QLineEdit::textChanged, this, [this](const QString& t) { mp3Test_->setEnabled(!t.isEmpty()); });
  f->addRow(u"Verzeichnis:"_qs, Row({mp3Dir_, choose, mp3Test_}));
  mp3Info_ = new QLabel;
  mp3Info_->setObjectName(u"MP3Info"_qs);
  f->addRow(QString(), mp3Info_);
  volume_ = new QSlider(Qt::Horizontal);
  volume_->setObjectName(u"Volume"_qs);
  volume_->setRange(0, 24);
  // Heard at once; "&Abbrechen" gives the player its volume back.
  connect(volume_, &QSlider::valueChanged, this, [this](int p) { options_.Music().SetVolumeDb(p - 24); });
  f->addRow(u"Lautstärke:"_qs, Row({new QLabel(u"Leise (-24dB)"_qs), volume_, new QLabel(u"Laut (0dB)"_qs)}));
  auto* music = new QCheckBox(u"Musik (MP3)"_qs);
  music->setObjectName(u"cMusic"_qs);
  auto* speech = new QCheckBox(u"Sprachausgabe (soweit vorhanden)"_qs);
  speech->setObjectName(u"bSpeech"_qs);
  f->addRow(check(music, &S::Musik));
  f->addRow(check(speech, &S::Sprachausgabe));
  f->addRow(
      Text(u"Tip: Die Lautstärke läßt sich beim Superlearning mit den Pfeiltasten hoch und runter "
           u"einstellen."_qs));
  return w;
}

QWidget* TSuperSettingsDialog::super3DPage() {
  auto* w = new QWidget;
  auto* f = new QFormLayout(w);
  f->addRow(u"Schrift Vokabel: "_qs, fontList("S3DVSchrift", &S::S3DVSchrift));
  f->addRow(u"Schrift Bedeutung(en): "_qs, fontList("S3DBSchrift", &S::S3DBSchrift));
  f->addRow(u"Hintergrund:"_qs, colourField("S3DB", &S::S3DBColor, false));
  f->addRow(u"Schrift:"_qs, colourField("S3DT", &S::S3DTColor, false));
  return w;
}

// --- filling and taking

void TSuperSettingsDialog::fill() {
  filling_ = true;
  for (TBinding& b : bindings_) b.fill();
  for (TBinding& b : bindings_) b.filled = b.read();
  technoDir_->setText(ToUnicode(options_.Settings().TechnoPhotoDir));
  filledTechnoDir_ = technoDir_->text();
  mp3Dir_->setText(ToUnicode(options_.MusicDirectory()));
  filledMusicDir_ = mp3Dir_->text();
  mp3Test_->setEnabled(!mp3Dir_->text().isEmpty());
  volume_->setValue(options_.Music().VolumeDb() + 24);
  showMusicCount();
  filling_ = false;
  updatePreview();
}

void TSuperSettingsDialog::ok() {
  const QString dir = mp3Dir_->text();
  if (dir != filledMusicDir_ && !dir.isEmpty()) {
    if (!DirectoryExists(FromUnicode(dir))) {
      ShowCourseMessage("MP3-Verzeichnis existiert nicht!", msg::IconError);
      return;
    }
    options_.SetMusicDirectory(FromUnicode(dir));
  }
  if (technoDir_->text() != filledTechnoDir_) options_.SetTechnoPhotoDir(FromUnicode(technoDir_->text()));
  if (options_.Music().VolumeDb() != rememberedVolume_ || options_.MusicDirectory() != rememberedDirectory_)
    options_.MarkModified();
  for (TBinding& b : bindings_)
    if (b.read() != b.filled) b.take();
  accept();
}

void TSuperSettingsDialog::reject() {
  TMusic& music = options_.Music();
  music.SetVolumeDb(rememberedVolume_);
  if (music.Directory() != rememberedDirectory_) {
    if (rememberedDirectory_.empty()) music.SetDefaultDirectory(options_.DefaultMusicDirectory());
    else music.SetDirectory(rememberedDirectory_);
  }
  QDialog::reject();
}

void TSuperSettingsDialog::reset() {
  options_.SetDefaults();
  fill();
}

// --- music and pictures

void TSuperSettingsDialog::showMusicCount() { mp3Info_->setText(u"%1 MP3-Dateien"_qs.arg(options_.MusicFileCount())); }

void TSuperSettingsDialog::chooseMusic() {
  if (!choosers_.chooseFile) return;
  const std::string start = mp3Dir_->text().isEmpty() ? options_.ProgramDirectory() : FromUnicode(mp3Dir_->text());
  const auto file = choosers_.chooseFile(start, u"MP3-Dateien (*.MP3 *.mp3)"_qs);
  if (!file) return;
  const std::string dir = ExtractFilePath(*file);
  mp3Dir_->setText(ToUnicode(dir));
  options_.SetMusicDirectory(dir);
  if (options_.MusicDirectory() != dir) mp3Dir_->setText(ToUnicode(options_.MusicDirectory()));
  showMusicCount();
}

void TSuperSettingsDialog::testMusic() {
  options_.SetMusicDirectory(FromUnicode(mp3Dir_->text()));
  TMusic& music = options_.Music();
  if (music.FileCount() == 0) {
    mp3Info_->setText(u"Keine MP3-Dateien gefunden!"_qs);
    return;
  }
  if (music.ToggleTest()) {
    mp3Test_->setText(u"Stop"_qs);
    mp3Info_->setText(ToUnicode(ExtractFileName(music.CurrentPiece())));
  } else {
    mp3Test_->setText(u"Testen"_qs);
    showMusicCount();
  }
}

void TSuperSettingsDialog::chooseTechnoDir() {
  if (!choosers_.chooseFile) return;
  const std::string start =
      technoDir_->text().isEmpty() ? options_.ProgramDirectory() : FromUnicode(technoDir_->text());
  const auto file = choosers_.chooseFile(start, u"Bilder (800 x 534 Pixel - JPG/BMP) (*.JPG *.jpg *.BMP *.bmp)"_qs);
  if (!file) return;
  technoDir_->setText(ToUnicode(ExtractFilePath(*file)));
  updatePreview();
}

void TSuperSettingsDialog::updatePreview() {
  if (filling_ || !preview_) return;
  const auto rgb = [this](const char* name) {
    return findChild<QPushButton*>(QString::fromLatin1(name))->property("rgb").toInt();
  };
  TTechnoPreview p;
  p.background = rgb("colorBGR");
  p.text = rgb("colorText");
  p.tint = rgb("colorBMP");
  p.pictureDir =
      technoDir_->text().isEmpty() ? std::string() : IncludeTrailingBackslash(FromUnicode(technoDir_->text()));
  p.mode = findChild<QComboBox*>(u"TransparenzModus"_qs)->currentIndex();
  p.transparency = findChild<QSlider*>(u"trTransparenz"_qs)->value();
  p.border = findChild<QSlider*>(u"trRand"_qs)->value();
  const QComboBox* font = findChild<QComboBox*>(u"TechnoSchriften"_qs);
  p.font = font->currentIndex() >= 0 ? FromUnicode(font->currentText()) : options_.Face(&S::TechnoSchrift);
  p.height = preview_->height();
  previewMarkup_ = TechnoPreviewMarkup(p);
  preview_->ShowText(previewMarkup_);
}

}  // namespace vyr
