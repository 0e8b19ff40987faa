#pragma once
// The terminal's side of kortavex-cli's standard streams. The program's texts
// are Windows-1252; a terminal whose locale speaks UTF-8 gets them in UTF-8,
// and what is typed there comes back into Windows-1252.

#include <string>
#include <string_view>

#include "files/text_file.h"

namespace kortavex {

enum class TerminalEncoding { Utf8, Cp1252 };

// UTF-8 when the character set of the locale (LC_CTYPE, as set by
// setlocale) is UTF-8; any other gets the Windows-1252 bytes as they are.
TerminalEncoding localeTerminalEncoding();

// Windows-1252 text as the terminal shows it.
void appendTerminalText(std::string& out, std::string_view cp1252, TerminalEncoding encoding);
std::string terminalText(std::string_view cp1252, TerminalEncoding encoding);

// A file name, or a message of the system about a file, as the terminal
// shows it: file names are bytes, UTF-8 where they are valid UTF-8, and
// taken as Windows-1252 (Latin-1) otherwise.
std::string terminalFileText(std::string_view fileSystemText, TerminalEncoding encoding);

// A line from the terminal as Windows-1252: with UTF-8, a line that is valid
// UTF-8 is read as UTF-8 (a character the code page lacks becomes its
// nearest byte) and any other line as Windows-1252, so that a file in the
// old code page can still be piped in.
void lineFromTerminal(std::string& line, TerminalEncoding encoding);

// Standard input (or the descriptor given) line by line, each line through lineFromTerminal. A
// byte-order mark before the first line, as editors on Windows write it, is
// dropped: it would hide the first point. UTF-16 text gives no line at all.
class TerminalInput {
 public:
  TerminalInput(int fd, TerminalEncoding encoding);
  // A file whose lines are read the same way: a file decided UTF-8 (see
  // fileTextEncoding) with Utf8, any other with Cp1252.
  TerminalInput(const std::string& path, TerminalEncoding encoding);
  bool isOpen() const { return reader_.isOpen(); }
  bool next(std::string& line);
  // True when the next line is not there yet and reading it would wait.
  bool nextWouldWait() { return reader_.nextWouldWait(); }
  bool failed() const { return reader_.failed(); }
  const std::string& error() const { return reader_.error(); }
  // The first line was UTF-16 text: next() read no further.
  bool utf16() const { return utf16_; }

 private:
  LineReader reader_;
  TerminalEncoding encoding_;
  bool first_ = true;
  bool utf16_ = false;
};

}  // namespace kortavex
