#include "shell/users/XChangePW.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>

#include "shell/users/DialogButtons.h"
#include "text/Cp1252.h"

namespace vyr {

TXChangePW::TXChangePW(const std::string& name, QWidget* parent)
    : QDialog(parent), old_(new QLineEdit(this)), new_(new QLineEdit(this)), confirm_(new QLineEdit(this)) {
  setWindowTitle(u"vyr englisch - Passwort ändern"_qs);
  for (QLineEdit* f : {old_, new_, confirm_}) f->setEchoMode(QLineEdit::Password);
  auto* form = new QFormLayout(this);
  form->addRow(u"Benutzer:"_qs, new QLabel(ToUnicode(name), this));
  form->addRow(u"Altes Passwort:"_qs, old_);
  form->addRow(u"Neues Passwort:"_qs, new_);
  form->addRow(u"Bestätigung:"_qs, confirm_);
  form->addRow(OkCancelButtons(this));
  old_->setFocus();
}

}  // namespace vyr
