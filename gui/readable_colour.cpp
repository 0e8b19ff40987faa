#include "gui/readable_colour.h"

#include <algorithm>
#include <cmath>
#include <optional>

#include <wx/settings.h>

namespace kortavex {

namespace {

constexpr double kMinimumContrast = 4.5;
// Below this luminance white contrasts more than black.
constexpr double kMiddleLuminance = 0.179;

double linearChannel(unsigned char value) {
  const double c = value / 255.0;
  return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

double relativeLuminance(const wxColour& c) {
  return 0.2126 * linearChannel(c.Red()) + 0.7152 * linearChannel(c.Green()) +
         0.0722 * linearChannel(c.Blue());
}

// The WCAG contrast ratio of two opaque colours, from 1 to 21.
double contrastRatio(const wxColour& a, const wxColour& b) {
  const double la = relativeLuminance(a), lb = relativeLuminance(b);
  return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

unsigned char mixChannel(unsigned char from, unsigned char to, double share) {
  return static_cast<unsigned char>(std::lround(from + (to - from) * share));
}

wxColour mix(const wxColour& from, const wxColour& to, double share) {
  return wxColour(mixChannel(from.Red(), to.Red(), share),
                  mixChannel(from.Green(), to.Green(), share),
                  mixChannel(from.Blue(), to.Blue(), share));
}

// The least mix of `wanted` towards `extreme` that reads on `background`;
// none when even the extreme does not.
std::optional<wxColour> shadeTowards(const wxColour& wanted, const wxColour& extreme,
                                     const wxColour& background) {
  constexpr int kSteps = 255;
  for (int step = 1; step <= kSteps; ++step) {
    const wxColour shade = mix(wanted, extreme, static_cast<double>(step) / kSteps);
    if (contrastRatio(shade, background) >= kMinimumContrast) return shade;
  }
  return std::nullopt;
}

}  // namespace

wxColour readableOn(const wxColour& wanted, const wxColour& background) {
  const wxColour opaque = opaqueOver(wanted, background);
  if (contrastRatio(opaque, background) >= kMinimumContrast) return opaque;
  // Away from the background: lighter on a dark one, darker on a light one.
  const wxColour white(255, 255, 255), black(0, 0, 0);
  const bool dark = isDark(background);
  const wxColour away = dark ? white : black, towards = dark ? black : white;
  for (const wxColour& extreme : {away, towards})
    if (const std::optional<wxColour> shade = shadeTowards(opaque, extreme, background))
      return *shade;
  return away;
}

bool isDark(const wxColour& background) {
  return relativeLuminance(background) < kMiddleLuminance;
}

wxColour opaqueOver(const wxColour& colour, const wxColour& below) {
  return mix(below, wxColour(colour.Red(), colour.Green(), colour.Blue()), colour.Alpha() / 255.0);
}

TextAreaColours textAreaColours(const wxColour& below) {
  const wxColour toolTip = opaqueOver(wxSystemSettings::GetColour(wxSYS_COLOUR_INFOBK), below);
  const bool lightToolTips = !isDark(toolTip);
  const wxColour background =
      lightToolTips ? toolTip : opaqueOver(wxSystemSettings::GetColour(wxSYS_COLOUR_WINDOW), below);
  const wxColour text = wxSystemSettings::GetColour(lightToolTips ? wxSYS_COLOUR_INFOTEXT
                                                                  : wxSYS_COLOUR_WINDOWTEXT);
  return {background, readableOn(text, background)};
}

}  // namespace kortavex
