// The account commands of the user base: the login at start and for
// "login", password change, new user and change of user.
#include "platform/core/Files.h"
#include "platform/core/Messages.h"
#include "shell/users/PasswordHash.h"
#include "shell/users/UserBase.h"
#include "shell/users/UserName.h"
#include "text/Case.h"

namespace vyr {

void TXUserBase::LoginFlow() {
  if (!SaveAndLogout()) return;  // the user stays logged in with his results
  RebuildUserNames();
  if (userNames_.empty()) {
    if (!dialogs.wizard) return;
    if (const auto login = dialogs.wizard()) Login(login->name, login->password);
  } else if (userNames_.size() == 1) {
    Login(userNames_[0], "");
  } else if (dialogs.chooseUser) {
    const auto login = dialogs.chooseUser("*vyr englisch", userNames_, 0);
    if (login && !login->name.empty()) Login(login->name, login->password);
  }
}

void TXUserBase::ChangePassword() {
  if (!IsLoggedIn()) {
    ShowCourseMessage("Nur angemeldete Benutzer können Passwörter ändern!", msg::IconError);
    return;
  }
  if (!dialogs.changePassword) return;
  const auto change = dialogs.changePassword(name_);
  if (!change) return;
  if (!PasswordMatches(password_, change->oldPassword)) {
    ShowCourseMessage("Das alte Passwort stimmt nicht!", msg::IconError);
  } else if (change->newPassword != change->confirmation) {
    ShowCourseMessage("Das neue Passwort und die Bestätigung stimmen nicht überein!", msg::IconError);
  } else if (change->oldPassword == change->newPassword) {
    ShowCourseMessage("Das Passwort wurde nicht geändert.", msg::IconInformation);
  } else {
    const std::string hashed = HashPassword(change->newPassword);
    if (hashed.empty() && !change->newPassword.empty()) {
      ShowCourseMessage("Das Passwort wurde nicht geändert.", msg::IconError);
      return;
    }
    // The user file is written at once; the old password stays when that fails.
    const std::string old = password_;
    password_ = hashed;
    if (!WriteUserFile(LearningSeconds())) {
      password_ = old;
      ShowCourseMessage(name_ + " konnte nicht gespeichert werden!");
      return;
    }
    ShowCourseMessage(change->newPassword.empty() ? "Das Passwort wurde deaktiviert." : "Das Passwort wurde geändert.",
                      msg::IconInformation);
  }
}

void TXUserBase::NewUser() {
  if (!dialogs.newUser) return;
  const auto user = dialogs.newUser();
  if (!user) return;
  const TNameProblem problem = CheckUserName(user->name);
  if (problem != TNameProblem::None) {
    ShowCourseMessage(UserNameMessage(problem), msg::IconError);
    return;
  }
  if (FileExists(UserFilePath(user->name))) {
    ShowCourseMessage(user->name + " existiert bereits!", msg::IconError);
    return;
  }
  Login(user->name, user->password);
}

void TXUserBase::ChangeUser() {
  RebuildUserNames();
  if (userNames_.empty() || (userNames_.size() == 1 && IsLoggedIn())) {
    NewUser();
    return;
  }
  if (!dialogs.chooseUser) return;
  const int selected = SameText(userNames_[0], name_) ? 1 : 0;
  const auto login = dialogs.chooseUser("vyr englisch", userNames_, selected);
  if (!login) return;
  const TNameProblem problem = CheckUserName(login->name);
  if (problem != TNameProblem::None) {
    ShowCourseMessage(UserNameMessage(problem), msg::IconError);
    return;
  }
  bool asked = false;
  if (!DirectoryExists(UserFolder(login->name))) {
    if (ShowCourseMessage(login->name + " existiert noch nicht! Neu anlegen?", msg::OkCancel | msg::IconQuestion) !=
        msg::IdOk)
      return;
    asked = true;
  }
  Login(login->name, login->password, !asked);
}

}  // namespace vyr
