#include "shell/users/XLogInWizard.h"

#include "page/control/PageControl.h"
#include "page/reader/MarkupEscape.h"
#include "platform/core/Messages.h"
#include "shell/startup/Environment.h"
#include "shell/users/UserName.h"
#include "shell/window/PageCodes.h"
#include "text/Case.h"

namespace vyr {

TXLogInWizard::TXLogInWizard(const std::string& pageDirectory, QWidget* parent)
    : QDialog(parent), page_(new TXPage(this)) {
  setWindowTitle(u"*vyr englisch"_qs);
  setFixedSize(kWidth, kHeight);
  page_->setGeometry(0, 0, kWidth, kHeight);
  page_->SetCondition(LowerCase(kCourseCode), true);
  page_->OnSpecialCode = [](TXPage*, std::string& code) { code = SpecialCodeValue(code); };
  page_->OnCommand = [this](TXPage*, const std::string& command) { PageCommand(LowerCase(command)); };
  page_->SetProgramDirectory(Env().programDirectory);
  page_->SetXPath(pageDirectory);
  page_->SetXFile(pageDirectory + "login1.htx");
}

std::string TXLogInWizard::Name() const { return page_->GetVariable("name"); }
std::string TXLogInWizard::Password() const { return page_->GetVariable("password"); }

void TXLogInWizard::PageCommand(const std::string& command) {
  if (command == "password") {
    accept();
    return;
  }
  if (command != "name") return;
  const std::string name = Name();
  switch (CheckUserName(name)) {
    case TNameProblem::Empty:
      if (ShowCourseMessage("Wirklich ohne Anmeldung fortsetzen?", msg::YesNo | msg::IconQuestion) == msg::IdYes)
        reject();
      return;
    case TNameProblem::Forbidden:
      ShowCourseMessage("Der Benutzername enthält unzulässige Zeichen!", msg::IconError);
      return;
    case TNameProblem::Shape: ShowCourseMessage(UserNameMessage(TNameProblem::Shape), msg::IconError); return;
    case TNameProblem::None: break;
  }
  // The password page greets the learner by name, escaped for the markup.
  page_->SetVariable("benutzer", EscapeMarkup(name));
  page_->SetXFile(page_->XPath() + "login3.htx");
}

}  // namespace vyr
