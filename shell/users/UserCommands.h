#pragma once
// What the user base gives the learner's main window: the values of the
// user codes of pages, the progress charts, and the owner of the account
// commands ("chpw", "stats", "login", "newusr", "chusr").
#include <functional>
#include <string>

#include "shell/window/CommandDispatch.h"

class QImage;

namespace vyr {

class TXUserBase;

// The value of a code that belongs to the logged-in user ("user", "perfa",
// "nr", "pe", "zeit", ...); other codes stay as they are. The name is
// escaped for the markup it is read as.
std::string UserCodeValue(const TXUserBase& users, const std::string& code);
// Paints the chart of "absolut", "relativ", "deutsch" or "fremd"; false for
// other codes or while nobody is logged in (the picture stays untouched).
bool UserPicture(const TXUserBase& users, const std::string& code, QImage& picture);

class TUserCommands : public TCommandHandler {
 public:
  // loginChanged: after "login", "newusr" and "chusr" (the window updates
  // its "login" condition and reloads the page).
  TUserCommands(TXUserBase& users, std::function<void()> loginChanged)
      : users_(users), loginChanged_(std::move(loginChanged)) {}
  void RunCommand(TCommandId id, const std::string& argument) override;

 private:
  TXUserBase& users_;
  std::function<void()> loginChanged_;
};

}  // namespace vyr
