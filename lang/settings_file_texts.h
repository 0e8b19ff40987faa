#pragma once
// Messages about the settings and parameter files: a file that could not be
// written (the window shows the file's name and the reason on the next
// line), a file that could not be read, and a parameter file that cannot be
// used; and about a line too long to be read in any file.

#include <cstdint>
#include <string>

#include "lang/language.h"

namespace kortavex {

struct SettingsFileTexts {
  std::string msgOptionsNotSaved;    // the options file of the settings dialog
  std::string msgParameterNotSaved;    // a parameter file of the parameter-set dialog
  std::string msgParameterFileFaulty;  // <text> ":\n" <file> ", " msgLine " 10: " <line>
  std::string msgParameterFileMissing;  // <text> ":\n" <file>: the file the options file names
  std::string msgOptionsNotRead;       // the options file at start-up: defaults are used
  std::string msgLine;
  std::string msgSetNameNotWindows1252;  // a set name with a letter the code page lacks
  std::string msgLineTooLong;          // <file> ", " msgLine " 12: " <text>
  std::string msgColumnsNotUsable;     // columns or delimiter of a hand-edited options file
};

const TextRows<SettingsFileTexts>& settingsFileTextRows();

// Fills the texts in the named language; a name that is none of the seven
// fills them in English, so that a failure is never reported by an empty box.
SettingsFileTexts settingsFileTexts(const std::string& language);

// "<file>, line 12: longer than 1 MiB, the file is not read" in the named language.
std::string longLineMessage(const std::string& file, std::uint64_t line, const std::string& language);

}  // namespace kortavex
