#include "lang/mnemonics.h"

#include <optional>
#include <set>

namespace kortavex {

namespace {

bool isLetterOrDigit(unsigned char c) {
  return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') ||
         (c >= 0xC0 && c != 0xD7 && c != 0xF7);
}

// Lower case in Windows-1252: A-Z and the Latin-1 capitals À-Þ.
unsigned char folded(unsigned char c) {
  if ((c >= 'A' && c <= 'Z') || (c >= 0xC0 && c <= 0xDE && c != 0xD7)) return c + 0x20;
  return c;
}

// The end of the label's text: where its accelerator begins.
std::size_t textEnd(const std::string& label) {
  const std::size_t tab = label.find('\t');
  return tab == std::string::npos ? label.size() : tab;
}

// The position of the letter the label marks with "&" ("&&" is an "&").
std::optional<std::size_t> markedLetter(const std::string& label) {
  for (std::size_t i = 0; i + 1 < textEnd(label); ++i) {
    if (label[i] != '&') continue;
    if (label[i + 1] != '&') return i + 1;
    ++i;
  }
  return std::nullopt;
}

}  // namespace

std::vector<std::string> withMnemonics(std::vector<std::string> labels) {
  std::set<unsigned char> taken;
  for (const std::string& label : labels)
    if (const auto marked = markedLetter(label)) taken.insert(folded(label[*marked]));

  for (std::string& label : labels) {
    if (markedLetter(label)) continue;
    std::optional<std::size_t> chosen;
    for (const bool wordStartsOnly : {true, false}) {
      for (std::size_t i = 0; i < textEnd(label) && !chosen; ++i) {
        const unsigned char c = label[i];
        const bool wordStart = i == 0 || !isLetterOrDigit(label[i - 1]);
        if (isLetterOrDigit(c) && (wordStart || !wordStartsOnly) && !taken.count(folded(c)))
          chosen = i;
      }
      if (chosen) break;
    }
    if (!chosen) continue;  // every letter is taken: the label goes without
    taken.insert(folded(label[*chosen]));
    label.insert(*chosen, "&");
  }
  return labels;
}

}  // namespace kortavex
