// The window program's entry point.
#include "gui/korta_app.h"

wxIMPLEMENT_APP(kortavex::KortaApp);
