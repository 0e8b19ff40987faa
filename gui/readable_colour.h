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

// A translucent colour as it shows over the opaque `below`.
wxColour opaqueOver(const wxColour& colour, const wxColour& below);

// The desktop's tool-tip colours, the background as it shows over `below`
// and a text colour that reads on it.
struct ToolTipColours {
  wxColour background, text;
};
ToolTipColours toolTipColours(const wxColour& below);

}  // namespace kortavex
