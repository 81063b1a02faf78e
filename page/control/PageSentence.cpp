// Sentence building on the page control: drawing the parts shuffled in a
// row, dragging one onto the place of another (where it fits is
// TSentenceExercise), showing the solution; once the parts read the written
// sentence they become plain words.
#include <QCoreApplication>
#include <QPainter>
#include <QPointer>
#include <algorithm>

#include "page/control/PageControl.h"
#include "page/layout/FontMetrics.h"
#include "platform/core/Random.h"
#include "text/Cp1252.h"

namespace vyr {

namespace {

constexpr int kPartGap = TSentenceExercise::kPartGap;
// Showing the solution exchanges parts at random until they stand in order;
// a longer row is put in order at once (the random walk would take long).
constexpr int kMostShuffledParts = 40;

}  // namespace

// Part of every full drawing: the parts drawn, shuffled at the first one.
void TXPage::drawSentences() {
  if (buffer_.isNull()) return;
  const TFontBlock& block = model_.Slots.Sentence;
  const QFont font = metrics_->QtFont(metrics_->Font(TFontKey::Of(block)));
  const QFontMetrics fm(font);
  QPainter page(&buffer_);
  drawSolvedWords(page);
  for (TSentenceTask& task : sentences_.Tasks()) {
    if (!task.Dealt) {
      TSentenceExercise::Deal(task, [](int n) { return RandomInt(n); });
      task.Dealt = true;
    }
    page.fillRect(task.Rect, PageColor(model_, model_.Settings.ColorBGR));
    for (TSentencePart& p : task.Parts) {
      const QString text = ToUnicode(p.Text);
      const int tw = fm.horizontalAdvance(text);
      p.Picture = QImage(tw + 8, task.Rect.height(), QImage::Format_RGB32);
      p.Picture.fill(PageColor(model_, model_.Settings.BlockColor));
      p.TextOffset = QPoint((p.Picture.width() - tw) / 2, (p.Picture.height() - fm.height()) / 2);
      QPainter pp(&p.Picture);
      pp.setFont(font);
      pp.setPen(PageColor(model_, block.Color));
      pp.drawText(p.TextOffset + QPoint(0, fm.ascent()), text);
    }
    TSentenceExercise::LayoutParts(task);
  }
  page.end();
  for (const TSentenceTask& task : sentences_.Tasks()) redrawSentence(task, -1);
}

// The solved sentences stand as plain words, for look-up too (those from
// `from` on).
void TXPage::drawSolvedWords(QPainter& p, size_t from) {
  if (from >= solvedWords_.size()) return;
  const TFontBlock& block = model_.Slots.Sentence;
  const QFont font = metrics_->QtFont(metrics_->Font(TFontKey::Of(block)));
  const QFontMetrics fm(font);
  p.setFont(font);
  p.setPen(PageColor(model_, block.Color));
  for (size_t i = from; i < solvedWords_.size(); ++i) {
    const TSolvedWord& w = solvedWords_[i];
    p.drawText(w.Pos + QPoint(0, fm.ascent()), ToUnicode(w.Text));
    words_.Add(w.Text, w.Rect, false);
  }
}

// The task in the buffer: the picked-up part as a hole, the others as they stand.
void TXPage::redrawSentence(const TSentenceTask& task, int pickedUp) {
  QPainter p(&buffer_);
  const QColor background = PageColor(model_, model_.Settings.ColorBGR);
  for (size_t i = 0; i < task.Parts.size(); ++i) {
    const TSentencePart& part = task.Parts[i];
    if (static_cast<int>(i) == pickedUp) p.fillRect(part.Rect, background);
    else p.drawImage(part.Rect.topLeft(), part.Picture);
    p.fillRect(QRect(part.Rect.right() + 1, part.Rect.top(), kPartGap, part.Rect.height()), background);
  }
  p.end();
  update(task.Rect.united(task.Parts.back().Rect.adjusted(0, 0, kPartGap, 0)).translated(0, -layout_.ScrollPos));
}

bool TXPage::startSentenceDrag(QPoint at) {
  const TSentenceExercise::TPartRef hit = sentences_.PartAt(at);
  if (hit.Task < 0) return false;
  const TSentencePart& part = sentences_.Tasks()[static_cast<size_t>(hit.Task)].Parts[static_cast<size_t>(hit.Part)];
  dragTask_ = hit.Task;
  dragPart_ = hit.Part;
  moving_ = part.Picture;
  dragPos_ = part.Rect.topLeft();
  grab_ = at - dragPos_;
  partSnapped_ = false;
  liftTypingFields();
  const int32_t hole = model_.Settings.HoleColor == 0x00FF00 ? model_.Settings.ColorBGR : model_.Settings.HoleColor;
  QPainter p(&buffer_);
  p.fillRect(part.Rect, PageColor(model_, hole));
  p.end();
  lastDragUpdate_ = part.Rect.translated(0, -layout_.ScrollPos);
  repaint(lastDragUpdate_);
  return true;
}

void TXPage::moveSentencePart(QPoint at) {
  TSentenceTask& task = sentences_.Tasks()[static_cast<size_t>(dragTask_)];
  const int w = moving_.width();
  const int fitted = TSentenceExercise::FitAt(task, dragPart_, at.x() - grab_.x(), at.y(), w);
  partSnapped_ = fitted >= 0;
  if (fitted >= 0) at = TSentenceExercise::FitPosition(task, dragPart_, fitted, w) + grab_;
  if (fitted >= 0 && fitted != dragPart_) {
    std::swap(task.Parts[static_cast<size_t>(fitted)], task.Parts[static_cast<size_t>(dragPart_)]);
    TSentenceExercise::LayoutParts(task);
    dragPart_ = fitted;
    redrawSentence(task, dragPart_);
  }
  moveImage(at);
}

void TXPage::dropSentencePart() {
  const size_t t = static_cast<size_t>(dragTask_);
  TSentenceTask& task = sentences_.Tasks()[t];
  const QPoint home = task.Parts[static_cast<size_t>(dragPart_)].Rect.topLeft();
  // Back to its place in the row (after an exchange that is its new place).
  if (!partSnapped_ || dragPos_ != home) flyTo(home);
  endDrag();
  redrawSentence(task, -1);
  if (!TSentenceExercise::InOrder(task)) return;
  showSentenceSolved(t);
  CheckAllSolved();
}

// Puts the parts in their written order by exchanging them at random, each
// exchange shown: with more than four parts, 51 exchanges, then each
// position in turn until its part stands there; with fewer, exchanges of
// two random parts until the sentence reads right.
bool TXPage::shuffleIntoOrder(size_t t) {
  TSentenceTask& task = sentences_.Tasks()[t];
  const int n = static_cast<int>(task.Parts.size());
  if (n < 2) return true;  // one part is in order as it is
  if (n > kMostShuffledParts) {
    orderSentence(t);
    return processEventsSamePage();
  }
  auto draw = [&](int range, int& r) {
    r = RandomInt(range);
    return processEventsSamePage();
  };
  auto twoParts = [&](int& a, int& b) {
    do {
      if (!draw(n, a) || !draw(n, b)) return false;
    } while (a == b);
    return true;
  };
  auto exchange = [&](int a, int b) {
    std::swap(task.Parts[static_cast<size_t>(a)], task.Parts[static_cast<size_t>(b)]);
    TSentenceExercise::LayoutParts(task);
    redrawSentence(task, -1);
  };
  int a = 0, b = 0;
  if (n > 4) {
    for (int k = 0; k < 51; ++k) {
      if (!twoParts(a, b)) return false;
      exchange(a, b);
    }
    for (int i = 0; i + 1 < n; ++i) {
      while (task.Parts[static_cast<size_t>(i)].Text != task.Written[static_cast<size_t>(i)]) {
        do {
          if (!draw(n - i, a)) return false;
        } while (a == 0);
        exchange(i, i + a);
      }
    }
    return true;
  }
  do {
    if (!twoParts(a, b)) return false;
    exchange(a, b);
  } while (!TSentenceExercise::InOrder(task));
  return true;
}

// Each sentence in turn is put in order before the learner's eyes and then
// stands as plain words.
bool TXPage::solveSentences() {
  while (!sentences_.Tasks().empty() && !buffer_.isNull()) {
    if (!shuffleIntoOrder(0)) return false;
    showSentenceSolved(0);
    if (!processEventsSamePage()) return false;
  }
  return true;
}

// The parts put in their written order at once.
void TXPage::orderSentence(size_t t) {
  TSentenceTask& task = sentences_.Tasks()[t];
  TSentenceExercise::Order(task);
  TSentenceExercise::LayoutParts(task);
  redrawSentence(task, -1);
}

// Solved: the parts become the sentence as plain words, and the task goes.
void TXPage::showSentenceSolved(size_t t) {
  TSentenceTask& task = sentences_.Tasks()[t];
  const TSentencePart& first = task.Parts.front();
  const QRect area(first.Rect.topLeft(), task.Parts.back().Rect.bottomRight());
  const TFontBlock& block = model_.Slots.Sentence;
  const QFont font = metrics_->QtFont(metrics_->Font(TFontKey::Of(block)));
  const QFontMetrics fm(font);
  QPainter p(&buffer_);
  p.fillRect(area, PageColor(model_, model_.Settings.ColorBGR));
  QPoint pos = first.Rect.topLeft() + first.TextOffset;
  std::string_view rest = task.Correct;
  const size_t before = solvedWords_.size();
  while (!rest.empty()) {
    const size_t blank = rest.find(' ');
    const std::string word(rest.substr(0, blank));
    const int w = fm.horizontalAdvance(ToUnicode(word));
    solvedWords_.push_back({word, pos, TPageRect{pos.x(), pos.y(), pos.x() + w, pos.y() + fm.height()}});
    pos.rx() += w + fm.horizontalAdvance(u' ');
    if (blank == std::string_view::npos) break;
    rest.remove_prefix(blank + 1);
  }
  // Only this sentence's words are drawn and listed now; the others stand already.
  drawSolvedWords(p, before);
  p.end();
  update(area.translated(0, -layout_.ScrollPos));
  sentences_.Tasks().erase(sentences_.Tasks().begin() + static_cast<std::ptrdiff_t>(t));
}

}  // namespace vyr
