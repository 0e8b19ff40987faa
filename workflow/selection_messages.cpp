#include "workflow/selection_messages.h"

const std::string& selectionMessage(const MainTexts& texts, SelectionError error) {
  switch (error) {
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
