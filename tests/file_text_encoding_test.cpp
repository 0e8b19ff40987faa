// Which files count as UTF-8: random contents against the reference check.
#include "workflow/file_text_encoding.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <random>

#include "encoding_oracles.h"
#include "tests/test_support.h"

using namespace kortavex;

namespace {

// Pieces of file content: ASCII, UTF-8 characters of 2 to 4 bytes, bytes of
// Windows-1252, broken UTF-8 (a lone lead byte, an overlong form, a
// surrogate, a sequence cut by a line end), line ends of every kind.
const std::string kPieces[] = {
    "48.2 16.37", " ", ";", "P1", "\n", "\r\n", "\r",
    "\xC3\xA4", "\xC3\x9F", "\xC5\x99", "\xC5\x82", "\xC2\xB0", "\xE2\x80\xB2", "\xE2\x82\xAC", "\xF0\x9F\x97\xBA",
    "\xE4", "\xB0", "\x80", std::string("\xFC") + "ller",
    "\xC0\x80", "\xED\xA0\x80", "\xE2\x82\n", "\xF4\x90\x80\x80", "\xC3",
};

TEST(FileTextEncoding, RandomContentsAgreeWithTheReferenceCheck) {
  std::mt19937 random(11);
  TempDirectory dir;
  int utf8Files = 0, otherFiles = 0;
  for (int round = 0; round < 400; ++round) {
    // mostly pieces of one kind, so that many files are wholly UTF-8 or wholly not
    const std::size_t kinds = std::uniform_int_distribution<std::size_t>(7, std::size(kPieces))(random);
    std::string content;
    if (round % 5 == 0) content = kByteOrderMark;
    // some files reach past the reader's 64 KiB buffer before their first byte beyond ASCII
    if (round % 7 == 0) content += std::string(65535 - round % 3, 'a');
    const int pieces = std::uniform_int_distribution<int>(0, 60)(random);
    for (int i = 0; i < pieces; ++i)
      content += kPieces[std::uniform_int_distribution<std::size_t>(0, kinds - 1)(random)];
    dir.write("f.txt", content);

    const bool bom = content.compare(0, kByteOrderMark.size(), kByteOrderMark) == 0;
    const bool beyondAscii = std::any_of(content.begin(), content.end(),
                                         [](char c) { return static_cast<unsigned char>(c) >= 0x80; });
    const FileTextEncoding found = fileTextEncoding(dir.file("f.txt"));
    EXPECT_EQ(found.byteOrderMark, bom) << round;
    EXPECT_EQ(found.utf8, bom || (beyondAscii && wellFormedUtf8(content))) << round;
    (found.utf8 ? utf8Files : otherFiles)++;
  }
  EXPECT_GT(utf8Files, 100);
  EXPECT_GT(otherFiles, 100);
}

TEST(FileTextEncoding, UnreadableFilesCountAsWindows1252) {
  TempDirectory dir;
  std::filesystem::create_directory(dir.file("folder.txt"));
  for (const char* name : {"folder.txt", "missing.txt"}) {
    const FileTextEncoding found = fileTextEncoding(dir.file(name));
    EXPECT_FALSE(found.utf8 || found.byteOrderMark) << name;
  }
}

}  // namespace
