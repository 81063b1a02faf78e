#pragma once
// The wizard for the very first user: a page control showing the course's
// pages "login1.htx" (the name) and "login3.htx" (the password). The pages
// send "name" and "password"; they edit the page variables of these names.
#include <QDialog>
#include <string>

namespace vyr {

class TXPage;

class TXLogInWizard : public QDialog {
  Q_OBJECT
 public:
  static constexpr int kWidth = 640, kHeight = 440;
  // pageDirectory: the course's "hvyr\" folder.
  explicit TXLogInWizard(const std::string& pageDirectory, QWidget* parent = nullptr);

  TXPage* Page() const { return page_; }
  std::string Name() const;
  std::string Password() const;
  // The pages' commands.
  void PageCommand(const std::string& command);

 private:
  TXPage* page_;
};

}  // namespace vyr
