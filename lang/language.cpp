#include "lang/language.h"

namespace kortavex {

std::optional<Language> languageFromName(const std::string& name) {
  for (std::size_t i = 0; i < kLanguageCount; ++i) {
    if (name == kLanguageNames[i]) return static_cast<Language>(i);
  }
  return std::nullopt;
}

}  // namespace kortavex
