#include "tools/assetgen/canvas.h"

#include <fontconfig/fontconfig.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <utility>

namespace assetgen {
namespace {

std::uint8_t Clamp(double v) { return static_cast<std::uint8_t>(std::clamp(std::lround(v), 0L, 255L)); }

double Linear(std::uint8_t v) {
  double s = v / 255.0;
  return s <= 0.04045 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4);
}

}  // namespace

Rgb Scale(Rgb c, double f) { return {Clamp(c.r * f), Clamp(c.g * f), Clamp(c.b * f)}; }

Rgb Mix(Rgb a, Rgb b, double t) {
  return {Clamp(a.r + (b.r - a.r) * t), Clamp(a.g + (b.g - a.g) * t), Clamp(a.b + (b.b - a.b) * t)};
}

Rgb Desaturate(Rgb c, double amount) {
  double grey = 0.3 * c.r + 0.59 * c.g + 0.11 * c.b;
  return Mix(c, Rgb{Clamp(grey), Clamp(grey), Clamp(grey)}, amount);
}

Rgb HueColour(std::uint32_t seed) {
  double h = (seed % 360) / 60.0, s = 0.6, v = 0.88;
  double c = v * s, x = c * (1 - std::fabs(std::fmod(h, 2.0) - 1)), m = v - c;
  double r = 0, g = 0, b = 0;
  switch (static_cast<int>(h)) {
    case 0: r = c, g = x; break;
    case 1: r = x, g = c; break;
    case 2: g = c, b = x; break;
    case 3: g = x, b = c; break;
    case 4: r = x, b = c; break;
    default: r = c, b = x; break;
  }
  return {Clamp((r + m) * 255), Clamp((g + m) * 255), Clamp((b + m) * 255)};
}

double Luminance(Rgb c) { return 0.2126 * Linear(c.r) + 0.7152 * Linear(c.g) + 0.0722 * Linear(c.b); }

void ReleaseFontCachesAtExit() {
  static const bool registered = [] {
    std::atexit([] {
      cairo_debug_reset_static_data();
      FcFini();
    });
    return true;
  }();
  (void)registered;
}

Canvas::Canvas(int width, int height, Rgb background)
    : width_(width),
      height_(height),
      surface_(cairo_image_surface_create(CAIRO_FORMAT_RGB24, width, height)),
      cr_(cairo_create(surface_)) {
  cairo_set_source_rgb(cr_, background.r / 255.0, background.g / 255.0, background.b / 255.0);
  cairo_paint(cr_);
}

Canvas::~Canvas() {
  if (cr_) cairo_destroy(cr_);
  if (surface_) cairo_surface_destroy(surface_);
}

Canvas::Canvas(Canvas&& other) noexcept
    : width_(other.width_),
      height_(other.height_),
      surface_(std::exchange(other.surface_, nullptr)),
      cr_(std::exchange(other.cr_, nullptr)),
      texts_(std::move(other.texts_)) {}

Canvas& Canvas::operator=(Canvas&& other) noexcept {
  std::swap(width_, other.width_);
  std::swap(height_, other.height_);
  std::swap(surface_, other.surface_);
  std::swap(cr_, other.cr_);
  std::swap(texts_, other.texts_);
  return *this;
}

std::vector<std::uint8_t> Canvas::pixels() const {
  cairo_surface_flush(surface_);
  const unsigned char* data = cairo_image_surface_get_data(surface_);
  const int stride = cairo_image_surface_get_stride(surface_);
  std::vector<std::uint8_t> out(static_cast<std::size_t>(width_) * height_ * 3);
  std::size_t i = 0;
  for (int y = 0; y < height_; ++y) {
    auto* row = reinterpret_cast<const std::uint32_t*>(data + y * stride);
    for (int x = 0; x < width_; ++x) {
      out[i++] = std::uint8_t(row[x] >> 16);
      out[i++] = std::uint8_t(row[x] >> 8);
      out[i++] = std::uint8_t(row[x]);
    }
  }
  return out;
}

Rgb Canvas::At(int x, int y) const {
  cairo_surface_flush(surface_);
  auto* row = reinterpret_cast<const std::uint32_t*>(cairo_image_surface_get_data(surface_) +
                                                      y * cairo_image_surface_get_stride(surface_));
  std::uint32_t p = row[x];
  return {std::uint8_t(p >> 16), std::uint8_t(p >> 8), std::uint8_t(p)};
}

void Canvas::Put(int x, int y, Rgb c) {
  Shade(x, y, x + 1, y + 1, [c](int, int, Rgb) { return c; });
}

void Canvas::Text(std::string_view text, double cx, double cy, double size, Rgb colour, bool bold) {
  ReleaseFontCachesAtExit();
  std::string s(text);
  texts_.push_back(s);
  cairo_save(cr_);
  cairo_select_font_face(cr_, "Liberation Sans", CAIRO_FONT_SLANT_NORMAL,
                         bold ? CAIRO_FONT_WEIGHT_BOLD : CAIRO_FONT_WEIGHT_NORMAL);
  cairo_set_font_size(cr_, size);
  cairo_text_extents_t e;
  cairo_text_extents(cr_, s.c_str(), &e);
  cairo_move_to(cr_, cx - e.width / 2 - e.x_bearing, cy - e.height / 2 - e.y_bearing);
  cairo_set_source_rgb(cr_, colour.r / 255.0, colour.g / 255.0, colour.b / 255.0);
  cairo_show_text(cr_, s.c_str());
  cairo_restore(cr_);
}

}  // namespace assetgen
