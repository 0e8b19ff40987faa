// Runs the window tests inside a real wxWidgets application (under xvfb-run
// when there is no display).
#include <dlfcn.h>

#include <clocale>

#include <gtest/gtest.h>
#include <wx/init.h>

#include "gui/application.h"

using namespace kortavex;

namespace {

// The program's application object, as it prepares the process and handles
// errors, without its main window: each test makes the windows it needs.
class TestApp : public KortaApp {
 public:
  bool OnInit() override { return true; }
};

// A warning or critical message that GTK or GLib logs (a widget allocated
// less than it needs, a failed assertion) fails the test that caused it.
// GLib is loaded with the toolkit and reached by name, so the build needs
// none of its headers.
void failOnToolkitWarnings() {
  using LogFunction = void (*)(const char* domain, int level, const char* message, void* data);
  using SetDefaultHandler = LogFunction (*)(LogFunction handler, void* data);
  const auto setHandler =
      reinterpret_cast<SetDefaultHandler>(dlsym(RTLD_DEFAULT, "g_log_set_default_handler"));
  if (!setHandler) return;
  // G_LOG_LEVEL_ERROR, G_LOG_LEVEL_CRITICAL, G_LOG_LEVEL_WARNING
  constexpr int kWarningOrWorse = 1 << 2 | 1 << 3 | 1 << 4;
  setHandler(
      [](const char* domain, int level, const char* message, void*) {
        if (level & kWarningOrWorse) ADD_FAILURE() << (domain ? domain : "") << ": " << message;
      },
      nullptr);
}

}  // namespace

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  if (::testing::GTEST_FLAG(list_tests)) return RUN_ALL_TESTS();  // the build lists them without a display
  wxApp::SetInstance(new TestApp);
  failOnToolkitWarnings();
  if (!wxEntryStart(argc, argv)) return 1;
  std::setlocale(LC_ALL, "");  // as the program does: numbers must not follow the locale
  wxTheApp->CallOnInit();
  const int result = RUN_ALL_TESTS();
  wxTheApp->OnExit();
  wxEntryCleanup();
  return result;
}
