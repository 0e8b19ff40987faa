// NTv2 grid files and interpolation, against the published BeTA2007 and
// CHENYX06 files of Debian's proj-data and an Austrian grid of known shifts
// written by the test itself.

#include <optional>
#include <utility>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "chain/convert.h"
#include "chain/system_select.h"
#include "engine/ntv2_grid.h"
#include "engine/number_text.h"
#include "engine/point.h"
#include "tests/test_support.h"

using namespace kortavex;

namespace {

const std::string kProjDirectory = "/usr/share/proj";
const std::string kBetaPath = kProjDirectory + "/BETA2007.gsb";
const std::string kChenyxPath = kProjDirectory + "/CHENYX06a.gsb";
constexpr long long kAustrianNominalLength = 3193168;

bool fileExists(const std::string& path) { return std::filesystem::is_regular_file(path); }

std::string readBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// ---------------------------------------------------------------------------
// A reader of NTv2 files written for the tests alone: it takes the extent of
// the grid from the file's sub-grid header and holds every node. It reads the
// little-endian numbers natively, as the machines the tests run on are.

double doubleAt(const std::string& bytes, std::size_t offset) {
  double value;
  std::memcpy(&value, bytes.data() + offset, sizeof value);
  return value;
}

float floatAt(const std::string& bytes, std::size_t offset) {
  float value;
  std::memcpy(&value, bytes.data() + offset, sizeof value);
  return value;
}

struct Shift {
  double lat;   // arc-seconds
  double west;  // arc-seconds, positive towards west
};

struct ReferenceGrid {
  // Sub-grid header, arc-seconds, longitudes positive towards west.
  double southLat = 0, northLat = 0, eastLong = 0, westLong = 0, latInc = 1, longInc = 1;
  int columns = 0, rows = 0;
  std::string bytes;

  explicit ReferenceGrid(const std::string& path) : bytes(readBytes(path)) {
    if (bytes.size() < 352) return;
    southLat = doubleAt(bytes, 248);
    northLat = doubleAt(bytes, 264);
    eastLong = doubleAt(bytes, 280);
    westLong = doubleAt(bytes, 296);
    latInc = doubleAt(bytes, 312);
    longInc = doubleAt(bytes, 328);
    columns = static_cast<int>(std::lround((westLong - eastLong) / longInc)) + 1;
    rows = static_cast<int>(std::lround((northLat - southLat) / latInc)) + 1;
  }

  Shift node(int column, int row) const {
    const std::size_t offset = 352 + 16 * (static_cast<std::size_t>(row) * columns + column);
    return {floatAt(bytes, offset), floatAt(bytes, offset + 4)};
  }

  // Bilinear shift at a position given in degrees east and north; positions
  // within a hair of the extent are taken on its border.
  Shift at(double latDeg, double lonDeg) const {
    const double c = std::clamp((-lonDeg * 3600 - eastLong) / longInc, 0.0, columns - 1.0);
    const double r = std::clamp((latDeg * 3600 - southLat) / latInc, 0.0, rows - 1.0);
    const int i = std::min(static_cast<int>(c), columns - 2);
    const int j = std::min(static_cast<int>(r), rows - 2);
    const double a = c - i, b = r - j;
    const Shift s00 = node(i, j), s10 = node(i + 1, j), s01 = node(i, j + 1),
                s11 = node(i + 1, j + 1);
    auto mix = [&](double v00, double v10, double v01, double v11) {
      return (1 - b) * ((1 - a) * v00 + a * v10) + b * ((1 - a) * v01 + a * v11);
    };
    return {mix(s00.lat, s10.lat, s01.lat, s11.lat), mix(s00.west, s10.west, s01.west, s11.west)};
  }
};

// ---------------------------------------------------------------------------
// The Austrian grid is not packaged: the tests write one of the published
// layout whose shifts are a known bilinear function of the node position.

// Shifts of a few arc-seconds as in the published grid, each a multiple of
// 2^-21 below 8 so that a 4-byte float holds it exactly.
double austrianLatShift(double column, double row) {
  return 1.0 + column / 256 + row / 512 + column * row / (1 << 20);
}
double austrianWestShift(double column, double row) {
  return -2.0 - column / 512 + row / 256 - column * row / (1 << 21);
}

void putText(std::string& bytes, std::size_t offset, const char* text) {
  std::memcpy(bytes.data() + offset, text, std::strlen(text));
}
template <typename T>
void putValue(std::string& bytes, std::size_t offset, T value) {
  std::memcpy(bytes.data() + offset, &value, sizeof value);
}

std::string austrianGridBytes(long long length = kAustrianNominalLength) {
  constexpr int kColumns = 614, kRows = 325;
  std::string bytes(kAustrianNominalLength, '\0');
  const char* keys[] = {"NUM_OREC", "NUM_SREC", "NUM_FILE", "GS_TYPE ", "VERSION ", "SYSTEM_F",
                        "SYSTEM_T", "MAJOR_F ", "MINOR_F ", "MAJOR_T ", "MINOR_T ", "SUB_NAME",
                        "PARENT  ", "CREATED ", "UPDATED ", "S_LAT   ", "N_LAT   ", "E_LONG  ",
                        "W_LONG  ", "LAT_INC ", "LONG_INC", "GS_COUNT"};
  for (std::size_t n = 0; n < std::size(keys); ++n) putText(bytes, 16 * n, keys[n]);
  putValue<std::int32_t>(bytes, 8, 11);
  putValue<std::int32_t>(bytes, 24, 11);
  putValue<std::int32_t>(bytes, 40, 1);
  putText(bytes, 56, "SECONDS ");
  putText(bytes, 72, "NTv2.0  ");
  putText(bytes, 88, " MGI    ");  // the published values begin with a blank
  putText(bytes, 104, " ETRS89 ");
  putText(bytes, 184, "AT      ");
  putText(bytes, 200, "NONE    ");
  putValue(bytes, 248, 46.35 * 3600);    // S_LAT
  putValue(bytes, 264, 49.05 * 3600);    // N_LAT
  putValue(bytes, 280, -17.1625 * 3600);  // E_LONG
  putValue(bytes, 296, -9.5 * 3600);     // W_LONG
  putValue(bytes, 312, 30.0);            // LAT_INC
  putValue(bytes, 328, 45.0);            // LONG_INC
  putValue<std::int32_t>(bytes, 344, kColumns * kRows);
  for (int row = 0; row < kRows; ++row) {
    for (int column = 0; column < kColumns; ++column) {
      const std::size_t offset = 352 + 16 * (static_cast<std::size_t>(row) * kColumns + column);
      putValue(bytes, offset, static_cast<float>(austrianLatShift(column, row)));
      putValue(bytes, offset + 4, static_cast<float>(austrianWestShift(column, row)));
    }
  }
  putText(bytes, 352 + 16 * kColumns * kRows, "END     ");
  bytes.resize(static_cast<std::size_t>(length), '\0');
  return bytes;
}

// ---------------------------------------------------------------------------
// The grids under test, with their extent in degrees east and north.

struct GridCase {
  const char* name;
  Grid grid;
  double south, north, east, west;
  // An area well inside the published shifts, for round trips and PROJ.
  double innerSouth, innerNorth, innerWest, innerEast;
  int (point::*forward)(point);
  int (point::*reverse)(point);
};

const GridCase kGridCases[] = {
    {"BeTA2007", Grid::BeTA2007, 47.0, 55.3, 15.66666666667, 5.5, 47.6, 54.6, 6.2, 14.8,
     &point::Beta2007, &point::Beta2007ret},
    {"AustrianGrid", Grid::AustrianGrid, 46.35, 49.05, 17.1625, 9.5, 46.5, 48.9, 9.7, 17.0,
     &point::ATGrid, &point::ATGridret},
    {"CHENYX06", Grid::CHENYX06, 45.4666666, 48.0666666, 11.05, 5.55, 46.2, 47.5, 6.6, 9.6,
     &point::CHENYX, &point::CHENYXret},
};

void PrintTo(const GridCase& c, std::ostream* out) { *out << c.name; }

std::vector<point> randomPoints(double south, double north, double west, double east, int count) {
  std::mt19937 generator(20070601);
  std::uniform_real_distribution<double> lat(south, north), lon(west, east);
  std::vector<point> points;
  for (int n = 0; n < count; ++n) points.emplace_back(lon(generator), lat(generator), 0.0, 0);
  return points;
}

// Every test runs in a fresh working directory holding the Austrian grid; the
// two published grids come from PROJ's data directory.
class GridTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!fileExists(kBetaPath)) {
      GTEST_SKIP() << kBetaPath << " is missing: install Debian's proj-data to run the grid tests";
    }
    char buffer[4096];
    ASSERT_NE(getcwd(buffer, sizeof buffer), nullptr);
    previousDirectory_ = buffer;
    directory_.write("AT_GIS_GRID.gsb", austrianGridBytes());
    ASSERT_EQ(chdir(directory_.path().c_str()), 0);
  }
  void TearDown() override {
    if (!previousDirectory_.empty()) {
      EXPECT_EQ(chdir(previousDirectory_.c_str()), 0);
    }
  }

  std::string pathOf(Grid grid) const {
    return grid == Grid::AustrianGrid ? directory_.file("AT_GIS_GRID.gsb")
                                      : kProjDirectory + "/" + gridFileName(grid);
  }

  TempDirectory directory_;
  std::string previousDirectory_;
};

class GridCaseTest : public GridTest, public ::testing::WithParamInterface<GridCase> {};

// Forward shift of `input` by the grid, compared with the reference reader.
void expectForwardMatchesReference(const GridCase& c, const ReferenceGrid& reference,
                                   const point& input, double tolerance) {
  SCOPED_TRACE(::testing::Message() << c.name << " at " << input.x << " " << input.y);
  const Shift expected = reference.at(input.x, input.y);
  point output(0.0, 0.0, 123.5, 5);
  output.txt = "kept";
  const int result = (output.*c.forward)(input);
  if (expected.lat == 0.0 && expected.west == 0.0) {
    EXPECT_EQ(result, 0) << "a cell without shift values gives no result";
    return;
  }
  ASSERT_EQ(result, 1);
  EXPECT_NEAR(output.x, input.x + expected.lat / 3600, tolerance);
  EXPECT_NEAR(output.y, input.y - expected.west / 3600, tolerance);
  EXPECT_EQ(output.h, 123.5);
  EXPECT_EQ(output.flag, 5);
  EXPECT_EQ(output.txt, "kept");
}

// 1e-10 degrees is about 0.01 mm. CHENYX06's built-in origin lies 7 mm south
// of the first node in the file, which moves its shifts by about 1 micrometre.
constexpr double kShiftTolerance = 1e-10;

TEST_P(GridCaseTest, ForwardShiftIsTheBilinearMeanOfFourNodes) {
  const GridCase& c = GetParam();
  const ReferenceGrid reference(pathOf(c.grid));
  ASSERT_GT(reference.columns, 1);
  for (const point& p : randomPoints(c.south, c.north, c.west, c.east, 500)) {
    expectForwardMatchesReference(c, reference, p, kShiftTolerance);
  }
}

// The south-eastern corner takes node 0 alone; the last-row and last-column
// rules keep the northern and western borders inside the file.
TEST_P(GridCaseTest, CornersAndEdgesLieInside) {
  const GridCase& c = GetParam();
  const ReferenceGrid reference(pathOf(c.grid));
  const double midLat = c.south + 0.37 * (c.north - c.south);
  const double midLon = c.west + 0.61 * (c.east - c.west);
  const point onBorder[] = {
      {c.east, c.south, 0, 0}, {c.west, c.south, 0, 0}, {c.east, c.north, 0, 0},
      {c.west, c.north, 0, 0}, {c.east, midLat, 0, 0},  {c.west, midLat, 0, 0},
      {midLon, c.south, 0, 0}, {midLon, c.north, 0, 0},
  };
  for (const point& p : onBorder) expectForwardMatchesReference(c, reference, p, kShiftTolerance);
}

TEST_P(GridCaseTest, OneMillionthOutsideAnyBoundGivesNoShift) {
  const GridCase& c = GetParam();
  const double midLat = (c.south + c.north) / 2, midLon = (c.west + c.east) / 2;
  const point outside[] = {
      {midLon, c.south - 1e-6, 0, 0}, {midLon, c.north + 1e-6, 0, 0},
      {c.east + 1e-6, midLat, 0, 0},  {c.west - 1e-6, midLat, 0, 0},
      {midLon, std::nan(""), 0, 0},   {std::nan(""), midLat, 0, 0},
  };
  for (const point& p : outside) {
    SCOPED_TRACE(::testing::Message() << c.name << " at " << p.x << " " << p.y);
    point output(1.0, 2.0, 3.0, 0);
    EXPECT_EQ((output.*c.forward)(p), 0);
    EXPECT_EQ((output.*c.reverse)(p), 0);
    EXPECT_EQ(output.y, 1.0);
    EXPECT_EQ(output.x, 2.0);
  }
}

TEST_P(GridCaseTest, ReverseUndoesForwardBelowATenthOfAMillimetre) {
  const GridCase& c = GetParam();
  for (const point& start :
       randomPoints(c.innerSouth, c.innerNorth, c.innerWest, c.innerEast, 300)) {
    SCOPED_TRACE(::testing::Message() << c.name << " at " << start.x << " " << start.y);
    point shifted, back;
    ASSERT_EQ((shifted.*c.forward)(start), 1);
    ASSERT_EQ((back.*c.reverse)(shifted), 1);
    EXPECT_LT(metresApart(back, start), 1e-4);
  }
}

INSTANTIATE_TEST_SUITE_P(Grids, GridCaseTest, ::testing::ValuesIn(kGridCases),
                         [](const auto& test) { return std::string(test.param.name); });

// ---------------------------------------------------------------------------
// PROJ's horizontal grid shift of the same files as an outside oracle.

// Runs cct on the positions (longitude, latitude) and returns its results.
std::vector<point> projGridShift(const std::string& gridPath, bool inverse,
                                 const std::vector<point>& positions,
                                 const TempDirectory& directory) {
  std::string input;
  for (const point& p : positions) {
    input += formatFixed(p.y, 0, 12) + " " + formatFixed(p.x, 0, 12) + " 0 0\n";
  }
  directory.write("cct_input.txt", input);
  const std::string command = "LC_ALL=C cct -d 12 " + std::string(inverse ? "-I " : "") +
                              "+proj=hgridshift +grids=" + gridPath + " " +
                              directory.file("cct_input.txt");
  std::vector<point> results;
  std::istringstream lines(runShell(command).out);
  for (std::string line; std::getline(lines, line);) {
    double values[2];
    const char* cursor = line.data();
    const char* const end = cursor + line.size();
    for (double& value : values) {
      while (cursor < end && std::isspace(static_cast<unsigned char>(*cursor))) ++cursor;
      cursor = std::from_chars(cursor, end, value).ptr;
    }
    results.emplace_back(values[0], values[1], 0.0, 0);
  }
  return results;
}

class ProjComparisonTest : public GridTest, public ::testing::WithParamInterface<GridCase> {};

TEST_P(ProjComparisonTest, ForwardAndReverseAgreeWithProj) {
  const GridCase& c = GetParam();
  if (std::system("cct --version > /dev/null 2>&1") != 0) GTEST_SKIP() << "PROJ's cct is missing";
  const std::vector<point> positions =
      randomPoints(c.innerSouth, c.innerNorth, c.innerWest, c.innerEast, 200);
  const std::string gridPath = pathOf(c.grid);
  for (const bool inverse : {false, true}) {
    const std::vector<point> expected = projGridShift(gridPath, inverse, positions, directory_);
    ASSERT_EQ(expected.size(), positions.size());
    for (std::size_t n = 0; n < positions.size(); ++n) {
      SCOPED_TRACE(::testing::Message() << c.name << (inverse ? " reverse" : " forward") << " at "
                                        << positions[n].x << " " << positions[n].y);
      point output;
      ASSERT_EQ((output.*(inverse ? c.reverse : c.forward))(positions[n]), 1);
      // PROJ holds the shifts in single precision, a few micrometres apart.
      EXPECT_LT(metresApart(output, expected[n]), 5e-5);
    }
  }
}

INSTANTIATE_TEST_SUITE_P(PublishedGrids, ProjComparisonTest,
                         ::testing::Values(kGridCases[0], kGridCases[2]),
                         [](const auto& test) { return std::string(test.param.name); });

// ---------------------------------------------------------------------------
// The checks of a grid file: length and header rules.

struct CheckCase {
  const char* what;
  Grid grid;
  long long length;  // the file is cut or padded with zeros to this length
  std::size_t patchOffset;
  const char* patch;  // written over the header at patchOffset; empty for none
  int expected;
};

std::string patchedBytes(std::string bytes, const CheckCase& c) {
  putText(bytes, c.patchOffset, c.patch);
  bytes.resize(static_cast<std::size_t>(c.length), '\0');
  return bytes;
}

TEST_F(GridTest, ChecksAcceptOnlyTheRightLengthAndHeader) {
  const CheckCase cases[] = {
      {"BeTA2007 as published", Grid::BeTA2007, 83696, 0, "", 0},
      {"BeTA2007 one byte short", Grid::BeTA2007, 83695, 0, "", -1},
      {"BeTA2007 one byte long", Grid::BeTA2007, 83697, 0, "", -1},
      {"BeTA2007 other version", Grid::BeTA2007, 83696, 64, "VERSION NTv1.0", -1},
      {"BeTA2007 other source datum", Grid::BeTA2007, 83696, 80, "SYSTEM_FDHDN91", -1},
      {"BeTA2007 other target datum", Grid::BeTA2007, 83696, 96, "SYSTEM_TETRS90", -1},
      {"BeTA2007 only past the compared 14 characters", Grid::BeTA2007, 83696, 94, "xx", 0},
      {"Austrian nominal length", Grid::AustrianGrid, 3193168, 0, "", 0},
      {"Austrian shortest accepted", Grid::AustrianGrid, 3193130, 0, "", 0},
      {"Austrian longest accepted", Grid::AustrianGrid, 3193170, 0, "", 0},
      {"Austrian too short", Grid::AustrianGrid, 3193129, 0, "", -1},
      {"Austrian too long", Grid::AustrianGrid, 3193171, 0, "", -1},
      {"Austrian datum text without its trailing blank", Grid::AustrianGrid, 3193168, 95, "x", -1},
      {"Austrian version text without its trailing blank", Grid::AustrianGrid, 3193168, 79, "x",
       -1},
      {"CHENYX06 as published", Grid::CHENYX06, 3310656, 0, "", 0},
      {"CHENYX06 one byte short", Grid::CHENYX06, 3310655, 0, "", -1},
      {"CHENYX06 one byte long", Grid::CHENYX06, 3310657, 0, "", -1},
      {"CHENYX06 with SYSTEM_F for DATUM_F", Grid::CHENYX06, 3310656, 80, "SYSTEM_FCH1903  ", -1},
      {"CHENYX06 with SYSTEM_T for DATUM_T", Grid::CHENYX06, 3310656, 96, "SYSTEM_TCH1903+ ", -1},
      {"CHENYX06 only past the compared 15 characters", Grid::CHENYX06, 3310656, 95, "x", 0},
  };
  const std::string beta = readBytes(kBetaPath);
  const std::string chenyx = readBytes(kChenyxPath);
  const std::string austrian = austrianGridBytes();
  for (const CheckCase& c : cases) {
    SCOPED_TRACE(c.what);
    const std::string& original = c.grid == Grid::BeTA2007   ? beta
                                  : c.grid == Grid::CHENYX06 ? chenyx
                                                             : austrian;
    directory_.write("candidate.gsb", patchedBytes(original, c));
    EXPECT_EQ(GridFile(c.grid, directory_.file("candidate.gsb")).status(), c.expected);
  }
}

TEST_F(GridTest, ChecksTellMissingFromWrongFiles) {
  EXPECT_EQ(GridFile(Grid::BeTA2007, directory_.file("absent.gsb")).status(), -2);
  EXPECT_EQ(GridFile(Grid::BeTA2007, "").status(), -2);
  EXPECT_EQ(GridFile(Grid::BeTA2007, directory_.path()).status(), -1) << "a directory is no grid file";
  ASSERT_EQ(mkfifo(directory_.file("pipe.gsb").c_str(), 0600), 0);
  EXPECT_EQ(GridFile(Grid::BeTA2007, directory_.file("pipe.gsb")).status(), -1) << "nor is a pipe";
  EXPECT_EQ(GridFile(Grid::CHENYX06, kBetaPath).status(), -1) << "another grid's file";
  directory_.write("empty.gsb", "");
  EXPECT_EQ(GridFile(Grid::BeTA2007, directory_.file("empty.gsb")).status(), -1);
  // The named checks look the files up: the two published ones come from
  // PROJ's directory, the Austrian one from the working directory.
  EXPECT_EQ(Beta2007File(), 0);
  EXPECT_EQ(CHENYX06File(), 0);
  EXPECT_EQ(ATGridFile(), 0);
  std::filesystem::remove(directory_.file("AT_GIS_GRID.gsb"));
  EXPECT_EQ(ATGridFile(), -2);
  EXPECT_EQ(checkGridFile(Grid::AustrianGrid), -2);
}

// ---------------------------------------------------------------------------
// Where the files are found.

TEST_F(GridTest, SearchGoesFromWorkingDirectoryToProgramDirectoryToProj) {
  // $PROJ_DATA and the user's PROJ folder come before Debian's, as in PROJ
  std::vector<std::pair<const char*, std::optional<std::string>>> kept;
  for (const auto& [name, value] : {std::pair("PROJ_DATA", "/opt/proj-data"), std::pair("XDG_DATA_HOME", "/home/u/.data")}) {
    const char* before = std::getenv(name);
    kept.emplace_back(name, before ? std::optional<std::string>(before) : std::nullopt);
    ::setenv(name, value, 1);
  }
  const std::vector<std::string> directories = gridSearchDirectories();
  for (const auto& [name, value] : kept) value ? ::setenv(name, value->c_str(), 1) : ::unsetenv(name);
  ASSERT_EQ(directories.size(), 5u);
  EXPECT_EQ(directories[0], ".");
  EXPECT_EQ(std::filesystem::path(directories[1]),
            std::filesystem::read_symlink("/proc/self/exe").parent_path());
  EXPECT_EQ(directories[2], "/opt/proj-data");
  EXPECT_EQ(directories[3], "/home/u/.data/proj");
  EXPECT_EQ(directories[4], kProjDirectory);

  const TempDirectory first, second, third;
  const std::vector<std::string> order{first.path(), second.path(), third.path()};
  EXPECT_EQ(findGridFile("grid.gsb", order), "");
  third.write("grid.gsb", "3");
  EXPECT_EQ(findGridFile("grid.gsb", order), third.file("grid.gsb"));
  second.write("grid.gsb", "2");
  EXPECT_EQ(findGridFile("grid.gsb", order), second.file("grid.gsb"));
  // a directory is found (and then reported as no grid file), not passed over
  std::filesystem::create_directory(first.file("grid.gsb"));
  EXPECT_EQ(findGridFile("grid.gsb", order), first.file("grid.gsb"));
  std::filesystem::remove(first.file("grid.gsb"));
  first.write("grid.gsb", "1");
  EXPECT_EQ(findGridFile("grid.gsb", order), first.file("grid.gsb"));
}

TEST_F(GridTest, WorkingDirectoryCopyServesCheckAndInterpolation) {
  // A BeTA2007 file in the working directory whose every node shifts by 1" north
  // and 2" west: the shift shows which file was used.
  std::string bytes = readBytes(kBetaPath);
  for (std::size_t offset = 352; offset + 16 <= bytes.size(); offset += 16) {
    putValue(bytes, offset, 1.0f);
    putValue(bytes, offset + 4, 2.0f);
  }
  directory_.write("BETA2007.gsb", bytes);
  EXPECT_EQ(gridFilePath(Grid::BeTA2007), "./BETA2007.gsb");
  EXPECT_EQ(Beta2007File(), 0);
  point output;
  ASSERT_EQ(output.Beta2007(point(10.0, 50.0, 0, 0)), 1);
  EXPECT_NEAR(output.x, 50.0 + 1.0 / 3600, 1e-12);
  EXPECT_NEAR(output.y, 10.0 - 2.0 / 3600, 1e-12);

  std::filesystem::remove(directory_.file("BETA2007.gsb"));
  EXPECT_EQ(gridFilePath(Grid::BeTA2007), kBetaPath);
  const Shift published = ReferenceGrid(kBetaPath).at(50.0, 10.0);
  ASSERT_EQ(output.Beta2007(point(10.0, 50.0, 0, 0)), 1);
  EXPECT_NEAR(output.x, 50.0 + published.lat / 3600, kShiftTolerance);
}

// The place where the selection found the grid holds for the whole run: a
// copy deleted there is not replaced by the next copy of the lookup order,
// which would mix two grids in one output. The run holds its grid in memory
// and looks at the file every kGridShiftsPerCheck shifts: from the first
// look after the removal on, every point is without grid value.
TEST_F(GridTest, ARunKeepsThePlaceWhereItsGridPassedItsCheck) {
  directory_.write("BETA2007.gsb", readBytes(kBetaPath));
  const SystemSelection selection = selectSystems("GK3_DHDN", "WGS84", Transformation::BeTA2007, 0);
  ASSERT_EQ(selection.error, SelectionError::None);
  ASSERT_TRUE(selection.grid);
  EXPECT_EQ(selection.grid->path(), "./BETA2007.gsb");
  const point inside(3500000, 5500000, 300, 0);
  const auto convert = [&] {
    return chain::convertPoint(inside, selection.systems.startCode, selection.systems.targetCode, {},
                               selection.grid);
  };
  EXPECT_EQ(convert().flag, 0);
  std::filesystem::remove(directory_.file("BETA2007.gsb"));
  std::vector<int> flags;
  for (unsigned n = 0; n <= kGridShiftsPerCheck; ++n) flags.push_back(convert().flag);
  EXPECT_EQ(flags.back(), FLAG_START_GRID) << "noticed within one check interval";
  EXPECT_TRUE(std::is_sorted(flags.begin(), flags.end())) << "once noticed, for good";
  EXPECT_EQ(chain::convertPoint(inside, selection.systems.startCode, selection.systems.targetCode, {}).flag, 0)
      << "a new run finds the copy in PROJ's directory";
}

// ---------------------------------------------------------------------------
// A grid file that goes or changes after its check: the points count as
// outside the grid, nothing is read past the end and no shift is made of
// garbage.

TEST_F(GridTest, FileChangedAfterItsCheckGivesNoShift) {
  const point inside(13.0, 47.5, 0, 0);
  ASSERT_EQ(ATGridFile(), 0);
  point output;
  ASSERT_EQ(output.ATGrid(inside), 1);

  struct Change {
    const char* what;
    std::string bytes;
    bool nodesRead;  // a cell of zeros is read and written, but gives no shift
  };
  std::string nanNodes = austrianGridBytes();
  std::memset(nanNodes.data() + 352, 0xFF, nanNodes.size() - 352 - 16);
  std::string zeroNodes = austrianGridBytes();
  std::memset(zeroNodes.data() + 352, 0, zeroNodes.size() - 352 - 16);
  std::string otherHeader = austrianGridBytes();
  putText(otherHeader, 88, " DHDN   ");
  const Change changes[] = {
      {"cut short to its header", austrianGridBytes().substr(0, 400), false},
      {"cut short by four nodes", austrianGridBytes(kAustrianNominalLength - 64), false},
      {"replaced by one of another grid", otherHeader, false},
      {"nodes replaced by bytes that are no numbers", nanNodes, false},
      {"nodes replaced by zeros", zeroNodes, true},
  };
  for (const Change& change : changes) {
    SCOPED_TRACE(change.what);
    directory_.write("AT_GIS_GRID.gsb", change.bytes);
    point untouched(1.0, 2.0, 3.0, 0);
    EXPECT_EQ(untouched.ATGrid(inside), 0);
    EXPECT_EQ(untouched.ATGridret(inside), 0);
    if (!change.nodesRead) {
      EXPECT_EQ(untouched.x, 2.0);
    }
  }
  std::filesystem::remove(directory_.file("AT_GIS_GRID.gsb"));
  EXPECT_EQ(output.ATGrid(inside), 0) << "file removed";
}

TEST_F(GridTest, ShortestAcceptedAustrianFileLacksOnlyItsLastNode) {
  // 3193130 bytes pass the length test but end inside the grid's last node,
  // which the north-western corner needs.
  directory_.write("AT_GIS_GRID.gsb", austrianGridBytes(3193130));
  ASSERT_EQ(ATGridFile(), 0);
  point output;
  EXPECT_EQ(output.ATGrid(point(17.1625, 46.35, 0, 0)), 1) << "south-east corner";
  EXPECT_EQ(output.ATGrid(point(9.5, 49.05, 0, 0)), 0) << "north-west corner";
  EXPECT_EQ(output.ATGridret(point(9.5, 49.05, 0, 0)), 0);
}

TEST_F(GridTest, AustrianShiftsFollowTheKnownFunction) {
  // Bilinear interpolation reproduces a bilinear function of the node position
  // exactly, so the expected shift follows from the position alone.
  for (const point& p : randomPoints(46.35, 49.05, 9.5, 17.1625, 200)) {
    SCOPED_TRACE(::testing::Message() << p.x << " " << p.y);
    const double column = (-p.y + 17.1625) / 0.0125;
    const double row = (p.x - 46.35) / (30.0 / 3600);
    const double latShift = austrianLatShift(column, row);
    const double westShift = austrianWestShift(column, row);
    point output;
    ASSERT_EQ(output.ATGrid(p), 1);
    EXPECT_NEAR(output.x, p.x + latShift / 3600, 1e-10);
    EXPECT_NEAR(output.y, p.y - westShift / 3600, 1e-10);
  }
}

// ---------------------------------------------------------------------------
// A run's grid in memory: a node whose shift is beyond any datum shift holds no
// value, and a file that goes or changes during the run is noticed within one
// check interval, after which no shift is made of the old copy.

TEST_F(GridTest, ShiftsBeyondAThousandArcSecondsHoldNoValue) {
  const point inside(10.0, 50.0, 0, 0);
  const GridLayout& g = gridLayout(Grid::BeTA2007);
  const long column = static_cast<long>((-inside.y - g.westStart) / g.westStep);
  const long row = static_cast<long>((inside.x - g.latStart) / g.latStep);
  const std::size_t corner = 352 + 16 * static_cast<std::size_t>(column + row * g.columns);
  const struct {
    float lat, west;
    int expected;
  } cases[] = {{999.9f, 0.5f, 1},    {-1000.0f, 0.5f, 1}, {1000.1f, 0.5f, 0},
               {0.5f, -1000.5f, 0},  {3e38f, 0.5f, 0},    {0.5f, -3e38f, 0}};
  for (const auto& c : cases) {
    SCOPED_TRACE(::testing::Message() << c.lat << " " << c.west);
    std::string bytes = readBytes(kBetaPath);
    putValue(bytes, corner, c.lat);
    putValue(bytes, corner + 4, c.west);
    directory_.write("forged.gsb", bytes);
    const GridHandle grid = loadGridFile(Grid::BeTA2007, directory_.file("forged.gsb"));
    ASSERT_EQ(grid->status(), 0) << "the check reads the header, not the nodes";
    point out(1.0, 2.0, 3.0, 0);
    EXPECT_EQ(gridShiftForward(*grid, inside, out), c.expected);
    EXPECT_EQ(gridShiftReverse(*grid, inside, out), c.expected);
    if (c.expected == 1) {
      EXPECT_LT(std::fabs(out.x - inside.x), 1000.0 / 3600 + 1e-9);
    }
  }
}

TEST_F(GridTest, ARunNoticesItsGridFileChangingWithinOneCheckInterval) {
  const point inside(13.0, 47.5, 0, 0);
  struct Change {
    const char* what;
    void (*make)(const TempDirectory& directory);
  };
  const Change changes[] = {
      {"removed", [](const TempDirectory& d) { std::filesystem::remove(d.file("AT_GIS_GRID.gsb")); }},
      {"truncated",
       [](const TempDirectory& d) { std::filesystem::resize_file(d.file("AT_GIS_GRID.gsb"), 400); }},
      {"replaced by a valid copy",
       [](const TempDirectory& d) {
         d.write("copy.gsb", austrianGridBytes());
         std::filesystem::rename(d.file("copy.gsb"), d.file("AT_GIS_GRID.gsb"));
       }},
      {"rewritten in place with other nodes",
       [](const TempDirectory& d) {
         std::string bytes = austrianGridBytes();
         std::memset(bytes.data() + 352, 0, 64000);
         std::fstream file(d.file("AT_GIS_GRID.gsb"), std::ios::in | std::ios::out | std::ios::binary);
         file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
       }},
  };
  for (const Change& change : changes) {
    SCOPED_TRACE(change.what);
    directory_.write("AT_GIS_GRID.gsb", austrianGridBytes());
    const GridHandle grid = loadGridFile(Grid::AustrianGrid, "./AT_GIS_GRID.gsb");
    ASSERT_EQ(grid->status(), 0);
    point out;
    ASSERT_EQ(gridShiftForward(*grid, inside, out), 1);
    change.make(directory_);
    std::vector<int> results;
    for (unsigned n = 0; n <= kGridShiftsPerCheck; ++n)
      results.push_back(gridShiftForward(*grid, inside, out));
    EXPECT_EQ(results.back(), 0) << "noticed within one interval";
    EXPECT_TRUE(std::is_sorted(results.rbegin(), results.rend())) << "and for good";
    EXPECT_EQ(gridShiftReverse(*grid, inside, out), 0);
  }
}

}  // namespace
