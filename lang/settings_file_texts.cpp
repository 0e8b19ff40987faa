#include "lang/settings_file_texts.h"

#include "lang/cp1252.h"

namespace kortavex {

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
      {&SettingsFileTexts::msgParameterFileMissing,
       {"Parameterdatei nicht gefunden, der Parametersatz wird nicht verwendet",
        "Parameter file not found, the parameter set is not used",
        "Fichier de param\xE8tres introuvable, le jeu de param\xE8tres n'est pas utilis\xE9",
        "Archivo de par\xE1metros no encontrado, el conjunto de par\xE1metros no se usa",
        "Arquivo de par\xE2metros n\xE3o encontrado, o conjunto de par\xE2metros n\xE3o \xE9 usado",
        "Soubor parametru nenalezen, sada parametru se nepouzije",
        "Nie znaleziono pliku parametr\xF3w, zestaw parametr\xF3w nie jest uzywany"}},
      {&SettingsFileTexts::msgOptionsNotRead,
       {"Die Einstellungsdatei kann nicht gelesen werden, es gelten die Voreinstellungen",
        "The settings file cannot be read, the defaults are used",
        "Le fichier des r\xE9glages ne peut pas \xEAtre lu, les valeurs par d\xE9" "faut sont utilis\xE9" "es",
        "El archivo de configuraci\xF3n no se puede leer, se usan los valores predeterminados",
        "O arquivo de configura\xE7\xF5" "es n\xE3o pode ser lido, s\xE3o usados os valores padr\xE3o",
        "Soubor nastaven\xED nelze c\xEDst, plat\xED v\xFD" "choz\xED hodnoty",
        "Nie mozna odczytac pliku ustawien, uzywane sa wartosci domyslne"}},
      {&SettingsFileTexts::msgLine,
       {"Zeile", "line", "ligne", "l\xEDnea", "linha", "r\xE1" "dek", "wiersz"}},
      {&SettingsFileTexts::msgSetNameNotWindows1252,
       {"Der Name des Parametersatzes darf nur Zeichen des Zeichensatzes Windows-1252 "
        "(westeurop\xE4isch) enthalten!",
        "The name of the parameter set may hold only characters of the character set "
        "Windows-1252 (Western European)!",
        "Le nom du jeu de param\xE8tres ne peut contenir que des caract\xE8res du jeu "
        "Windows-1252 (Europe occidentale)!",
        "El nombre del conjunto de par\xE1metros s\xF3lo puede contener caracteres del juego "
        "Windows-1252 (Europa occidental)!",
        "O nome do conjunto de par\xE2metros s\xF3 pode conter caracteres do conjunto "
        "Windows-1252 (Europa Ocidental)!",
        "N\xE1zev sady parametru sm\xED obsahovat jen znaky sady Windows-1252 "
        "(z\xE1padoevropsk\xE9)!",
        "Nazwa zestawu parametr\xF3w moze zawierac tylko znaki zestawu Windows-1252 "
        "(zachodnioeuropejskie)!"}},
      {&SettingsFileTexts::msgLineTooLong,
       {"l\xE4nger als 1 MiB, die Datei wird nicht gelesen",
        "longer than 1 MiB, the file is not read",
        "plus long que 1 Mio, le fichier n'est pas lu",
        "m\xE1s larga que 1 MiB, el archivo no se lee",
        "mais longa que 1 MiB, o arquivo n\xE3o \xE9 lido",
        "del\x9A\xED ne\x9E 1 MiB, soubor se necte",
        "dluzszy niz 1 MiB, plik nie jest czytany"}},
      {&SettingsFileTexts::msgColumnsNotUsable,
       {"Die Spalten oder das Trennzeichen in kortavex.cfg sind ung\xFCltig, bitte in den "
        "Einstellungen w\xE4hlen",
        "The columns or the delimiter in kortavex.cfg are not valid, choose them in the settings",
        "Les colonnes ou le s\xE9parateur de kortavex.cfg ne sont pas valides, choisissez-les "
        "dans les r\xE9glages",
        "Las columnas o el separador de kortavex.cfg no son v\xE1lidos, el\xEDjalos en la "
        "configuraci\xF3n",
        "As colunas ou o separador de kortavex.cfg n\xE3o s\xE3o v\xE1lidos, escolha-os nas "
        "configura\xE7\xF5" "es",
        "Sloupce nebo oddelovac v kortavex.cfg jsou neplatn\xE9, zvolte je v nastaven\xED",
        "Kolumny lub separator w kortavex.cfg sa nieprawidlowe, wybierz je w ustawieniach"}},
  };
  return rows;
}

SettingsFileTexts settingsFileTexts(const std::string& language) {
  SettingsFileTexts texts;
  if (!fillTexts(texts, settingsFileTextRows(), language)) fillTexts(texts, settingsFileTextRows(), "English");
  return texts;
}

std::string longLineMessage(const std::string& file, std::uint64_t line, const std::string& language) {
  const SettingsFileTexts texts = settingsFileTexts(language);
  return fileSystemTextToCp1252(file) + ", " + texts.msgLine + " " + std::to_string(line) + ": " +
         texts.msgLineTooLong;
}

}  // namespace kortavex
