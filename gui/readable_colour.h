#pragma once
// Colours that read on the desktop's own colours, light or dark: every text
// keeps a contrast of at least 4.5:1 (the WCAG level for normal text) with
// its background.

#include <wx/colour.h>

namespace kortavex {

// `wanted` when it reads on `background`; otherwise the shade of it, mixed
// with as little white or black as will do, that does. A blue stays a blue,
// lighter on a dark background and darker on a light one.
wxColour readableOn(const wxColour& wanted, const wxColour& background);

// Whether white text reads better on `background` than black.
bool isDark(const wxColour& background);

// A translucent colour as it shows over the opaque `below`.
wxColour opaqueOver(const wxColour& colour, const wxColour& below);

// The colours of the program's text windows over `below`, and a text colour
// that reads on them: the desktop's tool-tip colours where its tool-tips are
// light, as on the desktops the program was first made for; elsewhere (Adwaita
// has dark tool-tips in its light theme too) the theme's own text areas,
// light in a light theme and dark in a dark one.
struct TextAreaColours {
  wxColour background, text;
};
TextAreaColours textAreaColours(const wxColour& below);

}  // namespace kortavex
