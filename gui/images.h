#pragma once
// The program's pictures, drawn at run time: the window icon, the logo, the
// arrow of the convert button and the flags of the seven languages.

#include <wx/bitmap.h>
#include <wx/icon.h>

#include "lang/language.h"

namespace kortavex {

// 27 x 16 (Germany), 27 x 17 (Poland) or 27 x 18 pixels.
wxBitmap flagBitmap(Language language);
wxBitmap logoBitmap();   // 51 x 50
wxBitmap arrowBitmap();  // 32 x 32, pointing right
wxIcon windowIcon();     // 32 x 32

}  // namespace kortavex
