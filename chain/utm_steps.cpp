// UTM in a given zone, UTM with the zone taken from the position, and MGRS
// references as output; all on GRS80 with the UTM scale 0.9996, false
// easting and southern false northing of DMA TM 8358.1. MGRS references
// take the grid zones of DMA TM 8358.1 with the Norway and Svalbard
// exceptions, as every MGRS reader expects them.
#include <cmath>

#include "chain/steps.h"
#include "chain/utm_letters.h"
#include "engine/number_text.h"

namespace kortavex {

namespace chain {
namespace {

constexpr int kGrs80 = 2;
constexpr int kUtmMode = 2;
constexpr double kFalseEasting = 500000;
constexpr double kSouthernFalseNorthing = 10000000;

// UTM's frame: the eastings of a zone, the northings of a hemisphere. For an
// MGRS reference the eastings are the 100 km columns 1-8 its letters can
// name (zone 32V reaches 126 km at 56 deg N, 3 deg E).
constexpr GridFrame kUtmFrame{{150000, 850000}, {0, kSouthernFalseNorthing}};
constexpr InputFrame::Range kMgrsEastings{100000, 900000};

// Written as what lies inside, so that a value that is no number lies outside.
bool within(double value, const InputFrame::Range& range) {
  return value >= range.low && value <= range.high;
}

// The latitude bands of UTM, 80 deg S to 84 deg N. A point on their edge
// comes back from the datum shift to GRS80 and back up to 1e-12 deg off;
// 1e-9 deg (0.1 mm) keeps it inside.
bool withinBands(double latitude) {
  constexpr double kTolerance = 1e-9;
  return latitude >= -80 - kTolerance && latitude <= 84 + kTolerance;
}

// Truncates toward zero and keeps the result in [lo, hi]; NaN gives lo.
int truncClamped(double v, int lo, int hi) {
  if (!(v >= lo)) return lo;
  if (v >= hi) return hi;
  return static_cast<int>(v);
}

// trunc(v) modulo m, always in [0, m), whatever v is.
int positiveModulo(double v, int m) {
  if (!std::isfinite(v)) return 0;
  double r = std::fmod(std::trunc(v), m);
  if (r < 0) r += m;
  return static_cast<int>(r);
}

// False where the series give no good position (chain/steps.h).
bool projectToZone(point& q, const TransverseMercator& projection, int zone, char hemisphere) {
  // Zones 1 and 60 reach across the date line: a longitude of 179.9 deg lies
  // 3.1 deg west of zone 1's meridian, not 356.9 deg east of it.
  q.y = std::remainder(q.y - utm::centralMeridian(zone), 360.0);
  const bool good = transverseMercatorForward(q, projection);
  q.y += kFalseEasting;
  if (hemisphere == 'S') q.x += kSouthernFalseNorthing;
  return good;
}

// Zone, two digits.
std::string zoneDigits(int zone) { return formatInt(zone / 10) + formatInt(zone % 10); }

// " 33N U": zone, hemisphere and latitude band of the position.
// Zone 1-60 only: longitude 180 belongs to the eastern edge of zone 60, and a
// longitude outside +-180 or a latitude outside the bands takes the nearest
// entry (such results lie outside the target frame and carry its bit).
struct AutoZone {
  int zone;
  char hemisphere;
  char band;
};

AutoZone autoZone(const point& q) {
  AutoZone z;
  z.zone = truncClamped((q.y + 180) / 6 + 1, 1, 60);
  z.hemisphere = q.x < 0 ? 'S' : 'N';
  z.band = utm::kBandLetters[truncClamped((q.x + 80) * 0.125, 0, 19)];
  return z;
}

// The grid zone of an MGRS reference: the UTM zone, but in band V (56 to
// 64 deg N) zone 32 reaches west to 3 deg E, and in band X (72 to 84 deg N)
// between 0 and 42 deg E the zones 31, 33, 35 and 37 are 9, 12, 12 and 9 deg
// wide: there are no zones 32X, 34X and 36X.
int mgrsZone(const point& q, const AutoZone& z) {
  if (z.band == 'V' && z.zone == 31 && q.y >= 3) return 32;
  if (z.band == 'X' && q.y >= 0 && q.y < 42) return q.y < 9 ? 31 : q.y < 21 ? 33 : q.y < 33 ? 35 : 37;
  return z.zone;
}

// The MGRS reference of a projected point: zone, band, column and row
// letters of the 100 km square, five digits each of easting and northing.
// Letters and digits come from the same values rounded to the metre, so that
// an easting of 499 999.9999 m is written as square W with 00000, not as
// square V (100 km to the west) with 00000.
std::string mgrsReference(const point& q, const AutoZone& z) {
  const double easting = std::floor(q.y + 0.5), northing = std::floor(q.x + 0.5);
  std::string ref = zoneDigits(z.zone);
  ref += z.band;
  const int column = truncClamped(easting / 100000, 1, 8);
  ref += utm::kColumnLetters[column - 1 + 8 * (z.zone % 3)];
  const int rowShift = z.zone % 2 == 0 ? 5 : 0;
  ref += utm::kRowLetters[positiveModulo(std::trunc(northing / 100000) + rowShift, 20)];
  for (double v : {easting, northing}) {
    std::string digits = formatInt(positiveModulo(v, 100000), 5);
    for (char& c : digits)
      if (c == ' ') c = '0';
    ref += digits;
  }
  return ref;
}

class Utm : public SystemSteps {
 public:
  explicit Utm(const StepContext& c)
      : projection_(kGrs80, kUtmMode),
        zone_(c.code.zone()),
        southern_(c.code.isSouthernUtm()),
        automatic_(c.code.isAutomaticUtm()),
        mgrs_(c.code.isMgrs()),
        datumShift_(c.datumShift) {}

  void start(point& q) const override {
    if (southern_) q.x -= kSouthernFalseNorthing;
    if (!within(q.y, kUtmFrame.east)) q.flag |= FLAG_START_FRAME;
    q.y -= kFalseEasting;
    if (!transverseMercatorBack(q, projection_)) q.flag |= FLAG_START_FRAME;
    q.y += utm::centralMeridian(zone_);
    if (datumShift_ && !withinBands(q.x)) q.flag |= FLAG_START_FRAME;
  }

  void target(point& q) const override {
    if (!automatic_) {
      fixedZoneTarget(q, zone_, southern_ ? 'S' : 'N');
      return;
    }
    // A start in zone 60 east of 180 deg lies in zone 1, as it does when it
    // goes through WGS84, where longitudes come back within +-180 deg.
    if (std::isfinite(q.y)) q.y = std::remainder(q.y, 360.0);
    AutoZone z = autoZone(q);
    // beyond the latitude bands, or no longitude of any zone
    if (!withinBands(q.x) || !(q.y >= -180 && q.y <= 180)) q.flag |= FLAG_TARGET_FRAME;
    if (mgrs_) {
      z.zone = mgrsZone(q, z);
      fixedZoneTarget(q, z.zone, z.hemisphere, kMgrsEastings);
      q.txt = mgrsReference(q, z);
    } else {
      fixedZoneTarget(q, z.zone, z.hemisphere);
      q.txt = " " + zoneDigits(z.zone) + z.hemisphere + " " + z.band;
    }
  }

  std::optional<InputFrame> inputFrame() const override { return kUtmFrame.inputFrame(); }

 private:
  // Within one datum the northing must lie in its hemisphere too.
  void fixedZoneTarget(point& q, int zone, char hemisphere,
                       const InputFrame::Range& eastings = kUtmFrame.east) const {
    if (!projectToZone(q, projection_, zone, hemisphere) || !within(q.y, eastings) ||
        (!datumShift_ && !within(q.x, kUtmFrame.north)))
      q.flag |= FLAG_TARGET_FRAME;
  }

  TransverseMercator projection_;
  int zone_;        // of a start, and of a target in a given zone
  bool southern_;
  bool automatic_;  // a target in the zone of the position: UTM or MGRS
  bool mgrs_;
  bool datumShift_;
};

}  // namespace

std::unique_ptr<const SystemSteps> utmSteps(const StepContext& c) { return std::make_unique<Utm>(c); }

}  // namespace chain

}  // namespace kortavex
