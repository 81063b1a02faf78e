#include "page/sources/ContainerCall.h"

#include <charconv>

#include "text/Case.h"

namespace vyr {
namespace {

void SkipBlanks(std::string_view& s) {
  while (!s.empty() && s.front() == ' ') s.remove_prefix(1);
}

// The value after a keyword: up to the next blank or the end.
std::string_view TakeValue(std::string_view& s) {
  const size_t end = s.find(' ');
  const std::string_view value = s.substr(0, end);
  s.remove_prefix(value.size());
  return value;
}

int PickCount(std::string_view value) {
  int n = 0;
  const auto [end, ec] = std::from_chars(value.data(), value.data() + value.size(), n);
  if (ec != std::errc() || end != value.data() + value.size() || n < 1) return -1;
  return n;
}

}  // namespace

bool IsContainerCall(std::string_view target) { return target.size() >= 3 && StartsWithText(target, "EX "); }

bool IsNextTaskLink(std::string_view target) { return SameText(target, "EX"); }

TContainerCall ParseContainerCall(std::string_view target) {
  TContainerCall call;
  std::string_view rest = target;
  call.hasEx = IsContainerCall(target);
  if (call.hasEx) rest.remove_prefix(3);
  SkipBlanks(rest);
  if (StartsWithText(rest, "PICK=")) {
    rest.remove_prefix(5);
    call.pick = PickCount(TakeValue(rest));
    SkipBlanks(rest);
  }
  if (StartsWithText(rest, "FILE=")) {
    rest.remove_prefix(5);
    call.file = std::string(TakeValue(rest));
    call.hasFile = !call.file.empty();
  }
  const size_t w = FindText(rest, "WEITER=");
  if (w != std::string_view::npos) {
    rest.remove_prefix(w + 7);
    call.weiter = std::string(TakeValue(rest));
    call.hasWeiter = true;
  } else {
    call.weiter = "#weiter";
  }
  return call;
}

}  // namespace vyr
