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

enum class Glyph {
  Guns, Missile, Ecm, Lens, Overload, Lock, Chevrons, Swerve, FastForward, Shout, Exit, Magnet, Horned,
  Unseen, Dagger, Pulse, Daggers, Battery, Static, Pin, Deflect, FocusShield, ReflectShield, Dodge,
  BoostShield, Heart, Moon, Squadron, Beacon, Jammer, Gear,
  Scales, Crate, Links, Coins, Magnifier, Radar, Crosshair, Patrol, Medal, Stopwatch, Whispers, Star,
  Mask, Dice, Eye, TwoFaces, Gem, Chip, Record, Key,
};

struct Family {
  Rgb frame;
};
constexpr Family kWeapons{{150, 165, 185}}, kDefence{{60, 160, 240}}, kAttack{{235, 110, 40}},
    kAmbush{{160, 80, 220}}, kTrade{{230, 185, 50}}, kMercenary{{70, 190, 95}}, kCriminal{{205, 50, 80}};

struct Icon {
  std::string_view name;  // the picture's base name without "Adv" or a trailing "2"
  Glyph glyph;
  Family family;
};

constexpr Icon kIcons[] = {
    {"Fire_Gun", Glyph::Guns, kWeapons},          {"Fire_Missiles", Glyph::Missile, kWeapons},
    {"Fire_Missles", Glyph::Missile, kWeapons},   {"ECM", Glyph::Ecm, kWeapons},
    {"Taunt", Glyph::Shout, kWeapons},            {"Reinforcements", Glyph::Squadron, kWeapons},
    {"shipspecial", Glyph::Gear, kWeapons},       {"Focus_Beam", Glyph::Lens, kAttack},
    {"Overload_gun", Glyph::Overload, kAttack},   {"Lock", Glyph::Lock, kAttack},
    {"Discipline", Glyph::Chevrons, kAttack},     {"Heroic_Rush", Glyph::Swerve, kAttack},
    {"Rage", Glyph::FastForward, kAttack},        {"Tractorbeam", Glyph::Magnet, kAttack},
    {"Mark", Glyph::Pin, kAttack},                {"Deflect", Glyph::Deflect, kAttack},
    {"Flee", Glyph::Exit, kDefence},              {"FocusedShield", Glyph::FocusShield, kDefence},
    {"Reflect", Glyph::ReflectShield, kDefence},  {"Evading", Glyph::Dodge, kDefence},
    {"ShieldBoost", Glyph::BoostShield, kDefence}, {"Sacrifice", Glyph::Heart, kDefence},
    {"Calmness", Glyph::Moon, kDefence},          {"SOSBuoy", Glyph::Beacon, kDefence},
    {"EvilTaunt", Glyph::Horned, kAmbush},        {"Cloak", Glyph::Unseen, kAmbush},
    {"Ambush", Glyph::Dagger, kAmbush},           {"EMP", Glyph::Pulse, kAmbush},
    {"Mutilate", Glyph::Daggers, kAmbush},        {"Recharge", Glyph::Battery, kAmbush},
    {"Disturb", Glyph::Static, kAmbush},          {"Radio_Interference", Glyph::Jammer, kAmbush},
    {"Trader", Glyph::Scales, kTrade},            {"CargoManager", Glyph::Crate, kTrade},
    {"Connections", Glyph::Links, kTrade},        {"Tycoon", Glyph::Coins, kTrade},
    {"Criminalistics", Glyph::Magnifier, kTrade}, {"Tracking", Glyph::Radar, kMercenary},
    {"BountyHunter", Glyph::Crosshair, kMercenary}, {"CombatPatrol", Glyph::Patrol, kMercenary},
    {"Rewards", Glyph::Medal, kMercenary},        {"FastRecharge", Glyph::Stopwatch, kMercenary},
    {"Rumors", Glyph::Whispers, kMercenary},      {"Legendary", Glyph::Star, kMercenary},
    {"Disguise", Glyph::Mask, kCriminal},         {"Streetwise", Glyph::Dice, kCriminal},
    {"Spy", Glyph::Eye, kCriminal},               {"Traitor", Glyph::TwoFaces, kCriminal},
    {"Syndicate", Glyph::Gem, kCriminal},         {"Hacker", Glyph::Chip, kCriminal},
    {"Cleanrecord", Glyph::Record, kCriminal},    {"Amnesty", Glyph::Key, kCriminal},
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

void DrawGlyph(cairo_t* cr, Glyph g, Rgb ink, Rgb hollow) {
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
  cairo_set_line_width(cr, 0.15);
  Source(cr, ink);
  auto punch = [&] { Source(cr, hollow); };  // the background colour, for holes in a filled shape
  switch (g) {
    case Glyph::Guns:
      for (int i = -1; i <= 1; ++i) cairo_rectangle(cr, -0.85, i * 0.5 - 0.1, 1.1, 0.2);
      cairo_fill(cr);
      for (int i = -1; i <= 1; ++i) PolygonPath(cr, StarPoints(0.55, i * 0.5, 0.32, 0.12, 5, 0)), cairo_fill(cr);
      break;
    case Glyph::Missile:
      cairo_save(cr);
      cairo_rotate(cr, -kPi / 4);
      PolygonPath(cr, {{0.95, 0}, {0.6, -0.18}, {-0.55, -0.18}, {-0.55, 0.18}, {0.6, 0.18}});
      cairo_fill(cr);
      PolygonPath(cr, {{-0.3, -0.18}, {-0.75, -0.5}, {-0.75, 0.5}, {-0.3, 0.18}});
      cairo_fill(cr);
      cairo_restore(cr);
      break;
    case Glyph::Ecm:  // a dish on its stand, facing up and right, sending a zigzag
      PolygonPath(cr, {{-0.45, 0.45}, {-0.75, 0.9}, {-0.1, 0.9}});
      cairo_fill(cr);
      Circle(cr, -0.4, 0.2, 0.6);
      cairo_fill(cr);
      punch();
      Circle(cr, -0.1, -0.1, 0.55);
      cairo_fill(cr);
      Source(cr, ink);
      cairo_set_line_width(cr, 0.08);
      cairo_move_to(cr, -0.5, 0.3), cairo_line_to(cr, -0.05, -0.15);
      cairo_stroke(cr);
      Circle(cr, -0.05, -0.15, 0.1);
      cairo_fill(cr);
      cairo_set_line_width(cr, 0.12);
      cairo_move_to(cr, 0.1, -0.35), cairo_line_to(cr, 0.3, -0.65), cairo_line_to(cr, 0.45, -0.35), cairo_line_to(cr, 0.65, -0.7),
          cairo_line_to(cr, 0.85, -0.4);
      cairo_stroke(cr);
      break;
    case Glyph::Lens:  // rays gathered into one point
      for (int i = -2; i <= 2; ++i) cairo_move_to(cr, -0.9, i * 0.35), cairo_line_to(cr, 0.45, 0);
      cairo_stroke(cr);
      Circle(cr, 0.55, 0, 0.28);
      cairo_fill(cr);
      break;
    case Glyph::Overload:  // a barrel glowing with a bolt over it
      cairo_rectangle(cr, -0.9, 0.25, 1.5, 0.3);
      cairo_fill(cr);
      for (double x : {-0.6, -0.3, 0.0}) cairo_move_to(cr, x, 0.15), cairo_curve_to(cr, x - 0.1, -0.05, x + 0.1, -0.15, x, -0.3);
      cairo_stroke(cr);
      Bolt(cr, 0.5, -0.35, 0.55);
      break;
    case Glyph::Lock:  // lock-on brackets around a dot
      for (double sx : {-1.0, 1.0})
        for (double sy : {-1.0, 1.0}) {
          cairo_move_to(cr, sx * 0.8, sy * 0.35);
          cairo_line_to(cr, sx * 0.8, sy * 0.8);
          cairo_line_to(cr, sx * 0.35, sy * 0.8);
        }
      cairo_stroke(cr);
      Circle(cr, 0, 0, 0.22);
      cairo_fill(cr);
      break;
    case Glyph::Chevrons:
      for (int i = 0; i < 3; ++i) {
        double y = -0.55 + i * 0.5;
        cairo_move_to(cr, -0.7, y), cairo_line_to(cr, 0, y + 0.4), cairo_line_to(cr, 0.7, y);
      }
      cairo_set_line_width(cr, 0.2);
      cairo_stroke(cr);
      break;
    case Glyph::Swerve:  // a hard turn around an obstacle
      Circle(cr, -0.05, 0.05, 0.2);
      cairo_fill(cr);
      cairo_move_to(cr, -0.85, 0.7);
      cairo_curve_to(cr, -0.2, 0.8, -0.9, -0.6, 0.0, -0.6);
      cairo_curve_to(cr, 0.35, -0.6, 0.45, -0.3, 0.6, -0.1);
      cairo_stroke(cr);
      Arrowhead(cr, 0.68, 0.05, 1.0, 0.28);
      break;
    case Glyph::FastForward:
      for (double x : {-0.75, 0.05}) PolygonPath(cr, {{x, -0.6}, {x + 0.7, 0}, {x, 0.6}}), cairo_fill(cr);
      break;
    case Glyph::Shout:  // a speech bubble with an exclamation mark
      SpeechBubble(cr);
      cairo_fill(cr);
      punch();
      cairo_rectangle(cr, -0.08, -0.6, 0.16, 0.42);
      cairo_fill(cr);
      Circle(cr, 0, 0.0, 0.09);
      cairo_fill(cr);
      break;
    case Glyph::Exit:  // an arrow leaving a ring
      cairo_arc(cr, -0.2, 0, 0.6, kPi * 0.3, kPi * 1.7);
      cairo_stroke(cr);
      cairo_move_to(cr, -0.2, 0), cairo_line_to(cr, 0.7, 0);
      cairo_stroke(cr);
      Arrowhead(cr, 0.72, 0, 0, 0.3);
      break;
    case Glyph::Magnet:  // a horseshoe magnet pulling
      cairo_set_line_width(cr, 0.34);
      cairo_set_line_cap(cr, CAIRO_LINE_CAP_BUTT);
      cairo_move_to(cr, -0.45, -0.55);
      cairo_line_to(cr, -0.45, 0.2);
      cairo_arc_negative(cr, 0, 0.2, 0.45, kPi, 0);
      cairo_line_to(cr, 0.45, -0.55);
      cairo_stroke(cr);
      punch();
      for (double x : {-0.45, 0.45}) cairo_rectangle(cr, x - 0.17, -0.55, 0.34, 0.06);
      cairo_fill(cr);
      Source(cr, ink);
      cairo_set_line_width(cr, 0.08);
      for (double x : {-0.45, 0.45}) cairo_move_to(cr, x, -0.7), cairo_line_to(cr, x, -0.95);
      cairo_stroke(cr);
      break;
    case Glyph::Horned:  // a bubble with horns: the taunt that enrages
      SpeechBubble(cr);
      cairo_fill(cr);
      for (double s : {-1.0, 1.0}) PolygonPath(cr, {{s * 0.35, -0.6}, {s * 0.75, -0.98}, {s * 0.6, -0.5}}), cairo_fill(cr);
      punch();
      for (double s : {-1.0, 1.0})
        PolygonPath(cr, {{s * 0.12, -0.3}, {s * 0.45, -0.42}, {s * 0.4, -0.22}}), cairo_fill(cr);
      cairo_set_line_width(cr, 0.1);
      cairo_move_to(cr, -0.3, 0.05), cairo_line_to(cr, -0.15, -0.05), cairo_line_to(cr, 0, 0.05), cairo_line_to(cr, 0.15, -0.05),
          cairo_line_to(cr, 0.3, 0.05);
      cairo_stroke(cr);
      break;
    case Glyph::Unseen:  // an eye struck through
      cairo_move_to(cr, -0.9, 0);
      cairo_curve_to(cr, -0.4, -0.65, 0.4, -0.65, 0.9, 0);
      cairo_curve_to(cr, 0.4, 0.65, -0.4, 0.65, -0.9, 0);
      cairo_stroke(cr);
      Circle(cr, 0, 0, 0.22);
      cairo_fill(cr);
      cairo_set_line_width(cr, 0.18);
      cairo_move_to(cr, -0.75, 0.75), cairo_line_to(cr, 0.75, -0.75);
      cairo_stroke(cr);
      break;
    case Glyph::Dagger: DaggerShape(cr, kPi / 5); break;
    case Glyph::Daggers:
      DaggerShape(cr, -kPi / 4);
      DaggerShape(cr, kPi / 4);
      break;
    case Glyph::Pulse:  // a bolt sending out rings
      Bolt(cr, 0, 0, 0.55);
      cairo_set_line_width(cr, 0.1);
      for (double r : {0.72, 0.92}) {
        cairo_new_sub_path(cr), cairo_arc(cr, 0, 0, r, -kPi * 0.35, kPi * 0.35);
        cairo_new_sub_path(cr), cairo_arc(cr, 0, 0, r, kPi * 0.65, kPi * 1.35);
      }
      cairo_stroke(cr);
      break;
    case Glyph::Battery:
      cairo_rectangle(cr, -0.8, -0.45, 1.45, 0.9);
      cairo_stroke(cr);
      cairo_rectangle(cr, 0.65, -0.2, 0.18, 0.4);
      cairo_fill(cr);
      cairo_rectangle(cr, -0.6, -0.26, 0.3, 0.52), cairo_rectangle(cr, -0.22, -0.26, 0.3, 0.52);
      cairo_fill(cr);
      break;
    case Glyph::Static:  // jagged interference over a steady line
      cairo_move_to(cr, -0.9, 0.45);
      for (int i = 0; i < 9; ++i) cairo_line_to(cr, -0.9 + (i + 0.5) * 0.2, i % 2 ? 0.1 : 0.8);
      cairo_stroke(cr);
      cairo_move_to(cr, -0.9, -0.45);
      cairo_curve_to(cr, -0.5, -0.95, -0.3, 0.05, 0, -0.45);
      cairo_curve_to(cr, 0.3, -0.95, 0.5, 0.05, 0.9, -0.45);
      cairo_stroke(cr);
      break;
    case Glyph::Pin:  // a map marker
      cairo_move_to(cr, 0, 0.95);
      cairo_curve_to(cr, -0.3, 0.4, -0.65, 0.05, -0.65, -0.3);
      cairo_arc(cr, 0, -0.3, 0.65, kPi, 2 * kPi);
      cairo_curve_to(cr, 0.65, 0.05, 0.3, 0.4, 0, 0.95);
      cairo_close_path(cr);
      cairo_fill(cr);
      punch();
      Circle(cr, 0, -0.3, 0.25);
      cairo_fill(cr);
      break;
    case Glyph::Deflect:  // a bolt glancing off a plate
      cairo_set_line_width(cr, 0.22);
      cairo_arc(cr, 0.9, 0, 0.6, kPi * 0.7, kPi * 1.3);
      cairo_stroke(cr);
      Bolt(cr, -0.35, 0.2, 0.5);
      cairo_set_line_width(cr, 0.1);
      cairo_move_to(cr, -0.1, -0.3), cairo_line_to(cr, -0.5, -0.8);
      cairo_stroke(cr);
      Arrowhead(cr, -0.55, -0.85, -kPi * 0.7, 0.2);
      break;
    case Glyph::FocusShield:
      ShieldPath(cr);
      cairo_stroke(cr);
      Circle(cr, 0, 0, 0.32);
      cairo_stroke(cr);
      Circle(cr, 0, 0, 0.12);
      cairo_fill(cr);
      break;
    case Glyph::ReflectShield:
      ShieldPath(cr, 0.8);
      cairo_translate(cr, 0.2, 0);
      cairo_fill(cr);
      cairo_translate(cr, -0.2, 0);
      cairo_set_line_width(cr, 0.12);
      cairo_move_to(cr, -0.95, -0.7), cairo_line_to(cr, -0.45, 0), cairo_line_to(cr, -0.95, 0.7);
      cairo_stroke(cr);
      Arrowhead(cr, -0.95, 0.7, kPi * 0.7, 0.22);
      break;
    case Glyph::Dodge:  // a ship sidestepping a shot
      ShipShape(cr, 0.2, -0.35, 0.55);
      cairo_set_line_width(cr, 0.1);
      cairo_move_to(cr, -0.95, 0.45), cairo_line_to(cr, 0.95, 0.45);
      cairo_stroke(cr);
      Arrowhead(cr, 0.95, 0.45, 0, 0.2);
      cairo_move_to(cr, -0.3, 0.2), cairo_curve_to(cr, -0.5, -0.1, -0.5, -0.3, -0.3, -0.5);
      cairo_stroke(cr);
      break;
    case Glyph::BoostShield:  // a solid shield with the arrow cut into it
      ShieldPath(cr);
      cairo_fill(cr);
      Source(cr, hollow);
      PolygonPath(cr, {{0, -0.5}, {0.35, -0.05}, {0.13, -0.05}, {0.13, 0.45}, {-0.13, 0.45}, {-0.13, -0.05}, {-0.35, -0.05}});
      cairo_fill(cr);
      Source(cr, ink);
      break;
    case Glyph::Heart:
      cairo_move_to(cr, 0, 0.85);
      cairo_curve_to(cr, -0.5, 0.45, -1.0, 0.05, -0.8, -0.4);
      cairo_curve_to(cr, -0.6, -0.85, -0.1, -0.8, 0, -0.4);
      cairo_curve_to(cr, 0.1, -0.8, 0.6, -0.85, 0.8, -0.4);
      cairo_curve_to(cr, 1.0, 0.05, 0.5, 0.45, 0, 0.85);
      cairo_fill(cr);
      break;
    case Glyph::Moon:
      cairo_arc(cr, 0, 0, 0.8, 0, 2 * kPi);
      cairo_fill(cr);
      punch();
      Circle(cr, 0.35, -0.25, 0.68);
      cairo_fill(cr);
      Source(cr, ink);
      PolygonPath(cr, StarPoints(0.45, 0.35, 0.2, 0.08, 4, 0));
      cairo_fill(cr);
      break;
    case Glyph::Squadron:
      ShipShape(cr, 0.15, 0, 0.5);
      ShipShape(cr, -0.45, -0.55, 0.35);
      ShipShape(cr, -0.45, 0.55, 0.35);
      break;
    case Glyph::Beacon:  // a buoy broadcasting
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
      break;
    case Glyph::Jammer:  // a mast whose waves are crossed out
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
      break;
    case Glyph::Gear:
      for (int i = 0; i < 8; ++i) {
        cairo_save(cr);
        cairo_rotate(cr, i * kPi / 4);
        cairo_rectangle(cr, -0.14, -0.9, 0.28, 0.35);
        cairo_restore(cr);
      }
      cairo_fill(cr);
      Circle(cr, 0, 0, 0.62);
      cairo_fill(cr);
      punch();
      Circle(cr, 0, 0, 0.25);
      cairo_fill(cr);
      break;
    case Glyph::Scales:
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
      break;
    case Glyph::Crate:
      cairo_rectangle(cr, -0.7, -0.6, 1.4, 1.2);
      cairo_move_to(cr, -0.7, -0.6), cairo_line_to(cr, 0.7, 0.6);
      cairo_move_to(cr, 0.7, -0.6), cairo_line_to(cr, -0.7, 0.6);
      cairo_stroke(cr);
      break;
    case Glyph::Links:  // two chain links
      cairo_set_line_width(cr, 0.16);
      for (double s : {-1.0, 1.0}) {
        cairo_save(cr);
        cairo_rotate(cr, -kPi / 4);
        RoundedRect(cr, s * 0.3 - 0.42, -0.25, 0.84, 0.5, 0.25);
        cairo_restore(cr);
      }
      cairo_stroke(cr);
      break;
    case Glyph::Coins:
      for (int i = 0; i < 4; ++i) {
        double y = 0.6 - i * 0.3;
        cairo_save(cr);
        cairo_translate(cr, -0.2 + (i % 2) * 0.08, y);
        cairo_scale(cr, 0.55, 0.18);
        cairo_arc(cr, 0, 0, 1, 0, 2 * kPi);
        cairo_restore(cr);
        cairo_fill_preserve(cr);
        punch();
        cairo_set_line_width(cr, 0.05);
        cairo_stroke(cr);
        Source(cr, ink);
      }
      Circle(cr, 0.55, -0.35, 0.32);
      cairo_fill(cr);
      break;
    case Glyph::Magnifier:
      Circle(cr, -0.2, -0.2, 0.5);
      cairo_stroke(cr);
      cairo_set_line_width(cr, 0.25);
      cairo_move_to(cr, 0.17, 0.17), cairo_line_to(cr, 0.8, 0.8);
      cairo_stroke(cr);
      break;
    case Glyph::Radar:  // a sweep with a contact
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
      break;
    case Glyph::Crosshair:
      Circle(cr, 0, 0, 0.65);
      for (double a = 0; a < 2 * kPi; a += kPi / 2)
        cairo_move_to(cr, 0.3 * std::cos(a), 0.3 * std::sin(a)), cairo_line_to(cr, 0.95 * std::cos(a), 0.95 * std::sin(a));
      cairo_stroke(cr);
      Circle(cr, 0, 0, 0.1);
      cairo_fill(cr);
      break;
    case Glyph::Patrol: {  // a dashed round with a ship on it
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
      break;
    }
    case Glyph::Medal:
      PolygonPath(cr, {{-0.45, -0.9}, {-0.1, -0.9}, {0.1, -0.3}, {-0.15, -0.25}});
      cairo_fill(cr);
      PolygonPath(cr, {{0.45, -0.9}, {0.1, -0.9}, {-0.1, -0.3}, {0.15, -0.25}});
      cairo_fill(cr);
      Circle(cr, 0, 0.3, 0.55);
      cairo_fill(cr);
      punch();
      PolygonPath(cr, StarPoints(0, 0.3, 0.33, 0.14, 5));
      cairo_fill(cr);
      break;
    case Glyph::Stopwatch:
      Circle(cr, 0, 0.15, 0.7);
      cairo_stroke(cr);
      cairo_rectangle(cr, -0.15, -0.9, 0.3, 0.18);
      cairo_fill(cr);
      cairo_move_to(cr, 0, 0.15), cairo_line_to(cr, 0.35, -0.2);
      cairo_stroke(cr);
      Bolt(cr, 0.05, 0.4, 0.25);
      break;
    case Glyph::Whispers:  // two bubbles, one behind the other, with dots
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
      punch();
      for (int i = -1; i <= 1; ++i) Circle(cr, -0.2 + i * 0.22, 0.15, 0.07);
      cairo_fill(cr);
      break;
    case Glyph::Star:  // a star with rays
      PolygonPath(cr, StarPoints(0, 0.05, 0.72, 0.3, 5));
      cairo_fill(cr);
      cairo_set_line_width(cr, 0.08);
      for (int i = 0; i < 5; ++i) {
        double a = -kPi / 2 + kPi / 5 + i * 2 * kPi / 5;
        cairo_move_to(cr, 0.6 * std::cos(a), 0.05 + 0.6 * std::sin(a));
        cairo_line_to(cr, 0.95 * std::cos(a), 0.05 + 0.95 * std::sin(a));
      }
      cairo_stroke(cr);
      break;
    case Glyph::Mask:  // a domino mask
      cairo_move_to(cr, -0.95, -0.3);
      cairo_curve_to(cr, -0.5, -0.55, 0.5, -0.55, 0.95, -0.3);
      cairo_curve_to(cr, 0.95, 0.35, 0.4, 0.5, 0.1, 0.15);
      cairo_line_to(cr, -0.1, 0.15);
      cairo_curve_to(cr, -0.4, 0.5, -0.95, 0.35, -0.95, -0.3);
      cairo_close_path(cr);
      cairo_fill(cr);
      punch();
      for (double s : {-1.0, 1.0}) {
        cairo_save(cr);
        cairo_translate(cr, s * 0.45, -0.1);
        cairo_scale(cr, 0.24, 0.13);
        cairo_arc(cr, 0, 0, 1, 0, 2 * kPi);
        cairo_restore(cr);
        cairo_fill(cr);
      }
      break;
    case Glyph::Dice:
      for (double s : {-1.0, 1.0}) {
        cairo_save(cr);
        cairo_translate(cr, s * 0.4, s * 0.25);
        cairo_rotate(cr, s * 0.3);
        RoundedRect(cr, -0.38, -0.38, 0.76, 0.76, 0.12);
        cairo_fill(cr);
        Source(cr, hollow);
        static constexpr Point kPips[] = {{-0.2, -0.2}, {0.2, 0.2}, {0, 0}, {0.2, -0.2}, {-0.2, 0.2}};
        for (int i = 0; i < (s < 0 ? 3 : 5); ++i) Circle(cr, kPips[i].x, kPips[i].y, 0.07);
        cairo_fill(cr);
        Source(cr, ink);
        cairo_restore(cr);
      }
      break;
    case Glyph::Eye:
      cairo_move_to(cr, -0.9, 0);
      cairo_curve_to(cr, -0.4, -0.65, 0.4, -0.65, 0.9, 0);
      cairo_curve_to(cr, 0.4, 0.65, -0.4, 0.65, -0.9, 0);
      cairo_close_path(cr);
      cairo_fill(cr);
      punch();
      Circle(cr, 0, 0, 0.3);
      cairo_fill(cr);
      Source(cr, ink);
      Circle(cr, 0, 0, 0.14);
      cairo_fill(cr);
      break;
    case Glyph::TwoFaces:  // a face split down the middle, one half dark
      Circle(cr, 0, 0, 0.8);
      cairo_stroke(cr);
      cairo_move_to(cr, 0, -0.8);
      cairo_arc(cr, 0, 0, 0.8, -kPi / 2, kPi / 2);
      cairo_line_to(cr, 0.12, 0.4), cairo_line_to(cr, -0.1, 0.1), cairo_line_to(cr, 0.1, -0.2), cairo_line_to(cr, -0.05, -0.5);
      cairo_close_path(cr);
      cairo_fill(cr);
      Circle(cr, -0.35, -0.15, 0.1);
      cairo_fill(cr);
      punch();
      Circle(cr, 0.4, -0.15, 0.1);
      cairo_fill(cr);
      break;
    case Glyph::Gem:
      PolygonPath(cr, {{-0.75, -0.3}, {-0.4, -0.7}, {0.4, -0.7}, {0.75, -0.3}, {0, 0.85}});
      cairo_fill(cr);
      punch();
      cairo_set_line_width(cr, 0.06);
      cairo_move_to(cr, -0.75, -0.3), cairo_line_to(cr, 0.75, -0.3);
      cairo_move_to(cr, -0.25, -0.3), cairo_line_to(cr, 0, 0.85), cairo_line_to(cr, 0.25, -0.3);
      cairo_stroke(cr);
      break;
    case Glyph::Chip:
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
      punch();
      cairo_rectangle(cr, -0.22, -0.22, 0.44, 0.44);
      cairo_fill(cr);
      break;
    case Glyph::Record:  // a sheet with a tick
      PolygonPath(cr, {{-0.6, -0.85}, {0.3, -0.85}, {0.6, -0.55}, {0.6, 0.85}, {-0.6, 0.85}});
      cairo_fill(cr);
      punch();
      cairo_set_line_width(cr, 0.16);
      cairo_move_to(cr, -0.35, 0.1), cairo_line_to(cr, -0.08, 0.4), cairo_line_to(cr, 0.4, -0.3);
      cairo_stroke(cr);
      cairo_set_line_width(cr, 0.07);
      cairo_move_to(cr, -0.4, -0.55), cairo_line_to(cr, 0.2, -0.55);
      cairo_stroke(cr);
      break;
    case Glyph::Key:
      Circle(cr, -0.45, -0.35, 0.35);
      cairo_stroke(cr);
      cairo_move_to(cr, -0.2, -0.1), cairo_line_to(cr, 0.75, 0.85);
      cairo_move_to(cr, 0.45, 0.55), cairo_line_to(cr, 0.7, 0.3);
      cairo_move_to(cr, 0.25, 0.35), cairo_line_to(cr, 0.45, 0.15);
      cairo_stroke(cr);
      break;
  }
}

}  // namespace

void DrawIconSymbol(cairo_t* cr, std::string_view name, double cx, double cy, double r, Rgb ink, Rgb hollow) {
  const Icon* icon = Find(name).icon;
  if (!icon) return;
  cairo_save(cr);
  cairo_translate(cr, cx, cy);
  cairo_scale(cr, r, r);
  DrawGlyph(cr, icon->glyph, ink, hollow);
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
      DrawGlyph(cr, named.icon->glyph, colour, hollow);
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
