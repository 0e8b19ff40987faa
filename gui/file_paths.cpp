#include "gui/file_paths.h"

#include <filesystem>
#include <system_error>

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

wxString dialogFolder(const std::string& remembered) {
  if (!remembered.empty()) return wxPathOf(remembered);
  std::error_code error;
  const std::filesystem::path here = std::filesystem::current_path(error);
  return error ? wxString() : wxPathOf(here.u8string());
}

}  // namespace kortavex
