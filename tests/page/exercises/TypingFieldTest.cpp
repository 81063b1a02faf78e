#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QTest>
#include <QTextCursor>
#include <QTextDocument>
#include <QWidget>

#include "page/exercises/TypingField.h"
#include "text/Cp1252.h"

namespace vyr {
namespace {

// A shown field in a window, with its events written into a log.
class TypingFieldTest : public testing::Test {
 protected:
  void SetUp() override {
    window_.resize(300, 100);
    field_ = new TXRichEdit(&window_);
    field_->OnRichtig = [this](TXRichEdit*) { log_ += "richtig;"; };
    field_->OnFalsch = [this](TXRichEdit*) { log_ += "falsch;"; };
    field_->OnBeinahe = [this](TXRichEdit*) { log_ += "beinahe;"; };
    field_->OnReturn = [this](TXRichEdit*) { log_ += "return;"; };
    window_.show();
    field_->setFocus();
  }
  void Type(const char* text) { QTest::keyClicks(field_, ToUnicode(text)); }
  // Characters a keyboard layout gives directly (not only ASCII).
  void Send(const QString& text) {
    for (QChar ch : text) {
      QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(ch));
      QApplication::sendEvent(field_, &press);
    }
  }
  void Key(Qt::Key key) { QTest::keyClick(field_, key); }
  int Caret() const { return field_->textCursor().position(); }
  // Whether the character at a position is drawn in red.
  bool IsRed(int pos) const {
    QTextCursor c(field_->document());
    c.setPosition(pos + 1);
    return c.charFormat().foreground().color() == QColor(255, 0, 0);
  }

  QWidget window_;
  TXRichEdit* field_ = nullptr;
  std::string log_;
};

TEST_F(TypingFieldTest, DefaultsOfANewField) {
  EXPECT_EQ(field_->width(), 121);
  EXPECT_EQ(field_->height(), 21);
  EXPECT_EQ(field_->Margin(), 2);
  EXPECT_EQ(field_->Hint(), "Hilfe mit F12!");
  EXPECT_EQ(field_->Element, -1);
  EXPECT_FALSE(field_->Finished);
}

TEST_F(TypingFieldTest, NearMissMarkedRedThenRightAtSecondEnter) {
  field_->SetLsg({"house"});
  Type("hause");
  Key(Qt::Key_Return);
  EXPECT_EQ(log_, "beinahe;");
  EXPECT_TRUE(field_->isVisible());
  EXPECT_EQ(field_->Text(), "hause");
  EXPECT_TRUE(IsRed(1));
  EXPECT_FALSE(IsRed(0));
  EXPECT_FALSE(IsRed(2));
  EXPECT_EQ(Caret(), 1);
  Key(Qt::Key_Delete);
  Type("o");
  EXPECT_FALSE(IsRed(1));  // the typed letter is black
  Key(Qt::Key_Return);
  EXPECT_EQ(log_, "beinahe;return;richtig;");
  EXPECT_FALSE(field_->isVisible());
  EXPECT_EQ(field_->Attempts(), 2);
}

TEST_F(TypingFieldTest, EnterOnEmptyFieldGivesUpAtOnce) {
  field_->SetLsg({"house"});
  Key(Qt::Key_Return);
  EXPECT_EQ(log_, "return;falsch;");
  EXPECT_FALSE(field_->isVisible());
  EXPECT_EQ(field_->Attempts(), 5);
}

TEST_F(TypingFieldTest, FarAnswerWipedFifthFailureGivesUp) {
  field_->SetLsg({"house"});
  Type("xyz");
  Key(Qt::Key_Return);
  EXPECT_EQ(log_, "return;");
  EXPECT_EQ(field_->Text(), "");
  for (int i = 0; i < 3; ++i) {
    field_->SetText("hause");
    Key(Qt::Key_Return);
  }
  EXPECT_TRUE(field_->isVisible());
  field_->SetText("hause");
  Key(Qt::Key_Return);
  EXPECT_EQ(log_, "return;beinahe;beinahe;beinahe;return;falsch;");
  EXPECT_FALSE(field_->isVisible());
}

TEST_F(TypingFieldTest, MissingAccentThenF1MakesItRight) {
  field_->SetLsg({"café"});
  Type("cafe");
  Key(Qt::Key_Return);
  EXPECT_EQ(log_, "beinahe;");
  EXPECT_TRUE(IsRed(3));
  EXPECT_EQ(Caret(), 4);
  Key(Qt::Key_F1);
  EXPECT_EQ(field_->Text(), "café");
  EXPECT_FALSE(IsRed(3));  // the replaced character is black again
  Key(Qt::Key_Return);
  EXPECT_EQ(log_, "beinahe;return;richtig;");
}

TEST_F(TypingFieldTest, F1CyclesTheCharacterBeforeTheCaret) {
  Type("e");
  std::string seen;
  for (int i = 0; i < 5; ++i) {
    Key(Qt::Key_F1);
    seen += field_->Text();
  }
  EXPECT_EQ(seen, "éèêëe");
  field_->SetText("Fuss");
  Key(Qt::Key_F1);
  EXPECT_EQ(field_->Text(), "Fusß");
  EXPECT_EQ(Caret(), 4);
  field_->SetText("xy");
  Key(Qt::Key_Home);
  Key(Qt::Key_F1);  // nothing before the caret
  Key(Qt::Key_End);
  Key(Qt::Key_F1);  // "y" is in no group
  EXPECT_EQ(field_->Text(), "xy");
}

TEST_F(TypingFieldTest, HelpMaskFilledPlaceByPlace) {
  field_->SetLsg({"bread"});
  field_->SetHilfe("*");
  EXPECT_EQ(field_->Hilfe(), "b___d");
  Key(Qt::Key_F2);
  EXPECT_EQ(field_->Text(), "b___d");
  EXPECT_EQ(Caret(), 1);
  Type("rea");
  EXPECT_EQ(field_->Text(), "bread");
  Key(Qt::Key_Return);
  EXPECT_EQ(log_, "return;richtig;");
}

TEST_F(TypingFieldTest, F12ShowsPlainHelpAndEmptyHelpEmpties) {
  field_->SetHilfe("to go");
  Type("x");
  Key(Qt::Key_F12);
  EXPECT_EQ(field_->Text(), "to go");
  EXPECT_EQ(Caret(), 5);
  field_->SetHilfe("");
  Key(Qt::Key_F2);
  EXPECT_EQ(field_->Text(), "");
  field_->SetLsg({});
  field_->SetHilfe("*");  // no first solution: no help
  EXPECT_EQ(field_->Hilfe(), "");
}

TEST_F(TypingFieldTest, ControlCharactersDroppedForeignOnesBecomeQuestionMarks) {
  Type("a");
  Send(u"\u0007\u0416\u20ac\u007f"_qs);
  EXPECT_EQ(field_->Text(), "a?\x80");
}

TEST_F(TypingFieldTest, PasteIsFiltered) {
  QApplication::clipboard()->setText(u"two\r\nlines\t\u2603"_qs);
  QTest::keyClick(field_, Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(field_->Text(), "two lines ?");
}

TEST_F(TypingFieldTest, ReadOnlyFieldDoesNotEvaluate) {
  field_->SetLsg({"house"});
  field_->setReadOnly(true);
  Key(Qt::Key_Return);
  EXPECT_EQ(log_, "");
  EXPECT_EQ(field_->Attempts(), 0);
}

TEST_F(TypingFieldTest, NewSolutionsResetTheAttempts) {
  field_->SetLsg({"house"});
  Type("hause");
  Key(Qt::Key_Return);
  EXPECT_EQ(field_->Attempts(), 1);
  field_->SetLsg({"mouse"});
  EXPECT_EQ(field_->Attempts(), 0);
}

}  // namespace
}  // namespace vyr
