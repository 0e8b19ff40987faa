#include "workflow/selection_messages.h"

#include <filesystem>
#include <system_error>

#include "engine/ntv2_grid.h"
#include "lang/cp1252.h"
#include "settings/parameter_file.h"

namespace kortavex {

namespace {

// A missing grid's message and the folders where the program looked for it.
std::string withSearchedFolders(const MainTexts& texts, const std::string& message) {
  std::string text = message + "\n\n" + texts.msgGridLookedIn;
  std::error_code noWorkingDirectory;
  for (std::string folder : gridSearchDirectories()) {
    // the working directory by its name, which says more than "."
    if (folder == ".") folder = std::filesystem::current_path(noWorkingDirectory).string();
    text += "\n" + fileSystemTextToCp1252(folder.empty() ? "." : folder);
  }
  return text;
}

}  // namespace

std::string selectionMessage(const MainTexts& texts, SelectionError error,
                             const UserParameterSet& user, const std::string& language) {
  switch (error) {
    case SelectionError::UserSetFaulty: return parameterFaultMessage(user.fault, language);
    case SelectionError::SelectSystems: return texts.msgSelectSystems;
    case SelectionError::SameSystem: return texts.msgSameSystem;
    case SelectionError::BetaOnlyDhdn: return texts.msgBetaOnlyDhdn;
    case SelectionError::BetaFileMissing: return withSearchedFolders(texts, texts.msgBetaFileMissing);
    case SelectionError::AtGridOnlyMgi: return texts.msgAtGridOnlyMgi;
    case SelectionError::AtGridFileMissing: return withSearchedFolders(texts, texts.msgAtGridFileMissing);
    case SelectionError::ChenyxOnlyCh1903: return texts.msgChenyxOnlyCh1903;
    case SelectionError::ChenyxFileMissing: return withSearchedFolders(texts, texts.msgChenyxFileMissing);
    case SelectionError::GridFileInvalid: return texts.msgGridFileInvalid;
    case SelectionError::NoValidSystem:
    case SelectionError::None: break;
  }
  return texts.msgNoValidSystem;
}

std::string heightSystemMessage(const MainTexts& texts, const chain::HeightSystem& system,
                                const chain::HeightDatumLoading& loading) {
  // a grid found but not read: the reader's own words, with the file's name
  const std::string why = loading.problem.empty() ? loading.missing + " " + texts.msgHeightGridNotFound
                                                  : fileSystemTextToCp1252(loading.problem);
  return withSearchedFolders(texts, texts.msgHeightsIn + " " + std::string(system.name) + ": " + why + ".\n" +
                                        texts.msgHeightGridPublisher + " " + std::string(system.publisher) + ".");
}

}  // namespace kortavex
