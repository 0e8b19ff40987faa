// The datum families: ellipsoid, Helmert rows to and from WGS84, grid,
// steps and the frames of the input window's frame check.
//
// The Helmert rows are seven-parameter transformations written in the
// coordinate frame rotation convention (EPSG Guidance Note 7-2, IOGP
// publication 373-7-2, method 9607): PROJ's position vector rows of the same
// shifts carry the opposite rotations. MGI, DHDN and CH1903 are the shifts
// of EPSG:1618, EPSG:1777 and EPSG:1766 (MGI's rotations to one more digit).
// Each direction has its own row; the way back is not the exact inverse.
#include "chain/datum_families.h"

#include "chain/steps.h"

namespace kortavex {

namespace chain {
namespace {

constexpr int kBessel = 0, kKrassovsky = 1, kGrs80 = 2, kWgs84 = 3;

constexpr HelmertRow kNoRow{0, 0, 0, 0, 0, 0, 1};
constexpr HelmertRow kSwissToWgs84{0, 0, 0, 674.374, 15.056, 405.346, 1.0};
constexpr HelmertRow kSwissFromWgs84{0, 0, 0, -674.374, -15.056, -405.346, 1.0};

// The Austrian family holds Gauss-Krueger strips, the federal grid and the
// Lambert grid.
void mgiStart(point& q, const StepContext& c) {
  c.code.isLambert() ? lambertStart(q, c) : austrianGaussKruegerStart(q, c);
}
void mgiTarget(point& q, const StepContext& c) {
  c.code.isLambert() ? lambertTarget(q, c) : austrianGaussKruegerTarget(q, c);
}

// ------------------------------------------------- frames of the frame check

using Range = InputFrame::Range;

// One range as two equal ones.
constexpr InputFrame frame(double firstLow, double firstHigh, double secondLow, double secondHigh) {
  return {{{firstLow, firstHigh}, {firstLow, firstHigh}}, {{secondLow, secondHigh}, {secondLow, secondHigh}}};
}

std::optional<InputFrame> mgiFrame(const SystemCode& code) {
  if (code.isGeographic()) return frame(46, 49.5, 9, 18);
  if (code.isLambert()) return frame(107763, 680480, 286024, 575885);
  // the federal grid: 300 km wide strips side by side from M28 on
  if (code.variant() == '1') {
    const double west = (code.zone() - 28) / 3 * 300000.0;
    return frame(west, west + 300000, 100000, 450000);
  }
  // Gauss-Krueger northings with and without the leading 5 000 000 m
  return InputFrame{{{-150000, 150000}, {-150000, 150000}}, {{100000, 450000}, {5100000, 5450000}}};
}

// German Gauss-Krueger eastings with and without the zone digit in front.
std::optional<InputFrame> germanZoneFrame(const SystemCode& code) {
  const double zone = code.zone() * 1e6;
  return InputFrame{{{zone + 350000, zone + 650000}, {350000, 650000}},
                    {{5200000, 6200000}, {5200000, 6200000}}};
}

std::optional<InputFrame> dhdnFrame(const SystemCode& code) {
  return code.isGeographic() ? frame(47, 55.5, 5, 16) : germanZoneFrame(code);
}

std::optional<InputFrame> s42Frame(const SystemCode& code) {
  return code.isGeographic() ? frame(47, 55, 5, 16) : germanZoneFrame(code);
}

constexpr InputFrame kSwissGeographicFrame = frame(45.5, 48, 5.5, 11);

std::optional<InputFrame> ch1903PlusFrame(const SystemCode& code) {
  return code.isGeographic() ? kSwissGeographicFrame : frame(2400000, 3000000, 1000000, 1400000);
}

std::optional<InputFrame> ch1903Frame(const SystemCode& code) {
  if (code.isGeographic()) return kSwissGeographicFrame;
  if (code.variant() == '1') return frame(-200000, 400000, -200000, 200000);  // civil coordinates
  return frame(400000, 1000000, 0, 400000);
}

std::optional<InputFrame> sjtskFrame(const SystemCode& code) {
  if (code.isGeographic()) return std::nullopt;
  return frame(0, 1000000, 500000, 1500000);
}

std::optional<InputFrame> utmFrame(const SystemCode&) { return frame(150000, 850000, 0, 10000000); }

std::optional<InputFrame> wgs84Frame(const SystemCode&) { return frame(-90, 90, -180, 180); }

std::optional<InputFrame> noFrame(const SystemCode&) { return std::nullopt; }

// ------------------------------------------------------------------ the rows

constexpr DatumFamily kFamilies[] = {
    {'0', kWgs84, false, kNoRow, kNoRow, std::nullopt, nullptr, nullptr, wgs84Frame, false, true},
    {'U', kGrs80, false, kNoRow, kNoRow, std::nullopt, utmStart, utmTarget, utmFrame, false, false},
    {'A', kBessel, true,
     {-5.1366, -1.4742, -5.297, 577.326, 90.129, 463.919, 1.0000024232},
     {5.1366, 1.4742, 5.297, -577.326, -90.129, -463.919, 0.9999975768},
     GridShift{Grid::AustrianGrid, true}, mgiStart, mgiTarget, mgiFrame, false, false},
    {'D', kBessel, true,
     {-0.202, -0.045, 2.455, 598.1, 73.7, 418.2, 1.0000067},
     {0.202, 0.045, -2.455, -598.1, -73.7, -418.2, 0.9999933},
     GridShift{Grid::BeTA2007, true}, germanGaussKruegerStart, germanGaussKruegerTarget, dhdnFrame, false, false},
    {'S', kKrassovsky, true,
     {0.063, 0.247, 0.041, 24.9, -126.4, -93.2, 1.00000101},
     {-0.063, -0.247, -0.041, -24.9, 126.4, 93.2, 0.99999899},
     std::nullopt, germanGaussKruegerStart, germanGaussKruegerTarget, s42Frame, false, false},
    {'C', kBessel, true, kSwissToWgs84, kSwissFromWgs84, GridShift{Grid::CHENYX06, false},
     swissStart, swissTarget, ch1903Frame, false, false},
    {'X', kBessel, true, kSwissToWgs84, kSwissFromWgs84, std::nullopt, swissStart, swissTarget,
     ch1903PlusFrame, false, false},
    {'T', kBessel, true,
     {-4.99825, -1.58663, -5.26114, 570.6934, 85.6936, 462.8393, 1.0000035430155},
     {4.99825, 1.58663, 5.26114, -570.6934, -85.6936, -462.8393, 0.99999645699705},
     std::nullopt, krovakStart, krovakTarget, sjtskFrame, false, false},
    {'Z', kBessel, true, kNoRow, kNoRow, std::nullopt, userStart, userTarget, noFrame, true, true},
};

constexpr DatumFamily kNoFamily{'\0', kBessel, false, kNoRow, kNoRow, std::nullopt,
                                nullptr, nullptr, noFrame, false, false};

}  // namespace

const DatumFamily& datumFamily(char letter) {
  for (const DatumFamily& family : kFamilies)
    if (family.letter == letter) return family;
  return kNoFamily;
}

const DatumFamily& familyOfGrid(Grid grid) {
  for (const DatumFamily& family : kFamilies)
    if (family.grid && family.grid->grid == grid) return family;
  return kNoFamily;
}

}  // namespace chain

}  // namespace kortavex
