#pragma once
// Entry points of the conversion chain for the workflows.

#include "chain/system_code.h"
#include "chain/user_system.h"
#include "engine/ntv2_grid.h"
#include "engine/point.h"

namespace kortavex {

namespace chain {

// The point converted from the start code to the target code; the same as
// point::convert with the numbers of the user system. A grid, where a code
// asks for one, is `grid`, the copy that the system selection loaded for the
// run, so that one run never mixes two copies of a grid; without it (or for
// another grid) the grid as found now.
point convertPoint(point p, const SystemCode& start, const SystemCode& target,
                   const UserSystem& user, const GridHandle& grid = {});

}  // namespace chain

}  // namespace kortavex
