// The application object: creates the main window and shows it.
#include <wx/app.h>

#include "gui/korta_frm.h"

class kortaFrmApp : public wxApp {
 public:
  bool OnInit() override;
  int OnExit() override { return 0; }
};

wxIMPLEMENT_APP(kortaFrmApp);

bool kortaFrmApp::OnInit() {
  auto* frame = new kortaFrm(nullptr, 1, "korta", wxDefaultPosition, wxDefaultSize,
                             kortaFrm::kFrameStyle);
  SetTopWindow(frame);
  frame->Show();
  return true;
}
