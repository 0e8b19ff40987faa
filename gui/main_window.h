#pragma once
// The main window: the two system lists, the input and output windows, the
// conversion buttons, the menus, and the state every workflow shares.

#include <functional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include <wx/frame.h>
#include <wx/textctrl.h>

#include "engine/point.h"
#include "gui/layout_scale.h"
#include "gui/readable_colour.h"
#include "gui/window_texts.h"
#include "lang/main_texts.h"
#include "settings/settings.h"
#include "settings/user_parameter_set.h"
#include "workflow/coloured_text.h"
#include "workflow/column_file.h"
#include "workflow/file_conversion.h"
#include "workflow/file_text_encoding.h"
#include "workflow/input_window_conversion.h"
#include "workflow/progress_gauge.h"

class wxBitmapButton;
class wxButton;
class wxCheckBox;
class wxChoice;
class wxFileDialog;
class wxGauge;
class wxGenericHyperlinkCtrl;
class wxMenuBar;
class wxPanel;
class wxStaticBox;
class wxStaticLine;
class wxStaticText;
class wxStatusBar;

// the window tests' and the benchmark's view of the controls
class MainWindowAccess;

namespace kortavex {

struct TextLines;

class kortaFrm : public wxFrame {
 public:
  kortaFrm(wxWindow* parent, wxWindowID id = 1, const wxString& title = "korta",
           const wxPoint& position = wxDefaultPosition, const wxSize& size = wxDefaultSize,
           long style = kFrameStyle);

  // A window that grows: its smallest size is the layout the texts need.
  static constexpr long kFrameStyle = wxDEFAULT_FRAME_STYLE;

  // Text table (fill) and its application to controls, menus and status bar.
  // A language name that is none of the seven changes nothing.
  void langset(const std::string& language);
  void langchange(const std::string& language);

  // Which text of the table each control shows in the window's look, and
  // each menu and menu item.
  const WindowTexts<MainTexts>& textTable() const;
  struct MenuTexts {
    std::string MainTexts::*title;       // while the menu bar is built
    std::string MainTexts::*laterTitle;  // after a change of language
    std::vector<std::pair<int, std::string MainTexts::*>> items;  // id and text
  };
  static const std::vector<MenuTexts>& menuTexts();
  // The menus' titles and items in the program's language, each with a
  // mnemonic of its own; `initial` while the bar is built.
  struct MenuLabels {
    std::vector<std::string> titles;
    std::vector<std::vector<std::string>> items;
  };
  MenuLabels menuLabels(bool initial) const;

  // Rebuilds both system lists from the catalogue and the region mask.
  void systemchoice();

  // Names and codes of the chosen pair; false after a message box.
  bool SystemSelect();

  // Grid-file checks: 0 valid, -1 wrong file, -2 missing.
  int ATGridFile();
  int Beta2007File();
  int CHENYX06File();

  std::string printvalues(const point& p) const;  // "first|second" for the file conversion
  std::string WxMemo1GMS(const std::string& text) const;
  // Gives the input window its closing line break when its last line (of
  // `lineCount`) is not empty.
  void WxMemo1RetFehlt(int lineCount);
  // Converts the file named by the current file into its "_cvt" copy, which
  // replaces only `replaceable`, the file the user agreed to replace.
  FileConversionSummary asccvt(const SystemCode& startCode, const SystemCode& targetCode,
                               const FileIdentity& replaceable);

  // Event handlers.
  void OnClose(wxCloseEvent& event);
  // Ctrl+Enter converts, also in the input window, whose text takes the
  // key before the menu's accelerator could.
  void OnCharHook(wxKeyEvent& event);
  // Another start system: the input window's marks were about the old one.
  void WxChoice1Selected(wxCommandEvent& event);
  // Another target system: other height systems may be offered.
  void WxChoice2Selected(wxCommandEvent& event);
  void Mnuexitaltx1004Click(wxCommandEvent& event);
  void WxStartButtonClick(wxCommandEvent& event);       // single point
  void Mnufileopen1052Click(wxCommandEvent& event);     // file conversion
  void WxBitmapButton2Click(wxCommandEvent& event);     // convert the input window
  void Mnubezugshoehe1046Click(wxCommandEvent& event);  // settings dialog
  void Mnumanparameter1059Click(wxCommandEvent& event); // parameter-set dialog
  void Mnuquickinfo1052Click(wxCommandEvent& event);
  void Mnusystemliste1054Click(wxCommandEvent& event);
  void Mnukoordinatenrahmen1060Click(wxCommandEvent& event);
  void Mnuhistory1053Click(wxCommandEvent& event);
  void Mnuabout1005Click(wxCommandEvent& event);
  void Mnuabout1006Click(wxCommandEvent& event);  // logo
  void WxButton4Click(wxCommandEvent& event);     // export
  void WxButton5Click(wxCommandEvent& event);     // frame check
  void WxButton3Click(wxCommandEvent& event);     // import
  void WxClear2Click(wxCommandEvent& event);      // clear the output window
  void Wx_ClearClick(wxCommandEvent& event);      // clear the input window

  // Read-only views for the dialogs and the tests.
  const Settings& settings() const { return settings_; }
  const UserParameterSet& parameterSet() const { return parameters_; }
  const MainTexts& texts() const { return texts_; }
  const std::string& startCode() const { return systems_.startCode.text(); }
  const std::string& targetCode() const { return systems_.targetCode.text(); }
  bool heights() const { return heights_; }

 private:
  enum {
    ID_WXSTATUSBAR1 = 1011,
    ID_WXPANEL1 = 1013,
    ID_WXCHOICE1 = 1014,
    ID_WXCHOICE2 = 1026,
    ID_WXSTATICTEXT2 = 1027,
    ID_WXSTATICTEXT3 = 1028,
    ID_WXMEMO1 = 1031,
    ID_WX_CLEAR = 1032,
    ID_WXPUNKT_EINGABE = 1033,
    ID_WX_BESCHREIBUNG_MEMO = 1034,
    ID_WXSTATICTEXT6 = 1082,
    ID_WXSTATICTEXT1 = 1040,
    ID_WXBITMAPBUTTON1 = 1041,
    ID_WXSTATICLINE1 = 1042,
    ID_WXBUTTON1 = 1051,
    ID_GMS_BOX = 1056,
    ID_WXSTATICTEXT4 = 1057,
    ID_WXHYPERLINKCTRL1 = 1058,
    ID_WXCHOICE3 = 1062,
    ID_WXSTATICTEXT5 = 1063,
    ID_WXGAUGE1 = 1064,
    ID_WXMEMO2 = 1065,
    ID_WXBITMAPBUTTON2 = 1068,
    ID_WXBUTTON2 = 1069,
    ID_WXBUTTON3 = 1070,
    ID_WXSTATICBOX2 = 1074,
    ID_WXBUTTON5 = 1078,
    ID_WXBUTTON4 = 1080,
    ID_PNRBOX = 1087,
    ID_WXSTATICTEXT7 = 1088,
    ID_WXSTATICBOX1 = 1089,
    ID_WXSTATICTEXT8 = 1091,
    ID_WXSTATICTEXT9 = 1092,
    ID_WXSTATICTEXT10 = 1093,
    ID_WXBITMAPBUTTON3 = 1094,
    ID_START_HEIGHTS = 1095,
    ID_TARGET_HEIGHTS = 1096,

    ID_MNU_EXIT_1004 = 1004,
    ID_MNU_ABOUT_1005 = 1005,
    ID_MNU_SETTINGS_1046 = 1046,
    ID_MNU_QUICKINFO_1052 = 1052,
    ID_MNU_HISTORY_1053 = 1053,
    ID_MNU_SYSTEMLIST_1054 = 1054,
    ID_MNU_PARAMETERS_1059 = 1059,
    ID_MNU_FRAMES_1060 = 1060,
    ID_MNU_POINT_1083 = 1083,
    ID_MNU_FILE_1085 = 1085,
    ID_MNU_LEFTWINDOW_1086 = 1086,
    ID_MNU_RECENT_FIRST = 1090,  // the recent files of the File menu, five ids on
  };

  void CreateGUIControls();
  // Puts the texts of the table on the controls, the status bar and the file
  // dialogs, and fits the layout to them.
  void showTexts();
  // Fits the labels to their texts and what stands under them to the labels.
  void fitToTexts();
  // Gives the window the room its content needs under any window manager.
  void fitContent();
  // The layout as fitToTexts made it, at the window's smallest size.
  struct PlacedControl {
    wxWindow* control;
    wxRect rect;
  };
  std::vector<PlacedControl> smallestLayout_;
  wxSize smallestClientSize_;
  // Places the controls for a client area of `clientSize`: the two text
  // windows share what it has beyond the smallest size, and the controls
  // keep their places beside, above and below them.
  void growInto(const wxSize& clientSize);
  void OnSize(wxSizeEvent& event);
  // What the window remembers from one start to the next (settings/window_state.h).
  void restoreState();
  void saveState() const;
  void rememberRecentFile(const std::string& path);
  // The recent files at the top of the File menu, "&1" to "&5".
  void showRecentFiles();
  void MnuRecentFileClick(wxCommandEvent& event);
  // Imports `path` into the input window, as ">> File" on the left does.
  void importIntoInputWindow(const std::string& path);
  // The file conversion's checks of the settings and the systems; false
  // after a message.
  bool fileConversionPossible();
  // Converts each file into its copy and reports it, as "File" does.
  void convertFiles(const std::vector<std::string>& paths);
  // Files dropped on the input window are imported, on "File" converted.
  void acceptDroppedFiles();
  // Moves what stands under a caption (and the transformation caption under
  // "V4") down where the text above is taller in the desktop's font.
  void placeUnderCaptions();
  // The colours of the text windows, the lists and the markings, from the desktop's.
  void setColours();
  void useListColours(wxWindow* control) const;
  // `wanted`, or a shade of it that reads on the panel.
  wxColour onPanel(const wxColour& wanted) const;
  // Puts the controls into the order in which Tab visits them.
  void followReadingOrder();
  void createMenuBar();
  wxChoice* createSystemList(wxWindowID id, const wxPoint& position, const wxString& name,
                             const std::vector<std::string>& entries);
  // The height-system lists under the system lists, shown with Heights on
  // in a row of their own.
  void createHeightLists();
  void placeHeightLists();
  // Moves what stands under the system lists down so that the height lists'
  // row is `rowHeight` high (0: no row).
  void makeHeightListsRow(int rowHeight);
  int heightListsRow_ = 0;
  // Fills each with the height systems of its system, keeping the one
  // chosen where it is still offered, and shows them with Heights on.
  void showHeightLists();
  void chooseHeightSystems(const std::string& start, const std::string& target);
  // The height system chosen in `list`; none for ellipsoidal heights.
  const chain::HeightSystem* chosenHeightSystem(const wxChoice* list) const;
  // Loads the grids of the chosen height systems for the run that follows;
  // false after a message.
  bool loadHeightSystems();

  // What a conversion run takes from the window after SystemSelect.
  ConversionSetup conversionSetup() const;
  ColumnLayout columnLayout() const;
  // False, after telling the user, when the columns of a hand-edited options
  // file cannot read a column file.
  bool columnLayoutUsable();
  // With heights, the height column is one of the two coordinate columns.
  bool heightColumnClashes() const;
  // Shows the progress of a run on the gauge.
  ProgressCallback gaugeProgress();
  // The marking of each line by `markOf`, the gauge following the lines;
  // `lines` counts what became of them.
  struct Marked {
    LineMark mark;
    LineResult line;
  };
  std::vector<LineMark> markEachLine(const TextLines& lines, const std::function<Marked(std::string_view line)>& markOf,
                                     LineCounts& counts);

  // Appends coloured text to a text window, its colours set by ranges.
  void appendColoured(wxTextCtrl* window, const ColouredText& text);
  // Gives the lines of the input window their markings; `lineStarts` holds
  // the position where each line begins and, last, the end of the text.
  void markInputLines(const std::vector<LineMark>& marks, const std::vector<long>& lineStarts);
  const wxTextAttr& styleOf(TextColour colour) const;
  // Shows what the last run says in the status bar: every run sets it when it
  // starts, so that no message outlives the run it was about. It is made
  // again in the language chosen later.
  using RunStatus = std::function<std::string(const MainTexts&)>;
  void showRunStatus(std::string MainTexts::*status);
  void showRunStatus(RunStatus status);
  std::vector<std::string> chooseFilesToOpen();
  std::string selectedEntry(const wxChoice* list) const;

  // State shared by the workflows.
  Settings settings_;
  UserParameterSet parameters_;
  MainTexts texts_;
  SystemPair systems_;  // as the last selection or conversion left them
  RunStatus runStatus_ = [](const MainTexts& texts) { return texts.stsTitle; };  // in each language
  GridHandle grid_;  // the chosen grid as loaded by its check, for the run that follows
  // Heights: lines carry their height; a column file's is in column
  // heightColumn_ (0-based). Kept in the state file, not in kortavex.cfg.
  bool heights_ = false;
  int heightColumn_ = 3;
  chain::HeightDatums heightDatums_;  // as loaded for the run that follows
  LayoutScale px_;               // the layout grown by the desktop's text scaling
  TextAreaColours listColours_;  // of the text windows and the lists
  wxTextAttr blackStyle_, blueStyle_, redStyle_;
  // File-system bytes, as the file dialogs give them (see file_paths.h).
  std::string rememberedDirectory_, currentFile_;
  std::string saveDirectory_;            // of the export's dialog; empty: as the open dialog's
  std::vector<std::string> recentFiles_;  // newest first, in the File menu
  std::string chosenFileName_;  // the (first) file last chosen in the open dialog
  // The export writes the encoding of the file last imported: the text it
  // writes came from there.
  FileTextEncoding importedEncoding_;

  // Controls, in the order they are created.
  wxStatusBar* WxStatusBar1 = nullptr;
  wxPanel* WxPanel1 = nullptr;
  wxBitmapButton* WxBitmapButton3 = nullptr;
  wxChoice* WxChoice1 = nullptr;
  wxChoice* WxChoice2 = nullptr;
  wxChoice* WxChoice3 = nullptr;
  wxChoice* startHeightList_ = nullptr;
  wxChoice* targetHeightList_ = nullptr;
  wxButton* Wx_Clear = nullptr;
  wxStaticBox* WxStaticBox1 = nullptr;
  wxStaticBox* WxStaticBox2 = nullptr;
  wxButton* WxPunkt_Eingabe = nullptr;
  wxStaticText* Wx_Beschreibung_Memo = nullptr;
  wxBitmapButton* WxBitmapButton1 = nullptr;
  wxStaticLine* WxStaticLine1 = nullptr;
  wxCheckBox* GMS_Box = nullptr;
  wxGenericHyperlinkCtrl* WxHyperLinkCtrl1 = nullptr;
  wxGauge* WxGauge1 = nullptr;
  wxTextCtrl* WxMemo2 = nullptr;
  wxTextCtrl* WxMemo1 = nullptr;
  wxBitmapButton* WxBitmapButton2 = nullptr;
  wxButton* WxButton1 = nullptr;
  wxButton* WxButton2 = nullptr;
  wxButton* WxButton3 = nullptr;
  wxButton* WxButton5 = nullptr;
  wxButton* WxButton4 = nullptr;
  wxCheckBox* PNRBox = nullptr;
  wxStaticText* WxStaticText1 = nullptr;
  wxStaticText* WxStaticText2 = nullptr;
  wxStaticText* WxStaticText3 = nullptr;
  wxStaticText* WxStaticText4 = nullptr;
  wxStaticText* WxStaticText5 = nullptr;
  wxStaticText* WxStaticText6 = nullptr;
  wxStaticText* WxStaticText7 = nullptr;
  wxStaticText* WxStaticText8 = nullptr;
  wxStaticText* WxStaticText9 = nullptr;
  wxStaticText* WxStaticText10 = nullptr;
  wxFileDialog* WxOpenFileDialog = nullptr;
  wxFileDialog* WxSaveFileDialog = nullptr;
  wxMenuBar* WxMenuBar1 = nullptr;

  // Lets the window tests reach the controls.
  friend class ::MainWindowAccess;

  wxDECLARE_EVENT_TABLE();
};

}  // namespace kortavex
