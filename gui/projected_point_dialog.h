#pragma once
// The dialog that asks for one point of a projected start system: easting
// above northing. It hands back the two texts; parsing them is the caller's task.

#include <string>

#include "gui/point_input_dialog.h"
#include "gui/window_texts.h"
#include "lang/input_dialog_texts.h"

class wxTextCtrl;

namespace kortavex {

class EingabeDlg1 : public PointInputDialog {
 public:
  enum {
    ID_WXSTATICTEXT1 = 1001,
    ID_GK_Y = 1002,
    ID_WXSTATICTEXT2 = 1003,
    ID_GK_X = 1005,
    ID_WXSTATICTEXT3 = 1006,
    ID_WXSTATICTEXT4 = 5102,
    ID_WXSTATICTEXT6 = 5104,
  };

  EingabeDlg1(wxWindow* parent, wxWindowID id = 1, const wxString& title = "Eingabe Dialog",
              const wxPoint& position = wxDefaultPosition, const wxSize& size = wxDefaultSize,
              long style = wxDEFAULT_DIALOG_STYLE);

  // Title, heading and the two labels in the named language; a name that is
  // none of the seven leaves the texts as they were (empty at first).
  void SetLanguage(const std::string& language);
  // Which text of the table the title and each control show.
  static const WindowTexts<ProjectedInputTexts>& textTable();

  // Reads both fields, each with "," turned into "." and without blanks.
  void GetData();
  const std::string& eastingText() const { return eastingText_; }
  const std::string& northingText() const { return northingText_; }
  // After GetData found a value that is no number: its field takes the focus.
  void focusInvalidField();

 private:
  void CreateGUIControls();

  ProjectedInputTexts texts_;
  std::string eastingText_, northingText_;

  wxTextCtrl* GK_Y = nullptr;
  wxTextCtrl* GK_X = nullptr;
};

}  // namespace kortavex
