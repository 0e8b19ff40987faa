// The built-in texts: every table complete in every language, the texts that
// are fixed byte for byte, and the handling of names that are no language.

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "lang/grid_download_pages.h"
#include "lang/help_texts.h"
#include "lang/input_dialog_texts.h"
#include "lang/language.h"
#include "lang/main_texts.h"
#include "lang/question_texts.h"
#include "lang/settings_dialog_texts.h"
#include "lang/settings_file_texts.h"

using namespace kortavex;

namespace {

const char* const kNotLanguages[] = {"deutsch", "English ", " English", "", "ENGLISH",
                                     "Espa\xF1ol", "Czech", "Polski\n"};

// True when `text` holds a lead byte followed by the continuation bytes that
// UTF-8 requires of it, i.e. a character that was stored as UTF-8.
bool hasUtf8Sequence(const std::string& text) {
  for (std::size_t i = 0; i < text.size(); ++i) {
    const auto lead = static_cast<unsigned char>(text[i]);
    const std::size_t continuations = lead >= 0xC2 && lead <= 0xDF   ? 1
                                      : lead >= 0xE0 && lead <= 0xEF ? 2
                                      : lead >= 0xF0 && lead <= 0xF4 ? 3
                                                                     : 0;
    if (continuations == 0 || i + continuations >= text.size()) continue;
    bool all = true;
    for (std::size_t k = 1; k <= continuations; ++k) {
      const auto c = static_cast<unsigned char>(text[i + k]);
      all = all && c >= 0x80 && c <= 0xBF;
    }
    if (all) return true;
  }
  return false;
}

template <class Texts>
using Fill = bool (*)(Texts&, const std::string&);

// Every member of the table has exactly one row, and every row a text in every
// language, stored as single bytes.
template <class Texts>
void expectComplete(const TextRows<Texts>& rows, const char* table) {
  SCOPED_TRACE(table);
  // The tables hold nothing but texts, so this counts their members.
  EXPECT_EQ(rows.size() * sizeof(std::string), sizeof(Texts)) << "a key without a row";
  for (std::size_t r = 0; r < rows.size(); ++r) {
    for (std::size_t s = r + 1; s < rows.size(); ++s)
      EXPECT_FALSE(rows[r].key == rows[s].key) << "rows " << r << " and " << s << " fill one key";
    for (std::size_t lang = 0; lang < kLanguageCount; ++lang) {
      const std::string& text = rows[r].text[lang];
      EXPECT_FALSE(text.empty()) << "row " << r << ", " << kLanguageNames[lang];
      EXPECT_FALSE(hasUtf8Sequence(text)) << "row " << r << ", " << kLanguageNames[lang];
    }
  }
}

// A name that is none of the seven leaves a new table empty and a filled one
// as it was.
template <class Texts>
void expectUnknownNamesChangeNothing(Fill<Texts> fill, const TextRows<Texts>& rows, const char* table) {
  SCOPED_TRACE(table);
  Texts english;
  ASSERT_TRUE(fill(english, "English"));
  for (const char* name : kNotLanguages) {
    SCOPED_TRACE(name);
    Texts fresh;
    EXPECT_FALSE(fill(fresh, name));
    Texts kept = english;
    EXPECT_FALSE(fill(kept, name));
    for (const TextRow<Texts>& row : rows) {
      EXPECT_TRUE((fresh.*row.key).empty());
      EXPECT_EQ(kept.*row.key, english.*row.key);
    }
  }
}

template <class Texts>
struct Expected {
  const char* language;
  std::string Texts::*key;
  const char* text;
};

template <class Texts>
void expectTexts(Fill<Texts> fill, const std::vector<Expected<Texts>>& cases) {
  for (const Expected<Texts>& c : cases) {
    Texts texts;
    ASSERT_TRUE(fill(texts, c.language)) << c.language;
    EXPECT_EQ(texts.*c.key, c.text) << c.language;
  }
}

// Each filled in all seven languages, in the order of Language.
template <class Texts>
std::vector<Texts> allLanguages(Fill<Texts> fill) {
  std::vector<Texts> all(kLanguageCount);
  for (std::size_t i = 0; i < kLanguageCount; ++i) fill(all[i], kLanguageNames[i]);
  return all;
}

const Fill<MainTexts> kMain = langset;
const Fill<ProjectedInputTexts> kProjected = langvalues;
const Fill<GeographicInputTexts> kGeographic = langvalues;
const Fill<DmsInputTexts> kDms = langvalues;
const Fill<UtmInputTexts> kUtm = langvalues;
const Fill<OptionTexts> kOption = langvalues;
const Fill<ParameterTexts> kParameter = langvalues;

}  // namespace

TEST(Language, Utf8DetectorTellsTheEncodings) {
  EXPECT_TRUE(hasUtf8Sequence("M\xC3\xBCnchen"));         // UTF-8 u-umlaut
  EXPECT_TRUE(hasUtf8Sequence("6\xE2\x80\x93" "7"));     // UTF-8 en dash
  EXPECT_FALSE(hasUtf8Sequence("M\xFCnchen 3\xB0"));      // Windows-1252
  EXPECT_FALSE(hasUtf8Sequence("\x8E\xE1" "dn\xFD"));    // Czech in Windows-1252
  EXPECT_FALSE(hasUtf8Sequence("\xC3"));                   // lead byte at the end
}

TEST(Language, NamesMatchExactlyInTheirOrder) {
  for (std::size_t i = 0; i < kLanguageCount; ++i) {
    const auto language = languageFromName(kLanguageNames[i]);
    ASSERT_TRUE(language.has_value()) << kLanguageNames[i];
    EXPECT_EQ(static_cast<std::size_t>(*language), i);
  }
  for (const char* name : kNotLanguages) EXPECT_FALSE(languageFromName(name).has_value()) << name;
  EXPECT_FALSE(languageFromName(std::string("Deutsch\0", 8)).has_value());
}

TEST(TextTables, EveryKeyHasATextInEveryLanguage) {
  expectComplete(mainTextRows(), "main window");
  expectComplete(projectedInputTextRows(), "projected input");
  expectComplete(geographicInputTextRows(), "geographic input");
  expectComplete(dmsInputTextRows(), "degrees/minutes/seconds input");
  expectComplete(utmInputTextRows(), "UTM input");
  expectComplete(optionTextRows(), "settings");
  expectComplete(parameterTextRows(), "parameter set");
  expectComplete(settingsFileTextRows(), "settings and parameter files");
}

TEST(QuestionTexts, TwoDifferentAnswersInEveryLanguageAndEnglishForOtherNames) {
  expectComplete(questionTextRows(), "questions");
  for (const char* language : kLanguageNames) {
    const QuestionTexts texts = questionTexts(language);
    EXPECT_NE(texts.btnYes, texts.btnNo) << language;
  }
  EXPECT_EQ(questionTexts("Deutsch").btnYes, "&Ja");
  EXPECT_EQ(questionTexts("Deutsch").btnNo, "&Nein");
  for (const char* name : kNotLanguages) {
    EXPECT_EQ(questionTexts(name).btnYes, "&Yes") << name;
    EXPECT_EQ(questionTexts(name).btnNo, "&No") << name;
  }
}

TEST(TextTables, UnknownLanguageChangesNothing) {
  expectUnknownNamesChangeNothing(kMain, mainTextRows(), "main window");
  expectUnknownNamesChangeNothing(kProjected, projectedInputTextRows(), "projected input");
  expectUnknownNamesChangeNothing(kGeographic, geographicInputTextRows(), "geographic input");
  expectUnknownNamesChangeNothing(kDms, dmsInputTextRows(), "dms input");
  expectUnknownNamesChangeNothing(kUtm, utmInputTextRows(), "UTM input");
  expectUnknownNamesChangeNothing(kOption, optionTextRows(), "settings");
  expectUnknownNamesChangeNothing(kParameter, parameterTextRows(), "parameter set");
}

TEST(TextTables, SwitchingLanguageReplacesEveryText) {
  MainTexts switched;
  ASSERT_TRUE(langset(switched, "Deutsch"));
  ASSERT_TRUE(langset(switched, "English"));
  MainTexts english;
  langset(english, "English");
  for (const TextRow<MainTexts>& row : mainTextRows()) EXPECT_EQ(switched.*row.key, english.*row.key);
  EXPECT_EQ(switched.mnuFileInitial, "&File");
  EXPECT_EQ(switched.btnFile, "File");
}

TEST(MainTexts, FixedTexts) {
  expectTexts(kMain, {
      {"Deutsch", &MainTexts::lblInputSystem, "Eingabesystem"},
      {"English", &MainTexts::lblOutputSystem, "Outputsystem"},
      {"Deutsch", &MainTexts::btnFrameCheck, "Koo\nRahmen\nCheck"},
      {"Deutsch", &MainTexts::btnFileArrow, " >>\nDatei"},
      {"English", &MainTexts::btnFileArrow, " >>\n File"},
      {"Deutsch", &MainTexts::lblPointNumber, "lfd.Punkt\nnummer"},
      {"English", &MainTexts::lblValuesHint,
       "The values are written with Easting/Northing or Lat/Long values"},
      {"Deutsch", &MainTexts::dlgChooseFile, "Datei w\xE4hlen"},
      {"Deutsch", &MainTexts::mnuTransformation, "Transformation\t"},
      {"English", &MainTexts::mnuManualParameters, "Manual parameter entry ..."},
      {"Deutsch", &MainTexts::mnuQuickInfo, "&Schnellinfo ...\tF2"},
      {"English", &MainTexts::mnuQuickInfo, "&QuickInfo ...\tF2"},
      {"English", &MainTexts::mnuSystemList, "Systemlist"},
      {"English", &MainTexts::mnuFrames, "Coordinate frames"},
      {"Deutsch", &MainTexts::mnuAbout, "&\xDC" "ber ...\tF1"},
      {"Deutsch", &MainTexts::mnuFileInitial, "&File"},
      {"English", &MainTexts::mnuFileInitial, "&File"},
      {"Deutsch", &MainTexts::tipCheckInput, "Eingabefenster pr\xFC" "fen"},
      {"Deutsch", &MainTexts::tipPointNumbering, "Erg\xE4nzung um laufende Punktnummer"},
      {"Deutsch", &MainTexts::tipOutsideFrame, "Punkt au\xDF" "er Koordinatenrahmen"},
      {"English", &MainTexts::tipOutsideGrid, "Point incorrect or out of GRID-Shift"},
      {"Deutsch", &MainTexts::msgSelectSystems, "Bitte zuerst Start- und Zielsystem w\xE4hlen"},
      {"Deutsch", &MainTexts::msgNoValidSystem, "Kein g\xFCltiges System!!"},
      {"English", &MainTexts::msgBetaOnlyDhdn, "BeTA2007\xB4s just working with DHDN!"},
      {"English", &MainTexts::msgChenyxOnlyCh1903, "CHENYX06 just working with  CH1903!"},
      {"Deutsch", &MainTexts::msgColumnsEqual, "Spaltennummern gleich !!"},
      {"Deutsch", &MainTexts::msgMgrsFaulty, "MGRS - fehlerhaft\n"},
      {"English", &MainTexts::msgMgrsFaulty, "MGRS - faulty\n"},
      {"Deutsch", &MainTexts::msgMgrsFileNotDirect,
       "MGRS/UTMauto - Dateien k\xF6nnen nicht direkt gewandelt werden"},
      {"Deutsch", &MainTexts::msgOverwrite, "Wollen Sie die Datei \xFC" "berschreiben?"},
      {"English", &MainTexts::msgOverwrite, "Do You want to overwrite?"},
      {"Deutsch", &MainTexts::msgTargetGenerated, " wurde erzeugt!\n* ("},
      {"English", &MainTexts::msgLinesConverted, " lines converted)\n"},
      {"Deutsch", &MainTexts::msgOutsideGrid,
       "Ein- oder Ausgabe liegt ausserhalb der Grid-Rahmens oder kein Shift-Wert vorhanden"},
      // The other five languages.
      {"Francais", &MainTexts::lblDms, "DMS"},
      {"Espanol", &MainTexts::lblDms, "GMS"},
      {"Portugues", &MainTexts::lblDms, "GMS"},
      {"Cestina", &MainTexts::lblDms, "SMS"},
      {"Polski", &MainTexts::lblDms, "SMS"},
      {"Francais", &MainTexts::mnuSettings, "&R\xE9glages"},
      {"Espanol", &MainTexts::mnuSettings, "&Configuraci\xF3n"},
      {"Portugues", &MainTexts::mnuSettings, "&Configura\xE7\xF5" "es"},
      {"Cestina", &MainTexts::mnuSettings, "&Nastaven\xED"},
      {"Polski", &MainTexts::mnuSettings, "&Ustawienia"},
      {"Francais", &MainTexts::msgSameSystem, "Commencez et terminez ident syst\xE8me!!"},
      {"Espanol", &MainTexts::msgSameSystem, "Iniciar y meta sistema id\xE9ntico!!"},
      {"Portugues", &MainTexts::msgSameSystem, "Entrada igual a sa\xED" "da!!"},
      {"Cestina", &MainTexts::msgSameSystem, "Start a c\xEDl syst\xE9mu jsou shodne!!"},
      {"Polski", &MainTexts::msgSameSystem, "Poczatek koniec systemu identyczny"},
      {"Cestina", &MainTexts::mnuOptions, "Mo\x9Enosti"},
      {"Polski", &MainTexts::stsTitle, "Wsp\xF3lrzednych transformacje"},
      // Texts taken over from another language.
      {"Polski", &MainTexts::mnuQuickInfo, "&Schnellinfo ...\tF2"},
      {"Portugues", &MainTexts::mnuFileInitial, "&Archivo"},
  });
}

TEST(MainTexts, GridFileMessagesNameTheDownloadPage) {
  struct Message {
    std::string MainTexts::*key;
    const char* fileName;
    const char* page;
    const char* english[2];
  };
  const Message messages[] = {
      {&MainTexts::msgBetaFileMissing, "BETA2007.gsb", kBeta2007DownloadPage,
       {"File BETA2007.gsb does not exist,\ndoes not exist, please download from: ",
        "\nand copy it into the folder, where the program is"}},
      {&MainTexts::msgAtGridFileMissing, "AT_GIS_GRID.gsb", kAustrianGridDownloadPage,
       {"File AT_GIS_GRID.gsb does not exist,\ndoes not exist, please download from:  ",
        "\nand copy into the folder, where the program is"}},
      {&MainTexts::msgChenyxFileMissing, "CHENYX06a.gsb", kChenyx06DownloadPage,
       {"File CHENYX06a.gsb does not exist,\ndoes not exist, please download from  ",
        "\nand copy into the folder, where the program is"}},
  };
  const std::vector<MainTexts> all = allLanguages(kMain);
  for (const Message& m : messages) {
    SCOPED_TRACE(m.fileName);
    const std::string page = m.page;
    EXPECT_EQ(all[0].*m.key, std::string("Datei ") + m.fileName +
                                 " existiert nicht\nBitte Downloaden von der Seite: " + page +
                                 "\nDann in das Verzeichnis des Programmes kopieren");
    EXPECT_EQ(all[1].*m.key, m.english[0] + page + m.english[1]);
    EXPECT_EQ((all[4].*m.key).rfind(std::string("Datei ") + m.fileName + " n\xE3o existe,", 0), 0u);
    EXPECT_EQ((all[6].*m.key).rfind(std::string("Datei ") + m.fileName + " nie istnieje,", 0), 0u);
    for (const MainTexts& texts : all) {
      const std::string& text = texts.*m.key;
      const std::size_t at = text.find(page);
      ASSERT_NE(at, std::string::npos) << text;
      EXPECT_NE(text.find(m.fileName), std::string::npos) << text;
      // The page stands on a line of its own end.
      EXPECT_EQ(text.compare(at + page.size(), 1, "\n"), 0) << text;
    }
  }
}

// Texts that the workflows join with others or that carry an accelerator keep
// their shape in every language.
TEST(MainTexts, PiecesKeepTheirShapeInEveryLanguage) {
  auto endsWith = [](const std::string& text, const std::string& end) {
    return text.size() >= end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
  };
  for (const MainTexts& t : allLanguages(kMain)) {
    SCOPED_TRACE(t.stsTitle);
    EXPECT_TRUE(endsWith(t.mnuQuickInfo, "\tF2")) << t.mnuQuickInfo;
    EXPECT_TRUE(endsWith(t.mnuAbout, "\tF1")) << t.mnuAbout;
    EXPECT_TRUE(endsWith(t.msgMgrsFaulty, "\n")) << t.msgMgrsFaulty;
    EXPECT_EQ(t.msgTargetGenerated.front(), ' ');
    EXPECT_TRUE(endsWith(t.msgTargetGenerated, "!\n* (")) << t.msgTargetGenerated;
    EXPECT_EQ(t.msgLinesConverted.front(), ' ');
    EXPECT_TRUE(endsWith(t.msgLinesConverted, ")\n")) << t.msgLinesConverted;
    EXPECT_EQ(t.btnFile.find('&'), std::string::npos) << "first menu retitled without mnemonic";
    EXPECT_EQ(t.btnFileArrow.rfind(" >>\n", 0), 0u) << t.btnFileArrow;
  }
}

TEST(InputDialogTexts, FixedTexts) {
  expectTexts(kProjected, {
      {"Deutsch", &ProjectedInputTexts::dlgTitle, "Eingabedialog Y/X"},
      {"English", &ProjectedInputTexts::lblHeading, "Input coordinate:"},
      {"Deutsch", &ProjectedInputTexts::lblEasting, "Rechts-Wert"},
      {"English", &ProjectedInputTexts::lblNorthing, "Northing value"},
      {"Francais", &ProjectedInputTexts::dlgTitle, "Dialogue de saisie Y/X"},
      {"Espanol", &ProjectedInputTexts::dlgTitle, "Di\xE1logo de entrada Y/X"},
      {"Portugues", &ProjectedInputTexts::dlgTitle, "Di\xE1logo de entrada Y/X"},
      {"Cestina", &ProjectedInputTexts::dlgTitle, "Vstup dialog Y/X"},
      {"Polski", &ProjectedInputTexts::dlgTitle, "Dialog wejsciowy Y/X"},
      {"Francais", &ProjectedInputTexts::lblEasting, "Abscisse"},
      {"Francais", &ProjectedInputTexts::lblNorthing, "Ordonn\xE9" "e"},
      {"Espanol", &ProjectedInputTexts::lblEasting, "Easting"},
      {"Portugues", &ProjectedInputTexts::lblNorthing, "Northing"},
      {"Cestina", &ProjectedInputTexts::lblEasting, "Easting"},
      {"Cestina", &ProjectedInputTexts::lblNorthing, "Northing"},
  });
  expectTexts(kGeographic, {
      {"Deutsch", &GeographicInputTexts::dlgTitle, "Eingabe Dialog Geographisch"},
      {"English", &GeographicInputTexts::dlgTitle, "Input dialog geographic"},
      {"Deutsch", &GeographicInputTexts::tipDmsButton, "Eingabe von Grad,Minuten und Sekunden"},
      {"English", &GeographicInputTexts::msgNumber, "Please enter numbers"},
      {"Deutsch", &GeographicInputTexts::btnDms, "Grad-Min-Sek."},
      {"Francais", &GeographicInputTexts::btnDms, "Deg-Min-Sec"},
      {"Espanol", &GeographicInputTexts::btnDms, "Grad-Min-Seg"},
      {"Portugues", &GeographicInputTexts::btnDms, "Graus-Min-Seg"},
      {"Cestina", &GeographicInputTexts::btnDms, "Stup-Min-Sek."},
      {"Polski", &GeographicInputTexts::btnDms, "Grad-Min-Sek."},
      {"Espanol", &GeographicInputTexts::lblPhi, "Latitude"},
      {"Cestina", &GeographicInputTexts::lblPhi, "S\xEDrka"},
      {"Polski", &GeographicInputTexts::lblPhi, "Szerokosc"},
  });
  expectTexts(kDms, {
      {"English", &DmsInputTexts::dlgTitle, "Input dialog geographically"},
      {"Deutsch", &DmsInputTexts::msgPhiSeconds, "Phi-Sekunden m\xFCssen hier 0 sein!!"},
      {"English", &DmsInputTexts::msgLambdaSeconds, "Long seconds must be 0 here!!"},
      {"Francais", &DmsInputTexts::msgPhiSeconds, "Lat secondes doit \xEAtre 0!!"},
      {"Espanol", &DmsInputTexts::msgPhiSeconds, "Lat segundos debe ser 0 aqui!!"},
      {"Portugues", &DmsInputTexts::msgPhiSeconds, "Lat segundos deve ser 0 aqui"},
      {"Cestina", &DmsInputTexts::msgPhiSeconds, "S\xEDrka vteriny mus\xED b\xFDt 0!!"},
      {"Polski", &DmsInputTexts::msgPhiSeconds, "Szerokosc sekundy musa byc 0"},
      {"Portugues", &DmsInputTexts::lblPhi, "Latitude"},
      {"Cestina", &DmsInputTexts::lblPhi, "S\xEDrka"},
  });
  expectTexts(kUtm, {
      {"Deutsch", &UtmInputTexts::lblHeading, "Koordinateneingabe UTM:"},
      {"English", &UtmInputTexts::tipUtmButton, "Converting to UTM-coordinate"},
      {"Deutsch", &UtmInputTexts::msgMgrsOutsideBand, "Planquadrat ausser UTM-Band"},
      {"English", &UtmInputTexts::msgMgrsInvalid, "MGRS value false"},
      {"Francais", &UtmInputTexts::tipExamplePrefix, "p.ex. "},
      {"Espanol", &UtmInputTexts::tipExamplePrefix, "p.e."},
      {"Portugues", &UtmInputTexts::tipExamplePrefix, "p.e."},
      {"Cestina", &UtmInputTexts::tipExamplePrefix, "napr."},
      {"Polski", &UtmInputTexts::tipExamplePrefix, "na przyklad"},
      {"Francais", &UtmInputTexts::dlgTitle, "Dialogue de Coordonner UTM"},
      {"Espanol", &UtmInputTexts::dlgTitle, "Di\xE1logo de entrada UTM"},
      {"Portugues", &UtmInputTexts::dlgTitle, "Di\xE1logo de entrada geogr\xE1" "ficamente"},
      {"Cestina", &UtmInputTexts::dlgTitle, "UTM vstup dialog"},
      {"Polski", &UtmInputTexts::dlgTitle, "Dialog wejsciowy UTM"},
      {"Espanol", &UtmInputTexts::msgMgrsOutsideBand, "Cuadrado fuera la banda UTM"},
      {"Portugues", &UtmInputTexts::msgMgrsOutsideBand, "Cuadrado fuera la banda UTM"},
      {"Cestina", &UtmInputTexts::msgMgrsInvalid, "Chybn\xE1 hodnota MGRS"},
      {"Cestina", &UtmInputTexts::msgMgrsOutsideBand, "Chybn\xE1 hodnota MGRS"},
  });
  UtmInputTexts german;
  langvalues(german, "Deutsch");
  EXPECT_EQ(german.tipExamplePrefix + kMgrsExample, "z.B. 33UVP178052");
}

TEST(SettingsDialogTexts, FixedTexts) {
  expectTexts(kOption, {
      {"Deutsch", &OptionTexts::optRefHeight, "Bezugshoehe:"},
      {"English", &OptionTexts::optEastingColumn, "Easting/Latitude in column"},
      {"Deutsch", &OptionTexts::optNorthingColumn, "Hoch/Lambda in Spalte"},
      {"English", &OptionTexts::optNationalSystems, "National Coordinate Systems"},
      {"Deutsch", &OptionTexts::optCurrentParameterSet, "Aktueller User-Parametersatz"},
      {"Francais", &OptionTexts::optTitle, "R\xE9glages"},
      {"Espanol", &OptionTexts::optTitle, "Configuraci\xF3n"},
      {"Portugues", &OptionTexts::optTitle, "Configura\xE7\xF5" "es"},
      {"Cestina", &OptionTexts::optTitle, "Nastaven\xED"},
      {"Polski", &OptionTexts::optTitle, "Ustawienia"},
      {"Francais", &OptionTexts::optLanguage, "Langue:"},
      {"Espanol", &OptionTexts::optLanguage, "Idioma:"},
      {"Portugues", &OptionTexts::optLanguage, "Linguagem:"},
      {"Cestina", &OptionTexts::optLanguage, "Jazyk:"},
      {"Polski", &OptionTexts::optLanguage, "Jezyk:"},
      {"Francais", &OptionTexts::optDelimiter, "S\xE9parateur de colonner:"},
      {"Espanol", &OptionTexts::optDelimiter, "Columna separador:"},
      {"Portugues", &OptionTexts::optDelimiter, "Separador de coluna:"},
      {"Cestina", &OptionTexts::optDelimiter, "Oddelovac sloupcu:"},
      {"Polski", &OptionTexts::optDelimiter, "Separator kolumna:"},
  });
  expectTexts(kParameter, {
      {"Deutsch", &ParameterTexts::parHeading, "User - Parametereingaben ( WGS84 -> User )"},
      {"English", &ParameterTexts::parTitle, "Parameter-Settings"},
      {"Deutsch", &ParameterTexts::parConicGroup, "Parameter f\xFCr Kegelprojektion"},
      {"English", &ParameterTexts::parConicGroup, "Parameter for conical projektion"},
      {"Deutsch", &ParameterTexts::parNorthParallel, "n\xF6rdl. Schnittbreite"},
      {"Deutsch", &ParameterTexts::parSouthParallel, "s\xFC" "dl. Schnittbreite"},
      {"English", &ParameterTexts::parCentralMeridian, "Central - meridian:"},
      {"Deutsch", &ParameterTexts::parDelete, "L\xF6schen"},
      {"Deutsch", &ParameterTexts::parChooseParamFile, "W\xE4hlen Sie das Parameterfile"},
      {"Deutsch", &ParameterTexts::parAskDelete, "Wollen Sie auch die Datei l\xF6schen?"},
      {"English", &ParameterTexts::parAskDelete, "Would You delete also the file?"},
      {"Deutsch", &ParameterTexts::parInvalidFile, "Keine g\xFCltige Parameterdatei!!"},
      {"Francais", &ParameterTexts::parTitle, "Saisie des param\xE8tres"},
      {"Espanol", &ParameterTexts::parTitle, "Par\xE1metro entrada (Sistema)"},
      {"Portugues", &ParameterTexts::parTitle, "Paramtereingabe (System)"},
      {"Cestina", &ParameterTexts::parTitle, "Zadejte parametru (System)"},
      {"Polski", &ParameterTexts::parTitle, "Plik parametrami (System)"},
      {"Francais", &ParameterTexts::parNoProjection, "pas (g\xE9ographiquement)"},
      {"Espanol", &ParameterTexts::parNoProjection, "no (geogr\xE1" "ficamente)"},
      {"Portugues", &ParameterTexts::parNoProjection, "nenhum (geograficamente)"},
      {"Cestina", &ParameterTexts::parNoProjection, "nen\xED (geograficky)"},
      {"Polski", &ParameterTexts::parNoProjection, "nie (geograficznie)"},
      {"Francais", &ParameterTexts::parInvalidFile, "Aucun fichier de param\xE8tre valide!!"},
      {"Espanol", &ParameterTexts::parInvalidFile, "Ning\xFAn archivo par\xE1metro v\xE1lido!!"},
      {"Portugues", &ParameterTexts::parInvalidFile, "Nenhum arquivo par\xE2metro v\xE1lido!!"},
      {"Cestina", &ParameterTexts::parInvalidFile, "\x8E\xE1" "dn\xFD platn\xFD soubor parametru!!"},
      {"Polski", &ParameterTexts::parInvalidFile, "Plik parametrami nie jest OK"},
  });
  for (const ParameterTexts& t : allLanguages(kParameter)) {
    EXPECT_EQ(t.parDatum, "Datum");
    EXPECT_EQ(t.parFalseEasting, "False Easting:");
    EXPECT_EQ(t.parFalseNorthing, "False Northing:");
  }
}

namespace {

std::vector<std::string> splitLines(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  for (std::size_t end; (end = text.find('\n', start)) != std::string::npos; start = end + 1)
    lines.push_back(text.substr(start, end - start));
  lines.push_back(text.substr(start));
  return lines;
}

bool contains(const std::vector<std::string>& lines, const std::string& line) {
  return std::find(lines.begin(), lines.end(), line) != lines.end();
}

}  // namespace

TEST(HelpTexts, QuickInfoIsGermanOnlyForDeutsch) {
  const std::vector<std::string> german = quickInfoLines("Deutsch");
  const std::vector<std::string> english = quickInfoLines("English");
  for (const char* name : {"Polski", "Francais", "deutsch", ""}) EXPECT_EQ(quickInfoLines(name), english) << name;

  ASSERT_GE(german.size(), 4u);
  EXPECT_EQ(german[0], "Koordinatentransformation");
  EXPECT_EQ(german[1], "================");
  EXPECT_EQ(german[2], "");
  EXPECT_EQ(german[3], "Kurzbeschreibung    13.05.2013");
  ASSERT_GE(english.size(), 4u);
  EXPECT_EQ(english[0], "Coordinate transformation");
  EXPECT_EQ(english[1], "================");
  EXPECT_EQ(english[3], "Description 13.05.2013");
}

TEST(HelpTexts, QuickInfoStructure) {
  struct Case {
    const char* language;
    std::vector<std::string> headings;
    const char* dmsForm;
    const char* closingPart;
  };
  const Case cases[] = {
      {"Deutsch", {"Anmerkungen zu den H\xF6hen", "Parameter", "Einstellungen"},
       "xx\xB0xx'xx.xxx\"", "Hilfe -> Systemliste"},
      {"English", {"Notes to the altitudes", "Parameters", "Settings"}, "xx\xB0xx'xx.xx\"",
       "Help -> Systemlist."},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.language);
    const std::vector<std::string> lines = quickInfoLines(c.language);
    EXPECT_GE(lines.size(), 80u);
    EXPECT_LE(lines.size(), 130u);
    EXPECT_EQ(std::count(lines.begin(), lines.end(), std::string(57, '-')), 1);
    for (const std::string& heading : c.headings) EXPECT_TRUE(contains(lines, heading)) << heading;
    EXPECT_TRUE(contains(lines, std::string("  AT-GIS-GRID: ") + kAustrianGridDownloadPage));
    EXPECT_TRUE(contains(lines, std::string("  BETA2007: ") + kBeta2007DownloadPage));
    EXPECT_TRUE(contains(lines, std::string("  CHENYX06: ") + kChenyx06DownloadPage));
    EXPECT_TRUE(std::any_of(lines.begin(), lines.end(), [&](const std::string& l) {
      return l.find(c.dmsForm) != std::string::npos;
    }));
    EXPECT_NE(lines.back().find(c.closingPart), std::string::npos) << lines.back();
    // After the date line: paragraphs apart by empty lines, their later lines
    // indented by two blanks, their first line not.
    for (std::size_t i = 5; i < lines.size(); ++i) {
      if (lines[i].empty()) continue;
      const bool first = lines[i - 1].empty();
      EXPECT_EQ(lines[i].rfind("  ", 0) == 0, !first) << lines[i];
      EXPECT_FALSE(hasUtf8Sequence(lines[i])) << lines[i];
    }
  }
  const std::vector<std::string> english = quickInfoLines("English");
  EXPECT_TRUE(contains(english, "  (kortavex.cfg) by OK and read again at the next start."));
  const std::string end = "Help -> Systemlist.";
  EXPECT_EQ(english.back().compare(english.back().size() - end.size(), end.size(), end), 0);
}

TEST(HelpTexts, History) {
  const std::string text = historyText();
  EXPECT_EQ(text.rfind("Version 4.26\n   UTM weltweit und MGRS/UTMREF\n   Systemvorauswahl bei Options\n", 0), 0u);
  ASSERT_FALSE(text.empty());
  EXPECT_EQ(text.back(), '\n');
  std::vector<std::string> lines = splitLines(text);
  EXPECT_EQ(lines.back(), "");
  lines.pop_back();
  EXPECT_EQ(std::count_if(lines.begin(), lines.end(),
                          [](const std::string& l) { return l.rfind("Version ", 0) == 0; }),
            11);
  for (const std::string& line : lines)
    EXPECT_TRUE(line.rfind("Version ", 0) == 0 || (line.rfind("   ", 0) == 0 && line[3] != ' ')) << line;
  EXPECT_TRUE(contains(lines, "Version 3.27 bzw. 3.26"));
  EXPECT_TRUE(contains(lines, "   Grad/Minuten/Sekunden - Eingaben auch im Eingabefenster m\xF6glich."));
  EXPECT_TRUE(contains(lines, "   Erg\xE4nzung CH1903+  Projektionskoordinaten LV95"));
  EXPECT_TRUE(contains(lines, "   Bezugsh\xF6he fuer Berechnungen"));
  EXPECT_EQ(lines.back(), "   Grafische Oberflaeche fuer Eingabe und Verarbeitung");
  EXPECT_FALSE(hasUtf8Sequence(text));
}

TEST(HelpTexts, SystemAndFrameLists) {
  struct Case {
    std::string text;
    std::size_t lineCount;
    std::size_t index;  // 0-based
    const char* line;
  };
  const Case cases[] = {
      {systemListText(), 22, 0, "WGS84               \t\tGeograph. WGS84-Koordinaten ( GPS ) "},
      {systemListText(), 22, 4, "GK-AUT_M34,M31,M28  \tGauss-Kr\xFCger 3\xB0 Streifen (bez. auf Ferro)"},
      {systemListText(), 22, 5, "BMN34,BMN31,BMN28   \tBundesmeldenetz \xD6sterreich"},
      {systemListText(), 22, 9, "GK_DHDN (3\xB0 Streifen 2 - 5)\tGK Deutsches Hauptdreiecksnetz"},
      {systemListText(), 22, 21, "S-JTSK              \t\tGeograph. Koord. Tschechien/Slowakei"},
      {frameListText(), 41, 2, "WGS84        \tPhi: -90\xB0/+90\xB0 Lambda: -180\xB0/+180\xB0"},
      {frameListText(), 41, 15, "AT-GRID     \t( Phi: 46\xB0" "21'-49\xB0" "03' Lambda: 9\xB0" "30'-17\xB0" "9.75' )"},
      {frameListText(), 41, 37, "LIECHT/LV03-C   \ty: -200000 bis 400000 x: -200000 bis 200000"},
      {frameListText(), 41, 40, "Krovak   \t\ty: 0 bis 1000000 x: 500000 bis 1500000"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.line);
    ASSERT_GE(c.text.size(), 2u);
    EXPECT_EQ(c.text.substr(c.text.size() - 2), "\n\n");
    EXPECT_NE(c.text.substr(0, c.text.size() - 2).back(), '\n');
    const std::vector<std::string> lines = splitLines(c.text.substr(0, c.text.size() - 2));
    ASSERT_EQ(lines.size(), c.lineCount);
    EXPECT_EQ(lines[c.index], c.line);
    EXPECT_FALSE(hasUtf8Sequence(c.text));
  }
}

TEST(HelpTexts, AboutAndLogo) {
  const std::vector<std::string> lines = splitLines(aboutText());
  ASSERT_EQ(lines.size(), 6u);
  EXPECT_EQ(lines[0], "Coordinatetransformation ");
  EXPECT_EQ(lines[1], "");
  EXPECT_EQ(lines[2], "Programm: kortavex.exe  Version: 4.26.9");
  EXPECT_EQ(lines[3], "Date: 2014-05-05");
  EXPECT_FALSE(lines[4].empty());
  EXPECT_EQ(lines[5].rfind("   with wxWidgets 2.8.0", 0), 0u);
  EXPECT_STREQ(kLogoText, "The World is not flat\n");
  EXPECT_STREQ(kQuickInfoTitle, "KurzInfo");
  EXPECT_STREQ(kHistoryCaption, "History");
}
