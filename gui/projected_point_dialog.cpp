#include "gui/projected_point_dialog.h"

#include <wx/button.h>
#include <wx/sizer.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include "gui/dialog_common.h"
#include "gui/fonts.h"
#include "gui/wx_text.h"
#include "workflow/dialog_entry.h"

namespace kortavex {

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
  auto* northingHint = new wxStaticText(this, ID_WXSTATICTEXT6, toWx("(Gauss-Kr\xFCger x)"));
  northingHint->SetFont(hintFont);
  auto* eastingHint = new wxStaticText(this, ID_WXSTATICTEXT4, toWx("(Gauss-Kr\xFCger y)"));
  eastingHint->SetFont(hintFont);
  auto* northingLabel = new wxStaticText(this, ID_WXSTATICTEXT3, "");
  northingLabel->SetFont(labelFont);
  auto* eastingLabel = new wxStaticText(this, ID_WXSTATICTEXT2, "");
  eastingLabel->SetFont(labelFont);
  GK_Y = new wxTextCtrl(this, ID_GK_Y, "");
  GK_Y->SetFont(fieldFont);
  fieldSize(GK_Y, 113, "-5340123.456");
  GK_X = new wxTextCtrl(this, ID_GK_X, "");
  GK_X->SetFont(fieldFont);
  fieldSize(GK_X, 113, "-5340123.456");
  wxButton* ok = createOkButton(wxSize(55, 35));
  wxButton* cancel = createCancelButton(wxSize(53, 35));
  auto* heading = new wxStaticText(this, ID_WXSTATICTEXT1, "");
  heading->SetFont(programFont("Arial", 12, wxFONTWEIGHT_BOLD));

  // Each value: its label with the hint below it, the field to the right.
  auto* values = new wxFlexGridSizer(2, wxSize(8, 6));
  const auto addRow = [&](wxStaticText* label, wxStaticText* hint, wxTextCtrl* field) {
    auto* labels = new wxBoxSizer(wxVERTICAL);
    labels->Add(label);
    labels->Add(hint);
    values->Add(labels, 0, wxALIGN_CENTER_VERTICAL);
    values->Add(field, 0, wxALIGN_CENTER_VERTICAL);
  };
  addRow(eastingLabel, eastingHint, GK_Y);
  addRow(northingLabel, northingHint, GK_X);

  auto* buttons = new wxBoxSizer(wxHORIZONTAL);
  buttons->Add(ok);
  buttons->Add(cancel, 0, wxLEFT, 15);

  auto* top = new wxBoxSizer(wxVERTICAL);
  top->Add(heading, 0, wxALL, 8);
  top->Add(values, 0, wxLEFT | wxRIGHT, 8);
  top->Add(buttons, 0, wxALL, 8);
  finishLayout(top, wxSize(248, 200));
}

const WindowTexts<ProjectedInputTexts>& EingabeDlg1::textTable() {
  using T = ProjectedInputTexts;
  static const WindowTexts<ProjectedInputTexts> table = {
      &T::dlgTitle,
      {
          {ID_WXSTATICTEXT1, &T::lblHeading, nullptr},
          {ID_WXSTATICTEXT2, &T::lblEasting, nullptr},
          {ID_WXSTATICTEXT3, &T::lblNorthing, nullptr},
      }};
  return table;
}

void EingabeDlg1::SetLanguage(const std::string& language) {
  langvalues(texts_, language);
  applyWindowTexts(this, textTable(), texts_);
  fitToTexts();
}

void EingabeDlg1::focusInvalidField() {
  focusFirstNonNumber({{GK_Y, eastingText_}, {GK_X, northingText_}});
}

void EingabeDlg1::GetData() {
  eastingText_ = numberFieldText(fieldText(GK_Y));
  northingText_ = numberFieldText(fieldText(GK_X));
}

}  // namespace kortavex
