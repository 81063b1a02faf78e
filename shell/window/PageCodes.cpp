#include "shell/window/PageCodes.h"

#include "page/reader/MarkupEscape.h"
#include "page/sources/FindFiles.h"
#include "platform/core/Files.h"
#include "platform/core/Version.h"
#include "shell/startup/Environment.h"
#include "text/Case.h"

namespace vyr {
namespace {

std::string Plus(bool on) { return on ? "+" : ""; }

bool VocabularyFolder(const char* name) {
  return !Env().vocabularyDirectory.empty() && DirectoryExists(Env().vocabularyDirectory + name);
}

bool HoldsLibraries(const char* name) {
  return VocabularyFolder(name) && FindFiles(Env().vocabularyDirectory + name, nullptr, ".asc") > 0;
}

std::string Extensions() {
  std::string out;
  for (const TExtension& e : Env().extensions) {
    std::string name = e.fileName;
    if (LowerCase(name.substr(0, 2)) == "e_") name.erase(0, 2);
    const size_t vyr = LowerCase(name).find(".vyr");
    if (vyr != std::string::npos) name.erase(vyr);
    out += LowerCase(name) + "<br>";
  }
  return out;
}

}  // namespace

std::string FormatLearningTime(long long seconds) {
  const long long minutesTotal = seconds < 0 ? 0 : seconds / 60;
  const long long hours = minutesTotal / 60, minutes = minutesTotal % 60;
  return std::to_string(hours) + (hours == 1 ? " Stunde " : " Stunden ") + std::to_string(minutes) +
         (minutes == 1 ? " Minute" : " Minuten");
}

std::string SpecialCodeValue(const std::string& code, const TUserCodeSource& user) {
  const TEnvironment& env = Env();
  if (code.starts_with("program")) return "*vyr englisch";
  if (code == "extensions") return Extensions();
  // Directories are data: a "<" or "$" in one is shown, not read as markup.
  if (code == "wave") return EscapeMarkup(env.waveDirectory);
  if (code.starts_with("version")) return ProgramVersion();
  if (code == "prgdir") return EscapeMarkup(env.programDirectory);
  if (code == "recht") return Plus(VocabularyFolder("Recht"));
  if (code == "addons") return Plus(VocabularyFolder("Recht") || VocabularyFolder("Wirtschaft"));
  if (code == "reise") return Plus(VocabularyFolder("Reisevokabular"));
  if (code == "oberstufe") return Plus(HoldsLibraries("Oberstufenwortschatz"));
  if (code == "pool") return Plus(HoldsLibraries("Pool"));
  if (code == "wirtschaft") return Plus(VocabularyFolder("Wirtschaft"));
  if (env.userName.empty()) return std::string();
  return user ? user(code) : code;
}

}  // namespace vyr
