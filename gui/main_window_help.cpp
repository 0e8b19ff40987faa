// The information windows of the Help menu and the logo.
#include "gui/dialog_common.h"
#include "gui/help_dialog.h"
#include "gui/main_window.h"
#include "gui/message_dialog.h"
#include "gui/wx_text.h"
#include "lang/help_texts.h"

namespace kortavex {

void kortaFrm::Mnuquickinfo1052Click(wxCommandEvent&) {
  const FocusReturn back;
  Help help(this);
  help.SetLanguage(settings_.language);
  help.ShowModal();
}

void kortaFrm::Mnuhistory1053Click(wxCommandEvent&) {
  showMessage(this, historyText(), kHistoryCaption);
}

void kortaFrm::Mnusystemliste1054Click(wxCommandEvent&) {
  showMessage(this, systemListText(), toWx(texts_.mnuSystemList));
}

void kortaFrm::Mnukoordinatenrahmen1060Click(wxCommandEvent&) {
  showMessage(this, frameListText(), toWx(texts_.mnuFrames));
}

void kortaFrm::Mnuabout1005Click(wxCommandEvent&) {
  showMessage(this, aboutText(), kProgramSubtitle);
}

void kortaFrm::Mnuabout1006Click(wxCommandEvent&) {
  showMessage(this, kLogoText, kProgramSubtitle);
}

}  // namespace kortavex
