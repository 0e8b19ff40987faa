// The main window's workflows: converting the input window, the frame check,
// the file conversion, import, export and the two clear buttons. Each is a
// thin handler over the workflow library.
#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/choice.h>
#include <wx/filedlg.h>
#include <wx/filename.h>
#include <wx/statusbr.h>
#include <wx/textctrl.h>
#include <wx/wupdlock.h>

#include "files/text_lines.h"
#include "gui/dialog_common.h"
#include "gui/dropped_files.h"
#include "gui/file_paths.h"
#include "gui/main_window.h"
#include "gui/message_dialog.h"
#include "gui/wx_text.h"
#include "lang/cp1252.h"
#include "lang/settings_file_texts.h"
#include "workflow/frame_check.h"
#include "workflow/import_export.h"

namespace kortavex {

namespace {

constexpr char kFileWildcard[] =
    "TEXT-Files (*.txt)|*.txt|ASCII-Files (*.asc)|*.asc|CSV-Files (*.csv)|*.csv|(*.*)|*.*";

}  // namespace

// Shows the open dialog in the remembered directory; the paths of the chosen
// files, none when it was cancelled.
std::vector<std::string> kortaFrm::chooseFilesToOpen() {
  const FocusReturn back;
  WxOpenFileDialog->SetDirectory(dialogFolder(rememberedDirectory_));
  WxOpenFileDialog->SetWildcard(kFileWildcard);
  if (WxOpenFileDialog->ShowModal() != wxID_OK) return {};
  wxArrayString paths;
  WxOpenFileDialog->GetPaths(paths);
  if (paths.empty()) return {};
  const wxFileName first(paths[0]);
  rememberedDirectory_ = fileSystemPath(first.GetPath());
  chosenFileName_ = fileSystemPath(first.GetFullName());
  std::vector<std::string> chosen;
  for (const wxString& path : paths) chosen.push_back(fileSystemPath(path));
  for (auto path = chosen.rbegin(); path != chosen.rend(); ++path) rememberRecentFile(*path);
  return chosen;
}

// ---------------------------------------------------------------------------
// Converting the input window

void kortaFrm::WxBitmapButton2Click(wxCommandEvent&) {
  showRunStatus(&MainTexts::stsTitle);
  if (!SystemSelect() || !loadHeightSystems()) return;
  InputWindowConverter converter(conversionSetup(), texts_);

  ColouredText output;
  output.append(converter.heading(), TextColour::Black);
  const std::size_t headingLength = output.text.size();

  WxMemo1RetFehlt(WxMemo1->GetNumberOfLines());
  const std::string input = fromWx(WxMemo1->GetValue());
  const TextLines lines = splitTextLines(input);
  // the line after the closing line break is empty and converts to nothing
  LineCounts counts;
  std::optional<SystemCode> mgrsStart;
  const std::vector<LineMark> marks = markEachLine(
      lines,
      [&](std::string_view line) {
        const InputWindowConverter::Converted converted = converter.convertLine(line, output);
        if (converted.mgrsStart) mgrsStart = converted.mgrsStart;
        return Marked{converted.mark, converted.line};
      },
      counts);
  // the zone of the last MGRS reference, until the next selection
  if (mgrsStart) systems_.startCode = *mgrsStart;

  // A heading over nothing would look like a run whose results went missing.
  const bool foundNothing = output.text.size() == headingLength;
  if (foundNothing) {
    showRunStatus(&MainTexts::stsNoCoordinateLine);
  } else {
    showRunStatus([counts](const MainTexts& texts) { return conversionStatus(counts, texts); });
  }
  // Lockers, not Freeze and Thaw: a window is drawn again also when an
  // exception leaves the handler.
  if (!foundNothing) {
    const wxWindowUpdateLocker drawnOnce(WxMemo2);
    appendColoured(WxMemo2, output);
  }
  const wxWindowUpdateLocker drawnOnce(WxMemo1);
  markInputLines(marks, lines.starts);
  WxMemo1->SetDefaultStyle(blackStyle_);
}

// ---------------------------------------------------------------------------
// Frame check

void kortaFrm::WxButton5Click(wxCommandEvent&) {
  showRunStatus(&MainTexts::stsTitle);
  const std::string name = selectedEntry(WxChoice1);
  if (!frameCheckAllowed(name)) {
    showMessage(this, texts_.msgNoValidSystem);
    return;
  }
  systems_.startName = name;

  const wxWindowUpdateLocker drawnOnce(WxMemo1);
  WxMemo1->SetStyle(0, WxMemo1->GetLastPosition(), blackStyle_);
  WxMemo1->SetDefaultStyle(blackStyle_);
  WxMemo1RetFehlt(WxMemo1->GetNumberOfLines());
  const FrameCheck check(name, heights_);
  if (check.hasFrame()) {
    const std::string input = fromWx(WxMemo1->GetValue());
    const TextLines lines = splitTextLines(input);
    LineCounts counts;
    markInputLines(markEachLine(
                       lines,
                       [&](std::string_view line) {
                         const FrameCheck::Checked checked = check.check(line);
                         return Marked{checked.mark, checked.kind == LineKind::NotRead
                                                         ? LineResult{LineOutcome::NotRead}
                                                         : LineResult{LineOutcome::Converted}};
                       },
                       counts),
                   lines.starts);
    if (counts.notRead > 0)
      showRunStatus([counts](const MainTexts& texts) { return notReadLinesNote(counts, texts); });
  }
  WxMemo1->SetDefaultStyle(blackStyle_);
}

// ---------------------------------------------------------------------------
// File conversion

FileConversionSummary kortaFrm::asccvt(const SystemCode& startCode, const SystemCode& targetCode,
                                       const FileIdentity& replaceable) {
  ConversionSetup setup = conversionSetup();
  setup.systems.startCode = startCode;
  setup.systems.targetCode = targetCode;
  return kortavex::asccvt(currentFile_, replaceable, setup, columnLayout(), texts_, gaugeProgress());
}

void kortaFrm::Mnufileopen1052Click(wxCommandEvent&) {
  if (fileConversionPossible()) convertFiles(chooseFilesToOpen());
}

bool kortaFrm::fileConversionPossible() {
  showRunStatus(&MainTexts::stsTitle);
  if (!columnLayoutUsable() || !SystemSelect() || !loadHeightSystems()) return false;
  switch (fileConversionRefusal(systems_)) {
    case FileConversionRefusal::NoValidSystem: showMessage(this, texts_.msgNoValidSystem); return false;
    case FileConversionRefusal::MgrsFileNotDirect:
      showMessage(this, texts_.msgMgrsFileNotDirect);
      return false;
    case FileConversionRefusal::None: break;
  }
  return true;
}

void kortaFrm::convertFiles(const std::vector<std::string>& paths) {
  for (const std::string& path : paths) {
    currentFile_ = path;
    const std::string target = convertedFileName(currentFile_);
    // The copy replaces an existing file only when it is complete, and only
    // the file the user was asked about.
    const FileIdentity existing = fileIdentity(target);
    if (existing.exists && !existing.directory &&
        !askYesNo(this, fileSystemTextToCp1252(target) + "\n" + texts_.msgOverwrite,
                  toWx(texts_.msgFileExists), settings_.language))
      continue;
    const FileConversionSummary summary = asccvt(systems_.startCode, systems_.targetCode, existing);
    currentFile_ = summary.targetName;
    ColouredText report;
    report.append(fileConversionReport(summary, texts_), TextColour::Black);
    appendColoured(WxMemo2, report);
    for (const std::string& message : fileConversionMessages(summary, texts_))
      showMessage(this, message);
  }
}

void kortaFrm::acceptDroppedFiles() {
  WxMemo1->SetDropTarget(new DroppedFiles([this](const std::vector<std::string>& paths) {
    showRunStatus(&MainTexts::stsTitle);
    if (!columnLayoutUsable()) return;
    for (const std::string& path : paths) {
      rememberRecentFile(path);
      importIntoInputWindow(path);
    }
  }));
  WxButton1->SetDropTarget(new DroppedFiles([this](const std::vector<std::string>& paths) {
    if (!fileConversionPossible()) return;
    for (const std::string& path : paths) rememberRecentFile(path);
    convertFiles(paths);
  }));
}

// ---------------------------------------------------------------------------
// Import and export

void kortaFrm::WxButton3Click(wxCommandEvent&) {
  showRunStatus(&MainTexts::stsTitle);
  if (!columnLayoutUsable()) return;
  const std::vector<std::string> paths = chooseFilesToOpen();
  if (!paths.empty()) importIntoInputWindow(paths[0]);  // the first when several were chosen
}

void kortaFrm::importIntoInputWindow(const std::string& path) {
  currentFile_ = path;
  const ImportResult imported = importFile(currentFile_, columnLayout(), gaugeProgress());
  if (!imported.read) {
    showMessage(this, imported.longLine != 0     ? longLineMessage(currentFile_, imported.longLine, settings_.language)
                      : imported.encoding.utf16 ? fileSystemTextToCp1252(currentFile_) + texts_.msgUtf16File
                                                : fileSystemTextToCp1252(imported.error));
    return;
  }
  // lines that hold digits but no two values come in as they are: the
  // status bar names them before a conversion marks them
  if (imported.lines.notRead > 0) {
    const LineCounts counts = imported.lines;
    showRunStatus([counts](const MainTexts& texts) { return notReadLinesNote(counts, texts); });
  }
  importedEncoding_ = imported.encoding;
  // Imported lines must not run on from a last line without line break.
  WxMemo1RetFehlt(WxMemo1->GetNumberOfLines());
  WxMemo1->SetDefaultStyle(blackStyle_);
  const wxWindowUpdateLocker drawnOnce(WxMemo1);
  WxMemo1->AppendText(toWx(imported.text));
}

void kortaFrm::WxButton4Click(wxCommandEvent&) {
  const FocusReturn back;
  showRunStatus(&MainTexts::stsTitle);
  if (!columnLayoutUsable()) return;
  std::string proposed = convertedFileName(chosenFileName_);
  FileIdentity existing;
  // "No" to replacing a file goes back to the dialog, which then proposes a
  // free name beside the one refused.
  do {
    const std::string& directory = saveDirectory_.empty() ? rememberedDirectory_ : saveDirectory_;
    WxSaveFileDialog->SetDirectory(dialogFolder(directory));
    const std::string folder = directory.empty() ? "" : directory + "/";
    WxSaveFileDialog->SetFilename(
        wxPathOf(unusedFileName(folder + proposed).substr(folder.size())));
    WxSaveFileDialog->SetWildcard(kFileWildcard);
    if (WxSaveFileDialog->ShowModal() != wxID_OK) return;
    currentFile_ = fileSystemPath(WxSaveFileDialog->GetPath());
    const wxFileName chosen(WxSaveFileDialog->GetPath());
    saveDirectory_ = fileSystemPath(chosen.GetPath());
    proposed = fileSystemPath(chosen.GetFullName());
    existing = fileIdentity(currentFile_);
  } while (existing.exists && !existing.directory &&
           !askYesNo(this, fileSystemTextToCp1252(currentFile_) + "\n" + texts_.msgOverwrite,
                     toWx(texts_.msgFileExists), settings_.language));
  std::string error;
  if (!exportFile(currentFile_, existing, fromWx(WxMemo2->GetValue()), columnLayout(),
                  PNRBox->IsChecked(), importedEncoding_, &error))
    showMessage(this, fileSystemTextToCp1252(error));
}

// ---------------------------------------------------------------------------
// Clearing

void kortaFrm::Wx_ClearClick(wxCommandEvent&) {
  WxMemo1->Clear();
  WxMemo1->SetDefaultStyle(blackStyle_);
}

void kortaFrm::WxClear2Click(wxCommandEvent&) {
  WxMemo2->Clear();
  WxMemo2->SetDefaultStyle(blackStyle_);
}

}  // namespace kortavex
