#pragma once
// Geoid grids written by the tests, in GTX and in GeoTIFF as PROJ's grids
// are written, from a grid held in memory.
#include <tiffio.h>

#include <algorithm>
#include <cstdint>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "engine/geoid_grid.h"

namespace kortavex {

// A national grid: smooth, with random bumps, rows south to north.
inline GeoidGrid nationalGrid(double south, double west, double step, int rows, int columns, std::mt19937& random) {
  GeoidGrid g{south, west, step, step * 1.5, rows, columns, {}};
  for (int r = 0; r < rows; ++r)
    for (int c = 0; c < columns; ++c)
      g.heights.push_back(static_cast<float>(40 + 0.3 * r - 0.2 * c +
                                             std::uniform_real_distribution<double>(-0.5, 0.5)(random)));
  return g;
}

inline void writeGtx(const std::string& path, const GeoidGrid& g) {
  std::string bytes;
  const auto put = [&bytes](const void* value, int size) {
    for (int i = size - 1; i >= 0; --i) bytes += static_cast<const char*>(value)[i];
  };
  for (const double v : {g.south, g.west, g.latStep, g.lonStep}) put(&v, 8);
  for (const std::int32_t v : {g.rows, g.columns}) put(&v, 4);
  for (const float v : g.heights) put(&v, 4);
  std::ofstream(path, std::ios::binary) << bytes;
}

// As PROJ's grids are written: one band of floats, north row first; with
// `geographic` false no GeoTIFF tags; `bits` 8 writes bytes instead.
struct TiffForm {
  bool tiled = false, pixelIsPoint = false, geographic = true;
  int bits = 32;
  const char* noData = nullptr;
};
inline void writeGeoTiff(const std::string& path, const GeoidGrid& g, const TiffForm& form) {
  TIFF* tiff = TIFFOpen(path.c_str(), "w");
  ASSERT_TRUE(tiff);
  static const TIFFFieldInfo geoTags[] = {
      {33550, -1, -1, TIFF_DOUBLE, FIELD_CUSTOM, 1, 1, const_cast<char*>("ModelPixelScale")},
      {33922, -1, -1, TIFF_DOUBLE, FIELD_CUSTOM, 1, 1, const_cast<char*>("ModelTiepoint")},
      {34735, -1, -1, TIFF_SHORT, FIELD_CUSTOM, 1, 1, const_cast<char*>("GeoKeyDirectory")},
      {42113, -1, -1, TIFF_ASCII, FIELD_CUSTOM, 1, 0, const_cast<char*>("GDALNoData")}};
  TIFFMergeFieldInfo(tiff, geoTags, 4);
  TIFFSetField(tiff, TIFFTAG_IMAGEWIDTH, g.columns);
  TIFFSetField(tiff, TIFFTAG_IMAGELENGTH, g.rows);
  TIFFSetField(tiff, TIFFTAG_SAMPLESPERPIXEL, 1);
  TIFFSetField(tiff, TIFFTAG_BITSPERSAMPLE, form.bits);
  TIFFSetField(tiff, TIFFTAG_SAMPLEFORMAT, form.bits == 32 ? SAMPLEFORMAT_IEEEFP : SAMPLEFORMAT_UINT);
  TIFFSetField(tiff, TIFFTAG_PHOTOMETRIC, PHOTOMETRIC_MINISBLACK);
  TIFFSetField(tiff, TIFFTAG_COMPRESSION, COMPRESSION_ADOBE_DEFLATE);
  if (form.geographic) {
    const double half = form.pixelIsPoint ? 0 : 0.5;
    const double north = g.south + (g.rows - 1) * g.latStep;
    const double scale[3] = {g.lonStep, g.latStep, 0};
    const double tiepoint[6] = {0, 0, 0, g.west - half * g.lonStep, north + half * g.latStep, 0};
    const std::uint16_t keys[] = {1, 1, 0, 2, 1024, 0, 1, 2, 1025, 0, 1, std::uint16_t(form.pixelIsPoint ? 2 : 1)};
    TIFFSetField(tiff, 33550, 3, scale);
    TIFFSetField(tiff, 33922, 6, tiepoint);
    TIFFSetField(tiff, 34735, 12, keys);
  }
  if (form.noData) TIFFSetField(tiff, 42113, form.noData);
  const int tileSide = form.tiled ? 16 : 1;
  if (form.tiled) {
    TIFFSetField(tiff, TIFFTAG_TILEWIDTH, tileSide);
    TIFFSetField(tiff, TIFFTAG_TILELENGTH, tileSide);
  } else {
    TIFFSetField(tiff, TIFFTAG_ROWSPERSTRIP, 4);
  }
  const auto value = [&g](int rowFromNorth, int c) {
    return rowFromNorth < g.rows && c < g.columns ? g.heights[(g.rows - 1 - rowFromNorth) * g.columns + c] : 0.f;
  };
  std::vector<float> buffer(form.tiled ? tileSide * tileSide : g.columns);
  std::vector<std::uint8_t> bytes(buffer.size());
  for (int top = 0; top < g.rows; top += tileSide)
    for (int left = 0; left < (form.tiled ? g.columns : 1); left += tileSide) {
      const int width = form.tiled ? tileSide : g.columns;
      for (std::size_t i = 0; i < buffer.size(); ++i) {
        buffer[i] = value(top + int(i) / width, left + int(i) % width);
        bytes[i] = static_cast<std::uint8_t>(std::clamp(buffer[i], 0.f, 255.f));
      }
      void* data = form.bits == 32 ? static_cast<void*>(buffer.data()) : bytes.data();
      if (form.tiled) TIFFWriteTile(tiff, data, left, top, 0, 0);
      else TIFFWriteScanline(tiff, data, top, 0);
    }
  TIFFClose(tiff);
}

}  // namespace kortavex
