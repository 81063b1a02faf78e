#pragma once
// The password change: the name shown, the old password, the new one and
// its confirmation.
#include <QDialog>
#include <string>

class QLineEdit;

namespace vyr {

class TXChangePW : public QDialog {
  Q_OBJECT
 public:
  explicit TXChangePW(const std::string& name, QWidget* parent = nullptr);
  QLineEdit* OldField() const { return old_; }
  QLineEdit* NewField() const { return new_; }
  QLineEdit* ConfirmField() const { return confirm_; }

 private:
  QLineEdit* old_;
  QLineEdit* new_;
  QLineEdit* confirm_;
};

}  // namespace vyr
