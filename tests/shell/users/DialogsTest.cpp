// The account dialogs and the first-user wizard, driven with keys and
// clicks offscreen.
#include <QApplication>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QPushButton>
#include <QScopeGuard>
#include <QTest>
#include <QTimer>

#include "page/control/PageControl.h"
#include "shell/users/UserDialogs.h"
#include "shell/users/XChangePW.h"
#include "shell/users/XLogInWizard.h"
#include "shell/users/XNewUser.h"
#include "shell/users/XPasswort.h"
#include "tests/shell/users/UserFixture.h"
#include "text/Cp1252.h"

namespace vyr::test {
namespace {

class DialogsTest : public UserTest {
 protected:
  void SetUp() override {
    UserTest::SetUp();
    pages = t.dir("vyr\\hvyr");
    // Pages ending in ".htx" are stored compressed.
    t.file("vyr\\hvyr\\login1.htx", Z("<P>Name:<INPUT NAME=\"name\" COORDS=10,40,200>"));
    t.file("vyr\\hvyr\\login3.htx", Z("<P>Hallo $[benutzer]!<INPUT NAME=\"password\" COORDS=10,40,200>"));
  }
  static void Type(TXLogInWizard& w, const QString& text) {
    QTRY_VERIFY(w.Page()->InputLine() != nullptr && w.Page()->InputLine()->isVisible());
    QLineEdit* line = w.Page()->InputLine();
    line->setFocus();
    line->insert(text);  // as typed; keyClicks knows no umlauts
    QTest::keyClick(line, Qt::Key_Return);
  }
  static bool HasWord(const TXPage* page, const std::string& word) {
    for (const TXText& e : page->Model().Elements)
      if (e.Kind == ekWord && e.Text == word) return true;
    return false;
  }
  // The words and spaces of the page as text.
  static std::string Text(const TXPage* page) {
    std::string out;
    for (const TXText& e : page->Model().Elements) out += e.Kind == ekWord ? e.Text : e.Kind == ekSpace ? " " : "";
    return out;
  }
  static TXLogInWizard* ShownWizard() {
    for (QWidget* w : QApplication::topLevelWidgets())
      if (auto* wizard = qobject_cast<TXLogInWizard*>(w); wizard && wizard->isVisible()) return wizard;
    return nullptr;
  }
  std::string pages;
};

TEST_F(DialogsTest, WizardAsksNameThenPassword) {
  TXLogInWizard wizard(pages);
  wizard.show();
  EXPECT_EQ(wizard.windowTitle(), u"*vyr englisch"_qs);
  Type(wizard, u"a?b"_qs);
  QTRY_COMPARE(shown().size(), size_t(1));
  EXPECT_EQ(shown()[0], "Der Benutzername enthält unzulässige Zeichen!");
  EXPECT_TRUE(HasWord(wizard.Page(), "Name:"));

  wizard.Page()->InputLine()->clear();
  Type(wizard, u"Tom&Jerry$"_qs);
  QTRY_VERIFY(HasWord(wizard.Page(), "Hallo"));
  EXPECT_EQ(Text(wizard.Page()), "Hallo Tom&Jerry$!");  // the name shown as typed
  Type(wizard, u"geheim"_qs);
  QTRY_COMPARE(wizard.result(), int(QDialog::Accepted));
  EXPECT_EQ(wizard.Name(), "Tom&Jerry$");
  EXPECT_EQ(wizard.Password(), "geheim");
}

TEST_F(DialogsTest, WizardWithoutNameAsksToGoOnWithoutLogin) {
  TXLogInWizard wizard(pages);
  wizard.show();
  messages.answerWith(msg::IdNo);
  Type(wizard, QString());
  QTRY_COMPARE(shown().size(), size_t(1));
  EXPECT_EQ(shown()[0], "Wirklich ohne Anmeldung fortsetzen?");
  EXPECT_TRUE(wizard.isVisible());
  messages.answerWith(msg::IdYes);
  Type(wizard, QString());
  QTRY_VERIFY(!wizard.isVisible());
  EXPECT_EQ(wizard.result(), int(QDialog::Rejected));
}

TEST_F(DialogsTest, LoginFlowWithoutUsersRunsTheWizard) {
  Env().contentRoot = Env().programDirectory;
  users->dialogs = UserDialogs(pages);
  // Loading the wizard's page processes events: wait until it is shown.
  QTimer poll;
  poll.setInterval(20);
  QObject::connect(&poll, &QTimer::timeout, [&poll] {
    TXLogInWizard* wizard = ShownWizard();
    if (wizard == nullptr) return;
    poll.stop();
    // Whatever fails below, the wizard closes and the test goes on.
    const auto close = qScopeGuard([wizard] {
      if (wizard->isVisible()) wizard->reject();
    });
    Type(*wizard, u"Jürgen"_qs);
    QTRY_VERIFY(HasWord(wizard->Page(), "Hallo"));
    Type(*wizard, QString());
    QTRY_VERIFY(!wizard->isVisible());
  });
  poll.start();
  users->LoginFlow();
  EXPECT_EQ(users->UserName(), "J\xFCrgen");
  EXPECT_TRUE(FileExists(userFile("J\xFCrgen")));
}

// "chpw" with the real dialog: the typed fields reach the check, and the
// new password is in the user file once the message says so.
TEST_F(DialogsTest, PasswordChangeThroughItsDialog) {
  users->dialogs = UserDialogs(pages);
  ASSERT_TRUE(users->Login("Anna", "alt"));
  QString caption;
  QTimer::singleShot(0, [&caption] {
    auto* dialog = qobject_cast<TXChangePW*>(QApplication::activeModalWidget());
    if (dialog == nullptr) return;
    caption = dialog->windowTitle();
    QTest::keyClicks(dialog->OldField(), u"alt"_qs);
    dialog->NewField()->insert(u"neü"_qs);  // as typed; keyClicks knows no umlauts
    dialog->ConfirmField()->insert(u"neü"_qs);
    QTest::mouseClick(dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok), Qt::LeftButton);
  });
  users->ChangePassword();
  EXPECT_EQ(caption, u"vyr englisch - Passwort ändern"_qs);
  EXPECT_EQ(shown(), std::vector<std::string>{"Das Passwort wurde geändert."});
  EXPECT_TRUE(PasswordMatches(ParseUserFile(disk("Anna"))->password, "ne\xFC"));
}

TEST_F(DialogsTest, NewUserDialogChecksTheConfirmation) {
  TXNewUser dialog;
  dialog.show();
  QTest::keyClicks(dialog.NameField(), u"Anna"_qs);
  QTest::keyClicks(dialog.PasswordField(), u"eins"_qs);
  QTest::keyClicks(dialog.ConfirmField(), u"zwei"_qs);
  QPushButton* ok = dialog.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok);
  QTest::mouseClick(ok, Qt::LeftButton);
  EXPECT_EQ(shown(), std::vector<std::string>{"Passwort und Bestätigung stimmen nicht überein!"});
  EXPECT_TRUE(dialog.isVisible());
  EXPECT_TRUE(dialog.PasswordField()->text().isEmpty());
  EXPECT_TRUE(dialog.ConfirmField()->text().isEmpty());
  EXPECT_EQ(dialog.NameField()->text(), u"Anna"_qs);
  QTest::keyClicks(dialog.PasswordField(), u"drei"_qs);
  QTest::keyClicks(dialog.ConfirmField(), u"drei"_qs);
  QTest::mouseClick(ok, Qt::LeftButton);
  EXPECT_EQ(dialog.result(), int(QDialog::Accepted));
}

TEST_F(DialogsTest, PasswordDialogOffersTheKnownUsers) {
  TXPasswort dialog("*vyr englisch", std::vector<std::string>{"Anna", "J\xFCrgen"}, 1);
  dialog.show();
  EXPECT_EQ(dialog.Name(), "J\xFCrgen");
  QTest::keyClicks(dialog.PasswordField(), u"pw"_qs);
  EXPECT_EQ(dialog.Password(), "pw");
  dialog.NameBox()->lineEdit()->clear();
  QTest::keyClicks(dialog.NameBox()->lineEdit(), u"Neu"_qs);
  EXPECT_EQ(dialog.Name(), "Neu");
  EXPECT_EQ(dialog.PasswordField()->echoMode(), QLineEdit::Password);
}

}  // namespace
}  // namespace vyr::test
