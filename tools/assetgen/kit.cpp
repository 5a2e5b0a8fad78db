#include "tools/assetgen/kit.h"

#include <algorithm>

#include "tools/assetgen/noise.h"

namespace assetgen {
namespace {

void AddStops(cairo_pattern_t* p, std::initializer_list<Stop> stops) {
  for (const Stop& s : stops)
    cairo_pattern_add_color_stop_rgba(p, s.at, s.colour.r / 255.0, s.colour.g / 255.0, s.colour.b / 255.0, s.alpha);
}

}  // namespace

void PolygonPath(cairo_t* cr, const std::vector<Point>& points) {
  cairo_new_path(cr);
  for (const Point& p : points) cairo_line_to(cr, p.x, p.y);
  cairo_close_path(cr);
}

void RoundedRect(cairo_t* cr, double x, double y, double w, double h, double r) {
  r = std::max(0.0, std::min({r, w / 2, h / 2}));
  cairo_new_sub_path(cr);
  cairo_arc(cr, x + w - r, y + r, r, -kPi / 2, 0);
  cairo_arc(cr, x + w - r, y + h - r, r, 0, kPi / 2);
  cairo_arc(cr, x + r, y + h - r, r, kPi / 2, kPi);
  cairo_arc(cr, x + r, y + r, r, kPi, 3 * kPi / 2);
  cairo_close_path(cr);
}

std::vector<Point> StarPoints(double cx, double cy, double outer, double inner, int points, double turn) {
  std::vector<Point> p;
  for (int i = 0; i < points * 2; ++i) {
    double r = i % 2 ? inner : outer, a = turn + i * kPi / points;
    p.push_back({cx + r * std::cos(a), cy + r * std::sin(a)});
  }
  return p;
}

void CornerBrackets(cairo_t* cr, double inset, double w, double h, double arm) {
  for (double x : {inset, w - inset})
    for (double y : {inset, h - inset}) {
      double dx = x < w / 2 ? arm : -arm, dy = y < h / 2 ? arm : -arm;
      cairo_move_to(cr, x + dx, y);
      cairo_line_to(cr, x, y);
      cairo_line_to(cr, x, y + dy);
    }
  cairo_stroke(cr);
}

void LinearSource(cairo_t* cr, double x0, double y0, double x1, double y1, std::initializer_list<Stop> stops) {
  cairo_pattern_t* p = cairo_pattern_create_linear(x0, y0, x1, y1);
  AddStops(p, stops);
  cairo_set_source(cr, p);
  cairo_pattern_destroy(p);
}

void RadialSource(cairo_t* cr, double cx, double cy, double r0, double r1, std::initializer_list<Stop> stops,
                  double fx, double fy) {
  cairo_pattern_t* p =
      cairo_pattern_create_radial(std::isnan(fx) ? cx : fx, std::isnan(fy) ? cy : fy, r0, cx, cy, r1);
  AddStops(p, stops);
  cairo_set_source(cr, p);
  cairo_pattern_destroy(p);
}

void Glow(cairo_t* cr, double cx, double cy, double r, Rgb colour, double strength) {
  cairo_save(cr);
  cairo_set_operator(cr, CAIRO_OPERATOR_ADD);
  RadialSource(cr, cx, cy, 0, r,
               {{0, colour, 0.9 * strength}, {0.25, colour, 0.45 * strength}, {1, colour, 0}});
  cairo_arc(cr, cx, cy, r, 0, 2 * kPi);
  cairo_fill(cr);
  cairo_restore(cr);
}

void Starfield(Context& k, double density, bool nebula, Rgb haze) {
  cairo_t* cr = k.cr();
  LinearSource(cr, 0, 0, k.w() * 0.3, k.h(), {{0, Rgb{4, 6, 16}}, {1, Rgb{10, 8, 22}}});
  cairo_paint(cr);
  Scatter r = k.scatter(0x51a7);
  if (nebula) {
    // Nebulae are smooth: their noise is taken on a coarse grid and blended between its points.
    Noise noise(r.Next());
    Rgb second = Mix(haze, Rgb{40, 90, 150}, 0.6);
    double scale = 2.6 / std::max(k.w(), k.h()), ox = r.Range(0, 50), oy = r.Range(0, 50);
    constexpr int kStep = 4;
    const int gw = int(k.w()) / kStep + 2, gh = int(k.h()) / kStep + 2;
    std::vector<double> dense(std::size_t(gw) * gh), faint(dense.size());
    for (int gy = 0; gy < gh; ++gy)
      for (int gx = 0; gx < gw; ++gx) {
        double x = gx * kStep, y = gy * kStep;
        dense[std::size_t(gy) * gw + gx] = noise.Fractal(x * scale + ox, y * scale + oy, 0.5, 5);
        faint[std::size_t(gy) * gw + gx] = noise.At(x * scale * 0.7 + 9, y * scale * 0.7 + 3, 2.5);
      }
    auto sample = [&](const std::vector<double>& grid, int x, int y) {
      int gx = x / kStep, gy = y / kStep;
      double fx = double(x % kStep) / kStep, fy = double(y % kStep) / kStep;
      auto at = [&](int ax, int ay) { return grid[std::size_t(ay) * gw + ax]; };
      return (at(gx, gy) * (1 - fx) + at(gx + 1, gy) * fx) * (1 - fy) + (at(gx, gy + 1) * (1 - fx) + at(gx + 1, gy + 1) * fx) * fy;
    };
    k.c.Shade(0, 0, int(k.w()), int(k.h()), [&](int x, int y, Rgb c) {
      double a = std::clamp((sample(dense, x, y) + 0.15) * 0.9, 0.0, 1.0);
      double b = std::clamp((sample(faint, x, y) + 0.1) * 0.8, 0.0, 1.0);
      Rgb out = Mix(c, haze, a * a * 0.55);
      return Mix(out, second, b * b * 0.35);
    });
  }
  const Rgb tints[] = {{255, 255, 255}, {200, 220, 255}, {255, 240, 210}, {255, 210, 170}, {170, 200, 255}};
  int count = int(k.w() * k.h() * density);
  for (int i = 0; i < count; ++i) {
    double x = r.Range(0, k.w()), y = r.Range(0, k.h()), u = r.Unit();
    Rgb tint = tints[r.Next() % 5];
    double size = u < 0.8 ? 0.45 : u < 0.97 ? 0.8 : 1.2;
    Source(cr, tint, u < 0.8 ? 0.25 + 0.5 * r.Unit() : 0.9);
    cairo_arc(cr, x, y, size, 0, 2 * kPi);
    cairo_fill(cr);
    if (u > 0.985 && k.w() > 60) Glow(cr, x, y, 5 + 4 * r.Unit(), tint, 0.5);
  }
}

void MetalPanel(Context& k, double x, double y, double w, double h, Rgb tint, double light, double radius) {
  cairo_t* cr = k.cr();
  Rgb top = Scale(tint, 1.25 * light), bottom = Scale(tint, 0.55 * light);
  RoundedRect(cr, x, y, w, h, radius);
  LinearSource(cr, 0, y, 0, y + h, {{0, top}, {0.5, Scale(tint, 0.85 * light)}, {1, bottom}});
  cairo_fill_preserve(cr);
  // A faint brushed grain: thin horizontal strokes of varying brightness.
  cairo_save(cr);
  cairo_clip(cr);
  Scatter r = k.scatter(0xb12e);
  for (double yy = y + 1; yy < y + h; yy += 2) {
    Source(cr, r.Unit() < 0.5 ? kWhite : kBlack, 0.025 + 0.03 * r.Unit());
    cairo_rectangle(cr, x, yy, w, 1);
    cairo_fill(cr);
  }
  cairo_restore(cr);
  // Bevel: a light upper edge and a dark lower one.
  cairo_set_line_width(cr, 1);
  RoundedRect(cr, x + 0.5, y + 0.5, w - 1, h - 1, radius);
  LinearSource(cr, 0, y, 0, y + h, {{0, Scale(tint, 2.4 * light)}, {0.5, Scale(tint, 1.1 * light), 0.6}, {1, Scale(tint, 0.3)}});
  cairo_stroke(cr);
  if (w > 8 && h > 8) {
    RoundedRect(cr, x + 2.5, y + 2.5, w - 5, h - 5, std::max(0.0, radius - 2));
    Source(cr, kBlack, 0.35);
    cairo_stroke(cr);
  }
}

}  // namespace assetgen
