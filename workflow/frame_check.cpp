#include "workflow/frame_check.h"

#include "chain/catalogue.h"
#include "engine/point.h"
#include "workflow/coordinate_text.h"

namespace {

using Frame = FrameCheck::Frame;

// One range as two equal ones.
constexpr Frame frame(double firstLow, double firstHigh, double secondLow, double secondHigh) {
  return {{{firstLow, firstHigh}, {firstLow, firstHigh}}, {{secondLow, secondHigh}, {secondLow, secondHigh}}};
}

// Austrian Gauss-Krueger northings with and without the leading 5 000 000 m.
constexpr Frame kGaussKruegerAustria = {{{-150000, 150000}, {-150000, 150000}},
                                        {{100000, 450000}, {5100000, 5450000}}};

// German Gauss-Krueger eastings with and without the zone digit in front.
constexpr Frame germanZone(int zone) {
  return {{{zone * 1e6 + 350000, zone * 1e6 + 650000}, {350000, 650000}},
          {{5200000, 6200000}, {5200000, 6200000}}};
}

constexpr Frame kBmn28 = frame(0, 300000, 100000, 450000);
constexpr Frame kBmn31 = frame(300000, 600000, 100000, 450000);
constexpr Frame kBmn34 = frame(600000, 900000, 100000, 450000);
constexpr Frame kLambert = frame(107763, 680480, 286024, 575885);
constexpr Frame kMgi = frame(46, 49.5, 9, 18);
constexpr Frame kZone2 = germanZone(2), kZone3 = germanZone(3), kZone4 = germanZone(4),
                kZone5 = germanZone(5);
constexpr Frame kDhdn = frame(47, 55.5, 5, 16);
constexpr Frame kS42 = frame(47, 55, 5, 16);
constexpr Frame kLv95 = frame(2400000, 3000000, 1000000, 1400000);
constexpr Frame kSwissGeographic = frame(45.5, 48, 5.5, 11);
constexpr Frame kLv03 = frame(400000, 1000000, 0, 400000);
constexpr Frame kLv03Civil = frame(-200000, 400000, -200000, 200000);
constexpr Frame kWgs84 = frame(-90, 90, -180, 180);
constexpr Frame kKrovak = frame(0, 1000000, 500000, 1500000);
constexpr Frame kUtm = frame(150000, 850000, 0, 10000000);

struct NamedFrame {
  std::string_view name;
  const Frame* frame;
};
constexpr NamedFrame kFrames[] = {
    {"GK-AUT_M34", &kGaussKruegerAustria}, {"GK-AUT_M31", &kGaussKruegerAustria},
    {"GK-AUT_M28", &kGaussKruegerAustria}, {"BMN28", &kBmn28},
    {"BMN31", &kBmn31},                    {"BMN34", &kBmn34},
    {"LAMB-AUT", &kLambert},               {"MGI", &kMgi},
    {"GK2_DHDN", &kZone2},                 {"GK3_DHDN", &kZone3},
    {"GK3_S42/83", &kZone3},               {"GK4_DHDN", &kZone4},
    {"GK4_S42/83", &kZone4},               {"GK5_DHDN", &kZone5},
    {"GK5_S42/83", &kZone5},               {"DHDN", &kDhdn},
    {"S42/83", &kS42},                     {"CH1903+/LV95", &kLv95},
    {"CH1903+", &kSwissGeographic},        {"CH1903", &kSwissGeographic},
    {"CH1903/LV03-M", &kLv03},             {"LIECHT/LV03-C", &kLv03Civil},
    {"WGS84", &kWgs84},                    {"Krovak", &kKrovak},
};

bool within(const FrameCheck::Range (&ranges)[2], double value) {
  for (const FrameCheck::Range& r : ranges)
    if (value >= r.low && value <= r.high) return true;
  return false;
}

}  // namespace

bool frameCheckAllowed(const std::string& startName) {
  return !startName.empty() && startName.compare(0, 3, "---") != 0;
}

FrameCheck::FrameCheck(const std::string& startName) {
  if (startName == kMgrsName) {
    mgrs_ = true;
    return;
  }
  if (startName.compare(0, 3, "UTM") == 0) {
    frame_ = &kUtm;
    return;
  }
  for (const NamedFrame& named : kFrames)
    if (named.name == startName) frame_ = named.frame;
}

LineMark FrameCheck::checkMgrs(std::string_view line) const {
  const std::string reference(trimWhiteSpace(line));
  if (reference.empty() || reference[0] == '*' || reference.find(' ') != std::string::npos)
    return LineMark::Unmarked;
  // the last marking that applies wins
  LineMark mark = LineMark::Unmarked;
  const point utm = point::UTMrefBer(reference);
  if (utm.flag & FLAG_MGRS_LETTER) mark = LineMark::Red;
  if (utm.flag & FLAG_MGRS_BAND) mark = LineMark::Blue;
  if (!point::MGRScheck(reference)) mark = LineMark::Red;
  return mark;
}

LineMark FrameCheck::check(std::string_view line) const {
  if (mgrs_) return checkMgrs(line);
  if (!frame_) return LineMark::Unmarked;
  const std::optional<ValuePair> values = splitInputLine(line);
  if (!values) return LineMark::Unmarked;
  const std::optional<double> first = readValueText(values->first);
  const std::optional<double> second = readValueText(values->second);
  if (!first || !second) return LineMark::Unmarked;
  return within(frame_->first, *first) && within(frame_->second, *second) ? LineMark::Unmarked
                                                                           : LineMark::Blue;
}

std::vector<LineMark> checkFrames(const std::string& startName,
                                  const std::vector<std::string>& lines) {
  const FrameCheck check(startName);
  std::vector<LineMark> marks;
  marks.reserve(lines.size());
  for (const std::string& line : lines) marks.push_back(check.check(line));
  return marks;
}
