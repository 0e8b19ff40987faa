// The point input dialogs on their own: texts, focus order, what GetData hands
// back, the degrees/minutes/seconds dialog and the MGRS button.
#include <string>
#include <vector>

#include <wx/button.h>

#include "dialog_expectations.h"
#include "main_window_fixture.h"

using namespace kortavex;

namespace {

std::string label(wxWindow& dialog, int id) { return fromWx(dialog.FindWindow(id)->GetLabel()); }
std::string field(wxWindow& dialog, int id) {
  return fromWx(controlOf<wxTextCtrl>(dialog, id)->GetValue());
}
std::string tip(wxWindow& dialog, int id) {
  return fromWx(dialog.FindWindow(id)->GetToolTipText());
}

// Ids of the children that take the keyboard focus, in the order the Tab key visits them.
std::vector<int> focusOrder(wxWindow& dialog) {
  std::vector<int> ids;
  for (wxWindow* child : dialog.GetChildren())
    if (child->IsFocusable() && child->AcceptsFocusFromKeyboard()) ids.push_back(child->GetId());
  return ids;
}

void click(wxWindow& dialog, int id) {
  wxCommandEvent event(wxEVT_BUTTON, id);
  event.SetEventObject(dialog.FindWindow(id));
  dialog.FindWindow(id)->GetEventHandler()->ProcessEvent(event);
}

// ---------------------------------------------------------------------------
// EingabeDlg1

TEST(ProjectedInputDialog, TextsInTheLanguages) {
  const struct {
    const char* language;
    const char* title;
    const char* heading;
    const char* easting;
    const char* northing;
  } cases[] = {
      {"Deutsch", "Eingabedialog Y/X", "Koordinateneingabe:", "Rechts-Wert", "Hoch-Wert"},
      {"English", "Input dialog Y/X", "Input coordinate:", "Easting value", "Northing value"},
      {"Francais", "Dialogue de saisie Y/X", nullptr, "Abscisse", "Ordonn\xE9" "e"},
      {"Espanol", "Di\xE1logo de entrada Y/X", nullptr, "Easting", "Northing"},
      {"Cestina", "Vstup dialog Y/X", nullptr, "Easting", "Northing"},
      {"Polski", "Dialog wejsciowy Y/X", nullptr, nullptr, nullptr},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.language);
    EingabeDlg1 dialog(nullptr);
    dialog.SetLanguage(c.language);
    EXPECT_EQ(fromWx(dialog.GetTitle()), c.title);
    if (c.heading) {
      EXPECT_EQ(label(dialog, EingabeDlg1::ID_WXSTATICTEXT1), c.heading);
    }
    if (c.easting) {
      EXPECT_EQ(label(dialog, EingabeDlg1::ID_WXSTATICTEXT2), c.easting);
    }
    if (c.northing) {
      EXPECT_EQ(label(dialog, EingabeDlg1::ID_WXSTATICTEXT3), c.northing);
    }
    // the hints, OK and Cancel are the same in every language
    EXPECT_EQ(label(dialog, EingabeDlg1::ID_WXSTATICTEXT4), "(Gauss-Kr\xFCger y)");
    EXPECT_EQ(label(dialog, EingabeDlg1::ID_WXSTATICTEXT6), "(Gauss-Kr\xFCger x)");
    EXPECT_EQ(label(dialog, PointInputDialog::ID_WXBUTTON2), "Cancel");
  }
  // a name that is none of the seven leaves the texts empty
  EingabeDlg1 dialog(nullptr, 1, "Eingabe Dialog");
  dialog.SetLanguage("deutsch");
  EXPECT_EQ(fromWx(dialog.GetTitle()), "");
  EXPECT_EQ(label(dialog, EingabeDlg1::ID_WXSTATICTEXT2), "");
}

TEST(ProjectedInputDialog, FocusOrderAndData) {
  EingabeDlg1 dialog(nullptr);
  EXPECT_EQ(focusOrder(dialog),
            (std::vector<int>{EingabeDlg1::ID_GK_Y, EingabeDlg1::ID_GK_X,
                              PointInputDialog::ID_WXBUTTON1, PointInputDialog::ID_WXBUTTON2}));
  controlOf<wxTextCtrl>(dialog, EingabeDlg1::ID_GK_Y)->SetValue("x 12,5abc");
  controlOf<wxTextCtrl>(dialog, EingabeDlg1::ID_GK_X)->SetValue("5 340 123,45");
  dialog.GetData();
  EXPECT_EQ(dialog.eastingText(), "x12.5abc");  // no number: the caller rejects it
  EXPECT_EQ(dialog.northingText(), "5340123.45");
  EXPECT_TRUE(dialog.GetIcon().IsOk());
}

// ---------------------------------------------------------------------------
// EingabeDlg2 and EingabeDlg3

class GeographicDialogTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dialog_.SetLanguage("English");
    controlOf<wxTextCtrl>(dialog_, EingabeDlg2::ID_WXEDIT_PHI)->SetValue("1");
    controlOf<wxTextCtrl>(dialog_, EingabeDlg2::ID_WXEDIT_LAMBDA)->SetValue("2");
  }
  std::string phi() { return field(dialog_, EingabeDlg2::ID_WXEDIT_PHI); }
  std::string lambda() { return field(dialog_, EingabeDlg2::ID_WXEDIT_LAMBDA); }
  void clickDms() { click(dialog_, EingabeDlg2::ID_GMS); }

  EingabeDlg2 dialog_{nullptr};
};

TEST_F(GeographicDialogTest, TextsFocusAndData) {
  EXPECT_EQ(fromWx(dialog_.GetTitle()), "Input dialog geographic");
  EXPECT_EQ(label(dialog_, EingabeDlg2::ID_GMS), "Deg-Min-Sec");
  EXPECT_EQ(tip(dialog_, EingabeDlg2::ID_GMS), "Input degrees minutes seconds");
  EXPECT_EQ(label(dialog_, EingabeDlg2::ID_WXSTATICTEXT2), "Latitude");
  dialog_.SetLanguage("Deutsch");
  EXPECT_EQ(label(dialog_, EingabeDlg2::ID_GMS), "Grad-Min-Sek.");
  EXPECT_EQ(label(dialog_, EingabeDlg2::ID_WXSTATICTEXT3), "Lambda");
  EXPECT_EQ(focusOrder(dialog_),
            (std::vector<int>{EingabeDlg2::ID_WXEDIT_PHI, EingabeDlg2::ID_WXEDIT_LAMBDA,
                              PointInputDialog::ID_WXBUTTON1, PointInputDialog::ID_WXBUTTON2,
                              EingabeDlg2::ID_GMS}));
  controlOf<wxTextCtrl>(dialog_, EingabeDlg2::ID_WXEDIT_PHI)->SetValue(" 48,5 ");
  dialog_.GetData();
  EXPECT_EQ(dialog_.phiText(), "48.5");
  EXPECT_EQ(dialog_.lambdaText(), "2");
}

TEST_F(GeographicDialogTest, DegreesMinutesSecondsFillBothFields) {
  wxTEST_DIALOG(clickDms(), wxExpectModal<EingabeDlg3>("48", "12", "30", "-0", "30", ""));
  EXPECT_EQ(phi(), "48.208333333  ");  // padded to 14, GetData removes the blanks
  EXPECT_EQ(lambda(), "-0.500000000  ");
  dialog_.GetData();
  EXPECT_EQ(dialog_.phiText(), "48.208333333");
  // Enter now takes the point, not the degrees dialog again
  EXPECT_EQ(wxWindow::FindFocus(), dialog_.FindWindow(PointInputDialog::ID_WXBUTTON1));
}

TEST_F(GeographicDialogTest, DecimalMinutesWithACommaAreAccepted) {
  wxTEST_DIALOG(clickDms(), wxExpectModal<EingabeDlg3>("-33", "30,5", "", "0", "30", ""));
  EXPECT_EQ(phi(), "-33.508333333 ");
  EXPECT_EQ(lambda(), "0.500000000   ");
}

TEST_F(GeographicDialogTest, CancelLeavesBothFields) {
  wxTEST_DIALOG(clickDms(),
                wxExpectModal<EingabeDlg3>("48", "12", "30", "16", "0", "0").answering(wxID_CANCEL));
  EXPECT_EQ(phi(), "1");
  EXPECT_EQ(lambda(), "2");
}

TEST_F(GeographicDialogTest, LettersAreAskedAgainUntilNumeric) {
  wxTEST_DIALOG(clickDms(), wxExpectModal<EingabeDlg3>("48", "1a", "", "16", "0", ""),
                ExpectMessage("Please enter numbers"),
                wxExpectModal<EingabeDlg3>()
                    .showing(EingabeDlg3::ID_WXEDIT2, "1a")  // what the user typed stays
                    .typing(EingabeDlg3::ID_WXEDIT2, "15"));
  EXPECT_EQ(phi(), "48.250000000  ");
  EXPECT_EQ(lambda(), "16.000000000  ");
}

TEST_F(GeographicDialogTest, DecimalMinutesWithDecimalSecondsWarnThenAreRefused) {
  wxTEST_DIALOG(clickDms(), wxExpectModal<EingabeDlg3>("48", "30.5", "12.5", "16", "0", "0"),
                ExpectMessage("Lat seconds must be 0 here!!"),
                ExpectMessage("Please enter numbers"),
                wxExpectModal<EingabeDlg3>().answering(wxID_CANCEL));
  EXPECT_EQ(phi(), "1");
}

TEST_F(GeographicDialogTest, TheSecondDialogSpeaksTheFirstOnesLanguage) {
  dialog_.SetLanguage("Deutsch");
  wxTEST_DIALOG(clickDms(), wxExpectModal<EingabeDlg3>()
                                .doing([](EingabeDlg3& d) {
                                  EXPECT_EQ(fromWx(d.GetTitle()), "Eingabe Dialog Geographisch");
                                  EXPECT_EQ(label(d, EingabeDlg3::ID_WXSTATICTEXT2), "Phi");
                                  EXPECT_EQ(label(d, EingabeDlg3::ID_WXSTATICTEXT4), "\xB0");
                                  EXPECT_EQ(focusOrder(d),
                                            (std::vector<int>{EingabeDlg3::ID_WXEDIT3,
                                                              EingabeDlg3::ID_WXEDIT2,
                                                              EingabeDlg3::ID_WXEDIT1,
                                                              EingabeDlg3::ID_WXEDIT4,
                                                              EingabeDlg3::ID_WXEDIT5,
                                                              EingabeDlg3::ID_WXEDIT6,
                                                              PointInputDialog::ID_WXBUTTON1,
                                                              PointInputDialog::ID_WXBUTTON2}));
                                })
                                .answering(wxID_CANCEL));
}

// ---------------------------------------------------------------------------
// EingabeDlgUTM

class UtmDialogTest : public ::testing::Test {
 protected:
  void SetUp() override { dialog_.SetLanguage("English"); }
  void type(int id, const std::string& text) {
    controlOf<wxTextCtrl>(dialog_, id)->SetValue(toWx(text));
  }
  std::string utmFields() {
    return field(dialog_, EingabeDlgUTM::ID_WXEDIT1) + "|" +
           field(dialog_, EingabeDlgUTM::ID_WXEDIT2) + "|" +
           field(dialog_, EingabeDlgUTM::ID_WXEDIT3);
  }
  void clickUtm() { click(dialog_, EingabeDlgUTM::ID_WXBUTTON3); }

  EingabeDlgUTM dialog_{nullptr, 1, "Eingabe UTM"};
};

TEST_F(UtmDialogTest, TextsAndFocus) {
  EingabeDlgUTM fresh(nullptr, 1, "Eingabe UTM");
  EXPECT_EQ(fromWx(fresh.GetTitle()), "Eingabe UTM");
  EXPECT_EQ(tip(fresh, EingabeDlgUTM::ID_WXBUTTON3), "Umwandlung in UTM-Koordinate");
  EXPECT_EQ(tip(fresh, EingabeDlgUTM::ID_WXEDIT4), "z.B. 33UVP178052");
  EXPECT_EQ(tip(fresh, EingabeDlgUTM::ID_WXEDIT3), "1 - 60");
  EXPECT_EQ(label(fresh, EingabeDlgUTM::ID_WXSTATICTEXT5), "x:");  // x is the easting here

  EXPECT_EQ(fromWx(dialog_.GetTitle()), "Input UTM");
  EXPECT_EQ(label(dialog_, EingabeDlgUTM::ID_WXSTATICTEXT1), "Coordinate Input UTM:");
  EXPECT_EQ(tip(dialog_, EingabeDlgUTM::ID_WXBUTTON3), "Converting to UTM-coordinate");
  EXPECT_EQ(tip(dialog_, EingabeDlgUTM::ID_WXEDIT4), "e.g. 33UVP178052");
  dialog_.SetLanguage("Polski");
  EXPECT_EQ(tip(dialog_, EingabeDlgUTM::ID_WXEDIT4), "na przyklad33UVP178052");
  EXPECT_EQ(fromWx(dialog_.GetTitle()), "Dialog wejsciowy UTM");

  EXPECT_EQ(focusOrder(dialog_),
            (std::vector<int>{EingabeDlgUTM::ID_WXBUTTON3, EingabeDlgUTM::ID_WXEDIT1,
                              EingabeDlgUTM::ID_WXEDIT2, EingabeDlgUTM::ID_WXEDIT3,
                              EingabeDlgUTM::ID_WXEDIT4, PointInputDialog::ID_WXBUTTON2,
                              PointInputDialog::ID_WXBUTTON1}));
}

TEST_F(UtmDialogTest, ZoneFromTheStartCode) {
  dialog_.SetData("33N");
  EXPECT_EQ(field(dialog_, EingabeDlgUTM::ID_WXEDIT3), "33N");
  EingabeDlgUTM mgrs(nullptr);
  mgrs.SetData("991");
  EXPECT_EQ(field(mgrs, EingabeDlgUTM::ID_WXEDIT3), "");
}

TEST_F(UtmDialogTest, GetDataNormalisesAllButTheZone) {
  type(EingabeDlgUTM::ID_WXEDIT1, "603 112,5");
  type(EingabeDlgUTM::ID_WXEDIT2, "5 338 361");
  type(EingabeDlgUTM::ID_WXEDIT3, " 32 N");
  type(EingabeDlgUTM::ID_WXEDIT4, "33U XP 01543 38361");
  dialog_.GetData();
  EXPECT_EQ(dialog_.eastingText(), "603112.5");
  EXPECT_EQ(dialog_.northingText(), "5338361");
  EXPECT_EQ(dialog_.zoneInput(), " 32 N");
  EXPECT_EQ(dialog_.mgrsText(), "33UXP0154338361");
}

TEST_F(UtmDialogTest, ReferenceWithBlanksFillsTheUtmFields) {
  type(EingabeDlgUTM::ID_WXEDIT4, "33U XP 03112 38361");
  clickUtm();  // no message expected
  EXPECT_EQ(utmFields(), "603112.00000000|5338361.00000000|33N");
}

TEST_F(UtmDialogTest, RefusedReferencesLeaveTheUtmFields) {
  const struct {
    const char* reference;
    const char* message;
  } cases[] = {
      {"", "Please enter MGRS value"},
      {"   ", "MGRS value false"},
      {"33AVP178052", "MGRS value false"},  // passes the syntax check, no band A
      {"33UXP015433836", "MGRS value false"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.reference);
    type(EingabeDlgUTM::ID_WXEDIT1, "1");
    type(EingabeDlgUTM::ID_WXEDIT2, "2");
    type(EingabeDlgUTM::ID_WXEDIT3, "3");
    type(EingabeDlgUTM::ID_WXEDIT4, c.reference);
    wxTEST_DIALOG(clickUtm(), ExpectMessage(c.message));
    EXPECT_EQ(utmFields(), "1|2|3");
  }
}

TEST_F(UtmDialogTest, SquareNorthOfItsBandIsReportedAndTaken) {
  dialog_.SetLanguage("Deutsch");
  type(EingabeDlgUTM::ID_WXEDIT4, "33UXD0000000000");
  wxTEST_DIALOG(clickUtm(), ExpectMessage("Planquadrat ausser UTM-Band"));
  EXPECT_EQ(utmFields(), "600000.00000000|6300000.00000000|33N");
}

}  // namespace
