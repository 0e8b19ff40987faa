// EPSG codes as names of the catalogue's systems, against PROJ's database:
// every code kortavex-cli accepts is a valid EPSG coordinate reference
// system on the datum of its system, converting by code is converting by
// name, and on the projection alone (geographic to projected on one datum
// and back) PROJ's definition of the code gives the same points to 1 mm.
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <map>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "chain/catalogue.h"
#include "chain/system_select.h"
#include "tests/test_support.h"

using namespace kortavex;

namespace {

std::string output(const std::string& command) { return runShell(command).out; }

// What PROJ's database says about a code.
struct EpsgEntry {
  bool found = false, deprecated = false, projected = false;
  std::string proj;      // its PROJ definition, without the datum shift to WGS 84
  int baseCode = 0;      // of the geographic system a projected one is based on
  double south = 0, west = 0, north = 0, east = 0;  // area of use
};

// Numbers read and written as PROJ and kortavex-cli do, whatever the locale.
std::vector<double> numbersIn(const std::string& text) {
  std::vector<double> numbers;
  const char* p = text.data();
  const char* const end = p + text.size();
  while (p < end) {
    double v;
    const auto [next, error] = std::from_chars(p, end, v);
    if (error == std::errc()) numbers.push_back(v);
    p = error == std::errc() ? next : p + 1;
  }
  return numbers;
}

std::string fixed(double v, int decimals) {
  char buf[64];
  return std::string(buf, std::to_chars(buf, buf + sizeof buf, v, std::chars_format::fixed, decimals).ptr);
}

int codeBefore(const std::string& wkt, std::size_t end) {
  const std::size_t id = wkt.rfind("ID[\"EPSG\",", end);
  return id == std::string::npos ? 0 : std::atoi(wkt.c_str() + id + 10);
}

EpsgEntry epsgEntry(int code) {
  const std::string text = output("projinfo -o PROJ,WKT2:2019 --single-line EPSG:" + std::to_string(code) + " 2>&1");
  EpsgEntry e;
  const std::size_t projAt = text.find("PROJ.4 string:\n"), wktAt = text.find("WKT2:2019 string:\n");
  if (projAt == std::string::npos || wktAt == std::string::npos) return e;
  e.found = true;
  e.deprecated = text.find("deprecated") != std::string::npos;
  std::istringstream words(text.substr(projAt + 15, text.find('\n', projAt + 15) - projAt - 15));
  for (std::string word; words >> word;) {
    if (word == "+datum=WGS84") word = "+ellps=WGS84";
    if (word.rfind("+towgs84=", 0) != 0 && word != "+type=crs") e.proj += word + " ";
  }
  const std::string wkt = text.substr(wktAt);
  e.projected = wkt.find("PROJCRS[") != std::string::npos;
  if (e.projected) e.baseCode = codeBefore(wkt, wkt.find("CONVERSION["));
  const std::size_t bbox = wkt.find("BBOX[");
  if (bbox != std::string::npos) {
    const std::vector<double> box = numbersIn(wkt.substr(bbox + 5, wkt.find(']', bbox) - bbox - 5));
    if (box.size() == 4) e.south = box[0], e.west = box[1], e.north = box[2], e.east = box[3];
  }
  return e;
}

std::string ellipsoidOf(const std::string& proj) {
  const std::size_t at = proj.find("+ellps=");
  return proj.substr(at, proj.find(' ', at) - at);
}

// The geographic system on the datum of each family of system codes; UTM is
// on WGS84 (which the program holds one with ETRS89).
const std::map<char, std::string> kGeographicOfFamily = {
    {'A', "MGI"}, {'D', "DHDN"}, {'S', "S42/83"}, {'X', "CH1903+"}, {'C', "CH1903"}, {'T', "S-JTSK"}, {'U', "WGS84"},
};

std::vector<std::vector<double>> numbersOfLines(const std::string& text, bool skipHeading) {
  std::vector<std::vector<double>> lines;
  std::istringstream in(text);
  std::string line;
  if (skipHeading) std::getline(in, line);
  while (std::getline(in, line)) lines.push_back(numbersIn(line));
  return lines;
}

TEST(EpsgCodes, EachNamesItsSystemAndConvertsAsPROJsDefinitionDoes) {
  if (output("command -v projinfo cs2cs").empty()) GTEST_SKIP() << "PROJ's programs are not installed";
  std::map<int, std::string> systems;  // every code kortavex-cli accepts
  for (int code = 1; code < 100000; ++code)
    if (const std::string name = systemNameOfEpsg(code); !name.empty()) systems[code] = name;
  ASSERT_EQ(systems.size(), 155u);  // WGS84, 24 national systems, 120 UTM zones, 10 ETRS89 zones

  std::mt19937 random(4326);
  TempDirectory dir;
  for (const auto& [code, name] : systems) {
    SCOPED_TRACE("EPSG:" + std::to_string(code) + " " + name);
    const EpsgEntry entry = epsgEntry(code);
    ASSERT_TRUE(entry.found);
    EXPECT_FALSE(entry.deprecated);
    const SystemCode systemCode = kortavex::systemCode(name, true, 0, SystemCode());
    EXPECT_EQ(systemCode.isGeographic(), !entry.projected);
    if (!entry.projected) continue;
    // on the datum of its system: its base is that system's geographic one
    const std::string geographic = kGeographicOfFamily.at(systemCode.family());
    if (code / 100 == 258)
      EXPECT_EQ(entry.baseCode, 4258);  // ETRS89
    else
      EXPECT_EQ(entry.baseCode, epsgOfSystem(geographic));

    // random points in the code's area of use, latitude longitude
    std::string points, lonLat;
    for (int i = 0; i < 40; ++i) {
      const double lat = std::uniform_real_distribution<double>(entry.south, entry.north)(random);
      const double lon = std::uniform_real_distribution<double>(entry.west, entry.east)(random);
      points += fixed(lat, 9) + " " + fixed(lon, 9) + "\n";
      lonLat += fixed(lon, 9) + " " + fixed(lat, 9) + "\n";
    }
    dir.write("points", points);
    dir.write("lonlat", lonLat);
    const std::string cli = "cd '" + dir.path() + "' && '" KORTAVEX_CLI_PATH "' ";
    const std::string byCode = output(cli + "--from EPSG:" + std::to_string(epsgOfSystem(geographic)) +
                                      " --to EPSG:" + std::to_string(code) + " < points");
    EXPECT_EQ(byCode, output(cli + "--from '" + geographic + "' --to '" + name + "' < points"));

    // PROJ writes easting northing, or as the code's axes say: Krovak
    // southing westing, where the program writes westing southing
    const bool swapped = entry.proj.find("+axis=swu") != std::string::npos;
    const std::string projected = output("cd '" + dir.path() + "' && cs2cs -f %.6f +proj=longlat " +
                                         ellipsoidOf(entry.proj) + " +no_defs +to " + entry.proj + "< lonlat");
    const auto mine = numbersOfLines(byCode, true), proj = numbersOfLines(projected, false);
    ASSERT_EQ(mine.size(), 40u);
    ASSERT_EQ(proj.size(), 40u);
    std::string projectedPoints;
    for (std::size_t i = 0; i < mine.size(); ++i) {
      ASSERT_EQ(mine[i].size(), 2u) << byCode;
      const double e = proj[i][swapped ? 1 : 0], n = proj[i][swapped ? 0 : 1];
      EXPECT_NEAR(mine[i][0], e, 1e-3) << i;
      EXPECT_NEAR(mine[i][1], n, 1e-3) << i;
      projectedPoints += fixed(e, 6) + " " + fixed(n, 6) + "\n";
    }

    // and back: the geographic points PROJ started from, to 1 mm and the
    // half of the eighth decimal written (0.6 mm)
    dir.write("projected", projectedPoints);
    const std::string back = output(cli + "--from EPSG:" + std::to_string(code) + " --to EPSG:" +
                                    std::to_string(epsgOfSystem(geographic)) + " < projected");
    EXPECT_EQ(back, output(cli + "--from '" + name + "' --to '" + geographic + "' < projected"));
    const auto start = numbersOfLines(points, false), mineBack = numbersOfLines(back, true);
    ASSERT_EQ(mineBack.size(), 40u);
    for (std::size_t i = 0; i < start.size(); ++i) {
      constexpr double kMetresPerDegree = 111320;
      EXPECT_NEAR(mineBack[i][0], start[i][0], 1.6e-3 / kMetresPerDegree) << i;
      EXPECT_NEAR(mineBack[i][1], start[i][1],
                  1.6e-3 / (kMetresPerDegree * std::cos(start[i][0] * M_PI / 180))) << i;
    }
  }
}

}  // namespace
