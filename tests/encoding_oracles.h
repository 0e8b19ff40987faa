#pragma once
// Independent references for the tests of encodings: glibc's iconv for
// Windows-1252 <-> UTF-8, and a UTF-8 check after the table of well-formed
// byte sequences in the Unicode Standard (chapter 3, table 3-7).

#include <iconv.h>

#include <random>
#include <string>
#include <string_view>

// `text` converted by iconv; "<iconv failed>" when it cannot be.
inline std::string iconvText(std::string_view text, const char* from, const char* to) {
  iconv_t cd = iconv_open(to, from);
  if (cd == reinterpret_cast<iconv_t>(-1)) return "<iconv failed>";
  std::string in(text), out(text.size() * 4 + 16, '\0');
  char* inPtr = in.data();
  char* outPtr = out.data();
  std::size_t inLeft = in.size(), outLeft = out.size();
  const std::size_t done = iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft);
  iconv_close(cd);
  if (done == static_cast<std::size_t>(-1)) return "<iconv failed>";
  out.resize(out.size() - outLeft);
  return out;
}

inline std::string utf8Of(std::string_view cp1252) { return iconvText(cp1252, "CP1252", "UTF-8"); }

inline bool wellFormedUtf8(std::string_view s) {
  const auto in = [](unsigned char c, int lo, int hi) { return c >= lo && c <= hi; };
  for (std::size_t i = 0; i < s.size();) {
    const auto b = [&](std::size_t k) { return static_cast<unsigned char>(i + k < s.size() ? s[i + k] : 0); };
    if (b(0) <= 0x7F) { i += 1; continue; }
    if (in(b(0), 0xC2, 0xDF) && in(b(1), 0x80, 0xBF)) { i += 2; continue; }
    const bool three = (b(0) == 0xE0 && in(b(1), 0xA0, 0xBF)) ||
                       ((in(b(0), 0xE1, 0xEC) || in(b(0), 0xEE, 0xEF)) && in(b(1), 0x80, 0xBF)) ||
                       (b(0) == 0xED && in(b(1), 0x80, 0x9F));
    if (three && in(b(2), 0x80, 0xBF)) { i += 3; continue; }
    const bool four = (b(0) == 0xF0 && in(b(1), 0x90, 0xBF)) ||
                      (in(b(0), 0xF1, 0xF3) && in(b(1), 0x80, 0xBF)) ||
                      (b(0) == 0xF4 && in(b(1), 0x80, 0x8F));
    if (four && in(b(2), 0x80, 0xBF) && in(b(3), 0x80, 0xBF)) { i += 4; continue; }
    return false;
  }
  return true;
}

inline constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

// Words users put into point names and remarks, in Windows-1252: umlauts,
// sharp s, accents, the euro sign, Czech z with caron. None of them is UTF-8
// by accident.
inline std::string randomCp1252Word(std::mt19937& random) {
  static const char* const kWords[] = {"M\xFCller", "Stra\xDF" "e", "Caf\xE9",  "\xC6r\xF8",
                                       "Gr\xFCn",   "\x80uro",      "Nov\xE1k", "\x8E" "d\xE1r",
                                       "Punkt",     "x"};
  return kWords[std::uniform_int_distribution<std::size_t>(0, std::size(kWords) - 1)(random)];
}
