#include "workflow/frame_check.h"

#include "chain/convert.h"
#include "chain/mgrs_reader.h"
#include "chain/system_select.h"
#include "engine/point.h"
#include "workflow/coordinate_text.h"

namespace kortavex {

namespace {

bool within(const chain::InputFrame::Range (&ranges)[2], double value) {
  for (const chain::InputFrame::Range& r : ranges)
    if (value >= r.low && value <= r.high) return true;
  return false;
}

}  // namespace

bool frameCheckAllowed(const std::string& startName) {
  return !startName.empty() && startName.compare(0, 3, "---") != 0;
}

FrameCheck::FrameCheck(const std::string& startName, bool heights) : heights_(heights) {
  const SystemCode code = systemCode(startName, false, chain::kUserGeographic, SystemCode(""));
  if (code.text().empty()) return;  // no system of the lists
  mgrs_ = code.isMgrs();
  if (!mgrs_) frame_ = chain::inputFrame(code);
}

FrameCheck::Checked FrameCheck::checkMgrs(std::string_view line) const {
  const std::optional<ValuePair> values = splitInputLine(line);
  if (isTextLine(line)) return {};
  // a reference holds no blank (but for its height); a word without digits is a heading
  const std::optional<double> height = values && heights_ ? readHeightText(values->second) : std::nullopt;
  if (!values || (heights_ ? !height : !values->second.empty()))
    return holdsDigit(line) ? Checked{LineMark::Red, LineKind::NotRead} : Checked{};
  const std::string reference(values->first);
  if (!holdsDigit(reference)) return {};
  // the last marking that applies wins
  LineMark mark = height && !chain::heightInReach(*height) ? LineMark::Blue : LineMark::Unmarked;
  const int flag = chain::readMgrsReference(reference).flag;
  if (flag & FLAG_MGRS_LETTER) mark = LineMark::Red;
  if (flag & FLAG_MGRS_BAND) mark = LineMark::Blue;
  if (!chain::hasMgrsForm(reference)) mark = LineMark::Red;
  return {mark, LineKind::Values};
}

FrameCheck::Checked FrameCheck::check(std::string_view line) const {
  if (mgrs_) return checkMgrs(line);
  if (!frame_) return {};
  const LineReading reading = heights_ ? readLineWithHeight(line) : readLine(line, splitInputLine(line));
  switch (reading.kind) {
    case LineKind::Text: return {};
    case LineKind::NotRead: return {LineMark::Red, LineKind::NotRead};
    case LineKind::Values: break;
  }
  const bool inside = within(frame_->first, reading.values.first) && within(frame_->second, reading.values.second) &&
                      (!reading.height || chain::heightInReach(*reading.height));
  return {inside ? LineMark::Unmarked : LineMark::Blue, LineKind::Values};
}

std::vector<LineMark> checkFrames(const std::string& startName,
                                  const std::vector<std::string>& lines) {
  const FrameCheck check(startName);
  std::vector<LineMark> marks;
  marks.reserve(lines.size());
  for (const std::string& line : lines) marks.push_back(check.check(line).mark);
  return marks;
}

}  // namespace kortavex
