// Runs the window tests inside a real wxWidgets application (under xvfb-run
// when there is no display).
#include <clocale>

#include <gtest/gtest.h>
#include <wx/app.h>
#include <wx/init.h>

namespace {

class TestApp : public wxApp {
 public:
  bool OnInit() override { return true; }
};

}  // namespace

wxIMPLEMENT_APP_NO_MAIN(TestApp);

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  if (::testing::GTEST_FLAG(list_tests)) return RUN_ALL_TESTS();  // the build lists them without a display
  wxApp::SetInstance(new TestApp);
  if (!wxEntryStart(argc, argv)) return 1;
  std::setlocale(LC_ALL, "");  // as the program does: numbers must not follow the locale
  wxTheApp->CallOnInit();
  const int result = RUN_ALL_TESTS();
  wxTheApp->OnExit();
  wxEntryCleanup();
  return result;
}
