#include "tools/assetgen/canvas.h"

#include <algorithm>
#include <cmath>
#include <string>

namespace assetgen {
namespace {

std::uint8_t Clamp(double v) { return static_cast<std::uint8_t>(std::clamp(std::lround(v), 0L, 255L)); }

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

Canvas::Canvas(int width, int height, Rgb background)
    : width_(width), height_(height), pixels_(static_cast<std::size_t>(width) * height * 3) {
  FillRect(0, 0, width, height, background);
}

Rgb Canvas::At(int x, int y) const {
  std::size_t i = (static_cast<std::size_t>(y) * width_ + x) * 3;
  return {pixels_[i], pixels_[i + 1], pixels_[i + 2]};
}

void Canvas::Put(int x, int y, Rgb c) {
  if (x < 0 || y < 0 || x >= width_ || y >= height_) return;
  std::size_t i = (static_cast<std::size_t>(y) * width_ + x) * 3;
  pixels_[i] = c.r, pixels_[i + 1] = c.g, pixels_[i + 2] = c.b;
}

void Canvas::FillRect(int x, int y, int w, int h, Rgb c) {
  int x0 = std::max(x, 0), y0 = std::max(y, 0);
  int x1 = std::min(x + w, width_), y1 = std::min(y + h, height_);
  for (int yy = y0; yy < y1; ++yy) {
    std::uint8_t* p = &pixels_[(static_cast<std::size_t>(yy) * width_ + x0) * 3];
    for (int xx = x0; xx < x1; ++xx, p += 3) p[0] = c.r, p[1] = c.g, p[2] = c.b;
  }
}

void Canvas::Frame(int x, int y, int w, int h, int t, Rgb c) {
  FillRect(x, y, w, t, c);
  FillRect(x, y + h - t, w, t, c);
  FillRect(x, y, t, h, c);
  FillRect(x + w - t, y, t, h, c);
}

void Canvas::VerticalGradient(Rgb top, Rgb bottom) {
  for (int y = 0; y < height_; ++y) FillRect(0, y, width_, 1, Mix(top, bottom, height_ > 1 ? double(y) / (height_ - 1) : 0));
}

void Canvas::FillDisc(double cx, double cy, double r, Rgb c) {
  int y0 = std::max(0, int(std::floor(cy - r))), y1 = std::min(height_ - 1, int(std::ceil(cy + r)));
  for (int y = y0; y <= y1; ++y) {
    double dy = y + 0.5 - cy, span = r * r - dy * dy;
    if (span < 0) continue;
    double half = std::sqrt(span);
    int x0 = int(std::lround(cx - half)), x1 = int(std::lround(cx + half));
    FillRect(x0, y, x1 - x0, 1, c);
  }
}

void Canvas::ShadedDisc(double cx, double cy, double r, Rgb c) {
  const double lx = -0.45, ly = -0.5, lz = 0.74;  // light from the upper left, towards the viewer
  int y0 = std::max(0, int(std::floor(cy - r))), y1 = std::min(height_ - 1, int(std::ceil(cy + r)));
  int x0 = std::max(0, int(std::floor(cx - r))), x1 = std::min(width_ - 1, int(std::ceil(cx + r)));
  for (int y = y0; y <= y1; ++y)
    for (int x = x0; x <= x1; ++x) {
      double nx = (x + 0.5 - cx) / r, ny = (y + 0.5 - cy) / r, d = nx * nx + ny * ny;
      if (d > 1) continue;
      double light = std::max(0.0, nx * lx + ny * ly + std::sqrt(1 - d) * lz);
      Put(x, y, Scale(c, 0.18 + 1.0 * light));
    }
}

void Canvas::Ring(double cx, double cy, double rx, double ry, double thickness, Rgb c) {
  int y0 = std::max(0, int(cy - ry - thickness)), y1 = std::min(height_ - 1, int(cy + ry + thickness));
  int x0 = std::max(0, int(cx - rx - thickness)), x1 = std::min(width_ - 1, int(cx + rx + thickness));
  for (int y = y0; y <= y1; ++y)
    for (int x = x0; x <= x1; ++x) {
      double nx = (x + 0.5 - cx) / rx, ny = (y + 0.5 - cy) / ry;
      double d = std::sqrt(nx * nx + ny * ny), edge = std::fabs(d - 1) * std::min(rx, ry);
      if (edge <= thickness / 2) Put(x, y, c);
    }
}

void Canvas::FillPolygon(const std::vector<Point>& pts, Rgb c) {
  if (pts.size() < 3) return;
  double top = pts[0].y, bottom = pts[0].y;
  for (const Point& p : pts) top = std::min(top, p.y), bottom = std::max(bottom, p.y);
  std::vector<double> xs;
  for (int y = std::max(0, int(std::floor(top))); y <= std::min(height_ - 1, int(std::ceil(bottom))); ++y) {
    double sy = y + 0.5;
    xs.clear();
    for (std::size_t i = 0; i < pts.size(); ++i) {
      const Point& a = pts[i];
      const Point& b = pts[(i + 1) % pts.size()];
      if ((a.y <= sy) != (b.y <= sy)) xs.push_back(a.x + (sy - a.y) * (b.x - a.x) / (b.y - a.y));
    }
    std::sort(xs.begin(), xs.end());
    for (std::size_t i = 0; i + 1 < xs.size(); i += 2) {
      int x0 = int(std::lround(xs[i])), x1 = int(std::lround(xs[i + 1]));
      FillRect(x0, y, x1 - x0, 1, c);
    }
  }
}

void Canvas::Line(Point a, Point b, double thickness, Rgb c) {
  double dx = b.x - a.x, dy = b.y - a.y, len = std::hypot(dx, dy);
  if (len == 0) return FillDisc(a.x, a.y, thickness / 2, c);
  double nx = -dy / len * thickness / 2, ny = dx / len * thickness / 2;
  FillPolygon({{a.x + nx, a.y + ny}, {b.x + nx, b.y + ny}, {b.x - nx, b.y - ny}, {a.x - nx, a.y - ny}}, c);
}

int DrawLabel(Canvas& canvas, std::string_view text, int x, int y, int w, int h, int scale, Rgb colour) {
  const int advance = (kGlyphWidth + 1) * scale, line_height = (kGlyphHeight + 2) * scale;
  const std::size_t per_line = std::max(1, (w + scale) / advance);
  const int max_lines = (h + 2 * scale) / line_height;
  // Greedy word wrap; a word longer than a line is broken.
  std::vector<std::string> lines;
  std::string current, word;
  auto flush_word = [&] {
    while (!word.empty()) {
      std::size_t room = current.empty() ? per_line : per_line - std::min(per_line, current.size() + 1);
      if (word.size() <= room) {
        current += (current.empty() ? "" : " ") + word;
        word.clear();
      } else if (current.empty()) {
        lines.push_back(word.substr(0, per_line));
        word.erase(0, per_line);
      } else {
        lines.push_back(current);
        current.clear();
      }
    }
  };
  for (char ch : text) {
    if (ch == ' ' || ch == '_')
      flush_word();
    else
      word += ch;
  }
  flush_word();
  if (!current.empty()) lines.push_back(current);
  int count = std::min<int>(static_cast<int>(lines.size()), max_lines);
  int top = y + (h - count * line_height + 2 * scale) / 2;
  Rgb shadow = Scale(colour, 0.12);
  for (int i = 0; i < count; ++i) {
    int left = x + (w - TextWidth(lines[i], scale)) / 2;
    DrawText(canvas, left + scale, top + i * line_height + scale, lines[i], scale, shadow);
    DrawText(canvas, left, top + i * line_height, lines[i], scale, colour);
  }
  return count;
}

}  // namespace assetgen
