// Structure tags: conditions, includes and definitions.
#include <string>

#include "page/model/PageModel.h"
#include "page/reader/PageValues.h"
#include "page/reader/ReaderContext.h"
#include "platform/core/Messages.h"
#include "text/Case.h"
#include "text/Trim.h"

namespace vyr {
namespace {

// Includes inside includes stop here; the loader guards chains of its own.
constexpr int kMaxIncludeDepth = 16;

bool IsExerciseCondition(std::string_view c) { return SameText(c, "#ex"); }

}  // namespace

bool TReader::ConditionTrue(std::string_view c) {
  if (c[0] == '$') {
    const size_t eq = c.find('=');
    if (eq == std::string_view::npos) return !m_.Variables.Get(TrimView(c.substr(1))).empty();
    // True when the texts differ: the block is skipped when they are equal.
    return !SameText(m_.Variables.Get(TrimView(c.substr(1, eq - 1))), TrimView(c.substr(eq + 1)));
  }
  if (c[0] == '?') return m_.onSpecialCode && m_.onSpecialCode(std::string(c.substr(1))) == "+";
  if (IsExerciseCondition(c)) return m_.BuildingExercisePage;
  if (c[0] == '#') return !m_.Aliases.Get(c).empty();
  return m_.Bedingung.Has(c);
}

void TReader::TagIf(std::string_view condition) {
  if (condition.empty()) return;
  condition_.assign(condition);
  hasCondition_ = true;
  if (!ConditionTrue(condition)) skip_ = true;
}

void TReader::TagElse() {
  if (!hasCondition_) return;
  const std::string_view c = condition_;
  if (IsExerciseCondition(c)) skip_ = m_.BuildingExercisePage;
  else if (c[0] == '#') skip_ = !m_.Aliases.Get(c).empty();
  else if (c[0] == '$' || c[0] == '?') skip_ = !skip_;
  else skip_ = m_.Bedingung.Has(c);
  hasCondition_ = false;
}

void TReader::TagInclude(TAttributeCursor& a) {
  std::string target;
  if (a.Take("HREF")) target = a.Quoted();
  if (target.empty()) {
    ShowCourseMessage("Fehler bei INCLUDE <2>!!!", msg::Ok | msg::IconInformation);
    return;
  }
  if (!m_.onInclude) return;
  if (m_.Reader.IncludeDepth >= kMaxIncludeDepth) {
    ShowCourseMessage("Fehler bei INCLUDE!!!", msg::Ok | msg::IconInformation);
    return;
  }
  struct Depth {
    int& d;
    explicit Depth(int& depth) : d(depth) { ++d; }
    ~Depth() { --d; }
  } depth(m_.Reader.IncludeDepth);
  try {
    m_.onInclude(target);
  } catch (...) {
    ShowCourseMessage("Fehler bei INCLUDE!!!", msg::Ok | msg::IconInformation);
  }
}

// <DEFINE $name="value" …> and <ALIAS #name="value" …>.
void TReader::TagDefine(std::string_view attrs, char lead) {
  size_t pos = 0;
  for (;;) {
    const size_t start = attrs.find(lead, pos);
    if (start == std::string_view::npos) return;
    const size_t eq = attrs.find('=', start + 1);
    if (eq == std::string_view::npos) return;
    const size_t open = attrs.find('"', eq + 1);
    if (open == std::string_view::npos) return;
    const size_t close = attrs.find('"', open + 1);
    if (close == std::string_view::npos) return;
    pos = close + 1;
    const std::string_view name = TrimView(attrs.substr(start + 1, eq - start - 1));
    std::string value(attrs.substr(open + 1, close - open - 1));
    if (lead == '$') {
      // Variables can hold markup written with {…} and apostrophes.
      if (value.find('{') != std::string::npos)
        for (char& c : value) {
          if (c == '\'') c = '"';
          else if (c == '{') c = '<';
          else if (c == '}') c = '>';
        }
      m_.Variables.Set(name, value);
    } else {
      if (name.empty()) continue;
      if (!value.empty() && value[0] == '!') {
        const size_t at = value.find('@');
        const std::string note = at == std::string::npos ? std::string() : value.substr(at);
        value = NumberedPage(m_, value.size() > 1 && value[1] == '+') + note;
      }
      m_.Aliases.Set("#" + std::string(name), value);
    }
  }
}

void TReader::TagColors(std::string_view attrs) {
  size_t pos = 0;
  for (;;) {
    const size_t eq = attrs.find('=', pos);
    if (eq == std::string_view::npos) return;
    size_t end = eq + 1;
    while (end < attrs.size() && static_cast<unsigned char>(attrs[end]) > 32) ++end;
    const std::string name = LowerCase(TrimView(attrs.substr(pos, eq - pos)));
    if (!name.empty()) m_.ColorNames.Set(name, attrs.substr(eq + 1, end - eq - 1));
    pos = end;
  }
}

}  // namespace vyr
