// A picture being drawn: a Cairo image surface (anti-aliased paths, gradients, compositing, text in
// Liberation Sans) plus a record of every text drawn on it, so a test can tell which pictures carry
// lettering.
#pragma once

#include <cairo.h>

#include <algorithm>
#include <cstdint>
#include <string>
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
double Luminance(Rgb c);                // relative luminance, 0 (black) .. 1 (white)

// Cairo and fontconfig keep their font caches for the whole run; the first text drawn arranges for
// them to be released at exit, so that a leak checker sees only the program's own memory.
void ReleaseFontCachesAtExit();

class Canvas {
 public:
  Canvas(int width, int height, Rgb background);
  ~Canvas();
  Canvas(Canvas&& other) noexcept;
  Canvas& operator=(Canvas&& other) noexcept;
  Canvas(const Canvas&) = delete;
  Canvas& operator=(const Canvas&) = delete;

  int width() const { return width_; }
  int height() const { return height_; }
  cairo_t* cr() const { return cr_; }
  cairo_surface_t* surface() const { return surface_; }

  std::vector<std::uint8_t> pixels() const;  // RGB, rows top-down
  Rgb At(int x, int y) const;
  void Put(int x, int y, Rgb c);  // clipped

  // Every pixel through f(x, y, old colour) -> new colour: for surfaces computed pixel by pixel.
  template <class F>
  void Shade(int x0, int y0, int x1, int y1, F f) {
    cairo_surface_flush(surface_);
    unsigned char* data = cairo_image_surface_get_data(surface_);
    const int stride = cairo_image_surface_get_stride(surface_);
    for (int y = std::max(0, y0); y < std::min(height_, y1); ++y) {
      auto* row = reinterpret_cast<std::uint32_t*>(data + y * stride);
      for (int x = std::max(0, x0); x < std::min(width_, x1); ++x) {
        std::uint32_t p = row[x];
        Rgb c = f(x, y, Rgb{std::uint8_t(p >> 16), std::uint8_t(p >> 8), std::uint8_t(p)});
        row[x] = 0xff000000u | std::uint32_t(c.r) << 16 | std::uint32_t(c.g) << 8 | c.b;
      }
    }
    cairo_surface_mark_dirty(surface_);
  }
  template <class F>
  void Transform(F f) {
    Shade(0, 0, width_, height_, [&](int, int, Rgb c) { return f(c); });
  }

  // Text in Liberation Sans centred on (cx, cy), `size` pixels high; recorded in texts().
  void Text(std::string_view text, double cx, double cy, double size, Rgb colour, bool bold = true);
  const std::vector<std::string>& texts() const { return texts_; }

 private:
  int width_, height_;
  cairo_surface_t* surface_;
  cairo_t* cr_;
  std::vector<std::string> texts_;
};

}  // namespace assetgen
