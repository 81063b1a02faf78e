#pragma once
// The link check of a laid-out page: every link area's name is checked in
// list order, then the page's other targets (Enter key, click anywhere,
// timed jump, access keys). A target that names a file must name one that
// exists; commands, web addresses, "back", notes, look-ups, check boxes,
// exercise steps and "END" need no file. An exercise container call is
// checked by the container it names.
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace vyr {

struct TPageModel;
struct TPageLayout;

struct TBadLink {
  std::string Name;    // the link as the page holds it (with its note); "(leeres Ziel)" for an empty one
  std::string Target;  // the file that was looked for; empty when the link names none
};

// Resolves a name written in the page to a course path; without one the
// model's own resolver is used (the loader's), else the page directory.
using TLinkResolver = std::function<std::string(std::string_view name)>;

std::vector<TBadLink> CheckLinks(const TPageModel& model, const TLinkResolver& resolve = {});
// The name of the first bad link, or "" when every link is good.
std::string FirstBadLink(const TPageModel& model, const TLinkResolver& resolve = {});

// A typing gap or field whose word, once done, would be drawn in the colour
// under it (the page's gap colour, white unless <BODY GAP> sets one, on a
// white page): the first such word, or "" when every solved word shows.
std::string FirstHiddenSolvedWord(const TPageModel& model);

// On a page taller than the window the scroll bar covers the right 16
// pixels: the first box or picture drawn there ("Kasten 3", "Bild 2"), or
// "" when nothing is. Text keeps out of it by its width.
std::string FirstDrawnUnderScrollBar(const TPageModel& model, const TPageLayout& layout);

}  // namespace vyr
