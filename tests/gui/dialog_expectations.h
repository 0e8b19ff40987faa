#pragma once
// Expectations for the program's own dialogs: when the dialog is shown
// modally, the "user" checks what it shows, types into its fields, picks list
// entries, ticks boxes and clicks its buttons, then closes it with OK or
// Cancel. Used with wxTEST_DIALOG:
//
//   wxTEST_DIALOG(frame->WxStartButtonClick(event),
//                 wxExpectModal<EingabeDlg1>("500000", "5300000"));

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include <wx/checkbox.h>
#include <wx/choice.h>
#include <wx/textctrl.h>

#include "gui/projected_point_dialog.h"
#include "gui/geographic_point_dialog.h"
#include "gui/dms_point_dialog.h"
#include "gui/utm_point_dialog.h"
#include "gui/settings_dialog.h"
#include "gui/parameter_set_dialog.h"
#include "gui/wx_text.h"
#include "gui_test.h"

using namespace kortavex;

// The control `id` of `dialog`, of kind T; a test failure when there is none.
template <class T>
T* controlOf(wxWindow& dialog, int id) {
  T* control = dynamic_cast<T*>(dialog.FindWindow(id));
  if (!control) ADD_FAILURE() << "no control " << id << " of the expected kind";
  return control;
}

template <class Dialog>
class UserInDialog : public wxExpectModalBase<Dialog, wxExpectModal<Dialog>> {
 public:
  using Self = wxExpectModal<Dialog>;

  // The field shows `text` when the dialog appears.
  Self showing(int id, std::string text) const {
    return with([id, text](wxWindow& d) {
      if (auto* field = controlOf<wxTextCtrl>(d, id)) {
        EXPECT_EQ(fromWx(field->GetValue()), text) << "field " << id;
      }
    });
  }
  // The control has the keyboard focus when the dialog appears.
  Self focusing(int id) const {
    return with([id](wxWindow& d) {
      EXPECT_EQ(wxWindow::FindFocus(), d.FindWindow(id)) << "focus on " << id;
    });
  }
  // Replaces the text of a field.
  Self typing(int id, std::string text) const {
    Self copy(static_cast<const Self&>(*this));
    copy.type(id, std::move(text));
    return copy;
  }
  // Picks a list entry, as a click on it does.
  Self choosing(int id, std::string item) const {
    return with([id, item](wxWindow& d) {
      auto* list = controlOf<wxChoice>(d, id);
      if (!list) return;
      ASSERT_TRUE(list->SetStringSelection(toWx(item))) << item;
      wxCommandEvent event(wxEVT_CHOICE, id);
      event.SetEventObject(list);
      event.SetInt(list->GetSelection());
      event.SetString(list->GetStringSelection());
      list->GetEventHandler()->ProcessEvent(event);
    });
  }
  Self ticking(int id, bool checked) const {
    return with([id, checked](wxWindow& d) {
      if (auto* box = controlOf<wxCheckBox>(d, id)) box->SetValue(checked);
    });
  }
  // Clicks a button of the dialog (not OK or Cancel: see answering).
  Self clicking(int id) const {
    return with([id](wxWindow& d) {
      wxWindow* button = d.FindWindow(id);
      if (!button) {
        ADD_FAILURE() << "no button " << id;
        return;
      }
      wxCommandEvent event(wxEVT_BUTTON, id);
      event.SetEventObject(button);
      button->GetEventHandler()->ProcessEvent(event);
    });
  }
  // Anything else the user looks at or does.
  Self doing(std::function<void(Dialog&)> action) const {
    return with([action](wxWindow& d) { action(static_cast<Dialog&>(d)); });
  }
  // How the dialog is closed: wxID_OK (the default) or wxID_CANCEL.
  Self answering(int answer) const {
    Self copy(static_cast<const Self&>(*this));
    copy.answer_ = answer;
    return copy;
  }

 protected:
  void type(int id, std::string text) {
    steps_.push_back([id, text](wxWindow& d) {
      if (auto* field = controlOf<wxTextCtrl>(d, id)) field->SetValue(toWx(text));
    });
  }

  int OnInvoked(Dialog* dialog) const override {
    for (const auto& step : steps_) step(*dialog);
    return answer_;
  }

 private:
  Self with(std::function<void(wxWindow&)> step) const {
    Self copy(static_cast<const Self&>(*this));
    copy.steps_.push_back(std::move(step));
    return copy;
  }

  std::vector<std::function<void(wxWindow&)>> steps_;
  int answer_ = wxID_OK;
};

// Easting and northing typed, then OK.
template <>
class wxExpectModal<EingabeDlg1> : public UserInDialog<EingabeDlg1> {
 public:
  wxExpectModal() = default;
  wxExpectModal(std::string easting, std::string northing) {
    type(EingabeDlg1::ID_GK_Y, std::move(easting));
    type(EingabeDlg1::ID_GK_X, std::move(northing));
  }
};

// Latitude and longitude typed, then OK.
template <>
class wxExpectModal<EingabeDlg2> : public UserInDialog<EingabeDlg2> {
 public:
  wxExpectModal() = default;
  wxExpectModal(std::string latitude, std::string longitude) {
    type(EingabeDlg2::ID_WXEDIT_PHI, std::move(latitude));
    type(EingabeDlg2::ID_WXEDIT_LAMBDA, std::move(longitude));
  }
};

// Degrees, minutes and seconds of latitude and longitude typed, then OK.
template <>
class wxExpectModal<EingabeDlg3> : public UserInDialog<EingabeDlg3> {
 public:
  wxExpectModal() = default;
  wxExpectModal(std::string phiDeg, std::string phiMin, std::string phiSec, std::string lambdaDeg,
                std::string lambdaMin, std::string lambdaSec) {
    type(EingabeDlg3::ID_WXEDIT3, std::move(phiDeg));
    type(EingabeDlg3::ID_WXEDIT2, std::move(phiMin));
    type(EingabeDlg3::ID_WXEDIT1, std::move(phiSec));
    type(EingabeDlg3::ID_WXEDIT4, std::move(lambdaDeg));
    type(EingabeDlg3::ID_WXEDIT5, std::move(lambdaMin));
    type(EingabeDlg3::ID_WXEDIT6, std::move(lambdaSec));
  }
};

// Easting, northing and zone typed, then OK; or (with `mgrs`) a reference.
template <>
class wxExpectModal<EingabeDlgUTM> : public UserInDialog<EingabeDlgUTM> {
 public:
  wxExpectModal() = default;
  wxExpectModal(std::string easting, std::string northing, std::string zone) {
    type(EingabeDlgUTM::ID_WXEDIT1, std::move(easting));
    type(EingabeDlgUTM::ID_WXEDIT2, std::move(northing));
    type(EingabeDlgUTM::ID_WXEDIT3, std::move(zone));
  }
  static wxExpectModal mgrs(std::string reference) {
    wxExpectModal e;
    e.type(EingabeDlgUTM::ID_WXEDIT4, std::move(reference));
    return e;
  }
};

// The settings and parameter-set dialogs: everything through the builder steps.
template <>
class wxExpectModal<OptionDlg> : public UserInDialog<OptionDlg> {};

template <>
class wxExpectModal<Parameter> : public UserInDialog<Parameter> {};
