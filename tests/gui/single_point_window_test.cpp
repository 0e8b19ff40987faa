// The point button of the main window: the input dialog of the start system,
// its re-show loops and messages, and what is written to both text windows.
#include <functional>
#include <optional>
#include <utility>
#include <string>

#include "dialog_expectations.h"
#include "main_window_fixture.h"
#include "workflow/single_point.h"

using namespace kortavex;

namespace {

class SinglePointWindowTest : public MainWindowTest {
 protected:
  void clickPoint() { click(w().pointButton()); }
  std::string input() { return text(w().input()); }
  std::string output() { return text(w().output()); }
  // What the single-point workflow writes for the same entry: the window adds
  // nothing to it (the values themselves are checked in single_point_test.cpp).
  static std::string workflowOutput(const char* from, const char* to, const EnteredPoint& entry) {
    return convertSinglePoint(setupFor(from, to), entry).output.text;
  }
};

TEST_F(SinglePointWindowTest, ProjectedPointIsEchoedAndConverted) {
  start();
  choosePair("GK3_DHDN", "DHDN");
  wxTEST_DIALOG(clickPoint(), wxExpectModal<EingabeDlg1>("3 540 123,45", "5340123.45")
                                  .doing([](EingabeDlg1& d) {
                                    EXPECT_EQ(fromWx(d.GetTitle()), "Input dialog Y/X");
                                  }));
  EXPECT_EQ(input(), "* GK3_DHDN\n3540123.450 5340123.450\n");
  EXPECT_EQ(output(), workflowOutput("GK3_DHDN", "DHDN", *projectedEntry("3540123.45", "5340123.45")));
  for (int line = 0; line < 2; ++line) {
    EXPECT_EQ(lineColour(w().input(), line), "black");
    EXPECT_EQ(lineColour(w().output(), line), "black");
  }
}

TEST_F(SinglePointWindowTest, InputWindowGetsItsClosingLineBreakFirst) {
  start();
  w().input()->SetValue("typed");
  choosePair("GK3_DHDN", "DHDN");
  wxTEST_DIALOG(clickPoint(), wxExpectModal<EingabeDlg1>("3540000", "5340000"));
  EXPECT_EQ(input(), "typed\n* GK3_DHDN\n3540000.000 5340000.000\n");
}

TEST_F(SinglePointWindowTest, CancelInTheFirstShowingWritesNothing) {
  start();
  const std::pair<const char*, std::function<void()>> cases[] = {
      {"GK-AUT_M34",
       [&] {
         wxTEST_DIALOG(clickPoint(), wxExpectModal<EingabeDlg1>("1", "2").answering(wxID_CANCEL));
       }},
      {"WGS84",
       [&] {
         wxTEST_DIALOG(clickPoint(), wxExpectModal<EingabeDlg2>("48", "16").answering(wxID_CANCEL));
       }},
      {"UTM33N",
       [&] {
         wxTEST_DIALOG(clickPoint(), wxExpectModal<EingabeDlgUTM>("500000", "5300000", "33N")
                                         .answering(wxID_CANCEL));
       }},
      {"MGRS(UTMREF)",
       [&] {
         wxTEST_DIALOG(clickPoint(),
                       wxExpectModal<EingabeDlgUTM>::mgrs("33UXP0154338361").answering(wxID_CANCEL));
       }},
  };
  for (const auto& [startName, cancelDialog] : cases) {
    SCOPED_TRACE(startName);
    choosePair(startName, "DHDN");
    cancelDialog();
    EXPECT_EQ(input(), "");
    EXPECT_EQ(output(), "");
  }
}

TEST_F(SinglePointWindowTest, ProjectedTextsThatAreNoNumbersAreAskedAgain) {
  start();
  choosePair("GK3_DHDN", "DHDN");
  wxTEST_DIALOG(clickPoint(), wxExpectModal<EingabeDlg1>("3540000", "5340000m"),
                ExpectMessage("Please enter a number!!"),
                wxExpectModal<EingabeDlg1>()
                    .showing(EingabeDlg1::ID_GK_X, "5340000m")  // kept as typed
                    .focusing(EingabeDlg1::ID_GK_X)
                    .typing(EingabeDlg1::ID_GK_X, "5340000"));
  EXPECT_EQ(input(), "* GK3_DHDN\n3540000.000 5340000.000\n");

  // Cancel in a re-showing ends the workflow without writing
  wxTEST_DIALOG(clickPoint(), wxExpectModal<EingabeDlg1>("", "5340000"),
                ExpectMessage("Please enter a number!!"),
                wxExpectModal<EingabeDlg1>().focusing(EingabeDlg1::ID_GK_Y).answering(wxID_CANCEL));
  EXPECT_EQ(input(), "* GK3_DHDN\n3540000.000 5340000.000\n");
}

TEST_F(SinglePointWindowTest, GeographicRangeEndsTheWorkflow) {
  start();
  choosePair("WGS84", "GK-AUT_M34");
  wxTEST_DIALOG(clickPoint(), wxExpectModal<EingabeDlg2>("91", "16"), ExpectMessage("Phi -90/90"));
  wxTEST_DIALOG(clickPoint(), wxExpectModal<EingabeDlg2>("-48", "-180,5"),
                ExpectMessage("Lambda -180/180"));
  EXPECT_EQ(input(), "");
  EXPECT_EQ(output(), "");

  wxTEST_DIALOG(clickPoint(), wxExpectModal<EingabeDlg2>("abc", "1x6"),
                ExpectMessage("Please enter a number!!"),
                wxExpectModal<EingabeDlg2>()
                    .focusing(EingabeDlg2::ID_WXEDIT_PHI)
                    .typing(EingabeDlg2::ID_WXEDIT_PHI, "48,2"),
                ExpectMessage("Please enter a number!!"),
                wxExpectModal<EingabeDlg2>()
                    .focusing(EingabeDlg2::ID_WXEDIT_LAMBDA)
                    .typing(EingabeDlg2::ID_WXEDIT_LAMBDA, "16"));
  // latitude first in the echo; WGS84 to GK-AUT changes the datum
  EXPECT_EQ(input(), "* WGS84\n48.20000000 16.00000000\n");
  EXPECT_EQ(output().rfind("* GK-AUT_M34 * [Helmert]\n", 0), 0u);
}

TEST_F(SinglePointWindowTest, ZoneTypedInTheUtmDialogOverridesTheList) {
  start();
  choosePair("UTM33N", "WGS84");
  wxTEST_DIALOG(clickPoint(), wxExpectModal<EingabeDlgUTM>()
                                  .showing(EingabeDlgUTM::ID_WXEDIT3, "33N")
                                  .typing(EingabeDlgUTM::ID_WXEDIT1, "500000")
                                  .typing(EingabeDlgUTM::ID_WXEDIT2, "5300000")
                                  .typing(EingabeDlgUTM::ID_WXEDIT3, "32N"));
  EXPECT_EQ(input(), "* UTM32N\n500000.000 5300000.000\n");
  EXPECT_EQ(frame_->startCode(), "U32N0");
  EXPECT_EQ(output(), workflowOutput("UTM33N", "WGS84", *utmEntry("500000", "5300000", "32N")));
}

// The dialog shown again has the focus on the field that failed, so that
// Enter confirms the mended value; a value that is no number is shown again
// without a word, a zone that is no UTM zone is explained.
TEST_F(SinglePointWindowTest, UtmDialogAsksAgainWithTheFocusOnTheFieldThatFailed) {
  start();
  choosePair("UTM33N", "WGS84");
  using Dialog = wxExpectModal<EingabeDlgUTM>;
  enum { kEasting = EingabeDlgUTM::ID_WXEDIT1, kNorthing = EingabeDlgUTM::ID_WXEDIT2,
         kZone = EingabeDlgUTM::ID_WXEDIT3, kMgrs = EingabeDlgUTM::ID_WXEDIT4 };
  const std::string zoneMessage = "Zone 1 - 60 with N or S, e.g. 33N";
  // an unexpected message box would fail the test
  wxTEST_DIALOG(clickPoint(),
                Dialog().focusing(kEasting).typing(kEasting, "5OOOOO").typing(kNorthing, "5300000"),
                Dialog().focusing(kEasting).typing(kEasting, "500000").typing(kNorthing, "53OOOOO"),
                Dialog().focusing(kNorthing).typing(kNorthing, "5300000").typing(kZone, "61N"),
                ExpectMessage(zoneMessage),
                Dialog().focusing(kZone).typing(kZone, "33"),
                ExpectMessage(zoneMessage),
                Dialog().focusing(kZone).typing(kZone, "33n"));
  EXPECT_EQ(input(), "* UTM33N\n500000.000 5300000.000\n");

  // An MGRS start asks for the reference first.
  choosePair("MGRS(UTMREF)", "WGS84");
  wxTEST_DIALOG(clickPoint(), Dialog().focusing(kMgrs).answering(wxID_CANCEL));
}

TEST_F(SinglePointWindowTest, MgrsReference) {
  start();
  choosePair("MGRS(UTMREF)", "WGS84");
  wxTEST_DIALOG(clickPoint(), wxExpectModal<EingabeDlgUTM>::mgrs("33U XP 01543 38361")
                                  .showing(EingabeDlgUTM::ID_WXEDIT3, ""));
  EXPECT_EQ(input(), "* MGRS(UTMREF)\n33UXP0154338361\n");
  EXPECT_EQ(output(), workflowOutput("MGRS(UTMREF)", "WGS84", mgrsEntry("33UXP0154338361")));
}

TEST_F(SinglePointWindowTest, FaultyMgrsReferenceIsReportedAndMarkedRed) {
  start();
  choosePair("MGRS(UTMREF)", "GK-AUT_M34");
  wxTEST_DIALOG(clickPoint(), wxExpectModal<EingabeDlgUTM>::mgrs("33AVP178052"),
                ExpectMessage("MGRS - faulty\n"));
  EXPECT_EQ(input(), "* MGRS(UTMREF)\n33AVP178052\n");
  EXPECT_EQ(output(), "* GK-AUT_M34 * [Helmert]\n* *\n");
  EXPECT_EQ(lineColour(w().input(), 0), "black");
  EXPECT_EQ(lineColour(w().input(), 1), "red");
  EXPECT_EQ(lineColour(w().output(), 0), "black");
  EXPECT_EQ(lineColour(w().output(), 1), "red");
}

TEST_F(SinglePointWindowTest, StartOutsideItsFrameIsBlue) {
  start();
  choosePair("GK-AUT_M34", "GK3_DHDN");
  wxTEST_DIALOG(clickPoint(), wxExpectModal<EingabeDlg1>("400000", "5300000"));
  EXPECT_EQ(lineColour(w().input(), 1), "blue");
  EXPECT_EQ(lineColour(w().output(), 1), "blue");  // outside GK3 DHDN as well
  // what is typed afterwards is black again
  w().input()->AppendText("next");
  EXPECT_EQ(lineColour(w().input(), 2), "black");
}

TEST_F(SinglePointWindowTest, DialogsSpeakTheLanguageOfTheSettings) {
  dir_.write("kortavex.cfg", optionsFile("Deutsch", 2, 3, ' ', 1023));
  start();
  choosePair("WGS84", "GK-AUT_M34");
  wxTEST_DIALOG(clickPoint(), wxExpectModal<EingabeDlg2>("x", "16"),
                ExpectMessage("Bitte Zahlen eingeben!!"),
                wxExpectModal<EingabeDlg2>()
                    .doing([](EingabeDlg2& d) {
                      EXPECT_EQ(fromWx(d.GetTitle()), "Eingabe Dialog Geographisch");
                    })
                    .answering(wxID_CANCEL));
  choosePair("UTM33N", "WGS84");
  wxTEST_DIALOG(clickPoint(), wxExpectModal<EingabeDlgUTM>()
                                  .doing([](EingabeDlgUTM& d) {
                                    EXPECT_EQ(fromWx(d.GetTitle()), "Eingabe UTM");
                                  })
                                  .answering(wxID_CANCEL));
}

TEST_F(SinglePointWindowTest, NoValidPairOpensNoDialog) {
  start();
  // nothing chosen: only the message, no input dialog
  wxTEST_DIALOG(clickPoint(), ExpectMessage("Please select the start- and target system"));
  EXPECT_EQ(input(), "");
}

}  // namespace
