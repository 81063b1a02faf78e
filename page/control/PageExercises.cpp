// The exercises of the page control: typing fields over gaps and at fixed
// places, their results, the completion test and the reaction animation.
#include <algorithm>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPainter>
#include <QPointer>
#include <QTextDocument>
#include <QTextOption>
#include <QThread>

#include "page/control/PageControl.h"
#include "page/exercises/ExerciseRules.h"
#include "page/exercises/TypingField.h"
#include "page/layout/FontMetrics.h"
#include "page/widgets/ColorButton.h"
#include "platform/core/Random.h"
#include "text/Case.h"
#include "text/Cp1252.h"

namespace vyr {

namespace {

// The field's font: the format's font in black, with the field's point-size rule.
QFont FieldFont(TQtFontMetrics& metrics, const tHTML_format& format) {
  QFont font = metrics.QtFont(metrics.Font(TFontKey::Of(format)));
  const int pt = GapFieldPointSize(format.FontSize);
  if (pt > 0) font.setPointSize(pt);
  return font;
}

void SetFieldBackground(TXRichEdit* field, const QColor& colour) {
  QPalette pal = field->palette();
  pal.setColor(QPalette::Base, colour);
  pal.setColor(QPalette::Text, Qt::black);
  field->setPalette(pal);
}

// The page's input line: every change goes into its variable, Enter is
// reported to the page, F1 cycles the accent before the caret.
class TInputLineEdit : public QLineEdit {
 public:
  TInputLineEdit(QWidget* parent, const TInputLine& def) : QLineEdit(parent), upper_(def.Upper), lower_(def.Lower) {
    connect(this, &QLineEdit::textChanged, this, [this](const QString&) { Normalise(); });
  }
  std::function<void()> onEnter;
  std::function<void(const std::string&)> onText;

 protected:
  void keyPressEvent(QKeyEvent* e) override {
    if (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) {
      e->accept();
      if (onText) onText(FromUnicode(text()));
      if (onEnter) onEnter();
      return;
    }
    if (e->key() == Qt::Key_F1) {
      e->accept();
      const int caret = hasSelectedText() ? selectionEnd() : cursorPosition();
      std::string t = FromUnicode(text());
      if (caret < 1 || caret > static_cast<int>(t.size())) return;
      char& c = t[static_cast<size_t>(caret - 1)];
      c = NextAccent(c, kInputLineAccentGroups);
      setText(ToUnicode(t));
      setCursorPosition(caret);
      return;
    }
    QLineEdit::keyPressEvent(e);
  }

 private:
  // Typed and pasted text stays within Windows-1252 and one line, in the
  // character case the line asks for.
  void Normalise() {
    std::string t = FilterPastedText(text());
    if (upper_) t = UpperCase(t);
    else if (lower_) t = LowerCase(t);
    const QString shown = ToUnicode(t);
    if (shown != text()) {
      const int caret = std::min<int>(cursorPosition(), static_cast<int>(shown.size()));
      const QSignalBlocker block(this);
      setText(shown);
      setCursorPosition(caret);
    }
    if (onText) onText(t);
  }
  bool upper_, lower_;
};

// Lies over the whole page, its fields, buttons, input line and notes
// included, while the reaction plays, and shows its frames.
class TReactionCover : public QWidget {
 public:
  TReactionCover(QWidget* page, const QImage& frame) : QWidget(page), frame_(frame) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setGeometry(page->rect());
    raise();
    show();
  }

 protected:
  void paintEvent(QPaintEvent*) override { QPainter(this).drawImage(0, 0, frame_); }

 private:
  const QImage& frame_;
};

}  // namespace

void TXPage::createInputLine() {
  const TInputLine& def = model_.InputLine;
  if (!def.Present) return;
  auto* line = new TInputLineEdit(this, def);
  line->hide();
  const QFont font = metrics_->QtFont(metrics_->Font(TFontKey::Of(def.Font)));
  line->setFont(font);
  const int h = QFontMetrics(font).boundingRect(u"AgjPq"_qs).height() + (def.NoBorder ? 0 : 6);
  line->setGeometry(def.Left, def.Top, def.Width > 0 ? def.Width : 121, std::max(h, 1));
  line->setFrame(!def.NoBorder);
  if (def.Password) line->setEchoMode(QLineEdit::Password);
  if (def.MaxLength > 0) line->setMaxLength(def.MaxLength);
  if (def.Color != -1) {
    QPalette pal = line->palette();
    pal.setColor(QPalette::Base, PageColor(model_, def.Color));
    line->setPalette(pal);
  }
  const std::string name = def.Name;
  line->setText(ToUnicode(model_.Variables.Get(name)));
  line->onText = [this, name](const std::string& t) {
    if (!name.empty()) model_.Variables.Set(name, t);
  };
  line->onEnter = [this] { inputLineEntered(); };
  line->installEventFilter(this);
  inputLine_ = line;
}

// Enter in the input line: the owner hears the variable's name once the key has been handled.
void TXPage::inputLineEntered() {
  const uint64_t generation = pageGeneration_;
  const std::string name = model_.InputLine.Name;
  QMetaObject::invokeMethod(
      this,
      [this, name, generation] {
        if (generation == pageGeneration_) RunCommand(name);
      },
      Qt::QueuedConnection);
}

void TXPage::clearExercises() {
  for (TXRichEdit* f : typingFields_) {
    f->OnRichtig = nullptr;
    f->OnFalsch = nullptr;
    f->OnBeinahe = nullptr;
    f->OnReturn = nullptr;
    f->hide();
    // Its own key handling may still be running (a reaction loading a page).
    f->deleteLater();
  }
  typingFields_.clear();
  clearDrag();
  for (tXColorButton* b : pageButtons_) {
    b->disconnect(this);
    b->hide();
    b->deleteLater();  // it may be the button whose click loaded this page
  }
  pageButtons_.clear();
  if (inputLine_) {
    inputLine_->hide();
    inputLine_->deleteLater();
    inputLine_ = nullptr;
  }
  gapPictures_.clear();
  fieldAnswers_.clear();
  typingFocusGiven_ = false;
}

// Reading a page frees the old page's fields and makes the new page's ones, hidden.
void TXPage::createExercises() {
  clearExercises();
  widgetScroll_ = 0;  // new widgets stand at page coordinates
  const tTippAufgabenListe& tasks = model_.TippAufgaben;
  typingFields_.reserve(tasks.size());
  for (const TTippAufgabe& t : tasks) {
    auto* f = new TXRichEdit(this);
    f->hide();
    f->SetLsg(t.Lsg);
    f->SetHilfe(t.Hilfe);
    f->SetHint(t.Tip);
    f->Reaction = t.Reaction;
    f->SetBorder(!t.NoBorder);
    f->OnRichtig = [this](TXRichEdit* x) { GapFinished(x, true); };
    f->OnFalsch = [this](TXRichEdit* x) { GapFinished(x, false); };
    if (t.IsEdit) {
      const QFont font = FieldFont(*metrics_, t.Font);
      f->setFont(font);
      f->document()->setDefaultTextOption(QTextOption(Qt::AlignHCenter));
      const int w = t.Width > 0 ? t.Width : 121, h = t.Height > 0 ? t.Height : 21;
      f->setGeometry(t.Left, t.Top, w, h);
      const int th = QFontMetrics(font).height();
      if (th < h && h < 2 * th + 1) f->SetMargin((h - th) / 2);
      if (t.Color != -1) SetFieldBackground(f, PageColor(model_, t.Color));
      if (!t.Init.empty()) f->SetText(t.Init);
    } else {
      f->OnReturn = [this](TXRichEdit* x) { gapReturned(x); };
    }
    f->installEventFilter(this);  // its hint, and the page's hover goes out
    typingFields_.push_back(f);
  }

  createInputLine();
  sentences_.Create(model_);
  for (const TPageButton& pb : model_.Buttons) {
    auto* b = new tXColorButton(this);
    b->hide();
    b->SetCaption(pb.Caption);
    b->SetBefehl(pb.Befehl);
    if (pb.Color != -1) b->SetColor(pb.Color);
    if (pb.FlashColor != -1) b->SetFlashColor(pb.FlashColor);
    b->SetMouseOver(pb.MouseOver3D);
    b->SetMouseOver3D(pb.MouseOver3D);
    b->setGeometry(pb.Left, pb.Top, std::max(pb.Width, 1), std::max(pb.Height, 1));
    const std::string target = pb.Befehl;
    // The button belongs to the page: its target is followed once its click has returned.
    connect(b, &tXColorButton::OnClick, this, [this, b, target] { PostLink(target, b->geometry()); });
    b->installEventFilter(this);
    pageButtons_.push_back(b);
  }
}

void TXPage::scrollWidgets() {
  const int delta = widgetScroll_ - layout_.ScrollPos;
  if (delta == 0) return;
  auto shift = [delta](QWidget* w) { w->move(w->pos() + QPoint(0, delta)); };
  for (TXRichEdit* f : typingFields_) shift(f);
  for (tXColorButton* b : pageButtons_) shift(b);
  if (inputLine_) shift(inputLine_);
  widgetScroll_ = layout_.ScrollPos;
}

// After every layout: a gap's field over its word.
void TXPage::placeTypingFields() {
  for (const TGapField& g : layout_.GapFields) {
    if (g.Task < 0 || static_cast<size_t>(g.Task) >= typingFields_.size()) continue;
    if (g.Element < 0 || static_cast<size_t>(g.Element) >= model_.Elements.size()) continue;
    TXRichEdit* f = typingFields_[static_cast<size_t>(g.Task)];
    if (model_.TippAufgaben[static_cast<size_t>(g.Task)].IsEdit) continue;
    f->setGeometry(g.Left, g.Top - widgetScroll_, std::max(g.Width, 1), std::max(g.Height, 1));
    f->Element = g.Element;
    SetFieldBackground(f, QColor(255, 255, 255));
    f->setFont(FieldFont(*metrics_, model_.Elements[static_cast<size_t>(g.Element)].Format));
    f->SetMargin(0);
  }
}

// After every full drawing: the open fields are shown, and the keys go
//  - after a field was finished, to the next open field in page order
//    (from the start again past the last one);
//  - otherwise to the open field or the input line that has them (the
//    learner chose it), or to the first open field;
//  - to the input line when no field is open, else to the page itself when
//    it has access keys.
void TXPage::showTypingFields() {
  for (tXColorButton* b : pageButtons_) b->show();
  typingFocusGiven_ = false;
  for (size_t i = 0; i < typingFields_.size(); ++i) {
    TXRichEdit* f = typingFields_[i];
    // A gap's field shows once layout has put it over its word.
    if (f->Finished || (f->Element < 0 && !model_.TippAufgaben[i].IsEdit)) continue;
    f->show();
    f->update();
  }
  if (inputLine_) inputLine_->show();
  const int finished = finishedField_;
  finishedField_ = -1;
  if (!window()->isVisible()) return;
  QWidget* keys = nullptr;
  QWidget* holder = window()->focusWidget();
  const auto open = [](const TXRichEdit* f) { return !f->Finished && !f->isHidden(); };
  const auto held = std::find(typingFields_.begin(), typingFields_.end(), holder);
  if (finished < 0 && held != typingFields_.end() && open(*held)) keys = holder;
  else if (finished < 0 && holder && holder == inputLine_) keys = holder;
  else keys = NextOpenField(finished);
  if (!keys) keys = inputLine_;
  // Without a field to type in, a page with access keys takes the keys itself.
  if (!keys && !model_.Keys.empty() && isVisible()) keys = this;
  if (!keys) return;
  keys->setFocus();
  typingFocusGiven_ = keys != inputLine_ && keys != this;
}

// The first open field after the one at `after` (-1: from the start),
// going round to the start; nullptr when none is open.
TXRichEdit* TXPage::NextOpenField(int after) const {
  const size_t n = typingFields_.size();
  for (size_t k = 1; k <= n; ++k) {
    TXRichEdit* f = typingFields_[(static_cast<size_t>(after + 1) + k - 1) % n];
    if (!f->Finished && !f->isHidden() && f->isEnabled()) return f;
  }
  return nullptr;
}

int TXPage::typingTaskOf(const TXRichEdit* field) const {
  for (size_t i = 0; i < typingFields_.size(); ++i)
    if (typingFields_[i] == field) return static_cast<int>(i);
  return -1;
}

// A gap without a reaction that was answered shows its solution at once.
void TXPage::gapReturned(TXRichEdit* field) {
  if (!field->Reaction.empty() || !field->isHidden() || buffer_.isNull()) return;
  const int task = typingTaskOf(field);
  for (const TGapPicture& g : gapPictures_) {
    if (g.Task != task || g.Picture.isNull()) continue;
    // Where it was taken: a field with a border stands 2 pixels above its word.
    QPainter p(&buffer_);
    p.drawImage(g.Rect.topLeft(), g.Picture);
    p.end();
    update(g.Rect.translated(0, -layout_.ScrollPos));
    break;
  }
}

void TXPage::GapFinished(TXRichEdit* field, bool right) {
  const int task = typingTaskOf(field);
  if (task < 0) return;  // not a field of this page
  const uint64_t generation = pageGeneration_;
  const std::string reaction = field->Reaction;
  if (!reaction.empty()) {
    if (ReactionIsPage(reaction)) {
      PostLink(reaction, ClientRect());
      return;
    }
    // Reported from the event loop, once the field's key handling has returned.
    const std::string command = ReactionCommand(reaction, right, field->Attempts());
    QMetaObject::invokeMethod(
        this,
        [this, command, generation] {
          if (generation != pageGeneration_) return;
          RunCommand(command);
          if (generation == pageGeneration_ && !typingFocusGiven_ && isVisible()) setFocus();
        },
        Qt::QueuedConnection);
    return;
  }
  field->Finished = true;
  field->hide();
  finishedField_ = task;  // the next open field takes the keys
  if (field->Element < 0) keepFieldAnswer(field, right);
  if (right) {
    QPointer<TXPage> self(this);
    CheckAllSolved();
    if (!self || generation != pageGeneration_) return;
  }
  makePlainWord(field->Element);  // drawn in the gap colour from now on
  layoutAndDraw();
}

// A gap's word stays in the text once the gap is done; a field at a fixed
// place keeps what it holds in the same way: the answer, or the solution
// when the learner gave up.
void TXPage::keepFieldAnswer(const TXRichEdit* field, bool right) {
  std::string text = right ? field->Text() : std::string();
  if (!right && !field->Lsg().empty()) text = field->Lsg().front();
  if (text.empty()) return;
  fieldAnswers_.push_back({text, field->geometry().translated(0, widgetScroll_), field->font()});
}

// Part of every full drawing: the answers of finished fields, for look-up too.
void TXPage::drawFieldAnswers() {
  if (fieldAnswers_.empty() || buffer_.isNull()) return;
  QPainter p(&buffer_);
  p.setPen(PageColor(model_, model_.Settings.GapColor));
  for (const TFieldAnswer& a : fieldAnswers_) {
    p.setFont(a.Font);
    const QString text = ToUnicode(a.Text);
    const QRect drawn = p.boundingRect(a.Rect, Qt::AlignCenter, text);
    p.drawText(a.Rect, Qt::AlignCenter, text);
    words_.Add(a.Text, TPageRect{drawn.left(), drawn.top(), drawn.right(), drawn.bottom()}, false);
  }
}

void TXPage::makePlainWord(int32_t element) {
  if (element < 0 || static_cast<size_t>(element) >= model_.Elements.size()) return;
  tHTML_format& f = model_.Elements[static_cast<size_t>(element)].Format;
  f.TaskIndex = -1;
  f.LinkIndex = -1;
}

bool TXPage::processEventsSamePage() {
  QPointer<TXPage> self(this);
  const uint64_t generation = pageGeneration_;
  QCoreApplication::processEvents();
  return self && generation == pageGeneration_;
}

bool TXPage::allSolved() const {
  for (const TXRichEdit* f : typingFields_)
    if (!f->isHidden()) return false;
  return drag_.AllPlaced() && sentences_.Tasks().empty();
}

void TXPage::SolveAll() {
  if (allSolved()) return;
  QPointer<TXPage> self(this);
  ReactionRunning = true;  // no mouse input meanwhile
  const bool samePage = solveTypingFields() && solveDragPlaces() && solveSentences();
  if (!self) return;
  if (samePage) removeExtraBlocks();
  ReactionRunning = false;
  if (!samePage) return;
  bool doReact = false;
  if (OnSolved) OnSolved(this, doReact);
}

// The solutions stand in the text as plain words.
bool TXPage::solveTypingFields() {
  if (std::none_of(typingFields_.begin(), typingFields_.end(), [](const TXRichEdit* f) { return !f->isHidden(); }))
    return true;
  for (TXRichEdit* f : typingFields_) {
    makePlainWord(f->Element);
    f->hide();
    f->Finished = true;
  }
  layoutAndDraw();
  return processEventsSamePage();
}

void TXPage::CheckAllSolved() {
  if (!processEventsSamePage() || !allSolved()) return;
  removeExtraBlocks();
  if (!processEventsSamePage()) return;
  QPointer<TXPage> self(this);
  const uint64_t generation = pageGeneration_;
  bool doReact = true;
  if (OnSolved) OnSolved(this, doReact);
  if (!self || generation != pageGeneration_) return;
  if (doReact) ShowReaction(true, 2000);
}

void TXPage::ShowReaction(bool positive, int milliseconds) {
  QPointer<TXPage> self(this);
  const char* name = positive ? "kPositiv" : "kNegativ";
  const std::string text =
      model_.Variables.Has(name) ? model_.Variables.Get(name) : std::string(positive ? "Unglaublich!" : "Oh nein!");
  const int w = std::max(width(), 1), h = std::max(height(), 1);
  QFont font(ResolveFaceName("Times New Roman"));
  font.setItalic(true);
  const QString wide = ToUnicode(text);
  const TReactionSize size = ReactionSize(
      [&](int pt) {
        font.setPointSize(pt);
        return QFontMetrics(font).horizontalAdvance(wide);
      },
      w - 40);
  font.setPointSize(size.PointSize);
  const QFontMetrics fm(font);
  // At the smallest size a text still too wide ends with "…" inside the window.
  reactionText_ = size.TooWide ? fm.elidedText(wide, Qt::ElideRight, std::max(w - 40, 1)) : wide;
  reactionPointSize_ = size.PointSize;
  QPointF pos((w - fm.horizontalAdvance(reactionText_)) / 2, (h - fm.height()) / 2);

  ReactionRunning = true;
  tips_.CloseHint();
  reactionFrame_ = QImage(w, h, QImage::Format_RGB32);
  reactionFrame_.fill(Qt::black);
  const QPointer<QWidget> cover = new TReactionCover(this, reactionFrame_);
  QImage frame(w, h, QImage::Format_RGB32);
  QElapsedTimer clock;
  clock.start();
  qint64 last = 0;
  do {
    frame.fill(Qt::black);
    QPainter p(&frame);
    p.setPen(Qt::NoPen);
    for (int n = 4 + RandomInt(4); n > 0; --n) {
      const int x = RandomInt(w - 10), y = RandomInt(h - 10);
      p.setBrush(RandomInt(2) ? QColor(0xC0, 0xC0, 0xC0) : QColor(0x80, 0x80, 0x80));
      if (RandomInt(2)) p.drawRect(x, y, 1 + RandomInt(6), 1 + RandomInt(8));
      else p.drawEllipse(x, y, 1 + RandomInt(10), 1 + RandomInt(10));
    }
    p.setFont(font);
    p.setPen(Qt::white);
    p.drawText(QRectF(pos, QSizeF(w * 2, fm.height())), Qt::AlignLeft | Qt::AlignTop, reactionText_);
    p.end();
    pos += QPointF(2 - RandomInt(5), 2 - RandomInt(5));
    while (clock.elapsed() - last < 20) {
      QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
      if (!self) return;
      QThread::msleep(1);
    }
    last = clock.elapsed();
    reactionFrame_ = frame;
    if (cover) cover->repaint();
    QCoreApplication::processEvents();
    if (!self) return;
  } while (clock.elapsed() < milliseconds);
  delete cover;
  reactionFrame_ = QImage();
  ReactionRunning = false;
  update();
}

}  // namespace vyr
