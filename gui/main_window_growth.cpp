// The main window at any size: the two text windows take the room a larger
// window adds, half each, and every other control keeps its place relative
// to them.
#include <algorithm>

#include <wx/statbox.h>
#include <wx/textctrl.h>

#include "gui/main_window.h"

namespace kortavex {

void kortaFrm::growInto(const wxSize& clientSize) {
  if (smallestLayout_.empty()) return;
  const auto smallest = [this](const wxWindow* control) {
    for (const PlacedControl& placed : smallestLayout_)
      if (placed.control == control) return placed.rect;
    return control->GetRect();
  };
  const wxRect left = smallest(WxMemo1), right = smallest(WxMemo2);
  const int wider = std::max(0, clientSize.x - smallestClientSize_.x);
  const int taller = std::max(0, clientSize.y - smallestClientSize_.y);
  const int leftWider = wider / 2, rightWider = wider - leftWider;
  const int middle = left.y + left.height / 2, near = px_(4);

  // Where a control goes on its own: the text windows grow; a frame from the
  // windows' top to their bottom grows with them and a line across both
  // with the window; the rest move with the right window, with the space
  // between the two, or stay, and below the windows' middle they move down
  // with the windows' bottom.
  const auto placedAlone = [&](const PlacedControl& placed) {
    wxRect rect = placed.rect;
    if (placed.control == WxMemo1) return wxRect(rect.x, rect.y, rect.width + leftWider, rect.height + taller);
    if (placed.control == WxMemo2)
      return wxRect(rect.x + leftWider, rect.y, rect.width + rightWider, rect.height + taller);
    if (rect.x <= left.x && rect.GetRight() >= right.GetRight()) {
      rect.width += wider;
    } else {
      const int centre = rect.x + rect.width / 2;
      rect.x += centre >= right.x ? wider : centre >= left.GetRight() ? leftWider : 0;
    }
    if (rect.y <= left.y + near && rect.GetBottom() >= left.GetBottom() - near) rect.height += taller;
    else if (rect.y + rect.height / 2 > middle) rect.y += taller;
    return rect;
  };
  // What stands in a group box moves with the box.
  const auto groupOf = [this](const PlacedControl& placed) -> const PlacedControl* {
    for (const PlacedControl& box : smallestLayout_)
      if (box.control != placed.control && dynamic_cast<wxStaticBox*>(box.control) &&
          box.rect.Contains(placed.rect))
        return &box;
    return nullptr;
  };

  for (const PlacedControl& placed : smallestLayout_) {
    wxRect rect = placedAlone(placed);
    if (const PlacedControl* box = groupOf(placed)) {
      const wxRect boxRect = placedAlone(*box);
      rect = placed.rect;
      rect.Offset(boxRect.GetPosition() - box->rect.GetPosition());
    }
    if (rect != placed.control->GetRect()) placed.control->SetSize(rect);
  }
}

void kortaFrm::OnSize(wxSizeEvent& event) {
  event.Skip();  // the frame sizes its panel
  growInto(GetClientSize());
}

}  // namespace kortavex
