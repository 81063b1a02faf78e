#pragma once
// Link names as the link-name table holds them ("target@note", a "°" between
// the left- and the right-button target) and the hit test over link areas.
// No widgets: the page control and the link check both use these.
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>

#include "page/model/PageTables.h"

namespace vyr {

struct TPageModel;

// "°" and "§" as the page text holds them (Windows-1252).
inline constexpr char kRightButtonMark = '\xB0';
inline constexpr char kCommandMark = '\xA7';

struct TLinkParts {
  std::string Target;  // up to the first "@"
  std::string Note;    // after it; empty without "@"
};
TLinkParts SplitLinkName(std::string_view name);

// A target beginning with "#" becomes its alias's text without the note
// ("@..." cut); an undefined alias, or a page without aliases, gives "".
// Other targets stay as they are.
std::string ResolveAliasTarget(const TPageModel& model, std::string_view target);

// The part of a target a mouse button follows: before "°" for the left
// button, after it for the right one ("" when there is none).
std::string ButtonTarget(std::string_view target, bool rightButton);

struct TLinkHit {
  int32_t Area = -1;  // index in the link areas; -1 = no hit
  TLinkParts Parts;
  bool Flashing = false;
  bool hit() const { return Area >= 0; }
};

// The first area (in list order) whose rectangle holds the point, edges
// included; x and y are page coordinates.
TLinkHit HitTest(const tNamed_rectangle_list& links, int32_t x, int32_t y);

// The run of a hovered area: it and its neighbours with the same name and
// consecutive owning elements (the words of one link). First and last index.
std::pair<int32_t, int32_t> AreaRun(const tNamed_rectangle_list& links, int32_t area);

}  // namespace vyr
