#include "gui/file_paths.h"

#include <wx/strconv.h>

namespace kortavex {

std::string fileSystemPath(const wxString& path) {
  // empty when the path holds a character the file-name encoding lacks
  const wxScopedCharBuffer bytes = path.fn_str();
  return bytes.data() ? std::string(bytes.data(), bytes.length()) : std::string();
}

wxString wxPathOf(const std::string& fileSystemPath) {
  return wxString(fileSystemPath.c_str(), *wxConvFileName);
}

}  // namespace kortavex
