#pragma once
// What the fuzz targets share: typed values taken from the front of an input,
// a scratch directory of the process, and the check that stops a run.

#include <stdlib.h>

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <string_view>
#include <vector>

// Stops the run when a promise of the code under test is broken; libFuzzer
// keeps the input that broke it, the corpus replay fails.
#define FUZZ_CHECK(condition)                                                      \
  do {                                                                             \
    if (!(condition)) {                                                            \
      std::fprintf(stderr, "%s:%d: check failed: %s\n", __FILE__, __LINE__, #condition); \
      std::abort();                                                                \
    }                                                                              \
  } while (false)

// Reads an input from the front: a few bytes choose the case, the rest is
// the text or file under test. Past the end every number reads as 0.
class FuzzInput {
 public:
  FuzzInput(const std::uint8_t* data, std::size_t size)
      : bytes_(reinterpret_cast<const char*>(data), size) {}

  std::uint8_t byte() {
    if (bytes_.empty()) return 0;
    const auto b = static_cast<std::uint8_t>(bytes_.front());
    bytes_.remove_prefix(1);
    return b;
  }
  std::uint16_t u16() { return static_cast<std::uint16_t>(byte() | byte() << 8); }
  // One of `count` choices.
  std::size_t choice(std::size_t count) { return byte() % count; }
  std::string_view rest() const { return bytes_; }

 private:
  std::string_view bytes_;
};

// A directory of this process under the temporary directory, removed at exit.
inline const std::string& scratchDirectory() {
  // Never destroyed, so that the exit handler that removes it can still name it.
  static const std::string* const directory = [] {
    std::string pattern =
        (std::filesystem::temp_directory_path() / "kortavex-fuzz-XXXXXX").string();
    FUZZ_CHECK(::mkdtemp(pattern.data()) != nullptr);
    std::atexit([] {
      std::error_code ignored;
      std::filesystem::remove_all(scratchDirectory(), ignored);
    });
    return new std::string(pattern);
  }();
  return *directory;
}

inline void writeFile(const std::string& path, std::string_view bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  out.close();
  FUZZ_CHECK(out.good());
}

inline std::string readFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// The lines of a file as an independent reader sees them, empty ones
// included; a line ends at LF, CR LF or CR, and a file's last line end starts
// no line.
inline std::vector<std::string_view> allLines(std::string_view text) {
  std::vector<std::string_view> lines;
  std::size_t begin = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '\n' && text[i] != '\r') continue;
    lines.push_back(text.substr(begin, i - begin));
    if (i + 1 < text.size() && text[i] == '\r' && text[i + 1] == '\n') ++i;
    begin = i + 1;
  }
  if (begin < text.size()) lines.push_back(text.substr(begin));
  return lines;
}
