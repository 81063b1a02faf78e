#include "platform/core/IniFile.h"

#include <cstdlib>

#include "platform/core/Files.h"
#include "text/Case.h"
#include "text/LineFile.h"
#include "text/Trim.h"

namespace vyr {
namespace {

// "[name]" lines; the name trimmed.
bool SectionName(std::string_view line, std::string_view& name) {
  const std::string_view t = TrimView(line);
  if (t.size() < 2 || t.front() != '[') return false;
  const size_t close = t.find(']');
  if (close == std::string_view::npos) return false;
  name = TrimView(t.substr(1, close - 1));
  return true;
}

// "key=value" lines; both trimmed. Comment lines (";") have no key.
bool KeyLine(std::string_view line, std::string_view& key, std::string_view& value) {
  const std::string_view t = TrimView(line);
  if (t.empty() || t[0] == ';') return false;
  const size_t eq = t.find('=');
  if (eq == std::string_view::npos) return false;
  key = TrimView(t.substr(0, eq));
  value = TrimView(t.substr(eq + 1));
  return !key.empty();
}

struct Place {
  long section = -1;  // line of "[section]"
  long end = -1;      // line after the section's last non-empty line
  long key = -1;      // line of the key
};

Place Find(const std::vector<std::string>& lines, std::string_view section, std::string_view key) {
  Place p;
  bool inside = false;
  for (size_t i = 0; i < lines.size(); ++i) {
    std::string_view name, k, v;
    if (SectionName(lines[i], name)) {
      if (inside) break;
      inside = SameText(name, section);
      if (inside) p.section = p.end = static_cast<long>(i) + 1;
      continue;
    }
    if (!inside) continue;
    if (!TrimView(lines[i]).empty()) p.end = static_cast<long>(i) + 1;
    if (p.key < 0 && !key.empty() && KeyLine(lines[i], k, v) && SameText(k, key)) p.key = static_cast<long>(i);
  }
  if (p.section > 0) p.section -= 1;
  return p;
}

}  // namespace

std::vector<std::string> TIniFile::lines() const {
  const auto data = ReadWholeFile(fileName_, nullptr, 16u << 20);
  return data ? SplitLines(*data) : std::vector<std::string>();
}

std::string TIniFile::ReadString(std::string_view section, std::string_view key, std::string_view def) const {
  const auto ls = lines();
  const Place p = Find(ls, section, key);
  if (p.key < 0) return std::string(def);
  std::string_view k, v;
  KeyLine(ls[static_cast<size_t>(p.key)], k, v);
  if (v.size() >= 2 && (v.front() == '"' || v.front() == '\'') && v.back() == v.front()) v = v.substr(1, v.size() - 2);
  return std::string(v);
}

int TIniFile::ReadInteger(std::string_view section, std::string_view key, int def) const {
  const std::string s = ReadString(section, key);
  if (s.empty()) return def;
  char* end = nullptr;
  const long v = std::strtol(s.c_str(), &end, 10);
  if (end == s.c_str() || *end != '\0' || v < INT32_MIN || v > INT32_MAX) return def;
  return static_cast<int>(v);
}

bool TIniFile::ReadBool(std::string_view section, std::string_view key, bool def) const {
  return ReadInteger(section, key, def ? 1 : 0) != 0;
}

bool TIniFile::ValueExists(std::string_view section, std::string_view key) const {
  return Find(lines(), section, key).key >= 0;
}

bool TIniFile::SectionExists(std::string_view section) const { return Find(lines(), section, {}).section >= 0; }

std::vector<std::string> TIniFile::ReadSection(std::string_view section) const {
  const auto ls = lines();
  const Place p = Find(ls, section, {});
  std::vector<std::string> keys;
  if (p.section < 0) return keys;
  for (long i = p.section + 1; i < p.end; ++i) {
    std::string_view k, v;
    if (KeyLine(ls[static_cast<size_t>(i)], k, v)) keys.emplace_back(k);
  }
  return keys;
}

bool TIniFile::WriteString(std::string_view section, std::string_view key, std::string_view value) {
  auto ls = lines();
  const Place p = Find(ls, section, key);
  const std::string line = std::string(key) + "=" + std::string(value);
  if (p.key >= 0) {
    if (ls[static_cast<size_t>(p.key)] == line) return true;
    ls[static_cast<size_t>(p.key)] = line;
  } else if (p.section >= 0) {
    ls.insert(ls.begin() + p.end, line);
  } else {
    if (!ls.empty() && !TrimView(ls.back()).empty()) ls.emplace_back();
    ls.push_back("[" + std::string(section) + "]");
    ls.push_back(line);
  }
  return WriteWholeFile(fileName_, JoinLines(ls));
}

bool TIniFile::WriteInteger(std::string_view section, std::string_view key, int value) {
  return WriteString(section, key, std::to_string(value));
}

bool TIniFile::WriteBool(std::string_view section, std::string_view key, bool value) {
  return WriteString(section, key, value ? "1" : "0");
}

bool TIniFile::DeleteKey(std::string_view section, std::string_view key) {
  auto ls = lines();
  const Place p = Find(ls, section, key);
  if (p.key < 0) return true;
  ls.erase(ls.begin() + p.key);
  return WriteWholeFile(fileName_, JoinLines(ls));
}

bool TIniFile::EraseSection(std::string_view section) {
  auto ls = lines();
  const Place p = Find(ls, section, {});
  if (p.section < 0) return true;
  size_t end = static_cast<size_t>(p.section) + 1;
  std::string_view name;
  while (end < ls.size() && !SectionName(ls[end], name)) ++end;
  ls.erase(ls.begin() + p.section, ls.begin() + static_cast<long>(end));
  return WriteWholeFile(fileName_, JoinLines(ls));
}

}  // namespace vyr
