// Heights against PROJ's cct: ellipsoidal heights through the Helmert shift
// of every family, both ways; EGM96 on Debian's egm96_15.gtx; national grids
// that the test writes in GTX and GeoTIFF (tiled and stripped, pixel areas
// and points, "no data" nodes) in the working directory; and bad grids.
#include <sys/stat.h>

#include <cstring>
#include <iomanip>
#include <locale>
#include <random>
#include <sstream>

#include "chain/datum_families.h"
#include "engine/geoid_grid.h"
#include "tests/geoid_grid_files.h"
#include "tests/test_support.h"

using namespace kortavex;

namespace {

std::vector<std::vector<double>> numberLines(const std::string& text) {
  std::vector<std::vector<double>> lines;
  std::istringstream in(text);
  in.imbue(std::locale::classic());  // the program's numbers, whatever the test's locale
  for (std::string line; std::getline(in, line);) {
    if (line.empty() || line[0] == '*') continue;
    std::istringstream words(line);
    words.imbue(std::locale::classic());
    lines.emplace_back();
    for (double v; words >> v;) lines.back().push_back(v);
  }
  return lines;
}

// kortavex-cli on "lat lon h" lines, and cct on the same points as "lon lat h".
struct Comparison {
  std::string mine, proj;
};
Comparison run(const TempDirectory& dir, const std::vector<std::array<double, 3>>& points,
               const std::string& cliArguments, const std::string& cctArguments) {
  std::ostringstream latLon, lonLat;
  latLon.imbue(std::locale::classic());
  lonLat.imbue(std::locale::classic());
  latLon.precision(12);
  lonLat.precision(12);
  for (const auto& p : points) {
    latLon << p[0] << ' ' << p[1] << ' ' << p[2] << '\n';
    lonLat << p[1] << ' ' << p[0] << ' ' << p[2] << '\n';
  }
  dir.write("latlon", latLon.str());
  dir.write("lonlat", lonLat.str());
  const std::string cd = "cd '" + dir.path() + "' && ";
  return {runShell(cd + "'" KORTAVEX_CLI_PATH "' --3d " + cliArguments + " < latlon").out,
          cctArguments.empty() ? "" : runShell(cd + "cct -d 9 " + cctArguments + " < lonlat").out};
}

void expectSame(const Comparison& c, std::size_t count) {
  const auto mine = numberLines(c.mine), proj = numberLines(c.proj);
  ASSERT_EQ(mine.size(), count) << c.mine;
  ASSERT_EQ(proj.size(), count) << c.proj;
  for (std::size_t i = 0; i < count; ++i) {
    ASSERT_EQ(mine[i].size(), 3u) << i;
    EXPECT_NEAR(mine[i][0], proj[i][1], 1e-8) << i;
    EXPECT_NEAR(mine[i][1], proj[i][0], 1e-8) << i;
    EXPECT_NEAR(mine[i][2], proj[i][2], 1e-3) << i;
  }
}

std::vector<std::array<double, 3>> randomPoints(std::mt19937& random, double south, double north, double west,
                                                 double east, int count) {
  std::vector<std::array<double, 3>> points;
  for (int i = 0; i < count; ++i)
    points.push_back({std::uniform_real_distribution<double>(south, north)(random),
                      std::uniform_real_distribution<double>(west, east)(random),
                      std::uniform_real_distribution<double>(-200, 4000)(random)});
  return points;
}

bool projInstalled() { return runShell("command -v cct").status == 0; }

std::string helmertStep(const chain::HelmertRow& r) {
  std::ostringstream step;
  step.imbue(std::locale::classic());
  step.precision(15);
  step << " +step +proj=helmert +convention=coordinate_frame +exact +x=" << r.tx << " +y=" << r.ty
       << " +z=" << r.tz << " +rx=" << r.rx << " +ry=" << r.ry << " +rz=" << r.rz << " +s=" << (r.m - 1) * 1e6;
  return step.str();
}

TEST(Heights, EllipsoidalHeightsThroughEveryHelmertFamilyBothWays) {
  if (!projInstalled()) GTEST_SKIP() << "PROJ's cct is not installed";
  struct Family {
    const char* name;
    char letter;
    const char* ellipsoid;
    double south, north, west, east;
  };
  const Family families[] = {{"MGI", 'A', "bessel", 46.5, 49, 9.5, 17},
                             {"DHDN", 'D', "bessel", 47.5, 55, 6, 15},
                             {"S42/83", 'S', "krass", 50.5, 54.5, 10, 15},
                             {"CH1903+", 'X', "bessel", 45.8, 47.8, 6, 10.5},
                             {"S-JTSK", 'T', "bessel", 47.8, 51, 12.1, 22.5}};
  std::mt19937 random(7837);
  TempDirectory dir;
  for (const Family& f : families) {
    SCOPED_TRACE(f.name);
    const chain::DatumFamily& family = chain::datumFamily(f.letter);
    const auto points = randomPoints(random, f.south, f.north, f.west, f.east, 100);
    const std::string cart = std::string(" +proj=cart +ellps=") + f.ellipsoid;
    expectSame(run(dir, points, std::string("--from '") + f.name + "' --to WGS84",
                   "+proj=pipeline +step" + cart + helmertStep(family.toWgs84) +
                       " +step +inv +proj=cart +ellps=WGS84"),
               points.size());
    expectSame(run(dir, points, std::string("--from WGS84 --to '") + f.name + "'",
                   "+proj=pipeline +step +proj=cart +ellps=WGS84" + helmertStep(family.fromWgs84) +
                       " +step +inv" + cart),
               points.size());
  }
  // a grid shift is two-dimensional: the height stays as it is
  if (!std::filesystem::exists("/usr/share/proj/BETA2007.gsb")) return;
  const auto points = randomPoints(random, 48, 54, 7, 14, 50);
  const auto shifted = numberLines(run(dir, points, "--from DHDN --to WGS84 --grid BeTA2007", "").mine);
  ASSERT_EQ(shifted.size(), points.size());
  for (std::size_t i = 0; i < points.size(); ++i) EXPECT_NEAR(shifted[i][2], points[i][2], 5e-4);
}

TEST(Heights, Egm96OnDebiansGridAsPROJ) {
  if (!projInstalled() || !std::filesystem::exists("/usr/share/proj/egm96_15.gtx"))
    GTEST_SKIP() << "PROJ or egm96_15.gtx is not installed";
  std::mt19937 random(5773);
  TempDirectory dir;
  const auto points = randomPoints(random, -90, 90, -180, 180, 300);
  const std::string grid = "+proj=vgridshift +grids=egm96_15.gtx +multiplier=1";
  expectSame(run(dir, points, "--from WGS84+EGM96 --to WGS84", grid), points.size());
  expectSame(run(dir, points, "--from WGS84 --to EPSG:4326+5773", "-I " + grid), points.size());
}

TEST(Heights, ColumnFilesAndMgrsReferencesCarryTheirHeights) {
  TempDirectory dir;
  dir.write("pts.csv", "Nr;Lat;Lon;H;note\nP1;48.2;16.37;250,5;x\nP2;47.1;15.4;abc;y\n");
  const std::string cli = "'" KORTAVEX_CLI_PATH "' --from WGS84 --to MGI ";
  const ShellRun copy =
      runShell("cd '" + dir.path() + "' && " + cli + "--no-heading --delimiter ';' --columns 2,3,4 < pts.csv");
  EXPECT_EQ(copy.status, 3);
  const auto line = numberLines(runShell("echo '48.2 16.37 250.5' | " + cli + "--3d").out).at(0);
  std::ostringstream expected;
  expected.imbue(std::locale::classic());
  expected.setf(std::ios::fixed);
  expected.precision(8);
  expected << "Nr;Lat;Lon;H;note\nP1;" << line[0] << ";" << line[1] << ";" << std::setprecision(3) << line[2]
           << ";x\nP2;47.1;15.4;abc;y\n";
  EXPECT_EQ(copy.out, expected.str());
  // WGS84 and UTM share their datum: the position as without heights, the height as it was
  const std::string mgrs = " --from MGRS --to WGS84";
  const std::string flat = runShell("echo 33UXP0179939437 | '" KORTAVEX_CLI_PATH "'" + mgrs).out;
  EXPECT_EQ(runShell("echo '33UXP0179939437 100' | '" KORTAVEX_CLI_PATH "' --3d" + mgrs).out,
            flat.substr(0, flat.size() - 1) + " 100.000\n");
}

// ------------------------------------------------------------ grids written here

TEST(Heights, NationalGridsInGtxAndGeoTiffAsPROJ) {
  if (!projInstalled()) GTEST_SKIP() << "PROJ's cct is not installed";
  std::mt19937 random(2016);
  TempDirectory dir;
  GeoidGrid germany = nationalGrid(47, 5.5, 0.1, 80, 70, random);
  germany.heights[40 * 70 + 30] = -32768;  // the sea: no data
  writeGeoTiff(dir.file("de_bkg_gcg2016.tif"), germany, {true, false, true, 32, "-32768"});
  writeGeoTiff(dir.file("ch_swisstopo_chgeo2004_ETRS89_LN02.tif"), nationalGrid(45.7, 5.9, 0.05, 45, 70, random),
               {false, true, true, 32, nullptr});
  writeGtx(dir.file("egm96_15.gtx"), nationalGrid(46.3, 9.4, 0.1, 30, 60, random));
  struct Case {
    const char* system;
    const char* file;
    double south, north, west, east;
    const char* local;  // a system of the height system's country, and its datum
    char family;
  } cases[] = {{"DHHN2016", "de_bkg_gcg2016.tif", 47, 54.9, 5.5, 15.8, "DHDN", 'D'},
               {"LN02", "ch_swisstopo_chgeo2004_ETRS89_LN02.tif", 45.7, 47.9, 5.9, 11.0, "CH1903+", 'X'},
               {"EGM96", "egm96_15.gtx", 46.3, 49.2, 9.4, 18.2, "MGI", 'A'}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.system);
    const auto points = randomPoints(random, c.south, c.north, c.west, c.east, 200);
    const std::string grid = std::string("+proj=vgridshift +multiplier=1 +grids=") + dir.file(c.file);
    expectSame(run(dir, points, std::string("--from WGS84 --to WGS84+") + c.system, "-I " + grid), points.size());
    expectSame(run(dir, points, std::string("--from 'WGS84+") + c.system + "' --to WGS84", grid), points.size());
    // beyond the grid: no result, never the height as it was
    const std::string outside = std::string("--each-line --from WGS84 --to WGS84+") + c.system;
    EXPECT_EQ(run(dir, {{c.south - 0.5, c.west, 100}}, outside, "").mine.substr(0, 6), "* * *\t");
    // a datum shift moves the position and leaves the height in the system (PROJ's push and pop)
    const chain::DatumFamily& family = chain::datumFamily(c.family);
    const auto inner = randomPoints(random, c.south + 0.1, c.north - 0.1, c.west + 0.1, c.east - 0.1, 100);
    const std::string local = std::string("'") + c.local + "+" + c.system + "'";
    const std::string push = " +step +proj=push +v_3", pop = " +step +proj=pop +v_3";
    const std::string wgs84 = " +proj=cart +ellps=WGS84", onBessel = " +proj=cart +ellps=bessel";
    expectSame(run(dir, inner, "--from WGS84 --to " + local,
                   "+proj=pipeline +step +inv " + grid + push + " +step" + wgs84 + helmertStep(family.fromWgs84) +
                       " +step +inv" + onBessel + pop),
               inner.size());
    expectSame(run(dir, inner, "--from " + local + " --to WGS84",
                   "+proj=pipeline" + push + " +step" + onBessel + helmertStep(family.toWgs84) + " +step +inv" +
                       wgs84 + pop + " +step " + grid),
               inner.size());
  }
}

TEST(Heights, BadGridsAreRefusedWithTheirReason) {
  TempDirectory dir;
  std::mt19937 random(1);
  const GeoidGrid grid = nationalGrid(47, 5.5, 0.1, 20, 20, random);
  writeGtx(dir.file("good.gtx"), grid);
  const std::string gtx = dir.read("good.gtx");
  std::string nanNode = gtx;
  nanNode[40 + 4 * 17] = 0x7f;
  std::memset(&nanNode[41 + 4 * 17], 0xff, 3);
  std::string noRows = gtx;
  std::memset(&noRows[32], 0xff, 4);
  writeGeoTiff(dir.file("bytes.tif"), grid, {false, false, true, 8, nullptr});
  writeGeoTiff(dir.file("nowhere.tif"), grid, {true, false, false, 32, nullptr});
  writeGeoTiff(dir.file("good.tif"), grid, {true, false, true, 32, nullptr});
  const std::string tif = dir.read("good.tif");
  const struct {
    const char* file;
    std::string bytes;
    const char* reason;
  } cases[] = {
      {"egm96_15.gtx", gtx.substr(0, 7), "no GTX grid: shorter than its header"},
      {"egm96_15.gtx", gtx.substr(0, gtx.size() - 4), "bytes, its header asks for"},
      {"egm96_15.gtx", gtx + "x", "bytes, its header asks for"},
      {"egm96_15.gtx", nanNode, "node 18 is no number"},
      {"egm96_15.gtx", noRows, "no geoid grid: -1 rows of 20 nodes"},
      {"de_bkg_gcg2016.tif", "hello", "no TIFF file"},
      {"de_bkg_gcg2016.tif", dir.read("bytes.tif"), "not one band of single floats"},
      {"de_bkg_gcg2016.tif", dir.read("nowhere.tif"), "without its position on the earth"},
      {"de_bkg_gcg2016.tif", tif.substr(0, tif.size() / 2), "no "},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.reason);
    dir.write(c.file, c.bytes);
    const std::string system = c.file[0] == 'e' ? "EGM96" : "DHHN2016";
    const ShellRun r = runShell("cd '" + dir.path() + "' && echo '48 11 5' | '" KORTAVEX_CLI_PATH
                                "' --3d --from WGS84 --to WGS84+" + system + " 2>&1");
    EXPECT_EQ(r.status, 2) << r.out;
    EXPECT_NE(r.out.find(c.reason), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("Looked for in:"), std::string::npos) << r.out;
    std::filesystem::remove(dir.file(c.file));
  }
  // a FIFO in the grid's place is refused at once, not waited on
  ASSERT_EQ(::mkfifo(dir.file("de_bkg_gcg2016.tif").c_str(), 0600), 0);
  const ShellRun fifo = runShell("cd '" + dir.path() + "' && echo '48 11 5' | timeout 20 '" KORTAVEX_CLI_PATH
                                 "' --3d --from WGS84 --to WGS84+DHHN2016 2>&1");
  EXPECT_EQ(fifo.status, 2) << fifo.out;
  EXPECT_NE(fifo.out.find("cannot be read as a file"), std::string::npos) << fifo.out;
}

}  // namespace
