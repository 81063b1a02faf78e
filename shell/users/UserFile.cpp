#include "shell/users/UserFile.h"

#include <charconv>

#include "text/Trim.h"
#include "text/ZStream.h"

namespace vyr {
namespace {

std::optional<int64_t> Number(std::string_view text, int64_t max) {
  int64_t n = 0;
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), n);
  if (ec != std::errc() || end != text.data() + text.size() || text.empty() || n < 0 || n > max) return {};
  return n;
}

}  // namespace

std::string FormatDuration(int64_t seconds) {
  if (seconds < 0) seconds = 0;
  const int64_t h = seconds / 3600, m = seconds / 60 % 60, s = seconds % 60;
  char buf[48];
  std::snprintf(buf, sizeof buf, "%02lld:%02lld:%02lld", static_cast<long long>(h), static_cast<long long>(m),
                static_cast<long long>(s));
  return buf;
}

std::optional<int64_t> ParseDuration(std::string_view text) {
  text = TrimView(text);
  const size_t c1 = text.find(':');
  if (c1 == std::string_view::npos) return {};
  const size_t c2 = text.find(':', c1 + 1);
  if (c2 == std::string_view::npos) return {};
  const auto h = Number(text.substr(0, c1), 24 * 365 * 100);  // a hundred years at most
  const auto m = Number(text.substr(c1 + 1, c2 - c1 - 1), 59);
  const auto s = Number(text.substr(c2 + 1), 59);
  if (!h || !m || !s) return {};
  return *h * 3600 + *m * 60 + *s;
}

std::optional<TUserFileContent> ParseUserFile(std::string_view bytes) {
  const auto data = Inflate(bytes, kMaxUserFileSize);
  if (!data || data->empty()) return {};
  const std::vector<std::string> strings = SplitZStrings(*data);
  if (strings.empty()) return {};
  const size_t colon = strings[0].find(':');
  if (colon == std::string::npos || colon == 0) return {};
  TUserFileContent content;
  content.name = strings[0].substr(0, colon);
  content.password = strings[0].substr(colon + 1);
  size_t i = 1;
  if (i < strings.size() && !strings[i].empty() && strings[i][0] == '!') {
    content.seconds = ParseDuration(std::string_view(strings[i]).substr(1)).value_or(0);
    ++i;
  }
  // Records run to the end of the data; a last one cut short keeps what it has.
  for (; i < strings.size(); i += 3) {
    TXUserVoc r;
    r.Key = Trim(strings[i]);
    if (i + 1 < strings.size()) r.ScoreHistory = Trim(strings[i + 1]);
    if (i + 2 < strings.size()) r.ModeHistory = Trim(strings[i + 2]);
    content.records.Append(std::move(r));
  }
  return content;
}

std::string BuildUserFile(std::string_view name, std::string_view password, int64_t seconds,
                          const TUserRecords& records) {
  std::string data;
  data.reserve(64 + records.Size() * 24);
  data.append(name).append(":").append(password).push_back('\0');
  data.append("!").append(FormatDuration(seconds)).push_back('\0');
  for (const TXUserVoc& r : records.Records()) {
    if (r.Key.empty()) continue;
    data.append(r.Key).push_back('\0');
    data.append(r.ScoreHistory).push_back('\0');
    data.append(r.ModeHistory).push_back('\0');
  }
  return Deflate(data);
}

}  // namespace vyr
