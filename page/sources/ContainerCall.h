#pragma once
// Link targets that work on exercise containers.
//
//   "EX PICK=n FILE=name WEITER=target"  loads the container "name" and asks n
//                                        of its tasks ("PICK=" and "WEITER="
//                                        may be left out)
//   "ex" (any case)                      asks the next task of the container
//
// A container call is "EX" followed by a blank; a file name that merely begins
// with the letters "ex" ("example.htx") is a file like any other.
#include <string>
#include <string_view>

namespace vyr {

struct TContainerCall {
  bool hasEx = false;    // the target begins with "EX "
  int pick = -1;         // tasks to ask; -1 = the number written in the file
  bool hasFile = false;  // "FILE=" was found where it belongs
  std::string file;      // the container's name as written in the link
  bool hasWeiter = false;
  std::string weiter;  // the continue target as written ("#weiter" without "WEITER=")
};

// True for "EX " followed by anything, in any letter case.
bool IsContainerCall(std::string_view target);
// True for the link that asks the next task: "ex" in any letter case.
bool IsNextTaskLink(std::string_view target);

// Reads a container call: after "EX " (blanks between the parts are skipped)
// "PICK=" must come first, then "FILE=", each value reaching to the next blank;
// "WEITER=" may stand anywhere after them. Keywords are matched ignoring case.
// A PICK value that is not a number from 1 up gives -1.
TContainerCall ParseContainerCall(std::string_view target);

}  // namespace vyr
