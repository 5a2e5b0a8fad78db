// The mission tiles' symbols: every mission type its own, so the board reads at a glance (a crate
// sent on for a transport, a canister for supplies, a grappling hook for a raid; a magnifier for an
// analysis beside the sensor waves of a reconnaissance; a shield for an escort beside the orbit of a
// patrol; a flag for the flagship, a capital ship in the sights, a page of orders to report for duty).
#include <cmath>
#include <string_view>

#include "tools/assetgen/kit.h"

namespace assetgen {
namespace {

// Every symbol is drawn in a unit box (-1..1 both ways) in the current source colour.
void Crosshair(cairo_t* cr) {
  cairo_arc(cr, 0, 0, 0.7, 0, 2 * kPi);
  for (double a = 0; a < 2 * kPi; a += kPi / 2)
    cairo_move_to(cr, 0.35 * std::cos(a), 0.35 * std::sin(a)), cairo_line_to(cr, std::cos(a), std::sin(a));
  cairo_stroke(cr);
}

void Orbit(cairo_t* cr) {  // a patrol's round: a dashed orbit with a ship on it
  double dash[] = {0.2, 0.2};
  cairo_set_dash(cr, dash, 2, 0);
  cairo_arc(cr, 0, 0, 0.8, 0, 2 * kPi);
  cairo_stroke(cr);
  cairo_set_dash(cr, nullptr, 0, 0);
  PolygonPath(cr, {{0.8, -0.35}, {0.55, 0.15}, {0.8, 0.05}, {1.05, 0.15}});
  cairo_fill(cr);
}

void CrateOnward(cairo_t* cr) {  // a crate and the arrow it is sent on with
  cairo_rectangle(cr, -0.85, -0.45, 1.0, 0.9);
  cairo_move_to(cr, -0.85, -0.1), cairo_line_to(cr, 0.15, -0.1);
  cairo_stroke(cr);
  PolygonPath(cr, {{0.35, -0.15}, {0.6, -0.15}, {0.6, -0.4}, {1.0, 0.05}, {0.6, 0.5}, {0.6, 0.25}, {0.35, 0.25}});
  cairo_fill(cr);
}

void CapitalInSights(cairo_t* cr) {  // a capital ship's broad hull under a targeting reticle
  PolygonPath(cr, {{-0.9, -0.25}, {0.5, -0.3}, {0.95, 0}, {0.5, 0.3}, {-0.9, 0.25}});
  cairo_fill(cr);
  for (double sx : {-1.0, 1.0})
    for (double sy : {-1.0, 1.0}) {
      double x = sx * 0.75, y = sy * 0.7;
      cairo_move_to(cr, x, y - sy * 0.3), cairo_line_to(cr, x, y), cairo_line_to(cr, x - sx * 0.3, y);
    }
  cairo_stroke(cr);
}

// Draws with a darker ink, then puts the symbol's own ink back.
template <class F>
void InShadow(cairo_t* cr, F draw) {
  cairo_pattern_t* ink = cairo_pattern_reference(cairo_get_source(cr));
  Source(cr, kBlack, 0.5);
  draw();
  cairo_set_source(cr, ink);
  cairo_pattern_destroy(ink);
}

void CoinPath(cairo_t* cr, double x, double y, double r) {
  cairo_save(cr);
  cairo_translate(cr, x, y);
  cairo_scale(cr, 0.65, 0.25);
  cairo_new_sub_path(cr);
  cairo_arc(cr, 0, 0, r, 0, 2 * kPi);
  cairo_restore(cr);
}

void Coins(cairo_t* cr) {  // a bounty: a stack of coins, each with its rim
  for (int i = 0; i < 3; ++i) {
    double y = 0.55 - i * 0.4, x = (i - 1) * 0.12;
    CoinPath(cr, x, y, 1);
    cairo_fill(cr);
    InShadow(cr, [&] {
      cairo_set_line_width(cr, 0.06);
      CoinPath(cr, x, y, 0.7);
      cairo_stroke(cr);
      cairo_set_line_width(cr, 0.16);
    });
  }
}

void Canister(cairo_t* cr) {  // supplies: a fuel can with its handle and spout, a plus on its side
  PolygonPath(cr, {{-0.6, -0.45}, {-0.25, -0.85}, {0.6, -0.85}, {0.6, 0.9}, {-0.6, 0.9}});
  cairo_fill(cr);
  InShadow(cr, [&] {
    RoundedRect(cr, 0.05, -0.72, 0.4, 0.18, 0.06);
    cairo_fill(cr);
    cairo_rectangle(cr, -0.08, -0.25, 0.16, 0.8);
    cairo_rectangle(cr, -0.38, 0.07, 0.76, 0.16);
    cairo_fill(cr);
  });
  cairo_move_to(cr, -0.45, -0.65), cairo_line_to(cr, -0.8, -0.95);
  cairo_stroke(cr);
}

void Guarded(cairo_t* cr) {  // an escort: a small ship under a shield's arc
  cairo_arc(cr, 0, 0.3, 0.9, kPi * 1.1, kPi * 1.9);
  cairo_stroke(cr);
  PolygonPath(cr, {{0, -0.35}, {0.35, 0.55}, {0, 0.35}, {-0.35, 0.55}});
  cairo_fill(cr);
}

void Orders(cairo_t* cr) {  // report for duty: a page of orders under a star seal
  cairo_save(cr);
  cairo_set_line_width(cr, 0.12);
  RoundedRect(cr, -0.65, -0.9, 1.2, 1.65, 0.1);
  cairo_stroke(cr);
  for (int i = 0; i < 3; ++i) cairo_move_to(cr, -0.42, -0.55 + i * 0.3), cairo_line_to(cr, 0.32, -0.55 + i * 0.3);
  cairo_stroke(cr);
  cairo_restore(cr);
  PolygonPath(cr, StarPoints(0.45, 0.55, 0.45, 0.2, 5));
  cairo_fill(cr);
}

void Eye(cairo_t* cr) {
  cairo_move_to(cr, -1, 0);
  cairo_curve_to(cr, -0.4, -0.7, 0.4, -0.7, 1, 0);
  cairo_curve_to(cr, 0.4, 0.7, -0.4, 0.7, -1, 0);
  cairo_stroke(cr);
  cairo_arc(cr, 0, 0, 0.28, 0, 2 * kPi);
  cairo_fill(cr);
}

void Waves(cairo_t* cr) {  // reconnaissance: a sensor's waves from a dish
  for (double rr : {0.45, 0.75, 1.05}) cairo_new_sub_path(cr), cairo_arc(cr, -0.6, 0.6, rr, -kPi * 0.5, 0);
  cairo_stroke(cr);
  cairo_arc(cr, -0.6, 0.6, 0.2, 0, 2 * kPi);
  cairo_fill(cr);
}

void Helmet(cairo_t* cr) {  // marines: a combat helmet with its visor
  cairo_arc(cr, 0, 0.1, 0.8, kPi, 2 * kPi);
  cairo_line_to(cr, 0.8, 0.55);
  cairo_line_to(cr, -0.8, 0.55);
  cairo_close_path(cr);
  cairo_fill(cr);
  InShadow(cr, [&] {
    RoundedRect(cr, -0.55, -0.05, 1.1, 0.3, 0.1);
    cairo_fill(cr);
  });
}

void Evacuee(cairo_t* cr) {  // evacuation: a person and the arrow up and away
  cairo_arc(cr, -0.35, -0.35, 0.28, 0, 2 * kPi);
  cairo_fill(cr);
  cairo_arc(cr, -0.35, 0.75, 0.55, kPi, 2 * kPi);
  cairo_fill(cr);
  PolygonPath(cr, {{0.45, 0.8}, {0.45, -0.2}, {0.2, -0.2}, {0.65, -0.85}, {1.0, -0.2}, {0.8, -0.2}, {0.8, 0.8}});
  cairo_fill(cr);
}

void CrownedCaptive(cairo_t* cr) {  // a VIP taken: a crowned head inside a closing claw
  PolygonPath(cr, {{-0.35, -0.55}, {-0.35, -0.9}, {-0.15, -0.7}, {0, -0.95}, {0.15, -0.7}, {0.35, -0.9}, {0.35, -0.55}});
  cairo_fill(cr);
  cairo_arc(cr, 0, -0.2, 0.3, 0, 2 * kPi);
  cairo_fill(cr);
  cairo_arc(cr, 0, 0.75, 0.5, kPi, 2 * kPi);
  cairo_fill(cr);
  for (double s : {-1.0, 1.0}) {
    cairo_move_to(cr, s * 0.95, 0.85);
    cairo_curve_to(cr, s * 1.0, -0.2, s * 0.8, -0.5, s * 0.55, -0.5);
  }
  cairo_stroke(cr);
}

void Magnifier(cairo_t* cr) {  // analysis: a magnifying glass over a sample
  cairo_arc(cr, -0.2, -0.2, 0.55, 0, 2 * kPi);
  cairo_stroke(cr);
  cairo_set_line_width(cr, 0.28);
  cairo_move_to(cr, 0.2, 0.2), cairo_line_to(cr, 0.85, 0.85);
  cairo_stroke(cr);
  cairo_arc(cr, -0.2, -0.2, 0.2, 0, 2 * kPi);
  cairo_fill(cr);
}

void Bolt(cairo_t* cr) {
  PolygonPath(cr, {{0.2, -1}, {-0.55, 0.1}, {-0.05, 0.1}, {-0.25, 1}, {0.55, -0.15}, {0.05, -0.15}});
  cairo_fill(cr);
}

void Flanks(cairo_t* cr) {
  for (double s : {-1.0, 1.0}) {
    cairo_new_sub_path(cr);
    cairo_arc(cr, 0, s * 0.1, 0.8, s < 0 ? kPi * 1.1 : kPi * 0.1, s < 0 ? kPi * 1.9 : kPi * 0.9);
  }
  cairo_stroke(cr);
  cairo_arc(cr, 0, 0, 0.2, 0, 2 * kPi);
  cairo_fill(cr);
}

void ArrowsDown(cairo_t* cr) {
  for (int i = 0; i < 3; ++i) {
    double y = -0.5 + i * 0.5;
    cairo_move_to(cr, -0.6, y - 0.3), cairo_line_to(cr, 0, y + 0.1), cairo_line_to(cr, 0.6, y - 0.3);
  }
  cairo_stroke(cr);
}

void Bomb(cairo_t* cr) {
  cairo_arc(cr, -0.1, 0.15, 0.65, 0, 2 * kPi);
  cairo_fill(cr);
  cairo_move_to(cr, 0.3, -0.35), cairo_curve_to(cr, 0.5, -0.8, 0.8, -0.6, 0.9, -0.9);
  cairo_stroke(cr);
}

void Blades(cairo_t* cr) {
  for (double s : {-1.0, 1.0}) {
    cairo_move_to(cr, -s * 0.8, -0.8), cairo_line_to(cr, s * 0.6, 0.6);
    cairo_move_to(cr, s * 0.35, 0.75), cairo_line_to(cr, s * 0.75, 0.35);
  }
  cairo_stroke(cr);
}

void Tower(cairo_t* cr) {
  PolygonPath(cr, {{-0.8, 0.8}, {-0.8, -0.6}, {-0.45, -0.6}, {-0.45, -0.3}, {-0.15, -0.3}, {-0.15, -0.6}, {0.15, -0.6},
                   {0.15, -0.3}, {0.45, -0.3}, {0.45, -0.6}, {0.8, -0.6}, {0.8, 0.8}});
  cairo_fill(cr);
}

void Hook(cairo_t* cr) {  // a raid: a grappling hook on its line
  cairo_move_to(cr, 0, -1), cairo_line_to(cr, 0, 0.55);
  cairo_stroke(cr);
  for (double s : {-1.0, 1.0}) {
    cairo_move_to(cr, 0, 0.55);
    cairo_curve_to(cr, s * 0.5, 0.75, s * 0.8, 0.4, s * 0.75, -0.05);
  }
  cairo_stroke(cr);
  for (double s : {-1.0, 1.0}) PolygonPath(cr, {{s * 0.75, -0.25}, {s * 0.95, 0.05}, {s * 0.55, 0.05}}), cairo_fill(cr);
  cairo_rectangle(cr, -0.3, -0.7, 0.6, 0.12);
  cairo_fill(cr);
}

void Pennant(cairo_t* cr) {  // the flagship: a pennant with a star on its pole
  cairo_move_to(cr, -0.6, 1), cairo_line_to(cr, -0.6, -0.95);
  cairo_stroke(cr);
  PolygonPath(cr, {{-0.6, -0.9}, {0.95, -0.55}, {-0.6, -0.1}});
  cairo_fill(cr);
  PolygonPath(cr, StarPoints(0.2, 0.5, 0.42, 0.18, 5));
  cairo_fill(cr);
}

struct Symbol {
  std::string_view name;
  void (*draw)(cairo_t*);
};

constexpr Symbol kSymbols[] = {
    {"Mission_SearchandDestroyLogo", Crosshair}, {"Mission_PatrolLogo", Orbit},
    {"Mission_TransportLogo", CrateOnward},      {"Mission_AttackCapLogo", CapitalInSights},
    {"Mission_BountyLogo", Coins},               {"Mission_SupplyLogo", Canister},
    {"Mission_EscortLogo", Guarded},             {"Mission_ReportForDutyLogo", Orders},
    {"Mission_InfiltrateLogo", Eye},             {"Mission_ReconLogo", Waves},
    {"Mission_Marine", Helmet},                  {"Mission_Evacuation", Evacuee},
    {"Mission_VIPabductLogo", CrownedCaptive},   {"Mission_Analysis", Magnifier},
    {"Mission_Blitzkrieg", Bolt},                {"Mission_Flanking", Flanks},
    {"Mission_Suppression", ArrowsDown},         {"Mission_Bombing", Bomb},
    {"Mission_Battle", Blades},                  {"Mission_Siege", Tower},
    {"Mission_Raiding", Hook},                   {"Mission_Flagship", Pennant},
};

}  // namespace

bool DrawMissionSymbol(cairo_t* cr, std::string_view name, double cx, double cy, double r, Rgb c) {
  for (const Symbol& s : kSymbols) {
    if (s.name != name) continue;
    cairo_save(cr);
    cairo_translate(cr, cx, cy);
    cairo_scale(cr, r, r);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_set_line_width(cr, 0.16);
    Source(cr, c);
    s.draw(cr);
    cairo_restore(cr);
    return true;
  }
  return false;
}

}  // namespace assetgen
