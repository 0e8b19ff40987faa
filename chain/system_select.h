#pragma once
// Turning the two chosen display names into system codes, and the checks
// that a start/target pair can be converted.

#include <string>

#include "chain/system_code.h"
#include "engine/ntv2_grid.h"

namespace kortavex {

enum class Transformation { Helmert = 0, BeTA2007 = 1, AustrianGrid = 2, CHENYX06 = 3 };

// The entries of the transformation-type list, in list order.
constexpr const char* kTransformationNames[] = {"Helmert", "BeTA2007", "AustrianGrid", "CHENYX06"};

// Why a pair is refused; the window shows the message of the same name.
enum class SelectionError {
  None,
  SelectSystems,      // msgSelectSystems
  SameSystem,         // msgSameSystem
  BetaOnlyDhdn,       // msgBetaOnlyDhdn
  BetaFileMissing,    // msgBetaFileMissing
  AtGridOnlyMgi,      // msgAtGridOnlyMgi
  AtGridFileMissing,  // msgAtGridFileMissing
  ChenyxOnlyCh1903,   // msgChenyxOnlyCh1903
  ChenyxFileMissing,  // msgChenyxFileMissing
  GridFileInvalid,    // msgGridFileInvalid
  NoValidSystem,      // msgNoValidSystem
  UserSetFaulty,      // the user set came from a faulty parameter file
};

// The start and the target system of a conversion: the display names as
// the lists show them, and their codes.
struct SystemPair {
  std::string startName, targetName;
  SystemCode startCode, targetCode;
};

struct SystemSelection {
  SelectionError error = SelectionError::None;
  SystemPair systems;  // names and codes; empty names when the names were refused
  GridHandle grid;     // the chosen grid, loaded where its file passed its check; none without a grid
};

// The code of one display name; `previous` stays when no rule matches.
SystemCode systemCode(const std::string& name, bool isTarget, int userProjection,
                      const SystemCode& previous);

// Names, codes (with the grid mark where the chosen grid's file is usable)
// and the verdict for a pair. The grid file is checked (and loaded) on every
// call. A system converts to itself where the heights change their system.
SystemSelection selectSystems(const std::string& startName, const std::string& targetName,
                              Transformation transformation, int userProjection,
                              bool userSetUsable = true, bool sameHeightSystem = true);

// Transformation type by its list entry ("BeTA2007"); false if none matches.
bool transformationByName(const std::string& name, Transformation& out);

}  // namespace kortavex
