#include "shell/users/XNewUser.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>

#include "platform/core/Messages.h"
#include "shell/users/DialogButtons.h"

namespace vyr {

TXNewUser::TXNewUser(QWidget* parent)
    : QDialog(parent), name_(new QLineEdit(this)), password_(new QLineEdit(this)), confirm_(new QLineEdit(this)) {
  setWindowTitle(u"Neuen Benutzer anlegen"_qs);
  password_->setEchoMode(QLineEdit::Password);
  confirm_->setEchoMode(QLineEdit::Password);
  auto* form = new QFormLayout(this);
  form->addRow(u"Name:"_qs, name_);
  form->addRow(u"Passwort:"_qs, password_);
  form->addRow(u"Bestätigung:"_qs, confirm_);
  form->addRow(OkCancelButtons(this));
  name_->setFocus();
}

void TXNewUser::accept() {
  if (password_->text() != confirm_->text()) {
    ShowCourseMessage("Passwort und Bestätigung stimmen nicht überein!", msg::IconError);
    password_->clear();
    confirm_->clear();
    password_->setFocus();
    return;
  }
  QDialog::accept();
}

}  // namespace vyr
