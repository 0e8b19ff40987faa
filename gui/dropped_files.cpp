#include "gui/dropped_files.h"

#include <wx/app.h>

#include "gui/file_paths.h"

namespace kortavex {

bool DroppedFiles::OnDropFiles(wxCoord, wxCoord, const wxArrayString& names) {
  std::vector<std::string> paths;
  for (const wxString& name : names) paths.push_back(fileSystemPath(name));
  // after the drop has ended: a message box must not hold the file manager's drag
  wxTheApp->CallAfter([take = take_, paths] { take(paths); });
  return true;
}

}  // namespace kortavex
