// The combat-ability and skill icons: every ability and skill its own symbol, the family it belongs
// to (weapons, defence, attack, ambush; trade, mercenary, criminal) shown by the frame's colour, and
// the advanced or second grade of an ability the same symbol raised in gold relief.
#include <algorithm>
#include <cmath>
#include <string>
#include <string_view>

#include "tools/assetgen/kit.h"

namespace assetgen {
namespace {

struct Family {
  Rgb frame;
};
constexpr Family kWeapons{{150, 165, 185}}, kDefence{{60, 160, 240}}, kAttack{{235, 110, 40}},
    kAmbush{{160, 80, 220}}, kTrade{{230, 185, 50}}, kMercenary{{70, 190, 95}}, kCriminal{{205, 50, 80}};

// ---- The symbols, drawn in a unit box (-1..1 both ways) -------------------------------------------

void Circle(cairo_t* cr, double x, double y, double r) {
  cairo_new_sub_path(cr);
  cairo_arc(cr, x, y, r, 0, 2 * kPi);
}

void ShieldPath(cairo_t* cr, double s = 1) {
  cairo_new_path(cr);
  cairo_move_to(cr, 0, -0.85 * s);
  cairo_curve_to(cr, 0.35 * s, -0.6 * s, 0.6 * s, -0.65 * s, 0.75 * s, -0.7 * s);
  cairo_curve_to(cr, 0.78 * s, 0.1 * s, 0.5 * s, 0.6 * s, 0, 0.9 * s);
  cairo_curve_to(cr, -0.5 * s, 0.6 * s, -0.78 * s, 0.1 * s, -0.75 * s, -0.7 * s);
  cairo_curve_to(cr, -0.6 * s, -0.65 * s, -0.35 * s, -0.6 * s, 0, -0.85 * s);
  cairo_close_path(cr);
}

void Arrowhead(cairo_t* cr, double x, double y, double angle, double size) {
  double c = std::cos(angle), s = std::sin(angle);
  auto at = [&](double u, double v) { return Point{x + u * c - v * s, y + u * s + v * c}; };
  Point a = at(size, 0), b = at(-size * 0.6, -size * 0.75), d = at(-size * 0.6, size * 0.75);
  PolygonPath(cr, {a, b, d});
  cairo_fill(cr);
}

void Bolt(cairo_t* cr, double x, double y, double s) {
  PolygonPath(cr, {{x + 0.2 * s, y - s}, {x - 0.5 * s, y + 0.1 * s}, {x - 0.05 * s, y + 0.1 * s}, {x - 0.25 * s, y + s},
                   {x + 0.5 * s, y - 0.15 * s}, {x + 0.05 * s, y - 0.15 * s}});
  cairo_fill(cr);
}

void SpeechBubble(cairo_t* cr) {
  cairo_new_path(cr);
  cairo_save(cr);
  cairo_scale(cr, 1, 0.72);
  cairo_arc(cr, 0, -0.15, 0.85, kPi * 0.62, kPi * 2.55);
  cairo_restore(cr);
  cairo_line_to(cr, -0.6, 0.85);
  cairo_close_path(cr);
}

void ShipShape(cairo_t* cr, double x, double y, double s) {
  PolygonPath(cr, {{x + s, y}, {x - 0.6 * s, y - 0.7 * s}, {x - 0.25 * s, y}, {x - 0.6 * s, y + 0.7 * s}});
  cairo_fill(cr);
}

void DaggerShape(cairo_t* cr, double turn) {
  cairo_save(cr);
  cairo_rotate(cr, turn);
  PolygonPath(cr, {{0, -0.95}, {0.14, -0.2}, {0.14, 0.3}, {-0.14, 0.3}, {-0.14, -0.2}});
  cairo_fill(cr);
  cairo_rectangle(cr, -0.4, 0.3, 0.8, 0.12);
  cairo_rectangle(cr, -0.08, 0.42, 0.16, 0.35);
  cairo_fill(cr);
  Circle(cr, 0, 0.85, 0.1);
  cairo_fill(cr);
  cairo_restore(cr);
}

// The two colours a symbol is drawn in: its ink, and the background's colour for the holes punched
// into a filled shape.
struct Inks {
  Rgb ink, hollow;
};

// One function per symbol. Each starts with round caps and joins, a line 0.15 wide and the ink as the
// source.
namespace glyph {

void Guns(cairo_t* cr, const Inks&) {
  for (int i = -1; i <= 1; ++i) cairo_rectangle(cr, -0.85, i * 0.5 - 0.1, 1.1, 0.2);
  cairo_fill(cr);
  for (int i = -1; i <= 1; ++i) PolygonPath(cr, StarPoints(0.55, i * 0.5, 0.32, 0.12, 5, 0)), cairo_fill(cr);
}

void Missile(cairo_t* cr, const Inks&) {
  cairo_save(cr);
  cairo_rotate(cr, -kPi / 4);
  PolygonPath(cr, {{0.95, 0}, {0.6, -0.18}, {-0.55, -0.18}, {-0.55, 0.18}, {0.6, 0.18}});
  cairo_fill(cr);
  PolygonPath(cr, {{-0.3, -0.18}, {-0.75, -0.5}, {-0.75, 0.5}, {-0.3, 0.18}});
  cairo_fill(cr);
  cairo_restore(cr);
}

// A dish on its stand, facing up and right, sending a zigzag.
void Ecm(cairo_t* cr, const Inks& inks) {
  PolygonPath(cr, {{-0.45, 0.45}, {-0.75, 0.9}, {-0.1, 0.9}});
  cairo_fill(cr);
  Circle(cr, -0.4, 0.2, 0.6);
  cairo_fill(cr);
  Source(cr, inks.hollow);
  Circle(cr, -0.1, -0.1, 0.55);
  cairo_fill(cr);
  Source(cr, inks.ink);
  cairo_set_line_width(cr, 0.08);
  cairo_move_to(cr, -0.5, 0.3), cairo_line_to(cr, -0.05, -0.15);
  cairo_stroke(cr);
  Circle(cr, -0.05, -0.15, 0.1);
  cairo_fill(cr);
  cairo_set_line_width(cr, 0.12);
  cairo_move_to(cr, 0.1, -0.35), cairo_line_to(cr, 0.3, -0.65), cairo_line_to(cr, 0.45, -0.35), cairo_line_to(cr, 0.65, -0.7),
      cairo_line_to(cr, 0.85, -0.4);
  cairo_stroke(cr);
}

// Rays gathered into one point.
void Lens(cairo_t* cr, const Inks&) {
  for (int i = -2; i <= 2; ++i) cairo_move_to(cr, -0.9, i * 0.35), cairo_line_to(cr, 0.45, 0);
  cairo_stroke(cr);
  Circle(cr, 0.55, 0, 0.28);
  cairo_fill(cr);
}

// A barrel glowing with a bolt over it.
void Overload(cairo_t* cr, const Inks&) {
  cairo_rectangle(cr, -0.9, 0.25, 1.5, 0.3);
  cairo_fill(cr);
  for (double x : {-0.6, -0.3, 0.0}) cairo_move_to(cr, x, 0.15), cairo_curve_to(cr, x - 0.1, -0.05, x + 0.1, -0.15, x, -0.3);
  cairo_stroke(cr);
  Bolt(cr, 0.5, -0.35, 0.55);
}

// Lock-on brackets around a dot.
void Lock(cairo_t* cr, const Inks&) {
  for (double sx : {-1.0, 1.0})
    for (double sy : {-1.0, 1.0}) {
      cairo_move_to(cr, sx * 0.8, sy * 0.35);
      cairo_line_to(cr, sx * 0.8, sy * 0.8);
      cairo_line_to(cr, sx * 0.35, sy * 0.8);
    }
  cairo_stroke(cr);
  Circle(cr, 0, 0, 0.22);
  cairo_fill(cr);
}

void Chevrons(cairo_t* cr, const Inks&) {
  for (int i = 0; i < 3; ++i) {
    double y = -0.55 + i * 0.5;
    cairo_move_to(cr, -0.7, y), cairo_line_to(cr, 0, y + 0.4), cairo_line_to(cr, 0.7, y);
  }
  cairo_set_line_width(cr, 0.2);
  cairo_stroke(cr);
}

// A hard turn around an obstacle.
void Swerve(cairo_t* cr, const Inks&) {
  Circle(cr, -0.05, 0.05, 0.2);
  cairo_fill(cr);
  cairo_move_to(cr, -0.85, 0.7);
  cairo_curve_to(cr, -0.2, 0.8, -0.9, -0.6, 0.0, -0.6);
  cairo_curve_to(cr, 0.35, -0.6, 0.45, -0.3, 0.6, -0.1);
  cairo_stroke(cr);
  Arrowhead(cr, 0.68, 0.05, 1.0, 0.28);
}

void FastForward(cairo_t* cr, const Inks&) {
  for (double x : {-0.75, 0.05}) PolygonPath(cr, {{x, -0.6}, {x + 0.7, 0}, {x, 0.6}}), cairo_fill(cr);
}

// A speech bubble with an exclamation mark.
void Shout(cairo_t* cr, const Inks& inks) {
  SpeechBubble(cr);
  cairo_fill(cr);
  Source(cr, inks.hollow);
  cairo_rectangle(cr, -0.08, -0.6, 0.16, 0.42);
  cairo_fill(cr);
  Circle(cr, 0, 0.0, 0.09);
  cairo_fill(cr);
}

// An arrow leaving a ring.
void Exit(cairo_t* cr, const Inks&) {
  cairo_arc(cr, -0.2, 0, 0.6, kPi * 0.3, kPi * 1.7);
  cairo_stroke(cr);
  cairo_move_to(cr, -0.2, 0), cairo_line_to(cr, 0.7, 0);
  cairo_stroke(cr);
  Arrowhead(cr, 0.72, 0, 0, 0.3);
}

// A horseshoe magnet pulling.
void Magnet(cairo_t* cr, const Inks& inks) {
  cairo_set_line_width(cr, 0.34);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_BUTT);
  cairo_move_to(cr, -0.45, -0.55);
  cairo_line_to(cr, -0.45, 0.2);
  cairo_arc_negative(cr, 0, 0.2, 0.45, kPi, 0);
  cairo_line_to(cr, 0.45, -0.55);
  cairo_stroke(cr);
  Source(cr, inks.hollow);
  for (double x : {-0.45, 0.45}) cairo_rectangle(cr, x - 0.17, -0.55, 0.34, 0.06);
  cairo_fill(cr);
  Source(cr, inks.ink);
  cairo_set_line_width(cr, 0.08);
  for (double x : {-0.45, 0.45}) cairo_move_to(cr, x, -0.7), cairo_line_to(cr, x, -0.95);
  cairo_stroke(cr);
}

// A bubble with horns: the taunt that enrages.
void Horned(cairo_t* cr, const Inks& inks) {
  SpeechBubble(cr);
  cairo_fill(cr);
  for (double s : {-1.0, 1.0}) PolygonPath(cr, {{s * 0.35, -0.6}, {s * 0.75, -0.98}, {s * 0.6, -0.5}}), cairo_fill(cr);
  Source(cr, inks.hollow);
  for (double s : {-1.0, 1.0})
    PolygonPath(cr, {{s * 0.12, -0.3}, {s * 0.45, -0.42}, {s * 0.4, -0.22}}), cairo_fill(cr);
  cairo_set_line_width(cr, 0.1);
  cairo_move_to(cr, -0.3, 0.05), cairo_line_to(cr, -0.15, -0.05), cairo_line_to(cr, 0, 0.05), cairo_line_to(cr, 0.15, -0.05),
      cairo_line_to(cr, 0.3, 0.05);
  cairo_stroke(cr);
}

// An eye struck through.
void Unseen(cairo_t* cr, const Inks&) {
  cairo_move_to(cr, -0.9, 0);
  cairo_curve_to(cr, -0.4, -0.65, 0.4, -0.65, 0.9, 0);
  cairo_curve_to(cr, 0.4, 0.65, -0.4, 0.65, -0.9, 0);
  cairo_stroke(cr);
  Circle(cr, 0, 0, 0.22);
  cairo_fill(cr);
  cairo_set_line_width(cr, 0.18);
  cairo_move_to(cr, -0.75, 0.75), cairo_line_to(cr, 0.75, -0.75);
  cairo_stroke(cr);
}

void Dagger(cairo_t* cr, const Inks&) {
  DaggerShape(cr, kPi / 5);
}

void Daggers(cairo_t* cr, const Inks&) {
  DaggerShape(cr, -kPi / 4);
  DaggerShape(cr, kPi / 4);
}

// A bolt sending out rings.
void Pulse(cairo_t* cr, const Inks&) {
  Bolt(cr, 0, 0, 0.55);
  cairo_set_line_width(cr, 0.1);
  for (double r : {0.72, 0.92}) {
    cairo_new_sub_path(cr), cairo_arc(cr, 0, 0, r, -kPi * 0.35, kPi * 0.35);
    cairo_new_sub_path(cr), cairo_arc(cr, 0, 0, r, kPi * 0.65, kPi * 1.35);
  }
  cairo_stroke(cr);
}

void Battery(cairo_t* cr, const Inks&) {
  cairo_rectangle(cr, -0.8, -0.45, 1.45, 0.9);
  cairo_stroke(cr);
  cairo_rectangle(cr, 0.65, -0.2, 0.18, 0.4);
  cairo_fill(cr);
  cairo_rectangle(cr, -0.6, -0.26, 0.3, 0.52), cairo_rectangle(cr, -0.22, -0.26, 0.3, 0.52);
  cairo_fill(cr);
}

// Jagged interference over a steady line.
void Static(cairo_t* cr, const Inks&) {
  cairo_move_to(cr, -0.9, 0.45);
  for (int i = 0; i < 9; ++i) cairo_line_to(cr, -0.9 + (i + 0.5) * 0.2, i % 2 ? 0.1 : 0.8);
  cairo_stroke(cr);
  cairo_move_to(cr, -0.9, -0.45);
  cairo_curve_to(cr, -0.5, -0.95, -0.3, 0.05, 0, -0.45);
  cairo_curve_to(cr, 0.3, -0.95, 0.5, 0.05, 0.9, -0.45);
  cairo_stroke(cr);
}

// A map marker.
void Pin(cairo_t* cr, const Inks& inks) {
  cairo_move_to(cr, 0, 0.95);
  cairo_curve_to(cr, -0.3, 0.4, -0.65, 0.05, -0.65, -0.3);
  cairo_arc(cr, 0, -0.3, 0.65, kPi, 2 * kPi);
  cairo_curve_to(cr, 0.65, 0.05, 0.3, 0.4, 0, 0.95);
  cairo_close_path(cr);
  cairo_fill(cr);
  Source(cr, inks.hollow);
  Circle(cr, 0, -0.3, 0.25);
  cairo_fill(cr);
}

// A bolt glancing off a plate.
void Deflect(cairo_t* cr, const Inks&) {
  cairo_set_line_width(cr, 0.22);
  cairo_arc(cr, 0.9, 0, 0.6, kPi * 0.7, kPi * 1.3);
  cairo_stroke(cr);
  Bolt(cr, -0.35, 0.2, 0.5);
  cairo_set_line_width(cr, 0.1);
  cairo_move_to(cr, -0.1, -0.3), cairo_line_to(cr, -0.5, -0.8);
  cairo_stroke(cr);
  Arrowhead(cr, -0.55, -0.85, -kPi * 0.7, 0.2);
}

void FocusShield(cairo_t* cr, const Inks&) {
  ShieldPath(cr);
  cairo_stroke(cr);
  Circle(cr, 0, 0, 0.32);
  cairo_stroke(cr);
  Circle(cr, 0, 0, 0.12);
  cairo_fill(cr);
}

void ReflectShield(cairo_t* cr, const Inks&) {
  ShieldPath(cr, 0.8);
  cairo_translate(cr, 0.2, 0);
  cairo_fill(cr);
  cairo_translate(cr, -0.2, 0);
  cairo_set_line_width(cr, 0.12);
  cairo_move_to(cr, -0.95, -0.7), cairo_line_to(cr, -0.45, 0), cairo_line_to(cr, -0.95, 0.7);
  cairo_stroke(cr);
  Arrowhead(cr, -0.95, 0.7, kPi * 0.7, 0.22);
}

// A ship sidestepping a shot.
void Dodge(cairo_t* cr, const Inks&) {
  ShipShape(cr, 0.2, -0.35, 0.55);
  cairo_set_line_width(cr, 0.1);
  cairo_move_to(cr, -0.95, 0.45), cairo_line_to(cr, 0.95, 0.45);
  cairo_stroke(cr);
  Arrowhead(cr, 0.95, 0.45, 0, 0.2);
  cairo_move_to(cr, -0.3, 0.2), cairo_curve_to(cr, -0.5, -0.1, -0.5, -0.3, -0.3, -0.5);
  cairo_stroke(cr);
}

// A solid shield with the arrow cut into it.
void BoostShield(cairo_t* cr, const Inks& inks) {
  ShieldPath(cr);
  cairo_fill(cr);
  Source(cr, inks.hollow);
  PolygonPath(cr, {{0, -0.5}, {0.35, -0.05}, {0.13, -0.05}, {0.13, 0.45}, {-0.13, 0.45}, {-0.13, -0.05}, {-0.35, -0.05}});
  cairo_fill(cr);
  Source(cr, inks.ink);
}

void Heart(cairo_t* cr, const Inks&) {
  cairo_move_to(cr, 0, 0.85);
  cairo_curve_to(cr, -0.5, 0.45, -1.0, 0.05, -0.8, -0.4);
  cairo_curve_to(cr, -0.6, -0.85, -0.1, -0.8, 0, -0.4);
  cairo_curve_to(cr, 0.1, -0.8, 0.6, -0.85, 0.8, -0.4);
  cairo_curve_to(cr, 1.0, 0.05, 0.5, 0.45, 0, 0.85);
  cairo_fill(cr);
}

void Moon(cairo_t* cr, const Inks& inks) {
  cairo_arc(cr, 0, 0, 0.8, 0, 2 * kPi);
  cairo_fill(cr);
  Source(cr, inks.hollow);
  Circle(cr, 0.35, -0.25, 0.68);
  cairo_fill(cr);
  Source(cr, inks.ink);
  PolygonPath(cr, StarPoints(0.45, 0.35, 0.2, 0.08, 4, 0));
  cairo_fill(cr);
}

void Squadron(cairo_t* cr, const Inks&) {
  ShipShape(cr, 0.15, 0, 0.5);
  ShipShape(cr, -0.45, -0.55, 0.35);
  ShipShape(cr, -0.45, 0.55, 0.35);
}

// A buoy broadcasting.
void Beacon(cairo_t* cr, const Inks&) {
  PolygonPath(cr, {{-0.3, 0.9}, {0.3, 0.9}, {0.12, -0.1}, {-0.12, -0.1}});
  cairo_fill(cr);
  Circle(cr, 0, -0.3, 0.18);
  cairo_fill(cr);
  cairo_set_line_width(cr, 0.1);
  for (double r : {0.45, 0.72}) {
    cairo_new_sub_path(cr), cairo_arc(cr, 0, -0.3, r, -kPi * 0.3, kPi * 0.15);
    cairo_new_sub_path(cr), cairo_arc(cr, 0, -0.3, r, kPi * 0.85, kPi * 1.3);
  }
  cairo_stroke(cr);
}

// A mast whose waves are crossed out.
void Jammer(cairo_t* cr, const Inks&) {
  cairo_move_to(cr, -0.5, 0.9), cairo_line_to(cr, -0.5, -0.5);
  cairo_stroke(cr);
  Circle(cr, -0.5, -0.6, 0.13);
  cairo_fill(cr);
  cairo_set_line_width(cr, 0.1);
  for (double r : {0.35, 0.6, 0.85}) cairo_new_sub_path(cr), cairo_arc(cr, -0.5, -0.6, r, -kPi * 0.3, kPi * 0.3);
  cairo_stroke(cr);
  cairo_set_line_width(cr, 0.16);
  cairo_move_to(cr, 0.05, 0.4), cairo_line_to(cr, 0.7, -0.25), cairo_move_to(cr, 0.05, -0.25), cairo_line_to(cr, 0.7, 0.4);
  cairo_stroke(cr);
}

void Gear(cairo_t* cr, const Inks& inks) {
  for (int i = 0; i < 8; ++i) {
    cairo_save(cr);
    cairo_rotate(cr, i * kPi / 4);
    cairo_rectangle(cr, -0.14, -0.9, 0.28, 0.35);
    cairo_restore(cr);
  }
  cairo_fill(cr);
  Circle(cr, 0, 0, 0.62);
  cairo_fill(cr);
  Source(cr, inks.hollow);
  Circle(cr, 0, 0, 0.25);
  cairo_fill(cr);
}

void Scales(cairo_t* cr, const Inks&) {
  cairo_move_to(cr, 0, -0.9), cairo_line_to(cr, 0, 0.75);
  cairo_move_to(cr, -0.75, -0.55), cairo_line_to(cr, 0.75, -0.55);
  cairo_move_to(cr, -0.45, 0.8), cairo_line_to(cr, 0.45, 0.8);
  cairo_stroke(cr);
  for (double s : {-1.0, 1.0}) {
    cairo_move_to(cr, s * 0.65, -0.55), cairo_line_to(cr, s * 0.9, 0.0), cairo_line_to(cr, s * 0.4, 0.0);
    cairo_close_path(cr);
    cairo_set_line_width(cr, 0.07);
    cairo_stroke(cr);
    cairo_arc(cr, s * 0.65, 0.0, 0.27, 0, kPi);
    cairo_fill(cr);
  }
}

void Crate(cairo_t* cr, const Inks&) {
  cairo_rectangle(cr, -0.7, -0.6, 1.4, 1.2);
  cairo_move_to(cr, -0.7, -0.6), cairo_line_to(cr, 0.7, 0.6);
  cairo_move_to(cr, 0.7, -0.6), cairo_line_to(cr, -0.7, 0.6);
  cairo_stroke(cr);
}

// Two chain links.
void Links(cairo_t* cr, const Inks&) {
  cairo_set_line_width(cr, 0.16);
  for (double s : {-1.0, 1.0}) {
    cairo_save(cr);
    cairo_rotate(cr, -kPi / 4);
    RoundedRect(cr, s * 0.3 - 0.42, -0.25, 0.84, 0.5, 0.25);
    cairo_restore(cr);
  }
  cairo_stroke(cr);
}

void Coins(cairo_t* cr, const Inks& inks) {
  for (int i = 0; i < 4; ++i) {
    double y = 0.6 - i * 0.3;
    cairo_save(cr);
    cairo_translate(cr, -0.2 + (i % 2) * 0.08, y);
    cairo_scale(cr, 0.55, 0.18);
    cairo_arc(cr, 0, 0, 1, 0, 2 * kPi);
    cairo_restore(cr);
    cairo_fill_preserve(cr);
    Source(cr, inks.hollow);
    cairo_set_line_width(cr, 0.05);
    cairo_stroke(cr);
    Source(cr, inks.ink);
  }
  Circle(cr, 0.55, -0.35, 0.32);
  cairo_fill(cr);
}

void Magnifier(cairo_t* cr, const Inks&) {
  Circle(cr, -0.2, -0.2, 0.5);
  cairo_stroke(cr);
  cairo_set_line_width(cr, 0.25);
  cairo_move_to(cr, 0.17, 0.17), cairo_line_to(cr, 0.8, 0.8);
  cairo_stroke(cr);
}

// A sweep with a contact.
void Radar(cairo_t* cr, const Inks&) {
  cairo_set_line_width(cr, 0.1);
  Circle(cr, 0, 0, 0.85);
  Circle(cr, 0, 0, 0.45);
  cairo_stroke(cr);
  cairo_move_to(cr, 0, 0);
  cairo_arc(cr, 0, 0, 0.85, -kPi / 2, -kPi / 6);
  cairo_close_path(cr);
  cairo_fill(cr);
  Circle(cr, -0.35, 0.45, 0.12);
  cairo_fill(cr);
}

void Crosshair(cairo_t* cr, const Inks&) {
  Circle(cr, 0, 0, 0.65);
  for (double a = 0; a < 2 * kPi; a += kPi / 2)
    cairo_move_to(cr, 0.3 * std::cos(a), 0.3 * std::sin(a)), cairo_line_to(cr, 0.95 * std::cos(a), 0.95 * std::sin(a));
  cairo_stroke(cr);
  Circle(cr, 0, 0, 0.1);
  cairo_fill(cr);
}

// A dashed round with a ship on it.
void Patrol(cairo_t* cr, const Inks&) {
  double dash[] = {0.18, 0.14};
  cairo_set_dash(cr, dash, 2, 0);
  Circle(cr, 0, 0, 0.7);
  cairo_stroke(cr);
  cairo_set_dash(cr, nullptr, 0, 0);
  cairo_save(cr);
  cairo_translate(cr, 0.7, 0);
  cairo_rotate(cr, kPi / 2);
  ShipShape(cr, 0, 0, 0.35);
  cairo_restore(cr);
}

void Medal(cairo_t* cr, const Inks& inks) {
  PolygonPath(cr, {{-0.45, -0.9}, {-0.1, -0.9}, {0.1, -0.3}, {-0.15, -0.25}});
  cairo_fill(cr);
  PolygonPath(cr, {{0.45, -0.9}, {0.1, -0.9}, {-0.1, -0.3}, {0.15, -0.25}});
  cairo_fill(cr);
  Circle(cr, 0, 0.3, 0.55);
  cairo_fill(cr);
  Source(cr, inks.hollow);
  PolygonPath(cr, StarPoints(0, 0.3, 0.33, 0.14, 5));
  cairo_fill(cr);
}

void Stopwatch(cairo_t* cr, const Inks&) {
  Circle(cr, 0, 0.15, 0.7);
  cairo_stroke(cr);
  cairo_rectangle(cr, -0.15, -0.9, 0.3, 0.18);
  cairo_fill(cr);
  cairo_move_to(cr, 0, 0.15), cairo_line_to(cr, 0.35, -0.2);
  cairo_stroke(cr);
  Bolt(cr, 0.05, 0.4, 0.25);
}

// Two bubbles, one behind the other, with dots.
void Whispers(cairo_t* cr, const Inks& inks) {
  cairo_save(cr);
  cairo_translate(cr, 0.3, -0.3);
  cairo_scale(cr, 0.6, 0.6);
  SpeechBubble(cr);
  cairo_restore(cr);
  cairo_fill(cr);
  cairo_save(cr);
  cairo_translate(cr, -0.2, 0.25);
  cairo_scale(cr, -0.7, 0.7);
  SpeechBubble(cr);
  cairo_restore(cr);
  cairo_fill(cr);
  Source(cr, inks.hollow);
  for (int i = -1; i <= 1; ++i) Circle(cr, -0.2 + i * 0.22, 0.15, 0.07);
  cairo_fill(cr);
}

// A star with rays.
void Star(cairo_t* cr, const Inks&) {
  PolygonPath(cr, StarPoints(0, 0.05, 0.72, 0.3, 5));
  cairo_fill(cr);
  cairo_set_line_width(cr, 0.08);
  for (int i = 0; i < 5; ++i) {
    double a = -kPi / 2 + kPi / 5 + i * 2 * kPi / 5;
    cairo_move_to(cr, 0.6 * std::cos(a), 0.05 + 0.6 * std::sin(a));
    cairo_line_to(cr, 0.95 * std::cos(a), 0.05 + 0.95 * std::sin(a));
  }
  cairo_stroke(cr);
}

// A domino mask.
void Mask(cairo_t* cr, const Inks& inks) {
  cairo_move_to(cr, -0.95, -0.3);
  cairo_curve_to(cr, -0.5, -0.55, 0.5, -0.55, 0.95, -0.3);
  cairo_curve_to(cr, 0.95, 0.35, 0.4, 0.5, 0.1, 0.15);
  cairo_line_to(cr, -0.1, 0.15);
  cairo_curve_to(cr, -0.4, 0.5, -0.95, 0.35, -0.95, -0.3);
  cairo_close_path(cr);
  cairo_fill(cr);
  Source(cr, inks.hollow);
  for (double s : {-1.0, 1.0}) {
    cairo_save(cr);
    cairo_translate(cr, s * 0.45, -0.1);
    cairo_scale(cr, 0.24, 0.13);
    cairo_arc(cr, 0, 0, 1, 0, 2 * kPi);
    cairo_restore(cr);
    cairo_fill(cr);
  }
}

void Dice(cairo_t* cr, const Inks& inks) {
  for (double s : {-1.0, 1.0}) {
    cairo_save(cr);
    cairo_translate(cr, s * 0.4, s * 0.25);
    cairo_rotate(cr, s * 0.3);
    RoundedRect(cr, -0.38, -0.38, 0.76, 0.76, 0.12);
    cairo_fill(cr);
    Source(cr, inks.hollow);
    static constexpr Point kPips[] = {{-0.2, -0.2}, {0.2, 0.2}, {0, 0}, {0.2, -0.2}, {-0.2, 0.2}};
    for (int i = 0; i < (s < 0 ? 3 : 5); ++i) Circle(cr, kPips[i].x, kPips[i].y, 0.07);
    cairo_fill(cr);
    Source(cr, inks.ink);
    cairo_restore(cr);
  }
}

void Eye(cairo_t* cr, const Inks& inks) {
  cairo_move_to(cr, -0.9, 0);
  cairo_curve_to(cr, -0.4, -0.65, 0.4, -0.65, 0.9, 0);
  cairo_curve_to(cr, 0.4, 0.65, -0.4, 0.65, -0.9, 0);
  cairo_close_path(cr);
  cairo_fill(cr);
  Source(cr, inks.hollow);
  Circle(cr, 0, 0, 0.3);
  cairo_fill(cr);
  Source(cr, inks.ink);
  Circle(cr, 0, 0, 0.14);
  cairo_fill(cr);
}

// A face split down the middle, one half dark.
void TwoFaces(cairo_t* cr, const Inks& inks) {
  Circle(cr, 0, 0, 0.8);
  cairo_stroke(cr);
  cairo_move_to(cr, 0, -0.8);
  cairo_arc(cr, 0, 0, 0.8, -kPi / 2, kPi / 2);
  cairo_line_to(cr, 0.12, 0.4), cairo_line_to(cr, -0.1, 0.1), cairo_line_to(cr, 0.1, -0.2), cairo_line_to(cr, -0.05, -0.5);
  cairo_close_path(cr);
  cairo_fill(cr);
  Circle(cr, -0.35, -0.15, 0.1);
  cairo_fill(cr);
  Source(cr, inks.hollow);
  Circle(cr, 0.4, -0.15, 0.1);
  cairo_fill(cr);
}

void Gem(cairo_t* cr, const Inks& inks) {
  PolygonPath(cr, {{-0.75, -0.3}, {-0.4, -0.7}, {0.4, -0.7}, {0.75, -0.3}, {0, 0.85}});
  cairo_fill(cr);
  Source(cr, inks.hollow);
  cairo_set_line_width(cr, 0.06);
  cairo_move_to(cr, -0.75, -0.3), cairo_line_to(cr, 0.75, -0.3);
  cairo_move_to(cr, -0.25, -0.3), cairo_line_to(cr, 0, 0.85), cairo_line_to(cr, 0.25, -0.3);
  cairo_stroke(cr);
}

void Chip(cairo_t* cr, const Inks& inks) {
  cairo_rectangle(cr, -0.5, -0.5, 1.0, 1.0);
  cairo_fill(cr);
  cairo_set_line_width(cr, 0.1);
  for (int i = -1; i <= 1; ++i) {
    double t = i * 0.3;
    cairo_move_to(cr, t, -0.5), cairo_line_to(cr, t, -0.85);
    cairo_move_to(cr, t, 0.5), cairo_line_to(cr, t, 0.85);
    cairo_move_to(cr, -0.5, t), cairo_line_to(cr, -0.85, t);
    cairo_move_to(cr, 0.5, t), cairo_line_to(cr, 0.85, t);
  }
  cairo_stroke(cr);
  Source(cr, inks.hollow);
  cairo_rectangle(cr, -0.22, -0.22, 0.44, 0.44);
  cairo_fill(cr);
}

// A sheet with a tick.
void Record(cairo_t* cr, const Inks& inks) {
  PolygonPath(cr, {{-0.6, -0.85}, {0.3, -0.85}, {0.6, -0.55}, {0.6, 0.85}, {-0.6, 0.85}});
  cairo_fill(cr);
  Source(cr, inks.hollow);
  cairo_set_line_width(cr, 0.16);
  cairo_move_to(cr, -0.35, 0.1), cairo_line_to(cr, -0.08, 0.4), cairo_line_to(cr, 0.4, -0.3);
  cairo_stroke(cr);
  cairo_set_line_width(cr, 0.07);
  cairo_move_to(cr, -0.4, -0.55), cairo_line_to(cr, 0.2, -0.55);
  cairo_stroke(cr);
}

void Key(cairo_t* cr, const Inks&) {
  Circle(cr, -0.45, -0.35, 0.35);
  cairo_stroke(cr);
  cairo_move_to(cr, -0.2, -0.1), cairo_line_to(cr, 0.75, 0.85);
  cairo_move_to(cr, 0.45, 0.55), cairo_line_to(cr, 0.7, 0.3);
  cairo_move_to(cr, 0.25, 0.35), cairo_line_to(cr, 0.45, 0.15);
  cairo_stroke(cr);
}

}  // namespace glyph

struct Icon {
  std::string_view name;  // the picture's base name without "Adv" or a trailing "2"
  void (*draw)(cairo_t* cr, const Inks& inks);  // the symbol, in the unit box
  Family family;
};

constexpr Icon kIcons[] = {
    {"Fire_Gun", glyph::Guns, kWeapons},          {"Fire_Missiles", glyph::Missile, kWeapons},
    {"Fire_Missles", glyph::Missile, kWeapons},   {"ECM", glyph::Ecm, kWeapons},
    {"Taunt", glyph::Shout, kWeapons},            {"Reinforcements", glyph::Squadron, kWeapons},
    {"shipspecial", glyph::Gear, kWeapons},       {"Focus_Beam", glyph::Lens, kAttack},
    {"Overload_gun", glyph::Overload, kAttack},   {"Lock", glyph::Lock, kAttack},
    {"Discipline", glyph::Chevrons, kAttack},     {"Heroic_Rush", glyph::Swerve, kAttack},
    {"Rage", glyph::FastForward, kAttack},        {"Tractorbeam", glyph::Magnet, kAttack},
    {"Mark", glyph::Pin, kAttack},                {"Deflect", glyph::Deflect, kAttack},
    {"Flee", glyph::Exit, kDefence},              {"FocusedShield", glyph::FocusShield, kDefence},
    {"Reflect", glyph::ReflectShield, kDefence},  {"Evading", glyph::Dodge, kDefence},
    {"ShieldBoost", glyph::BoostShield, kDefence}, {"Sacrifice", glyph::Heart, kDefence},
    {"Calmness", glyph::Moon, kDefence},          {"SOSBuoy", glyph::Beacon, kDefence},
    {"EvilTaunt", glyph::Horned, kAmbush},        {"Cloak", glyph::Unseen, kAmbush},
    {"Ambush", glyph::Dagger, kAmbush},           {"EMP", glyph::Pulse, kAmbush},
    {"Mutilate", glyph::Daggers, kAmbush},        {"Recharge", glyph::Battery, kAmbush},
    {"Disturb", glyph::Static, kAmbush},          {"Radio_Interference", glyph::Jammer, kAmbush},
    {"Trader", glyph::Scales, kTrade},            {"CargoManager", glyph::Crate, kTrade},
    {"Connections", glyph::Links, kTrade},        {"Tycoon", glyph::Coins, kTrade},
    {"Criminalistics", glyph::Magnifier, kTrade}, {"Tracking", glyph::Radar, kMercenary},
    {"BountyHunter", glyph::Crosshair, kMercenary}, {"CombatPatrol", glyph::Patrol, kMercenary},
    {"Rewards", glyph::Medal, kMercenary},        {"FastRecharge", glyph::Stopwatch, kMercenary},
    {"Rumors", glyph::Whispers, kMercenary},      {"Legendary", glyph::Star, kMercenary},
    {"Disguise", glyph::Mask, kCriminal},         {"Streetwise", glyph::Dice, kCriminal},
    {"Spy", glyph::Eye, kCriminal},               {"Traitor", glyph::TwoFaces, kCriminal},
    {"Syndicate", glyph::Gem, kCriminal},         {"Hacker", glyph::Chip, kCriminal},
    {"Cleanrecord", glyph::Record, kCriminal},    {"Amnesty", glyph::Key, kCriminal},
};

// The grade of a picture: 0 plain, 1 advanced ("...Adv"), 2 the second grade ("...2").
struct Named {
  const Icon* icon = nullptr;
  int grade = 0;
};

Named Find(std::string_view label) {
  Named n;
  if (label.ends_with("Adv")) label.remove_suffix(3), n.grade = 1;
  else if (label.ends_with("2")) label.remove_suffix(1), n.grade = 2;
  for (const Icon& i : kIcons)
    if (i.name == label) n.icon = &i;
  return n;
}

// Draws the icon's symbol in the unit box, in `ink`, with its holes in `hollow`.
void DrawGlyph(cairo_t* cr, const Icon& icon, Rgb ink, Rgb hollow) {
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
  cairo_set_line_width(cr, 0.15);
  Source(cr, ink);
  icon.draw(cr, Inks{ink, hollow});
}

}  // namespace

void DrawIconSymbol(cairo_t* cr, std::string_view name, double cx, double cy, double r, Rgb ink, Rgb hollow) {
  const Icon* icon = Find(name).icon;
  if (!icon) return;
  cairo_save(cr);
  cairo_translate(cr, cx, cy);
  cairo_scale(cr, r, r);
  DrawGlyph(cr, *icon, ink, hollow);
  cairo_restore(cr);
}

// An icon tile: glass tinted in the family's colour inside a frame of that colour, the symbol in the
// middle. The advanced grade raises the symbol in gold relief under a gold chevron; the second grade
// raises it the same way with two bars beside it. Off is dull, lit glows, on is framed brightly.
void PaintIcon(Context& k) {
  cairo_t* cr = k.cr();
  double w = k.w(), h = k.h(), r = std::min(w, h);
  Named named = Find(k.a.label);
  Rgb frame = named.icon ? named.icon->family.frame : k.main();
  double light = k.s.lit ? 1.45 : k.s.off ? 0.55 : 1.0;
  if (k.s.off) frame = Desaturate(frame, 0.3);  // dimmed, but the family still shows
  k.c.Transform([](Rgb) { return Rgb{8, 10, 16}; });
  Rgb glass = Mix(Rgb{14, 18, 30}, frame, 0.35);
  RoundedRect(cr, 1, 1, w - 2, h - 2, r * 0.16);
  RadialSource(cr, w / 2, h * 0.35, 0, r * 0.8, {{0, Scale(glass, 1.3 * light)}, {1, Scale(glass, 0.35 * light)}});
  cairo_fill(cr);
  // The frame: a band of the family's colour, bevelled.
  RoundedRect(cr, 2, 2, w - 4, h - 4, r * 0.15);
  LinearSource(cr, 0, 0, 0, h, {{0, Scale(Mix(frame, kWhite, 0.3), light)}, {0.5, Scale(frame, light)}, {1, Scale(frame, 0.45 * light)}});
  cairo_set_line_width(cr, std::max(2.0, r * 0.07));
  cairo_stroke(cr);
  bool raised = named.grade > 0;
  Rgb ink = raised ? Rgb{255, 214, 90} : Rgb{238, 242, 250};
  if (k.s.off) ink = Scale(Desaturate(ink, 0.4), 0.75);
  else ink = Scale(ink, std::min(1.0, light));
  Rgb hollow = Scale(glass, light);
  double scale = r * (raised ? 0.33 : 0.3), cx = w / 2, cy = h / 2 + (raised ? r * 0.04 : 0);
  if (named.icon) {
    auto draw = [&](double dx, double dy, Rgb colour) {
      cairo_save(cr);
      cairo_translate(cr, cx + dx, cy + dy);
      cairo_scale(cr, scale, scale);
      DrawGlyph(cr, *named.icon, colour, hollow);
      cairo_restore(cr);
    };
    if (raised) draw(r * 0.03, r * 0.035, Scale(Mix(glass, kBlack, 0.6), 0.5));  // the relief's shadow
    draw(0, 0, ink);
  }
  if (named.grade == 1) {  // the gold chevron of the advanced grade
    Source(cr, ink);
    cairo_set_line_width(cr, std::max(1.2, r * 0.05));
    cairo_move_to(cr, cx - r * 0.14, r * 0.17);
    cairo_line_to(cr, cx, r * 0.09);
    cairo_line_to(cr, cx + r * 0.14, r * 0.17);
    cairo_stroke(cr);
  } else if (named.grade == 2) {  // two bars: the second grade
    Source(cr, ink);
    for (int i = 0; i < 2; ++i) cairo_rectangle(cr, w - r * (0.2 - 0.07 * i), r * 0.1, std::max(1.0, r * 0.035), r * 0.14);
    cairo_fill(cr);
  }
  // Glass sheen, and the rim that says lit or chosen.
  RoundedRect(cr, 3, 3, w - 6, h * 0.45, r * 0.13);
  LinearSource(cr, 0, 0, 0, h * 0.5, {{0, kWhite, 0.16}, {1, kWhite, 0}});
  cairo_fill(cr);
  if (k.s.lit || k.s.on) {
    RoundedRect(cr, 0.75, 0.75, w - 1.5, h - 1.5, r * 0.17);
    Source(cr, k.s.lit ? Rgb{255, 235, 150} : Mix(frame, kWhite, 0.55));
    cairo_set_line_width(cr, 1.5);
    cairo_stroke(cr);
  }
}

}  // namespace assetgen
