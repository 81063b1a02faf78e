// Any byte string is a user file: the reader must end without crashing, and
// what it reads must come back the same after writing and reading again.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "shell/users/UserFile.h"
#include "shell/users/UserStatistics.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const auto content = vyr::ParseUserFile(bytes);
  if (!content) return 0;
  const vyr::TUserStatistics st = vyr::ComputeStatistics(content->records);
  if (st.records != static_cast<int>(content->records.Size())) std::abort();
  const auto again =
      vyr::ParseUserFile(vyr::BuildUserFile(content->name, content->password, content->seconds, content->records));
  if (!again || again->records.Size() != content->records.Size() || again->seconds != content->seconds) std::abort();
  return 0;
}
