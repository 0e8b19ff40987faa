#include "gui/help_dialog.h"

#include <algorithm>

#include <wx/sizer.h>
#include <wx/textctrl.h>

#include "gui/dialog_common.h"
#include "gui/fonts.h"
#include "gui/gtk_theme.h"
#include "gui/layout_scale.h"
#include "gui/wx_text.h"
#include "lang/help_texts.h"

namespace kortavex {

wxBEGIN_EVENT_TABLE(Help, wxDialog)
  EVT_CLOSE(Help::OnClose)
wxEND_EVENT_TABLE()

Help::Help(wxWindow* parent, wxWindowID id, const wxString& title, const wxPoint& position,
           const wxSize& size, long style)
    : wxDialog(parent, id, title, position, size, style) {
  // Escape closes it like its close box: it has no button that Escape could press.
  Bind(wxEVT_CHAR_HOOK, [this](wxKeyEvent& event) {
    if (event.GetKeyCode() == WXK_ESCAPE) Close();
    else event.Skip();
  });
}

void Help::SetLanguage(const std::string& language) {
  SetTitle(kQuickInfoTitle);
  delete WxMemo1;  // a second call builds the text anew
  WxMemo1 = new wxTextCtrl(this, 1001, wxEmptyString, wxDefaultPosition, wxDefaultSize,
                           wxTE_MULTILINE | wxTE_READONLY);
  showScrollBars(WxMemo1);
  auto* sizer = new wxBoxSizer(wxVERTICAL);
  sizer->Add(WxMemo1, 1, wxEXPAND | wxALL, 3);
  SetSizer(sizer);
  // 600 x 456 pixels of text at 96 dots per inch, grown with the text, as
  // much as the screen holds
  const LayoutScale px(textScale());
  const wxSize largest = largestContent(this);
  SetClientSize(std::min(px(606), largest.x), std::min(px(462), largest.y));
  Layout();
  Centre(wxBOTH);
  keepOnScreen(this);
  wxString text;
  for (const std::string& line : quickInfoLines(language)) text << toWx(line) << '\n';
  WxMemo1->SetFont(programFont("Tahoma", 8));
  WxMemo1->AppendText(text);
  WxMemo1->SetFocus();
  WxMemo1->SetInsertionPoint(0);  // it opens at its first line
  WxMemo1->ShowPosition(0);
}

void Help::OnClose(wxCloseEvent&) {
  if (IsModal()) EndModal(wxID_CANCEL);
  else Destroy();
}

}  // namespace kortavex
