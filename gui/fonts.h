#pragma once
// Fonts by face name, with a similar face where the desktop lacks the one asked for.

#include <wx/font.h>

namespace kortavex {

// Tahoma, Verdana, Arial, Comic Sans MS, Trebuchet MS, or any other face.
wxFont programFont(const wxString& face, int points, wxFontWeight weight = wxFONTWEIGHT_NORMAL,
                   bool underlined = false);

// The face that programFont uses for `face` on this desktop.
wxString availableFace(const wxString& face);

}  // namespace kortavex
