#pragma once
// The three published NTv2 grid files: where they are found, their checks, and
// node-by-node reading for the interpolation. Nothing of a grid is kept in
// memory: every check and every interpolated point opens the file afresh.

#include <cstddef>
#include <string>
#include <vector>

enum class Grid { BeTA2007, AustrianGrid, CHENYX06 };

// Pages of the publishing agencies where the user downloads the files.
inline constexpr char kBeta2007DownloadPage[] = "https://www.bkg.bund.de";
inline constexpr char kAustrianGridDownloadPage[] =
    "https://bev.gv.at/Services/Produkte/Grundlagenvermessung/GIS-Grid.html";
inline constexpr char kChenyx06DownloadPage[] = "https://www.swisstopo.admin.ch";

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
// directory of the executable, then PROJ's data directory (Debian's proj-data).
std::vector<std::string> gridSearchDirectories();
// The path of `fileName` in the first directory that holds it as a regular
// file, or empty.
std::string findGridFile(const std::string& fileName, const std::vector<std::string>& directories);
// Where the grid's file is found now, or empty; the checks and the
// interpolation both use this place.
std::string gridFilePath(Grid grid);

// One open grid file, checked on opening. Closes the file when destroyed.
class GridFile {
 public:
  GridFile(Grid grid, const std::string& path);
  explicit GridFile(Grid grid);
  ~GridFile();
  GridFile(const GridFile&) = delete;
  GridFile& operator=(const GridFile&) = delete;

  // 0 present and valid, -1 wrong length or header (or unreadable), -2 missing.
  int status() const { return status_; }
  // Shifts of node k in arc-seconds: latitude, and longitude positive towards
  // west. False when the node lies outside the grid or the file, or holds no
  // finite number (a file cut short or replaced since it was checked).
  bool readNode(long k, double& latShift, double& westShift) const;

 private:
  const GridLayout& layout_;
  int fd_ = -1;
  int status_ = -2;
};

class point;

// Forward (old datum to new) and reverse shift of `in` in the grid file at
// `path`; an empty path is where the grid is found now. 1 with x and y of
// `out` written, 0 outside the grid, without a shift value, or when the file
// can no longer be read there.
int gridShiftForward(Grid grid, const std::string& path, const point& in, point& out);
int gridShiftReverse(Grid grid, const std::string& path, const point& in, point& out);

// Checks the grid's file: 0 present and valid, -1 wrong length or header,
// -2 missing.
int checkGridFile(Grid grid);
int Beta2007File();
int ATGridFile();
int CHENYX06File();
