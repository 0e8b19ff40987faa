#include "gui/images.h"

#include <cmath>
#include <cstring>
#include <functional>
#include <memory>

#include <wx/brush.h>
#include <wx/graphics.h>
#include <wx/pen.h>
#include <wx/image.h>

namespace kortavex {

namespace {

using Painter = std::function<void(wxGraphicsContext&, double width, double height)>;

// A picture of the given size, painted on a transparent background.
wxImage paint(int width, int height, const Painter& painter) {
  wxImage image(width, height);
  image.InitAlpha();
  std::memset(image.GetAlpha(), 0, static_cast<std::size_t>(width) * height);
  {
    const std::unique_ptr<wxGraphicsContext> gc(wxGraphicsContext::Create(image));
    if (gc) painter(*gc, width, height);
  }  // the context writes into the image when it is destroyed
  return image;
}

void fillRect(wxGraphicsContext& gc, const wxColour& colour, double x, double y, double w,
              double h) {
  gc.SetPen(*wxTRANSPARENT_PEN);
  gc.SetBrush(wxBrush(colour));
  gc.DrawRectangle(x, y, w, h);
}

void fillPolygon(wxGraphicsContext& gc, const wxColour& colour,
                 std::initializer_list<wxPoint2DDouble> corners) {
  wxGraphicsPath path = gc.CreatePath();
  bool first = true;
  for (const wxPoint2DDouble& p : corners) {
    if (first) path.MoveToPoint(p);
    else path.AddLineToPoint(p);
    first = false;
  }
  path.CloseSubpath();
  gc.SetPen(*wxTRANSPARENT_PEN);
  gc.SetBrush(wxBrush(colour));
  gc.FillPath(path);
}

// Horizontal stripes of equal height, top to bottom.
void horizontalStripes(wxGraphicsContext& gc, double w, double h,
                       std::initializer_list<wxColour> colours) {
  const double stripe = h / colours.size();
  double y = 0;
  for (const wxColour& colour : colours) {
    fillRect(gc, colour, 0, y, w, stripe);
    y += stripe;
  }
}

void unitedKingdom(wxGraphicsContext& gc, double w, double h) {
  const wxColour blue(1, 33, 105), red(200, 16, 46);
  fillRect(gc, blue, 0, 0, w, h);
  // the saltires as thick lines from corner to corner
  const auto diagonals = [&](const wxColour& colour, double thickness) {
    gc.SetPen(gc.CreatePen(wxGraphicsPenInfo(colour).Width(thickness)));
    gc.StrokeLine(0, 0, w, h);
    gc.StrokeLine(0, h, w, 0);
  };
  diagonals(*wxWHITE, h / 5);
  diagonals(red, h / 15);
  fillRect(gc, *wxWHITE, 0, h / 3, w, h / 3);
  fillRect(gc, *wxWHITE, (w - h / 3) / 2, 0, h / 3, h);
  fillRect(gc, red, 0, h * 2 / 5, w, h / 5);
  fillRect(gc, red, (w - h / 5) / 2, 0, h / 5, h);
}

void portugal(wxGraphicsContext& gc, double w, double h) {
  const double border = w * 2 / 5;
  fillRect(gc, wxColour(0, 102, 0), 0, 0, border, h);
  fillRect(gc, wxColour(255, 0, 0), border, 0, w - border, h);
  const double r = h / 4;
  gc.SetPen(*wxTRANSPARENT_PEN);
  gc.SetBrush(wxBrush(wxColour(255, 204, 0)));
  gc.DrawEllipse(border - r, h / 2 - r, 2 * r, 2 * r);
  fillRect(gc, *wxWHITE, border - r / 2, h / 2 - r / 2, r, r * 1.1);
  fillRect(gc, wxColour(255, 0, 0), border - r / 2 + 1, h / 2 - r / 2 + 1, r - 2, r * 1.1 - 2);
}

void czechia(wxGraphicsContext& gc, double w, double h) {
  horizontalStripes(gc, w, h, {*wxWHITE, wxColour(215, 20, 26)});
  fillPolygon(gc, wxColour(17, 69, 126), {{0, 0}, {w / 2, h / 2}, {0, h}});
}

}  // namespace

wxBitmap flagBitmap(Language language) {
  switch (language) {
    case Language::Deutsch:
      return wxBitmap(paint(27, 16, [](wxGraphicsContext& gc, double w, double h) {
        horizontalStripes(gc, w, h, {*wxBLACK, wxColour(221, 0, 0), wxColour(255, 206, 0)});
      }));
    case Language::English: return wxBitmap(paint(27, 18, unitedKingdom));
    case Language::Francais:
      return wxBitmap(paint(27, 18, [](wxGraphicsContext& gc, double w, double h) {
        fillRect(gc, wxColour(0, 85, 164), 0, 0, w / 3, h);
        fillRect(gc, *wxWHITE, w / 3, 0, w / 3, h);
        fillRect(gc, wxColour(239, 65, 53), w * 2 / 3, 0, w / 3, h);
      }));
    case Language::Espanol:
      return wxBitmap(paint(27, 18, [](wxGraphicsContext& gc, double w, double h) {
        const wxColour red(170, 21, 27), yellow(241, 191, 0);
        horizontalStripes(gc, w, h, {red, yellow, yellow, red});
      }));
    case Language::Portugues: return wxBitmap(paint(27, 18, portugal));
    case Language::Cestina: return wxBitmap(paint(27, 18, czechia));
    case Language::Polski:
      return wxBitmap(paint(27, 17, [](wxGraphicsContext& gc, double w, double h) {
        horizontalStripes(gc, w, h, {*wxWHITE, wxColour(220, 20, 60)});
      }));
  }
  return wxBitmap();
}

namespace {

// A globe with its graticule, filling a square of side `size` at (x, y).
void globe(wxGraphicsContext& gc, double x, double y, double size) {
  const double r = size / 2, cx = x + r, cy = y + r;
  gc.SetPen(gc.CreatePen(wxGraphicsPenInfo(wxColour(0, 51, 102)).Width(1)));
  gc.SetBrush(gc.CreateRadialGradientBrush(cx - r / 3, cy - r / 3, cx, cy, r,
                                           wxColour(120, 190, 255), wxColour(0, 70, 160)));
  gc.DrawEllipse(x + 0.5, y + 0.5, size - 1, size - 1);
  // land
  gc.SetPen(*wxTRANSPARENT_PEN);
  gc.SetBrush(wxBrush(wxColour(60, 160, 70)));
  gc.DrawEllipse(cx - r * 0.55, cy - r * 0.65, r * 0.7, r * 0.55);
  gc.DrawEllipse(cx + r * 0.05, cy - r * 0.1, r * 0.45, r * 0.75);
  // graticule
  gc.SetPen(gc.CreatePen(wxGraphicsPenInfo(wxColour(255, 255, 255, 170)).Width(1)));
  gc.SetBrush(*wxTRANSPARENT_BRUSH);
  for (const double f : {0.35, 0.75}) gc.DrawEllipse(cx - r * f, y + 0.5, 2 * r * f, size - 1);
  gc.StrokeLine(cx, y + 0.5, cx, y + size - 0.5);
  for (const double f : {-0.5, 0.0, 0.5}) {
    const double half = r * std::sqrt(1 - f * f);
    gc.StrokeLine(cx - half, cy + f * r, cx + half, cy + f * r);
  }
}

void rightArrow(wxGraphicsContext& gc, double x, double y, double w, double h,
                const wxColour& fill) {
  wxGraphicsPath path = gc.CreatePath();
  path.MoveToPoint(x, y + h * 0.3);
  path.AddLineToPoint(x + w * 0.55, y + h * 0.3);
  path.AddLineToPoint(x + w * 0.55, y);
  path.AddLineToPoint(x + w, y + h / 2);
  path.AddLineToPoint(x + w * 0.55, y + h);
  path.AddLineToPoint(x + w * 0.55, y + h * 0.7);
  path.AddLineToPoint(x, y + h * 0.7);
  path.CloseSubpath();
  gc.SetPen(gc.CreatePen(wxGraphicsPenInfo(wxColour(20, 60, 20)).Width(1)));
  gc.SetBrush(wxBrush(fill));
  gc.DrawPath(path);
}

}  // namespace

wxBitmap logoBitmap() {
  return wxBitmap(paint(51, 50, [](wxGraphicsContext& gc, double, double h) {
    globe(gc, 0.5, 0, h);
  }));
}

wxBitmap arrowBitmap() {
  return wxBitmap(paint(32, 32, [](wxGraphicsContext& gc, double w, double h) {
    rightArrow(gc, 1.5, 3.5, w - 3, h - 7, wxColour(50, 170, 60));
  }));
}

wxIcon windowIcon() {
  wxIcon icon;
  icon.CopyFromBitmap(wxBitmap(paint(32, 32, [](wxGraphicsContext& gc, double w, double h) {
    globe(gc, 0, 0, w);
    rightArrow(gc, w * 0.35, h * 0.55, w * 0.65 - 0.5, h * 0.45 - 0.5, wxColour(255, 160, 0));
  })));
  return icon;
}

}  // namespace kortavex
