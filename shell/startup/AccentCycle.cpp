#include "shell/startup/AccentCycle.h"

#include <QLineEdit>

#include "page/exercises/ExerciseRules.h"
#include "text/Cp1252.h"

namespace vyr {

bool CycleSpecialCharacter(std::string& text, int caret) {
  if (text.empty() || caret <= 0 || caret > static_cast<int>(text.size())) return false;
  char& c = text[static_cast<size_t>(caret - 1)];
  const char next = NextAccent(c, kInputLineAccentGroups);
  if (next == c) return false;
  c = next;
  return true;
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
