#pragma once
// A new user: name, password and confirmation. OK with a confirmation that
// differs from the password says so, empties both and keeps the dialog open.
#include <QDialog>
#include <string>

class QLineEdit;

namespace vyr {

class TXNewUser : public QDialog {
  Q_OBJECT
 public:
  explicit TXNewUser(QWidget* parent = nullptr);
  QLineEdit* NameField() const { return name_; }
  QLineEdit* PasswordField() const { return password_; }
  QLineEdit* ConfirmField() const { return confirm_; }
  void accept() override;

 private:
  QLineEdit* name_;
  QLineEdit* password_;
  QLineEdit* confirm_;
};

}  // namespace vyr
