#include "page/reader/PageReader.h"

#include <cstring>
#include <string>
#include <unordered_map>

#include "page/model/PageModel.h"
#include "page/reader/Entities.h"
#include "page/reader/PageValues.h"
#include "page/reader/ReaderContext.h"
#include "platform/core/Messages.h"
#include "text/Case.h"
#include "text/Trim.h"

namespace vyr {
namespace {

// Insertions inside insertions stop at this depth, and one reading inserts
// at most this much text, so a variable that inserts itself cannot make
// reading endless.
constexpr size_t kMaxInsertDepth = 32;
constexpr size_t kMaxInsertedBytes = size_t(4) << 20;
constexpr size_t kMaxInsertions = 100000;

bool IsBlank(unsigned char c) { return c >= 1 && c <= 32; }

const char* EndOfText(const char* p, size_t n) {
  const void* nul = n ? std::memchr(p, 0, n) : nullptr;
  return nul ? static_cast<const char*>(nul) : p + n;
}

enum class Tag {
  Ignored,
  Title,
  EndTitle,
  If,
  Else,
  EndIf,
  Include,
  Define,
  Alias,
  Colors,
  Font,
  EndFont,
  Body,
  A,
  EndA,
  OnClick,
  Map,
  Area,
  Img,
  Box,
  Ellipse,
  CheckBox,
  Button,
  Input,
  Edit,
  Multiple,
  Klotz,
  Satz,
  Recorder,
};

Tag LookUp(std::string_view name) {
  static const std::unordered_map<std::string_view, Tag> kTags = {
      {"HTML", Tag::Ignored},
      {"/HTML", Tag::Ignored},
      {"/P", Tag::Ignored},
      {"/MAP", Tag::Ignored},
      {"TITLE", Tag::Title},
      {"/TITLE", Tag::EndTitle},
      {"IF", Tag::If},
      {"ELSE", Tag::Else},
      {"/IF", Tag::EndIf},
      {"INCLUDE", Tag::Include},
      {"DEFINE", Tag::Define},
      {"ALIAS", Tag::Alias},
      {"COLORS", Tag::Colors},
      {"FONT", Tag::Font},
      {"/FONT", Tag::EndFont},
      {"BODY", Tag::Body},
      {"A", Tag::A},
      {"/A", Tag::EndA},
      {"ONCLICK", Tag::OnClick},
      {"MAP", Tag::Map},
      {"AREA", Tag::Area},
      {"IMG", Tag::Img},
      {"BOX", Tag::Box},
      {"ELLIPSE", Tag::Ellipse},
      {"CHECKBOX", Tag::CheckBox},
      {"BUTTON", Tag::Button},
      {"INPUT", Tag::Input},
      {"EDIT", Tag::Edit},
      {"MULTIPLE", Tag::Multiple},
      {"KLOTZ", Tag::Klotz},
      {"SATZ", Tag::Satz},
      {"RECORDER", Tag::Recorder},
  };
  const auto it = kTags.find(name);
  return it == kTags.end() ? Tag::Ignored : it->second;
}

}  // namespace

void KeepSpaceFormat(TPageModel& m) {
  TReaderState& r = m.Reader;
  if (r.SpacePending && !r.SpaceFormatSaved) {
    r.SpaceFormat = m.Format;
    r.SpaceFormatSaved = true;
  }
}

void ResetPage(TPageModel& m) {
  m.Elements.clear();
  m.LinkNames.Clear();
  std::erase_if(m.Pictures, [](const TXPicture& p) { return !p.Keep; });
  m.Maps.clear();
  m.Boxes.clear();
  m.CheckBoxes.clear();
  m.Buttons.clear();
  m.InputLine = {};
  m.Keys.Clear();
  m.Aliases.Clear();
  m.ColorNames.Clear();
  m.TippAufgaben.clear();
  m.DragAufgaben = {};
  m.Satzbau.clear();
  m.Recorder = {};
  m.Lomo = {};
  m.Multiple.Reaction.clear();
  m.Settings = {};
  m.Format = {};
  m.Slots = {};
  m.Reader = {};
}

void ReadPage(TPageModel& model, std::string_view text) {
  ResetPage(model);
  TReader(model).Run(text);
}

void ReadIncludedText(TPageModel& model, std::string_view text) {
  KeepSpaceFormat(model);
  model.Format = {};
  TReader(model).Run(text);
}

void TReader::Run(std::string_view text) {
  p_ = text.data();
  e_ = EndOfText(text.data(), text.size());
  while (!stop_) {
    if (p_ >= e_) {
      if (stack_.empty()) break;
      p_ = stack_.back().p;
      e_ = stack_.back().e;
      stack_.pop_back();
      continue;
    }
    const auto c = static_cast<unsigned char>(*p_);
    if (c == '<' && (p_ + 1 >= e_ || p_[1] != '<')) {
      const void* gt = std::memchr(p_ + 1, '>', static_cast<size_t>(e_ - p_ - 1));
      if (!gt) break;  // a "<" without ">" ends reading
      const std::string_view tag(p_ + 1, static_cast<size_t>(static_cast<const char*>(gt) - p_ - 1));
      p_ = static_cast<const char*>(gt) + 1;
      HandleTag(tag);
      AfterTag();
    } else if (skip_) {
      SkipText();
    } else if (c == '$') {
      ReadInsertion();
    } else if (c >= 33 || c == '<') {
      ReadWord();
    } else {
      ReadBlanks();
    }
  }
}

void TReader::Insert(std::string text) {
  if (text.empty()) return;
  if (stack_.size() >= kMaxInsertDepth || insertedBytes_ + text.size() > kMaxInsertedBytes ||
      insertions_ >= kMaxInsertions) {
    if (!insertComplained_) {
      insertComplained_ = true;
      ShowCourseMessage(
          "Zu viele verschachtelte Einfügungen $[…] auf dieser Seite; der Rest wird nicht "
          "eingefügt.",
          msg::Ok | msg::IconInformation);
    }
    return;
  }
  insertedBytes_ += text.size();
  ++insertions_;
  auto owned = std::make_unique<std::string>(std::move(text));
  stack_.push_back({p_, e_, nullptr});
  p_ = owned->data();
  e_ = EndOfText(owned->data(), owned->size());
  // The text lives as long as the frame that returns from it.
  stack_.back().owned = std::move(owned);
}

void TReader::ReadInsertion() {
  const char* q = p_ + 1;
  if (q < e_) ++q;  // the character after "$", normally "["
  const void* close = std::memchr(q, ']', static_cast<size_t>(e_ - q));
  const char* nameEnd = close ? static_cast<const char*>(close) : e_;
  const std::string name(q, static_cast<size_t>(nameEnd - q));
  p_ = close ? nameEnd + 1 : e_;
  std::string value;
  if (const std::string* v = m_.Variables.Find(name)) {
    value = *v;
    if (!value.empty() && value[0] == '#' && m_.onSpecialCode) value = m_.onSpecialCode(value);
  } else {
    value = m_.onSpecialCode ? m_.onSpecialCode(name) : std::string("[undefined]");
  }
  Insert(std::move(value));
}

void TReader::ReadWord() {
  std::string text;
  if (*p_ == '<') {  // "<<" is one "<" at the start of a word
    text.push_back('<');
    p_ += 2;
  }
  const char* start = p_;
  if (f_.TaskIndex != -1) {
    while (p_ < e_ && *p_ != '<') ++p_;
  } else {
    while (p_ < e_ && !IsBlank(static_cast<unsigned char>(*p_)) && *p_ != '<') ++p_;
  }
  const std::string_view raw(start, static_cast<size_t>(p_ - start));
  if (raw.find('&') != std::string_view::npos) {
    text.append(raw);
    text = DecodeFirstEntity(text);
  } else {
    text.append(raw);
  }
  EmitPendingSpace();
  TXText& word = Append(ekWord, std::move(text));
  word.Format.TabPos = m_.Reader.PendingTab;
  m_.Reader.PendingTab = 0;
}

void TReader::ReadBlanks() {
  while (p_ < e_ && IsBlank(static_cast<unsigned char>(*p_))) ++p_;
  if (m_.Elements.empty()) return;
  const TElementKind last = m_.Elements.back().Kind;
  if (last == ekLineBreak || last == ekParagraph || last == ekBox) return;
  if (m_.Reader.PendingTab != 0 && f_.Align == 3) return;
  // The space takes the format in force now; it is copied only when a tag
  // is about to change the format before the next word.
  m_.Reader.SpacePending = true;
  m_.Reader.SpaceFormatSaved = false;
}

void TReader::SkipText() {
  const char* start = p_;
  while (p_ < e_) {
    if (*p_ == '<') {
      if (p_ + 1 < e_ && p_[1] == '<') {
        p_ += 2;
        continue;
      }
      break;
    }
    ++p_;
  }
  if (title_) m_.Settings.Title.assign(start, static_cast<size_t>(p_ - start));
}

void TReader::EmitPendingSpace() {
  TReaderState& r = m_.Reader;
  if (!r.SpacePending) return;
  r.SpacePending = false;
  if (m_.Elements.empty()) {
    m_.Elements.emplace_back(std::string(" "), ekSpace, r.SpaceFormatSaved ? r.SpaceFormat : f_);
    return;
  }
  if (m_.Elements.back().Kind == ekSpace) return;
  const int32_t linkBefore = m_.Elements.back().Format.LinkIndex;
  const bool hotBefore = m_.Elements.back().Format.HotMark;
  tHTML_format& space =
      m_.Elements.emplace_back(std::string(" "), ekSpace, r.SpaceFormatSaved ? r.SpaceFormat : f_).Format;
  space.TabPos = 0;
  if (space.LinkIndex != linkBefore) space.LinkIndex = -1;
  if (space.HotMark != hotBefore) space.HotMark = false;
}

TXText& TReader::Append(TElementKind kind, std::string text) {
  return m_.Elements.emplace_back(std::move(text), kind, f_);
}

void TReader::HandleTag(std::string_view tag) {
  if (!tag.empty() && tag[0] == '!') return;  // comment or document type
  size_t n = 0;
  while (n < tag.size() && !IsBlank(static_cast<unsigned char>(tag[n]))) ++n;
  std::string name(tag.substr(0, n));
  for (char& c : name)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 32);
  const std::string_view attrs = n < tag.size() ? tag.substr(n + 1) : std::string_view();
  KeepSpaceFormat(m_);
  ++f_.TagCount;
  const Tag id = LookUp(name);
  if (skip_) {
    if (id == Tag::EndIf) {
      skip_ = false;
      hasCondition_ = false;
    } else if (id == Tag::Else) {
      TagElse();
    } else if (id == Tag::EndTitle) {
      skip_ = title_ = false;
    }
    return;
  }
  TAttributeCursor a(attrs);
  switch (id) {
    case Tag::Title: skip_ = title_ = true; return;
    case Tag::EndTitle: skip_ = title_ = false; return;
    case Tag::If: TagIf(TrimView(attrs)); return;
    case Tag::Else: TagElse(); return;
    case Tag::EndIf: hasCondition_ = false; return;
    case Tag::Include: TagInclude(a); return;
    case Tag::Define: TagDefine(attrs, '$'); return;
    case Tag::Alias: TagDefine(attrs, '#'); return;
    case Tag::Colors: TagColors(attrs); return;
    case Tag::Font: TagFont(a); return;
    case Tag::EndFont:
      f_.FontSize = m_.Slots.Font.FontSize;
      f_.Color = m_.Slots.Font.Color;
      f_.FontName = m_.Slots.Font.FontName;
      return;
    case Tag::Body: TagBody(a); return;
    case Tag::A: TagA(a); return;
    case Tag::EndA: TagEndA(); return;
    case Tag::OnClick: TagOnClick(a); return;
    case Tag::Map: TagMap(a); return;
    case Tag::Area: TagArea(a); return;
    case Tag::Img: TagImg(a); return;
    case Tag::Box: TagBox(a); return;
    case Tag::Ellipse: TagEllipse(a); return;
    case Tag::CheckBox: TagCheckBox(a); return;
    case Tag::Button: TagButton(a); return;
    case Tag::Input: TagInput(a); return;
    case Tag::Edit: TagEdit(a); return;
    case Tag::Multiple: TagMultiple(a); return;
    case Tag::Klotz: TagKlotz(a); return;
    case Tag::Satz: TagSatz(a); return;
    case Tag::Recorder: TagRecorder(a); return;
    case Tag::Ignored: break;
  }
  if (name.empty() || TagTextStyle(name)) return;
  if (name[0] == 'X') {
    TagTab(name);
  } else if (name[0] == '+') {
    TagStyle(tag.substr(0, n));
  }
}

void TReader::AfterTag() {
  if (skip_) {
    SkipText();  // after <TITLE> this text is the title
  } else {
    if (pictureSource_) {
      EmitPendingSpace();
      EmitPicture();
    }
    if (tab_) m_.Reader.PendingTab = *tab_;
    if (!insertAfterTag_.empty()) Insert(std::move(insertAfterTag_));
  }
  pictureSource_.reset();
  tab_.reset();
  insertAfterTag_.clear();
}

std::string TReader::SpecialCode(const std::string& code) { return m_.onSpecialCode ? m_.onSpecialCode(code) : code; }

int32_t TReader::ParseColorValue(std::string_view v) { return ParseColor(m_, v); }

TTippAufgabe* TReader::NewTippAufgabe() {
  if (m_.TippAufgaben.size() >= kMaxTippAufgaben) {
    if (!m_.Reader.TooManyGapsShown) {
      m_.Reader.TooManyGapsShown = true;
      ShowCourseMessage(
          "Eine Seite kann höchstens 255 Eingabefelder haben; die weiteren werden nicht "
          "angelegt.",
          msg::Ok | msg::IconInformation);
    }
    return nullptr;
  }
  m_.TippAufgaben.emplace_back();
  return &m_.TippAufgaben.back();
}

}  // namespace vyr
