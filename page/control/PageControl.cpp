// The page control as a widget: loading and the step after every load,
// layout and drawing into the buffer, painting, scrolling, conditions and
// variables. Mouse and keys: PageMouse.cpp; following targets: FollowLink.cpp;
// the pop-up page: PopupPage.cpp.
#include "page/control/PageControl.h"

#include <QCoreApplication>
#include <QLabel>
#include <QPaintEvent>
#include <QPainter>
#include <QPointer>
#include <QScrollBar>
#include <QTimer>
#include <QWheelEvent>

#include "page/control/PageSound.h"
#include "page/layout/FontMetrics.h"
#include "page/layout/LinkCheck.h"

namespace vyr {

TXPage::TXPage(QWidget* parent)
    : QWidget(parent),
      loader_(model_),
      metrics_(std::make_unique<TQtFontMetrics>()),
      scrollBar_(new QScrollBar(Qt::Vertical, this)),
      jumpTimer_(new QTimer(this)),
      choice_({[this](const std::string& command) { RunCommand(command); }, [this] { return loader_.TaskShown(); },
               [this] {
                 QPointer<TXPage> self(this);
                 Load([this] { return loader_.RebuildTask(); });
                 return !self.isNull();
               },
               [this](bool positive) { ShowReaction(positive, 1500); }}) {
  setAttribute(Qt::WA_OpaquePaintEvent);
  // A click on the page leaves the keys where they are (in a field the learner
  // is typing in); the page takes them through Tab and when it asks for them.
  setFocusPolicy(Qt::TabFocus);
  setMouseTracking(true);
  scrollBar_->hide();
  // A tile the animation changed in the buffer is shown where it is on screen.
  connect(&lomo_, &TLomoAnimation::TileChanged, this, [this](const QRect& tile) {
    if (!drawingMode_) update(tile.translated(0, -layout_.ScrollPos));
  });
  connect(scrollBar_, &QScrollBar::valueChanged, this, [this](int v) {
    if (v == layout_.ScrollPos) return;
    layout_.ScrollPos = v;
    scrollWidgets();  // the page's buttons and fields scroll with it
    update();
  });
  tips_.MouseAccepted = [this] { return MouseAccepted() && !drawingMode_; };
  jumpTimer_->setSingleShot(true);
  connect(jumpTimer_, &QTimer::timeout, this, [this] {
    jumpTimer_->stop();
    const std::string target = jumpTarget_;
    if (AutoJump && !drawingMode_) FollowLink(target, ClientRect());
  });
  model_.onSpecialCode = [this](const std::string& code) {
    std::string c = code;
    if (OnSpecialCode) OnSpecialCode(this, c);
    return c;
  };
  model_.onPictureRequest = [this](const std::string& code, QImage& picture) {
    if (OnPictureRequest) OnPictureRequest(this, code, picture);
  };
  loader_.onPageRead = [this](TPageRead what) { pageRead(what); };
  loader_.onHistory = [this](const std::string& path) { history_.Add(path); };
  resize(800, 572);
}

TXPage::~TXPage() {
  clearExercises();
  ClosePageSound();
}

bool TXPage::Load(const std::function<bool()>& load) {
  // Off until the step after the load turns it on again; a load that read
  // nothing turns it on here.
  mouseEnabled_ = false;
  // Coordinates in the markup count from this control's size (a pop-up page
  // is read at its own size before its first layout).
  model_.ClientWidth = width();
  model_.ClientHeight = height();
  const bool ok = load();
  if (!ok) mouseEnabled_ = true;
  return ok;
}

bool TXPage::SetXFile(const std::string& name) {
  return Load([&] { return loader_.SetXFile(name); });
}

void TXPage::ShowText(const std::string& markup) {
  Load([&] {
    loader_.ReadMarkup(markup);
    return true;
  });
}

void TXPage::AddHistory(const std::string& path) { history_.Add(path.empty() ? loader_.CurrentPage() : path); }

void TXPage::SetCondition(const std::string& name, bool on) { model_.Bedingung.Set(name, on); }
bool TXPage::HasCondition(const std::string& name) const { return model_.Bedingung.Has(name); }
std::string TXPage::GetVariable(const std::string& name) const { return model_.Variables.Get(name); }
void TXPage::SetVariable(const std::string& name, const std::string& value) { model_.Variables.Set(name, value); }

void TXPage::SetColorBGR(int32_t colour) {
  model_.Settings.ColorBGR = colour;
  if (!buffer_.isNull()) buffer_.fill(PageColor(model_, colour));
  onLooks_.clear();
  areaBitmaps_.clear();
  update();
}

QRect TXPage::ClientRect() const { return QRect(0, layout_.ScrollPos, width(), height()); }

// What belongs to the page and goes with it.
void TXPage::resetNavigation() {
  ++pageGeneration_;
  onLooks_.clear();
  lastTarget_.clear();
  lastNote_.clear();
  lastHint_.clear();
  tips_.ForgetHint();
  tips_.CloseNote();
  jumpTimer_->stop();
  jumpTarget_.clear();
  HidePopup();
  ClosePageSound();  // a page's sound ends with the page
}

// The step after every page read.
void TXPage::pageRead(TPageRead) {
  if (OnRecorderHide) OnRecorderHide();
  resetNavigation();
  createExercises();
  if (OnFileChange) OnFileChange(this);
  layout_.ScrollPos = 0;
  layoutAndDraw();
  const uint64_t generation = pageGeneration_;
  const TPageSettings& s = model_.Settings;
  if (s.WaitInterval > 0 && !s.WaitTarget.empty()) {
    jumpTarget_ = s.WaitTarget;
    jumpTimer_->start(s.WaitInterval);
  }
  unsetCursor();
  if (OnBadLink) OnBadLink(this, FirstBadLink(model_));
  // The show action: a sound is followed as a link, anything else goes to the owner.
  if (generation == pageGeneration_ && !showAction_.empty()) {
    const std::string action = showAction_;
    if (showActionIsLink_) FollowLink(action, ClientRect());
    else if (OnCommand) {
      try {
        OnCommand(this, action);
      } catch (...) {}
    }
  }
  if (generation == pageGeneration_ && mouseInside_ && rect().contains(lastMouse_)) HandleMove(lastMouse_);
  // Mouse input that arrived during the load is dropped: it is still off here.
  QCoreApplication::processEvents();
  mouseEnabled_ = true;
}

void TXPage::layoutAndDraw() {
  model_.ClientWidth = width();
  model_.ClientHeight = height();
  LayoutPage(model_, *metrics_, layout_);
  placeTypingFields();
  scrollWidgets();
  placeDragExercise();
  if (OnTitleChange) OnTitleChange(this, model_.Settings.Title);
  buffer_ = MakePageBuffer(model_, layout_);
  drawBuffer();
  onLooks_.clear();
  placeScrollBar();
  update();
  showTypingFields();
}

// Draws the page into the buffer and keeps what drawing prepared: the looks
// of flashing areas, the word list and the show action.
void TXPage::drawBuffer() {
  TPageDrawResult result;
  lomo_.Stop();
  DrawPage(model_, layout_, *metrics_, buffer_, &result, &lomo_);
  areaBitmaps_ = std::move(result.AreaBitmaps);
  words_.Clear();
  for (const TDrawnWord& w : result.Words) words_.Add(w.Text, w.Rect, !w.NewEntry);
  showAction_ = std::move(result.ShowAction);
  showActionIsLink_ = result.ShowActionIsLink;
  gapPictures_ = std::move(result.GapPictures);
  drawFieldAnswers();
  drawTray();
  drawSentences();
  if (model_.Recorder.Present && OnRecorderShow) OnRecorderShow();
}

void TXPage::PaintOnPage(const QRect& pageRect, const std::function<void(QPainter&)>& paint) {
  if (buffer_.isNull()) return;
  {
    QPainter p(&buffer_);
    p.setClipRect(pageRect);
    paint(p);
  }
  update(pageRect.translated(0, -layout_.ScrollPos));
}

void TXPage::redraw() {
  if (buffer_.isNull()) return;
  drawBuffer();
  ClearHover();
  if (mouseInside_) HandleMove(lastMouse_);
  update();
  showTypingFields();
}

void TXPage::placeScrollBar() {
  const TScrollBar& bar = layout_.ScrollBar;
  scrollBar_->setVisible(bar.Visible);
  if (!bar.Visible) return;
  scrollBar_->setGeometry(width() - kScrollBarWidth, 0, kScrollBarWidth, height());
  scrollBar_->setRange(0, bar.Max);
  scrollBar_->setSingleStep(bar.SmallStep);
  scrollBar_->setPageStep(bar.PageStep);
  scrollBar_->setValue(layout_.ScrollPos);
}

void TXPage::SetScrollPos(int pos) {
  SetScrollPosition(layout_, height(), pos);
  scrollWidgets();
  placeScrollBar();
  update();
}

void TXPage::paintEvent(QPaintEvent* e) {
  QPainter p(this);
  if (drawingMode_) {
    // The buffer as the style drew it, nothing laid over it.
    if (buffer_.isNull()) p.fillRect(e->rect(), Qt::black);
    else p.drawImage(e->rect(), buffer_, e->rect());
    return;
  }
  // Up to the bar: a column left unpainted beside it would show as a dark line.
  const int visibleWidth = width() - (scrollBar_->isVisible() ? kScrollBarWidth : 0);
  const QRect visible(0, 0, visibleWidth, height());
  const QRect target = e->rect().intersected(visible);
  if (buffer_.isNull()) {
    p.fillRect(target, Qt::white);
    return;
  }
  // The visible part of the page buffer, copied from the scroll position.
  p.drawImage(target, buffer_, target.translated(0, layout_.ScrollPos));
  // The hovered link in its look under the mouse.
  p.setClipRect(visible);
  const auto& areas = model_.LinkNames.Areas;
  for (const auto& [index, look] : onLooks_) {
    if (index < 0 || static_cast<size_t>(index) >= areas.size() || look.isNull()) continue;
    const TPageRect& r = areas[static_cast<size_t>(index)].Rect;
    p.drawImage(QPoint(r.Left, r.Top - layout_.ScrollPos), look);
  }
  // The dragged block over the page (the buffer never holds it).
  if (Dragging() && !moving_.isNull()) p.drawImage(dragPos_ - QPoint(0, layout_.ScrollPos), moving_);
}

void TXPage::resizeEvent(QResizeEvent*) {
  if (!model_.Elements.empty() || !buffer_.isNull()) layoutAndDraw();
}

void TXPage::wheelEvent(QWheelEvent* e) {
  if (!scrollBar_->isVisible()) return;
  scrollBar_->setValue(scrollBar_->value() - e->angleDelta().y() / 120 * 3 * scrollBar_->singleStep() * 4);
  e->accept();
}

}  // namespace vyr
