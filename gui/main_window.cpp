#include "gui/main_window.h"

#include <algorithm>
#include <iterator>

#include <wx/bmpbuttn.h>
#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/choice.h>
#include <wx/dcclient.h>
#include <wx/filedlg.h>
#include <wx/gauge.h>
#include <wx/hyperlink.h>
#include <wx/menu.h>
#include <wx/panel.h>
#include <wx/statbox.h>
#include <wx/statline.h>
#include <wx/stattext.h>
#include <wx/statusbr.h>

#include "chain/system_lists.h"
#include "gui/dialog_common.h"
#include "gui/file_paths.h"
#include "gui/fonts.h"
#include "gui/gtk_theme.h"
#include "gui/images.h"
#include "gui/layout_scale.h"
#include "gui/message_dialog.h"
#include "gui/readable_colour.h"
#include "gui/wx_text.h"
#include "lang/help_texts.h"
#include "lang/settings_file_texts.h"
#include "settings/parameter_file.h"
#include "settings/startup.h"
#include "settings/window_state.h"

namespace kortavex {

namespace {

constexpr char kWebsiteAddress[] = "https://github.com/kortavex/kortavex";
constexpr char kWebsiteLabel[] = "kortavex web";
constexpr char kStatusProgramName[] = "kortavex.exe";

// The hint under the input window breaks into a second line where a language
// needs more room than there is up to the right clear button.
constexpr int kHintWidth = 348;

// Sizes a label to its text. GTK applies a new font only later, so the text
// is measured here rather than asked for its best size.
void fitLabel(wxStaticText* label) {
  wxClientDC dc(label);
  dc.SetFont(label->GetFont());
  label->SetSize(dc.GetMultiLineTextExtent(label->GetLabel()));
}

void setLabelFont(wxStaticText* label, const wxFont& font) {
  label->SetFont(font);
  fitLabel(label);
}

// The colour legend stands at the window's right edge; a word longer than the
// German and English ones moves left rather than being cut off.
constexpr int kLegendLeft = 585;
constexpr int kVisibleRight = 645;

// Tops of the controls under a caption, which move down where the caption's
// lines are taller in the desktop's font, and the point-number column's box.
constexpr int kTransformationCaptionTop = 52;  // under the large "V4"
constexpr int kTransformationListTop = 70;
constexpr int kDmsBoxTop = 78;
constexpr int kPointNumberBoxTop = 185;
constexpr int kExportButtonTop = 205;
constexpr int kPointNumberGroupWidth = 55, kPointNumberGroupHeight = 108;

void placeLegend(wxStaticText* legend, const LayoutScale& px) {
  fitLabel(legend);
  const int width = legend->GetSize().GetWidth();
  legend->Move(std::min(px(kLegendLeft), px(kVisibleRight) - width), legend->GetPosition().y);
}

}  // namespace

wxBEGIN_EVENT_TABLE(kortaFrm, wxFrame)
  EVT_CLOSE(kortaFrm::OnClose)
  EVT_CHAR_HOOK(kortaFrm::OnCharHook)
  EVT_CHOICE(ID_WXCHOICE1, kortaFrm::WxChoice1Selected)
  EVT_CHOICE(ID_WXCHOICE2, kortaFrm::WxChoice2Selected)
  EVT_SIZE(kortaFrm::OnSize)
  EVT_MENU_RANGE(ID_MNU_RECENT_FIRST, ID_MNU_RECENT_FIRST + kRecentFileCount - 1,
                 kortaFrm::MnuRecentFileClick)
  EVT_MENU(ID_MNU_EXIT_1004, kortaFrm::Mnuexitaltx1004Click)
  EVT_MENU(ID_MNU_POINT_1083, kortaFrm::WxStartButtonClick)
  EVT_MENU(ID_MNU_FILE_1085, kortaFrm::Mnufileopen1052Click)
  EVT_MENU(ID_MNU_LEFTWINDOW_1086, kortaFrm::WxBitmapButton2Click)
  EVT_MENU(ID_MNU_SETTINGS_1046, kortaFrm::Mnubezugshoehe1046Click)
  EVT_MENU(ID_MNU_PARAMETERS_1059, kortaFrm::Mnumanparameter1059Click)
  EVT_MENU(ID_MNU_QUICKINFO_1052, kortaFrm::Mnuquickinfo1052Click)
  EVT_MENU(ID_MNU_SYSTEMLIST_1054, kortaFrm::Mnusystemliste1054Click)
  EVT_MENU(ID_MNU_FRAMES_1060, kortaFrm::Mnukoordinatenrahmen1060Click)
  EVT_MENU(ID_MNU_HISTORY_1053, kortaFrm::Mnuhistory1053Click)
  EVT_MENU(ID_MNU_ABOUT_1005, kortaFrm::Mnuabout1005Click)
  EVT_BUTTON(ID_WXBITMAPBUTTON3, kortaFrm::Mnubezugshoehe1046Click)
  EVT_BUTTON(ID_WXBUTTON4, kortaFrm::WxButton4Click)
  EVT_BUTTON(ID_WXBUTTON5, kortaFrm::WxButton5Click)
  EVT_BUTTON(ID_WXBUTTON3, kortaFrm::WxButton3Click)
  EVT_BUTTON(ID_WXBUTTON2, kortaFrm::WxClear2Click)
  EVT_BUTTON(ID_WXBUTTON1, kortaFrm::Mnufileopen1052Click)
  EVT_BUTTON(ID_WXBITMAPBUTTON2, kortaFrm::WxBitmapButton2Click)
  EVT_BUTTON(ID_WXBITMAPBUTTON1, kortaFrm::Mnuabout1006Click)
  EVT_BUTTON(ID_WXPUNKT_EINGABE, kortaFrm::WxStartButtonClick)
  EVT_BUTTON(ID_WX_CLEAR, kortaFrm::Wx_ClearClick)
wxEND_EVENT_TABLE()

kortaFrm::kortaFrm(wxWindow* parent, wxWindowID id, const wxString& title,
                   const wxPoint& position, const wxSize& size, long style)
    : wxFrame(parent, id, title, position, size, style) {
  StartupConfiguration startup = readStartupConfiguration();
  settings_ = startup.settings;
  parameters_ = startup.parameters;
  settings_.referenceHeight = referenceHeightFromText(settings_.referenceHeightText);

  CreateGUIControls();
  restoreState();
  acceptDroppedFiles();
  // told once the window is on the screen, over it
  if (!startup.optionsFileProblem.empty())
    CallAfter([this, problem = startup.optionsFileProblem] {
      showMessage(this, settingsFileTexts(settings_.language).msgOptionsNotRead + "\n" + problem);
    });
  if (startup.optionsFileFound && !usableColumnLayout(settings_))
    CallAfter([this] { columnLayoutUsable(); });
  // a set whose file is missing starts cleared and unnamed, without a word;
  // "User" is refused with the file's name until a set is confirmed
  if (!parameters_.usable() && !parameters_.fault.missing)
    CallAfter([this] {
      showMessage(this, parameterFaultMessage(parameters_.fault, settings_.language));
    });
}

void kortaFrm::CreateGUIControls() {
  useCompactControls();
  px_ = LayoutScale(textScale());
  WxStatusBar1 = new wxStatusBar(this, ID_WXSTATUSBAR1);
  const int fieldWidths[2] = {px_(100), -1};
  WxStatusBar1->SetFieldsCount(2, fieldWidths);
  WxStatusBar1->SetStatusText(kStatusProgramName, 0);

  WxPanel1 = new wxPanel(this, ID_WXPANEL1, px_.at(0, 0));
  WxPanel1->SetFont(programFont("Tahoma", 8));
  setColours();

  WxBitmapButton3 = new wxBitmapButton(WxPanel1, ID_WXBITMAPBUTTON3,
                                       flagBitmap(Language::Espanol), px_.at(410, 24),
                                       px_.size(27, 18), wxBORDER_NONE, wxDefaultValidator,
                                       "WxBitmapButton3");
  langset(settings_.language);

  WxChoice1 = createSystemList(ID_WXCHOICE1, px_.at(54, 75), "WxChoice1",
                               {"WGS84", "MGRS(UTMREF)"});
  WxChoice2 = createSystemList(ID_WXCHOICE2, px_.at(431, 75), "WxChoice2",
                               {"WGS84", "MGRS(UTMREF)"});
  createHeightLists();
  systemchoice();

  WxChoice3 = new wxChoice(WxPanel1, ID_WXCHOICE3, px_.at(265, kTransformationListTop),
                           px_.size(95, 21));
  for (const char* name : kTransformationNames) WxChoice3->Append(name);
  WxChoice3->SetSelection(0);
  useListColours(WxChoice3);

  Wx_Clear = new wxButton(WxPanel1, ID_WX_CLEAR, wxEmptyString, px_.at(73, 260),
                          px_.size(60, 41));
  Wx_Clear->SetFont(programFont("Arial", 10));

  WxStaticBox1 = new wxStaticBox(WxPanel1, ID_WXSTATICBOX1, wxEmptyString, px_.at(583, 151),
                                 px_.size(kPointNumberGroupWidth, kPointNumberGroupHeight));
  WxStaticBox2 = new wxStaticBox(WxPanel1, ID_WXSTATICBOX2, wxEmptyString, px_.at(286, 94),
                                 px_.size(58, 162), wxSUNKEN_BORDER);

  WxPunkt_Eingabe = new wxButton(WxPanel1, ID_WXPUNKT_EINGABE, wxEmptyString,
                                 px_.at(289, 102), px_.size(50, 50));
  WxPunkt_Eingabe->SetFont(programFont("Tahoma", 9));

  Wx_Beschreibung_Memo = new wxStaticText(WxPanel1, ID_WX_BESCHREIBUNG_MEMO, wxEmptyString,
                                          px_.at(150, 263));

  WxBitmapButton1 = new wxBitmapButton(WxPanel1, ID_WXBITMAPBUTTON1, logoBitmap(),
                                       px_.at(582, 5), px_.size(53, 53));

  WxStaticLine1 = new wxStaticLine(WxPanel1, ID_WXSTATICLINE1, px_.at(5, 1), px_.size(630, -1),
                                   wxLI_HORIZONTAL);

  GMS_Box = new wxCheckBox(WxPanel1, ID_GMS_BOX, wxEmptyString, px_.at(394, kDmsBoxTop),
                           px_.size(20, 15));

  WxHyperLinkCtrl1 = new wxGenericHyperlinkCtrl(WxPanel1, ID_WXHYPERLINKCTRL1, kWebsiteLabel,
                                         kWebsiteAddress, px_.at(455, 25), px_.size(98, 17),
                                         wxHL_DEFAULT_STYLE);
  const wxColour linkColour = onPanel(wxColour(0, 0, 255));
  WxHyperLinkCtrl1->SetNormalColour(linkColour);
  WxHyperLinkCtrl1->SetHoverColour(linkColour);
  WxHyperLinkCtrl1->SetVisitedColour(linkColour);
  WxHyperLinkCtrl1->SetFont(programFont("Tahoma", 8, wxFONTWEIGHT_NORMAL, true));

  WxGauge1 = new wxGauge(WxPanel1, ID_WXGAUGE1, 100, px_.at(143, 295), px_.size(350, 20),
                         wxGA_HORIZONTAL);
  WxGauge1->SetValue(0);

  const long textWindowStyle = wxTE_MULTILINE | wxTE_RICH2 | wxHSCROLL | wxVSCROLL |
                               wxTE_DONTWRAP;
  WxMemo2 = new wxTextCtrl(WxPanel1, ID_WXMEMO2, wxEmptyString, px_.at(346, 100),
                           px_.size(235, 156), textWindowStyle);
  WxMemo1 = new wxTextCtrl(WxPanel1, ID_WXMEMO1, wxEmptyString, px_.at(54, 100),
                           px_.size(230, 156), textWindowStyle);
  for (wxTextCtrl* window : {WxMemo2, WxMemo1}) {
    window->SetFont(programFont("Verdana", 9));
    useListColours(window);
    window->SetDefaultStyle(blackStyle_);
  }

  WxBitmapButton2 = new wxBitmapButton(WxPanel1, ID_WXBITMAPBUTTON2, arrowBitmap(),
                                       px_.at(294, 157), px_.size(40, 40));

  const auto button = [this](wxWindowID buttonId, const wxPoint& at, const wxSize& buttonSize) {
    return new wxButton(WxPanel1, buttonId, wxEmptyString, at, buttonSize);
  };
  WxButton1 = button(ID_WXBUTTON1, px_.at(289, 203), px_.size(50, 50));
  WxButton1->SetFont(programFont("Tahoma", 9));
  WxButton2 = button(ID_WXBUTTON2, px_.at(503, 260), px_.size(60, 41));
  WxButton2->SetFont(programFont("Arial", 10));
  WxButton3 = button(ID_WXBUTTON3, px_.at(2, 205), px_.size(50, 50));
  WxButton5 = button(ID_WXBUTTON5, px_.at(2, 100), px_.size(50, 50));
  WxButton4 = button(ID_WXBUTTON4, px_.at(585, kExportButtonTop), px_.size(50, 50));

  PNRBox = new wxCheckBox(WxPanel1, ID_PNRBOX, wxEmptyString, px_.at(602, kPointNumberBoxTop),
                          px_.size(20, 20));

  const auto label = [this](wxWindowID textId, const wxString& text, const wxPoint& at) {
    return new wxStaticText(WxPanel1, textId, text, at);
  };
  WxStaticText1 = label(ID_WXSTATICTEXT1, kProgramSubtitle, px_.at(8, 8));
  setLabelFont(WxStaticText1, programFont("Comic Sans MS", 20));
  WxStaticText2 = label(ID_WXSTATICTEXT2, wxEmptyString, px_.at(54, 57));
  WxStaticText2->SetFont(programFont("Tahoma", 9));
  WxStaticText3 = label(ID_WXSTATICTEXT3, wxEmptyString, px_.at(431, 57));
  WxStaticText3->SetFont(programFont("Tahoma", 9));
  WxStaticText4 = label(ID_WXSTATICTEXT4, wxEmptyString, px_.at(390, 62));
  WxStaticText5 = label(ID_WXSTATICTEXT5, wxEmptyString, px_.at(265, kTransformationCaptionTop));
  WxStaticText6 = label(ID_WXSTATICTEXT6, "V4", px_.at(340, 8));
  setLabelFont(WxStaticText6, programFont("Trebuchet MS", 28, wxFONTWEIGHT_BOLD));
  WxStaticText6->SetForegroundColour(onPanel(wxColour(128, 128, 0)));
  WxStaticText7 = label(ID_WXSTATICTEXT7, wxEmptyString, px_.at(587, 159));
  WxStaticText8 = label(ID_WXSTATICTEXT8, wxEmptyString, px_.at(585, 105));
  WxStaticText9 = label(ID_WXSTATICTEXT9, wxEmptyString, px_.at(585, 120));
  WxStaticText10 = label(ID_WXSTATICTEXT10, wxEmptyString, px_.at(585, 135));
  // the legend in the colours of the text windows' lines, as they read on the panel
  WxStaticText8->SetForegroundColour(onPanel(blackStyle_.GetTextColour()));
  WxStaticText9->SetForegroundColour(onPanel(blueStyle_.GetTextColour()));
  WxStaticText10->SetForegroundColour(onPanel(redStyle_.GetTextColour()));
  for (wxStaticText* legend : {WxStaticText8, WxStaticText9, WxStaticText10})
    legend->SetFont(programFont("Verdana", 9));

  // The text windows take the focus in turn, the input window last.
  for (wxTextCtrl* window : {WxMemo2, WxMemo1}) {
    window->SetFocus();
    window->SetInsertionPointEnd();
  }

  WxOpenFileDialog = new wxFileDialog(this, wxEmptyString, dialogFolder({}), wxEmptyString, "*.*",
                                      wxFD_OPEN | wxFD_MULTIPLE, wxDefaultPosition,
                                      wxDefaultSize, "filedlg");
  WxSaveFileDialog = new wxFileDialog(this, wxEmptyString, dialogFolder({}), wxEmptyString, "*.*",
                                      wxFD_SAVE, wxDefaultPosition, wxDefaultSize, "filedlg");

  followReadingOrder();
  createMenuBar();

  SetStatusBar(WxStatusBar1);
  SetTitle("kortavex");
  SetIcon(windowIcon());
  Move(8, 8);
  showTexts();
  Center();
}

void kortaFrm::fitToTexts() {
  growInto(smallestClientSize_);  // the texts are fitted to the smallest layout
  makeHeightListsRow(0);           // and without the height lists' row
  for (wxStaticText* caption :
       {WxStaticText2, WxStaticText3, WxStaticText4, WxStaticText5, WxStaticText7})
    fitLabel(caption);
  for (wxStaticText* legend : {WxStaticText8, WxStaticText9, WxStaticText10})
    placeLegend(legend, px_);
  Wx_Beschreibung_Memo->Wrap(px_(kHintWidth));
  fitLabel(Wx_Beschreibung_Memo);
  placeUnderCaptions();
  placeHeightLists();
  fitContent();  // another language's captions may need more room
}

void kortaFrm::fitContent() {
  // The panel of 651 x 345 is the content: the window manager's title bar
  // and borders and the menu and status bars come around it, however tall
  // they are, rather than taking room from it.
  constexpr int kMargin = 4;
  wxRect content;
  for (const wxWindow* control : WxPanel1->GetChildren())
    if (control->IsShown()) content.Union(control->GetRect());  // not the hidden height lists
  const wxSize panel = px_.size(651, 345);
  const wxSize shown = GetClientSize();
  smallestClientSize_ = wxSize(std::max(panel.x, content.GetRight() + 1 + px_(kMargin)),
                               std::max(panel.y, content.GetBottom() + 1 + px_(kMargin)));
  smallestLayout_.clear();
  for (wxWindow* control : WxPanel1->GetChildren())
    smallestLayout_.push_back({control, control->GetRect()});
  SetMinClientSize(smallestClientSize_);
  // a window the user made larger keeps its size
  SetClientSize(wxSize(std::max(shown.x, smallestClientSize_.x),
                       std::max(shown.y, smallestClientSize_.y)));
  growInto(GetClientSize());
}

void kortaFrm::placeUnderCaptions() {
  const auto below = [this](wxWindow* lower, const wxWindow* upper, int top) {
    lower->Move(lower->GetPosition().x, std::max(px_(top), upper->GetRect().GetBottom() + 1));
  };
  below(WxStaticText5, WxStaticText6, kTransformationCaptionTop);
  below(WxChoice3, WxStaticText5, kTransformationListTop);
  below(GMS_Box, WxStaticText4, kDmsBoxTop);
  below(PNRBox, WxStaticText7, kPointNumberBoxTop);
  below(WxButton4, PNRBox, kExportButtonTop);
  constexpr int kInside = 4;  // between the box's frame and what it holds
  const wxRect column = WxStaticText7->GetRect().Union(WxButton4->GetRect());
  const wxPoint box = WxStaticBox1->GetPosition();
  WxStaticBox1->SetSize(
      std::max(px_(kPointNumberGroupWidth), column.GetRight() + 1 + px_(kInside) - box.x),
      std::max(px_(kPointNumberGroupHeight), column.GetBottom() + 1 + px_(kInside) - box.y));
}

void kortaFrm::followReadingOrder() {
  // Tab goes as the window is read: the systems, the input window, Convert,
  // the output window, then the buttons and boxes beside and below, and
  // last the flag, the link and the logo at the top.
  wxWindow* const order[] = {
      WxChoice1, startHeightList_, WxChoice2, targetHeightList_, WxChoice3, WxMemo1, WxBitmapButton2, WxMemo2,
      WxButton5, WxButton3, Wx_Clear, WxPunkt_Eingabe, WxButton1, WxButton2,
      GMS_Box, PNRBox, WxButton4, WxBitmapButton3, WxHyperLinkCtrl1, WxBitmapButton1};
  if (std::find(std::begin(order), std::end(order), nullptr) != std::end(order))
    return;  // the window is still being built
  wxWindow* const first = WxPanel1->GetChildren().GetFirst()->GetData();
  if (first != order[0]) order[0]->MoveBeforeInTabOrder(first);
  for (std::size_t i = 1; i < std::size(order); ++i) order[i]->MoveAfterInTabOrder(order[i - 1]);
}

void kortaFrm::setColours() {
  // The markings are shades of blue and red that read on the text windows.
  listColours_ = textAreaColours(WxPanel1->GetBackgroundColour());
  blackStyle_.SetTextColour(listColours_.text);
  blueStyle_.SetTextColour(readableOn(wxColour(0, 0, 255), listColours_.background));
  redStyle_.SetTextColour(readableOn(wxColour(255, 0, 0), listColours_.background));
}

void kortaFrm::useListColours(wxWindow* control) const {
  control->SetBackgroundColour(listColours_.background);
  control->SetForegroundColour(listColours_.text);
}

wxColour kortaFrm::onPanel(const wxColour& wanted) const {
  return readableOn(wanted, WxPanel1->GetBackgroundColour());
}

void kortaFrm::createMenuBar() {
  WxMenuBar1 = new wxMenuBar();
  const std::vector<MenuTexts>& menus = menuTexts();
  const MenuLabels labels = menuLabels(true);
  for (std::size_t i = 0; i < menus.size(); ++i) {
    auto* created = new wxMenu();
    for (std::size_t j = 0; j < menus[i].items.size(); ++j)
      created->Append(menus[i].items[j].first, toWx(labels.items[i][j]));
    WxMenuBar1->Append(created, toWx(labels.titles[i]));
  }
  SetMenuBar(WxMenuBar1);
}

wxChoice* kortaFrm::createSystemList(wxWindowID id, const wxPoint& position,
                                     const wxString& name,
                                     const std::vector<std::string>& entries) {
  auto* list = new wxChoice(WxPanel1, id, position, px_.size(150, 21), toWxList(entries), 0,
                            wxDefaultValidator, name);
  useListColours(list);
  list->SetFont(programFont("Tahoma", 8));
  // as wide as the longest system name needs
  fitChoiceToItems(list);
  list->SetSize(std::max(list->GetSize().x, list->GetMinSize().x), list->GetSize().y);
  list->SetSelection(wxNOT_FOUND);
  return list;
}

void kortaFrm::systemchoice() {
  const wxChoice* const old[] = {WxChoice1, WxChoice2};
  WxChoice1->Destroy();
  WxChoice1 = createSystemList(ID_WXCHOICE1, px_.at(54, 75), "WxChoice1",
                               startSystemList(settings_.regionMask));
  WxChoice2->Destroy();
  WxChoice2 = createSystemList(ID_WXCHOICE2, px_.at(431, 75), "WxChoice2",
                               targetSystemList(settings_.regionMask));
  followReadingOrder();
  // the new lists take the old ones' places in the layout, also in a larger window
  for (PlacedControl& placed : smallestLayout_)
    for (wxChoice* list : {WxChoice1, WxChoice2})
      if (placed.control == old[list == WxChoice2]) placed = {list, list->GetRect()};
  growInto(GetClientSize());
  showHeightLists();
}

// ---------------------------------------------------------------------------
// Closing

void kortaFrm::OnClose(wxCloseEvent&) {
  saveState();
  Destroy();
}

void kortaFrm::WxChoice1Selected(wxCommandEvent&) {
  WxMemo1->SetStyle(0, WxMemo1->GetLastPosition(), blackStyle_);
  showHeightLists();
}

void kortaFrm::WxChoice2Selected(wxCommandEvent&) { showHeightLists(); }

void kortaFrm::OnCharHook(wxKeyEvent& event) {
  const bool enter = event.GetKeyCode() == WXK_RETURN || event.GetKeyCode() == WXK_NUMPAD_ENTER;
  if (!enter || event.GetModifiers() != wxMOD_CONTROL) {
    event.Skip();
    return;
  }
  wxCommandEvent convert(wxEVT_MENU, ID_MNU_LEFTWINDOW_1086);
  ProcessWindowEvent(convert);
}

void kortaFrm::Mnuexitaltx1004Click(wxCommandEvent&) { Close(true); }

}  // namespace kortavex
