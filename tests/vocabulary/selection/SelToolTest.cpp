// vyr-sel: selection lists and trainer settings files as JSON, and a German
// message with status 1 for a file it cannot read.
#include <gtest/gtest.h>

#include <QJsonArray>

#include "platform/core/Files.h"
#include "tests/common/TempDir.h"
#include "tests/common/ToolRun.h"

namespace vyr {
namespace {

using test::TTempDir;

using test::RunJsonTool;
using test::TToolRun;

TToolRun RunTool(const char* command, const std::string& file) {
  return RunJsonTool(QStringLiteral(VYR_SEL_TOOL), {QString::fromLatin1(command), NativePath(file)});
}

// Every line with the reason it takes no name, and the names taken; the
// Windows-1252 "ü" comes out as Unicode.
TEST(SelTool, ListShowsEveryLineAndWhyItIsRefused) {
  TTempDir dir;
  struct Case {
    std::string text;
    QJsonArray refused;  // per line: "" when the line takes its name
    QJsonArray taken;
  };
  for (const Case& c : {
           Case{"\xEF\xBB\xBFReise\\Gr\xFC\xDF"
                "e.asc\r\n\r\n..\\geheim.asc\nC:\\x.asc\nA\x01.asc\nreise/GR\xDC\xDF"
                "E.ASC\n",
                {u""_qs, u"empty"_qs, u"outside"_qs, u"outside"_qs, u"control"_qs, u"repeated"_qs},
                {u"Reise\\Grüße.asc"_qs}},
           Case{"  a.asc  \rb.asc", {u""_qs, u""_qs}, {u"a.asc"_qs, u"b.asc"_qs}},
           Case{"", {}, {}},
       }) {
    SCOPED_TRACE(c.text);
    const TToolRun run = RunTool("list", dir.file("Auswahl.xsl", c.text));
    ASSERT_EQ(run.status, 0) << run.errors.toStdString();
    const QJsonArray lines = run.json[u"lines"_qs].toArray();
    ASSERT_EQ(lines.size(), c.refused.size());
    for (int i = 0; i < lines.size(); ++i) {
      EXPECT_EQ(lines[i][u"line"_qs].toInt(), i + 1);
      EXPECT_EQ(lines[i][u"refused"_qs].toString(), c.refused[i].toString()) << i;
    }
    EXPECT_EQ(run.json[u"taken"_qs].toArray(), c.taken);
  }
}

// The values after clamping, under their key names.
TEST(SelTool, SettingsShowsTheClampedValues) {
  TTempDir dir;
  struct Case {
    std::string ini;
    QJsonObject expected;
  };
  for (const Case& c : {
           Case{"[*vyr]\r\nModus=42\r\nMinScore=500\r\nMaxScore=-300\r\nMultiple Choice/Eintippen=150\r\n"
                "Wortarten=abc\r\nSelection=..\\\r\nRichtung=zur\xC3\xBC"
                "ck\r\nNichtZuSchwer2=0\r\n",
                {{u"Modus"_qs, 0},
                 {u"MinScore"_qs, -100},
                 {u"MaxScore"_qs, 100},
                 {u"Multiple Choice/Eintippen"_qs, 100},
                 {u"Wortarten"_qs, 16777215},
                 {u"Selection"_qs, u"Grundwortschatz\\"_qs},
                 {u"ownList"_qs, false},
                 {u"Richtung"_qs, 2},  // UTF-8 is not the word the learner writes
                 {u"NichtZuSchwer"_qs, QJsonArray{true, false, true, true, true}}}},
           Case{"[*VYR]\nselection=\nRichtung=zur\xFC"
                "ck\nmodus=7\nMinScore=20\nMaxScore=-20\n",
                {{u"Selection"_qs, u""_qs},
                 {u"ownList"_qs, true},
                 {u"Richtung"_qs, 1},
                 {u"Modus"_qs, 7},
                 {u"modusName"_qs, u"vegas"_qs},
                 {u"MinScore"_qs, -20},
                 {u"MaxScore"_qs, 20}}},
           Case{"Modus=3\n", {{u"section"_qs, false}, {u"Modus"_qs, 0}, {u"Selection"_qs, u"Grundwortschatz\\"_qs}}},
       }) {
    SCOPED_TRACE(c.ini);
    const std::string file = dir.file("prefs.ini", c.ini);
    const TToolRun run = RunTool("settings", file);
    ASSERT_EQ(run.status, 0) << run.errors.toStdString();
    for (auto it = c.expected.begin(); it != c.expected.end(); ++it)
      EXPECT_EQ(run.json[it.key()], it.value()) << it.key().toStdString();
    EXPECT_EQ(ReadWholeFile(file).value_or(""), c.ini);  // only read
  }
}

TEST(SelTool, RefusesWhatItCannotRead) {
  TTempDir dir;
  const std::string huge = dir.file("riesig.xsl", std::string((size_t(4) << 20) + 1, 'a'));
  for (const auto& [command, file] :
       {std::pair{"list", dir.path() + "fehlt.xsl"}, std::pair{"list", huge}, std::pair{"list", dir.dir("Ordner")},
        std::pair{"settings", dir.path() + "fehlt.ini"}}) {
    SCOPED_TRACE(file);
    const TToolRun run = RunTool(command, file);
    EXPECT_EQ(run.status, 1);
    EXPECT_TRUE(run.errors.contains(u"Die Datei "_qs)) << run.errors.toStdString();
    EXPECT_TRUE(run.json.isEmpty());
  }
}

}  // namespace
}  // namespace vyr
