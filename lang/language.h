#pragma once
// The seven languages of the user interface and the text tables of the
// windows. A table is a struct with one std::string per key; its texts come
// from a list of rows, one row per key holding that key's text in each
// language, so the seven versions of one text stand side by side.
// All texts are Windows-1252 bytes.

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace kortavex {

// In the order in which every window tests the names.
enum class Language { Deutsch, English, Francais, Espanol, Portugues, Cestina, Polski };

inline constexpr std::size_t kLanguageCount = 7;

// The names as the options file stores them, in the order of Language.
inline constexpr std::array<const char*, kLanguageCount> kLanguageNames = {
    "Deutsch", "English", "Francais", "Espanol", "Portugues", "Cestina", "Polski"};

// The language whose name is exactly `name` (case-sensitive, whole text);
// none for any other text.
std::optional<Language> languageFromName(const std::string& name);

// One text per language, in the order of Language.
using LanguageColumns = std::array<std::string, kLanguageCount>;

// One key of a text table: the member it fills and its text in each language.
template <class Texts>
struct TextRow {
  std::string Texts::*key;
  LanguageColumns text;
};

template <class Texts>
using TextRows = std::vector<TextRow<Texts>>;

// Assigns every key of `rows` its text in `language`. A name that is none of
// the seven assigns nothing, so the table keeps its previous texts; the
// result tells whether the name matched.
template <class Texts>
bool fillTexts(Texts& texts, const TextRows<Texts>& rows, const std::string& language) {
  const std::optional<Language> match = languageFromName(language);
  if (!match) return false;
  const auto column = static_cast<std::size_t>(*match);
  for (const TextRow<Texts>& row : rows) texts.*row.key = row.text[column];
  return true;
}

}  // namespace kortavex
