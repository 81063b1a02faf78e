// Names, known users, the lock between programs, failed saves and the
// account commands, with dialog stand-ins.
#include <QDir>
#include <QFile>
#include <QLockFile>
#include <QScopeGuard>

#include "shell/users/UserName.h"
#include "tests/shell/users/UserFixture.h"
#include "text/Cp1252.h"

namespace vyr::test {
namespace {

// Makes the user file unwritable: a directory stands where it is written.
void BlockUserFile(const std::string& path) {
  ASSERT_TRUE(RemoveFile(path));
  ASSERT_TRUE(QDir().mkpath(NativePath(path)));
  ForgetDirectoryCache();
}
void UnblockUserFile(const std::string& path) {
  ASSERT_TRUE(QDir(NativePath(path)).removeRecursively());
  ForgetDirectoryCache();
}

TEST_F(UserTest, BadNamesCreateNoDirectory) {
  const std::vector<std::pair<std::string, TNameProblem>> names = {
      {"..", TNameProblem::Shape},       {".", TNameProblem::Shape},     {"a/b", TNameProblem::Forbidden},
      {"a\\b", TNameProblem::Forbidden}, {"Anna ", TNameProblem::Shape}, {".x", TNameProblem::Shape},
      {"x.", TNameProblem::Shape},       {"a\tb", TNameProblem::Shape},  {"wer?", TNameProblem::Forbidden},
      {"", TNameProblem::Empty},
  };
  for (const auto& [name, problem] : names) {
    SCOPED_TRACE(name);
    EXPECT_EQ(CheckUserName(name), problem);
    messages.clear();
    EXPECT_FALSE(users->Login(name, ""));
    EXPECT_EQ(shown().size(), problem == TNameProblem::Empty ? 0u : 1u);
  }
  EXPECT_EQ(UserNameMessage(TNameProblem::Forbidden),
            "Der Name darf keines der folgenden Zeichen enthalten: /\\*:<>|?\"");
  EXPECT_FALSE(DirectoryExists(userDir()));
  EXPECT_FALSE(DirectoryExists(Env().programDirectory + "b"));

  // A bad name does not log out the user who is logged in.
  ASSERT_TRUE(users->Login("Anna", ""));
  EXPECT_FALSE(users->Login("..", ""));
  EXPECT_EQ(users->UserName(), "Anna");
}

TEST_F(UserTest, UmlautNameIsUtf8OnDisk) {
  ASSERT_TRUE(users->Login("Jürgen", ""));
  ASSERT_TRUE(users->SaveAndLogout());
  EXPECT_TRUE(QFile::exists(t.native() + u"/vyr/Benutzer/Jürgen/Jürgen_E.vyb"_qs));
  EXPECT_EQ(ParseUserFile(disk("Jürgen"))->name, "J\xFCrgen");  // Windows-1252 inside
}

TEST_F(UserTest, KnownUsersAreListedOnce) {
  putFile("Anna", "");
  t.file("vyr\\Benutzer\\alt\\Anna\\Anna_E.vyb");
  t.file("vyr\\Benutzer\\Bob\\Bob_E.vyb");
  t.file("vyr\\Benutzer\\Bob\\notizen.vyb");
  t.file("vyr\\Benutzer\\Carl\\Carl_F.vyb");
  users->RebuildUserNames();
  EXPECT_EQ(users->UserNames(), (std::vector<std::string>{"Anna", "Bob"}));
}

TEST_F(UserTest, ASecondProgramCannotLogInTheSameUser) {
  ASSERT_TRUE(users->Login("Anna", ""));
  auto editor = MakeBase(TXUserBase::TProgram::Editor);
  EXPECT_FALSE(editor->Login("Anna", ""));
  EXPECT_FALSE(editor->IsLoggedIn());
  EXPECT_EQ(shown().back(), "Der Benutzer Anna ist bereits in einem anderen Programm angemeldet.");
  ASSERT_TRUE(users->SaveAndLogout());
  EXPECT_TRUE(editor->Login("Anna", ""));
  EXPECT_FALSE(users->Login("Anna", ""));
}

TEST_F(UserTest, ALockLeftByACrashedProgramDoesNotBlock) {
  putFile("Anna", "");
  QFile lock(NativePath(userDir() + "Anna\\anmeldung.lck"));
  ASSERT_TRUE(lock.open(QIODevice::WriteOnly));
  lock.write("999999\nvyr_e\n" + QSysInfo::machineHostName().toUtf8() + "\n");
  lock.close();
  EXPECT_TRUE(users->Login("Anna", ""));
}

// Folders nobody may write to: what the user learned could not be saved, so
// nobody is logged in, and the files stay as they are. (A program running
// with rights that ignore folder permissions cannot show this.)
TEST_F(UserTest, ReadOnlyFoldersRefuseTheLogin) {
  const std::string annaFile = Z(std::string("Anna:\0", 6));
  putFile("Anna", annaFile);
  const QString base = NativePath(userDir()), anna = NativePath(userDir() + "Anna");
  const auto readOnly = QFile::ReadOwner | QFile::ExeOwner | QFile::ReadUser | QFile::ExeUser;
  const auto writable = readOnly | QFile::WriteOwner | QFile::WriteUser;
  const auto restore = qScopeGuard([&] {
    QFile::setPermissions(anna, writable);
    QFile::setPermissions(base, writable);
  });
  ASSERT_TRUE(QFile::setPermissions(anna, readOnly));
  ASSERT_TRUE(QFile::setPermissions(base, readOnly));
  if (QFile probe(anna + u"/probe"_qs); probe.open(QIODevice::WriteOnly)) {
    probe.remove();
    GTEST_SKIP() << "folder permissions do not apply to this user";
  }
  EXPECT_FALSE(users->Login("Anna", ""));
  EXPECT_EQ(shown(), (std::vector<std::string>{"In den Ordner " + userDir() + "Anna\\ kann nicht geschrieben werden!",
                                               "Persönliche Daten für Anna konnten nicht geöffnet werden!"}));
  messages.clear();
  messages.answerWith(msg::IdYes);  // "Neuen Benutzer Bob anlegen?"
  EXPECT_FALSE(users->Login("Bob", ""));
  EXPECT_EQ(shown(), (std::vector<std::string>{"Neuen Benutzer Bob anlegen?",
                                               "Die Datei " + userFile("Bob") + " konnte nicht erzeugt werden!",
                                               "Persönliche Daten für Bob konnten nicht geöffnet werden!"}));
  EXPECT_FALSE(users->IsLoggedIn());
  EXPECT_EQ(disk("Anna"), annaFile);
}

TEST_F(UserTest, AFailedSaveKeepsTheUserAndResults) {
  ASSERT_TRUE(users->Login("Anna", ""));
  users->RecordVocAnswer("house", false, 'e', 10, 3);
  BlockUserFile(userFile("Anna"));
  EXPECT_FALSE(users->SaveAndLogout());
  EXPECT_EQ(shown().back(), "Anna konnte nicht gespeichert werden!");
  EXPECT_TRUE(users->IsLoggedIn());
  EXPECT_EQ(Env().userName, "Anna");

  // A switch of user stops there.
  EXPECT_FALSE(users->Login("Bob", ""));
  EXPECT_EQ(users->UserName(), "Anna");
  EXPECT_FALSE(DirectoryExists(userDir() + "Bob"));

  UnblockUserFile(userFile("Anna"));
  EXPECT_TRUE(users->SaveAndLogout());
  ASSERT_TRUE(users->Login("Anna", ""));
  EXPECT_EQ(users->GetVocScore("house", false, 3), 10);
}

TEST_F(UserTest, ShutdownAsksToTryAgain) {
  ASSERT_TRUE(users->Login("Anna", ""));
  users->RecordVocAnswer("house", false, 'e', 10, 3);
  BlockUserFile(userFile("Anna"));
  messages.answerWith(msg::IdYes);
  messages.answerWith(msg::IdNo);
  users->SaveAndLogoutAtShutdown();
  EXPECT_EQ(shown().size(), 2u);
  EXPECT_EQ(shown()[0], "Anna konnte nicht gespeichert werden!\r\rNochmals versuchen?");
  EXPECT_FALSE(users->IsLoggedIn());
}

TEST_F(UserTest, ABrokenFileIsKeptBeforeItIsReplaced) {
  ASSERT_TRUE(users->Login("Anna", ""));
  ASSERT_TRUE(WriteWholeFile(userFile("Anna"), "kaputt"));
  ASSERT_TRUE(users->SaveAndLogout());
  EXPECT_EQ(ReadWholeFile(userFile("Anna") + ".defekt").value_or(""), "kaputt");
  EXPECT_TRUE(ParseUserFile(disk("Anna")));
}

TEST_F(UserTest, ChangePasswordWritesAtOnce) {
  TPasswordChange change;
  users->dialogs.changePassword = [&](const std::string&) { return std::optional(change); };
  users->ChangePassword();
  EXPECT_EQ(shown().back(), "Nur angemeldete Benutzer können Passwörter ändern!");

  ASSERT_TRUE(users->Login("Anna", ""));
  struct Case {
    TPasswordChange change;
    const char* message;
  };
  const std::vector<Case> cases = {
      {{"falsch", "neu", "neu"}, "Das alte Passwort stimmt nicht!"},
      {{"", "neu", "anders"}, "Das neue Passwort und die Bestätigung stimmen nicht überein!"},
      {{"", "", ""}, "Das Passwort wurde nicht geändert."},
      {{"", "neu", "neu"}, "Das Passwort wurde geändert."},
      {{"neu", "", ""}, "Das Passwort wurde deaktiviert."},
      {{"", "zwei", "zwei"}, "Das Passwort wurde geändert."},
  };
  for (const Case& c : cases) {
    change = c.change;
    users->ChangePassword();
    EXPECT_EQ(shown().back(), c.message);
  }
  // Written without logging out and without a log line.
  EXPECT_TRUE(users->IsLoggedIn());
  EXPECT_FALSE(FileExists(userDir() + "Anna\\Anna_E_LOG.txt"));
  EXPECT_TRUE(PasswordMatches(ParseUserFile(disk("Anna"))->password, "zwei"));

  // A failed write keeps the old password.
  BlockUserFile(userFile("Anna"));
  change = {"zwei", "drei", "drei"};
  users->ChangePassword();
  EXPECT_EQ(shown().back(), "Anna konnte nicht gespeichert werden!");
  UnblockUserFile(userFile("Anna"));
  ASSERT_TRUE(users->SaveAndLogout());
  EXPECT_TRUE(PasswordMatches(ParseUserFile(disk("Anna"))->password, "zwei"));
}

TEST_F(UserTest, NewUserAndChangeUser) {
  TUserLogin input{"Anna", "pw"};
  users->dialogs.newUser = [&] { return std::optional(input); };
  users->NewUser();
  EXPECT_EQ(users->UserName(), "Anna");

  for (const auto& [name, message] : std::vector<std::pair<std::string, std::string>>{
           {"", "Ein Benutzername ist erforderlich!"},
           {"wer?", "Der Name darf keines der folgenden Zeichen enthalten: /\\*:<>|?\""},
           {"Anna", "Anna existiert bereits!"}}) {
    input = {name, ""};
    users->NewUser();
    EXPECT_EQ(shown().back(), message);
  }
  EXPECT_EQ(users->UserName(), "Anna");

  // With one user logged in, "chusr" makes a new one.
  input = {"Bob", ""};
  messages.answerWith(msg::IdYes);  // "Neuen Benutzer Bob anlegen?"
  users->ChangeUser();
  EXPECT_EQ(users->UserName(), "Bob");
  EXPECT_EQ(shown().back(), "Neuen Benutzer Bob anlegen?");

  // Now the list: the current user is not pre-selected.
  int selected = -1;
  TUserLogin chosen{"Anna", "pw"};
  users->dialogs.chooseUser = [&](const std::string& caption, const std::vector<std::string>& names, int sel) {
    EXPECT_EQ(caption, "vyr englisch");
    selected = sel;
    EXPECT_NE(names[static_cast<size_t>(sel)], users->UserName());
    return std::optional(chosen);
  };
  users->ChangeUser();
  EXPECT_EQ(users->UserName(), "Anna");
  messages.clear();
  chosen = {"Carl", ""};
  messages.answerWith(msg::IdOk);
  users->ChangeUser();
  EXPECT_EQ(shown(), std::vector<std::string>{"Carl existiert noch nicht! Neu anlegen?"});  // asked once
  EXPECT_EQ(users->UserName(), "Carl");
  chosen = {"../x", ""};
  users->ChangeUser();
  EXPECT_EQ(users->UserName(), "Carl");
  EXPECT_FALSE(DirectoryExists(userDir() + "..\\x"));
  EXPECT_GE(selected, 0);
}

TEST_F(UserTest, LoginFlowByNumberOfUsers) {
  int wizards = 0;
  users->dialogs.wizard = [&] {
    ++wizards;
    return std::optional(TUserLogin{"Anna", ""});
  };
  users->LoginFlow();
  EXPECT_EQ(wizards, 1);
  EXPECT_EQ(users->UserName(), "Anna");
  users->LoginFlow();  // one user: logged in again without asking
  EXPECT_EQ(wizards, 1);
  EXPECT_EQ(users->UserName(), "Anna");
  putFile("Bob", "");
  std::vector<std::string> listed;
  users->dialogs.chooseUser = [&](const std::string& caption, const std::vector<std::string>& names, int sel) {
    EXPECT_EQ(caption, "*vyr englisch");
    EXPECT_EQ(sel, 0);
    listed = names;
    return std::optional(TUserLogin{"Bob", ""});
  };
  users->LoginFlow();
  EXPECT_EQ(listed, (std::vector<std::string>{"Anna", "Bob"}));
  EXPECT_EQ(users->UserName(), "Bob");
}

TEST_F(UserTest, EditorDeletesUserButNotOtherFiles) {
  users = MakeBase(TXUserBase::TProgram::Editor);
  ASSERT_TRUE(users->Login("Anna", ""));
  users->RecordVocAnswer("house", false, 'e', 10, 3);
  t.file("vyr\\Benutzer\\Anna\\notizen.txt", "meins");
  ASSERT_TRUE(users->SaveAndLogout());
  EXPECT_FALSE(FileExists(userDir() + "Anna\\Anna_E_LOG.txt"));  // the editor writes no log line
  ASSERT_TRUE(users->Login("Anna", ""));
  messages.answerWith(msg::IdOk);
  EXPECT_TRUE(users->DeleteUser());
  EXPECT_EQ(shown().back(), "Benutzer \"Anna\" wurde gelöscht.");
  EXPECT_FALSE(users->IsLoggedIn());
  EXPECT_FALSE(FileExists(userFile("Anna")));
  EXPECT_EQ(ReadWholeFile(userDir() + "Anna\\notizen.txt").value_or(""), "meins");

  ASSERT_TRUE(users->Login("Bob", ""));
  messages.answerWith(msg::IdOk);
  EXPECT_TRUE(users->DeleteUser());
  EXPECT_FALSE(DirectoryExists(userDir() + "Bob"));  // empty: the folder goes too
}

}  // namespace
}  // namespace vyr::test
