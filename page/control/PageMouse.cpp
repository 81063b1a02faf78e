// The page control under the mouse and the keys: hit testing, the cursor,
// the mouse-over look of links, hints, hover sounds, the word look-up on a
// right click, access keys and the Enter-key link.
#include <QApplication>
#include <QEnterEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QTimer>

#include "page/control/PageControl.h"
#include "page/control/PageSound.h"
#include "page/draw/PageDraw.h"
#include "page/exercises/TypingField.h"
#include "page/layout/FontMetrics.h"
#include "page/sources/ContainerCall.h"
#include "text/Cp1252.h"

namespace vyr {
namespace {

constexpr int kOffLine = 48;  // how far a box button's pixel may lie from its two colours

QRect ToQRectWithEdges(const TPageRect& r) { return QRect(QPoint(r.Left, r.Top), QPoint(r.Right, r.Bottom)); }

bool IsRealLink(const std::string& target) { return !target.empty() && target != "%"; }

QRgb Mix(QRgb from, QRgb to, int t /* 0..256 */) {
  auto ch = [t](int a, int b) { return a + (b - a) * t / 256; };
  return qRgb(ch(qRed(from), qRed(to)), ch(qGreen(from), qGreen(to)), ch(qBlue(from), qBlue(to)));
}

// The keys every reader expects move a page taller than the window as its
// scroll bar does (the fields on the page keep these keys for themselves).
QAbstractSlider::SliderAction ScrollAction(int key) {
  switch (key) {
    case Qt::Key_Up: return QAbstractSlider::SliderSingleStepSub;
    case Qt::Key_Down: return QAbstractSlider::SliderSingleStepAdd;
    case Qt::Key_PageUp: return QAbstractSlider::SliderPageStepSub;
    case Qt::Key_PageDown: return QAbstractSlider::SliderPageStepAdd;
    case Qt::Key_Home: return QAbstractSlider::SliderToMinimum;
    case Qt::Key_End: return QAbstractSlider::SliderToMaximum;
    default: return QAbstractSlider::SliderNoAction;
  }
}

}  // namespace

// --- mouse buttons

void TXPage::mousePressEvent(QMouseEvent* e) {
  if (!MouseAccepted()) return;  // dropped, not kept for later
  const QPoint pos = e->position().toPoint();
  if (OnMouseDown) OnMouseDown(this, e->button(), e->modifiers(), pos);
  if (drawingMode_) return;  // what is drawn hides the page's links and words
  const int px = pos.x(), py = pos.y() + layout_.ScrollPos;
  if (e->button() == Qt::RightButton) {
    lastRightClick_ = pos;
    if (const std::string* word = words_.Find(px, py); word && OnRightClick) {
      const std::string text = *word;
      OnRightClick(this, ToQRectWithEdges(words_.LastHit).translated(0, -layout_.ScrollPos), text);
      return;
    }
    const TLinkHit hit = HitTest(model_.LinkNames, px, py);
    const bool rightTarget = hit.hit() && hit.Parts.Target.find(kRightButtonMark) != std::string::npos;
    if (!rightTarget && PopUpMenu) PopUpMenu->popup(mapToGlobal(pos));
    return;
  }
  if (e->button() != Qt::LeftButton) return;
  HidePopup();
  const TLinkHit hit = HitTest(model_.LinkNames, px, py);
  if (hit.hit()) {
    // a HOT area opens its note already on the press
    if (hit.Parts.Target.empty() && !hit.Parts.Note.empty())
      FollowLink("@" + hit.Parts.Note, ToQRectWithEdges(model_.LinkNames.Areas[static_cast<size_t>(hit.Area)].Rect));
    return;
  }
  if (StartDrag(pos.x(), pos.y())) return;
  if (tips_.NoteShown()) tips_.CloseNote();
  else if (outer_) outer_->HidePopup();
}

void TXPage::mouseReleaseEvent(QMouseEvent* e) {
  if (!MouseAccepted()) return;
  if (Dragging() && e->button() == Qt::LeftButton) {
    DragMove(e->position().toPoint());
    DragDrop();
    return;
  }
  const QPoint pos = e->position().toPoint();
  const bool right = e->button() == Qt::RightButton;
  if (!right && e->button() != Qt::LeftButton) return;
  // What the click follows is copied first: following may read another page.
  const uint64_t generation = pageGeneration_;
  const std::string clickLink = model_.Settings.ClickLink;
  const TLinkHit hit = drawingMode_ ? TLinkHit{} : HitTest(model_.LinkNames, pos.x(), pos.y() + layout_.ScrollPos);
  if (hit.hit()) {
    const QRect area = ToQRectWithEdges(model_.LinkNames.Areas[static_cast<size_t>(hit.Area)].Rect);
    std::string target = ResolveAliasTarget(model_, hit.Parts.Target);
    // a note link ("%@text") opens its note
    if (target == "%" && !hit.Parts.Note.empty()) target = right ? std::string() : "@" + hit.Parts.Note;
    else target = ButtonTarget(target, right);
    if (!target.empty()) FollowLink(target, area);
  }
  if (generation != pageGeneration_) return;  // the click's page is gone, and its click link with it
  if (OnClick) OnClick(this);
  if (generation == pageGeneration_ && !clickLink.empty()) FollowLink(clickLink, ClientRect());
}

void TXPage::mouseDoubleClickEvent(QMouseEvent* e) {
  if (!MouseAccepted()) return;
  if (OnDblClick) OnDblClick(this);
  mousePressEvent(e);
}

// --- mouse over the page

void TXPage::mouseMoveEvent(QMouseEvent* e) {
  if (!MouseAccepted()) return;
  if (Dragging()) {
    if (e->buttons() & Qt::LeftButton) DragMove(e->position().toPoint());
    return;
  }
  HandleMove(e->position().toPoint());
}

void TXPage::HandleMove(QPoint pos) {
  if (drawingMode_) return;  // no hover looks, sounds or move commands under a style
  lastMouse_ = pos;
  mouseInside_ = true;
  const TLinkHit hit = HitTest(model_.LinkNames, pos.x(), pos.y() + layout_.ScrollPos);
  const std::string resolved = ResolveAliasTarget(model_, hit.Parts.Target);
  if (!resolved.empty() && resolved.front() == kCommandMark && OnMoveCommand) {
    std::string code = resolved;
    OnMoveCommand(this, code);
  }
  // The drag cursor over a block in the tray or a sentence part, the hand over a link.
  if (dragItemAt(QPoint(pos.x(), pos.y() + layout_.ScrollPos))) setCursor(Qt::OpenHandCursor);
  else setCursor(hit.hit() && IsRealLink(resolved) ? Qt::PointingHandCursor : Qt::ArrowCursor);

  const int32_t flashing = hit.hit() && hit.Flashing ? hit.Area : -1;
  const tNamed_rectangle_list& links = model_.LinkNames;
  const bool sameRun = flashing >= 0 && flashing >= links.HoverFirst && flashing <= links.HoverLast;
  const bool changed = flashing >= 0 ? !sameRun : links.HoverFirst >= 0;
  if (changed && (!hit.hit() || IsRealLink(resolved))) {
    if (!outer_) HidePopup();
    ClearHover();
    if (flashing >= 0) {
      const auto [first, last] = AreaRun(links, flashing);
      SetHover(first, last);
    }
  }
  tips_.SetHintPos(mapToGlobal(pos + QPoint(12, 16)));
  if (!reportedOnce_ || hit.Parts.Target != lastTarget_ || hit.Parts.Note != lastNote_)
    ReportLink(hit, hit.Parts.Target);
}

void TXPage::ReportLink(const TLinkHit& hit, const std::string& target) {
  reportedOnce_ = true;
  lastTarget_ = target;
  const std::string note = hit.Parts.Note;
  lastNote_ = note;
  const bool silent = (!target.empty() && target.front() == '@') || target == "+" || target == "%" || target == "-" ||
                      IsNextTaskLink(target) || IsContainerCall(target);
  const uint64_t generation = pageGeneration_;
  if (!silent && OnAnkerChange) OnAnkerChange(this, target);
  if (generation != pageGeneration_) return;  // the owner showed another page
  const size_t mark = note.find(kRightButtonMark);
  if (hit.hit() && !target.empty() && mark != std::string::npos) PlayHoverSound(model_.XPath, note.substr(mark + 1));
  const bool soundNote = !note.empty() && note.front() == kRightButtonMark;
  const TPageRect& dest = model_.Settings.DragTarget;
  if (OnHintChange && !(dest == TPageRect{}) && note != lastHint_ && !soundNote) {
    lastHint_ = note;
    OnHintChange(this, note);
    return;
  }
  if (!note.empty() && !soundNote && hit.hit()) {
    tips_.ScheduleHint(note);
    return;
  }
  tips_.CloseHint();
}

// The mouse goes from the page straight onto one of its widgets: the page
// gets no leave for that, so its hovered link or box button goes out here.
// A typing field shows its hint as the page's links do.
bool TXPage::eventFilter(QObject* watched, QEvent* e) {
  if (e->type() == QEvent::Enter && MouseAccepted()) {
    ClearHover();
    reportedOnce_ = false;  // back on the page, the link under the mouse is reported again
    tips_.CloseHint();
    const auto field = std::find(typingFields_.begin(), typingFields_.end(), watched);
    if (field != typingFields_.end() && !(*field)->Hint().empty()) {
      tips_.SetHintPos(static_cast<QEnterEvent*>(e)->globalPosition().toPoint() + QPoint(12, 16));
      tips_.ScheduleHint((*field)->Hint());
    }
  } else if (e->type() == QEvent::Leave) {
    tips_.CloseHint();
  }
  return QWidget::eventFilter(watched, e);
}

void TXPage::leaveEvent(QEvent*) {
  ClearHover();
  mouseInside_ = false;
  lastMouse_ = QPoint();
  tips_.CloseHint();
}

// --- the mouse-over look

void TXPage::SetHover(int32_t first, int32_t last) {
  tNamed_rectangle_list& links = model_.LinkNames;
  links.HoverFirst = first;
  links.HoverLast = last;
  for (int32_t i = first; i <= last && i >= 0; ++i) {
    onLooks_[i] = OnLook(i);
    update(ToQRectWithEdges(links.Areas[static_cast<size_t>(i)].Rect)
               .translated(0, -layout_.ScrollPos)
               .adjusted(0, 0, 1, 1));
  }
}

void TXPage::ClearHover() {
  tNamed_rectangle_list& links = model_.LinkNames;
  for (const auto& [index, look] : onLooks_)
    if (index >= 0 && static_cast<size_t>(index) < links.Areas.size())
      update(ToQRectWithEdges(links.Areas[static_cast<size_t>(index)].Rect)
                 .translated(0, -layout_.ScrollPos)
                 .adjusted(0, 0, 1, 1));
  onLooks_.clear();
  links.HoverFirst = links.HoverLast = -1;
}

// The look of a flashing area under the mouse: the "on" bitmap drawing
// prepared. An area without one gets a look made from the page buffer:
// words are drawn again in their flash colour, a picture with a mouse-over
// picture shows that one, a picture with a tint colour is tinted, and a box
// button takes its "on" colours in place of its "off" colours.
QImage TXPage::OnLook(int32_t index) const {
  const tNamed_rectangle_list& links = model_.LinkNames;
  if (index < 0 || static_cast<size_t>(index) >= links.Areas.size() || buffer_.isNull()) return {};
  if (static_cast<size_t>(index) < areaBitmaps_.size() && areaBitmaps_[static_cast<size_t>(index)].IsSet())
    return areaBitmaps_[static_cast<size_t>(index)].On;
  const TLinkArea& a = links.Areas[static_cast<size_t>(index)];
  const QRect r = ToQRect(a.Rect).intersected(buffer_.rect());
  if (r.isEmpty()) return {};
  QImage look = buffer_.copy(r).convertToFormat(QImage::Format_RGB32);
  if (a.Element >= 0 && static_cast<size_t>(a.Element) < model_.Elements.size() &&
      static_cast<size_t>(a.Element) < layout_.Elements.size()) {
    const TXText& x = model_.Elements[static_cast<size_t>(a.Element)];
    const TLayoutElement& e = layout_.Elements[static_cast<size_t>(a.Element)];
    const tHTML_format& f = x.Format;
    QPainter p(&look);
    if (x.Kind == ekPicture) {
      if (f.PicHover >= kHoverColor) {
        const QRgb tint = PageColor(model_, f.PicHover - kHoverColor).rgb();
        for (int y = 0; y < look.height(); ++y) {
          auto* line = reinterpret_cast<QRgb*>(look.scanLine(y));
          for (int i = 0; i < look.width(); ++i) line[i] = Mix(line[i], tint, 128);
        }
      } else if (f.PicHover >= 0 && static_cast<size_t>(f.PicHover) < model_.Pictures.size()) {
        const QImage& over = model_.Pictures[static_cast<size_t>(f.PicHover)].Picture;
        if (!over.isNull())
          p.drawImage(QRect(QPoint(a.Rect.Left - r.left(), a.Rect.Top - r.top()),
                            QSize(a.Rect.Right - a.Rect.Left, a.Rect.Bottom - a.Rect.Top)),
                      over);
      }
      return look;
    }
    const std::string_view text = layout_.Text(model_, static_cast<size_t>(a.Element));
    if (text.empty() || f.FlashColor == -1) return look;
    QFont font = metrics_->QtFont(metrics_->Font(TFontKey::Of(f)));
    font.setLetterSpacing(QFont::AbsoluteSpacing, f.Tracking);
    if (f.HotMark) font.setUnderline(true);
    p.setFont(font);
    if (!f.ClearBack) p.fillRect(look.rect(), PageColor(model_, f.BackColor));
    p.setPen(PageColor(model_, f.FlashColor, true));
    p.drawText(QPoint(e.X - r.left(), e.BaseY - r.top()), ToUnicode(text));
    return look;
  }
  // A box button: the fixed areas come first in the area list.
  if (static_cast<size_t>(index) < links.FixedAreas.size()) {
    const int32_t boxIndex = links.FixedAreas[static_cast<size_t>(index)].BoxIndex;
    if (boxIndex < 0 || static_cast<size_t>(boxIndex) >= model_.Boxes.size()) return look;
    const TBox& b = model_.Boxes[static_cast<size_t>(boxIndex)];
    if (b.OnColor == -1) return look;
    const QColor off = PageColor(model_, b.OffColor == -1 ? 0 : b.OffColor), off2 = PageColor(model_, b.OffTextColor);
    const QRgb on = PageColor(model_, b.OnColor).rgb(), on2 = PageColor(model_, b.OnTextColor).rgb();
    const int dr = off2.red() - off.red(), dg = off2.green() - off.green(), db = off2.blue() - off.blue();
    const int len = dr * dr + dg * dg + db * db;
    // only what lies inside the box's outline changes colour
    QImage inside(look.size(), QImage::Format_Grayscale8);
    inside.fill(0);
    {
      QPainter m(&inside);
      m.setPen(Qt::NoPen);
      m.setBrush(Qt::white);
      const QRectF shape(a.Rect.Left - r.left(), a.Rect.Top - r.top(), a.Rect.Right - a.Rect.Left,
                         a.Rect.Bottom - a.Rect.Top);
      if (b.Shape == bsEllipse) m.drawEllipse(shape);
      else if (b.Shape == bsRoundRect || b.Shape == bs3D) m.drawRoundedRect(shape, b.Radius / 2.0, b.Radius / 2.0);
      else m.drawRect(shape);
    }
    for (int y = 0; y < look.height(); ++y) {
      auto* line = reinterpret_cast<QRgb*>(look.scanLine(y));
      const uchar* mask = inside.constScanLine(y);
      for (int i = 0; i < look.width(); ++i) {
        if (!mask[i]) continue;
        // how far the pixel lies from the box colour towards its text colour
        const int pr = qRed(line[i]) - off.red(), pg = qGreen(line[i]) - off.green(), pb = qBlue(line[i]) - off.blue();
        const int dot = pr * dr + pg * dg + pb * db;
        // pixels far off the line between the two colours are not the box's (its corners)
        if (len && static_cast<int64_t>(pr * pr + pg * pg + pb * pb) * len - static_cast<int64_t>(dot) * dot >
                       static_cast<int64_t>(kOffLine) * kOffLine * len)
          continue;
        const int t = std::clamp(len ? dot * 256 / len : qGray(line[i]), 0, 256);
        line[i] = Mix(on, on2, t);
      }
    }
  }
  return look;
}

// --- keys

// Tab reaches the page's key handling while the page itself has the focus;
// fields on the page pass it on as usual.
bool TXPage::focusNextPrevChild(bool next) { return hasFocus() ? false : QWidget::focusNextPrevChild(next); }

void TXPage::keyPressEvent(QKeyEvent* e) {
  if (OnKeyDown) OnKeyDown(this, e->key(), e->modifiers());
  if (drawingMode_) return;
  if (const auto action = ScrollAction(e->key());
      action != QAbstractSlider::SliderNoAction && scrollBar_->isVisible()) {
    scrollBar_->triggerAction(action);
    return;
  }
  if (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) {
    if (model_.Settings.EnterLink.empty()) return;
    const std::string target = model_.Settings.EnterLink;
    model_.Settings.EnterLink.clear();  // followed once
    FollowLink(target, ClientRect());
    return;
  }
  const std::string typed = FromUnicode(e->text());
  if (typed.size() != 1) {
    QWidget::keyPressEvent(e);
    return;
  }
  if (const std::string* target = model_.Keys.Find(typed)) {
    const std::string copy = *target;
    FollowLink(copy, ClientRect());
  }
}

void TXPage::focusInEvent(QFocusEvent* e) {
  QWidget::focusInEvent(e);
  if (OnEnter) OnEnter(this);
  // The first open typing field takes the keys (not while a block moves).
  if (isVisible() && !Dragging())
    if (TXRichEdit* field = NextOpenField(-1)) field->setFocus();
}

void TXPage::focusOutEvent(QFocusEvent* e) {
  QWidget::focusOutEvent(e);
  if (OnExit) OnExit(this);
}

}  // namespace vyr
