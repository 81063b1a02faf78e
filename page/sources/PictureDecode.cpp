#include "page/sources/PictureDecode.h"

#include <QBuffer>
#include <QByteArray>
#include <QImageReader>
#include <QPainter>
#include <csetjmp>
#include <cstdio>
#include <cstring>
#include <vector>

extern "C" {
#include <jerror.h>
#include <jpeglib.h>
}

#include "platform/core/Files.h"
#include "text/Case.h"
#include "text/Cp1252.h"

namespace vyr {

bool PictureSizeAllowed(int64_t width, int64_t height) {
  return width > 0 && height > 0 && width <= kMaxPictureSide && height <= kMaxPictureSide &&
         width * height <= kMaxPicturePixels;
}

namespace {

QImage NewPicture(int64_t width, int64_t height) {
  if (!PictureSizeAllowed(width, height)) return {};
  return QImage(static_cast<int>(width), static_cast<int>(height), QImage::Format_RGB888);
}

// ---------------------------------------------------------------------------
// Bitmaps

class TBytes {
 public:
  explicit TBytes(std::string_view d) : d_(d) {}
  size_t size() const { return d_.size(); }
  bool has(uint64_t offset, uint64_t count) const { return offset <= d_.size() && count <= d_.size() - offset; }
  uint8_t u8(size_t o) const { return static_cast<uint8_t>(d_[o]); }
  uint16_t u16(size_t o) const { return static_cast<uint16_t>(u8(o) | (u8(o + 1) << 8)); }
  uint32_t u32(size_t o) const { return u16(o) | (static_cast<uint32_t>(u16(o + 2)) << 16); }
  int32_t i32(size_t o) const { return static_cast<int32_t>(u32(o)); }
  const uint8_t* at(size_t o) const { return reinterpret_cast<const uint8_t*>(d_.data()) + o; }

 private:
  std::string_view d_;
};

struct TBitfield {
  uint32_t mask = 0;
  int shift = 0;
  uint32_t max = 0;
  explicit TBitfield(uint32_t m = 0) : mask(m) {
    if (mask == 0) return;
    while (((mask >> shift) & 1) == 0) ++shift;
    max = mask >> shift;
  }
  uint8_t of(uint32_t v) const {
    if (max == 0) return 0;
    return static_cast<uint8_t>((static_cast<uint64_t>((v & mask) >> shift) * 255 + max / 2) / max);
  }
};

// Unpacks run-length packed rows into one palette index per pixel, rows in
// file order (bottom-up). False when the data is damaged or ends too early.
bool UnpackRle(const TBytes& b, size_t pos, int width, int height, bool four, std::vector<uint8_t>& out) {
  out.assign(static_cast<size_t>(width) * static_cast<size_t>(height), 0);
  int x = 0, y = 0;
  auto put = [&](uint8_t index) {
    if (x < width && y < height) out[static_cast<size_t>(y) * width + x] = index;
    ++x;
  };
  while (true) {
    // Some writers leave out the end mark after the last row.
    if (!b.has(pos, 2)) return y >= height;
    const uint8_t count = b.u8(pos), value = b.u8(pos + 1);
    pos += 2;
    if (count > 0) {
      for (int i = 0; i < count; ++i) put(four ? ((i & 1) ? value & 0x0F : value >> 4) : value);
      continue;
    }
    if (value == 0) {  // end of line
      x = 0;
      ++y;
    } else if (value == 1) {  // end of bitmap
      return true;
    } else if (value == 2) {  // delta
      if (!b.has(pos, 2)) return false;
      x += b.u8(pos);
      y += b.u8(pos + 1);
      pos += 2;
    } else {  // a literal run, padded to 16 bits
      const size_t bytes = four ? (value + 1u) / 2 : value;
      if (!b.has(pos, bytes)) return false;
      for (int i = 0; i < value; ++i) {
        const uint8_t byte = b.u8(pos + (four ? i / 2 : i));
        put(four ? ((i & 1) ? byte & 0x0F : byte >> 4) : byte);
      }
      pos += (bytes + 1) & ~size_t(1);
    }
    if (y > height) return false;
  }
}

}  // namespace

QImage DecodeBitmap(std::string_view data) {
  const TBytes b(data);
  if (!b.has(0, 18) || data[0] != 'B' || data[1] != 'M') return {};
  const uint32_t pixelOffset = b.u32(10);
  const uint32_t headerSize = b.u32(14);
  if (!b.has(14, headerSize)) return {};
  int64_t width = 0, height = 0;
  unsigned bits = 0, compression = 0;
  uint32_t colorsUsed = 0;
  size_t paletteEntry = 4;
  TBitfield red, green, blue;
  if (headerSize == 12) {  // the old OS/2 header
    width = b.u16(18);
    height = static_cast<int16_t>(b.u16(20));
    bits = b.u16(24);
    paletteEntry = 3;
  } else if (headerSize >= 40 && headerSize <= 1024) {
    width = b.i32(18);
    height = b.i32(22);
    bits = b.u16(28);
    compression = b.u32(30);
    colorsUsed = b.u32(46);
  } else {
    return {};
  }
  size_t palettePos = 14 + size_t(headerSize);
  if (compression == 3) {  // bit fields: masks in the header or right after it
    size_t maskPos = 54;
    if (headerSize < 52) {
      maskPos = palettePos;
      palettePos += 12;
    }
    if (!b.has(maskPos, 12)) return {};
    red = TBitfield(b.u32(maskPos));
    green = TBitfield(b.u32(maskPos + 4));
    blue = TBitfield(b.u32(maskPos + 8));
  } else if (bits == 16) {
    red = TBitfield(0x7C00), green = TBitfield(0x03E0), blue = TBitfield(0x001F);
  } else if (bits == 32) {
    red = TBitfield(0xFF0000), green = TBitfield(0xFF00), blue = TBitfield(0xFF);
  }
  const bool topDown = height < 0;
  if (topDown) height = -height;
  if (!PictureSizeAllowed(width, height)) return {};
  const bool known =
      (compression == 0 && (bits == 1 || bits == 4 || bits == 8 || bits == 16 || bits == 24 || bits == 32)) ||
      (compression == 1 && bits == 8) || (compression == 2 && bits == 4) ||
      (compression == 3 && (bits == 16 || bits == 32));
  if (!known || (topDown && (compression == 1 || compression == 2))) return {};

  // The palette: black for indexes the file does not define.
  uint8_t palette[256][3] = {};
  if (bits <= 8) {
    uint32_t count = colorsUsed ? colorsUsed : (1u << bits);
    if (count > 256) count = 256;
    if (!b.has(palettePos, uint64_t(count) * paletteEntry)) return {};
    for (uint32_t i = 0; i < count; ++i) {
      const size_t p = palettePos + i * paletteEntry;
      palette[i][0] = b.u8(p + 2);
      palette[i][1] = b.u8(p + 1);
      palette[i][2] = b.u8(p);
    }
  }

  const int w = static_cast<int>(width), h = static_cast<int>(height);
  std::vector<uint8_t> unpacked;
  const uint64_t stride = (uint64_t(width) * bits + 31) / 32 * 4;
  if (compression == 1 || compression == 2) {
    if (!UnpackRle(b, pixelOffset, w, h, compression == 2, unpacked)) return {};
  } else {
    // The last row may lack its padding.
    const uint64_t lastRow = (uint64_t(width) * bits + 7) / 8;
    if (!b.has(pixelOffset, stride * uint64_t(h - 1) + lastRow)) return {};
  }

  QImage image = NewPicture(width, height);
  if (image.isNull()) return {};
  for (int row = 0; row < h; ++row) {
    uint8_t* out = image.scanLine(topDown ? row : h - 1 - row);
    if (!unpacked.empty()) {
      const uint8_t* in = unpacked.data() + size_t(row) * w;
      for (int x = 0; x < w; ++x, out += 3) std::memcpy(out, palette[in[x]], 3);
      continue;
    }
    const uint8_t* in = b.at(pixelOffset + stride * uint64_t(row));
    switch (bits) {
      case 1:
      case 4:
      case 8:
        for (int x = 0; x < w; ++x, out += 3) {
          unsigned index;
          if (bits == 8) index = in[x];
          else if (bits == 4) index = (x & 1) ? in[x / 2] & 0x0F : in[x / 2] >> 4;
          else index = (in[x / 8] >> (7 - (x & 7))) & 1;
          std::memcpy(out, palette[index], 3);
        }
        break;
      case 24:
        for (int x = 0; x < w; ++x, out += 3, in += 3) {
          out[0] = in[2];
          out[1] = in[1];
          out[2] = in[0];
        }
        break;
      default:  // 16 and 32 bits through the bit fields
        for (int x = 0; x < w; ++x, out += 3) {
          const uint32_t v = bits == 16 ? uint32_t(in[2 * x] | (in[2 * x + 1] << 8))
                                        : uint32_t(in[4 * x] | (in[4 * x + 1] << 8) | (in[4 * x + 2] << 16) |
                                                   (uint32_t(in[4 * x + 3]) << 24));
          out[0] = red.of(v);
          out[1] = green.of(v);
          out[2] = blue.of(v);
        }
        break;
    }
  }
  return image;
}

// ---------------------------------------------------------------------------
// JPEG. libjpeg reports errors by calling back; the callback jumps back to
// the set-up in RunJpeg, so nothing between the two may own memory. The
// picture is therefore kept in the job, outside that frame.

namespace {

struct TJpegJob {
  jpeg_decompress_struct cinfo;
  struct {
    jpeg_error_mgr pub;
    std::jmp_buf jump;
  } err;
  jpeg_progress_mgr progress;
  QImage* image = nullptr;
  bool rowsDone = false;
  bool hitEnd = false;
};

[[noreturn]] void JpegFail(j_common_ptr c) {
  auto* err = reinterpret_cast<decltype(TJpegJob::err)*>(c->err);
  std::longjmp(err->jump, 1);
}

void JpegMessage(j_common_ptr c, int level) {
  // Entropy data that runs out would show a grey remainder: such a file
  // counts as damaged. The end of the file alone may come early in a
  // single-scan file (a missing end marker); in one of several scans it
  // means scans are missing, which is judged once decoding is done.
  auto* job = static_cast<TJpegJob*>(c->client_data);
  if (level >= 0 || !job) return;
  if (c->err->msg_code == JWRN_HIT_MARKER && !job->rowsDone) JpegFail(c);
  if (c->err->msg_code == JWRN_JPEG_EOF) job->hitEnd = true;
}

void JpegOutput(j_common_ptr) {}

// A progressive file with thousands of tiny scans would take very long.
void JpegProgress(j_common_ptr c) {
  if (c->is_decompressor && reinterpret_cast<j_decompress_ptr>(c)->input_scan_number > 500) JpegFail(c);
}

void AllocateJpegPicture(TJpegJob* job) { *job->image = NewPicture(job->cinfo.output_width, job->cinfo.output_height); }

bool RunJpeg(TJpegJob* job, const unsigned char* data, unsigned long size) {
  j_decompress_ptr cinfo = &job->cinfo;
  cinfo->err = jpeg_std_error(&job->err.pub);
  job->err.pub.error_exit = JpegFail;
  job->err.pub.emit_message = JpegMessage;
  job->err.pub.output_message = JpegOutput;
  if (setjmp(job->err.jump)) {
    jpeg_destroy_decompress(cinfo);
    return false;
  }
  jpeg_create_decompress(cinfo);
  cinfo->client_data = job;
  job->progress.progress_monitor = JpegProgress;
  cinfo->progress = &job->progress;
  cinfo->mem->max_memory_to_use = 512L << 20;
  jpeg_mem_src(cinfo, data, size);
  jpeg_read_header(cinfo, TRUE);
  const bool cmyk = cinfo->jpeg_color_space == JCS_CMYK || cinfo->jpeg_color_space == JCS_YCCK;
  cinfo->out_color_space = cmyk ? JCS_CMYK : JCS_RGB;
  jpeg_calc_output_dimensions(cinfo);
  if (!PictureSizeAllowed(cinfo->output_width, cinfo->output_height)) {
    jpeg_destroy_decompress(cinfo);
    return false;
  }
  jpeg_start_decompress(cinfo);
  AllocateJpegPicture(job);
  if (job->image->isNull() || cinfo->output_components != (cmyk ? 4 : 3)) {
    jpeg_destroy_decompress(cinfo);
    return false;
  }
  JSAMPARRAY cmykRow =
      cmyk ? (*cinfo->mem->alloc_sarray)(reinterpret_cast<j_common_ptr>(cinfo), JPOOL_IMAGE, cinfo->output_width * 4, 1)
           : nullptr;
  while (cinfo->output_scanline < cinfo->output_height) {
    JSAMPROW row = job->image->scanLine(static_cast<int>(cinfo->output_scanline));
    if (!cmyk) {
      jpeg_read_scanlines(cinfo, &row, 1);
      continue;
    }
    jpeg_read_scanlines(cinfo, cmykRow, 1);
    // Adobe writes CMYK inverted, which is how libjpeg hands it over.
    const JSAMPLE* in = cmykRow[0];
    for (JDIMENSION x = 0; x < cinfo->output_width; ++x, in += 4, row += 3) {
      row[0] = static_cast<JSAMPLE>(in[0] * in[3] / 255);
      row[1] = static_cast<JSAMPLE>(in[1] * in[3] / 255);
      row[2] = static_cast<JSAMPLE>(in[2] * in[3] / 255);
    }
  }
  job->rowsDone = true;
  const bool complete = !job->hitEnd || !jpeg_has_multiple_scans(cinfo);
  jpeg_finish_decompress(cinfo);
  jpeg_destroy_decompress(cinfo);
  return complete;
}

}  // namespace

QImage DecodeJpeg(std::string_view data) {
  if (data.size() < 4 || static_cast<uint8_t>(data[0]) != 0xFF || static_cast<uint8_t>(data[1]) != 0xD8) return {};
  QImage image;
  TJpegJob job;
  std::memset(&job.cinfo, 0, sizeof job.cinfo);
  job.image = &image;
  if (!RunJpeg(&job, reinterpret_cast<const unsigned char*>(data.data()), static_cast<unsigned long>(data.size())))
    return {};
  return image;
}

// ---------------------------------------------------------------------------

QImage To24Bit(const QImage& image) {
  if (image.isNull()) return {};
  if (image.format() == QImage::Format_RGB888) return image;
  if (!image.hasAlphaChannel()) return image.convertToFormat(QImage::Format_RGB888);
  QImage out(image.size(), QImage::Format_RGB888);
  if (out.isNull()) return {};
  out.fill(Qt::white);
  QPainter p(&out);
  p.drawImage(0, 0, image);
  p.end();
  return out;
}

QImage DecodePicture(std::string_view data, std::string_view nameHint) {
  if (data.size() >= 2 && data[0] == 'B' && data[1] == 'M') return DecodeBitmap(data);
  if (data.size() >= 2 && static_cast<uint8_t>(data[0]) == 0xFF && static_cast<uint8_t>(data[1]) == 0xD8)
    return DecodeJpeg(data);
  QByteArray bytes = QByteArray::fromRawData(data.data(), static_cast<qsizetype>(data.size()));
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::ReadOnly);
  std::string ext = LowerCase(ExtractFileExt(nameHint));
  if (!ext.empty()) ext.erase(0, 1);
  QImageReader reader(&buffer, QByteArray::fromStdString(ext));
  reader.setDecideFormatFromContent(true);
  const QSize size = reader.size();
  if (size.isValid() && !PictureSizeAllowed(size.width(), size.height())) return {};
  // Formats that cannot tell their size in advance are held by the limit.
  const int previousLimit = QImageReader::allocationLimit();
  QImageReader::setAllocationLimit(static_cast<int>(kMaxPicturePixels * 4 >> 20));
  QImage image = reader.read();
  QImageReader::setAllocationLimit(previousLimit);
  if (image.isNull() || !PictureSizeAllowed(image.width(), image.height())) return {};
  return To24Bit(image);
}

QImage DecodePictureFile(std::string_view path) {
  if (path.empty()) return {};
  const auto data = ReadWholeFile(path, nullptr, kMaxPictureFileSize);
  if (!data) return {};
  return DecodePicture(*data, path);
}

}  // namespace vyr
