#pragma once
// Files dragged from a file manager and dropped on a control.

#include <functional>
#include <string>
#include <vector>

#include <wx/dnd.h>

namespace kortavex {

// Hands the dropped files' paths (file-system bytes, see file_paths.h) to
// `take`, in the order they came.
class DroppedFiles : public wxFileDropTarget {
 public:
  explicit DroppedFiles(std::function<void(const std::vector<std::string>&)> take)
      : take_(std::move(take)) {}
  bool OnDropFiles(wxCoord x, wxCoord y, const wxArrayString& names) override;

 private:
  std::function<void(const std::vector<std::string>&)> take_;
};

}  // namespace kortavex
