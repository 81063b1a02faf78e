#include "shell/startup/StartUp.h"

#include <sys/vfs.h>
#include <QCoreApplication>
#include <QGuiApplication>

#include "platform/core/Files.h"
#include "platform/core/IniFile.h"
#include "platform/core/Messages.h"
#include "platform/core/Random.h"
#include "platform/core/Registry.h"
#include "platform/desktop/Display.h"
#include "platform/desktop/Shell.h"
#include "shell/startup/Environment.h"
#include "shell/startup/UserSettings.h"
#include "text/Case.h"

namespace vyr {
namespace {

const char* const kColoursMessage =
    "Nicht genug Farben!\r\r*vyr englisch benötigt mehr als 256 Farben bei einer Auflösung\rvon (mindestens) "
    "800 x 600 Pixel. Bitte ändern Sie die Farben\rauf High Color (16 Bit) oder True-Color (24 bzw. 32 "
    "Bit).\r\rTip:\rBei den meisten Grafikkarten ändert man die Auflösung in der\rSystemsteuerung unter "
    "\"Anzeige\" auf Seite \"Einstellungen\".";
const char* const kResolutionMessage =
    "Zu geringe Auflösung!\r\r*vyr englisch benötigt eine Auflösung von 800 x 600 Pixel\rbei mehr als 256 "
    "Farben (High Color oder True Color).\rBitte ändern Sie die Auflösung auf 800 x 600 Pixel.\r\rTip:\rBei "
    "den meisten Grafikkarten ändert man die Auflösung in der\rSystemsteuerung unter \"Anzeige\" auf Seite "
    "\"Einstellungen\".";
const char* const kIncompleteMessage =
    "*vyr englisch kann nicht gestartet werden!\nDie Installation ist unvollständig.";

void Run(const std::function<void()>& step) {
  if (step) step();
}

// A directory value as the programs keep it: ending with "\" (empty stays empty).
std::string AsDirectory(const std::string& value) {
  return value.empty() || value == "-" ? value : IncludeTrailingBackslash(value);
}

// Remote file systems are what a network path was: an installation shared by
// several machines, whose ini file is not this machine's to read or write.
bool OnNetworkFileSystem(const std::string& dir) {
  struct statfs fs {};
  if (::statfs(NativePath(dir).toLocal8Bit().constData(), &fs) != 0) return false;
  switch (static_cast<unsigned long>(fs.f_type)) {
    case 0x6969UL:      // NFS
    case 0x517BUL:      // SMB
    case 0xFF534D42UL:  // CIFS
    case 0xFE534D42UL:  // SMB2
    case 0x564C:        // NCP
      return true;
    default: return false;
  }
}

bool CheckDisplay() {
  const TDisplayInfo d = PrimaryDisplay();
  if (d.depth <= 8) {
    ShowCourseMessage(kColoursMessage, msg::IconError);
    return false;
  }
  if (d.width < 800 || d.height < 600) {
    ShowCourseMessage(kResolutionMessage, msg::IconError);
    return false;
  }
  return true;
}

void ReadIniFile() {
  TEnvironment& env = Env();
  TIniFile ini(env.iniFileName());

  const std::string user = AsDirectory(ini.ReadString("*vyr", "Benutzer-Verzeichnis"));
  env.userDirectory = env.configuredUserDirectory = user;
  if (!user.empty() && !DirectoryExists(user)) {
    ShowCourseMessage("Das Benutzer-Verzeichnis " + user + " wurde nicht gefunden!" + "\r" +
                          "Für die Benutzerverwaltung wird auf das lokale Verzeichnis zurückgegriffen.",
                      msg::IconWarning);
    env.userDirectory.clear();
  }

  const std::string wave = AsDirectory(ini.ReadString("vyr englisch", "Wave-Verzeichnis"));
  env.configuredWaveDirectory = wave;
  env.waveDirectory = !wave.empty() && FileExists(wave + "VYR_" + kCourseCode) ? wave : std::string();

  const std::string extensions = AsDirectory(ini.ReadString("vyr englisch", "Wave-Erweiterungen"));
  env.extensionRecordings = !extensions.empty() && DirectoryExists(extensions)
                                ? extensions
                                : env.programDirectory + "WaveX_" + kCourseCode + "\\";

  const std::string recht = AsDirectory(ini.ReadString("vyr englisch", "Aufnahmen Recht"));
  env.rechtRecordings = recht;
  if (!recht.empty() && !DirectoryExists(recht)) {
    ShowCourseMessage("Das Verzeichnis für die RECHT-Sprachaufnahmen " + recht + " wurde nicht gefunden!");
    env.rechtRecordings = "-";
  }
  const std::string wirtschaft = AsDirectory(ini.ReadString("vyr englisch", "Aufnahmen Wirtschaft"));
  env.wirtschaftRecordings = wirtschaft;
  if (!wirtschaft.empty() && !DirectoryExists(wirtschaft)) {
    ShowCourseMessage("Das Verzeichnis für die WIRTSCHAFT-Sprachaufnahmen " + wirtschaft + " wurde nicht gefunden!");
    env.wirtschaftRecordings = "-";
  }

  if (ini.ValueExists("*vyr", "Schreibschutz")) {
    env.writeProtect = ini.ReadInteger("*vyr", "Schreibschutz", 0) == 1;
  } else {
    ini.WriteInteger("*vyr", "Schreibschutz", 0);  // a read-only installation simply keeps it missing
    env.writeProtect = false;
  }

  if (!env.shortcutRequest && ini.ReadInteger("vyr englisch", "Register", 0) == 1) {
    ini.WriteInteger("vyr englisch", "Register", 0);
    env.shortcutRequest = true;
  }
}

std::string FileOrDefault(const std::optional<std::string>& value, const std::string& fallback) {
  return value && !value->empty() && FileExists(*value) ? *value : fallback;
}

void ReadRegistryDirectories() {
  TEnvironment& env = Env();
  const TRegistry& reg = TRegistry::CurrentUser();
  const char* key = kDirectoriesKey;
  const std::string marker = std::string("VYR_") + kCourseCode;

  const std::string root = AsDirectory(reg.ReadString(key, "HVYR").value_or(""));
  if (!root.empty() && FileExists(root + "hvyr\\main.htx")) env.contentRoot = root;
  else if (FileExists(env.programDirectory + "hvyr\\main.htx")) env.contentRoot = env.programDirectory;
  else env.contentRoot.clear();

  if (env.waveDirectory.empty()) {
    const std::string wave = AsDirectory(reg.ReadString(key, "Wave-Dateien").value_or(""));
    if (!wave.empty() && FileExists(wave + marker)) {
      SetWaveDirectory(wave);
      SaveDirectories(kSaveWave);
    }
  }
  if (env.waveDirectory.empty()) {
    const std::string drive = reg.ReadString(key, "CD-Laufwerk").value_or("");
    if (!drive.empty()) {
      const std::string wave = IncludeTrailingBackslash(drive) + "wave\\";
      if (FileExists(wave + marker)) env.waveDirectory = wave;
    }
  }

  const std::string vocabulary = env.programDirectory + "Vokabeln (" + kCourseCode + ")\\";
  env.vocabularyDirectory = DirectoryExists(vocabulary + "Grundwortschatz\\") ? vocabulary : std::string();
  if (env.vocabularyDirectory.empty()) return;

  env.dictionaryEnglishGerman = FileOrDefault(reg.ReadString(key, "Datenbank1"), env.programDirectory + "e_d.vyr");
  env.dictionaryGermanEnglish = FileOrDefault(reg.ReadString(key, "Datenbank2"), env.programDirectory + "d_e.vyr");
  env.recordingsDatabase = FileOrDefault(reg.ReadString(key, "Datenbank3"), env.programDirectory + "E_wx.vyr");
}

void MakeShortcuts() {
  const std::string exe = Env().programDirectory + "vyr_e";
  if (ShowCourseMessage("Soll eine Verknüpfung mit vyr englisch auf dem Desktop erzeugt werden?",
                        msg::YesNo | msg::IconQuestion) == msg::IdYes)
    MakeShortcut(exe, "vyr englisch", kDesktopFolder, false);
  MakeShortcut(exe, "vyr englisch", kProgramsFolder, false);
}

// Without "E_sk.vyr" (or "E_sx.vyr") in it the directory counts as absent.
void CheckSupplementaryDirectory(std::string& dir, const char* database) {
  if (!dir.empty() && !FileExists(dir + database)) dir.clear();
}

}  // namespace

void ParseCommandLine(const std::vector<std::string>& args) {
  for (const std::string& a : args) {
    const std::string arg = LowerCase(a);
    if (arg == "window") Env().windowMode = true;
    else if (arg == "register") Env().shortcutRequest = true;
  }
}

bool StartUp(const TStartUpSteps& steps, const TStartUpOptions& options) {
  TEnvironment& env = Env();
  env.editor = options.editor;

  // 1. title, random generator, program directory
  if (!options.editor) QGuiApplication::setApplicationDisplayName(u"vyr englisch"_qs);
  Randomize();
  env.programDirectory = IncludeTrailingBackslash(
      options.programDirectory.empty() ? CoursePath(QCoreApplication::applicationDirPath()) : options.programDirectory);
  env.startedFromNetwork =
      options.networkPath.value_or(IsNetworkPath(env.programDirectory) || OnNetworkFileSystem(env.programDirectory));

  // 2.-3. the display
  if (!options.editor && !CheckDisplay()) return false;

  // 4.-5. ini file and registry
  env.extensionRecordings = env.programDirectory + "WaveX_" + kCourseCode + "\\";
  if (!env.startedFromNetwork) ReadIniFile();
  ReadRegistryDirectories();

  // 6. a complete installation
  if (env.contentRoot.empty() || env.vocabularyDirectory.empty()) {
    ShowCourseMessage(kIncompleteMessage, msg::IconError);
    return false;
  }

  // 7. SK and SX directories
  const std::string sk = env.programDirectory + kCourseCode + "_SK\\";
  const std::string sx = env.programDirectory + kCourseCode + "_SX\\";
  env.skDirectory = DirectoryExists(sk) ? sk : std::string();
  env.sxDirectory = DirectoryExists(sx) ? sx : std::string();

  // 8. shortcuts
  if (!options.editor && env.shortcutRequest) MakeShortcuts();

  // 9.-14. the shared objects
  Run(steps.createLibrary);
  Run(steps.createDictionary);
  if (!options.editor) Run(steps.createSuperOptions);
  Run(steps.createUserBaseAndLogin);
  // Nobody logged in: the display settings saved for "Anonym" at the last
  // shutdown (the backdrop stays black when none are saved).
  if (!options.editor && env.userName.empty() && TRegistry::CurrentUser().ValueExists(UserSettingsKey(), "Hintergrund"))
    ReadUserSettings();
  if (options.editor) {
    // The editor logs nobody in: only the own recordings of "Anonym".
    env.ownRecordings = ReadOwnRecordings();
  } else {
    Run(steps.createLabTopics);
  }
  Run(steps.connectTrainerSettings);

  // 15. the main recordings database
  Run(steps.createRecordingsDatabase);

  // 16. installed extensions
  if (!options.editor) ReadExtensionList();

  // 17. supplementary recordings
  CheckSupplementaryDirectory(env.skDirectory, "E_sk.vyr");
  CheckSupplementaryDirectory(env.sxDirectory, "E_sx.vyr");
  Run(steps.loadSupplementaryRecordings);

  // 18. sample player and hyper base
  Run(steps.createSamplePlayer);
  if (!options.editor) {
    env.hyperBaseFile = env.programDirectory + "hvyr\\" + kCourseCode + "_gaps\\hyper.txt";
    Run(steps.createHyperBase);
  }
  return true;
}

void ReadExtensionList() {
  TEnvironment& env = Env();
  env.extensions.clear();
  const std::string dir = env.programDirectory + "Erweiterungen\\";
  env.extensionDirectoryExists = DirectoryExists(dir);
  if (!env.extensionDirectoryExists) return;
  const auto data = ReadWholeFile(dir + "Erweiterungen.txt", nullptr, 4u << 20);
  if (!data) return;
  size_t start = 0;
  while (start < data->size()) {
    size_t end = data->find_first_of("\r\n", start);
    if (end == std::string::npos) end = data->size();
    const std::string line = data->substr(start, end - start);
    start = end + 1;
    const size_t tab = line.find('\t');
    TExtension e{line.substr(0, tab), tab == std::string::npos ? std::string() : line.substr(tab + 1)};
    const std::string lower = LowerCase(e.fileName);
    if (lower.size() > 2 && (lower.compare(0, 2, "e-") == 0 || lower.compare(0, 2, "e_") == 0))
      env.extensions.push_back(e);
  }
}

int ResolveAlias(const std::string& path, std::string& fullPath) {
  const TEnvironment& env = Env();
  fullPath.clear();
  const std::string prefix = UpperCase(path.substr(0, 3));
  struct Alias {
    const char* prefix;
    const std::string* dir;
    int whenEmpty;
  };
  const Alias aliases[] = {
      {"XE:", &env.waveDirectory, kAliasNotFound},
      {"XX:", &env.extensionRecordings, kAliasNotConfigured},
      {"XU:", &env.ownRecordings, kAliasNotConfigured},
      {"XR:", &env.rechtRecordings, kAliasNotConfigured},
      {"XW:", &env.wirtschaftRecordings, kAliasNotConfigured},
      {"SK:", &env.skDirectory, kAliasNotFound},
      {"SX:", &env.sxDirectory, kAliasNotFound},
  };
  std::string candidate = path;
  for (const Alias& a : aliases) {
    if (prefix != a.prefix) continue;
    if (a.dir->empty()) return a.whenEmpty;
    // "-" marks a RECHT or WIRTSCHAFT directory that was not found: it never exists.
    if (*a.dir == "-") return kAliasNotFound;
    candidate = IncludeTrailingBackslash(*a.dir) + (path.size() > 4 ? path.substr(4) : std::string());
    break;
  }
  if (!candidate.empty() && FileExists(candidate)) {
    fullPath = candidate;
    return kAliasFound;
  }
  return kAliasNotFound;
}

bool SaveDirectories(int flags) {
  TEnvironment& env = Env();
  bool ok = true;
  // Started from a network path the ini file was not read, so it is not
  // this start's to write either.
  const std::string userToWrite = !env.pendingUserDirectory.empty() ? env.pendingUserDirectory
                                  : !env.userDirectory.empty()      ? env.userDirectory
                                                                    : env.configuredUserDirectory;
  const bool writeIni = !env.startedFromNetwork && (((flags & kSaveUser) && !userToWrite.empty()) ||
                                                    ((flags & kSaveWave) && !env.waveDirectory.empty()) ||
                                                    ((flags & kSaveWirtschaft) && !env.wirtschaftRecordings.empty()) ||
                                                    ((flags & kSaveRecht) && !env.rechtRecordings.empty()));
  if (writeIni) {
    TIniFile ini(env.iniFileName());
    // A directory that was only missing at this start keeps its entry.
    const std::string& user = userToWrite;
    const std::string wave = env.waveDirectory.empty() ? env.configuredWaveDirectory : env.waveDirectory;
    ok = ini.WriteString("*vyr", "Benutzer-Verzeichnis", user) && ok;
    ok = ini.WriteString("vyr englisch", "Wave-Verzeichnis", wave) && ok;
    // A directory marked "-" was not found at start: its entry is emptied.
    auto recordings = [](const std::string& dir) { return dir == "-" ? std::string() : dir; };
    if (flags & kSaveRecht)
      ok = ini.WriteString("vyr englisch", "Aufnahmen Recht", recordings(env.rechtRecordings)) && ok;
    if (flags & kSaveWirtschaft)
      ok = ini.WriteString("vyr englisch", "Aufnahmen Wirtschaft", recordings(env.wirtschaftRecordings)) && ok;
    if (!ok)
      ShowCourseMessage("Die Verzeichnisse konnten nicht in der Datei " + env.iniFileName() +
                            " gespeichert werden.\rBitte prüfen Sie, ob das Programmverzeichnis beschreibbar ist.",
                        msg::IconWarning);
  }
  if (flags & ~(kSaveWave | kSaveUser)) {
    TRegistry& reg = TRegistry::CurrentUser();
    reg.CreateKey(kDirectoriesKey);
    // The own recordings belong to the user: they are read at login from the
    // user's settings key (then from "Verzeichnisse"), so both hold them.
    if ((flags & kSaveOwnRecordings) && !env.ownRecordings.empty()) {
      reg.WriteString(kDirectoriesKey, "Eigene Waves", env.ownRecordings);
      reg.CreateKey(UserSettingsKey());
      reg.WriteString(UserSettingsKey(), "Eigene Waves", env.ownRecordings);
    }
  }
  return ok;
}

}  // namespace vyr
