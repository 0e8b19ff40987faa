// Placeholder until the grid files are read: no grid is ever present.
#include "engine/ntv2_grid.h"
#include "engine/point.h"

int checkGridFile(Grid) { return -2; }
int point::Beta2007(point) { return 0; }
int point::Beta2007ret(point) { return 0; }
int point::ATGrid(point) { return 0; }
int point::ATGridret(point) { return 0; }
int point::CHENYX(point) { return 0; }
int point::CHENYXret(point) { return 0; }
