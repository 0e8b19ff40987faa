// Locating, checking and reading the NTv2 grid files.

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>

#include "engine/ntv2_grid.h"

namespace {

static_assert(std::numeric_limits<float>::is_iec559, "grid shifts are IEEE 754 single floats");

// 11 overview records and 11 records of the one sub-grid, 16 bytes each.
constexpr long long kHeaderBytes = 352;
constexpr long long kNodeBytes = 16;
constexpr long long kVersionOffset = 64;  // then the source and target datum records
constexpr std::size_t kRecordBytes = 16;

constexpr GridLayout kBeta2007{
    "BETA2007.gsb", -15.66666666667, -5.5, 47.0, 55.3, 0.166666666667, 0.1, 62, 84, 83696, 83696,
    "VERSION NTv2.0", 14, "SYSTEM_FDHDN90", "SYSTEM_TETRS89", 14};
// The Austrian file has been published with slightly different end records;
// its nominal length is 3193168.
constexpr GridLayout kAustrianGrid{"AT_GIS_GRID.gsb", -17.1625, -9.5, 46.35, 49.05, 0.0125,
                                   0.00833333333, 614, 325, 3193130, 3193170,
                                   "VERSION NTv2.0  ", 16, "SYSTEM_F MGI    ", "SYSTEM_T ETRS89 ",
                                   16};
constexpr GridLayout kChenyx06{"CHENYX06a.gsb", -11.05, -5.55, 45.4666666, 48.0666666,
                               0.00833333333, 0.00833333333, 661, 313, 3310656, 3310656,
                               "VERSION NTv2.0", 14, "DATUM_F CH1903 ", "DATUM_T CH1903+", 15};

// The directory of the running program, or empty when it cannot be told.
std::string executableDirectory() {
  char buffer[4096];
  const ssize_t length = readlink("/proc/self/exe", buffer, sizeof buffer);
  if (length <= 0 || static_cast<std::size_t>(length) >= sizeof buffer) return {};
  const std::string path(buffer, static_cast<std::size_t>(length));
  const std::size_t slash = path.rfind('/');
  if (slash == std::string::npos) return {};
  return slash == 0 ? std::string("/") : path.substr(0, slash);
}

bool isRegularFile(const std::string& path) {
  struct stat info;
  return stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

// The files are little-endian whatever the machine.
float littleEndianFloat(const unsigned char* bytes) {
  const std::uint32_t bits = std::uint32_t{bytes[0]} | std::uint32_t{bytes[1]} << 8 |
                             std::uint32_t{bytes[2]} << 16 | std::uint32_t{bytes[3]} << 24;
  float value;
  std::memcpy(&value, &bits, sizeof value);
  return value;
}

bool readAt(int fd, long long offset, unsigned char* buffer, std::size_t count) {
  return pread(fd, buffer, count, static_cast<off_t>(offset)) == static_cast<ssize_t>(count);
}

bool headerMatches(int fd, const GridLayout& layout) {
  unsigned char records[3 * kRecordBytes];
  if (!readAt(fd, kVersionOffset, records, sizeof records)) return false;
  return std::memcmp(records, layout.version, layout.versionLength) == 0 &&
         std::memcmp(records + kRecordBytes, layout.sourceDatum, layout.datumLength) == 0 &&
         std::memcmp(records + 2 * kRecordBytes, layout.targetDatum, layout.datumLength) == 0;
}

}  // namespace

const GridLayout& gridLayout(Grid grid) {
  switch (grid) {
    case Grid::AustrianGrid:
      return kAustrianGrid;
    case Grid::CHENYX06:
      return kChenyx06;
    case Grid::BeTA2007:
      break;
  }
  return kBeta2007;
}

const char* gridFileName(Grid grid) { return gridLayout(grid).fileName; }

std::vector<std::string> gridSearchDirectories() {
  // The program cannot move while it runs: its directory is looked up once.
  static const std::string programDirectory = executableDirectory();
  std::vector<std::string> directories{"."};
  if (!programDirectory.empty()) directories.push_back(programDirectory);
  directories.emplace_back("/usr/share/proj");
  return directories;
}

std::string findGridFile(const std::string& fileName,
                         const std::vector<std::string>& directories) {
  for (const std::string& directory : directories) {
    std::string path = directory + "/" + fileName;
    if (isRegularFile(path)) return path;
  }
  return {};
}

std::string gridFilePath(Grid grid) {
  return findGridFile(gridFileName(grid), gridSearchDirectories());
}

GridFile::GridFile(Grid grid) : GridFile(grid, gridFilePath(grid)) {}

GridFile::GridFile(Grid grid, const std::string& path) : layout_(gridLayout(grid)) {
  if (path.empty()) return;
  // Non-blocking, so that a pipe put in the file's place cannot hang the open.
  fd_ = open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
  if (fd_ < 0) {
    status_ = errno == ENOENT || errno == ENOTDIR ? -2 : -1;
    return;
  }
  struct stat info;
  if (fstat(fd_, &info) != 0 || !S_ISREG(info.st_mode)) {
    status_ = -2;
    return;
  }
  const long long length = info.st_size;
  const bool lengthAccepted = length >= layout_.shortestFile && length <= layout_.longestFile;
  status_ = lengthAccepted && headerMatches(fd_, layout_) ? 0 : -1;
}

GridFile::~GridFile() {
  if (fd_ >= 0) close(fd_);
}

bool GridFile::readNode(long k, double& latShift, double& westShift) const {
  if (status_ != 0 || k < 0 || k >= static_cast<long>(layout_.columns) * layout_.rows) return false;
  unsigned char node[8];
  if (!readAt(fd_, kHeaderBytes + kNodeBytes * k, node, sizeof node)) return false;
  const float lat = littleEndianFloat(node);
  const float west = littleEndianFloat(node + 4);
  if (!std::isfinite(lat) || !std::isfinite(west)) return false;
  latShift = lat;
  westShift = west;
  return true;
}

int checkGridFile(Grid grid) { return GridFile(grid).status(); }
int Beta2007File() { return checkGridFile(Grid::BeTA2007); }
int ATGridFile() { return checkGridFile(Grid::AustrianGrid); }
int CHENYX06File() { return checkGridFile(Grid::CHENYX06); }
