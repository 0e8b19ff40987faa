// The main window's handlers that open the input, settings and parameter-set dialogs.
#include <optional>
#include <string>

#include <wx/textctrl.h>

#include "engine/number_text.h"
#include "gui/dialog_common.h"
#include "gui/projected_point_dialog.h"
#include "gui/geographic_point_dialog.h"
#include "gui/utm_point_dialog.h"
#include "gui/main_window.h"
#include "gui/message_dialog.h"
#include "gui/settings_dialog.h"
#include "gui/parameter_set_dialog.h"
#include "lang/cp1252.h"
#include "lang/settings_file_texts.h"
#include "workflow/single_point.h"

namespace kortavex {

namespace {

// Shows `dialog` until `read` finds a point in what was typed, calling
// `onInvalid` with the dialog before each new showing; nullopt when the user
// cancels.
template <class Dialog, class Read, class OnInvalid>
std::optional<EnteredPoint> askForPoint(Dialog& dialog, Read read, OnInvalid onInvalid) {
  if (dialog.ShowModal() != wxID_OK) return std::nullopt;
  for (;;) {
    dialog.GetData();
    if (std::optional<EnteredPoint> entry = read(dialog)) return entry;
    onInvalid(dialog);
    if (dialog.ShowModal() != wxID_OK) return std::nullopt;
  }
}

}  // namespace

// ---------------------------------------------------------------------------
// Single point

void kortaFrm::WxStartButtonClick(wxCommandEvent&) {
  const FocusReturn back;
  showRunStatus(&MainTexts::stsTitle);
  WxMemo1RetFehlt(WxMemo1->GetNumberOfLines());
  if (!SystemSelect()) return;

  const std::string& language = settings_.language;
  // a value that is no number is named, and its field takes the focus
  const auto enterNumber = [this](auto& dialog) {
    showMessage(this, texts_.msgEnterNumber);
    dialog.focusInvalidField();
  };
  std::optional<EnteredPoint> entered;
  switch (pointDialogFor(systems_.startCode)) {
    case PointDialog::Mgrs: {
      EingabeDlgUTM dialog(this, 1, "Eingabe UTM");
      dialog.SetData(systems_.startCode.zoneText());
      dialog.SetLanguage(language);
      if (dialog.ShowModal() != wxID_OK) return;
      dialog.GetData();
      entered = mgrsEntry(dialog.mgrsText());
      // a faulty reference is still written, in red with zero coordinates
      if (entered->flag & FLAG_MGRS_LETTER) showMessage(this, texts_.msgMgrsFaulty);
      break;
    }
    case PointDialog::Utm: {
      EingabeDlgUTM dialog(this, 1, "Eingabe UTM");
      dialog.SetData(systems_.startCode.zoneText());
      dialog.SetLanguage(language);
      entered = askForPoint(
          dialog,
          [](const EingabeDlgUTM& d) {
            return utmEntry(d.eastingText(), d.northingText(), d.zoneInput());
          },
          [](EingabeDlgUTM& d) { d.reportInvalidField(); });
      break;
    }
    case PointDialog::Geographic: {
      EingabeDlg2 dialog(this, 1, "Eingabe Dialog");
      dialog.SetLanguage(language);
      entered = askForPoint(
          dialog,
          [](const EingabeDlg2& d) { return geographicEntry(d.phiText(), d.lambdaText()); },
          enterNumber);
      if (!entered) return;
      const std::string outOfRange = geographicRangeMessage(*entered);
      if (!outOfRange.empty()) {
        showMessage(this, outOfRange);
        return;
      }
      break;
    }
    case PointDialog::Projected: {
      EingabeDlg1 dialog(this, 1, "Eingabe Dialog");
      dialog.SetLanguage(language);
      entered = askForPoint(
          dialog,
          [](const EingabeDlg1& d) { return projectedEntry(d.eastingText(), d.northingText()); },
          enterNumber);
      break;
    }
  }
  if (!entered) return;

  // a single point has two values: it takes the reference height, also with Heights
  ConversionSetup setup = conversionSetup();
  setup.heights = false;
  setup.heightDatums = {};
  const SinglePointTexts written = convertSinglePoint(setup, *entered);
  systems_ = written.systems;  // the zone given with the point, until the next selection
  appendColoured(WxMemo1, written.input);
  appendColoured(WxMemo2, written.output);
}

// ---------------------------------------------------------------------------
// Settings

void kortaFrm::Mnubezugshoehe1046Click(wxCommandEvent&) {
  const FocusReturn back;
  OptionDlg dialog(this, 1, "Options");
  dialog.SetData(settings_, parameters_.name);
  dialog.setHeights(heights_, heightColumn_);

  // Every confirmed showing takes all values over, so that the running
  // program and the options file agree; the region lists are rebuilt at once.
  // A reference height that is no number or two equal columns show the
  // dialog again; leaving it then keeps the values taken over but writes
  // nothing and keeps the window's language.
  std::optional<double> height;
  for (;;) {
    if (dialog.ShowModal() != wxID_OK) return;
    dialog.GetData();
    const Settings& entered = dialog.values();
    settings_.referenceHeightText = entered.referenceHeightText;
    settings_.eastingColumn = entered.eastingColumn;
    settings_.northingColumn = entered.northingColumn;
    settings_.delimiter = entered.delimiter;
    settings_.language = entered.language;
    if (heights_ != dialog.heights()) {
      heights_ = dialog.heights();
      fitToTexts();  // the height lists come or go
    }
    heightColumn_ = dialog.heightColumn();
    if (entered.regionMask != settings_.regionMask) {
      settings_.regionMask = entered.regionMask;
      systemchoice();
    }
    height = parseNumber(settings_.referenceHeightText);
    if (!height) {
      showMessage(this, texts_.msgEnterNumber);
    } else if (settings_.eastingColumn == settings_.northingColumn || heightColumnClashes()) {
      showMessage(this, texts_.msgColumnsEqual);
    } else {
      break;
    }
  }
  settings_.referenceHeight = *height;

  std::string error;
  if (!dialog.OptionFileSave(&error))
    showMessage(this, settingsFileTexts(settings_.language).msgOptionsNotSaved + "\n" +
                          fileSystemTextToCp1252(error));
  if (dialog.languageChanged()) {
    langset(settings_.language);
    langchange(settings_.language);
  }
}

// ---------------------------------------------------------------------------
// Parameter set

void kortaFrm::Mnumanparameter1059Click(wxCommandEvent&) {
  const FocusReturn back;
  Parameter dialog(this, 1, "Parameter");
  dialog.SetLanguage(settings_.language);
  dialog.SetData(parameters_);
  // A number that is no number, or one beyond what any real system has,
  // shows the dialog again: such a set would give results that mean nothing.
  for (;;) {
    if (dialog.ShowModal() != wxID_OK) return;
    if (!dialog.nameFitsCodePage()) {
      showMessage(this, settingsFileTexts(settings_.language).msgSetNameNotWindows1252);
      continue;
    }
    dialog.GetData();
    UserParameterSet entered = dialog.values();
    if (entered.numbersFromTexts()) {
      entered.fault = {};  // confirmed in the dialog, no longer the faulty file's set
      parameters_ = entered;
      return;
    }
    showMessage(this, texts_.msgEnterNumber);
    dialog.focusText(entered.firstUnusableText());
  }
}

}  // namespace kortavex
