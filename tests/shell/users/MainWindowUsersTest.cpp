// The user base in the learner's main window: user codes, charts, the
// "login" condition and the account commands with the page reloaded.
#include <QImage>

#include "page/control/PageControl.h"
#include "shell/users/UserCommands.h"
#include "shell/window/MainWindow.h"
#include "tests/shell/users/UserFixture.h"

namespace vyr::test {
namespace {

class MainWindowUsersTest : public UserTest {
 protected:
  void SetUp() override {
    UserTest::SetUp();
    Env().contentRoot = Env().programDirectory;
    t.file("vyr\\hvyr\\main.htx", Deflate("<IF ?login>Hallo $[user], $[zeit], $[nr] $[pe]<ELSE>Niemand</IF>"));
  }
  static std::string Text(const TXPage* p) {
    std::string s;
    for (const auto& e : p->Model().Elements) s += e.Text;
    return s;
  }
  void wire(TMain& main) {
    main.SetUserSource([this](const std::string& code) { return UserCodeValue(*users, code); },
                       [this](const std::string& code, QImage& picture) { return UserPicture(*users, code, picture); });
    commands = std::make_unique<TUserCommands>(*users, [&main] { main.LoginChanged(); });
    main.Dispatcher().SetOwner(TCommandOwner::Users, commands.get());
    main.LoginChanged();
  }
  std::unique_ptr<TUserCommands> commands;
};

TEST_F(MainWindowUsersTest, PagesShowTheUserAndCommandsSwitchUsers) {
  ASSERT_TRUE(users->Login("B&B $5", ""));
  users->RecordVocAnswer("house", false, 'e', 10, 3);
  users->ComputeStatistics();
  ms = (2 * 3600 + 60) * 1000;
  TMain main;
  wire(main);
  EXPECT_TRUE(main.XPage()->HasCondition("login"));
  EXPECT_EQ(Text(main.XPage()), "Hallo B&B $5, 2 Stunden 1 Minute, 1 100");

  users->dialogs.newUser = [] { return std::optional(TUserLogin{"Bob", ""}); };
  messages.answerWith(msg::IdYes);  // "Neuen Benutzer Bob anlegen?"
  main.PageCommand("NEWUSR");
  EXPECT_EQ(Text(main.XPage()), "Hallo Bob, 0 Stunden 0 Minuten, 0 0");

  users->dialogs.chooseUser = [](const std::string&, const std::vector<std::string>&, int) {
    return std::optional(TUserLogin{});  // OK without a name: nobody
  };
  users->dialogs.wizard = [] { return std::optional<TUserLogin>(); };
  main.PageCommand("login");
  EXPECT_FALSE(main.XPage()->HasCondition("login"));
  EXPECT_EQ(Text(main.XPage()), "Niemand");
  main.PageCommand("chpw,stats");  // ignored while nobody is logged in
  EXPECT_EQ(shown(), std::vector<std::string>{"Neuen Benutzer Bob anlegen?"});
}

TEST_F(MainWindowUsersTest, ChartsOnlyForTheLoggedInUser) {
  QImage picture(42, 10, QImage::Format_RGB32);
  picture.fill(Qt::blue);
  EXPECT_FALSE(UserPicture(*users, "absolut", picture));
  ASSERT_TRUE(users->Login("Anna", ""));
  EXPECT_FALSE(UserPicture(*users, "anderes", picture));
  EXPECT_EQ(picture.pixelColor(0, 0), QColor(Qt::blue));
  for (const char* code : {"absolut", "relativ", "deutsch", "fremd"}) {
    picture.fill(Qt::blue);
    EXPECT_TRUE(UserPicture(*users, code, picture)) << code;
    EXPECT_EQ(picture.pixelColor(0, 0), QColor(255, 0, 0)) << code;
  }
}

}  // namespace
}  // namespace vyr::test
