#include "gui/point_input_dialog.h"

#include <wx/button.h>
#include <wx/sizer.h>
#include <wx/textctrl.h>

#include "engine/number_text.h"

#include "gui/dialog_common.h"
#include "gui/fonts.h"
#include "gui/images.h"

namespace kortavex {

wxBEGIN_EVENT_TABLE(PointInputDialog, wxDialog)
  EVT_BUTTON(ID_WXBUTTON1, PointInputDialog::WxButton1Click)
  EVT_BUTTON(ID_WXBUTTON2, PointInputDialog::WxButton2Click)
wxEND_EVENT_TABLE()

PointInputDialog::PointInputDialog(wxWindow* parent, wxWindowID id, const wxString& title,
                                   const wxPoint& position, const wxSize& size, long style)
    : wxDialog(parent, id, title, position, size, style) {
  SetAffirmativeId(ID_WXBUTTON1);
  SetEscapeId(ID_WXBUTTON2);
}

wxButton* PointInputDialog::createOkButton(const wxSize& size) {
  auto* button = new wxButton(this, ID_WXBUTTON1, "OK");
  button->SetFont(programFont("Arial", 10));
  atLeast(button, size);
  button->SetDefault();
  return button;
}

wxButton* PointInputDialog::createCancelButton(const wxSize& size) {
  auto* button = new wxButton(this, ID_WXBUTTON2, "Cancel");
  button->SetFont(programFont("Arial", 10));
  atLeast(button, size);
  return button;
}

void PointInputDialog::finishLayout(wxSizer* sizer, const wxSize& size) {
  SetSizer(sizer);
  smallestSize_ = size;
  SetIcon(windowIcon());
  fitToTexts();
  refitWhenShown(this, size);
}

void PointInputDialog::fitToTexts() { fitAtLeast(this, smallestSize_); }

void PointInputDialog::focusFirstNonNumber(std::initializer_list<ReadField> fields) {
  for (const ReadField& f : fields) {
    if (parseNumber(f.text)) continue;
    f.field->SetFocus();
    return;
  }
}

void PointInputDialog::WxButton1Click(wxCommandEvent&) { EndModal(wxID_OK); }

void PointInputDialog::WxButton2Click(wxCommandEvent&) { EndModal(wxID_CANCEL); }

}  // namespace kortavex
