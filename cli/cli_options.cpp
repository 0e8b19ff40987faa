#include "cli/cli_options.h"

#include <cmath>

#include "engine/number_text.h"
#include "lang/language.h"

namespace kortavex {

const char* const kVersion = "kortavex-cli " KORTAVEX_VERSION "\n";

const char* const kUsage =
    "usage: kortavex-cli --from NAME --to NAME [OPTION...]                < lines\n"
    "       kortavex-cli --from NAME --to NAME --columns E,N [OPTION...]  < column file\n"
    "       kortavex-cli --from NAME --to NAME [OPTION...] FILE...\n"
    "       kortavex-cli --check --from NAME [OPTION...] [FILE...]\n"
    "       kortavex-cli --list | --help | --version\n"
    "\n"
    "Converts point coordinates between the systems of --list. Without FILE,\n"
    "standard input holds lines as typed into the program's input window (easting\n"
    "northing, latitude longitude, or one MGRS reference) and standard output gets\n"
    "what its output window shows. With --delimiter or --columns, standard input\n"
    "is a column file and standard output gets its \"_cvt\" copy. Each FILE is\n"
    "converted into its \"_cvt\" copy beside it and the report lines are written\n"
    "(FILE - is standard input, its copy goes to standard output). --check writes\n"
    "the number and colour (blue, red) of the lines the coordinate-frame check marks.\n"
    "\n"
    "  --from NAME        start system: a name of --list, in any case (MGRS for\n"
    "                     MGRS(UTMREF)), or its EPSG code, as EPSG:31256\n"
    "  --to NAME          target system, named the same way; NAME+HEIGHT (as\n"
    "                     GK3_DHDN+DHHN2016 or EPSG:31467+7837) takes heights in\n"
    "                     a height system of --list, else heights are ellipsoidal\n"
    "  --3d               lines on standard input carry a height after their two\n"
    "                     values; the result line carries the converted height\n"
    "                     (with --check: the lines checked carry one)\n"
    "  --grid TYPE        Helmert (default), BeTA2007, AustrianGrid or CHENYX06\n"
    "  --height M         reference height of the points, metres\n"
    "  --dms              geographic results in degrees, minutes and seconds\n"
    "  --flags            a tab and the status bits after every result line\n"
    "  --each-line        one line out for every line in, at once, no heading: the\n"
    "                     result; \"* *\", a tab and the reason for a point without\n"
    "                     result or a line not read; an empty line for an empty,\n"
    "                     comment or heading line (co-process use)\n"
    "  --delimiter C      column delimiter: ' ', ',' or ';'\n"
    "  --columns E,N[,H]  columns (1-9) of easting/latitude and northing/longitude,\n"
    "                     and of the height, which is converted too\n"
    "  -o, --output PATH  where the copy of the single FILE goes (-: standard output)\n"
    "  --force            replace existing copies (they are kept otherwise)\n"
    "  --no-heading       no heading line in the output or the copies\n"
    "  --strict           exit status 3 also for points outside a coordinate frame\n"
    "  --language NAME    the language of the program's texts: Deutsch, English,\n"
    "                     Francais, Espanol, Portugues, Cestina or Polski\n"
    "  --encoding E       utf-8 or cp1252 on the standard streams (default: UTF-8\n"
    "                     where the locale's character set is UTF-8)\n"
    "  --config DIR       where kortavex.cfg and its parameter file are read\n"
    "                     (default: the working directory)\n"
    "  --                 every argument after it is a FILE\n"
    "Options take their values as --from NAME or --from=NAME.\n"
    "\n"
    "Exit status: 0 every point converted; 1 a file or stream could not be read or\n"
    "written, or a copy was kept; 2 a misuse of the options, or a refused pair;\n"
    "3 some points got no result (no grid shift value, a faulty MGRS reference,\n"
    "a result that is no position) or lines holding digits were not read as\n"
    "points, or a column file gave no point; with --strict also points outside\n"
    "a frame. Standard error names the lines by their number.\n"
    "See kortavex-cli(1).\n";

namespace {

using Mode = CliOptions::Mode;

constexpr unsigned bit(Mode mode) { return 1u << static_cast<int>(mode); }
constexpr unsigned kConverting = bit(Mode::Convert) | bit(Mode::Columns) | bit(Mode::Files);
constexpr unsigned kReading = kConverting | bit(Mode::Check);

enum class Option {
  Help, Version, List, Check, From, To, Grid, Height, ThreeD, Dms, Flags, EachLine, Delimiter, Columns,
  Output, Force, NoHeading, Strict, Language, Encoding, Config,
};

struct OptionSpec {
  Option option;
  const char* name;
  bool takesValue;
  unsigned modes;  // the modes in which it means something
};

constexpr OptionSpec kOptions[] = {
    {Option::Help, "--help", false, bit(Mode::Help)},
    {Option::Version, "--version", false, bit(Mode::Version)},
    {Option::List, "--list", false, bit(Mode::List)},
    {Option::Check, "--check", false, bit(Mode::Check)},
    {Option::From, "--from", true, kReading},
    {Option::To, "--to", true, kConverting},
    {Option::Grid, "--grid", true, kConverting},
    {Option::Height, "--height", true, kConverting},
    {Option::ThreeD, "--3d", false, bit(Mode::Convert) | bit(Mode::Check)},
    {Option::Dms, "--dms", false, kConverting},
    {Option::Flags, "--flags", false, bit(Mode::Convert)},
    {Option::EachLine, "--each-line", false, bit(Mode::Convert)},
    {Option::Delimiter, "--delimiter", true, bit(Mode::Columns) | bit(Mode::Files) | bit(Mode::Check)},
    {Option::Columns, "--columns", true, bit(Mode::Columns) | bit(Mode::Files) | bit(Mode::Check)},
    {Option::Output, "--output", true, bit(Mode::Files)},
    {Option::Force, "--force", false, bit(Mode::Files)},
    {Option::NoHeading, "--no-heading", false, kConverting},
    {Option::Strict, "--strict", false, kReading},
    {Option::Language, "--language", true, kReading},
    {Option::Encoding, "--encoding", true, kReading | bit(Mode::List)},
    {Option::Config, "--config", true, kReading},
};

// How the chosen mode is named in a refusal: "--dms has no meaning with --list".
const char* modeWords(Mode mode) {
  switch (mode) {
    case Mode::Convert: return "without FILE";
    case Mode::Columns: return "with --delimiter or --columns on standard input";
    case Mode::Files: return "with FILE";
    case Mode::Check: return "with --check";
    case Mode::List: return "with --list";
    case Mode::Help: return "with --help";
    case Mode::Version: return "with --version";
  }
  return "";
}

const OptionSpec* optionNamed(const std::string& name) {
  if (name == "-h") return &kOptions[0];
  if (name == "-o") return optionNamed("--output");
  for (const OptionSpec& spec : kOptions)
    if (name == spec.name) return &spec;
  return nullptr;
}

// Two or three different digits 1-9 between commas, nothing else ("2,3", "2,3,4").
bool parseColumns(const std::string& text, CliOptions& o) {
  const auto column = [](char c) { return c >= '1' && c <= '9'; };
  if ((text.size() != 3 && text.size() != 5) || !column(text[0]) || text[1] != ',' || !column(text[2]) ||
      text[0] == text[2])
    return false;
  if (text.size() == 5 && (text[3] != ',' || !column(text[4]) || text[4] == text[0] || text[4] == text[2]))
    return false;
  o.eastingColumn = text[0] - '1';
  o.northingColumn = text[2] - '1';
  if (text.size() == 5) o.heightColumn = text[4] - '1';
  return true;
}

// Takes the value of one option into `o`; the error text, or empty.
std::string takeValue(Option option, const std::string& name, const std::string& value, CliOptions& o) {
  if (value.empty()) return name + " needs a value";
  switch (option) {
    case Option::From: o.from = value; break;
    case Option::To: o.to = value; break;
    case Option::Grid:
      if (!transformationByName(value, o.transformation)) return "unknown transformation type: " + value;
      break;
    case Option::Height:
      // a decimal comma, as the settings dialog takes it
      o.height = parseNumber(withDecimalPoint(value));
      if (!o.height || !std::isfinite(*o.height)) return "--height needs a number: " + value;
      break;
    case Option::Delimiter:
      if (value != " " && value != "," && value != ";") return "--delimiter takes ' ', ',' or ';'";
      o.delimiter = value[0];
      break;
    case Option::Columns:
      if (!parseColumns(value, o))
        return "--columns takes two or three different column numbers 1-9, as in 2,3 or 2,3,4";
      break;
    case Option::Output: o.output = value; break;
    case Option::Language:
      if (!languageFromName(value))
        return "--language takes Deutsch, English, Francais, Espanol, Portugues, Cestina or Polski";
      o.language = value;
      break;
    case Option::Encoding:
      if (value == "utf-8") o.encoding = TerminalEncoding::Utf8;
      else if (value == "cp1252") o.encoding = TerminalEncoding::Cp1252;
      else return "--encoding takes utf-8 or cp1252";
      break;
    case Option::Config: o.configDirectory = value; break;
    default: break;
  }
  return {};
}

void setFlag(Option option, CliOptions& o) {
  switch (option) {
    case Option::ThreeD: o.threeD = true; break;
    case Option::Dms: o.dms = true; break;
    case Option::Flags: o.flags = true; break;
    case Option::EachLine: o.eachLine = true; break;
    case Option::Force: o.force = true; break;
    case Option::NoHeading: o.noHeading = true; break;
    case Option::Strict: o.strict = true; break;
    default: break;
  }
}

// The mode the options ask for: the first of --help, --version, --list and
// --check that is given, else that of the arguments.
Mode modeOf(const std::vector<const OptionSpec*>& given, const CliOptions& o) {
  for (const Option mode : {Option::Help, Option::Version, Option::List, Option::Check})
    for (const OptionSpec* spec : given)
      if (spec->option == mode)
        return mode == Option::Help ? Mode::Help
               : mode == Option::Version ? Mode::Version
               : mode == Option::List ? Mode::List
               : Mode::Check;
  if (!o.files.empty()) return Mode::Files;
  return o.delimiter || o.eastingColumn ? Mode::Columns : Mode::Convert;
}

// What the FILEs, --output and --force of a mode cannot be; empty if nothing.
std::string fileError(const CliOptions& o) {
  std::size_t standardInputs = 0;
  for (const std::string& file : o.files) standardInputs += isStandardStream(file);
  if (standardInputs > 1) return "standard input (-) is given twice";
  if (o.mode != Mode::Files && o.mode != Mode::Check && !o.files.empty())
    return "a FILE (" + o.files.front() + ") has no meaning " + modeWords(o.mode);
  if (o.eachLine && o.noHeading) return "--no-heading has no meaning with --each-line, which writes no heading";
  if (o.threeD && (o.delimiter || o.eastingColumn))
    return "--3d has no meaning with --delimiter or --columns: the height's column is the third of --columns";
  if (o.mode != Mode::Files) return {};
  if (o.output && o.files.size() != 1) return "--output names the copy of a single FILE";
  if (!o.output && standardInputs > 0 && o.files.size() > 1)
    return "FILE - stands alone: its copy goes to standard output";
  const bool copyToStandardOutput = o.output ? isStandardStream(*o.output) : standardInputs > 0;
  if (o.force && copyToStandardOutput) return "--force has no meaning when the copy goes to standard output";
  return {};
}

}  // namespace

ParsedCommandLine parseCommandLine(const std::vector<std::string>& args) {
  ParsedCommandLine parsed;
  CliOptions& o = parsed.options;
  std::vector<const OptionSpec*> given;
  bool onlyFiles = false;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (onlyFiles || arg == "-" || arg.empty() || arg[0] != '-') {
      o.files.push_back(arg);
      continue;
    }
    if (arg == "--") {
      onlyFiles = true;
      continue;
    }
    // --name=value, --name value, -o value, -ovalue
    std::string name = arg;
    std::optional<std::string> value;
    if (arg.compare(0, 2, "--") == 0) {
      if (const std::size_t equals = arg.find('='); equals != std::string::npos) {
        name = arg.substr(0, equals);
        value = arg.substr(equals + 1);
      }
    } else if (arg.size() > 2) {
      name = arg.substr(0, 2);
      value = arg.substr(2);
    }
    const OptionSpec* spec = optionNamed(name);
    if (!spec) {
      parsed.error = "unknown option: " + (arg[1] == '-' ? name : arg);
      return parsed;
    }
    for (const OptionSpec* earlier : given)
      if (earlier == spec) {
        parsed.error = std::string(spec->name) + " is given twice";
        return parsed;
      }
    given.push_back(spec);
    if (!spec->takesValue) {
      if (value) {
        parsed.error = std::string(spec->name) + " takes no value";
        return parsed;
      }
      setFlag(spec->option, o);
      continue;
    }
    if (!value) {
      if (i + 1 >= args.size()) {
        parsed.error = std::string(spec->name) + " needs a value";
        return parsed;
      }
      value = args[++i];
    }
    parsed.error = takeValue(spec->option, spec->name, *value, o);
    if (!parsed.error.empty()) return parsed;
  }

  o.mode = modeOf(given, o);
  for (const OptionSpec* spec : given)
    if (!(spec->modes & bit(o.mode))) {
      parsed.error = std::string(spec->name) + " has no meaning " + modeWords(o.mode);
      return parsed;
    }
  parsed.error = fileError(o);
  if (!parsed.error.empty()) return parsed;
  if (o.mode == Mode::Check && o.from.empty()) parsed.error = "--check needs --from";
  if ((bit(o.mode) & kConverting) && (o.from.empty() || o.to.empty()))
    parsed.error = "--from and --to are needed";
  return parsed;
}

}  // namespace kortavex
