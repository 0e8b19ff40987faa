#include "lang/settings_file_texts.h"

// Each row: the key, then its text in Deutsch, English, Francais, Espanol,
// Portugues, Cestina, Polski.

const TextRows<SettingsFileTexts>& settingsFileTextRows() {
  static const TextRows<SettingsFileTexts> rows = {
      {&SettingsFileTexts::msgOptionsNotSaved,
       {"Einstellungen wurden nicht gespeichert!",
        "Settings not saved!",
        "R\xE9glages non enregistr\xE9s!",
        "Configuraci\xF3n no guardada!",
        "Configura\xE7\xF5" "es n\xE3o guardadas!",
        "Nastaven\xED nebylo ulo\x9E" "eno!",
        "Ustawienia nie zostaly zapisane!"}},
      {&SettingsFileTexts::msgParameterNotSaved,
       {"Parameterdatei wurde nicht gespeichert!",
        "Parameterfile not saved!",
        "Fichier de param\xE8tres non enregistr\xE9!",
        "Archivo de par\xE1metros no guardado!",
        "Arquivo de par\xE2metros n\xE3o guardado!",
        "Soubor parametru nebyl ulo\x9E" "en!",
        "Plik parametr\xF3w nie zostal zapisany!"}},
      {&SettingsFileTexts::msgParameterFileFaulty,
       {"Fehlerhafte Parameterdatei, der Parametersatz wird nicht verwendet",
        "Faulty parameter file, the parameter set is not used",
        "Fichier de param\xE8tres erron\xE9, le jeu de param\xE8tres n'est pas utilis\xE9",
        "Archivo de par\xE1metros err\xF3neo, el conjunto de par\xE1metros no se usa",
        "Arquivo de par\xE2metros com erro, o conjunto de par\xE2metros n\xE3o \xE9 usado",
        "Chybn\xFD soubor parametru, sada parametru se nepouzije",
        "Bledny plik parametr\xF3w, zestaw parametr\xF3w nie jest uzywany"}},
      {&SettingsFileTexts::msgLine,
       {"Zeile", "line", "ligne", "l\xEDnea", "linha", "r\xE1" "dek", "wiersz"}},
  };
  return rows;
}

SettingsFileTexts settingsFileTexts(const std::string& language) {
  SettingsFileTexts texts;
  if (!fillTexts(texts, settingsFileTextRows(), language)) fillTexts(texts, settingsFileTextRows(), "English");
  return texts;
}
