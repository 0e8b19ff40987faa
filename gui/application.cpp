#include "gui/application.h"

#include <exception>
#include <iostream>
#include <new>
#include <string>

#include "files/platform.h"
#include "gui/main_window.h"
#include "gui/message_dialog.h"
#include "lang/cp1252.h"

namespace kortavex {

namespace {

// The message about the exception being handled, in the language of the
// main window (English before there is one).
std::string messageOfCurrentException() {
  MainTexts texts;
  langset(texts, "English");
  if (const auto* frame = dynamic_cast<const kortaFrm*>(wxTheApp->GetTopWindow()))
    texts = frame->texts();
  std::string reason;
  try {
    throw;
  } catch (const std::bad_alloc&) {
    reason = texts.msgOutOfMemory;
  } catch (const std::exception& error) {
    reason = fileSystemTextToCp1252(error.what());
  } catch (...) {
    reason = "?";
  }
  return texts.msgActionStopped + "\n" + reason;
}

}  // namespace

KortaApp::KortaApp() {
  // Past a file-size limit (ulimit -f) a write then fails with EFBIG and is
  // reported as the write error it is, instead of the signal ending the
  // program with the user's work.
  platform::reportWriteErrors();
}

bool KortaApp::OnInit() {
  auto* frame = new kortaFrm(nullptr, 1, "korta", wxDefaultPosition, wxDefaultSize,
                             kortaFrm::kFrameStyle);
  SetTopWindow(frame);
  frame->Show();
  return true;
}

bool KortaApp::OnExceptionInMainLoop() {
  showMessage(GetTopWindow(), messageOfCurrentException());
  return true;
}

void KortaApp::OnUnhandledException() {
  const std::string message = messageOfCurrentException();
  std::cerr << cp1252ToUtf8(message) << '\n';
  showMessage(nullptr, message);
}

}  // namespace kortavex
