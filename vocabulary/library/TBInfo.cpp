#include "vocabulary/library/TBInfo.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include <map>

#include "vocabulary/library/LibraryCounts.h"

namespace vyr {
namespace {

// One column of a tab: a group box with a row label and a value per row.
QGroupBox* Column(const char* name, const QStringList& rows, const QStringList& valueNames,
                  const std::map<std::string, int>& values, QWidget* parent) {
  auto* box = new QGroupBox(parent);
  box->setObjectName(QString::fromLatin1(name));
  auto* grid = new QGridLayout(box);
  for (int r = 0; r < rows.size(); ++r) {
    grid->addWidget(new QLabel(rows[r], box), r, 0);
    auto* value = new QLabel(box);
    value->setObjectName(valueNames[r]);
    value->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    value->setMinimumWidth(48);
    value->setText(QString::number(values.at(valueNames[r].toStdString())));
    grid->addWidget(value, r, 1);
  }
  return box;
}

QStringList Names(const char* prefix, int count, const QStringList& tail) {
  QStringList names;
  for (int k = 1; k <= count; ++k) names << QString::fromLatin1(prefix) + QString::number(k);
  return names + tail;
}

}  // namespace

TBInfo::TBInfo(const TVocLib& library, QWidget* parent) : QDialog(parent) {
  setWindowTitle(u"Infos zur Bibliothek"_qs);
  std::map<std::string, int> values;
  for (const auto& [name, value] : CountLabels(CountLibrary(library))) values[name] = value;

  const QStringList classRows = {
      u"Nomen:"_qs,           u"Verben:"_qs,           u"Adjektive:"_qs,       u"Kleine Wörter:"_qs,
      u"Redew. mit Verb:"_qs, u"Redew. ohne Verb:"_qs, u"Vokabeln gesamt:"_qs, u"davon mit Kontext(en):"_qs};
  const QStringList levelRows = {u"Baby:"_qs,      u"Leicht:"_qs,  u"Mittel:"_qs,
                                 u"Schwierig:"_qs, u"Tödlich:"_qs, u"Vokabeln gesamt:"_qs};

  auto* tabs = new QTabWidget(this);
  tabs->setObjectName(u"PageControl"_qs);
  auto* classes = new QWidget(tabs);
  auto* classLayout = new QHBoxLayout(classes);
  QGroupBox* gb1 = Column("GB1", classRows, Names("ED", 6, {u"FGesamt"_qs, u"KF"_qs}), values, classes);
  QGroupBox* gb2 = Column("GB2", classRows, Names("DE", 6, {u"DGesamt"_qs, u"KD"_qs}), values, classes);
  classLayout->addWidget(gb1);
  classLayout->addWidget(gb2);
  tabs->addTab(classes, u"Wortarten"_qs);

  auto* levels = new QWidget(tabs);
  auto* levelLayout = new QHBoxLayout(levels);
  QGroupBox* gb3 = Column("GB3", levelRows, Names("SF", 5, {u"FGesamt2"_qs}), values, levels);
  QGroupBox* gb4 = Column("GB4", levelRows, Names("SD", 5, {u"DGesamt2"_qs}), values, levels);
  levelLayout->addWidget(gb3);
  levelLayout->addWidget(gb4);
  tabs->addTab(levels, u"Schwierigkeitsgrade"_qs);

  // The four captions are set when the dialog is made.
  gb1->setTitle(u"Englisch-Deutsch"_qs);
  gb2->setTitle(u"Deutsch-Englisch"_qs);
  gb3->setTitle(u"Englisch-Deutsch"_qs);
  gb4->setTitle(u"Deutsch-Englisch"_qs);

  auto* ok = new QPushButton(u"&OK"_qs, this);
  ok->setObjectName(u"OKBtn"_qs);
  ok->setDefault(true);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(tabs);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(ok);
  layout->addLayout(buttons);
}

void TBInfo::Show(const TVocLib& library, QWidget* parent) {
  TBInfo dialog(library, parent);
  dialog.exec();
}

}  // namespace vyr
