#pragma once
// The settings dialog: reference height, coordinate columns, column
// delimiter, language, the name of the current parameter set (shown only) and
// the regions whose systems the two system lists offer.

#include <string>

#include <wx/dialog.h>

#include "gui/window_texts.h"
#include "lang/settings_dialog_texts.h"
#include "settings/settings.h"

class wxCheckBox;
class wxChoice;
class wxStaticBox;
class wxTextCtrl;

namespace kortavex {

class OptionDlg : public wxDialog {
 public:
  enum {
    ID_WXSTATICTEXT1 = 1001,
    ID_WXSTATICTEXT2 = 1003,
    ID_WXSTATICTEXT3 = 1009,
    ID_WXSTATICTEXT4 = 1010,
    ID_WXSTATICTEXT5 = 1011,
    ID_WXCHOICE1 = 1016,
    ID_WXCHOICE2 = 1017,
    ID_WXEDIT1 = 1018,
    ID_WXSTATICTEXT6 = 1020,
    ID_WXEDIT2 = 1026,
    ID_WXSTATICTEXT7 = 1027,
    ID_WXCHOICE3 = 1029,
    ID_WXCHOICE4 = 1031,
    ID_WXSTATICTEXT8 = 1032,
    ID_WXSTATICBOX1 = 1033,
    ID_WXSTATICTEXT9 = 1040,
    ID_WXSTATICTEXT10 = 1041,
    ID_WXCHECKBOX1 = 1042,  // ... ID_WXCHECKBOX6 = 1047
    ID_WXSTATICBOX2 = 1048,
    ID_WXCHECKBOX7 = 1049,  // ... ID_WXCHECKBOX10 = 1052
    ID_WXSTATICBOX3 = 1053,
    ID_HEIGHTS_BOX = 1054,
    ID_HEIGHT_COLUMN_TEXT = 1055,
    ID_HEIGHT_COLUMN = 1056,
  };

  // Caption, system menu, close and minimise box; no resize border.
  static constexpr long kStyle = wxCAPTION | wxSYSTEM_MENU | wxCLOSE_BOX | wxMINIMIZE_BOX;

  OptionDlg(wxWindow* parent, wxWindowID id = 1, const wxString& title = "Options",
            const wxPoint& position = wxDefaultPosition, const wxSize& size = wxDefaultSize,
            long style = kStyle);

  // Fills the controls and puts the texts of `settings.language` on them. A
  // column outside 1-9, a delimiter or language that is not in its list
  // leaves that list without a selection.
  void SetData(const Settings& settings, const std::string& parameterSetName);

  // Takes the values from the controls: the reference height text with ","
  // turned into "."; each column -1 and the delimiter code 0 and the
  // language empty when its list has no selection; the mask of the checked
  // regions. `referenceHeight` is not touched.
  void GetData();
  const Settings& values() const { return values_; }

  // The Heights box and the height column (0-based), which the window keeps
  // in its state file, not in the options file.
  void setHeights(bool heights, int heightColumn);
  bool heights() const;
  int heightColumn() const;  // -1 when its list has no selection

  // The user picked an entry of the language list.
  bool languageChanged() const { return languageChanged_; }

  void langvalues(const std::string& language);
  void langchange(const std::string& language);
  // Which text of the table the title and each control show.
  static const WindowTexts<OptionTexts>& textTable();

  // Writes the options file of the working directory from the controls as
  // they stand (the reference height exactly as typed) and the region mask
  // of the last GetData. False, with the reason in `*error`, when it could
  // not be written; the old file is then unchanged.
  bool OptionFileSave(std::string* error);

 private:
  void CreateGUIControls();
  void WxChoice4Selected(wxCommandEvent& event);
  std::string selectedItem(const wxChoice* list) const;
  // The values as the controls show them, the reference height exactly as typed.
  Settings shownValues() const;

  OptionTexts texts_;
  Settings values_;
  bool languageChanged_ = false;

  wxTextCtrl* WxEdit1 = nullptr;          // reference height
  wxChoice* WxChoice1 = nullptr;          // easting/latitude column
  wxChoice* WxChoice2 = nullptr;          // northing/longitude column
  wxCheckBox* heightsBox_ = nullptr;      // lines carry heights
  wxChoice* heightColumn_ = nullptr;      // height column
  wxChoice* WxChoice3 = nullptr;          // delimiter
  wxTextCtrl* WxEdit2 = nullptr;          // name of the parameter set, shown only
  wxChoice* WxChoice4 = nullptr;          // language
  wxStaticBox* WxStaticBox1 = nullptr;    // all regions
  wxStaticBox* WxStaticBox3 = nullptr;    // national regions
  wxCheckBox* regionBoxes_[kRegionCount] = {};  // by bit of the region mask

  wxDECLARE_EVENT_TABLE();
};

}  // namespace kortavex
