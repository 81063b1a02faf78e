#pragma once
// The owner of the lab's commands: the switches ("+diktat", "-deutsch",
// "+autoread", ...), "lab", the dictation results ("lab…+", "lab-"),
// "labnext", "lablist" and "thema" with a topic number.
#include <memory>
#include <string>

#include "shell/lab/ThemenListe.h"
#include "shell/window/CommandDispatch.h"

namespace vyr {

// The topic number of "thema": one or two digits, a leading blank allowed;
// -1 for anything else.
int LabTopicNumber(const std::string& argument);

class TLabCommands : public TCommandHandler {
 public:
  // The topic list may be gone (after the shutdown released it): the lab
  // commands then do nothing; the result commands need only the page.
  TLabCommands(const std::unique_ptr<TThemenListe>& topics, TXPage& page) : topics_(topics), page_(page) {}
  void RunCommand(TCommandId id, const std::string& argument) override;

 private:
  const std::unique_ptr<TThemenListe>& topics_;
  TXPage& page_;
};

}  // namespace vyr
