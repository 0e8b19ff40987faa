#include "workflow/line_ledger.h"

#include "engine/number_text.h"
#include "engine/point.h"

namespace kortavex {

namespace {

void noteLine(std::vector<std::uint64_t>& first, std::uint64_t lineNumber) {
  if (first.size() < LineCounts::kNamedLines) first.push_back(lineNumber);
}

void addNamed(std::vector<std::uint64_t>& first, const std::vector<std::uint64_t>& later) {
  for (const std::uint64_t line : later) noteLine(first, line);
}

// "4, 9, 17", the first `named` of them, " ..." when there are more.
std::string lineList(const std::vector<std::uint64_t>& first, std::uint64_t count, std::size_t named) {
  std::string list;
  for (std::size_t i = 0; i < first.size() && i < named; ++i)
    list += (i == 0 ? "" : ", ") + formatInt(static_cast<long long>(first[i]));
  if (count > std::min(first.size(), named)) list += " ...";
  return list;
}

std::string countedNote(std::uint64_t count, const std::string& text, const std::vector<std::uint64_t>& first,
                        std::size_t named = LineCounts::kNamedLines) {
  if (count == 0) return {};
  return formatInt(static_cast<long long>(count)) + " " + text + ": " + lineList(first, count, named);
}

}  // namespace

LineResult unconvertedLine(std::string_view line, LineKind kind) {
  if (kind == LineKind::NotRead) return {LineOutcome::NotRead};
  return {LineOutcome::Text, 0, holdsDigit(line)};
}

void LineCounts::add(const LineResult& line, std::uint64_t lineNumber) {
  switch (line.outcome) {
    case LineOutcome::Converted:
      ++converted;
      break;
    case LineOutcome::NoResult:
      ++noResult;
      noteLine(firstNoResultLines, lineNumber);
      break;
    case LineOutcome::NotRead:
      ++notRead;
      noteLine(firstNotReadLines, lineNumber);
      return;
    case LineOutcome::Text:
      ++text;
      textWithDigits += line.digits;
      return;
  }
  if (line.flags & (FLAG_START_GRID | FLAG_TARGET_GRID)) {
    ++noGridValue;
  } else if (line.flags & (FLAG_TARGET_FRAME | FLAG_START_FRAME | FLAG_MGRS_BAND)) {
    // a position north of its MGRS latitude band is blue in the window as well
    ++outsideFrame;
    noteLine(firstOutsideFrameLines, lineNumber);
  }
}

LineCounts& LineCounts::operator+=(const LineCounts& later) {
  converted += later.converted;
  noResult += later.noResult;
  notRead += later.notRead;
  text += later.text;
  textWithDigits += later.textWithDigits;
  noGridValue += later.noGridValue;
  outsideFrame += later.outsideFrame;
  addNamed(firstNoResultLines, later.firstNoResultLines);
  addNamed(firstNotReadLines, later.firstNotReadLines);
  addNamed(firstOutsideFrameLines, later.firstOutsideFrameLines);
  return *this;
}

std::string noResultLinesNote(const LineCounts& lines, const MainTexts& texts) {
  return countedNote(lines.noResult, texts.msgLinesWithoutResult, lines.firstNoResultLines);
}

std::string notReadLinesNote(const LineCounts& lines, const MainTexts& texts) {
  return countedNote(lines.notRead, texts.msgLinesNotRead, lines.firstNotReadLines);
}

std::string outsideFrameLinesNote(const LineCounts& lines, const MainTexts& texts) {
  if (lines.outsideFrame == 0) return {};
  return texts.msgOutsideFrame + " (" + formatInt(static_cast<long long>(lines.outsideFrame)) +
         "): " + lineList(lines.firstOutsideFrameLines, lines.outsideFrame, LineCounts::kNamedLines);
}

std::string nothingConvertedNote(const LineCounts& lines, const ColumnLayout& layout,
                                 const MainTexts& texts) {
  if (lines.converted > 0 || lines.noResult > 0 || lines.notRead + lines.textWithDigits == 0) return {};
  return texts.msgNoLineConverted + ": '" + layout.delimiter + "' " + formatInt(layout.eastingColumn + 1) +
         "," + formatInt(layout.northingColumn + 1) +
         (layout.heightColumn ? "," + formatInt(*layout.heightColumn + 1) : "");
}

std::string conversionStatus(const LineCounts& lines, const MainTexts& texts) {
  std::string status = formatInt(static_cast<long long>(lines.converted)) + " " + texts.stsLinesConverted;
  for (const std::string& note : {countedNote(lines.noResult, texts.msgLinesWithoutResult, lines.firstNoResultLines, 1),
                                  countedNote(lines.notRead, texts.msgLinesNotRead, lines.firstNotReadLines, 1)})
    if (!note.empty()) status += "; " + note;
  return status;
}

}  // namespace kortavex
