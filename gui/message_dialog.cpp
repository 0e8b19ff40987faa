#include "gui/message_dialog.h"

#include <algorithm>

#include <wx/artprov.h>
#include <wx/button.h>
#include <wx/scrolwin.h>
#include <wx/settings.h>
#include <wx/sizer.h>
#include <wx/statbmp.h>
#include <wx/stattext.h>

#include "gui/dialog_common.h"
#include "gui/gtk_theme.h"
#include "gui/wx_text.h"
#include "lang/question_texts.h"

namespace kortavex {

namespace {

constexpr int kBorder = 12;

// The text, in a window that scrolls when `text` is larger than `largest`.
wxWindow* scrollingText(wxWindow* parent, const std::string& text, const wxSize& largest) {
  auto* scroller = new wxScrolledWindow(parent, wxID_ANY, wxDefaultPosition, wxDefaultSize,
                                        wxVSCROLL | wxHSCROLL);
  showScrollBars(scroller);
  auto* label = new wxStaticText(scroller, wxID_ANY, wxEmptyString);
  label->SetLabelText(toWx(text));  // an "&" in the text is no mnemonic
  makeSelectable(label);  // an address or a path in it can be copied
  auto* sizer = new wxBoxSizer(wxVERTICAL);
  sizer->Add(label);
  scroller->SetSizer(sizer);
  const wxSize textSize = label->GetBestSize();
  // a bar across takes height, one along takes width
  const bool scrollsDown = textSize.y > largest.y, scrollsAcross = textSize.x > largest.x;
  const int barWidth = scrollsDown ? wxSystemSettings::GetMetric(wxSYS_VSCROLL_X, scroller) : 0;
  const int barHeight =
      scrollsAcross ? wxSystemSettings::GetMetric(wxSYS_HSCROLL_Y, scroller) : 0;
  scroller->SetMinSize(wxSize(std::min(textSize.x, largest.x) + std::max(barWidth, 0),
                              std::min(textSize.y, largest.y) + std::max(barHeight, 0)));
  scroller->SetScrollRate(label->GetCharWidth(), std::max(1, label->GetCharHeight()));
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
    // Every question of the program replaces or deletes something: Enter
    // answers No, so that a key pressed in haste keeps the user's data.
    buttons->AddButton(new wxButton(this, wxID_YES, toWx(answers.btnYes)));
    answer = new wxButton(this, wxID_NO, toWx(answers.btnNo));
    buttons->AddButton(answer);
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
  const wxSize largest = largestContent(parent ? parent : this);
  const int besideText = icon->GetBestSize().x + 3 * kBorder;
  const int aroundText = std::max(icon->GetBestSize().y, buttons->GetMinSize().y) + 4 * kBorder;
  const wxSize largestText(std::max(GetCharWidth(), largest.x - besideText),
                           std::max(GetCharHeight(), largest.y - aroundText));

  auto* message = new wxBoxSizer(wxHORIZONTAL);
  message->Add(icon, 0, wxRIGHT, kBorder);
  message->Add(scrollingText(this, text, largestText), 1, wxEXPAND);
  auto* top = new wxBoxSizer(wxVERTICAL);
  top->Add(message, 1, wxEXPAND | wxALL, kBorder);
  top->Add(buttons, 0, wxEXPAND | wxLEFT | wxRIGHT | wxBOTTOM, kBorder);
  SetSizerAndFit(top);
  Centre(wxBOTH);
  keepOnScreen(this);
}

void showMessage(wxWindow* parent, const std::string& text, const wxString& caption) {
  const FocusReturn back;
  MessageDialog(parent, text, caption, wxOK | wxICON_INFORMATION).ShowModal();
}

bool askYesNo(wxWindow* parent, const std::string& text, const wxString& caption,
              const std::string& language) {
  const FocusReturn back;
  return MessageDialog(parent, text, caption, wxYES_NO | wxICON_QUESTION, language).ShowModal() ==
         wxID_YES;
}

}  // namespace kortavex
