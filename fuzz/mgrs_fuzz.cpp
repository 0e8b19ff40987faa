// MGRS/UTMREF references as a user may type them: the syntax test and the
// reader, on any text.

#include <cmath>
#include <string>

#include "engine/point.h"
#include "fuzz/fuzz_support.h"

using namespace kortavex;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string reference(reinterpret_cast<const char*>(data), size);
  const int accepted = point::MGRScheck(reference);
  FUZZ_CHECK(accepted == 0 || accepted == 1);

  const point utm = point::UTMrefBer(reference);
  FUZZ_CHECK((utm.flag & ~(FLAG_MGRS_LETTER | FLAG_MGRS_BAND)) == 0);
  if (utm.flag & FLAG_MGRS_LETTER) {
    FUZZ_CHECK(utm.txt.empty());
    return 0;
  }
  // A decoded reference: its zone digits and hemisphere, and a finite
  // position in one of the eight 100 km columns of the zone, at most one
  // cycle of rows north of its band (an odd digit count reads the northing
  // ten times too large).
  FUZZ_CHECK(utm.txt.size() == 3 && utm.txt.compare(0, 2, reference, 0, 2) == 0);
  FUZZ_CHECK(utm.txt[2] == 'N' || utm.txt[2] == 'S');
  FUZZ_CHECK(std::isfinite(utm.y) && std::isfinite(utm.x));
  FUZZ_CHECK(utm.y >= 100000 && utm.y <= 900000);
  FUZZ_CHECK(utm.x >= 0 && utm.x < 12500000);
  FUZZ_CHECK(utm.h == 0);
  return 0;
}
