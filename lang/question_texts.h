#pragma once
// The answers of the program's Yes/No questions, so that their buttons speak
// the program's language rather than the desktop's.

#include <string>

#include "lang/language.h"

namespace kortavex {

struct QuestionTexts {
  std::string btnYes;
  std::string btnNo;
};

const TextRows<QuestionTexts>& questionTextRows();

// The answers in the named language; a name that is none of the seven gives
// the English ones, so that no button is ever blank.
QuestionTexts questionTexts(const std::string& language);

}  // namespace kortavex
