#pragma once
// One vocabulary entry: the word that is asked, its meanings and contexts,
// word class, direction and difficulty, and the logged-in user's score.
#include <cstdint>
#include <string>

namespace vyr {

// Word classes 0..7; the first six have rows of their own in the statistics.
constexpr int kWortartCount = 8;
constexpr int kCountedWortarten = 6;
// Difficulties 0 "Baby" .. 4 "Tödlich".
constexpr int kSchwierigkeitMax = 4;

struct TVokabel {
  std::string Vokabel;                         // German when Deutsch is set, otherwise English
  std::string Bedeutung[2];                    // meanings, several separated by "; "
  std::string Kontext[2];                      // up to two context sentences
  bool BedeutungAnzeigen[2] = {false, false};  // show Bedeutung[0] as a tip with that context
  uint8_t Wortart = 0;
  bool Deutsch = false;  // the entry goes from German to English
  uint8_t Schwierigkeit = 0;
  int32_t Wert = 0;  // the user's score, -100..100; never stored in a file

  // Only complete entries are ever asked or presented.
  bool IsComplete() const { return !Vokabel.empty() && !Bedeutung[0].empty(); }
  bool operator==(const TVokabel&) const = default;
};

// The word class name the trainer shows, or empty for a value outside 0..7.
const char* WortartName(int wortart);

}  // namespace vyr
