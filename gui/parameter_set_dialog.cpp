#include "gui/parameter_set_dialog.h"

#include <wx/button.h>
#include <wx/choice.h>
#include <wx/filedlg.h>
#include <wx/sizer.h>
#include <wx/statbox.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include "engine/number_text.h"
#include "gui/dialog_common.h"
#include "gui/file_paths.h"
#include "gui/fonts.h"
#include "gui/message_dialog.h"
#include "gui/readable_colour.h"
#include "gui/wx_text.h"
#include "lang/cp1252.h"
#include "lang/settings_file_texts.h"
#include "settings/parameter_file.h"

namespace kortavex {

namespace {

const wxSize kSmallestSize(443, 354);
constexpr int kNumberWidth = 80;

}  // namespace

wxBEGIN_EVENT_TABLE(Parameter, wxDialog)
  EVT_BUTTON(ID_WXBUTTON3, Parameter::MnuParamFileSave)
  EVT_BUTTON(ID_WXBUTTON4, Parameter::MnuParamFileLoad)
  EVT_BUTTON(ID_LOESCHBUTTON, Parameter::MnuParamFileDelete)
wxEND_EVENT_TABLE()

Parameter::Parameter(wxWindow* parent, wxWindowID id, const wxString& title,
                     const wxPoint& position, const wxSize& size, long style)
    : wxDialog(parent, id, title, position, size, style) {
  CreateGUIControls();
}

void Parameter::CreateGUIControls() {
  SetFont(programFont("Tahoma", 8));
  const wxFont labelFont = programFont("Tahoma", 10);
  const auto label = [&](wxWindow* parent, wxWindowID id, const char* text = "") {
    auto* l = new wxStaticText(parent, id, text);
    l->SetFont(labelFont);
    return l;
  };
  const auto number = [&](wxWindow* parent, wxWindowID id, UserParameter which) {
    auto* field = new wxTextCtrl(parent, id, "");
    fieldSize(field, kNumberWidth, "-123456.789");
    numberFields_[which] = field;
    return field;
  };

  auto* heading = new wxStaticText(this, ID_PARAM1, "");
  heading->SetFont(programFont("Tahoma", 12));

  // Left: the seven numbers of the datum shift, translation and rotation side by side.
  auto* datumHeading = new wxStaticText(this, ID_WXSTATICTEXT18, "");
  datumHeading->SetFont(programFont("Tahoma", 11));
  auto* datumBox = new wxStaticBox(this, ID_WXSTATICBOX3, "");
  auto* shift = new wxFlexGridSizer(4, wxSize(8, 6));
  const struct {
    wxWindowID labelId, fieldId;
    const char* text;
    UserParameter which;
  } shiftFields[] = {
      {ID_WXSTATICTEXT1, ID_WXEDIT1, "Dx", PARAM_DX},   {ID_WXSTATICTEXT7, ID_WXEDIT7, "Rx", PARAM_RX},
      {ID_WXSTATICTEXT2, ID_WXEDIT2, "Dy", PARAM_DY},   {ID_WXSTATICTEXT8, ID_WXEDIT8, "Ry", PARAM_RY},
      {ID_WXSTATICTEXT3, ID_WXEDIT3, "Dz", PARAM_DZ},   {ID_WXSTATICTEXT9, ID_WXEDIT9, "Rz", PARAM_RZ},
      {ID_WXSTATICTEXT4, ID_WXEDIT4, "M", PARAM_SCALE},
  };
  for (const auto& f : shiftFields) {
    shift->Add(label(datumBox, f.labelId, f.text), 0, wxALIGN_CENTER_VERTICAL);
    shift->Add(number(datumBox, f.fieldId, f.which), 0, wxALIGN_CENTER_VERTICAL);
  }
  auto* bursaWolf = new wxStaticText(datumBox, ID_WXSTATICTEXT13, "");

  // Right: ellipsoid, projection and the projection's numbers.
  wxStaticText* ellipsoidLabel = label(this, ID_WXSTATICTEXT5);
  WxChoice1 = new wxChoice(this, ID_WXCHOICE1);
  for (const char* item : kEllipsoidItems) WxChoice1->Append(toWx(item));
  fitChoiceToItems(WxChoice1);
  wxStaticText* projectionLabel = label(this, ID_WXSTATICTEXT6);
  WxChoice2 = new wxChoice(this, ID_WXCHOICE2);
  for (const char* item : kProjectionItems) WxChoice2->Append(toWx(item));
  wxStaticText* meridianLabel = label(this, ID_WXSTATICTEXT12);
  number(this, ID_WXEDIT10, PARAM_CENTRAL_MERIDIAN);
  WxStaticBox1 = new wxStaticBox(this, ID_WXSTATICBOX1, "");
  wxStaticText* originLabel = label(WxStaticBox1, ID_WXSTATICTEXT15);
  number(WxStaticBox1, ID_WXEDIT12, PARAM_LATITUDE_OF_ORIGIN);
  wxStaticText* northLabel = label(WxStaticBox1, ID_WXSTATICTEXT16);
  number(WxStaticBox1, ID_WXEDIT13, PARAM_NORTH_PARALLEL);
  wxStaticText* southLabel = label(WxStaticBox1, ID_WXSTATICTEXT17);
  number(WxStaticBox1, ID_WXEDIT14, PARAM_SOUTH_PARALLEL);
  wxStaticText* eastingLabel = label(this, ID_WXSTATICTEXT10);
  number(this, ID_WXEDIT5, PARAM_FALSE_EASTING);
  wxStaticText* northingLabel = label(this, ID_WXSTATICTEXT11);
  number(this, ID_WXEDIT6, PARAM_FALSE_NORTHING);

  // Lower right: the name and the file buttons.
  auto* nameBox = new wxStaticBox(this, ID_WXSTATICBOX2, "");
  auto* nameLabel = new wxStaticText(nameBox, ID_WXSTATICTEXT14, "");
  WxEdit11 = new wxTextCtrl(nameBox, ID_WXEDIT11, "");
  WxEdit11->SetFont(programFont("Tahoma", 9));
  // dark red, or a shade of it that reads on the desktop's field colour
  WxEdit11->SetForegroundColour(
      readableOn(wxColour(128, 0, 0), WxEdit11->GetBackgroundColour()));
  fieldSize(WxEdit11, 200, "");
  WxButton3 = new wxButton(nameBox, ID_WXBUTTON3, "");
  WxButton4 = new wxButton(nameBox, ID_WXBUTTON4, "");
  LoeschButton = new wxButton(nameBox, ID_LOESCHBUTTON, "");

  auto* ok = new wxButton(this, wxID_OK, "OK");
  auto* exit = new wxButton(this, wxID_CANCEL, "Exit");
  ok->SetDefault();  // Enter in a field takes the dialog's values

  auto* datumGroup = new wxStaticBoxSizer(datumBox, wxVERTICAL);
  datumGroup->Add(shift, 0, wxALL, 6);
  datumGroup->Add(bursaWolf, 0, wxALL, 6);
  auto* okExit = new wxBoxSizer(wxHORIZONTAL);
  okExit->Add(ok);
  okExit->Add(exit, 0, wxLEFT, 10);
  auto* left = new wxBoxSizer(wxVERTICAL);
  left->Add(datumHeading, 0, wxBOTTOM, 4);
  left->Add(datumGroup);
  left->AddStretchSpacer();
  left->Add(okExit, 0, wxTOP, 10);

  const auto pairs = [](std::initializer_list<std::pair<wxWindow*, wxWindow*>> rows) {
    auto* grid = new wxFlexGridSizer(2, wxSize(8, 4));
    for (auto [text, control] : rows) {
      grid->Add(text, 0, wxALIGN_CENTER_VERTICAL);
      grid->Add(control, 0, wxALIGN_CENTER_VERTICAL);
    }
    return grid;
  };
  auto* conicGroup = new wxStaticBoxSizer(WxStaticBox1, wxVERTICAL);
  conicGroup->Add(pairs({{originLabel, numberFields_[PARAM_LATITUDE_OF_ORIGIN]},
                         {northLabel, numberFields_[PARAM_NORTH_PARALLEL]},
                         {southLabel, numberFields_[PARAM_SOUTH_PARALLEL]}}),
                  0, wxALL, 4);
  auto* fileButtons = new wxBoxSizer(wxHORIZONTAL);
  fileButtons->Add(WxButton3);
  fileButtons->Add(WxButton4, 0, wxLEFT, 6);
  fileButtons->Add(LoeschButton, 0, wxLEFT, 6);
  auto* nameGroup = new wxStaticBoxSizer(nameBox, wxVERTICAL);
  nameGroup->Add(nameLabel, 0, wxLEFT | wxRIGHT | wxTOP, 4);
  nameGroup->Add(WxEdit11, 0, wxEXPAND | wxALL, 4);
  nameGroup->Add(fileButtons, 0, wxALL, 4);
  auto* right = new wxBoxSizer(wxVERTICAL);
  right->Add(pairs({{ellipsoidLabel, WxChoice1},
                    {projectionLabel, WxChoice2},
                    {meridianLabel, numberFields_[PARAM_CENTRAL_MERIDIAN]}}));
  right->Add(conicGroup, 0, wxEXPAND | wxTOP | wxBOTTOM, 6);
  right->Add(pairs({{eastingLabel, numberFields_[PARAM_FALSE_EASTING]},
                    {northingLabel, numberFields_[PARAM_FALSE_NORTHING]}}));
  right->Add(nameGroup, 0, wxEXPAND | wxTOP, 6);

  auto* halves = new wxBoxSizer(wxHORIZONTAL);
  halves->Add(left, 0, wxEXPAND | wxRIGHT, 16);
  halves->Add(right);
  auto* top = new wxBoxSizer(wxVERTICAL);
  top->Add(heading, 0, wxBOTTOM, 8);
  top->Add(halves);
  auto* border = new wxBoxSizer(wxVERTICAL);
  border->Add(top, 0, wxALL, 10);
  SetSizer(border);

  // number fields empty, the projection's numbers 0, both lists at their first item
  for (UserParameter p : {PARAM_CENTRAL_MERIDIAN, PARAM_LATITUDE_OF_ORIGIN, PARAM_NORTH_PARALLEL,
                          PARAM_SOUTH_PARALLEL, PARAM_FALSE_EASTING, PARAM_FALSE_NORTHING})
    numberFields_[p]->ChangeValue("0");
  WxChoice1->SetSelection(0);
  WxChoice2->SetSelection(0);
  fitAtLeast(this, kSmallestSize);
  refitWhenShown(this, kSmallestSize);
}

void Parameter::SetLanguage(const std::string& language) {
  language_ = language;
  langvalues(language);
  langchange(language);
}

void Parameter::langvalues(const std::string& language) { kortavex::langvalues(texts_, language); }

const WindowTexts<ParameterTexts>& Parameter::textTable() {
  using T = ParameterTexts;
  static const WindowTexts<ParameterTexts> table = {
      &T::parTitle,
      {
          {ID_PARAM1, &T::parHeading, nullptr},
          {ID_WXSTATICTEXT18, &T::parDatum, nullptr},
          {ID_WXSTATICTEXT13, &T::parBursaWolf, nullptr},
          {ID_WXSTATICTEXT5, &T::parEllipsoid, nullptr},
          {ID_WXSTATICTEXT6, &T::parProjection, nullptr},
          {ID_WXSTATICTEXT12, &T::parCentralMeridian, nullptr},
          {ID_WXSTATICBOX1, &T::parConicGroup, nullptr},
          {ID_WXSTATICTEXT15, &T::parLatOrigin, nullptr},
          {ID_WXSTATICTEXT16, &T::parNorthParallel, nullptr},
          {ID_WXSTATICTEXT17, &T::parSouthParallel, nullptr},
          {ID_WXSTATICTEXT10, &T::parFalseEasting, nullptr},
          {ID_WXSTATICTEXT11, &T::parFalseNorthing, nullptr},
          {ID_WXSTATICTEXT14, &T::parSetName, nullptr},
          {ID_WXEDIT11, nullptr, &T::parNameTip},
          {ID_WXBUTTON3, &T::parSave, &T::parSaveTip},
          {ID_WXBUTTON4, &T::parLoad, &T::parLoadTip},
          {ID_LOESCHBUTTON, &T::parDelete, &T::parDeleteTip},
      }};
  return table;
}

void Parameter::langchange(const std::string&) {
  applyWindowTexts(this, textTable(), texts_);
  fitGroupTitle(WxStaticBox1);
  for (wxButton* button : {WxButton3, WxButton4, LoeschButton}) atLeast(button, wxDefaultSize);
  WxChoice2->SetString(0, toWx(texts_.parNoProjection));
  fitChoiceToItems(WxChoice2);
  fitAtLeast(this, kSmallestSize);
}

void Parameter::SetData(const UserParameterSet& set) {
  for (int p = 0; p < PARAM_COUNT; ++p) setFieldText(numberFields_[p], set.texts[p]);
  WxChoice1->SetSelection(set.system.ellipsoid);
  WxChoice2->SetSelection(set.system.projection);
  setFieldText(WxEdit11, set.name);
}

void Parameter::GetData() {
  for (int p = 0; p < PARAM_COUNT; ++p) {
    values_.texts[p] = withDecimalPoint(fieldText(numberFields_[p]));
  }
  values_.system.ellipsoid = WxChoice1->GetSelection();
  values_.system.projection = WxChoice2->GetSelection();
  values_.name = fieldText(WxEdit11);
}

bool Parameter::nameFitsCodePage() const { return exactlyFromWx(WxEdit11->GetValue()).has_value(); }

bool Parameter::nameShownFitsCodePage() {
  if (nameFitsCodePage()) return true;
  showMessage(this, settingsFileTexts(language_).msgSetNameNotWindows1252);
  return false;
}

void Parameter::focusText(int parameter) {
  if (parameter < 0 || parameter >= PARAM_COUNT) return;
  numberFields_[static_cast<std::size_t>(parameter)]->SetFocus();
  numberFields_[static_cast<std::size_t>(parameter)]->SelectAll();
}

void Parameter::MnuParamFileSave(wxCommandEvent&) {
  if (!nameShownFitsCodePage()) return;
  GetData();
  std::string error;
  if (saveParameterFile("", values_, texts_.parNoProjection, &error)) {
    showMessage(this, texts_.parSaved);
  } else {
    // never "saved" for a file that was not written
    showMessage(this, settingsFileTexts(language_).msgParameterNotSaved + "\n" +
                          fileSystemTextToCp1252(error));
  }
}

void Parameter::MnuParamFileLoad(wxCommandEvent&) {
  const FocusReturn back;
  wxFileDialog chooser(this, toWx(texts_.parChooseParamFile), ".", "", "*.gtp", wxFD_OPEN);
  if (chooser.ShowModal() != wxID_OK) return;
  const LoadedParameterFile loaded =
      loadParameterFile(fileSystemPath(chooser.GetPath()), texts_.parNoProjection);
  // a file that could not be read at all (a FIFO, a line too long) says why
  const bool unread = !loaded.fault.reason.empty() || loaded.fault.lineTooLong;
  if (!loaded.valid && !unread) {
    showMessage(this, texts_.parInvalidFile);
    return;
  }
  if (loaded.fault.faulty()) {
    showMessage(this, parameterFaultMessage(loaded.fault, language_));
    return;
  }
  GetData();
  applyLoadedParameterFile(loaded, values_);
  SetData(values_);
}

void Parameter::MnuParamFileDelete(wxCommandEvent&) {
  if (!nameShownFitsCodePage()) return;
  const std::string name = fieldText(WxEdit11);
  // asked first, naming the file: "No" leaves the form and the file as they are
  if (!askYesNo(this, name + kParameterFileExtension + "\n" + texts_.parAskDelete, "Message box", language_))
    return;
  SetData(UserParameterSet());
  deleteParameterFile("", name);
}

}  // namespace kortavex
