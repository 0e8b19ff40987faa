#include "gui/dms_point_dialog.h"

#include <utility>

#include <wx/button.h>
#include <wx/sizer.h>
#include <wx/statline.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include "gui/dialog_common.h"
#include "gui/fonts.h"
#include "gui/message_dialog.h"
#include "gui/wx_text.h"

namespace kortavex {

EingabeDlg3::EingabeDlg3(wxWindow* parent, wxWindowID id, const wxString& title,
                         const wxPoint& position, const wxSize& size, long style)
    : PointInputDialog(parent, id, title, position, size, style) {
  CreateGUIControls();
}

void EingabeDlg3::CreateGUIControls() {
  const wxFont font = programFont("Arial", 10);
  const wxFont labelFont = programFont("Arial", 9);

  staticLine = new wxStaticLine(this, ID_STATICLINE, wxDefaultPosition, wxSize(246, -1));
  const auto sign = [&](wxWindowID id, const char* text) {
    auto* label = new wxStaticText(this, id, toWx(text));
    label->SetFont(font);
    return label;
  };
  wxStaticText* phiDegreeSign = sign(ID_WXSTATICTEXT4, "\xB0");
  wxStaticText* phiMinuteSign = sign(ID_WXSTATICTEXT5, "'");
  wxStaticText* phiSecondSign = sign(ID_WXSTATICTEXT6, "\"");
  wxStaticText* lambdaDegreeSign = sign(ID_WXSTATICTEXT7, "\xB0");
  wxStaticText* lambdaMinuteSign = sign(ID_WXSTATICTEXT8, "'");
  wxStaticText* lambdaSecondSign = sign(ID_WXSTATICTEXT9, "\"");

  // Created in focus order: latitude degrees, minutes, seconds, then longitude.
  const auto field = [&](wxWindowID id, int width, const char* widest) {
    auto* edit = new wxTextCtrl(this, id, "");
    edit->SetFont(font);
    fieldSize(edit, width, widest);
    return edit;
  };
  WxEdit3 = field(ID_WXEDIT3, 28, "-180");
  WxEdit2 = field(ID_WXEDIT2, 50, "59.99");
  WxEdit1 = field(ID_WXEDIT1, 60, "59.999");
  WxEdit4 = field(ID_WXEDIT4, 28, "-180");
  WxEdit5 = field(ID_WXEDIT5, 50, "59.99");
  WxEdit6 = field(ID_WXEDIT6, 60, "59.999");
  wxButton* ok = createOkButton(wxSize(53, 35));
  wxButton* cancel = createCancelButton(wxSize(53, 35));

  auto* heading = new wxStaticText(this, ID_WXSTATICTEXT1, "");
  heading->SetFont(programFont("Arial", 12, wxFONTWEIGHT_BOLD));
  auto* phiLabel = new wxStaticText(this, ID_WXSTATICTEXT2, "Phi");
  phiLabel->SetFont(labelFont);
  auto* lambdaLabel = new wxStaticText(this, ID_WXSTATICTEXT3, "Lambda");
  lambdaLabel->SetFont(labelFont);

  // Label, then each field followed by its unit sign, raised as a superscript.
  auto* rows = new wxFlexGridSizer(7, wxSize(3, 8));
  const auto addRow = [&](wxStaticText* label, wxTextCtrl* degrees, wxStaticText* degreeSign,
                          wxTextCtrl* minutes, wxStaticText* minuteSign, wxTextCtrl* seconds,
                          wxStaticText* secondSign) {
    rows->Add(label, 0, wxALIGN_CENTER_VERTICAL | wxRIGHT, 10);
    for (auto [edit, unit] : {std::pair{degrees, degreeSign}, std::pair{minutes, minuteSign},
                              std::pair{seconds, secondSign}}) {
      rows->Add(edit, 0, wxALIGN_CENTER_VERTICAL);
      rows->Add(unit, 0, wxALIGN_TOP);
    }
  };
  addRow(phiLabel, WxEdit3, phiDegreeSign, WxEdit2, phiMinuteSign, WxEdit1, phiSecondSign);
  addRow(lambdaLabel, WxEdit4, lambdaDegreeSign, WxEdit5, lambdaMinuteSign, WxEdit6,
         lambdaSecondSign);

  auto* buttons = new wxBoxSizer(wxHORIZONTAL);
  buttons->Add(ok);
  buttons->Add(cancel, 0, wxLEFT, 12);

  auto* top = new wxBoxSizer(wxVERTICAL);
  top->Add(heading, 0, wxALL, 8);
  top->Add(rows, 0, wxLEFT | wxRIGHT, 6);
  top->Add(buttons, 0, wxALL, 8);
  top->Add(staticLine, 0, wxEXPAND | wxLEFT | wxRIGHT | wxBOTTOM, 8);
  finishLayout(top, wxSize(269, 201));
}

const WindowTexts<DmsInputTexts>& EingabeDlg3::textTable() {
  using T = DmsInputTexts;
  static const WindowTexts<DmsInputTexts> table = {
      &T::dlgTitle,
      {
          {ID_WXSTATICTEXT1, &T::lblHeading, nullptr},
          {ID_WXSTATICTEXT2, &T::lblPhi, nullptr},
          {ID_WXSTATICTEXT3, &T::lblLambda, nullptr},
      }};
  return table;
}

void EingabeDlg3::SetLanguage(const std::string& language) {
  langvalues(texts_, language);
  applyWindowTexts(this, textTable(), texts_);
  fitToTexts();
}

void EingabeDlg3::GetData() {
  const auto read = [](const wxTextCtrl* degrees, const wxTextCtrl* minutes,
                       const wxTextCtrl* seconds) {
    return DmsRow{withoutBlanks(fieldText(degrees)), numberFieldText(fieldText(minutes)),
                  numberFieldText(fieldText(seconds))};
  };
  phi_ = read(WxEdit3, WxEdit2, WxEdit1);
  lambda_ = read(WxEdit4, WxEdit5, WxEdit6);
  if (dmsSecondsWarning(phi_)) showMessage(this, texts_.msgPhiSeconds);
  if (dmsSecondsWarning(lambda_)) showMessage(this, texts_.msgLambdaSeconds);
}

}  // namespace kortavex
