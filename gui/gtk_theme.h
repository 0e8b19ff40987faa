#pragma once

class wxWindow;

namespace kortavex {
// What the program asks of GTK itself, beyond what the toolkit offers.
// Elsewhere than on GTK they do nothing.

// The window's layout has fixed positions and sizes made for small 8-point
// controls. GTK's default theme pads its controls far more (a choice list
// wants 34 pixels of height where the layout has 21), so the program
// tightens the paddings of buttons, choice lists and check boxes for its own
// windows. Once per process; later calls do nothing.
void useCompactControls();

// How much larger than at 96 dots per inch the desktop draws text (GTK's
// font resolution, which text scaling raises), at least 1.
double textScale();

// GTK draws a scroll bar over the content, and only while the pointer
// moves there: a window that cannot show all of its text would look cut off.
// Gives `window` (a scrolled window or a multi-line text control) scroll
// bars that stand beside the content and always show.
void showScrollBars(wxWindow* window);

}  // namespace kortavex
