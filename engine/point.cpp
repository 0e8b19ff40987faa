#include "engine/number_text.h"
#include "engine/point.h"

namespace kortavex {

std::string point::ausgebenMinSec() const {
  return degreesMinutesSeconds(x) + ' ' + degreesMinutesSeconds(y) + '\n';
}

}  // namespace kortavex
