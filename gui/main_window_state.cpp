// What the main window remembers from one start to the next: the chosen
// systems and transformation, the dialogs' folders, the recent files and its
// size. The first start, or one after a damaged state file, is the window
// as it always started.
#include <algorithm>

#include <wx/choice.h>
#include <wx/menu.h>

#include "gui/main_window.h"
#include "gui/wx_text.h"
#include "lang/cp1252.h"
#include "settings/window_state.h"

namespace kortavex {

void kortaFrm::restoreState() {
  const WindowState state = readWindowState(windowStatePath());
  // an entry that the lists no longer hold (another region setting) stays unchosen
  for (const auto& [list, name] : {std::pair<wxChoice*, std::string>{WxChoice1, state.startSystem},
                                   {WxChoice2, state.targetSystem},
                                   {WxChoice3, state.transformation}})
    if (!name.empty()) list->SetStringSelection(toWx(name));
  rememberedDirectory_ = state.openFolder;
  saveDirectory_ = state.saveFolder;
  recentFiles_ = state.recentFiles;
  heights_ = state.heights;
  heightColumn_ = state.heightColumn;
  showHeightLists();
  chooseHeightSystems(state.startHeightSystem, state.targetHeightSystem);
  if (heights_) fitToTexts();  // the height lists are shown and take their room
  showRecentFiles();
  if (state.width > 0 && state.height > 0) {
    // not larger than the screen it starts on, not smaller than the layout
    const wxSize largest = wxGetClientDisplayRect().GetSize();
    SetClientSize(wxSize(std::clamp(state.width, smallestClientSize_.x, std::max(smallestClientSize_.x, largest.x)),
                         std::clamp(state.height, smallestClientSize_.y, std::max(smallestClientSize_.y, largest.y))));
    Center();  // placed for its smallest size, a larger window would reach past the screen's edge
  }
}

void kortaFrm::saveState() const {
  WindowState state;
  state.startSystem = fromWx(WxChoice1->GetStringSelection());
  state.targetSystem = fromWx(WxChoice2->GetStringSelection());
  state.transformation = fromWx(WxChoice3->GetStringSelection());
  state.openFolder = rememberedDirectory_;
  state.saveFolder = saveDirectory_;
  state.recentFiles = recentFiles_;
  state.heights = heights_;
  state.heightColumn = heightColumn_;
  for (const auto& [list, name] : {std::pair(startHeightList_, &state.startHeightSystem),
                                   std::pair(targetHeightList_, &state.targetHeightSystem)})
    if (list->GetSelection() > 0) *name = fromWx(list->GetStringSelection());
  const wxSize size = GetClientSize();
  state.width = size.x;
  state.height = size.y;
  const std::string path = windowStatePath();
  if (!path.empty()) writeWindowState(path, state);
}

void kortaFrm::rememberRecentFile(const std::string& path) {
  recentFiles_ = withRecentFile(recentFiles_, path);
  showRecentFiles();
}

void kortaFrm::showRecentFiles() {
  wxMenu* fileMenu = WxMenuBar1->GetMenu(0);
  for (std::size_t i = 0; i < kRecentFileCount; ++i)
    if (fileMenu->FindItem(ID_MNU_RECENT_FIRST + i)) fileMenu->Destroy(ID_MNU_RECENT_FIRST + i);
  for (std::size_t i = 0; i < recentFiles_.size(); ++i) {
    // an "&" of the name is a letter of it, a tab no accelerator
    wxString name = toWx(fileSystemTextToCp1252(recentFiles_[i]));
    name.Replace("&", "&&");
    name.Replace("\t", " ");
    const wxString label = wxString::Format("&%zu %s", i + 1, name);
    fileMenu->Insert(i, ID_MNU_RECENT_FIRST + i, label);
  }
}

void kortaFrm::MnuRecentFileClick(wxCommandEvent& event) {
  const std::size_t index = event.GetId() - ID_MNU_RECENT_FIRST;
  if (index >= recentFiles_.size()) return;
  showRunStatus(&MainTexts::stsTitle);
  if (!columnLayoutUsable()) return;
  const std::string path = recentFiles_[index];
  rememberRecentFile(path);
  importIntoInputWindow(path);
}

}  // namespace kortavex
