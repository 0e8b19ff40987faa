#include "gui/settings_dialog.h"

#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/choice.h>
#include <wx/sizer.h>
#include <wx/statbox.h>
#include <wx/statline.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include "engine/number_text.h"
#include "gui/dialog_common.h"
#include "gui/fonts.h"
#include "gui/readable_colour.h"
#include "gui/wx_text.h"
#include "lang/language.h"

namespace kortavex {

namespace {

const wxSize kSmallestSize(456, 369);
constexpr int kColumnCount = 9;
constexpr const char* kDelimiterItems[] = {" ", ",", ";"};

// The check box of each bit of the region mask: id and label.
struct RegionBox {
  wxWindowID id;
  const char* label;
};
constexpr RegionBox kRegionBoxes[10] = {
    {OptionDlg::ID_WXCHECKBOX7, "Austria"},
    {OptionDlg::ID_WXCHECKBOX7 + 1, "Germany"},
    {OptionDlg::ID_WXCHECKBOX7 + 2, "Switzerland/Liechtenst."},
    {OptionDlg::ID_WXCHECKBOX7 + 3, "Czech/Slovakia"},
    {OptionDlg::ID_WXCHECKBOX1, "UTM  1-20"},      // north
    {OptionDlg::ID_WXCHECKBOX1 + 2, "UTM 21-40"},
    {OptionDlg::ID_WXCHECKBOX1 + 4, "UTM 41-60"},
    {OptionDlg::ID_WXCHECKBOX1 + 1, "UTM  1-20"},  // south
    {OptionDlg::ID_WXCHECKBOX1 + 3, "UTM 21-40"},
    {OptionDlg::ID_WXCHECKBOX1 + 5, "UTM 41-60"},
};

void selectItem(wxChoice* list, const std::string& item) {
  list->SetSelection(list->FindString(toWx(item), true));
}

}  // namespace

wxBEGIN_EVENT_TABLE(OptionDlg, wxDialog)
  EVT_CHOICE(ID_WXCHOICE4, OptionDlg::WxChoice4Selected)
wxEND_EVENT_TABLE()

OptionDlg::OptionDlg(wxWindow* parent, wxWindowID id, const wxString& title,
                     const wxPoint& position, const wxSize& size, long style)
    : wxDialog(parent, id, title, position, size, style) {
  CreateGUIControls();
}

void OptionDlg::CreateGUIControls() {
  SetFont(programFont("Tahoma", 8));
  const auto label = [&](wxWindowID id, const char* text = "") {
    return new wxStaticText(this, id, text);
  };
  wxArrayString columns;
  for (int i = 1; i <= kColumnCount; ++i) columns.Add(wxString::Format("%d", i));
  wxArrayString delimiters;
  for (const char* item : kDelimiterItems) delimiters.Add(item);
  wxArrayString languages;
  for (const char* name : kLanguageNames) languages.Add(name);

  // The file settings, top to bottom: created in this order for the focus.
  wxStaticText* heightLabel = label(ID_WXSTATICTEXT1);
  WxEdit1 = new wxTextCtrl(this, ID_WXEDIT1, "");
  fieldSize(WxEdit1, 70, "-1234.567");
  wxStaticText* unit = label(ID_WXSTATICTEXT2, "m");
  heightsBox_ = new wxCheckBox(this, ID_HEIGHTS_BOX, "");
  wxStaticText* fileHeading = label(ID_WXSTATICTEXT5);
  fileHeading->SetFont(programFont("Tahoma", 12));
  wxStaticText* eastingLabel = label(ID_WXSTATICTEXT3);
  WxChoice1 = new wxChoice(this, ID_WXCHOICE1, wxDefaultPosition, wxDefaultSize, columns);
  wxStaticText* northingLabel = label(ID_WXSTATICTEXT4);
  WxChoice2 = new wxChoice(this, ID_WXCHOICE2, wxDefaultPosition, wxDefaultSize, columns);
  wxStaticText* heightColumnLabel = label(ID_HEIGHT_COLUMN_TEXT);
  heightColumn_ = new wxChoice(this, ID_HEIGHT_COLUMN, wxDefaultPosition, wxDefaultSize, columns);
  wxStaticText* delimiterLabel = label(ID_WXSTATICTEXT7);
  WxChoice3 = new wxChoice(this, ID_WXCHOICE3, wxDefaultPosition, wxDefaultSize, delimiters);
  wxStaticText* setLabel = label(ID_WXSTATICTEXT6);
  // Display only. A disabled field would take the desktop's grey for its
  // text, which does not read on the green: read-only instead, in a text
  // colour that reads on it.
  WxEdit2 = new wxTextCtrl(this, ID_WXEDIT2, "", wxDefaultPosition, wxDefaultSize, wxTE_READONLY);
  const wxColour green(159, 196, 142);
  WxEdit2->SetBackgroundColour(green);
  WxEdit2->SetForegroundColour(readableOn(WxEdit2->GetForegroundColour(), green));
  fieldSize(WxEdit2, 120, "Parameterset name");
  wxStaticText* languageLabel = label(ID_WXSTATICTEXT8);
  WxChoice4 = new wxChoice(this, ID_WXCHOICE4, wxDefaultPosition, wxDefaultSize, languages);
  for (wxChoice* list : {WxChoice1, WxChoice2, heightColumn_, WxChoice3, WxChoice4}) fitChoiceToItems(list);

  // The regions: the UTM blocks in columns N and S, then the national ones.
  WxStaticBox1 = new wxStaticBox(this, ID_WXSTATICBOX1, "");
  auto* utmBox = new wxStaticBox(WxStaticBox1, ID_WXSTATICBOX2, "UTM(WGS84)");
  auto* north = new wxStaticText(utmBox, ID_WXSTATICTEXT9, "N");
  auto* south = new wxStaticText(utmBox, ID_WXSTATICTEXT10, "S");
  WxStaticBox3 = new wxStaticBox(WxStaticBox1, ID_WXSTATICBOX3, "");
  for (int bit = 0; bit < kRegionCount; ++bit) {
    wxWindow* box = bit < 4 ? static_cast<wxWindow*>(WxStaticBox3) : utmBox;
    regionBoxes_[bit] = new wxCheckBox(box, kRegionBoxes[bit].id, kRegionBoxes[bit].label);
  }

  auto* ok = new wxButton(this, wxID_OK, "OK");
  auto* exit = new wxButton(this, wxID_CANCEL, "Exit");
  ok->SetDefault();  // Enter in a field takes the dialog's values

  // Left half.
  auto* height = new wxBoxSizer(wxHORIZONTAL);
  height->Add(heightLabel, 0, wxALIGN_CENTER_VERTICAL | wxRIGHT, 6);
  height->Add(WxEdit1, 0, wxALIGN_CENTER_VERTICAL);
  height->Add(unit, 0, wxALIGN_CENTER_VERTICAL | wxLEFT, 4);
  auto* file = new wxFlexGridSizer(2, wxSize(10, 6));
  for (auto [text, control] : {std::pair<wxStaticText*, wxWindow*>{eastingLabel, WxChoice1},
                               {northingLabel, WxChoice2},
                               {heightColumnLabel, heightColumn_},
                               {delimiterLabel, WxChoice3}}) {
    file->Add(text, 0, wxALIGN_CENTER_VERTICAL);
    file->Add(control, 0, wxALIGN_CENTER_VERTICAL);
  }
  auto* other = new wxFlexGridSizer(2, wxSize(10, 6));
  other->Add(setLabel, 0, wxALIGN_CENTER_VERTICAL);
  other->Add(WxEdit2, 0, wxALIGN_CENTER_VERTICAL);
  other->Add(languageLabel, 0, wxALIGN_CENTER_VERTICAL);
  other->Add(WxChoice4, 0, wxALIGN_CENTER_VERTICAL);
  auto* buttons = new wxBoxSizer(wxHORIZONTAL);
  buttons->Add(ok);
  buttons->Add(exit, 0, wxLEFT, 10);
  auto* left = new wxBoxSizer(wxVERTICAL);
  left->Add(height);
  left->Add(heightsBox_, 0, wxTOP, 8);
  left->Add(new wxStaticLine(this), 0, wxEXPAND | wxTOP | wxBOTTOM, 10);
  left->Add(fileHeading, 0, wxBOTTOM, 8);
  left->Add(file);
  left->Add(new wxStaticLine(this), 0, wxEXPAND | wxTOP | wxBOTTOM, 10);
  left->Add(other);
  left->Add(new wxStaticLine(this), 0, wxEXPAND | wxTOP | wxBOTTOM, 10);
  left->AddStretchSpacer();
  left->Add(buttons);

  // Right half.
  auto* utm = new wxFlexGridSizer(2, wxSize(16, 4));
  utm->Add(north, 0, wxALIGN_CENTER_HORIZONTAL);
  utm->Add(south, 0, wxALIGN_CENTER_HORIZONTAL);
  for (int row = 0; row < 3; ++row) {
    utm->Add(regionBoxes_[4 + row]);
    utm->Add(regionBoxes_[7 + row]);
  }
  auto* utmGroup = new wxStaticBoxSizer(utmBox, wxVERTICAL);
  utmGroup->Add(utm, 0, wxALL, 6);
  auto* nationalGroup = new wxStaticBoxSizer(WxStaticBox3, wxVERTICAL);
  for (int bit = 0; bit < 4; ++bit) nationalGroup->Add(regionBoxes_[bit], 0, wxALL, 3);
  auto* right = new wxStaticBoxSizer(WxStaticBox1, wxVERTICAL);
  right->Add(utmGroup, 0, wxEXPAND | wxALL, 6);
  right->Add(nationalGroup, 0, wxEXPAND | wxALL, 6);

  auto* top = new wxBoxSizer(wxHORIZONTAL);
  top->Add(left, 0, wxEXPAND | wxALL, 12);
  top->Add(right, 0, wxEXPAND | wxTOP | wxRIGHT | wxBOTTOM, 12);
  SetSizer(top);
  fitAtLeast(this, kSmallestSize);
  refitWhenShown(this, kSmallestSize);
}

void OptionDlg::SetData(const Settings& settings, const std::string& parameterSetName) {
  setFieldText(WxEdit1, settings.referenceHeightText);
  const auto selectColumn = [](wxChoice* list, int column) {
    list->SetSelection(column >= 0 && column < kColumnCount ? column : wxNOT_FOUND);
  };
  selectColumn(WxChoice1, settings.eastingColumn);
  selectColumn(WxChoice2, settings.northingColumn);
  selectItem(WxChoice3, std::string(1, settings.delimiter));
  setFieldText(WxEdit2, parameterSetName);
  selectItem(WxChoice4, settings.language);
  for (int bit = 0; bit < kRegionCount; ++bit) regionBoxes_[bit]->SetValue(settings.regionMask & (1 << bit));
  langvalues(settings.language);
  langchange(settings.language);
}

void OptionDlg::setHeights(bool heights, int heightColumn) {
  heightsBox_->SetValue(heights);
  heightColumn_->SetSelection(heightColumn >= 0 && heightColumn < kColumnCount ? heightColumn : wxNOT_FOUND);
}

bool OptionDlg::heights() const { return heightsBox_->GetValue(); }

int OptionDlg::heightColumn() const { return heightColumn_->GetSelection(); }

std::string OptionDlg::selectedItem(const wxChoice* list) const {
  const int selected = list->GetSelection();
  return selected == wxNOT_FOUND ? std::string() : fromWx(list->GetString(selected));
}

Settings OptionDlg::shownValues() const {
  Settings shown;
  shown.referenceHeightText = fieldText(WxEdit1);
  shown.eastingColumn = WxChoice1->GetSelection();
  shown.northingColumn = WxChoice2->GetSelection();
  const std::string delimiter = selectedItem(WxChoice3);
  shown.delimiter = delimiter.empty() ? '\0' : delimiter[0];
  shown.language = selectedItem(WxChoice4);
  shown.regionMask = 0;
  for (int bit = 0; bit < kRegionCount; ++bit)
    if (regionBoxes_[bit]->GetValue()) shown.regionMask |= 1 << bit;
  return shown;
}

void OptionDlg::GetData() {
  values_ = shownValues();
  values_.referenceHeightText = withDecimalPoint(values_.referenceHeightText);
}

void OptionDlg::langvalues(const std::string& language) { kortavex::langvalues(texts_, language); }

const WindowTexts<OptionTexts>& OptionDlg::textTable() {
  using T = OptionTexts;
  static const WindowTexts<OptionTexts> table = {
      &T::optTitle,
      {
          {ID_WXSTATICTEXT1, &T::optRefHeight, nullptr},
          {ID_WXSTATICTEXT3, &T::optEastingColumn, nullptr},
          {ID_WXSTATICTEXT4, &T::optNorthingColumn, nullptr},
          {ID_HEIGHT_COLUMN_TEXT, &T::optHeightColumn, nullptr},
          {ID_HEIGHTS_BOX, &T::optHeights, nullptr},
          {ID_WXSTATICTEXT5, &T::optFileProcessing, nullptr},
          {ID_WXSTATICTEXT6, &T::optParameterSet, nullptr},
          {ID_WXSTATICTEXT7, &T::optDelimiter, nullptr},
          {ID_WXSTATICTEXT8, &T::optLanguage, nullptr},
          {ID_WXSTATICBOX1, &T::optCoordinateSystems, nullptr},
          {ID_WXSTATICBOX3, &T::optNationalSystems, nullptr},
          {ID_WXEDIT2, nullptr, &T::optCurrentParameterSet},
      }};
  return table;
}

void OptionDlg::langchange(const std::string&) {
  applyWindowTexts(this, textTable(), texts_);
  for (wxStaticBox* box : {WxStaticBox1, WxStaticBox3}) fitGroupTitle(box);
  fitAtLeast(this, kSmallestSize);  // the texts of another language may need more room
}

bool OptionDlg::OptionFileSave(std::string* error) {
  Settings shown = shownValues();
  shown.regionMask = values_.regionMask;
  return writeOptionsFile("", shown, fieldText(WxEdit2), error);
}

void OptionDlg::WxChoice4Selected(wxCommandEvent&) {
  languageChanged_ = true;
  const std::string language = selectedItem(WxChoice4);
  langvalues(language);
  langchange(language);
}

}  // namespace kortavex
