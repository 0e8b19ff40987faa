#pragma once
// The application object of the window program.

#include <wx/app.h>

namespace kortavex {

class KortaApp : public wxApp {
 public:
  KortaApp();

  // Creates the main window and shows it.
  bool OnInit() override;

  // An error that escapes an event handler (memory running out in the
  // middle of a run) is shown in a message box, and the program goes on:
  // the handlers keep no state half-changed that a later run would trust,
  // and every file is written to a temporary name and committed only whole.
  bool OnExceptionInMainLoop() override;
  // One outside the event loop (while the program starts) ends it, told.
  void OnUnhandledException() override;
};

}  // namespace kortavex
