#include "page/control/HintsAndNotes.h"

#include <QEvent>
#include <QFontMetrics>
#include <QLabel>
#include <QPainter>
#include <QTimer>
#include <QWidget>
#include <algorithm>

#include "text/Cp1252.h"

namespace vyr {
namespace {

constexpr int kHintDelay = 500;   // milliseconds until a hint shows
constexpr int kHintShown = 2000;  // and how long it stays
constexpr int kHintWidth = 120;   // widest hint text
constexpr int kNoteWidth = 200;   // a note wraps at this width
constexpr int kNotePadding = 8;

constexpr int kHintPadding = 3;  // the frame and two pixels

// The hint and the note: a label on a light yellow field with a black frame
// that paints its text itself, wrapped at the width it was sized for, so
// that its size is exactly what the text needs (a QLabel sizes wrapped text
// by its own taste and wraps a hint after a word or two).
class TTextBox : public QLabel {
 public:
  TTextBox(QWidget* parent, Qt::WindowFlags flags, int padding, const QColor& background)
      : QLabel(parent, flags), padding_(padding), background_(background) {
    setWordWrap(true);
  }
  // Shows the text wrapped at `width`, with the padding around it (a pixel
  // to spare so that painting wraps it the same way).
  void SetWrapped(const QString& text, int width) {
    setText(text);
    const QRect r = QFontMetrics(font()).boundingRect(QRect(0, 0, width, 100000), Qt::TextWordWrap, text);
    resize(r.width() + 2 * padding_ + 1, r.height() + 2 * padding_);
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter p(this);
    p.fillRect(rect(), background_);
    p.setPen(Qt::black);
    p.drawRect(rect().adjusted(0, 0, -1, -1));
    p.setFont(font());
    p.drawText(rect().adjusted(padding_, padding_, -padding_, -padding_),
               Qt::TextWordWrap | Qt::AlignLeft | Qt::AlignTop, text());
  }

 private:
  int padding_;
  QColor background_;
};

}  // namespace

THintsAndNotes::THintsAndNotes(QWidget* page) : page_(page), hintTimer_(new QTimer(this)) {
  hintTimer_->setSingleShot(true);
  connect(hintTimer_, &QTimer::timeout, this, [this] { HintTimerFired(); });
}

// --- the hint

void THintsAndNotes::ScheduleHint(const std::string& text) {
  hintText_ = text;
  CloseHint();
  if (NoteShowing(text)) return;  // the note says it already
  hintTimer_->start(kHintDelay);
}

bool THintsAndNotes::NoteShowing(const std::string& text) const { return NoteShown() && noteText_ == text; }

void THintsAndNotes::HintTimerFired() {
  if (hint_ && hint_->isVisible()) {
    CloseHint();
    return;
  }
  if (hintText_.empty() || NoteShowing(hintText_)) return;
  if (!hint_) hint_ = new TTextBox(page_, Qt::ToolTip, kHintPadding, QColor(0xFF, 0xFF, 0xE1));
  static_cast<TTextBox*>(hint_)->SetWrapped(ToUnicode(hintText_), kHintWidth);
  hint_->move(hintPos_);
  hint_->show();
  hintTimer_->start(kHintShown);
}

bool THintsAndNotes::HintScheduled() const { return hintTimer_->isActive() && !(hint_ && hint_->isVisible()); }

void THintsAndNotes::CloseHint() {
  hintTimer_->stop();
  if (hint_) hint_->hide();
}

void THintsAndNotes::ForgetHint() {
  hintText_.clear();
  CloseHint();
}

// --- the note label

void THintsAndNotes::ShowNote(const std::string& note, const QRect& on, int textWidth) {
  const bool shown = NoteShown();
  if (shown) note_->hide();
  if (shown && noteText_ == note) {
    noteText_.clear();  // the same link again: closed, and the next click opens it
    return;
  }
  noteText_ = note;
  CloseHint();  // the hint of the link that opened the note would cover it
  page_->setFocus();
  if (!note_) {
    note_ = new TTextBox(page_, {}, kNotePadding, QColor(0xFF, 0xFF, 0xE0));
    note_->installEventFilter(this);
  }
  static_cast<TTextBox*>(note_)->SetWrapped(ToUnicode(note), kNoteWidth);
  const QSize size = note_->size();
  int x = on.left() + 8, y = on.bottom() + 8;
  if (x + size.width() > page_->width() - 8) x = textWidth - size.width() - 24;
  if (y + size.height() > page_->height() - 24) y = on.top() - 8 - size.height();
  note_->move(std::max(0, x), std::max(0, y));
  note_->show();
  note_->raise();
}

void THintsAndNotes::CloseNote() {
  if (note_) note_->hide();
  noteText_.clear();
}

bool THintsAndNotes::NoteShown() const { return note_ && note_->isVisible(); }

bool THintsAndNotes::eventFilter(QObject* watched, QEvent* e) {
  if (watched == note_ && e->type() == QEvent::MouseButtonPress) {
    if (!MouseAccepted || MouseAccepted()) CloseNote();
    return true;
  }
  return QObject::eventFilter(watched, e);
}

}  // namespace vyr
