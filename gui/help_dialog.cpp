#include "gui/help_dialog.h"

#include <wx/textctrl.h>

#include "gui/fonts.h"
#include "gui/wx_text.h"
#include "lang/help_texts.h"

wxBEGIN_EVENT_TABLE(Help, wxDialog)
  EVT_CLOSE(Help::OnClose)
wxEND_EVENT_TABLE()

Help::Help(wxWindow* parent, wxWindowID id, const wxString& title, const wxPoint& position,
           const wxSize& size, long style)
    : wxDialog(parent, id, title, position, size, style) {}

void Help::SetLanguage(const std::string& language) {
  SetTitle(kQuickInfoTitle);
  SetSize(8, 8, 619, 503);
  Center();
  delete WxMemo1;  // a second call builds the text anew
  WxMemo1 = new wxTextCtrl(this, 1001, wxEmptyString, wxPoint(3, 4), wxSize(600, 456),
                           wxTE_MULTILINE | wxTE_READONLY);
  wxString text;
  for (const std::string& line : quickInfoLines(language)) text << toWx(line) << '\n';
  WxMemo1->AppendText(text);
  WxMemo1->SetFocus();
  WxMemo1->SetInsertionPointEnd();
  WxMemo1->SetFont(programFont("Tahoma", 8));
}

void Help::OnClose(wxCloseEvent&) {
  if (IsModal()) EndModal(wxID_CANCEL);
  else Destroy();
}
