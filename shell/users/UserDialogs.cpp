#include "shell/users/UserDialogs.h"

#include <QLineEdit>

#include "shell/users/XChangePW.h"
#include "shell/users/XLogInWizard.h"
#include "shell/users/XNewUser.h"
#include "shell/users/XPasswort.h"
#include "text/Cp1252.h"

namespace vyr {

TUserDialogs UserDialogs(const std::string& pageDirectory) {
  TUserDialogs d;
  d.askPassword = [](const std::string& name) -> std::optional<std::string> {
    TXPasswort dialog("*vyr englisch", name);
    if (dialog.exec() != QDialog::Accepted) return {};
    return dialog.Password();
  };
  d.chooseUser = [](const std::string& caption, const std::vector<std::string>& names,
                    int selected) -> std::optional<TUserLogin> {
    TXPasswort dialog(caption, names, selected);
    if (dialog.exec() != QDialog::Accepted) return {};
    return TUserLogin{dialog.Name(), dialog.Password()};
  };
  d.wizard = [pageDirectory]() -> std::optional<TUserLogin> {
    TXLogInWizard wizard(pageDirectory);
    if (wizard.exec() != QDialog::Accepted) return {};
    return TUserLogin{wizard.Name(), wizard.Password()};
  };
  d.changePassword = [](const std::string& name) -> std::optional<TPasswordChange> {
    TXChangePW dialog(name);
    if (dialog.exec() != QDialog::Accepted) return {};
    return TPasswordChange{FromUnicode(dialog.OldField()->text()), FromUnicode(dialog.NewField()->text()),
                           FromUnicode(dialog.ConfirmField()->text())};
  };
  d.newUser = []() -> std::optional<TUserLogin> {
    TXNewUser dialog;
    if (dialog.exec() != QDialog::Accepted) return {};
    return TUserLogin{FromUnicode(dialog.NameField()->text()), FromUnicode(dialog.PasswordField()->text())};
  };
  return d;
}

}  // namespace vyr
