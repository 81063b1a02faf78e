#pragma once
// The hint and the note of a page: the hint is a small tool-tip window that
// shows a hovered link's note after half a second and closes two seconds
// later; the note is a label inside the page opened by a "@text" link, closed
// by the same link again, by a click on it or by the next page.
#include <QObject>
#include <QPoint>
#include <QRect>
#include <functional>
#include <string>

class QLabel;
class QTimer;
class QWidget;

namespace vyr {

class THintsAndNotes : public QObject {
 public:
  // The labels are children of the page widget.
  explicit THintsAndNotes(QWidget* page);

  // --- the hint
  // Where the next hint shows (screen coordinates).
  void SetHintPos(QPoint global) { hintPos_ = global; }
  // Shows the text as the hint after the delay, closing the one shown.
  void ScheduleHint(const std::string& text);
  void CloseHint();
  // Closes the hint and forgets its text (a new page).
  void ForgetHint();
  const QLabel* HintWindow() const { return hint_; }
  // Whether a hint waits to be shown.
  bool HintScheduled() const;

  // --- the note
  // Opens the note under a rectangle of the window (beside it where the
  // window ends; textWidth is the width of the page's text); the same note
  // shown again closes it.
  void ShowNote(const std::string& note, const QRect& onWindow, int textWidth);
  void CloseNote();
  bool NoteShown() const;
  const QLabel* NoteLabel() const { return note_; }
  // Asked before a click on the note closes it.
  std::function<bool()> MouseAccepted;

 protected:
  bool eventFilter(QObject* watched, QEvent* e) override;

 private:
  void HintTimerFired();
  // Whether the note shows this text.
  bool NoteShowing(const std::string& text) const;

  QWidget* page_;
  QTimer* hintTimer_;
  QLabel* hint_ = nullptr;
  std::string hintText_;
  QPoint hintPos_;
  QLabel* note_ = nullptr;
  std::string noteText_;
};

}  // namespace vyr
