#include "vocabulary/library/VocabularyObjects.h"

#include "vocabulary/library/Bibliothek.h"
#include "vocabulary/library/SampleList.h"

namespace vyr {

TVocabularyObjects& Vocabulary() {
  static TVocabularyObjects objects;
  return objects;
}

void CreateLibrary() { Vocabulary().library = std::make_unique<TBibliothek>(); }

void CreateSampleList() {
  if (!Vocabulary().sampleList) Vocabulary().sampleList = std::make_unique<TRes>();
}

void ReleaseVocabularyResults() { Vocabulary().sampleList.reset(); }

void ReleaseLibrary() { Vocabulary().library.reset(); }

}  // namespace vyr
