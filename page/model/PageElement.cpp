#include "page/model/PageElement.h"

namespace vyr {

const char* ElementKindName(TElementKind kind) {
  switch (kind) {
    case ekWord: return "word";
    case ekSpace: return "space";
    case ekLineBreak: return "break";
    case ekParagraph: return "paragraph";
    case ekBox: return "box";
    case ekCheckBox: return "checkbox";
    case ekPicture: return "picture";
  }
  return "?";
}

}  // namespace vyr
