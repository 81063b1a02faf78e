#include <gtest/gtest.h>

#include "platform/core/Files.h"
#include "platform/core/IniFile.h"
#include "platform/core/Registry.h"
#include "tests/common/TempDir.h"

using namespace vyr;
using vyr::test::TTempDir;

namespace {
class RegistryTest : public ::testing::Test {
 protected:
  void SetUp() override {
    RemoveFile(TRegistry::CurrentUser().fileName());
    TRegistry::Reload();
  }
  void TearDown() override { TRegistry::Reload(); }
};
}  // namespace

TEST_F(RegistryTest, ValuesSurviveAReloadWithUmlautsAndAnyCase) {
  TRegistry& reg = TRegistry::CurrentUser();
  ASSERT_TRUE(
      reg.WriteString("Software\\vyr\\vyr englisch\\5\\Jürgen", "Eigene Waves", "C:\\Jürgen's \"Aufnahmen\"\\"));
  ASSERT_TRUE(reg.WriteInteger("Software\\vyr\\vyr englisch\\5\\Jürgen", "Hintergrund", -8421504));
  ASSERT_TRUE(reg.WriteBool("Software\\vyr\\vyr englisch\\5\\Jürgen", "Fenster-Modus", true));
  TRegistry::Reload();
  const TRegistry& back = TRegistry::CurrentUser();
  const char* key = "SOFTWARE\\VYR\\Vyr Englisch\\5\\JÜRGEN";
  EXPECT_EQ(back.ReadString(key, "eigene waves").value_or(""), "C:\\Jürgen's \"Aufnahmen\"\\");
  EXPECT_EQ(back.ReadInteger(key, "HINTERGRUND").value_or(0), -8421504);
  EXPECT_EQ(back.ReadBool(key, "Fenster-Modus"), std::optional<bool>(true));
  // A value of the other type reads as missing.
  EXPECT_FALSE(back.ReadInteger(key, "Eigene Waves"));
  EXPECT_FALSE(back.ReadString(key, "Hintergrund"));
  EXPECT_FALSE(back.ReadString("Software\\fehlt", "x"));
}

TEST_F(RegistryTest, DeletingAKeyTakesItsSubtreeAndNothingElse) {
  TRegistry& reg = TRegistry::CurrentUser();
  reg.WriteString("A\\B\\C", "x", "1");
  reg.WriteString("A\\B", "y", "2");
  reg.WriteString("A\\Bx", "z", "3");
  ASSERT_TRUE(reg.DeleteKey("a\\b"));
  TRegistry::Reload();
  EXPECT_FALSE(TRegistry::CurrentUser().KeyExists("A\\B\\C"));
  EXPECT_FALSE(TRegistry::CurrentUser().KeyExists("A\\B"));
  EXPECT_EQ(TRegistry::CurrentUser().ReadString("A\\Bx", "z").value_or(""), "3");
  EXPECT_EQ(TRegistry::CurrentUser().SubKeys("A"), std::vector<std::string>{"Bx"});
}

TEST_F(RegistryTest, ABrokenFileReadsWhatItCanAndIsKeptAside) {
  const std::string file = TRegistry::CurrentUser().fileName();
  WriteWholeFile(file, "[K]\r\n\"gut\"=\"ja\"\r\nMüll ohne Sinn\r\n\"zahl\"=dword:12x\r\n\x01\x02\r\n");
  TRegistry::Reload();
  TRegistry& reg = TRegistry::CurrentUser();
  EXPECT_EQ(reg.ReadString("K", "gut").value_or(""), "ja");
  EXPECT_FALSE(reg.ReadInteger("K", "zahl"));
  ASSERT_TRUE(reg.WriteString("K", "neu", "1"));
  EXPECT_TRUE(FileExists(file + ".defekt"));
  EXPECT_NE(ReadWholeFile(file + ".defekt").value_or("").find("ohne Sinn"), std::string::npos);
  // An empty file is an empty tree.
  WriteWholeFile(file, "");
  TRegistry::Reload();
  EXPECT_FALSE(TRegistry::CurrentUser().KeyExists("K"));
}

TEST_F(RegistryTest, ABatchWritesTheFileOnceAtItsEnd) {
  TRegistry& reg = TRegistry::CurrentUser();
  const std::string file = reg.fileName();
  ASSERT_TRUE(reg.WriteInteger("K", "vorher", 1));
  const std::string before = ReadWholeFile(file).value_or("");
  reg.BeginBatch();
  reg.BeginBatch();  // nested: only the outermost end writes
  EXPECT_TRUE(reg.WriteString("K\\Neu", "a", "x"));
  EXPECT_TRUE(reg.WriteInteger("K", "vorher", 2));
  EXPECT_TRUE(reg.EndBatch());
  EXPECT_EQ(ReadWholeFile(file).value_or(""), before);
  EXPECT_EQ(reg.ReadInteger("K", "vorher").value_or(0), 2);  // read back from memory meanwhile
  EXPECT_TRUE(reg.EndBatch());
  TRegistry::Reload();
  EXPECT_EQ(TRegistry::CurrentUser().ReadString("K\\Neu", "a").value_or(""), "x");
  EXPECT_EQ(TRegistry::CurrentUser().ReadInteger("K", "vorher").value_or(0), 2);
}

TEST_F(RegistryTest, AFailedBatchWriteIsReportedAndTriedAgain) {
  TTempDir dir;
  const QByteArray old = qgetenv("VYR_REGISTRY");
  // A registry file below a regular file can never be written.
  const std::string blocker = dir.file("datei");
  qputenv("VYR_REGISTRY", NativePath(blocker + "\\registry.txt").toLocal8Bit());
  TRegistry::Reload();
  TRegistry& reg = TRegistry::CurrentUser();
  reg.BeginBatch();
  reg.WriteInteger("K", "x", 1);
  EXPECT_FALSE(reg.EndBatch());
  // Once the place is writable, an empty batch writes what is still pending.
  RemoveFile(blocker);
  reg.BeginBatch();
  EXPECT_TRUE(reg.EndBatch());
  EXPECT_NE(ReadWholeFile(reg.fileName()).value_or("").find("dword:1"), std::string::npos);
  qputenv("VYR_REGISTRY", old);
}

TEST(IniFile, PrivateProfileSemantics) {
  TTempDir t;
  const std::string name = t.file("vyr.ini",
                                  "; Kommentar bleibt\r\n[*vyr]\r\n  Benutzer-Verzeichnis =  C:\\Benutzer\\ \r\n"
                                  "\r\n[vyr englisch]\r\nWave-Verzeichnis=\"C:\\wave\\\"\r\nRegister=1\r\n");
  TIniFile ini(name);
  EXPECT_EQ(ini.ReadString("*VYR", "benutzer-verzeichnis"), "C:\\Benutzer\\");
  EXPECT_EQ(ini.ReadString("VYR ENGLISCH", "wave-verzeichnis"), "C:\\wave\\");  // quotes go
  EXPECT_EQ(ini.ReadInteger("vyr englisch", "Register", 0), 1);
  EXPECT_EQ(ini.ReadInteger("vyr englisch", "fehlt", 7), 7);
  EXPECT_EQ(ini.ReadString("fehlt", "x", "vorgabe"), "vorgabe");
  EXPECT_TRUE(ini.ValueExists("*vyr", "Benutzer-Verzeichnis"));
  EXPECT_FALSE(ini.ValueExists("*vyr", "Schreibschutz"));

  ASSERT_TRUE(ini.WriteInteger("vyr englisch", "register", 0));
  ASSERT_TRUE(ini.WriteInteger("*vyr", "Schreibschutz", 0));
  ASSERT_TRUE(ini.WriteString("Neu", "Schlüssel", "Wert mit Ümlaut"));
  EXPECT_EQ(ReadWholeFile(name).value_or(""),
            "; Kommentar bleibt\r\n[*vyr]\r\n  Benutzer-Verzeichnis =  C:\\Benutzer\\ \r\nSchreibschutz=0\r\n"
            "\r\n[vyr englisch]\r\nWave-Verzeichnis=\"C:\\wave\\\"\r\nregister=0\r\n\r\n[Neu]\r\nSchlüssel=Wert mit "
            "Ümlaut\r\n");
  EXPECT_EQ(ini.ReadSection("vyr englisch"), (std::vector<std::string>{"Wave-Verzeichnis", "register"}));
}

TEST(IniFile, MissingFileReadsDefaultsAndIsCreatedOnWrite) {
  TTempDir t;
  TIniFile ini(t.path() + "neu.ini");
  EXPECT_EQ(ini.ReadString("a", "b", "d"), "d");
  EXPECT_FALSE(ini.SectionExists("a"));
  ASSERT_TRUE(ini.WriteString("a", "b", "c"));
  EXPECT_EQ(ReadWholeFile(t.path() + "neu.ini").value_or(""), "[a]\r\nb=c\r\n");
  EXPECT_FALSE(TIniFile(t.path() + "kein\\verzeichnis\\x.ini").WriteString("a", "b", "c"));
}
