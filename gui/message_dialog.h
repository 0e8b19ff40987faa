#pragma once
// The program's message boxes. Current GTK draws no icon in its own message
// dialog and labels Yes and No in the desktop's language, and a long text
// makes it taller than the screen. This one shows its icon on every desktop,
// answers in the program's language, scrolls a text the screen cannot hold,
// and lets its text be selected and copied.

#include <string>

#include <wx/dialog.h>

namespace kortavex {

class MessageDialog : public wxDialog {
 public:
  // `style`: wxOK or wxYES_NO, with wxICON_INFORMATION or wxICON_QUESTION.
  // `language` names the language of Yes and No.
  MessageDialog(wxWindow* parent, const std::string& text, const wxString& caption, long style,
                const std::string& language = std::string());

  const std::string& text() const { return text_; }
  long style() const { return style_; }

 private:
  std::string text_;
  long style_;
};

// Every message box of the program is shown through these two.

// The caption of the program's messages.
inline constexpr char kMessageCaption[] = "MsgBox";

// A message: an OK button and the information icon.
void showMessage(wxWindow* parent, const std::string& text,
                 const wxString& caption = kMessageCaption);

// A question: Yes and No in `language`, with the question icon, No the
// default; true for Yes.
bool askYesNo(wxWindow* parent, const std::string& text, const wxString& caption,
              const std::string& language);

}  // namespace kortavex
