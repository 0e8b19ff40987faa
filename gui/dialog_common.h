#pragma once
// What the dialogs share: reading and writing the core's Windows-1252 text in
// their controls, fitting their layout to their texts, and giving the focus
// back once they are closed.

#include <string>

#include <wx/weakref.h>
#include <wx/window.h>

class wxChoice;
class wxStaticBox;
class wxTextCtrl;
class wxWindow;
class wxSize;

namespace kortavex {

// Gives the focus back, at the end of its scope, to the control that had it
// when it was made: where the user was before a dialog, rather than what the
// desktop picks (a button that Enter would press once more). Made before the
// dialog, which takes the focus for its own controls as it is built; every
// place that shows a dialog has one.
class FocusReturn {
 public:
  FocusReturn();
  ~FocusReturn();
  FocusReturn(const FocusReturn&) = delete;
  FocusReturn& operator=(const FocusReturn&) = delete;

 private:
  wxWeakRef<wxWindow> before_;  // the dialog's answer may destroy it
};

std::string fieldText(const wxTextCtrl* field);
void setFieldText(wxTextCtrl* field, const std::string& text);

// Gives a control at least the given size, and never less than it needs for
// its label in the desktop's font.
void atLeast(wxWindow* control, const wxSize& size);

// Gives a text field the given width, or more where `widestText` would not
// fit in its font, and the height the desktop needs.
void fieldSize(wxTextCtrl* field, int width, const char* widestText);

// Sizes a dialog's content to its sizer's needs, at least `smallest`, and
// centres it on the screen; called again when its texts change language.
void fitAtLeast(wxWindow* dialog, const wxSize& smallest);

// The largest content a dialog may have: the screen's work area (the screen
// less the desktop's panels) less room for the window manager's frame and
// title bar.
wxSize largestContent(wxWindow* dialog);

// Keeps a window inside the screen's work area (the screen less the
// desktop's panels): no larger than it, and moved inside where centring on
// its parent left it partly outside.
void keepOnScreen(wxWindow* window);

// The desktop measures texts in fonts of their own only once they are on the
// screen: fits the dialog again each time it is shown.
void refitWhenShown(wxWindow* dialog, const wxSize& smallest);

// Makes the group of a box at least as wide as the box's title needs, which
// the desktop does not see to itself; called again when the title changes.
void fitGroupTitle(wxStaticBox* box);

// Gives a choice list the width of its longest item: the desktop measures
// the items only once the list is on the screen, too late for the layout.
void fitChoiceToItems(wxChoice* list);

}  // namespace kortavex
