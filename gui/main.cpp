// The window program's entry point.
#include "gui/application.h"

wxIMPLEMENT_APP(kortavex::KortaApp);
