#pragma once
// The main window's controls, for the window tests and the window benchmarks.

#include <wx/bmpbuttn.h>
#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/choice.h>
#include <wx/gauge.h>
#include <wx/hyperlink.h>
#include <wx/menu.h>
#include <wx/panel.h>
#include <wx/statbox.h>
#include <wx/stattext.h>
#include <wx/statusbr.h>
#include <wx/textctrl.h>

#include "gui/main_window.h"

using namespace kortavex;

// The controls of the window, by the names they have in the program.
class MainWindowAccess {
 public:
  explicit MainWindowAccess(kortaFrm* frame) : f_(frame) {}
  wxChoice* startList() const { return f_->WxChoice1; }
  wxChoice* targetList() const { return f_->WxChoice2; }
  wxChoice* transformationList() const { return f_->WxChoice3; }
  wxChoice* startHeights() const { return f_->startHeightList_; }
  wxChoice* targetHeights() const { return f_->targetHeightList_; }
  wxTextCtrl* input() const { return f_->WxMemo1; }
  wxTextCtrl* output() const { return f_->WxMemo2; }
  wxCheckBox* dmsBox() const { return f_->GMS_Box; }
  wxCheckBox* pointNumberBox() const { return f_->PNRBox; }
  wxGauge* gauge() const { return f_->WxGauge1; }
  wxBitmapButton* flagButton() const { return f_->WxBitmapButton3; }
  wxBitmapButton* convertButton() const { return f_->WxBitmapButton2; }
  wxBitmapButton* logoButton() const { return f_->WxBitmapButton1; }
  wxButton* fileButton() const { return f_->WxButton1; }
  wxButton* clearOutputButton() const { return f_->WxButton2; }
  wxButton* importButton() const { return f_->WxButton3; }
  wxButton* exportButton() const { return f_->WxButton4; }
  wxButton* frameCheckButton() const { return f_->WxButton5; }
  wxButton* clearInputButton() const { return f_->Wx_Clear; }
  wxButton* pointButton() const { return f_->WxPunkt_Eingabe; }
  wxStaticText* inputSystemLabel() const { return f_->WxStaticText2; }
  wxStaticText* outputSystemLabel() const { return f_->WxStaticText3; }
  wxStaticText* hint() const { return f_->Wx_Beschreibung_Memo; }
  wxStaticText* lineLegend() const { return f_->WxStaticText8; }  // the colour of unmarked lines
  wxStaticText* blueLegend() const { return f_->WxStaticText9; }
  wxStaticBox* conversionBox() const { return f_->WxStaticBox2; }
  wxGenericHyperlinkCtrl* link() const { return f_->WxHyperLinkCtrl1; }
  wxStatusBar* statusBar() const { return f_->WxStatusBar1; }
  wxPanel* panel() const { return f_->WxPanel1; }
  wxMenuBar* menuBar() const { return f_->WxMenuBar1; }
  // The text colour of a marking as the text windows show it.
  wxColour markColour(TextColour colour) const { return f_->styleOf(colour).GetTextColour(); }

 private:
  kortaFrm* f_;
};
