// Column files with any content, converted into their "_cvt" copies as the
// file conversion does.
//
// Input: one byte for the system pair, one each for the two coordinate
// columns, one for the options (degrees/minutes/seconds output, the
// delimiter); then the file content.

#include <string>
#include <vector>

#include "files/text_file.h"
#include "fuzz/conversion_request.h"
#include "lang/cp1252.h"
#include "lang/main_texts.h"
#include "workflow/file_conversion.h"

using namespace kortavex;

namespace {

// The grid pairs take BeTA2007 and CHENYX06 from PROJ's data directory.
const ConversionRequest kPairs[] = {
    pairRequest("GK3_DHDN", "DHDN"),
    pairRequest("GK-AUT_M34", "WGS84"),
    pairRequest("WGS84", "UTM33N"),
    pairRequest("DHDN", "GK4_DHDN"),
    pairRequest("GK3_DHDN", "WGS84", Transformation::BeTA2007),
    pairRequest("WGS84", "CH1903/LV03-M", Transformation::CHENYX06),
    pairRequest("Krovak", "LAMB-AUT"),
    pairRequest("User", "WGS84"),
};

const MainTexts& englishTexts() {
  static const MainTexts texts = [] {
    MainTexts t;
    langset(t, "English");
    return t;
  }();
  return texts;
}

ConversionSetup setupFor(ConversionRequest request, bool dms) {
  request.dms = dms;
  request.user.name = "fuzz";
  request.user.texts = {"0", "0", "0", "1", "0", "0", "0", "15", "0", "0", "0", "500000", "0"};
  request.user.system.ellipsoid = 2;
  request.user.system.projection = chain::kUserUtm;
  request.user.numbersFromTexts();
  return preparedSetup(request);
}

std::size_t nonEmptyLineCount(std::string_view text) {
  std::size_t count = 0;
  for (std::string_view line : allLines(text)) count += !line.empty();
  return count;
}

// A converted line keeps every byte outside its two coordinate fields.
void checkConvertedLine(std::string_view line, std::string_view out, const ColumnLayout& layout) {
  const CoordinateFields fields = coordinateFields(line, layout);
  FUZZ_CHECK(fields.first && fields.second);
  const std::size_t left = std::min(fields.first->begin, fields.second->begin);
  const std::size_t right = std::max(fields.first->end, fields.second->end);
  FUZZ_CHECK(out.substr(0, left) == line.substr(0, left));
  const std::size_t tail = line.size() - right;
  FUZZ_CHECK(out.size() >= tail && out.substr(out.size() - tail) == line.substr(right));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzInput input(data, size);
  // the grid files are checked once, not for every input
  static const std::vector<ConversionSetup> setups = [] {
    std::vector<ConversionSetup> all;
    for (const ConversionRequest& pair : kPairs)
      for (const bool dms : {false, true}) all.push_back(setupFor(pair, dms));
    return all;
  }();
  const std::size_t pair = input.choice(std::size(kPairs));
  // column numbers 0 to 10: one outside 1-9 at each end
  const int eastingColumn = static_cast<int>(input.choice(11)) - 1;
  const int northingColumn = static_cast<int>(input.choice(11)) - 1;
  const std::uint8_t options = input.byte();
  const ConversionSetup& setup = setups[pair * 2 + (options & 1)];
  const char delimiter = " ,;"[(options >> 1) % 3];
  const std::string_view content = input.rest();

  const std::string source = pathInDirectory(scratchDirectory(), "source.txt");
  writeFile(source, content);
  // A byte-order mark is no text of the first line: a line of nothing else is empty.
  const bool byteOrderMark = content.substr(0, kUtf8ByteOrderMark.size()) == kUtf8ByteOrderMark;
  const std::string_view text = content.substr(byteOrderMark ? kUtf8ByteOrderMark.size() : 0);
  const std::size_t lineCount = nonEmptyLineCount(text);

  {
    const ColumnLayout layout{delimiter, eastingColumn, northingColumn};
    const std::string target = convertedFileName(source);
    const FileConversionSummary summary = asccvt(source, fileIdentity(target), setup, layout, englishTexts());
    // UTF-16 gives no copy at all
    const bool utf16 = looksLikeUtf16(allLines(content).front());
    FUZZ_CHECK(summary.status == (utf16 ? FileConversionSummary::Status::SourceUtf16
                                        : FileConversionSummary::Status::Written));
    if (utf16) return 0;
    FUZZ_CHECK(summary.targetName == "source_cvt.txt");
    // every line is one of four
    FUZZ_CHECK(summary.lines.converted + summary.lines.noResult + summary.lines.notRead + summary.lines.text ==
               lineCount);

    // The copy is the heading and each non-empty line as one line converts,
    // in the file's encoding; the report counts the lines by their own bits.
    const FileTextEncoding encoding = fileTextEncoding(source);
    FUZZ_CHECK(encoding.byteOrderMark == byteOrderMark);
    FUZZ_CHECK(encoding.utf8 == summary.encoding.utf8 &&
               encoding.byteOrderMark == summary.encoding.byteOrderMark);
    const FileLineConverter converter(setup, layout, encoding);
    std::string expected = std::string(encoding.byteOrderMark ? kUtf8ByteOrderMark : "") +
                           textForFile(fileHeading(setup, englishTexts()), encoding);
    LineCounts counts;
    std::uint64_t number = 0;
    for (std::string_view line : allLines(text)) {
      ++number;
      if (line.empty()) continue;
      std::string out;
      // no coordinate line is longer: copied through, not read where it holds a digit
      const bool tooLong = line.size() > kLongestLine;
      const LineResult result = tooLong ? LineResult{holdsDigit(line) ? LineOutcome::NotRead : LineOutcome::Text}
                                        : converter.convert(line, out);
      if (tooLong) out = tabsToBlanks(line);
      if (result.outcome == LineOutcome::NotRead || result.outcome == LineOutcome::Text) {
        FUZZ_CHECK(out == tabsToBlanks(line));
        // a line not read holds a digit; a text line none where its coordinates stand
        FUZZ_CHECK((result.outcome == LineOutcome::NotRead) <= holdsDigit(line));
      } else {
        checkConvertedLine(line, out, layout);
      }
      // no grid value, or a result that is no number and so outside the frame
      const int gridBits = result.flags & (FLAG_START_GRID | FLAG_TARGET_GRID);
      if (result.outcome == LineOutcome::NoResult) FUZZ_CHECK(gridBits || (result.flags & FLAG_TARGET_FRAME));
      if (result.outcome == LineOutcome::Converted) FUZZ_CHECK(!gridBits);
      counts.add(result, number);
      expected += out + kFileLineEnd;
    }
    FUZZ_CHECK(readFile(summary.targetPath) == expected);
    FUZZ_CHECK(counts.converted == summary.lines.converted && counts.text == summary.lines.text &&
               counts.notRead == summary.lines.notRead && counts.noResult == summary.lines.noResult &&
               counts.textWithDigits == summary.lines.textWithDigits &&
               counts.firstNotReadLines == summary.lines.firstNotReadLines &&
               counts.firstOutsideFrameLines == summary.lines.firstOutsideFrameLines &&
               counts.noGridValue == summary.lines.noGridValue &&
               counts.outsideFrame == summary.lines.outsideFrame &&
               counts.firstNoResultLines == summary.lines.firstNoResultLines);
  }
  return 0;
}
