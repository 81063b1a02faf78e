#include <gtest/gtest.h>

#include <cstdlib>
#include <map>

#include "platform/core/Files.h"
#include "platform/core/MessageRecorder.h"
#include "platform/core/Registry.h"
#include "shell/startup/Environment.h"
#include "shell/startup/SettingsKey.h"
#include "shell/window/CommandDispatch.h"
#include "shell/window/PageCodes.h"
#include "tests/shell/startup/StartUpFixture.h"

using namespace vyr;
using O = TCommandOwner;
using I = TCommandId;

namespace {

struct Call {
  O owner;
  I id;
  std::string argument;
  bool operator==(const Call&) const = default;
};

class Recorder : public TCommandHandler {
 public:
  Recorder(O owner, std::vector<Call>& calls) : owner_(owner), calls_(calls) {}
  void RunCommand(I id, const std::string& argument) override { calls_.push_back({owner_, id, argument}); }

 private:
  O owner_;
  std::vector<Call>& calls_;
};

class DispatchTest : public ::testing::Test {
 protected:
  void SetUp() override {
    for (int o = 0; o < static_cast<int>(O::Count); ++o) {
      owners.push_back(std::make_unique<Recorder>(static_cast<O>(o), calls));
      d.SetOwner(static_cast<O>(o), owners.back().get());
    }
    d.SetReady(true);
    d.loggedIn = [this] { return loggedIn; };
  }
  std::vector<Call> run(const std::string& text) {
    calls.clear();
    d.PageCommand(text);
    return calls;
  }
  TCommandDispatcher d;
  std::vector<Call> calls;
  std::vector<std::unique_ptr<Recorder>> owners;
  bool loggedIn = true;
};

}  // namespace

TEST_F(DispatchTest, EveryRowReachesItsOwnerWithItsArgument) {
  const std::vector<std::pair<std::string, Call>> rows = {
      {"+deutsch", {O::Lab, I::LabGermanOn, ""}},
      {"-deutsch", {O::Lab, I::LabGermanOff, ""}},
      {"+diktat", {O::Lab, I::LabDictationOn, ""}},
      {"-diktat", {O::Lab, I::LabDictationOff, ""}},
      {"+autoread", {O::Lab, I::LabAutoReadOn, ""}},
      {"-autoread", {O::Lab, I::LabAutoReadOff, ""}},
      {"lab", {O::Lab, I::LabRefresh, ""}},
      {"lab+", {O::Lab, I::LabRight, ""}},
      {"lab123+", {O::Lab, I::LabRight, ""}},
      {"lab-", {O::Lab, I::LabWrong, ""}},
      {"labnext", {O::Lab, I::LabNext, ""}},
      {"lablist", {O::Lab, I::LabList, ""}},
      {"thema 3", {O::Lab, I::LabTopic, " 3"}},
      {"thema03", {O::Lab, I::LabTopic, "03"}},
      {"+vv12", {O::Verbs, I::VerbSelect, "12"}},
      {"-vv007", {O::Verbs, I::VerbDeselect, "007"}},
      {"+vz2", {O::Verbs, I::TenseSelect, "2"}},
      {"-vz2", {O::Verbs, I::TenseDeselect, "2"}},
      {"vall", {O::Verbs, I::VerbsAll, ""}},
      {"vnone", {O::Verbs, I::VerbsNone, ""}},
      {"vsave", {O::Verbs, I::VerbsSave, ""}},
      {"vman", {O::Verbs, I::VerbsShow, ""}},
      {"vman40", {O::Verbs, I::VerbsShow, "40"}},
      {"cont", {O::FreeFall, I::FreeFallContinue, ""}},
      {"hmfree", {O::FreeFall, I::FreeFallRelease, ""}},
      {"hmx", {O::FreeFall, I::FreeFallLetter, "x"}},
      {"giveup", {O::FreeFall, I::FreeFallGiveUp, ""}},
      {"stop", {O::Presentation, I::Stop, ""}},
      {"vocein", {O::Settings, I::VocabularySettings, ""}},
      {"wavebase", {O::Recordings, I::RecordingsDialog, ""}},
      {"suchen", {O::Dictionary, I::DictionarySearch, ""}},
      {"sr12", {O::Dictionary, I::DictionaryResult, "12"}},
      {"verb", {O::Verbs, I::VerbRound, ""}},
      {"vocaus", {O::Trainer, I::TrainerEnd, ""}},
      {"verbweiter", {O::Verbs, I::VerbNext, ""}},
      {"verbwent", {O::Verbs, I::VerbAnswer, "went"}},
      {"vokabelweiter", {O::Trainer, I::TrainerNext, ""}},
      {"vcontinue", {O::Trainer, I::TrainerContinue, ""}},
      {"vokabelhouse", {O::Trainer, I::TrainerAnswer, "house"}},
      {"vt3", {O::Verbs, I::VerbPreset, "3"}},
      {"dir=grundwortschatz", {O::Settings, I::SelectFolder, "grundwortschatz"}},
      {"select", {O::Settings, I::SelectDialog, ""}},
      {"sm=klassisch", {O::Settings, I::PresentationMode, "klassisch"}},
      {"vegas", {O::Games, I::Vegas, ""}},
      {"freefall", {O::Games, I::FreeFall, ""}},
      {"vstart", {O::Main, I::VocabularyStart, ""}},
      {"goabfrage", {O::Trainer, I::StartQuery, ""}},
      {"gosuper", {O::Presentation, I::StartPresentation, ""}},
      {"superopts", {O::SuperOptions, I::SuperOptionsDialog, ""}},
      {"www", {O::Main, I::HomePage, ""}},
      {"www.example.org", {O::Main, I::OpenAddress, "http://www.example.org"}},
      {"http://example.org/a", {O::Main, I::OpenAddress, "http://example.org/a"}},
      {"paths", {O::Paths, I::PathsDialog, ""}},
      {"chpw", {O::Users, I::ChangePassword, ""}},
      {"stats", {O::Users, I::Statistics, ""}},
      {"login", {O::Users, I::Login, ""}},
      {"newusr", {O::Users, I::NewUser, ""}},
      {"chusr", {O::Users, I::ChangeUser, ""}},
      {"unshort", {O::Main, I::DeleteShortcuts, ""}},
      {"unregistry", {O::Main, I::DeleteSettingsKey, ""}},
      {"end", {O::Main, I::End, ""}},
  };
  for (const auto& [command, call] : rows) EXPECT_EQ(run(command), (std::vector<Call>{call})) << command;
}

TEST_F(DispatchTest, ListsAreLowerCasedSplitAndSkipped) {
  EXPECT_EQ(run("+Deutsch,LAB"), (std::vector<Call>{{O::Lab, I::LabGermanOn, ""}, {O::Lab, I::LabRefresh, ""}}));
  EXPECT_EQ(run("#anker,lab"), (std::vector<Call>{{O::Lab, I::LabRefresh, ""}}));
  EXPECT_EQ(run(",,unbekannt,, lab ,"), std::vector<Call>{});  // no trimming: " lab " is unknown
  // An address is lower-cased and cut at the first ",".
  EXPECT_EQ(run("http://Example.org/A,b"), (std::vector<Call>{{O::Main, I::OpenAddress, "http://example.org/a"}}));
  EXPECT_EQ(run(std::string(100000, 'x') + ",vall"), (std::vector<Call>{{O::Verbs, I::VerbsAll, ""}}));
  EXPECT_EQ(run("vt5"), std::vector<Call>{});
  EXPECT_EQ(run("sr"), std::vector<Call>{});  // "starts with" needs more than the text
}

TEST_F(DispatchTest, UserCommandsNeedALoginAndEarlyCommandsAreIgnored) {
  loggedIn = false;
  EXPECT_EQ(run("chpw,stats"), std::vector<Call>{});
  EXPECT_EQ(run("login"), (std::vector<Call>{{O::Users, I::Login, ""}}));
  d.SetReady(false);
  EXPECT_EQ(run("login"), std::vector<Call>{});
}

TEST_F(DispatchTest, MissingOwnersSayTheFeatureIsNotThere) {
  TMessageRecorder rec;
  d.SetOwner(O::Lab, nullptr);
  d.SetOwner(O::FreeFall, nullptr);
  EXPECT_EQ(run("labnext,cont,vall"), (std::vector<Call>{{O::Verbs, I::VerbsAll, ""}}));
  EXPECT_EQ(rec.texts(), std::vector<std::string>{kFeatureMissingMessage});  // Free Fall without a game: silent
}

TEST_F(DispatchTest, AnErrorInAHandlerStopsTheRestOfTheList) {
  struct Throwing : TCommandHandler {
    void RunCommand(I, const std::string&) override { throw std::runtime_error("kaputt"); }
  } thrower;
  d.SetOwner(O::Lab, &thrower);
  calls.clear();
  EXPECT_THROW(d.PageCommand("lab,vall"), std::runtime_error);
  EXPECT_TRUE(calls.empty());
}

using vyr::test::StartUpTest;

TEST_F(StartUpTest, SpecialCodes) {
  t.dir("vyr\\Vokabeln (E)\\Recht");
  t.file("vyr\\Vokabeln (E)\\Pool\\a\\b\\liste.ASC", "");
  t.dir("vyr\\Vokabeln (E)\\Oberstufenwortschatz\\leer");
  t.file("vyr\\Erweiterungen\\Erweiterungen.txt", "E_Reisen.vyr\t1.1.2025\r\ne-Recht.exe\t2.1.2025\r\n");
  ASSERT_TRUE(start());
  struct Row {
    const char* code;
    std::string value;
  };
  for (const Row& r : {Row{"programm", "*vyr englisch"}, Row{"recht", "+"}, Row{"addons", "+"}, Row{"wirtschaft", ""},
                       Row{"reise", ""}, Row{"pool", "+"}, Row{"oberstufe", ""}, Row{"prgdir", prog},
                       Row{"extensions", "reisen<br>e-recht.exe<br>"}, Row{"user", ""}, Row{"irgendwas", ""}}) {
    EXPECT_EQ(SpecialCodeValue(r.code), r.value) << r.code;
  }
  EXPECT_EQ(SpecialCodeValue("version").find('.'), 1u);
  Env().userName = "Anna";
  EXPECT_EQ(SpecialCodeValue("irgendwas"), "irgendwas");  // unknown codes stay while someone is logged in
  EXPECT_EQ(SpecialCodeValue("user", [](const std::string& c) { return c == "user" ? std::string("Anna") : c; }),
            "Anna");
  Env().extensions.clear();
  EXPECT_EQ(SpecialCodeValue("extensions"), "");
}

// The demo course holds the travel libraries and, in a sub-folder of a
// sub-folder, the upper-school ones: the start page's codes offer both.
TEST(SpecialCodes, DemoCourseOffersTravelAndUpperSchoolVocabulary) {
  const char* env = std::getenv("VYR_COURSE_SOURCE");
  const std::string root = env ? env : VYR_COURSE_SOURCE_DIR;
  Env().vocabularyDirectory = CoursePath(QString::fromUtf8(root)) + "\\Vokabeln (E)\\";
  EXPECT_EQ(SpecialCodeValue("reise"), "+");
  EXPECT_EQ(SpecialCodeValue("oberstufe"), "+");
  Env().vocabularyDirectory.clear();
}

TEST(SpecialCodes, LearningTime) {
  EXPECT_EQ(FormatLearningTime((25 * 60 + 1) * 60 + 59), "25 Stunden 1 Minute");
  EXPECT_EQ(FormatLearningTime((2 * 60 + 1) * 60), "2 Stunden 1 Minute");
  EXPECT_EQ(FormatLearningTime(60 * 60 + 120), "1 Stunde 2 Minuten");
  EXPECT_EQ(FormatLearningTime(0), "0 Stunden 0 Minuten");
}

TEST_F(StartUpTest, DeletingTheSettingsKeyTakesOnlyThisVersion) {
  messages->clear();
  DeleteSettingsKey();
  EXPECT_EQ(shown(), std::vector<std::string>{"Der Schlüssel Software\\vyr\\vyr englisch\\5 existiert nicht (mehr)."});

  reg().WriteString("Software\\vyr\\vyr englisch\\5\\Anna", "x", "1");
  reg().WriteString("Software\\vyr\\vyr englisch\\4\\Anna", "x", "1");
  messages->clear();
  messages->answerWith(msg::IdNo);
  DeleteSettingsKey();
  EXPECT_TRUE(reg().KeyExists("Software\\vyr\\vyr englisch\\5"));

  messages->clear();
  messages->answerWith(msg::IdYes);
  DeleteSettingsKey();
  EXPECT_FALSE(reg().KeyExists("Software\\vyr\\vyr englisch\\5"));
  EXPECT_TRUE(reg().KeyExists("Software\\vyr\\vyr englisch\\4\\Anna"));
  ASSERT_EQ(shown().size(), 2u);
  EXPECT_EQ(shown()[1], "Der Schlüssel Software\\vyr\\vyr englisch\\5 wurde gelöscht.");
}
