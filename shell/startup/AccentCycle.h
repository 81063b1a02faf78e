#pragma once
// F1 in an edit field turns the character before the caret into the next
// one of its accent group ("a" -> "á" ... "æ" -> "a", "?" -> "¿").
#include <string>

class QLineEdit;

namespace vyr {

// On Windows-1252 text; true when a character was replaced.
bool CycleSpecialCharacter(std::string& text, int caret);
// The key handler for edit fields: acts only for Qt::Key_F1.
bool CycleSpecialCharacter(QLineEdit* edit, int key);

}  // namespace vyr
