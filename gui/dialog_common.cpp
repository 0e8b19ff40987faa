#include "gui/dialog_common.h"

#include <algorithm>

#include <wx/choice.h>
#include <wx/display.h>
#include <wx/event.h>
#include <wx/sizer.h>
#include <wx/statbox.h>
#include <wx/textctrl.h>

#include "gui/wx_text.h"

namespace kortavex {

FocusReturn::FocusReturn() : before_(wxWindow::FindFocus()) {}

FocusReturn::~FocusReturn() {
  if (before_ && before_->IsShownOnScreen() && before_->IsEnabled()) before_->SetFocus();
}

std::string fieldText(const wxTextCtrl* field) { return fromWx(field->GetValue()); }

void setFieldText(wxTextCtrl* field, const std::string& text) { field->ChangeValue(toWx(text)); }

void atLeast(wxWindow* control, const wxSize& size) {
  const wxSize best = control->GetBestSize();
  control->SetMinSize(wxSize(std::max(best.x, size.x), std::max(best.y, size.y)));
}

void fieldSize(wxTextCtrl* field, int width, const char* widestText) {
  // the desktop's frame and inner margins of an entry
  constexpr int kFramePadding = 24, kFramePaddingHeight = 8;
  // Once on the screen the desktop would want a field far taller, and the
  // dialog would grow the next time it is shown: the height is fixed here,
  // enough for a line of text in the field's font.
  field->SetMinSize(
      wxSize(std::max(width, field->GetTextExtent(widestText).x + kFramePadding),
             std::max(field->GetBestSize().y, field->GetCharHeight() + kFramePaddingHeight)));
}

void fitAtLeast(wxWindow* dialog, const wxSize& smallest) {
  // Client sizes: the window manager's frame comes around them, whether or
  // not the toolkit knows yet how large that frame is.
  const wxSize needed = dialog->GetSizer()->GetMinSize();
  dialog->SetClientSize(wxSize(std::max(needed.x, smallest.x), std::max(needed.y, smallest.y)));
  dialog->Layout();
  dialog->Centre(wxBOTH);
}

wxSize largestContent(wxWindow* dialog) {
  constexpr double kScreenShare = 0.85;
  const wxSize area = wxDisplay(dialog).GetClientArea().GetSize();
  return wxSize(static_cast<int>(area.x * kScreenShare), static_cast<int>(area.y * kScreenShare));
}

void keepOnScreen(wxWindow* window) {
  const wxRect area = wxDisplay(window).GetClientArea();
  wxRect rect = window->GetRect();
  rect.width = std::min(rect.width, area.width);
  rect.height = std::min(rect.height, area.height);
  rect.x = std::clamp(rect.x, area.x, area.GetRight() + 1 - rect.width);
  rect.y = std::clamp(rect.y, area.y, area.GetBottom() + 1 - rect.height);
  window->SetSize(rect);
}

namespace {

void forgetBestSizes(wxWindow* window) {
  for (wxWindow* child : window->GetChildren()) {
    child->InvalidateBestSize();
    forgetBestSizes(child);
  }
}

}  // namespace

void refitWhenShown(wxWindow* dialog, const wxSize& smallest) {
  dialog->Bind(wxEVT_SHOW, [dialog, smallest](wxShowEvent& event) {
    event.Skip();
    if (!event.IsShown()) return;
    forgetBestSizes(dialog);
    fitAtLeast(dialog, smallest);
  });
}

void fitGroupTitle(wxStaticBox* box) {
  constexpr int kFrameEnds = 12;  // the frame's corner and gap on either side of the title
  wxSizer* const group = box->GetContainingSizer();
  if (!group) return;
  group->SetMinSize(wxSize(box->GetTextExtent(box->GetLabelText()).x + 2 * kFrameEnds, -1));
}

void fitChoiceToItems(wxChoice* list) {
  constexpr int kFrameAndArrow = 48;
  int widest = 0;
  for (unsigned i = 0; i < list->GetCount(); ++i)
    widest = std::max(widest, list->GetTextExtent(list->GetString(i)).x);
  list->SetMinSize(wxSize(widest + kFrameAndArrow, -1));
}

}  // namespace kortavex
