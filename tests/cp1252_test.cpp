// Windows-1252 and UTF-8 at the edges of the program.
#include "lang/cp1252.h"

#include <gtest/gtest.h>

using namespace kortavex;

namespace {

bool undefinedInCp1252(int byte) {
  return byte == 0x81 || byte == 0x8D || byte == 0x8F || byte == 0x90 || byte == 0x9D;
}

TEST(Cp1252, EveryDefinedByteGoesToUtf8AndBack) {
  std::string all;
  for (int byte = 0; byte < 256; ++byte) {
    const std::string one(1, static_cast<char>(byte));
    const std::string utf8 = cp1252ToUtf8(one);
    EXPECT_TRUE(isValidUtf8(utf8)) << byte;
    EXPECT_EQ(utf8ToCp1252(utf8), undefinedInCp1252(byte) ? std::nullopt : std::optional(one)) << byte;
    if (!undefinedInCp1252(byte)) all += one;
  }
  EXPECT_EQ(utf8ToCp1252(cp1252ToUtf8(all)), all);
  EXPECT_EQ(cp1252ToUtf8("M\xFCller \x80"), "M\xC3\xBCller \xE2\x82\xAC");
}

TEST(Cp1252, MalformedUtf8IsRefused) {
  for (const char* bad : {"\xC0\x80", "\xE0\x80\x80", "\xED\xA0\x80", "\xF4\x90\x80\x80", "\xF5\x80\x80\x80",
                          "\xC3", "\xE2\x80", "\x80", "a\xFF" "b", "\xFCller"}) {
    EXPECT_FALSE(isValidUtf8(bad)) << bad;
    EXPECT_EQ(utf8ToCp1252(bad), std::nullopt);
    EXPECT_EQ(utf8ToNearestCp1252(bad), std::nullopt);
  }
  EXPECT_TRUE(isValidUtf8("\xF0\x9F\x97\xBA \xC5\x82 \xE2\x80\xB3"));
}

TEST(Cp1252, NearestKeepsMinutesAndSecondsAndMarksTheRest) {
  // prime and double prime are minute and second signs; l with stroke and r with caron have no byte
  EXPECT_EQ(utf8ToNearestCp1252("48\xC2\xB0" "12\xE2\x80\xB2" "36\xE2\x80\xB3"), "48\xB0" "12'36\"");
  EXPECT_EQ(utf8ToNearestCp1252("\xC5\x81\xC3\xB3" "d\xC5\xBA \xC5\x99"), "?\xF3" "d? ?");
  EXPECT_EQ(utf8ToCp1252("\xC5\x81\xC3\xB3" "d\xC5\xBA"), std::nullopt);
}

// File names are bytes: UTF-8 ones show as their nearest Windows-1252 text,
// any other bytes as they are, so that nothing is lost that can be shown.
TEST(Cp1252, FileSystemTextAsWindowText) {
  const struct {
    std::string fileSystem, window;
  } cases[] = {
      {"/tmp/Grundst\xC3\xBC" "cke/Stra\xC3\x9F" "e.txt", "/tmp/Grundst\xFC" "cke/Stra\xDF" "e.txt"},
      {"p\xC5\x99\xC3\xAD" "klad \xC5\x82" "a.txt", "p?\xED" "klad ?a.txt"},
      {"M\xFCller.txt", "M\xFCller.txt"},  // written by a program of the old code page
      {"a.txt: No such file or directory", "a.txt: No such file or directory"},
  };
  for (const auto& c : cases) EXPECT_EQ(fileSystemTextToCp1252(c.fileSystem), c.window) << c.fileSystem;
  EXPECT_TRUE(isAscii("48.2 16.37\r\n"));
  EXPECT_FALSE(isAscii("48\xB0"));
  EXPECT_FALSE(isAscii("\x80"));
}

}  // namespace
