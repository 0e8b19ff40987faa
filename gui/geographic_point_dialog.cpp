#include "gui/geographic_point_dialog.h"

#include <optional>

#include <wx/button.h>
#include <wx/sizer.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include "gui/dialog_common.h"
#include "gui/dms_point_dialog.h"
#include "gui/fonts.h"
#include "gui/message_dialog.h"
#include "gui/wx_text.h"
#include "workflow/dialog_entry.h"

namespace kortavex {

wxBEGIN_EVENT_TABLE(EingabeDlg2, PointInputDialog)
  EVT_BUTTON(ID_GMS, EingabeDlg2::GMS_Click)
wxEND_EVENT_TABLE()

EingabeDlg2::EingabeDlg2(wxWindow* parent, wxWindowID id, const wxString& title,
                         const wxPoint& position, const wxSize& size, long style)
    : PointInputDialog(parent, id, title, position, size, style) {
  CreateGUIControls();
}

void EingabeDlg2::CreateGUIControls() {
  const wxFont font = programFont("Arial", 10);
  const wxFont labelFont = programFont("Arial", 9);

  // Created in focus order: latitude, longitude, OK, Cancel, the DMS button.
  WxEdit_Phi = new wxTextCtrl(this, ID_WXEDIT_PHI, "");
  WxEdit_Phi->SetFont(font);
  fieldSize(WxEdit_Phi, 121, "-90.123456789");
  WxEdit_Lambda = new wxTextCtrl(this, ID_WXEDIT_LAMBDA, "");
  WxEdit_Lambda->SetFont(font);
  fieldSize(WxEdit_Lambda, 121, "-180.123456789");
  wxButton* ok = createOkButton(wxSize(53, 35));
  wxButton* cancel = createCancelButton(wxSize(53, 35));
  GMS = new wxButton(this, ID_GMS, "");
  GMS->SetFont(font);
  atLeast(GMS, wxSize(97, 21));

  auto* heading = new wxStaticText(this, ID_WXSTATICTEXT1, "");
  heading->SetFont(programFont("Arial", 12, wxFONTWEIGHT_BOLD));
  auto* phiLabel = new wxStaticText(this, ID_WXSTATICTEXT2, "");
  phiLabel->SetFont(labelFont);
  auto* lambdaLabel = new wxStaticText(this, ID_WXSTATICTEXT3, "");
  lambdaLabel->SetFont(labelFont);

  auto* values = new wxFlexGridSizer(2, wxSize(10, 6));
  values->Add(phiLabel, 0, wxALIGN_CENTER_VERTICAL);
  values->Add(WxEdit_Phi, 0, wxALIGN_CENTER_VERTICAL);
  values->Add(lambdaLabel, 0, wxALIGN_CENTER_VERTICAL);
  values->Add(WxEdit_Lambda, 0, wxALIGN_CENTER_VERTICAL);

  auto* buttons = new wxBoxSizer(wxHORIZONTAL);
  buttons->Add(ok);
  buttons->Add(cancel, 0, wxLEFT, 7);
  buttons->Add(GMS, 0, wxLEFT, 8);

  auto* top = new wxBoxSizer(wxVERTICAL);
  top->Add(heading, 0, wxALL, 8);
  top->Add(values, 0, wxLEFT | wxRIGHT, 8);
  top->Add(buttons, 0, wxALL, 8);
  finishLayout(top, wxSize(246, 187));
}

const WindowTexts<GeographicInputTexts>& EingabeDlg2::textTable() {
  using T = GeographicInputTexts;
  static const WindowTexts<GeographicInputTexts> table = {
      &T::dlgTitle,
      {
          {ID_GMS, &T::btnDms, &T::tipDmsButton},
          {ID_WXSTATICTEXT1, &T::lblHeading, nullptr},
          {ID_WXSTATICTEXT2, &T::lblPhi, nullptr},
          {ID_WXSTATICTEXT3, &T::lblLambda, nullptr},
      }};
  return table;
}

void EingabeDlg2::SetLanguage(const std::string& language) {
  dialogLanguage = language;
  langvalues(texts_, language);
  applyWindowTexts(this, textTable(), texts_);
  atLeast(GMS, wxSize(97, 21));
  fitToTexts();
}

void EingabeDlg2::GetData() {
  phiText_ = numberFieldText(fieldText(WxEdit_Phi));
  lambdaText_ = numberFieldText(fieldText(WxEdit_Lambda));
}

void EingabeDlg2::focusInvalidField() {
  focusFirstNonNumber({{WxEdit_Phi, phiText_}, {WxEdit_Lambda, lambdaText_}});
}

void EingabeDlg2::GMS_Click(wxCommandEvent&) {
  const FocusReturn back;
  EingabeDlg3 dms(this, 1, "Eingabe Dialog");
  dms.SetLanguage(dialogLanguage);
  if (dms.ShowModal() != wxID_OK) return;
  dms.GetData();
  std::optional<double> phi = dmsDegrees(dms.phi()), lambda = dmsDegrees(dms.lambda());
  while (!phi || !lambda) {
    showMessage(this, texts_.msgNumber);
    if (dms.ShowModal() == wxID_CANCEL) return;
    dms.GetData();
    phi = dmsDegrees(dms.phi());
    lambda = dmsDegrees(dms.lambda());
  }
  setFieldText(WxEdit_Phi, dmsFieldText(*phi));
  setFieldText(WxEdit_Lambda, dmsFieldText(*lambda));
  // the point is complete: Enter now takes it, not the degrees dialog again
  FindWindow(ID_WXBUTTON1)->SetFocus();
}

}  // namespace kortavex
