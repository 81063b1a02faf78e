#include "page/reader/MarkupEscape.h"

namespace vyr {
namespace {

// The entity a character in a word needs, or nullptr. A "&" needs one only
// while the word has not used its one decoded entity yet.
const char* EntityFor(char c, bool entityUsed) {
  switch (c) {
    case '<': return "lt";
    case '$': return "dollar";
    case '&': return entityUsed ? nullptr : "amp";
    default: return nullptr;
  }
}

// NUL is dropped, the other control characters become blanks; false: drop.
bool Plain(char& c) {
  const auto u = static_cast<unsigned char>(c);
  if (u == 0) return false;
  if (u < 32) c = ' ';
  return true;
}

std::string Filtered(std::string_view text, std::string_view leftOut) {
  std::string out;
  out.reserve(text.size());
  for (char c : text)
    if (Plain(c) && leftOut.find(c) == std::string_view::npos) out.push_back(c);
  return out;
}

}  // namespace

std::string EscapeMarkup(std::string_view text) {
  std::string out;
  out.reserve(text.size() + text.size() / 4);
  bool entityUsed = false;  // whether the current word has decoded its entity
  for (char c : text) {
    if (!Plain(c)) continue;
    if (c == ' ') {
      entityUsed = false;
      out.push_back(c);
      continue;
    }
    const char* entity = EntityFor(c, entityUsed);
    if (entity == nullptr) {
      out.push_back(c);
      continue;
    }
    if (entityUsed) out += "<!>";  // a new word element, joined without a blank
    out += '&';
    out += entity;
    out += ';';
    entityUsed = true;
  }
  if (!out.empty() && out[0] == '#') out.insert(0, "<!>");
  return out;
}

std::string EscapeMarkupAttribute(std::string_view text) { return Filtered(text, "\">"); }

std::string EscapeMarkupCommand(std::string_view text) { return Filtered(text, "\">,[]@"); }

}  // namespace vyr
