// Locating, checking and reading the NTv2 grid files. The layout of
// header records and nodes is that of the NTv2 format description of Natural
// Resources Canada (Junkins and Farley, "NTv2 Developer's Guide", Geodetic
// Survey Division, 1995): 16-byte records of an 8-byte name and a value,
// shifts in arc-seconds with longitudes positive towards west.

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <mutex>

#include "engine/ntv2_grid.h"

namespace kortavex {

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

bool exists(const std::string& path) {
  struct stat info;
  return stat(path.c_str(), &info) == 0;
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

// Reads what the file holds of `count` bytes from `offset`; fewer at its end.
std::size_t readUpTo(int fd, long long offset, unsigned char* buffer, std::size_t count) {
  std::size_t got = 0;
  while (got < count) {
    const ssize_t n = pread(fd, buffer + got, count - got, static_cast<off_t>(offset) + got);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) break;
    got += static_cast<std::size_t>(n);
  }
  return got;
}

float shiftValue(const unsigned char* bytes) {
  const float value = littleEndianFloat(bytes);
  return std::fabs(value) <= kMaxNodeShiftSeconds ? value
                                                  : std::numeric_limits<float>::quiet_NaN();
}

// The shifts of every node that the file holds whole (its first eight bytes;
// the other eight are the accuracies, unused). A file cut short inside the
// nodes leaves the missing ones without a shift value.
std::vector<float> readShifts(int fd, long long nodes) {
  std::vector<float> shifts(static_cast<std::size_t>(2 * nodes),
                            std::numeric_limits<float>::quiet_NaN());
  constexpr long long kChunkNodes = 4096;
  std::vector<unsigned char> chunk(kChunkNodes * kNodeBytes);
  for (long long first = 0; first < nodes; first += kChunkNodes) {
    const long long count = std::min(kChunkNodes, nodes - first);
    const std::size_t got = readUpTo(fd, kHeaderBytes + first * kNodeBytes, chunk.data(),
                                     static_cast<std::size_t>(count * kNodeBytes));
    for (long long k = 0; k < count && (k * kNodeBytes + 8) <= static_cast<long long>(got); ++k) {
      shifts[2 * (first + k)] = shiftValue(&chunk[k * kNodeBytes]);
      shifts[2 * (first + k) + 1] = shiftValue(&chunk[k * kNodeBytes + 4]);
    }
    if (got < chunk.size() && count == kChunkNodes) break;  // the file ends here
  }
  return shifts;
}

// Closes the descriptor when the loading is done.
struct Descriptor {
  int fd;
  ~Descriptor() {
    if (fd >= 0) close(fd);
  }
};

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
    // a directory or pipe of the grid's name is found too, and reported
    // as an incorrect grid file rather than passed over for another copy
    if (exists(path)) return path;
  }
  return {};
}

std::string gridFilePath(Grid grid) {
  return findGridFile(gridFileName(grid), gridSearchDirectories());
}

GridFile::GridFile(Grid grid) : GridFile(grid, gridFilePath(grid)) {}

GridFile::GridFile(Grid grid, const std::string& path) : grid_(grid), path_(path) {
  if (path.empty()) return;
  // Non-blocking, so that a pipe put in the file's place cannot hang the open.
  const Descriptor file{open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK)};
  if (file.fd < 0) {
    status_ = errno == ENOENT || errno == ENOTDIR ? -2 : -1;
    return;
  }
  struct stat info;
  if (fstat(file.fd, &info) != 0 || !S_ISREG(info.st_mode)) {
    status_ = -1;
    return;
  }
  identity_ = {info.st_dev, info.st_ino, info.st_size, info.st_mtim};
  const GridLayout& layout = gridLayout(grid);
  const long long length = info.st_size;
  const bool lengthAccepted = length >= layout.shortestFile && length <= layout.longestFile;
  if (!lengthAccepted || !headerMatches(file.fd, layout)) {
    status_ = -1;
    return;
  }
  shifts_ = readShifts(file.fd, static_cast<long long>(layout.columns) * layout.rows);
  status_ = 0;
}

bool GridFile::readNode(long k, double& latShift, double& westShift) const {
  if (status_ != 0 || k < 0 || static_cast<std::size_t>(k) >= shifts_.size() / 2 ||
      changed_.load(std::memory_order_relaxed))
    return false;
  const float lat = shifts_[2 * static_cast<std::size_t>(k)];
  const float west = shifts_[2 * static_cast<std::size_t>(k) + 1];
  if (!std::isfinite(lat) || !std::isfinite(west)) return false;
  latShift = lat;
  westShift = west;
  return true;
}

bool GridFile::sameFile(const Identity& a, const Identity& b) {
  return a.device == b.device && a.inode == b.inode && a.size == b.size &&
         a.modified.tv_sec == b.modified.tv_sec && a.modified.tv_nsec == b.modified.tv_nsec;
}

bool GridFile::unchanged() const {
  if (changed_.load(std::memory_order_relaxed)) return false;
  struct stat info;
  const bool same = !path_.empty() && stat(path_.c_str(), &info) == 0 &&
                    sameFile(identity_, {info.st_dev, info.st_ino, info.st_size, info.st_mtim});
  if (!same) changed_.store(true, std::memory_order_relaxed);
  return same;
}

GridHandle loadGridFile(Grid grid, const std::string& path) {
  return std::make_shared<const GridFile>(grid, path);
}

GridHandle currentGridFile(Grid grid) {
  static std::mutex mutex;
  static GridHandle loaded[3];
  const std::string path = gridFilePath(grid);
  const std::lock_guard<std::mutex> lock(mutex);
  GridHandle& slot = loaded[static_cast<int>(grid)];
  if (!slot || slot->path() != path || !slot->unchanged()) slot = loadGridFile(grid, path);
  return slot;
}

int checkGridFile(Grid grid) { return GridFile(grid).status(); }
int Beta2007File() { return checkGridFile(Grid::BeTA2007); }
int ATGridFile() { return checkGridFile(Grid::AustrianGrid); }
int CHENYX06File() { return checkGridFile(Grid::CHENYX06); }

}  // namespace kortavex
