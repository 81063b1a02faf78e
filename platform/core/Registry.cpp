#include "platform/core/Registry.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>

#include <cstdio>
#include <memory>

#include "platform/core/Files.h"
#include "text/Case.h"
#include "text/Cp1252.h"
#include "text/LineFile.h"

namespace vyr {

struct TRegistry::Node {
  struct Value {
    std::string name;
    bool isInteger = false;
    std::string text;
    int number = 0;
  };
  std::string name;
  std::vector<Value> values;
  std::vector<std::unique_ptr<Node>> children;

  Node* child(std::string_view n) const {
    for (const auto& c : children)
      if (SameText(c->name, n)) return c.get();
    return nullptr;
  }
  Value* value(std::string_view n) {
    for (auto& v : values)
      if (SameText(v.name, n)) return &v;
    return nullptr;
  }
};

namespace {

std::unique_ptr<TRegistry>& Instance() {
  static std::unique_ptr<TRegistry> instance;
  return instance;
}

std::vector<std::string_view> SplitKey(std::string_view key) {
  std::vector<std::string_view> parts;
  size_t i = 0;
  while (i <= key.size()) {
    size_t j = key.find('\\', i);
    if (j == std::string_view::npos) j = key.size();
    if (j > i) parts.push_back(key.substr(i, j - i));
    i = j + 1;
  }
  return parts;
}

std::string Quote(std::string_view s) {
  std::string out = "\"";
  for (char c : s) {
    switch (c) {
      case '\\': out += "\\\\"; break;
      case '"': out += "\\\""; break;
      case '\r': out += "\\r"; break;
      case '\n': out += "\\n"; break;
      default: out.push_back(c);
    }
  }
  return out + "\"";
}

// Reads a quoted string at s[i]; false when the quoting is broken.
bool Unquote(std::string_view s, size_t& i, std::string& out) {
  if (i >= s.size() || s[i] != '"') return false;
  for (++i; i < s.size(); ++i) {
    char c = s[i];
    if (c == '"') {
      ++i;
      return true;
    }
    if (c == '\\') {
      if (++i >= s.size()) return false;
      c = s[i] == 'r' ? '\r' : s[i] == 'n' ? '\n' : s[i];
    }
    out.push_back(c);
  }
  return false;
}

void Write(const TRegistry::Node& node, const std::string& path, std::string& out) {
  if (!path.empty()) {
    out += "[" + path + "]\r\n";
    for (const auto& v : node.values)
      out += Quote(v.name) + "=" + (v.isInteger ? "dword:" + std::to_string(v.number) : Quote(v.text)) + "\r\n";
    out += "\r\n";
  }
  for (const auto& c : node.children) Write(*c, path.empty() ? c->name : path + "\\" + c->name, out);
}

}  // namespace

TRegistry& TRegistry::CurrentUser() {
  if (!Instance()) Instance().reset(new TRegistry());
  return *Instance();
}

void TRegistry::Reload() { Instance().reset(); }

std::string TRegistry::fileName() const {
  const QByteArray env = qgetenv("VYR_REGISTRY");
  if (!env.isEmpty()) return CoursePath(QString::fromLocal8Bit(env));
  return CoursePath(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + u"/vyr/registry.txt"_qs);
}

TRegistry::TRegistry() : root_(new Node) {
  const auto data = ReadWholeFile(fileName(), nullptr, 64u << 20);
  if (!data) return;  // no file yet: an empty tree
  const std::string text = Utf8ToCp1252(*data);
  Node* current = nullptr;
  bool broken = false;
  for (const std::string& line : SplitLines(text)) {
    if (line.empty() || line[0] == ';') continue;
    if (line.front() == '[' && line.back() == ']') {
      current = create(std::string_view(line).substr(1, line.size() - 2));
      continue;
    }
    size_t i = 0;
    Node::Value v;
    if (current == nullptr || !Unquote(line, i, v.name) || i >= line.size() || line[i] != '=') {
      broken = true;
      continue;
    }
    ++i;
    const std::string_view rest = std::string_view(line).substr(i);
    if (rest.substr(0, 6) == "dword:") {
      try {
        size_t used = 0;
        const std::string digits(rest.substr(6));
        v.number = std::stoi(digits, &used);
        v.isInteger = used == digits.size();
      } catch (...) {}
      if (!v.isInteger) {
        broken = true;
        continue;
      }
    } else if (!Unquote(line, i, v.text) || i != line.size()) {
      broken = true;
      continue;
    }
    if (Node::Value* old = current->value(v.name)) *old = v;
    else current->values.push_back(v);
  }
  brokenFileKept_ = !broken;
}

TRegistry::~TRegistry() { delete root_; }

TRegistry::Node* TRegistry::find(std::string_view key) const {
  Node* n = root_;
  for (auto part : SplitKey(key)) {
    n = n->child(part);
    if (!n) return nullptr;
  }
  return n;
}

TRegistry::Node* TRegistry::create(std::string_view key) {
  Node* n = root_;
  for (auto part : SplitKey(key)) {
    Node* c = n->child(part);
    if (!c) {
      n->children.push_back(std::make_unique<Node>());
      c = n->children.back().get();
      c->name = std::string(part);
    }
    n = c;
  }
  return n;
}

void TRegistry::BeginBatch() { ++batchDepth_; }

bool TRegistry::EndBatch() {
  if (batchDepth_ == 0 || --batchDepth_ > 0) return true;
  if (!batchChanged_) return true;
  batchChanged_ = false;
  const bool written = save();
  batchChanged_ = !written;  // the next batch tries again
  return written;
}

bool TRegistry::save() {
  if (batchDepth_ > 0) {
    batchChanged_ = true;
    return true;
  }
  const std::string file = fileName();
  if (!brokenFileKept_) {
    // The file held lines that could not be read: keep it for a look before
    // the tree replaces it.
    RemoveFile(file + ".defekt");
    QFile::copy(NativePath(file), NativePath(file + ".defekt"));
    brokenFileKept_ = true;
  }
  std::string out = "; vyr: Einstellungen des Benutzers\r\n\r\n";
  Write(*root_, std::string(), out);
  MakeDirectories(ExtractFilePath(file));
  return WriteWholeFile(file, Cp1252ToUtf8(out));
}

bool TRegistry::KeyExists(std::string_view key) const { return find(key) != nullptr; }

bool TRegistry::ValueExists(std::string_view key, std::string_view name) const {
  Node* n = find(key);
  return n && n->value(name);
}

std::optional<std::string> TRegistry::ReadString(std::string_view key, std::string_view name) const {
  Node* n = find(key);
  Node::Value* v = n ? n->value(name) : nullptr;
  if (!v || v->isInteger) return std::nullopt;
  return v->text;
}

std::optional<int> TRegistry::ReadInteger(std::string_view key, std::string_view name) const {
  Node* n = find(key);
  Node::Value* v = n ? n->value(name) : nullptr;
  if (!v || !v->isInteger) return std::nullopt;
  return v->number;
}

std::optional<bool> TRegistry::ReadBool(std::string_view key, std::string_view name) const {
  auto i = ReadInteger(key, name);
  if (!i) return std::nullopt;
  return *i != 0;
}

bool TRegistry::CreateKey(std::string_view key) {
  if (find(key)) return true;
  create(key);
  return save();
}

bool TRegistry::WriteString(std::string_view key, std::string_view name, std::string_view value) {
  return write(key, name, false, value, 0);
}

bool TRegistry::WriteInteger(std::string_view key, std::string_view name, int value) {
  return write(key, name, true, {}, value);
}

bool TRegistry::write(std::string_view key, std::string_view name, bool isInteger, std::string_view text, int number) {
  Node* n = create(key);
  Node::Value* v = n->value(name);
  if (!v) {
    n->values.emplace_back();
    v = &n->values.back();
    v->name = std::string(name);
  }
  v->isInteger = isInteger;
  v->text = std::string(text);
  v->number = number;
  return save();
}

bool TRegistry::WriteBool(std::string_view key, std::string_view name, bool value) {
  return WriteInteger(key, name, value ? 1 : 0);
}

bool TRegistry::DeleteValue(std::string_view key, std::string_view name) {
  Node* n = find(key);
  if (!n) return false;
  for (auto it = n->values.begin(); it != n->values.end(); ++it)
    if (SameText(it->name, name)) {
      n->values.erase(it);
      return save();
    }
  return false;
}

bool TRegistry::DeleteKey(std::string_view key) {
  auto parts = SplitKey(key);
  if (parts.empty()) return false;
  Node* parent = root_;
  for (size_t i = 0; i + 1 < parts.size(); ++i) {
    parent = parent->child(parts[i]);
    if (!parent) return false;
  }
  for (auto it = parent->children.begin(); it != parent->children.end(); ++it)
    if (SameText((*it)->name, parts.back())) {
      parent->children.erase(it);
      return save();
    }
  return false;
}

std::vector<std::string> TRegistry::SubKeys(std::string_view key) const {
  std::vector<std::string> out;
  if (Node* n = find(key))
    for (const auto& c : n->children) out.push_back(c->name);
  return out;
}

std::vector<std::string> TRegistry::ValueNames(std::string_view key) const {
  std::vector<std::string> out;
  if (Node* n = find(key))
    for (const auto& v : n->values) out.push_back(v.name);
  return out;
}

}  // namespace vyr
