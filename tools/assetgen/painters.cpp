#include "tools/assetgen/painters.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>
#include <vector>

namespace assetgen {
namespace {

constexpr Rgb kBlack{0, 0, 0}, kWhite{255, 255, 255}, kYellow{255, 220, 90}, kGreen{70, 200, 90};
constexpr Rgb kGold{235, 195, 60}, kSkin{225, 185, 150}, kCyan{90, 205, 255};
constexpr double kPi = 3.14159265358979323846;

// Small deterministic generator for scattered details (stars, windows, blotches).
struct Scatter {
  std::uint32_t state;
  explicit Scatter(std::uint32_t seed) : state(seed | 1) {}
  std::uint32_t Next() {
    state ^= state << 13, state ^= state >> 17, state ^= state << 5;
    return state;
  }
  double Unit() { return (Next() % 10000) / 10000.0; }
};

struct Context {
  Canvas& c;
  const Style& s;
  const Asset& a;
  Rgb base;  // the shape's own colour
  int w() const { return c.width(); }
  int h() const { return c.height(); }
  Rgb main() const { return s.tint.value_or(base); }
  Scatter scatter() const { return Scatter(Hash(a.file)); }
};

// The label across the bottom of a picture; small pictures carry none (their shape says enough).
void Caption(Context& k, Rgb colour = kWhite) {
  if (k.h() < 40 || k.w() < 30) return;
  int scale = k.w() >= 150 && k.h() >= 100 ? 2 : 1;
  int line = (kGlyphHeight + 2) * scale;
  DrawLabel(k.c, k.a.label, 2, k.h() - 2 * line - 2, k.w() - 4, 2 * line, scale, colour);
}

void Stars(Context& k, int count) {
  Scatter r = k.scatter();
  for (int i = 0; i < count; ++i) {
    int x = int(r.Next() % std::max(1, k.w())), y = int(r.Next() % std::max(1, k.h()));
    k.c.Put(x, y, Scale(kWhite, 0.4 + r.Unit() * 0.6));
  }
}

std::vector<Point> StarPolygon(double cx, double cy, double outer, double inner, int points, double turn = -kPi / 2) {
  std::vector<Point> p;
  for (int i = 0; i < points * 2; ++i) {
    double r = i % 2 ? inner : outer, a = turn + i * kPi / points;
    p.push_back({cx + r * std::cos(a), cy + r * std::sin(a)});
  }
  return p;
}

// ---- Buttons, tabs, hot spots ----------------------------------------------------------------------

// A bevelled plate; the lit twin is brighter with a yellow rim, the "on" state green with a lamp.
void PaintButton(Context& k) {
  Rgb fill = k.main();
  if (k.s.on) fill = Mix(fill, kGreen, 0.55);
  if (k.s.lit) fill = Scale(fill, 1.55);
  if (k.s.off) fill = Scale(Desaturate(fill, 0.6), 0.6);
  k.c.FillRect(0, 0, k.w(), k.h(), Scale(fill, 0.45));
  k.c.FillRect(2, 2, k.w() - 4, k.h() - 4, fill);
  k.c.FillRect(2, 2, k.w() - 4, std::max(1, k.h() / 8), Scale(fill, 1.35));
  k.c.FillRect(2, k.h() - 2 - std::max(1, k.h() / 8), k.w() - 4, std::max(1, k.h() / 8), Scale(fill, 0.7));
  k.c.Frame(0, 0, k.w(), k.h(), k.s.lit ? 2 : 1, k.s.lit ? kYellow : Scale(fill, 1.8));
  if (k.s.on) k.c.FillDisc(k.w() - 8, k.h() / 2.0, std::max(2.0, k.h() / 8.0), Scale(kGreen, 1.3));
  DrawText(k.c, 4, 4, k.a.label, 1, Mix(fill, kWhite, k.s.lit ? 0.85 : 0.6));
}

// Corner brackets and a cross hair over a dark field.
void PaintHotspot(Context& k) {
  Rgb edge = k.main();
  if (k.s.on) edge = Mix(edge, kGreen, 0.6);
  if (k.s.lit) edge = Scale(edge, 1.5);
  k.c.FillRect(0, 0, k.w(), k.h(), Scale(edge, k.s.lit || k.s.on ? 0.35 : 0.15));
  int l = std::min(k.w(), k.h()) / 3, t = k.s.lit || k.s.on ? 3 : 2;
  for (int cx : {0, k.w() - l})
    for (int cy : {0, k.h() - t}) k.c.FillRect(cx, cy, l, t, edge);
  for (int cx : {0, k.w() - t})
    for (int cy : {0, k.h() - l}) k.c.FillRect(cx, cy, t, l, edge);
  k.c.Ring(k.w() / 2.0, k.h() / 2.0 - 6, 9, 9, 2, edge);
  DrawLabel(k.c, k.a.label, 2, k.h() - 16, k.w() - 4, 12, 1, Mix(edge, kWhite, 0.5));
}

// ---- Scenes and frames -----------------------------------------------------------------------------

void PaintScene(Context& k) {
  Rgb t = k.main();
  k.c.VerticalGradient(Scale(t, 0.15), Scale(t, 0.55));
  Stars(k, k.w() * k.h() / 400);
  Scatter r = k.scatter();
  double pr = k.h() * (0.25 + 0.1 * r.Unit());
  k.c.ShadedDisc(k.w() * (0.6 + 0.2 * r.Unit()), k.h() * 0.45, pr, Mix(t, kWhite, 0.25));
  std::vector<Point> ground{{0.0, k.h() * 0.78}};
  for (int i = 0; i <= 8; ++i) ground.push_back({k.w() * i / 8.0, k.h() * (0.7 + 0.1 * r.Unit())});
  ground.push_back({double(k.w()), double(k.h())});
  ground.push_back({0.0, double(k.h())});
  k.c.FillPolygon(ground, Scale(t, 0.3));
  Caption(k);
}

void PaintBurst(Context& k) {
  k.c.VerticalGradient(Rgb{10, 5, 20}, Rgb{40, 10, 5});
  Stars(k, 60);
  double cx = k.w() / 2.0, cy = k.h() * 0.42, r = std::min(k.w(), k.h()) * 0.4;
  k.c.FillPolygon(StarPolygon(cx, cy, r, r * 0.45, 14), Rgb{230, 90, 20});
  k.c.FillPolygon(StarPolygon(cx, cy, r * 0.7, r * 0.35, 9, 0.3), Rgb{255, 170, 40});
  k.c.FillDisc(cx, cy, r * 0.28, Rgb{255, 240, 180});
  Caption(k);
}

// A deck area seen from above: walls, floor grid, doors to the next areas.
void PaintDeck(Context& k) {
  Rgb wall = k.main();
  k.c.FillRect(0, 0, k.w(), k.h(), Rgb{25, 28, 32});
  for (int x = 10; x < k.w(); x += 12) k.c.FillRect(x, 0, 1, k.h(), Rgb{45, 48, 55});
  for (int y = 10; y < k.h(); y += 12) k.c.FillRect(0, y, k.w(), 1, Rgb{45, 48, 55});
  k.c.Frame(0, 0, k.w(), k.h(), 6, wall);
  k.c.FillRect(0, k.h() / 2 - 10, 6, 20, Rgb{25, 28, 32});
  k.c.FillRect(k.w() - 6, k.h() / 2 - 10, 6, 20, Rgb{25, 28, 32});
  DrawLabel(k.c, k.a.label, 8, 8, k.w() - 16, k.h() - 16, k.w() >= 150 ? 2 : 1, Mix(wall, kWhite, 0.5));
}

void PaintFrame(Context& k) {
  Rgb b = k.main();
  k.c.FillRect(0, 0, k.w(), k.h(), b);
  k.c.Frame(0, 0, k.w(), k.h(), 2, Scale(b, 1.8));
  k.c.Frame(3, 3, k.w() - 6, k.h() - 6, 1, Scale(b, 0.6));
  for (int x : {6, k.w() - 7})
    for (int y : {6, k.h() - 7}) k.c.FillDisc(x + 0.5, y + 0.5, 2, Scale(b, 2.2));
  DrawLabel(k.c, k.a.label, 8, 8, k.w() - 16, k.h() - 16, k.w() >= 150 && k.h() >= 60 ? 2 : 1, Scale(b, 3.0));
}

// ---- People ----------------------------------------------------------------------------------------

void PaintPortrait(Context& k) {
  Rgb t = k.main();
  double w = k.w(), h = k.h(), cx = w / 2;
  k.c.VerticalGradient(Scale(t, 0.35), Scale(t, 0.12));
  double head = std::min(w, h) * 0.2, cy = h * 0.38;
  k.c.FillPolygon({{cx - w * 0.38, h}, {cx - w * 0.3, h * 0.66}, {cx + w * 0.3, h * 0.66}, {cx + w * 0.38, h}}, t);
  k.c.FillPolygon({{cx - w * 0.07, h * 0.66}, {cx, h * 0.8}, {cx + w * 0.07, h * 0.66}}, Scale(t, 1.5));
  if (k.s.Has("droid")) {
    Rgb metal{170, 175, 185};
    k.c.FillRect(int(cx - head), int(cy - head), int(2 * head), int(2 * head), metal);
    k.c.FillRect(int(cx - head * 0.8), int(cy - head * 0.2), int(head * 1.6), std::max(2, int(head * 0.3)), Rgb{230, 40, 40});
    k.c.Line({cx, cy - head}, {cx, cy - head * 1.6}, 2, metal);
    k.c.FillDisc(cx, cy - head * 1.6, 3, Rgb{230, 40, 40});
  } else {
    int age = k.s.Int("age", 35);
    Rgb hair = age >= 70 ? Rgb{225, 225, 225} : age >= 50 ? Rgb{140, 135, 130} : Rgb{70, 45, 30};
    k.c.FillRect(int(cx - head * 0.35), int(cy + head * 0.8), int(head * 0.7), int(h * 0.66 - cy - head * 0.7), kSkin);
    k.c.FillDisc(cx, cy - head * 0.15, head * 1.05, hair);
    k.c.FillDisc(cx, cy + head * 0.05, head * 0.95, kSkin);
    k.c.FillDisc(cx - head * 0.38, cy - head * 0.05, std::max(1.0, head * 0.12), Rgb{40, 40, 60});
    k.c.FillDisc(cx + head * 0.38, cy - head * 0.05, std::max(1.0, head * 0.12), Rgb{40, 40, 60});
    k.c.Line({cx - head * 0.3, cy + head * 0.5}, {cx + head * 0.3, cy + head * 0.5}, std::max(1.0, head * 0.08), Rgb{150, 80, 70});
  }
  Caption(k);
}

// ---- Ships, missiles, gun fire ---------------------------------------------------------------------

// Hull outlines pointing east in a unit box: x 0..1 from tail to nose, y -0.5..0.5.
const std::vector<std::vector<Point>> kHulls = {
    {{1, 0}, {0.1, -0.45}, {0.25, 0}, {0.1, 0.45}},
    {{1, 0}, {0.55, -0.12}, {0.3, -0.5}, {0.15, -0.5}, {0.25, -0.12}, {0, -0.12}, {0, 0.12}, {0.25, 0.12},
     {0.15, 0.5}, {0.3, 0.5}, {0.55, 0.12}},
    {{0.85, -0.3}, {1, -0.1}, {1, 0.1}, {0.85, 0.3}, {0.05, 0.3}, {0, 0.2}, {0, -0.2}, {0.05, -0.3}},
    {{1, 0}, {0.7, -0.2}, {0.4, -0.25}, {0.3, -0.45}, {0.05, -0.45}, {0.1, -0.2}, {0, -0.15}, {0, 0.15},
     {0.1, 0.2}, {0.05, 0.45}, {0.3, 0.45}, {0.4, 0.25}, {0.7, 0.2}},
    {{1, -0.05}, {0.6, -0.35}, {0.2, -0.35}, {0, -0.2}, {0, 0.2}, {0.2, 0.35}, {0.6, 0.35}, {1, 0.05}},
};

struct Placed {
  std::vector<Point> outline;
  Point nose, tail;
};

Placed PlaceHull(const Style& s, double x, double y, double w, double h, bool west) {
  const auto& hull = kHulls[Hash(s.Text("hull")) % kHulls.size()];
  auto map = [&](Point p) { return Point{west ? x + (1 - p.x) * w : x + p.x * w, y + h / 2 + p.y * h}; };
  Placed out;
  for (Point p : hull) out.outline.push_back(map(p));
  out.nose = map({1, 0});
  out.tail = map({0, 0});
  return out;
}

void OutlinePolygon(Canvas& c, const std::vector<Point>& pts, Rgb colour) {
  for (std::size_t i = 0; i < pts.size(); ++i) c.Line(pts[i], pts[(i + 1) % pts.size()], 1.5, colour);
}

void PaintShip(Context& k) {
  Rgb livery = Mix(Rgb{150, 155, 165}, k.main(), 0.6);
  double w = k.w(), h = k.h();
  bool west = k.s.Has("west");
  if (k.s.Has("top") || k.s.Has("side")) {
    Rgb wire = k.s.Has("top") ? Rgb{80, 230, 120} : kCyan;
    k.c.FillRect(0, 0, k.w(), k.h(), kBlack);
    for (int x = 0; x < k.w(); x += 20) k.c.FillRect(x, 0, 1, k.h(), Scale(wire, 0.15));
    for (int y = 0; y < k.h(); y += 20) k.c.FillRect(0, y, k.w(), 1, Scale(wire, 0.15));
    if (k.s.Has("empty")) {  // an empty place: a dashed outline and a cross
      for (int x = 20; x < k.w() - 20; x += 8) k.c.FillRect(x, 20, 4, 1, wire), k.c.FillRect(x, k.h() - 40, 4, 1, wire);
      k.c.Line({w * 0.3, h * 0.25}, {w * 0.7, h * 0.65}, 2, Scale(wire, 0.7));
      k.c.Line({w * 0.3, h * 0.65}, {w * 0.7, h * 0.25}, 2, Scale(wire, 0.7));
      Caption(k, wire);
      return;
    }
    double squash = k.s.Has("side") ? 0.45 : 0.75;
    Placed p = PlaceHull(k.s, w * 0.1, h * (0.45 - squash / 2), w * 0.8, h * squash, false);
    OutlinePolygon(k.c, p.outline, wire);
    k.c.Line(p.tail, p.nose, 1, Scale(wire, 0.6));
    Caption(k, wire);
    return;
  }
  if (k.s.Has("scene")) {
    k.c.VerticalGradient(Rgb{5, 5, 20}, Scale(k.main(), 0.3));
    Stars(k, k.w() * k.h() / 300);
  } else {
    k.c.FillRect(0, 0, k.w(), k.h(), kBlack);
  }
  double bx = w * 0.12, bw = w * 0.7, bh = h * (k.s.Has("scene") ? 0.45 : 0.6), by = h * 0.45 - bh / 2;
  if (west) bx = w - bx - bw;
  Placed p = PlaceHull(k.s, bx, by, bw, bh, west);
  k.c.FillDisc(p.tail.x + (west ? 2 : -2), p.tail.y, bh * 0.12, Rgb{255, 150, 40});
  k.c.FillPolygon(p.outline, livery);
  OutlinePolygon(k.c, p.outline, Scale(livery, 1.4));
  Point cockpit{p.nose.x + (west ? 1 : -1) * bw * 0.22, p.nose.y};
  k.c.FillDisc(cockpit.x, cockpit.y, bh * 0.07, Rgb{150, 220, 255});
  if (k.s.Has("shield")) {
    k.c.Ring(bx + bw / 2, by + bh / 2, bw * 0.6, bh * 0.75, 3, kCyan);
    k.c.Ring(bx + bw / 2, by + bh / 2, bw * 0.64, bh * 0.8, 1, Scale(kCyan, 0.6));
  }
  if (int fire = k.s.Int("fire", 0); fire > 0) {
    Rgb beam = HueColour(std::uint32_t(fire) * 45 + 10);
    double end = west ? 0 : w;
    for (int i = 0; i < std::min(fire, 4); ++i) {
      double dy = (i - (std::min(fire, 4) - 1) / 2.0) * h * 0.06;
      k.c.Line({p.nose.x, p.nose.y + dy}, {end, p.nose.y + dy * (1 + fire * 0.3)}, 2 + fire % 3, beam);
    }
    k.c.FillDisc(p.nose.x, p.nose.y, 4 + fire, Mix(beam, kWhite, 0.6));
  }
  Caption(k, Mix(livery, kWhite, 0.5));
}

void PaintMissile(Context& k) {
  Rgb body = Mix(Rgb{190, 190, 200}, k.main(), 0.5);
  double w = k.w(), h = k.h(), cy = h / 2;
  k.c.FillRect(0, 0, k.w(), k.h(), kBlack);
  if (k.s.Has("mine")) {
    double r = std::min(w, h) * 0.32;
    k.c.FillPolygon(StarPolygon(w / 2, cy, r * 1.35, r * 0.8, 10), Scale(body, 0.7));
    k.c.ShadedDisc(w / 2, cy, r, body);
    k.c.FillDisc(w / 2, cy, r * 0.3, Rgb{240, 50, 40});
    return;
  }
  bool west = k.s.Has("west");
  auto X = [&](double u) { return west ? w - u * w : u * w; };
  k.c.FillPolygon({{X(0.02), cy - h * 0.06}, {X(0.2), cy - h * 0.12}, {X(0.2), cy + h * 0.12}, {X(0.02), cy + h * 0.06}},
                  Rgb{255, 160, 40});
  k.c.FillPolygon({{X(0.2), cy - h * 0.1}, {X(0.78), cy - h * 0.1}, {X(0.95), cy}, {X(0.78), cy + h * 0.1}, {X(0.2), cy + h * 0.1}}, body);
  k.c.FillPolygon({{X(0.2), cy - h * 0.1}, {X(0.32), cy - h * 0.1}, {X(0.22), cy - h * 0.3}}, Scale(body, 0.7));
  k.c.FillPolygon({{X(0.2), cy + h * 0.1}, {X(0.32), cy + h * 0.1}, {X(0.22), cy + h * 0.3}}, Scale(body, 0.7));
}

void PaintBeam(Context& k) {
  Rgb beam = Mix(Rgb{255, 120, 60}, k.main(), 0.4);
  k.c.FillRect(0, 0, k.w(), k.h(), kBlack);
  for (int i = 0; i < 3; ++i) {
    double y = k.h() * (0.25 + 0.25 * i);
    k.c.Line({0, y}, {double(k.w()), y}, 3, beam);
    k.c.Line({0, y}, {double(k.w()), y}, 1, Mix(beam, kWhite, 0.7));
  }
  k.c.FillDisc(k.s.Has("west") ? k.w() - 4 : 4, k.h() / 2.0, k.h() * 0.3, Mix(beam, kWhite, 0.5));
}

// ---- Planets and the map ---------------------------------------------------------------------------

void Blotches(Context& k, double cx, double cy, double r) {
  Scatter s = k.scatter();
  for (int i = 0; i < 7; ++i) {
    double a = s.Unit() * 2 * kPi, d = s.Unit() * r * 0.7, br = r * (0.12 + 0.2 * s.Unit());
    double bx = cx + d * std::cos(a), by = cy + d * std::sin(a), f = i % 2 ? 0.75 : 1.2;
    for (int y = int(by - br); y <= int(by + br); ++y)
      for (int x = int(bx - br); x <= int(bx + br); ++x) {
        if (x < 0 || y < 0 || x >= k.w() || y >= k.h()) continue;
        double px = x + 0.5, py = y + 0.5;
        if (std::hypot(px - bx, py - by) <= br && std::hypot(px - cx, py - cy) < r - 0.5) k.c.Put(x, y, Scale(k.c.At(x, y), f));
      }
  }
}

// Cloud bands across a gas giant.
void Bands(Context& k, double cx, double cy, double r) {
  for (int y = std::max(0, int(cy - r)); y < std::min(k.h(), int(cy + r) + 1); ++y) {
    if (int(std::floor((y + 0.5 - cy) / (r * 0.22))) % 2 == 0) continue;
    for (int x = std::max(0, int(cx - r)); x < std::min(k.w(), int(cx + r) + 1); ++x)
      if (std::hypot(x + 0.5 - cx, y + 0.5 - cy) < r) k.c.Put(x, y, Scale(k.c.At(x, y), 0.78));
  }
}

void PaintPlanet(Context& k) {
  Rgb t = k.main();
  double w = k.w(), h = k.h(), cx = w / 2, cy = h / 2, r = std::min(w, h) * 0.4;
  k.c.FillRect(0, 0, k.w(), k.h(), kBlack);
  if (k.h() >= 100) Stars(k, k.w() * k.h() / 250);
  if (k.s.Has("star")) {
    for (int i = 6; i >= 1; --i) k.c.FillDisc(cx, cy, r * (1 + 0.05 * i), Scale(t, 0.5 - 0.07 * i));
    k.c.FillDisc(cx, cy, r, t);
    k.c.FillDisc(cx - r * 0.15, cy - r * 0.15, r * 0.6, Mix(t, kWhite, 0.5));
  } else if (k.s.Has("hole")) {
    for (int i = 8; i >= 1; --i) k.c.FillDisc(cx, cy, r * i / 8.0, i % 2 ? t : Scale(t, 0.4));
    k.c.FillDisc(cx, cy, r * 0.2, kBlack);
  } else if (k.s.Has("belt")) {
    Scatter s = k.scatter();
    for (int i = 0; i < 28; ++i) {
      double a = s.Unit() * 2 * kPi, d = r * (0.5 + 0.5 * s.Unit());
      k.c.ShadedDisc(cx + d * std::cos(a), cy + d * std::sin(a) * 0.6, r * (0.06 + 0.1 * s.Unit()), t);
    }
  } else if (k.s.Has("base")) {
    Rgb metal{160, 165, 175};
    k.c.FillRect(int(cx - r), int(cy - r * 0.12), int(2 * r), std::max(2, int(r * 0.24)), Scale(metal, 0.8));
    k.c.FillRect(int(cx - r * 0.12), int(cy - r), std::max(2, int(r * 0.24)), int(2 * r), Scale(metal, 0.8));
    k.c.ShadedDisc(cx, cy, r * 0.55, metal);
    k.c.FillDisc(cx, cy, r * 0.2, t);
  } else {
    k.c.ShadedDisc(cx, cy, r, t);
    if (k.s.Has("gas"))
      Bands(k, cx, cy, r);
    else
      Blotches(k, cx, cy, r);
  }
  if (k.s.Has("ring")) k.c.Ring(cx, cy, r * 1.2, r * 0.35, std::max(1.0, r * 0.08), Mix(t, kWhite, 0.3));
  if (k.s.dim) k.c.Transform([](Rgb c) { return Scale(Desaturate(c, 0.9), 0.6); });
  Caption(k);
}

void PaintCity(Context& k) {
  Rgb t = k.main();
  k.c.VerticalGradient(Rgb{10, 10, 35}, Scale(t, 0.5));
  Stars(k, 40);
  Scatter s = k.scatter();
  for (int x = 0; x < k.w();) {
    int bw = 10 + int(s.Next() % 18), bh = int(k.h() * (0.25 + 0.45 * s.Unit()));
    Rgb block = Scale(t, 0.25 + 0.2 * s.Unit());
    k.c.FillRect(x, k.h() - bh, bw - 2, bh, block);
    for (int wy = k.h() - bh + 4; wy < k.h() - 4; wy += 6)
      for (int wx = x + 2; wx < x + bw - 4; wx += 4)
        if (s.Next() % 3 == 0) k.c.FillRect(wx, wy, 2, 2, Rgb{255, 220, 120});
    x += bw;
  }
  Caption(k);
}

// The space-find icons of the travel map: each kind its own shape.
void PaintFind(Context& k) {
  double w = k.w(), h = k.h(), cx = w / 2, cy = h / 2, r = std::min(w, h) * 0.4;
  k.c.FillRect(0, 0, k.w(), k.h(), kBlack);
  if (k.s.Has("pod")) {
    k.c.FillRect(int(cx - r * 0.5), int(cy - r * 0.5), int(r), int(r), Rgb{230, 230, 235});
    k.c.FillDisc(cx - r * 0.5, cy, r * 0.5, Rgb{230, 230, 235});
    k.c.FillDisc(cx + r * 0.5, cy, r * 0.5, Rgb{230, 230, 235});
    k.c.FillDisc(cx + r * 0.5, cy, r * 0.25, Rgb{240, 80, 60});
  } else if (k.s.Has("chest")) {
    k.c.FillRect(int(cx - r), int(cy - r * 0.6), int(2 * r), int(1.4 * r), kGold);
    k.c.FillRect(int(cx - r), int(cy - r * 0.15), int(2 * r), 2, Rgb{120, 80, 20});
    k.c.FillRect(int(cx - 2), int(cy - r * 0.15), 4, 5, Rgb{120, 80, 20});
  } else if (k.s.Has("ghost")) {
    std::vector<Point> hull{{cx + r, cy}, {cx - r, cy - r * 0.7}, {cx - r * 0.5, cy}, {cx - r, cy + r * 0.7}};
    k.c.FillPolygon(hull, Rgb{80, 90, 95});
    OutlinePolygon(k.c, hull, Rgb{120, 255, 160});
  } else if (k.s.Has("artifact")) {
    k.c.FillDisc(cx, cy, r * 1.1, Rgb{60, 20, 90});
    k.c.FillPolygon({{cx, cy - r}, {cx + r * 0.6, cy}, {cx, cy + r}, {cx - r * 0.6, cy}}, Rgb{200, 120, 255});
  } else {
    k.c.FillRect(int(cx - r), int(cy - r), int(2 * r), int(2 * r), Rgb{40, 90, 200});
    for (int i = 0; i < 4; ++i) k.c.FillRect(int(cx - r * 0.7), int(cy - r * 0.6 + i * r * 0.4), int(r * 1.4), 2, kWhite);
  }
}

void PaintBlip(Context& k) {
  Rgb t = k.main();
  double cx = k.w() / 2.0, cy = k.h() / 2.0, r = std::min(k.w(), k.h()) * 0.3;
  k.c.FillRect(0, 0, k.w(), k.h(), kBlack);
  k.c.Ring(cx, cy, r * 1.4, r * 1.4, 1.5, Scale(t, 0.7));
  k.c.ShadedDisc(cx, cy, r, t);
  if (k.s.Has("battle")) {
    k.c.Line({cx - r, cy - r}, {cx + r, cy + r}, 2, kWhite);
    k.c.Line({cx - r, cy + r}, {cx + r, cy - r}, 2, kWhite);
  } else if (!k.a.label.empty()) {  // the owner's initial, so owners differ by more than colour
    DrawText(k.c, int(cx) - 2, int(cy) - 3, k.a.label.substr(0, 1), 1, kWhite);
  }
}

// ---- Uniforms and awards ---------------------------------------------------------------------------

void PaintUniform(Context& k) {
  Rgb cloth = Scale(k.main(), 0.6);
  double w = k.w(), h = k.h(), cx = w / 2, waist = k.s.Has("fem") ? 0.3 : 0.36;
  k.c.VerticalGradient(Rgb{50, 50, 55}, Rgb{20, 20, 25});
  std::vector<Point> jacket{{cx - w * 0.45, h * 0.3}, {cx - w * 0.2, h * 0.15}, {cx + w * 0.2, h * 0.15},
                            {cx + w * 0.45, h * 0.3},  {cx + w * 0.4, h * 0.6},  {cx + w * waist, h * 0.95},
                            {cx - w * waist, h * 0.95}, {cx - w * 0.4, h * 0.6}};
  k.c.FillPolygon(jacket, cloth);
  k.c.FillPolygon({{cx - w * 0.1, h * 0.15}, {cx, h * 0.35}, {cx + w * 0.1, h * 0.15}}, Rgb{230, 230, 230});
  k.c.Line({cx - w * 0.1, h * 0.15}, {cx, h * 0.45}, 3, Scale(cloth, 1.5));
  k.c.Line({cx + w * 0.1, h * 0.15}, {cx, h * 0.45}, 3, Scale(cloth, 1.5));
  for (int i = 0; i < 4; ++i) k.c.FillDisc(cx, h * (0.5 + 0.1 * i), 4, kGold);
  if (k.s.Has("com")) {
    OutlinePolygon(k.c, jacket, kGold);
    k.c.FillRect(int(cx - w * 0.45), int(h * 0.3), int(w * 0.9), 3, kGold);
  }
  DrawLabel(k.c, k.a.label, 4, k.h() - 22, k.w() - 8, 18, 1, Rgb{200, 200, 200});
}

void PaintShoulder(Context& k) {
  Rgb t = Scale(k.main(), 0.5);
  k.c.FillRect(0, 0, k.w(), k.h(), t);
  k.c.Frame(0, 0, k.w(), k.h(), 2, kGold);
  int n = std::clamp(k.s.Int("n", 1), 1, 8);
  if (n >= 7) {
    k.c.FillPolygon(StarPolygon(k.w() / 2.0, k.h() / 2.0, k.h() * 0.4, k.h() * 0.18, 5), kGold);
    return;
  }
  int step = (k.w() - 12) / (n + 1);
  for (int i = 1; i <= n; ++i) k.c.FillRect(6 + i * step - 2, 5, 4, k.h() - 10, kGold);
}

void PaintCollar(Context& k) {
  k.c.FillRect(0, 0, k.w(), k.h(), Scale(k.main(), 0.5));
  k.c.Frame(0, 0, k.w(), k.h(), 1, Scale(k.main(), 1.2));
  int n = std::clamp(k.s.Int("n", 1), 1, 9);
  for (int i = 0; i < n; ++i) k.c.FillDisc(k.w() * (0.25 + 0.25 * (i % 3)), k.h() * (0.25 + 0.25 * (i / 3)), 3.5, kGold);
}

void PaintWings(Context& k) {
  double w = k.w(), h = k.h(), cx = w / 2, cy = h / 2;
  k.c.FillRect(0, 0, k.w(), k.h(), kBlack);
  k.c.FillPolygon({{cx, cy - h * 0.3}, {2, cy - h * 0.4}, {w * 0.15, cy + h * 0.1}, {cx, cy + h * 0.3}}, kGold);
  k.c.FillPolygon({{cx, cy - h * 0.3}, {w - 2, cy - h * 0.4}, {w * 0.85, cy + h * 0.1}, {cx, cy + h * 0.3}}, kGold);
  k.c.FillDisc(cx, cy, h * 0.35, k.main());
}

// Vertical stripes; the ribbon number picks the pattern, the faction the main colour.
void PaintRibbon(Context& k) {
  int n = k.s.Int("n", 1);
  Rgb a = k.main(), b = HueColour(std::uint32_t(n) * 67 + 20), c = kWhite;
  const Rgb order[] = {a, b, a, c, b, a, c, a};
  int stripes = 3 + n % 5, x = 0;
  for (int i = 0; i < stripes; ++i) {
    int next = (i + 1) * k.w() / stripes;
    k.c.FillRect(x, 0, next - x, k.h(), order[(i + n) % 8]);
    x = next;
  }
  k.c.Frame(0, 0, k.w(), k.h(), 1, Scale(a, 0.4));
}

void PaintMedal(Context& k) {
  Rgb metal = k.main();
  double w = k.w(), h = k.h();
  k.c.FillRect(0, 0, k.w(), k.h(), kBlack);
  double ribbon = k.s.Has("honor") ? h * 0.35 : h * 0.25;
  k.c.FillRect(int(w * 0.25), 0, int(w * 0.5), int(ribbon), Rgb{40, 70, 170});
  k.c.FillRect(int(w * 0.45), 0, std::max(1, int(w * 0.1)), int(ribbon), kWhite);
  double cy = ribbon + (h - ribbon) / 2, r = std::min(w, h - ribbon) * 0.48;
  // Three shapes: a plain star, a star in a ring, a star on a disc.
  if (k.s.Has("honor")) k.c.ShadedDisc(w / 2, cy, r, metal);
  if (k.s.Has("ring")) k.c.Ring(w / 2, cy, r * 0.95, r * 0.95, 1.5, metal);
  double star = k.s.Has("honor") || k.s.Has("ring") ? 0.75 : 1.0;
  k.c.FillPolygon(StarPolygon(w / 2, cy, r * star, r * star * 0.42, 5), k.s.Has("honor") ? kWhite : metal);
}

void PaintPlaque(Context& k) {
  Rgb t = Scale(k.main(), 0.45);
  k.c.FillRect(0, 0, k.w(), k.h(), t);
  k.c.Frame(0, 0, k.w(), k.h(), 2, kGold);
  k.c.Frame(4, 4, k.w() - 8, k.h() - 8, 1, Scale(kGold, 0.6));
  DrawLabel(k.c, k.a.label, 6, 6, k.w() - 12, k.h() - 12, 1, Scale(kGold, 1.1));
}

// Rank chevrons, one per rank.
void PaintRankPicture(Context& k) {
  k.c.FillRect(0, 0, k.w(), k.h(), Scale(k.main(), 0.3));
  k.c.Frame(0, 0, k.w(), k.h(), 1, k.main());
  int n = std::clamp(k.s.Int("n", 1), 1, 8);
  double cx = k.w() / 2.0, span = k.w() * 0.3, step = (k.h() - 8.0) / (n + 1);
  for (int i = 0; i < n; ++i) {
    double y = 4 + step * (i + 0.5);
    k.c.Line({cx - span, y}, {cx, y + step * 0.8}, 2, kGold);
    k.c.Line({cx, y + step * 0.8}, {cx + span, y}, 2, kGold);
  }
}

// ---- Logos and tiles -------------------------------------------------------------------------------

void PaintLogo(Context& k) {
  Rgb t = k.main();
  double cx = k.w() / 2.0, cy = k.h() * 0.42, r = std::min(k.w(), k.h()) * 0.34;
  k.c.FillRect(0, 0, k.w(), k.h(), Rgb{12, 12, 20});
  k.c.Ring(cx, cy, r, r, 4, t);
  k.c.FillPolygon(StarPolygon(cx, cy, r * 0.8, r * 0.35, 4 + int(Hash(k.a.label) % 4)), Scale(t, 1.2));
  Caption(k, Mix(t, kWhite, 0.5));
}

// A shield badge for the professions, a target tile for the missions; lit and selected states frame it.
void PaintTile(Context& k) {
  Rgb t = k.main();
  double w = k.w(), h = k.h(), cx = w / 2, cy = h * 0.42;
  k.c.FillRect(0, 0, k.w(), k.h(), Scale(k.base, k.s.lit ? 1.6 : 1.0));
  if (k.s.shape == "emblem") {
    k.c.FillPolygon({{cx - w * 0.3, h * 0.12}, {cx + w * 0.3, h * 0.12}, {cx + w * 0.3, h * 0.45}, {cx, h * 0.72},
                     {cx - w * 0.3, h * 0.45}},
                    t);
    k.c.FillPolygon(StarPolygon(cx, h * 0.36, w * 0.14, w * 0.06, 5), Mix(t, kWhite, 0.6));
  } else {
    for (int i = 3; i >= 1; --i) k.c.FillDisc(cx, cy, w * 0.1 * i, i % 2 ? t : Scale(t, 0.4));
    k.c.Line({cx - w * 0.35, cy}, {cx + w * 0.35, cy}, 2, kWhite);
    k.c.Line({cx, cy - w * 0.35}, {cx, cy + w * 0.35}, 2, kWhite);
  }
  if (k.s.on) k.c.Frame(0, 0, k.w(), k.h(), 4, kGreen);
  if (k.s.lit) k.c.Frame(0, 0, k.w(), k.h(), 2, kYellow);
  Caption(k);
}

// ---- Gauges ----------------------------------------------------------------------------------------

void PaintBar(Context& k) {
  Rgb t = k.main();
  k.c.FillRect(0, 0, k.w(), k.h(), Rgb{15, 15, 20});
  k.c.Frame(0, 0, k.w(), k.h(), 1, Rgb{120, 120, 130});
  int inner = k.w() - 4, filled = int(std::lround(inner * k.s.Fraction("fill", 0)));
  k.c.FillRect(2, 2, filled, k.h() - 4, t);
  k.c.FillRect(2, 2, filled, std::max(1, (k.h() - 4) / 3), Scale(t, 1.4));
  for (int i = 1; i < 10; ++i) k.c.FillRect(2 + inner * i / 10, 2, 1, k.h() - 4, Rgb{15, 15, 20});
}

void PaintPips(Context& k) {
  Rgb t = k.main();
  int of = std::max(1, k.s.Int("of", 5)), n = std::clamp(k.s.Int("n", 0), 0, of);
  k.c.FillRect(0, 0, k.w(), k.h(), Rgb{15, 15, 20});
  double step = double(k.w()) / of, r = std::min(step, double(k.h())) * 0.35;
  for (int i = 0; i < of; ++i) {
    double cx = step * (i + 0.5), cy = k.h() / 2.0;
    if (i < n)
      k.c.ShadedDisc(cx, cy, r, Scale(t, 1.3));
    else
      k.c.Ring(cx, cy, r, r, 1.5, Scale(t, 0.6));
  }
}

// ---- Map symbols -----------------------------------------------------------------------------------

void PaintSymbol(Context& k) {
  Rgb t = k.main();
  double w = k.w(), h = k.h(), cx = w / 2, cy = h / 2;
  k.c.FillRect(0, 0, k.w(), k.h(), kBlack);
  if (k.s.Has("station")) {
    k.c.FillRect(int(w * 0.15), int(cy - 2), int(w * 0.7), 4, Scale(t, 0.8));
    k.c.FillRect(int(cx - 2), int(h * 0.15), 4, int(h * 0.7), Scale(t, 0.8));
    k.c.ShadedDisc(cx, cy, std::min(w, h) * 0.25, t);
  } else if (k.s.Has("system")) {
    k.c.FillPolygon(StarPolygon(cx, cy, std::min(w, h) * 0.45, std::min(w, h) * 0.2, 5), t);
  } else {
    bool west = k.s.Has("left");
    auto X = [&](double u) { return west ? w - u * w : u * w; };
    k.c.FillPolygon({{X(0.92), cy}, {X(0.1), cy - h * 0.38}, {X(0.25), cy}, {X(0.1), cy + h * 0.38}}, t);
  }
  if (k.s.on) k.c.Frame(0, 0, k.w(), k.h(), 1, kWhite);
}

// ---- Abilities and equipment -----------------------------------------------------------------------

// An icon tile: the kind's rim colour, a symbol picked by the name, the name across the bottom.
void PaintIcon(Context& k) {
  Rgb t = k.main(), rim = k.base;
  double w = k.w(), h = k.h(), cx = w / 2, cy = h * 0.4, r = std::min(w, h) * 0.28;
  if (k.s.off) t = Scale(Desaturate(t, 0.8), 0.55), rim = Scale(rim, 0.5);
  if (k.s.lit) rim = kYellow;
  k.c.FillRect(0, 0, k.w(), k.h(), Scale(t, 0.35));
  Rgb sym = Scale(t, 1.3);
  switch (Hash(k.a.label) % 6) {
    case 0: k.c.FillPolygon(StarPolygon(cx, cy, r, r * 0.45, 5), sym); break;
    case 1: k.c.FillPolygon({{cx + r * 0.2, cy - r}, {cx - r * 0.6, cy + r * 0.1}, {cx, cy + r * 0.1}, {cx - r * 0.2, cy + r}, {cx + r * 0.6, cy - r * 0.1}, {cx, cy - r * 0.1}}, sym); break;
    case 2: k.c.FillPolygon({{cx - r, cy - r}, {cx + r, cy - r}, {cx + r, cy}, {cx, cy + r}, {cx - r, cy}}, sym); break;
    case 3: k.c.FillPolygon({{cx + r, cy}, {cx, cy - r}, {cx, cy - r * 0.4}, {cx - r, cy - r * 0.4}, {cx - r, cy + r * 0.4}, {cx, cy + r * 0.4}, {cx, cy + r}}, sym); break;
    case 4: k.c.Ring(cx, cy, r, r, r * 0.35, sym); break;
    default: k.c.FillRect(int(cx - r), int(cy - r * 0.3), int(2 * r), int(r * 0.6), sym);
             k.c.FillRect(int(cx - r * 0.3), int(cy - r), int(r * 0.6), int(2 * r), sym);
  }
  k.c.Frame(0, 0, k.w(), k.h(), k.s.lit || k.s.on ? 3 : 2, rim);
  if (k.h() >= 48) DrawLabel(k.c, k.a.label, 3, k.h() - 20, k.w() - 6, 17, 1, Mix(t, kWhite, k.s.off ? 0.3 : 0.8));
}

void PaintEquipment(Context& k) {
  Rgb t = k.main();
  double w = k.w(), h = k.h(), cy = h * 0.38;
  k.c.VerticalGradient(Rgb{45, 50, 58}, Rgb{20, 22, 26});
  k.c.Frame(0, 0, k.w(), k.h(), 1, Rgb{110, 115, 125});
  double x0 = w * 0.18, x1 = w * 0.82, r = h * 0.16;
  k.c.FillRect(int(x0), int(cy - r), int(x1 - x0), int(2 * r), t);
  k.c.FillDisc(x1, cy, r, Scale(t, 1.25));
  k.c.Ring(x0, cy, r * 0.45, r, 2, Scale(t, 0.6));
  for (int i = 1; i < 4; ++i) k.c.FillRect(int(x0 + (x1 - x0) * i / 4), int(cy - r), 2, int(2 * r), Scale(t, 0.6));
  Caption(k);
}

// ---- The shape table -------------------------------------------------------------------------------

using Painter = void (*)(Context&);
struct Shape {
  std::string_view name;
  Rgb base;
  Painter paint;
  std::set<std::string, std::less<>> flags;
  std::set<std::string, std::less<>> params;
};

const std::vector<Shape>& Shapes() {
  static const std::vector<Shape> shapes = {
      {"button", {50, 80, 140}, PaintButton, {}, {}},
      {"rung", {120, 90, 45}, PaintButton, {}, {}},
      {"tab", {30, 120, 120}, PaintButton, {}, {}},
      {"hotspot", {220, 130, 30}, PaintHotspot, {}, {}},
      {"scene", {40, 50, 120}, PaintScene, {}, {}},
      {"burst", {230, 90, 20}, PaintBurst, {}, {}},
      {"deck", {130, 135, 140}, PaintDeck, {}, {}},
      {"frame", {45, 50, 62}, PaintFrame, {}, {}},
      {"portrait", {110, 80, 60}, PaintPortrait, {"droid"}, {"age"}},
      {"ship", {150, 155, 165}, PaintShip, {"east", "west", "scene", "top", "side", "shield", "empty"}, {"fire", "hull"}},
      {"missile", {190, 190, 200}, PaintMissile, {"east", "west", "mine"}, {}},
      {"beam", {255, 120, 60}, PaintBeam, {"east", "west"}, {}},
      {"planet", {128, 128, 128}, PaintPlanet, {"star", "ring", "hole", "belt", "base", "gas"}, {}},
      {"city", {60, 60, 110}, PaintCity, {}, {}},
      {"find", {230, 230, 120}, PaintFind, {"pod", "chest", "ghost", "artifact", "data"}, {}},
      {"blip", {200, 200, 200}, PaintBlip, {"battle"}, {}},
      {"uniform", {40, 50, 80}, PaintUniform, {"com", "fem"}, {}},
      {"shoulder", {40, 40, 80}, PaintShoulder, {}, {"n"}},
      {"collar", {40, 40, 80}, PaintCollar, {}, {"n"}},
      {"wings", {230, 195, 60}, PaintWings, {}, {}},
      {"ribbon", {150, 30, 30}, PaintRibbon, {}, {"n"}},
      {"medal", {200, 200, 200}, PaintMedal, {"star", "ring", "honor"}, {}},
      {"plaque", {120, 80, 40}, PaintPlaque, {}, {}},
      {"rankpic", {70, 70, 110}, PaintRankPicture, {}, {"n"}},
      {"logo", {200, 200, 220}, PaintLogo, {}, {}},
      {"emblem", {45, 35, 70}, PaintTile, {}, {}},
      {"mission", {25, 55, 40}, PaintTile, {}, {}},
      {"bar", {60, 200, 90}, PaintBar, {}, {"fill"}},
      {"pips", {230, 200, 70}, PaintPips, {}, {"n", "of"}},
      {"symbol", {200, 200, 200}, PaintSymbol, {"ship", "station", "system", "left", "right"}, {}},
      {"ability", {230, 90, 50}, PaintIcon, {}, {}},
      {"skill", {80, 140, 240}, PaintIcon, {}, {}},
      {"equipment", {150, 160, 170}, PaintEquipment, {}, {}},
  };
  return shapes;
}

const Shape& FindShape(std::string_view kind) {
  std::string_view name = kind.substr(0, kind.find('.'));
  for (const Shape& s : Shapes())
    if (s.name == name) return s;
  throw std::invalid_argument("no picture shape '" + std::string(name) + "'");
}

}  // namespace

Style PictureStyle(const Asset& asset, const Catalogue& catalogue) {
  const Shape& shape = FindShape(asset.kind);
  return ParseStyle(asset.kind, catalogue, shape.flags, shape.params);
}

Canvas Paint(const Asset& asset, const Catalogue& catalogue) {
  const Shape& shape = FindShape(asset.kind);
  Style style = ParseStyle(asset.kind, catalogue, shape.flags, shape.params);
  Canvas canvas(asset.width, asset.height, kBlack);
  Context k{canvas, style, asset, shape.base};
  shape.paint(k);
  if (style.dim && style.shape != "planet")  // planets grey out under their caption
    canvas.Transform([](Rgb c) { return Scale(Desaturate(c, 0.9), 0.6); });
  return canvas;
}

}  // namespace assetgen
