#include "shell/lab/LabCommands.h"

#include "page/control/PageControl.h"
#include "shell/startup/Environment.h"

namespace vyr {

int LabTopicNumber(const std::string& argument) {
  std::string digits = argument;
  if (!digits.empty() && digits.front() == ' ') digits.erase(0, 1);
  if (digits.empty() || digits.size() > 2) return -1;
  int n = 0;
  for (char c : digits) {
    if (c < '0' || c > '9') return -1;
    n = n * 10 + (c - '0');
  }
  return n;
}

void TLabCommands::RunCommand(TCommandId id, const std::string& argument) {
  if (id == TCommandId::LabRight || id == TCommandId::LabWrong) {
    page_.SetVariable("LabErgebnis", id == TCommandId::LabRight ? "Sehr schön!" : "Leider daneben!");
    page_.SetXFile(Env().contentRoot + "hvyr\\laborergebnis.htx");
    return;
  }
  TThemenListe* lab = topics_.get();
  if (!lab) return;
  switch (id) {
    case TCommandId::LabGermanOn: lab->SetGerman(true); break;
    case TCommandId::LabGermanOff: lab->SetGerman(false); break;
    case TCommandId::LabDictationOn: lab->SetDictation(true); break;
    case TCommandId::LabDictationOff: lab->SetDictation(false); break;
    case TCommandId::LabAutoReadOn: lab->SetAutoRead(true); break;
    case TCommandId::LabAutoReadOff: lab->SetAutoRead(false); break;
    case TCommandId::LabRefresh: lab->FillLabPage(); break;
    case TCommandId::LabNext:
      lab->NextSentence();
      lab->FillLabPage();
      lab->LoadLabPage("labor.htx");
      break;
    case TCommandId::LabList: lab->ShowTopicList(); break;
    case TCommandId::LabTopic: {
      const int n = LabTopicNumber(argument);
      if (n < 0 || static_cast<size_t>(n) >= lab->Topics().size()) return;  // not a topic: nothing happens
      lab->SelectTopic(n);
      lab->FillLabPage();
      lab->LoadLabPage("labor.htx");
      break;
    }
    default: break;
  }
}

}  // namespace vyr
