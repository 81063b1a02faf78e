#pragma once
// The values of the vocabulary start page "vokabeln.htx": the selection and
// its file count, the entry counts, the mode and the link that starts
// questioning or a presentation. Text from data is escaped for the markup.
#include <string>

namespace vyr {

class TVocEinstellungen;

struct TVocabularyStartValues {
  bool nospeech = true;
  std::string files, select, selection, vtotal, modus, action, vactive;
};

inline constexpr const char* kOwnSelection = "Eigene Auswahl";
inline constexpr const char* kSelectionPage = "v_bereich.htx";

// "1 Datei", otherwise the number followed by " Dateien".
std::string FilesText(int count);

// Takes the logged-in user's scores first, so the counts are current.
TVocabularyStartValues VocabularyStartValues(TVocEinstellungen& settings);

}  // namespace vyr
