#include "chain/system_select.h"

#include "chain/catalogue.h"
#include "engine/ntv2_grid.h"

std::string systemCode(const std::string& name, bool isTarget, int userProjection,
                       const std::string& previous) {
  // Every rule is tried in turn; a later match overrides an earlier one.
  std::string code = previous;
  if (const std::string_view national = nationalSystemCode(name); !national.empty())
    code = std::string(national);
  if (name.compare(0, 3, "UTM") == 0) code = "U" + name.substr(3, 3) + "0";
  if (isTarget && name == kUtmAutoName) code = "U9900";
  if (name == kMgrsName) code = "U9910";
  if (name == kWgs84Name) code = "00000";
  if (name == "S-JTSK") code = "T0000";
  if (name == "Krovak") code = "T0100";
  if (name.compare(0, 3, "---") == 0) code = std::string(kNoSystemCode);
  if (name == kUserName) code = userProjection == 0 ? "Z0000" : "Z0100";
  return code;
}

namespace {

struct GridRule {
  Transformation type;
  Grid grid;
  char family;
  SelectionError wrongFamily, fileMissing;
};

constexpr GridRule kGridRules[] = {
    {Transformation::BeTA2007, Grid::BeTA2007, 'D', SelectionError::BetaOnlyDhdn,
     SelectionError::BetaFileMissing},
    {Transformation::AustrianGrid, Grid::AustrianGrid, 'A', SelectionError::AtGridOnlyMgi,
     SelectionError::AtGridFileMissing},
    {Transformation::CHENYX06, Grid::CHENYX06, 'C', SelectionError::ChenyxOnlyCh1903,
     SelectionError::ChenyxFileMissing},
};

bool inFamily(const std::string& code, char family) { return !code.empty() && code[0] == family; }

void markGrid(std::string& code, char family) {
  if (inFamily(code, family) && code.size() >= 5) code[4] = '3';
}

}  // namespace

SystemSelection selectSystems(const std::string& startName, const std::string& targetName,
                              Transformation transformation, int userProjection,
                              bool userSetUsable) {
  SystemSelection s;
  if (startName.empty() || targetName.empty()) {
    s.error = SelectionError::SelectSystems;
    return s;
  }
  if (startName == targetName) {
    s.error = SelectionError::SameSystem;
    return s;
  }
  s.startName = startName;
  s.targetName = targetName;
  s.startCode = systemCode(startName, false, userProjection, "");
  s.targetCode = systemCode(targetName, true, userProjection, "");

  for (const GridRule& rule : kGridRules) {
    if (rule.type != transformation) continue;
    if (!inFamily(s.startCode, rule.family) && !inFamily(s.targetCode, rule.family)) {
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
    markGrid(s.startCode, rule.family);
    markGrid(s.targetCode, rule.family);
    s.grid = std::move(grid);
  }

  if (s.startCode.compare(0, 3, "---") == 0 || s.targetCode.compare(0, 3, "---") == 0 ||
      s.startCode.size() != 5 || s.targetCode.size() != 5)
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
