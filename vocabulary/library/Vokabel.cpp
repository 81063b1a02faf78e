#include "vocabulary/library/Vokabel.h"

namespace vyr {

const char* WortartName(int wortart) {
  static const char* const kNames[kWortartCount] = {"Nomen",     "Verb",      "Adjektiv", "kl. Wort",
                                                    "Rw. m. V.", "Rw. o. V.", "Adverb",   "Präposition"};
  return wortart >= 0 && wortart < kWortartCount ? kNames[wortart] : "";
}

}  // namespace vyr
