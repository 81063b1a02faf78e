#pragma once
// vocabulary/library: vocabulary entries, the library container and its
// file format, the scores of the logged-in user, the sample list, the
// library list and selections, the counts of the library statistics; the
// statistics dialog TBInfo in vyr_vocabulary_library_ui.
//
// The library container: an ordered list of entries and the comments of its
// file. It always ends with an incomplete entry after construction, Clear
// with a blank entry and every load: the row in which the editor types a new
// entry. Indexes are 0-based; -1 is the current entry, -2 the one before it
// and -3 the one after it (both kept inside the list).
#include <string>
#include <string_view>
#include <vector>

#include "vocabulary/library/Vokabel.h"

namespace vyr {

class TVocLib {
 public:
  TVocLib();
  virtual ~TVocLib() = default;

  void Clear(bool withBlankEntry);
  // True when the index is outside the list or the entry is incomplete.
  bool IsIncomplete(int index) const;
  // With the trailing entry: all entries; without it: the real entry count.
  int EntryCount(bool withTrailing) const;

  int AddBlankEntry();  // returns the new index
  void AddEntry(const TVokabel& entry);
  // Removing the trailing row brings a new blank row, so the editor always
  // has one to type into.
  void DeleteEntry(int index);

  // Reads a library file, replacing the library or appending to it. Returns
  // the number of entries read, 0 when there is no such file, kLoadFailed
  // (-2) when reading failed; then the library is left exactly as it was.
  int LoadFile(std::string_view path, bool append = false);
  // Reads a set of files in random order (one file: replaced, so its name is
  // kept); stops once the real entry count exceeds a positive limit.
  void LoadFiles(std::vector<std::string> paths, int limit);
  // Writes the library (not its trailing incomplete entry). A word that
  // would read back as a comment, or a failed write, is reported with a
  // message and gives false; the old file then stays as it was.
  bool SaveFile(std::string_view path);

  // Field access; an index past the end reads as the blank entry and writes
  // nothing. A write marks the library modified only when the value changes;
  // control bytes in texts become blanks.
  const TVokabel& Entry(int index) const;
  const std::string& Vokabel(int index) const { return Entry(index).Vokabel; }
  void SetVokabel(int index, std::string_view text);
  void SetBedeutung(int index, int which, std::string_view text);
  void SetKontext(int index, int which, std::string_view text);
  void SetBedeutungAnzeigen(int index, int which, bool show);
  void SetWortart(int index, int wortart);  // 0..255, others ignored
  void SetDeutsch(int index, bool deutsch);
  void SetSchwierigkeit(int index, int schwierigkeit);  // stores at most 4
  void SetWert(int index, int wert);                    // the score is no file content

  int CurrentIndex() const { return current_; }
  void SetCurrentIndex(int index);
  bool Modified() const { return modified_; }
  void SetModified(bool modified) { modified_ = modified; }
  const std::string& FileName() const { return fileName_; }
  const std::vector<std::string>& Comments() const { return comments_; }
  std::vector<std::string>& Comments() { return comments_; }
  const std::vector<TVokabel>& Entries() const { return entries_; }

 protected:
  // The list position of an index (-1, -2, -3 resolved), or -1 when outside.
  int Position(int index) const;
  TVokabel* Writable(int index);
  template <class T>
  void Assign(T& field, const T& value) {
    if (field == value) return;
    field = value;
    modified_ = true;
  }

  std::vector<TVokabel> entries_;
  std::vector<std::string> comments_;
  int current_ = 0;
  bool modified_ = false;
  std::string fileName_;
};

}  // namespace vyr
