#include <gtest/gtest.h>

#include <QBuffer>
#include <QImage>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

extern "C" {
#include <jpeglib.h>
}
#include <zlib.h>

#include "page/sources/PictureDecode.h"
#include "tests/common/TempDir.h"

namespace vyr {
namespace {

struct Rgb {
  int r, g, b;
  bool operator==(const Rgb&) const = default;
};

Rgb PixelAt(const QImage& img, int x, int y) {
  const uint8_t* p = img.constScanLine(y) + 3 * x;
  return {p[0], p[1], p[2]};
}

void Put16(std::string& s, size_t at, uint32_t v) {
  s[at] = char(v & 0xFF);
  s[at + 1] = char((v >> 8) & 0xFF);
}
void Put32(std::string& s, size_t at, uint32_t v) {
  Put16(s, at, v & 0xFFFF);
  Put16(s, at + 2, v >> 16);
}

// A bitmap file of `total` bytes with a 40-byte header; the pixels start at
// `offset`.
std::string Header(int width, int height, int bits, uint32_t compression, size_t offset, size_t total) {
  std::string s(total, '\0');
  s[0] = 'B', s[1] = 'M';
  Put32(s, 2, uint32_t(total));
  Put32(s, 10, uint32_t(offset));
  Put32(s, 14, 40);
  Put32(s, 18, uint32_t(width));
  Put32(s, 22, uint32_t(height));
  Put16(s, 26, 1);
  Put16(s, 28, uint32_t(bits));
  Put32(s, 30, compression);
  return s;
}

// The picture every bitmap test writes: 3 x 2 pixels, so rows need padding.
//   row 0: red   green blue
//   row 1: white black grey
const Rgb kPicture[2][3] = {{{255, 0, 0}, {0, 255, 0}, {0, 0, 255}}, {{255, 255, 255}, {0, 0, 0}, {128, 128, 128}}};

// A bitmap file of kPicture in the given depth; palettes hold the six colours.
std::string MakeBitmap(int bits, bool topDown, int width = 3, int height = 2) {
  const int colours = bits <= 8 ? (1 << bits) : 0;
  const size_t stride = (size_t(width) * bits + 31) / 32 * 4;
  const size_t offset = 14 + 40 + size_t(colours) * 4;
  std::string s = Header(width, topDown ? -height : height, bits, 0, offset, offset + stride * height);
  // palette: index i = the i-th colour of kPicture in reading order; for one
  // bit only black (0) and white (1).
  auto colourIndex = [&](int x, int y) {
    if (bits == 1) return kPicture[y % 2][x % 3] == Rgb{0, 0, 0} ? 0 : 1;
    return (y % 2) * 3 + x % 3;
  };
  for (int i = 0; i < colours; ++i) {
    Rgb c{0, 0, 0};
    if (bits == 1) c = i ? Rgb{255, 255, 255} : Rgb{0, 0, 0};
    else if (i < 6) c = kPicture[i / 3][i % 3];
    s[54 + 4 * i] = char(c.b), s[54 + 4 * i + 1] = char(c.g), s[54 + 4 * i + 2] = char(c.r);
  }
  for (int y = 0; y < height; ++y) {
    const int fileRow = topDown ? y : height - 1 - y;
    char* row = s.data() + offset + stride * fileRow;
    for (int x = 0; x < width; ++x) {
      const Rgb c = kPicture[y % 2][x % 3];
      if (bits == 24) {
        row[3 * x] = char(c.b), row[3 * x + 1] = char(c.g), row[3 * x + 2] = char(c.r);
      } else if (bits == 8) {
        row[x] = char(colourIndex(x, y));
      } else if (bits == 4) {
        row[x / 2] = char(row[x / 2] | (colourIndex(x, y) << ((x & 1) ? 0 : 4)));
      } else {
        row[x / 8] = char(row[x / 8] | (colourIndex(x, y) << (7 - (x & 7))));
      }
    }
  }
  return s;
}

Rgb Expected(int bits, int x, int y) {
  const Rgb c = kPicture[y % 2][x % 3];
  if (bits != 1) return c;
  return c == Rgb{0, 0, 0} ? c : Rgb{255, 255, 255};
}

struct BitmapCase {
  int bits;
  bool topDown;
};

class BitmapDepths : public ::testing::TestWithParam<BitmapCase> {};

TEST_P(BitmapDepths, DecodesEveryPixelInPlace) {
  const auto [bits, topDown] = GetParam();
  const QImage img = DecodeBitmap(MakeBitmap(bits, topDown));
  ASSERT_FALSE(img.isNull());
  EXPECT_EQ(img.format(), QImage::Format_RGB888);
  ASSERT_EQ(img.size(), QSize(3, 2));
  for (int y = 0; y < 2; ++y)
    for (int x = 0; x < 3; ++x) EXPECT_EQ(PixelAt(img, x, y), Expected(bits, x, y)) << "x " << x << " y " << y;
}

INSTANTIATE_TEST_SUITE_P(Depths, BitmapDepths,
                         ::testing::Values(BitmapCase{1, false}, BitmapCase{4, false}, BitmapCase{8, false},
                                           BitmapCase{24, false}, BitmapCase{1, true}, BitmapCase{4, true},
                                           BitmapCase{8, true}, BitmapCase{24, true}));

TEST(Bitmap, WideOneBitRowsCrossByteBoundaries) {
  const QImage img = DecodeBitmap(MakeBitmap(1, false, 19, 3));
  ASSERT_EQ(img.size(), QSize(19, 3));
  for (int y = 0; y < 3; ++y)
    for (int x = 0; x < 19; ++x) ASSERT_EQ(PixelAt(img, x, y), Expected(1, x, y)) << x << "," << y;
}

TEST(Bitmap, ThirtyTwoBitsWithBitFields) {
  // 2 x 1, masks for X8R8G8B8 given explicitly after a 40-byte header.
  std::string s = Header(2, 1, 32, 3, 66, 14 + 40 + 12 + 8);
  Put32(s, 54, 0x00FF0000), Put32(s, 58, 0x0000FF00), Put32(s, 62, 0x000000FF);
  Put32(s, 66, 0x00102030), Put32(s, 70, 0x00FF8000);
  const QImage img = DecodeBitmap(s);
  ASSERT_EQ(img.size(), QSize(2, 1));
  EXPECT_EQ(PixelAt(img, 0, 0), (Rgb{0x10, 0x20, 0x30}));
  EXPECT_EQ(PixelAt(img, 1, 0), (Rgb{0xFF, 0x80, 0x00}));
}

TEST(Bitmap, SixteenBitsFiveFiveFive) {
  std::string s = Header(2, 1, 16, 0, 54, 14 + 40 + 4);
  Put16(s, 54, 0x7C00);  // full red
  Put16(s, 56, 0x001F);  // full blue
  const QImage img = DecodeBitmap(s);
  ASSERT_EQ(img.size(), QSize(2, 1));
  EXPECT_EQ(PixelAt(img, 0, 0), (Rgb{255, 0, 0}));
  EXPECT_EQ(PixelAt(img, 1, 0), (Rgb{0, 0, 255}));
}

TEST(Bitmap, RunLengthEightBits) {
  // 4 x 2: bottom row "3 pixels of index 1, then index 2", top row a literal
  // run 2 1 2 1 1... given as absolute mode of 4 pixels.
  std::string s = MakeBitmap(8, false, 4, 2);
  const std::string rle = std::string("\x03\x01\x01\x02\x00\x00", 6) + std::string("\x00\x04\x02\x01\x02\x01", 6) +
                          std::string("\x00\x01", 2);
  s.resize(14 + 40 + 256 * 4);
  s += rle;
  Put32(s, 30, 1);  // RLE8
  const QImage img = DecodeBitmap(s);
  ASSERT_EQ(img.size(), QSize(4, 2));
  const Rgb c1 = kPicture[0][1], c2 = kPicture[0][2];
  EXPECT_EQ(PixelAt(img, 0, 1), c1);
  EXPECT_EQ(PixelAt(img, 2, 1), c1);
  EXPECT_EQ(PixelAt(img, 3, 1), c2);
  EXPECT_EQ(PixelAt(img, 0, 0), c2);
  EXPECT_EQ(PixelAt(img, 1, 0), c1);
  // Cut before the end mark and inside a run: damaged.
  Put32(s, 30, 1);
  EXPECT_TRUE(DecodeBitmap(s.substr(0, s.size() - 9)).isNull());
}

TEST(Bitmap, OldStyleHeaderWithThreeBytePalette) {
  // 12-byte header, 1 bit, 2 x 1: white, black
  std::string s(14 + 12 + 6 + 4, '\0');
  s[0] = 'B', s[1] = 'M';
  Put32(s, 10, 32);
  Put32(s, 14, 12);
  Put16(s, 18, 2);
  Put16(s, 20, 1);
  Put16(s, 22, 1);
  Put16(s, 24, 1);
  s[26] = 0, s[27] = 0, s[28] = 0;                             // black
  s[29] = char(0xFF), s[30] = char(0xFF), s[31] = char(0xFF);  // white
  s[32] = char(0x80);                                          // 1 0
  const QImage img = DecodeBitmap(s);
  ASSERT_EQ(img.size(), QSize(2, 1));
  EXPECT_EQ(PixelAt(img, 0, 0), (Rgb{255, 255, 255}));
  EXPECT_EQ(PixelAt(img, 1, 0), (Rgb{0, 0, 0}));
}

TEST(Bitmap, IndexBeyondTheShortPaletteIsBlack) {
  std::string s = MakeBitmap(8, false);
  // Declare only 2 colours used; pixels with index 2..5 fall outside.
  Put32(s, 46, 2);
  const QImage img = DecodeBitmap(s);
  ASSERT_FALSE(img.isNull());
  EXPECT_EQ(PixelAt(img, 1, 0), kPicture[0][1]);
  EXPECT_EQ(PixelAt(img, 2, 0), (Rgb{0, 0, 0}));
}

TEST(Bitmap, EveryCutOffFileGivesNothing) {
  for (int bits : {1, 8, 24}) {
    const std::string whole = MakeBitmap(bits, false, 5, 4);
    ASSERT_FALSE(DecodeBitmap(whole).isNull());
    // The last row may lack its padding only; anything shorter is damaged.
    const size_t rowBytes = (5 * bits + 7) / 8, stride = (5 * size_t(bits) + 31) / 32 * 4;
    const size_t shortest = whole.size() - (stride - rowBytes);
    for (size_t n = 0; n < shortest; ++n)
      ASSERT_TRUE(DecodeBitmap(whole.substr(0, n)).isNull()) << bits << " bits, " << n;
  }
}

TEST(Bitmap, ImpossibleSizesAreRefusedBeforeAllocation) {
  struct Size {
    int64_t w, h;
  };
  for (const Size sz : {Size{100000, 100000}, Size{30000, 1}, Size{1, 30000}, Size{0, 5}, Size{5, 0}, Size{-3, 2},
                        Size{8000, 8000}, Size{1, int64_t(INT32_MIN)}}) {
    std::string s = MakeBitmap(24, false);
    Put32(s, 18, uint32_t(sz.w));
    Put32(s, 22, uint32_t(sz.h));
    EXPECT_TRUE(DecodeBitmap(s).isNull()) << sz.w << " x " << sz.h;
  }
}

TEST(Bitmap, UnknownDepthsAndCompressionsAreRefused) {
  std::string s = MakeBitmap(24, false);
  Put16(s, 28, 7);
  EXPECT_TRUE(DecodeBitmap(s).isNull());
  s = MakeBitmap(24, false);
  Put32(s, 30, 4);  // an embedded JPEG
  EXPECT_TRUE(DecodeBitmap(s).isNull());
  s = MakeBitmap(8, true);
  Put32(s, 30, 1);  // run-length packing top-down is not allowed
  EXPECT_TRUE(DecodeBitmap(s).isNull());
  EXPECT_TRUE(DecodeBitmap("BM").isNull());
  EXPECT_TRUE(DecodeBitmap("").isNull());
}

// ---------------------------------------------------------------------------

enum class JpegKind { Colour, Grey, Cmyk, Progressive };

// 16 x 8: the left half red, the right half blue (grey: dark and light).
std::string MakeJpeg(JpegKind kind) {
  jpeg_compress_struct c;
  jpeg_error_mgr err;
  c.err = jpeg_std_error(&err);
  jpeg_create_compress(&c);
  unsigned char* out = nullptr;
  unsigned long size = 0;
  jpeg_mem_dest(&c, &out, &size);
  c.image_width = 16;
  c.image_height = 8;
  c.input_components = kind == JpegKind::Grey ? 1 : kind == JpegKind::Cmyk ? 4 : 3;
  c.in_color_space = kind == JpegKind::Grey ? JCS_GRAYSCALE : kind == JpegKind::Cmyk ? JCS_CMYK : JCS_RGB;
  jpeg_set_defaults(&c);
  jpeg_set_quality(&c, 95, TRUE);
  if (kind == JpegKind::Progressive) jpeg_simple_progression(&c);
  jpeg_start_compress(&c, TRUE);
  std::vector<unsigned char> row(16 * 4);
  while (c.next_scanline < c.image_height) {
    for (int x = 0; x < 16; ++x) {
      const bool left = x < 8;
      unsigned char* p = row.data() + x * c.input_components;
      if (kind == JpegKind::Grey) {
        p[0] = left ? 40 : 220;
      } else if (kind == JpegKind::Cmyk) {
        // stored inverted, as Adobe writes it: red is C 0 M 255 Y 255 K 0
        const unsigned char red[4] = {0, 255, 255, 0}, blue[4] = {255, 255, 0, 0};
        for (int k = 0; k < 4; ++k) p[k] = static_cast<unsigned char>(255 - (left ? red[k] : blue[k]));
      } else {
        p[0] = left ? 255 : 0, p[1] = 0, p[2] = left ? 0 : 255;
      }
    }
    JSAMPROW r = row.data();
    jpeg_write_scanlines(&c, &r, 1);
  }
  jpeg_finish_compress(&c);
  jpeg_destroy_compress(&c);
  std::string s(reinterpret_cast<char*>(out), size);
  free(out);
  return s;
}

bool Near(Rgb a, Rgb b, int tolerance = 12) {
  return std::abs(a.r - b.r) <= tolerance && std::abs(a.g - b.g) <= tolerance && std::abs(a.b - b.b) <= tolerance;
}

TEST(Jpeg, ColourProgressiveAndCmykFilesDecodeTo24Bits) {
  for (JpegKind kind : {JpegKind::Colour, JpegKind::Progressive, JpegKind::Cmyk}) {
    const QImage img = DecodeJpeg(MakeJpeg(kind));
    ASSERT_FALSE(img.isNull()) << int(kind);
    EXPECT_EQ(img.format(), QImage::Format_RGB888);
    ASSERT_EQ(img.size(), QSize(16, 8));
    EXPECT_TRUE(Near(PixelAt(img, 2, 4), Rgb{255, 0, 0})) << int(kind);
    EXPECT_TRUE(Near(PixelAt(img, 13, 4), Rgb{0, 0, 255})) << int(kind);
  }
}

TEST(Jpeg, GreyFileGivesEqualChannels) {
  const QImage img = DecodeJpeg(MakeJpeg(JpegKind::Grey));
  ASSERT_EQ(img.size(), QSize(16, 8));
  const Rgb dark = PixelAt(img, 2, 2), light = PixelAt(img, 13, 2);
  EXPECT_TRUE(dark.r == dark.g && dark.g == dark.b);
  EXPECT_TRUE(Near(dark, Rgb{40, 40, 40}, 6));
  EXPECT_TRUE(Near(light, Rgb{220, 220, 220}, 6));
}

TEST(Jpeg, CutOffAndDamagedFilesGiveNothing) {
  const std::string whole = MakeJpeg(JpegKind::Colour);
  ASSERT_FALSE(DecodeJpeg(whole).isNull());
  // Without its end marker the data is still complete and is shown; every
  // shorter cut loses picture data.
  EXPECT_FALSE(DecodeJpeg(whole.substr(0, whole.size() - 2)).isNull());
  for (size_t n = 0; n + 2 < whole.size(); ++n) ASSERT_TRUE(DecodeJpeg(whole.substr(0, n)).isNull()) << n;
  std::string broken = whole;
  for (size_t i = 2; i < 40 && i < broken.size(); ++i) broken[i] = char(0x5A);
  EXPECT_TRUE(DecodeJpeg(broken).isNull());
}

TEST(Jpeg, ImpossibleSizeInTheHeaderIsRefused) {
  std::string s = MakeJpeg(JpegKind::Colour);
  // The frame header (SOF0: FF C0, length, precision, height, width).
  const size_t sof = s.find("\xFF\xC0");
  ASSERT_NE(sof, std::string::npos);
  s[sof + 5] = char(0xFF), s[sof + 6] = char(0xF0);  // height 65520
  s[sof + 7] = char(0xFF), s[sof + 8] = char(0xF0);  // width 65520
  EXPECT_TRUE(DecodeJpeg(s).isNull());
}

// Damaged files of every kind: random bytes changed anywhere. Decoding must
// give nothing or a picture of a size it could hold, and never crash.
TEST(Picture, RandomlyDamagedFilesNeverCrash) {
  std::vector<std::string> files = {MakeBitmap(1, false, 9, 5), MakeBitmap(4, true, 7, 3),
                                    MakeBitmap(8, false, 6, 6), MakeBitmap(24, false, 5, 4),
                                    MakeJpeg(JpegKind::Colour), MakeJpeg(JpegKind::Progressive)};
  std::string rle = MakeBitmap(8, false, 4, 2);
  rle.resize(14 + 40 + 256 * 4);
  rle += std::string("\x03\x01\x00\x03\x01\x02\x03\x00\x00\x00\x02\x01\x01\x00\x01", 15);
  Put32(rle, 30, 1);
  files.push_back(rle);
  uint32_t x = 2024;
  auto next = [&] { return x = x * 1664525u + 1013904223u; };
  for (const std::string& whole : files) {
    for (int round = 0; round < 400; ++round) {
      std::string damaged = whole;
      const int changes = 1 + int(next() % 4);
      for (int i = 0; i < changes; ++i) {
        // mostly the headers, sometimes the data
        const size_t at = (next() % 4 ? next() % std::min<size_t>(64, damaged.size()) : next() % damaged.size());
        damaged[at] = char(next() >> 24);
      }
      const QImage img = DecodePicture(damaged);
      if (!img.isNull()) {
        ASSERT_EQ(img.format(), QImage::Format_RGB888);
        ASSERT_TRUE(PictureSizeAllowed(img.width(), img.height()));
      }
    }
  }
}

// ---------------------------------------------------------------------------

std::string Encoded(const QImage& img, const char* format) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  img.save(&buffer, format);
  return bytes.toStdString();
}

TEST(Picture, FormatFollowsTheContentNotTheName) {
  EXPECT_FALSE(DecodePicture(MakeJpeg(JpegKind::Colour), "bild.bmp").isNull());
  EXPECT_FALSE(DecodePicture(MakeBitmap(24, false), "bild.jpg").isNull());
}

TEST(Picture, OtherFormatsThroughQtWithTransparencyOnWhite) {
  QImage png(2, 1, QImage::Format_ARGB32);
  png.setPixel(0, 0, qRgba(0, 0, 255, 255));
  png.setPixel(1, 0, qRgba(0, 0, 0, 0));
  const QImage img = DecodePicture(Encoded(png, "PNG"), "C:\\kurs\\bild.png");
  ASSERT_EQ(img.size(), QSize(2, 1));
  EXPECT_EQ(img.format(), QImage::Format_RGB888);
  EXPECT_EQ(PixelAt(img, 0, 0), (Rgb{0, 0, 255}));
  EXPECT_EQ(PixelAt(img, 1, 0), (Rgb{255, 255, 255}));
}

TEST(Picture, OversizedPngHeaderIsRefused) {
  std::string s = Encoded(QImage(4, 4, QImage::Format_RGB32), "PNG");
  // IHDR width and height at bytes 16..23, its check sum after the data.
  for (int i = 16; i < 24; ++i) s[i] = 0;
  s[17] = char(0x01), s[21] = char(0x01);  // 65536 x 65536
  const uLong crc = crc32(0, reinterpret_cast<const Bytef*>(s.data() + 12), 17);
  Put32(s, 29, 0);
  for (int i = 0; i < 4; ++i) s[29 + i] = char((crc >> (24 - 8 * i)) & 0xFF);
  EXPECT_TRUE(DecodePicture(s, "x.png").isNull());
  // the same header with a size that fits is read
  s[17] = 0, s[21] = 0, s[19] = 4, s[23] = 4;
  const uLong ok = crc32(0, reinterpret_cast<const Bytef*>(s.data() + 12), 17);
  for (int i = 0; i < 4; ++i) s[29 + i] = char((ok >> (24 - 8 * i)) & 0xFF);
  EXPECT_EQ(DecodePicture(s, "x.png").size(), QSize(4, 4));
  EXPECT_TRUE(DecodePicture("kein Bild", "x.gif").isNull());
  EXPECT_TRUE(DecodePicture("", "x.png").isNull());
}

TEST(Picture, FilesByCoursePath) {
  test::TTempDir dir;
  const std::string bmp = dir.file("Bilder\\Rot.BMP", MakeBitmap(24, true));
  const QImage img = DecodePictureFile(dir.path() + "bilder\\rot.bmp");
  ASSERT_EQ(img.size(), QSize(3, 2));
  EXPECT_EQ(PixelAt(img, 0, 0), (Rgb{255, 0, 0}));
  EXPECT_TRUE(DecodePictureFile(dir.path() + "fehlt.bmp").isNull());
  EXPECT_TRUE(DecodePictureFile(dir.file("kaputt.jpg", "\xFF\xD8\xFF\xE0 kaputt")).isNull());
  EXPECT_TRUE(DecodePictureFile("").isNull());
}

}  // namespace
}  // namespace vyr
