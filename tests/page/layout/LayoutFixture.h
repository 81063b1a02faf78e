#pragma once
// Pages laid out with the fixed test font on a page control 232 pixels wide
// (text width 200) and 300 pixels high. At the default size every character
// is 8 pixels wide, ascent 16, descent 4, height 20, so a first baseline is
// at 16 + 16 = 32 and the default line step is 4 + 1 + 16 = 21 pixels.
#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

#include "page/layout/FontMetrics.h"
#include "page/layout/PageLayout.h"
#include "page/model/PageModel.h"
#include "page/reader/PageReader.h"
#include "platform/core/MessageRecorder.h"
#include "text/Case.h"

namespace vyr::test {

class LayoutTest : public ::testing::Test {
 protected:
  static constexpr int32_t kFirstBaseline = 32;
  static constexpr int32_t kLineStep = 21;

  LayoutTest() {
    m.ClientWidth = 232;
    m.ClientHeight = 300;
    m.onFontInstalled = [](const std::string& face) { return SameText(face, "Arial"); };
    // "%WxH=code" pictures: a plain picture of that size.
    m.onPictureRequest = [](const std::string&, QImage&) {};
  }

  void Lay(std::string_view markup) {
    ReadPage(m, markup);
    Relayout();
  }
  void Relayout() { LayoutPage(m, fonts, l); }

  // The n-th word element (0 = first) with this text.
  int32_t Index(std::string_view text, int n = 0) const {
    for (size_t i = 0; i < m.Elements.size(); ++i)
      if (m.Elements[i].Kind == ekWord && m.Elements[i].Text == text && n-- == 0) return static_cast<int32_t>(i);
    ADD_FAILURE() << "no word " << text;
    return -1;
  }
  const TLayoutElement& W(std::string_view text, int n = 0) const {
    static const TLayoutElement none;
    const int32_t i = Index(text, n);
    return i < 0 ? none : l.Elements[static_cast<size_t>(i)];
  }
  // The first element of a kind.
  int32_t IndexOf(TElementKind kind, int n = 0) const {
    for (size_t i = 0; i < m.Elements.size(); ++i)
      if (m.Elements[i].Kind == kind && n-- == 0) return static_cast<int32_t>(i);
    ADD_FAILURE() << "no element of kind " << ElementKindName(kind);
    return -1;
  }
  const TLayoutElement& K(TElementKind kind, int n = 0) const {
    static const TLayoutElement none;
    const int32_t i = IndexOf(kind, n);
    return i < 0 ? none : l.Elements[static_cast<size_t>(i)];
  }

  // The words of every line, joined by blanks, lines joined by "|".
  std::string Lines() const {
    std::string out;
    for (const TLayoutLine& line : l.Lines) {
      if (!out.empty()) out += '|';
      std::string words;
      for (int32_t k = line.First; k < line.First + line.Count; ++k) {
        const TXText& e = m.Elements[static_cast<size_t>(k)];
        if (e.Kind != ekWord) continue;
        if (!words.empty()) words += ' ';
        words += e.Text;
      }
      out += words;
    }
    return out;
  }

  // Every element belongs to exactly one line, lines in order.
  void ExpectLinesCoverElements() const {
    int32_t next = 0;
    for (const TLayoutLine& line : l.Lines) {
      EXPECT_EQ(line.First, next);
      EXPECT_GT(line.Count, 0);
      next = line.First + line.Count;
    }
    EXPECT_EQ(next, static_cast<int32_t>(m.Elements.size()));
  }

  TPageModel m;
  TFixedFontMetrics fonts;
  TPageLayout l;
  TMessageRecorder messages;
};

}  // namespace vyr::test
