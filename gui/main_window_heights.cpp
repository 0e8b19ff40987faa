// The height systems of the main window: with Heights on, a list under
// each system list offers the height systems of that system's country
// (chain/system_lists.h); their grids are loaded when a run starts.
#include <wx/choice.h>
#include <wx/panel.h>
#include <wx/stattext.h>

#include <algorithm>

#include "chain/height_systems.h"
#include "chain/system_lists.h"
#include "gui/dialog_common.h"
#include "gui/fonts.h"
#include "gui/main_window.h"
#include "gui/message_dialog.h"
#include "gui/wx_text.h"

namespace kortavex {

void kortaFrm::createHeightLists() {
  for (wxChoice** list : {&startHeightList_, &targetHeightList_}) {
    const wxWindowID id = list == &startHeightList_ ? ID_START_HEIGHTS : ID_TARGET_HEIGHTS;
    *list = new wxChoice(WxPanel1, id, wxDefaultPosition, px_.size(80, 21));
    useListColours(*list);
    (*list)->SetFont(programFont("Tahoma", 8));
    (*list)->Hide();
  }
}

void kortaFrm::placeHeightLists() {
  // as wide as the widest entry any system offers, so that the width
  // stays when the systems change
  std::vector<std::string> every{texts_.lblEllipsoidal};
  for (const chain::HeightSystem& system : chain::heightSystems()) every.emplace_back(system.name);
  int height = 0;
  for (const auto& [list, systems] : {std::pair(startHeightList_, WxChoice1), std::pair(targetHeightList_, WxChoice2)}) {
    const wxString chosen = list->GetStringSelection();  // stays through the measuring
    list->Set(toWxList(every));
    fitChoiceToItems(list);
    list->SetStringSelection(chosen);
    height = list->GetBestSize().y;
    // under its system list, in a row of their own: beside the captions
    // there is no room in every language
    const wxRect above = systems->GetRect();
    list->SetSize(above.x, above.GetBottom() + 1 + px_(2), std::max(list->GetMinSize().x, above.width), height);
  }
  showHeightLists();
  makeHeightListsRow(heights_ ? height + px_(6) : 0);
}

void kortaFrm::makeHeightListsRow(int rowHeight) {
  // what stands from the text windows' top down (and the box around the
  // buttons between them, a little higher) moves down by the row
  const int top = WxMemo1->GetPosition().y - px_(6), distance = rowHeight - heightListsRow_;
  if (distance == 0) return;
  for (wxWindow* control : WxPanel1->GetChildren())
    if (control != startHeightList_ && control != targetHeightList_ && control->GetPosition().y >= top)
      control->Move(control->GetPosition().x, control->GetPosition().y + distance);
  heightListsRow_ = rowHeight;
}

void kortaFrm::showHeightLists() {
  for (const auto& [list, systems] :
       {std::pair(startHeightList_, WxChoice1), std::pair(targetHeightList_, WxChoice2)}) {
    // the height system chosen stays where the new system offers it; with
    // no system chosen (the lists rebuilt for other regions) none stays
    const std::string system = selectedEntry(systems);
    const wxString chosen = list->GetSelection() > 0 && !system.empty() ? list->GetStringSelection() : wxString();
    std::vector<std::string> entries{texts_.lblEllipsoidal};
    for (std::string& name : heightSystemList(system)) entries.push_back(std::move(name));
    list->Set(toWxList(entries));
    if (chosen.empty() || !list->SetStringSelection(chosen)) list->SetSelection(0);
    list->Show(heights_);
  }
}

const chain::HeightSystem* kortaFrm::chosenHeightSystem(const wxChoice* list) const {
  if (!heights_ || list->GetSelection() <= 0) return nullptr;
  return chain::heightSystemNamed(fromWx(list->GetStringSelection()));
}

void kortaFrm::chooseHeightSystems(const std::string& start, const std::string& target) {
  for (const auto& [list, name] : {std::pair(startHeightList_, &start), std::pair(targetHeightList_, &target)})
    if (!name->empty()) list->SetStringSelection(toWx(*name));
}

bool kortaFrm::loadHeightSystems() {
  const std::string problem = loadHeightDatums(chosenHeightSystem(startHeightList_),
                                               chosenHeightSystem(targetHeightList_), texts_, heightDatums_);
  if (problem.empty()) return true;
  showMessage(this, problem);
  return false;
}

}  // namespace kortavex
