#include "shell/window/CommandTable.h"

namespace vyr {
namespace {

using O = TCommandOwner;
using I = TCommandId;
using M = TMatch;

const TCommandRow kCommands[] = {
    {"+deutsch", M::Exactly, O::Lab, I::LabGermanOn},
    {"-deutsch", M::Exactly, O::Lab, I::LabGermanOff},
    {"+diktat", M::Exactly, O::Lab, I::LabDictationOn},
    {"-diktat", M::Exactly, O::Lab, I::LabDictationOff},
    {"+autoread", M::Exactly, O::Lab, I::LabAutoReadOn},
    {"-autoread", M::Exactly, O::Lab, I::LabAutoReadOff},
    {"lab", M::Exactly, O::Lab, I::LabRefresh},
    {"lab", M::EndsWithPlus, O::Lab, I::LabRight},
    {"lab-", M::Exactly, O::Lab, I::LabWrong},
    {"labnext", M::Exactly, O::Lab, I::LabNext},
    {"lablist", M::Exactly, O::Lab, I::LabList},
    {"thema", M::FirstChars, O::Lab, I::LabTopic},
    {"vv", M::SecondAndThird, O::Verbs, I::VerbSelect},  // "+vv" selects, "-vv" deselects
    {"vz", M::SecondAndThird, O::Verbs, I::TenseSelect},
    {"vall", M::Exactly, O::Verbs, I::VerbsAll},
    {"vnone", M::Exactly, O::Verbs, I::VerbsNone},
    {"vsave", M::Exactly, O::Verbs, I::VerbsSave},
    {"vman", M::FirstChars, O::Verbs, I::VerbsShow},
    {"cont", M::Exactly, O::FreeFall, I::FreeFallContinue},
    {"hmfree", M::Exactly, O::FreeFall, I::FreeFallRelease},
    {"hm", M::FirstChars, O::FreeFall, I::FreeFallLetter},
    {"giveup", M::Exactly, O::FreeFall, I::FreeFallGiveUp},
    {"stop", M::Exactly, O::Presentation, I::Stop},
    {"vocein", M::Exactly, O::Settings, I::VocabularySettings},
    {"wavebase", M::Exactly, O::Recordings, I::RecordingsDialog},
    {"suchen", M::Exactly, O::Dictionary, I::DictionarySearch},
    {"sr", M::StartsWith, O::Dictionary, I::DictionaryResult},
    {"verb", M::Exactly, O::Verbs, I::VerbRound},
    {"vocaus", M::Exactly, O::Trainer, I::TrainerEnd},
    {"verbweiter", M::Exactly, O::Verbs, I::VerbNext},
    {"verb", M::StartsWith, O::Verbs, I::VerbAnswer},
    {"vokabelweiter", M::Exactly, O::Trainer, I::TrainerNext},
    {"vcontinue", M::Exactly, O::Trainer, I::TrainerContinue},
    {"vokabel", M::StartsWith, O::Trainer, I::TrainerAnswer},
    {"vt0", M::Exactly, O::Verbs, I::VerbPreset},
    {"vt1", M::Exactly, O::Verbs, I::VerbPreset},
    {"vt2", M::Exactly, O::Verbs, I::VerbPreset},
    {"vt3", M::Exactly, O::Verbs, I::VerbPreset},
    {"vt4", M::Exactly, O::Verbs, I::VerbPreset},
    {"dir=", M::FirstChars, O::Settings, I::SelectFolder},
    {"select", M::Exactly, O::Settings, I::SelectDialog},
    {"sm=", M::FirstChars, O::Settings, I::PresentationMode},
    {"vegas", M::Exactly, O::Games, I::Vegas},
    {"freefall", M::Exactly, O::Games, I::FreeFall},
    {"vstart", M::Exactly, O::Main, I::VocabularyStart},
    {"goabfrage", M::Exactly, O::Trainer, I::StartQuery},
    {"gosuper", M::Exactly, O::Presentation, I::StartPresentation},
    {"superopts", M::Exactly, O::SuperOptions, I::SuperOptionsDialog},
    {"www", M::Exactly, O::Main, I::HomePage},
    {"www.", M::FirstChars, O::Main, I::OpenAddress},
    {"http://", M::FirstChars, O::Main, I::OpenAddress},
    {"paths", M::Exactly, O::Paths, I::PathsDialog},
    {"chpw", M::ExactlyLoggedIn, O::Users, I::ChangePassword},
    {"stats", M::ExactlyLoggedIn, O::Users, I::Statistics},
    {"login", M::Exactly, O::Users, I::Login},
    {"newusr", M::Exactly, O::Users, I::NewUser},
    {"chusr", M::Exactly, O::Users, I::ChangeUser},
    {"unshort", M::Exactly, O::Main, I::DeleteShortcuts},
    {"unregistry", M::Exactly, O::Main, I::DeleteSettingsKey},
    {"end", M::Exactly, O::Main, I::End},
};

bool Matches(const TCommandRow& row, std::string_view c, bool loggedIn) {
  const std::string_view t = row.text;
  switch (row.match) {
    case M::Exactly: return c == t;
    case M::ExactlyLoggedIn: return loggedIn && c == t;
    case M::StartsWith: return c.size() > t.size() && c.substr(0, t.size()) == t;
    case M::FirstChars: return c.substr(0, t.size()) == t;
    case M::EndsWithPlus: return c.size() > t.size() && c.substr(0, t.size()) == t && c.back() == '+';
    case M::SecondAndThird: return c.size() > 3 && c.substr(1, 2) == t;
  }
  return false;
}

// Characters from..to (1-based, inclusive) as far as the command has them.
std::string Chars(std::string_view c, size_t from, size_t to) {
  if (c.size() < from) return std::string();
  return std::string(c.substr(from - 1, to - from + 1));
}

std::string ArgumentOf(const TCommandRow& row, std::string_view c) {
  switch (row.id) {
    case I::LabTopic: return Chars(c, 6, 7);
    case I::VerbSelect:
    case I::TenseSelect: return Chars(c, 4, 6);
    case I::VerbsShow: return Chars(c, 5, 7);
    case I::FreeFallLetter: return Chars(c, 3, 3);
    case I::DictionaryResult: return std::string(c.substr(2));
    case I::VerbAnswer: return std::string(c.substr(4));
    case I::TrainerAnswer: return std::string(c.substr(7));
    case I::VerbPreset: return std::string(c.substr(2));
    case I::SelectFolder: return std::string(c.substr(4));
    case I::PresentationMode: return std::string(c.substr(3));
    case I::OpenAddress: return c.substr(0, 4) == "www." ? "http://" + std::string(c) : std::string(c);
    default: return std::string();
  }
}

}  // namespace

TCommandMatch MatchCommand(std::string_view command, bool loggedIn) {
  for (const TCommandRow& row : kCommands) {
    if (!Matches(row, command, loggedIn)) continue;
    TCommandMatch m{&row, row.id, ArgumentOf(row, command)};
    // "+vv…" selects a verb and "-vv…" deselects it; likewise the tenses.
    if (command[0] != '+' && row.id == I::VerbSelect) m.id = I::VerbDeselect;
    if (command[0] != '+' && row.id == I::TenseSelect) m.id = I::TenseDeselect;
    return m;
  }
  return {};
}

}  // namespace vyr
