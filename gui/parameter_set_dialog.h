#pragma once
// The parameter-set dialog: edits the user-defined system (datum shift,
// ellipsoid, projection and its numbers, name) and saves, loads and deletes
// parameter files in the working directory.

#include <array>
#include <string>

#include <wx/dialog.h>

#include "gui/window_texts.h"
#include "lang/settings_dialog_texts.h"
#include "settings/user_parameter_set.h"

class wxButton;
class wxChoice;
class wxStaticBox;
class wxTextCtrl;

namespace kortavex {

class Parameter : public wxDialog {
 public:
  enum {
    ID_PARAM1 = 1001,
    ID_WXSTATICTEXT1 = 1002,
    ID_WXEDIT1 = 1003,
    ID_WXSTATICTEXT2 = 1004,
    ID_WXEDIT2 = 1005,
    ID_WXSTATICTEXT3 = 1006,
    ID_WXEDIT3 = 1007,
    ID_WXSTATICTEXT4 = 1008,
    ID_WXEDIT4 = 1009,
    ID_WXSTATICTEXT7 = 1014,
    ID_WXSTATICTEXT8 = 1015,
    ID_WXSTATICTEXT9 = 1016,
    ID_WXEDIT7 = 1017,
    ID_WXEDIT8 = 1018,
    ID_WXEDIT9 = 1019,
    ID_WXSTATICTEXT5 = 1022,
    ID_WXCHOICE1 = 1023,
    ID_WXSTATICTEXT6 = 1024,
    ID_WXCHOICE2 = 1025,
    ID_WXSTATICTEXT10 = 1026,
    ID_WXSTATICTEXT11 = 1027,
    ID_WXEDIT5 = 1028,
    ID_WXEDIT6 = 1029,
    ID_WXSTATICTEXT12 = 1030,
    ID_WXEDIT10 = 1031,
    ID_WXSTATICTEXT13 = 1032,
    ID_WXBUTTON3 = 1033,
    ID_WXBUTTON4 = 1034,
    ID_WXEDIT11 = 1035,
    ID_WXSTATICTEXT14 = 1036,
    ID_LOESCHBUTTON = 1037,
    ID_WXSTATICBOX2 = 1040,
    ID_WXSTATICTEXT15 = 1041,
    ID_WXEDIT12 = 1042,
    ID_WXSTATICTEXT16 = 1043,
    ID_WXSTATICTEXT17 = 1044,
    ID_WXEDIT13 = 1045,
    ID_WXEDIT14 = 1046,
    ID_WXSTATICBOX1 = 1047,
    ID_WXSTATICTEXT18 = 1048,
    ID_WXSTATICBOX3 = 1049,
  };

  // Caption, system menu, close and minimise box; no resize border.
  static constexpr long kStyle = wxCAPTION | wxSYSTEM_MENU | wxCLOSE_BOX | wxMINIMIZE_BOX;

  Parameter(wxWindow* parent, wxWindowID id = 1, const wxString& title = "Parameter",
            const wxPoint& position = wxDefaultPosition, const wxSize& size = wxDefaultSize,
            long style = kStyle);

  void SetLanguage(const std::string& language);
  void langvalues(const std::string& language);
  void langchange(const std::string& language);
  // Which text of the table the title and each control show.
  static const WindowTexts<ParameterTexts>& textTable();

  // Puts the thirteen texts, the two list indices and the name into the controls.
  void SetData(const UserParameterSet& set);

  // Takes the thirteen texts (each with "," turned into "."), the selected
  // list items and the name from the controls; the numbers are left alone.
  void GetData();
  const UserParameterSet& values() const { return values_; }

  // False when the name field holds a character that Windows-1252 lacks:
  // the set keeps its name in the parameter file and in the options file,
  // both Windows-1252, so such a name is refused instead of becoming "?".
  bool nameFitsCodePage() const;

  // Puts the focus on the field of one of the thirteen numbers, so that a
  // re-shown dialog points at the value that was refused.
  void focusText(int parameter);

 private:
  void CreateGUIControls();
  // nameFitsCodePage(), or else says why the file operation is refused.
  bool nameShownFitsCodePage();
  void MnuParamFileSave(wxCommandEvent& event);
  void MnuParamFileLoad(wxCommandEvent& event);
  void MnuParamFileDelete(wxCommandEvent& event);

  ParameterTexts texts_;
  std::string language_;  // of the last SetLanguage, for the messages of the file operations
  UserParameterSet values_;

  std::array<wxTextCtrl*, PARAM_COUNT> numberFields_{};  // in the order of UserParameter
  wxChoice* WxChoice1 = nullptr;  // ellipsoid
  wxChoice* WxChoice2 = nullptr;  // projection
  wxTextCtrl* WxEdit11 = nullptr;  // name
  wxStaticBox* WxStaticBox1 = nullptr;  // the Lambert numbers
  wxButton* WxButton3 = nullptr;  // save
  wxButton* WxButton4 = nullptr;  // load
  wxButton* LoeschButton = nullptr;

  wxDECLARE_EVENT_TABLE();
};

}  // namespace kortavex
