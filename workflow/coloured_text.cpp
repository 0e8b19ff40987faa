#include "workflow/coloured_text.h"

namespace kortavex {

void ColouredText::append(std::string_view s, TextColour colour) {
  if (s.empty()) return;
  if (!runs.empty() && runs.back().colour == colour) {
    runs.back().length += s.size();
  } else {
    runs.push_back({text.size(), s.size(), colour});
  }
  text += s;
}

void ColouredText::clear() {
  text.clear();
  runs.clear();
}

}  // namespace kortavex
