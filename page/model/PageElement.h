#pragma once
// The elements reading a page produces: words, spaces, breaks, paragraphs,
// boxes, check boxes and pictures, each with a copy of the format in force.
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "page/model/PageFormat.h"

namespace vyr {

enum TElementKind : uint8_t {
  ekWord = 0,
  ekSpace = 1,
  ekLineBreak = 2,
  ekParagraph = 3,
  ekBox = 4,
  ekCheckBox = 5,
  ekPicture = 6,
};

struct TXText {
  TXText() = default;
  TXText(std::string text, TElementKind kind, const tHTML_format& format)
      : Text(std::move(text)), Kind(kind), Format(format) {}

  std::string Text;  // Windows-1252; " " for a space, empty for the other non-words
  TElementKind Kind = ekWord;
  tHTML_format Format;
};

// The page's element list; it owns its elements.
using tFormatted_text_list = std::vector<TXText>;

const char* ElementKindName(TElementKind kind);

}  // namespace vyr
