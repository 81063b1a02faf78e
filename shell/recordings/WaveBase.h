#pragma once
// shell/recordings: the recordings databases, the look-up of a text's
// recording, the recordings dialog and the synthetic voice.
//
// A recordings database: texts (a word, a phrase, a sentence) with the file
// of their recording, a path usually beginning with an alias ("XE:\a.wav").
// The records stay sorted by the case-free collation and unique ignoring
// case, so Find, Lookup, Add and the dialog's cursor always agree; every
// change keeps that order (a record whose text changes moves to its place).
//
// The file is a zlib stream of pairs: text, NUL, file, NUL.
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vyr {

struct TXWave {
  std::string text;
  std::string file;
};

// Which step of Lookup found a record.
enum class TLookupRule { None, Exact, WithoutBrackets, PrefixBracket, PrefixComma };
const char* LookupRuleName(TLookupRule rule);

class TXWaveBase {
 public:
  // What Add does with a text that is there already (ignoring case).
  enum class TDuplicates { Ignore, Accept, Replace };
  // The inflated size a database file may have; beyond it the file counts
  // as damaged (what came before stays).
  static constexpr size_t kMaxInflated = size_t(256) << 20;
  // Pairs read are merged into the records at least this often.
  static constexpr size_t kMergeStep = 65536;

  explicit TXWaveBase(TDuplicates duplicates = TDuplicates::Ignore) : duplicates_(duplicates) {}

  // Adds every complete pair of the file. A damaged, cut or unreadable file
  // shows "Fehler beim Laden von PATH!" once and keeps what was read; false
  // then. Takes path as its file name when it has none yet.
  bool Load(const std::string& path);
  // Pairs from inflated data; the incomplete pair at its end is dropped.
  void AddPairs(std::string_view data);
  // Writes the records in their order, replacing the file (a read-only file
  // is made writable first); false on any error.
  bool Save(const std::string& path);
  bool SortAndSave();

  // Adds a record by the duplicates rule; true when the records changed.
  bool Add(std::string_view text, std::string_view file);
  // Binary search: whether a record with text (ignoring case) exists, and
  // its position or the position where it belongs.
  bool Find(std::string_view text, size_t& pos) const;
  // The records are always in order; Sort marks the database changed, as
  // the dialog's "abc" button expects.
  void Sort();

  // The file of text's record by the look-up rules; rule says which found it.
  std::optional<std::string> Lookup(std::string_view text, bool exactOnly, TLookupRule* rule = nullptr) const;
  // The record Lookup finds, or nullptr.
  const TXWave* LookupRecord(std::string_view text, bool exactOnly, TLookupRule* rule = nullptr) const;
  bool HasFilesIn(std::string_view directory) const;
  // Files below directory begin with "XU:" instead; the count of changed records.
  int ReplaceByAlias(std::string_view directory);

  // The dialog's cursor.
  void Locate(std::string_view text);
  void First();
  void Last();
  void Next();
  void Previous();
  size_t Current() const { return current_; }
  std::string CurrentText() const;
  std::string CurrentFile() const;
  // A new text moves the record to its sorted place (the cursor follows).
  // A text another record has already is refused with a message; false then.
  bool SetCurrentText(std::string_view text);
  void SetCurrentFile(std::string_view file);
  // A record with empty text and the file ".wav"; an empty text sorts first,
  // so the record goes to the front and the cursor to it.
  void InsertEmpty();
  void DeleteCurrent();
  // False for an empty database; false with a message when the current
  // record lacks its text or file.
  bool CurrentComplete() const;
  // Records without text are dropped (when the dialog closes).
  int DropEmptyTexts();
  size_t Count() const { return records_.size(); }
  const std::vector<TXWave>& Records() const { return records_; }

  bool Modified() const { return modified_; }
  void SetModified(bool m) { modified_ = m; }
  const std::string& FileName() const { return fileName_; }
  void SetFileName(std::string name) { fileName_ = std::move(name); }

  // The one subscriber (the open dialog), called after every change.
  std::function<void()> onChange;

 private:
  void AddAll(std::vector<TXWave> batch);
  void Changed(bool modifies);
  const TXWave* Exact(std::string_view text) const;
  const TXWave* FirstWithPrefix(const std::string& prefix) const;

  std::vector<TXWave> records_;
  TDuplicates duplicates_;
  size_t current_ = 0;
  bool modified_ = false;
  std::string fileName_;
};

// The path that replaces directory at the start of file with "XU:", keeping
// the "\" that ends directory and the whole rest; nullopt when file does not
// lie below directory (compared ignoring case, directory taken with its
// final "\" so that "D:\Aufnahmen" does not claim "D:\AufnahmenAlt\").
std::optional<std::string> OwnRecordingsAlias(std::string_view file, std::string_view directory);

}  // namespace vyr
