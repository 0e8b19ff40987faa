#pragma once
// Messages about the settings and parameter files: a file that could not be
// written (the window shows the file's name and the reason on the next
// line), and a parameter file that cannot be used.

#include <string>

#include "lang/language.h"

struct SettingsFileTexts {
  std::string msgOptionsNotSaved;    // the options file of the settings dialog
  std::string msgParameterNotSaved;    // a parameter file of the parameter-set dialog
  std::string msgParameterFileFaulty;  // <text> ":\n" <file> ", " msgLine " 10: " <line>
  std::string msgLine;
  std::string msgSetNameNotWindows1252;  // a set name with a letter the code page lacks
};

const TextRows<SettingsFileTexts>& settingsFileTextRows();

// Fills the texts in the named language; a name that is none of the seven
// fills them in English, so that a failure is never reported by an empty box.
SettingsFileTexts settingsFileTexts(const std::string& language);
