#include "vocabulary/settings/VocEinstellungen.h"

#include <algorithm>

#include "platform/core/Files.h"
#include "platform/core/IniFile.h"
#include "text/Case.h"
#include "vocabulary/library/Bibliothek.h"
#include "vocabulary/library/Selection.h"

namespace vyr {
namespace {

constexpr int kScoreLimit = 100;

const char* const kRichtungNames[3] = {"vor", "zurück", "kreuzundquer"};
const char* const kSpracheNames[3] = {"D-E", "E-D", "Beides"};

bool IsSeparator(char c) { return c == '\\' || c == '/'; }

// A folder below the vocabulary folder in the spelling it has on disk (each
// part found ignoring case), with "\" separators and a trailing "\". Parts
// that do not exist keep the spelling given.
std::string DiskSpelling(const std::string& vocabularyFolder, std::string_view relative) {
  std::string out, current = vocabularyFolder;
  bool found = !vocabularyFolder.empty();
  size_t start = 0;
  while (start < relative.size()) {
    size_t end = start;
    while (end < relative.size() && !IsSeparator(relative[end])) ++end;
    std::string part(relative.substr(start, end - start));
    start = end + 1;
    if (part.empty()) continue;
    if (found) {
      found = false;
      for (const TDirEntry& e : ListDirectory(current)) {
        if (e.isDirectory && SameText(e.name, part)) {
          part = e.name;
          found = true;
          break;
        }
      }
      current = IncludeTrailingBackslash(current + part);
    }
    out += part + "\\";
  }
  return out;
}

}  // namespace

const char* const kModusNames[kModusCount] = {"abfragen", "klassisch", "abgedreht", "techno",  "superdd",
                                              "airport",  "freefall",  "vegas",     "super3d", "b3"};

int ModusByName(std::string_view name) {
  const std::string lower = LowerCase(name);
  for (int i = 0; i < kModusCount; ++i)
    if (lower == kModusNames[i]) return i;
  return 0;
}

bool IsActiveEntry(const TVokabel& e, const TVocSettingsValues& s, bool loggedIn) {
  if (!e.IsComplete()) return false;
  if (e.Wortart >= 32 || ((s.wortarten >> e.Wortart) & 1u) == 0) return false;
  if (e.Deutsch) {
    if (s.sprache == 1 || s.modus == 6) return false;
  } else if (s.sprache == 0) {
    return false;
  }
  if (s.modus == 4 || s.modus == 5) {
    if (e.Vokabel.size() > 32 || e.Bedeutung[0].size() > 32) return false;
  } else if (s.modus == 6 && e.Vokabel.size() >= 28) {
    return false;
  }
  if (e.Schwierigkeit < kDifficultyCount && !s.difficulty[e.Schwierigkeit]) return false;
  if (loggedIn && (e.Wert < s.minScore || e.Wert > s.maxScore)) return false;
  return true;
}

TVocEinstellungen::TVocEinstellungen(TBibliothek& library, TTrainerContext context)
    : library_(library), context_(std::move(context)) {}

TVocEinstellungen::~TVocEinstellungen() {
  if (modified_) Save();
}

bool TVocEinstellungen::WortartOn(int wortart) const {
  return wortart >= 0 && wortart < 32 && ((v_.wortarten >> wortart) & 1u) != 0;
}

bool TVocEinstellungen::Difficulty(int schwierigkeit) const {
  if (schwierigkeit >= kDifficultyCount) return true;
  return schwierigkeit >= 0 && v_.difficulty[schwierigkeit];
}

void TVocEinstellungen::SetRichtung(int richtung) {
  Assign(v_.richtung, richtung >= 0 && richtung <= 1 ? richtung : 2);
}
void TVocEinstellungen::SetModus(int modus) { Assign(v_.modus, modus >= 0 && modus < kModusCount ? modus : 0); }
void TVocEinstellungen::SetMultipleChoice(int percent) { Assign(v_.multipleChoice, std::clamp(percent, 0, 100)); }
void TVocEinstellungen::SetSprache(int sprache) { Assign(v_.sprache, sprache >= 0 && sprache <= 1 ? sprache : 2); }
void TVocEinstellungen::SetKontext(bool on) { Assign(v_.kontext, on); }
void TVocEinstellungen::SetWortarten(uint32_t mask) { Assign(v_.wortarten, mask); }

void TVocEinstellungen::SetWortart(int wortart, bool on) {
  if (wortart < 0 || wortart >= 32) return;
  const uint32_t bit = uint32_t(1) << wortart;
  SetWortarten(on ? v_.wortarten | bit : v_.wortarten & ~bit);
}

void TVocEinstellungen::SetDifficulty(int schwierigkeit, bool on) {
  if (schwierigkeit < 0 || schwierigkeit >= kDifficultyCount) return;
  Assign(v_.difficulty[schwierigkeit], on);
}

void TVocEinstellungen::SetScoreRange(int minScore, int maxScore) {
  minScore = std::clamp(minScore, -kScoreLimit, kScoreLimit);
  maxScore = std::clamp(maxScore, -kScoreLimit, kScoreLimit);
  if (minScore > maxScore) std::swap(minScore, maxScore);
  Assign(v_.minScore, minScore);
  Assign(v_.maxScore, maxScore);
}

void TVocEinstellungen::SetTasksPerRound(int tasks) { Assign(v_.tasksPerRound, std::max(0, tasks)); }

std::string TVocEinstellungen::SettingsFile() const {
  const std::string user = context_.UserFolder();
  if (!user.empty()) return IncludeTrailingBackslash(user) + "vyr_E.ini";
  return IncludeTrailingBackslash(context_.programFolder) + "prefs.ini";
}

std::string TVocEinstellungen::LibraryListFile() const {
  return LibraryListPath(context_.UserFolder(), context_.programFolder);
}

void TVocEinstellungen::Load() { LoadFrom(SettingsFile()); }

void TVocEinstellungen::LoadFrom(const std::string& file) {
  file_ = file;
  const TIniFile ini(file);
  const char* s = kSettingsSection;
  const std::string richtung = ini.ReadString(s, "Richtung");
  SetRichtung(richtung == kRichtungNames[0] ? 0 : richtung == kRichtungNames[1] ? 1 : 2);
  // A missing key is the basic vocabulary; a key without a value is the
  // learner's own list.
  std::string selection = ini.ValueExists(s, "Selection") ? ini.ReadString(s, "Selection") : kDefaultSelection;
  if (!StaysInsideFolder(selection)) selection = kDefaultSelection;
  LoadSelection(selection);
  SetModus(ini.ReadInteger(s, "Modus", 0));
  SetMultipleChoice(ini.ReadInteger(s, "Multiple Choice/Eintippen", 50));
  const std::string sprache = ini.ReadString(s, "Sprache");
  SetSprache(sprache == kSpracheNames[0] ? 0 : sprache == kSpracheNames[1] ? 1 : 2);
  SetKontext(ini.ReadBool(s, "Kontext", true));
  SetWortarten(static_cast<uint32_t>(ini.ReadInteger(s, "Wortarten", 16777215)));
  for (int i = 0; i < kDifficultyCount; ++i)
    SetDifficulty(i, ini.ReadBool(s, "NichtZuSchwer" + std::to_string(i + 1), true));
  SetScoreRange(ini.ReadInteger(s, "MinScore", -100), ini.ReadInteger(s, "MaxScore", 75));
  library_.ComputeScores(context_.scores ? context_.scores() : TVocScoreLookup());
  modified_ = false;
  ++generation_;
}

bool TVocEinstellungen::Save() {
  if (file_.empty()) file_ = SettingsFile();
  const std::string folder = ExtractFilePath(file_);
  if (!folder.empty() && !DirectoryExists(folder) && !MakeDirectories(folder)) return false;
  TIniFile ini(file_);
  const char* s = kSettingsSection;
  bool ok = ini.WriteInteger(s, "Modus", v_.modus) && ini.WriteString(s, "Selection", v_.selection) &&
            ini.WriteString(s, "Richtung", kRichtungNames[v_.richtung]) &&
            ini.WriteString(s, "Sprache", kSpracheNames[v_.sprache]) && ini.WriteBool(s, "Kontext", v_.kontext) &&
            ini.WriteInteger(s, "Wortarten", static_cast<int>(v_.wortarten)) &&
            ini.WriteInteger(s, "Multiple Choice/Eintippen", v_.multipleChoice);
  for (int i = 0; ok && i < kDifficultyCount; ++i)
    ok = ini.WriteBool(s, "NichtZuSchwer" + std::to_string(i + 1), v_.difficulty[i]);
  ok = ok && ini.WriteInteger(s, "MaxScore", v_.maxScore) && ini.WriteInteger(s, "MinScore", v_.minScore);
  if (ok) modified_ = false;
  return ok;
}

void TVocEinstellungen::LoadSelection(std::string_view selection) {
  std::string sel;
  if (!selection.empty()) sel = DiskSpelling(context_.vocabularyFolder, selection);
  if (!sel.empty() && selectionLoaded_ && PathKey(sel) == PathKey(loadedSelection_)) return;
  std::vector<std::string> files;
  if (StaysInsideFolder(sel)) files = SelectionFiles(sel, context_.vocabularyFolder, LibraryListFile());
  fileCount_ = static_cast<int>(files.size());
  library_.LoadFiles(std::move(files), 0);
  // A reloaded library carries the logged-in user's scores at once.
  library_.ComputeScores(context_.scores ? context_.scores() : TVocScoreLookup());
  loadedSelection_ = sel;
  selectionLoaded_ = true;
  v_.selection = sel;
  modified_ = true;
  ++generation_;
}

void TVocEinstellungen::Restore(const TVocSettingsValues& values, bool modified) {
  v_ = values;
  modified_ = modified;
  ++generation_;
}

bool TVocEinstellungen::IsActive(int index) const {
  if (index < 0 || index >= library_.EntryCount(false)) return false;
  return IsActiveEntry(library_.Entries()[size_t(index)], v_, context_.LoggedIn());
}

int TVocEinstellungen::ActiveCount() const {
  const bool loggedIn = context_.LoggedIn();
  const int count = library_.EntryCount(false);
  const std::vector<TVokabel>& entries = library_.Entries();
  int n = 0;
  for (int i = 0; i < count; ++i) n += IsActiveEntry(entries[size_t(i)], v_, loggedIn);
  return n;
}

std::vector<int> TVocEinstellungen::ActiveIndex() const {
  const bool loggedIn = context_.LoggedIn();
  const int count = library_.EntryCount(false);
  const std::vector<TVokabel>& entries = library_.Entries();
  std::vector<int> index;
  for (int i = 0; i < count; ++i)
    if (IsActiveEntry(entries[size_t(i)], v_, loggedIn)) index.push_back(i);
  return index;
}

}  // namespace vyr
