#pragma once
// The dialog that asks for one point of a UTM start system, or for an MGRS
// reference: easting, northing and zone, and below them the reference with a
// button that decodes it into the three UTM fields.

#include <string>

#include "gui/point_input_dialog.h"
#include "gui/window_texts.h"
#include "lang/input_dialog_texts.h"

class wxButton;
class wxTextCtrl;

namespace kortavex {

class EingabeDlgUTM : public PointInputDialog {
 public:
  enum {
    ID_WXSTATICTEXT1 = 1001,
    ID_WXSTATICTEXT5 = 1008,
    ID_WXSTATICTEXT7 = 1009,
    ID_WXEDIT1 = 1012,
    ID_WXEDIT2 = 1013,
    ID_WXSTATICTEXT2 = 1014,
    ID_WXEDIT3 = 1015,
    ID_STATICLINE = 1016,
    ID_WXSTATICTEXT3 = 1017,
    ID_WXEDIT4 = 1018,
    ID_WXBUTTON3 = 1020,
  };

  EingabeDlgUTM(wxWindow* parent, wxWindowID id = 1, const wxString& title = "Eingabe UTM",
                const wxPoint& position = wxDefaultPosition, const wxSize& size = wxDefaultSize,
                long style = wxDEFAULT_DIALOG_STYLE);

  // Positions 1-3 of the start code: the zone and hemisphere of a UTM system
  // ("33N") go into the zone field; "991", the MGRS code, leaves it empty.
  void SetData(const std::string& zone);

  // Title, heading and the tool tips of the button and the MGRS field; until
  // then the tool tips are the German ones.
  void SetLanguage(const std::string& language);
  // Which text of the table the title and each control show; the MGRS
  // field's tool tip is the example prefix followed by an example reference.
  static const WindowTexts<UtmInputTexts>& textTable();

  // Reads the four fields: easting and northing with "," turned into "." and
  // without blanks, the zone as typed, the reference without blanks.
  void GetData();
  const std::string& eastingText() const { return eastingText_; }
  const std::string& northingText() const { return northingText_; }
  const std::string& zoneInput() const { return zoneInput_; }
  const std::string& mgrsText() const { return mgrsText_; }

  // After GetData found no point: a zone that is no UTM zone is explained
  // and its field takes the focus; otherwise the first value that is no
  // number takes it.
  void reportInvalidField();

 private:
  void CreateGUIControls();
  // Decodes the MGRS reference into the UTM fields.
  void UTMref(wxCommandEvent& event);

  UtmInputTexts texts_;
  std::string eastingText_, northingText_, zoneInput_, mgrsText_;

  wxButton* WxButton3 = nullptr;
  wxTextCtrl* WxEdit1 = nullptr;  // easting
  wxTextCtrl* WxEdit2 = nullptr;  // northing
  wxTextCtrl* WxEdit3 = nullptr;  // zone and hemisphere
  wxTextCtrl* WxEdit4 = nullptr;  // MGRS reference

  wxDECLARE_EVENT_TABLE();
};

}  // namespace kortavex
