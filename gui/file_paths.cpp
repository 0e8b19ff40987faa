#include "gui/file_paths.h"

#include <wx/strconv.h>

#include "files/platform.h"

namespace kortavex {

namespace {

// The file names of the core: UTF-8 where the platform layer turns them into
// the system's UTF-16 names, else the bytes of the locale's encoding.
const wxMBConv& fileNameEncoding() {
  return platform::fileNamesAreUtf8() ? static_cast<const wxMBConv&>(wxConvUTF8) : *wxConvFileName;
}

}  // namespace

std::string fileSystemPath(const wxString& path) {
  // empty when the path holds a character the file-name encoding lacks
  const wxScopedCharBuffer bytes = path.mb_str(fileNameEncoding());
  return bytes.data() ? std::string(bytes.data(), bytes.length()) : std::string();
}

wxString wxPathOf(const std::string& fileSystemPath) {
  return wxString(fileSystemPath.c_str(), fileNameEncoding());
}

}  // namespace kortavex
