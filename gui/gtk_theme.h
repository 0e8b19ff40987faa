#pragma once
// The window's layout has fixed positions and sizes made for small 8-point
// controls. GTK's default theme pads its controls far more (a choice list
// wants 34 pixels of height where the layout has 21), so on GTK the program
// tightens the paddings of buttons, choice lists and check boxes for its own
// windows. Elsewhere this does nothing.

// Once per process; later calls do nothing.
void useCompactControls();
