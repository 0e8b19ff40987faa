#pragma once
// Which text of a window's text table each of its controls shows. A window
// puts its texts on its controls only through its table, when it is built
// and when its language changes, so that no control can keep the texts of
// the language before; the tests walk the same table.

#include <string>
#include <vector>

#include <wx/toplevel.h>

#include "gui/wx_text.h"

namespace kortavex {

template <class Texts>
struct ControlTexts {
  wxWindowID id;
  std::string Texts::*label;  // nullptr: the label is the same in every language
  std::string Texts::*tip;    // nullptr: no tool tip
};

template <class Texts>
struct WindowTexts {
  std::string Texts::*title;  // nullptr: the title is the same in every language
  std::vector<ControlTexts<Texts>> controls;
};

// The title and the labels and tool tips of the controls, found by their ids.
template <class Texts>
void applyWindowTexts(wxTopLevelWindow* window, const WindowTexts<Texts>& table,
                      const Texts& texts) {
  if (table.title) window->SetTitle(toWx(texts.*table.title));
  for (const ControlTexts<Texts>& row : table.controls) {
    wxWindow* control = window->FindWindow(row.id);
    if (row.label) control->SetLabel(toWx(texts.*row.label));
    if (row.tip) control->SetToolTip(toWx(texts.*row.tip));
  }
}

}  // namespace kortavex
