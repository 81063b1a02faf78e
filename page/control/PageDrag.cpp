// The drag exercise on the page control: drawing the tray, dragging a block
// (snapping, drop, fly-back); what the blocks and places are and do is
// TDragExercise. While a block
// moves the page buffer never holds it: each move repaints only the union of
// the block's old and new rectangles from the buffer, with the block over it.
#include <QApplication>
#include <QPainter>
#include <QPointer>
#include <algorithm>

#include "page/control/PageControl.h"
#include "page/exercises/TypingField.h"
#include "page/layout/FontMetrics.h"
#include "platform/core/Random.h"
#include "text/Cp1252.h"

namespace vyr {

namespace {

constexpr int kFlySteps = 100;

}  // namespace

void TXPage::clearDrag() {
  drag_.Clear();
  sentences_.Clear();
  solvedWords_.clear();
  dragBlock_ = -1;
  dragTask_ = dragPart_ = -1;
  dragPos_ = QPoint(-1, -1);
  moving_ = QImage();
  liftedFields_.clear();  // the fields go with the page
  focusBeforeDrag_ = nullptr;
}

// After every layout: the places and their blocks (see TDragExercise::Place).
void TXPage::placeDragExercise() { drag_.Place(layout_.DragPlaces, model_); }

// Part of every full drawing: the blocks in the tray (shuffled and laid out
// at the first drawing of the page, where they lie at later ones).
void TXPage::drawTray() {
  // A drawing ends a drag that was running; the buffer is new, so nothing of
  // the old one is put back, and the fields are shown at the drawing's end.
  liftedFields_.clear();
  endDrag();
  const int height = layout_.DragBlockHeight;
  std::vector<TDragBlock>& blocks = drag_.Blocks();
  if (blocks.empty() || height <= 0 || buffer_.isNull()) return;
  drag_.ArrangeTray(width(), height, model_, [](int n) { return RandomInt(n); });
  // The font of the drag words.
  QFont font;
  if (const int32_t element = drag_.FontElement(); element >= 0) {
    const tHTML_format& f = model_.Elements[static_cast<size_t>(element)].Format;
    font = metrics_->QtFont(metrics_->Font(TFontKey::Of(f)));
  }
  const QFontMetrics fm(font);
  QPainter page(&buffer_);
  for (TDragBlock& b : blocks) {
    const int blockWidth = b.Rect.width();
    b.Face = QImage(blockWidth, height, QImage::Format_RGB32);
    b.Face.fill(PageColor(model_, model_.Settings.BlockColor));
    {
      QPainter p(&b.Face);
      p.setFont(font);
      p.setPen(Qt::black);
      const QString text = ToUnicode(b.Text);
      p.drawText(QPoint((blockWidth - fm.horizontalAdvance(text)) / 2, (height - fm.height()) / 2 + fm.ascent()), text);
    }
    b.Under = buffer_.copy(b.Rect);
    page.drawImage(b.Rect.topLeft(), b.Face);
  }
}

bool TXPage::StartDrag(int x, int y) {
  if (Dragging()) return false;
  const QPoint at(x, y + layout_.ScrollPos);
  if (const int block = drag_.BlockAt(at); block >= 0) {
    const size_t index = static_cast<size_t>(block);
    pickUpBlock(index, at - drag_.Blocks()[index].Rect.topLeft());
    return true;
  }
  return startSentenceDrag(at);
}

// The block leaves the tray: it is drawn over the page while it moves, and
// the buffer shows the tray as it was under it.
void TXPage::pickUpBlock(size_t index, QPoint grab) {
  const TDragBlock& b = drag_.Blocks()[index];
  dragBlock_ = static_cast<int>(index);
  moving_ = b.Face;
  dragPos_ = b.Rect.topLeft();
  grab_ = grab;
  liftTypingFields();
  QPainter p(&buffer_);
  p.drawImage(b.Rect.topLeft(), b.Under);
  p.end();
  lastDragUpdate_ = b.Rect.translated(0, -layout_.ScrollPos);
  repaint(lastDragUpdate_);
}

// The typing fields' present look goes into the buffer and the fields are
// hidden, so that a moving image passes over them. The page takes the keys
// first, so that no field stands in the buffer with its caret.
void TXPage::liftTypingFields() {
  focusBeforeDrag_ = QApplication::focusWidget();
  setFocus();
  for (TXRichEdit* f : typingFields_) {
    if (f->isHidden()) continue;
    const QRect rect = f->geometry().translated(0, layout_.ScrollPos);
    liftedFields_.push_back({f, rect, buffer_.copy(rect)});
    QPainter p(&buffer_);
    p.drawPixmap(rect.topLeft(), f->grab());
    p.end();
    f->hide();
  }
}

// The fields come back over the buffer as it was before, and the keys go
// back to the field or input line that had them.
void TXPage::restoreTypingFields() {
  if (!liftedFields_.empty()) {
    QPainter p(&buffer_);
    for (const TLiftedField& l : liftedFields_) {
      p.drawImage(l.Rect.topLeft(), l.Under);
      if (l.Field && !l.Field->Finished) l.Field->show();
    }
    p.end();
    liftedFields_.clear();
  }
  if (focusBeforeDrag_ && focusBeforeDrag_->isVisible()) focusBeforeDrag_->setFocus();
  focusBeforeDrag_ = nullptr;
}

void TXPage::endDrag() {
  restoreTypingFields();
  dragBlock_ = -1;
  dragTask_ = dragPart_ = -1;
  dragPos_ = QPoint(-1, -1);
  moving_ = QImage();
}

bool TXPage::dragItemAt(QPoint at) const {
  if (drag_.BlockAt(at) >= 0) return true;
  return sentences_.PartAt(at).Task >= 0;
}

// Moves the image so that the pointer keeps its grab offset (page coordinates).
void TXPage::moveImage(QPoint pointer) {
  const QSize size = moving_.size();
  QPoint next = pointer - grab_;
  next.setX(std::clamp(next.x(), 0, std::max(0, width() - size.width())));
  next.setY(std::clamp(next.y(), 0, std::max(0, layout_.ScrollPos + height() - size.height())));
  const QRect changed = QRect(dragPos_, size).united(QRect(next, size)).translated(0, -layout_.ScrollPos);
  dragPos_ = next;
  lastDragUpdate_ = changed;
  lastDragBytes_ = static_cast<int64_t>(changed.width()) * changed.height() * 4;
  repaint(changed);
}

void TXPage::DragMove(QPoint pointer) {
  QPoint at(pointer.x(), pointer.y() + layout_.ScrollPos);
  if (dragPart_ >= 0) return moveSentencePart(at);
  if (dragBlock_ < 0) return;
  moveImage(drag_.Snap(at, grab_));
}

void TXPage::DragDrop() {
  if (dragPart_ >= 0) return dropSentencePart();
  if (dragBlock_ < 0) return;
  const size_t index = static_cast<size_t>(dragBlock_);
  const std::string text = drag_.Blocks()[index].Text;
  if (const int place = drag_.PlaceFor(index, dragPos_); place >= 0) {
    const int32_t element = drag_.Places()[static_cast<size_t>(place)].Element;
    const QImage face = drag_.Blocks()[index].Face;
    const QPoint at = dragPos_;
    drag_.Fill(static_cast<size_t>(place), index);
    endDrag();
    QPainter p(&buffer_);
    p.drawImage(at, face);
    p.end();
    QPointer<TXPage> self(this);
    const uint64_t generation = pageGeneration_;
    if (OnDrag) OnDrag(this, text);
    if (!self || generation != pageGeneration_) return;
    makePlainWord(element);
    CheckAllSolved();
    if (!self || generation != pageGeneration_) return;
    layoutAndDraw();
    return;
  }
  const TDragBlock& b = drag_.Blocks()[index];
  flyTo(b.Rect.topLeft());
  endDrag();
  QPainter p(&buffer_);
  p.drawImage(b.Rect.topLeft(), b.Face);
  p.end();
  update(b.Rect.translated(0, -layout_.ScrollPos));
}

// The moving image flies from where it is to a place in a hundred steps.
void TXPage::flyTo(QPoint topLeft) {
  const QPoint c = dragPos_;
  auto step = [](int from, int to, int i) {
    return from < to ? from + i * (to - from) / kFlySteps : to + (kFlySteps - i) * (from - to) / kFlySteps;
  };
  for (int i = 1; i <= kFlySteps; ++i)
    moveImage(QPoint(step(c.x(), topLeft.x(), i), step(c.y(), topLeft.y(), i)) + grab_);
}

// Every open place gets the first block with its word, flying there from the
// tray (each step painted at once; messages are processed once all stand).
bool TXPage::solveDragPlaces() {
  bool placed = false;
  for (size_t i = 0; i < drag_.Places().size(); ++i) {
    const int block = drag_.BlockFor(i);
    if (block < 0) continue;
    const TDragBlock& b = drag_.Blocks()[static_cast<size_t>(block)];
    if (!b.Rect.isNull()) {  // a block that was never drawn has no way to fly
      const QPoint target = drag_.Places()[i].Rect.topLeft();
      pickUpBlock(static_cast<size_t>(block), QPoint());
      flyTo(target);
      QPainter p(&buffer_);
      p.drawImage(target, b.Face);
    }
    const int32_t element = drag_.Places()[i].Element;
    drag_.Fill(i, static_cast<size_t>(block));
    endDrag();
    makePlainWord(element);
    placed = true;
  }
  if (placed) layoutAndDraw();
  return processEventsSamePage();
}

// The blocks no place needs leave the tray once all is done.
void TXPage::removeExtraBlocks() {
  endDrag();
  if (!buffer_.isNull()) {
    QPainter p(&buffer_);
    for (const TDragBlock& b : drag_.Blocks()) {
      if (b.Under.isNull()) continue;
      p.drawImage(b.Rect.topLeft(), b.Under);
      update(b.Rect.translated(0, -layout_.ScrollPos));
    }
  }
  drag_.Blocks().clear();
}

void TXPage::DrawAgain() {
  redraw();
  repaint();
}

}  // namespace vyr
