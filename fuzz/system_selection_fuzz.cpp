// The system selection over any two names and any grid choice, and points
// converted through every pair it accepts.
//
// Input: one byte for the transformation type, one for the user projection
// and whether the user set is usable, one each choosing the start and the
// target name (an entry of the lists, or text from the input); then the
// texts of the names, one per line, and eight bytes each of the point's two
// values and its height.

#include <cmath>
#include <cstring>
#include <string>
#include <vector>

#include "chain/catalogue.h"
#include "chain/convert.h"
#include "chain/system_lists.h"
#include "chain/system_select.h"
#include "fuzz/fuzz_support.h"

using namespace kortavex;

namespace {

constexpr int kKnownBits = FLAG_TARGET_FRAME | FLAG_START_FRAME | FLAG_START_GRID | FLAG_TARGET_GRID |
                           FLAG_MGRS_LETTER | FLAG_MGRS_BAND;

// The name chosen by `choice`: a list entry, or the next line of the rest.
std::string nameOf(std::uint8_t choice, const std::vector<std::string>& list,
                   std::string_view& rest) {
  if (choice < 200) return list[choice % list.size()];
  const std::size_t end = std::min(rest.find('\n'), rest.size());
  std::string text(rest.substr(0, end));
  rest.remove_prefix(std::min(end + 1, rest.size()));
  return text;
}

double numberFrom(std::string_view& rest) {
  double value = 0;
  char bytes[sizeof value] = {};
  const std::size_t n = std::min(rest.size(), sizeof value);
  std::memcpy(bytes, rest.data(), n);
  rest.remove_prefix(n);
  std::memcpy(&value, bytes, sizeof value);
  return value;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const std::vector<std::string> starts = startSystemList(REGION_ALL);
  static const std::vector<std::string> targets = targetSystemList(REGION_ALL);
  FuzzInput input(data, size);
  const auto transformation = static_cast<Transformation>(input.choice(4));
  const std::uint8_t userByte = input.byte();
  const int userProjection = userByte % 4;
  const bool usable = userByte & 4;
  const std::uint8_t startChoice = input.byte(), targetChoice = input.byte();
  std::string_view rest = input.rest();
  const std::string start = nameOf(startChoice, starts, rest);
  const std::string target = nameOf(targetChoice, targets, rest);

  const SystemSelection s = selectSystems(start, target, transformation, userProjection, usable);
  // two different entries of the lists, none a group header, convert with
  // Helmert; the user system only with a usable set
  const bool header = start.compare(0, 3, "---") == 0 || target.compare(0, 3, "---") == 0;
  const bool faultyUser = !usable && (start == "User" || target == "User");
  if (startChoice < 200 && targetChoice < 200 && transformation == Transformation::Helmert &&
      start != target && !header && !faultyUser)
    FUZZ_CHECK(s.error == SelectionError::None);
  if (s.error != SelectionError::None) {
    FUZZ_CHECK(!s.grid || s.error == SelectionError::NoValidSystem ||
               s.error == SelectionError::UserSetFaulty);
    return 0;
  }
  const SystemPair& pair = s.systems;
  FUZZ_CHECK(pair.startCode.isComplete() && pair.targetCode.isComplete() && start != target);
  FUZZ_CHECK(!pair.startCode.isGroupHeader() && !pair.targetCode.isGroupHeader());
  // a grid is used exactly when one was chosen, and marks a code of its family
  FUZZ_CHECK(!s.grid == (transformation == Transformation::Helmert));
  if (s.grid) FUZZ_CHECK(pair.startCode.usesGrid() || pair.targetCode.usesGrid());

  chain::UserSystem user;  // UTM-like on GRS80, shifted along x
  user.dx = numberFrom(rest);
  user.centralMeridian = 15;
  user.falseEasting = 500000;
  user.ellipsoid = 2;
  user.projection = userProjection;
  const double first = numberFrom(rest), second = numberFrom(rest), height = numberFrom(rest);
  const point result = chain::convertPoint(point(first, second, height, 0), pair.startCode,
                                           pair.targetCode, user, s.grid);
  FUZZ_CHECK((result.flag & ~kKnownBits) == 0);
  if (!std::isfinite(result.y) || !std::isfinite(result.x)) FUZZ_CHECK(result.flag & FLAG_TARGET_FRAME);
  return 0;
}
