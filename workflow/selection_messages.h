#pragma once
// The message a refused system pair shows, in the language of the table.

#include <string>

#include "chain/height_systems.h"
#include "chain/system_select.h"
#include "lang/main_texts.h"

#include "settings/user_parameter_set.h"

namespace kortavex {

// `user` and `language` tell why a faulty user set is refused.
std::string selectionMessage(const MainTexts& texts, SelectionError error,
                             const UserParameterSet& user, const std::string& language);

// Why heights in `system` cannot be converted (its grid files not found, or
// one found but no grid), who publishes its grid, and where the program
// looked for it.
std::string heightSystemMessage(const MainTexts& texts, const chain::HeightSystem& system,
                                const chain::HeightDatumLoading& loading);

}  // namespace kortavex
