#pragma once
// Where everything is: the directories, files and flags that the start-up
// settles once and that live for the whole run. Directory values end with
// "\" (course paths, see platform/core/Files.h); an empty value means "not there".
#include <functional>
#include <string>
#include <vector>

namespace vyr {

// The course language code: part of file and directory names.
inline constexpr const char* kCourseCode = "E";
inline constexpr const char* kRegistryBase = "Software\\vyr\\vyr englisch\\5";
inline constexpr const char* kDirectoriesKey = "Software\\vyr\\vyr englisch\\5\\Verzeichnisse";
inline constexpr const char* kIniName = "vyr.ini";
inline constexpr int kDefaultBackdropColour = 8421504;  // dark grey, 0x00BBGGRR

struct TExtension {
  std::string fileName;
  std::string installed;  // the installation date as written in the list
};

struct TEnvironment {
  // command line and mode
  bool windowMode = false;
  bool shortcutRequest = false;
  bool editor = false;              // the reduced start-up of the editor program
  bool startedFromNetwork = false;  // the ini file is then neither read nor written
  bool writeProtect = false;        // ini "Schreibschutz"

  // directories and files
  std::string programDirectory;
  std::string contentRoot;
  std::string userDirectory;
  std::string waveDirectory;         // "XE:"
  std::string extensionRecordings;   // "XX:"
  std::string rechtRecordings;       // "XR:", "-" = configured but not found
  std::string wirtschaftRecordings;  // "XW:", likewise
  std::string ownRecordings;         // "XU:"
  std::string skDirectory;           // "SK:"
  std::string sxDirectory;           // "SX:"
  std::string vocabularyDirectory;
  std::string dictionaryEnglishGerman;
  std::string dictionaryGermanEnglish;
  std::string recordingsDatabase;
  std::string hyperBaseFile;
  std::vector<TExtension> extensions;
  bool extensionDirectoryExists = false;

  // What the ini file names, even when the directory was missing at this
  // start: writing the directories back keeps it instead of erasing it.
  std::string configuredUserDirectory;
  std::string configuredWaveDirectory;
  // A user directory chosen in the path dialog: written back, in effect
  // from the next start (the user base has read its directory already).
  std::string pendingUserDirectory;

  // the current user (empty: nobody logged in) and the display settings
  std::string userName;
  int backdropColour = 0;  // black until a login reads the user's colour
  bool backdropExists = false;
  bool mainWindowExists = false;
  std::function<void()> switchToWindowMode;  // set by the main window

  std::string iniFileName() const { return programDirectory + kIniName; }
};

TEnvironment& Env();
// A fresh environment (tests, and before every start-up).
void ResetEnvironment();

// Sets the user or wave directory and what the ini file is to keep for it.
void SetUserDirectory(const std::string& dir);
void SetWaveDirectory(const std::string& dir);

}  // namespace vyr
