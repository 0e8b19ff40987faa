// The datum families: ellipsoid, Helmert rows to and from WGS84, grid,
// steps and the frames of the geographic systems for the input window's
// frame check.
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
std::unique_ptr<const SystemSteps> mgiSteps(const StepContext& c) {
  return c.code.isLambert() ? austrianLambertSteps(c) : austrianGaussKruegerSteps(c);
}

// The frames of the geographic systems, latitude first.
constexpr InputFrame kSwissGeographicFrame = InputFrame::of({45.5, 48}, {5.5, 11});

// ------------------------------------------------------------------ the rows

constexpr DatumFamily kFamilies[] = {
    {'0', kWgs84, false, kNoRow, kNoRow, std::nullopt, nullptr, InputFrame::of({-90, 90}, {-180, 180}),
     false, true},
    {'U', kGrs80, false, kNoRow, kNoRow, std::nullopt, utmSteps, std::nullopt, false, false},
    {'A', kBessel, true,
     {-5.1366, -1.4742, -5.297, 577.326, 90.129, 463.919, 1.0000024232},
     {5.1366, 1.4742, 5.297, -577.326, -90.129, -463.919, 0.9999975768},
     GridShift{Grid::AustrianGrid, true}, mgiSteps, InputFrame::of({46, 49.5}, {9, 18}), false, false},
    {'D', kBessel, true,
     {-0.202, -0.045, 2.455, 598.1, 73.7, 418.2, 1.0000067},
     {0.202, 0.045, -2.455, -598.1, -73.7, -418.2, 0.9999933},
     GridShift{Grid::BeTA2007, true}, germanGaussKruegerSteps, InputFrame::of({47, 55.5}, {5, 16}), false,
     false},
    {'S', kKrassovsky, true,
     {0.063, 0.247, 0.041, 24.9, -126.4, -93.2, 1.00000101},
     {-0.063, -0.247, -0.041, -24.9, 126.4, 93.2, 0.99999899},
     std::nullopt, germanGaussKruegerSteps, InputFrame::of({47, 55}, {5, 16}), false, false},
    {'C', kBessel, true, kSwissToWgs84, kSwissFromWgs84, GridShift{Grid::CHENYX06, false},
     swissSteps, kSwissGeographicFrame, false, false},
    {'X', kBessel, true, kSwissToWgs84, kSwissFromWgs84, std::nullopt, swissSteps,
     kSwissGeographicFrame, false, false},
    {'T', kBessel, true,
     {-4.99825, -1.58663, -5.26114, 570.6934, 85.6936, 462.8393, 1.0000035430155},
     {4.99825, 1.58663, 5.26114, -570.6934, -85.6936, -462.8393, 0.99999645699705},
     std::nullopt, krovakSteps, std::nullopt, false, false},
    {'Z', kBessel, true, kNoRow, kNoRow, std::nullopt, userSteps, std::nullopt, true, true},
};

constexpr DatumFamily kNoFamily{'\0', kBessel, false, kNoRow, kNoRow, std::nullopt,
                                nullptr, std::nullopt, false, false};

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

std::optional<InputFrame> inputFrame(const SystemCode& code) {
  const DatumFamily& family = datumFamily(code);
  if (code.isGeographic() || !family.steps) return family.geographicFrame;
  return family.steps({code, family, UserSystem{}, false})->inputFrame();
}

}  // namespace chain

}  // namespace kortavex
