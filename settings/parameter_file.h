#pragma once
// Parameter files "<name>.gtp": a user parameter set kept as seventeen text
// lines. Save, Load and Delete are the file operations of the parameter-set
// dialog; the start-up reading takes the file that the options file names.

#include <array>
#include <string>

#include "settings/user_parameter_set.h"

namespace kortavex {

inline constexpr const char* kParameterFileHeader = "kortavex_parameter_v4";
// Every form of the file, the earlier one without the three Lambert lines too.
inline constexpr const char* kParameterFileHeaderPrefix = "kortavex_parameter";
inline constexpr const char* kParameterFileExtension = ".gtp";
// Item 0 of the projection list in German, the form the start-up reading knows.
inline constexpr const char* kGermanNoProjectionItem = "keine (geografisch)";

// The file of the set `name` (Windows-1252) in `directory` (file-system
// bytes; empty: the working directory), as file-system bytes: the name in
// UTF-8, the file-name encoding of the desktop's file dialogs, followed by
// ".gtp", so that the Load dialog lists the set under its own name. Empty
// when the name cannot be a file of that directory (a '/' or a NUL byte).
std::string parameterFilePath(const std::string& directory, const std::string& name);

// The set at start-up for the name from the options file. A missing file
// gives the defaults with an empty name, and, unless the name is empty too,
// the fault `missing`: the defaults must not pass for the named set in a
// conversion. A file that cannot be read (no
// regular file, a line too long) a set with its `fault`; a file is taken
// without testing its header, except that only the current form supplies the
// three Lambert numbers (otherwise their texts stay empty). Items are matched
// without the blanks around them and also in UTF-8; item 0 of the projection
// list in any of the seven languages. A file that still names no item, holds
// a number that is no number (or one beyond what any real system has), or lacks a
// line of its form gives a set with its `fault`.
UserParameterSet readStartupParameterSet(const std::string& directory, const std::string& name);

// The seventeen lines of the file, each ending in CR LF. Numbers are written
// with every "," replaced by "."; `noProjectionItem` is item 0 of the
// projection list in the current language.
std::string parameterFileText(const UserParameterSet& set, const std::string& noProjectionItem);

// Save: writes the file of `set.name` in `directory` (see parameterFilePath),
// replacing an existing file atomically. False, with the reason in `*error`
// (file-system text), when nothing was written.
bool saveParameterFile(const std::string& directory, const UserParameterSet& set,
                       const std::string& noProjectionItem, std::string* error = nullptr);

// What Load found in a file chosen by the user.
struct LoadedParameterFile {
  bool valid = false;  // the first line begins with "kortavex_parameter"
  bool missing = false;  // there is no such file
  std::string name;
  std::array<std::string, PARAM_COUNT> texts;  // Lambert texts empty in the earlier form
  int ellipsoid = -1;   // -1: the line names no item, the list keeps its selection
  int projection = -1;  // likewise; item 0 is `noProjectionItem`
  ParameterFileFault fault;  // Load refuses a file with a fault, as start-up does
};

// Load: reads the file at `path` (file-system bytes). An unreadable file is
// not valid and has its `fault`, unless it is missing.
LoadedParameterFile loadParameterFile(const std::string& path, const std::string& noProjectionItem);

// Puts a valid loaded file without fault into the values of the dialog, as Load does with
// its controls (the numbers are converted only when the dialog is confirmed).
void applyLoadedParameterFile(const LoadedParameterFile& loaded, UserParameterSet& values);

// "Faulty parameter file, the parameter set is not used:\n<file>, line 10:
// <text>", or for a missing file "Parameter file not found, ...:\n<file>", in
// the named language, the file's name as window text.
std::string parameterFaultMessage(const ParameterFileFault& fault, const std::string& language);

// Delete: removes the file of the set `name` from `directory` (see
// parameterFilePath); false if that failed.
bool deleteParameterFile(const std::string& directory, const std::string& name);

}  // namespace kortavex
