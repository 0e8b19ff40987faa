#pragma once
// The one place where the program's Windows-1252 text meets wxString.
// Every character maps to exactly one byte and back, so positions in a text
// control and in the core's text are the same numbers.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include <wx/arrstr.h>
#include <wx/string.h>

namespace kortavex {

// Bytes the code page leaves undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D) become
// U+FFFD.
wxString toWx(std::string_view cp1252);
// The entries of a list, each as toWx gives it.
wxArrayString toWxList(const std::vector<std::string>& entries);

// Characters the code page lacks become their nearest byte: the prime and
// double prime the minute and second signs ' and ", any other "?".
std::string fromWx(const wxString& text);

// The text in Windows-1252; nullopt when it holds a character that the code
// page lacks.
std::optional<std::string> exactlyFromWx(const wxString& text);

}  // namespace kortavex
