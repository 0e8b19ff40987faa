#include "workflow/selection_messages.h"

#include "settings/parameter_file.h"

namespace kortavex {

std::string selectionMessage(const MainTexts& texts, SelectionError error,
                             const UserParameterSet& user, const std::string& language) {
  switch (error) {
    case SelectionError::UserSetFaulty: return parameterFaultMessage(user.fault, language);
    case SelectionError::SelectSystems: return texts.msgSelectSystems;
    case SelectionError::SameSystem: return texts.msgSameSystem;
    case SelectionError::BetaOnlyDhdn: return texts.msgBetaOnlyDhdn;
    case SelectionError::BetaFileMissing: return texts.msgBetaFileMissing;
    case SelectionError::AtGridOnlyMgi: return texts.msgAtGridOnlyMgi;
    case SelectionError::AtGridFileMissing: return texts.msgAtGridFileMissing;
    case SelectionError::ChenyxOnlyCh1903: return texts.msgChenyxOnlyCh1903;
    case SelectionError::ChenyxFileMissing: return texts.msgChenyxFileMissing;
    case SelectionError::GridFileInvalid: return texts.msgGridFileInvalid;
    case SelectionError::NoValidSystem:
    case SelectionError::None: break;
  }
  return texts.msgNoValidSystem;
}

}  // namespace kortavex
