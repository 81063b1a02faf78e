#pragma once
// A user base on a temporary installation: program directory with an empty
// "Benutzer\" folder, clocks the test sets, passwords hashed at the lowest
// cost, recorded messages and dialog stand-ins that count their calls.
#include <gtest/gtest.h>

#include <deque>
#include <memory>

#include "platform/core/Files.h"
#include "platform/core/MessageRecorder.h"
#include "platform/core/Registry.h"
#include "shell/startup/Environment.h"
#include "shell/users/PasswordHash.h"
#include "shell/users/UserBase.h"
#include "shell/users/UserFile.h"
#include "tests/common/TempDir.h"
#include "text/ZStream.h"

namespace vyr::test {

class UserTest : public ::testing::Test {
 protected:
  void SetUp() override {
    SetMinimalPasswordHashLimits();
    RemoveFile(TRegistry::CurrentUser().fileName());
    TRegistry::Reload();
    ResetEnvironment();
    Env().programDirectory = t.dir("vyr");
    users = MakeBase();
  }
  void TearDown() override {
    users.reset();
    ResetEnvironment();
  }

  std::unique_ptr<TXUserBase> MakeBase(TXUserBase::TProgram program = TXUserBase::TProgram::Learner) {
    TUserClock clock{[this] { return ms; }, [this] { return now; }};
    auto base = std::make_unique<TXUserBase>(program, clock);
    base->dialogs.askPassword = [this](const std::string&) -> std::optional<std::string> {
      ++passwordPrompts;
      if (promptAnswers.empty()) return std::nullopt;
      std::string a = promptAnswers.front();
      promptAnswers.pop_front();
      return a;
    };
    return base;
  }

  std::string userDir() const { return Env().programDirectory + "Benutzer\\"; }
  std::string userFile(const std::string& name) const { return userDir() + name + "\\" + name + "_E.vyb"; }
  // Puts a user file of the given bytes in place.
  void putFile(const std::string& name, const std::string& bytes) {
    ASSERT_TRUE(MakeDirectories(userDir() + name + "\\"));
    ASSERT_TRUE(WriteWholeFile(userFile(name), bytes));
  }
  static std::string Z(std::string_view data) { return Deflate(data); }
  std::string disk(const std::string& name) const { return ReadWholeFile(userFile(name)).value_or("<none>"); }
  std::vector<std::string> shown() const { return messages.texts(); }

  TTempDir t;
  int64_t ms = 0;
  QDateTime now{QDate(2026, 12, 24), QTime(14, 5, 9)};
  int passwordPrompts = 0;
  std::deque<std::string> promptAnswers;
  TMessageRecorder messages;
  std::unique_ptr<TXUserBase> users;
};

}  // namespace vyr::test
