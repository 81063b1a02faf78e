#pragma once
// The hyper base: short explanations looked up by key, whose texts contain
// look-up links written "{word}". Stored either as a text file of three lines
// per entry (key, text, extra) or, for ".vyr" and ".xtm" files, as a zlib
// stream of NUL-terminated strings, three per entry.
#include <string>
#include <string_view>
#include <vector>

namespace vyr {

struct TXHyper {
  std::string key;  // with a "*" at both ends
  std::string text;
  std::string extra;
};

class TXHyperBase {
 public:
  // Adds the entries of a file. A missing file only forgets the file name;
  // a compressed file that cannot be read shows "Fehler beim Laden von ...!"
  // and keeps the entries read before the fault.
  void Load(std::string_view fileName);
  // Puts "*" at both ends of the key (where missing), trims the text, appends.
  void Add(std::string_view key, std::string_view text, std::string_view extra);
  // The first entry whose key contains the given key (case-sensitive; pass
  // "*word*" for a whole key). Its text comes back with every "{word}" made
  // into a look-up link. -1 and empty texts when nothing matches.
  int Find(std::string_view key, std::string& text, std::string& extra) const;
  void Clear() { entries_.clear(); }

  const std::string& fileName() const { return fileName_; }
  const std::vector<TXHyper>& entries() const { return entries_; }

 private:
  std::string fileName_;
  std::vector<TXHyper> entries_;
};

// "siehe {Haus}" -> "siehe <a href="?Haus" flash=#ffffff>Haus</a>". A "{"
// without a closing "}" leaves the rest as it is.
std::string HyperLinks(std::string_view text);

}  // namespace vyr
