// The settings dialog and the parameter-set dialog, on their own and opened
// from the main window: checks, the options file, the lists, the language
// switch, and Save, Load and Delete of parameter files.
#include <filesystem>
#include <fstream>
#include <string>
#include <utility>
#include <vector>

#include <wx/checkbox.h>

#include "dialog_expectations.h"
#include "file_size_limit.h"
#include "main_window_fixture.h"

using namespace kortavex;

namespace {

// The lines of a file written with CR LF.
std::vector<std::string> fileLines(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t begin = 0;
  for (std::size_t end; (end = text.find("\r\n", begin)) != std::string::npos; begin = end + 2)
    lines.push_back(text.substr(begin, end - begin));
  return lines;
}

// A message box whose text begins with `start` (the rest names a reason in
// the words of the system).
class ExpectMessageStart : public wxExpectModalBase<MessageDialog, ExpectMessageStart> {
 public:
  explicit ExpectMessageStart(std::string start) : start_(std::move(start)) {}

 protected:
  int OnInvoked(MessageDialog* dialog) const override {
    EXPECT_EQ(dialog->text().substr(0, start_.size()), start_);
    EXPECT_EQ(fromWx(dialog->GetTitle()), "MsgBox");
    return wxID_OK;
  }
  wxString GetDefaultDescription() const override { return "message box: " + toWx(start_); }

 private:
  std::string start_;
};

std::string label(wxWindow& dialog, int id) { return fromWx(dialog.FindWindow(id)->GetLabel()); }
std::string field(wxWindow& dialog, int id) {
  return fromWx(controlOf<wxTextCtrl>(dialog, id)->GetValue());
}
std::string selected(wxWindow& dialog, int id) {
  return fromWx(controlOf<wxChoice>(dialog, id)->GetStringSelection());
}

// ---------------------------------------------------------------------------
// OptionDlg on its own

TEST(SettingsDialog, ShowsTheSettings) {
  Settings s;
  s.referenceHeightText = "250,5";
  s.eastingColumn = 0;
  s.northingColumn = 8;
  s.delimiter = ';';
  s.language = "Deutsch";
  s.regionMask = REGION_AUSTRIA | REGION_SWITZERLAND | REGION_UTM_SOUTH_41_60;
  OptionDlg dialog(nullptr);
  dialog.SetData(s, "Vienna");
  EXPECT_EQ(dialog.GetDefaultItem()->GetId(), wxID_OK);  // Enter takes the settings
  EXPECT_EQ(field(dialog, OptionDlg::ID_WXEDIT1), "250,5");
  EXPECT_EQ(selected(dialog, OptionDlg::ID_WXCHOICE1), "1");
  EXPECT_EQ(selected(dialog, OptionDlg::ID_WXCHOICE2), "9");
  EXPECT_EQ(selected(dialog, OptionDlg::ID_WXCHOICE3), ";");
  EXPECT_EQ(selected(dialog, OptionDlg::ID_WXCHOICE4), "Deutsch");
  EXPECT_EQ(field(dialog, OptionDlg::ID_WXEDIT2), "Vienna");
  EXPECT_FALSE(controlOf<wxTextCtrl>(dialog, OptionDlg::ID_WXEDIT2)->IsEditable());  // display only
  // one box per bit: Austria 1049, Switzerland 1051, UTM 41-60 south 1047
  for (int id = 1042; id <= 1052; ++id) {
    if (id == OptionDlg::ID_WXSTATICBOX2) continue;
    const bool expected = id == 1049 || id == 1051 || id == 1047;
    EXPECT_EQ(controlOf<wxCheckBox>(dialog, id)->GetValue(), expected) << id;
  }
  EXPECT_EQ(label(dialog, 1051), "Switzerland/Liechtenst.");
  EXPECT_EQ(label(dialog, 1042), "UTM  1-20");
  EXPECT_EQ(fromWx(dialog.GetTitle()), "Einstellungen");
  EXPECT_EQ(label(dialog, OptionDlg::ID_WXSTATICTEXT1), "Bezugshoehe:");
  EXPECT_EQ(label(dialog, OptionDlg::ID_WXSTATICBOX1), "Koordinatensysteme");
  EXPECT_EQ(fromWx(dialog.FindWindow(OptionDlg::ID_WXEDIT2)->GetToolTipText()),
            "Aktueller User-Parametersatz");

  dialog.GetData();
  EXPECT_EQ(dialog.values().referenceHeightText, "250.5");
  EXPECT_EQ(dialog.values().eastingColumn, 0);
  EXPECT_EQ(dialog.values().northingColumn, 8);
  EXPECT_EQ(dialog.values().delimiter, ';');
  EXPECT_EQ(dialog.values().regionMask, s.regionMask);
  EXPECT_FALSE(dialog.languageChanged());
}

TEST(SettingsDialog, ValuesOutsideTheListsLeaveThemWithoutSelection) {
  Settings s;
  s.eastingColumn = 9;  // column 10
  s.northingColumn = -1;
  s.delimiter = '\t';
  s.language = "English ";
  OptionDlg dialog(nullptr);
  dialog.SetData(s, "");
  dialog.GetData();
  EXPECT_EQ(dialog.values().eastingColumn, -1);
  EXPECT_EQ(dialog.values().northingColumn, -1);
  EXPECT_EQ(dialog.values().delimiter, '\0');
  EXPECT_EQ(dialog.values().language, "");
  EXPECT_EQ(fromWx(dialog.GetTitle()), "");  // a name that is no language: empty texts
}

// ---------------------------------------------------------------------------
// Settings from the main window

class SettingsWindowTest : public MainWindowTest {
 protected:
  void openSettings() { menu(1046); }
  std::vector<std::string> optionsFileLines() { return fileLines(dir_.read("kortavex.cfg")); }
};

TEST_F(SettingsWindowTest, DecimalCommaHeightIsTakenAndWrittenAsTyped) {
  start();
  wxTEST_DIALOG(openSettings(), wxExpectModal<OptionDlg>()
                                    .showing(OptionDlg::ID_WXEDIT1, "300")
                                    .typing(OptionDlg::ID_WXEDIT1, "250,5"));
  EXPECT_EQ(frame_->settings().referenceHeight, 250.5);
  EXPECT_EQ(frame_->settings().referenceHeightText, "250.5");
  EXPECT_EQ(optionsFileLines(), (std::vector<std::string>{"kortavex_options_v45", "250,5", "2",
                                                          "3", " ", "", "English", "1023"}));
}

TEST_F(SettingsWindowTest, LanguageSwitchesTheDialogAtOnceAndTheWindowOnOk) {
  start();
  const auto pickGerman = wxExpectModal<OptionDlg>()
                              .choosing(OptionDlg::ID_WXCHOICE4, "Deutsch")
                              .doing([](OptionDlg& d) {
                                EXPECT_EQ(fromWx(d.GetTitle()), "Einstellungen");
                                EXPECT_EQ(label(d, OptionDlg::ID_WXSTATICTEXT8), "Sprache:");
                                EXPECT_TRUE(d.languageChanged());
                              });
  wxTEST_DIALOG(openSettings(), pickGerman.answering(wxID_CANCEL));
  EXPECT_EQ(fromWx(w().pointButton()->GetLabel()), "Point");
  EXPECT_EQ(frame_->settings().language, "English");
  EXPECT_FALSE(dir_.exists("kortavex.cfg"));

  wxTEST_DIALOG(openSettings(), pickGerman);
  EXPECT_EQ(fromWx(w().pointButton()->GetLabel()), "Punkt");
  EXPECT_EQ(fromWx(w().menuBar()->GetMenuLabel(0)), "&Datei");
  EXPECT_EQ(frame_->settings().language, "Deutsch");
  EXPECT_EQ(optionsFileLines().at(6), "Deutsch");
}

TEST_F(SettingsWindowTest, FlagButtonOpensTheSettingsToo) {
  start();
  wxTEST_DIALOG(click(w().flagButton()), wxExpectModal<OptionDlg>().answering(wxID_CANCEL));
}

TEST_F(SettingsWindowTest, RegionsRebuildTheListsBeforeTheChecks) {
  start();
  ASSERT_NE(w().startList()->FindString("GK-AUT_M34"), wxNOT_FOUND);
  wxTEST_DIALOG(openSettings(),
                wxExpectModal<OptionDlg>()
                    .ticking(OptionDlg::ID_WXCHECKBOX7, false)  // Austria
                    .typing(OptionDlg::ID_WXEDIT1, "high"),
                ExpectMessage("Please enter a number!!"),
                wxExpectModal<OptionDlg>().answering(wxID_CANCEL));
  EXPECT_EQ(w().startList()->FindString("GK-AUT_M34"), wxNOT_FOUND);
  EXPECT_EQ(w().targetList()->FindString("GK-AUT_M34"), wxNOT_FOUND);
  EXPECT_EQ(frame_->settings().regionMask, REGION_ALL - REGION_AUSTRIA);
  EXPECT_EQ(frame_->settings().referenceHeight, 300);  // the height in use stays a number
  EXPECT_FALSE(dir_.exists("kortavex.cfg"));
}

TEST_F(SettingsWindowTest, EqualColumnsAreAskedAgainAndExitWritesNothing) {
  const std::string german = optionsFile("Deutsch", 2, 3, ' ', 1023);
  dir_.write("kortavex.cfg", german);
  start();
  wxTEST_DIALOG(openSettings(),
                wxExpectModal<OptionDlg>().choosing(OptionDlg::ID_WXCHOICE2, "2"),
                ExpectMessage("Spaltennummern gleich !!"),
                wxExpectModal<OptionDlg>().answering(wxID_CANCEL));
  EXPECT_EQ(dir_.read("kortavex.cfg"), german);

  // corrected in the re-shown dialog: everything shown there is taken over and written
  wxTEST_DIALOG(openSettings(),
                wxExpectModal<OptionDlg>().choosing(OptionDlg::ID_WXCHOICE2, "2"),
                ExpectMessage("Spaltennummern gleich !!"),
                wxExpectModal<OptionDlg>()
                    .choosing(OptionDlg::ID_WXCHOICE2, "5")
                    .choosing(OptionDlg::ID_WXCHOICE3, ";")
                    .typing(OptionDlg::ID_WXEDIT1, "12"));
  EXPECT_EQ(frame_->settings().northingColumn, 4);
  EXPECT_EQ(frame_->settings().delimiter, ';');
  EXPECT_EQ(frame_->settings().referenceHeight, 12);
  EXPECT_EQ(optionsFileLines(), (std::vector<std::string>{"kortavex_options_v45", "12", "2", "5",
                                                          ";", "", "Deutsch", "1023"}));
}

TEST_F(SettingsWindowTest, FailedWriteIsReportedAndTheOldFileSurvives) {
  const std::string old = optionsFile("English", 2, 3, ' ', 1023);
  dir_.write("kortavex.cfg", old);
  start();
  {
    FileSizeLimit limit(20);  // the file needs about sixty bytes
    wxTEST_DIALOG(openSettings(),
                  wxExpectModal<OptionDlg>().typing(OptionDlg::ID_WXEDIT1, "500"),
                  ExpectMessageStart("Settings not saved!\nkortavex.cfg: "));
  }
  EXPECT_EQ(dir_.read("kortavex.cfg"), old);
  EXPECT_EQ(dir_.entries(), std::vector<std::string>{"kortavex.cfg"});  // no temporary left
  EXPECT_EQ(frame_->settings().referenceHeight, 500);  // in effect for this run
}

TEST_F(SettingsWindowTest, FailedWriteMessageNamesTheFile) {
  start();
  std::filesystem::create_directory(dir_.file("kortavex.cfg"));  // in the way of the file
  wxTEST_DIALOG(openSettings(), wxExpectModal<OptionDlg>(),
                ExpectMessageStart("Settings not saved!\nkortavex.cfg: "));
}

// ---------------------------------------------------------------------------
// Parameter on its own

class ParameterDialogTest : public MainWindowTest {
 protected:
  void SetUp() override {
    MainWindowTest::SetUp();
    dialog_ = new Parameter(nullptr);
    dialog_->SetLanguage("English");
  }
  void TearDown() override {
    dialog_->Destroy();
    MainWindowTest::TearDown();
  }
  void type(int id, const std::string& text) {
    controlOf<wxTextCtrl>(*dialog_, id)->SetValue(toWx(text));
  }
  std::string value(int id) { return field(*dialog_, id); }
  void clickButton(int id) {
    wxCommandEvent event(wxEVT_BUTTON, id);
    event.SetEventObject(dialog_->FindWindow(id));
    dialog_->FindWindow(id)->GetEventHandler()->ProcessEvent(event);
  }

  Parameter* dialog_ = nullptr;
};

TEST_F(ParameterDialogTest, FreshDialogAndTexts) {
  EXPECT_EQ(value(Parameter::ID_WXEDIT1), "");
  EXPECT_EQ(value(Parameter::ID_WXEDIT10), "0");
  EXPECT_EQ(value(Parameter::ID_WXEDIT14), "0");
  EXPECT_EQ(selected(*dialog_, Parameter::ID_WXCHOICE1), "Bessel 1841");
  EXPECT_EQ(selected(*dialog_, Parameter::ID_WXCHOICE2), "nothing (geographic)");
  EXPECT_EQ(fromWx(dialog_->GetTitle()), "Parameter-Settings");
  dialog_->SetLanguage("Deutsch");
  EXPECT_EQ(selected(*dialog_, Parameter::ID_WXCHOICE2), "keine (geografisch)");
  EXPECT_EQ(label(*dialog_, Parameter::ID_LOESCHBUTTON), "L\xF6schen");
  EXPECT_EQ(label(*dialog_, Parameter::ID_WXSTATICBOX1), "Parameter f\xFCr Kegelprojektion");
  EXPECT_EQ(label(*dialog_, Parameter::ID_WXSTATICTEXT4), "M");
}

TEST_F(ParameterDialogTest, SaveWritesPointsAndReportsSuccess) {
  type(Parameter::ID_WXEDIT11, "Vienna");
  type(Parameter::ID_WXEDIT1, "12,5");
  wxTEST_DIALOG(clickButton(Parameter::ID_WXBUTTON3), ExpectMessage("Parameterfile saved!"));
  const std::vector<std::string> lines = fileLines(dir_.read("Vienna.gtp"));
  ASSERT_EQ(lines.size(), 17u);
  EXPECT_EQ(lines[0], "kortavex_parameter_v4");
  EXPECT_EQ(lines[1], "Vienna");
  EXPECT_EQ(lines[2], "12.5");
  EXPECT_EQ(lines[10], "nothing (geographic)");
}

TEST_F(ParameterDialogTest, FailedSaveIsNeverReportedAsSaved) {
  // a name that is no file name of the working directory
  type(Parameter::ID_WXEDIT11, "no/such");
  wxTEST_DIALOG(clickButton(Parameter::ID_WXBUTTON3),
                ExpectMessage("Parameterfile not saved!\nno/such: not a file name"));

  // a full disk: the old file stays as it was
  dir_.write("Vienna.gtp", "kortavex_parameter_v4\r\nVienna\r\n");
  type(Parameter::ID_WXEDIT11, "Vienna");
  {
    FileSizeLimit limit(40);
    wxTEST_DIALOG(clickButton(Parameter::ID_WXBUTTON3),
                  ExpectMessageStart("Parameterfile not saved!\nVienna.gtp: "));
  }
  EXPECT_EQ(dir_.read("Vienna.gtp"), "kortavex_parameter_v4\r\nVienna\r\n");
  EXPECT_EQ(dir_.entries(), std::vector<std::string>{"Vienna.gtp"});
}

TEST_F(ParameterDialogTest, LoadEarlierFormWrittenByAnotherEditor) {
  // blanks after an item, an item in UTF-8 and a decimal comma, as other editors leave them
  dir_.write("old.gtp",
             "kortavex_parameter_v3\r\nOld\r\n1\r\n2\r\n3\r\n4\r\n5\r\n6\r\n1,000005\r\n"
             "WGS84 \r\nGauss/Kr\xC3\xBCger\r\n13,3333\r\n500000\r\n0\r\n");
  dialog_->SetData([] {
    UserParameterSet set;
    set.system.ellipsoid = 2;
    set.texts[PARAM_LATITUDE_OF_ORIGIN] = "47.5";
    return set;
  }());
  wxTEST_DIALOG(clickButton(Parameter::ID_WXBUTTON4), ExpectFileChoice(dir_.file("old.gtp")));
  EXPECT_EQ(value(Parameter::ID_WXEDIT11), "Old");
  EXPECT_EQ(value(Parameter::ID_WXEDIT1), "1");
  EXPECT_EQ(value(Parameter::ID_WXEDIT7), "4");  // rx follows dz in the file
  EXPECT_EQ(value(Parameter::ID_WXEDIT4), "1,000005");
  EXPECT_EQ(value(Parameter::ID_WXEDIT10), "13,3333");
  EXPECT_EQ(value(Parameter::ID_WXEDIT5), "500000");
  EXPECT_EQ(selected(*dialog_, Parameter::ID_WXCHOICE1), "WGS84");
  EXPECT_EQ(selected(*dialog_, Parameter::ID_WXCHOICE2), "Gauss/Kr\xFCger");
  EXPECT_EQ(value(Parameter::ID_WXEDIT12), "");  // the earlier form has no Lambert lines
}

TEST_F(ParameterDialogTest, LoadReportsAnItemThatNamesNothingAndLoadsNothing) {
  dir_.write("odd.gtp",
             "kortavex_parameter_v3\r\nOdd\r\n1\r\n2\r\n3\r\n4\r\n5\r\n6\r\n1.000005\r\n"
             "Hayford\r\nUTM\r\n15\r\n500000\r\n0\r\n");
  type(Parameter::ID_WXEDIT1, "7");
  wxTEST_DIALOG(clickButton(Parameter::ID_WXBUTTON4), ExpectFileChoice(dir_.file("odd.gtp")),
                ExpectMessage("Faulty parameter file, the parameter set is not used:\n" +
                              dir_.file("odd.gtp") + ", line 10: Hayford"));
  EXPECT_EQ(value(Parameter::ID_WXEDIT1), "7");
  EXPECT_EQ(value(Parameter::ID_WXEDIT11), "");
}

TEST_F(ParameterDialogTest, LoadRefusesAFileWithoutTheHeader) {
  dir_.write("bad.gtp", "something else\r\nBad\r\n9\r\n");
  type(Parameter::ID_WXEDIT1, "7");
  wxTEST_DIALOG(clickButton(Parameter::ID_WXBUTTON4),
                ExpectFileChoice(dir_.file("bad.gtp")),
                ExpectMessage("Not a valid parameterfile!!"));
  EXPECT_EQ(value(Parameter::ID_WXEDIT1), "7");
  EXPECT_EQ(value(Parameter::ID_WXEDIT11), "");
}

// Delete asks first, naming the file: "No" leaves the form and the file.
TEST_F(ParameterDialogTest, DeleteAsksFirstAndNoKeepsFormAndFile) {
  dir_.write("Vienna.gtp", "kortavex_parameter_v4\r\n");
  type(Parameter::ID_WXEDIT11, "Vienna");
  type(Parameter::ID_WXEDIT1, "12");
  for (int answer : {wxID_NO, wxID_YES}) {
    wxTEST_DIALOG(clickButton(Parameter::ID_LOESCHBUTTON),
                  ExpectMessage("Vienna.gtp\nWould You delete also the file?", "Message box", answer));
    const bool deleted = answer == wxID_YES;
    EXPECT_EQ(value(Parameter::ID_WXEDIT11), deleted ? "" : "Vienna");
    EXPECT_EQ(value(Parameter::ID_WXEDIT1), deleted ? "0" : "12");
    EXPECT_EQ(dir_.exists("Vienna.gtp"), !deleted);
  }
}

// A working directory with letters of German, Czech and Polish, and a set
// name with German ones: the file on disk has the name in UTF-8, as the Load
// dialog lists it; inside the file the name is Windows-1252.
TEST_F(ParameterDialogTest, SaveLoadAndDeleteInAFolderOfFourLanguages) {
  const std::string folder = dir_.file("S\xC3\xA4tze \xC3\x9F \xC5\x99 \xC5\x82");
  std::filesystem::create_directory(folder);
  ASSERT_EQ(chdir(folder.c_str()), 0);
  const std::string fileName = "S\xC3\xBC\xC3\x9F.gtp";
  dialog_->SetData(UserParameterSet());
  type(Parameter::ID_WXEDIT11, "S\xFC\xDF");
  type(Parameter::ID_WXEDIT1, "7");
  wxTEST_DIALOG(clickButton(Parameter::ID_WXBUTTON3), ExpectMessage("Parameterfile saved!"));
  ASSERT_EQ(fileLines(dir_.read(folder.substr(dir_.path().size() + 1) + "/" + fileName)).at(1), "S\xFC\xDF");

  type(Parameter::ID_WXEDIT11, "");
  type(Parameter::ID_WXEDIT1, "0");
  wxTEST_DIALOG(clickButton(Parameter::ID_WXBUTTON4), ExpectFileChoice(folder + "/" + fileName));
  EXPECT_EQ(value(Parameter::ID_WXEDIT11), "S\xFC\xDF");
  EXPECT_EQ(value(Parameter::ID_WXEDIT1), "7");

  wxTEST_DIALOG(clickButton(Parameter::ID_LOESCHBUTTON),
                ExpectMessage("S\xFC\xDF.gtp\nWould You delete also the file?", "Message box", wxID_YES));
  EXPECT_TRUE(std::filesystem::is_empty(folder));
}

// A name with a letter Windows-1252 lacks cannot stay the set's name in the
// files: Save and Delete refuse it and leave everything as it was.
TEST_F(ParameterDialogTest, ANameBeyondWindows1252IsRefused) {
  const std::string message =
      "The name of the parameter set may hold only characters of the character set Windows-1252 "
      "(Western European)!";
  controlOf<wxTextCtrl>(*dialog_, Parameter::ID_WXEDIT11)->SetValue(wxString::FromUTF8("\xC5\x81\xC3\xB3" "d\xC5\xBA"));
  type(Parameter::ID_WXEDIT1, "7");
  wxTEST_DIALOG(clickButton(Parameter::ID_WXBUTTON3), ExpectMessage(message));
  wxTEST_DIALOG(clickButton(Parameter::ID_LOESCHBUTTON), ExpectMessage(message));
  EXPECT_EQ(value(Parameter::ID_WXEDIT1), "7");
  EXPECT_EQ(controlOf<wxTextCtrl>(*dialog_, Parameter::ID_WXEDIT11)->GetValue().utf8_string(),
            "\xC5\x81\xC3\xB3" "d\xC5\xBA");
  EXPECT_TRUE(dir_.entries().empty());
}

// ---------------------------------------------------------------------------
// Parameter set from the main window

using ParameterWindowTest = SettingsWindowTest;

TEST_F(ParameterWindowTest, ConfirmedSetIsUsedAtOnceButWrittenNowhere) {
  start();
  wxTEST_DIALOG(menu(1059), wxExpectModal<Parameter>()
                                .showing(Parameter::ID_WXEDIT4, "1")
                                .typing(Parameter::ID_WXEDIT1, "12,5")
                                .typing(Parameter::ID_WXEDIT11, "Vienna")
                                .typing(Parameter::ID_WXEDIT12, "90")  // origin at the apex
                                .typing(Parameter::ID_WXEDIT13, "49")
                                .typing(Parameter::ID_WXEDIT14, "46")
                                .choosing(Parameter::ID_WXCHOICE2, "Lambert"));
  EXPECT_EQ(frame_->parameterSet().system.dx, 12.5);
  EXPECT_EQ(frame_->parameterSet().system.latitudeOfOrigin, 90);
  EXPECT_EQ(frame_->parameterSet().texts[PARAM_DX], "12.5");
  EXPECT_EQ(frame_->parameterSet().system.projection, 3);
  EXPECT_EQ(frame_->parameterSet().name, "Vienna");
  EXPECT_TRUE(dir_.entries().empty());

  // the name reaches the options file with the next confirmed settings
  wxTEST_DIALOG(openSettings(),
                wxExpectModal<OptionDlg>().showing(OptionDlg::ID_WXEDIT2, "Vienna"));
  EXPECT_EQ(optionsFileLines().at(5), "Vienna");
}

// A scale in ppm where the factor belongs, or a Lambert cone without
// parallels, gives results that mean nothing: the dialog is shown again at
// the field to mend.
TEST_F(ParameterWindowTest, AnUnusableNumberShowsTheDialogAgainAtItsField) {
  start();
  const auto focusOn = [](int id) {
    return [id](Parameter& d) { EXPECT_EQ(wxWindow::FindFocus(), d.FindWindow(id)); };
  };
  wxTEST_DIALOG(menu(1059),
                wxExpectModal<Parameter>().typing(Parameter::ID_WXEDIT4, "4.2").typing(Parameter::ID_WXEDIT1, "7"),
                ExpectMessage("Please enter a number!!"),
                wxExpectModal<Parameter>()
                    .doing(focusOn(Parameter::ID_WXEDIT4))
                    .typing(Parameter::ID_WXEDIT4, "1,000001")
                    .choosing(Parameter::ID_WXCHOICE2, "Lambert"),
                ExpectMessage("Please enter a number!!"),
                wxExpectModal<Parameter>().doing(focusOn(Parameter::ID_WXEDIT14)).answering(wxID_CANCEL));
  EXPECT_EQ(frame_->parameterSet().system.dx, 0);  // nothing taken over
  EXPECT_EQ(frame_->parameterSet().system.scale, 1);
}

TEST_F(ParameterWindowTest, AFaultyParameterFileIsReportedAtStartAndItsSetRefused) {
  dir_.write("kortavex.cfg", "kortavex_options_v45\r\n300\r\n2\r\n3\r\n \r\nmine\r\nEnglish\r\n1023\r\n");
  dir_.write("mine.gtp", "kortavex_parameter_v4\r\nmine\r\n");
  const std::string message =
      "Faulty parameter file, the parameter set is not used:\nmine.gtp, line 3: ";
  wxTEST_DIALOG(start(), ExpectMessage(message));
  choosePair("WGS84", "User");
  w().input()->SetValue("48 16\n");
  wxTEST_DIALOG(click(w().convertButton()), ExpectMessage(message));
  EXPECT_EQ(text(w().output()), "");
}

// A set whose file is missing starts cleared without a word; "User" is
// refused, naming the file, until a set is confirmed.
TEST_F(ParameterWindowTest, AMissingParameterFileRefusesUserUntilASetIsConfirmed) {
  dir_.write("kortavex.cfg", "kortavex_options_v45\r\n300\r\n2\r\n3\r\n \r\nmine\r\nEnglish\r\n1023\r\n");
  start();
  EXPECT_EQ(frame_->parameterSet().name, "");
  choosePair("WGS84", "User");
  w().input()->SetValue("48 16\n");
  wxTEST_DIALOG(click(w().convertButton()),
                ExpectMessage("Parameter file not found, the parameter set is not used:\nmine.gtp"));
  EXPECT_EQ(text(w().output()), "");
  wxTEST_DIALOG(menu(1059), wxExpectModal<Parameter>().typing(Parameter::ID_WXEDIT11, "new"));
  click(w().convertButton());
  EXPECT_NE(text(w().output()), "");
}

TEST_F(ParameterWindowTest, ANameBeyondWindows1252IsNotConfirmed) {
  start();
  const auto typeName = [](Parameter& d) {
    controlOf<wxTextCtrl>(d, Parameter::ID_WXEDIT11)->SetValue(wxString::FromUTF8("Gda\xC5\x84sk"));
  };
  wxTEST_DIALOG(menu(1059), wxExpectModal<Parameter>().doing(typeName).typing(Parameter::ID_WXEDIT1, "7"),
                ExpectMessage("The name of the parameter set may hold only characters of the character "
                              "set Windows-1252 (Western European)!"),
                wxExpectModal<Parameter>().typing(Parameter::ID_WXEDIT11, "Gdansk"));
  EXPECT_EQ(frame_->parameterSet().name, "Gdansk");
  EXPECT_EQ(frame_->parameterSet().system.dx, 7);
}

// The options file names the set in Windows-1252; the window finds its file
// under the UTF-8 name in a working directory of any name.
TEST_F(ParameterWindowTest, StartUpFindsTheSetUnderItsUtf8Name) {
  const std::string folder = dir_.file("\xC5\x82\xC3\xA4");
  std::filesystem::create_directory(folder);
  ASSERT_EQ(chdir(folder.c_str()), 0);
  std::ofstream(folder + "/kortavex.cfg", std::ios::binary)
      << "kortavex_options_v45\r\n300\r\n2\r\n3\r\n \r\nS\xFC\xDF\r\nEnglish\r\n1023\r\n";
  std::ofstream(folder + "/S\xC3\xBC\xC3\x9F.gtp", std::ios::binary)
      << "kortavex_parameter_v4\r\nS\xFC\xDF\r\n1\r\n2\r\n3\r\n0\r\n0\r\n0\r\n1\r\nGRS80\r\nUTM\r\n"
         "15\r\n500000\r\n0\r\n0\r\n0\r\n0\r\n";
  start();
  EXPECT_EQ(frame_->parameterSet().name, "S\xFC\xDF");
  EXPECT_TRUE(frame_->parameterSet().usable());
  EXPECT_EQ(frame_->parameterSet().system.dz, 3);
}

TEST_F(ParameterWindowTest, ExitAfterDeleteKeepsTheSet) {
  start();
  wxTEST_DIALOG(menu(1059), wxExpectModal<Parameter>().typing(Parameter::ID_WXEDIT11, "Kept"));
  wxTEST_DIALOG(menu(1059),
                wxExpectModal<Parameter>()
                    .showing(Parameter::ID_WXEDIT11, "Kept")
                    .clicking(Parameter::ID_LOESCHBUTTON)
                    .showing(Parameter::ID_WXEDIT11, "Kept")
                    .answering(wxID_CANCEL),
                ExpectMessage("Kept.gtp\nWould You delete also the file?", "Message box", wxID_NO));
  EXPECT_EQ(frame_->parameterSet().name, "Kept");
}

}  // namespace
