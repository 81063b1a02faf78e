#pragma once
// The road of a command from a "§" link: the command text is lower-cased,
// split at "," and each single command goes to its owner by the command
// table. Owners register a handler; a command whose owner this installation
// does not have gets a German message instead.
#include <array>
#include <functional>
#include <string>
#include <string_view>

#include "shell/window/CommandTable.h"

namespace vyr {

class TCommandHandler {
 public:
  virtual ~TCommandHandler() = default;
  // Carries out one command; may throw, the page control reports it and the
  // rest of the command list is dropped.
  virtual void RunCommand(TCommandId id, const std::string& argument) = 0;
};

class TCommandDispatcher {
 public:
  void SetOwner(TCommandOwner owner, TCommandHandler* handler);
  TCommandHandler* Owner(TCommandOwner owner) const { return owners_[static_cast<size_t>(owner)]; }
  // Commands that arrive before the shared objects exist are ignored.
  void SetReady(bool ready) { ready_ = ready; }
  std::function<bool()> loggedIn;
  std::function<void()> processPendingMessages;
  // Single commands refused at the moment (starts while a presentation runs).
  std::function<bool(TCommandId)> refused;

  void PageCommand(std::string_view text);

 private:
  std::array<TCommandHandler*, static_cast<size_t>(TCommandOwner::Count)> owners_{};
  bool ready_ = false;
};

// The message for a command whose feature this installation lacks.
extern const char* const kFeatureMissingMessage;

}  // namespace vyr
