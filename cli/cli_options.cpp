#include "cli/cli_options.h"

#include "engine/number_text.h"

const char* const kUsage =
    "usage: kortavex-cli --from NAME --to NAME [--grid Helmert|BeTA2007|AustrianGrid|CHENYX06]\n"
    "                    [--height M] [--dms] [--flags]\n"
    "       kortavex-cli --list\n"
    "       kortavex-cli --help\n"
    "\n"
    "Reads coordinate lines from standard input (easting northing, latitude longitude,\n"
    "or one MGRS reference per line) and writes the converted points to standard output,\n"
    "as the program's output window shows them.\n"
    "\n"
    "  --from NAME   start system, an entry of the start list (see --list)\n"
    "  --to NAME     target system, an entry of the target list\n"
    "  --grid TYPE   transformation type; without it Helmert\n"
    "  --height M    reference height of the points, metres (default 300)\n"
    "  --dms         geographic results in degrees, minutes and seconds\n"
    "  --flags       a tab and the status bits after every result line\n"
    "  --list        the entries of the start list and of the target list\n";

ParsedCommandLine parseCommandLine(const std::vector<std::string>& args) {
  ParsedCommandLine parsed;
  CliOptions& o = parsed.options;
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
      o.mode = CliOptions::Mode::List;
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
    } else if (arg == "--dms") {
      o.dms = true;
    } else if (arg == "--flags") {
      o.flags = true;
    } else {
      parsed.error = "unknown argument: " + arg;
      return parsed;
    }
  }
  if (o.mode == CliOptions::Mode::Convert && (o.from.empty() || o.to.empty()))
    parsed.error = "--from and --to are needed";
  return parsed;
}
