#pragma once
// Loading pictures into the page's picture list: shared by name, "*" keeps a
// picture across pages, "$name" is a picture stored in the program.
#include <QImage>
#include <cstdint>
#include <string_view>

namespace vyr {

struct TPageModel;

// The index of the picture in the list, -1 (after the message "Das Bild …
// konnte nicht geladen werden!") when it cannot be loaded.
int32_t LoadPicture(TPageModel& m, std::string_view name);
// A new, never shared entry of the given size painted by the owner.
int32_t AddRequestedPicture(TPageModel& m, std::string_view code, int32_t width, int32_t height);
// A picture file as 24 bits per pixel; a null image when it cannot be read.
QImage ReadPictureFile(std::string_view path);

}  // namespace vyr
