#pragma once
// The program's version, taken from the build's project version.
#include <string>

namespace vyr {

struct TVersion {
  int major = 0, minor = 0, release = 0, build = 0;
};
TVersion ProgramVersionNumbers();
// "%d.%d%d%d" of major, minor, release and build, as pages and the about
// text show it ("5.0001").
std::string ProgramVersion();

}  // namespace vyr
