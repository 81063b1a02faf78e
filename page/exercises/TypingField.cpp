#include "page/exercises/TypingField.h"

#include <QKeyEvent>
#include <QMimeData>
#include <QPointer>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocument>

#include "page/exercises/ExerciseRules.h"
#include "text/Cp1252.h"

namespace vyr {

namespace {

QTextCharFormat Coloured(const QColor& colour) {
  QTextCharFormat f;
  f.setForeground(colour);
  return f;
}

const QColor kBlack(0, 0, 0);
const QColor kRed(255, 0, 0);

}  // namespace

TXRichEdit::TXRichEdit(QWidget* parent) : QTextEdit(parent) {
  setAcceptRichText(false);
  setLineWrapMode(QTextEdit::NoWrap);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setTabChangesFocus(true);
  setUndoRedoEnabled(false);
  SetBorder(true);
  document()->setDocumentMargin(margin_);
  resize(121, 21);
  SetHint("Hilfe mit F12!");
}

void TXRichEdit::SetLsg(std::vector<std::string> solutions) {
  lsg_ = std::move(solutions);
  attempts_ = 0;
}

void TXRichEdit::SetHilfe(const std::string& help) {
  if (help == "*") hilfe_ = lsg_.empty() ? std::string() : HelpMask(lsg_.front());
  else hilfe_ = help;
}

void TXRichEdit::SetMargin(int pixels) {
  margin_ = std::max(0, pixels);
  document()->setDocumentMargin(margin_);
}

void TXRichEdit::SetBorder(bool on) {
  setFrameStyle(on ? (QFrame::Box | QFrame::Plain) : QFrame::NoFrame);
  setLineWidth(1);
}

std::string TXRichEdit::Text() const { return FromUnicode(toPlainText()); }

void TXRichEdit::SetText(const std::string& text) {
  QTextCursor c(document());
  c.select(QTextCursor::Document);
  c.removeSelectedText();
  c.insertText(ToUnicode(text), Coloured(kBlack));
  setTextCursor(c);
}

void TXRichEdit::keyPressEvent(QKeyEvent* e) {
  if (isReadOnly()) {
    QTextEdit::keyPressEvent(e);
    return;
  }
  answer_ = Text();
  caret_ = textCursor().position();
  switch (e->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
      e->accept();
      Evaluate();
      return;
    case Qt::Key_F1:
      e->accept();
      CycleAccent();
      return;
    case Qt::Key_F2:
    case Qt::Key_F12:
      e->accept();
      ShowHelp();
      return;
    default: break;
  }
  const QString typed = e->text();
  const bool shortcut = e->modifiers() & (Qt::ControlModifier | Qt::MetaModifier);
  bool printable = !typed.isEmpty() && !shortcut;
  for (QChar ch : typed)
    if (ch.unicode() < 32 || ch.unicode() == 127) printable = false;
  if (printable) {
    e->accept();
    InsertTyped(FilterTypedText(typed));
    return;
  }
  QTextEdit::keyPressEvent(e);  // editing keys, caret moves, copy and paste
}

void TXRichEdit::inputMethodEvent(QInputMethodEvent* e) {
  if (isReadOnly() || e->commitString().isEmpty()) {
    QTextEdit::inputMethodEvent(e);
    return;
  }
  InsertTyped(FilterTypedText(e->commitString()));
  e->accept();
}

bool TXRichEdit::canInsertFromMimeData(const QMimeData* source) const {
  return source && source->hasText() && !isReadOnly();
}

void TXRichEdit::insertFromMimeData(const QMimeData* source) {
  if (!canInsertFromMimeData(source)) return;
  QTextCursor c = textCursor();
  c.insertText(ToUnicode(FilterPastedText(source->text())), Coloured(kBlack));
  setTextCursor(c);
}

void TXRichEdit::InsertTyped(const std::string& text) {
  QTextCursor c = textCursor();
  for (char ch : text) {
    c.removeSelectedText();
    const QString plain = toPlainText();
    const int pos = c.position();
    if (pos < plain.size() && (plain[pos] == u'.' || plain[pos] == u'_')) c.deleteChar();
    c.insertText(QString(QChar(UnicodeOf(static_cast<unsigned char>(ch)))), Coloured(kBlack));
  }
  setTextCursor(c);
}

void TXRichEdit::CycleAccent() {
  if (caret_ < 1 || caret_ > static_cast<int>(answer_.size())) return;
  const char old = answer_[static_cast<size_t>(caret_ - 1)];
  const char next = NextAccent(old, kTypingFieldAccentGroups);
  if (next == old) return;
  QTextCursor c(document());
  c.setPosition(caret_ - 1);
  c.setPosition(caret_, QTextCursor::KeepAnchor);
  c.insertText(QString(QChar(UnicodeOf(static_cast<unsigned char>(next)))), Coloured(kBlack));
  setTextCursor(c);
}

void TXRichEdit::ShowHelp() {
  SetText(hilfe_);
  size_t p = hilfe_.find_first_of("_.");
  if (p == std::string::npos) p = hilfe_.size();
  QTextCursor c = textCursor();
  c.setPosition(static_cast<int>(p));
  setTextCursor(c);
}

void TXRichEdit::ShowMarked(const std::string& answer, const std::vector<bool>& red, int caret) {
  QTextCursor c(document());
  c.select(QTextCursor::Document);
  c.removeSelectedText();
  for (size_t i = 0; i < answer.size(); ++i)
    c.insertText(QString(QChar(UnicodeOf(static_cast<unsigned char>(answer[i])))),
                 Coloured(i < red.size() && red[i] ? kRed : kBlack));
  c.setPosition(std::clamp(caret, 0, static_cast<int>(answer.size())));
  setTextCursor(c);
}

void TXRichEdit::Evaluate() {
  const std::string answer = Text();
  const TEvaluation ev = EvaluateAnswer(answer, lsg_, attempts_);
  QPointer<TXRichEdit> self(this);
  auto fire = [&](const std::function<void(TXRichEdit*)>& handler) {
    if (self && handler) {
      const auto copy = handler;  // the handler may reassign itself
      copy(this);
    }
  };
  switch (ev.Result) {
    case TAnswerResult::Right:
      hide();
      fire(OnReturn);
      fire(OnRichtig);
      break;
    case TAnswerResult::NearMiss:
      ShowMarked(answer, ev.Marking.Red, ev.Marking.Caret);
      fire(OnBeinahe);
      break;
    case TAnswerResult::GaveUp:
      hide();
      fire(OnReturn);
      fire(OnFalsch);
      break;
    case TAnswerResult::Wiped:
    case TAnswerResult::Emptied:
      SetText({});
      fire(OnReturn);
      break;
  }
}

}  // namespace vyr
