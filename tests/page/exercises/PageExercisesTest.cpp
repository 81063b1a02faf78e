#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <cstdlib>

#include "page/control/PageControl.h"
#include "page/exercises/TypingField.h"
#include "page/widgets/ColorButton.h"
#include "platform/core/Random.h"
#include "tests/page/exercises/ExerciseFixture.h"
#include "text/Cp1252.h"

namespace vyr::test {
namespace {

// These pages are small: the control keeps the size of the other page tests.
class PageExercisesTest : public ExerciseFixture {
 protected:
  void SetUp() override {
    ExerciseFixture::SetUp();
    page.resize(400, 300);
  }
  TXRichEdit* Field(size_t i) const {
    EXPECT_LT(i, page.TypingFields().size());
    return i < page.TypingFields().size() ? page.TypingFields()[i] : nullptr;
  }
  void Answer(size_t i, const char* text) {
    TXRichEdit* f = Field(i);
    if (!f) return;
    f->SetText(text);
    QTest::keyClick(f, Qt::Key_Return);
  }
};

TEST_F(PageExercisesTest, GapFieldCoversItsWordAndBecomesPlainTextWhenRight) {
  Page("a.html", "<p>The <a gap lsg=\"colour; color\" help=\"*\">colour</a> is red.</p>");
  ASSERT_TRUE(Open("a.html"));
  TXRichEdit* f = Field(0);
  ASSERT_TRUE(f);
  EXPECT_TRUE(f->isVisible());
  EXPECT_TRUE(f->hasFocus());
  ASSERT_GE(f->Element, 0);
  const auto element = static_cast<size_t>(f->Element);
  EXPECT_EQ(page.Model().Elements[element].Format.TaskIndex, 0);
  // the help mask: from the fifth character on a letter may stay visible by chance
  EXPECT_EQ(f->Hilfe().substr(0, 4), "c___");
  EXPECT_EQ(f->Hilfe().substr(5), "r");
  Answer(0, "color");
  EXPECT_TRUE(f->Finished);
  EXPECT_FALSE(f->isVisible());
  EXPECT_EQ(page.Model().Elements[element].Format.TaskIndex, -1);
  EXPECT_EQ(solved, 1);
  EXPECT_TRUE(commands.empty());
  page.SetColorBGR(0xFFFFFF);  // a later drawing does not bring the field back
  EXPECT_FALSE(f->isVisible());
}

// What a learner types goes to the widget that has the keys.
void Type(const QString& keys) {
  QWidget* target = QApplication::focusWidget();
  ASSERT_TRUE(target);
  QTest::keyClicks(target, keys);
}

TEST_F(PageExercisesTest, AFinishedFieldHandsTheKeysToTheNextOpenOne) {
  Page("a.html",
       "<p>My sister <a gap lsg=\"lives\">lives</a> here. We <a gap lsg=\"don't\">don't</a> know. "
       "<edit coords=\"10,150,80,24\" lsg=\"home\"></p><input coords=10,200,150 name=\"name\">");
  ASSERT_TRUE(Open("a.html"));
  Type(u"lives\r"_qs);
  Type(u"don't\r"_qs);  // the second gap, not the input line
  EXPECT_TRUE(Field(1)->Finished);
  Type(u"home\r"_qs);  // the field at its fixed place comes next in page order
  EXPECT_TRUE(Field(2)->Finished);
  Type(u"Anna"_qs);  // no open field is left: the input line
  EXPECT_EQ(page.GetVariable("name"), "Anna");
}

TEST_F(PageExercisesTest, SolvingOneExerciseKeepsTheStateOfTheOthers) {
  page.resize(800, 572);
  SetRandomSeed(7);
  Page("a.html",
       "<p>The <a gap lsg=\"cat\">cat</a> and the <a gap lsg=\"dog\">dog</a> sit on the <a drag>sofa</a> "
       "in the <a drag>kitchen</a> near the <a drag>door</a>.</p><klotz falsch=\"garden\">"
       "<satz teile=\"My brother / has got / a new / red / bike\" coords=20,200,600,28>");
  ASSERT_TRUE(Open("a.html"));
  // The state of the page: where each block lies, the sentence's order, what is typed.
  const auto state = [&] {
    std::string s;
    for (const auto& b : page.DragBlocks())
      s += b.Text + "@" + std::to_string(b.Rect.x()) + "," + std::to_string(b.Rect.y()) + " ";
    for (const auto& p : page.SentenceTasks()[0].Parts) s += p.Text + "|";
    return s + Field(1)->Text();
  };
  Field(1)->SetText("do");
  const std::string before = state();
  Answer(0, "cat");  // a solved gap lays the page out again
  EXPECT_EQ(state(), before);
  // a placed block leaves the others where they are
  const auto& places = page.DragPlaceStates();
  const auto sofa = std::find_if(places.begin(), places.end(), [](const auto& p) { return p.Text == "sofa"; });
  const auto& blocks = page.DragBlocks();
  const auto block = std::find_if(blocks.begin(), blocks.end(), [](const auto& b) { return b.Text == "sofa"; });
  ASSERT_TRUE(sofa != places.end() && block != blocks.end());
  const QPoint target = sofa->Rect.topLeft();
  ASSERT_TRUE(page.StartDrag(block->Rect.left(), block->Rect.top()));
  page.DragMove(target);
  page.DragDrop();
  std::string rest = before;
  rest.erase(rest.find("sofa@"), rest.find(' ', rest.find("sofa@")) - rest.find("sofa@") + 1);
  EXPECT_EQ(state(), rest);
}

TEST_F(PageExercisesTest, AFinishedFieldAtAFixedPlaceLeavesItsAnswerInTheGapColour) {
  Page("a.html",
       "<body bgcolor=#ffffff gap=#008000>Wie heißt Haus? <edit coords=\"40,60,120,24\" lsg=\"house; home\">"
       " <edit coords=\"40,120,120,24\" lsg=\"kitchen\">");
  ASSERT_TRUE(Open("a.html"));
  Answer(0, "home");
  Answer(1, "");     // given up: the solution stands there
  page.DrawAgain();  // and stays at later drawings
  TWordList words = page.WordList();
  const std::string* right = words.Find(100, 72);
  const std::string* given = words.Find(100, 132);
  ASSERT_TRUE(right && given);
  EXPECT_EQ(*right, "home");
  EXPECT_EQ(*given, "kitchen");
  int green = 0;
  for (int y = 60; y < 84; ++y)
    for (int x = 40; x < 160; ++x) green += page.Buffer().pixelColor(x, y) == QColor(0, 0x80, 0);
  EXPECT_GT(green, 10);
}

TEST_F(PageExercisesTest, AFieldShowsItsTipUnderTheMouse) {
  Page("a.html",
       "<a gap lsg=\"lives\" tip=\"leben: 3. Person\">lives</a> "
       "<edit coords=\"10,100,80,24\" lsg=\"house\" tip=\"Auf Englisch\">");
  ASSERT_TRUE(Open("a.html"));
  QTest::mouseMove(Field(0), QPoint(5, 5));
  ASSERT_TRUE(WaitFor([&] { return page.HintWindow() && page.HintWindow()->isVisible(); }));
  EXPECT_EQ(page.HintWindow()->text(), u"leben: 3. Person"_qs);
  QTest::mouseMove(Field(1), QPoint(5, 5));
  EXPECT_TRUE(
      WaitFor([&] { return page.HintWindow()->isVisible() && page.HintWindow()->text() == u"Auf Englisch"_qs; }));
}

TEST_F(PageExercisesTest, CompletionOnlyWhenTheLastFieldIsDone) {
  Page("a.html",
       "<a gap lsg=\"one\">__</a> <a gap lsg=\"two\">__</a> <edit coords=\"10,100,80,24\" lsg=\"three ; 3\">");
  ASSERT_TRUE(Open("a.html"));
  ASSERT_EQ(page.TypingFields().size(), 3u);
  EXPECT_EQ(Field(2)->geometry(), QRect(10, 100, 80, 24));
  EXPECT_EQ(Field(2)->Lsg(), (std::vector<std::string>{"three", "3"}));
  Answer(1, "two");
  Answer(2, "3");
  EXPECT_EQ(solved, 0);
  Answer(0, "");  // given up: no completion test
  EXPECT_EQ(solved, 0);
  EXPECT_TRUE(Field(0)->Finished);
}

TEST_F(PageExercisesTest, ReactionReportedAfterTheKeyHandler) {
  Page("a.html", "<a gap lsg=\"house\" reaction=\"vokabel\">____</a> <a gap lsg=\"cat\" reaction=\"tier\">__</a>");
  ASSERT_TRUE(Open("a.html"));
  Answer(0, "hause");
  Answer(0, "house");
  EXPECT_TRUE(commands.empty());  // posted, not raised inside the field's handler
  ASSERT_TRUE(WaitFor([&] { return commands.size() == 1; }));
  EXPECT_EQ(commands[0], "vokabel#2+");
  Answer(1, "");
  ASSERT_TRUE(WaitFor([&] { return commands.size() == 2; }));
  EXPECT_EQ(commands[1], "tier-");
  EXPECT_FALSE(Field(0)->Finished);  // with a reaction the field stays bound
  EXPECT_EQ(solved, 0);
}

TEST_F(PageExercisesTest, ReactionWithExtensionLoadsThePageAfterwards) {
  Page("next.html", "<p>Weiter</p>");
  Page("a.html", "<a gap lsg=\"yes\" reaction=\"next.html\">___</a>");
  ASSERT_TRUE(Open("a.html"));
  TXRichEdit* f = Field(0);
  f->OnBeinahe = nullptr;
  const std::string before = page.XFile();
  Answer(0, "yes");
  EXPECT_EQ(page.XFile(), before);  // not from inside the handler
  ASSERT_TRUE(WaitFor([&] { return page.XFile() != before; }));
  EXPECT_NE(page.XFile().find("next.html"), std::string::npos);
  EXPECT_TRUE(page.TypingFields().empty());
  EXPECT_TRUE(commands.empty());
}

TEST_F(PageExercisesTest, PageWithOpenDragItemsIsNotSolved) {
  Page("a.html", "<a gap lsg=\"one\">__</a> <a drag>two</a>");
  ASSERT_TRUE(Open("a.html"));
  Answer(0, "one");
  EXPECT_EQ(solved, 0);
}

TEST_F(PageExercisesTest, ReactionAnimationRunsAndEnds) {
  Page("a.html", "<a gap lsg=\"one\">__</a>");
  ASSERT_TRUE(Open("a.html"));
  react = true;
  SetRandomSeed(7);
  Answer(0, "one");
  EXPECT_EQ(solved, 1);
  EXPECT_EQ(page.ReactionText(), u"Unglaublich!"_qs);
  EXPECT_EQ(page.ReactionPointSize(), 48);
  EXPECT_FALSE(page.ReactionRunning);
}

TEST_F(PageExercisesTest, TheReactionCoversThePagesWidgets) {
  Page("a.html",
       "<a gap lsg=\"one\">one</a> <input coords=10,100,150 name=\"x\">"
       "<button coords=10,150,120,30 caption=\"Weiter\" href=\"b.html\">");
  ASSERT_TRUE(Open("a.html"));
  const std::vector<QWidget*> widgets{Field(0), page.InputLine(), page.PageButtons()[0]};
  // Whether the widget (or a part of it) is what shows at its middle.
  const auto seen = [&](QWidget* w) {
    QWidget* top = page.childAt(w->geometry().center());
    return top == w || w->isAncestorOf(top);
  };
  std::vector<bool> seenDuring;
  QTimer::singleShot(0, &page, [&] {
    for (QWidget* w : widgets) seenDuring.push_back(seen(w));
  });
  page.ShowReaction(true, 100);
  EXPECT_EQ(seenDuring, std::vector<bool>(widgets.size(), false));
  // Afterwards the page and its widgets are there as before.
  for (QWidget* w : widgets) EXPECT_TRUE(seen(w));
}

TEST_F(PageExercisesTest, LongReactionTextStopsShrinkingAndEnds) {
  Page("a.html", "<p>x</p>");
  ASSERT_TRUE(Open("a.html"));
  page.SetVariable("kNegativ", std::string(400, 'W'));
  page.ShowReaction(false, 60);
  EXPECT_EQ(page.ReactionPointSize(), 12);
  EXPECT_TRUE(page.ReactionText().endsWith(QChar(0x2026)));
  EXPECT_LT(page.ReactionText().size(), 400);
  page.SetVariable("kNegativ", "Schade");
  page.ShowReaction(false, 20);
  EXPECT_EQ(page.ReactionText(), u"Schade"_qs);
  EXPECT_EQ(page.ReactionPointSize(), 48);
}

TEST_F(PageExercisesTest, ManyGapsAndEmptyAnswersDoNotBreakThePage) {
  std::string body;
  for (int i = 0; i < 2000; ++i) body += "<a gap lsg=\"\">w</a> ";
  Page("a.html", body);
  ASSERT_TRUE(Open("a.html"));
  EXPECT_LE(page.TypingFields().size(), 255u);
  Answer(0, "w");  // no solution can be right: wiped
  EXPECT_TRUE(Field(0)->isVisible());
  Answer(0, "");
  EXPECT_TRUE(Field(0)->Finished);
}

// Clicks the answer whose text is `answer` (its link area holds it).
void ClickAnswer(TXPage& page, const std::string& answer) {
  const TPageModel& m = page.Model();
  for (const TLinkArea& a : m.LinkNames.Areas) {
    if (a.Element < 0 || static_cast<size_t>(a.Element) >= m.Elements.size()) continue;
    if (m.Elements[static_cast<size_t>(a.Element)].Text != answer) continue;
    QTest::mouseClick(&page, Qt::LeftButton, {},
                      QPoint((a.Rect.Left + a.Rect.Right) / 2, (a.Rect.Top + a.Rect.Bottom) / 2));
    return;
  }
  ADD_FAILURE() << "no answer " << answer;
}

TEST_F(PageExercisesTest, ChoiceWithReactionReportsRightAndWrongAnswers) {
  Page("a.html", "<multiple coords=10,10,100,20 dim=3,1 txt=\"cat|dog|mouse\" reaction=mc>");
  ASSERT_TRUE(Open("a.html"));
  ClickAnswer(page, "dog");
  ASSERT_EQ(commands, std::vector<std::string>{"mc-[dog]"});
  EXPECT_TRUE(page.Model().Multiple.Answers.empty());
  ASSERT_TRUE(Open("a.html"));
  ClickAnswer(page, "cat");
  EXPECT_EQ(commands, (std::vector<std::string>{"mc-[dog]", "mc+"}));
}

// Whether the page's question still offers its answers as links.
bool OffersAnswers(const TXPage& page) {
  for (const std::string& name : page.Model().LinkNames.Names)
    if (name.rfind("\xA7mchx", 0) == 0) return true;
  return false;
}

// Whether the word stands underlined on the page: the right answer of an answered question.
bool Underlined(const TXPage& page, const std::string& word) {
  for (const TXText& e : page.Model().Elements)
    if (e.Text == word && (e.Format.Style & kUnderline)) return true;
  return false;
}

TEST_F(PageExercisesTest, ChoiceWithoutReactionOnAPageShowsTheReactionAndKeepsThePage) {
  Page("a.html", "<a gap lsg=\"one\">one</a> <multiple coords=10,40,100,20 dim=2,1 txt=\"cat|dog\">");
  Page("b.html", "<multiple coords=10,10,100,20 dim=2,1 txt=\"bird|fish\">");
  ASSERT_TRUE(Open("a.html"));
  ASSERT_TRUE(OffersAnswers(page));
  TXRichEdit* field = Field(0);
  field->SetText("on");
  page.SetVariable("kNegativ", "Leider falsch");
  ClickAnswer(page, "dog");
  EXPECT_EQ(page.ReactionText(), u"Leider falsch"_qs);
  EXPECT_TRUE(commands.empty());
  // Not read again: the gap keeps what was typed, the question can be tried again.
  ASSERT_EQ(page.TypingFields().size(), 1u);
  EXPECT_EQ(page.TypingFields()[0], field);
  EXPECT_EQ(field->Text(), "on");
  EXPECT_TRUE(OffersAnswers(page));
  EXPECT_FALSE(page.Model().Multiple.Answered);
  ClickAnswer(page, "cat");
  EXPECT_EQ(page.ReactionText(), u"Unglaublich!"_qs);
  // The next page asks its own question.
  ASSERT_TRUE(Open("b.html"));
  EXPECT_TRUE(OffersAnswers(page));
  EXPECT_EQ(page.Model().Multiple.Answers.size(), 2u);
}

TEST_F(PageExercisesTest, ChoiceInAContainerTaskRebuildsTheSameTask) {
  Page("fragen.vyr",
       "VYR!02<p>Frage:</p><EX><multiple coords=10,40,100,20 dim=2,1 txt=\"cat|dog\">"
       "<EX><multiple coords=10,40,100,20 dim=2,1 txt=\"cow|pig\"></EX>"
       "<p><a href=\"#next\">Weiter</a></p>");
  ASSERT_TRUE(Open("fragen.vyr"));
  const int task = page.Loader().CurrentTask();
  const int toAsk = page.Loader().TasksToAsk();
  const std::string right = task == 0 ? "cat" : "cow";
  ClickAnswer(page, right);
  EXPECT_EQ(page.ReactionText(), u"Unglaublich!"_qs);
  EXPECT_FALSE(OffersAnswers(page));
  EXPECT_TRUE(Underlined(page, right));
  EXPECT_EQ(page.Loader().CurrentTask(), task);  // the same task, nothing picked
  EXPECT_EQ(page.Loader().TasksToAsk(), toAsk);
  page.FollowLink("ex", {});  // the next task asks its question
  EXPECT_NE(page.Loader().CurrentTask(), task);
  EXPECT_FALSE(page.Model().Multiple.Answered);
  EXPECT_TRUE(OffersAnswers(page));
  EXPECT_TRUE(messages.shown().empty());
}

TEST_F(PageExercisesTest, PageButtonFollowsItsTargetAfterTheClick) {
  Page("b.html", "<p>B</p>");
  Page("a.html", "<button coords=20,20,120,30 caption=\"Weiter\" href=\"b.html\"><p>A</p>");
  ASSERT_TRUE(Open("a.html"));
  ASSERT_EQ(page.PageButtons().size(), 1u);
  tXColorButton* b = page.PageButtons()[0];
  EXPECT_TRUE(b->isVisible());
  EXPECT_EQ(b->geometry(), QRect(20, 20, 120, 30));
  QTest::mouseClick(b, Qt::LeftButton, {}, QPoint(10, 10));
  ASSERT_TRUE(WaitFor([&] { return page.XFile().find("b.html") != std::string::npos; }));
  EXPECT_TRUE(page.PageButtons().empty());
}

TEST_F(PageExercisesTest, InputLineStoresItsVariableAndReportsEnterAfterwards) {
  Page("a.html", "<input coords=10,10,150 name=\"wort\" value=\"Fus\">");
  ASSERT_TRUE(Open("a.html"));
  QLineEdit* line = page.InputLine();
  ASSERT_TRUE(line);
  EXPECT_TRUE(line->isVisible());
  EXPECT_EQ(line->text(), u"Fus"_qs);
  line->setFocus();
  QTest::keyClick(line, Qt::Key_End);
  QTest::keyClick(line, Qt::Key_F1);  // "s" has no group in the input line
  EXPECT_EQ(page.GetVariable("wort"), "Fus");
  QTest::keyClicks(line, u"e"_qs);
  QTest::keyClick(line, Qt::Key_F1);
  EXPECT_EQ(page.GetVariable("wort"), "Fusé");
  line->insert(u"\u0416\r\n!"_qs);  // as a paste would
  EXPECT_EQ(page.GetVariable("wort"), "Fusé? !");
  QTest::keyClick(line, Qt::Key_Return);
  EXPECT_TRUE(commands.empty());
  ASSERT_TRUE(WaitFor([&] { return !commands.empty(); }));
  EXPECT_EQ(commands, std::vector<std::string>{"wort"});
}

TEST_F(PageExercisesTest, SolveAllShowsTheSolutionsWithoutReaction) {
  Page("a.html", "<a gap lsg=\"one\">one</a> <a gap lsg=\"two\" reaction=\"r\">two</a>");
  ASSERT_TRUE(Open("a.html"));
  react = true;
  page.SolveAll();
  EXPECT_EQ(solved, 1);
  EXPECT_FALSE(reactOffered);
  EXPECT_EQ(page.ReactionPointSize(), 0);  // no animation
  for (TXRichEdit* f : page.TypingFields()) {
    EXPECT_TRUE(f->Finished);
    EXPECT_FALSE(f->isVisible());
    EXPECT_EQ(page.Model().Elements[static_cast<size_t>(f->Element)].Format.TaskIndex, -1);
  }
  EXPECT_TRUE(commands.empty());
  page.SolveAll();  // already solved: nothing
  EXPECT_EQ(solved, 1);
  EXPECT_FALSE(page.ReactionRunning);
}

// The demo course's exercise lesson, from its UTF-8 source.
std::string LessonSource() {
  const char* env = std::getenv("VYR_COURSE_SOURCE");
  const std::string root = env ? env : VYR_COURSE_SOURCE_DIR;
  QFile f(QString::fromUtf8(root + "/hvyr/uebungen.htx"));
  if (!f.open(QIODevice::ReadOnly)) return {};
  const QByteArray bytes = f.readAll();
  return Utf8ToCp1252(std::string_view(bytes.constData(), static_cast<size_t>(bytes.size())));
}

TEST_F(PageExercisesTest, DemoLessonRunsEveryExerciseKind) {
  const std::string source = LessonSource();
  ASSERT_FALSE(source.empty());
  page.resize(800, 572);
  Page("uebungen.html", source);
  ASSERT_TRUE(Open("uebungen.html"));
  ASSERT_EQ(page.TypingFields().size(), 5u);  // four gaps and one field
  EXPECT_TRUE(page.InputLine());
  EXPECT_EQ(page.PageButtons().size(), 1u);
  EXPECT_EQ(page.Model().Multiple.Answers.size(), 4u);
  for (TXRichEdit* f : page.TypingFields()) EXPECT_TRUE(f->isVisible());
  EXPECT_EQ(page.TypingFields()[3]->Hilfe().substr(0, 5), "c___ ");
  react = false;
  ASSERT_EQ(page.DragPlaceStates().size(), 3u);
  EXPECT_EQ(page.DragBlocks().size(), 4u);  // with the extra "garden"
  const char* answers[] = {"lives", "do not", "color", "café au lait", "home"};
  for (size_t i = 0; i < 5; ++i) Answer(i, answers[i]);
  EXPECT_EQ(solved, 0);  // the blocks are still open
  for (const char* word : {"cat", "sofa", "kitchen"}) {
    const auto& blocks = page.DragBlocks();
    const auto b = std::find_if(blocks.begin(), blocks.end(), [&](const auto& x) { return x.Text == word; });
    ASSERT_NE(b, blocks.end());
    const auto& places = page.DragPlaceStates();
    const auto p = std::find_if(places.begin(), places.end(), [&](const auto& x) { return x.Text == word; });
    ASSERT_NE(p, places.end());
    const QRect target = p->Rect;
    ASSERT_TRUE(page.StartDrag(b->Rect.left(), b->Rect.top()));
    page.DragMove(target.topLeft());
    page.DragDrop();
  }
  EXPECT_EQ(solved, 0);  // the sentence is still open
  ASSERT_EQ(page.SentenceTasks().size(), 1u);
  page.SolveAll();
  EXPECT_EQ(solved, 1);
  EXPECT_TRUE(page.SentenceTasks().empty());
  EXPECT_TRUE(page.DragBlocks().empty());
  EXPECT_TRUE(messages.shown().empty());
}

TEST_F(PageExercisesTest, SolveAllFillsPlacesAndBuildsSentences) {
  page.resize(800, 572);
  Page("a.html",
       "<p><a gap lsg=\"one\">one</a> and <a drag>cat</a></p><klotz falsch=\"cow\">"
       "<satz teile=\"I / am / very / glad\" coords=20,200,400,24>");
  ASSERT_TRUE(Open("a.html"));
  page.SolveAll();
  EXPECT_EQ(solved, 1);
  EXPECT_FALSE(reactOffered);
  EXPECT_TRUE(page.DragBlocks().empty());
  EXPECT_TRUE(page.SentenceTasks().empty());
  for (const auto& p : page.DragPlaceStates()) EXPECT_FALSE(p.Open);
  TWordList words = page.WordList();
  const std::string* word = words.Find(25, 210);
  ASSERT_TRUE(word);
  EXPECT_EQ(*word, "I");
}

}  // namespace
}  // namespace vyr::test

namespace vyr::test {
namespace {

TEST_F(PageExercisesTest, FieldsAndButtonsScrollWithThePage) {
  std::string tall;
  for (int i = 0; i < 60; ++i) tall += "<p>Zeile " + std::to_string(i);
  Page("lang.html", tall + "<p>The <a gap lsg=\"cat\">cat</a> sleeps.");
  ASSERT_TRUE(Open("lang.html"));
  TXRichEdit* f = Field(0);
  ASSERT_TRUE(f);
  const int top = f->y();
  page.SetScrollPos(200);
  ASSERT_EQ(page.ScrollPos(), 200);
  EXPECT_EQ(f->y(), top - 200);
  page.SetScrollPos(50);
  EXPECT_EQ(f->y(), top - 50);
  page.SetColorBGR(0xFFFFFF);  // a new layout and drawing keeps the field in place
  EXPECT_EQ(f->y(), top - 50);
}

}  // namespace
}  // namespace vyr::test
