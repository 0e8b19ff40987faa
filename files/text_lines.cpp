#include "files/text_lines.h"

namespace kortavex {

TextLines splitTextLines(std::string_view text) {
  TextLines result;
  std::size_t begin = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '\n' && text[i] != '\r') continue;
    result.lines.push_back(text.substr(begin, i - begin));
    result.starts.push_back(static_cast<long>(begin));
    if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
    begin = i + 1;
  }
  result.lines.push_back(text.substr(begin));
  result.starts.push_back(static_cast<long>(begin));
  result.starts.push_back(static_cast<long>(text.size()));
  return result;
}

}  // namespace kortavex
