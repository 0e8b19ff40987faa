#pragma once
// The quick-info window: a read-only text that describes how the program is used.

#include <string>

#include <wx/dialog.h>

class wxTextCtrl;

namespace kortavex {

class Help : public wxDialog {
 public:
  Help(wxWindow* parent, wxWindowID id = 1, const wxString& title = "KurzInfo",
       const wxPoint& position = wxDefaultPosition, const wxSize& size = wxDefaultSize,
       long style = wxCAPTION | wxSYSTEM_MENU | wxCLOSE_BOX | wxMINIMIZE_BOX);

  // German text for exactly "Deutsch", English for every other name.
  void SetLanguage(const std::string& language);

  void OnClose(wxCloseEvent& event);

 private:
  wxTextCtrl* WxMemo1 = nullptr;

  wxDECLARE_EVENT_TABLE();
};

}  // namespace kortavex
