#pragma once
// How a name written in a page (link, picture, include, sound, document)
// becomes a course path, relative to the page directory XPath:
//
//   "*name"            the "*" is kept in front of the result
//   "name@note"        the note is cut off
//   "EX ... FILE=x"    a container call resolves to its file x (nothing
//                      without FILE=); "ex" alone resolves to nothing
//   "a/b.htx"          "/" counts as "\"
//   "C:\x", "\\srv\x"  taken as they are
//   "\x.htx"           inside the page directory, not at the drive's root
//   "..\x.htx"         one directory up from the page directory per "..\"
//   anything else      joined to the page directory
#include <string>
#include <string_view>

namespace vyr {

std::string ResolvePageName(std::string_view name, std::string_view xpath);
// A name joined to the page directory as written (no directory: the name).
std::string InPageDirectory(std::string_view xpath, std::string_view name);

// The page directory one level up ("C:\kurs\htx\" -> "C:\kurs\"); a drive's
// root or an empty path stays as it is.
std::string ParentDirectory(std::string_view dir);

// Page file kinds by extension, compared exactly (".HTX" is plain text).
bool IsCompressedPageName(std::string_view name);  // ".htx", ".hvyr", ".xtml", ".xtm"
bool IsContainerName(std::string_view name);       // ".vyr"

}  // namespace vyr
