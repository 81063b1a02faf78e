#pragma once
// Ini files with private-profile semantics: sections and keys found without
// regard to case, values trimmed, Windows-1252 text with CR LF lines. Every
// read looks at the file as it is now; every write changes only the line of
// its key (or adds it) and keeps all other lines as they were, written
// through a safe write.
#include <string>
#include <string_view>
#include <vector>

namespace vyr {

class TIniFile {
 public:
  explicit TIniFile(std::string fileName) : fileName_(std::move(fileName)) {}
  const std::string& fileName() const { return fileName_; }

  std::string ReadString(std::string_view section, std::string_view key, std::string_view def = {}) const;
  int ReadInteger(std::string_view section, std::string_view key, int def) const;
  bool ReadBool(std::string_view section, std::string_view key, bool def) const;
  bool ValueExists(std::string_view section, std::string_view key) const;
  bool SectionExists(std::string_view section) const;
  std::vector<std::string> ReadSection(std::string_view section) const;  // the key names

  // false when the file could not be written (read-only installation, full disk).
  bool WriteString(std::string_view section, std::string_view key, std::string_view value);
  bool WriteInteger(std::string_view section, std::string_view key, int value);
  bool WriteBool(std::string_view section, std::string_view key, bool value);
  bool DeleteKey(std::string_view section, std::string_view key);
  bool EraseSection(std::string_view section);

 private:
  std::vector<std::string> lines() const;
  std::string fileName_;
};

}  // namespace vyr
