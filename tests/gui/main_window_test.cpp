// Start-up, language switch and the information windows of the main window.
#include <dlfcn.h>

#include <set>
#include <tuple>
#include <vector>

#include <wx/weakref.h>

#include "gui/help_dialog.h"
#include "lang/help_texts.h"
#include "main_window_fixture.h"

using namespace kortavex;

namespace {

using MainWindowStartTest = MainWindowTest;

TEST_F(MainWindowStartTest, WithoutOptionsFileIsEnglishWithBothListsAndNothingChosen) {
  start();
  EXPECT_EQ(fromWx(frame_->GetTitle()), "kortavex");
  EXPECT_EQ(frame_->settings().language, "English");
  EXPECT_EQ(fromWx(w().inputSystemLabel()->GetLabel()), "Inputsystem");
  EXPECT_EQ(fromWx(w().outputSystemLabel()->GetLabel()), "Outputsystem");
  EXPECT_EQ(fromWx(w().statusBar()->GetStatusText(0)), "kortavex.exe");
  EXPECT_EQ(fromWx(w().statusBar()->GetStatusText(1)), "Coordinate transformation");
  EXPECT_EQ(fromWx(w().menuBar()->GetMenuLabel(0)), "&File");
  EXPECT_EQ(fromWx(w().menuBar()->GetMenuLabel(3)), "&Help");
  // F1 opens the About box, F2 the quick info, Ctrl+Enter converts the input window.
  for (const auto& [item, key, flags] : {std::tuple<int, int, int>{1005, WXK_F1, wxACCEL_NORMAL},
                                         {1052, WXK_F2, wxACCEL_NORMAL},
                                         {1086, WXK_RETURN, wxACCEL_CTRL}}) {
    const std::unique_ptr<wxAcceleratorEntry> accel(w().menuBar()->FindItem(item)->GetAccel());
    ASSERT_TRUE(accel) << item;
    EXPECT_EQ(accel->GetKeyCode(), key);
    EXPECT_EQ(accel->GetFlags(), flags);
  }
  EXPECT_EQ(w().flagButton()->GetBitmap().GetSize(), wxSize(27, 18));  // the United Kingdom

  // Every region: the national groups and all 120 UTM zones.
  const std::vector<std::string> start = entries(w().startList());
  const std::vector<std::string> target = entries(w().targetList());
  ASSERT_GE(start.size(), 4u);
  EXPECT_EQ(std::vector<std::string>(start.begin(), start.begin() + 4),
            (std::vector<std::string>{"WGS84", "MGRS(UTMREF)", "User", "--- \xD6sterreich"}));
  EXPECT_EQ(std::vector<std::string>(target.begin(), target.begin() + 4),
            (std::vector<std::string>{"WGS84", "UTM", "MGRS(UTMREF)", "User"}));
  EXPECT_EQ(start.back(), "UTM60S");
  EXPECT_EQ(target.back(), "UTM60S");
  EXPECT_EQ(target.size(), start.size() + 3);  // "UTM" and two more separators
  EXPECT_EQ(w().startList()->GetSelection(), wxNOT_FOUND);
  EXPECT_EQ(w().targetList()->GetSelection(), wxNOT_FOUND);

  EXPECT_EQ(fromWx(w().transformationList()->GetStringSelection()), "Helmert");
  EXPECT_EQ(entries(w().transformationList()),
            (std::vector<std::string>{"Helmert", "BeTA2007", "AustrianGrid", "CHENYX06"}));
  EXPECT_FALSE(w().dmsBox()->IsChecked());
  EXPECT_FALSE(w().pointNumberBox()->IsChecked());
  EXPECT_TRUE(text(w().input()).empty());
  EXPECT_TRUE(text(w().output()).empty());
  EXPECT_EQ(w().gauge()->GetValue(), 0);
  EXPECT_EQ(w().gauge()->GetRange(), 100);
  // Nothing is written at start-up.
  EXPECT_TRUE(dir_.entries().empty());
}

// Where the controls lie and which colours they take is the desktop test's
// matter (desktop_test.cpp).
TEST_F(MainWindowStartTest, WindowIdsAndPictures) {
  start();
  EXPECT_EQ(w().startList()->GetId(), 1014);
  EXPECT_EQ(w().targetList()->GetId(), 1026);
  EXPECT_EQ(w().logoButton()->GetBitmap().GetSize(), wxSize(51, 50));
  EXPECT_TRUE(frame_->GetIcon().IsOk());
  EXPECT_EQ(frame_->GetIcon().GetWidth(), 32);
}

// A window made larger gives the room to the two text windows, half each;
// no two controls come to overlap, and the smallest size is the start's layout.
TEST_F(MainWindowStartTest, TheTextWindowsTakeTheRoomOfALargerWindow) {
  start();
  EXPECT_TRUE(frame_->HasFlag(wxRESIZE_BORDER));
  EXPECT_TRUE(frame_->HasFlag(wxMAXIMIZE_BOX));
  const wxSize smallest = frame_->GetClientSize();
  const auto rects = [this] {
    std::vector<wxRect> all;
    for (const wxWindow* control : w().input()->GetParent()->GetChildren()) all.push_back(control->GetRect());
    return all;
  };
  const std::vector<wxRect> before = rects();
  const wxRect input = w().input()->GetRect(), output = w().output()->GetRect();
  const wxRect targetList = w().targetList()->GetRect(), clearInput = w().clearInputButton()->GetRect();

  frame_->SetClientSize(smallest + wxSize(374, 256));
  processPendingEvents();
  ASSERT_EQ(frame_->GetClientSize(), smallest + wxSize(374, 256));
  EXPECT_EQ(w().input()->GetRect(), wxRect(input.x, input.y, input.width + 187, input.height + 256));
  EXPECT_EQ(w().output()->GetRect(), wxRect(output.x + 187, output.y, output.width + 187, output.height + 256));
  EXPECT_EQ(w().targetList()->GetPosition(), targetList.GetPosition() + wxPoint(374, 0));
  EXPECT_EQ(w().clearInputButton()->GetPosition(), clearInput.GetPosition() + wxPoint(0, 256));
  const std::vector<wxRect> after = rects();
  for (std::size_t i = 0; i < after.size(); ++i)
    for (std::size_t j = i + 1; j < after.size(); ++j)
      EXPECT_TRUE(before[i].Intersects(before[j]) || !after[i].Intersects(after[j])) << i << " " << j;

  frame_->SetClientSize(smallest - wxSize(100, 100));  // not below the smallest
  processPendingEvents();
  EXPECT_EQ(frame_->GetClientSize(), smallest);
  EXPECT_EQ(rects(), before);
}

// Closed and started again, the window comes back as it was left; a state
// file that is damaged or of another version gives the first start's window.
TEST_F(MainWindowStartTest, ASecondStartRemembersWhatTheFirstLeft) {
  constexpr int kFirstRecentFile = 1090;  // the File menu's first recent file
  start();
  const wxSize smallest = frame_->GetClientSize();
  choosePair("GK3_DHDN", "DHDN");
  w().transformationList()->SetSelection(1);
  dir_.write("Gr\xC3\xBC" "nde & Punkte.txt", "3520000 5540000\n");
  wxTEST_DIALOG(click(w().importButton()), ExpectFileChoice(dir_.file("Gr\xC3\xBC" "nde & Punkte.txt")));
  frame_->SetClientSize(smallest + wxSize(100, 50));
  processPendingEvents();
  const auto restart = [this] {
    frame_->Close();
    frame_ = nullptr;
    processPendingEvents();
    start();
  };
  restart();
  EXPECT_EQ(fromWx(w().startList()->GetStringSelection()), "GK3_DHDN");
  EXPECT_EQ(fromWx(w().targetList()->GetStringSelection()), "DHDN");
  EXPECT_EQ(w().transformationList()->GetSelection(), 1);
  EXPECT_EQ(frame_->GetClientSize(), smallest + wxSize(100, 50));
  wxMenuItem* recent = w().menuBar()->FindItem(kFirstRecentFile);
  ASSERT_TRUE(recent);
  EXPECT_EQ(fromWx(recent->GetItemLabel()), "&1 " + dir_.path() + "/Gr\xFCnde && Punkte.txt");
  // the recent file imports as ">> File" does
  wxCommandEvent chosen(wxEVT_MENU, kFirstRecentFile);
  frame_->ProcessWindowEvent(chosen);
  EXPECT_EQ(text(w().input()), "3520000 5540000\n");

  for (const char* damaged : {"kortavex_window_state_v2\nstart=DHDN\n", "kortavex_window_state_v1\nwidth=-3\n",
                              "kortavex_window_state_v1\nstart=DHDN\nnonsense\n",
                              "kortavex_window_state_v1\nstart=DHDN\nheights=yes\n"}) {
    stateHome_.write("kortavex/window", damaged);
    frame_->Destroy();  // without writing its state
    frame_ = nullptr;
    processPendingEvents();
    start();
    EXPECT_EQ(w().startList()->GetSelection(), wxNOT_FOUND) << damaged;
    EXPECT_EQ(frame_->GetClientSize(), smallest) << damaged;
    EXPECT_FALSE(w().menuBar()->FindItem(kFirstRecentFile)) << damaged;
  }
}

TEST_F(MainWindowStartTest, GermanOptionsFileGivesGermanTextsAndTheChosenRegions) {
  dir_.write("kortavex.cfg", optionsFile("Deutsch", 2, 3, ';', 1));
  start();
  EXPECT_EQ(fromWx(w().inputSystemLabel()->GetLabel()), "Eingabesystem");
  EXPECT_EQ(fromWx(w().fileButton()->GetLabel()), "Datei");
  EXPECT_EQ(fromWx(w().pointButton()->GetToolTipText()), "Punkt direkt umwandeln");
  // the hint breaks into two lines where it needs more room
  wxString hint = w().hint()->GetLabel();
  hint.Replace("\n", " ");
  EXPECT_EQ(fromWx(hint), "Die Werte werden mit Rechts-/Hochwert oder Phi/Lambda angegeben");
  EXPECT_LT(w().hint()->GetRect().GetRight(), w().clearOutputButton()->GetPosition().x);
  EXPECT_EQ(fromWx(w().statusBar()->GetStatusText(1)), "Koordinatentransformation");
  // The first menu keeps "&File" until the language changes.
  EXPECT_EQ(fromWx(w().menuBar()->GetMenuLabel(0)), "&File");
  EXPECT_EQ(fromWx(w().menuBar()->GetMenuLabel(3)), "&Hilfe");
  EXPECT_EQ(w().flagButton()->GetBitmap().GetSize(), wxSize(27, 16));  // Germany
  // Region mask 1: Austria only, no UTM zone.
  EXPECT_EQ(entries(w().startList()),
            (std::vector<std::string>{"WGS84", "MGRS(UTMREF)", "User", "--- \xD6sterreich",
                                      "GK-AUT_M34", "GK-AUT_M31", "GK-AUT_M28", "BMN34", "BMN31",
                                      "BMN28", "LAMB-AUT", "MGI", "-------"}));
  EXPECT_EQ(w().startList()->GetSelection(), wxNOT_FOUND);
}

TEST_F(MainWindowStartTest, LanguageSwitchChangesEveryTextAndTheFlag) {
  start();
  frame_->langset("Deutsch");
  frame_->langchange("Deutsch");
  EXPECT_EQ(fromWx(w().inputSystemLabel()->GetLabel()), "Eingabesystem");
  EXPECT_EQ(fromWx(w().clearInputButton()->GetLabel()), "Leeren");
  EXPECT_EQ(fromWx(w().clearInputButton()->GetToolTipText()), "Koordinaten-Eingabefenster leeren");
  EXPECT_EQ(fromWx(w().frameCheckButton()->GetLabel()), "Koo\nRahmen\nCheck");
  EXPECT_EQ(fromWx(w().convertButton()->GetToolTipText()), "Linkes Fenster umwandeln");
  EXPECT_EQ(fromWx(w().conversionBox()->GetToolTipText()), "Umwandlung");
  EXPECT_EQ(fromWx(w().blueLegend()->GetToolTipText()), "Punkt au\xDF" "er Koordinatenrahmen");
  EXPECT_EQ(fromWx(w().statusBar()->GetStatusText(1)), "Koordinatentransformation");
  EXPECT_EQ(fromWx(w().menuBar()->GetMenuLabel(0)), "&Datei");
  EXPECT_EQ(fromWx(w().menuBar()->GetMenuLabel(2)), "&Optionen");
  EXPECT_EQ(fromWx(w().menuBar()->GetLabel(1005)), "&\xDC" "ber ...\tF1");
  EXPECT_EQ(fromWx(w().menuBar()->GetLabel(1052)), "&Schnellinfo ...\tF2");
  EXPECT_EQ(w().flagButton()->GetBitmap().GetSize(), wxSize(27, 16));

  // A name that is none of the seven changes nothing.
  for (const char* unknown : {"deutsch", "English ", ""}) {
    frame_->langset(unknown);
    frame_->langchange(unknown);
    EXPECT_EQ(fromWx(w().inputSystemLabel()->GetLabel()), "Eingabesystem") << unknown;
    EXPECT_EQ(w().flagButton()->GetBitmap().GetSize(), wxSize(27, 16)) << unknown;
  }

  frame_->langset("Polski");
  frame_->langchange("Polski");
  EXPECT_EQ(w().flagButton()->GetBitmap().GetSize(), wxSize(27, 17));
  EXPECT_EQ(fromWx(w().menuBar()->GetLabel(1052)), "&Schnellinfo ...\tF2");
  EXPECT_EQ(fromWx(w().menuBar()->GetLabel(1046)), "&Ustawienia");

  frame_->langset("Cestina");
  frame_->langchange("Cestina");
  // the byte 0x9E of the code page is the letter z with caron
  EXPECT_EQ(w().menuBar()->GetMenuLabel(2), wxString::FromUTF8("&Mo\xC5\xBEnosti"));
}

// The letter after the label's "&", in lower case; empty without one.
wxString mnemonicOf(const wxString& label) {
  const int amp = label.BeforeFirst('\t').Find('&');
  return amp == wxNOT_FOUND ? wxString() : label.Mid(amp + 1, 1).Lower();
}

// In every language each menu title and each item of a menu can be reached
// by a letter of its own.
TEST_F(MainWindowStartTest, EveryMenuAndItemHasAMnemonicOfItsOwnInEveryLanguage) {
  start();
  for (const char* language : kLanguageNames) {
    frame_->langset(language);
    frame_->langchange(language);
    std::set<wxString> titles;
    for (std::size_t i = 0; i < w().menuBar()->GetMenuCount(); ++i) {
      titles.insert(mnemonicOf(w().menuBar()->GetMenuLabel(i)));
      EXPECT_EQ(w().menuBar()->GetMenuLabel(i).Find('\t'), wxNOT_FOUND) << "a gap in menu " << i;
      std::set<wxString> items;
      for (const wxMenuItem* item : w().menuBar()->GetMenu(i)->GetMenuItems())
        items.insert(mnemonicOf(item->GetItemLabel()));
      EXPECT_EQ(items.size(), w().menuBar()->GetMenu(i)->GetMenuItemCount()) << language << " menu " << i;
      EXPECT_FALSE(items.count("")) << language << " menu " << i;
    }
    EXPECT_EQ(titles.size(), w().menuBar()->GetMenuCount()) << language;
    EXPECT_FALSE(titles.count("")) << language;
  }
}

TEST_F(MainWindowStartTest, MessagesFollowTheLanguageAtOnce) {
  start();
  frame_->langset("Deutsch");
  frame_->langchange("Deutsch");
  wxTEST_DIALOG(click(w().convertButton()),
                ExpectMessage("Bitte zuerst Start- und Zielsystem w\xE4hlen"));
}

TEST_F(MainWindowStartTest, InformationWindowsShowTheirTexts) {
  start();
  wxTEST_DIALOG(menu(1053), ExpectMessage(historyText(), "History"));
  wxTEST_DIALOG(menu(1054), ExpectMessage(systemListText(), "Systemlist"));
  wxTEST_DIALOG(menu(1060), ExpectMessage(frameListText(), "Coordinate frames"));
  wxTEST_DIALOG(menu(1005), ExpectMessage(aboutText(), kProgramSubtitle));
  wxTEST_DIALOG(click(w().logoButton()), ExpectMessage("The World is not flat\n", kProgramSubtitle));
  wxTEST_DIALOG(menu(1052), wxExpectDismissableModal<Help>(wxID_OK).Describe("quick info"));

  // Escape closes the quick info, which has no button to press
  wxWeakRef<Help> help(new Help(frame_));
  help->SetLanguage("English");
  help->Show();
  wxKeyEvent escape(wxEVT_CHAR_HOOK);
  escape.m_keyCode = WXK_ESCAPE;
  help->GetEventHandler()->ProcessEvent(escape);
  processPendingEvents();
  EXPECT_FALSE(help);
}

TEST_F(MainWindowStartTest, QuickInfoIsGermanOnlyForDeutsch) {
  start();
  for (const char* language : {"Deutsch", "English", "Polski", "nonsense"}) {
    Help help(frame_);
    help.SetLanguage(language);
    EXPECT_EQ(fromWx(help.GetTitle()), "KurzInfo");
    auto* memo = dynamic_cast<wxTextCtrl*>(help.FindWindow(1001));
    ASSERT_NE(memo, nullptr);
    const std::string first = fromWx(memo->GetLineText(0));
    EXPECT_EQ(first, std::string(language) == "Deutsch" ? "Koordinatentransformation"
                                                        : "Coordinate transformation")
        << language;
    EXPECT_EQ(memo->GetInsertionPoint(), 0) << language;  // it opens at its start
  }
}

// The control that holds the desktop's focus (a choice list holds it in its
// button, which the toolkit does not report).
wxWindow* focusedControl(const MainWindowAccess& w) {
  const auto getFocus = reinterpret_cast<void* (*)(void*)>(dlsym(RTLD_DEFAULT, "gtk_window_get_focus"));
  const auto parentOf = reinterpret_cast<void* (*)(void*)>(dlsym(RTLD_DEFAULT, "gtk_widget_get_parent"));
  for (void* widget = getFocus(w.panel()->GetParent()->GetHandle()); widget; widget = parentOf(widget))
    for (wxWindow* c : w.panel()->GetChildren())
      if (c->GetHandle() == widget) return c;
  return nullptr;
}

TEST_F(MainWindowStartTest, TabFollowsTheReadingOrderAndVisitsEveryControlOnce) {
  start();
  // a window manager activates the window, and sets its focus, in its own time
  for (int i = 0; i < 100 && !frame_->IsActive(); ++i, wxMilliSleep(10)) processPendingEvents();
  for (int round = 0; round < 2; ++round) {  // also with the lists made anew for other regions
    if (round) frame_->systemchoice();
    std::set<wxWindow*> focusable;
    for (wxWindow* c : w().panel()->GetChildren())
      if (c->CanAcceptFocus()) focusable.insert(c);
    w().startList()->SetFocus();
    std::vector<wxWindow*> visited;
    for (std::size_t stop = 0; stop < focusable.size(); ++stop) {
      processPendingEvents();
      visited.push_back(focusedControl(w()));
      ASSERT_NE(visited.back(), nullptr) << "no focus at stop " << stop;
      visited.back()->Navigate();
    }
    // the systems, the input window, Convert, the output window, then the rest, each once
    const std::vector<wxWindow*> first = {w().startList(), w().targetList(), w().transformationList(),
                                          w().input(), w().convertButton(), w().output()};
    EXPECT_EQ(std::vector<wxWindow*>(visited.begin(), visited.begin() + first.size()), first) << round;
    EXPECT_EQ(std::set<wxWindow*>(visited.begin(), visited.end()), focusable) << round;
  }
}

// A dialog closed with `answer`, during which the desktop put the focus elsewhere.
template <class Dialog>
struct ExpectFocusMoved : wxExpectModalBase<Dialog, ExpectFocusMoved<Dialog>> {
  ExpectFocusMoved(wxWindow* to, int with) : elsewhere(to), answer(with) {}
  int OnInvoked(Dialog*) const override {
    elsewhere->SetFocus();
    return answer;
  }
  wxWindow* elsewhere;
  int answer;
};

TEST_F(MainWindowStartTest, AfterADialogTheFocusIsBackWhereTheUserWas) {
  start();
  for (int i = 0; i < 100 && !frame_->IsActive(); ++i, wxMilliSleep(10)) processPendingEvents();
  w().input()->SetFocus();
  wxTEST_DIALOG(menu(1052), ExpectFocusMoved<Help>(w().pointButton(), wxID_CANCEL));
  EXPECT_EQ(wxWindow::FindFocus(), w().input());
  w().output()->SetFocus();
  wxTEST_DIALOG(menu(1086), ExpectFocusMoved<MessageDialog>(w().pointButton(), wxID_OK));
  EXPECT_EQ(wxWindow::FindFocus(), w().output());
  wxTEST_DIALOG(click(w().importButton()), ExpectFocusMoved<wxFileDialog>(w().pointButton(), wxID_CANCEL));
  EXPECT_EQ(wxWindow::FindFocus(), w().output());
}

TEST_F(MainWindowStartTest, ClearButtonsEmptyTheirWindows) {
  start();
  w().input()->SetValue("1 2\n");
  w().output()->SetValue("3 4\n");
  click(w().clearInputButton());
  EXPECT_TRUE(text(w().input()).empty());
  EXPECT_EQ(text(w().output()), "3 4\n");
  click(w().clearOutputButton());
  EXPECT_TRUE(text(w().output()).empty());
}

TEST_F(MainWindowStartTest, ExitMenuClosesWithoutQuestionAndWritesNothing) {
  start();
  w().input()->SetValue("3500000 5500000\n");
  menu(1004);
  EXPECT_TRUE(wxTheApp->IsScheduledForDestruction(frame_));
  frame_ = nullptr;  // the close destroys it
  EXPECT_TRUE(dir_.entries().empty());
}

}  // namespace
