// Locating, checking and reading the NTv2 grid files. The layout of
// header records and nodes is that of the NTv2 format description of Natural
// Resources Canada (Junkins and Farley, "NTv2 Developer's Guide", Geodetic
// Survey Division, 1995): 16-byte records of an 8-byte name and a value,
// shifts in arc-seconds with longitudes positive towards west.

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <mutex>

#include "engine/ntv2_grid.h"
#include "files/byte_order.h"
#include "files/data_file.h"
#include "files/platform.h"

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

float shiftValue(const unsigned char* bytes) {
  const float value = floatAt(bytes, ByteOrder::LittleEndian);  // whatever the machine
  return std::fabs(value) <= kMaxNodeShiftSeconds ? value
                                                  : std::numeric_limits<float>::quiet_NaN();
}

// The shifts of every node that the file holds whole (its first eight bytes;
// the other eight are the accuracies, unused). A file cut short inside the
// nodes leaves the missing ones without a shift value.
std::vector<float> readShifts(const DataFile& file, long long nodes) {
  std::vector<float> shifts(static_cast<std::size_t>(2 * nodes),
                            std::numeric_limits<float>::quiet_NaN());
  constexpr long long kChunkNodes = 4096;
  std::vector<unsigned char> chunk(kChunkNodes * kNodeBytes);
  for (long long first = 0; first < nodes; first += kChunkNodes) {
    const long long count = std::min(kChunkNodes, nodes - first);
    const std::size_t got = file.readAt(kHeaderBytes + first * kNodeBytes, chunk.data(),
                                        static_cast<std::size_t>(count * kNodeBytes));
    for (long long k = 0; k < count && (k * kNodeBytes + 8) <= static_cast<long long>(got); ++k) {
      shifts[2 * (first + k)] = shiftValue(&chunk[k * kNodeBytes]);
      shifts[2 * (first + k) + 1] = shiftValue(&chunk[k * kNodeBytes + 4]);
    }
    if (got < chunk.size() && count == kChunkNodes) break;  // the file ends here
  }
  return shifts;
}

bool headerMatches(const DataFile& file, const GridLayout& layout) {
  unsigned char records[3 * kRecordBytes];
  if (file.readAt(kVersionOffset, records, sizeof records) != sizeof records) return false;
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
  static const std::string programDirectory = platform::executableDirectory();
  std::vector<std::string> directories{"."};
  if (!programDirectory.empty()) directories.push_back(programDirectory);
  // PROJ's own places: each folder of $PROJ_DATA, the user's, the system's
  const std::string projData = platform::environmentText("PROJ_DATA");
  for (std::size_t start = 0; start < projData.size();) {
    const std::size_t end = std::min(projData.find(platform::folderListSeparator(), start), projData.size());
    if (end > start) directories.push_back(projData.substr(start, end - start));
    start = end + 1;
  }
  for (std::string& directory : platform::projGridDirectories()) directories.push_back(std::move(directory));
  return directories;
}

std::string findGridFile(const std::string& fileName,
                         const std::vector<std::string>& directories) {
  for (const std::string& directory : directories) {
    std::string path = pathInDirectory(directory, fileName);
    // a directory or pipe of the grid's name is found too, and reported
    // as an incorrect grid file rather than passed over for another copy
    if (linkedFileIdentity(path).exists) return path;
  }
  return {};
}

std::string gridFilePath(Grid grid) {
  return findGridFile(gridFileName(grid), gridSearchDirectories());
}

GridFile::GridFile(Grid grid) : GridFile(grid, gridFilePath(grid)) {}

GridFile::GridFile(Grid grid, const std::string& path) : grid_(grid), path_(path) {
  if (path.empty()) return;
  const DataFile file(path);
  if (!file.isOpen()) {
    status_ = file.missing() ? -2 : -1;
    return;
  }
  identity_ = file.identity();
  const GridLayout& layout = gridLayout(grid);
  const long long length = static_cast<long long>(identity_.size);
  const bool lengthAccepted = length >= layout.shortestFile && length <= layout.longestFile;
  if (!lengthAccepted || !headerMatches(file, layout)) {
    status_ = -1;
    return;
  }
  shifts_ = readShifts(file, static_cast<long long>(layout.columns) * layout.rows);
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

bool GridFile::unchanged() const {
  if (changed_.load(std::memory_order_relaxed)) return false;
  const bool same = !path_.empty() && linkedFileIdentity(path_) == identity_;
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
