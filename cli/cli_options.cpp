#include "cli/cli_options.h"

#include "engine/number_text.h"
#include "lang/language.h"

const char* const kUsage =
    "usage: kortavex-cli --from NAME --to NAME [--grid TYPE] [--height M] [--dms] [--flags]\n"
    "       kortavex-cli --from NAME --to NAME [--grid TYPE] [--delimiter ' '|','|';']\n"
    "                    [--columns E,N] [--dms] [--force] FILE...\n"
    "       kortavex-cli --check --from NAME\n"
    "       kortavex-cli --list\n"
    "       kortavex-cli --help\n"
    "Each of them also takes [--language NAME] [--encoding utf-8|cp1252].\n"
    "\n"
    "Without FILE, converts the coordinate lines of standard input (easting northing,\n"
    "latitude longitude, or one MGRS reference per line) and writes what the program's\n"
    "output window would show. With FILE, converts each file column-wise into its\n"
    "\"_cvt\" copy and writes the report lines. With --check, writes the number and the\n"
    "colour (blue or red) of every input line that the coordinate-frame check marks.\n"
    "Reference height, delimiter, columns, the language and the \"User\" system come\n"
    "from kortavex.cfg and its parameter file in the working directory, when they are\n"
    "there.\n"
    "\n"
    "  --from NAME        start system, an entry of the start list (see --list)\n"
    "  --to NAME          target system, an entry of the target list\n"
    "  --grid TYPE        Helmert (default), BeTA2007, AustrianGrid or CHENYX06\n"
    "  --height M         reference height of the points, metres\n"
    "  --dms              geographic results in degrees, minutes and seconds\n"
    "  --flags            a tab and the status bits after every result line\n"
    "  --delimiter C      column delimiter of the files: blank, comma or semicolon\n"
    "  --columns E,N      columns (1-9) of easting/latitude and northing/longitude\n"
    "  --force            replace existing \"_cvt\" files (they are kept otherwise)\n"
    "  --language NAME    the language of the program's texts: Deutsch, English,\n"
    "                     Francais, Espanol, Portugues, Cestina or Polski\n"
    "  --encoding E       utf-8 or cp1252 (Windows-1252) on standard input, output and\n"
    "                     error; without it, UTF-8 when the locale's character set is\n"
    "                     UTF-8\n"
    "  --list             the entries of the start list and of the target list\n";

namespace {

bool parseColumns(const std::string& text, CliOptions& o) {
  const std::size_t comma = text.find(',');
  if (comma == std::string::npos) return false;
  const std::optional<double> e = parseNumber(text.substr(0, comma));
  const std::optional<double> n = parseNumber(text.substr(comma + 1));
  const auto column = [](const std::optional<double>& v) { return v && *v >= 1 && *v <= 9 && *v == int(*v); };
  if (!column(e) || !column(n) || *e == *n) return false;
  o.eastingColumn = static_cast<int>(*e) - 1;
  o.northingColumn = static_cast<int>(*n) - 1;
  return true;
}

}  // namespace

ParsedCommandLine parseCommandLine(const std::vector<std::string>& args) {
  ParsedCommandLine parsed;
  CliOptions& o = parsed.options;
  bool check = false, list = false;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    const auto value = [&](std::string& out) {
      if (i + 1 >= args.size()) {
        parsed.error = arg + " needs a value";
        return false;
      }
      out = args[++i];
      return true;
    };
    std::string text;
    if (arg == "--help" || arg == "-h") {
      o.mode = CliOptions::Mode::Help;
      return parsed;
    } else if (arg == "--list") {
      list = true;
    } else if (arg == "--check") {
      check = true;
    } else if (arg == "--from") {
      if (!value(o.from)) return parsed;
    } else if (arg == "--to") {
      if (!value(o.to)) return parsed;
    } else if (arg == "--grid") {
      if (!value(text)) return parsed;
      if (!transformationByName(text, o.transformation)) {
        parsed.error = "unknown transformation type: " + text;
        return parsed;
      }
    } else if (arg == "--height") {
      if (!value(text)) return parsed;
      o.height = parseNumber(text);
      if (!o.height) {
        parsed.error = "--height needs a number: " + text;
        return parsed;
      }
    } else if (arg == "--delimiter") {
      if (!value(text)) return parsed;
      if (text != " " && text != "," && text != ";") {
        parsed.error = "--delimiter takes ' ', ',' or ';'";
        return parsed;
      }
      o.delimiter = text[0];
    } else if (arg == "--columns") {
      if (!value(text)) return parsed;
      if (!parseColumns(text, o)) {
        parsed.error = "--columns takes two different column numbers 1-9, as in 2,3";
        return parsed;
      }
    } else if (arg == "--dms") {
      o.dms = true;
    } else if (arg == "--flags") {
      o.flags = true;
    } else if (arg == "--force") {
      o.force = true;
    } else if (arg == "--encoding") {
      if (!value(text)) return parsed;
      if (text == "utf-8") {
        o.encoding = TerminalEncoding::Utf8;
      } else if (text == "cp1252") {
        o.encoding = TerminalEncoding::Cp1252;
      } else {
        parsed.error = "--encoding takes utf-8 or cp1252";
        return parsed;
      }
    } else if (arg == "--language") {
      if (!value(text)) return parsed;
      if (!languageFromName(text)) {
        parsed.error = "--language takes Deutsch, English, Francais, Espanol, Portugues, "
                       "Cestina or Polski";
        return parsed;
      }
      o.language = text;
    } else if (arg.size() > 1 && arg[0] == '-') {
      parsed.error = "unknown argument: " + arg;
      return parsed;
    } else {
      o.files.push_back(arg);
    }
  }
  if (list) {
    o.mode = CliOptions::Mode::List;
  } else if (check) {
    o.mode = CliOptions::Mode::Check;
    if (o.from.empty()) parsed.error = "--check needs --from";
  } else {
    o.mode = o.files.empty() ? CliOptions::Mode::Convert : CliOptions::Mode::Files;
    if (o.from.empty() || o.to.empty()) parsed.error = "--from and --to are needed";
  }
  return parsed;
}
