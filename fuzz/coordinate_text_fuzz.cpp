// Coordinate text: degrees/minutes/seconds, value texts, and the splitting of
// input-window and column-file lines, on any text.

#include <cmath>
#include <cstring>
#include <string>

#include "engine/number_text.h"
#include "engine/point.h"
#include "fuzz/fuzz_support.h"
#include "workflow/coordinate_text.h"

using namespace kortavex;

namespace {

// An empty part may point anywhere.
bool within(std::string_view part, std::string_view whole) {
  return part.empty() || (part.data() >= whole.data() &&
                          part.data() + part.size() <= whole.data() + whole.size());
}

void checkDegreesMinutesSeconds(std::string_view text) {
  // Always the bare number with eight decimals; only sums beyond the range of
  // doubles come out as infinite.
  const std::string value = WxMemo1GMS(text);
  if (value == "inf" || value == "-inf") return;
  FUZZ_CHECK(parseNumber(value).has_value());
  const std::size_t point = value.find('.');
  FUZZ_CHECK(point != std::string::npos && value.size() - point - 1 == 8);
}

void checkValueText(std::string_view text) {
  const std::optional<double> value = readValueText(text);
  if (value) FUZZ_CHECK(std::isfinite(*value));
}

void checkInputLine(std::string_view line) {
  const std::optional<ValuePair> pair = splitInputLine(line);
  if (!pair) return;
  FUZZ_CHECK(within(pair->first, line) && within(pair->second, line));
  FUZZ_CHECK(pair->first.find_first_of(" \t") == std::string_view::npos);
  FUZZ_CHECK(pair->second.find_first_of(" \t") == std::string_view::npos);
}

void checkColumnFields(std::string_view line) {
  for (const char delimiter : {' ', ',', ';'}) {
    const std::vector<Field> fields = splitColumnFields(line, delimiter);
    std::size_t previousEnd = 0;
    for (const Field& f : fields) {
      FUZZ_CHECK(f.begin >= previousEnd && f.begin <= f.end && f.end <= line.size());
      previousEnd = f.end;
    }
    if (delimiter == ' ') {
      for (const Field& f : fields) {
        FUZZ_CHECK(f.end > f.begin);
        const std::string_view text = line.substr(f.begin, f.end - f.begin);
        FUZZ_CHECK(text.find_first_of(" \t") == std::string_view::npos);
      }
    } else {
      // every delimiter ends a field: the fields and delimiters are the line
      std::size_t delimiters = 0;
      for (char c : line) delimiters += c == delimiter;
      FUZZ_CHECK(fields.size() == delimiters + 1);
      for (std::size_t i = 0; i + 1 < fields.size(); ++i)
        FUZZ_CHECK(fields[i].end + 1 == fields[i + 1].begin && line[fields[i].end] == delimiter);
      FUZZ_CHECK(fields.front().begin == 0 && fields.back().end == line.size());
    }
  }
}

// An angle written in degrees, minutes and seconds reads back to within the
// carry of 0.001" and the rounding of the printed seconds.
void checkAngleRoundTrip(std::string_view bytes) {
  double angle;
  if (bytes.size() < sizeof angle) return;
  std::memcpy(&angle, bytes.data(), sizeof angle);
  if (!std::isfinite(angle) || std::fabs(angle) > 1e7) return;
  point p(angle, angle, 0, 0);
  const std::string dms = p.ausgebenMinSec();
  const std::string latitude = dms.substr(0, dms.find(' '));
  const std::optional<double> back = readValueText(latitude);
  FUZZ_CHECK(back.has_value());
  FUZZ_CHECK(std::fabs(*back - angle) <= 0.0011 / 3600 + std::fabs(angle) * 1e-15);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  checkDegreesMinutesSeconds(text);
  checkValueText(text);
  checkInputLine(text);
  checkColumnFields(text);
  checkAngleRoundTrip(text);
  return 0;
}
