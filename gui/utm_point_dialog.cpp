#include "gui/utm_point_dialog.h"

#include <wx/button.h>
#include <wx/sizer.h>
#include <wx/statline.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include "gui/dialog_common.h"
#include "gui/fonts.h"
#include "gui/message_dialog.h"
#include "gui/wx_text.h"
#include "workflow/dialog_entry.h"
#include "workflow/single_point.h"

namespace kortavex {

namespace {

constexpr char kMgrsStartZone[] = "991";  // positions 1-3 of the MGRS start code

wxString exampleTip(const UtmInputTexts& texts) {
  return toWx(texts.tipExamplePrefix + kMgrsExample);
}

}  // namespace

wxBEGIN_EVENT_TABLE(EingabeDlgUTM, PointInputDialog)
  EVT_BUTTON(ID_WXBUTTON3, EingabeDlgUTM::UTMref)
wxEND_EVENT_TABLE()

EingabeDlgUTM::EingabeDlgUTM(wxWindow* parent, wxWindowID id, const wxString& title,
                             const wxPoint& position, const wxSize& size, long style)
    : PointInputDialog(parent, id, title, position, size, style) {
  CreateGUIControls();
}

void EingabeDlgUTM::CreateGUIControls() {
  const wxFont small = programFont("Tahoma", 8);
  const wxFont label = programFont("Arial", 10, wxFONTWEIGHT_BOLD);

  // Created in focus order: the UTM button, easting, northing, zone, reference.
  WxButton3 = new wxButton(this, ID_WXBUTTON3, "  ^\n  ^\nUTM");
  WxButton3->SetFont(small);
  atLeast(WxButton3, wxSize(35, 45));
  const auto field = [&](wxWindowID id, int width, const char* widest) {
    auto* edit = new wxTextCtrl(this, id, "");
    edit->SetFont(small);
    fieldSize(edit, width, widest);
    return edit;
  };
  WxEdit1 = field(ID_WXEDIT1, 140, "-603112.12345678");
  WxEdit2 = field(ID_WXEDIT2, 140, "-5338361.12345678");
  WxEdit3 = field(ID_WXEDIT3, 35, "33N");
  WxEdit3->SetToolTip("1 - 60");
  WxEdit4 = field(ID_WXEDIT4, 172, "33UXP0154338361");
  // until SetLanguage the tool tips are the German ones
  UtmInputTexts german;
  langvalues(german, "Deutsch");
  WxButton3->SetToolTip(toWx(german.tipUtmButton));
  WxEdit4->SetToolTip(exampleTip(german));

  auto* heading = new wxStaticText(this, ID_WXSTATICTEXT1, "");
  heading->SetFont(programFont("Arial", 12, wxFONTWEIGHT_BOLD));
  const auto text = [&](wxWindowID id, const char* content) {
    auto* t = new wxStaticText(this, id, content);
    t->SetFont(label);
    return t;
  };
  // "x" is the easting and "y" the northing here, as in the UTM frame table.
  wxStaticText* eastingLabel = text(ID_WXSTATICTEXT5, "x:");
  wxStaticText* zoneLabel = text(ID_WXSTATICTEXT2, "Zone:");
  wxStaticText* northingLabel = text(ID_WXSTATICTEXT7, "y:");
  wxStaticText* mgrsLabel = text(ID_WXSTATICTEXT3, "MGRS/UTMREF");
  auto* line = new wxStaticLine(this, ID_STATICLINE, wxDefaultPosition, wxSize(270, -1));
  wxButton* cancel = createCancelButton(wxSize(53, 35));
  wxButton* ok = createOkButton(wxSize(55, 35));

  auto* utm = new wxFlexGridSizer(4, wxSize(8, 6));
  utm->Add(eastingLabel, 0, wxALIGN_CENTER_VERTICAL);
  utm->Add(WxEdit1, 0, wxALIGN_CENTER_VERTICAL);
  utm->Add(zoneLabel, 0, wxALIGN_CENTER_VERTICAL | wxLEFT, 2);
  utm->Add(WxEdit3, 0, wxALIGN_CENTER_VERTICAL);
  utm->Add(northingLabel, 0, wxALIGN_CENTER_VERTICAL);
  utm->Add(WxEdit2, 0, wxALIGN_CENTER_VERTICAL);

  auto* buttons = new wxBoxSizer(wxHORIZONTAL);
  buttons->Add(ok);
  buttons->Add(cancel, 0, wxLEFT, 10);

  auto* reference = new wxBoxSizer(wxVERTICAL);
  reference->Add(mgrsLabel, 0, wxBOTTOM, 4);
  reference->Add(WxEdit4);
  auto* mgrs = new wxBoxSizer(wxHORIZONTAL);
  mgrs->Add(reference, 0, wxALIGN_BOTTOM);
  mgrs->Add(WxButton3, 0, wxLEFT, 19);

  auto* top = new wxBoxSizer(wxVERTICAL);
  top->Add(heading, 0, wxALL, 8);
  top->Add(utm, 0, wxLEFT | wxRIGHT, 9);
  top->Add(buttons, 0, wxALL, 9);
  top->Add(line, 0, wxEXPAND | wxLEFT | wxRIGHT, 9);
  top->Add(mgrs, 0, wxALL, 9);
  finishLayout(top, wxSize(290, 229));
}

void EingabeDlgUTM::SetData(const std::string& zone) {
  // the field the start system asks for takes the focus, not the UTM button
  if (zone == kMgrsStartZone) {
    WxEdit4->SetFocus();
    return;
  }
  setFieldText(WxEdit3, zone);
  WxEdit1->SetFocus();
}

const WindowTexts<UtmInputTexts>& EingabeDlgUTM::textTable() {
  using T = UtmInputTexts;
  static const WindowTexts<UtmInputTexts> table = {
      &T::dlgTitle,
      {
          {ID_WXSTATICTEXT1, &T::lblHeading, nullptr},
          {ID_WXBUTTON3, nullptr, &T::tipUtmButton},
      }};
  return table;
}

void EingabeDlgUTM::SetLanguage(const std::string& language) {
  langvalues(texts_, language);
  applyWindowTexts(this, textTable(), texts_);
  WxEdit4->SetToolTip(exampleTip(texts_));
  fitToTexts();
}

void EingabeDlgUTM::GetData() {
  eastingText_ = numberFieldText(fieldText(WxEdit1));
  northingText_ = numberFieldText(fieldText(WxEdit2));
  zoneInput_ = fieldText(WxEdit3);
  mgrsText_ = withoutBlanks(fieldText(WxEdit4));
}

void EingabeDlgUTM::reportInvalidField() {
  if (!utmZoneFromText(zoneInput_)) {
    showMessage(this, texts_.msgZoneInvalid);
    WxEdit3->SetFocus();
    return;
  }
  focusFirstNonNumber({{WxEdit1, eastingText_}, {WxEdit2, northingText_}});
}

void EingabeDlgUTM::UTMref(wxCommandEvent&) {
  using Message = MgrsFieldDecoding::Message;
  const MgrsFieldDecoding decoded = decodeMgrsField(fieldText(WxEdit4));
  switch (decoded.message) {
    case Message::Empty: showMessage(this, texts_.msgMgrsEmpty); break;
    case Message::Invalid: showMessage(this, texts_.msgMgrsInvalid); break;
    case Message::OutsideBand: showMessage(this, texts_.msgMgrsOutsideBand); break;
    case Message::None: break;
  }
  if (!decoded.fill) return;
  setFieldText(WxEdit1, decoded.easting);
  setFieldText(WxEdit2, decoded.northing);
  setFieldText(WxEdit3, decoded.zone);
}

}  // namespace kortavex
