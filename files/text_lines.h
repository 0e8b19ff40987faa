#pragma once
// The lines of a text window's text and where each begins, counted as the
// text control counts them: a line ends at LF, CR LF or CR.

#include <string>
#include <string_view>
#include <vector>

namespace kortavex {

struct TextLines {
  std::vector<std::string_view> lines;  // without their line ends
  // Where line i begins; one more entry, the end of the text, closes the last line.
  std::vector<long> starts;
};

// A text without any line end is one line; an empty text is one empty line.
TextLines splitTextLines(std::string_view text);

}  // namespace kortavex
