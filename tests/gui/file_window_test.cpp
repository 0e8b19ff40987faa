// The file workflows of the main window: direct file conversion with the
// file dialog and the overwrite question, import and export.
#include <sys/stat.h>

#include <filesystem>
#include <functional>

#include "main_window_fixture.h"

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

// A question answered while another program puts a file of its own in the
// copy's place: the "Yes" was about the old copy, so the new file stays.
class ExpectQuestionWhileReplaced : public ExpectMessage {
 public:
  ExpectQuestionWhileReplaced(std::string question, std::function<void()> meanwhile)
      : ExpectMessage(std::move(question), "File exists", wxID_YES), meanwhile_(std::move(meanwhile)) {}

 protected:
  int OnInvoked(wxMessageDialog* dialog) const override {
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

TEST_F(FileWorkflowTest, ExportWritesColumnsWithRunningNumbersAndAsksBeforeOverwriting) {
  startWithSemicolonColumns();
  // a projected and a geographic result line as the conversion writes them
  const std::string results =
      "* GK3_DHDN\n3520000.000 5540000.000\n* MGRS - faulty\n49.99715115  9.27897426\n";
  w().output()->SetValue(toWx(results));
  w().pointNumberBox()->SetValue(true);
  wxTEST_DIALOG(click(w().exportButton()),
                ExpectFileChoice(dir_.file("out.txt")));
  EXPECT_EQ(dir_.read("out.txt"),
            "* GK3_DHDN\n"
            "    1;3520000.000;5540000.000\n"
            "* MGRS - faulty\n"
            "    2;49.99715115 ;9.27897426\n");  // values split at the last blank, as they stand
  EXPECT_EQ(text(w().output()), results);

  w().pointNumberBox()->SetValue(false);
  wxTEST_DIALOG(click(w().exportButton()),
                ExpectFileChoice(dir_.file("out.txt")),
                ExpectMessage("Do You want to overwrite?", "File exists", wxID_NO));
  EXPECT_EQ(dir_.read("out.txt").substr(0, 17), "* GK3_DHDN\n    1;");
  wxTEST_DIALOG(click(w().exportButton()),
                ExpectFileChoice(dir_.file("out.txt")),
                ExpectMessage("Do You want to overwrite?", "File exists", wxID_YES));
  EXPECT_EQ(dir_.read("out.txt"),
            "* GK3_DHDN\n"
            "3520000.000;5540000.000\n"
            "* MGRS - faulty\n"
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

}  // namespace
