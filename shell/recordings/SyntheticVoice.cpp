#include "shell/recordings/SyntheticVoice.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

#include "platform/core/Files.h"
#include "platform/core/Registry.h"
#include "shell/startup/Environment.h"
#include "shell/startup/UserSettings.h"
#include "text/Case.h"
#include "text/Cp1252.h"
#include "text/Trim.h"

namespace vyr {
namespace {

QString gProgram;
int gTimeLimitMs = 15000;
int gRuns = 0;

QString Program() {
  if (!gProgram.isEmpty()) return QFileInfo(gProgram).isExecutable() ? gProgram : QString();
  return QStandardPaths::findExecutable(u"espeak-ng"_qs);
}

// The user's own cache folder: users of one machine share no files.
QString CacheFolder() {
  const QString user = ToUnicode(Env().userName.empty() ? std::string("Anonym") : Env().userName);
  const QString hash =
      QString::fromLatin1(QCryptographicHash::hash(user.toUtf8(), QCryptographicHash::Sha1).toHex().left(16));
  return QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation) + u"/vyr/stimme/"_qs + hash;
}

}  // namespace

void SetSyntheticVoiceProgram(const std::string& program) { gProgram = QString::fromStdString(program); }
void SetSyntheticVoiceTimeLimit(int milliseconds) { gTimeLimitMs = milliseconds; }
int SyntheticVoiceRuns() { return gRuns; }

bool SyntheticVoiceAvailable() { return !Program().isEmpty(); }

bool SyntheticVoiceEnabled() {
  if (!SyntheticVoiceAvailable()) return false;
  return TRegistry::CurrentUser().ReadBool(UserSettingsKey(), "Synthetische Stimme").value_or(true);
}

void SetSyntheticVoiceEnabled(bool on) {
  TRegistry& reg = TRegistry::CurrentUser();
  reg.CreateKey(UserSettingsKey());
  reg.WriteBool(UserSettingsKey(), "Synthetische Stimme", on);
}

std::string SyntheticRecording(std::string_view text) {
  if (!SyntheticVoiceEnabled()) return std::string();
  std::string spoken = Trim(text.substr(0, std::min(text.size(), kSyntheticTextLimit)));
  if (spoken.empty()) return std::string();
  const QByteArray utf8 = ToUnicode(spoken).toUtf8();
  const QString folder = CacheFolder();
  // Texts that differ only in case sound alike: one file for them.
  const QByteArray key = ToUnicode(LowerCase(spoken)).toUtf8();
  const QString file = folder + u"/"_qs +
                       QString::fromLatin1(QCryptographicHash::hash(key, QCryptographicHash::Sha1).toHex()) +
                       u".wav"_qs;
  if (QFile::exists(file)) return CoursePath(file);
  if (!QDir().mkpath(folder)) return std::string();

  // The text goes in on standard input, so one beginning with "-" is text,
  // not an option; the wave file is written beside and renamed when whole.
  const QString part = file + u".part"_qs;
  QProcess p;
  p.setProgram(Program());
  p.setArguments({u"-v"_qs, u"en"_qs, u"-b"_qs, u"1"_qs, u"-w"_qs, part, u"--stdin"_qs});
  p.setProcessChannelMode(QProcess::MergedChannels);
  ++gRuns;
  p.start();
  if (!p.waitForStarted(gTimeLimitMs)) return std::string();
  p.write(utf8);
  p.write("\n");
  p.closeWriteChannel();
  if (!p.waitForFinished(gTimeLimitMs)) {
    p.kill();
    p.waitForFinished(1000);
    QFile::remove(part);
    return std::string();
  }
  if (p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0 || QFileInfo(part).size() <= 44) {
    QFile::remove(part);
    return std::string();
  }
  QFile::remove(file);
  if (!QFile::rename(part, file)) {
    QFile::remove(part);
    return std::string();
  }
  return CoursePath(file);
}

}  // namespace vyr
