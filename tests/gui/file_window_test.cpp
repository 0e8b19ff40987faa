// The file workflows of the main window: direct file conversion with the
// file dialog and the overwrite question, import and export.
#include <sys/stat.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <functional>
#include <memory>
#include <random>
#include <sstream>
#include <tuple>

#include <wx/dnd.h>
#include <wx/log.h>

#include "../encoding_oracles.h"

#include "main_window_fixture.h"

using namespace kortavex;

namespace {

class FileWorkflowTest : public MainWindowTest {
 protected:
  // Semicolon files with the coordinates in columns 2 and 3.
  void startWithSemicolonColumns() {
    dir_.write("kortavex.cfg", optionsFile("English", 2, 3, ';', 1023));
    start();
  }
};

// Source: a point name, an easting with decimal comma and a northing; a line
// of words; an empty line. GK3_DHDN to DHDN, latitude and longitude from
// cs2cs +proj=tmerc +lon_0=9 +k=1 +x_0=3500000 +ellps=bessel +to +proj=latlong +ellps=bessel
// (49.997151145, 9.278974260), written with 8 decimals.
constexpr char kSource[] = "P1;3520000,0;5540000\r\nP2;abc;def\r\n\r\n";
constexpr char kConverted[] =
    "*-- Start:GK3_DHDN -> Target:DHDN\n"
    "P1;49.99715115;9.27897426\n"
    "P2;abc;def\n";
constexpr char kReport[] = "* pts_cvt.txt Target generated!\n* (1 lines converted)\n";

TEST_F(FileWorkflowTest, ConvertsTheChosenFileAndAsksBeforeOverwriting) {
  startWithSemicolonColumns();
  dir_.write("pts.txt", kSource);
  choosePair("GK3_DHDN", "DHDN");

  wxTEST_DIALOG(click(w().fileButton()),
                ExpectFileChoice(dir_.file("pts.txt")));
  EXPECT_EQ(dir_.read("pts_cvt.txt"), kConverted);
  EXPECT_EQ(text(w().output()), kReport);
  EXPECT_EQ(dir_.read("pts.txt"), kSource);  // the source stays as it was

  // The copy exists now: "No" keeps it and reports nothing.
  dir_.write("pts_cvt.txt", "old");
  const std::string question = dir_.file("pts_cvt.txt") + "\nDo You want to overwrite?";
  wxTEST_DIALOG(click(w().fileButton()),
                ExpectFileChoice(dir_.file("pts.txt")),
                ExpectMessage(question, "File exists", wxID_NO));
  EXPECT_EQ(dir_.read("pts_cvt.txt"), "old");
  EXPECT_EQ(text(w().output()), kReport);

  // "Yes" replaces it, through the menu item this time.
  wxTEST_DIALOG(menu(1085),
                ExpectFileChoice(dir_.file("pts.txt")),
                ExpectMessage(question, "File exists", wxID_YES));
  EXPECT_EQ(dir_.read("pts_cvt.txt"), kConverted);
  EXPECT_EQ(text(w().output()), std::string(kReport) + kReport);
  EXPECT_EQ(w().gauge()->GetValue(), 0);
}

// Heights on, as the window's state file keeps them: the height column is
// converted in place, to the height the input window's workflow gives.
TEST_F(FileWorkflowTest, HeightColumnIsConvertedWithHeightsOn) {
  std::filesystem::create_directories(stateHome_.file("kortavex"));
  stateHome_.write("kortavex/window", "kortavex_window_state_v1\nheights=1\nheight_column=4\n");
  startWithSemicolonColumns();
  dir_.write("pts.txt", "P1;3520000,0;5540000;250.5\r\n");
  choosePair("GK3_DHDN", "WGS84");
  wxTEST_DIALOG(click(w().fileButton()), ExpectFileChoice(dir_.file("pts.txt")));

  ConversionSetup setup = setupFor("GK3_DHDN", "WGS84");
  setup.heights = true;
  MainTexts english;
  langset(english, "English");
  const std::string output = convertInputWindow(setup, english, {"3520000 5540000 250.5"}).output.text;
  std::istringstream values(output.substr(output.find('\n') + 1));
  std::string latitude, longitude, height;
  values >> latitude >> longitude >> height;
  EXPECT_EQ(dir_.read("pts_cvt.txt"),
            "*-- Start:GK3_DHDN -> Target:WGS84 * [Helmert]\nP1;" + latitude + ";" + longitude + ";" + height + "\n");
}

// A working directory longer than wxWidgets' buffer for it: the file
// dialogs are given it, so no error box of wxWidgets' own comes up.
TEST_F(FileWorkflowTest, WorkingDirectoryOfAnyLengthOpensNoErrorBox) {
  std::string deep = dir_.path();
  while (deep.size() < 1100) deep += "/folder_with_a_rather_long_name";
  std::filesystem::create_directories(deep);
  ASSERT_EQ(chdir(deep.c_str()), 0);
  auto* messages = new wxLogBuffer;
  std::unique_ptr<wxLog> before(wxLog::SetActiveTarget(messages));
  start();
  processPendingEvents();
  EXPECT_EQ(messages->GetBuffer().ToStdString(), "");
  delete wxLog::SetActiveTarget(before.release());
}

// A hand-edited state file that puts the height column on a coordinate
// column: refused as the settings refuse it, not blamed on kortavex.cfg.
TEST_F(FileWorkflowTest, HeightColumnOnACoordinateColumnIsRefused) {
  std::filesystem::create_directories(stateHome_.file("kortavex"));
  stateHome_.write("kortavex/window", "kortavex_window_state_v1\nheights=1\nheight_column=2\n");
  startWithSemicolonColumns();
  choosePair("GK3_DHDN", "WGS84");
  wxTEST_DIALOG(click(w().fileButton()), ExpectMessage("Column number equal!!"));
}

// A question answered while another program puts a file of its own in the
// copy's place: the "Yes" was about the old copy, so the new file stays.
class ExpectQuestionWhileReplaced : public ExpectMessage {
 public:
  ExpectQuestionWhileReplaced(std::string question, std::function<void()> meanwhile)
      : ExpectMessage(std::move(question), "File exists", wxID_YES), meanwhile_(std::move(meanwhile)) {}

 protected:
  int OnInvoked(MessageDialog* dialog) const override {
    meanwhile_();
    return ExpectMessage::OnInvoked(dialog);
  }

 private:
  std::function<void()> meanwhile_;
};

TEST_F(FileWorkflowTest, YesReplacesOnlyTheFileItWasAskedAbout) {
  startWithSemicolonColumns();
  dir_.write("pts.txt", kSource);
  dir_.write("pts_cvt.txt", "old");
  choosePair("GK3_DHDN", "DHDN");
  const std::string question = dir_.file("pts_cvt.txt") + "\nDo You want to overwrite?";
  wxTEST_DIALOG(click(w().fileButton()),
                ExpectFileChoice(dir_.file("pts.txt")),
                ExpectQuestionWhileReplaced(question, [this] {
                  dir_.write("other", "another program's file");
                  std::filesystem::rename(dir_.file("other"), dir_.file("pts_cvt.txt"));
                }));
  EXPECT_EQ(dir_.read("pts_cvt.txt"), "another program's file");
  EXPECT_EQ(text(w().output()), "* pts_cvt.txt already exists and was not replaced\n");
  EXPECT_EQ(dir_.entries(), (std::vector<std::string>{"kortavex.cfg", "pts.txt", "pts_cvt.txt"}));
}

TEST_F(FileWorkflowTest, CancelledDialogWritesNothing) {
  startWithSemicolonColumns();
  dir_.write("pts.txt", kSource);
  choosePair("GK3_DHDN", "DHDN");
  wxTEST_DIALOG(click(w().fileButton()),
                wxExpectModal<wxFileDialog>(dir_.file("pts.txt"), wxID_CANCEL).Describe("open"));
  EXPECT_FALSE(dir_.exists("pts_cvt.txt"));
  EXPECT_TRUE(text(w().output()).empty());
}

TEST_F(FileWorkflowTest, MgrsAndAutomaticUtmAreRefusedBeforeAnyDialog) {
  start();
  for (const auto& [startName, target] : {std::pair<const char*, const char*>{"MGRS(UTMREF)", "WGS84"},
                                          {"WGS84", "UTM"}}) {
    choosePair(startName, target);
    wxTEST_DIALOG(click(w().fileButton()),
                  ExpectMessage("MGRS/UTMauto-files can not be converted directly"));
  }
}

// Files dropped from a file manager: on "File" each is converted and
// reported, on the input window each is imported, as the buttons do.
TEST_F(FileWorkflowTest, DroppedFilesAreConvertedOnFileAndImportedOnTheInputWindow) {
  startWithSemicolonColumns();
  choosePair("GK3_DHDN", "DHDN");
  dir_.write("pts.txt", kSource);
  dir_.write("a & b.txt", kSource);
  const auto drop = [](wxWindow* on, const std::vector<std::string>& paths) {
    wxArrayString names;
    for (const std::string& path : paths) names.Add(wxPathOf(path));
    ASSERT_TRUE(on->GetDropTarget());
    static_cast<wxFileDropTarget*>(on->GetDropTarget())->OnDropFiles(0, 0, names);
    processPendingEvents();
  };
  drop(w().fileButton(), {dir_.file("pts.txt"), dir_.file("a & b.txt")});
  EXPECT_EQ(dir_.read("pts_cvt.txt"), kConverted);
  EXPECT_EQ(dir_.read("a & b_cvt.txt"), kConverted);
  EXPECT_EQ(text(w().output()), std::string(kReport) + "* a & b_cvt.txt Target generated!\n* (1 lines converted)\n");

  drop(w().input(), {dir_.file("pts.txt")});
  EXPECT_EQ(text(w().input()), "3520000.0 5540000\nP2;abc;def\n");
}

TEST_F(FileWorkflowTest, ImportTakesTheTwoColumnsWithDecimalPoints) {
  startWithSemicolonColumns();
  dir_.write("in.txt",
             "Title\n"             // one field: copied
             "P1;3520000,5;5540000;remark\n"
             "P2;abc;def\n"        // words: copied
             "P3;3520000\n"        // no third column: copied
             "P4\t;47\xB0" "30'0\";10\xB0" "0'0\"\n");
  w().input()->SetValue("12 34");  // the imported lines must start on a line of their own
  wxTEST_DIALOG(click(w().importButton()),
                ExpectFileChoice(dir_.file("in.txt")));
  EXPECT_EQ(text(w().input()),
            "12 34\n"
            "Title\n"
            "3520000.5 5540000\n"
            "P2;abc;def\n"
            "P3;3520000\n"
            "47\xB0" "30'0\" 10\xB0" "0'0\"\n");
  EXPECT_EQ(w().gauge()->GetValue(), 0);
}

// A file with a line no coordinate list has is refused whole, in the
// window's language, and so is a FIFO; the window stays usable.
TEST_F(FileWorkflowTest, ImportRefusesAFileWithAHugeLineAndAFifo) {
  dir_.write("kortavex.cfg", optionsFile("Deutsch", 2, 3, ';', 1023));
  start();
  dir_.write("big.txt", "P1;1;2\n" + std::string(2 << 20, 'x') + "\nP2;3;4\n");
  mkfifo(dir_.file("pipe.txt").c_str(), 0644);
  w().input()->SetValue("12 34");
  wxTEST_DIALOG(click(w().importButton()),
                ExpectFileChoice(dir_.file("big.txt")),
                ExpectMessage(dir_.file("big.txt") + ", Zeile 2: l\xE4nger als 1 MiB, die Datei wird nicht gelesen"));
  wxTEST_DIALOG(click(w().importButton()),
                ExpectFileChoice(dir_.file("pipe.txt")),
                ExpectMessage(dir_.file("pipe.txt") + ": not a regular file"));
  EXPECT_EQ(text(w().input()), "12 34");
}

TEST_F(FileWorkflowTest, AFifoAsOptionsFileIsReportedAndTheWindowStarts) {
  mkfifo(dir_.file("kortavex.cfg").c_str(), 0644);
  wxTEST_DIALOG(start(), ExpectMessage("The settings file cannot be read, the defaults are used\n"
                                       "kortavex.cfg: not a regular file"));
  EXPECT_TRUE(frame_->IsShown());
}

// Columns or a delimiter of a hand-edited options file that cannot read a
// column file: said at start and before each file workflow, never a run
// that converts nothing without a word.
TEST_F(FileWorkflowTest, ColumnsThatCannotReadAFileAreReportedNotUsed) {
  const std::string notUsable = "The columns or the delimiter in kortavex.cfg are not valid, choose them in the settings";
  for (const auto& [easting, northing, delimiter] : {std::tuple(2, 2, ';'), std::tuple(0, 2, ' '),
                                                     std::tuple(99, 2, ' '), std::tuple(1, 2, 'x')}) {
    SCOPED_TRACE(::testing::Message() << easting << " " << northing << " " << delimiter);
    dir_.write("kortavex.cfg", optionsFile("English", easting, northing, delimiter, 1023));
    dir_.write("pts.txt", kSource);
    wxTEST_DIALOG(start(), ExpectMessage(notUsable));
    wxTEST_DIALOG(click(w().fileButton()), ExpectMessage(notUsable));
    wxTEST_DIALOG(click(w().importButton()), ExpectMessage(notUsable));
    wxTEST_DIALOG(click(w().exportButton()), ExpectMessage(notUsable));
    EXPECT_FALSE(dir_.exists("pts_cvt.txt"));
    frame_->Destroy();
    frame_ = nullptr;
    processPendingEvents();
  }
}

TEST_F(FileWorkflowTest, ExportWritesColumnsWithRunningNumbersAndAsksBeforeOverwriting) {
  startWithSemicolonColumns();
  // a projected and a geographic result line as the conversion writes them
  const std::string results =
      "* GK3_DHDN\n3520000.000 5540000.000\n* *\tno grid shift value\n* note\n49.99715115  9.27897426\n";
  w().output()->SetValue(toWx(results));
  w().pointNumberBox()->SetValue(true);
  wxTEST_DIALOG(click(w().exportButton()),
                ExpectFileChoice(dir_.file("out.txt")));
  EXPECT_EQ(dir_.read("out.txt"),
            "* GK3_DHDN\n"
            "    1;3520000.000;5540000.000\n"
            "    2;*;*\n"  // a point without result keeps its number
            "* note\n"
            "    3;49.99715115 ;9.27897426\n");  // values split at the last blank, as they stand
  EXPECT_EQ(text(w().output()), results);

  // "No" to replacing out.txt returns to the dialog, which proposes a free name
  w().pointNumberBox()->SetValue(false);
  const std::string question = dir_.file("out.txt") + "\nDo You want to overwrite?";
  wxTEST_DIALOG(click(w().exportButton()),
                ExpectFileChoice(dir_.file("out.txt")),
                ExpectMessage(question, "File exists", wxID_NO),
                ExpectFileChoice(dir_.file("out.txt"), wxID_CANCEL).proposing("out_2.txt"));
  EXPECT_EQ(dir_.read("out.txt").substr(0, 17), "* GK3_DHDN\n    1;");
  wxTEST_DIALOG(click(w().exportButton()),
                ExpectFileChoice(dir_.file("out.txt")),
                ExpectMessage(question, "File exists", wxID_YES));
  EXPECT_EQ(dir_.read("out.txt"),
            "* GK3_DHDN\n"
            "3520000.000;5540000.000\n"
            "*;*\n"
            "* note\n"
            "49.99715115 ;9.27897426\n");
}

TEST_F(FileWorkflowTest, ExportWithColumnsSwappedWritesTheSecondValueFirst) {
  dir_.write("kortavex.cfg", optionsFile("English", 3, 2, ',', 1023));
  start();
  w().output()->SetValue("* DHDN\n3520000.000 5540000.000\n");
  wxTEST_DIALOG(click(w().exportButton()),
                ExpectFileChoice(dir_.file("swapped.txt")));
  EXPECT_EQ(dir_.read("swapped.txt"), "* DHDN\n5540000.000,3520000.000\n");
}

// ---------------------------------------------------------------------------
// Folders and files named with letters of German, Czech and Polish. The
// file system takes the names in UTF-8; the window shows them in
// Windows-1252, where the Czech and Polish letters have no place.

class FileNamesTest : public FileWorkflowTest {
 protected:
  const std::string folder_ = "Grundst\xC3\xBC" "cke \xC3\x9F \xC5\x99 \xC5\x82";
  // the folder as the window shows it
  const std::string shownFolder_ = "Grundst\xFC" "cke \xDF ? ?";
  void SetUp() override {
    FileWorkflowTest::SetUp();
    std::filesystem::create_directory(dir_.file(folder_));
  }
  std::string inFolder(const std::string& name) const { return folder_ + "/" + name; }
  std::vector<std::string> folderEntries() const {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(dir_.file(folder_)))
      names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
  }
};

TEST_F(FileNamesTest, ConvertsAndAsksAboutTheFileItNames) {
  startWithSemicolonColumns();
  const std::string source = "Punkte_\xC3\xA4\xC3\x9F\xC5\x99\xC5\x82.txt";
  const std::string copy = "Punkte_\xC3\xA4\xC3\x9F\xC5\x99\xC5\x82_cvt.txt";
  dir_.write(inFolder(source), kSource);
  choosePair("GK3_DHDN", "DHDN");

  wxTEST_DIALOG(click(w().fileButton()), ExpectFileChoice(dir_.file(inFolder(source))));
  EXPECT_EQ(dir_.read(inFolder(copy)), kConverted);
  EXPECT_EQ(text(w().output()), "* Punkte_\xE4\xDF??_cvt.txt Target generated!\n* (1 lines converted)\n");

  // the question names the copy that is there, and "Yes" replaces that one
  dir_.write(inFolder(copy), "old");
  wxTEST_DIALOG(click(w().fileButton()), ExpectFileChoice(dir_.file(inFolder(source))),
                ExpectMessage(dir_.path() + "/" + shownFolder_ + "/Punkte_\xE4\xDF??_cvt.txt\n" +
                                  "Do You want to overwrite?",
                              "File exists", wxID_YES));
  EXPECT_EQ(dir_.read(inFolder(copy)), kConverted);
  EXPECT_EQ(folderEntries(), (std::vector<std::string>{source, copy}));
}

// Any name is a file's name, also one that is no UTF-8 (left by a program
// of the old code page): its bytes come back from the dialog's wxString as
// they went in. Random names of every byte but NUL and '/'.
TEST(FilePaths, EveryNameGoesThroughTheDialogsUnchanged) {
  std::mt19937 random(1252);
  std::uniform_int_distribution<int> byte(1, 255), length(1, 40);
  int noUtf8 = 0;
  for (int round = 0; round < 2000; ++round) {
    std::string name;
    for (int i = length(random); i > 0; --i) {
      const char c = static_cast<char>(byte(random));
      name += c == '/' ? 'x' : c;
    }
    const std::string path = "/tmp/" + name;
    EXPECT_EQ(fileSystemPath(wxPathOf(path)), path);
    noUtf8 += !wellFormedUtf8(name);
  }
  EXPECT_GT(noUtf8, 1000);
}

// A UTF-8 file imports with its degree signs and umlauts; the export that
// follows writes UTF-8 again, under the name chosen in the dialog.
TEST_F(FileNamesTest, ImportAndExportOfAUtf8File) {
  startWithSemicolonColumns();
  const std::string imported = "Messung_\xC5\x82\xC3\xA4.csv";
  dir_.write(inFolder(imported), std::string(kByteOrderMark) +
                                     "M\xC3\xBCller;48\xC2\xB0" "12\xE2\x80\xB2" "30\xE2\x80\xB3;16\xC2\xB0" "22'0\"\r\n"
                                     "Stra\xC3\x9F" "e;3520000,5;5540000\n"
                                     "\xC5\x81\xC3\xB3" "d\xC5\xBA;x;y\n");
  wxTEST_DIALOG(click(w().importButton()), ExpectFileChoice(dir_.file(inFolder(imported))));
  EXPECT_EQ(text(w().input()), "48\xB0" "12'30\" 16\xB0" "22'0\"\n3520000.5 5540000\n?\xF3" "d?;x;y\n");

  const std::string results = "* Stra\xDF" "e\n48\xB0" "12'30.0000\" 16\xB0" "22'00.0000\"\n";
  w().output()->SetValue(toWx(results));
  const std::string exported = "M\xC3\xBCller_\xC5\x99_cvt.csv";
  wxTEST_DIALOG(click(w().exportButton()), ExpectFileChoice(dir_.file(inFolder(exported))));
  EXPECT_EQ(dir_.read(inFolder(exported)),
            std::string(kByteOrderMark) + utf8Of("* Stra\xDF" "e\n48\xB0" "12'30.0000\";16\xB0" "22'00.0000\"\n"));
  EXPECT_EQ(folderEntries(), (std::vector<std::string>{imported, exported}));

  // after "No" the dialog proposes the name beside the one refused
  wxTEST_DIALOG(click(w().exportButton()), ExpectFileChoice(dir_.file(inFolder(exported))),
                ExpectMessage(dir_.path() + "/" + shownFolder_ + "/M\xFCller_?_cvt.csv\nDo You want to overwrite?",
                              "File exists", wxID_NO),
                ExpectFileChoice(dir_.file(inFolder(exported)), wxID_CANCEL)
                    .proposing("M\xC3\xBCller_\xC5\x99_cvt_2.csv"));
  EXPECT_EQ(folderEntries(), (std::vector<std::string>{imported, exported}));
}

// A copy that cannot be written is reported with its name as the window shows it.
TEST_F(FileNamesTest, AFailureNamesTheFileAsTheWindowShowsIt) {
  startWithSemicolonColumns();
  dir_.write(inFolder("ziel_\xC5\x99.txt"), kSource);
  std::filesystem::create_directory(dir_.file(inFolder("ziel_\xC5\x99_cvt.txt")));  // in the way of the copy
  choosePair("GK3_DHDN", "DHDN");
  wxTEST_DIALOG(click(w().fileButton()), ExpectFileChoice(dir_.file(inFolder("ziel_\xC5\x99.txt"))));
  EXPECT_EQ(text(w().output()),
            "* " + dir_.path() + "/" + shownFolder_ + "/ziel_?_cvt.txt: " + std::strerror(EISDIR) + "\n");
}

}  // namespace
