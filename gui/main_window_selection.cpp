// What the workflows of the main window share: the system selection, the
// grid-file checks, the gauge and the text windows' colours.
#include <wx/checkbox.h>
#include <wx/choice.h>
#include <wx/gauge.h>

#include "chain/catalogue.h"
#include "chain/system_select.h"
#include "engine/ntv2_grid.h"
#include "files/text_lines.h"
#include "gui/main_window.h"
#include "gui/message_dialog.h"
#include "gui/wx_text.h"
#include "lang/settings_file_texts.h"
#include "workflow/coordinate_text.h"
#include "workflow/selection_messages.h"

namespace kortavex {

bool kortaFrm::SystemSelect() {
  const SystemSelection selection =
      selectSystems(selectedEntry(WxChoice1), selectedEntry(WxChoice2),
                    static_cast<Transformation>(WxChoice3->GetSelection()),
                    parameters_.system.projection, parameters_.usable(),
                    chosenHeightSystem(startHeightList_) == chosenHeightSystem(targetHeightList_));
  // Names and codes stay also after a refusal; the next workflow sets them anew.
  if (!selection.systems.startName.empty()) {
    systems_ = selection.systems;
    grid_ = selection.grid;
  }
  if (selection.error == SelectionError::None) return true;
  showMessage(this, selectionMessage(texts_, selection.error, parameters_, settings_.language));
  return false;
}

int kortaFrm::ATGridFile() { return kortavex::ATGridFile(); }
int kortaFrm::Beta2007File() { return kortavex::Beta2007File(); }
int kortaFrm::CHENYX06File() { return kortavex::CHENYX06File(); }

std::string kortaFrm::printvalues(const point& p) const {
  return kortavex::printvalues(p, systems_.targetCode);
}

std::string kortaFrm::WxMemo1GMS(const std::string& text) const { return kortavex::WxMemo1GMS(text); }

void kortaFrm::WxMemo1RetFehlt(int lineCount) {
  if (lineCount < 1 || WxMemo1->GetLineLength(lineCount - 1) <= 0) return;
  WxMemo1->AppendText("\n");
  WxMemo1->SetDefaultStyle(blackStyle_);
}

ConversionSetup kortaFrm::conversionSetup() const {
  ConversionSetup setup;
  setup.systems = systems_;
  setup.transformationName = fromWx(WxChoice3->GetStringSelection());
  setup.grid = grid_;
  setup.referenceHeight = settings_.referenceHeight;
  setup.user = parameters_;
  setup.dms = GMS_Box->IsChecked();
  setup.heights = heights_;
  if (heights_) setup.heightDatums = heightDatums_;
  return setup;
}

ColumnLayout kortaFrm::columnLayout() const {
  ColumnLayout layout = columnLayoutOf(settings_);
  if (heights_) layout.heightColumn = heightColumn_;
  return layout;
}

bool kortaFrm::columnLayoutUsable() {
  if (!usableColumnLayout(settings_)) {
    showMessage(this, settingsFileTexts(settings_.language).msgColumnsNotUsable);
    return false;
  }
  // the height column is the window's own (its state file), not kortavex.cfg's
  if (heightColumnClashes()) {
    showMessage(this, texts_.msgColumnsEqual);
    return false;
  }
  return true;
}

bool kortaFrm::heightColumnClashes() const {
  return heights_ && (heightColumn_ == settings_.eastingColumn || heightColumn_ == settings_.northingColumn);
}

ProgressCallback kortaFrm::gaugeProgress() {
  return [this](int percent) {
    WxGauge1->SetValue(percent);
    WxGauge1->Update();
  };
}

std::vector<LineMark> kortaFrm::markEachLine(const TextLines& lines,
                                             const std::function<Marked(std::string_view line)>& markOf,
                                             LineCounts& counts) {
  std::vector<LineMark> marks;
  marks.reserve(lines.lines.size());
  ProgressGauge gauge(gaugeProgress(), lines.lines.size());
  for (std::string_view line : lines.lines) {
    gauge.update(marks.size());
    const Marked marked = markOf(line);
    marks.push_back(marked.mark);
    counts.add(marked.line, marks.size());
  }
  return marks;
}

const wxTextAttr& kortaFrm::styleOf(TextColour colour) const {
  switch (colour) {
    case TextColour::Blue: return blueStyle_;
    case TextColour::Red: return redStyle_;
    case TextColour::Black: break;
  }
  return blackStyle_;
}

// GTK looks for the next style change after every range it colours, up to
// the end of the text if need be; ranges are therefore coloured from the
// last to the first, so that the next change is never farther away than the
// range coloured before. In text order a run would take time quadratic in
// the number of lines.

void kortaFrm::appendColoured(wxTextCtrl* window, const ColouredText& text) {
  window->SetDefaultStyle(blackStyle_);
  const long start = window->GetLastPosition();
  window->AppendText(toWx(text.text));
  for (auto run = text.runs.rbegin(); run != text.runs.rend(); ++run) {
    if (run->colour == TextColour::Black) continue;
    const long begin = start + static_cast<long>(run->begin);
    window->SetStyle(begin, begin + static_cast<long>(run->length), styleOf(run->colour));
  }
  window->SetDefaultStyle(blackStyle_);
}

void kortaFrm::markInputLines(const std::vector<LineMark>& marks,
                              const std::vector<long>& lineStarts) {
  // Neighbouring lines of one marking are coloured together.
  std::size_t end = marks.size();
  while (end > 0) {
    const LineMark mark = marks[end - 1];
    std::size_t begin = end - 1;
    while (begin > 0 && marks[begin - 1] == mark) --begin;
    if (mark != LineMark::Unmarked)
      WxMemo1->SetStyle(lineStarts[begin], lineStarts[end],
                        mark == LineMark::Blue ? blueStyle_ : redStyle_);
    end = begin;
  }
}

std::string kortaFrm::selectedEntry(const wxChoice* list) const {
  return list->GetSelection() == wxNOT_FOUND ? std::string() : fromWx(list->GetStringSelection());
}

}  // namespace kortavex
