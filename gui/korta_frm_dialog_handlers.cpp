// The main window's handlers that open the input, settings and parameter-set dialogs.
#include "gui/korta_frm.h"

void kortaFrm::WxStartButtonClick(wxCommandEvent&) {
  // filled in with the dialogs
}

void kortaFrm::Mnubezugshoehe1046Click(wxCommandEvent&) {
  // filled in with the dialogs
}

void kortaFrm::Mnumanparameter1059Click(wxCommandEvent&) {
  // filled in with the dialogs
}
