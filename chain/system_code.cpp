#include "chain/system_code.h"

namespace kortavex {

namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

SystemCode::SystemCode(std::string_view text) : text_(text) {
  std::string padded(text.substr(0, 5));
  padded.resize(5, '0');
  family_ = padded[0];
  for (std::size_t i = 1; i < 3 && isDigit(padded[i]); ++i) zone_ = zone_ * 10 + (padded[i] - '0');
  variant_ = padded[3];
  grid_ = padded[4] == '3';
  geographic_ = padded[1] == '0' && padded[2] == '0';
  lambert_ = family_ == 'A' && padded[1] == 'L';
  automaticZone_ = family_ == 'U' && padded[1] == '9' && padded[2] == '9';
  groupHeader_ = text.substr(0, 3) == "---";
}

SystemCode SystemCode::utm(std::string_view zoneText) {
  std::string text = "U";
  text += zoneText;
  text += '0';
  return SystemCode(text);
}

SystemCode SystemCode::withGrid() const {
  if (!isComplete()) return *this;
  std::string text = text_;
  text[4] = '3';
  return SystemCode(text);
}

SystemCode SystemCode::inZone(std::string_view zoneText) const {
  std::string text = text_;
  if (text.empty()) text = "0";
  text.replace(1, 3, zoneText);
  return SystemCode(text);
}

}  // namespace kortavex
