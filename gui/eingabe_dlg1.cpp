#include "gui/eingabe_dlg1.h"

#include <wx/button.h>
#include <wx/sizer.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include "gui/dialog_common.h"
#include "gui/fonts.h"
#include "gui/wx_text.h"
#include "workflow/dialog_entry.h"

EingabeDlg1::EingabeDlg1(wxWindow* parent, wxWindowID id, const wxString& title,
                         const wxPoint& position, const wxSize& size, long style)
    : PointInputDialog(parent, id, title, position, size, style) {
  CreateGUIControls();
}

void EingabeDlg1::CreateGUIControls() {
  const wxFont hintFont = programFont("Tahoma", 8);
  const wxFont labelFont = programFont("Arial", 10, wxFONTWEIGHT_BOLD);
  const wxFont fieldFont = programFont("Arial", 10);

  // Created in this order so that the focus runs GK_Y, GK_X, OK, Cancel.
  WxStaticText6 = new wxStaticText(this, ID_WXSTATICTEXT6, toWx("(Gauss-Kr\xFCger x)"));
  WxStaticText6->SetFont(hintFont);
  WxStaticText4 = new wxStaticText(this, ID_WXSTATICTEXT4, toWx("(Gauss-Kr\xFCger y)"));
  WxStaticText4->SetFont(hintFont);
  WxStaticText3 = new wxStaticText(this, ID_WXSTATICTEXT3, "");
  WxStaticText3->SetFont(labelFont);
  WxStaticText2 = new wxStaticText(this, ID_WXSTATICTEXT2, "");
  WxStaticText2->SetFont(labelFont);
  GK_Y = new wxTextCtrl(this, ID_GK_Y, "");
  GK_Y->SetFont(fieldFont);
  fieldSize(GK_Y, 113, "-5340123.456");
  GK_X = new wxTextCtrl(this, ID_GK_X, "");
  GK_X->SetFont(fieldFont);
  fieldSize(GK_X, 113, "-5340123.456");
  wxButton* ok = createOkButton(wxSize(55, 35));
  wxButton* cancel = createCancelButton(wxSize(53, 35));
  WxStaticText1 = new wxStaticText(this, ID_WXSTATICTEXT1, "");
  WxStaticText1->SetFont(programFont("Arial", 12, wxFONTWEIGHT_BOLD));

  // Each value: its label with the hint below it, the field to the right.
  auto* values = new wxFlexGridSizer(2, wxSize(8, 6));
  const auto addRow = [&](wxStaticText* label, wxStaticText* hint, wxTextCtrl* field) {
    auto* labels = new wxBoxSizer(wxVERTICAL);
    labels->Add(label);
    labels->Add(hint);
    values->Add(labels, 0, wxALIGN_CENTER_VERTICAL);
    values->Add(field, 0, wxALIGN_CENTER_VERTICAL);
  };
  addRow(WxStaticText2, WxStaticText4, GK_Y);
  addRow(WxStaticText3, WxStaticText6, GK_X);

  auto* buttons = new wxBoxSizer(wxHORIZONTAL);
  buttons->Add(ok);
  buttons->Add(cancel, 0, wxLEFT, 15);

  auto* top = new wxBoxSizer(wxVERTICAL);
  top->Add(WxStaticText1, 0, wxALL, 8);
  top->Add(values, 0, wxLEFT | wxRIGHT, 8);
  top->Add(buttons, 0, wxALL, 8);
  finishLayout(top, wxSize(248, 200));
}

void EingabeDlg1::SetLanguage(const std::string& language) {
  langvalues(texts_, language);
  SetTitle(toWx(texts_.dlgTitle));
  WxStaticText1->SetLabel(toWx(texts_.lblHeading));
  WxStaticText2->SetLabel(toWx(texts_.lblEasting));
  WxStaticText3->SetLabel(toWx(texts_.lblNorthing));
  fitToTexts();
}

void EingabeDlg1::focusInvalidField() {
  focusFirstNonNumber({{GK_Y, eastingText_}, {GK_X, northingText_}});
}

void EingabeDlg1::GetData() {
  eastingText_ = numberFieldText(fieldText(GK_Y));
  northingText_ = numberFieldText(fieldText(GK_X));
}
