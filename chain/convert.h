#pragma once
// Entry points of the conversion chain for the workflows.

#include <string>

#include "chain/steps.h"
#include "engine/point.h"
#include "settings/user_parameter_set.h"

namespace chain {

UserSystem userSystemOf(const UserParameterSet& set);

// The point converted from the start code to the target code; the same as
// point::convert with the numbers of the user system.
point convertPoint(point p, const std::string& startCode, const std::string& targetCode,
                   const UserSystem& user);

}  // namespace chain
