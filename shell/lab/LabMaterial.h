#pragma once
// shell/lab: the language lab (topics of everyday sentences, the lab
// commands and page variables, the settings) and the sound recorder.
//
// The lab's sentence material: lines of a compressed resource. "****" and a
// title start a topic; then five lines per sentence: the sentence, its long
// form (empty when the same), its hint mask (empty or " ": made from the
// sentence), the German translation and the recording's file name below the
// lab directory ("0\lab_0000.wav").
#include <string>
#include <string_view>
#include <vector>

#include "page/exercises/ExerciseRules.h"

namespace vyr {

class TZIPResource;

struct TSatz {
  std::string Satz;     // the English sentence ("FEHLER!" when its line was empty)
  std::string Lang;     // the long form, empty when it equals the sentence
  std::string Maske;    // the hint mask, "." for each hidden character
  std::string Deutsch;  // the German translation
  std::string Datei;    // the recording below "Labor\"
};

struct TThema {
  std::string Titel;
  std::vector<TSatz> Saetze;
};

// Reads the material. Lines before the first topic are ignored; a sentence
// cut short at the end keeps the fields it has. A mask that is empty, a
// single blank or longer than its sentence is made from the sentence.
std::vector<TThema> ReadLabMaterial(TZIPResource& source, const TRandomFn& random = ProgramRandom());

// The lab's hint mask of a sentence: first and last character and the marks
// " !',-.?" stay, the rest becomes "."; from the fifth character on one in
// five stays visible.
std::string LabHintMask(std::string_view sentence, const TRandomFn& random = ProgramRandom());

}  // namespace vyr
