#pragma once
// A layout of fixed positions and sizes, made for text at 96 dots per inch,
// grown by the desktop's text scaling so that larger text still fits and
// nothing that was apart comes to overlap.

#include <cmath>

#include <wx/gdicmn.h>

namespace kortavex {

class LayoutScale {
 public:
  explicit LayoutScale(double factor = 1) : factor_(factor) {}

  int operator()(int pixels) const { return static_cast<int>(std::lround(pixels * factor_)); }
  wxPoint at(int x, int y) const { return wxPoint((*this)(x), (*this)(y)); }
  // A height or width of -1 stays the toolkit's default.
  wxSize size(int width, int height) const {
    return wxSize(width < 0 ? width : (*this)(width), height < 0 ? height : (*this)(height));
  }

 private:
  double factor_;
};

}  // namespace kortavex
