#include "shell/users/UserBase.h"

#include <QDir>
#include <QLockFile>
#include <chrono>

#include "page/sources/FindFiles.h"
#include "platform/core/Files.h"
#include "platform/core/Messages.h"
#include "shell/startup/Environment.h"
#include "shell/startup/UserSettings.h"
#include "shell/users/PasswordHash.h"
#include "shell/users/UserFile.h"
#include "shell/users/UserName.h"
#include "text/Case.h"
#include "text/Cp1252.h"
#include "text/Trim.h"

namespace vyr {
namespace {

constexpr std::string_view kUserFileEnd = "_E.vyb";
constexpr char kModes[4] = {'e', 'm', 'v', 'f'};

std::string PersonalDataMessage(const std::string& name) {
  return "Persönliche Daten für " + name + " konnten nicht geöffnet werden!";
}

// Keeps a file that is not a readable user file as "<file>.defekt" before
// anything replaces it.
bool KeepBrokenFile(const std::string& path) {
  if (!FileExists(path)) return true;
  const auto bytes = ReadWholeFile(path, nullptr, kMaxUserFileSize);
  if (bytes && (bytes->empty() || ParseUserFile(*bytes))) return true;
  std::string kept = path + ".defekt";
  for (int n = 2; FileExists(kept) && n < 100; ++n) kept = path + ".defekt" + std::to_string(n);
  return RenameFile(path, kept);
}

}  // namespace

TUserClock TUserClock::System() {
  return {[] {
            return static_cast<int64_t>(std::chrono::duration_cast<std::chrono::milliseconds>(
                                            std::chrono::steady_clock::now().time_since_epoch())
                                            .count());
          },
          [] { return QDateTime::currentDateTime(); }};
}

TXUserBase::TXUserBase(TProgram program, TUserClock clock) : program_(program), clock_(std::move(clock)) {
  const TEnvironment& env = Env();
  userDirectory_ = env.userDirectory.empty() ? env.programDirectory + "Benutzer\\" : env.userDirectory;
  Env().userName.clear();
}

TXUserBase::~TXUserBase() {
  if (IsLoggedIn()) Env().userName.clear();
}

std::string TXUserBase::UserFolder(const std::string& name) const { return userDirectory_ + name + "\\"; }
std::string TXUserBase::UserFilePath(const std::string& name) const {
  return UserFolder(name) + name + std::string(kUserFileEnd);
}
std::string TXUserBase::LogFilePath(const std::string& name) const {
  return UserFolder(name) + name + "_" + kCourseCode + "_LOG.txt";
}

void TXUserBase::RebuildUserNames() {
  userNames_.clear();
  std::vector<std::string> files;
  if (DirectoryExists(userDirectory_)) FindFiles(userDirectory_, &files, ".vyb");
  for (const std::string& f : files) {
    const std::string file = ExtractFileName(f);
    if (file.size() <= kUserFileEnd.size() ||
        !SameText(std::string_view(file).substr(file.size() - kUserFileEnd.size()), kUserFileEnd))
      continue;
    const std::string name = file.substr(0, file.size() - kUserFileEnd.size());
    bool known = false;
    for (const std::string& n : userNames_) known = known || SameText(n, name);
    if (!known) userNames_.push_back(name);
  }
}

bool TXUserBase::NameAccepted(const std::string& name) const {
  const TNameProblem problem = CheckUserName(name);
  if (problem == TNameProblem::None) return true;
  if (problem != TNameProblem::Empty) ShowCourseMessage(UserNameMessage(problem), msg::IconError);
  return false;
}

bool TXUserBase::Lock(const std::string& name) {
  auto lock = std::make_unique<QLockFile>(NativePath(UserFolder(name) + "anmeldung.lck"));
  lock->setStaleLockTime(0);  // only a lock whose program is gone is stale
  if (!lock->tryLock(0)) {
    if (lock->error() == QLockFile::LockFailedError)
      ShowCourseMessage("Der Benutzer " + name + " ist bereits in einem anderen Programm angemeldet.", msg::IconError);
    else {
      // Typically a folder without write permission: whatever the user
      // learns could not be saved, so nobody is logged in.
      ShowCourseMessage("In den Ordner " + UserFolder(name) + " kann nicht geschrieben werden!", msg::IconError);
      ShowCourseMessage(PersonalDataMessage(name), msg::IconError);
    }
    return false;
  }
  lock_ = std::move(lock);
  return true;
}

bool TXUserBase::Login(const std::string& name, const std::string& password, bool askBeforeCreating) {
  if (!NameAccepted(name)) return false;               // before anything: the current user stays
  if (IsLoggedIn() && !SaveAndLogout()) return false;  // the old user stays with his results
  const std::string path = UserFilePath(name);
  std::string stored;
  int64_t seconds = 0;
  TUserRecords records;
  if (FileExists(path)) {
    if (!Lock(name)) return false;
    const auto bytes = ReadWholeFile(path, nullptr, kMaxUserFileSize);
    std::optional<TUserFileContent> content;
    if (bytes && !bytes->empty()) content = ParseUserFile(*bytes);
    const bool readable = bytes && (bytes->empty() || (content && SameText(content->name, name)));
    if (!readable) {
      lock_.reset();
      ShowCourseMessage(PersonalDataMessage(name), msg::IconError);
      return false;
    }
    if (bytes->empty()) {
      stored = HashPassword(password);  // a 0-byte file is a new user
    } else {
      std::string typed = password;
      bool match = content->name == name && PasswordMatches(content->password, typed);
      for (int ask = 0; !match && ask < 3 && dialogs.askPassword; ++ask) {
        const auto again = dialogs.askPassword(name);
        if (!again) break;
        typed = *again;
        match = content->name == name && PasswordMatches(content->password, typed);
      }
      if (!match) {
        lock_.reset();
        ShowCourseMessage(PersonalDataMessage(name), msg::IconError);
        return false;
      }
      // A clear password of an older file is kept hashed from now on.
      stored = PasswordKind(content->password) == TPasswordKind::Plain ? HashPassword(typed) : content->password;
      if (stored.empty() && !typed.empty()) stored = content->password;
      seconds = content->seconds;
      records = std::move(content->records);
    }
  } else {
    RebuildUserNames();
    if (askBeforeCreating && !userNames_.empty() &&
        ShowCourseMessage("Neuen Benutzer " + name + " anlegen?", msg::YesNo | msg::IconQuestion) != msg::IdYes)
      return false;
    const bool folder = MakeDirectories(UserFolder(name));
    if (folder && !Lock(name)) return false;  // Lock has said why
    if (!folder || !WriteWholeFile(path, {})) {
      lock_.reset();
      ShowCourseMessage("Die Datei " + path + " konnte nicht erzeugt werden!", msg::IconError);
      ShowCourseMessage(PersonalDataMessage(name), msg::IconError);
      return false;
    }
    stored = HashPassword(password);
  }
  name_ = name;
  password_ = std::move(stored);
  accumulated_ = seconds;
  records_ = std::move(records);
  for (int& a : answers_) a = 0;
  loginTime_ = clock_.now();
  loginMs_ = clock_.monotonicMs();
  Env().userName = name_;
  stats_ = vyr::ComputeStatistics(records_);
  if (program_ == TProgram::Learner) ReadUserSettings();
  for (const auto& hook : loginHooks)
    if (hook) hook();
  return true;
}

int64_t TXUserBase::SessionSeconds() const {
  return IsLoggedIn() ? std::max<int64_t>(0, (clock_.monotonicMs() - loginMs_) / 1000) : 0;
}

int64_t TXUserBase::LearningSeconds() const { return accumulated_ + SessionSeconds(); }

bool TXUserBase::WriteUserFile(int64_t seconds) {
  const std::string path = UserFilePath(name_);
  if (!KeepBrokenFile(path)) return false;
  return WriteWholeFile(path, BuildUserFile(name_, password_, seconds, records_));
}

bool TXUserBase::AppendLogLine(int64_t sessionSeconds) {
  const std::string path = LogFilePath(name_);
  std::string text;
  if (FileExists(path)) {
    const auto old = ReadWholeFile(path);
    if (!old) return false;
    text = *old;
  }
  const TUserStatistics& st = stats_;
  text += FromUnicode(loginTime_.toString(u"dd.MM.yyyy HH:mm:ss"_qs)) + " " + FormatDuration(sessionSeconds) +
          " Eintippen:\t" + std::to_string(answers_[0]) + "\tMult. Ch.:\t" + std::to_string(answers_[1]) +
          "\tLas Vegas:\t" + std::to_string(answers_[2]) + "\tFree Fall:\t" + std::to_string(answers_[3]) +
          "\tPerformance Insgesamt: abs: " + std::to_string(st.averageAbsolute) +
          "% rel: " + std::to_string(st.averageRelative) + "% " + std::to_string(records_.Size()) +
          " verschiedene Vokabeln\r\n";
  return WriteWholeFile(path, text);
}

void TXUserBase::Release() {
  name_.clear();
  password_.clear();
  records_.Clear();
  lock_.reset();
  Env().userName.clear();
}

bool TXUserBase::SaveAndLogout() {
  if (program_ == TProgram::Learner) SaveUserDisplaySettings();
  if (!IsLoggedIn()) return true;
  for (const auto& hook : logoutHooks)
    if (hook) hook();
  const int64_t session = SessionSeconds();
  if (!WriteUserFile(accumulated_ + session)) {
    ShowCourseMessage(name_ + " konnte nicht gespeichert werden!");
    return false;
  }
  if (program_ == TProgram::Learner) {
    stats_ = vyr::ComputeStatistics(records_);
    if (!AppendLogLine(session))
      ShowCourseMessage("Das Lernprotokoll " + LogFilePath(name_) + " konnte nicht geschrieben werden!");
  }
  Release();
  return true;
}

void TXUserBase::SaveAndLogoutAtShutdown() {
  while (IsLoggedIn()) {
    if (program_ == TProgram::Learner) SaveUserDisplaySettings();
    for (const auto& hook : logoutHooks)
      if (hook) hook();
    const int64_t session = SessionSeconds();
    if (WriteUserFile(accumulated_ + session)) {
      if (program_ == TProgram::Learner) {
        stats_ = vyr::ComputeStatistics(records_);
        if (!AppendLogLine(session))
          ShowCourseMessage("Das Lernprotokoll " + LogFilePath(name_) + " konnte nicht geschrieben werden!");
      }
      break;
    }
    if (ShowCourseMessage(name_ + " konnte nicht gespeichert werden!\r\rNochmals versuchen?",
                          msg::YesNo | msg::IconWarning) != msg::IdYes)
      break;
  }
  Release();
}

int TXUserBase::GetVocScore(const std::string& word, bool deutsch, int wordClass) const {
  const TXUserVoc* r = records_.Find(VocKey(word, deutsch, wordClass));
  return r ? HistoryScore(r->ScoreHistory) : 0;
}

void TXUserBase::RecordVocAnswer(const std::string& word, bool deutsch, char modeChar, int delta, int wordClass) {
  if (!IsLoggedIn() || TrimView(word).empty()) return;
  for (int i = 0; i < 4; ++i)
    if (modeChar == kModes[i]) ++answers_[i];
  records_.Record(word, deutsch, modeChar, delta, wordClass);
}

int TXUserBase::ForgetAnswers(const std::string& word, bool deutsch, int count, int wordClass) {
  return records_.Forget(word, deutsch, count, wordClass);
}

void TXUserBase::ForgetAllAnswers(bool onlyPositive, int count) { records_.ForgetAll(onlyPositive, count); }

int TXUserBase::AnswerCount(char modeChar) const {
  for (int i = 0; i < 4; ++i)
    if (modeChar == kModes[i]) return answers_[i];
  return 0;
}

void TXUserBase::ComputeStatistics() { stats_ = vyr::ComputeStatistics(records_); }

void TXUserBase::PaintChart(QImage& picture, TChartKind kind) const { vyr::PaintChart(picture, kind, stats_); }

bool TXUserBase::DeleteUser() {
  if (!IsLoggedIn()) return false;
  const std::string quoted = "\"" + name_ + "\"";
  if (ShowCourseMessage("Benutzer " + quoted + " wirklich löschen?", msg::OkCancel | msg::IconQuestion) ==
      msg::IdCancel)
    return false;
  lock_.reset();
  std::string failed;
  const std::string file = UserFilePath(name_), log = LogFilePath(name_);
  if (FileExists(file) && !RemoveFile(file)) failed = file;
  if (failed.empty() && FileExists(log) && !RemoveFile(log)) failed = log;
  // The folder goes only when nothing else is left in it.
  if (failed.empty() && DirectoryExists(UserFolder(name_))) {
    const QString folder = NativePath(ExcludeTrailingBackslash(UserFolder(name_)));
    if (QDir(folder).isEmpty(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System))
      QDir().rmdir(folder);
  }
  ForgetDirectoryCache();
  if (failed.empty()) ShowCourseMessage("Benutzer " + quoted + " wurde gelöscht.", msg::IconInformation);
  else ShowCourseMessage("\"" + failed + "\" konnte nicht gelöscht werden!", msg::IconError);
  Release();
  return failed.empty();
}

}  // namespace vyr
