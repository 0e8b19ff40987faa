// Messages for files that could not be written: every language has them, and
// a name that is no language still gets a message.
#include <gtest/gtest.h>

#include "lang/save_error_texts.h"

namespace {

TEST(SaveErrorTexts, EveryLanguageAndTheFallback) {
  for (const char* language : kLanguageNames) {
    const SaveErrorTexts texts = saveErrorTexts(language);
    EXPECT_FALSE(texts.msgOptionsNotSaved.empty()) << language;
    EXPECT_FALSE(texts.msgParameterNotSaved.empty()) << language;
    EXPECT_NE(texts.msgOptionsNotSaved, texts.msgParameterNotSaved) << language;
  }
  EXPECT_EQ(saveErrorTexts("Deutsch").msgParameterNotSaved, "Parameterdatei wurde nicht gespeichert!");
  EXPECT_EQ(saveErrorTexts("English").msgOptionsNotSaved, "Settings not saved!");
  EXPECT_EQ(saveErrorTexts("Cestina").msgOptionsNotSaved, "Nastaven\xED nebylo ulo\x9E" "eno!");
  // an options file may name no language: the failure is still reported in words
  EXPECT_EQ(saveErrorTexts("deutsch").msgParameterNotSaved, "Parameterfile not saved!");
  EXPECT_EQ(saveErrorTexts("").msgOptionsNotSaved, "Settings not saved!");
}

}  // namespace
