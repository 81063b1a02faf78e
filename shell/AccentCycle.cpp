#include "shell/AccentCycle.h"

#include <QLineEdit>
#include <cstring>

#include "text/Cp1252.h"

namespace vyr {
namespace {
const char* const kGroups[] = {"aáàâäæ", "AÁÀÂÄÆ", "eéèêë", "EÉÈÊË", "iíìîï", "IÍÌÎÏ", "oóòôöœ", "OÓÒÔÖŒ",
                               "uúùûü",  "UÚÙÛÜ",  "nñ",    "NÑ",    "cç",    "CÇ",    "?¿!¡"};
}  // namespace

bool CycleSpecialCharacter(std::string& text, int caret) {
  if (text.empty() || caret <= 0 || caret > static_cast<int>(text.size())) return false;
  char& c = text[static_cast<size_t>(caret - 1)];
  for (const char* group : kGroups) {
    const char* hit = std::strchr(group, c);
    if (c == '\0' || hit == nullptr) continue;
    c = hit[1] != '\0' ? hit[1] : group[0];
    return true;
  }
  return false;
}

bool CycleSpecialCharacter(QLineEdit* edit, int key) {
  if (edit == nullptr || key != Qt::Key_F1) return false;
  std::string text = FromUnicode(edit->text());
  const int caret = edit->cursorPosition();
  if (!CycleSpecialCharacter(text, caret)) return false;
  edit->setText(ToUnicode(text));
  edit->setCursorPosition(caret);
  return true;
}

}  // namespace vyr
