#pragma once
// Decoding picture files for pages and styles into 24 bits per pixel
// (QImage::Format_RGB888). Bitmaps (1, 4, 8, 16, 24 and 32 bits, run-length
// packed 4 and 8 bits, bottom-up and top-down) and JPEG (through libjpeg) are
// decoded by our own code; PNG, GIF and the other formats Qt reads go through
// Qt's readers. Every size is checked against the limits below before any
// pixel memory is taken, and a damaged or cut-off file gives a null image; the
// caller reports the failure once.
#include <QImage>
#include <cstdint>
#include <string_view>

namespace vyr {

// The largest picture a page can hold: 20000 pixels on either side and
// 40 million pixels in all (120 MB at 24 bits).
constexpr int32_t kMaxPictureSide = 20000;
constexpr int64_t kMaxPicturePixels = 40'000'000;
// Picture files above this size are not read at all.
constexpr size_t kMaxPictureFileSize = size_t(256) << 20;

bool PictureSizeAllowed(int64_t width, int64_t height);

// A Windows bitmap file ("BM" header).
QImage DecodeBitmap(std::string_view data);
// A JPEG file (baseline or progressive; grey, colour or CMYK).
QImage DecodeJpeg(std::string_view data);
// Any picture file: bitmaps and JPEGs are recognised by their first bytes
// (whatever the name says); other formats are left to Qt, with the extension
// of `nameHint` as a hint.
QImage DecodePicture(std::string_view data, std::string_view nameHint = {});
// Reads and decodes a picture file given as a course path; null when the
// file is missing, too large or cannot be decoded.
QImage DecodePictureFile(std::string_view path);

// Any image as 24 bits per pixel; transparent parts are laid on white.
QImage To24Bit(const QImage& image);

}  // namespace vyr
