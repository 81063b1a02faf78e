#include <QProcess>

#include "shell/recordings/RecordingsNotice.h"
#include "tests/shell/recordings/RecordingsFixture.h"
#include "text/Cp1252.h"

namespace vyr::test {
namespace {

TEST_F(RecordingsTest, TheEditorSavesAChangedDatabaseElsewhereWhenItsFileCannotBeWritten) {
  Env().editor = true;
  const std::string blocked = t.dir("vyr\\E_wx.vyr");  // a directory where the file should be
  main().SetFileName(blocked);
  main().Add("zebra", "z.wav");
  main().Add("apple", "a.wav");
  const std::string elsewhere = t.path() + "anders";
  askRecordingsSaveName = [&elsewhere](const std::string& current) { return elsewhere + ".vyr"; };
  messages.answerWith(msg::IdYes);  // save the changes
  messages.answerWith(msg::IdYes);  // elsewhere
  SaveRecordingsAtEditorEnd();
  const auto texts = messages.texts();
  ASSERT_EQ(texts.size(), 3u);
  EXPECT_EQ(texts[0].rfind("Die Datenbank für die Sprachaufnahmen wurde verändert.", 0), 0u);
  EXPECT_EQ(texts[1].rfind("Die Datenbank für die Sprachaufnahmen konnte nicht gespeichert werden.", 0), 0u);
  EXPECT_EQ(texts[2], "Die Datenbank für die Sprachaufnahmen wurde erfolgreich gespeichert.");
  EXPECT_EQ(Inflate(*ReadWholeFile(elsewhere + ".vyr")).value(), Pairs({{"apple", "a.wav"}, {"zebra", "z.wav"}}));
  ReleaseRecordings();
  EXPECT_EQ(TRegistry::CurrentUser().ReadString(kDirectoriesKey, "Datenbank3").value_or(""), elsewhere + ".vyr");
}

TEST_F(RecordingsTest, TheEditorAsksNothingWhenUnchangedOrWriteProtectedAndNoSavesNothing) {
  Env().editor = true;
  const std::string file = t.path() + "db.vyr";
  main().SetFileName(file);
  SaveRecordingsAtEditorEnd();  // unchanged
  main().Add("a", "a.wav");
  Env().writeProtect = true;
  SaveRecordingsAtEditorEnd();
  EXPECT_TRUE(messages.texts().empty());
  Env().writeProtect = false;
  messages.answerWith(msg::IdNo);
  SaveRecordingsAtEditorEnd();
  EXPECT_EQ(messages.texts().size(), 1u);
  EXPECT_FALSE(FileExists(file));
  ReleaseRecordings();
  EXPECT_FALSE(TRegistry::CurrentUser().ReadString(kDirectoriesKey, "Datenbank3").has_value());
}

struct ToolRun {
  int status;
  std::string out, err;
};
ToolRun RunTool(const QStringList& args) {
  QProcess p;
  p.start(QString::fromUtf8(VYR_REC_TOOL), args);
  p.waitForFinished(30000);
  return {p.exitCode(), p.readAllStandardOutput().toStdString(), p.readAllStandardError().toStdString()};
}

TEST_F(RecordingsTest, TheToolDumpsAndLooksUp) {
  const std::string data = Pairs({{"bank (river)", "XE:\\river.wav"}, {"Go", "XE:\\go.wav"}, {"go", "XE:\\x.wav"}});
  const QString file = NativePath(t.file("E_wx.vyr", Deflate(data)));
  const ToolRun dump = RunTool({u"dump"_qs, file});
  EXPECT_EQ(dump.status, 0);
  EXPECT_NE(dump.out.find("\"text\": \"bank (river)\""), std::string::npos);
  EXPECT_EQ(dump.out.find("x.wav"), std::string::npos);  // the first of equal texts

  const ToolRun found = RunTool({u"lookup"_qs, file, u"bank"_qs});
  EXPECT_EQ(found.status, 0);
  EXPECT_NE(found.out.find("\"rule\": \"prefix-bracket\""), std::string::npos);
  const ToolRun none = RunTool({u"lookup"_qs, file, u"haus"_qs});
  EXPECT_EQ(none.status, 1);
  EXPECT_EQ(none.out, "null\n");

  const std::string packed = Deflate(data);
  const QString cut = NativePath(t.file("cut.vyr", packed.substr(0, packed.size() - 6)));
  const ToolRun damaged = RunTool({u"dump"_qs, cut});
  EXPECT_EQ(damaged.status, 1);
  EXPECT_NE(damaged.err.find("Fehler beim Laden von"), std::string::npos);
  EXPECT_EQ(RunTool({u"dump"_qs}).status, 2);
}

}  // namespace
}  // namespace vyr::test
