#pragma once
// page/control: the page control and what it does with a shown page: links,
// mouse, history, the pop-up page, hints and notes, word list, sounds.
//
// The page control: one widget that reads, lays out, draws and shows pages,
// and the interactive side of a page: link areas under the mouse (colour
// change, cursor, hints, hover sounds), notes, the word look-up on right
// click, access keys, the Enter-key and click-anywhere links, timed jumps,
// the history, a pop-up page inside the page, and following link targets.
//
// It owns the page model, the loader (where pages come from), the layout and
// the page buffer. A page is drawn once per layout into the buffer; painting
// and scrolling only copy from it, and the look of a hovered link is laid
// over the copy.
//
// THE RULE FOR LOADING PAGES. Reading a page frees everything the old page
// owns: its elements, its link areas and names, and the page objects (page
// buttons, typing fields, the input line). Therefore:
//  1. code of the page control copies the target and rectangle it follows
//     and touches no page table after FollowLink returned;
//  2. a handler called by an object the page owns never follows a link
//     itself: it calls PostLink, which follows the target from the event
//     loop once that handler and the object's own event have returned. A
//     posted link is dropped when another page has been read meanwhile.
// Handlers of the page control itself (mouse, keys, timers, the note label,
// the pop-up page) may follow links directly: those objects outlive pages.
//
// Mouse input is off from the start of a page load until its end and while
// an OnCommand handler runs; mouse input arriving meanwhile is dropped, not
// kept for later.
#include <QFont>
#include <QImage>
#include <QPointer>
#include <QRect>
#include <QWidget>
#include <functional>
#include <map>
#include <memory>
#include <string>

#include "page/control/HintsAndNotes.h"
#include "page/control/History.h"
#include "page/control/WordList.h"
#include "page/draw/LomoAnimation.h"
#include "page/draw/PageDraw.h"
#include "page/exercises/DragExercise.h"
#include "page/exercises/MultipleChoice.h"
#include "page/exercises/SentenceExercise.h"
#include "page/layout/LinkName.h"
#include "page/layout/PageLayout.h"
#include "page/model/PageModel.h"
#include "page/reader/PageLoader.h"

class QLabel;
class QPainter;
class QLineEdit;
class QMenu;
class QScrollBar;
class QTimer;

namespace vyr {

class TQtFontMetrics;
class TXRichEdit;
class tXColorButton;

class TXPage : public QWidget {
  Q_OBJECT
 public:
  explicit TXPage(QWidget* parent = nullptr);
  ~TXPage() override;

  // --- location and loading
  const std::string& XFile() const { return loader_.XFile(); }
  const std::string& XPath() const { return loader_.XPath(); }
  // Loads a page by name; false when nothing was loaded (the old page stays).
  bool SetXFile(const std::string& name);
  void SetXPath(const std::string& dir) { loader_.SetXPath(dir); }
  void SetProgramDirectory(const std::string& dir) { loader_.SetProgramDirectory(dir); }
  // Resets the page and shows markup as a new page (no file, no history entry).
  void ShowText(const std::string& markup);

  // --- following links
  // Follows a target; rect (page coordinates) places a note label.
  void FollowLink(const std::string& target, const QRect& rect);
  // The same from the event loop, for handlers of page objects (see the rule above).
  void PostLink(const std::string& target, const QRect& rect);
  // The pop-up page: shown at x, y (negative: beside the last right click),
  // hidden again when it is asked for with the key it shows.
  void ShowPopupPage(const std::string& key, int x, int y, int width, int height, const std::string& markup);
  TXPage* PopupPage() const { return popup_; }
  // Appends a path (empty = the current page) unless it equals the last entry.
  void AddHistory(const std::string& path = {});
  const TPageHistory& History() const { return history_; }

  // --- conditions and variables, kept across pages
  void SetCondition(const std::string& name, bool on);
  bool HasCondition(const std::string& name) const;
  std::string GetVariable(const std::string& name) const;
  void SetVariable(const std::string& name, const std::string& value);
  TXAliasList& Variables() { return model_.Variables; }
  const TConditionList& Bedingung() const { return model_.Bedingung; }

  // --- mouse input
  // Turns mouse input on (the owner does so before it runs a loop of its own).
  void EnableMouse() { mouseEnabled_ = true; }
  bool MouseEnabled() const { return mouseEnabled_; }
  // Set while an exercise's reaction animation runs: the mouse is ignored.
  bool ReactionRunning = false;

  // --- drawing mode (DrawingMode.cpp): a presentation style or game draws
  // into the page buffer itself and hands rectangles to the screen. While it
  // is on, a repaint shows the buffer as drawn; hover looks, hints, hover
  // sounds, timed jumps and the tile animation rest; clicks and keys still
  // arrive.
  void SetDrawingMode(bool on);
  bool DrawingMode() const { return drawingMode_; }
  // The buffer to draw into (only while the drawing mode is on).
  QImage& DrawingBuffer() { return buffer_; }
  // Shows one rectangle of the buffer on the screen (window coordinates).
  void UpdateRect(const QRect& r);

  // --- properties
  bool AutoJump = true;  // timed jumps are followed only when true
  bool HTMLChild() const { return outer_ != nullptr; }
  int32_t ColorBGR() const { return model_.Settings.ColorBGR; }
  void SetColorBGR(int32_t colour);
  int32_t ColorTXT() const { return model_.Settings.ColorTXT; }
  void SetColorTXT(int32_t colour) { model_.Settings.ColorTXT = colour; }
  QMenu* PopUpMenu = nullptr;  // shown on a right click beside words and right-button links

  // --- what the owner keeps here
  std::string Sonderzeichen;
  int Aufgaben() const { return loader_.Aufgaben(); }
  const TLomoAnimation& Animation() const { return lomo_; }
  const QImage& Buffer() const { return buffer_; }
  const TPageModel& Model() const { return model_; }
  const TPageLayout& Layout() const { return layout_; }
  TPageLoader& Loader() { return loader_; }
  const TWordList& WordList() const { return words_; }
  int ScrollPos() const { return layout_.ScrollPos; }
  void SetScrollPos(int pos);
  // The shown note label and hint (nullptr before the first one).
  const QLabel* NoteLabel() const { return tips_.NoteLabel(); }
  const QLabel* HintWindow() const { return tips_.HintWindow(); }
  bool HintScheduled() const { return tips_.HintScheduled(); }
  // The target a hovered link reported last (OnAnkerChange).
  const std::string& LastAnker() const { return lastTarget_; }
  // Areas of the link areas shown in their mouse-over look.
  int32_t HoverFirst() const { return model_.LinkNames.HoverFirst; }
  int32_t HoverLast() const { return model_.LinkNames.HoverLast; }

  // --- events
  std::function<void(TXPage*, const std::string& command)> OnCommand;
  std::function<void(TXPage*, std::string& code)> OnSpecialCode;
  std::function<void(TXPage*, const std::string& code, QImage& picture)> OnPictureRequest;
  std::function<void(TXPage*, const QRect& rechteck, const std::string& text)> OnRightClick;
  std::function<void(TXPage*, std::string& code)> OnMoveCommand;
  std::function<void(TXPage*, const std::string& anker)> OnAnkerChange;
  std::function<void(TXPage*, const std::string& text)> OnHintChange;
  std::function<void(TXPage*, const std::string& title)> OnTitleChange;
  std::function<void(TXPage*)> OnFileChange;
  std::function<void(TXPage*, const std::string& badLink)> OnBadLink;
  std::function<void(TXPage*, bool& doReact)> OnSolved;
  std::function<void(TXPage*, const std::string& text)> OnDrag;
  std::function<void(TXPage*)> OnClick;
  std::function<void(TXPage*)> OnDblClick;
  std::function<void(TXPage*, int key, Qt::KeyboardModifiers modifiers)> OnKeyDown;
  std::function<void(TXPage*, Qt::MouseButton button, Qt::KeyboardModifiers modifiers, QPoint pos)> OnMouseDown;
  std::function<void(TXPage*)> OnEnter;
  std::function<void(TXPage*)> OnExit;

  // --- exercises (PageExercises.cpp)
  // The page's typing fields in task order (<A GAP> and <EDIT> alike).
  const std::vector<TXRichEdit*>& TypingFields() const { return typingFields_; }
  // The page's input line (<INPUT>); nullptr when the page has none.
  QLineEdit* InputLine() const { return inputLine_; }
  // The page buttons (<BUTTON>), in page order.
  const std::vector<tXColorButton*>& PageButtons() const { return pageButtons_; }
  // Takes a typing field's result: reports its reaction (posted, after the
  // field's key handling), or turns the gap into plain text.
  void GapFinished(TXRichEdit* field, bool right);
  // The completion test: with every exercise done, OnSolved and the reaction.
  void CheckAllSolved();
  // Shows the solutions of the page's exercises (the editor's preview
  // command "solve"); OnSolved follows with DoReact false.
  void SolveAll();
  // --- the drag exercise and sentence building (PageDrag.cpp, PageSentence.cpp;
  // what blocks, places and parts do: TDragExercise, TSentenceExercise)
  using TDragBlock = vyr::TDragBlock;
  using TDragPlaceState = vyr::TDragPlaceState;
  using TSentencePart = vyr::TSentencePart;
  using TSentenceTask = vyr::TSentenceTask;
  // The sentence-building tasks not solved yet.
  const std::vector<TSentenceTask>& SentenceTasks() const { return sentences_.Tasks(); }
  const std::vector<TDragBlock>& DragBlocks() const { return drag_.Blocks(); }
  const std::vector<TDragPlaceState>& DragPlaceStates() const { return drag_.Places(); }
  // Starts dragging the block at a point of the window; false when none is there.
  bool StartDrag(int x, int y);
  // Moves the dragged block to follow the pointer (snapping onto an open place).
  void DragMove(QPoint pointer);
  // Drops it: on its own place it stays, anywhere else it flies back.
  void DragDrop();
  bool Dragging() const { return dragBlock_ >= 0 || dragPart_ >= 0; }
  QPoint DragTopLeft() const { return dragPos_; }
  // The window rectangle the last move repainted and the bytes it copied.
  QRect LastDragUpdate() const { return lastDragUpdate_; }
  int64_t LastDragBytes() const { return lastDragBytes_; }
  // Draws the whole page again into its buffer and onto the window.
  void DrawAgain();

  // The full-window reaction animation, run to its end.
  void ShowReaction(bool positive, int milliseconds);
  // The point size and text of the last reaction animation.
  int ReactionPointSize() const { return reactionPointSize_; }
  const QString& ReactionText() const { return reactionText_; }

  // Hooks of the page objects that answer "§" commands themselves: the sound
  // recorder ("rec", "play") and the multiple-choice question ("mchx…"; a
  // question with REACTION is reported through OnCommand instead, and
  // without the hook the page marks the question answered and shows the
  // reaction itself).
  std::function<void(const std::string& command)> RecorderCommand;
  std::function<void(const std::string& command)> ChoiceAnswer;
  // The recorder's own hooks: shown at the end of every drawing of a page
  // that has a recorder, stopped and hidden whenever a page is read.
  std::function<void()> OnRecorderShow;
  std::function<void()> OnRecorderHide;
  // Paints into the page buffer (page coordinates) and shows the rectangle.
  void PaintOnPage(const QRect& pageRect, const std::function<void(QPainter&)>& paint);

 protected:
  void paintEvent(QPaintEvent* e) override;
  void resizeEvent(QResizeEvent* e) override;
  void wheelEvent(QWheelEvent* e) override;
  void mousePressEvent(QMouseEvent* e) override;
  void mouseReleaseEvent(QMouseEvent* e) override;
  void mouseMoveEvent(QMouseEvent* e) override;
  void mouseDoubleClickEvent(QMouseEvent* e) override;
  void leaveEvent(QEvent* e) override;
  void keyPressEvent(QKeyEvent* e) override;
  void focusInEvent(QFocusEvent* e) override;
  void focusOutEvent(QFocusEvent* e) override;
  bool focusNextPrevChild(bool next) override;
  // The page's own widgets (fields, buttons, input line) under the mouse.
  bool eventFilter(QObject* watched, QEvent* e) override;

 private:
  // PageControl.cpp
  bool Load(const std::function<bool()>& load);
  void pageRead(TPageRead what);
  void resetNavigation();
  void layoutAndDraw();
  void redraw();
  void drawBuffer();
  void placeScrollBar();
  QRect ClientRect() const;
  // PageMouse.cpp
  bool MouseAccepted() const { return mouseEnabled_ && !ReactionRunning; }
  void HandleMove(QPoint pos);
  void SetHover(int32_t first, int32_t last);
  void ClearHover();
  QImage OnLook(int32_t area) const;
  void ReportLink(const TLinkHit& hit, const std::string& target);
  // FollowLink.cpp
  void FollowFrom(std::string target, const QRect& rect, bool fromCommandRest);
  void RunCommand(const std::string& command);
  void ToggleCheckBox(const std::string& name);
  void ShowNote(const std::string& note, const QRect& rect);
  void GoBack();
  void FollowByExtension(const std::string& target);
  // PopupPage.cpp
  void HidePopup();
  // PageExercises.cpp
  void createExercises();
  void clearExercises();
  void placeTypingFields();
  // Moves the page's own widgets (fields, buttons, input line) to the scroll position.
  void scrollWidgets();
  void showTypingFields();
  TXRichEdit* NextOpenField(int after) const;
  void gapReturned(TXRichEdit* field);
  // A finished field at a fixed place leaves its answer where it stood.
  void keepFieldAnswer(const TXRichEdit* field, bool right);
  void drawFieldAnswers();
  // The element becomes a plain word: no typing task, no link.
  void makePlainWord(int32_t element);
  // Processes pending messages; false when this control was deleted or
  // another page was read meanwhile (the caller then stops at once).
  bool processEventsSamePage();
  bool solveTypingFields();
  void createInputLine();
  void inputLineEntered();
  int typingTaskOf(const TXRichEdit* field) const;
  bool allSolved() const;
  // PageDrag.cpp
  void placeDragExercise();
  void drawTray();
  void clearDrag();
  void removeExtraBlocks();
  void moveImage(QPoint pointer);
  void pickUpBlock(size_t index, QPoint grab);
  void flyTo(QPoint topLeft);
  void endDrag();
  void liftTypingFields();
  void restoreTypingFields();
  // Whether a block in the tray or a sentence part lies at the point (page coordinates).
  bool dragItemAt(QPoint at) const;
  bool solveDragPlaces();
  // PageSentence.cpp
  void drawSentences();
  void redrawSentence(const TSentenceTask& task, int pickedUp);
  bool startSentenceDrag(QPoint at);
  void moveSentencePart(QPoint at);
  void dropSentencePart();
  void orderSentence(size_t task);
  bool shuffleIntoOrder(size_t task);
  bool solveSentences();
  void showSentenceSolved(size_t task);
  void drawSolvedWords(QPainter& p, size_t from = 0);

  TPageModel model_;
  TPageLoader loader_;
  std::unique_ptr<TQtFontMetrics> metrics_;
  TPageLayout layout_;
  QImage buffer_;
  TLomoAnimation lomo_;  // the tile animation of the page, drawing on the buffer
  QScrollBar* scrollBar_;

  TPageHistory history_;
  TWordList words_;
  uint64_t pageGeneration_ = 0;  // one more for every page read
  bool mouseEnabled_ = true;
  bool drawingMode_ = false;

  // hover state
  bool mouseInside_ = false;
  QPoint lastMouse_;
  std::string lastTarget_, lastNote_;
  bool reportedOnce_ = false;
  std::map<int32_t, QImage> onLooks_;      // area -> its look under the mouse
  std::vector<TAreaBitmaps> areaBitmaps_;  // the on/off looks drawing prepared, one per link area
  std::string showAction_;
  bool showActionIsLink_ = false;
  // hints and notes
  THintsAndNotes tips_{this};
  std::string lastHint_;  // the note OnHintChange reported last
  // timed jump
  QTimer* jumpTimer_;
  std::string jumpTarget_;
  // the pop-up page and the page it is shown in
  TXPage* popup_ = nullptr;
  std::string popupKey_;
  TXPage* outer_ = nullptr;
  QPoint lastRightClick_;
  // exercises
  std::vector<TXRichEdit*> typingFields_;
  std::vector<tXColorButton*> pageButtons_;
  QLineEdit* inputLine_ = nullptr;
  int widgetScroll_ = 0;  // the scroll position the page's widgets stand at
  std::vector<TGapPicture> gapPictures_;
  struct TFieldAnswer {
    std::string Text;
    QRect Rect;  // where the field stood, page coordinates
    QFont Font;
  };
  std::vector<TFieldAnswer> fieldAnswers_;  // drawn with the page in the gap colour
  bool typingFocusGiven_ = false;           // the latest full drawing focused a typing field
  int finishedField_ = -1;                  // the field finished just now, until the next drawing
  TDragExercise drag_;
  int dragBlock_ = -1;
  QPoint dragPos_{-1, -1};
  QPoint grab_;
  QRect lastDragUpdate_;
  int64_t lastDragBytes_ = 0;
  QImage moving_;  // the image that follows the pointer
  // While an image moves, the typing fields stand in the buffer as they
  // looked (so the image passes over them) and are hidden.
  struct TLiftedField {
    QPointer<TXRichEdit> Field;
    QRect Rect;    // page coordinates
    QImage Under;  // the buffer there before
  };
  std::vector<TLiftedField> liftedFields_;
  QPointer<QWidget> focusBeforeDrag_;
  TSentenceExercise sentences_;
  struct TSolvedWord {
    std::string Text;
    QPoint Pos;  // top-left of the text
    TPageRect Rect;
  };
  std::vector<TSolvedWord> solvedWords_;  // solved sentences, drawn again with the page
  int dragTask_ = -1, dragPart_ = -1;     // the sentence part picked up
  bool partSnapped_ = false;
  TMultipleChoiceExercise choice_;  // the page's multiple-choice question
  QImage reactionFrame_;            // shown over the page while the reaction runs
  int reactionPointSize_ = 0;
  QString reactionText_;
};

}  // namespace vyr
