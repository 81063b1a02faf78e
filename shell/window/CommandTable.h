#pragma once
// The commands that "§" links send to the main window, as one table: the
// command text, how it is matched, the owner that carries it out and what
// the owner is asked to do. The table is tested top to bottom; the first row
// that matches wins.
#include <string>
#include <string_view>

namespace vyr {

enum class TCommandOwner {
  Main,          // the main window itself
  Lab,           // language lab
  Verbs,         // verb trainer
  FreeFall,      // the Free Fall game (only while its object exists)
  Games,         // starting the games
  Presentation,  // superlearning presentations
  Trainer,       // vocabulary trainer rounds
  Settings,      // trainer settings and selection
  SuperOptions,  // superlearning options dialog
  Recordings,    // recordings database dialog
  Dictionary,    // dictionary look-up page
  Paths,         // path settings dialog
  Users,         // user accounts
  Count
};

enum class TCommandId {
  LabGermanOn,
  LabGermanOff,
  LabDictationOn,
  LabDictationOff,
  LabAutoReadOn,
  LabAutoReadOff,
  LabRefresh,
  LabRight,
  LabWrong,
  LabNext,
  LabList,
  LabTopic,
  VerbSelect,
  VerbDeselect,
  TenseSelect,
  TenseDeselect,
  VerbsAll,
  VerbsNone,
  VerbsSave,
  VerbsShow,
  FreeFallContinue,
  FreeFallRelease,
  FreeFallLetter,
  FreeFallGiveUp,
  Stop,
  VocabularySettings,
  RecordingsDialog,
  DictionarySearch,
  DictionaryResult,
  VerbRound,
  TrainerEnd,
  VerbNext,
  VerbAnswer,
  TrainerNext,
  TrainerContinue,
  TrainerAnswer,
  VerbPreset,
  SelectFolder,
  SelectDialog,
  PresentationMode,
  Vegas,
  FreeFall,
  VocabularyStart,
  StartQuery,
  StartPresentation,
  SuperOptionsDialog,
  HomePage,
  OpenAddress,
  PathsDialog,
  ChangePassword,
  Statistics,
  Login,
  NewUser,
  ChangeUser,
  DeleteShortcuts,
  DeleteSettingsKey,
  End,
};

enum class TMatch {
  Exactly,          // the whole command
  ExactlyLoggedIn,  // the whole command, and only while a user is logged in
  StartsWith,       // begins with the text and is longer than it
  FirstChars,       // its first characters are the text (it may be just the text)
  EndsWithPlus,     // begins with the text and ends with "+"
  SecondAndThird,   // longer than 3 characters, and characters 2 and 3 are the text
};

struct TCommandRow {
  const char* text;
  TMatch match;
  TCommandOwner owner;
  TCommandId id;
};

// A command that matched: its row and its argument (the part the row takes
// from the command: a number, a letter, an answer, a folder, an address).
struct TCommandMatch {
  const TCommandRow* row = nullptr;
  TCommandId id{};
  std::string argument;
};

// The row of one lower-cased single command, or none.
TCommandMatch MatchCommand(std::string_view command, bool loggedIn);

}  // namespace vyr
