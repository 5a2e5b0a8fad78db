// An RGB picture with the few drawing operations the placeholder painters need, and a built-in
// 5x7 bitmap font so pictures carry a readable label.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

#include "tools/assetgen/catalogue.h"

namespace assetgen {

struct Point {
  double x = 0, y = 0;
};

Rgb Scale(Rgb c, double factor);        // brighter above 1, darker below; clamped
Rgb Mix(Rgb a, Rgb b, double t);        // t = 0 gives a, 1 gives b
Rgb Desaturate(Rgb c, double amount);   // towards grey
Rgb HueColour(std::uint32_t seed);      // a saturated colour picked by a hash

class Canvas {
 public:
  Canvas(int width, int height, Rgb background);

  int width() const { return width_; }
  int height() const { return height_; }
  const std::vector<std::uint8_t>& pixels() const { return pixels_; }  // RGB, rows top-down
  Rgb At(int x, int y) const;

  void Put(int x, int y, Rgb c);  // clipped
  void FillRect(int x, int y, int w, int h, Rgb c);
  void Frame(int x, int y, int w, int h, int thickness, Rgb c);
  void VerticalGradient(Rgb top, Rgb bottom);
  void FillDisc(double cx, double cy, double r, Rgb c);
  // A sphere lit from the upper left: bright face, dark limb.
  void ShadedDisc(double cx, double cy, double r, Rgb c);
  void Ring(double cx, double cy, double rx, double ry, double thickness, Rgb c);
  void FillPolygon(const std::vector<Point>& points, Rgb c);  // even-odd rule
  void Line(Point a, Point b, double thickness, Rgb c);
  // Every pixel through a colour transform, e.g. to grey a whole picture out.
  template <class F>
  void Transform(F f) {
    for (std::size_t i = 0; i + 2 < pixels_.size(); i += 3) {
      Rgb c = f(Rgb{pixels_[i], pixels_[i + 1], pixels_[i + 2]});
      pixels_[i] = c.r, pixels_[i + 1] = c.g, pixels_[i + 2] = c.b;
    }
  }

 private:
  int width_, height_;
  std::vector<std::uint8_t> pixels_;
};

// Text in the 5x7 font; lower case is drawn as upper case, '_' as a space.
constexpr int kGlyphWidth = 5, kGlyphHeight = 7;
int TextWidth(std::string_view text, int scale);
void DrawText(Canvas& canvas, int x, int y, std::string_view text, int scale, Rgb colour);
// Word-wrapped, centred lines inside the box, each with a dark shadow; lines that do not fit the
// box's height are left out. Returns the number of lines drawn.
int DrawLabel(Canvas& canvas, std::string_view text, int x, int y, int w, int h, int scale, Rgb colour);

}  // namespace assetgen
