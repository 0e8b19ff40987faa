#pragma once
// The texts of the information windows opened from the Help menu and the
// logo: the quick info (German or English), the version history, the system
// list, the coordinate-frame list, and the About and logo boxes. Apart from the
// quick info they are the same in every language; the captions of the system
// list and of the frame list are the main window's mnuSystemList and
// mnuFrames.

#include <string>
#include <vector>

namespace kortavex {

// Title of the quick-info window in every language.
inline constexpr char kQuickInfoTitle[] = "KurzInfo";
// Caption of the history box in every language.
inline constexpr char kHistoryCaption[] = "History";
// Caption of the About and logo boxes: the program's subtitle.
inline constexpr char kProgramSubtitle[] = "Koordinaten-Wandler";
// Text of the logo box.
inline constexpr char kLogoText[] = "The World is not flat\n";

// The quick info line by line, without line breaks: German for exactly
// "Deutsch", English for every other name.
std::vector<std::string> quickInfoLines(const std::string& language);

// Version lines, each followed by its items indented by three blanks; ends
// with a line break.
std::string historyText();

// One line per system (name, tabs, description); ends with two line breaks.
std::string systemListText();

// The coordinate frames of the systems; ends with two line breaks.
std::string frameListText();

// The program's identification.
std::string aboutText();

}  // namespace kortavex
