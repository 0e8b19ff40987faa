#pragma once
// The dialog that asks for one point of a geographic start system in decimal
// degrees. Its "Deg-Min-Sec" button opens EingabeDlg3 and writes the values
// typed there into the two fields, where the user checks them before OK.

#include <string>

#include "gui/point_input_dialog.h"
#include "gui/window_texts.h"
#include "lang/input_dialog_texts.h"

class wxButton;
class wxTextCtrl;

namespace kortavex {

class EingabeDlg2 : public PointInputDialog {
 public:
  enum {
    ID_WXSTATICTEXT1 = 1037,
    ID_WXEDIT_PHI = 1038,
    ID_WXSTATICTEXT2 = 1039,
    ID_WXEDIT_LAMBDA = 1040,
    ID_WXSTATICTEXT3 = 1041,
    ID_GMS = 5102,
  };

  EingabeDlg2(wxWindow* parent, wxWindowID id = 1, const wxString& title = "Eingabe Dialog",
              const wxPoint& position = wxDefaultPosition, const wxSize& size = wxDefaultSize,
              long style = wxDEFAULT_DIALOG_STYLE);

  // Title, heading, labels and the button's label and tool tip in the named
  // language, which the degrees/minutes/seconds dialog speaks too.
  void SetLanguage(const std::string& language);
  // Which text of the table the title and each control show.
  static const WindowTexts<GeographicInputTexts>& textTable();

  // Reads latitude and longitude, each with "," turned into "." and without blanks.
  void GetData();
  const std::string& phiText() const { return phiText_; }
  const std::string& lambdaText() const { return lambdaText_; }
  // After GetData found a value that is no number: its field takes the focus.
  void focusInvalidField();

 private:
  void CreateGUIControls();
  void GMS_Click(wxCommandEvent& event);

  GeographicInputTexts texts_;
  std::string phiText_, lambdaText_;
  std::string dialogLanguage;

  wxTextCtrl* WxEdit_Phi = nullptr;
  wxTextCtrl* WxEdit_Lambda = nullptr;
  wxButton* GMS = nullptr;

  wxDECLARE_EVENT_TABLE();
};

}  // namespace kortavex
