#pragma once
// vocabulary/settings: the learner's trainer settings, which entries are
// active, the presentation walk, the vocabulary start page and the check
// before questioning; the settings dialog TVEinstellungen, the start page
// and the filter group in vyr_vocabulary_settings_ui.
//
// The trainer settings: which libraries are loaded (the selection), order
// and direction, word classes, difficulties, the per-user score filter, the
// share of multiple-choice questions, context gaps, tasks per round and the
// mode. They are kept in section "*vyr" of "vyr_E.ini" in the user's folder,
// or of "prefs.ini" in the program folder while nobody is logged in, and
// are saved back to the file they were loaded from.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "vocabulary/settings/TrainerContext.h"

namespace vyr {

class TBibliothek;
struct TVokabel;

inline constexpr int kModusCount = 10;
// The mode names of the start page and of "sm=", modes 0..9.
extern const char* const kModusNames[kModusCount];
// The mode of a name (compared in lower case); 0 for an unknown name.
int ModusByName(std::string_view name);

inline constexpr const char* kDefaultSelection = "Grundwortschatz\\";
inline constexpr const char* kSettingsSection = "*vyr";
inline constexpr int kDifficultyCount = 5;

// Everything the settings hold, so that a copy can be put back as it was.
struct TVocSettingsValues {
  int richtung = 2;  // 0 forward, 1 backward, 2 random
  std::string selection = kDefaultSelection;
  int modus = 0;
  int multipleChoice = 50;  // per cent
  int sprache = 2;          // 0 German-English, 1 English-German, 2 both
  bool kontext = true;
  uint32_t wortarten = 0xFFFFFF;
  bool difficulty[kDifficultyCount] = {true, true, true, true, true};
  int maxScore = 75;
  int minScore = -100;
  int tasksPerRound = 0;  // not stored
  bool operator==(const TVocSettingsValues&) const = default;
};

// Whether an entry takes part under the settings (the score range only
// while a user is logged in).
bool IsActiveEntry(const TVokabel& entry, const TVocSettingsValues& s, bool loggedIn);

class TVocEinstellungen {
 public:
  TVocEinstellungen(TBibliothek& library, TTrainerContext context);
  // Saves when modified, into the file the settings were loaded from.
  ~TVocEinstellungen();
  TVocEinstellungen(const TVocEinstellungen&) = delete;
  TVocEinstellungen& operator=(const TVocEinstellungen&) = delete;

  TBibliothek& Library() const { return library_; }
  const TTrainerContext& Context() const { return context_; }
  const TVocSettingsValues& Values() const { return v_; }

  int Richtung() const { return v_.richtung; }
  const std::string& Selection() const { return v_.selection; }
  int Modus() const { return v_.modus; }
  int MultipleChoice() const { return v_.multipleChoice; }
  int Sprache() const { return v_.sprache; }
  bool Kontext() const { return v_.kontext; }
  uint32_t Wortarten() const { return v_.wortarten; }
  bool WortartOn(int wortart) const;
  // Difficulties above 4 always pass.
  bool Difficulty(int schwierigkeit) const;
  int MaxScore() const { return v_.maxScore; }
  int MinScore() const { return v_.minScore; }
  int TasksPerRound() const { return v_.tasksPerRound; }
  int FileCount() const { return fileCount_; }

  // Each setter clamps its value and marks the settings modified only when
  // the value changes.
  void SetRichtung(int richtung);
  void SetModus(int modus);  // outside 0..9: 0
  void SetMultipleChoice(int percent);
  void SetSprache(int sprache);
  void SetKontext(bool on);
  void SetWortarten(uint32_t mask);
  void SetWortart(int wortart, bool on);
  void SetDifficulty(int schwierigkeit, bool on);  // positions above 4 are ignored
  void SetScoreRange(int minScore, int maxScore);  // clamped, reversed pairs swapped
  void SetTasksPerRound(int tasks);

  bool Modified() const { return modified_; }
  // Grows with every change, so that indexes over the active entries know
  // when they are stale.
  uint64_t Generation() const { return generation_; }
  void Touch() { ++generation_; }

  // The settings file for the current login.
  std::string SettingsFile() const;
  // The file the settings were last loaded from (and are saved to).
  const std::string& File() const { return file_; }
  // Reads the settings file for the current login; a missing or unreadable
  // file gives the defaults. Loads the selection when it differs.
  void Load();
  void LoadFrom(const std::string& file);
  // Writes the file the settings came from; false when it could not be
  // written (the settings stay in memory).
  bool Save();

  // Loads the library files of a selection (a folder relative to the
  // vocabulary folder, or empty for the own list) and takes the user's
  // scores. A folder is kept in its spelling on disk with a trailing "\".
  // A named folder that is already loaded is not loaded again.
  void LoadSelection(std::string_view selection);
  // The library list file of the own list for the current login.
  std::string LibraryListFile() const;

  // Puts back values taken earlier, without loading a library.
  void Restore(const TVocSettingsValues& values, bool modified);

  bool IsActive(int index) const;
  int ActiveCount() const;
  // The real entries that are active, in library order.
  std::vector<int> ActiveIndex() const;

 private:
  template <class T>
  void Assign(T& field, const T& value) {
    if (field == value) return;
    field = value;
    modified_ = true;
    ++generation_;
  }

  TBibliothek& library_;
  TTrainerContext context_;
  TVocSettingsValues v_;
  std::string loadedSelection_;
  bool selectionLoaded_ = false;
  int fileCount_ = 0;
  bool modified_ = false;
  uint64_t generation_ = 0;
  std::string file_;
};

}  // namespace vyr
