#include "shell/window/CommandDispatch.h"

#include "platform/core/Messages.h"
#include "text/Case.h"

namespace vyr {

const char* const kFeatureMissingMessage = "Diese Funktion ist in dieser Installation nicht verfügbar.";

void TCommandDispatcher::SetOwner(TCommandOwner owner, TCommandHandler* handler) {
  owners_[static_cast<size_t>(owner)] = handler;
}

void TCommandDispatcher::PageCommand(std::string_view text) {
  if (processPendingMessages) processPendingMessages();
  if (!ready_) return;
  const std::string all = LowerCase(text);
  const bool user = loggedIn && loggedIn();
  size_t start = 0;
  while (start <= all.size()) {
    size_t comma = all.find(',', start);
    if (comma == std::string::npos) comma = all.size();
    const std::string_view command = std::string_view(all).substr(start, comma - start);
    start = comma + 1;
    if (command.empty() || command[0] == '#') continue;
    const TCommandMatch m = MatchCommand(command, user);
    if (m.row == nullptr) continue;  // unknown commands do nothing
    if (refused && refused(m.id)) continue;
    TCommandHandler* handler = Owner(m.row->owner);
    if (handler != nullptr) handler->RunCommand(m.id, m.argument);
    else if (m.row->owner != TCommandOwner::FreeFall)  // no game object: its commands are ignored
      ShowCourseMessage(kFeatureMissingMessage, msg::IconInformation);
  }
}

}  // namespace vyr
