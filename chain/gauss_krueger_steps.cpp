// Austrian Gauss-Krueger strips and federal grid (BMN) on MGI, German
// Gauss-Krueger zones on DHDN and S42/83.
#include <cmath>

#include "chain/steps.h"
#include "engine/ellipsoid.h"

namespace kortavex {

namespace chain {
namespace {

constexpr double kRoundTripTolerance = 0.1;  // metres, of the transverse Mercator round trips
constexpr int kScaleOne = 1;                 // the transverse Mercator mode of Gauss-Krueger

// Eastings from the strip's meridian, northings with the 5 000 000 m that
// the Austrian short northings leave out.
constexpr GridFrame kAustrianFrame{{-150000, 150000}, {5100000, 5450000}};
constexpr double kAustrianNorthingOffset = 5000000;
// Eastings from the zone's meridian.
constexpr GridFrame kGermanFrame{{-150000, 150000}, {5200000, 6200000}};

void projectBack(point& q, const TransverseMercator& projection, double meridian) {
  projection.inverse(q);
  q.y += meridian;
}

void projectForward(point& q, const TransverseMercator& projection, double meridian) {
  q.y -= meridian;
  projection.forward(q);
}

class AustrianGaussKrueger : public SystemSteps {
 public:
  explicit AustrianGaussKrueger(const StepContext& c)
      : projection_(c.family.ellipsoid, kScaleOne),
        // the federal grid (BMN) is the variant "1" of an Austrian strip
        federalGrid_(c.code.variant() == '1'),
        // Strip meridian east of Greenwich: the zone counts degrees east of
        // Ferro (17 deg 40' west of Greenwich); the datum-shift path has
        // always used one more digit of that constant.
        meridian_(c.code.zone() - (c.datumShift ? 17.6666666666667 : 17.6666666667)),
        // False easting of the federal grid: 150 000 m for M28, 450 000 for
        // M31, 750 000 for M34.
        federalEasting_(((c.code.zone() - 25) / 3) * 300000.0 - 150000.0) {}

  void start(point& q) const override {
    if (q.x < kAustrianNorthingOffset) q.x += kAustrianNorthingOffset;  // short or full northing
    if (federalGrid_) q.y -= federalEasting_;
    if (!kAustrianFrame.contains(q)) q.flag |= FLAG_START_FRAME;
    projectBack(q, projection_, meridian_);
  }

  void target(point& q) const override {
    projectForward(q, projection_, meridian_);
    if (!kAustrianFrame.contains(q)) q.flag |= FLAG_TARGET_FRAME;
    q.x -= kAustrianNorthingOffset;
    if (federalGrid_) q.y += federalEasting_;
  }

  // The federal grid takes short northings, a strip both kinds.
  std::optional<InputFrame> inputFrame() const override {
    const InputFrame shortNorthings = kAustrianFrame.inputFrame(federalGrid_ ? federalEasting_ : 0,
                                                               -kAustrianNorthingOffset);
    if (federalGrid_) return shortNorthings;
    return InputFrame{{kAustrianFrame.east, kAustrianFrame.east},
                      {shortNorthings.second[0], kAustrianFrame.north}};
  }

 private:
  TransverseMercator projection_;
  bool federalGrid_;
  double meridian_;
  double federalEasting_;
};

class GermanGaussKrueger : public SystemSteps {
 public:
  explicit GermanGaussKrueger(const StepContext& c)
      : projection_(c.family.ellipsoid, kScaleOne),
        meridian_(3.0 * c.code.zone()),
        zoneMillions_(c.code.zone() * 1000000.0) {}

  void start(point& q) const override {
    if (q.y < 1000000) q.y += zoneMillions_;  // easting without its zone digit
    q.y -= zoneMillions_ + kFalseEasting;
    if (!kGermanFrame.contains(q)) q.flag |= FLAG_START_FRAME;
    projectBack(q, projection_, meridian_);
  }

  void target(point& q) const override {
    projectForward(q, projection_, meridian_);
    if (!kGermanFrame.contains(q)) q.flag |= FLAG_TARGET_FRAME;
    q.y += zoneMillions_ + kFalseEasting;
  }

  // Eastings with and without the zone digit in front.
  std::optional<InputFrame> inputFrame() const override {
    const InputFrame withZone = kGermanFrame.inputFrame(zoneMillions_ + kFalseEasting, 0);
    const InputFrame withoutZone = kGermanFrame.inputFrame(kFalseEasting, 0);
    return InputFrame{{withZone.first[0], withoutZone.first[0]}, {kGermanFrame.north, kGermanFrame.north}};
  }

 private:
  static constexpr double kFalseEasting = 500000;

  TransverseMercator projection_;
  double meridian_;
  double zoneMillions_;
};

}  // namespace

// Written as what holds, so that a result that is no number fails.
bool transverseMercatorForward(point& q, const TransverseMercator& projection) {
  const double latitude = q.x, longitude = q.y;
  projection.forward(q);
  point again(q.y, q.x, 0, 0);
  projection.inverse(again);
  const double east = (again.y - longitude) * std::cos(latitude * kDegToRad);
  return std::hypot(again.x - latitude, east) * projection.ellipsoid().a * kDegToRad <=
         kRoundTripTolerance;
}

bool transverseMercatorBack(point& q, const TransverseMercator& projection) {
  const double northing = q.x, easting = q.y;
  projection.inverse(q);
  point again(q.y, q.x, 0, 0);
  projection.forward(again);
  return std::hypot(again.x - northing, again.y - easting) <= kRoundTripTolerance;
}

std::unique_ptr<const SystemSteps> austrianGaussKruegerSteps(const StepContext& c) {
  return std::make_unique<AustrianGaussKrueger>(c);
}

std::unique_ptr<const SystemSteps> germanGaussKruegerSteps(const StepContext& c) {
  return std::make_unique<GermanGaussKrueger>(c);
}

}  // namespace chain

}  // namespace kortavex
