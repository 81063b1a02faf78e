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

// The note label: light yellow with a black frame, the text wrapped inside
// 8 pixels of padding. It paints itself so that its size is exactly what
// the text needs.
class TNoteLabel : public QLabel {
 public:
  using QLabel::QLabel;

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter p(this);
    p.fillRect(rect(), QColor(0xFF, 0xFF, 0xE0));
    p.setPen(Qt::black);
    p.drawRect(rect().adjusted(0, 0, -1, -1));
    p.setFont(font());
    p.drawText(rect().adjusted(kNotePadding, kNotePadding, -kNotePadding, -kNotePadding),
               Qt::TextWordWrap | Qt::AlignLeft | Qt::AlignTop, text());
  }
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
  if (!hint_) {
    hint_ = new QLabel(page_, Qt::ToolTip);
    hint_->setWordWrap(true);
    hint_->setMaximumWidth(kHintWidth + 8);
    hint_->setStyleSheet(u"QLabel { background: #ffffe1; color: black; border: 1px solid black; padding: 2px; }"_qs);
  }
  hint_->setText(ToUnicode(hintText_));
  hint_->adjustSize();
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
    note_ = new TNoteLabel(page_);
    note_->setWordWrap(true);
    note_->installEventFilter(this);
  }
  const QString text = ToUnicode(note);
  // The text wrapped at the note width, with the padding around it (a pixel
  // to spare so that painting wraps it the same way).
  const QRect textRect =
      QFontMetrics(note_->font()).boundingRect(QRect(0, 0, kNoteWidth, 100000), Qt::TextWordWrap, text);
  note_->setText(text);
  const QSize size(textRect.width() + 2 * kNotePadding + 1, textRect.height() + 2 * kNotePadding);
  note_->resize(size);
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
