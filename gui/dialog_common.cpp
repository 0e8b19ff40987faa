#include "gui/dialog_common.h"

#include <algorithm>

#include <wx/choice.h>
#include <wx/event.h>
#include <wx/sizer.h>
#include <wx/textctrl.h>

#include "gui/wx_text.h"

std::string fieldText(const wxTextCtrl* field) { return fromWx(field->GetValue()); }

void setFieldText(wxTextCtrl* field, const std::string& text) { field->ChangeValue(toWx(text)); }

void atLeast(wxWindow* control, const wxSize& size) {
  const wxSize best = control->GetBestSize();
  control->SetMinSize(wxSize(std::max(best.x, size.x), std::max(best.y, size.y)));
}

void fieldSize(wxTextCtrl* field, int width, const char* widestText) {
  constexpr int kFramePadding = 24;  // the desktop's frame and inner margins of an entry
  const int needed = field->GetTextExtent(widestText).x + kFramePadding;
  field->SetMinSize(wxSize(std::max(width, needed), field->GetBestSize().y));
}

void fitAtLeast(wxWindow* dialog, const wxSize& smallest) {
  const wxSize needed = dialog->GetSizer()->ComputeFittingWindowSize(dialog);
  dialog->SetSize(wxSize(std::max(needed.x, smallest.x), std::max(needed.y, smallest.y)));
  dialog->Layout();
  dialog->Centre(wxBOTH);
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

void fitChoiceToItems(wxChoice* list) {
  constexpr int kFrameAndArrow = 48;
  int widest = 0;
  for (unsigned i = 0; i < list->GetCount(); ++i)
    widest = std::max(widest, list->GetTextExtent(list->GetString(i)).x);
  list->SetMinSize(wxSize(widest + kFrameAndArrow, -1));
}
