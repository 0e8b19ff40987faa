// NTv2 grid files with any content: the checks, and the forward and reverse
// interpolation that read them node by node. The input becomes the grid file
// in the scratch directory, which is made the working directory so that the
// lookup finds it there first.
//
// Input: one byte for the grid, the layout of the file and its length; two
// 16-bit positions for latitude and longitude; then the file content.

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <limits>
#include <string>

#include "engine/ntv2_grid.h"
#include "engine/point.h"
#include "fuzz/fuzz_support.h"

using namespace kortavex;

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
  AcceptedLength,           // the content in a file of an accepted length
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

// Writes the grid file. A file of an accepted length is sparse: the content
// stands at its start and is repeated over the three rows of nodes about the
// queried latitude, which the interpolation reads; elsewhere it holds zeros
// (no shift value). Writing only these keeps a run fast with files of 3 MB.
void writeGridFile(const GridLayout& g, Layout layout, bool shortest, double latitude,
                   std::string_view content) {
  if (layout == Layout::AsGiven) {
    writeFile(g.fileName, content);
    return;
  }
  const long long length = shortest ? g.shortestFile : g.longestFile;
  const int fd = ::open(g.fileName, O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
  FUZZ_CHECK(fd >= 0);
  FUZZ_CHECK(::ftruncate(fd, length) == 0);
  const auto put = [&](long long at, std::string_view bytes) {
    if (at >= length) return;
    bytes = bytes.substr(0, static_cast<std::size_t>(std::min<long long>(bytes.size(), length - at)));
    FUZZ_CHECK(::pwrite(fd, bytes.data(), bytes.size(), at) == static_cast<ssize_t>(bytes.size()));
  };
  put(0, content);
  const double row = (latitude - g.latStart) / g.latStep;
  if (!content.empty() && row > -2 && row < g.rows + 1) {
    const long long rowBytes = 16LL * g.columns;
    const long long from = 352 + std::max(0LL, static_cast<long long>(row) - 1) * rowBytes;
    std::string rows;
    while (static_cast<long long>(rows.size()) < 3 * rowBytes) rows += content;
    put(from, std::string_view(rows).substr(0, static_cast<std::size_t>(3 * rowBytes)));
  }
  if (layout == Layout::AcceptedLengthAndHeader) {
    put(64, std::string_view(g.version, g.versionLength));
    put(80, std::string_view(g.sourceDatum, g.datumLength));
    put(96, std::string_view(g.targetDatum, g.datumLength));
  }
  FUZZ_CHECK(::close(fd) == 0);
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

  writeGridFile(g, layout, shortest, latitude, input.rest());

  const int status = checkGridFile(ops.grid);
  FUZZ_CHECK(status == 0 || status == -1);
  const auto length = static_cast<long long>(
      layout == Layout::AsGiven ? input.rest().size() : shortest ? g.shortestFile : g.longestFile);
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
