#pragma once
// File-system paths between the file dialogs and the core. A path is bytes
// for the kernel, not text: the core takes it as it is, in the encoding
// wxWidgets uses for file names (UTF-8 on a GTK desktop, also under the C
// locale; bytes that are no UTF-8 go through unchanged). Texts of the
// window go through toWx/fromWx instead.

#include <string>

#include <wx/string.h>

namespace kortavex {

std::string fileSystemPath(const wxString& path);
wxString wxPathOf(const std::string& fileSystemPath);
// Where a file dialog opens: `remembered`, or else the working directory,
// given to the dialog outright (left to wxWidgets, a working directory
// longer than its buffer of 1 024 bytes gives an error box of its own).
wxString dialogFolder(const std::string& remembered);

}  // namespace kortavex
