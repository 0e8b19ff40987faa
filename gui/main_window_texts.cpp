// The main window's texts: which text of the table each control and menu
// item shows, and the change of language.
#include <wx/bmpbuttn.h>
#include <wx/filedlg.h>
#include <wx/menu.h>
#include <wx/statusbr.h>

#include "gui/images.h"
#include "gui/main_window.h"
#include "gui/wx_text.h"
#include "lang/mnemonics.h"

namespace kortavex {

const WindowTexts<MainTexts>& kortaFrm::textTable() const {
  using T = MainTexts;
  // The legend names the colour the lines have: light on dark text windows.
  const auto table = [](std::string T::*lineColourName) {
    return WindowTexts<MainTexts>{
      nullptr,
      {
          {ID_WXSTATICTEXT2, &T::lblInputSystem, nullptr},
          {ID_WXSTATICTEXT3, &T::lblOutputSystem, nullptr},
          {ID_WXSTATICTEXT4, &T::lblDms, nullptr},
          {ID_WXSTATICTEXT5, &T::lblTransformation, nullptr},
          {ID_WXSTATICTEXT7, &T::lblPointNumber, nullptr},
          {ID_WXSTATICTEXT8, lineColourName, &T::tipCoordinateOk},
          {ID_WXSTATICTEXT9, &T::lblBlue, &T::tipOutsideFrame},
          {ID_WXSTATICTEXT10, &T::lblRed, &T::tipOutsideGrid},
          {ID_WX_BESCHREIBUNG_MEMO, &T::lblValuesHint, nullptr},
          {ID_WXBUTTON1, &T::btnFile, &T::tipFileConvert},
          {ID_WXBUTTON2, &T::btnClear, &T::tipClearOutput},
          {ID_WX_CLEAR, &T::btnClear, &T::tipClearInput},
          {ID_WXBUTTON3, &T::btnFileArrow, &T::tipImportFile},
          {ID_WXBUTTON5, &T::btnFrameCheck, &T::tipCheckInput},
          {ID_WXBUTTON4, &T::btnFileArrow, &T::tipCreateFile},
          {ID_WXPUNKT_EINGABE, &T::btnPoint, &T::tipPointConvert},
          {ID_WXBITMAPBUTTON2, nullptr, &T::tipLeftWindowConvert},
          {ID_WXCHOICE3, nullptr, &T::tipTransformationType},
          {ID_START_HEIGHTS, nullptr, &T::tipHeightSystem},
          {ID_TARGET_HEIGHTS, nullptr, &T::tipHeightSystem},
          {ID_WXSTATICBOX2, nullptr, &T::tipConversion},
          {ID_GMS_BOX, nullptr, &T::tipDms},
          {ID_WXHYPERLINKCTRL1, nullptr, &T::tipVisitWebsite},
          {ID_PNRBOX, nullptr, &T::tipPointNumbering},
      }};
  };
  static const WindowTexts<MainTexts> onLight = table(&T::lblBlack), onDark = table(&T::lblWhite);
  return isDark(listColours_.background) ? onDark : onLight;
}

const std::vector<kortaFrm::MenuTexts>& kortaFrm::menuTexts() {
  using T = MainTexts;
  // The first menu is "&File" while the bar is built and takes the file
  // button's text with the first change of language.
  static const std::vector<MenuTexts> menus = {
      {&T::mnuFileInitial, &T::btnFile, {{ID_MNU_EXIT_1004, &T::mnuExit}}},
      {&T::mnuTransformation,
       &T::mnuTransformation,
       {{ID_MNU_POINT_1083, &T::tipPointConvert},
        {ID_MNU_FILE_1085, &T::tipFileConvert},
        {ID_MNU_LEFTWINDOW_1086, &T::tipLeftWindowConvert}}},
      {&T::mnuOptions,
       &T::mnuOptions,
       {{ID_MNU_SETTINGS_1046, &T::mnuSettings}, {ID_MNU_PARAMETERS_1059, &T::mnuManualParameters}}},
      {&T::mnuHelp,
       &T::mnuHelp,
       {{ID_MNU_QUICKINFO_1052, &T::mnuQuickInfo},
        {ID_MNU_SYSTEMLIST_1054, &T::mnuSystemList},
        {ID_MNU_FRAMES_1060, &T::mnuFrames},
        {ID_MNU_HISTORY_1053, &T::mnuHistory},
        {ID_MNU_ABOUT_1005, &T::mnuAbout}}},
  };
  return menus;
}

kortaFrm::MenuLabels kortaFrm::menuLabels(bool initial) const {
  MenuLabels labels;
  for (const MenuTexts& menu : menuTexts()) {
    // a title has no accelerator: a tab in it would show as a wide gap
    const std::string& title = texts_.*(initial ? menu.title : menu.laterTitle);
    labels.titles.push_back(title.substr(0, title.find('\t')));
    std::vector<std::string> items;
    for (const auto& [itemId, text] : menu.items) {
      items.push_back(texts_.*text);
      // the input window converts with a key that works while typing in it
      if (itemId == ID_MNU_LEFTWINDOW_1086) items.back() += "\tCtrl+Enter";
    }
    labels.items.push_back(withMnemonics(items));
  }
  labels.titles = withMnemonics(labels.titles);
  return labels;
}

void kortaFrm::showTexts() {
  applyWindowTexts(this, textTable(), texts_);
  showRunStatus(runStatus_);
  for (wxFileDialog* dialog : {WxOpenFileDialog, WxSaveFileDialog})
    dialog->SetMessage(toWx(texts_.dlgChooseFile));
  fitToTexts();
}

void kortaFrm::langset(const std::string& language) {
  const std::optional<Language> known = languageFromName(language);
  if (!known || !kortavex::langset(texts_, language)) return;
  WxBitmapButton3->SetBitmap(flagBitmap(*known));
  WxBitmapButton3->Refresh();
}

void kortaFrm::langchange(const std::string&) {
  showTexts();
  const std::vector<MenuTexts>& menus = menuTexts();
  const MenuLabels labels = menuLabels(false);
  for (std::size_t i = 0; i < menus.size(); ++i) {
    WxMenuBar1->SetMenuLabel(i, toWx(labels.titles[i]));
    for (std::size_t j = 0; j < menus[i].items.size(); ++j)
      WxMenuBar1->SetLabel(menus[i].items[j].first, toWx(labels.items[i][j]));
  }
}

void kortaFrm::showRunStatus(std::string MainTexts::*status) {
  showRunStatus([status](const MainTexts& texts) { return texts.*status; });
}

void kortaFrm::showRunStatus(RunStatus status) {
  runStatus_ = std::move(status);
  WxStatusBar1->SetStatusText(toWx(runStatus_(texts_)), 1);
}

}  // namespace kortavex
