#pragma once
// What the program reads at start-up from its working directory: the options
// file and the parameter file that it names.

#include <string>

#include "settings/settings.h"
#include "settings/user_parameter_set.h"

namespace kortavex {

struct StartupConfiguration {
  Settings settings;
  UserParameterSet parameters;
  bool optionsFileFound = false;
  // Why an options file that is there was not read (the defaults are used).
  std::string optionsFileProblem;
};

// Defaults where there is no options file; otherwise its values and the
// parameter set of the name in its line 6 (defaults with an empty name when
// that file is missing). `directory` empty means the working directory.
StartupConfiguration readStartupConfiguration(const std::string& directory = "");

}  // namespace kortavex
