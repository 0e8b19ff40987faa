// PROJ's GeoTIFF geoid grids (proj.org, "Geodetic TIFF grids"), read
// through libtiff: one band of single floats, stripped or tiled, any
// compression libtiff decodes; rows from north to south; the position of
// the grid from the GeoTIFF tags ModelTiepointTag and ModelPixelScaleTag,
// its nodes the pixel centres unless GTRasterTypeGeoKey says PixelIsPoint;
// "no data" from GDAL's GDAL_NODATA tag. The file is read through
// files/data_file.h, which opens it without blocking on a FIFO.
//
// A build without libtiff (KORTAVEX_GEOTIFF off) reads no GeoTIFF grid and
// says so.
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <limits>

#include "engine/geoid_grid.h"
#include "files/data_file.h"

#if KORTAVEX_GEOTIFF
#include <tiffio.h>
#endif

namespace kortavex {

#if !KORTAVEX_GEOTIFF

GeoidGridReading readGeoTiffGeoidGrid(const std::string&) {
  return {nullptr, "GeoTIFF grids are not read by this build of the program; a GTX grid is"};
}

#else

namespace {

// GeoTIFF's tags and keys (GeoTIFF 1.1, OGC 19-008r4) and GDAL's no-data tag.
constexpr ttag_t kModelPixelScaleTag = 33550;
constexpr ttag_t kModelTiepointTag = 33922;
constexpr ttag_t kGeoKeyDirectoryTag = 34735;
constexpr ttag_t kGdalMetadataTag = 42112;
constexpr ttag_t kGdalNoDataTag = 42113;
constexpr int kModelTypeKey = 1024, kRasterTypeKey = 1025;
constexpr int kModelTypeGeographic = 2, kRasterPixelIsPoint = 2;
// libtiff allocates no more at once for a hostile header
constexpr tmsize_t kLargestAllocation = 256 << 20;

// The file as libtiff reads it.
struct Source {
  const DataFile& file;
  std::uint64_t offset = 0;
};

tmsize_t readProc(thandle_t handle, void* buffer, tmsize_t size) {
  Source& source = *static_cast<Source*>(handle);
  if (size < 0) return -1;
  const std::size_t got =
      source.file.readAt(source.offset, static_cast<unsigned char*>(buffer), static_cast<std::size_t>(size));
  source.offset += got;
  return static_cast<tmsize_t>(got);
}
tmsize_t writeProc(thandle_t, void*, tmsize_t) { return -1; }
toff_t seekProc(thandle_t handle, toff_t offset, int whence) {
  Source& source = *static_cast<Source*>(handle);
  if (whence == SEEK_CUR) offset += source.offset;
  else if (whence == SEEK_END) offset += source.file.identity().size;
  source.offset = offset;
  return offset;
}
int closeProc(thandle_t) { return 0; }
toff_t sizeProc(thandle_t handle) { return static_cast<Source*>(handle)->file.identity().size; }
int mapProc(thandle_t, void**, toff_t*) { return 0; }
void unmapProc(thandle_t, void*, toff_t) {}

// libtiff's first error becomes the reason; its warnings are not printed.
int keepError(TIFF*, void* userData, const char*, const char* format, va_list arguments) {
  std::string& problem = *static_cast<std::string*>(userData);
  if (problem.empty()) {
    char text[256];
    std::vsnprintf(text, sizeof text, format, arguments);
    problem = text;
  }
  return 1;
}
int ignoreWarning(TIFF*, void*, const char*, const char*, va_list) { return 1; }

// The values of a tag that libtiff does not know by itself, when it holds `type`.
template <typename T>
bool tagValues(TIFF* tiff, ttag_t tag, TIFFDataType type, const T*& values, std::uint32_t& count) {
  const TIFFField* field = TIFFFindField(tiff, tag, TIFF_ANY);
  if (!field || TIFFFieldDataType(field) != type || !TIFFFieldPassCount(field)) return false;
  void* data = nullptr;
  if (TIFFFieldReadCount(field) == TIFF_VARIABLE2) {
    if (!TIFFGetField(tiff, tag, &count, &data)) return false;
  } else {
    std::uint16_t shortCount = 0;
    if (!TIFFGetField(tiff, tag, &shortCount, &data)) return false;
    count = shortCount;
  }
  values = static_cast<const T*>(data);
  return values != nullptr;
}

std::string tagText(TIFF* tiff, ttag_t tag) {
  const char* text = nullptr;
  std::uint32_t count = 0;
  if (!tagValues(tiff, tag, TIFF_ASCII, text, count)) return {};
  std::string result(text, count);
  return result.substr(0, result.find('\0'));
}

// A GeoTIFF key of the directory held in the tag itself; `fallback` without it.
int geoKey(TIFF* tiff, int key, int fallback) {
  const std::uint16_t* keys = nullptr;
  std::uint32_t count = 0;
  if (!tagValues(tiff, kGeoKeyDirectoryTag, TIFF_SHORT, keys, count) || count < 4) return fallback;
  for (std::uint32_t k = 0; k < keys[3] && 4 * (k + 2) <= count; ++k) {
    const std::uint16_t* entry = keys + 4 * (k + 1);
    if (entry[0] == key && entry[1] == 0) return entry[3];
  }
  return fallback;
}

// GDAL writes a band's scale and offset into its metadata: heights that
// would need them are not read as they stand.
bool scaledBand(const std::string& metadata) {
  for (const char* role : {"role=\"scale\">", "role=\"offset\">"}) {
    const std::size_t at = metadata.find(role);
    if (at == std::string::npos) continue;
    const double value = std::strtod(metadata.c_str() + at + std::char_traits<char>::length(role), nullptr);
    if (value != (role[6] == 's' ? 1.0 : 0.0)) return true;
  }
  return false;
}

// The rows of the first image, north first, into `heights` south first.
bool readNodes(TIFF* tiff, GeoidGrid& grid) {
  const std::size_t columns = static_cast<std::size_t>(grid.columns);
  const auto put = [&](std::size_t rowFromNorth, std::size_t column, float value) {
    grid.heights[(static_cast<std::size_t>(grid.rows) - 1 - rowFromNorth) * columns + column] = value;
  };
  grid.heights.resize(columns * static_cast<std::size_t>(grid.rows));
  if (TIFFIsTiled(tiff)) {
    std::uint32_t tileWidth = 0, tileHeight = 0;
    TIFFGetField(tiff, TIFFTAG_TILEWIDTH, &tileWidth);
    TIFFGetField(tiff, TIFFTAG_TILELENGTH, &tileHeight);
    const tmsize_t tileBytes = TIFFTileSize(tiff);
    if (tileWidth == 0 || tileHeight == 0 || tileBytes != static_cast<tmsize_t>(4ULL * tileWidth * tileHeight) ||
        tileBytes > kLargestAllocation)
      return false;
    std::vector<float> tile(static_cast<std::size_t>(tileWidth) * tileHeight);
    for (std::uint32_t top = 0; top < static_cast<std::uint32_t>(grid.rows); top += tileHeight)
      for (std::uint32_t left = 0; left < columns; left += tileWidth) {
        if (TIFFReadEncodedTile(tiff, TIFFComputeTile(tiff, left, top, 0, 0), tile.data(), tileBytes) != tileBytes)
          return false;
        for (std::uint32_t r = 0; r < tileHeight && top + r < static_cast<std::uint32_t>(grid.rows); ++r)
          for (std::uint32_t c = 0; c < tileWidth && left + c < columns; ++c)
            put(top + r, left + c, tile[static_cast<std::size_t>(r) * tileWidth + c]);
      }
    return true;
  }
  if (TIFFScanlineSize(tiff) != static_cast<tmsize_t>(4 * columns)) return false;
  std::vector<float> row(columns);
  for (int r = 0; r < grid.rows; ++r) {
    if (TIFFReadScanline(tiff, row.data(), static_cast<std::uint32_t>(r), 0) != 1) return false;
    for (std::size_t c = 0; c < columns; ++c) put(static_cast<std::size_t>(r), c, row[c]);
  }
  return true;
}

// The grid of an opened file, or why there is none in `problem`.
GeoidGridHandle gridOf(TIFF* tiff, std::string& problem) {
  std::uint32_t width = 0, height = 0;
  std::uint16_t samples = 1, bits = 0, format = SAMPLEFORMAT_UINT;
  TIFFGetField(tiff, TIFFTAG_IMAGEWIDTH, &width);
  TIFFGetField(tiff, TIFFTAG_IMAGELENGTH, &height);
  TIFFGetFieldDefaulted(tiff, TIFFTAG_SAMPLESPERPIXEL, &samples);
  TIFFGetFieldDefaulted(tiff, TIFFTAG_BITSPERSAMPLE, &bits);
  TIFFGetFieldDefaulted(tiff, TIFFTAG_SAMPLEFORMAT, &format);
  if (samples != 1 || bits != 32 || format != SAMPLEFORMAT_IEEEFP) {
    problem = "no geoid grid: not one band of single floats";
    return nullptr;
  }
  const double* scale = nullptr;
  const double* tiepoint = nullptr;
  std::uint32_t scaleCount = 0, tiepointCount = 0;
  if (!tagValues(tiff, kModelPixelScaleTag, TIFF_DOUBLE, scale, scaleCount) || scaleCount < 2 ||
      !tagValues(tiff, kModelTiepointTag, TIFF_DOUBLE, tiepoint, tiepointCount) || tiepointCount < 6) {
    problem = "no geoid grid: a TIFF image without its position on the earth";
    return nullptr;
  }
  if (geoKey(tiff, kModelTypeKey, kModelTypeGeographic) != kModelTypeGeographic) {
    problem = "no geoid grid: not on latitudes and longitudes";
    return nullptr;
  }
  if (scaledBand(tagText(tiff, kGdalMetadataTag))) {
    problem = "no geoid grid: heights with a scale or offset are not read";
    return nullptr;
  }
  GeoidGrid grid;
  grid.columns = static_cast<int>(std::min<std::uint32_t>(width, 1u << 30));
  grid.rows = static_cast<int>(std::min<std::uint32_t>(height, 1u << 30));
  grid.lonStep = scale[0];
  grid.latStep = scale[1];
  // the tie point's pixel corner, or its centre with PixelIsPoint
  const bool pointNodes = geoKey(tiff, kRasterTypeKey, 1) == kRasterPixelIsPoint;
  const double half = pointNodes ? 0 : 0.5;
  grid.west = tiepoint[3] + (half - tiepoint[0]) * grid.lonStep;
  const double north = tiepoint[4] - (half - tiepoint[1]) * grid.latStep;
  grid.south = north - (grid.rows - 1) * grid.latStep;
  problem = geoidGridShapeProblem(grid);
  if (!problem.empty()) return nullptr;
  if (!readNodes(tiff, grid)) {
    if (problem.empty()) problem = "no geoid grid: its nodes could not be read";
    return nullptr;
  }
  const std::string noData = tagText(tiff, kGdalNoDataTag);
  const bool hasNoData = !noData.empty();
  const double noDataValue = hasNoData ? std::strtod(noData.c_str(), nullptr) : 0;
  for (std::size_t k = 0; k < grid.heights.size(); ++k) {
    float& value = grid.heights[k];
    const bool noDataNode = value == static_cast<float>(noDataValue) || (std::isnan(value) && std::isnan(noDataValue));
    if (hasNoData && noDataNode) {
      value = std::numeric_limits<float>::quiet_NaN();
    } else if (std::isnan(value)) {
      problem = "no geoid grid: node " + std::to_string(k + 1) + " is no number";
      return nullptr;
    }
  }
  problem = geoidGridProblem(grid);
  if (!problem.empty()) return nullptr;
  return std::make_shared<const GeoidGrid>(std::move(grid));
}

}  // namespace

GeoidGridReading readGeoTiffGeoidGrid(const std::string& path) {
  const DataFile file(path);
  if (!file.isOpen()) return {nullptr, file.missing() ? "not found" : "cannot be read as a file"};
  Source source{file};
  std::string problem;
  TIFFOpenOptions* options = TIFFOpenOptionsAlloc();
  if (!options) return {nullptr, "out of memory"};
  TIFFOpenOptionsSetMaxSingleMemAlloc(options, kLargestAllocation);
  TIFFOpenOptionsSetErrorHandlerExtR(options, keepError, &problem);
  TIFFOpenOptionsSetWarningHandlerExtR(options, ignoreWarning, nullptr);
  // "m": libtiff reads through readProc, never through a mapping of the file
  TIFF* tiff = TIFFClientOpenExt(path.c_str(), "rm", &source, readProc, writeProc, seekProc, closeProc,
                                 sizeProc, mapProc, unmapProc, options);
  TIFFOpenOptionsFree(options);
  if (!tiff) return {nullptr, "no TIFF file" + (problem.empty() ? std::string() : ": " + problem)};
  GeoidGridHandle grid = gridOf(tiff, problem);
  TIFFClose(tiff);
  if (!grid) return {nullptr, problem};
  return {std::move(grid), {}};
}

#endif

}  // namespace kortavex
