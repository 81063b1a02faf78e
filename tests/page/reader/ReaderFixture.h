#pragma once
// A page model set up for reader tests: a 640 x 480 page control, a fixed
// set of installed fonts, a fixed random seed and recorded messages.
#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "page/model/PageModel.h"
#include "page/reader/PageReader.h"
#include "platform/core/MessageRecorder.h"
#include "platform/core/Random.h"
#include "text/Case.h"

namespace vyr::test {

class ReaderTest : public ::testing::Test {
 protected:
  ReaderTest() {
    m.ClientWidth = 640;
    m.ClientHeight = 480;
    m.onFontInstalled = [](const std::string& face) { return SameText(face, "Arial") || SameText(face, "Verdana"); };
    SetRandomSeed(7);
  }

  void Read(std::string_view markup) { ReadPage(m, markup); }

  // The elements in short: words as written, "_" a space, "BR", "P", "BOX",
  // "CHECK", "IMG", joined by "|".
  std::string Elements() const {
    std::string out;
    for (const TXText& e : m.Elements) {
      if (!out.empty()) out += '|';
      switch (e.Kind) {
        case ekWord: out += e.Text; break;
        case ekSpace: out += '_'; break;
        case ekLineBreak: out += "BR"; break;
        case ekParagraph: out += "P"; break;
        case ekBox: out += "BOX"; break;
        case ekCheckBox: out += "CHECK"; break;
        case ekPicture: out += "IMG"; break;
      }
    }
    return out;
  }

  // The first word element with this text.
  const TXText& Word(std::string_view text) const {
    for (const TXText& e : m.Elements)
      if (e.Kind == ekWord && e.Text == text) return e;
    ADD_FAILURE() << "no word " << text << " in " << Elements();
    static const TXText none;
    return none;
  }

  TPageModel m;
  TMessageRecorder messages;
};

}  // namespace vyr::test
