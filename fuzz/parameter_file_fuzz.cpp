// Parameter files "<name>.gtp" with any content: read at start-up and by Load,
// and the set they give used for a conversion to and from the user system.

#include <cmath>
#include <string>

#include "chain/catalogue.h"
#include "chain/convert.h"
#include "chain/system_select.h"
#include "files/text_file.h"
#include "fuzz/fuzz_support.h"
#include "settings/parameter_file.h"

using namespace kortavex;

namespace {

// What every conversion promises: only the chain's four bits, each raised
// once, and a result that is no number marked outside the target frame.
point checked(const point& result) {
  FUZZ_CHECK((result.flag & ~(FLAG_TARGET_FRAME | FLAG_START_FRAME | FLAG_START_GRID |
                              FLAG_TARGET_GRID)) == 0);
  FUZZ_CHECK((result.flag & (FLAG_START_GRID | FLAG_TARGET_GRID)) == 0);  // no grid in these pairs
  if (!std::isfinite(result.y) || !std::isfinite(result.x) || !std::isfinite(result.h))
    FUZZ_CHECK(result.flag & FLAG_TARGET_FRAME);
  return result;
}

void checkConversions(const UserParameterSet& set) {
  const chain::UserSystem& user = set.system;
  const SystemCode code = systemCode(std::string(kUserName), false, user.projection, SystemCode());
  const SystemCode wgs84 = SystemCode::wgs84();
  // A point of Vienna into the user system and the result back; then the
  // user system's own origin to WGS84 and to other systems.
  const point vienna(16.37, 48.2, 300, 0);
  const point there = checked(chain::convertPoint(vienna, wgs84, code, user));
  checked(chain::convertPoint(there, code, wgs84, user));
  const point origin(user.falseEasting, user.falseNorthing, 300, 0);
  for (const char* target : {"MGRS(UTMREF)", "UTM", "GK-AUT_M34", "Krovak", "CH1903+/LV95"})
    checked(chain::convertPoint(origin, code, systemCode(target, true, 0, SystemCode()), user));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string& directory = scratchDirectory();
  writeFile(parameterFilePath(directory, "fuzz"),
            std::string_view(reinterpret_cast<const char*>(data), size));

  const UserParameterSet set = readStartupParameterSet(directory, "fuzz");
  const chain::UserSystem& u = set.system;
  FUZZ_CHECK(u.ellipsoid >= 0 && u.ellipsoid <= 4);
  FUZZ_CHECK(u.projection >= 0 && u.projection <= 3);
  for (double number : {u.dx, u.dy, u.dz, u.scale, u.rx, u.ry, u.rz, u.centralMeridian,
                        u.latitudeOfOrigin, u.northParallel, u.southParallel, u.falseEasting,
                        u.falseNorthing})
    FUZZ_CHECK(std::isfinite(number));

  const LoadedParameterFile loaded =
      loadParameterFile(parameterFilePath(directory, "fuzz"), "none");
  FUZZ_CHECK(loaded.ellipsoid >= -1 && loaded.ellipsoid <= 4);
  FUZZ_CHECK(loaded.projection >= -1 && loaded.projection <= 3);
  FUZZ_CHECK(loaded.name == set.name);

  // What Save writes is read back to the same set.
  const std::string written = parameterFileText(set, kGermanNoProjectionItem);
  writeFile(parameterFilePath(directory, "again"), written);
  const UserParameterSet again = readStartupParameterSet(directory, "again");
  FUZZ_CHECK(parameterFileText(again, kGermanNoProjectionItem) == written);
  FUZZ_CHECK(again.system.ellipsoid == u.ellipsoid && again.system.projection == u.projection);

  // a set from a faulty file is never used for conversion
  if (set.usable()) checkConversions(set);
  return 0;
}
