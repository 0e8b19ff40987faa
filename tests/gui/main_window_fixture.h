#pragma once
// A main window started in a fresh working directory, and the means to drive
// it as a user does: choose list entries, type, click, answer dialogs.

#include <unistd.h>

#include <optional>
#include <string>
#include <vector>

#include "../test_support.h"
#include "gui/file_paths.h"
#include "gui/main_window.h"
#include "gui/message_dialog.h"
#include "gui/wx_text.h"
#include "gui_test.h"
#include "main_window_access.h"

using namespace kortavex;

// The options file as the settings dialog writes it: CR LF line ends,
// columns counted from 1.
inline std::string optionsFile(const std::string& language, int eastingColumn,
                               int northingColumn, char delimiter, int regionMask) {
  std::string text;
  for (const std::string& line :
       {std::string("kortavex_options_v45"), std::string("300"), std::to_string(eastingColumn),
        std::to_string(northingColumn), std::string(1, delimiter), std::string(), language,
        std::to_string(regionMask)})
    text += line + "\r\n";
  return text;
}

// Each test gets its own working directory, where the window looks for its
// options file and writes nothing unless told.
class MainWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    char* cwd = getcwd(nullptr, 0);
    previousDirectory_ = cwd ? cwd : ".";
    free(cwd);
    ASSERT_EQ(chdir(dir_.path().c_str()), 0);
    // the window's state file of this test alone, outside its working directory
    setenv("XDG_STATE_HOME", stateHome_.path().c_str(), 1);
  }
  void TearDown() override {
    if (frame_) frame_->Destroy();
    processPendingEvents();
    ASSERT_EQ(chdir(previousDirectory_.c_str()), 0);
  }

  void start() {
    frame_ = new kortaFrm(nullptr);
    frame_->Show();
    processPendingEvents();
    controls_ = std::make_unique<MainWindowAccess>(frame_);
  }
  const MainWindowAccess& w() const { return *controls_; }
  // Starts the window anew in `language`, with every region in the lists.
  void restartIn(const char* language) {
    if (frame_) {
      frame_->Destroy();
      frame_ = nullptr;
      processPendingEvents();
    }
    dir_.write("kortavex.cfg", optionsFile(language, 1, 2, ' ', 1023));
    start();
  }

  static void click(wxWindow* control) {
    wxCommandEvent event(wxEVT_BUTTON, control->GetId());
    event.SetEventObject(control);
    control->GetEventHandler()->ProcessEvent(event);
  }
  void menu(int id) {
    wxCommandEvent event(wxEVT_MENU, id);
    frame_->GetEventHandler()->ProcessEvent(event);
  }
  // Chooses as a user does: the window hears of the choice.
  static void choose(wxChoice* list, const std::string& entry) {
    ASSERT_TRUE(list->SetStringSelection(toWx(entry))) << entry;
    wxCommandEvent chosen(wxEVT_CHOICE, list->GetId());
    chosen.SetEventObject(list);
    list->ProcessWindowEvent(chosen);
  }
  void choosePair(const std::string& start, const std::string& target) {
    choose(w().startList(), start);
    choose(w().targetList(), target);
  }
  static std::vector<std::string> entries(const wxChoice* list) {
    std::vector<std::string> items;
    for (unsigned i = 0; i < list->GetCount(); ++i) items.push_back(fromWx(list->GetString(i)));
    return items;
  }
  static std::string text(const wxTextCtrl* window) { return fromWx(window->GetValue()); }

  // The marking of line `line` of a text window ("black", "blue" or "red"),
  // from the colours of its first to its last character; "mixed" when they
  // differ.
  std::string lineColour(const wxTextCtrl* window, int line) const {
    const long begin = window->XYToPosition(0, line);
    if (begin < 0) return "no such line";
    const long length = window->GetLineLength(line);
    std::string seen;
    for (long pos = begin; pos < begin + std::max(length, 1L); ++pos) {
      wxTextAttr style;
      const_cast<wxTextCtrl*>(window)->GetStyle(pos, style);
      const std::string name = colourName(style.GetTextColour());
      if (seen.empty()) seen = name;
      else if (seen != name) return "mixed";
    }
    return seen;
  }
  std::string colourName(const wxColour& c) const {
    for (const auto& [colour, name] : {std::pair{TextColour::Black, "black"},
                                       {TextColour::Blue, "blue"}, {TextColour::Red, "red"}})
      if (c == w().markColour(colour)) return name;
    return fromWx(c.GetAsString(wxC2S_HTML_SYNTAX));
  }

  TempDirectory dir_;
  TempDirectory stateHome_;
  kortaFrm* frame_ = nullptr;
  std::unique_ptr<MainWindowAccess> controls_;

 private:
  std::string previousDirectory_;
};

// A message box whose text and caption are checked; answers with `answer`.
// Messages carry the information icon and an OK button, questions the
// question icon and Yes and No.
class ExpectMessage : public wxExpectModalBase<MessageDialog, ExpectMessage> {
 public:
  explicit ExpectMessage(std::string message, std::string caption = "MsgBox",
                         int answer = wxID_OK)
      : message_(std::move(message)), caption_(std::move(caption)), answer_(answer) {}

 protected:
  int OnInvoked(MessageDialog* dialog) const override {
    EXPECT_EQ(dialog->text(), message_);
    EXPECT_EQ(fromWx(dialog->GetTitle()), caption_);
    const bool question = answer_ != wxID_OK;
    EXPECT_EQ(dialog->style(), question ? wxYES_NO | wxICON_QUESTION : wxOK | wxICON_INFORMATION);
    // Enter answers what keeps the user's data
    const wxWindow* byEnter = dialog->GetDefaultItem();
    EXPECT_EQ(byEnter ? byEnter->GetId() : wxID_NONE, question ? wxID_NO : wxID_OK);
    return answer_;
  }
  wxString GetDefaultDescription() const override { return "message box: " + toWx(message_); }

 private:
  std::string message_, caption_;
  int answer_;
};

// A file dialog answered with `path` (file-system bytes). GTK's file chooser takes a chosen file
// only once it has read the folder, which happens in the event loop: wait
// for it, as a user sees the file selected before pressing OK.
class ExpectFileChoice : public wxExpectModalBase<wxFileDialog, ExpectFileChoice> {
 public:
  explicit ExpectFileChoice(std::string path, int answer = wxID_OK)
      : path_(std::move(path)), answer_(answer) {}
  // The dialog comes proposing the file name `name`. A copy: wxTEST_DIALOG
  // keeps each expectation alive only as a temporary bound to a reference.
  ExpectFileChoice proposing(std::string name) const {
    ExpectFileChoice proposal(*this);
    proposal.proposed_ = std::move(name);
    return proposal;
  }

 protected:
  int OnInvoked(wxFileDialog* dialog) const override {
    if (proposed_) {
      EXPECT_EQ(fileSystemPath(dialog->GetFilename()), *proposed_);
    }
    // The first choice in a folder the chooser has not shown yet only changes
    // the folder: choose again until the file is taken.
    for (int i = 0; i < 500 && chosenPath(dialog) != path_; ++i) {
      dialog->SetPath(wxPathOf(path_));
      wxMilliSleep(10);
      processPendingEvents();
    }
    EXPECT_EQ(chosenPath(dialog), path_);
    return answer_;
  }
  wxString GetDefaultDescription() const override { return "file dialog: " + wxPathOf(path_); }

 private:
  static std::string chosenPath(wxFileDialog* dialog) {
    if (!dialog->HasFlag(wxFD_MULTIPLE)) return fileSystemPath(dialog->GetPath());
    wxArrayString paths;
    dialog->GetPaths(paths);
    return paths.empty() ? std::string() : fileSystemPath(paths[0]);
  }

  std::string path_;
  int answer_;
  std::optional<std::string> proposed_;
};
