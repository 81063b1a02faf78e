// The text of a page element by element: words with their colours and
// backgrounds, check boxes, drag places, typing gaps and flashing link runs.
#include <QPainter>
#include <optional>
#include <tuple>

#include "page/draw/DrawParts.h"
#include "page/layout/FontMetrics.h"
#include "page/layout/PageLayout.h"
#include "page/model/PageModel.h"
#include "text/Cp1252.h"

namespace vyr {
namespace {

// A painter on the buffer that steps aside while pixels are copied directly.
class TTextPainter {
 public:
  explicit TTextPainter(QImage& image) : image_(image) {}
  QPainter& operator*() {
    if (!painter_) {
      painter_.emplace(&image_);
      painter_->setRenderHint(QPainter::TextAntialiasing);
    }
    return *painter_;
  }
  QPainter* operator->() { return &**this; }
  void Pause() {
    painter_.reset();
    ++generation_;
  }
  // Changes whenever the painter has been set aside (its font and pen are gone).
  int Generation() const { return generation_; }

 private:
  QImage& image_;
  std::optional<QPainter> painter_;
  int generation_ = 0;
};

class TTextDrawer {
 public:
  explicit TTextDrawer(TDrawPass& p) : p_(p), m_(p.m), l_(p.l), painter_(p.buffer), flashing_(p.flashing) {}

  void Run() {
    const size_t n = std::min(m_.Elements.size(), l_.Elements.size());
    for (size_t k = 0; k < n;) {
      const TXText& x = m_.Elements[k];
      if (x.Kind == ekCheckBox) {
        CheckBox(k);
      } else if (InFlashRun(k)) {
        k = FlashRun(k, n);
        continue;
      } else if (IsDrawn(k)) {
        DrawElement(k);
      }
      ++k;
    }
    painter_.Pause();
  }

 private:
  QRect Cell(size_t k) const {
    const TLayoutElement& e = l_.Elements[k];
    return QRect(e.X, e.BaseY - e.Ascent, e.Width, e.Ascent + e.Descent);
  }

  // Words with a text, and spaces that show something (underline, hot
  // mark, background); other spaces and pictures are no text.
  bool IsDrawn(size_t k) const {
    const TXText& x = m_.Elements[k];
    if (x.Kind != ekWord && x.Kind != ekSpace) return false;
    if (l_.Text(m_, k).empty()) return false;
    if (x.Kind == ekWord) return true;
    const tHTML_format& f = x.Format;
    return l_.Elements[k].Width > 0 && ((f.Style & kUnderline) || f.HotMark || !f.ClearBack);
  }

  bool InFlashRun(size_t k) const {
    const TXText& x = m_.Elements[k];
    return (x.Kind == ekWord || x.Kind == ekSpace) && x.Format.LinkIndex >= 0 && x.Format.FlashColor != -1 &&
           flashing_[k] >= 0 && p_.Preparable(ToQRect(m_.LinkNames.Areas[static_cast<size_t>(flashing_[k])].Rect));
  }

  void CheckBox(size_t k) {
    const tHTML_format& f = m_.Elements[k].Format;
    const TLayoutElement& e = l_.Elements[k];
    const int s = f.CheckSize;
    if (s <= 0) return;
    const bool checked = f.CheckIndex >= 0 && static_cast<size_t>(f.CheckIndex) < m_.CheckBoxes.size() &&
                         m_.CheckBoxes[static_cast<size_t>(f.CheckIndex)].Checked;
    const int x = e.X, y = e.BaseY - e.Ascent;
    // Two black frames, the inside black when checked, white when not.
    painter_->fillRect(QRect(x, y, s, s), Qt::black);
    if (s > 4) painter_->fillRect(QRect(x + 2, y + 2, s - 4, s - 4), checked ? Qt::black : Qt::white);
  }

  void DrawElement(size_t k) {
    const tHTML_format& f = m_.Elements[k].Format;
    const std::string_view text = l_.Text(m_, k);
    if (f.TaskIndex >= kDragTaskBase && text != " ") {
      // A drag word: its place in the block colour; the blocks come later.
      painter_->fillRect(Cell(k), ToQColor(m_.Settings.BlockColor));
      return;
    }
    if (f.TaskIndex >= 0 && f.TaskIndex < kDragTaskBase && text != " ") {
      TypingGap(k);
      return;
    }
    DrawWord(k, std::nullopt, true);
  }

  // The solution is drawn, taken as the gap's picture, and the page gets the
  // empty gap back.
  void TypingGap(size_t k) {
    const QRect cell = Cell(k);
    const QRect taken(cell.left(), cell.top(), cell.width(), cell.height() + 1);
    painter_.Pause();
    const QImage saved = p_.buffer.copy(taken);
    DrawWord(k, std::nullopt, false);
    painter_.Pause();
    p_.out.GapPictures.push_back(
        {m_.Elements[k].Format.TaskIndex, static_cast<int32_t>(k), taken, p_.buffer.copy(taken)});
    CopyPicture(p_.buffer, taken.left(), taken.top(), saved);
  }

  void DrawWord(size_t k, std::optional<int32_t> colour, bool listed) {
    const TXText& x = m_.Elements[k];
    const tHTML_format& f = x.Format;
    const std::string_view text = l_.Text(m_, k);
    if (text == "\xFF") return;  // holds its place, never drawn
    const TLayoutElement& e = l_.Elements[k];
    auto [fore, back] = TextColors(m_, x);
    if (colour) fore = *colour;
    QPainter& p = *painter_;
    if (!f.ClearBack) p.fillRect(Cell(k), ToQColor(back));
    // Neighbouring words nearly always share their font and colour.
    const TFontMetrics::TFontId id = p_.metrics.Font(TFontKey::Of(f));
    const std::tuple<TFontMetrics::TFontId, int32_t, bool, int> font{id, f.Tracking, f.HotMark, painter_.Generation()};
    if (font != lastFont_) {
      QFont q = p_.metrics.QtFont(id);
      if (f.Tracking != 0) q.setLetterSpacing(QFont::AbsoluteSpacing, f.Tracking);
      if (f.HotMark) q.setUnderline(true);
      p.setFont(q);
      lastFont_ = font;
      lastColor_.reset();
    }
    if (lastColor_ != fore) {
      p.setPen(ToQColor(fore));
      lastColor_ = fore;
    }
    p.drawText(QPoint(e.X, e.BaseY), ToUnicode(text));
    if (listed && x.Kind == ekWord) {
      const bool continues = f.PhraseId >= 0 && f.PhraseId == lastPhrase_;
      p_.out.Words.push_back({std::string(text),
                              {e.X, e.BaseY - e.Ascent, e.X + e.Width, e.BaseY + e.Descent},
                              !continues,
                              static_cast<int32_t>(k)});
      lastPhrase_ = f.PhraseId;
    }
  }

  // A run of flashing link elements: its look under the mouse (the flash
  // colour) and its normal look go into the areas' bitmaps; the page keeps
  // the normal look.
  size_t FlashRun(size_t first, size_t n) {
    const int32_t link = m_.Elements[first].Format.LinkIndex;
    size_t end = first + 1;
    while (end < n && InFlashRun(end) && m_.Elements[end].Format.LinkIndex == link) ++end;
    std::vector<TAreaBitmaps*> bitmaps;
    std::vector<QRect> rects;
    for (size_t k = first; k < end; ++k) {
      const auto area = static_cast<size_t>(flashing_[k]);
      bitmaps.push_back(&p_.out.AreaBitmaps[area]);
      rects.push_back(ToQRect(m_.LinkNames.Areas[area].Rect));
    }
    painter_.Pause();
    for (size_t i = 0; i < rects.size(); ++i) bitmaps[i]->Off = p_.buffer.copy(rects[i]);
    for (size_t k = first; k < end; ++k) {
      const tHTML_format& f = m_.Elements[k].Format;
      if (IsDrawn(k)) DrawWord(k, ResolvedColor(m_, f.FlashColor, true), true);
    }
    painter_.Pause();
    for (size_t i = 0; i < rects.size(); ++i) {
      bitmaps[i]->On = p_.buffer.copy(rects[i]);
      CopyPicture(p_.buffer, rects[i].left(), rects[i].top(), bitmaps[i]->Off);
    }
    for (size_t k = first; k < end; ++k)
      if (IsDrawn(k)) DrawWord(k, std::nullopt, false);
    painter_.Pause();
    for (size_t i = 0; i < rects.size(); ++i) bitmaps[i]->Off = p_.buffer.copy(rects[i]);
    return end;
  }

  TDrawPass& p_;
  const TPageModel& m_;
  const TPageLayout& l_;
  TTextPainter painter_;
  const std::vector<int32_t>& flashing_;
  int32_t lastPhrase_ = -1;
  std::tuple<TFontMetrics::TFontId, int32_t, bool, int> lastFont_{-1, 0, false, -1};
  std::optional<int32_t> lastColor_;
};

}  // namespace

std::pair<int32_t, int32_t> TextColors(const TPageModel& m, const TXText& element) {
  const tHTML_format& f = element.Format;
  const bool link = f.LinkIndex >= 0;
  int32_t fore = ResolvedColor(m, f.Color, link);
  const bool marker = f.BackColor == kPageTextColor || f.BackColor == kPageLinkColor;
  const int32_t back = ResolvedColor(m, f.BackColor, link);
  if (!f.ClearBack && marker) {
    // <INV> on the default colours: the background takes the page's text
    // colour and the text the page's background (the black the default
    // background stood for, or a text as dark as its new background).
    const TRgb b = ColorToRgb(back);
    if (f.Color == 0 || ColorToRgb(fore) == b) fore = m.Settings.ColorBGR;
    if (ColorToRgb(fore) == b) fore = RgbToColor(b) ^ 0xFFFFFF;
  }
  return {fore, back};
}

void DrawTexts(TDrawPass& p) { TTextDrawer(p).Run(); }

}  // namespace vyr
