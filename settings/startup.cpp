#include "settings/startup.h"

#include "settings/parameter_file.h"

namespace kortavex {

StartupConfiguration readStartupConfiguration(const std::string& directory) {
  StartupConfiguration config;
  std::string parameterSetName;
  config.optionsFileFound = readOptionsFile(directory, config.settings, parameterSetName,
                                             &config.optionsFileProblem);
  if (config.optionsFileFound)
    config.parameters = readStartupParameterSet(directory, parameterSetName);
  return config;
}

}  // namespace kortavex
