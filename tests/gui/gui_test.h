#pragma once
// Include this instead of <wx/testing.h> in window tests: an unexpected or
// missing modal dialog becomes a test failure instead of a message on stderr.

#include <gtest/gtest.h>
#include <wx/wx.h>

#define wxTEST_DIALOG_HOOK_CLASS GTestModalHook
#include <wx/testing.h>

using namespace kortavex;

class GTestModalHook : public wxTestingModalHook {
 public:
  using wxTestingModalHook::wxTestingModalHook;
  void ReportFailure(const wxString& msg) override { ADD_FAILURE() << msg.utf8_string(); }
};

// Lets pending events (layout, paint, posted calls) run.
inline void processPendingEvents() {
  for (int i = 0; i < 5; ++i) {
    wxTheApp->ProcessPendingEvents();
    wxYield();
  }
}
