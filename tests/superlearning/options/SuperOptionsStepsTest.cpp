// The options in the program's steps: start-up, login and logout, shutdown.
#include "shell/users/UserBase.h"
#include "superlearning/options/SuperOptionsSteps.h"
#include "superlearning/sound/SoundPlayers.h"
#include "tests/superlearning/options/OptionsFixture.h"

namespace vyr::test {
namespace {

using S = TSuperSettings;

class SuperOptionsStepsTest : public OptionsFixture {
 protected:
  void TearDown() override {
    users.reset();
    ReleaseSuperOptions();
    ReleaseMusic();
    OptionsFixture::TearDown();
  }
  // What the program entry does at start: options with the music player,
  // the user base with its hooks and maybe a login, then nobody's values.
  void Start(const std::string& login = {}) {
    CreateSuperOptions();
    users = std::make_unique<TXUserBase>();
    ConnectSuperOptions(*users);
    if (!login.empty()) ASSERT_TRUE(users->Login(login, "", false));
    LoadSuperOptionsWithoutUser();
  }
  // The shutdown's order: the user's logout, the options, the music player.
  void Shutdown() {
    users->SaveAndLogoutAtShutdown();
    users.reset();
    ReleaseSuperOptions();
    ReleaseMusic();
  }
  static std::string UserKey(const std::string& name) {
    return std::string("Software\\vyr\\vyr englisch\\5\\") + name + "\\Super";
  }

  std::unique_ptr<TXUserBase> users;
};

TEST_F(SuperOptionsStepsTest, StartAndLoginWithoutMusicFolderShowNothing) {
  Start();
  ASSERT_NE(SuperOptions(), nullptr);
  ASSERT_NE(Music(), nullptr);
  EXPECT_EQ(&SuperOptions()->Music(), Music());  // the one player
  EXPECT_EQ(Music()->Directory(), "");
  ASSERT_TRUE(users->Login("Anna", "", false));
  EXPECT_TRUE(messages.texts().empty());
}

TEST_F(SuperOptionsStepsTest, ShutdownStoresModifiedOptionsAndTheVolume) {
  Start("Anna");
  SuperOptions()->Set(&S::Madness, 4);
  Music()->SetVolumeDb(-3);
  SuperOptions()->MarkModified();  // as the volume keys of a presentation do
  Shutdown();
  EXPECT_EQ(Reg().ReadInteger(UserKey("Anna"), "Madness").value_or(0), 4);
  EXPECT_EQ(Reg().ReadInteger(UserKey("Anna"), "Volume").value_or(0), -3);
  EXPECT_FALSE(Reg().KeyExists(UserKey("Anonym")));
  EXPECT_TRUE(messages.texts().empty());
}

TEST_F(SuperOptionsStepsTest, EachLearnerKeepsTheirValuesWhileTheVolumeCarriesOver) {
  Start("Anna");
  SuperOptions()->Set(&S::Madness, 2);
  Music()->SetVolumeDb(-20);
  SuperOptions()->MarkModified();
  // Bert is new: his key does not exist, so he gets the defaults, and the
  // volume (held by the player, not reset by the defaults) stays.
  ASSERT_TRUE(users->Login("Bert", "", false));
  EXPECT_EQ(SuperOptions()->Settings().Madness, 9);
  EXPECT_EQ(Music()->VolumeDb(), -20);
  SuperOptions()->Set(&S::Madness, 6);
  Music()->SetVolumeDb(-2);
  SuperOptions()->MarkModified();
  ASSERT_TRUE(users->Login("Anna", "", false));
  EXPECT_EQ(SuperOptions()->Settings().Madness, 2);
  EXPECT_EQ(Music()->VolumeDb(), -20);
  ASSERT_TRUE(users->Login("Bert", "", false));
  EXPECT_EQ(SuperOptions()->Settings().Madness, 6);
  EXPECT_EQ(Music()->VolumeDb(), -2);
  EXPECT_TRUE(messages.texts().empty());
}

TEST_F(SuperOptionsStepsTest, NobodyLoggedInUsesTheAnonymousKey) {
  Reg().WriteInteger(UserKey("Anonym"), "Madness", 5);
  Start();
  EXPECT_EQ(SuperOptions()->Settings().Madness, 5);
  EXPECT_FALSE(SuperOptions()->Modified());
}

}  // namespace
}  // namespace vyr::test
