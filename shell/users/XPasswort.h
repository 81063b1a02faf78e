#pragma once
// The login dialog: a name (shown fixed, or chosen from the known users or
// typed) and a password field.
#include <QDialog>
#include <string>
#include <vector>

class QComboBox;
class QLabel;
class QLineEdit;

namespace vyr {

class TXPasswort : public QDialog {
  Q_OBJECT
 public:
  // The name shown and not editable.
  TXPasswort(const std::string& caption, const std::string& name, QWidget* parent = nullptr);
  // The names in an editable drop-down list, one pre-selected.
  TXPasswort(const std::string& caption, const std::vector<std::string>& names, int selected,
             QWidget* parent = nullptr);

  std::string Name() const;
  std::string Password() const;
  QComboBox* NameBox() const { return names_; }
  QLineEdit* PasswordField() const { return password_; }

 private:
  void build(const std::string& caption);
  QLabel* fixedName_ = nullptr;
  QComboBox* names_ = nullptr;
  QLineEdit* password_ = nullptr;
};

}  // namespace vyr
