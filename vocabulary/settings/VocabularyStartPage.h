#pragma once
// Shows the vocabulary start page "hvyr\vokabeln.htx" of the content root
// with its variables and the condition "nospeech"; the music stops first.
#include <string>

namespace vyr {

class TXPage;
class TVocEinstellungen;

void ShowVocabularyStart(TXPage& page, TVocEinstellungen& settings, const std::string& contentRoot);

}  // namespace vyr
