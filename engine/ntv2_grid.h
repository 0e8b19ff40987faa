#pragma once
// The three published NTv2 grid files: where they are found, their checks,
// and their nodes held in memory for the interpolation (at most 1.7 MB a
// grid: two single floats a node). A conversion run loads its grid once and
// shares it read-only between its threads; the file is compared with the
// loaded copy every few thousand shifts, and once it is found removed,
// truncated or replaced, the copy gives no shift for the rest of the run.

#include <atomic>
#include <cstddef>
#include <memory>
#include <string>
#include <vector>

#include "files/text_file.h"  // FileIdentity

namespace kortavex {

enum class Grid { BeTA2007, AustrianGrid, CHENYX06 };

// What the system knows of a grid without reading its sub-grid header.
struct GridLayout {
  const char* fileName;
  // Extent in degrees, longitude counted positive towards west (W = -longitude).
  double westStart, westEnd;
  double latStart, latEnd;
  double westStep, latStep;
  int columns, rows;
  // Accepted file length in bytes, both ends included.
  long long shortestFile, longestFile;
  // Header texts expected at bytes 64, 80 and 96, and how many characters count.
  const char* version;
  std::size_t versionLength;
  const char* sourceDatum;
  const char* targetDatum;
  std::size_t datumLength;
};

const GridLayout& gridLayout(Grid grid);
const char* gridFileName(Grid grid);

// Places searched for a grid file, in order: the working directory, the
// directory of the executable, $PROJ_DATA, the user's PROJ folder
// ($XDG_DATA_HOME/proj or ~/.local/share/proj), then PROJ's data directory
// (Debian's proj-data).
std::vector<std::string> gridSearchDirectories();
// The path of `fileName` in the first directory that holds it as a regular
// file, or empty.
std::string findGridFile(const std::string& fileName, const std::vector<std::string>& directories);
// Where the grid's file is found now, or empty; the checks and the
// interpolation both use this place.
std::string gridFilePath(Grid grid);

// Shifts beyond this many arc-seconds (about 30 km) are no datum shift but a
// damaged or forged file: such a node holds no shift value.
inline constexpr double kMaxNodeShiftSeconds = 1000.0;
// Each thread compares a grid's file with its loaded copy at its first shift
// and then once every this many shifts.
inline constexpr unsigned kGridShiftsPerCheck = 4096;

// One grid file, checked and read whole on loading.
class GridFile {
 public:
  GridFile(Grid grid, const std::string& path);
  explicit GridFile(Grid grid);
  GridFile(const GridFile&) = delete;
  GridFile& operator=(const GridFile&) = delete;

  Grid grid() const { return grid_; }
  const std::string& path() const { return path_; }
  // 0 present and valid, -1 wrong length or header (or unreadable), -2 missing.
  int status() const { return status_; }
  // Shifts of node k in arc-seconds: latitude, and longitude positive towards
  // west. False when the node lies outside the grid or the file, holds no
  // finite number or an implausible shift, or the file has changed.
  bool readNode(long k, double& latShift, double& westShift) const;
  // Compares the file at path() with the loaded copy (device, inode, size,
  // modification time); once they differ the copy gives no shift for good.
  bool unchanged() const;

 private:
  Grid grid_;
  std::string path_;
  int status_ = -2;
  FileIdentity identity_;  // the file as it was loaded
  std::vector<float> shifts_;  // latitude and west shift of each node; NaN for no value
  mutable std::atomic<bool> changed_{false};
};

// A loaded grid, shared read-only by the threads of a run.
using GridHandle = std::shared_ptr<const GridFile>;
GridHandle loadGridFile(Grid grid, const std::string& path);
// The grid as found now, loaded again only when its place or file changed:
// for single conversions without a run.
GridHandle currentGridFile(Grid grid);

class point;

// Forward (old datum to new) and reverse shift of `in` in a loaded grid. 1
// with x and y of `out` written, 0 outside the grid, without a shift value,
// or when the file has changed since it was loaded.
int gridShiftForward(const GridFile& grid, const point& in, point& out);
int gridShiftReverse(const GridFile& grid, const point& in, point& out);

// Checks the grid's file: 0 present and valid, -1 wrong length or header,
// -2 missing.
int checkGridFile(Grid grid);
int Beta2007File();
int ATGridFile();
int CHENYX06File();

}  // namespace kortavex
