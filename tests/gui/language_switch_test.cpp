// Every window in every language: each control of the window's text table
// shows its texts, at start and after a change of language, and after a
// change no control, menu, list item, status field or dialog keeps a text
// that only the language before has.
#include <algorithm>
#include <functional>
#include <set>
#include <string>
#include <vector>

#include <wx/filedlg.h>

#include "dialog_expectations.h"
#include "lang/input_dialog_texts.h"
#include "lang/main_texts.h"
#include "lang/settings_dialog_texts.h"
#include "main_window_fixture.h"

using namespace kortavex;

namespace {

// A text as the user reads it: where the window wraps a label to its width,
// the lines run on.
std::string runOn(std::string text) {
  std::replace(text.begin(), text.end(), '\n', ' ');
  return text;
}
std::string runOn(const wxString& text) { return runOn(fromWx(text)); }

template <class Texts>
Texts textsIn(const TextRows<Texts>& rows, const std::string& language) {
  Texts texts;
  EXPECT_TRUE(fillTexts(texts, rows, language)) << language;
  return texts;
}

template <class Texts>
void expectTableShown(wxTopLevelWindow& window, const WindowTexts<Texts>& table,
                      const Texts& texts) {
  if (table.title) {
    EXPECT_EQ(fromWx(window.GetTitle()), texts.*table.title);
  }
  for (const ControlTexts<Texts>& row : table.controls) {
    const wxWindow* control = window.FindWindow(row.id);
    ASSERT_NE(control, nullptr) << "no control " << row.id;
    if (row.label) {
      EXPECT_EQ(runOn(control->GetLabel()), runOn(texts.*row.label)) << "label of " << row.id;
    }
    if (row.tip) {
      EXPECT_EQ(fromWx(control->GetToolTipText()), texts.*row.tip) << "tool tip of " << row.id;
    }
  }
}

// Everything a window and what it holds show as text.
void collectShownTexts(wxWindow* window, std::vector<std::string>& out) {
  out.push_back(runOn(window->GetLabel()));
  out.push_back(runOn(window->GetToolTipText()));
  if (auto* list = dynamic_cast<wxChoice*>(window))
    for (unsigned i = 0; i < list->GetCount(); ++i) out.push_back(runOn(list->GetString(i)));
  if (auto* bar = dynamic_cast<wxStatusBar*>(window))
    for (int field = 0; field < bar->GetFieldsCount(); ++field)
      out.push_back(runOn(bar->GetStatusText(field)));
  if (auto* files = dynamic_cast<wxFileDialog*>(window)) out.push_back(runOn(files->GetMessage()));
  if (auto* frame = dynamic_cast<wxFrame*>(window); frame && frame->GetMenuBar()) {
    const wxMenuBar* menus = frame->GetMenuBar();
    for (std::size_t i = 0; i < menus->GetMenuCount(); ++i) {
      out.push_back(runOn(menus->GetMenuLabel(i)));
      for (const wxMenuItem* item : menus->GetMenu(i)->GetMenuItems())
        out.push_back(runOn(item->GetItemLabel()));
    }
  }
  for (wxWindow* child : window->GetChildren()) collectShownTexts(child, out);
}

// No text shown anywhere in `window` is one that `before` has and `now` lacks.
template <class Texts>
void expectNothingLeftOf(wxWindow& window, const TextRows<Texts>& rows, const std::string& before,
                         const std::string& now) {
  const Texts old = textsIn(rows, before), current = textsIn(rows, now);
  std::set<std::string> left;
  for (const TextRow<Texts>& row : rows) left.insert(runOn(old.*row.key));
  for (const TextRow<Texts>& row : rows) left.erase(runOn(current.*row.key));
  std::vector<std::string> shown;
  collectShownTexts(&window, shown);
  for (const std::string& text : shown) EXPECT_EQ(left.count(text), 0u) << "still shown: " << text;
}

// Switches the window from Polski through the seven languages, so that
// every language follows another; `expectMore` checks what the table does not bind.
template <class Texts>
void expectEverySwitch(wxTopLevelWindow& window, const WindowTexts<Texts>& table,
                       const TextRows<Texts>& rows,
                       const std::function<void(const std::string&)>& switchTo,
                       const std::function<void(const Texts&)>& expectMore = {}) {
  std::string before = "Polski";
  switchTo(before);
  for (const char* language : kLanguageNames) {
    SCOPED_TRACE(before + " -> " + language);
    switchTo(language);
    const Texts texts = textsIn(rows, language);
    expectTableShown(window, table, texts);
    if (expectMore) expectMore(texts);
    expectNothingLeftOf(window, rows, before, language);
    before = language;
  }
}

// ---------------------------------------------------------------------------
// The main window

class MainWindowLanguageTest : public MainWindowTest {
 protected:
  // The menus show the table's texts: `title` is the member of the titles.
  // Compared without mnemonics and keys, which the window adds.
  void expectMenus(const MainTexts& texts,
                   std::string MainTexts::*kortaFrm::MenuTexts::*title) {
    const std::vector<kortaFrm::MenuTexts>& table = kortaFrm::menuTexts();
    const auto plain = [](const wxString& label) { return fromWx(wxMenuItem::GetLabelText(label)); };
    ASSERT_EQ(w().menuBar()->GetMenuCount(), table.size());
    for (std::size_t i = 0; i < table.size(); ++i) {
      EXPECT_EQ(plain(w().menuBar()->GetMenuLabel(i)), plain(toWx(texts.*(table[i].*title)))) << "menu " << i;
      EXPECT_EQ(w().menuBar()->GetMenu(i)->GetMenuItemCount(), table[i].items.size());
      for (const auto& [id, text] : table[i].items)
        EXPECT_EQ(plain(w().menuBar()->GetLabel(id)), plain(toWx(texts.*text))) << "menu item " << id;
    }
    EXPECT_EQ(fromWx(w().statusBar()->GetStatusText(1)), texts.stsTitle);
    for (wxWindow* child : frame_->GetChildren())
      if (auto* files = dynamic_cast<wxFileDialog*>(child)) {
        EXPECT_EQ(fromWx(files->GetMessage()), texts.dlgChooseFile);
      }
  }
};

TEST_F(MainWindowLanguageTest, EachControlShowsItsTextsFromTheStart) {
  for (const char* language : kLanguageNames) {
    SCOPED_TRACE(language);
    restartIn(language);
    const MainTexts texts = textsIn(mainTextRows(), language);
    expectTableShown(*frame_, frame_->textTable(), texts);
    expectMenus(texts, &kortaFrm::MenuTexts::title);
  }
}

TEST_F(MainWindowLanguageTest, EverySwitchChangesEveryTextOfTheTable) {
  start();
  expectEverySwitch<MainTexts>(
      *frame_, frame_->textTable(), mainTextRows(),
      [this](const std::string& language) {
        frame_->langset(language);
        frame_->langchange(language);
      },
      [this](const MainTexts& texts) { expectMenus(texts, &kortaFrm::MenuTexts::laterTitle); });
}

// ---------------------------------------------------------------------------
// The dialogs, each switched as its handler or its language list does

TEST(DialogLanguages, SettingsDialogSwitchesWithItsLanguageList) {
  OptionDlg dialog(nullptr);
  Settings settings;
  settings.language = "Polski";
  dialog.SetData(settings, "Vienna");
  const auto pick = [&dialog](const std::string& language) {
    // a list entry picked, as a click does
    wxChoice* list = controlOf<wxChoice>(dialog, OptionDlg::ID_WXCHOICE4);
    ASSERT_TRUE(list->SetStringSelection(language));
    wxCommandEvent event(wxEVT_CHOICE, OptionDlg::ID_WXCHOICE4);
    event.SetEventObject(list);
    list->GetEventHandler()->ProcessEvent(event);
  };
  expectEverySwitch<OptionTexts>(dialog, OptionDlg::textTable(), optionTextRows(), pick);
}

TEST(DialogLanguages, ParameterSetDialog) {
  Parameter dialog(nullptr);
  expectEverySwitch<ParameterTexts>(
      dialog, Parameter::textTable(), parameterTextRows(),
      [&dialog](const std::string& language) { dialog.SetLanguage(language); },
      [&dialog](const ParameterTexts& texts) {
        EXPECT_EQ(fromWx(controlOf<wxChoice>(dialog, Parameter::ID_WXCHOICE2)->GetString(0)),
                  texts.parNoProjection);
      });
}

template <class Dialog, class Texts>
void expectInputDialogSwitches(const TextRows<Texts>& rows,
                               const std::function<void(Dialog&, const Texts&)>& expectMore = {}) {
  Dialog dialog(nullptr);
  expectEverySwitch<Texts>(
      dialog, Dialog::textTable(), rows,
      [&dialog](const std::string& language) { dialog.SetLanguage(language); },
      [&](const Texts& texts) {
        if (expectMore) expectMore(dialog, texts);
      });
}

TEST(DialogLanguages, InputDialogs) {
  expectInputDialogSwitches<EingabeDlg1>(projectedInputTextRows());
  expectInputDialogSwitches<EingabeDlg2>(geographicInputTextRows());
  expectInputDialogSwitches<EingabeDlg3>(dmsInputTextRows());
  expectInputDialogSwitches<EingabeDlgUTM, UtmInputTexts>(
      utmInputTextRows(), [](EingabeDlgUTM& dialog, const UtmInputTexts& texts) {
        EXPECT_EQ(fromWx(dialog.FindWindow(EingabeDlgUTM::ID_WXEDIT4)->GetToolTipText()),
                  texts.tipExamplePrefix + kMgrsExample);
      });
}

}  // namespace
