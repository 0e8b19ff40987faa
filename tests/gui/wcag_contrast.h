#pragma once
// The WCAG 2 contrast of two colours, written from its definition for the
// tests to measure the program's colours by.

#include <algorithm>
#include <cmath>

#include <wx/colour.h>

using namespace kortavex;

inline double wcagLuminance(const wxColour& c) {
  const auto channel = [](unsigned char v) {
    const double s = v / 255.0;
    return s <= 0.03928 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4);
  };
  return 0.2126 * channel(c.Red()) + 0.7152 * channel(c.Green()) + 0.0722 * channel(c.Blue());
}

// From 1 (the same) to 21 (black on white).
inline double wcagContrast(const wxColour& a, const wxColour& b) {
  const double la = wcagLuminance(a), lb = wcagLuminance(b);
  return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}
