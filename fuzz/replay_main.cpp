// Runs a fuzz target's entry function over stored inputs, as the test suite
// does with the committed corpora: every file named on the command line and
// every file below a directory named there, in sorted order.

#include <algorithm>
#include <clocale>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "fuzz/fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

int main(int argc, char** argv) {
  // Numbers must not follow the locale: replay under the one the test run sets.
  std::setlocale(LC_ALL, "");
  std::vector<std::filesystem::path> inputs;
  for (int i = 1; i < argc; ++i) {
    const std::filesystem::path path(argv[i]);
    if (std::filesystem::is_directory(path)) {
      for (const auto& entry : std::filesystem::recursive_directory_iterator(path))
        if (entry.is_regular_file()) inputs.push_back(entry.path());
    } else if (std::filesystem::is_regular_file(path)) {
      inputs.push_back(path);
    } else {
      std::fprintf(stderr, "%s: no such file or directory\n", argv[i]);
      return 2;
    }
  }
  if (inputs.empty()) {
    std::fprintf(stderr, "usage: %s corpus-directory-or-file...\n(no input found)\n", argv[0]);
    return 2;
  }
  std::sort(inputs.begin(), inputs.end());
  for (const std::filesystem::path& input : inputs) {
    const std::string bytes = readFile(input.string());
    std::printf("%s\n", input.string().c_str());
    std::fflush(stdout);
    LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
  }
  std::printf("%zu inputs replayed\n", inputs.size());
  return 0;
}
