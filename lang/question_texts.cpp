#include "lang/question_texts.h"

namespace kortavex {

// Each row: the key, then its text in Deutsch, English, Francais, Espanol,
// Portugues, Cestina, Polski. "&" marks the mnemonic letter.

const TextRows<QuestionTexts>& questionTextRows() {
  static const TextRows<QuestionTexts> rows = {
      {&QuestionTexts::btnYes, {"&Ja", "&Yes", "&Oui", "&S\xED", "&Sim", "&Ano", "&Tak"}},
      {&QuestionTexts::btnNo, {"&Nein", "&No", "&Non", "&No", "&N\xE3o", "&Ne", "&Nie"}},
  };
  return rows;
}

QuestionTexts questionTexts(const std::string& language) {
  QuestionTexts texts;
  if (!fillTexts(texts, questionTextRows(), language))
    fillTexts(texts, questionTextRows(), "English");
  return texts;
}

}  // namespace kortavex
