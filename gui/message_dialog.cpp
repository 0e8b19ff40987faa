#include "gui/message_dialog.h"

#include <algorithm>

#include <wx/artprov.h>
#include <wx/button.h>
#include <wx/dcclient.h>
#include <wx/settings.h>
#include <wx/sizer.h>
#include <wx/statbmp.h>
#include <wx/textctrl.h>

#include "gui/dialog_common.h"
#include "gui/gtk_theme.h"
#include "gui/wx_text.h"
#include "lang/question_texts.h"

namespace kortavex {

namespace {

constexpr int kBorder = 12;

// The text in a read-only text control without a border, in the dialog's
// font and colours: it looks like a label, but on every desktop its text, an
// address or a path in it, can be selected and copied. It scrolls where the
// text is larger than `largest`.
wxTextCtrl* messageText(wxWindow* dialog, const std::string& text, const wxSize& largest) {
  const wxString value = toWx(text);  // a text control takes no "&" for a mnemonic
  wxClientDC measure(dialog);
  measure.SetFont(dialog->GetFont());
  const wxSize textSize = measure.GetMultiLineTextExtent(value);
  const bool scrollsDown = textSize.y > largest.y, scrollsAcross = textSize.x > largest.x;
  // A scroll bar stands only where the text needs it (Windows shows a text
  // control's bars whether needed or not); without the bar across, the
  // control is wide enough that no line wraps.
  const long bars = (scrollsDown ? 0 : wxTE_NO_VSCROLL) | (scrollsAcross ? wxTE_DONTWRAP : 0);
  auto* view = new wxTextCtrl(dialog, wxID_ANY, wxEmptyString, wxDefaultPosition, wxDefaultSize,
                              wxTE_MULTILINE | wxTE_READONLY | wxBORDER_NONE | bars);
  view->SetFont(dialog->GetFont());
  view->SetBackgroundColour(dialog->GetBackgroundColour());
  view->SetForegroundColour(dialog->GetForegroundColour());
  view->SetMargins(0);  // the text starts where a label's would
  view->ChangeValue(value);
  showScrollBars(view);
  // The control counts a bar beside the text, not one below it. A text that
  // fits gets a character's width to spare: the control's own measure of its
  // lines (and its cursor at a line's end) may exceed the dialog's by a pixel,
  // which would cost a scroll bar.
  const int barHeight = scrollsAcross ? wxSystemSettings::GetMetric(wxSYS_HSCROLL_Y, view) : 0;
  const int spare = scrollsAcross ? 0 : view->GetCharWidth();
  view->SetMinSize(view->GetSizeFromTextSize(std::min(textSize.x, largest.x) + spare,
                                             std::min(textSize.y, largest.y)) +
                   wxSize(0, std::max(barHeight, 0)));
  return view;
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

  wxTextCtrl* const textView = messageText(this, text, largestText);
  // Enter answers also once the user has clicked into the text to select in
  // it: a text control on Windows would keep the key for itself.
  textView->Bind(wxEVT_KEY_DOWN, [answer](wxKeyEvent& key) {
    if (key.GetKeyCode() != WXK_RETURN && key.GetKeyCode() != WXK_NUMPAD_ENTER) {
      key.Skip();
      return;
    }
    wxCommandEvent press(wxEVT_BUTTON, answer->GetId());
    press.SetEventObject(answer);
    answer->Command(press);
  });

  auto* message = new wxBoxSizer(wxHORIZONTAL);
  message->Add(icon, 0, wxRIGHT, kBorder);
  message->Add(textView, 1, wxEXPAND);
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
