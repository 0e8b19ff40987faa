// Map projections beyond their cases in tests/cases and the round trips of
// tests/property_test.cpp: degenerate input.
#include <chrono>
#include <climits>
#include <cmath>
#include <functional>
#include <future>
#include <limits>
#include <memory>
#include <thread>

#include <gtest/gtest.h>

#include "engine/ellipsoid.h"
#include "engine/point.h"
#include "tests/test_support.h"

using namespace kortavex;

namespace {

constexpr const Ellipsoid& kBessel = kEllipsoids[0];  // as the chain passes it to Krovak
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

// Runs KrovakToBL on its own thread, so that an endless loop fails the test
// instead of hanging the run; false if it has not returned within ten seconds.
bool krovakInverseFinishes(point in, point& out) {
  auto result = std::make_shared<std::promise<point>>();
  std::future<point> finished = result->get_future();
  std::thread([in, result] {
    point p;
    p.KrovakToBL(in, kBessel.a, kBessel.e);
    result->set_value(p);
  }).detach();
  if (finished.wait_for(std::chrono::seconds(10)) != std::future_status::ready) return false;
  out = finished.get();
  return true;
}

// ---------------------------------------------------------------------------
// Lambert conformal conic

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
      {"toKrovak", [](point& o, point p) { o.toKrovak(p, kBessel.a, kBessel.e); }, false},
      {"KrovakToBL", [](point& o, point p) { o.KrovakToBL(p, kBessel.a, kBessel.e); }, false},
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
