// Line building inside the text columns: breaks, wrapping, tabs, alignment
// and justification, line spacing, boxes and their columns, the page height
// and the scroll range.
#include "page/layout/PageLayout.h"

#include <algorithm>

#include "page/layout/FontMetrics.h"
#include "page/layout/LayoutParts.h"
#include "page/model/PageModel.h"

namespace vyr {
namespace {

constexpr uint8_t kAlignLeft = 0, kAlignCentre = 1, kAlignRight = 2, kAlignBlock = 3;
constexpr uint8_t kPicAlignTop = 3, kPicAlignTwoThirds = 6;
constexpr int32_t kPageTop = 16;

bool IsBreak(TElementKind k) { return k == ekLineBreak || k == ekParagraph; }

class TLineBuilder {
 public:
  TLineBuilder(TPageModel& m, TPageLayout& l) : m_(m), l_(l), items_(m, l), lastOfBox_(m.Boxes.size(), -1) {}

  void Run() {
    const auto n = static_cast<int32_t>(m_.Elements.size());
    for (int32_t i = 0; i < n; ++i) Step(i);
    if (lineStart_ < n) FinishLine(n, false);
    items_.Finish();
    FinishBoxes();
    l_.ContentHeight = ClampCoord(std::max<int64_t>(content_, kPageTop));
  }

 private:
  const TXText& E(int32_t i) const { return m_.Elements[static_cast<size_t>(i)]; }
  TLayoutElement& L(int32_t i) { return l_.Elements[static_cast<size_t>(i)]; }

  // A blank that takes a share of the free space of a justified line.
  bool IsGap(int32_t k) const {
    return E(k).Kind == ekSpace && E(k).Format.TabPos == 0 && !l_.Elements[static_cast<size_t>(k)].TextDropped;
  }

  void DropBlock(int32_t i) {
    if (i > 0 && L(i - 1).Align == kAlignBlock) L(i - 1).Align = kAlignLeft;
  }

  void TakeMaxima(const TLayoutElement& e, bool withHeight) {
    if (withHeight) height_ = std::max(height_, e.Height);
    ascent_ = std::max(ascent_, e.Ascent);
    descent_ = std::max(descent_, e.Descent);
  }

  void Step(int32_t i) {
    const TXText& x = E(i);
    TLayoutElement& e = L(i);
    const tHTML_format& f = x.Format;
    switch (x.Kind) {
      case ekLineBreak:
      case ekParagraph:
        if (i > 0) {
          DropBlock(i);
          FinishLine(i, x.Kind == ekParagraph);
        }
        tab_ = 0;
        return;
      case ekBox:
        if (i > 0) FinishLine(i, false);
        tab_ = 0;
        return;
      case ekWord:
      case ekSpace:
      case ekCheckBox:
      case ekPicture: break;
    }

    if (e.TextDropped) return;  // a blank at the start of a line takes no room

    if (f.TabPos != 0 && e.Align == kAlignBlock && hasContent_) {
      // Text before and after a tab in justified text shares one baseline.
      // (A tab at the start of a line simply begins that line.)
      DropBlock(i);
      e.KeepsBaseline = true;
      FinishLine(i, false);
    }
    spacing_ = f.LineSpace <= 1000 ? f.LineSpace : static_cast<int64_t>(f.LineSpace) - 2000;

    if (x.Kind == ekPicture) {
      // Pictures never wrap; a picture set two thirds above the baseline
      // does not make its line taller.
      width_ += e.Width;
      if (f.PicAlign != kPicAlignTwoThirds) TakeMaxima(e, true);
      width_ += space_;
      space_ = 0;
      hasContent_ = true;
      return;
    }
    if (f.Pre) {
      TakeMaxima(e, true);
      width_ += e.Width;
      hasContent_ = true;
      return;
    }

    const int32_t column = ColumnWidthOf(x, l_.TextWidth);
    const int64_t w = std::max(e.RunWidth, e.Width);
    // A check box wraps like a word so it never reaches past its column.
    const bool wraps = x.Kind == ekCheckBox || IsFilled(x.Text);
    // Only a line that already holds something is finished: a word too long
    // for any line stands alone on its line instead of leaving one empty.
    if (wraps && hasContent_ && w + tab_ + width_ + space_ > column) {
      FinishLine(i, false);
      space_ = 0;
    }
    const int64_t start = f.TabPos != 0 ? TabPosition(f.TabPos, column) : width_;
    if (x.Kind == ekSpace) {
      width_ = start;
      space_ = e.Width;
    } else {
      width_ = start + space_ + e.Width;
      space_ = 0;
    }
    TakeMaxima(e, true);
    hasContent_ = true;
  }

  // Finishes the line from lineStart_ to the element before `end`.
  void FinishLine(int32_t end, bool endsWithParagraph) {
    const int32_t first = lineStart_;
    if (end <= first) return;
    const int32_t last = end - 1;
    const TXText& fx = E(first);
    TLayoutElement& fe = L(first);

    // Baseline
    if (fx.Kind == ekBox) {
      if (fe.KeepsBaseline) curY_ = savedBaseline_;
      else if (fx.Format.BoxTop != -1) curY_ = fx.Format.BoxTop;
    }
    curY_ += spacing_ < 0 ? -spacing_ * 2 / 3 : ascent_;
    if (fe.KeepsBaseline) curY_ = savedBaseline_;
    else savedBaseline_ = curY_;
    curY_ = std::clamp<int64_t>(curY_, -kMaxLayoutCoord, kMaxLayoutCoord);
    const int32_t baseline = ClampCoord(curY_);
    content_ = std::max(content_, curY_);

    if (E(last).Text == " ") L(last).TextDropped = true;

    // Horizontal start by the alignment of the line's last element.
    int64_t x = fx.Format.ColumnLeft;
    const uint8_t align = L(last).Align;
    const int64_t column = ColumnWidthOf(E(last), l_.TextWidth);
    int64_t spare = 0;
    int64_t gaps = 0;
    switch (align) {
      case kAlignCentre: x += (column - width_) / 2; break;
      case kAlignRight: x += column - width_; break;
      case kAlignBlock:
        // An overfull line is not squeezed.
        spare = std::max<int64_t>(0, column - width_ - tab_);
        for (int32_t k = first + 1; k < last; ++k)
          if (IsGap(k)) ++gaps;
        break;
      default: break;
    }

    for (int32_t k = first; k < end; ++k) {
      const TXText& kx = E(k);
      TLayoutElement& ke = L(k);
      if (kx.Format.TabPos != 0) {
        const int32_t tab = TabPosition(kx.Format.TabPos, ColumnWidthOf(kx, l_.TextWidth));
        x = std::max<int64_t>(x, static_cast<int64_t>(kx.Format.ColumnLeft) + tab);
        tab_ = tab;
      } else if (k == first && tab_ != 0) {
        x = static_cast<int64_t>(kx.Format.ColumnLeft) + tab_;  // continuation lines keep the indent
      }
      if (gaps > 0 && k > first && k < last && IsGap(k)) {
        const int64_t share = spare / gaps;
        x += share;
        spare -= share;
        --gaps;
      }
      ke.X = ClampCoord(x);
      ke.BaseY = baseline;
      x = std::clamp<int64_t>(x + ke.Width, -kMaxLayoutCoord, kMaxLayoutCoord);
      // A top-aligned picture with a baseline offset meets the top of the line's text.
      if (kx.Kind == ekPicture && kx.Format.PicAlign == kPicAlignTop && kx.Format.PicBase != 0) ke.Ascent = ascent_;
      if (kx.Kind == ekWord) GrowBox(kx.Format.BoxIndex, baseline);
      if (kx.Format.BoxIndex >= 0 && static_cast<size_t>(kx.Format.BoxIndex) < lastOfBox_.size())
        lastOfBox_[static_cast<size_t>(kx.Format.BoxIndex)] = k;
    }
    items_.PlaceLine(first, end);

    const int32_t lineHeight = height_;
    l_.Lines.push_back({first, end - first, baseline, ascent_, descent_, lineHeight});

    // Below the line
    if (end - first == 1 && IsBreak(fx.Kind)) curY_ += previousHeight_;
    else curY_ += spacing_ >= 0 ? descent_ + spacing_ : -spacing_ / 3;
    if (endsWithParagraph) {
      tab_ = 0;
      curY_ += lineHeight > 0 ? lineHeight : previousHeight_;
      content_ = std::max(content_, curY_);
    }
    curY_ = std::clamp<int64_t>(curY_, -kMaxLayoutCoord, kMaxLayoutCoord);
    if (lineHeight > 0) previousHeight_ = lineHeight;
    height_ = ascent_ = descent_ = 0;
    width_ = space_ = 0;
    hasContent_ = false;
    lineStart_ = end;
  }

  // A word in a box without a fixed height stretches the box down to its line.
  void GrowBox(int32_t box, int32_t baseline) {
    if (box < 0 || static_cast<size_t>(box) >= m_.Boxes.size()) return;
    TBox& b = m_.Boxes[static_cast<size_t>(box)];
    if (!b.AutoHeight) return;
    b.Height = ClampCoord(std::max<int64_t>(0, static_cast<int64_t>(baseline) - b.Top + 4));
  }

  // A box that still has no height (an ellipse written without one) reaches
  // down to the last element that refers to it.
  void FinishBoxes() {
    for (size_t box = 0; box < lastOfBox_.size(); ++box) {
      const int32_t element = lastOfBox_[box];
      TBox& b = m_.Boxes[box];
      if (element < 0 || !b.AutoHeight || b.Height != 0) continue;
      const TLayoutElement& e = L(element);
      b.Height = ClampCoord(std::max<int64_t>(0, static_cast<int64_t>(e.BaseY) + e.Descent - b.Top));
    }
  }

  TPageModel& m_;
  TPageLayout& l_;
  TLineItems items_;

  int32_t lineStart_ = 0;
  int64_t width_ = 0;  // the line's width so far, from the column's left edge
  int64_t space_ = 0;  // a blank waiting for the next word
  int64_t tab_ = 0;    // indent of the lines after a tab
  int64_t spacing_ = 1;
  int32_t height_ = 0, ascent_ = 0, descent_ = 0;
  bool hasContent_ = false;
  int64_t curY_ = kPageTop;
  int64_t savedBaseline_ = kPageTop;
  int64_t content_ = kPageTop;
  int32_t previousHeight_ = 0;
  std::vector<int32_t> lastOfBox_;  // per box: the last element that refers to it
};

// The scroll range of a page `contentHeight` tall in a control `clientHeight` high.
void SetScrollRange(TScrollBar& bar, int32_t contentHeight, int32_t clientHeight) {
  const int32_t barHeight = std::max(0, clientHeight);
  bar.Max = std::max(0, contentHeight - barHeight + 16);
  bar.PageStep = std::max(1, barHeight - 16);
}

}  // namespace

std::string_view TPageLayout::Text(const TPageModel& model, size_t element) const {
  if (element >= model.Elements.size()) return {};
  if (element < Elements.size() && Elements[element].TextDropped) return {};
  return model.Elements[element].Text;
}

int32_t TabPosition(int32_t tab, int32_t columnWidth) {
  const int64_t c = columnWidth;
  int64_t v = 0;
  if (tab > 100 && tab < 110) v = c * (tab - 100) / 10;
  else if (tab > 0) v = c * tab / 100;
  else if (tab < 0) v = -static_cast<int64_t>(tab);
  return ClampCoord(std::max<int64_t>(0, v));
}

int32_t ColumnWidthOf(const TXText& element, int32_t textWidth) {
  const int32_t w = element.Format.ColumnWidth;
  if (w == -1) return textWidth;
  if (w < 0) return ClampCoord(std::max<int64_t>(0, static_cast<int64_t>(textWidth) + 8 - element.Format.ColumnLeft));
  return w;
}

int32_t PictureLeft(const TXText& element, const TLayoutElement& laid, int32_t columnWidth) {
  const int64_t left = element.Format.ColumnLeft;
  switch (element.Format.PicAlign) {
    case 0: return ClampCoord(left);
    case 1: return ClampCoord(left + (static_cast<int64_t>(columnWidth) - laid.Width) / 2);
    case 2: return ClampCoord(left + columnWidth - laid.Width);
    default: return laid.X;
  }
}

void LayoutPage(TPageModel& model, TFontMetrics& metrics, TPageLayout& layout) {
  layout.Elements.assign(model.Elements.size(), TLayoutElement{});
  layout.Lines.clear();
  layout.GapFields.clear();
  layout.DragPlaces.clear();
  layout.DragBlockHeight = 0;
  layout.TextWidth = std::max(0, model.ClientWidth - 2 * kScrollBarWidth);
  layout.ContentHeight = kPageTop;

  MeasureElements(model, metrics, layout);
  SumRuns(model, layout);
  TLineBuilder(model, layout).Run();

  // The scroll bar: shown exactly when the page is taller than the control.
  TScrollBar& bar = layout.ScrollBar;
  bar.Visible = layout.ContentHeight > std::max(0, model.ClientHeight);
  bar.SmallStep = 5;
  SetScrollRange(bar, layout.ContentHeight, model.ClientHeight);
  layout.ScrollPos = bar.Visible ? std::clamp(layout.ScrollPos, 0, bar.Max) : 0;
}

void SetScrollPosition(TPageLayout& layout, int32_t clientHeight, int32_t position) {
  TScrollBar& bar = layout.ScrollBar;
  SetScrollRange(bar, layout.ContentHeight, clientHeight);
  bar.Visible = true;
  layout.ScrollPos = std::clamp(position, 0, bar.Max);
}

}  // namespace vyr
