#pragma once
// The typing field: a one-line rich-text edit that checks its own answer.
// Enter evaluates (right, near miss marked in red, wiped, given up after the
// fifth attempt), F1 cycles the accent of the character before the caret,
// F2 and F12 show the help text. Typed and pasted text is kept to
// Windows-1252: control characters never reach the field, characters the
// code page lacks become "?".
//
// The events are raised from inside the field's key handling. A handler
// must not delete the field or load a page there (the page control posts
// such work, see PostLink); a field deleted later on (deleteLater) raises
// nothing more.
#include <QTextEdit>
#include <functional>
#include <string>
#include <vector>

namespace vyr {

class TXRichEdit : public QTextEdit {
  Q_OBJECT
 public:
  explicit TXRichEdit(QWidget* parent = nullptr);

  // Accepted solutions; assigning resets the attempts to 0.
  const std::vector<std::string>& Lsg() const { return lsg_; }
  void SetLsg(std::vector<std::string> solutions);
  // Help text shown on F2/F12; "*" stores the help mask of the first
  // solution (empty when there is none).
  const std::string& Hilfe() const { return hilfe_; }
  void SetHilfe(const std::string& help);
  // Pixels between the edge and the text on all four sides (default 2).
  int Margin() const { return margin_; }
  void SetMargin(int pixels);
  void SetBorder(bool on);
  // The hint shown when the mouse rests on the field (the page shows it,
  // like the hints of its links).
  const std::string& Hint() const { return hint_; }
  void SetHint(const std::string& hint) { hint_ = hint; }
  // The text as Windows-1252; setting it shows it in black.
  std::string Text() const;
  void SetText(const std::string& text);

  int Attempts() const { return attempts_; }
  std::string Reaction;   // reported by the page when the field is finished
  bool Finished = false;  // set by the page once the field's result is taken
  int32_t Element = -1;   // the page element the field covers; -1 = none

  std::function<void(TXRichEdit*)> OnRichtig;
  std::function<void(TXRichEdit*)> OnFalsch;
  std::function<void(TXRichEdit*)> OnBeinahe;
  std::function<void(TXRichEdit*)> OnReturn;

  // Evaluates the text as Enter does.
  void Evaluate();

 protected:
  void keyPressEvent(QKeyEvent* e) override;
  void inputMethodEvent(QInputMethodEvent* e) override;
  void insertFromMimeData(const QMimeData* source) override;
  bool canInsertFromMimeData(const QMimeData* source) const override;

 private:
  void InsertTyped(const std::string& text);
  void CycleAccent();
  void ShowHelp();
  void ShowMarked(const std::string& answer, const std::vector<bool>& red, int caret);

  std::vector<std::string> lsg_;
  std::string hilfe_;
  std::string hint_;
  int margin_ = 2;
  int attempts_ = 0;
  std::string answer_;  // taken at the last key press
  int caret_ = 0;
};

}  // namespace vyr
