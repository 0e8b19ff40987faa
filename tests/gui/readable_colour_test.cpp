// The shades that the window takes for its texts, over backgrounds from black
// to white in every hue: they read wherever any colour can, and stay the
// colour they were meant to be.
#include <gtest/gtest.h>

#include "gui/readable_colour.h"
#include "wcag_contrast.h"

using namespace kortavex;

namespace {

// Mixing with white or black keeps the order of the channels: a blue stays
// bluer than it is red or green.
bool sameHueOrder(const wxColour& a, const wxColour& b) {
  const auto order = [](int x, int y) { return (x > y) - (x < y); };
  const int ca[] = {a.Red(), a.Green(), a.Blue()}, cb[] = {b.Red(), b.Green(), b.Blue()};
  for (int i = 0; i < 3; ++i)
    for (int k = i + 1; k < 3; ++k)
      if (order(ca[i], ca[k]) * order(cb[i], cb[k]) < 0) return false;
  return true;
}

TEST(ReadableColour, ReadsWhereverAnyColourCanAndKeepsItsHue) {
  const wxColour wanted[] = {wxColour(0, 0, 255),   wxColour(255, 0, 0), wxColour(0, 0, 128),
                             wxColour(128, 128, 0), wxColour(128, 0, 0), wxColour(0, 0, 0),
                             wxColour(255, 255, 255)};
  const wxColour white(255, 255, 255), black(0, 0, 0);
  for (int r = 0; r <= 255; r += 51) {
    for (int g = 0; g <= 255; g += 51) {
      for (int b = 0; b <= 255; b += 51) {
        const wxColour background(r, g, b);
        const double best =
            std::max(wcagContrast(white, background), wcagContrast(black, background));
        for (const wxColour& colour : wanted) {
          const wxColour shade = readableOn(colour, background);
          SCOPED_TRACE(colour.GetAsString(wxC2S_HTML_SYNTAX) + " on " +
                       background.GetAsString(wxC2S_HTML_SYNTAX) + " gives " +
                       shade.GetAsString(wxC2S_HTML_SYNTAX));
          // where no colour reaches 4.5:1, the one that comes nearest
          EXPECT_GE(wcagContrast(shade, background), std::min(best, 4.5) - 1e-9);
          EXPECT_TRUE(sameHueOrder(colour, shade));
          if (wcagContrast(colour, background) >= 4.5) {
            EXPECT_EQ(shade, colour);  // what reads already stays as it is
          }
        }
      }
    }
  }
}

TEST(ReadableColour, TranslucentColoursShowAsTheirBlend) {
  const wxColour below(241, 240, 238);
  EXPECT_EQ(opaqueOver(wxColour(0, 0, 0, 204), below), wxColour(48, 48, 48));
  EXPECT_EQ(opaqueOver(wxColour(10, 20, 30, 255), below), wxColour(10, 20, 30));
  EXPECT_EQ(opaqueOver(wxColour(10, 20, 30, 0), below), below);
}

}  // namespace
