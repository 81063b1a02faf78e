#pragma once
// shell/users: the user base with the user files, their records, the
// statistics and progress charts, the account dialogs and the first-user
// wizard, and what the learner's pages ask of the logged-in user.
//
// The user base: the known users, the one logged-in user with the results of
// the vocabulary answers, the learning time, the user file and the progress
// log. Nobody needs to be logged in; then nothing is recorded.
//
// A user is logged in from Login to SaveAndLogout. While logged in, a lock
// file in the user's folder keeps a second program (the editor beside the
// learner) from logging in the same user; a lock left by a crashed program
// does not count. A failed save leaves the user logged in with every result
// in memory.
#include <QDateTime>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "shell/users/UserRecords.h"
#include "shell/users/UserStatistics.h"

class QImage;
class QLockFile;

namespace vyr {

// The clocks of the user base: a monotonic one for the learning time, the
// wall clock for the login date in the log. Tests set both.
struct TUserClock {
  std::function<int64_t()> monotonicMs;
  std::function<QDateTime()> now;
  static TUserClock System();
};

struct TUserLogin {
  std::string name, password;
};
struct TPasswordChange {
  std::string oldPassword, newPassword, confirmation;
};

// The dialogs the account commands ask through; each returns nullopt on
// Cancel. Set by the program (UserDialogs.h), by tests with stand-ins.
struct TUserDialogs {
  // TXPasswort with the name shown and not editable: the password.
  std::function<std::optional<std::string>(const std::string& name)> askPassword;
  // TXPasswort with the names in a drop-down list (a name may be typed).
  std::function<std::optional<TUserLogin>(const std::string& caption, const std::vector<std::string>& names,
                                          int selected)>
      chooseUser;
  // The first-user wizard of pages: name and password, nullopt without login.
  std::function<std::optional<TUserLogin>()> wizard;
  std::function<std::optional<TPasswordChange>(const std::string& name)> changePassword;
  // TXNewUser: its OK button has already checked the confirmation.
  std::function<std::optional<TUserLogin>()> newUser;
};

class TXUserBase {
 public:
  // The learner reads the user's settings at login and writes display
  // settings and a log line at logout; the editor does neither.
  enum class TProgram { Learner, Editor };

  // Takes the user directory of the environment (program directory +
  // "Benutzer\" when none is configured), once.
  explicit TXUserBase(TProgram program = TProgram::Learner, TUserClock clock = TUserClock::System());
  ~TXUserBase();
  TXUserBase(const TXUserBase&) = delete;
  TXUserBase& operator=(const TXUserBase&) = delete;

  TUserDialogs dialogs;
  // Run after every login (trainer settings and superlearning options load
  // the user's values) and before the user data is saved at logout (they
  // save theirs).
  std::vector<std::function<void()>> loginHooks, logoutHooks;

  const std::string& UserDirectory() const { return userDirectory_; }
  // The user's folder, user file and progress log.
  std::string UserFolder(const std::string& name) const;
  std::string UserFilePath(const std::string& name) const;
  std::string LogFilePath(const std::string& name) const;

  // The known users: every "<name>_E.vyb" below the user directory, each name once.
  void RebuildUserNames();
  const std::vector<std::string>& UserNames() const { return userNames_; }

  bool IsLoggedIn() const { return !name_.empty(); }
  const std::string& UserName() const { return name_; }

  // Saves and logs out the current user, then logs in the given one,
  // creating the user when needed; false when nobody is logged in after it
  // (or the old user stays because saving failed).
  bool Login(const std::string& name, const std::string& password, bool askBeforeCreating = true);
  // Saves and logs out; false (after the message) when the user file could
  // not be written: the user then stays logged in.
  bool SaveAndLogout();
  // At shutdown: a failed save asks whether to try again; in the end the
  // user is logged out.
  void SaveAndLogoutAtShutdown();

  // The vocabulary results.
  int GetVocScore(const std::string& word, bool deutsch, int wordClass) const;
  void RecordVocAnswer(const std::string& word, bool deutsch, char modeChar, int delta, int wordClass);
  int ForgetAnswers(const std::string& word, bool deutsch, int count, int wordClass);
  void ForgetAllAnswers(bool onlyPositive, int count);
  const TUserRecords& Records() const { return records_; }
  // Answers of this login per exercise kind ("e", "m", "v", "f").
  int AnswerCount(char modeChar) const;

  void ComputeStatistics();
  const TUserStatistics& Statistics() const { return stats_; }
  void PaintChart(QImage& picture, TChartKind kind) const;
  // Learning time: the time before this login plus the time since it.
  int64_t LearningSeconds() const;

  // The account commands.
  void LoginFlow();       // at start and "login"
  void ChangePassword();  // "chpw"
  void NewUser();         // "newusr"
  void ChangeUser();      // "chusr"
  // The editor's: deletes the logged-in user's file, log and (empty) folder.
  bool DeleteUser();

 private:
  int64_t SessionSeconds() const;
  bool Lock(const std::string& name);
  bool WriteUserFile(int64_t seconds);
  bool AppendLogLine(int64_t sessionSeconds);
  void Release();
  bool NameAccepted(const std::string& name) const;

  TProgram program_;
  TUserClock clock_;
  std::string userDirectory_;
  std::vector<std::string> userNames_;
  std::string name_, password_;  // password_ in its stored form
  QDateTime loginTime_;
  int64_t loginMs_ = 0;
  int64_t accumulated_ = 0;  // seconds before this login
  int answers_[4] = {};      // e, m, v, f
  TUserRecords records_;
  TUserStatistics stats_;
  std::unique_ptr<QLockFile> lock_;
};

}  // namespace vyr
