#pragma once
// What the dialogs that ask for one point share: their OK and Cancel buttons
// (ids 5100 and 5101) end the modal loop with the toolkit's OK and Cancel
// results, and so do Enter and Escape. The close box cancels as well (the
// toolkit's close handler clicks the Escape button); the caller destroys the
// dialog when it is done with it.

#include <initializer_list>
#include <string>

#include <wx/dialog.h>

class wxButton;
class wxTextCtrl;

namespace kortavex {

class PointInputDialog : public wxDialog {
 public:
  enum { ID_WXBUTTON1 = 5100, ID_WXBUTTON2 = 5101 };

 protected:
  PointInputDialog(wxWindow* parent, wxWindowID id, const wxString& title, const wxPoint& position,
                   const wxSize& size, long style);

  // "OK" (WxButton1) and "Cancel" (WxButton2), of at least the given sizes.
  wxButton* createOkButton(const wxSize& size);
  wxButton* createCancelButton(const wxSize& size);

  // Lays the controls out by `sizer` in a dialog of at least `size` and
  // gives it the program icon.
  void finishLayout(wxSizer* sizer, const wxSize& size);
  // Sizes the dialog to its texts, as a change of language needs, and
  // centres it on the screen.
  void fitToTexts();

  // Gives the focus to the first of the fields whose text (as read by
  // GetData) is no number, so that the dialog shown again points at what
  // to mend.
  struct ReadField {
    wxTextCtrl* field;
    const std::string& text;
  };
  void focusFirstNonNumber(std::initializer_list<ReadField> fields);

 private:
  void WxButton1Click(wxCommandEvent& event);
  void WxButton2Click(wxCommandEvent& event);

  wxSize smallestSize_;

  wxDECLARE_EVENT_TABLE();
};

}  // namespace kortavex
