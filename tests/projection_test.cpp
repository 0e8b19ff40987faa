// Map projections: worked examples, PROJ oracle values, round trips over each
// grid's service area, and degenerate input.
#include <chrono>
#include <climits>
#include <cmath>
#include <functional>
#include <future>
#include <limits>
#include <memory>
#include <thread>

#include <gtest/gtest.h>

#include "engine/point.h"

namespace {

constexpr double kBesselA = 6377397.155;
constexpr double kBesselE = 0.081696831215256;  // first eccentricity, as the chain passes it
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kMillimetre = 0.001;

double degrees(double d, double m, double s) { return d + m / 60 + s / 3600; }

// Ground distance in metres between two nearby geographic positions; accurate
// to a fraction of a percent, plenty for millimetre tolerances.
double groundDistance(double lat1, double lon1, double lat2, double lon2) {
  const double metresPerDegree = 6378137.0 * 0.017453292519943295;
  const double dNorth = (lat2 - lat1) * metresPerDegree;
  const double dEast = (lon2 - lon1) * metresPerDegree * std::cos(lat1 * 0.017453292519943295);
  return std::hypot(dNorth, dEast);
}

point geographic(double lat, double lon) { return point(lon, lat, 0.0, 0); }

// Runs KrovakToBL on its own thread, so that an endless loop fails the test
// instead of hanging the run; false if it has not returned within ten seconds.
bool krovakInverseFinishes(point in, point& out) {
  auto result = std::make_shared<std::promise<point>>();
  std::future<point> finished = result->get_future();
  std::thread([in, result] {
    point p;
    p.KrovakToBL(in, kBesselA, kBesselE);
    result->set_value(p);
  }).detach();
  if (finished.wait_for(std::chrono::seconds(10)) != std::future_status::ready) return false;
  out = finished.get();
  return true;
}

// ---------------------------------------------------------------------------
// Transverse Mercator

struct TmCase {
  int ellipsoid;
  int mode;
  double lat, dLon;
  double northing, easting;
};

// Except the first two rows, the values are from
//   echo "<dLon> <lat>" | cs2cs -f %.4f +proj=longlat +ellps=<ell> +to
//       +proj=tmerc +lon_0=0 +k=<1 or 0.9996> +ellps=<ell>
// (ell: 0 bessel, 1 krass, 2 GRS80, 3 WGS84, 4 intl). Modes 0 and 3 must act
// like the Gauss-Krueger mode 1 (scale 1).
const TmCase kTmCases[] = {
    {2, 2, 52.5, 3.0, 5820882.9785, 203625.1702},  // UTM worked example
    {0, 1, 0.0, 0.0, 0.0, 0.0},                    // equator on the central meridian
    {0, 1, 47.8, 1.6, 5296889.8408, 119845.2627},
    {0, 3, 45.0, 0.0, 4984439.2655, 0.0},
    {1, 1, 51.3, -1.2, 5686244.9934, -83692.8937},
    {2, 2, -33.9, 2.9, -3754855.3683, 268165.7268},  // south: negative northing
    {3, 2, 64.1, -2.5, 7110548.7814, -121819.3183},
    {4, 0, 40.4, 0.8, 4474328.9436, 67918.2371},
    {4, 2, -10.0, -3.0, -1106921.4047, -328941.8248},
};

TEST(TransverseMercator, AgreesWithWorkedExampleAndProj) {
  for (const TmCase& c : kTmCases) {
    SCOPED_TRACE(testing::Message() << "ellipsoid " << c.ellipsoid << " mode " << c.mode << " at "
                                    << c.lat << "/" << c.dLon);
    point grid;
    grid.toGK(geographic(c.lat, c.dLon), c.ellipsoid, c.mode);
    EXPECT_NEAR(grid.x, c.northing, 0.1 * kMillimetre);
    EXPECT_NEAR(grid.y, c.easting, 0.1 * kMillimetre);

    point back;
    back.toEll(point(c.easting, c.northing, 0.0, 0), c.ellipsoid, c.mode);
    EXPECT_LT(groundDistance(c.lat, c.dLon, back.x, back.y), kMillimetre);
  }
}

TEST(TransverseMercator, RoundTripWithinOneMillimetreOnEveryEllipsoid) {
  for (int ellipsoid = 0; ellipsoid < 5; ++ellipsoid) {
    for (int mode : {1, 2}) {
      for (double lat = -80; lat <= 84; lat += 4) {
        for (double dLon = -3; dLon <= 3; dLon += 0.5) {
          point grid, back;
          grid.toGK(geographic(lat, dLon), ellipsoid, mode);
          back.toEll(grid, ellipsoid, mode);
          ASSERT_LT(groundDistance(lat, dLon, back.x, back.y), kMillimetre)
              << "ellipsoid " << ellipsoid << " mode " << mode << " at " << lat << "/" << dLon;
        }
      }
    }
  }
}

// ---------------------------------------------------------------------------
// Lambert conformal conic

struct LambertCase {
  int ellipsoid;
  double phi0, phi1, phi2, lambda0;
  double lat, lon;
  double northing, easting;  // relative to the origin, without false values
};

// Except the first two rows, the values are from
//   echo "<lon> <lat>" | cs2cs -f %.4f +proj=longlat +ellps=<ell> +to
//       +proj=lcc +lat_0=<phi0> +lat_1=<phi1> +lat_2=<phi2> +lon_0=<lambda0> +ellps=<ell>
const LambertCase kLambertCases[] = {
    // Austrian Lambert worked example: 625589.579/482206.313 with 400000 false values.
    {0, 47.5, 49, 46, 13.333333333, 48.2, 16.37, 82206.313, 225589.579},
    {0, 47.5, 49, 46, 13.333333333, 47.5, 13.333333333, 0.0, 0.0},  // origin
    {0, 47.5, 49, 46, 13.333333333, 47.2, 9.6, -26547.0621, -282645.3935},
    {0, 47.5, 46, 49, 13.333333333, 46.7, 15.5, -86591.5474, 165626.2244},  // parallels swapped
    // with +a=6378388 +es=0.00672265318715 in place of +ellps=intl: the Lambert
    // table's e^2 for International 1924 is slightly smaller than a and b give
    {4, 46.5, 44, 49, 3, 45.5, 7, -103144.5148, 312265.5139},
    {1, 46.5, 49, 44, 3, 51.5, -3.5, 574865.5485, -452191.9971},
    {2, 47, 47, 47, 10, 50, 12, 335587.1296, 143575.9650},      // equal parallels: tangent cone
    {3, -48, -46, -52, 68, -49.5, 70, -168492.5159, 144663.1709},  // cone opening south
};

TEST(Lambert, AgreesWithWorkedExampleAndProj) {
  for (const LambertCase& c : kLambertCases) {
    SCOPED_TRACE(testing::Message() << "ellipsoid " << c.ellipsoid << " parallels " << c.phi1
                                    << "/" << c.phi2 << " at " << c.lat << "/" << c.lon);
    point grid;
    grid.toLamb(geographic(c.lat, c.lon - c.lambda0), c.ellipsoid, c.phi0, c.phi1, c.phi2);
    EXPECT_NEAR(grid.x, c.northing, 0.5 * kMillimetre);
    EXPECT_NEAR(grid.y, c.easting, 0.5 * kMillimetre);

    point back;
    back.Lamb2ell(point(c.easting, c.northing, 0.0, 0), c.ellipsoid, c.phi0, c.phi1, c.phi2,
                  c.lambda0);
    EXPECT_LT(groundDistance(c.lat, c.lon, back.x, back.y), kMillimetre);
  }
}

TEST(Lambert, RoundTripWithinOneMillimetreOnEveryEllipsoid) {
  struct Cone {
    double phi0, phi1, phi2, lambda0;
  };
  const Cone cones[] = {
      {47.5, 49, 46, 13.333333333},  // Austrian Lambert
      {47.5, 47.5, 47.5, 13.333333333},  // equal parallels
  };
  for (const Cone& cone : cones) {
    for (int ellipsoid = 0; ellipsoid < 5; ++ellipsoid) {
      for (double lat = 46.0; lat <= 49.5; lat += 0.25) {
        for (double lon = 9.0; lon <= 17.5; lon += 0.5) {
          point grid, back;
          grid.toLamb(geographic(lat, lon - cone.lambda0), ellipsoid, cone.phi0, cone.phi1,
                      cone.phi2);
          back.Lamb2ell(grid, ellipsoid, cone.phi0, cone.phi1, cone.phi2, cone.lambda0);
          ASSERT_LT(groundDistance(lat, lon, back.x, back.y), kMillimetre)
              << "ellipsoid " << ellipsoid << " parallels " << cone.phi1 << "/" << cone.phi2
              << " at " << lat << "/" << lon;
        }
      }
    }
  }
}

TEST(Lambert, ConesWithoutAnOpeningGiveNaNInsteadOfCrashing) {
  // Parallels symmetric about the equator, or a tangent cone at the equator,
  // make the cone constant 0: the plane has no defined Lambert grid.
  struct Parallels {
    double phi1, phi2;
  };
  for (const Parallels& p : {Parallels{-30, 30}, Parallels{0, 0}}) {
    SCOPED_TRACE(testing::Message() << "parallels " << p.phi1 << "/" << p.phi2);
    point grid, back;
    grid.toLamb(geographic(10, 2), 2, 0, p.phi1, p.phi2);
    EXPECT_FALSE(std::isfinite(grid.x) && std::isfinite(grid.y));
    back.Lamb2ell(point(1000, 1000, 0, 0), 2, 0, p.phi1, p.phi2, 0);
    EXPECT_FALSE(std::isfinite(back.x) && std::isfinite(back.y));
  }
}

TEST(Projections, EllipsoidCodeOutOfRangeActsAsBessel) {
  const point geo = geographic(47.3, 1.7);
  const point grid(120000, 5240000, 0, 0);
  point bessel[4];
  bessel[0].toGK(geo, 0, 1);
  bessel[1].toEll(grid, 0, 1);
  bessel[2].toLamb(geo, 0, 47.5, 49, 46);
  bessel[3].Lamb2ell(grid, 0, 47.5, 49, 46, 13.333333333);
  for (int code : {7, -1, 5, INT_MIN, INT_MAX}) {
    SCOPED_TRACE(testing::Message() << "code " << code);
    point other[4];
    other[0].toGK(geo, code, 1);
    other[1].toEll(grid, code, 1);
    other[2].toLamb(geo, code, 47.5, 49, 46);
    other[3].Lamb2ell(grid, code, 47.5, 49, 46, 13.333333333);
    for (int i = 0; i < 4; ++i) {
      EXPECT_EQ(other[i].x, bessel[i].x) << "operation " << i;
      EXPECT_EQ(other[i].y, bessel[i].y) << "operation " << i;
    }
  }
}

// ---------------------------------------------------------------------------
// Krovak

struct KrovakCase {
  double lat, lon;
  double X, Y;  // southing, westing
};

// Except the first row, the values are from
//   echo "<lon> <lat>" | cs2cs -f %.4f +proj=longlat +ellps=bessel +to +proj=krovak +ellps=bessel
// which prints -Y -X (PROJ negates both axes).
const KrovakCase kKrovakCases[] = {
    {degrees(50, 12, 32.442), degrees(16, 50, 59.179), 1050538.631, 568990.995},  // worked example
    {50.08, 14.42, 1043898.6604, 743101.0139},
    {48.72, 21.26, 1239668.5148, 262783.2673},
    {48.2, 16.37, 1268883.8880, 627737.5275},
    {49.0, degrees(24, 50, 0), 1214652.4904, 0.0},  // on the cone axis meridian
    {48.5, 25.0, 1270232.0633, -12314.2802},        // east of it: negative westing
};

TEST(Krovak, AgreesWithWorkedExampleAndProj) {
  for (const KrovakCase& c : kKrovakCases) {
    SCOPED_TRACE(testing::Message() << "at " << c.lat << "/" << c.lon);
    point grid;
    grid.toKrovak(geographic(c.lat, c.lon), kBesselA, kBesselE);
    EXPECT_NEAR(grid.x, c.X, 0.5 * kMillimetre);
    EXPECT_NEAR(grid.y, c.Y, 0.5 * kMillimetre);

    point back;
    back.KrovakToBL(point(c.Y, c.X, 0.0, 0), kBesselA, kBesselE);
    EXPECT_LT(groundDistance(c.lat, c.lon, back.x, back.y), kMillimetre);
  }
}

TEST(Krovak, RoundTripWithinAHundredthOfAMillimetre) {
  for (double lat = 47.5; lat <= 51.2; lat += 0.1) {
    for (double lon = 12.0; lon <= 22.7; lon += 0.1) {
      point grid, back;
      grid.toKrovak(geographic(lat, lon), kBesselA, kBesselE);
      back.KrovakToBL(grid, kBesselA, kBesselE);
      ASSERT_LT(groundDistance(lat, lon, back.x, back.y), 0.01 * kMillimetre)
          << "at " << lat << "/" << lon;
    }
  }
}

TEST(Krovak, InverseOfNonsenseTerminates) {
  const double inf = std::numeric_limits<double>::infinity();
  const point inputs[] = {point(kNaN, kNaN, 0, 0), point(568990.995, kNaN, 0, 0),
                          point(inf, inf, 0, 0), point(0, 0, 0, 0), point(1e300, -1e300, 0, 0)};
  for (const point& in : inputs) {
    SCOPED_TRACE(testing::Message() << "Y " << in.y << " X " << in.x);
    point out;
    ASSERT_TRUE(krovakInverseFinishes(in, out));
    if (std::isnan(in.x)) {
      EXPECT_TRUE(std::isnan(out.x));  // no made-up latitude
    }
    EXPECT_FALSE(std::fabs(out.x) > 90);
  }
}

// ---------------------------------------------------------------------------
// Swiss

struct SwissCase {
  double lat, lon;
  double Y, X;  // relative to the projection origin
};

// Except the first two rows, the values are from
//   echo "<lon> <lat>" | cs2cs -f %.4f +proj=longlat +ellps=bessel +to +proj=somerc
//       +lat_0=46.95240555555556 +lon_0=7.439583333333333 +k_0=1 +ellps=bessel
const SwissCase kSwissCases[] = {
    {degrees(46, 57, 8.66), degrees(7, 26, 22.5), 0.0, 0.0},  // fundamental point, Bern
    {47.0, 8.0, 42617.528, 5442.814},                          // worked example
    {46.2, 6.14, -100298.4954, -82801.0532},
    {47.14, 9.53, 158535.8275, 22966.4127},
    {46.6, 10.4, 226754.8685, -34890.3918},
};

TEST(Swiss, AgreesWithWorkedExampleAndProj) {
  for (const SwissCase& c : kSwissCases) {
    SCOPED_TRACE(testing::Message() << "at " << c.lat << "/" << c.lon);
    point grid;
    grid.toCH1903Plus(geographic(c.lat, c.lon));
    EXPECT_NEAR(grid.y, c.Y, 0.5 * kMillimetre);
    EXPECT_NEAR(grid.x, c.X, 0.5 * kMillimetre);

    point back;
    back.fromCH1903Plus(point(c.Y, c.X, 0.0, 0));
    EXPECT_LT(groundDistance(c.lat, c.lon, back.x, back.y), kMillimetre);
  }
}

TEST(Swiss, RoundTripWithinAThousandthOfAMillimetre) {
  for (double lat = 45.5; lat <= 48.0; lat += 0.05) {
    for (double lon = 5.5; lon <= 10.7; lon += 0.05) {
      point grid, back;
      grid.toCH1903Plus(geographic(lat, lon));
      back.fromCH1903Plus(grid);
      ASSERT_LT(groundDistance(lat, lon, back.x, back.y), 0.001 * kMillimetre)
          << "at " << lat << "/" << lon;
    }
  }
}

// ---------------------------------------------------------------------------

TEST(Projections, HeightStatusAndTextTravelAsDocumented) {
  struct Operation {
    const char* name;
    std::function<void(point&, point)> apply;
    bool copiesHeight;  // otherwise the output keeps its own height
  };
  const Operation operations[] = {
      {"toGK", [](point& o, point p) { o.toGK(p, 0, 1); }, true},
      {"toEll", [](point& o, point p) { o.toEll(p, 0, 1); }, true},
      {"toLamb", [](point& o, point p) { o.toLamb(p, 0, 47.5, 49, 46); }, false},
      {"Lamb2ell", [](point& o, point p) { o.Lamb2ell(p, 0, 47.5, 49, 46, 13.3); }, false},
      {"toKrovak", [](point& o, point p) { o.toKrovak(p, kBesselA, kBesselE); }, false},
      {"KrovakToBL", [](point& o, point p) { o.KrovakToBL(p, kBesselA, kBesselE); }, false},
      {"toCH1903Plus", [](point& o, point p) { o.toCH1903Plus(p); }, true},
      {"fromCH1903Plus", [](point& o, point p) { o.fromCH1903Plus(p); }, true},
  };
  for (const Operation& op : operations) {
    SCOPED_TRACE(op.name);
    point in(14.0, 48.0, 123.0, 1);
    in.set_txt("in");
    point out(0, 0, 7.0, 2);
    out.set_txt("out");
    op.apply(out, in);
    EXPECT_EQ(out.h, op.copiesHeight ? 123.0 : 7.0);
    EXPECT_EQ(out.flag, 2);
    EXPECT_EQ(out.txt, "out");
  }
}

}  // namespace
