#pragma once
// What the tests share: a temporary directory, a shell command's output, the
// distance between two positions, a conversion set up as the window sets it
// up, and the text of one colour.
#ifndef _WIN32
#include <sys/wait.h>
#endif

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "engine/point.h"
#include "workflow/input_window_conversion.h"

// A fresh directory under the system's temporary directory for tests that
// write files; removed with everything in it when the test ends.
class TempDirectory {
 public:
  TempDirectory() {
    std::random_device random;
    for (int attempt = 0; attempt < 100 && path_.empty(); ++attempt) {
      const std::filesystem::path made =
          std::filesystem::temp_directory_path() / ("kortavex-test-" + std::to_string(random()));
      std::error_code error;
      if (std::filesystem::create_directory(made, error)) path_ = made.string();
    }
  }
  ~TempDirectory() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
  }
  TempDirectory(const TempDirectory&) = delete;
  TempDirectory& operator=(const TempDirectory&) = delete;

  const std::string& path() const { return path_; }
  std::string file(const std::string& name) const { return path_ + "/" + name; }

  void write(const std::string& name, const std::string& bytes) const {
    std::ofstream(file(name), std::ios::binary) << bytes;
  }
  // The bytes of a file; empty for a directory or a missing file.
  std::string read(const std::string& name) const {
    if (!std::filesystem::is_regular_file(file(name))) return {};
    std::ifstream in(file(name), std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  }
  bool exists(const std::string& name) const { return std::filesystem::exists(file(name)); }
  // Every entry of the directory, to see that no temporary file is left over.
  std::vector<std::string> entries() const {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(path_))
      names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
  }

 private:
  std::string path_;
};

// Runs a shell command and collects its standard output and exit status.
struct ShellRun {
  int status = -1;
  std::string out;
};

inline ShellRun runShell(const std::string& command) {
  ShellRun run;
  if (FILE* pipe = popen(command.c_str(), "r")) {
    char buf[4096];
    for (std::size_t n; (n = std::fread(buf, 1, sizeof buf, pipe)) > 0;) run.out.append(buf, n);
#ifdef _WIN32
    run.status = pclose(pipe);  // the exit status itself
#else
    run.status = WEXITSTATUS(pclose(pipe));
#endif
  }
  return run;
}

// Distance in metres between two nearby geographic positions (latitude in x,
// longitude in y; longitudes compared across the date line), on a sphere of
// the equator's radius: a fraction of a percent off, plenty for tolerances
// of millimetres.
inline double metresApart(const kortavex::point& a, const kortavex::point& b) {
  constexpr double kRadian = 0.017453292519943295, kMetresPerDegree = 6378137.0 * kRadian;
  const double east = std::remainder(a.y - b.y, 360.0) * kMetresPerDegree * std::cos(a.x * kRadian);
  return std::hypot((a.x - b.x) * kMetresPerDegree, east);
}

// A geographic position as the geographic systems take it: latitude in x.
inline kortavex::point geographic(double latitude, double longitude, double height = 0) {
  return kortavex::point(longitude, latitude, height, 0);
}

// A conversion between two systems of the lists, set up as the window sets it up.
inline kortavex::ConversionSetup setupFor(const std::string& from, const std::string& to,
                                          kortavex::Transformation transformation = kortavex::Transformation::Helmert) {
  kortavex::ConversionRequest request;
  request.systems.startName = from;
  request.systems.targetName = to;
  request.transformation = transformation;
  kortavex::ConversionSetup setup;
  EXPECT_EQ(kortavex::prepareConversion(request, setup), kortavex::SelectionError::None) << from << " -> " << to;
  return setup;
}

// The text of the runs in one colour, in order.
inline std::string inColour(const kortavex::ColouredText& t, kortavex::TextColour colour) {
  std::string out;
  for (const kortavex::ColourRun& r : t.runs)
    if (r.colour == colour) out += t.text.substr(r.begin, r.length);
  return out;
}
