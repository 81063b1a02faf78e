#include "platform/core/Version.h"

#include <cstdio>

namespace vyr {

TVersion ProgramVersionNumbers() {
  return {VYR_VERSION_MAJOR, VYR_VERSION_MINOR, VYR_VERSION_PATCH, VYR_VERSION_TWEAK};
}

std::string ProgramVersion() {
  const TVersion v = ProgramVersionNumbers();
  char buf[64];
  std::snprintf(buf, sizeof buf, "%d.%d%d%d", v.major, v.minor, v.release, v.build);
  return buf;
}

}  // namespace vyr
