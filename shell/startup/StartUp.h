#pragma once
// shell/startup: command line, start-up, environment, directories, the
// settings key, the accent cycle and the shared objects of the run.
//
// The start-up of both programs: command line, display checks, ini file and
// registry, directories and path aliases, then the shared objects in their
// fixed order. The objects that other subsystems own are created through the
// steps below; an empty step is skipped.
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace vyr {

void ParseCommandLine(const std::vector<std::string>& args);

struct TStartUpSteps {
  std::function<void()> createLibrary;             // vocabulary library
  std::function<void()> createDictionary;          // German-English, then English-German
  std::function<void()> createSuperOptions;        // superlearning options with the music player
  std::function<void()> createUserBaseAndLogin;    // user base and the login (editor: no login)
  std::function<void()> createLabTopics;           // language-lab topic list
  std::function<void()> connectTrainerSettings;    // trainer settings reload; options for nobody
  std::function<void()> createRecordingsDatabase;  // the main recordings database
  std::function<void()> loadSupplementaryRecordings;
  std::function<void()> createSamplePlayer;
  std::function<void()> createHyperBase;
};

struct TStartUpOptions {
  bool editor = false;
  // The program directory; empty: the directory of the running executable.
  std::string programDirectory;
  // Whether the program runs from a network file system; unset: found out.
  std::optional<bool> networkPath;
};

// True when the program may open its windows; false after the message that
// says why it cannot start.
bool StartUp(const TStartUpSteps& steps, const TStartUpOptions& options = {});

// Path aliases: codes 0 found (path is the full path), 4 not found or alias
// not available, 5 alias directory not configured.
enum TAliasResult { kAliasFound = 0, kAliasNotFound = 4, kAliasNotConfigured = 5 };
int ResolveAlias(const std::string& path, std::string& fullPath);

// Flags of SaveDirectories.
enum TDirectoryFlags {
  kSaveWave = 1,
  kSaveOwnRecordings = 2,
  kSaveUser = 16,
  kSaveWirtschaft = 32,
  kSaveRecht = 64,
};
// Writes the changed directories back; false (after a message) when the ini
// file could not be written.
bool SaveDirectories(int flags);

// The installed extensions list of "Erweiterungen\Erweiterungen.txt".
void ReadExtensionList();

}  // namespace vyr
