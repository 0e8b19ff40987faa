// NTv2 grid files with any content: the checks, and the forward and reverse
// interpolation that read them node by node. The input becomes the grid file
// in the scratch directory, which is made the working directory so that the
// lookup finds it there first.
//
// Input: one byte for the grid, the layout of the file and its length; two
// 16-bit positions for latitude and longitude; then the file content.

#include <unistd.h>

#include <cmath>
#include <cstring>
#include <limits>
#include <string>

#include "engine/ntv2_grid.h"
#include "engine/point.h"
#include "fuzz/fuzz_support.h"

namespace {

struct GridOperations {
  Grid grid;
  int (point::*forward)(point);
  int (point::*reverse)(point);
};
constexpr GridOperations kGrids[] = {
    {Grid::BeTA2007, &point::Beta2007, &point::Beta2007ret},
    {Grid::AustrianGrid, &point::ATGrid, &point::ATGridret},
    {Grid::CHENYX06, &point::CHENYX, &point::CHENYXret},
};

enum class Layout {
  AsGiven,                  // the content is the whole file
  AcceptedLength,           // the content repeated over a file of an accepted length
  AcceptedLengthAndHeader,  // the same with the expected header texts put in
};

// A position from 16 bits: 1000 and 64535 are the two bounds exactly, values
// beyond them lie outside; 0 is no number and 65535 infinite.
double position(std::uint16_t v, double low, double high) {
  if (v == 0) return std::numeric_limits<double>::quiet_NaN();
  if (v == 65535) return std::numeric_limits<double>::infinity();
  if (v == 1000) return low;
  if (v == 64535) return high;
  return low + (high - low) * ((v - 1000.0) / 63535.0);
}

std::string gridFileBytes(const GridLayout& g, Layout layout, bool shortest,
                          std::string_view content) {
  if (layout == Layout::AsGiven) return std::string(content);
  std::string bytes(static_cast<std::size_t>(shortest ? g.shortestFile : g.longestFile), '\0');
  for (std::size_t at = 0; !content.empty() && at < bytes.size(); at += content.size())
    bytes.replace(at, std::min(content.size(), bytes.size() - at), content.data(),
                  std::min(content.size(), bytes.size() - at));
  if (layout == Layout::AcceptedLengthAndHeader) {
    std::memcpy(&bytes[64], g.version, g.versionLength);
    std::memcpy(&bytes[80], g.sourceDatum, g.datumLength);
    std::memcpy(&bytes[96], g.targetDatum, g.datumLength);
  }
  return bytes;
}

// The output of a grid operation keeps its height, status and text.
point sentinel() {
  point p(-1234.5, -6789.25, 42.0, 5);
  p.txt = "kept";
  return p;
}
bool keepsTheRest(const point& p) { return p.h == 42.0 && p.flag == 5 && p.txt == "kept"; }

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const bool inScratch = ::chdir(scratchDirectory().c_str()) == 0;
  FUZZ_CHECK(inScratch);

  FuzzInput input(data, size);
  const std::uint8_t selector = input.byte();
  const GridOperations& ops = kGrids[selector % 3];
  const auto layout = static_cast<Layout>(selector / 3 % 3);
  const bool shortest = selector / 9 % 2 == 1;
  const GridLayout& g = gridLayout(ops.grid);
  const double latitude = position(input.u16(), g.latStart, g.latEnd);
  const double longitude = position(input.u16(), -g.westEnd, -g.westStart);

  const std::string bytes = gridFileBytes(g, layout, shortest, input.rest());
  writeFile(g.fileName, bytes);

  const int status = checkGridFile(ops.grid);
  FUZZ_CHECK(status == 0 || status == -1);
  const auto length = static_cast<long long>(bytes.size());
  if (length < g.shortestFile || length > g.longestFile) FUZZ_CHECK(status == -1);
  if (layout == Layout::AcceptedLengthAndHeader) FUZZ_CHECK(status == 0);

  const point query(longitude, latitude, 0.0, 0);
  const bool insideGrid = latitude >= g.latStart && latitude <= g.latEnd &&
                          -longitude >= g.westStart && -longitude <= g.westEnd;

  point forward = sentinel();
  const int shifted = (forward.*ops.forward)(query);
  FUZZ_CHECK(shifted == 0 || shifted == 1);
  FUZZ_CHECK(keepsTheRest(forward));
  if (status != 0 || !insideGrid) FUZZ_CHECK(shifted == 0);
  if (shifted == 1) FUZZ_CHECK(std::isfinite(forward.x) && std::isfinite(forward.y));

  point reverse = sentinel();
  const int back = (reverse.*ops.reverse)(query);
  FUZZ_CHECK(back == 0 || back == 1);
  FUZZ_CHECK(keepsTheRest(reverse));
  if (status != 0) FUZZ_CHECK(back == 0);
  if (back == 1) {
    FUZZ_CHECK(std::isfinite(reverse.x) && std::isfinite(reverse.y));
  } else {
    FUZZ_CHECK(reverse.y == -1234.5 && reverse.x == -6789.25);  // left untouched
  }
  return 0;
}
