#pragma once
// The program's settings and the options file "kortavex.cfg" that keeps them.

#include <string>

#include "chain/catalogue.h"

namespace kortavex {

struct Settings {
  std::string referenceHeightText = "300";  // as entered; may hold a decimal comma
  double referenceHeight = 300;             // metres
  // Columns of coordinate text, 0-based (shown and stored as 1-9). Values from
  // a hand-edited file are kept as they are, even outside 0-8.
  int eastingColumn = 1;   // easting or latitude
  int northingColumn = 2;  // northing or longitude
  char delimiter = ' ';    // blank, ',' or ';' (code 0 when the file line was empty)
  std::string language = "English";
  int regionMask = REGION_ALL;  // bits of the catalogue's regions
};

inline constexpr const char* kOptionsFileName = "kortavex.cfg";
inline constexpr const char* kOptionsHeader = "kortavex_options_v45";

// A reference height text as a number: a decimal comma counts as a point, the
// value is that of the longest numeric prefix, 0 if there is none.
double referenceHeightFromText(const std::string& text);

// Reads "kortavex.cfg" of `directory` (empty: the working directory) into
// `settings` and the name of the user parameter set (line 6) into
// `parameterSetName`. Without a readable options file nothing changes and the
// result is false; `*problem` (if given) then says why a file that is there
// could not be read (no regular file, a line too long), and stays empty for a
// missing file. Language and region mask are taken only from a file with
// the current header; otherwise they keep the values `settings` held.
bool readOptionsFile(const std::string& directory, Settings& settings,
                     std::string& parameterSetName, std::string* problem = nullptr);

// Columns 1-9 that differ and a delimiter of the list: what a column file
// can be read with. A hand-edited options file may hold others.
bool usableColumnLayout(const Settings& settings);

// The eight lines of the options file, each ending in CR LF. Line 2 is
// `referenceHeightText` as it stands (the settings dialog passes the text as
// typed); a column outside 0-8 or a delimiter other than blank, comma and
// semicolon is written as an empty line, as the dialog does for a list
// without selection.
std::string optionsFileText(const Settings& settings, const std::string& parameterSetName);

// Replaces "kortavex.cfg" of `directory` atomically. False, with the reason in
// `*error`, when it could not be written; the old file is then unchanged.
bool writeOptionsFile(const std::string& directory, const Settings& settings,
                      const std::string& parameterSetName, std::string* error = nullptr);

}  // namespace kortavex
