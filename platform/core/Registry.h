#pragma once
// The registry stand-in: the current user's key tree. Key and value names
// are found without regard to case ("Software\vyr\vyr englisch\5\Anonym");
// values are strings (Windows-1252) or integers. The tree lives in one file,
// "registry.txt" in the user's XDG config directory under "vyr", or where the
// environment variable VYR_REGISTRY points. Every change is written at once
// through a safe write, unless a batch is open; a file that cannot be read
// counts as an empty tree and is kept aside as "<file>.defekt" before it is
// first overwritten.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vyr {

class TRegistry {
 public:
  // The tree of this run, read from its file on first use.
  static TRegistry& CurrentUser();
  // Forgets the tree, so the next use reads the file again (tests).
  static void Reload();

  bool KeyExists(std::string_view key) const;
  bool ValueExists(std::string_view key, std::string_view name) const;
  // Missing keys and values, and values of the other type, give nullopt.
  std::optional<std::string> ReadString(std::string_view key, std::string_view name) const;
  std::optional<int> ReadInteger(std::string_view key, std::string_view name) const;
  std::optional<bool> ReadBool(std::string_view key, std::string_view name) const;

  // Writing creates the key; the result says whether the file was written.
  bool CreateKey(std::string_view key);
  bool WriteString(std::string_view key, std::string_view name, std::string_view value);
  bool WriteInteger(std::string_view key, std::string_view name, int value);
  bool WriteBool(std::string_view key, std::string_view name, bool value);
  bool DeleteValue(std::string_view key, std::string_view name);
  // Deletes the key with every key below it.
  bool DeleteKey(std::string_view key);

  // A batch of changes: between BeginBatch and EndBatch every change stays in
  // memory (and counts as written); EndBatch writes the file once, when
  // anything changed, and says whether that write succeeded. Batches nest;
  // the outermost EndBatch writes.
  void BeginBatch();
  bool EndBatch();

  std::vector<std::string> SubKeys(std::string_view key) const;
  std::vector<std::string> ValueNames(std::string_view key) const;

  std::string fileName() const;

  struct Node;
  ~TRegistry();

 private:
  TRegistry();
  bool save();
  bool write(std::string_view key, std::string_view name, bool isInteger, std::string_view text, int number);
  Node* find(std::string_view key) const;
  Node* create(std::string_view key);
  Node* root_;
  bool brokenFileKept_ = true;
  int batchDepth_ = 0;
  bool batchChanged_ = false;
};

}  // namespace vyr
