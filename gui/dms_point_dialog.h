#pragma once
// The dialog in which latitude and longitude are typed as degrees, minutes
// and seconds; the geographic dialog opens it and takes the values over.

#include <string>

#include "gui/point_input_dialog.h"
#include "gui/window_texts.h"
#include "lang/input_dialog_texts.h"
#include "workflow/dialog_entry.h"

class wxStaticLine;
class wxTextCtrl;

namespace kortavex {

class EingabeDlg3 : public PointInputDialog {
 public:
  enum {
    ID_WXSTATICTEXT1 = 1232,
    ID_WXSTATICTEXT2 = 1233,
    ID_WXSTATICTEXT3 = 1234,
    ID_WXSTATICTEXT4 = 1237,
    ID_WXSTATICTEXT5 = 1238,
    ID_WXSTATICTEXT6 = 1239,
    ID_WXEDIT6 = 1240,
    ID_WXEDIT5 = 1241,
    ID_WXEDIT4 = 1242,
    ID_WXEDIT1 = 1243,
    ID_WXEDIT2 = 1244,
    ID_WXEDIT3 = 1245,
    ID_WXSTATICTEXT7 = 1248,
    ID_WXSTATICTEXT8 = 1249,
    ID_WXSTATICTEXT9 = 1250,
    ID_STATICLINE = 1252,
  };

  EingabeDlg3(wxWindow* parent, wxWindowID id = 1, const wxString& title = "Eingabe Dialog",
              const wxPoint& position = wxDefaultPosition, const wxSize& size = wxDefaultSize,
              long style = wxDEFAULT_DIALOG_STYLE);

  // Title, heading and the two row labels in the named language.
  void SetLanguage(const std::string& language);
  // Which text of the table the title and each control show.
  static const WindowTexts<DmsInputTexts>& textTable();

  // Reads the six fields: blanks removed, decimal commas of minutes and
  // seconds turned into points (the degrees keep theirs). Warns when seconds
  // come with minutes that are not whole.
  void GetData();
  const DmsRow& phi() const { return phi_; }
  const DmsRow& lambda() const { return lambda_; }

 private:
  void CreateGUIControls();

  DmsInputTexts texts_;
  DmsRow phi_, lambda_;

  wxStaticLine* staticLine = nullptr;
  wxTextCtrl* WxEdit3 = nullptr;  // latitude degrees, minutes, seconds
  wxTextCtrl* WxEdit2 = nullptr;
  wxTextCtrl* WxEdit1 = nullptr;
  wxTextCtrl* WxEdit4 = nullptr;  // longitude degrees, minutes, seconds
  wxTextCtrl* WxEdit5 = nullptr;
  wxTextCtrl* WxEdit6 = nullptr;
};

}  // namespace kortavex
