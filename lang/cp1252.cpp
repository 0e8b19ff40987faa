#include "lang/cp1252.h"

#include <algorithm>
#include <cstdint>

namespace kortavex {

namespace {

// Unicode of the bytes 0x80-0x9F; 0 where Windows-1252 defines no character.
// The other bytes are their own code points (ISO 8859-1).
// Source: the Unicode Consortium's mapping table CP1252.TXT.
constexpr char16_t kHighControls[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
    0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

constexpr char32_t kReplacement = 0xFFFD;

char32_t codePointOf(unsigned char byte) {
  if (byte < 0x80 || byte >= 0xA0) return byte;
  const char16_t mapped = kHighControls[byte - 0x80];
  return mapped ? mapped : kReplacement;
}

void appendUtf8(std::string& out, char32_t c) {
  if (c < 0x80) {
    out += static_cast<char>(c);
  } else if (c < 0x800) {
    out += static_cast<char>(0xC0 | c >> 6);
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else if (c < 0x10000) {
    out += static_cast<char>(0xE0 | c >> 12);
    out += static_cast<char>(0x80 | (c >> 6 & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | c >> 18);
    out += static_cast<char>(0x80 | (c >> 12 & 0x3F));
    out += static_cast<char>(0x80 | (c >> 6 & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  }
}

// Decodes the character at `i` and moves past it; nullopt for a malformed
// sequence (RFC 3629: shortest form only, no surrogates, at most U+10FFFF).
std::optional<char32_t> nextCodePoint(std::string_view s, std::size_t& i) {
  const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(s[k]); };
  const unsigned char lead = byte(i);
  if (lead < 0x80) {
    ++i;
    return lead;
  }
  std::size_t length;
  char32_t c, lowest;
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2, c = lead & 0x1F, lowest = 0x80;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3, c = lead & 0x0F, lowest = 0x800;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4, c = lead & 0x07, lowest = 0x10000;
  } else {
    return std::nullopt;
  }
  if (s.size() - i < length) return std::nullopt;
  for (std::size_t k = 1; k < length; ++k) {
    if ((byte(i + k) & 0xC0) != 0x80) return std::nullopt;
    c = c << 6 | (byte(i + k) & 0x3F);
  }
  if (c < lowest || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) return std::nullopt;
  i += length;
  return c;
}

std::optional<char> cp1252Byte(char32_t c) {
  if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return static_cast<char>(c);
  for (int k = 0; k < 32; ++k)
    if (kHighControls[k] != 0 && kHighControls[k] == c) return static_cast<char>(0x80 + k);
  return std::nullopt;
}

char nearestCp1252Byte(char32_t c) {
  if (const std::optional<char> byte = cp1252Byte(c)) return *byte;
  if (c == 0x2032) return '\'';  // prime: minutes
  if (c == 0x2033) return '"';   // double prime: seconds
  return '?';
}

// Windows-1252 of valid UTF-8; with `nearest` a character that it cannot
// hold takes its nearest byte instead of failing.
std::optional<std::string> toCp1252(std::string_view utf8, bool nearest) {
  std::string out;
  out.reserve(utf8.size());
  for (std::size_t i = 0; i < utf8.size();) {
    const std::optional<char32_t> c = nextCodePoint(utf8, i);
    if (!c) return std::nullopt;
    const std::optional<char> byte = cp1252Byte(*c);
    if (!byte && !nearest) return std::nullopt;
    out += byte ? *byte : nearestCp1252Byte(*c);
  }
  return out;
}

}  // namespace

std::string cp1252ToUtf8(std::string_view cp1252) {
  std::string out;
  out.reserve(cp1252.size() + cp1252.size() / 8);
  for (const char byte : cp1252) appendUtf8(out, codePointOf(static_cast<unsigned char>(byte)));
  return out;
}

bool isAscii(std::string_view text) {
  return std::all_of(text.begin(), text.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

bool isValidUtf8(std::string_view text) {
  for (std::size_t i = 0; i < text.size();) {
    if (static_cast<unsigned char>(text[i]) < 0x80) {
      ++i;  // most of a coordinate file: no decoding needed
    } else if (!nextCodePoint(text, i)) {
      return false;
    }
  }
  return true;
}

std::optional<std::string> utf8ToCp1252(std::string_view utf8) { return toCp1252(utf8, false); }

std::optional<std::string> utf8ToNearestCp1252(std::string_view utf8) {
  return toCp1252(utf8, true);
}

std::string fileSystemTextToCp1252(std::string_view fileSystemText) {
  return utf8ToNearestCp1252(fileSystemText).value_or(std::string(fileSystemText));
}

}  // namespace kortavex
