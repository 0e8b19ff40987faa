// Messages for files that could not be written: every language has them, and
// a name that is no language still gets a message.
#include <gtest/gtest.h>

#include "lang/settings_file_texts.h"

using namespace kortavex;

namespace {

TEST(SettingsFileTexts, EveryLanguageAndTheFallback) {
  for (const char* language : kLanguageNames) {
    const SettingsFileTexts texts = settingsFileTexts(language);
    EXPECT_FALSE(texts.msgOptionsNotSaved.empty()) << language;
    EXPECT_FALSE(texts.msgParameterNotSaved.empty()) << language;
    EXPECT_NE(texts.msgOptionsNotSaved, texts.msgParameterNotSaved) << language;
  }
  EXPECT_EQ(settingsFileTexts("Deutsch").msgParameterNotSaved, "Parameterdatei wurde nicht gespeichert!");
  EXPECT_EQ(settingsFileTexts("English").msgOptionsNotSaved, "Settings not saved!");
  EXPECT_EQ(settingsFileTexts("Cestina").msgOptionsNotSaved, "Nastaven\xED nebylo ulo\x9E" "eno!");
  // an options file may name no language: the failure is still reported in words
  EXPECT_EQ(settingsFileTexts("deutsch").msgParameterNotSaved, "Parameterfile not saved!");
  EXPECT_EQ(settingsFileTexts("").msgOptionsNotSaved, "Settings not saved!");
}

}  // namespace
