#include "shell/lab/LabMaterial.h"

#include "page/sources/ZipResource.h"
#include "text/Trim.h"

namespace vyr {

std::string LabHintMask(std::string_view sentence, const TRandomFn& random) { return HelpMask(sentence, random, '.'); }

std::vector<TThema> ReadLabMaterial(TZIPResource& source, const TRandomFn& random) {
  std::vector<TThema> topics;
  int field = 0;  // the next field of the current topic's sentence, 0..4
  const auto finishMask = [&random](TSatz& s) {
    if (s.Maske.empty() || s.Maske == " " || s.Maske.size() > s.Satz.size()) s.Maske = LabHintMask(s.Satz, random);
  };
  while (!source.AtEnd()) {
    std::string line = source.ReadLine();
    if (line.starts_with("****")) {
      if (!topics.empty() && field > 0 && field <= 2) finishMask(topics.back().Saetze.back());
      topics.push_back({Trim(std::string_view(line).substr(4)), {}});
      field = 0;
      continue;
    }
    if (topics.empty()) continue;  // nothing before the first topic
    std::vector<TSatz>& saetze = topics.back().Saetze;
    switch (field) {
      case 0: saetze.push_back({line.empty() ? "FEHLER!" : std::move(line), {}, {}, {}, {}}); break;
      case 1: saetze.back().Lang = std::move(line); break;
      case 2:
        saetze.back().Maske = std::move(line);
        finishMask(saetze.back());
        break;
      case 3: saetze.back().Deutsch = std::move(line); break;
      case 4: saetze.back().Datei = std::move(line); break;
    }
    field = (field + 1) % 5;
  }
  // A last sentence cut short before its mask still gets one.
  if (!topics.empty() && field > 0 && field <= 2) finishMask(topics.back().Saetze.back());
  return topics;
}

}  // namespace vyr
