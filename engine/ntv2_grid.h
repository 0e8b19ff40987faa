#pragma once
// The three published NTv2 grid files and their checks.

#include <string>

enum class Grid { BeTA2007, AustrianGrid, CHENYX06 };

// Checks the grid's file: 0 present and valid, -1 wrong length or header,
// -2 missing.
int checkGridFile(Grid grid);
