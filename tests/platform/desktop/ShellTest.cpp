#include <gtest/gtest.h>

#include <QFile>
#include <QStandardPaths>

#include "platform/core/Files.h"
#include "platform/core/MessageRecorder.h"
#include "platform/core/Random.h"
#include "platform/core/Registry.h"
#include "platform/core/Version.h"
#include "platform/desktop/Shell.h"
#include "tests/common/TempDir.h"

using namespace vyr;
using vyr::test::TTempDir;

TEST(Shortcut, DesktopFileIsCreatedReplacedAndDeleted) {
  TTempDir t;
  TRegistry::CurrentUser().WriteString("Software\\MicroSoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders",
                                       "Desktop", t.path() + "Schreibtisch");
  const std::string exe = t.file("vyr\\vyr_e", "");
  const std::string link = t.path() + "Schreibtisch\\vyr englisch.desktop";
  ASSERT_TRUE(MakeShortcut(exe, "vyr englisch", kDesktopFolder, false));
  ASSERT_TRUE(FileExists(link));
  const std::string text = ReadWholeFile(link).value_or("");
  EXPECT_NE(text.find("Name=vyr englisch"), std::string::npos);
  EXPECT_NE(text.find("Exec=\"" + NativePath(exe).toStdString() + "\""), std::string::npos);
  EXPECT_TRUE(QFile::permissions(NativePath(link)) & QFileDevice::ExeOwner);
  EXPECT_FALSE(FileExists(t.path() + "Schreibtisch\\vyr_e.desktop"));     // renamed to the link name
  ASSERT_TRUE(MakeShortcut(exe, "vyr englisch", kDesktopFolder, false));  // again: replaced
  ASSERT_TRUE(MakeShortcut(exe, "vyr englisch", kDesktopFolder, true));
  EXPECT_FALSE(FileExists(link));
  // Kinds without a folder do nothing.
  EXPECT_FALSE(MakeShortcut(exe, "vyr englisch", kSendToFolder, false));
  TRegistry::CurrentUser().DeleteKey("Software\\MicroSoft");
}

TEST(Shortcut, ProgramsFolderIsTheApplicationsMenu) {
  EXPECT_EQ(ShortcutFolder(kProgramsFolder),
            CoursePath(QStandardPaths::writableLocation(QStandardPaths::ApplicationsLocation)));
  EXPECT_EQ(ShortcutFolder(kQuickLaunchFolder), "");
}

TEST(Messages, RecorderAnswersAndRecords) {
  TMessageRecorder rec({msg::IdNo});
  EXPECT_EQ(ShowCourseMessage("Frage?", msg::YesNo | msg::IconQuestion), msg::IdNo);
  EXPECT_EQ(ShowCourseMessage("Hinweis"), msg::IdOk);
  ASSERT_EQ(rec.shown().size(), 2u);
  EXPECT_EQ(rec.shown()[0].text, "Frage?");
  EXPECT_EQ(rec.shown()[0].flags, msg::YesNo | msg::IconQuestion);
}

TEST(ShellOpen, HandlerSeesTheTarget) {
  std::string seen;
  SetShellOpenHandler([&](const std::string& t) {
    seen = t;
    return true;
  });
  EXPECT_TRUE(ShellOpen("http://example.invalid/"));
  EXPECT_EQ(seen, "http://example.invalid/");
  SetShellOpenHandler({});
}

TEST(Random, FixedSeedRepeatsAndRangesHold) {
  SetRandomSeed(42);
  std::vector<int> a, b;
  for (int i = 0; i < 20; ++i) a.push_back(RandomInt(5));
  SetRandomSeed(42);
  for (int i = 0; i < 20; ++i) b.push_back(RandomInt(5));
  EXPECT_EQ(a, b);
  for (int v : a) EXPECT_TRUE(v >= 0 && v < 5);
  EXPECT_EQ(RandomInt(0), 0);
  EXPECT_EQ(RandomInt(-3), 0);
}

TEST(Version, FourNumbersFormatted) {
  const TVersion v = ProgramVersionNumbers();
  EXPECT_EQ(ProgramVersion(), std::to_string(v.major) + "." + std::to_string(v.minor) + std::to_string(v.release) +
                                  std::to_string(v.build));
}
