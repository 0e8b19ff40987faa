// The conversion cases of tests/cases/*.cases (their format is described in
// docs/testing.md): every case through the library, and every case between
// two systems once more through kortavex-cli, as a script would convert it;
// every frame through the frame check and `kortavex-cli --check`.
#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "chain/catalogue.h"
#include "chain/convert.h"
#include "chain/system_select.h"
#include "engine/ellipsoid.h"
#include "engine/number_text.h"
#include "engine/point.h"
#include "settings/user_parameter_set.h"
#include "tests/test_support.h"
#include "workflow/frame_check.h"

using namespace kortavex;

namespace {

constexpr const Ellipsoid& kBessel = kEllipsoids[0];  // as the chain passes it to Krovak

// --------------------------------------------------------------- the files

struct Expectation {
  std::optional<double> first, second;  // nullopt: not checked
  std::optional<int> flags;             // exactly these bits
  int bits = 0;                         // at least these bits
  std::optional<std::string> text, prefix;
  bool refused = false;                 // by the syntax check of MGRS references
};

struct Case {
  int line;  // in its file
  std::string accept;
  Expectation expect;
  std::string expectText;  // the two values as written
};

struct Block {
  std::string file;
  int line;
  bool operation = false;
  std::string from, to, grid = "Helmert", name;  // name: the operation
  double height = 300, tolerance = 1e-9;
  std::optional<double> back;  // the cases once more from `to` to `from`, within this
  std::optional<double> roundtrip;  // each result converted back comes within this of its case
  std::optional<int> exit;          // kortavex-cli's exit status
  std::vector<std::pair<std::string, std::string>> parameters;  // of the operation or user system
  std::vector<Case> cases;

  double parameter(const std::string& key, double otherwise = 0) const;
  // the value as written in the file
  std::string text(const std::string& key, const std::string& otherwise) const;
  std::string where(const Case& c) const { return file + ":" + std::to_string(c.line); }
};

struct Range {
  double low, high;
};

// The frame of a system: the ranges of its first and of its second value.
struct Frame {
  std::string where, name;
  std::vector<Range> first, second;  // none: the system has no frame
};

// Locale-free, as the program reads numbers; nullopt for anything else.
std::optional<double> number(const std::string& word) {
  double value = 0;
  const auto [end, error] = std::from_chars(word.data(), word.data() + word.size(), value);
  if (error != std::errc() || end != word.data() + word.size()) return std::nullopt;
  return value;
}

double Block::parameter(const std::string& key, double otherwise) const {
  for (const auto& [k, v] : parameters)
    if (k == key) return number(v).value_or(otherwise);
  return otherwise;
}

// Status bits as a number or as names joined by "+" ("start-frame+target-grid").
int statusBits(const std::string& word) {
  if (const std::optional<double> n = number(word)) return static_cast<int>(*n);
  static const std::pair<const char*, int> kNames[] = {
      {"target-frame", FLAG_TARGET_FRAME}, {"start-frame", FLAG_START_FRAME}, {"start-grid", FLAG_START_GRID},
      {"target-grid", FLAG_TARGET_GRID},   {"mgrs-letter", FLAG_MGRS_LETTER}, {"mgrs-band", FLAG_MGRS_BAND}};
  int bits = 0;
  std::istringstream names(word);
  for (std::string name; std::getline(names, name, '+');) {
    const auto* known = std::find_if(std::begin(kNames), std::end(kNames), [&](const auto& n) { return name == n.first; });
    if (known == std::end(kNames)) ADD_FAILURE() << "no status bit " << name;
    else bits |= known->second;
  }
  return bits;
}

std::string Block::text(const std::string& key, const std::string& otherwise) const {
  for (const auto& [k, v] : parameters)
    if (k == key) return v;
  return otherwise;
}

std::vector<std::string> words(const std::string& line) {
  std::istringstream in(line);
  std::vector<std::string> out;
  for (std::string w; in >> w;) out.push_back(w);
  return out;
}

// "KEY VALUE" pairs from word `begin` on, with tolerance, grid and height taken out.
void readKeys(Block& b, const std::vector<std::string>& w, std::size_t begin) {
  for (std::size_t i = begin; i + 1 < w.size(); i += 2) {
    if (w[i] == "tolerance") b.tolerance = *number(w[i + 1]);
    else if (w[i] == "back") b.back = number(w[i + 1]);
    else if (w[i] == "roundtrip") b.roundtrip = number(w[i + 1]);
    else if (w[i] == "exit") b.exit = static_cast<int>(*number(w[i + 1]));
    else if (w[i] == "grid") b.grid = w[i + 1];
    else b.parameters.emplace_back(w[i], w[i + 1]);
    if (w[i] == "height") b.height = *number(w[i + 1]);
  }
}

Expectation readExpectation(const std::string& line) {
  Expectation e;
  const std::vector<std::string> w = words(line);
  std::size_t i = 1;
  if (w.size() >= 3 && w[1] != "flags" && w[1] != "bits") {
    e.first = number(w[1]);
    e.second = number(w[2]);
    e.flags = 0;
    i = 3;
  }
  for (; i < w.size(); i += 2) {
    if (w[i] == "refused") {
      e.refused = true;
      --i;
    } else if (i + 1 == w.size()) {
      ADD_FAILURE() << "no value after " << w[i] << ": " << line;
    } else if (w[i] == "flags") {
      e.flags = statusBits(w[i + 1]);
    } else if (w[i] == "bits") {
      e.bits = statusBits(w[i + 1]);
      e.flags.reset();
    } else if (w[i] == "prefix") {
      e.prefix = w[i + 1];
    } else if (w[i] == "text") {  // a zone text holds a blank: the rest of the line
      e.text = line.substr(line.find(" text ") + 6);
      break;
    }
  }
  return e;
}

struct CaseFiles {
  std::vector<Block> blocks;
  std::vector<Frame> frames;
};

CaseFiles readCaseFiles() {
  CaseFiles files;
  std::vector<Block>& blocks = files.blocks;
  for (const auto& entry : std::filesystem::directory_iterator(KORTAVEX_CASES_DIR)) {
    if (entry.path().extension() != ".cases") continue;
    std::ifstream in(entry.path());
    std::string line;
    for (int number = 1; std::getline(in, line); ++number) {
      const std::vector<std::string> w = words(line);
      if (w.empty() || w[0][0] == '#' || w[0] == "note") continue;
      const std::string file = entry.path().filename().string();
      if (w[0] == "frame") {
        Frame f{file + ":" + std::to_string(number), w.at(1), {}, {}};
        for (std::size_t i = 2; i + 2 < w.size(); i += 3)
          (w[i] == "first" ? f.first : f.second).push_back({*::number(w[i + 1]), *::number(w[i + 2])});
        files.frames.push_back(f);
      } else if (w[0] == "from" || w[0] == "operation") {
        Block b;
        b.file = file;
        b.line = number;
        b.operation = w[0] == "operation";
        if (b.operation) {
          b.name = w.at(1);
          readKeys(b, w, 2);
        } else {
          b.from = w.at(1);
          b.to = w.at(3);
          readKeys(b, w, 4);
        }
        blocks.push_back(b);
      } else if (w[0] == "user") {
        readKeys(blocks.back(), w, 1);
      } else if (w[0] == "accept") {
        blocks.back().cases.push_back({number, line.substr(std::min(line.size(), line.find("accept") + 7)), {}, {}});
      } else if (w[0] == "expect") {
        blocks.back().cases.back().expect = readExpectation(line);
        blocks.back().cases.back().expectText = w.size() > 2 ? w[1] + " " + w[2] : "";
      } else {
        ADD_FAILURE() << file << ":" << number << ": no such line: " << line;
      }
    }
  }
  for (std::size_t i = 0, read = blocks.size(); i < read; ++i) {
    if (!blocks[i].back) continue;
    Block back = blocks[i];
    std::swap(back.from, back.to);
    back.tolerance = *back.back;
    back.exit.reset();
    for (Case& c : back.cases) {
      const int f = c.expect.flags.value_or(0);  // start and target bits change places
      c = {c.line, c.expectText, readExpectation("expect " + c.accept), c.accept};
      c.expect.flags = (f & 1) << 1 | (f & 2) >> 1 | (f & 4) << 1 | (f & 8) >> 1;
    }
    blocks.push_back(back);
  }
  return files;
}

const CaseFiles& caseFiles() {
  static const CaseFiles all = readCaseFiles();
  return all;
}
const std::vector<Block>& blocks() { return caseFiles().blocks; }

// ------------------------------------------------------------------ checks

// What came out of one case: the two values in the order of the text, the
// status bits, the zone text or MGRS reference.
struct Outcome {
  std::optional<double> first, second;
  int flags = 0;
  std::string text;
};

void check(const Block& b, const Case& c, const Outcome& got, double tolerance) {
  SCOPED_TRACE(b.where(c) + ": " + b.from + b.name + " -> " + b.to + ": " + c.accept);
  const Expectation& e = c.expect;
  const auto near = [&](const std::optional<double>& value, double expected, const char* which) {
    ASSERT_TRUE(value.has_value()) << "no " << which << " value";
    EXPECT_NEAR(*value, expected, tolerance) << which;
  };
  if (e.first) near(got.first, *e.first, "first");
  if (e.second) near(got.second, *e.second, "second");
  if (e.flags) {
    EXPECT_EQ(got.flags, *e.flags);
  }
  EXPECT_EQ(got.flags & e.bits, e.bits) << "flags " << got.flags;
  if (e.text) {
    EXPECT_EQ(got.text, *e.text);
  }
  if (e.prefix) {
    EXPECT_EQ(got.text.substr(0, e.prefix->size()), *e.prefix);
  }
}

chain::UserSystem blockUserSystem(const Block& b) {
  chain::UserSystem u;
  u.dx = b.parameter("dx"), u.dy = b.parameter("dy"), u.dz = b.parameter("dz");
  u.scale = b.parameter("scale", 1);
  u.rx = b.parameter("rx"), u.ry = b.parameter("ry"), u.rz = b.parameter("rz");
  u.centralMeridian = b.parameter("cm");
  u.latitudeOfOrigin = b.parameter("origin");
  u.northParallel = b.parameter("north"), u.southParallel = b.parameter("south");
  u.falseEasting = b.parameter("fe"), u.falseNorthing = b.parameter("fn");
  u.ellipsoid = static_cast<int>(b.parameter("ellipsoid"));
  u.projection = static_cast<int>(b.parameter("projection"));
  return u;
}

std::string trimmed(const std::string& s) {
  const std::size_t begin = s.find_first_not_of(' ');
  if (begin == std::string::npos) return {};
  return s.substr(begin, s.find_last_not_of(' ') - begin + 1);
}

// The point a case's text stands for and the code it starts from, as the
// workflows read it: an MGRS reference names its own zone; nullopt for a
// reference that the syntax check refuses.
std::optional<point> inputPoint(const Block& b, const SystemCode& code, const std::string& text, SystemCode& start) {
  start = code;
  if (code.isMgrs()) {
    if (!point::MGRScheck(text)) return std::nullopt;
    point p = point::UTMrefBer(text);
    start = SystemCode::utm(p.txt);
    p.h = b.height;
    return p;
  }
  const std::vector<std::string> w = words(text);
  const double first = *number(w.at(0)), second = *number(w.at(1));
  return code.isGeographic() ? point(second, first, b.height, 0) : point(first, second, b.height, 0);
}

// The values of a point in the order of the text, its bits, its zone text or reference.
Outcome outcomeOf(const point& p, const SystemCode& code) {
  const bool latitudeFirst = code.isGeographic();
  return {latitudeFirst ? p.x : p.y, latitudeFirst ? p.y : p.x, p.flag, trimmed(p.txt)};
}

// A result converted back to where its case started comes within `roundtrip`
// of it, in the units of the start values.
void checkRoundTrip(const Block& b, const SystemSelection& s, const Case& c, const point& input,
                    const SystemCode& start, const point& result) {
  if (result.flag & (FLAG_START_GRID | FLAG_TARGET_GRID | FLAG_MGRS_LETTER)) return;  // no result to take back
  point there = result;
  SystemCode from = s.systems.targetCode;
  if (from.isMgrs()) {
    there = point::UTMrefBer(result.txt);
    there.h = result.h;
  }
  if (from.isMgrs() || from.isAutomaticUtm()) from = SystemCode::utm(trimmed(there.txt).substr(0, 3));
  const point back = chain::convertPoint(there, from, start, blockUserSystem(b), s.grid);
  SCOPED_TRACE(b.where(c) + ": " + c.accept + " there and back");
  EXPECT_NEAR(back.y, input.y, *b.roundtrip);
  EXPECT_NEAR(back.x, input.x, *b.roundtrip);
}

// One case between two systems through the library, as the workflows convert it.
Outcome convertThroughLibrary(const Block& b, const SystemSelection& s, const Case& c) {
  SystemCode start;
  const std::optional<point> input = inputPoint(b, s.systems.startCode, c.accept, start);
  if (!input) return {std::nullopt, std::nullopt, FLAG_MGRS_LETTER, ""};
  const point r = chain::convertPoint(*input, start, s.systems.targetCode, blockUserSystem(b), s.grid);
  if (b.roundtrip) checkRoundTrip(b, s, c, *input, start, r);
  return outcomeOf(r, s.systems.targetCode);
}

// ----------------------------------------------------------- kortavex-cli

// The parameter file of the block's user system, as Save writes it.
std::string parameterFile(const Block& b) {
  std::string file = "kortavex_parameter_v4\r\ncases\r\n";
  for (const char* key : {"dx", "dy", "dz", "rx", "ry", "rz", "scale"})
    file += b.text(key, std::string(key) == "scale" ? "1" : "0") + "\r\n";
  file += std::string(kEllipsoidItems[static_cast<int>(b.parameter("ellipsoid"))]) + "\r\n";
  const int projection = static_cast<int>(b.parameter("projection"));
  file += (projection == 0 ? std::string("keine (geografisch)") : kProjectionItems[projection]) + std::string("\r\n");
  for (const char* key : {"cm", "fe", "fn", "origin", "north", "south"})
    file += b.text(key, "0") + "\r\n";
  return file;
}

// kortavex-cli's exit status when a block gives none: 3 when a case expects
// a point without result, else 0.
int exitStatus(const Block& b) {
  if (b.exit) return *b.exit;
  const int noResult = FLAG_START_GRID | FLAG_TARGET_GRID | FLAG_MGRS_LETTER;
  for (const Case& c : b.cases)
    if ((c.expect.flags.value_or(0) | c.expect.bits) & noResult) return 3;
  return 0;
}

std::vector<std::string> runCli(const Block& b) {
  TempDirectory dir;
  std::string input;
  for (const Case& c : b.cases) input += c.accept + "\n";
  dir.write("stdin", input);
  if (b.from == kUserName || b.to == kUserName) {
    dir.write("kortavex.cfg", "kortavex_options_v45\r\n300\r\n2\r\n3\r\n \r\ncases\r\nEnglish\r\n1023\r\n");
    dir.write("cases.gtp", parameterFile(b));
  }
  const std::string command = "cd '" + dir.path() + "' && '" KORTAVEX_CLI_PATH "' --flags --from '" +
                              b.from + "' --to '" + b.to + "' --grid " + b.grid + " --height " +
                              b.text("height", "300") + " < stdin 2>/dev/null";
  const ShellRun run = runShell(command);
  EXPECT_EQ(run.status, exitStatus(b)) << b.file << ":" << b.line << ": " << command;
  std::vector<std::string> lines;
  std::istringstream out(run.out);
  for (std::string line; std::getline(out, line);) lines.push_back(line);
  return lines;
}

// A result line "FIRST SECOND[ TEXT]\tFLAGS", "REFERENCE\tFLAGS" or "* MGRS - faulty".
Outcome readCliLine(const std::string& line, bool mgrsTarget) {
  Outcome o;
  const std::size_t tab = line.rfind('\t');
  if (tab != std::string::npos) o.flags = static_cast<int>(number(line.substr(tab + 1)).value_or(-1));
  std::string values = line.substr(0, tab);
  if (!values.empty() && values[0] == '*') values.erase(0, 1);  // no value: zeros follow
  if (mgrsTarget) {
    o.text = trimmed(values);
    return o;
  }
  const std::vector<std::string> w = words(values);
  if (w.size() >= 2) {
    o.first = number(w[0]);
    o.second = number(w[1]);
  }
  const std::size_t textStart = values.find(w.size() >= 3 ? w[2] : "\n");
  if (textStart != std::string::npos) o.text = trimmed(values.substr(textStart));
  return o;
}

// ------------------------------------------------------------- operations

// An MGRS reference as written: in capitals, its digits to the metre (five for
// the easting, five for the northing).
std::string toTheMetre(std::string reference) {
  for (char& c : reference) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  const std::size_t digits = (reference.size() - 5) / 2;
  return reference.substr(0, 5) + reference.substr(5, digits) + std::string(5 - digits, '0') +
         reference.substr(5 + digits) + std::string(5 - digits, '0');
}

// A reference read as the engine reads it, after the syntax check the
// workflows apply first; then written: the values read, in their zone, give
// the reference again.
void runMgrs(const Block& b, const Case& c) {
  SCOPED_TRACE(b.where(c) + ": " + c.accept);
  EXPECT_EQ(point::MGRScheck(c.accept), !c.expect.refused) << "syntax check";
  const point read = point::UTMrefBer(c.accept);
  check(b, c, {read.y, read.x, read.flag, read.txt}, b.tolerance);
  if (read.flag & FLAG_MGRS_LETTER) {
    EXPECT_EQ(read.txt, "") << "a faulty reference names no zone";
  }
  if (!c.expect.first || !c.expect.second || read.flag || c.expect.refused) return;
  const point written = chain::convertPoint(point(read.y, read.x, 0, 0), SystemCode::utm(read.txt),
                                            SystemCode::mgrs(), chain::UserSystem());
  EXPECT_EQ(written.txt, toTheMetre(c.accept)) << "written";
}

// Forward: latitude/longitude to easting/northing; inverse the other way.
void runOperation(const Block& b, const Case& c) {
  if (b.name == "mgrs") return runMgrs(b, c);
  const std::vector<std::string> w = words(c.accept);
  const double lat = *number(w.at(0)), lon = *number(w.at(1));
  const double easting = c.expect.first.value_or(0), northing = c.expect.second.value_or(0);
  const int ellipsoid = static_cast<int>(b.parameter("ellipsoid"));
  const double origin = b.parameter("origin"), north = b.parameter("north"),
               south = b.parameter("south"), meridian = b.parameter("meridian");
  point forward, back;
  const point grid(easting, northing, 0, 0);
  if (b.name == "tmerc") {
    const int mode = static_cast<int>(b.parameter("mode"));
    forward.toGK(point(lon, lat, 0, 0), ellipsoid, mode);
    back.toEll(grid, ellipsoid, mode);
  } else if (b.name == "lcc") {
    forward.toLamb(point(lon - meridian, lat, 0, 0), ellipsoid, origin, north, south);
    back.Lamb2ell(grid, ellipsoid, origin, north, south, meridian);
  } else if (b.name == "krovak") {
    forward.toKrovak(point(lon, lat, 0, 0), kBessel.a, kBessel.e);
    back.KrovakToBL(grid, kBessel.a, kBessel.e);
  } else if (b.name == "somerc") {
    forward.toCH1903Plus(point(lon, lat, 0, 0));
    back.fromCH1903Plus(grid);
  } else {
    ADD_FAILURE() << b.where(c) << ": no operation " << b.name;
    return;
  }
  check(b, c, {forward.y, forward.x, 0, ""}, b.tolerance);
  EXPECT_LT(metresApart(geographic(lat, lon), back), 1e-3) << b.where(c) << ": back";
}

Transformation transformationOf(const Block& b) {
  Transformation t = Transformation::Helmert;
  EXPECT_TRUE(transformationByName(b.grid, t)) << b.file << ":" << b.line;
  return t;
}

// ----------------------------------------------------------------- frames

// A line at every bound of a frame and one a hair beyond it, the other value
// in the middle of its first range, with whether it lies inside by the row;
// for a system without frame one line far beyond any frame.
std::vector<std::pair<std::string, bool>> probes(const Frame& f) {
  if (f.first.empty()) return {{"99999999 -99999999", true}};
  const auto within = [](const std::vector<Range>& ranges, double v) {
    return std::any_of(ranges.begin(), ranges.end(), [v](const Range& r) { return v >= r.low && v <= r.high; });
  };
  std::vector<std::pair<std::string, bool>> out;
  for (const bool first : {true, false}) {
    for (const Range& r : first ? f.first : f.second) {
      const double hair = (r.high - r.low) * 1e-8;
      for (const double v : {r.low, r.low - hair, r.high, r.high + hair}) {
        const double a = first ? v : (f.first[0].low + f.first[0].high) / 2;
        const double b = first ? (f.second[0].low + f.second[0].high) / 2 : v;
        out.emplace_back(formatFixed(a, 0, 10) + " " + formatFixed(b, 0, 10), within(f.first, a) && within(f.second, b));
      }
    }
  }
  return out;
}

// ------------------------------------------------------------------ tests

TEST(ConversionCases, ThroughTheLibrary) {
  ASSERT_FALSE(blocks().empty());
  for (const Block& b : blocks()) {
    if (b.operation) {
      for (const Case& c : b.cases) runOperation(b, c);
      continue;
    }
    const SystemSelection s = selectSystems(b.from, b.to, transformationOf(b),
                                            static_cast<int>(b.parameter("projection")));
    if (s.error != SelectionError::None) {
      ADD_FAILURE() << b.file << ":" << b.line << ": pair refused";
      continue;
    }
    for (const Case& c : b.cases) check(b, c, convertThroughLibrary(b, s, c), b.tolerance);
  }
}

// The commands that drive kortavex-cli here are POSIX sh; on Windows
// kortavex-cli.exe is compared byte for byte with the Linux build instead.
#ifdef _WIN32
#define SKIP_ON_WINDOWS() GTEST_SKIP() << "kortavex-cli.exe: compared with the Linux build by scripts/windows.sh"
#else
#define SKIP_ON_WINDOWS()
#endif

TEST(ConversionCases, ThroughKortavexCli) {
  SKIP_ON_WINDOWS();
  for (const Block& b : blocks()) {
    if (b.operation) continue;
    const std::vector<std::string> lines = runCli(b);
    ASSERT_EQ(lines.size(), b.cases.size() + 1) << b.file << ":" << b.line << " (heading and one line a case)";
    // the printed values carry 8 decimals of degrees or 3 of metres
    const bool degrees =
        systemCode(b.to, true, static_cast<int>(b.parameter("projection")), SystemCode()).isGeographic();
    const double printed = degrees ? 5e-9 : 5e-4;
    for (std::size_t i = 0; i < b.cases.size(); ++i) {
      Case shown = b.cases[i];
      if (b.to == kMgrsName) shown.expect.first = shown.expect.second = std::nullopt;  // the reference only
      check(b, shown, readCliLine(lines[i + 1], b.to == kMgrsName),
            std::max(b.tolerance, printed) + printed * 1e-3);
    }
  }
}

TEST(ConversionCases, FramesThroughTheFrameCheckAndKortavexCli) {
  SKIP_ON_WINDOWS();
  ASSERT_FALSE(caseFiles().frames.empty());
  for (const Frame& f : caseFiles().frames) {
    const auto lines = probes(f);
    TempDirectory dir;
    std::string input;
    for (const auto& [line, inside] : lines) input += line + "\n";
    dir.write("lines", input);
    const ShellRun check = runShell("'" KORTAVEX_CLI_PATH "' --check --from '" + f.name + "' < '" + dir.file("lines") + "'");
    EXPECT_EQ(check.status, 0) << f.where;
    std::vector<bool> blue(lines.size() + 1);
    std::istringstream marked(check.out);
    for (std::size_t n; marked >> n && marked.ignore(6);) blue.at(n) = true;
    for (std::size_t i = 0; i < lines.size(); ++i) {
      const auto& [line, inside] = lines[i];
      EXPECT_EQ(FrameCheck(f.name).check(line).mark, inside ? LineMark::Unmarked : LineMark::Blue) << f.where << ": " << line;
      EXPECT_EQ(blue[i + 1], !inside) << f.where << ": kortavex-cli --check: " << line;
    }
  }
}

}  // namespace
