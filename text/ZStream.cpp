#include "text/ZStream.h"

#include <zlib.h>

namespace vyr {

std::optional<std::string> Inflate(std::string_view compressed, size_t maxOutput) {
  z_stream zs{};
  if (inflateInit(&zs) != Z_OK) return std::nullopt;
  zs.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(compressed.data()));
  zs.avail_in = static_cast<uInt>(compressed.size());
  std::string out;
  char piece[4096];
  int rc = Z_OK;
  while (rc != Z_STREAM_END) {
    zs.next_out = reinterpret_cast<Bytef*>(piece);
    zs.avail_out = sizeof piece;
    rc = inflate(&zs, Z_NO_FLUSH);
    if (rc != Z_OK && rc != Z_STREAM_END) break;
    out.append(piece, sizeof piece - zs.avail_out);
    if (out.size() > maxOutput) break;
    if (rc == Z_OK && zs.avail_in == 0 && zs.avail_out != 0) break;  // truncated
  }
  inflateEnd(&zs);
  if (rc != Z_STREAM_END || out.size() > maxOutput) return std::nullopt;
  return out;
}

TInflateStatus InflateStream(std::string_view compressed, size_t maxOutput,
                             const std::function<bool(std::string_view piece)>& consume) {
  z_stream zs{};
  if (inflateInit(&zs) != Z_OK) return TInflateStatus::Damaged;
  const unsigned char* next = reinterpret_cast<const unsigned char*>(compressed.data());
  size_t left = compressed.size();
  size_t total = 0;
  char piece[16384];
  TInflateStatus status = TInflateStatus::Damaged;
  for (;;) {
    if (zs.avail_in == 0 && left > 0) {
      // zlib counts input in uInt: feed a large buffer in slices.
      const size_t slice = left < (size_t(1) << 30) ? left : (size_t(1) << 30);
      zs.next_in = const_cast<Bytef*>(next);
      zs.avail_in = static_cast<uInt>(slice);
      next += slice;
      left -= slice;
    }
    zs.next_out = reinterpret_cast<Bytef*>(piece);
    zs.avail_out = sizeof piece;
    const int rc = inflate(&zs, Z_NO_FLUSH);
    if (rc != Z_OK && rc != Z_STREAM_END) break;  // damaged (or Z_BUF_ERROR: cut short)
    size_t produced = sizeof piece - zs.avail_out;
    if (total + produced > maxOutput) {
      produced = maxOutput - total;
      if (produced > 0) consume(std::string_view(piece, produced));
      status = TInflateStatus::TooLarge;
      break;
    }
    total += produced;
    if (produced > 0 && !consume(std::string_view(piece, produced))) {
      status = TInflateStatus::Complete;
      break;
    }
    if (rc == Z_STREAM_END) {
      status = TInflateStatus::Complete;
      break;
    }
    if (zs.avail_in == 0 && left == 0 && produced == 0) break;  // cut short
  }
  inflateEnd(&zs);
  return status;
}

std::string Deflate(std::string_view data) {
  uLongf size = compressBound(static_cast<uLong>(data.size()));
  std::string out(size, '\0');
  compress2(reinterpret_cast<Bytef*>(out.data()), &size, reinterpret_cast<const Bytef*>(data.data()),
            static_cast<uLong>(data.size()), Z_BEST_SPEED);
  out.resize(size);
  return out;
}

std::vector<std::string> SplitZStrings(std::string_view data) {
  std::vector<std::string> out;
  size_t start = 0;
  while (start < data.size()) {
    const size_t nul = data.find('\0', start);
    if (nul == std::string_view::npos) {
      out.emplace_back(data.substr(start));
      break;
    }
    out.emplace_back(data.substr(start, nul - start));
    start = nul + 1;
  }
  return out;
}

std::optional<std::vector<std::string>> ReadZStrings(std::string_view compressed) {
  auto data = Inflate(compressed);
  if (!data) return std::nullopt;
  return SplitZStrings(*data);
}

std::string WriteZStrings(const std::vector<std::string>& strings) {
  std::string data;
  for (const auto& s : strings) {
    data += s;
    data.push_back('\0');
  }
  return Deflate(data);
}

}  // namespace vyr
