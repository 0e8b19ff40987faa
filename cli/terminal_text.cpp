#include "cli/terminal_text.h"

#include "files/platform.h"
#include "lang/cp1252.h"
#include "workflow/file_text_encoding.h"

namespace kortavex {

TerminalEncoding localeTerminalEncoding() {
  return platform::terminalTakesUtf8() ? TerminalEncoding::Utf8 : TerminalEncoding::Cp1252;
}

void appendTerminalText(std::string& out, std::string_view cp1252, TerminalEncoding encoding) {
  if (encoding == TerminalEncoding::Cp1252 || isAscii(cp1252))
    out.append(cp1252);
  else
    out += cp1252ToUtf8(cp1252);
}

std::string terminalText(std::string_view cp1252, TerminalEncoding encoding) {
  std::string out;
  appendTerminalText(out, cp1252, encoding);
  return out;
}

std::string terminalFileText(std::string_view fileSystemText, TerminalEncoding encoding) {
  if (encoding == TerminalEncoding::Utf8 && isValidUtf8(fileSystemText)) return std::string(fileSystemText);
  return terminalText(fileSystemTextToCp1252(fileSystemText), encoding);
}

void lineFromTerminal(std::string& line, TerminalEncoding encoding) {
  if (encoding == TerminalEncoding::Cp1252 || isAscii(line)) return;
  if (std::optional<std::string> cp1252 = utf8ToNearestCp1252(line)) line = std::move(*cp1252);
}

TerminalInput::TerminalInput(int fd, TerminalEncoding encoding) : reader_(fd), encoding_(encoding) {}

TerminalInput::TerminalInput(const std::string& path, TerminalEncoding encoding)
    : reader_(path), encoding_(encoding) {}

bool TerminalInput::next(std::string& line) {
  if (utf16_ || !reader_.next(line)) return false;
  if (first_ && looksLikeUtf16(line)) {
    utf16_ = true;
    return false;
  }
  if (first_ && line.rfind(kUtf8ByteOrderMark, 0) == 0) line.erase(0, kUtf8ByteOrderMark.size());
  first_ = false;
  lineFromTerminal(line, encoding_);
  return true;
}

}  // namespace kortavex
