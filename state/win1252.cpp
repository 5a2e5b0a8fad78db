#include "state/win1252.h"

#include <array>
#include <cstdint>

namespace state {
namespace {

// Code points of the bytes 0x80..0x9F; the undefined ones map to the control character of the
// same number so that they round-trip.
constexpr std::array<char32_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,  // 80..87
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,  // 88..8F
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 90..97
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,  // 98..9F
};

char32_t ByteToCodePoint(unsigned char b) {
  if (b >= 0x80 && b <= 0x9F) return kHighControls[b - 0x80];
  return b;
}

// The Windows-1252 byte of a code point, or -1 when the code page has none.
int CodePointToByte(char32_t c) {
  if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return static_cast<int>(c);
  for (int i = 0; i < 32; ++i) {
    if (kHighControls[i] == c) return 0x80 + i;
  }
  return -1;
}

void AppendUtf8(std::string& out, char32_t c) {
  if (c < 0x80) {
    out += static_cast<char>(c);
  } else if (c < 0x800) {
    out += static_cast<char>(0xC0 | (c >> 6));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    out += static_cast<char>(0xE0 | (c >> 12));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  }
}

}  // namespace

std::string Utf8ToWin1252(std::string_view utf8) {
  std::string out;
  out.reserve(utf8.size());
  std::size_t i = 0;
  while (i < utf8.size()) {
    const auto lead = static_cast<unsigned char>(utf8[i]);
    int length = 0;
    char32_t c = 0;
    if (lead < 0x80) {
      length = 1, c = lead;
    } else if (lead >= 0xC2 && lead <= 0xDF) {
      length = 2, c = lead & 0x1F;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
      length = 3, c = lead & 0x0F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
      length = 4, c = lead & 0x07;
    }
    bool wellFormed = length > 0 && i + length <= utf8.size();
    for (int k = 1; wellFormed && k < length; ++k) {
      const auto next = static_cast<unsigned char>(utf8[i + k]);
      if ((next & 0xC0) != 0x80) {
        wellFormed = false;
      } else {
        c = (c << 6) | (next & 0x3F);
      }
    }
    // Overlong forms, surrogates and code points past U+10FFFF are malformed too.
    if (wellFormed && ((length == 3 && (c < 0x800 || (c >= 0xD800 && c <= 0xDFFF))) ||
                       (length == 4 && (c < 0x10000 || c > 0x10FFFF)))) {
      wellFormed = false;
    }
    if (!wellFormed) {
      out += '?';
      ++i;
      continue;
    }
    const int b = CodePointToByte(c);
    out += b < 0 ? '?' : static_cast<char>(b);
    i += length;
  }
  return out;
}

std::string Win1252ToUtf8(std::string_view bytes) {
  std::string out;
  out.reserve(bytes.size());
  for (char ch : bytes) AppendUtf8(out, ByteToCodePoint(static_cast<unsigned char>(ch)));
  return out;
}

std::string FitToFileText(std::string_view utf8) {
  std::string bytes = Utf8ToWin1252(utf8);
  if (bytes.size() > kMaxFileTextLength) bytes.resize(kMaxFileTextLength);
  return Win1252ToUtf8(bytes);
}

}  // namespace state
