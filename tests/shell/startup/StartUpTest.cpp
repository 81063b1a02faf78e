#include <gtest/gtest.h>

#include "shell/startup/UserSettings.h"
#include "tests/shell/startup/StartUpFixture.h"

using namespace vyr;
using vyr::test::StartUpTest;

namespace {
const char* const kIncomplete = "*vyr englisch kann nicht gestartet werden!\nDie Installation ist unvollständig.";
}

TEST_F(StartUpTest, DisplayChecks) {
  struct Row {
    TDisplayInfo screen;
    bool starts;
    const char* messageStart;
  };
  for (const Row& r : {Row{{1024, 768, 16}, true, nullptr}, Row{{800, 600, 8}, false, "Nicht genug Farben!"},
                       Row{{640, 480, 32}, false, "Zu geringe Auflösung!"}, Row{{800, 599, 24}, false, "Zu geringe"}}) {
    ResetEnvironment();
    messages->clear();
    SetDisplayOverride(r.screen);
    EXPECT_EQ(start(), r.starts) << r.screen.width << "x" << r.screen.height << "x" << r.screen.depth;
    if (r.messageStart) {
      ASSERT_EQ(shown().size(), 1u);
      EXPECT_EQ(shown()[0].rfind(r.messageStart, 0), 0u) << shown()[0];
      EXPECT_EQ(messages->shown()[0].flags, msg::IconError);
    } else {
      EXPECT_TRUE(shown().empty());
    }
  }
  // The editor checks no display.
  ResetEnvironment();
  SetDisplayOverride(TDisplayInfo{640, 480, 8});
  EXPECT_TRUE(start({}, true));
}

TEST_F(StartUpTest, IncompleteInstallationsAreRefused) {
  RemoveFile(prog + "hvyr\\main.htx");
  EXPECT_FALSE(start());
  EXPECT_EQ(shown(), std::vector<std::string>{kIncomplete});

  // A valid content root from the registry does not help without "Grundwortschatz\".
  SetUp();
  const std::string other = t.dir("anderswo");
  t.file("anderswo\\HVYR\\MAIN.HTX", "x");
  reg().WriteString(kDirectoriesKey, "HVYR", other);
  QDir(NativePath(prog + "Vokabeln (E)\\Grundwortschatz")).removeRecursively();
  EXPECT_FALSE(start());
  EXPECT_EQ(shown(), std::vector<std::string>{kIncomplete});
}

TEST_F(StartUpTest, ContentRootFromRegistryOrProgramDirectory) {
  const std::string other = t.dir("kurs");
  t.file("kurs\\hvyr\\main.htx", "x");
  reg().WriteString(kDirectoriesKey, "HVYR", other.substr(0, other.size() - 1));  // without the "\"
  ASSERT_TRUE(start());
  EXPECT_EQ(Env().contentRoot, other);

  ResetEnvironment();
  reg().WriteString(kDirectoriesKey, "HVYR", t.dir("leer"));  // no start page there
  ASSERT_TRUE(start());
  EXPECT_EQ(Env().contentRoot, prog);
  EXPECT_EQ(Env().vocabularyDirectory, prog + "Vokabeln (E)\\");
}

TEST_F(StartUpTest, IniDirectoriesWithTheirFallbacksAndMessages) {
  const std::string wave = t.dir("cd\\wave");
  t.file("cd\\wave\\VYR_E");
  const std::string users = t.dir("Benutzer Ä");
  ini("[*vyr]\r\nBenutzer-Verzeichnis=" + users + "\r\n[vyr englisch]\r\nWave-Verzeichnis=" + wave +
      "\r\nWave-Erweiterungen=" + t.path() + "fehlt\\\r\nAufnahmen Recht=" + t.path() +
      "recht-fehlt\r\n"
      "Aufnahmen Wirtschaft=\r\n");
  ASSERT_TRUE(start());
  EXPECT_EQ(Env().userDirectory, users);
  EXPECT_EQ(Env().waveDirectory, wave);
  EXPECT_EQ(Env().extensionRecordings, prog + "WaveX_E\\");
  EXPECT_EQ(Env().rechtRecordings, "-");
  EXPECT_EQ(Env().wirtschaftRecordings, "");
  EXPECT_EQ(shown(), std::vector<std::string>{"Das Verzeichnis für die RECHT-Sprachaufnahmen " + t.path() +
                                              "recht-fehlt\\ wurde nicht gefunden!"});
  // "Schreibschutz" was missing: written as 0, off.
  EXPECT_FALSE(Env().writeProtect);
  EXPECT_NE(iniText().find("Schreibschutz=0"), std::string::npos);

  // At shutdown the "-" entry is emptied, the others stay.
  ASSERT_TRUE(SaveDirectories(kSaveRecht | kSaveWirtschaft));
  EXPECT_NE(iniText().find("Aufnahmen Recht=\r\n"), std::string::npos);
  EXPECT_NE(iniText().find("Wave-Verzeichnis=" + wave), std::string::npos);
}

TEST_F(StartUpTest, MissingUserDirectoryWarnsAndIsNotErasedLater) {
  ini("[*vyr]\r\nBenutzer-Verzeichnis=C:\\netz\\benutzer\\\r\nSchreibschutz=1\r\n");
  ASSERT_TRUE(start());
  EXPECT_EQ(Env().userDirectory, "");
  EXPECT_TRUE(Env().writeProtect);
  ASSERT_EQ(shown().size(), 1u);
  EXPECT_EQ(shown()[0],
            "Das Benutzer-Verzeichnis C:\\netz\\benutzer\\ wurde nicht gefunden!\rFür die "
            "Benutzerverwaltung wird auf das lokale Verzeichnis zurückgegriffen.");
  EXPECT_EQ(messages->shown()[0].flags, msg::IconWarning);
  // Writing the directories back (the wave directory changed) keeps the entry.
  SetWaveDirectory(t.dir("w"));
  ASSERT_TRUE(SaveDirectories(kSaveWave));
  EXPECT_NE(iniText().find("Benutzer-Verzeichnis=C:\\netz\\benutzer\\"), std::string::npos);
}

TEST_F(StartUpTest, WaveDirectoryNeedsItsMarker) {
  struct Row {
    bool inIni, inRegistry, onCd, marker;
    bool found;
  };
  for (const Row& r :
       {Row{true, false, false, true, true}, Row{true, false, false, false, false}, Row{false, true, false, true, true},
        Row{false, false, true, true, true}, Row{false, false, true, false, false}}) {
    SetUp();
    static int row = 0;
    const std::string name = "cd" + std::to_string(++row);
    const std::string cd = t.dir(name);
    const std::string wave = t.dir(name + "\\wave");
    if (r.marker) t.file(name + "\\wave\\vyr_e");  // found in any letter case
    if (r.inIni) ini("[vyr englisch]\r\nWave-Verzeichnis=" + wave + "\r\n");
    if (r.inRegistry) reg().WriteString(kDirectoriesKey, "Wave-Dateien", wave);
    if (r.onCd) reg().WriteString(kDirectoriesKey, "CD-Laufwerk", cd);
    ASSERT_TRUE(start());
    EXPECT_EQ(Env().waveDirectory, r.found ? wave : "") << r.inIni << r.inRegistry << r.onCd << r.marker;
    // A wave directory taken from the registry lands in the ini file.
    if (r.inRegistry) {
      EXPECT_NE(iniText().find("Wave-Verzeichnis=" + wave), std::string::npos);
    }
    TearDown();
  }
}

TEST_F(StartUpTest, NetworkInstallationIgnoresAndKeepsTheIniFile) {
  const std::string before = "[*vyr]\r\nBenutzer-Verzeichnis=C:\\fehlt\\\r\n[vyr englisch]\r\nRegister=1\r\n";
  ini(before);
  const std::string wave = t.dir("wave");
  t.file("wave\\VYR_E");
  reg().WriteString(kDirectoriesKey, "Wave-Dateien", wave);
  ASSERT_TRUE(start({}, false, true));
  EXPECT_TRUE(shown().empty());         // the user directory was never looked at
  EXPECT_FALSE(Env().shortcutRequest);  // nor "Register"
  EXPECT_EQ(Env().waveDirectory, wave);
  EXPECT_EQ(iniText(), before);  // not even the wave directory is written
}

TEST_F(StartUpTest, DictionaryAndRecordingsFilesFromRegistryOrDefaults) {
  const std::string mine = t.file("meine\\ed.vyr", "x");
  reg().WriteString(kDirectoriesKey, "Datenbank1", mine);
  reg().WriteString(kDirectoriesKey, "Datenbank2", t.path() + "fehlt.vyr");
  ASSERT_TRUE(start());
  EXPECT_EQ(Env().dictionaryEnglishGerman, mine);
  EXPECT_EQ(Env().dictionaryGermanEnglish, prog + "d_e.vyr");
  EXPECT_EQ(Env().recordingsDatabase, prog + "E_wx.vyr");
  EXPECT_EQ(Env().hyperBaseFile, prog + "hvyr\\E_gaps\\hyper.txt");
}

TEST_F(StartUpTest, SupplementaryDirectoriesNeedTheirDatabases) {
  t.dir("vyr\\E_SK");
  t.file("vyr\\E_SX\\E_sx.vyr", "x");
  ASSERT_TRUE(start());
  EXPECT_EQ(Env().skDirectory, "");  // exists, but without "E_sk.vyr"
  EXPECT_EQ(Env().sxDirectory, prog + "E_SX\\");
}

TEST_F(StartUpTest, SharedObjectsAreCreatedInTheirOrder) {
  std::vector<std::string> order;
  auto step = [&](const char* name) { return [&order, name] { order.push_back(name); }; };
  TStartUpSteps steps{step("library"), step("dictionary"), step("super"),         step("users"),   step("lab"),
                      step("trainer"), step("recordings"), step("supplementary"), step("samples"), step("hyper")};
  ASSERT_TRUE(start(steps));
  EXPECT_EQ(order, (std::vector<std::string>{"library", "dictionary", "super", "users", "lab", "trainer", "recordings",
                                             "supplementary", "samples", "hyper"}));
  order.clear();
  ResetEnvironment();
  ASSERT_TRUE(start(steps, true));  // the editor: no superlearning, lab or hyper base
  EXPECT_EQ(order, (std::vector<std::string>{"library", "dictionary", "users", "trainer", "recordings", "supplementary",
                                             "samples"}));
  // A failed start creates nothing.
  order.clear();
  ResetEnvironment();
  RemoveFile(prog + "hvyr\\main.htx");
  EXPECT_FALSE(start(steps));
  EXPECT_TRUE(order.empty());
}

TEST_F(StartUpTest, ShortcutRequestFromIniAsksAndResets) {
  const std::string desktop = t.dir("Desktop"), programs = t.dir("Programme");
  reg().WriteString("Software\\MicroSoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders", "Desktop", desktop);
  reg().WriteString("Software\\MicroSoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders", "Programs", programs);
  for (int answer : {msg::IdYes, msg::IdNo}) {
    ResetEnvironment();
    RemoveFile(desktop + "vyr englisch.desktop");
    ini("[vyr englisch]\r\nRegister=1\r\n");
    messages->clear();
    messages->answerWith(answer);
    ASSERT_TRUE(start());
    EXPECT_EQ(shown(),
              std::vector<std::string>{"Soll eine Verknüpfung mit vyr englisch auf dem Desktop erzeugt werden?"});
    EXPECT_EQ(FileExists(desktop + "vyr englisch.desktop"), answer == msg::IdYes);
    EXPECT_TRUE(FileExists(programs + "vyr englisch.desktop"));
    EXPECT_NE(iniText().find("Register=0"), std::string::npos);
  }
}

TEST_F(StartUpTest, CommandLine) {
  ParseCommandLine({"WINDOW", "unbekannt", "Register"});
  EXPECT_TRUE(Env().windowMode);
  EXPECT_TRUE(Env().shortcutRequest);
}

TEST_F(StartUpTest, ExtensionListKeepsOnlyCoursePackages) {
  t.file("vyr\\Erweiterungen\\Erweiterungen.txt",
         "E-Reisen.exe\t01.02.2025\r\ne_recht.exe\t03.04.2025\r\nf-franz.exe\t1.1.2025\r\ne-\t\r\n; Kommentar\r\n");
  ASSERT_TRUE(start());
  ASSERT_EQ(Env().extensions.size(), 2u);
  EXPECT_EQ(Env().extensions[0].fileName, "E-Reisen.exe");
  EXPECT_EQ(Env().extensions[0].installed, "01.02.2025");
  EXPECT_EQ(Env().extensions[1].fileName, "e_recht.exe");
}
