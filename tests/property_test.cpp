// Properties of the conversion chain over many points drawn with fixed seeds:
// every projection inverts its forward step within a millimetre anywhere in
// its frame, every pair of datums comes back within a centimetre, and finite
// input never gives a result that is no number without a status bit.

#include <cmath>
#include <random>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "chain/convert.h"
#include "engine/ntv2_grid.h"
#include "engine/number_text.h"
#include "tests/test_support.h"
#include "workflow/coordinate_text.h"
#include "workflow/input_window_conversion.h"
#include "workflow/single_point.h"

using namespace kortavex;

namespace {

using chain::UserSystem;

// No datum shift: the user system then differs from WGS84 only by its
// ellipsoid and projection.
const UserSystem kNoShift;
const SystemCode kWgs84 = SystemCode::wgs84();

UserSystem userProjection(int ellipsoid, int projection) {
  UserSystem u = kNoShift;
  u.ellipsoid = ellipsoid;
  u.projection = projection;
  u.centralMeridian = 15;
  if (projection == 3) {  // Lambert of Austria's parallels
    u.latitudeOfOrigin = 47.5;
    u.northParallel = 49;
    u.southParallel = 46;
    u.falseEasting = 400000;
    u.falseNorthing = 400000;
  } else {
    u.falseEasting = 500000;
  }
  return u;
}

double planeApart(const point& a, const point& b) { return std::hypot(a.y - b.y, a.x - b.x); }

struct Range {
  double low, high;
};

// ------------------------------------------------------------- projections

struct ProjectionCase {
  const char* name;
  const char* projected;   // system code of the projected system
  const char* geographic;  // the geographic system of its datum
  Range easting, northing; // the frame, as the projected values are written
  UserSystem user = kNoShift;
  // Transverse Mercator: its central meridian. Only points within 3 deg of it
  // count, the width of a UTM zone; further out the series of the projection
  // lose their millimetre (2 cm at 350 km east of a UTM meridian at 55 deg,
  // 90 m at 280 km and 83 deg).
  double meridian = NAN;
  double within = 1e-3;  // metres, there and back
};

UserSystem lambertUser(int ellipsoid) { return userProjection(ellipsoid, 3); }

// Frames as the chain tests them; Austrian northings are written without
// the 5 000 000 m, the Swiss frame holds on the values without false origin.
std::vector<ProjectionCase> projectionCases() {
  std::vector<ProjectionCase> cases = {
      {"GK-AUT_M28", "A2800", "A0000", {-150000, 150000}, {100000, 450000}},
      {"GK-AUT_M31", "A3100", "A0000", {-150000, 150000}, {100000, 450000}},
      {"GK-AUT_M34", "A3400", "A0000", {-150000, 150000}, {100000, 450000}},
      {"BMN28", "A2810", "A0000", {0, 300000}, {100000, 450000}},
      {"BMN31", "A3110", "A0000", {300000, 600000}, {100000, 450000}},
      {"BMN34", "A3410", "A0000", {600000, 900000}, {100000, 450000}},
      {"LAMB-AUT", "ALB00", "A0000", {107763, 680480}, {286024, 575885}},
      {"GK2_DHDN", "D0200", "D0000", {2350000, 2650000}, {5200000, 6200000}},
      {"GK3_DHDN", "D0300", "D0000", {3350000, 3650000}, {5200000, 6200000}},
      {"GK4_DHDN", "D0400", "D0000", {4350000, 4650000}, {5200000, 6200000}},
      {"GK5_DHDN", "D0500", "D0000", {5350000, 5650000}, {5200000, 6200000}},
      {"GK3_S42/83", "S0300", "S0000", {3350000, 3650000}, {5200000, 6200000}},
      {"GK4_S42/83", "S0400", "S0000", {4350000, 4650000}, {5200000, 6200000}},
      {"GK5_S42/83", "S0500", "S0000", {5350000, 5650000}, {5200000, 6200000}},
      // the Swiss projection and Krovak invert in closed form or iterate to the end
      {"CH1903+/LV95", "X0100", "X0000", {2400000, 3000000}, {1000000, 1400000}, kNoShift, NAN, 1e-6},
      {"CH1903/LV03-M", "C0100", "C0000", {400000, 1000000}, {0, 400000}, kNoShift, NAN, 1e-6},
      {"LIECHT/LV03-C", "C0110", "C0000", {-200000, 400000}, {-200000, 200000}, kNoShift, NAN, 1e-6},
      {"Krovak", "T0100", "T0000", {0, 1000000}, {500000, 1500000}, kNoShift, NAN, 1e-5},
  };
  // UTM has no geographic system of its own: WGS84 serves, on the same datum.
  // Its frame reaches from 80 deg south to 84 deg north.
  static std::vector<std::string> utmCodes;
  utmCodes.clear();
  for (int zone = 1; zone <= 60; ++zone)
    for (char hemisphere : {'N', 'S'})
      utmCodes.push_back(SystemCode::utm(std::string{char('0' + zone / 10), char('0' + zone % 10), hemisphere}).text());
  for (std::size_t i = 0; i < utmCodes.size(); ++i) {
    const bool north = i % 2 == 0;
    const int zone = static_cast<int>(i / 2) + 1;
    cases.push_back({"UTM", utmCodes[i].c_str(), kWgs84.text().c_str(), {150000, 850000},
                     north ? Range{0, 9300000} : Range{1200000, 10000000}, kNoShift,
                     6.0 * zone - 183});
  }
  // The user system on every ellipsoid: Gauss-Krueger and UTM about the
  // central meridian 15 deg, north and south, Lambert over Austria's frame.
  for (int ellipsoid = 0; ellipsoid < 5; ++ellipsoid) {
    cases.push_back({"User Gauss-Krueger", "Z0100", "Z0000", {150000, 850000},
                     {0, 9300000}, userProjection(ellipsoid, 1), 15});
    cases.push_back({"User UTM", "Z0100", "Z0000", {150000, 850000}, {0, 9300000},
                     userProjection(ellipsoid, 2), 15});
    UserSystem south = userProjection(ellipsoid, 2);
    south.falseNorthing = 10000000;
    cases.push_back({"User UTM south", "Z0100", "Z0000", {150000, 850000}, {1200000, 10000000}, south, 15});
    cases.push_back({"User Lambert", "Z0100", "Z0000", {107763, 680480}, {286024, 575885},
                     lambertUser(ellipsoid)});
  }
  return cases;
}

TEST(Properties, EveryProjectionInvertsWithinAMillimetreInsideItsFrame) {
  constexpr int kPointsPerCase = 200;
  const std::vector<ProjectionCase> cases = projectionCases();
  std::mt19937_64 random(20240607);
  for (const ProjectionCase& c : cases) {
    // The user system never shares a datum family with another code: its
    // geographic form is reached through WGS84 with a shift of nothing.
    const SystemCode projectedCode(c.projected);
    const SystemCode geographicCode =
        projectedCode.family() == 'Z' ? kWgs84 : SystemCode(c.geographic);
    std::uniform_real_distribution<double> easting(c.easting.low, c.easting.high);
    std::uniform_real_distribution<double> northing(c.northing.low, c.northing.high);
    double worst = 0;
    for (int n = 0; n < kPointsPerCase; ++n) {
      const point projected(easting(random), northing(random), 300, 0);
      SCOPED_TRACE(::testing::Message() << c.name << " " << c.projected << " e=" << projected.y
                                        << " n=" << projected.x);
      // A point of the frame, projected forward and back.
      const point g = chain::convertPoint(projected, projectedCode, geographicCode, c.user);
      if (std::fabs(std::remainder(g.y - c.meridian, 360.0)) > 3) {
        --n;  // outside the zone: draw again
        continue;
      }
      ASSERT_EQ(g.flag, 0);
      const point forward = chain::convertPoint(g, geographicCode, projectedCode, c.user);
      ASSERT_EQ(forward.flag, 0);
      const point inverse = chain::convertPoint(forward, projectedCode, geographicCode, c.user);
      EXPECT_LE(metresApart(inverse, g), c.within);
      EXPECT_LE(planeApart(forward, projected), c.within);
      worst = std::max(worst, metresApart(inverse, g));
    }
    RecordProperty(std::string(c.projected) + "_worst_mm", std::to_string(worst * 1e3));
  }
}

// ------------------------------------------------------------ datum shifts

struct Datum {
  const char* name;
  const char* code;  // the geographic system of the datum
  Range latitude, longitude;  // where points are drawn
  UserSystem user = kNoShift;
};

// A user datum on International 1924 with a shift of the size of the
// national ones.
UserSystem userDatum() {
  UserSystem u = kNoShift;
  u.dx = -87;
  u.dy = -98;
  u.dz = -121;
  u.rx = 0.59;
  u.ry = -1.2;
  u.rz = 2.1;
  u.scale = 1.0000045;
  u.ellipsoid = 4;
  return u;
}

const Range kEuropeLatitude{44, 56}, kEuropeLongitude{4, 24};

std::vector<Datum> datums() {
  std::vector<Datum> list = {
      {"WGS84", kWgs84.text().c_str(), kEuropeLatitude, kEuropeLongitude},
      {"MGI", "A0000", kEuropeLatitude, kEuropeLongitude},
      {"DHDN", "D0000", kEuropeLatitude, kEuropeLongitude},
      {"S42/83", "S0000", kEuropeLatitude, kEuropeLongitude},
      {"CH1903+", "X0000", kEuropeLatitude, kEuropeLongitude},
      {"CH1903", "C0000", kEuropeLatitude, kEuropeLongitude},
      {"S-JTSK", "T0000", kEuropeLatitude, kEuropeLongitude},
      {"User", "Z0000", kEuropeLatitude, kEuropeLongitude, userDatum()},
  };
  // The published grids that PROJ's data directory provides, inside their
  // extent; points where a grid has no shift value carry a status bit.
  if (!gridFilePath(Grid::BeTA2007).empty())
    list.push_back({"DHDN with BeTA2007", "D0003", {47.05, 55.25}, {5.55, 15.6}});
  if (!gridFilePath(Grid::CHENYX06).empty())
    list.push_back({"CH1903 with CHENYX06", "C0003", {45.5, 48.03}, {5.6, 11.0}});
  return list;
}

bool onGrid(const Datum& d) { return SystemCode(d.code).usesGrid(); }

TEST(Properties, EveryDatumPairComesBackWithinACentimetre) {
  constexpr int kPointsPerPair = 100;
  const std::vector<Datum> list = datums();
  std::mt19937_64 random(424242);
  for (const Datum& from : list) {
    for (const Datum& to : list) {
      // one family at a time, and a grid on one side at most
      const SystemCode fromCode(from.code), toCode(to.code);
      if (fromCode.sameFamily(toCode) || (onGrid(from) && onGrid(to))) continue;
      const UserSystem& user = fromCode.family() == 'Z' ? from.user : to.user;
      const Range latitude{std::max(from.latitude.low, to.latitude.low),
                           std::min(from.latitude.high, to.latitude.high)};
      const Range longitude{std::max(from.longitude.low, to.longitude.low),
                            std::min(from.longitude.high, to.longitude.high)};
      std::uniform_real_distribution<double> lat(latitude.low, latitude.high);
      std::uniform_real_distribution<double> lon(longitude.low, longitude.high);
      std::uniform_real_distribution<double> height(-100, 3000);
      int shifted = 0;
      for (int n = 0; n < kPointsPerPair; ++n) {
        const point start = geographic(lat(random), lon(random), height(random));
        SCOPED_TRACE(::testing::Message() << from.name << " -> " << to.name << " at "
                                          << start.x << " " << start.y);
        const point there = chain::convertPoint(start, fromCode, toCode, user);
        if (there.flag != 0) {
          ASSERT_TRUE(there.flag & (FLAG_START_GRID | FLAG_TARGET_GRID)) << there.flag;
          continue;  // no grid value there
        }
        const point back = chain::convertPoint(there, toCode, fromCode, user);
        if (back.flag != 0) {
          ASSERT_TRUE(back.flag & (FLAG_START_GRID | FLAG_TARGET_GRID)) << back.flag;
          continue;
        }
        ++shifted;
        EXPECT_LE(metresApart(back, start), 0.01);
        EXPECT_NEAR(back.h, start.h, 0.01);
      }
      // the grids have values over most of their extent
      EXPECT_GE(shifted, onGrid(from) || onGrid(to) ? kPointsPerPair / 4 : kPointsPerPair)
          << from.name << " -> " << to.name;
    }
  }
}

// --------------------------------------------------------- finite results

// Every start and target code of the catalogue, with the grid mark on a
// few, and the user system in a few sensible forms.
std::vector<SystemCode> catalogueCodes() {
  std::vector<SystemCode> codes{kWgs84};
  for (const char* text : {"A3400", "A3100", "A2800", "A3410", "A3110", "A2810", "ALB00", "A0000",
                           "D0200", "D0300", "D0400", "D0500", "D0000", "S0300", "S0400", "S0500",
                           "S0000", "X0100", "X0000", "C0100", "C0110", "C0000", "T0000", "T0100",
                           "U01N0", "U33N0", "U60N0", "U01S0", "U34S0", "U60S0"})
    codes.emplace_back(text);
  codes.insert(codes.end(), {SystemCode::automaticUtm(), SystemCode::mgrs(), SystemCode::user(false),
                             SystemCode::user(true)});
  for (const char* text : {"A3403", "D0303", "D0003", "C0103", "C0003"}) codes.emplace_back(text);
  return codes;
}

std::vector<UserSystem> sensibleUserSystems() {
  UserSystem southernLambert = lambertUser(2);
  southernLambert.latitudeOfOrigin = -30;
  southernLambert.northParallel = -25;
  southernLambert.southParallel = -35;
  UserSystem tangentLambert = lambertUser(0);
  tangentLambert.northParallel = tangentLambert.southParallel = 47.5;
  UserSystem utmSouth = userProjection(2, 2);
  utmSouth.falseNorthing = 10000000;
  return {userDatum(), userProjection(1, 1), utmSouth, lambertUser(0), southernLambert,
          tangentLambert};
}

// Values up to 1e7 in magnitude: over the whole range, within a few
// thousand, within the angles, and the edges.
double finiteValue(std::mt19937_64& random) {
  static const double kEdges[] = {0, 1e7, -1e7, 90, -90, 180, -180, 84, -80, 5e6, 1e6};
  std::uniform_int_distribution<int> kind(0, 3);
  switch (kind(random)) {
    case 0: return std::uniform_real_distribution<double>(-1e7, 1e7)(random);
    case 1: return std::uniform_real_distribution<double>(-5000, 5000)(random);
    case 2: return std::uniform_real_distribution<double>(-200, 200)(random);
    default: return kEdges[std::uniform_int_distribution<std::size_t>(0, 10)(random)];
  }
}

bool finite(const point& p) {
  return std::isfinite(p.y) && std::isfinite(p.x) && std::isfinite(p.h);
}

// The frame of a start code as its values are written (first value, second
// value), for drawing points inside and around it.
struct StartFrame {
  Range first, second;
};

StartFrame startFrameOf(const SystemCode& code) {
  for (const ProjectionCase& c : projectionCases())
    if (code.text() == c.projected && code.family() != 'Z') return {c.easting, c.northing};
  if (code.family() == 'U') return {{150000, 850000}, {0, 10000000}};
  if (code.family() == 'Z' && !code.isGeographic()) return {{150000, 850000}, {0, 9300000}};
  return {{-90, 90}, {-180, 180}};  // geographic: latitude, longitude
}

// Inside the frame, around it (up to half its size beyond each edge), or anywhere.
double drawAround(const Range& r, std::mt19937_64& random) {
  const double margin = (r.high - r.low) / 2;
  switch (std::uniform_int_distribution<int>(0, 2)(random)) {
    case 0: return std::uniform_real_distribution<double>(r.low, r.high)(random);
    case 1: return std::uniform_real_distribution<double>(r.low - margin, r.high + margin)(random);
    default: return finiteValue(random);
  }
}

bool pairUsesGrid(const SystemCode& start, const SystemCode& target) {
  return !start.sameFamily(target) && (start.usesGrid() || target.usesGrid());
}

// A value far beyond where any formula holds, of either sign: up to 1e308
// times `beyond`.
double absurd(double beyond, std::mt19937_64& random) {
  const double value = beyond * (1 + std::pow(10.0, std::uniform_real_distribution<double>(-3, 307)(random)));
  return std::uniform_int_distribution<int>(0, 1)(random) ? value : -value;
}

// The bits a conversion reports say what happened, over every pair of the
// catalogue: no bit is the carry of two others (2 + 2 once read as 4, "no
// grid value", for a point that was merely outside its frame twice), grid
// bits come only from a grid, a result that is no number is marked outside
// the target frame, an input beyond the poles or beyond +-180 degrees of
// longitude, 10 000 km above or 1 000 km below the surface is marked outside
// the start frame, a longitude that names no direction gives no result, and
// no result without a bit lies there.
TEST(Properties, EveryPairReportsItsStatusBitsHonestly) {
  constexpr int kPointsPerPair = 60;
  constexpr double kHighest = 1e7;
  // and user systems no dialog lets through: a scale of 0 (an emptied
  // field), cones that are a plane or a cylinder, shifts and scales of
  // absurd size
  std::vector<UserSystem> users = sensibleUserSystems();
  UserSystem noScale = userDatum(), flatCone = lambertUser(2), cylinder = lambertUser(0);
  UserSystem farShift = userDatum(), hugeScale = userDatum(), tinyScale = userDatum();
  noScale.scale = 0;
  flatCone.northParallel = flatCone.southParallel = flatCone.latitudeOfOrigin = 90;
  cylinder.northParallel = 30;
  cylinder.southParallel = -30;
  farShift.dz = 1e200;
  hugeScale.scale = 1e250;
  tinyScale.scale = 1e-250;
  users.insert(users.end(), {noScale, flatCone, cylinder, farShift, hugeScale, tinyScale});
  std::mt19937_64 random(7);
  const std::vector<SystemCode> codes = catalogueCodes();
  for (const SystemCode& start : codes) {
    if (start.isAutomaticUtm()) continue;  // a target only
    const bool geographicStart = start.isGeographic();
    const StartFrame frame = startFrameOf(start);
    for (const SystemCode& target : codes) {
      if (start == target) continue;
      for (int n = 0; n < kPointsPerPair; ++n) {
        const UserSystem& user = users[static_cast<std::size_t>(n) % users.size()];
        double first = drawAround(frame.first, random), second = drawAround(frame.second, random);
        double height = 300;
        // one point in two with a latitude beyond the poles, a longitude
        // beyond the date line, or a height far from the earth
        const int kind = std::uniform_int_distribution<int>(0, 7)(random);
        if (kind == 0 && geographicStart) first = absurd(90, random);
        if (kind == 1) height = absurd(kHighest, random);
        if (kind == 2 && geographicStart) second = absurd(180, random);
        if (kind == 3) height = -1e6 - std::uniform_real_distribution<double>(1, 1e7)(random);
        // (Lambert grids take no height: their points lie on the ellipsoid)
        const bool userStart = start.family() == 'Z';
        const bool lambertStart = start.isLambert() || (userStart && user.projection == 3);
        const bool latitudeStart = geographicStart && (!userStart || user.projection == 0);
        const bool enteredAngles = geographicStart && !userStart;
        const bool noPosition = (kind == 0 && latitudeStart) || ((kind == 1 || kind == 3) && !lambertStart) ||
                                (kind == 2 && enteredAngles);
        const point input = geographicStart ? geographic(first, second, height) : point(first, second, height, 0);
        const point result = chain::convertPoint(input, start, target, user);
        SCOPED_TRACE(::testing::Message() << start.text() << " -> " << target.text() << ": " << input.y << " "
                                          << input.x << " " << input.h << " gives " << result.y << " "
                                          << result.x << " " << result.h << " flag " << result.flag);
        ASSERT_EQ(result.flag & ~(FLAG_TARGET_FRAME | FLAG_START_FRAME | FLAG_START_GRID | FLAG_TARGET_GRID), 0);
        if (!pairUsesGrid(start, target)) {
          ASSERT_EQ(result.flag & (FLAG_START_GRID | FLAG_TARGET_GRID), 0);
        }
        if (!finite(result)) {
          ASSERT_TRUE(result.flag & FLAG_TARGET_FRAME);
        }
        // a conversion within one system family passes the input on as it is
        const bool passedOn = start.sameFamily(target) && (start.family() == '0' || userStart);
        if (noPosition && !passedOn) {
          ASSERT_TRUE(result.flag & FLAG_START_FRAME);
        }
        if (kind == 2 && enteredAngles && std::abs(second) > 1e7 && !passedOn) {
          ASSERT_FALSE(finite(result));
        }
        if (result.flag == 0 && !passedOn) {
          ASSERT_LE(std::abs(result.h), kHighest);
          // the user system projects as its set says, whatever its code
          const bool geographicTarget =
              target.family() == 'Z' ? user.projection == 0 : target.isGeographic();
          if (geographicTarget) {
            ASSERT_LE(std::abs(result.x), 90);
          }
        }
      }
    }
  }
}

// A result that is no number is shown as none, in the window and for a
// single point: red, after "*", never as "nan" or a zone made of it.
TEST(Properties, AResultThatIsNoNumberIsShownAsNone) {
  UserSystem noScale = userDatum(), flatCone = lambertUser(2);
  noScale.scale = 0;
  flatCone.northParallel = flatCone.southParallel = flatCone.latitudeOfOrigin = 90;
  std::mt19937_64 random(11);
  int noNumbers = 0;
  for (const SystemCode& start : catalogueCodes()) {
    if (start.isAutomaticUtm() || start.isMgrs()) continue;
    for (const SystemCode& target : catalogueCodes()) {
      if (start == target) continue;
      for (const UserSystem& user : {noScale, flatCone}) {
        ConversionSetup setup;
        setup.systems.startCode = start;
        setup.systems.targetCode = target;
        setup.user.system = user;
        const StartFrame frame = startFrameOf(start);
        const double a = drawAround(frame.first, random), b = drawAround(frame.second, random);
        const bool geographic = start.isGeographic();
        EnteredPoint entered;  // longitude first, as the dialog gives it
        entered.first = geographic ? b : a;
        entered.second = geographic ? a : b;
        const std::string line = formatFixed(a, 0, 9) + " " + formatFixed(b, 0, 9);
        const InputWindowResult window = convertInputWindow(setup, MainTexts(), {line});
        const SinglePointTexts single = convertSinglePoint(setup, entered);
        const PointValues read = valuesOnAxes({a, b}, geographic);
        const point inWindow(read.east, read.north, setup.referenceHeight, 0);
        const point asEntered(entered.first, entered.second, entryHeight(start, setup.referenceHeight), 0);
        SCOPED_TRACE(start.text() + " -> " + target.text() + ": " + line + " gives " + window.output.text);
        for (const auto& [shown, input] : {std::pair(&window.output, inWindow), std::pair(&single.output, asEntered)}) {
          const std::string text = shown->text.substr(shown->text.find('\n') + 1);
          EXPECT_EQ(text.find("nan"), std::string::npos);
          EXPECT_EQ(text.find("inf"), std::string::npos);
          const point result = chain::convertPoint(input, start, target, user);
          if (std::isfinite(result.y) && std::isfinite(result.x)) continue;
          ++noNumbers;
          EXPECT_EQ(text[0], '*');
          EXPECT_EQ(shown->runs.back().colour, TextColour::Red);
        }
      }
    }
  }
  EXPECT_GT(noNumbers, 100);  // the sets above do give results that are no number
}

// A UTM start converted to "UTM" or "MGRS(UTMREF)" lands in the same zone,
// with the same values and the same mark, as the same point taken through
// WGS84 first, also across the date line between zones 60 and 1.
TEST(Properties, UtmToUtmAgreesWithThePathThroughWgs84) {
  constexpr int kPointsPerZone = 40;
  std::mt19937_64 random(180);
  const SystemCode targets[] = {SystemCode::automaticUtm(), SystemCode::mgrs(), SystemCode("U01N0"),
                                SystemCode("U60S0")};
  for (int zone = 1; zone <= 60; ++zone) {
    for (const char hemisphere : {'N', 'S'}) {
      const SystemCode start =
          SystemCode::utm(std::string{char('0' + zone / 10), char('0' + zone % 10), hemisphere});
      std::uniform_real_distribution<double> easting(100000, 900000);
      std::uniform_real_distribution<double> northing(hemisphere == 'N' ? 0 : 1200000,
                                                      hemisphere == 'N' ? 9300000 : 10000000);
      for (int n = 0; n < kPointsPerZone; ++n) {
        const point input(easting(random), northing(random), 300, 0);
        for (const SystemCode& target : targets) {
          const point direct = chain::convertPoint(input, start, target, kNoShift);
          const point wgs84 = chain::convertPoint(input, start, kWgs84, kNoShift);
          const point through = chain::convertPoint(wgs84, kWgs84, target, kNoShift);
          SCOPED_TRACE(::testing::Message() << start.text() << " " << input.y << " " << input.x
                                            << " -> " << target.text());
          EXPECT_EQ(direct.txt, through.txt);
          EXPECT_NEAR(direct.y, through.y, 1e-3);
          EXPECT_NEAR(direct.x, through.x, 1e-3);
          if (target.isAutomaticUtm()) {
            EXPECT_EQ(direct.flag & FLAG_TARGET_FRAME, through.flag & FLAG_TARGET_FRAME);
          }
        }
      }
    }
  }
}

}  // namespace
