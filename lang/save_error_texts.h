#pragma once
// Messages for a settings or parameter file that could not be written. The
// window shows the file's name and the reason on the next line.

#include <string>

#include "lang/language.h"

struct SaveErrorTexts {
  std::string msgOptionsNotSaved;    // the options file of the settings dialog
  std::string msgParameterNotSaved;  // a parameter file of the parameter-set dialog
};

const TextRows<SaveErrorTexts>& saveErrorTextRows();

// Fills the texts in the named language; a name that is none of the seven
// fills them in English, so that a failure is never reported by an empty box.
SaveErrorTexts saveErrorTexts(const std::string& language);
