#pragma once
// The user file: a zlib stream of NUL-terminated strings, the first
// "name:password", then optionally "!" and the learning time, then three
// strings per record (key, score history, mode history).
//
// The learning time is written as hours, minutes and seconds, the hours
// beyond 24 when the time is that long ("!25:01:00"); a time of day as older
// files hold it reads the same way. The password is empty, a hash (marked,
// see PasswordHash.h) or, in older files, the clear text.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "shell/users/UserRecords.h"

namespace vyr {

// A user file never inflates to more than this; a larger one counts as broken.
inline constexpr size_t kMaxUserFileSize = size_t(64) << 20;

struct TUserFileContent {
  std::string name;      // as written before the ":"
  std::string password;  // the stored form after the ":"
  int64_t seconds = 0;   // accumulated learning time
  TUserRecords records;
};

// Reads the bytes of a non-empty user file; nullopt when they do not inflate
// or do not begin with a name and ":".
std::optional<TUserFileContent> ParseUserFile(std::string_view bytes);
// The compressed bytes of a user file.
std::string BuildUserFile(std::string_view name, std::string_view password, int64_t seconds,
                          const TUserRecords& records);

// "25:01:00": hours (at least two digits), minutes, seconds.
std::string FormatDuration(int64_t seconds);
// The seconds of "h:mm:ss" (any number of hours); nullopt when unreadable.
std::optional<int64_t> ParseDuration(std::string_view text);

}  // namespace vyr
