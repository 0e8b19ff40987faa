#pragma once
// Import of a column file into the input window, and export of the output
// window into a column file. Neither converts coordinates.

#include <cstdint>
#include <string>
#include <string_view>

#include "files/text_file.h"
#include "workflow/column_file.h"
#include "workflow/file_text_encoding.h"
#include "workflow/line_ledger.h"
#include "workflow/progress_gauge.h"

namespace kortavex {

// The input-window line (without line break) for one non-empty column-file
// line: the two coordinate values with decimal points and without blanks,
// joined by one blank, when both are numbers (degrees values stay in their
// form), and the height after them where the layout has a height column;
// otherwise the line with tabs as blanks. Returns how the line reads:
// LineKind::Values counts as imported.
LineKind importLine(std::string_view line, const ColumnLayout& layout, std::string& out);

struct ImportResult {
  bool read = false;        // false: the file could not be read (see `error`), or is UTF-16
  std::string error;        // file-system text (see fileSystemTextToCp1252)
  std::uint64_t longLine = 0;  // the line longer than kLongestLine that refused the file
  std::string text;         // appended to the input window, every line with its line break
  LineCounts lines;         // converted: the lines imported as two values
  FileTextEncoding encoding;  // of the file
};

// Imports every non-empty line of the file at `path` (file-system bytes). The
// lines of a UTF-8 file (see fileTextEncoding) come into the window's
// Windows-1252 text as near as it goes; a file with a line longer than
// kLongestLine holds no coordinate list and is refused, and so is a UTF-16 file.
ImportResult importFile(const std::string& path, const ColumnLayout& layout,
                        const ProgressCallback& progress = {});

// One output-window line as the export writes it (without line end): comment
// lines unchanged; a point without result ("* *" and its reason) as its "*"
// values, numbered like every point; others split at their last blank (blanks at the end of the
// line do not count) into two values (with a height column: the third value
// is the height, the two before it split so, and what follows it, an
// automatic UTM zone, is written after them), in the order of the columns,
// joined by the delimiter, with the running point number in front when
// `pointNumbers`. `counter` is the number of the last numbered line.
std::string exportLine(std::string_view line, const ColumnLayout& layout, bool pointNumbers,
                       int& counter);

// The export file for the whole text of the output window; its closing empty
// line is not written.
std::string exportText(std::string_view outputWindowText, const ColumnLayout& layout,
                       bool pointNumbers);

// Writes the export file at `path` (file-system bytes) in `encoding`,
// replacing only `replaceable` (the file the user agreed to replace) and
// only when complete. False, with the reason in `*error` (file-system
// text), when it could not be written.
bool exportFile(const std::string& path, const FileIdentity& replaceable,
                std::string_view outputWindowText, const ColumnLayout& layout, bool pointNumbers,
                const FileTextEncoding& encoding = {}, std::string* error = nullptr);

}  // namespace kortavex
