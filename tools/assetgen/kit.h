// What every painter shares: the picture being drawn with its row and style, a deterministic scatter
// of random numbers, and small helpers over Cairo (colours, paths, gradients, glows, panels).
#pragma once

#include <cairo.h>

#include <cmath>
#include <cstdint>
#include <initializer_list>
#include <vector>

#include "tools/assetgen/canvas.h"
#include "tools/assetgen/catalogue.h"
#include "tools/assetgen/style.h"

namespace assetgen {

constexpr double kPi = 3.14159265358979323846;
constexpr Rgb kBlack{0, 0, 0}, kWhite{255, 255, 255}, kGold{235, 195, 60}, kAmber{255, 190, 80};
constexpr Rgb kSteel{58, 72, 94}, kGlass{150, 215, 255}, kSelected{60, 200, 110};

// The duel backdrop's missile track (in the backdrop's own coordinates) and its plain colour, which the
// missile pictures stand on: the combat screen puts its missile panels (of that colour) inside it.
struct Box {
  double x, y, w, h;
};
constexpr Box kMissileTrack{233.5, 96.5, 337, 67};
constexpr Rgb kMissileTrackColour{10, 15, 24};

// Small deterministic generator for scattered details (stars, windows, craters).
struct Scatter {
  std::uint32_t state;
  explicit Scatter(std::uint32_t seed) : state(seed | 1) {}
  std::uint32_t Next() {
    state ^= state << 13, state ^= state >> 17, state ^= state << 5;
    return state;
  }
  double Unit() { return (Next() % 100000) / 100000.0; }
  double Range(double a, double b) { return a + (b - a) * Unit(); }
};

struct Context {
  Canvas& c;
  const Style& s;
  const Asset& a;
  Rgb base;  // the shape's own colour
  double w() const { return c.width(); }
  double h() const { return c.height(); }
  cairo_t* cr() const { return c.cr(); }
  Rgb main() const { return s.tint.value_or(base); }
  Scatter scatter(std::uint32_t salt = 0) const { return Scatter(Hash(a.file) ^ salt); }
};

// ---- Cairo helpers ---------------------------------------------------------------------------------

inline void Source(cairo_t* cr, Rgb c, double alpha = 1) {
  cairo_set_source_rgba(cr, c.r / 255.0, c.g / 255.0, c.b / 255.0, alpha);
}
void PolygonPath(cairo_t* cr, const std::vector<Point>& points);
void RoundedRect(cairo_t* cr, double x, double y, double w, double h, double r);
std::vector<Point> StarPoints(double cx, double cy, double outer, double inner, int points, double turn = -kPi / 2);

// A gradient pattern made current as the source, with colour stops (offset, colour, alpha).
struct Stop {
  double at;
  Rgb colour;
  double alpha = 1;
};
void LinearSource(cairo_t* cr, double x0, double y0, double x1, double y1, std::initializer_list<Stop> stops);
void RadialSource(cairo_t* cr, double cx, double cy, double r0, double r1, std::initializer_list<Stop> stops,
                  double fx = NAN, double fy = NAN);
// Four corner brackets `inset` pixels inside a w x h picture, each arm `arm` long, stroked in the
// current source and line width.
void CornerBrackets(cairo_t* cr, double inset, double w, double h, double arm);
// A soft round glow of `colour` fading out at radius r, added on top of what is there.
void Glow(cairo_t* cr, double cx, double cy, double r, Rgb colour, double strength = 1);

// Deep space: a dark gradient, faint nebulae from noise (when `nebula`), and stars of several
// sizes and colours, the brightest with a halo.
void Starfield(Context& k, double density, bool nebula, Rgb haze = Rgb{70, 50, 120});

// The game's panel: bevelled dark metal with a faint brushed texture; `light` lifts it.
void MetalPanel(Context& k, double x, double y, double w, double h, Rgb tint, double light, double radius);

// ---- The painters, by family -----------------------------------------------------------------------

void PaintPlanet(Context& k);
void PaintFind(Context& k);
void PaintBlip(Context& k);
void PaintSymbol(Context& k);
void PaintScene(Context& k);
void PaintBurst(Context& k);
void PaintCity(Context& k);
void PaintShip(Context& k);
void PaintMissile(Context& k);
void PaintBeam(Context& k);
void PaintPortrait(Context& k);
void PaintUniform(Context& k);
void PaintPointer(Context& k);
void PaintIcon(Context& k);
void PaintShipSymbol(Context& k);
void PaintEquipment(Context& k);
// The side view of a missile or mine of the equipment named by the row's label, in the outline its
// launcher's picture shows, or of the simulator's alien missile; false (nothing drawn) for any other.
bool DrawOrdnanceProfile(Context& k);
// The symbol of the mission tile `name` (its base name) centred on (cx, cy), r pixels from the
// centre to the edge, in colour c; false (nothing drawn) for a name that is no mission tile.
bool DrawMissionSymbol(cairo_t* cr, std::string_view name, double cx, double cy, double r, Rgb c);
// The symbol of the ability or skill `name` (its base name, as the icon pictures use it) centred on
// (cx, cy), r pixels from the centre to the edge; `hollow` fills the holes cut into it.
void DrawIconSymbol(cairo_t* cr, std::string_view name, double cx, double cy, double r, Rgb ink, Rgb hollow);

}  // namespace assetgen
