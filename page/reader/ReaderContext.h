#pragma once
// The state of one reading pass over a text (internal to the reader).
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "page/model/PageModel.h"
#include "page/reader/AttributeCursor.h"

namespace vyr {

// A pending space keeps the format in force at its blank: called before the
// current format changes.
void KeepSpaceFormat(TPageModel& m);

class TReader {
 public:
  explicit TReader(TPageModel& m) : m_(m), f_(m.Format) {}
  void Run(std::string_view text);

 private:
  struct Frame {
    const char* p;
    const char* e;
    std::unique_ptr<std::string> owned;  // inserted text
  };

  // scanning
  void Insert(std::string text);
  void ReadInsertion();
  void ReadWord();
  void ReadBlanks();
  void SkipText();
  void HandleTag(std::string_view tag);
  void AfterTag();

  // elements
  void EmitPendingSpace();
  TXText& Append(TElementKind kind, std::string text = {});

  // tags: structure and conditions (ReaderStructureTags.cpp)
  void TagIf(std::string_view condition);
  void TagElse();
  void TagInclude(TAttributeCursor& a);
  void TagDefine(std::string_view attrs, char lead);
  void TagColors(std::string_view attrs);
  bool ConditionTrue(std::string_view c);
  // tags: text style and layout (ReaderTextTags.cpp)
  bool TagTextStyle(std::string_view name);
  void TagTab(std::string_view name);
  void TagStyle(std::string_view name);
  void TagFont(TAttributeCursor& a);
  void TagBody(TAttributeCursor& a);
  // tags: links and maps (ReaderLinkTags.cpp)
  void TagA(TAttributeCursor& a);
  void TagEndA();
  void TagOnClick(TAttributeCursor& a);
  void TagMap(TAttributeCursor& a);
  void TagArea(TAttributeCursor& a);
  // tags: pictures, boxes, page objects (ReaderObjectTags.cpp)
  void TagImg(TAttributeCursor& a);
  void TagBox(TAttributeCursor& a);
  void TagEllipse(TAttributeCursor& a);
  void TagCheckBox(TAttributeCursor& a);
  void TagButton(TAttributeCursor& a);
  void TagInput(TAttributeCursor& a);
  void TagEdit(TAttributeCursor& a);
  void TagMultiple(TAttributeCursor& a);
  void TagKlotz(TAttributeCursor& a);
  void TagSatz(TAttributeCursor& a);
  void TagRecorder(TAttributeCursor& a);
  void EmitPicture();

  // helpers
  int32_t Color(TAttributeCursor& a) { return ParseColorValue(a.Bare()); }
  int32_t ParseColorValue(std::string_view v);
  TTippAufgabe* NewTippAufgabe();
  std::string SpecialCode(const std::string& code);

  TPageModel& m_;
  tHTML_format& f_;
  const char* p_ = nullptr;
  const char* e_ = nullptr;
  std::vector<Frame> stack_;
  bool stop_ = false;
  bool skip_ = false;
  bool title_ = false;
  bool hasCondition_ = false;
  std::string condition_;
  size_t insertedBytes_ = 0;
  size_t insertions_ = 0;
  bool insertComplained_ = false;
  // what the tag just read asks for after it
  std::optional<std::string> pictureSource_;
  std::optional<int32_t> tab_;
  std::string insertAfterTag_;
};

}  // namespace vyr
