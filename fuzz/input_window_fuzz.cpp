// Lines of the input window, converted for one of a few system pairs (MGRS
// among them) as the arrow button does, and checked against the start
// system's frame as the frame-check button does.
//
// Input: one byte for the pair, one for the options (degrees/minutes/seconds
// output, which user parameter set); then the text, one line per LF.

#include <cmath>
#include <string>
#include <vector>

#include "engine/number_text.h"
#include "fuzz/conversion_request.h"
#include "lang/main_texts.h"
#include "workflow/coordinate_text.h"
#include "workflow/frame_check.h"
#include "workflow/input_window_conversion.h"

using namespace kortavex;

namespace {

// The grid pairs take BeTA2007 and CHENYX06 from PROJ's data directory.
const ConversionRequest kPairs[] = {
    pairRequest("MGRS(UTMREF)", "WGS84"),
    pairRequest("MGRS(UTMREF)", "UTM"),
    pairRequest("MGRS(UTMREF)", "GK-AUT_M34"),
    pairRequest("WGS84", "MGRS(UTMREF)"),
    pairRequest("WGS84", "UTM"),
    pairRequest("GK-AUT_M34", "WGS84"),
    pairRequest("BMN31", "LAMB-AUT"),
    pairRequest("GK3_DHDN", "WGS84", Transformation::BeTA2007),
    pairRequest("WGS84", "CH1903/LV03-M", Transformation::CHENYX06),
    pairRequest("Krovak", "CH1903+/LV95"),
    pairRequest("UTM33N", "GK5_S42/83"),
    pairRequest("LIECHT/LV03-C", "User"),
    pairRequest("User", "S-JTSK"),
};

// A Lambert set on Bessel with the MGI shift, or Gauss-Krueger on Krassovsky.
UserParameterSet userSet(bool lambert) {
  UserParameterSet set;
  set.name = lambert ? "Lambert" : "GK";
  if (lambert) {
    set.texts = {"-577.326", "-90.129", "-463.919", "0.9999975768", "5.137", "1.474", "5.297",
                 "13.3333333", "47.5", "49", "46", "400000", "400000"};
    set.system.ellipsoid = 0;
    set.system.projection = chain::kUserLambert;
  } else {
    set.texts = {"24.9", "-126.4", "-93.2", "1.00000101", "0.063", "0.247", "0.041",
                 "15", "0", "0", "0", "500000", "0"};
    set.system.ellipsoid = 1;
    set.system.projection = chain::kUserGaussKrueger;
  }
  set.numbersFromTexts();
  return set;
}

ConversionSetup setupFor(ConversionRequest request, bool dms, bool lambert) {
  request.user = userSet(lambert);
  request.dms = dms;
  return preparedSetup(request);
}

const MainTexts& englishTexts() {
  static const MainTexts texts = [] {
    MainTexts t;
    langset(t, "English");
    return t;
  }();
  return texts;
}

std::vector<std::string> splitLines(std::string_view text) {
  std::vector<std::string> lines;
  std::size_t begin = 0;
  for (std::size_t end; (end = text.find('\n', begin)) != std::string_view::npos; begin = end + 1)
    lines.emplace_back(text.substr(begin, end - begin));
  lines.emplace_back(text.substr(begin));
  return lines;
}

// Both values numbers of at most 1e7: a conversion of such a line gives
// finite numbers, or says by a status bit why not.
bool finiteInput(const std::string& line) {
  const std::optional<ValuePair> values = splitInputLine(line);
  if (!values) return false;
  const std::optional<Values> numbers = readValuePair(values->first, values->second);
  return numbers && std::fabs(numbers->first) <= 1e7 && std::fabs(numbers->second) <= 1e7;
}

bool holdsNoNumber(std::string_view text) {
  return text.find("nan") != std::string_view::npos || text.find("inf") != std::string_view::npos;
}

void checkRuns(const ColouredText& t) {
  std::size_t at = 0;
  for (const ColourRun& run : t.runs) {
    FUZZ_CHECK(run.begin == at && run.length > 0);
    at += run.length;
  }
  FUZZ_CHECK(at == t.text.size());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzInput input(data, size);
  const ConversionRequest& pair = kPairs[input.choice(std::size(kPairs))];
  const std::uint8_t options = input.byte();
  const ConversionSetup setup = setupFor(pair, options & 1, options & 2);
  const std::vector<std::string> lines = splitLines(input.rest());

  // The whole window at once, as the arrow button converts it.
  const InputWindowResult window = convertInputWindow(setup, englishTexts(), lines);
  FUZZ_CHECK(window.marks.size() == lines.size());
  checkRuns(window.output);

  // Line by line with the status bits after each result.
  InputWindowConverter converter(setup, englishTexts());
  ColouredText output;
  output.append(converter.heading(), TextColour::Black);
  FUZZ_CHECK(output.text == window.output.text.substr(0, output.text.size()));
  const bool mgrsStart = setup.systems.startCode.isMgrs();
  for (const std::string& line : lines) {
    const std::size_t before = output.text.size();
    converter.convertLine(line, output, true);
    const std::string_view added = std::string_view(output.text).substr(before);
    if (added.empty()) continue;
    FUZZ_CHECK(added.back() == '\n' && added.find('\n') == added.size() - 1);
    const std::size_t tab = added.rfind('\t');
    if (tab == std::string_view::npos) continue;  // an MGRS error line
    const long long flags = integerPrefix(added.substr(tab + 1));
    if (!mgrsStart && flags == 0 && finiteInput(line)) FUZZ_CHECK(!holdsNoNumber(added));
  }

  const FrameCheck check(setup.systems.startName);
  for (const std::string& line : lines) check.check(line);
  return 0;
}
