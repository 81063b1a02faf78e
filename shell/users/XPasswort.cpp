#include "shell/users/XPasswort.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>

#include "shell/users/DialogButtons.h"
#include "text/Cp1252.h"

namespace vyr {

TXPasswort::TXPasswort(const std::string& caption, const std::string& name, QWidget* parent) : QDialog(parent) {
  fixedName_ = new QLabel(ToUnicode(name), this);
  build(caption);
}

TXPasswort::TXPasswort(const std::string& caption, const std::vector<std::string>& names, int selected, QWidget* parent)
    : QDialog(parent) {
  names_ = new QComboBox(this);
  names_->setEditable(true);
  names_->setInsertPolicy(QComboBox::NoInsert);
  for (const std::string& n : names) names_->addItem(ToUnicode(n));
  if (selected >= 0 && selected < names_->count()) names_->setCurrentIndex(selected);
  build(caption);
}

void TXPasswort::build(const std::string& caption) {
  setWindowTitle(ToUnicode(caption));
  password_ = new QLineEdit(this);
  password_->setEchoMode(QLineEdit::Password);
  auto* form = new QFormLayout(this);
  form->addRow(u"Benutzer:"_qs, fixedName_ ? static_cast<QWidget*>(fixedName_) : names_);
  form->addRow(u"Passwort:"_qs, password_);
  form->addRow(OkCancelButtons(this));
  if (fixedName_) password_->setFocus();
}

std::string TXPasswort::Name() const { return FromUnicode(fixedName_ ? fixedName_->text() : names_->currentText()); }

std::string TXPasswort::Password() const { return FromUnicode(password_->text()); }

}  // namespace vyr
