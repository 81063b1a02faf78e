#pragma once
// The value forms of the page markup: colours, coordinates, variable texts,
// the solution lists of gaps and fields, and the preparation of link targets.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace vyr {

struct TPageModel;

// "#rrggbb", a colour name from <COLORS>, "$name", "random", "?rrggbb,…",
// "i<n>"; stored as 0x00BBGGRR. Empty and unreadable values give white.
int32_t ParseColor(const TPageModel& m, std::string_view value);

// x, y, w, h relative to the page control's size; w and h are kNoCoord when
// not written.
struct TCoords {
  int32_t x = 0, y = 0, w = 0, h = 0;
};
TCoords ParseCoords(const TPageModel& m, std::string_view value);

// "$name" gives the variable's text, anything else itself.
std::string VariableText(const TPageModel& m, std::string_view value);

// The name resolved against the page (the owner's resolver, else as page names resolve).
std::string ResolveName(const TPageModel& m, std::string_view name);

// The next ("+") or previous numbered page of the current file: its full
// path when the file exists (the condition "next" or "prev" is then set),
// otherwise empty (and the condition removed).
std::string NumberedPage(TPageModel& m, bool next);

// A link target of <A HREF>: note split off, "*" removed, "#name" and
// "$name" and "!+"/"!-" taken care of, the note put back. samePage reports a
// target that names the page being shown (such a link is no link).
std::string PrepareLinkTarget(TPageModel& m, std::string_view target, bool* samePage);
// A link target of <BOX HREF>: only "$name" and "!+"/"!-" are prepared.
std::string PrepareBoxTarget(TPageModel& m, std::string_view target);

// Solutions of a gap: "colour; color" split at each "; " (none when empty).
std::vector<std::string> SplitGapSolutions(std::string_view lsg);
// Solutions of an <EDIT> field: split at each ";" and trimmed (none when empty).
std::vector<std::string> SplitEditSolutions(std::string_view lsg);

}  // namespace vyr
