#pragma once
// The check of the input window against the coordinate frame of the start
// system: lines outside the frame are blue, faulty MGRS references red.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "chain/datum_families.h"
#include "workflow/coloured_text.h"
#include "workflow/coordinate_text.h"

namespace kortavex {

// False for no selection and for group headers and separators, which the
// window refuses with msgNoValidSystem.
bool frameCheckAllowed(const std::string& startName);

class FrameCheck {
 public:
  // With `heights`, coordinate lines carry a height after their two values.
  explicit FrameCheck(const std::string& startName, bool heights = false);

  // False for systems without a frame ("User", "S-JTSK", names not in the
  // table): no line is marked.
  bool hasFrame() const { return mgrs_ || frame_.has_value(); }

  // The marking of one input-window line and how it reads: text lines stay
  // unmarked, lines not read are red as they would be in a conversion.
  struct Checked {
    LineMark mark = LineMark::Unmarked;
    LineKind kind = LineKind::Text;
  };
  Checked check(std::string_view line) const;

 private:
  Checked checkMgrs(std::string_view line) const;

  bool mgrs_ = false;
  bool heights_ = false;
  std::optional<chain::InputFrame> frame_;
};

// One marking per line; all unmarked for a system without a frame.
std::vector<LineMark> checkFrames(const std::string& startName,
                                  const std::vector<std::string>& lines);

}  // namespace kortavex
