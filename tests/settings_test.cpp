#include "settings/settings.h"

#include <gtest/gtest.h>

#include "files/text_file.h"
#include "settings/startup.h"
#include "tests/test_support.h"

using namespace kortavex;

namespace {

TEST(OptionsFile, MissingFileGivesTheDefaults) {
  TempDirectory dir;
  const StartupConfiguration config = readStartupConfiguration(dir.path());
  EXPECT_FALSE(config.optionsFileFound);
  EXPECT_EQ(config.settings.language, "English");
  EXPECT_EQ(config.settings.regionMask, 1023);
  EXPECT_EQ(config.settings.eastingColumn, 1);
  EXPECT_EQ(config.settings.northingColumn, 2);
  EXPECT_EQ(config.settings.delimiter, ' ');
  EXPECT_EQ(config.settings.referenceHeightText, "300");
  EXPECT_EQ(config.settings.referenceHeight, 300.0);
  EXPECT_EQ(config.parameters.name, "");
  EXPECT_EQ(config.parameters.texts[PARAM_SCALE], "1");
  EXPECT_TRUE(dir.entries().empty()) << "reading writes nothing";
}

TEST(OptionsFile, DefaultSettingsAreWrittenByteForByte) {
  TempDirectory dir;
  ASSERT_TRUE(writeOptionsFile(dir.path(), Settings{}, ""));
  EXPECT_EQ(dir.read("kortavex.cfg"),
            "kortavex_options_v45\r\n300\r\n2\r\n3\r\n \r\n\r\nEnglish\r\n1023\r\n");
}

TEST(OptionsFile, WrittenFileReadsBackWithCommaHeightAndHighBytes) {
  TempDirectory dir;
  Settings written;
  written.referenceHeightText = "250,5";  // as typed in the dialog
  written.eastingColumn = 2;
  written.northingColumn = 1;
  written.delimiter = ';';
  written.language = "Deutsch";
  written.regionMask = 5;
  const std::string name = "Vermessung \xD6sterreich";  // Windows-1252 byte 0xD6
  ASSERT_TRUE(writeOptionsFile(dir.path(), written, name));
  EXPECT_EQ(dir.read("kortavex.cfg"), "kortavex_options_v45\r\n250,5\r\n3\r\n2\r\n;\r\n" + name +
                                          "\r\nDeutsch\r\n5\r\n");

  Settings read;
  std::string readName;
  ASSERT_TRUE(readOptionsFile(dir.path(), read, readName));
  EXPECT_EQ(read.referenceHeightText, "250,5");
  EXPECT_DOUBLE_EQ(read.referenceHeight, 250.5);
  EXPECT_EQ(read.eastingColumn, 2);
  EXPECT_EQ(read.northingColumn, 1);
  EXPECT_EQ(read.delimiter, ';');
  EXPECT_EQ(read.language, "Deutsch");
  EXPECT_EQ(read.regionMask, 5);
  EXPECT_EQ(readName, name);
}

TEST(OptionsFile, OtherHeaderStillYieldsLinesTwoToSix) {
  TempDirectory dir;
  dir.write("kortavex.cfg", "kortavex_options_v44\n120\n4\n5\n,\nmyset\nDeutsch\n3\n");
  Settings settings;
  std::string name;
  ASSERT_TRUE(readOptionsFile(dir.path(), settings, name));
  EXPECT_EQ(settings.referenceHeight, 120.0);
  EXPECT_EQ(settings.eastingColumn, 3);
  EXPECT_EQ(settings.northingColumn, 4);
  EXPECT_EQ(settings.delimiter, ',');
  EXPECT_EQ(name, "myset");
  // language and regions are not taken from a file of another form
  EXPECT_EQ(settings.language, "English");
  EXPECT_EQ(settings.regionMask, 1023);
}

TEST(OptionsFile, EveryLineEndIsAccepted) {
  const char* files[] = {
      "kortavex_options_v45\r\n42\r\n1\r\n4\r\n;\r\nset\r\nPolski\r\n16\r\n",
      "kortavex_options_v45\n42\n1\n4\n;\nset\nPolski\n16",
      "kortavex_options_v45\r42\r1\r4\r;\rset\rPolski\r16\r",
      "kortavex_options_v45\r\n42\n1\r4\r\n;\nset\rPolski\r\n16\n",
  };
  for (const char* bytes : files) {
    TempDirectory dir;
    dir.write("kortavex.cfg", bytes);
    Settings s;
    std::string name;
    ASSERT_TRUE(readOptionsFile(dir.path(), s, name));
    EXPECT_EQ(s.referenceHeight, 42.0) << bytes;
    EXPECT_EQ(s.eastingColumn, 0) << bytes;
    EXPECT_EQ(s.northingColumn, 3) << bytes;
    EXPECT_EQ(s.delimiter, ';') << bytes;
    EXPECT_EQ(name, "set") << bytes;
    EXPECT_EQ(s.language, "Polski") << bytes;
    EXPECT_EQ(s.regionMask, 16) << bytes;
  }
}

TEST(OptionsFile, ShortFileReadsMissingLinesAsEmpty) {
  TempDirectory dir;
  dir.write("kortavex.cfg", "kortavex_options_v45\r\nabc\r\n7\r\n");
  Settings s;
  std::string name = "old";
  ASSERT_TRUE(readOptionsFile(dir.path(), s, name));
  EXPECT_EQ(s.referenceHeightText, "abc");
  EXPECT_EQ(s.referenceHeight, 0.0);
  EXPECT_EQ(s.eastingColumn, 6);
  EXPECT_EQ(s.northingColumn, -1);  // missing column line
  EXPECT_EQ(s.delimiter, '\0');     // missing delimiter line
  EXPECT_EQ(name, "");
  EXPECT_EQ(s.language, "");
  EXPECT_EQ(s.regionMask, 0);
}

TEST(OptionsFile, ValuesOfHandEditedFilesAreTakenOverAndWrittenAsTheDialogWould) {
  TempDirectory dir;
  dir.write("kortavex.cfg", "kortavex_options_v45\n300\n0\n12\nx\n\nKlingon\n4096\n");
  Settings s;
  std::string name;
  ASSERT_TRUE(readOptionsFile(dir.path(), s, name));
  EXPECT_EQ(s.eastingColumn, -1);
  EXPECT_EQ(s.northingColumn, 11);
  EXPECT_EQ(s.delimiter, 'x');
  EXPECT_EQ(s.language, "Klingon");
  EXPECT_EQ(s.regionMask, 4096);
  // Columns and delimiter that no list item shows are written as empty lines
  // and read back as column -1 and delimiter code 0.
  ASSERT_TRUE(writeOptionsFile(dir.path(), s, name));
  Settings again;
  ASSERT_TRUE(readOptionsFile(dir.path(), again, name));
  EXPECT_EQ(again.eastingColumn, -1);
  EXPECT_EQ(again.northingColumn, -1);
  EXPECT_EQ(again.delimiter, '\0');
}

TEST(OptionsFile, ReferenceHeightTexts) {
  const struct {
    const char* text;
    double height;
  } cases[] = {
      {"250,5", 250.5}, {"12.5abc", 12.5}, {"abc", 0}, {"", 0},  {"  7", 7},
      {"-3.5e2", -350}, {"1.5.7", 1.5},    {"inf", 0}, {"nan", 0},
  };
  for (const auto& c : cases) EXPECT_EQ(referenceHeightFromText(c.text), c.height) << c.text;
}

TEST(OptionsFile, LineBreakInsideAValueKeepsEightLines) {
  TempDirectory dir;
  ASSERT_TRUE(writeOptionsFile(dir.path(), Settings{}, "two\r\nlines"));
  Settings s;
  std::string name;
  ASSERT_TRUE(readOptionsFile(dir.path(), s, name));
  EXPECT_EQ(name, "two  lines");
  EXPECT_EQ(s.language, "English");
  EXPECT_EQ(s.regionMask, 1023);
}

TEST(OptionsFile, FailedWriteKeepsTheOldFileAndLeavesNothingBehind) {
  TempDirectory dir;
  // a directory in the way of the file
  std::filesystem::create_directory(dir.file("kortavex.cfg"));
  std::string error;
  EXPECT_FALSE(writeOptionsFile(dir.path(), Settings{}, "", &error));
  EXPECT_FALSE(error.empty());
  EXPECT_TRUE(std::filesystem::is_directory(dir.file("kortavex.cfg")));
  EXPECT_EQ(dir.entries(), std::vector<std::string>{"kortavex.cfg"});

  // a directory that does not exist
  EXPECT_FALSE(writeOptionsFile(dir.file("missing"), Settings{}, "", &error));
}

TEST(OptionsFile, UnreadableOptionsFileCountsAsMissing) {
  TempDirectory dir;
  std::filesystem::create_directory(dir.file("kortavex.cfg"));
  Settings s;
  s.language = "Deutsch";
  std::string name;
  EXPECT_FALSE(readOptionsFile(dir.path(), s, name));
  EXPECT_EQ(s.language, "Deutsch");
}

TEST(LineReader, SplitsAtEveryLineEndAndKeepsOtherBytes) {
  TempDirectory dir;
  const std::string nul("n\0l", 3);
  dir.write("mixed.txt", "a\r\nb\n\nc\rd\r\r\n" + nul + "\n\xB0\xFF\r");
  LineReader reader(dir.file("mixed.txt"));
  ASSERT_TRUE(reader.isOpen());
  std::vector<std::string> lines;
  for (std::string line; reader.next(line);) lines.push_back(line);
  EXPECT_EQ(lines, (std::vector<std::string>{"a", "b", "", "c", "d", "", nul, "\xB0\xFF"}));
  EXPECT_FALSE(reader.failed());
}

TEST(LineReader, LineEndsAcrossBufferBoundaries) {
  TempDirectory dir;
  // CR LF pairs split at every buffer boundary
  std::string bytes;
  std::vector<std::string> expected;
  for (int i = 0; bytes.size() < 300000; ++i) {
    std::string line(static_cast<std::size_t>(i % 97), 'x');
    expected.push_back(line);
    bytes += line + "\r\n";
  }
  dir.write("big.txt", bytes);
  LineReader reader(dir.file("big.txt"));
  std::vector<std::string> lines;
  for (std::string line; reader.next(line);) lines.push_back(line);
  EXPECT_EQ(lines, expected);
  EXPECT_EQ(reader.bytesRead(), bytes.size());
}

// Around the longest line, with every line end and none: next() takes a line
// up to kLongestLine bytes whole and refuses a longer one by its number;
// nextPart() gives it in parts that add up to the line.
TEST(LineReader, LinesBeyondTheLongestComeInPartsOrAreRefused) {
  TempDirectory dir;
  for (const std::size_t length : {kLongestLine - 1, kLongestLine, kLongestLine + 1, std::size_t(5) << 20}) {
    for (const std::string end : {"\n", "\r\n", "\r", ""}) {
      SCOPED_TRACE(::testing::Message() << length << " bytes, line end " << end.size());
      const std::string line(length, 'y');
      dir.write("l.txt", "a\n" + line + end + (end.empty() ? "" : "b\n"));
      LineReader parts(dir.file("l.txt"));
      std::vector<std::string> whole;
      std::string part, joined;
      for (bool complete = true; parts.nextPart(part, complete);) {
        EXPECT_LE(part.size(), kLongestLine);
        joined += part;
        if (complete) whole.push_back(std::move(joined)), joined.clear();
      }
      EXPECT_EQ(whole.size(), end.empty() ? 2u : 3u);
      EXPECT_TRUE(whole.size() > 1 && whole[1] == line);

      LineReader lines(dir.file("l.txt"));
      std::string first, second;
      EXPECT_TRUE(lines.next(first));
      EXPECT_EQ(lines.next(second), length <= kLongestLine);
      EXPECT_EQ(lines.longLine(), length <= kLongestLine ? 0u : 2u);
      EXPECT_EQ(lines.failed(), length > kLongestLine);
    }
  }
}

TEST(LineReader, DirectoryAndMissingFileAreNotOpened) {
  TempDirectory dir;
  for (const std::string& path : {dir.path(), dir.file("none.txt"), std::string("/dev/zero")}) {
    LineReader reader(path);
    EXPECT_FALSE(reader.isOpen()) << path;
    EXPECT_FALSE(reader.error().empty()) << path;
    std::string line;
    EXPECT_FALSE(reader.next(line)) << path;
  }
}

}  // namespace
