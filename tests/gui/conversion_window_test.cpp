// Converting the input window, the frame check and the messages of the
// system selection, driven through the window's buttons.
#include <charconv>
#include <functional>

#include "dialog_expectations.h"
#include "chain/height_systems.h"
#include "engine/ntv2_grid.h"
#include "lang/grid_download_pages.h"
#include "main_window_fixture.h"
#include "workflow/selection_messages.h"

using namespace kortavex;

namespace {

using InputWindowTest = MainWindowTest;

// What the input window's workflow writes for the same lines: the window adds
// nothing to it (the values themselves are cases of tests/cases/chain.cases).
std::string workflowOutput(const char* from, const char* to, const std::vector<std::string>& lines) {
  MainTexts english;
  langset(english, "English");
  return convertInputWindow(setupFor(from, to), english, lines).output.text;
}

std::vector<std::string> linesOf(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t begin = 0, end;
  while ((end = text.find('\n', begin)) != std::string::npos) {
    lines.push_back(text.substr(begin, end - begin));
    begin = end + 1;
  }
  if (begin < text.size()) lines.push_back(text.substr(begin));
  return lines;
}

TEST_F(InputWindowTest, ConvertsCoordinateLinesAndColoursInputOutsideTheStartFrame) {
  start();
  choosePair("GK3_DHDN", "DHDN");
  // a point, a comment, a point outside the strip of zone 3, three values, and
  // a last line without line break
  w().input()->SetValue("3520000 5540000\n* comment\n3700000 5500000\n1 2 3\n3520000,0   5540000");
  click(w().convertButton());

  EXPECT_EQ(text(w().output()), workflowOutput("GK3_DHDN", "DHDN", {"3520000 5540000", "* comment", "3700000 5500000",
                                                                     "1 2 3", "3520000,0   5540000"}));
  EXPECT_EQ(linesOf(text(w().output())).at(3), "* *\tnot read");  // three values
  const char* outputColours[] = {"black", "black", "black", "red", "black"};
  for (int line = 0; line < 5; ++line) EXPECT_EQ(lineColour(w().output(), line), outputColours[line]) << line;

  // The closing line break was added; the point outside the frame is blue,
  // the line not read red.
  EXPECT_EQ(text(w().input()).back(), '\n');
  const char* inputColours[] = {"black", "black", "blue", "red", "black"};
  for (int line = 0; line < 5; ++line)
    EXPECT_EQ(lineColour(w().input(), line), inputColours[line]) << line;
  EXPECT_EQ(w().gauge()->GetValue(), 0);

  // A second run, by Ctrl+Enter typed in the input window, appends a second
  // heading and its results; Enter alone is a new line there.
  for (const int modifiers : {wxMOD_NONE, wxMOD_CONTROL}) {
    wxKeyEvent enter(wxEVT_CHAR_HOOK);
    enter.m_keyCode = WXK_RETURN;
    enter.m_controlDown = modifiers == wxMOD_CONTROL;
    enter.SetEventObject(w().input());
    w().input()->ProcessWindowEvent(enter);
  }
  EXPECT_EQ(linesOf(text(w().output())).size(), 10u);

  // another start system, chosen as a user does: the marks were about the old one
  choose(w().startList(), "DHDN");
  for (int line = 0; line < 5; ++line) EXPECT_EQ(lineColour(w().input(), line), "black") << line;
}

TEST_F(InputWindowTest, ResultOutsideTheTargetFrameIsBlueWithProjectedFormat) {
  start();
  choosePair("DHDN", "GK3_DHDN");
  w().input()->SetValue("49.9 13.0\n49,9 9.0\n");
  click(w().convertButton());
  // 13 degrees east lies 287 km from the central meridian of zone 3
  EXPECT_EQ(text(w().output()), workflowOutput("DHDN", "GK3_DHDN", {"49.9 13.0", "49,9 9.0"}));
  EXPECT_EQ(lineColour(w().output(), 1), "blue");
  EXPECT_EQ(lineColour(w().output(), 2), "black");
  EXPECT_EQ(lineColour(w().input(), 0), "black");
}

TEST_F(InputWindowTest, HeadingNamesTheTransformationAcrossDatumFamilies) {
  start();
  choosePair("UTM33N", "WGS84");
  w().input()->SetValue("305000 5310000\n");
  click(w().convertButton());
  EXPECT_EQ(linesOf(text(w().output())).at(0), "* WGS84 * [Helmert]");
  EXPECT_EQ(text(w().output()), workflowOutput("UTM33N", "WGS84", {"305000 5310000"}));
}

TEST_F(InputWindowTest, MgrsReferencesConvertAndFaultyOnesAreRed) {
  start();
  choosePair("MGRS(UTMREF)", "WGS84");
  // the first as UTM 305000 5310000 (tests/cases/mgrs.cases); blanks in a
  // reference: not read; an odd number of digits: faulty; "XYZ" is a heading
  w().input()->SetValue("33UUP0500010000\n33U UP 05000 10000\n33UUP050001000\nXYZ\n");
  click(w().convertButton());
  EXPECT_EQ(text(w().output()), "* WGS84 * [Helmert]\n" + linesOf(workflowOutput("UTM33N", "WGS84", {"305000 5310000"}))[1] +
                                    "\n* *\tnot read\n* *\tMGRS - faulty\n");
  EXPECT_EQ(lineColour(w().output(), 1), "black");
  EXPECT_EQ(lineColour(w().output(), 2), "red");
  EXPECT_EQ(lineColour(w().output(), 3), "red");
  const char* inputColours[] = {"black", "red", "red", "black"};
  for (int line = 0; line < 4; ++line)
    EXPECT_EQ(lineColour(w().input(), line), inputColours[line]) << line;
}

// With Heights on, lines carry heights and each system offers its country's
// height systems and EGM96; a choice stays where the next system offers it.
// Heights go through the chosen grid as the workflow converts them (the
// numbers themselves: tests/heights_test.cpp); a grid found nowhere refuses
// the run, naming its publisher. The setting and the choices are kept; off
// again, three values are no coordinate line.
TEST_F(InputWindowTest, HeightsWithTheHeightSystemsOfTheSystemsCountry) {
  start();
  EXPECT_FALSE(frame_->heights() || w().startHeights()->IsShown());  // no state file
  const auto heights = [this](bool on) {
    wxTEST_DIALOG(menu(1046), wxExpectModal<OptionDlg>().ticking(OptionDlg::ID_HEIGHTS_BOX, on));
  };
  const wxPoint inputAt = w().input()->GetPosition();
  heights(true);
  EXPECT_TRUE(w().startHeights()->IsShown() && w().targetHeights()->IsShown());
  // in a row of their own, between the system lists and the text windows
  EXPECT_GT(w().input()->GetPosition().y, w().startHeights()->GetRect().GetBottom());
  EXPECT_GT(w().startHeights()->GetPosition().y, w().startList()->GetRect().GetBottom());
  choosePair("GK-AUT_M34", "WGS84");
  choose(w().startHeights(), "GHA");
  EXPECT_EQ(entries(w().targetHeights()).size(), chain::heightSystems().size() + 1);
  choose(w().startList(), "GK3_DHDN");
  EXPECT_EQ(w().startHeights()->GetSelection(), 0) << "GHA is no German height system";
  choose(w().startHeights(), "EGM96");
  choose(w().startList(), "CH1903+/LV95");
  EXPECT_EQ(fromWx(w().startHeights()->GetStringSelection()), "EGM96");
  // other regions rebuild the system lists unchosen: no height system stays
  wxTEST_DIALOG(menu(1046), wxExpectModal<OptionDlg>().ticking(OptionDlg::ID_WXCHECKBOX7, false));
  EXPECT_EQ(w().startHeights()->GetSelection(), 0);

  MainTexts english;
  langset(english, "English");
  const chain::HeightSystem& dhhn = *chain::heightSystemNamed("DHHN2016");
  const chain::HeightDatumLoading missing = chain::loadHeightDatum(dhhn);
  if (!missing.usable()) {
    choosePair("GK3_DHDN", "WGS84");
    choose(w().startHeights(), "DHHN2016");
    wxTEST_DIALOG(click(w().convertButton()), ExpectMessage(heightSystemMessage(english, dhhn, missing)));
  }

  ConversionSetup setup = setupFor("WGS84", "UTM32N");
  setup.heights = true;
  if (!loadHeightDatums(nullptr, chain::heightSystemNamed("EGM96"), english, setup.heightDatums).empty())
    GTEST_SKIP() << "no EGM96 grid on this machine";
  choosePair("WGS84", "UTM32N");
  choose(w().startHeights(), w().startHeights()->GetString(0).ToStdString());
  choose(w().targetHeights(), "EGM96");
  w().input()->SetValue("48.1 11.6 500\n");
  click(w().convertButton());
  EXPECT_EQ(linesOf(text(w().output())), linesOf(convertInputWindow(setup, english, {"48.1 11.6 500"}).output.text));
  EXPECT_NE(text(w().output()).find("UTM32N+EGM96"), std::string::npos);

  frame_->Close();
  frame_ = nullptr;
  processPendingEvents();
  start();
  EXPECT_TRUE(frame_->heights());
  EXPECT_EQ(fromWx(w().targetHeights()->GetStringSelection()), "EGM96");
  heights(false);
  EXPECT_EQ(w().input()->GetPosition(), inputAt);
  w().input()->SetValue("48.1 11.6 500\n");
  click(w().convertButton());
  EXPECT_EQ(linesOf(text(w().output())).at(1), "* *\tnot read");
}

TEST_F(InputWindowTest, UserTargetIsHeadedByTheParameterSetName) {
  start();
  choosePair("WGS84", "User");
  w().input()->SetValue("48.2 16.37");
  click(w().convertButton());
  // no parameter file: the set's name is empty; the user datum is a family of its own
  EXPECT_EQ(linesOf(text(w().output())).at(0), "*  * [Helmert]");
}

// Columns pasted from a spreadsheet convert as typed ones; a run that finds
// no coordinate line says so in the status bar and writes nothing; lines
// that hold digits but no point are marked and counted there.
TEST_F(InputWindowTest, TabSeparatedColumnsConvertAndARunWithoutCoordinatesSaysSo) {
  start();
  choosePair("GK3_DHDN", "DHDN");
  w().input()->SetValue("3520000 5540000\n3700000 5500000\n");
  click(w().convertButton());
  const std::string typed = text(w().output());
  ASSERT_EQ(linesOf(typed).size(), 3u) << typed;

  const char* nothing[] = {"", "\n\n", "* 3520000 5540000", "Rechtswert\tHochwert\n\t\n"};
  for (const char* input : nothing) {
    SCOPED_TRACE(input);
    w().input()->SetValue(input);
    click(w().convertButton());
    EXPECT_EQ(text(w().output()), typed);
    EXPECT_EQ(fromWx(w().statusBar()->GetStatusText(1)), frame_->texts().stsNoCoordinateLine);
  }

  w().output()->Clear();
  w().input()->SetValue("3520000\t5540000\r\n\t3700000\t\t5500000\t\n");
  click(w().convertButton());
  EXPECT_EQ(text(w().output()), typed);
  EXPECT_EQ(lineColour(w().input(), 1), "blue");
  EXPECT_EQ(fromWx(w().statusBar()->GetStatusText(1)), "2 lines converted");

  w().output()->Clear();
  w().input()->SetValue("Punkte\n3520000\t5540000\t300\n3520000 5540000\n3500000 55OOOOO\n");
  click(w().convertButton());
  EXPECT_EQ(linesOf(text(w().output())).at(1), "* *\tnot read");
  EXPECT_EQ(lineColour(w().input(), 1), "red");
  EXPECT_EQ(lineColour(w().input(), 3), "red");
  EXPECT_EQ(lineColour(w().output(), 3), "red");
  EXPECT_EQ(fromWx(w().statusBar()->GetStatusText(1)), "1 lines converted; 2 lines not read: 2 ...");
}

// The message of a run that found nothing goes with the next run of any
// kind, and while it stands it follows a change of language.
TEST_F(InputWindowTest, EveryLaterRunClearsTheStatusOfTheOneBefore) {
  start();
  choosePair("GK3_DHDN", "DHDN");
  dir_.write("pts.txt", "P 3520000 5540000\n");
  const auto status = [this] { return fromWx(w().statusBar()->GetStatusText(1)); };
  const std::pair<const char*, std::function<void()>> laterRuns[] = {
      {"conversion", [this] {
         w().input()->SetValue("3520000 5540000\n");
         click(w().convertButton());
       }},
      {"frame check", [this] { click(w().frameCheckButton()); }},
      {"single point",
       [this] {
         wxTEST_DIALOG(click(w().pointButton()), wxExpectModal<EingabeDlg1>("3540000", "5340000"));
       }},
      {"file conversion",
       [this] { wxTEST_DIALOG(click(w().fileButton()), ExpectFileChoice(dir_.file("pts.txt"))); }},
      {"import",
       [this] { wxTEST_DIALOG(click(w().importButton()), ExpectFileChoice(dir_.file("pts.txt"))); }},
      {"export",
       [this] { wxTEST_DIALOG(click(w().exportButton()), ExpectFileChoice(dir_.file("out.txt"))); }},
  };
  for (const auto& [name, run] : laterRuns) {
    SCOPED_TRACE(name);
    for (const char* file : {"pts_cvt.txt", "out.txt"}) std::remove(dir_.file(file).c_str());
    w().input()->SetValue("no coordinates");
    click(w().convertButton());
    ASSERT_EQ(status(), frame_->texts().stsNoCoordinateLine);
    run();
    EXPECT_EQ(status(), std::string(name) == "conversion" ? "1 lines converted" : frame_->texts().stsTitle);
  }

  click(w().convertButton());
  MainTexts german;
  langset(german, "Deutsch");
  frame_->langset("Deutsch");
  frame_->langchange("Deutsch");
  EXPECT_EQ(status(), german.stsNoCoordinateLine);
}

TEST_F(InputWindowTest, TextOutsideTheCodePageIsReadAsQuestionMarks) {
  start();
  choosePair("GK3_DHDN", "DHDN");
  w().input()->SetValue(wxString::FromUTF8("\xC5\x82\xE2\x98\x83 3520000\n3520000 5540000\n"));
  click(w().convertButton());
  EXPECT_EQ(linesOf(text(w().output())).at(1), "* *\tnot read");
  EXPECT_EQ(linesOf(text(w().output())).size(), 3u);
  EXPECT_EQ(lineColour(w().input(), 1), "black");
}

// ---------------------------------------------------------------------------

using FrameCheckTest = MainWindowTest;

TEST_F(FrameCheckTest, MarksLinesOutsideTheFrameBlueAndClearsEarlierMarks) {
  start();
  choose(w().startList(), "GK3_DHDN");
  w().input()->SetValue(
      "3500000 5500000\n500000 5500000\n3700000 5500000\n3500000 5100000\n* 3700000 5500000\n"
      "3700000 5500000 1\n3650000 6200000");
  click(w().frameCheckButton());
  // a comment stays black, three values are not read: red
  const char* colours[] = {"black", "black", "blue", "blue", "black", "red", "black"};
  for (int line = 0; line < 7; ++line)
    EXPECT_EQ(lineColour(w().input(), line), colours[line]) << line;
  EXPECT_EQ(text(w().input()).back(), '\n');
  EXPECT_TRUE(text(w().output()).empty());

  // "User" has no frame: the window only turns black.
  choose(w().startList(), "User");
  click(w().frameCheckButton());
  for (int line = 0; line < 7; ++line) EXPECT_EQ(lineColour(w().input(), line), "black") << line;
}

TEST_F(FrameCheckTest, GeographicAndMgrsStartSystems) {
  start();
  choose(w().startList(), "DHDN");
  w().input()->SetValue(toWx("55.3 10\n55.6 10\n47\xB0" "30'0\" 10\n"));
  click(w().frameCheckButton());
  EXPECT_EQ(lineColour(w().input(), 0), "black");
  EXPECT_EQ(lineColour(w().input(), 1), "blue");
  EXPECT_EQ(lineColour(w().input(), 2), "black");

  choose(w().startList(), "MGRS(UTMREF)");
  w().input()->SetValue("33UUP0500010000\n33UUP050001000\n33U UP 05\nReferenzen\n");
  click(w().frameCheckButton());
  EXPECT_EQ(lineColour(w().input(), 0), "black");
  EXPECT_EQ(lineColour(w().input(), 1), "red");
  EXPECT_EQ(lineColour(w().input(), 2), "red");  // blanks in a reference: not read
  EXPECT_EQ(lineColour(w().input(), 3), "black");
  EXPECT_EQ(fromWx(w().statusBar()->GetStatusText(1)), "1 lines not read: 3");
}

TEST_F(FrameCheckTest, RefusesNoSelectionAndGroupHeaders) {
  start();
  wxTEST_DIALOG(click(w().frameCheckButton()), ExpectMessage("No valid system!!"));
  choose(w().startList(), "--- Deutschland");
  wxTEST_DIALOG(click(w().frameCheckButton()), ExpectMessage("No valid system!!"));
}

// ---------------------------------------------------------------------------

using SystemSelectTest = MainWindowTest;

struct RefusedPair {
  const char* start;   // empty: nothing chosen
  const char* target;
  int transformation;  // index in the transformation list
  std::string message;
};


TEST_F(SystemSelectTest, EveryRefusalShowsItsMessageAndConvertsNothing) {
  // AT_GIS_GRID.gsb is nowhere on this machine; the grid-family tests come
  // before any file is looked at. The missing grid's message names where it
  // was looked for: the working directory, the program's, PROJ's.
  const std::string kWorkingDirectory = dir_.path();
  const RefusedPair cases[] = {
      {"", "WGS84", 0, "Please select the start- and target system"},
      {"--- Deutschland", "", 0, "Please select the start- and target system"},
      {"UTM33N", "UTM33N", 0, "Start- and target system identical!!"},
      {"WGS84", "UTM33N", 1, "BeTA2007\xB4s just working with DHDN!"},
      {"WGS84", "DHDN", 2, "AustrianGrid just working with MGI/GK-AUT/BMN!"},
      {"CH1903+/LV95", "WGS84", 3, "CHENYX06 just working with  CH1903!"},
      {"MGI", "WGS84", 2,
       std::string("File AT_GIS_GRID.gsb does not exist,\ndoes not exist, please download from:  ") +
           kAustrianGridDownloadPage + "\nand copy into the folder, where the program is\n\nLooked for in:\n" +
           kWorkingDirectory + [] {
             std::string folders;
             for (const std::string& folder : gridSearchDirectories()) folders += folder == "." ? "" : "\n" + folder;
             return folders;
           }()},
      {"--- \xD6sterreich", "WGS84", 0, "No valid system!!"},
      {"WGS84", "-------", 0, "No valid system!!"},
  };
  start();
  if (!gridFilePath(Grid::AustrianGrid).empty()) GTEST_SKIP() << "an Austrian grid file is present";
  for (const RefusedPair& c : cases) {
    SCOPED_TRACE(c.start + std::string(" -> ") + c.target);
    w().startList()->SetSelection(wxNOT_FOUND);
    w().targetList()->SetSelection(wxNOT_FOUND);
    if (*c.start) choose(w().startList(), c.start);
    if (*c.target) choose(w().targetList(), c.target);
    w().transformationList()->SetSelection(c.transformation);
    wxTEST_DIALOG(click(w().convertButton()), ExpectMessage(c.message));
    EXPECT_TRUE(text(w().output()).empty());
  }
}

TEST_F(SystemSelectTest, GridFileThatFailsItsCheckIsRefusedForEveryGrid) {
  start();
  const struct {
    const char* file;
    const char* start;
    int transformation;
  } grids[] = {{"BETA2007.gsb", "GK3_DHDN", 1},
               {"AT_GIS_GRID.gsb", "GK-AUT_M34", 2},
               {"CHENYX06a.gsb", "CH1903/LV03-M", 3}};
  for (const auto& g : grids) {
    SCOPED_TRACE(g.file);
    dir_.write(g.file, std::string(83696, 'x'));  // right length for BeTA2007, wrong header
    choosePair(g.start, "WGS84");
    w().transformationList()->SetSelection(g.transformation);
    wxTEST_DIALOG(click(w().convertButton()), ExpectMessage("GridShift-File is incorrect"));
  }
}

TEST_F(SystemSelectTest, ValidBeta2007GridMarksTheDhdnCodes) {
  if (Beta2007File() != 0) GTEST_SKIP() << "no valid BETA2007.gsb on this machine";
  start();
  choosePair("GK3_DHDN", "WGS84");
  w().transformationList()->SetSelection(1);
  EXPECT_TRUE(frame_->SystemSelect());
  EXPECT_EQ(frame_->startCode(), "D0303");
  EXPECT_EQ(frame_->targetCode(), SystemCode::wgs84().text());

  // The grid passes, then the group header is refused.
  choosePair("--- Deutschland", "GK3_DHDN");
  wxTEST_DIALOG(EXPECT_FALSE(frame_->SystemSelect()), ExpectMessage("No valid system!!"));
}

}  // namespace
