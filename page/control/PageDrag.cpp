// The drag exercise of the page control: the places in the text, the blocks
// in the tray, dragging a block (snapping, drop, fly-back). While a block
// moves the page buffer never holds it: each move repaints only the union of
// the block's old and new rectangles from the buffer, with the block over it.
#include <QApplication>
#include <QPainter>
#include <QPointer>
#include <algorithm>

#include "page/layout/FontMetrics.h"
#include "page/control/PageControl.h"
#include "page/exercises/TypingField.h"
#include "platform/core/Random.h"
#include "text/Cp1252.h"

namespace vyr {

namespace {

constexpr int kSnapDistance = 8;
constexpr int kFlySteps = 100;

}  // namespace

void TXPage::clearDrag() {
  dragBlocks_.clear();
  dragPlaces_.clear();
  extraBlocksAdded_ = false;
  sentences_.clear();
  solvedWords_.clear();
  dragBlock_ = -1;
  dragTask_ = dragPart_ = -1;
  dragPos_ = QPoint(-1, -1);
  moving_ = QImage();
  liftedFields_.clear();  // the fields go with the page
  focusBeforeDrag_ = nullptr;
}

// After every layout: the open places from the drag words, a block for each
// (laying out again adds none twice), and the extra blocks once.
void TXPage::placeDragExercise() {
  std::vector<TDragPlaceState> places;
  for (const TDragPlace& p : layout_.DragPlaces) {
    if (p.Element < 0 || static_cast<size_t>(p.Element) >= model_.Elements.size()) continue;
    places.push_back({ToQRect(p.Rect), p.Text, p.Element, true});
  }
  // A place closed by its block stays closed (its word is plain text now).
  for (const TDragPlaceState& old : dragPlaces_)
    if (!old.Open) places.push_back(old);
  dragPlaces_ = std::move(places);
  for (const TDragPlaceState& p : dragPlaces_) {
    if (!p.Open) continue;
    const bool exists = std::any_of(dragBlocks_.begin(), dragBlocks_.end(),
                                    [&](const TDragBlock& b) { return b.Key == p.Element && b.Text == p.Text; });
    if (!exists) dragBlocks_.push_back({QRect(), p.Text, QImage(), QImage(), p.Element});
  }
  if (!extraBlocksAdded_) {
    extraBlocksAdded_ = true;
    for (const std::string& t : model_.DragAufgaben.Falsch) dragBlocks_.push_back({QRect(), t, QImage(), QImage(), -1});
  }
}

// Part of every full drawing: the blocks shuffled and laid out in the tray.
void TXPage::drawTray() {
  // A drawing ends a drag that was running; the buffer is new, so nothing of
  // the old one is put back, and the fields are shown at the drawing's end.
  liftedFields_.clear();
  endDrag();
  const int height = layout_.DragBlockHeight;
  if (dragBlocks_.empty() || height <= 0 || buffer_.isNull()) return;
  const int n = static_cast<int>(dragBlocks_.size());
  for (int i = 0; i < n; ++i) {
    const int r = RandomInt(n);
    if (r != i) std::swap(dragBlocks_[static_cast<size_t>(i)], dragBlocks_[static_cast<size_t>(r)]);
  }
  const tDragAufgabenListe& d = model_.DragAufgaben;
  const int perRow = std::max(1, d.PerRow);
  const int blockWidth = std::max(1, d.BlockWidth);
  const int w = width();
  const int left = d.TrayLeft != -1 ? d.TrayLeft : (w - perRow * (blockWidth + 20) + 20) / 2;
  const int right = d.TrayRight != -1 ? d.TrayRight : w - left;
  // The font of the drag words.
  QFont font;
  if (!dragPlaces_.empty()) {
    const tHTML_format& f = model_.Elements[static_cast<size_t>(dragPlaces_.front().Element)].Format;
    font = metrics_->QtFont(metrics_->Font(TFontKey::Of(f)));
  }
  const QFontMetrics fm(font);
  QPainter page(&buffer_);
  for (int i = 0; i < n; ++i) {
    TDragBlock& b = dragBlocks_[static_cast<size_t>(i)];
    const int x = perRow == 1 ? left : left + ((right - left - blockWidth) / (perRow - 1)) * (i % perRow);
    const int y = model_.Settings.TrayTop + 30 * (i / perRow);
    b.Rect = QRect(x, y, blockWidth, height);
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
  for (size_t i = 0; i < dragBlocks_.size(); ++i) {
    const TDragBlock& b = dragBlocks_[i];
    if (b.Rect.isNull() || !b.Rect.contains(at)) continue;
    pickUpBlock(i, at - b.Rect.topLeft());
    return true;
  }
  return startSentenceDrag(at);
}

// The block leaves the tray: it is drawn over the page while it moves, and
// the buffer shows the tray as it was under it.
void TXPage::pickUpBlock(size_t index, QPoint grab) {
  const TDragBlock& b = dragBlocks_[index];
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

// The fields come back over the buffer as it was before.
void TXPage::restoreTypingFields() {
  if (liftedFields_.empty()) return;
  QPainter p(&buffer_);
  for (const TLiftedField& l : liftedFields_) {
    p.drawImage(l.Rect.topLeft(), l.Under);
    if (l.Field && !l.Field->Finished) l.Field->show();
  }
  p.end();
  liftedFields_.clear();
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
  for (const TDragBlock& b : dragBlocks_)
    if (!b.Rect.isNull() && b.Rect.contains(at)) return true;
  for (const TSentenceTask& task : sentences_)
    for (const TSentencePart& part : task.Parts)
      if (part.Rect.contains(at)) return true;
  return false;
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
  for (const TDragPlaceState& p : dragPlaces_) {
    if (!p.Open) continue;
    if (at.x() >= p.Rect.left() - kSnapDistance && at.x() <= p.Rect.right() + 1 + kSnapDistance &&
        at.y() >= p.Rect.top() - kSnapDistance && at.y() <= p.Rect.bottom() + 1 + kSnapDistance) {
      at = p.Rect.topLeft() + grab_;
      break;
    }
  }
  moveImage(at);
}

void TXPage::DragDrop() {
  if (dragPart_ >= 0) return dropSentencePart();
  if (dragBlock_ < 0) return;
  const size_t index = static_cast<size_t>(dragBlock_);
  const std::string text = dragBlocks_[index].Text;
  auto place = std::find_if(dragPlaces_.begin(), dragPlaces_.end(),
                            [&](const TDragPlaceState& p) { return p.Rect.topLeft() == dragPos_; });
  if (place != dragPlaces_.end() && place->Open && place->Text == text) {
    const int32_t element = place->Element;
    place->Open = false;
    place->Text.clear();
    const QImage face = dragBlocks_[index].Face;
    const QPoint at = dragPos_;
    dragBlocks_.erase(dragBlocks_.begin() + static_cast<std::ptrdiff_t>(index));
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
  const TDragBlock& b = dragBlocks_[index];
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
  for (size_t i = 0; i < dragPlaces_.size(); ++i) {
    if (!dragPlaces_[i].Open) continue;
    const std::string& word = dragPlaces_[i].Text;
    const auto b = std::find_if(dragBlocks_.begin(), dragBlocks_.end(),
                                [&](const TDragBlock& x) { return x.Text == word; });
    if (b == dragBlocks_.end()) continue;
    if (!b->Rect.isNull()) {  // a block that was never drawn has no way to fly
      const QPoint target = dragPlaces_[i].Rect.topLeft();
      pickUpBlock(static_cast<size_t>(b - dragBlocks_.begin()), QPoint());
      flyTo(target);
      QPainter p(&buffer_);
      p.drawImage(target, b->Face);
    }
    dragBlocks_.erase(b);
    endDrag();
    dragPlaces_[i].Open = false;
    dragPlaces_[i].Text.clear();
    makePlainWord(dragPlaces_[i].Element);
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
    for (const TDragBlock& b : dragBlocks_) {
      if (b.Under.isNull()) continue;
      p.drawImage(b.Rect.topLeft(), b.Under);
      update(b.Rect.translated(0, -layout_.ScrollPos));
    }
  }
  dragBlocks_.clear();
}

void TXPage::DrawAgain() {
  redraw();
  repaint();
}

}  // namespace vyr
