#include "text/Cp1252.h"

#include <array>

namespace vyr {
namespace {

// 0x80..0x9F; the five bytes Windows leaves undefined map to the C1 control
// with the same number so that every byte keeps a code point of its own.
constexpr std::array<char16_t, 32> kHighControls = {0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                                    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
                                                    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                                    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

}  // namespace

char16_t UnicodeOf(unsigned char byte) {
  if (byte >= 0x80 && byte <= 0x9F) return kHighControls[byte - 0x80];
  return byte;
}

char ByteOf(char16_t codePoint) {
  if (codePoint < 0x80 || (codePoint >= 0xA0 && codePoint <= 0xFF)) return static_cast<char>(codePoint);
  for (size_t i = 0; i < kHighControls.size(); ++i)
    if (kHighControls[i] == codePoint) return static_cast<char>(0x80 + i);
  return '?';
}

QString ToUnicode(std::string_view cp1252) {
  QString out(static_cast<qsizetype>(cp1252.size()), Qt::Uninitialized);
  QChar* d = out.data();
  for (size_t i = 0; i < cp1252.size(); ++i) d[i] = QChar(UnicodeOf(static_cast<unsigned char>(cp1252[i])));
  return out;
}

std::string FromUnicode(const QString& text) {
  std::string out;
  out.reserve(static_cast<size_t>(text.size()));
  for (qsizetype i = 0; i < text.size(); ++i) {
    const QChar c = text.at(i);
    if (c.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()) {
      out.push_back('?');  // one character outside the basic plane
      ++i;
      continue;
    }
    out.push_back(ByteOf(c.unicode()));
  }
  return out;
}

std::string Utf8ToCp1252(std::string_view utf8) {
  return FromUnicode(QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size())));
}

std::string Cp1252ToUtf8(std::string_view cp1252) { return ToUnicode(cp1252).toStdString(); }

}  // namespace vyr
