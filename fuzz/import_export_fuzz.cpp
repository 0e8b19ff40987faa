// Import of any file into the input window and export of any output-window
// text, checked against a reader of the test's own.
//
// Input: one byte for the delimiter (the three of the settings list and one
// no list offers), one each for the two coordinate columns, one for the
// point numbers; then the file content, which is also the exported text.

#include <algorithm>
#include <string>

#include "files/text_file.h"
#include "fuzz/fuzz_support.h"
#include "lang/cp1252.h"
#include "workflow/import_export.h"

using namespace kortavex;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzInput input(data, size);
  const char delimiter = " ,;x"[input.choice(4)];
  // column numbers 0 to 10: one outside 1-9 at each end
  const int eastingColumn = static_cast<int>(input.choice(11)) - 1;
  const int northingColumn = static_cast<int>(input.choice(11)) - 1;
  const bool pointNumbers = input.byte() & 1;
  const std::string_view content = input.rest();
  const ColumnLayout layout{delimiter, eastingColumn, northingColumn};

  // Import: every non-empty line as importLine makes it, or nothing at all
  // for a file with a line no coordinate list has.
  const std::string source = pathInDirectory(scratchDirectory(), "import.txt");
  writeFile(source, content);
  const ImportResult imported = importFile(source, layout);
  // A UTF-8 file (a byte-order mark, or bytes beyond ASCII that are all
  // valid UTF-8) comes into the window as Windows-1252.
  const bool byteOrderMark = content.substr(0, 3) == "\xEF\xBB\xBF";
  const bool beyondAscii = std::any_of(content.begin(), content.end(), [](char c) { return c & 0x80; });
  const bool utf8 = byteOrderMark || (beyondAscii && isValidUtf8(content));
  std::string expected;
  std::uint64_t count = 0, number = 0, longLine = 0;
  const bool utf16 = looksLikeUtf16(allLines(content).front());
  for (std::string_view fileLine : allLines(content)) {
    ++number;
    if (fileLine.size() > kLongestLine && longLine == 0) longLine = number;
    std::string line(fileLine.substr(number == 1 && byteOrderMark ? 3 : 0));
    if (utf8) line = utf8ToNearestCp1252(line).value_or(line);
    if (line.empty()) continue;
    std::string out;
    count += importLine(line, layout, out) == LineKind::Values;
    FUZZ_CHECK(out.find_first_of("\r\n") == std::string::npos || line.find_first_of("\r\n") != std::string::npos);
    expected += out + "\n";
  }
  FUZZ_CHECK(imported.read == (longLine == 0 && !utf16));
  FUZZ_CHECK(imported.longLine == (utf16 ? 0 : longLine));
  if (imported.read) {
    FUZZ_CHECK(imported.text == expected);
    FUZZ_CHECK(imported.lines.converted == count);
  } else {
    FUZZ_CHECK(imported.text.empty());
  }

  // Export: one file line per window line (the window ends a line at LF,
  // CR LF or CR), comment lines as they are, the others two values around
  // one delimiter (after the point number).
  const std::string text = exportText(content, layout, pointNumbers);
  const std::size_t windowLines = allLines(content).size();
  std::size_t fileLines = 0;
  for (char c : text) fileLines += c == '\n';
  FUZZ_CHECK(fileLines == windowLines);

  // The file is the text, written only where no file stands.
  const std::string target = pathInDirectory(scratchDirectory(), "export.txt");
  std::string error;
  std::remove(target.c_str());
  FUZZ_CHECK(exportFile(target, FileIdentity{}, content, layout, pointNumbers, {}, &error));
  FUZZ_CHECK(readFile(target) == text);
  FUZZ_CHECK(!exportFile(target, FileIdentity{}, "other", layout, pointNumbers, {}, &error));
  FUZZ_CHECK(readFile(target) == text);
  return 0;
}
