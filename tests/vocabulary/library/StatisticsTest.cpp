#include <gtest/gtest.h>

#include <QApplication>
#include <QGroupBox>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <QTimer>

#include <map>

#include "page/sources/FindFiles.h"
#include "platform/core/Files.h"
#include "text/Cp1252.h"
#include "vocabulary/library/LibraryCounts.h"
#include "vocabulary/library/TBInfo.h"
#include "vocabulary/library/VocLib.h"

namespace vyr {
namespace {

TVokabel Word(bool deutsch, int wortart, int level, const std::string& kontext2 = "") {
  TVokabel e;
  e.Vokabel = "w";
  e.Bedeutung[0] = "m";
  e.Deutsch = deutsch;
  e.Wortart = static_cast<uint8_t>(wortart);
  e.Schwierigkeit = static_cast<uint8_t>(level);
  e.Kontext[1] = kontext2;
  return e;
}

std::map<std::string, int> Labels(const TVocLib& lib) {
  std::map<std::string, int> m;
  for (const auto& [name, value] : CountLabels(CountLibrary(lib))) m[name] = value;
  return m;
}

TEST(LibraryStatistics, CountsByDirectionClassDifficultyAndContext) {
  struct Case {
    const char* what;
    std::vector<TVokabel> entries;
    std::map<std::string, int> nonZero;  // every other label shows 0
  };
  TVokabel incomplete = Word(false, 0, 0);
  incomplete.Bedeutung[0].clear();
  for (const Case& c : {
           Case{"empty library", {}, {}},
           Case{"noun, Mittel, second context",
                {Word(false, 0, 2, "The [*].")},
                {{"ED1", 1}, {"FGesamt", 1}, {"KF", 1}, {"SF3", 1}, {"FGesamt2", 1}}},
           Case{"class 7 and a difficulty past 4",
                {Word(true, 7, 4), Word(true, 5, 9), Word(true, 200, 0)},
                {{"DE6", 1}, {"DGesamt", 3}, {"SD5", 1}, {"SD1", 1}, {"DGesamt2", 3}}},
           Case{"incomplete inside counts, trailing one not",
                {incomplete, Word(false, 1, 1), incomplete},
                {{"ED1", 1}, {"ED2", 1}, {"FGesamt", 2}, {"SF1", 1}, {"SF2", 1}, {"FGesamt2", 2}}},
       }) {
    TVocLib lib;
    lib.Clear(false);
    for (const auto& e : c.entries) lib.AddEntry(e);
    if (c.entries.empty()) lib.AddBlankEntry();
    const auto labels = Labels(lib);
    EXPECT_EQ(labels.size(), 28u);
    for (const auto& [name, value] : labels) {
      const auto it = c.nonZero.find(name);
      EXPECT_EQ(value, it == c.nonZero.end() ? 0 : it->second) << c.what << ": " << name;
    }
  }
}

// The dialog and `vyr-voc stats` show the same numbers for the demo course.
TEST(LibraryStatistics, DialogShowsWhatTheToolPrintsForTheDemoCourse) {
  std::vector<std::string> files;
  FindFiles(CoursePath(QStringLiteral(VYR_INSTALL_DIR)) + "\\Vokabeln (E)\\", &files, ".asc");
  ASSERT_GE(files.size(), 10u);
  QStringList args{u"stats"_qs};
  TVocLib lib;
  for (size_t i = 0; i < files.size(); ++i) {
    args << NativePath(files[i]);
    ASSERT_GT(lib.LoadFile(files[i], i > 0), 0) << files[i];
  }
  QProcess tool;
  tool.start(QStringLiteral(VYR_VOC_TOOL), args);
  ASSERT_TRUE(tool.waitForFinished(30000));
  EXPECT_EQ(tool.exitCode(), 0) << tool.readAllStandardError().toStdString();
  const QJsonObject printed = QJsonDocument::fromJson(tool.readAllStandardOutput()).object();
  const QJsonObject counts = printed[u"counts"_qs].toObject();
  ASSERT_EQ(counts.size(), 28);
  EXPECT_EQ(printed[u"count"_qs].toInt(), lib.EntryCount(false));

  TBInfo dialog(lib);
  EXPECT_EQ(dialog.windowTitle(), u"Infos zur Bibliothek"_qs);
  for (auto it = counts.begin(); it != counts.end(); ++it) {
    auto* label = dialog.findChild<QLabel*>(it.key());
    ASSERT_TRUE(label) << it.key().toStdString();
    EXPECT_EQ(label->text(), QString::number(it.value().toInt())) << it.key().toStdString();
  }
  // The demo course fills both columns of both tabs.
  for (const char* name : {"FGesamt", "DGesamt", "KF", "KD"})
    EXPECT_GT(counts[QString::fromLatin1(name)].toInt(), 0) << name;
  const QStringList captions = {u"Englisch-Deutsch"_qs, u"Deutsch-Englisch"_qs};
  for (int g = 0; g < 4; ++g) {
    auto* box = dialog.findChild<QGroupBox*>(u"GB"_qs + QString::number(g + 1));
    ASSERT_TRUE(box);
    EXPECT_EQ(box->title(), captions[g % 2]);
  }
  auto* tabs = dialog.findChild<QTabWidget*>();
  ASSERT_TRUE(tabs);
  EXPECT_EQ(tabs->tabText(0), u"Wortarten"_qs);
  EXPECT_EQ(tabs->tabText(1), u"Schwierigkeitsgrade"_qs);
}

TEST(LibraryStatistics, OkClosesTheModalDialog) {
  TVocLib lib;
  bool clicked = false;
  QTimer::singleShot(0, [&] {
    auto* dialog = qobject_cast<TBInfo*>(QApplication::activeModalWidget());
    ASSERT_TRUE(dialog);
    auto* ok = dialog->findChild<QPushButton*>(u"OKBtn"_qs);
    ASSERT_TRUE(ok);
    EXPECT_EQ(ok->text(), u"&OK"_qs);
    QTest::mouseClick(ok, Qt::LeftButton);
    clicked = true;
  });
  // Should the click miss, the dialog still closes and the test fails instead of waiting.
  QTimer::singleShot(10000, [] {
    if (QWidget* w = QApplication::activeModalWidget()) w->close();
  });
  TBInfo::Show(lib);
  EXPECT_TRUE(clicked);
}

}  // namespace
}  // namespace vyr
