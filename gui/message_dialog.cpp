#include "gui/message_dialog.h"

#include <algorithm>

#include <wx/artprov.h>
#include <wx/button.h>
#include <wx/display.h>
#include <wx/scrolwin.h>
#include <wx/settings.h>
#include <wx/sizer.h>
#include <wx/statbmp.h>
#include <wx/stattext.h>

#include "gui/wx_text.h"
#include "lang/question_texts.h"

namespace {

// The share of the screen's height that a message box may take; the rest is
// left to the window manager's title bar and to the desktop's panels.
constexpr double kScreenShare = 0.85;
constexpr int kBorder = 12;

// The text, in a window that scrolls when `text` is taller than `maxHeight`.
wxWindow* scrollingText(wxWindow* parent, const std::string& text, int maxHeight) {
  auto* scroller = new wxScrolledWindow(parent, wxID_ANY, wxDefaultPosition, wxDefaultSize,
                                        wxVSCROLL);
  auto* label = new wxStaticText(scroller, wxID_ANY, wxEmptyString);
  label->SetLabelText(toWx(text));  // an "&" in the text is no mnemonic
  auto* sizer = new wxBoxSizer(wxVERTICAL);
  sizer->Add(label);
  scroller->SetSizer(sizer);
  const wxSize textSize = label->GetBestSize();
  const bool scrolls = textSize.y > maxHeight;
  const int scrollBar = scrolls ? wxSystemSettings::GetMetric(wxSYS_VSCROLL_X, scroller) : 0;
  scroller->SetMinSize(
      wxSize(textSize.x + std::max(scrollBar, 0), std::min(textSize.y, maxHeight)));
  scroller->SetScrollRate(0, std::max(1, label->GetCharHeight()));
  scroller->FitInside();
  return scroller;
}

}  // namespace

MessageDialog::MessageDialog(wxWindow* parent, const std::string& text, const wxString& caption,
                             long style, const std::string& language)
    : wxDialog(parent, wxID_ANY, caption), text_(text), style_(style) {
  const wxArtID iconId = (style & wxICON_QUESTION) ? wxART_QUESTION : wxART_INFORMATION;
  auto* icon = new wxStaticBitmap(this, wxID_ANY,
                                  wxArtProvider::GetBitmapBundle(iconId, wxART_MESSAGE_BOX));

  auto* buttons = new wxStdDialogButtonSizer();
  wxButton* answer = nullptr;
  if (style & wxYES_NO) {
    const QuestionTexts answers = questionTexts(language);
    answer = new wxButton(this, wxID_YES, toWx(answers.btnYes));
    buttons->AddButton(answer);
    buttons->AddButton(new wxButton(this, wxID_NO, toWx(answers.btnNo)));
    for (const int id : {wxID_YES, wxID_NO})
      Bind(wxEVT_BUTTON, [this](wxCommandEvent& event) { EndModal(event.GetId()); }, id);
    SetEscapeId(wxID_NO);
  } else {
    answer = new wxButton(this, wxID_OK, "OK");
    buttons->AddButton(answer);
    SetEscapeId(wxID_OK);
  }
  buttons->Realize();
  answer->SetDefault();
  answer->SetFocus();

  // The text takes what the screen leaves beside the icon and the buttons.
  const int screenHeight = wxDisplay(parent ? parent : this).GetClientArea().GetHeight();
  const int aroundText = std::max(icon->GetBestSize().y, buttons->GetMinSize().y) + 4 * kBorder;
  const int maxTextHeight =
      std::max(GetCharHeight(), static_cast<int>(screenHeight * kScreenShare) - aroundText);

  auto* message = new wxBoxSizer(wxHORIZONTAL);
  message->Add(icon, 0, wxRIGHT, kBorder);
  message->Add(scrollingText(this, text, maxTextHeight), 1, wxEXPAND);
  auto* top = new wxBoxSizer(wxVERTICAL);
  top->Add(message, 1, wxEXPAND | wxALL, kBorder);
  top->Add(buttons, 0, wxEXPAND | wxLEFT | wxRIGHT | wxBOTTOM, kBorder);
  SetSizerAndFit(top);
  Centre(wxBOTH);
}

void showMessage(wxWindow* parent, const std::string& text, const wxString& caption) {
  MessageDialog(parent, text, caption, wxOK | wxICON_INFORMATION).ShowModal();
}

bool askYesNo(wxWindow* parent, const std::string& text, const wxString& caption,
              const std::string& language) {
  return MessageDialog(parent, text, caption, wxYES_NO | wxICON_QUESTION, language).ShowModal() ==
         wxID_YES;
}
