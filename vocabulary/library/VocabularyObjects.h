#pragma once
// The vocabulary objects a program keeps for its whole run: its one library
// and the sample list. The start-up and shutdown steps of the program entry
// create and free them.
#include <memory>

namespace vyr {

class TBibliothek;
class TRes;

struct TVocabularyObjects {
  std::unique_ptr<TBibliothek> library;
  std::unique_ptr<TRes> sampleList;
};

TVocabularyObjects& Vocabulary();

void CreateLibrary();             // start-up step: an empty library
void CreateSampleList();          // when the main window is created; once
void ReleaseVocabularyResults();  // shutdown: the sample list
void ReleaseLibrary();            // shutdown: the library

}  // namespace vyr
