#include "lang/save_error_texts.h"

// Each row: the key, then its text in Deutsch, English, Francais, Espanol,
// Portugues, Cestina, Polski.

const TextRows<SaveErrorTexts>& saveErrorTextRows() {
  static const TextRows<SaveErrorTexts> rows = {
      {&SaveErrorTexts::msgOptionsNotSaved,
       {"Einstellungen wurden nicht gespeichert!",
        "Settings not saved!",
        "R\xE9glages non enregistr\xE9s!",
        "Configuraci\xF3n no guardada!",
        "Configura\xE7\xF5" "es n\xE3o guardadas!",
        "Nastaven\xED nebylo ulo\x9E" "eno!",
        "Ustawienia nie zostaly zapisane!"}},
      {&SaveErrorTexts::msgParameterNotSaved,
       {"Parameterdatei wurde nicht gespeichert!",
        "Parameterfile not saved!",
        "Fichier de param\xE8tres non enregistr\xE9!",
        "Archivo de par\xE1metros no guardado!",
        "Arquivo de par\xE2metros n\xE3o guardado!",
        "Soubor parametru nebyl ulo\x9E" "en!",
        "Plik parametr\xF3w nie zostal zapisany!"}},
  };
  return rows;
}

SaveErrorTexts saveErrorTexts(const std::string& language) {
  SaveErrorTexts texts;
  if (!fillTexts(texts, saveErrorTextRows(), language)) fillTexts(texts, saveErrorTextRows(), "English");
  return texts;
}
