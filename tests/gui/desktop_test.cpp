// The windows as a user sees them on a desktop: every control inside its
// window, nothing overlapping or cut, every text readable on its background,
// dialogs that keep their size, message boxes that fit the screen. The test
// script runs these once more under a window manager, with a dark theme and
// with larger text.
#include <dlfcn.h>

#include <cmath>
#include <functional>
#include <string>
#include <vector>

#include <wx/display.h>
#include <wx/settings.h>
#include <wx/statbmp.h>
#include <wx/statline.h>

#include "dialog_expectations.h"
#include "gui/help_dialog.h"
#include "lang/help_texts.h"
#include "lang/question_texts.h"
#include "main_window_fixture.h"
#include "wcag_contrast.h"

using namespace kortavex;

namespace {

// A theme colour may be translucent: what shows is the blend over what lies below.
wxColour over(const wxColour& c, const wxColour& below) {
  const double a = c.Alpha() / 255.0;
  const auto mix = [a](unsigned char top, unsigned char under) {
    return static_cast<unsigned char>(std::lround(under + (top - under) * a));
  };
  return wxColour(mix(c.Red(), below.Red()), mix(c.Green(), below.Green()),
                  mix(c.Blue(), below.Blue()));
}
// The opaque background a window shows: its own over its parents'.
wxColour backgroundOf(const wxWindow* w) {
  const wxColour own = w->GetBackgroundColour();
  if (!w->GetParent() || own.Alpha() == 255) return own;
  return over(own, backgroundOf(w->GetParent()));
}

constexpr double kMinimumContrast = 4.5;

void expectReadable(const wxColour& text, const wxColour& background, const std::string& what) {
  EXPECT_GE(wcagContrast(text, background), kMinimumContrast)
      << what << ": " << text.GetAsString(wxC2S_HTML_SYNTAX) << " on "
      << background.GetAsString(wxC2S_HTML_SYNTAX);
}

// Where a control lies on the screen. (GTK's group box reports the origin of
// its inside, below its title, as its screen position.)
wxRect screenRect(const wxWindow* w) {
  return wxRect(w->GetParent()->ClientToScreen(w->GetPosition()), w->GetSize());
}

// The kind, id, label and place on the screen of a control, for the failure messages.
std::string nameOf(const wxWindow* w) {
  const wxRect r = screenRect(w);
  return fromWx(w->GetClassInfo()->GetClassName()) + " " + std::to_string(w->GetId()) + " \"" +
         fromWx(w->GetLabel()) + "\" at " + std::to_string(r.x) + "," + std::to_string(r.y) +
         " size " + std::to_string(r.width) + "x" + std::to_string(r.height);
}

// Every window under `root`.
void collect(wxWindow* root, std::vector<wxWindow*>& out) {
  for (wxWindow* child : root->GetChildren()) {
    // the status bar is the frame's, outside the client area; checked on its own
    if (child->IsTopLevel() || !child->IsShown() || dynamic_cast<wxStatusBar*>(child)) continue;
    out.push_back(child);
    collect(child, out);
  }
}
std::vector<wxWindow*> controlsOf(wxWindow* root) {
  std::vector<wxWindow*> out;
  collect(root, out);
  return out;
}

bool isBox(const wxWindow* w) { return dynamic_cast<const wxStaticBox*>(w) != nullptr; }

// The extent of a text in the font a control draws it with.
wxSize textExtent(const wxWindow* w, const wxString& text) {
  wxClientDC dc(const_cast<wxWindow*>(w));
  dc.SetFont(w->GetFont());
  return dc.GetMultiLineTextExtent(text);
}

// Lets the window manager map, place and decorate a window just shown or
// hidden, which it does in its own time: some rounds, then until the
// window's place and size stay the same.
void settle(const wxWindow* window) {
  constexpr int kLeastRounds = 8, kMostRounds = 100, kStillRounds = 3;
  wxRect last;
  for (int round = 0, still = 0; round < kMostRounds; ++round) {
    processPendingEvents();
    wxMilliSleep(5);
    const wxRect now(window->GetScreenPosition(), window->GetSize());
    still = now == last ? still + 1 : 0;
    last = now;
    if (round >= kLeastRounds && still >= kStillRounds) return;
  }
}

// Every control lies inside the client area of its window; no two controls
// overlap, and a group box holds a control whole or not at all; no text is
// cut: labels, buttons, lists and fields get at least the room their texts
// need, and a group box is wider than its title.
void expectLaidOut(wxWindow* window) {
  SCOPED_TRACE(fromWx(window->GetLabel()));
  constexpr int kFrame = 2;  // a pixel of frame on either side of a text
  const wxRect client(window->ClientToScreen(wxPoint(0, 0)), window->GetClientSize());
  const std::vector<wxWindow*> controls = controlsOf(window);
  ASSERT_FALSE(controls.empty());
  for (wxWindow* c : controls) {
    const wxRect r = screenRect(c);
    EXPECT_TRUE(client.Contains(r)) << nameOf(c) << " lies outside the client area at "
                                    << client.x << "," << client.y << " size " << client.width
                                    << "x" << client.height;
    if (auto* label = dynamic_cast<wxStaticText*>(c)) {
      const wxSize text = textExtent(c, label->GetLabelText());
      EXPECT_TRUE(r.width >= text.x && r.height >= text.y) << nameOf(c) << " is cut";
    } else if (auto* box = dynamic_cast<wxStaticBox*>(c)) {
      constexpr int kFrameEnds = 8;  // the frame's corners on either side of the title
      EXPECT_GE(r.width, textExtent(c, box->GetLabelText()).x + 2 * kFrameEnds)
          << nameOf(c) << ": title wider than the box";
    } else if (auto* picture = dynamic_cast<wxBitmapButton*>(c)) {
      const wxSize bitmap = picture->GetBitmap().GetSize();
      EXPECT_TRUE(r.width >= bitmap.x && r.height >= bitmap.y) << nameOf(c) << " cuts its picture";
    } else if (auto* button = dynamic_cast<wxButton*>(c)) {
      const wxSize text = textExtent(c, button->GetLabelText());
      EXPECT_TRUE(r.width >= text.x + kFrame && r.height >= text.y + kFrame)
          << nameOf(c) << " is cut";
    } else if (auto* field = dynamic_cast<wxTextCtrl*>(c); field && !field->IsMultiLine()) {
      EXPECT_GE(r.height, textExtent(c, "0").y + kFrame) << nameOf(c) << " is cut";
    } else if (dynamic_cast<wxChoice*>(c) || dynamic_cast<wxCheckBox*>(c) ||
               dynamic_cast<wxGenericHyperlinkCtrl*>(c)) {
      const wxSize best = c->GetBestSize();  // the desktop's measure of the longest item
      EXPECT_TRUE(r.width >= best.x && r.height >= best.y)
          << nameOf(c) << " needs " << best.x << "x" << best.y;
    }
  }
  for (std::size_t i = 0; i < controls.size(); ++i) {
    for (std::size_t k = i + 1; k < controls.size(); ++k) {
      wxWindow *a = controls[i], *b = controls[k];
      // controls in a group box are checked against each other and the box
      if (a->GetParent() != b->GetParent() && !isBox(a) && !isBox(b)) continue;
      const wxRect ra = screenRect(a), rb = screenRect(b);
      if (isBox(a) || isBox(b)) {
        const wxRect& box = isBox(a) ? ra : rb;
        const wxRect& other = isBox(a) ? rb : ra;
        EXPECT_TRUE(box.Contains(other) || other.Contains(box) || !box.Intersects(other))
            << nameOf(a) << " and " << nameOf(b) << " cross";
      } else {
        EXPECT_FALSE(ra.Intersects(rb)) << nameOf(a) << " overlaps " << nameOf(b);
      }
    }
  }
}

// Every text a window shows against the background it is drawn on.
void expectReadableTexts(wxWindow* window) {
  SCOPED_TRACE(fromWx(window->GetLabel()));
  for (wxWindow* c : controlsOf(window)) {
    const bool drawnOnParent = dynamic_cast<wxStaticText*>(c) || dynamic_cast<wxCheckBox*>(c) ||
                               dynamic_cast<wxGenericHyperlinkCtrl*>(c);
    const wxColour background = drawnOnParent ? backgroundOf(c->GetParent()) : backgroundOf(c);
    if (auto* link = dynamic_cast<wxGenericHyperlinkCtrl*>(c)) {
      for (const wxColour& colour :
           {link->GetNormalColour(), link->GetHoverColour(), link->GetVisitedColour()})
        expectReadable(colour, background, nameOf(c));
    } else if (drawnOnParent || dynamic_cast<wxButton*>(c) || dynamic_cast<wxChoice*>(c) ||
               dynamic_cast<wxTextCtrl*>(c) || dynamic_cast<wxStatusBar*>(c)) {
      if (dynamic_cast<wxBitmapButton*>(c) && c->GetLabel().empty()) continue;  // a picture
      // the desktop draws a disabled control's text in its own grey, whatever was set
      const wxColour text = c->IsEnabled() ? c->GetForegroundColour()
                                           : wxSystemSettings::GetColour(wxSYS_COLOUR_GRAYTEXT);
      expectReadable(over(text, background), background, nameOf(c));
    }
  }
}

// ---------------------------------------------------------------------------
// The main window

class DesktopMainWindowTest : public MainWindowTest {
 protected:
  void startIn(const char* language) {
    restartIn(language);
    settle(frame_);
  }
};

TEST_F(DesktopMainWindowTest, ContentFitsInsideTheWindowAndTheScreenInEveryLanguage) {
  for (const char* language : kLanguageNames) {
    SCOPED_TRACE(language);
    startIn(language);
    // the panel fills the client area, below the menu bar and above the status bar
    EXPECT_EQ(w().panel()->GetRect(), wxRect(wxPoint(0, 0), frame_->GetClientSize()));
    expectLaidOut(frame_);
    // the status bar shows its two texts whole
    for (int field = 0; field < 2; ++field) {
      wxRect rect;
      ASSERT_TRUE(w().statusBar()->GetFieldRect(field, rect));
      EXPECT_GE(rect.width, textExtent(w().statusBar(), w().statusBar()->GetStatusText(field)).x)
          << "status field " << field;
    }
    // the whole window, with the window manager's frame, fits the screen
    const wxRect screen = wxDisplay(frame_).GetClientArea();
    EXPECT_LE(frame_->GetSize().x, screen.width);
    EXPECT_LE(frame_->GetSize().y, screen.height);
  }
}

TEST_F(DesktopMainWindowTest, EveryTextReadsOnItsBackground) {
  startIn("English");
  expectReadableTexts(frame_);
  for (wxTextCtrl* window : {w().input(), w().output()}) {
    const std::pair<TextColour, const char*> markings[] = {
        {TextColour::Black, "black"}, {TextColour::Blue, "blue"}, {TextColour::Red, "red"}};
    for (const auto& [colour, name] : markings)
      expectReadable(w().markColour(colour), backgroundOf(window), std::string("marking ") + name);
  }
  // the markings stay told apart
  EXPECT_NE(w().markColour(TextColour::Blue), w().markColour(TextColour::Red));
  EXPECT_NE(w().markColour(TextColour::Black), w().markColour(TextColour::Blue));
  // the legend names the colour of the lines, white where they are light
  const wxColour lines = w().markColour(TextColour::Black);
  EXPECT_EQ(fromWx(w().lineLegend()->GetLabel()), wcagContrast(lines, *wxBLACK) > wcagContrast(lines, *wxWHITE)
                                                      ? frame_->texts().lblWhite : frame_->texts().lblBlack);
}

// ---------------------------------------------------------------------------
// Dialogs

// A dialog in a language, as its handler prepares it.
template <class Dialog>
wxDialog* speaking(const std::string& language) {
  auto* dialog = new Dialog(nullptr);
  dialog->SetLanguage(language);
  return dialog;
}

const std::vector<std::pair<const char*, std::function<wxDialog*(const std::string&)>>>
    kDialogs = {
        {"settings",
         [](const std::string& language) {
           auto* d = new OptionDlg(nullptr);
           Settings s;
           s.language = language;
           d->SetData(s, "Vienna");
           return d;
         }},
        {"parameter set", speaking<Parameter>},
        {"projected point", speaking<EingabeDlg1>},
        {"geographic point", speaking<EingabeDlg2>},
        {"degrees, minutes, seconds", speaking<EingabeDlg3>},
        {"UTM point", speaking<EingabeDlgUTM>},
};

TEST(DesktopDialogs, EveryDialogFitsItsTextsAndReadsWellInEveryLanguage) {
  for (const auto& [name, make] : kDialogs) {
    for (const char* language : kLanguageNames) {
      SCOPED_TRACE(std::string(name) + ", " + language);
      wxDialog* dialog = make(language);
      dialog->Show();
      settle(dialog);
      expectLaidOut(dialog);
      expectReadableTexts(dialog);
      dialog->Destroy();
      processPendingEvents();
    }
  }
}

// A dialog shown again, as a handler does after a value that is no number,
// has the same content area as the first time, under a window manager too.
TEST(DesktopDialogs, EveryDialogKeepsItsSizeWhenShownAgain) {
  for (const auto& [name, make] : kDialogs) {
    SCOPED_TRACE(name);
    wxDialog* dialog = make("English");
    dialog->Show();
    settle(dialog);
    const wxSize first = dialog->GetClientSize();
    for (int time = 0; time < 2; ++time) {
      dialog->Hide();
      settle(dialog);
      dialog->Show();
      settle(dialog);
      const wxSize again = dialog->GetClientSize();
      EXPECT_EQ(again, first) << "shown again: " << again.x << "x" << again.y << ", first "
                              << first.x << "x" << first.y;
    }
    dialog->Destroy();
    processPendingEvents();
  }
}

// The width GTK gives to the content of a scrolled window: a scroll bar's
// width less than the window's where the bar stands beside it.
int shownContentWidth(wxWindow* scrolled) {
  using GetChild = void* (*)(void* bin);
  using Width = int (*)(void* widget);
  const auto child = reinterpret_cast<GetChild>(dlsym(RTLD_DEFAULT, "gtk_bin_get_child"));
  const auto width = reinterpret_cast<Width>(dlsym(RTLD_DEFAULT, "gtk_widget_get_allocated_width"));
  if (!child || !width || !child(scrolled->GetHandle())) return scrolled->GetSize().x;
  return width(child(scrolled->GetHandle()));
}

// Whether a scrolled window shows all of its content, nothing to scroll to
// across or down.
bool showsAllContent(wxWindow* scrolled) {
  using Adjustment = void* (*)(void* scrolledWindow);
  using Value = double (*)(void* adjustment);
  const auto upper = reinterpret_cast<Value>(dlsym(RTLD_DEFAULT, "gtk_adjustment_get_upper"));
  const auto page = reinterpret_cast<Value>(dlsym(RTLD_DEFAULT, "gtk_adjustment_get_page_size"));
  for (const char* name : {"gtk_scrolled_window_get_hadjustment", "gtk_scrolled_window_get_vadjustment"})
    if (void* a = reinterpret_cast<Adjustment>(dlsym(RTLD_DEFAULT, name))(scrolled->GetHandle()); upper(a) > page(a))
      return false;
  return true;
}

// The windows of the Help menu, in every language: each lies within the
// screen's work area, and where its text is larger, scroll bars stand beside
// it (GTK's own show only while the pointer moves over the text) and reach
// all of it.
TEST(DesktopDialogs, EveryHelpWindowLiesWithinTheWorkAreaAndScrollsItsText) {
  std::vector<std::pair<std::string, std::function<wxDialog*()>>> windows;
  for (const char* language : kLanguageNames)
    windows.emplace_back(std::string("quick info, ") + language, [language] {
      auto* help = new Help(nullptr);
      help->SetLanguage(language);
      return help;
    });
  for (const std::string& text : {systemListText(), frameListText(), historyText(), aboutText(),
                                  std::string(kLogoText)})
    windows.emplace_back(text.substr(0, 30), [text] {
      return new MessageDialog(nullptr, text, "MsgBox", wxOK | wxICON_INFORMATION);
    });
  for (const auto& [name, make] : windows) {
    SCOPED_TRACE(name);
    wxDialog* dialog = make();
    dialog->Show();
    settle(dialog);
    expectLaidOut(dialog);
    expectReadableTexts(dialog);
    const wxRect area = wxDisplay(dialog).GetClientArea();
    EXPECT_TRUE(area.Contains(dialog->GetRect()))
        << "window " << dialog->GetRect().x << "," << dialog->GetRect().y << " "
        << dialog->GetSize().x << "x" << dialog->GetSize().y << ", work area "
        << area.width << "x" << area.height;
    int scrolling = 0;
    for (wxWindow* c : controlsOf(dialog)) {
      const auto* memo = dynamic_cast<wxTextCtrl*>(c);
      if (!memo) continue;
      const int textHeight = memo->GetNumberOfLines() * memo->GetCharHeight();
      if (textHeight <= c->GetSize().y) continue;
      ++scrolling;
      EXPECT_GE(c->GetSize().x - shownContentWidth(c),
                wxSystemSettings::GetMetric(wxSYS_VSCROLL_X, c))
          << "no scroll bar beside the text";
    }
    if (name.rfind("quick info", 0) == 0) {
      EXPECT_EQ(scrolling, 1);
    }
    dialog->Destroy();
    processPendingEvents();
  }
}

// ---------------------------------------------------------------------------
// Message boxes

TEST(DesktopMessages, IconsAnswersInTheProgramsLanguageAndTextsThatFitTheScreen) {
  // every message of the information windows, the longest texts there are
  for (const std::string& text : {systemListText(), frameListText(), historyText(), aboutText(),
                                  std::string("No valid system!!")}) {
    MessageDialog box(nullptr, text, "MsgBox", wxOK | wxICON_INFORMATION);
    box.Show();
    settle(&box);
    expectLaidOut(&box);
    expectReadableTexts(&box);
    const wxRect screen = wxDisplay(&box).GetClientArea();
    EXPECT_LE(box.GetSize().y, screen.height) << text.substr(0, 40);
    wxTextCtrl* view = nullptr;
    for (wxWindow* c : controlsOf(&box))
      if (auto* t = dynamic_cast<wxTextCtrl*>(c)) view = t;
    ASSERT_NE(view, nullptr);
    // the text, an address or a path in it, can be selected and copied, not changed
    EXPECT_EQ(fromWx(view->GetValue()), text);
    EXPECT_FALSE(view->IsEditable());
    view->SetSelection(-1, -1);
    EXPECT_TRUE(view->CanCopy());
    // the focus stays on the answer, which Enter presses
    EXPECT_EQ(wxWindow::FindFocus(), box.GetDefaultItem());
    // a text that fits the screen shows whole, without scroll bars
    const wxSize extent = textExtent(view, toWx(text));
    if (extent.x < screen.width / 2 && extent.y < screen.height / 2) {
      EXPECT_TRUE(showsAllContent(view)) << "a line wrapped or cut off: " << text.substr(0, 40);
    }
    // Enter answers also after a click into the text
    wxKeyEvent enter(wxEVT_KEY_DOWN);
    enter.m_keyCode = WXK_RETURN;
    enter.SetEventObject(view);
    view->GetEventHandler()->ProcessEvent(enter);
    EXPECT_FALSE(box.IsShown());
  }

  for (const long style : {wxOK | wxICON_INFORMATION, wxYES_NO | wxICON_QUESTION}) {
    MessageDialog box(nullptr, "?", "MsgBox", style);
    bool icon = false;
    for (wxWindow* c : controlsOf(&box))
      if (auto* picture = dynamic_cast<wxStaticBitmap*>(c)) icon = picture->GetBitmap().IsOk();
    EXPECT_TRUE(icon) << style;
  }

  for (const char* language : kLanguageNames) {
    MessageDialog question(nullptr, "?", "Message box", wxYES_NO | wxICON_QUESTION, language);
    const QuestionTexts answers = questionTexts(language);
    EXPECT_EQ(fromWx(question.FindWindow(wxID_YES)->GetLabel()), answers.btnYes) << language;
    EXPECT_EQ(fromWx(question.FindWindow(wxID_NO)->GetLabel()), answers.btnNo) << language;
  }
}

}  // namespace
