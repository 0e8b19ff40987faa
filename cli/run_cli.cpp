// A run of kortavex-cli: the arguments, the configuration, the mode, and the
// check that everything reached the output.

#include <cerrno>
#include <cstring>
#include <exception>
#include <new>

#include "chain/catalogue.h"
#include "chain/height_systems.h"
#include "chain/system_lists.h"
#include "cli/cli_modes.h"
#include "files/platform.h"
#include "cli/system_names.h"
#include "lang/language.h"
#include "workflow/selection_messages.h"

namespace kortavex {

namespace {

// Every entry with its EPSG code, where it has one.
int printLists(OutputStream& out, TerminalEncoding encoding) {
  constexpr std::size_t kNameWidth = 16;
  const auto entries = [&](const std::vector<std::string>& list) {
    for (const std::string& entry : list) {
      std::string line = "  " + terminalText(entry, encoding);
      if (const int epsg = epsgOfSystem(entry)) {
        line.resize(std::max(line.size() + 1, kNameWidth + 2), ' ');
        line += "EPSG:" + std::to_string(epsg);
      }
      out.write(line + "\n");
    }
  };
  out.write("Start systems:\n");
  entries(startSystemList(REGION_ALL));
  out.write("Target systems:\n");
  entries(targetSystemList(REGION_ALL));
  // after a system's name and "+": where each grid is found, or that it is missing
  out.write("Height systems:\n");
  for (const chain::HeightSystem& system : chain::heightSystems()) {
    std::string line = "  " + std::string(system.name);
    line.resize(kNameWidth + 2, ' ');
    line += "EPSG:" + std::to_string(system.epsg);
    const std::vector<std::string> paths = chain::heightGridPaths(system);
    for (std::size_t i = 0; i < paths.size(); ++i)
      line += "  " + (paths[i].empty() ? std::string(system.files[i]) + " missing"
                                       : terminalFileText(paths[i], encoding));
    out.write(line + "\n");
  }
  return 0;
}

// The language of the texts: --language, else that of the options file. A
// name there that is none of the seven would leave every message empty, as
// it leaves the window's: English then, so that no failure goes unexplained.
std::string languageOf(const CliOptions& options, const Settings& settings) {
  if (options.language) return *options.language;
  return languageFromName(settings.language) ? settings.language : "English";
}

// The list entry a name of the command line stands for, in Windows-1252,
// and the height system after its "+" (the whole name is tried first: a
// name may hold a "+" of its own, as CH1903+); the usage error otherwise.
int resolveName(const std::string& given, const std::vector<std::string>& list, const std::string& listName,
                TerminalEncoding encoding, OutputStream& err, std::string& entry,
                const chain::HeightSystem*& height) {
  std::string cp1252 = given;
  lineFromTerminal(cp1252, encoding);
  ListEntry named = listEntryNamed(cp1252, list, listName);
  height = nullptr;
  if (const std::size_t plus = cp1252.rfind('+'); !named.error.empty() && plus != std::string::npos) {
    const ListEntry system = listEntryNamed(cp1252.substr(0, plus), list, listName);
    height = chain::heightSystemNamed(cp1252.substr(plus + 1));
    if (system.error.empty() && !height)
      return usageError(err, "not a height system of --list: " + terminalText(cp1252.substr(plus + 1), encoding));
    if (system.error.empty()) named = system;
  }
  if (!named.error.empty()) return usageError(err, terminalText(named.error, encoding));
  entry = named.name;
  return 0;
}

// --config must name a directory: the defaults would pass for the user's settings.
std::string configDirectoryError(const std::string& directory) {
  int error = 0;
  const FileIdentity found = platform::fileIdentity(directory, &error);
  if (!found.exists) return "--config " + directory + ": " + platform::errorText(error);
  if (!found.directory) return "--config " + directory + ": not a directory";
  return {};
}

// As cat's "input file is output file": standard output that is a file this
// run reads would grow with every line read from it, without end.
int refuseInputAsOutput(const CliOptions& options, const CliStreams& io, TerminalEncoding encoding) {
  const FileIdentity out = descriptorIdentity(io.out.fd());
  if (!out.regular) return 0;  // a terminal is both for an interactive run
  const std::vector<std::string> inputs = options.files.empty() ? std::vector<std::string>{"-"} : options.files;
  for (const std::string& input : inputs)
    if (sourceIdentity(input, io).sameFile(out))
      return usageError(io.err, (isStandardStream(input) ? "standard input" : terminalFileText(input, encoding)) +
                                    ": input file is output file");
  return 0;
}

int runMode(const std::vector<std::string>& args, CliStreams& io, const std::string& directory) {
  const ParsedCommandLine parsed = parseCommandLine(args);
  if (!parsed.error.empty()) return usageError(io.err, parsed.error);
  const CliOptions& options = parsed.options;
  if (options.mode == CliOptions::Mode::Help) {
    io.out.write(kUsage);
    return 0;
  }
  if (options.mode == CliOptions::Mode::Version) {
    io.out.write(kVersion);
    return 0;
  }
  const TerminalEncoding encoding = options.encoding.value_or(localeTerminalEncoding());
  if (options.mode == CliOptions::Mode::List) return printLists(io.out, encoding);
  if (const int status = refuseInputAsOutput(options, io, encoding)) return status;

  std::string startName, targetName;
  const chain::HeightSystem *startHeight = nullptr, *targetHeight = nullptr;
  if (const int status = resolveName(options.from, startSystemList(REGION_ALL), "start", encoding, io.err,
                                     startName, startHeight))
    return status;
  if (options.mode != CliOptions::Mode::Check)
    if (const int status = resolveName(options.to, targetSystemList(REGION_ALL), "target", encoding, io.err,
                                       targetName, targetHeight))
      return status;
  if (options.configDirectory) {
    const std::string error = configDirectoryError(*options.configDirectory);
    if (!error.empty()) return usageError(io.err, terminalFileText(error, encoding));
  }
  CliContext context{io,       readStartupConfiguration(options.configDirectory.value_or(directory)),
                     {},       {},
                     encoding, startName,
                     targetName, startHeight,
                     targetHeight};
  // the defaults would give other numbers than the user's settings
  if (!context.startup.optionsFileProblem.empty()) {
    io.err.write("kortavex-cli: " + terminalText(context.startup.optionsFileProblem, encoding) + "\n");
    return kExitIoError;
  }
  context.language = languageOf(options, context.startup.settings);
  langset(context.texts, context.language);
  switch (options.mode) {
    case CliOptions::Mode::Files:
    case CliOptions::Mode::Columns: return convertFiles(options, context);
    case CliOptions::Mode::Check: return checkLines(options, context);
    default: return convertStandardInput(options, context);
  }
}

}  // namespace

FileIdentity sourceIdentity(const std::string& file, const CliStreams& io) {
  return isStandardStream(file) ? descriptorIdentity(io.input) : linkedFileIdentity(file);
}

int usageError(OutputStream& err, const std::string& error) {
  err.write("kortavex-cli: " + error + "\n");
  return kExitUsage;
}

void printWindowMessage(const CliContext& context, const std::string& cp1252) {
  context.io.err.write(terminalText(cp1252, context.encoding) + "\n");
}

int prepareRun(const CliOptions& options, const CliContext& context, ConversionSetup& setup) {
  ConversionRequest request;
  request.systems.startName = context.startName;
  request.systems.targetName = context.targetName;
  request.transformation = options.transformation;
  request.referenceHeight = options.height.value_or(context.startup.settings.referenceHeight);
  request.user = context.startup.parameters;
  request.dms = options.dms;
  request.heights = options.threeD || options.heightColumn;
  request.startHeight = context.startHeight;
  request.targetHeight = context.targetHeight;
  // a height system's heights would be converted and then not shown
  if ((request.startHeight || request.targetHeight) && !request.heights)
    return usageError(context.io.err, "a height system needs heights: give --3d, or --columns E,N,H");
  const SelectionError refused = prepareConversion(request, setup);
  if (refused != SelectionError::None) {
    printWindowMessage(context, selectionMessage(context.texts, refused, request.user, context.language));
    return kExitUsage;
  }
  if (const std::string problem = loadHeightDatums(request.startHeight, request.targetHeight, context.texts,
                                                       setup.heightDatums); !problem.empty()) {
    printWindowMessage(context, problem);
    return kExitUsage;
  }
  // degrees, minutes and seconds are written for latitudes and longitudes only
  if (options.dms && !setup.systems.targetCode.isGeographic())
    return usageError(context.io.err,
                      "--dms needs a geographic target: " + terminalText(context.targetName, context.encoding));
  return 0;
}

std::optional<ColumnLayout> columnLayout(const CliOptions& options, const CliContext& context) {
  Settings settings = context.startup.settings;
  if (options.delimiter) settings.delimiter = *options.delimiter;
  if (options.eastingColumn) settings.eastingColumn = *options.eastingColumn;
  if (options.northingColumn) settings.northingColumn = *options.northingColumn;
  // a hand-edited kortavex.cfg would give copies in which nothing is converted
  if (!usableColumnLayout(settings)) {
    usageError(context.io.err, "the columns or the delimiter of kortavex.cfg cannot read a column file; "
                               "give --columns and --delimiter");
    return std::nullopt;
  }
  ColumnLayout layout = columnLayoutOf(settings);
  layout.heightColumn = options.heightColumn;
  return layout;
}

int noteLines(const LineCounts& lines, const std::string& name, const std::optional<ColumnLayout>& layout,
              const CliOptions& options, const CliContext& context) {
  bool told = false;
  for (const std::string& note :
       {noResultLinesNote(lines, context.texts), notReadLinesNote(lines, context.texts),
        layout ? nothingConvertedNote(lines, *layout, context.texts) : std::string()}) {
    if (note.empty()) continue;
    context.io.err.write("kortavex-cli: " + terminalFileText(name, context.encoding) + ": " +
                         terminalText(note, context.encoding) + "\n");
    told = true;
  }
  return told || (options.strict && lines.outsideFrame > 0) ? kExitNoResult : 0;
}

int utf16Refused(const std::string& name, const CliContext& context) {
  context.io.err.write("kortavex-cli: " + terminalFileText(name, context.encoding) +
                       terminalText(context.texts.msgUtf16File, context.encoding) + "\n");
  return kExitIoError;
}

int runCli(const std::vector<std::string>& args, CliStreams& streams, const std::string& directory) {
  int status;
  try {
    status = runMode(args, streams, directory);
  } catch (const std::exception& e) {
    // Memory ran out (ulimit -v) or a thread could not be had: the copy being
    // written is dropped by its writer, and the run ends with a word.
    const bool memory = dynamic_cast<const std::bad_alloc*>(&e) != nullptr;
    streams.err.write(std::string("kortavex-cli: ") + (memory ? "out of memory" : e.what()) + "\n");
    status = kExitIoError;
  }
  if (!streams.out.flush()) {
    streams.err.write(std::string("kortavex-cli: write error: ") + platform::errorText(streams.out.error()) + "\n");
    streams.err.flush();
    return kExitIoError;
  }
  streams.err.flush();
  return status;
}

}  // namespace kortavex
