// The application object as the program runs it: an error that escapes an
// event handler is told and the window goes on; a file-size limit makes a
// write fail instead of ending the program.
#include <cerrno>
#include <cstring>
#include <functional>
#include <new>
#include <stdexcept>

#include "file_size_limit.h"
#include "lang/cp1252.h"
#include "main_window_fixture.h"

using namespace kortavex;

namespace {

using ApplicationTest = MainWindowTest;

// A click as the toolkit delivers it: an exception that leaves a handler
// goes to the application object, not up the toolkit's C code.
void clickAsTheToolkitDoes(wxWindow* control) {
  wxCommandEvent event(wxEVT_BUTTON, control->GetId());
  event.SetEventObject(control);
  control->HandleWindowEvent(event);
}

TEST_F(ApplicationTest, AnErrorLeavingAHandlerIsToldAndTheWindowGoesOn) {
  restartIn("Deutsch");
  choosePair("GK3_DHDN", "DHDN");
  const std::string stopped = frame_->texts().msgActionStopped + "\n";
  const std::pair<std::function<void()>, std::string> errors[] = {
      {[] { throw std::bad_alloc(); }, stopped + "nicht genug Arbeitsspeicher"},
      {[] { throw std::length_error("vector::reserve"); }, stopped + "vector::reserve"},
      {[] { throw std::runtime_error("/tmp/\xC3\xA4: kaputt"); }, stopped + "/tmp/\xE4: kaputt"},
      {[] { throw 7; }, stopped + "?"},
  };
  for (const auto& [error, message] : errors) {
    SCOPED_TRACE(message);
    const auto failing = [&error = error](wxCommandEvent&) { error(); };
    w().convertButton()->Bind(wxEVT_BUTTON, failing);
    w().input()->SetValue("3520000 5540000\n");
    wxTEST_DIALOG(clickAsTheToolkitDoes(w().convertButton()), ExpectMessage(message));
    w().convertButton()->Unbind(wxEVT_BUTTON, failing);
    EXPECT_TRUE(frame_->IsShown());
  }
  // the window still converts
  EXPECT_TRUE(text(w().output()).empty());
  clickAsTheToolkitDoes(w().convertButton());
  EXPECT_EQ(text(w().output()).substr(0, 2), "* ");
  EXPECT_NE(text(w().output()).find("\n"), std::string::npos);
}

// Past the limit the export is a write error, told with its reason, and
// leaves no file behind; without the signal ignored the program would end.
TEST_F(ApplicationTest, AnExportPastTheFileSizeLimitIsAWriteError) {
  start();
  std::string results = "* GK3_DHDN\n";
  for (int i = 0; i < 2000; ++i) results += "3520000.000 5540000.000\n";
  w().output()->SetValue(toWx(results));
  const std::string target = dir_.file("out.txt");
  {
    FileSizeLimit limit(4096);
    wxTEST_DIALOG(click(w().exportButton()), ExpectFileChoice(target),
                  ExpectMessage(fileSystemTextToCp1252(target + ": " + std::strerror(EFBIG))));
  }
  EXPECT_TRUE(dir_.entries().empty());
  // a second try with room writes the whole file
  wxTEST_DIALOG(click(w().exportButton()), ExpectFileChoice(target));
  EXPECT_GE(dir_.read("out.txt").size(), results.size());
}

}  // namespace
