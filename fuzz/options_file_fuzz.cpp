// The options file "kortavex.cfg" with any content, read as at start-up.

#include <cmath>
#include <string>

#include "files/text_file.h"
#include "fuzz/fuzz_support.h"
#include "settings/settings.h"
#include "settings/startup.h"

using namespace kortavex;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string& directory = scratchDirectory();
  const std::string path = pathInDirectory(directory, kOptionsFileName);
  writeFile(path, std::string_view(reinterpret_cast<const char*>(data), size));

  // Start-up: the options file, then the parameter file it names (if any).
  const StartupConfiguration startup = readStartupConfiguration(directory);
  FUZZ_CHECK(startup.optionsFileFound);
  FUZZ_CHECK(std::isfinite(startup.settings.referenceHeight));

  Settings settings;
  std::string setName;
  FUZZ_CHECK(readOptionsFile(directory, settings, setName));
  FUZZ_CHECK(settings.referenceHeight == startup.settings.referenceHeight);
  FUZZ_CHECK(setName.find_first_of("\r\n") == std::string::npos);

  // What the settings dialog would write is read back to the same settings:
  // one write is enough to make any file the program's own.
  const std::string written = optionsFileText(settings, setName);
  writeFile(path, written);
  Settings again;
  std::string againName;
  FUZZ_CHECK(readOptionsFile(directory, again, againName));
  FUZZ_CHECK(optionsFileText(again, againName) == written);
  FUZZ_CHECK(again.referenceHeight == settings.referenceHeight);
  return 0;
}
