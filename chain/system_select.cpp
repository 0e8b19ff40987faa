#include "chain/system_select.h"

#include "chain/catalogue.h"
#include "chain/datum_families.h"
#include "engine/ntv2_grid.h"

namespace kortavex {

SystemCode systemCode(const std::string& name, bool isTarget, int userProjection,
                      const SystemCode& previous) {
  // Every rule is tried in turn; a later match overrides an earlier one.
  SystemCode code = previous;
  if (const std::string_view national = nationalSystemCode(name); !national.empty())
    code = SystemCode(national);
  if (name.compare(0, 3, "UTM") == 0) code = SystemCode::utm(name.substr(3, 3));
  if (isTarget && name == kUtmAutoName) code = SystemCode::automaticUtm();
  if (name == kMgrsName) code = SystemCode::mgrs();
  if (name == kWgs84Name) code = SystemCode::wgs84();
  if (name.compare(0, 3, "---") == 0) code = SystemCode();
  if (name == kUserName) code = SystemCode::user(userProjection != chain::kUserGeographic);
  return code;
}

namespace {

struct GridRule {
  Transformation type;
  Grid grid;
  SelectionError wrongFamily, fileMissing;
};

constexpr GridRule kGridRules[] = {
    {Transformation::BeTA2007, Grid::BeTA2007, SelectionError::BetaOnlyDhdn,
     SelectionError::BetaFileMissing},
    {Transformation::AustrianGrid, Grid::AustrianGrid, SelectionError::AtGridOnlyMgi,
     SelectionError::AtGridFileMissing},
    {Transformation::CHENYX06, Grid::CHENYX06, SelectionError::ChenyxOnlyCh1903,
     SelectionError::ChenyxFileMissing},
};

bool inFamily(const SystemCode& code, const chain::DatumFamily& family) {
  return code.family() == family.letter;
}

void markGrid(SystemCode& code, const chain::DatumFamily& family) {
  if (inFamily(code, family)) code = code.withGrid();
}

}  // namespace

SystemSelection selectSystems(const std::string& startName, const std::string& targetName,
                              Transformation transformation, int userProjection,
                              bool userSetUsable, bool sameHeightSystem) {
  SystemSelection s;
  if (startName.empty() || targetName.empty()) {
    s.error = SelectionError::SelectSystems;
    return s;
  }
  if (startName == targetName && sameHeightSystem) {
    s.error = SelectionError::SameSystem;
    return s;
  }
  SystemPair& pair = s.systems;
  pair.startName = startName;
  pair.targetName = targetName;
  pair.startCode = systemCode(startName, false, userProjection, SystemCode(""));
  pair.targetCode = systemCode(targetName, true, userProjection, SystemCode(""));

  for (const GridRule& rule : kGridRules) {
    if (rule.type != transformation) continue;
    const chain::DatumFamily& family = chain::familyOfGrid(rule.grid);
    if (!inFamily(pair.startCode, family) && !inFamily(pair.targetCode, family)) {
      s.error = rule.wrongFamily;
      return s;
    }
    GridHandle grid = loadGridFile(rule.grid, gridFilePath(rule.grid));
    const int check = grid->status();
    if (check == -2) {
      s.error = rule.fileMissing;
      return s;
    }
    if (check != 0) {
      s.error = SelectionError::GridFileInvalid;
      return s;
    }
    markGrid(pair.startCode, family);
    markGrid(pair.targetCode, family);
    s.grid = std::move(grid);
  }

  if (pair.startCode.isGroupHeader() || pair.targetCode.isGroupHeader() ||
      !pair.startCode.isComplete() || !pair.targetCode.isComplete())
    s.error = SelectionError::NoValidSystem;
  else if (!userSetUsable && (startName == kUserName || targetName == kUserName))
    s.error = SelectionError::UserSetFaulty;
  return s;
}

bool transformationByName(const std::string& name, Transformation& out) {
  for (int i = 0; i < 4; ++i) {
    if (name == kTransformationNames[i]) {
      out = static_cast<Transformation>(i);
      return true;
    }
  }
  return false;
}

}  // namespace kortavex
