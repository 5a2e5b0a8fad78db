// People: stylised busts in uniform colours that differ in face, hair, skin and age; droids; the
// uniform jackets of the personal status screen.
#include <algorithm>
#include <cmath>
#include <string>
#include <string_view>

#include "tools/assetgen/kit.h"

namespace assetgen {
namespace {

constexpr Rgb kSkins[] = {{240, 205, 175}, {225, 180, 140}, {195, 145, 105}, {150, 105, 75}, {105, 72, 52}};
constexpr Rgb kHairs[] = {{45, 30, 22}, {90, 60, 35}, {170, 120, 60}, {215, 180, 110}, {25, 22, 26}, {140, 50, 30}};

struct Face {
  Rgb skin, hair;
  int hairStyle;  // 0 short, 1 side part, 2 long, 3 bun, 4 cropped, 5 bald
  bool beard;
  double age;     // years
  Rgb young;      // the hair's colour before it greys
  double build;   // shoulders' breadth: the young are slighter
  bool longHaired = false;      // wears the hair long (worn up from the mid-thirties)
  bool stubble = false;         // a day's beard on the jaw, from the mid-thirties
  bool readingGlasses = false;  // half-rims from fifty
  double width;   // face width factor
  Rgb eyes;
  bool glasses;
  int ribbons;    // ribbon bars on the chest, 0..3
  int backdrop;   // 0 bridge lights, 1 window onto space, 2 plain studio
};

Face FaceOf(const Context& k) {
  // The player's portraits of one person at every age share the person's seed.
  std::string person = k.s.Text("hue");
  Scatter r(Hash(person.empty() ? k.a.file : person) ^ 0xface);
  Face f;
  f.skin = kSkins[r.Next() % 5];
  f.hair = kHairs[r.Next() % 6];
  f.hairStyle = int(r.Next() % 6);
  f.beard = f.hairStyle != 2 && f.hairStyle != 3 && r.Unit() < 0.35;
  f.age = k.s.Int("age", 25 + int(r.Next() % 40));
  f.width = r.Range(0.9, 1.08);
  constexpr Rgb kEyes[] = {{60, 85, 110}, {70, 110, 60}, {90, 60, 35}, {45, 40, 35}, {80, 120, 150}};
  f.eyes = kEyes[r.Next() % 5];
  f.glasses = Hash(person + "glasses") % 4 == 0;
  f.ribbons = int(r.Next() % 4);
  f.backdrop = int(r.Next() % 3);
  // Age shows in the hair (grey at the temples in the mid-thirties, greying at fifty, white at
  // seventy, gone at the very last), the build (face and shoulders fill out), the hairline (it
  // recedes), a day's beard on the men's jaws and, late, a long white beard.
  const bool longHaired = f.hairStyle == 2 || f.hairStyle == 3;
  f.longHaired = longHaired;
  f.young = f.hair;
  f.hair = Mix(f.hair, Rgb{185, 182, 176}, f.age < 35 ? 0.0 : f.age < 50 ? 0.3 : 0.75);
  if (f.age >= 70) f.hair = Rgb{228, 226, 222};
  if (f.hairStyle == 5 && f.age < 70) f.hairStyle = 4;
  if (f.age >= 70 && f.hairStyle == 4) f.hairStyle = 5;
  if (f.age >= 35 && f.hairStyle == 2) f.hairStyle = 3;  // long hair worn up from the mid-thirties
  if (f.age >= 120 && !longHaired) f.hairStyle = 5;
  f.stubble = !longHaired && !f.beard && f.age >= 35 && f.age < 120;
  if (!longHaired && f.age >= 120) f.beard = true;
  f.readingGlasses = !f.glasses && f.age >= 50;
  f.width *= 0.9 + 0.2 * std::clamp((f.age - 20) / 45, 0.0, 1.0);
  f.build = 0.88 + 0.14 * std::clamp((f.age - 20) / 40, 0.0, 1.0);
  // Skin pales with great age.
  f.skin = Mix(f.skin, Rgb{200, 196, 192}, std::clamp((f.age - 60) / 90, 0.0, 1.0) * 0.45);
  return f;
}

void Ellipse(cairo_t* cr, double cx, double cy, double rx, double ry) {
  cairo_save(cr);
  cairo_translate(cr, cx, cy);
  cairo_scale(cr, rx, ry);
  cairo_new_sub_path(cr);
  cairo_arc(cr, 0, 0, 1, 0, 2 * kPi);
  cairo_restore(cr);
}

// Shoulders in the uniform's cloth, lit from the upper left as the uniform pictures are: lapels in a
// lighter facing, the shirt collar, gold shoulder boards, the rank bar and a few ribbon bars.
void Shoulders(cairo_t* cr, double w, double h, double cx, Rgb cloth, double top, const Face& f) {
  cairo_new_path(cr);
  cairo_move_to(cr, cx - w * 0.5, h);
  cairo_curve_to(cr, cx - w * 0.48, top + h * 0.06, cx - w * 0.32, top, cx - w * 0.1, top);
  cairo_line_to(cr, cx + w * 0.1, top);
  cairo_curve_to(cr, cx + w * 0.32, top, cx + w * 0.48, top + h * 0.06, cx + w * 0.5, h);
  cairo_close_path(cr);
  LinearSource(cr, cx - w * 0.45, top, cx + w * 0.45, h, {{0, Mix(cloth, kWhite, 0.28)}, {0.55, cloth}, {1, Scale(cloth, 0.4)}});
  cairo_fill(cr);
  // Folds of the cloth.
  Source(cr, Scale(cloth, 0.55), 0.6);
  cairo_set_line_width(cr, std::max(1.0, w * 0.01));
  for (double side : {-1.0, 1.0}) {
    cairo_move_to(cr, cx + side * w * 0.34, top + h * 0.05);
    cairo_curve_to(cr, cx + side * w * 0.3, top + h * 0.12, cx + side * w * 0.33, h - h * 0.05, cx + side * w * 0.3, h);
  }
  cairo_stroke(cr);
  // Shirt and collar in the opening.
  PolygonPath(cr, {{cx - w * 0.11, top}, {cx, top + h * 0.17}, {cx + w * 0.11, top}});
  Source(cr, Rgb{225, 228, 234});
  cairo_fill(cr);
  // Lapels.
  for (double side : {-1.0, 1.0}) {
    PolygonPath(cr, {{cx + side * w * 0.11, top}, {cx + side * w * 0.2, top + h * 0.01}, {cx + side * w * 0.14, top + h * 0.16},
                     {cx + side * w * 0.02, top + h * 0.26}, {cx, top + h * 0.17}});
    LinearSource(cr, cx, top, cx + side * w * 0.2, top + h * 0.2,
                 {{0, Mix(cloth, kWhite, side < 0 ? 0.35 : 0.15)}, {1, Scale(cloth, side < 0 ? 1.1 : 0.7)}});
    cairo_fill(cr);
  }
  // Shoulder boards in gold.
  for (double side : {-1.0, 1.0}) {
    double x = cx + side * w * 0.36;
    cairo_save(cr);
    cairo_translate(cr, x, top + h * 0.04);
    cairo_rotate(cr, side * 0.22);
    RoundedRect(cr, -w * 0.09, -h * 0.018, w * 0.18, h * 0.036, h * 0.015);
    LinearSource(cr, 0, -h * 0.018, 0, h * 0.018, {{0, Rgb{255, 240, 170}}, {0.5, kGold}, {1, Rgb{140, 100, 25}}});
    cairo_fill(cr);
    cairo_restore(cr);
  }
  // The rank bar, and ribbon bars over the heart.
  RoundedRect(cr, cx + w * 0.2, top + h * 0.1, w * 0.12, h * 0.028, 1);
  LinearSource(cr, 0, top + h * 0.1, 0, top + h * 0.13, {{0, Rgb{255, 240, 170}}, {1, Scale(kGold, 0.7)}});
  cairo_fill(cr);
  for (int i = 0; i < f.ribbons; ++i) {
    double x = cx - w * 0.31 + i * w * 0.065, y = top + h * 0.11;
    Rgb a = HueColour(Hash(std::to_string(i) + "ribbon") ^ std::uint32_t(f.skin.r));
    cairo_rectangle(cr, x, y, w * 0.06, h * 0.025);
    LinearSource(cr, x, 0, x + w * 0.06, 0, {{0, a}, {0.45, a}, {0.5, kWhite}, {0.55, a}, {1, Scale(a, 0.6)}});
    cairo_fill(cr);
  }
}

// What a person wears, by what he is (the row's label): the officers and the player in uniform,
// everyone else in the clothes of his trade.
enum class Outfit { Officer, Pilot, Pirate, Rogue, Barman, Trader, Crewman, Marine, Droid };

Outfit OutfitOf(std::string_view label) {
  if (label.find("pilot") != std::string_view::npos || label.find("Pilot") != std::string_view::npos) return Outfit::Pilot;
  if (label == "Pirate") return Outfit::Pirate;
  if (label == "Rogue") return Outfit::Rogue;
  if (label == "Barman") return Outfit::Barman;
  if (label == "Trader") return Outfit::Trader;
  if (label == "Crewman") return Outfit::Crewman;
  if (label == "Marine") return Outfit::Marine;
  if (label == "Droids") return Outfit::Droid;
  return Outfit::Officer;
}

// The plain outline of shoulders and chest, filled with cloth lit from the upper left.
void Torso(cairo_t* cr, double w, double h, double cx, Rgb cloth, double top, double broad = 1.0) {
  cairo_new_path(cr);
  cairo_move_to(cr, cx - w * 0.5 * broad, h);
  cairo_curve_to(cr, cx - w * 0.48 * broad, top + h * 0.06, cx - w * 0.32 * broad, top, cx - w * 0.1, top);
  cairo_line_to(cr, cx + w * 0.1, top);
  cairo_curve_to(cr, cx + w * 0.32 * broad, top, cx + w * 0.48 * broad, top + h * 0.06, cx + w * 0.5 * broad, h);
  cairo_close_path(cr);
  LinearSource(cr, cx - w * 0.45, top, cx + w * 0.45, h, {{0, Mix(cloth, kWhite, 0.25)}, {0.55, cloth}, {1, Scale(cloth, 0.4)}});
  cairo_fill(cr);
}

void Opening(cairo_t* cr, double cx, double top, double half, double depth, Rgb colour) {
  PolygonPath(cr, {{cx - half, top}, {cx, top + depth}, {cx + half, top}});
  Source(cr, colour);
  cairo_fill(cr);
}

// Everything but the officer's uniform, which Shoulders draws.
void Clothes(cairo_t* cr, Outfit outfit, double w, double h, double cx, Rgb tint, double top, const Face& f) {
  double lw = std::max(1.0, w * 0.012);
  switch (outfit) {
    case Outfit::Pilot: {  // a flight suit: ribbed collar ring, zip, a patch on the shoulder, harness straps
      Torso(cr, w, h, cx, Mix(Scale(tint, 0.55), Rgb{70, 78, 70}, 0.45), top);
      RoundedRect(cr, cx - w * 0.13, top - h * 0.01, w * 0.26, h * 0.06, h * 0.03);
      Source(cr, Rgb{40, 42, 46});
      cairo_fill(cr);
      Source(cr, Rgb{30, 30, 32});
      cairo_set_line_width(cr, lw * 2.2);
      for (double side : {-1.0, 1.0}) cairo_move_to(cr, cx + side * w * 0.2, top + h * 0.02), cairo_line_to(cr, cx + side * w * 0.16, h);
      cairo_stroke(cr);
      Source(cr, Rgb{190, 190, 195});
      cairo_set_line_width(cr, lw);
      cairo_move_to(cr, cx, top + h * 0.05), cairo_line_to(cr, cx, h);
      cairo_stroke(cr);
      cairo_arc(cr, cx - w * 0.36, top + h * 0.1, w * 0.05, 0, 2 * kPi);
      Source(cr, tint);
      cairo_fill(cr);
      break;
    }
    case Outfit::Pirate: {  // a worn leather coat over an open shirt, a bandolier across the chest
      Torso(cr, w, h, cx, Rgb{92, 62, 40}, top, 1.04);
      Opening(cr, cx, top, w * 0.13, h * 0.22, Rgb{225, 215, 190});
      Opening(cr, cx, top, w * 0.07, h * 0.16, Scale(f.skin, 0.85));
      cairo_move_to(cr, cx - w * 0.34, top + h * 0.02), cairo_line_to(cr, cx + w * 0.3, h);
      Source(cr, Rgb{55, 38, 24});
      cairo_set_line_width(cr, w * 0.06);
      cairo_stroke(cr);
      for (int i = 0; i < 4; ++i) {
        double t = 0.2 + i * 0.2;
        cairo_rectangle(cr, cx - w * 0.34 + t * w * 0.64 - w * 0.012, top + h * 0.02 + t * (h - top) - h * 0.03, w * 0.024, h * 0.05);
      }
      Source(cr, Rgb{210, 175, 80});
      cairo_fill(cr);
      break;
    }
    case Outfit::Rogue: {  // a long dark coat with its collar turned up high, a gold chain
      Torso(cr, w, h, cx, Rgb{34, 30, 40}, top, 1.02);
      Opening(cr, cx, top, w * 0.1, h * 0.2, Scale(tint, 0.5));
      for (double side : {-1.0, 1.0}) {
        PolygonPath(cr, {{cx + side * w * 0.08, top + h * 0.04}, {cx + side * w * 0.16, top - h * 0.12},
                         {cx + side * w * 0.3, top - h * 0.04}, {cx + side * w * 0.24, top + h * 0.12}});
        LinearSource(cr, cx, top - h * 0.12, cx + side * w * 0.3, top + h * 0.1, {{0, Rgb{70, 62, 80}}, {1, Rgb{20, 18, 24}}});
        cairo_fill(cr);
      }
      cairo_move_to(cr, cx - w * 0.2, top + h * 0.12);
      cairo_curve_to(cr, cx - w * 0.1, top + h * 0.22, cx + w * 0.1, top + h * 0.22, cx + w * 0.2, top + h * 0.12);
      Source(cr, kGold);
      cairo_set_line_width(cr, lw * 1.5);
      cairo_stroke(cr);
      break;
    }
    case Outfit::Barman: {  // a white shirt with rolled sleeves' folds, a waistcoat and a bow tie
      Torso(cr, w, h, cx, Rgb{228, 226, 220}, top);
      for (double side : {-1.0, 1.0}) {
        PolygonPath(cr, {{cx + side * w * 0.06, top + h * 0.06}, {cx + side * w * 0.3, top + h * 0.02}, {cx + side * w * 0.36, h},
                         {cx + side * w * 0.02, h}});
        Source(cr, Scale(tint, 0.55));
        cairo_fill(cr);
      }
      for (double side : {-1.0, 1.0})
        PolygonPath(cr, {{cx, top + h * 0.04}, {cx + side * w * 0.09, top - h * 0.0}, {cx + side * w * 0.09, top + h * 0.08}}),
            Source(cr, Rgb{20, 20, 24}), cairo_fill(cr);
      break;
    }
    case Outfit::Trader: {  // a civilian suit: jacket, white shirt and a tie
      Torso(cr, w, h, cx, Rgb{70, 64, 58}, top);
      Opening(cr, cx, top, w * 0.12, h * 0.24, Rgb{240, 240, 236});
      PolygonPath(cr, {{cx - w * 0.025, top + h * 0.01}, {cx + w * 0.025, top + h * 0.01}, {cx + w * 0.035, top + h * 0.2},
                       {cx, top + h * 0.24}, {cx - w * 0.035, top + h * 0.2}});
      Source(cr, Scale(tint, 0.85));
      cairo_fill(cr);
      for (double side : {-1.0, 1.0}) {
        PolygonPath(cr, {{cx + side * w * 0.12, top}, {cx + side * w * 0.2, top + h * 0.02}, {cx + side * w * 0.05, top + h * 0.28}});
        Source(cr, Rgb{55, 50, 45});
        cairo_fill(cr);
      }
      break;
    }
    case Outfit::Crewman: {  // work overalls: a zip, a chest pocket, shoulder seams
      Torso(cr, w, h, cx, Rgb{120, 128, 140}, top);
      Opening(cr, cx, top, w * 0.08, h * 0.1, Rgb{60, 62, 70});
      Source(cr, Rgb{60, 62, 70});
      cairo_set_line_width(cr, lw);
      cairo_move_to(cr, cx, top + h * 0.1), cairo_line_to(cr, cx, h);
      for (double side : {-1.0, 1.0}) cairo_move_to(cr, cx + side * w * 0.22, top + h * 0.01), cairo_line_to(cr, cx + side * w * 0.42, top + h * 0.12);
      cairo_stroke(cr);
      cairo_rectangle(cr, cx + w * 0.1, top + h * 0.1, w * 0.14, h * 0.1);
      Source(cr, Rgb{90, 96, 106});
      cairo_fill(cr);
      cairo_rectangle(cr, cx - w * 0.26, top + h * 0.1, w * 0.14, h * 0.04);
      Source(cr, Rgb{230, 180, 60});
      cairo_fill(cr);
      break;
    }
    case Outfit::Marine: {  // body armour: a chest plate and round shoulder plates
      Torso(cr, w, h, cx, Rgb{60, 72, 58}, top, 1.06);
      RoundedRect(cr, cx - w * 0.22, top + h * 0.03, w * 0.44, h, w * 0.08);
      LinearSource(cr, cx - w * 0.22, 0, cx + w * 0.22, 0, {{0, Rgb{120, 135, 110}}, {1, Rgb{50, 60, 46}}});
      cairo_fill(cr);
      for (double side : {-1.0, 1.0}) {
        Ellipse(cr, cx + side * w * 0.38, top + h * 0.08, w * 0.14, h * 0.08);
        LinearSource(cr, 0, top, 0, top + h * 0.16, {{0, Rgb{130, 145, 120}}, {1, Rgb{45, 55, 42}}});
        cairo_fill(cr);
      }
      break;
    }
    case Outfit::Droid: {  // plated metal shoulders and a chest light
      Torso(cr, w, h, cx, Rgb{130, 136, 148}, top);
      Source(cr, Rgb{60, 64, 72});
      cairo_set_line_width(cr, lw);
      for (int i = 1; i < 4; ++i) cairo_move_to(cr, cx - w * 0.45, top + i * h * 0.07), cairo_line_to(cr, cx + w * 0.45, top + i * h * 0.07);
      cairo_stroke(cr);
      Glow(cr, cx, top + h * 0.14, w * 0.05, Rgb{90, 200, 255}, 1.2);
      break;
    }
    case Outfit::Officer: break;
  }
}

// What a person wears on the head, drawn over it: the pilot's headset, the pirate's bandana and eye
// patch, the rogue's hat and scar, the marine's helmet.
void Headgear(cairo_t* cr, Outfit outfit, const Face& f, double cx, double cy, double r, Rgb tint) {
  double rx = r * 0.78 * f.width, ry = r, lw = std::max(1.0, r * 0.08);
  switch (outfit) {
    case Outfit::Pilot:
      cairo_arc(cr, cx, cy, rx * 1.08, kPi * 1.08, kPi * 1.92);
      Source(cr, Rgb{40, 42, 46});
      cairo_set_line_width(cr, lw * 1.5);
      cairo_stroke(cr);
      for (double side : {-1.0, 1.0}) {
        Ellipse(cr, cx + side * rx * 1.02, cy + ry * 0.05, rx * 0.2, ry * 0.26);
        Source(cr, Rgb{50, 52, 58});
        cairo_fill(cr);
      }
      cairo_move_to(cr, cx - rx * 1.0, cy + ry * 0.2);
      cairo_curve_to(cr, cx - rx * 0.9, cy + ry * 0.6, cx - rx * 0.6, cy + ry * 0.65, cx - rx * 0.3, cy + ry * 0.55);
      cairo_set_line_width(cr, lw * 0.8);
      cairo_stroke(cr);
      break;
    case Outfit::Pirate:
      cairo_new_path(cr);
      cairo_arc(cr, cx, cy - ry * 0.05, rx * 1.06, kPi, 2 * kPi);
      cairo_line_to(cr, cx + rx * 1.06, cy - ry * 0.25);
      cairo_curve_to(cr, cx + rx * 0.5, cy - ry * 0.45, cx - rx * 0.5, cy - ry * 0.45, cx - rx * 1.06, cy - ry * 0.25);
      cairo_close_path(cr);
      Source(cr, tint);
      cairo_fill(cr);
      PolygonPath(cr, {{cx + rx * 0.95, cy - ry * 0.35}, {cx + rx * 1.45, cy - ry * 0.1}, {cx + rx * 1.3, cy + ry * 0.15}});
      cairo_fill(cr);
      Ellipse(cr, cx - rx * 0.38, cy - ry * 0.05, rx * 0.24, ry * 0.16);
      Source(cr, Rgb{15, 12, 10});
      cairo_fill(cr);
      cairo_move_to(cr, cx - rx * 0.95, cy - ry * 0.3), cairo_line_to(cr, cx + rx * 0.3, cy - ry * 0.2);
      cairo_set_line_width(cr, lw * 0.6);
      cairo_stroke(cr);
      break;
    case Outfit::Rogue:
      Ellipse(cr, cx, cy - ry * 0.7, rx * 1.6, ry * 0.22);
      Source(cr, Rgb{28, 24, 30});
      cairo_fill(cr);
      RoundedRect(cr, cx - rx * 0.85, cy - ry * 1.35, rx * 1.7, ry * 0.7, rx * 0.3);
      cairo_fill(cr);
      cairo_rectangle(cr, cx - rx * 0.85, cy - ry * 0.85, rx * 1.7, ry * 0.12);
      Source(cr, Scale(tint, 0.8));
      cairo_fill(cr);
      cairo_move_to(cr, cx + rx * 0.45, cy - ry * 0.05), cairo_line_to(cr, cx + rx * 0.65, cy + ry * 0.4);
      Source(cr, Rgb{150, 70, 70});
      cairo_set_line_width(cr, lw * 0.5);
      cairo_stroke(cr);
      break;
    case Outfit::Marine:
      cairo_new_path(cr);
      cairo_arc(cr, cx, cy - ry * 0.1, rx * 1.2, kPi * 0.85, kPi * 2.15);
      cairo_arc_negative(cr, cx, cy + ry * 0.05, rx * 0.95, kPi * 2.05, kPi * 0.95);
      cairo_close_path(cr);
      LinearSource(cr, 0, cy - ry * 1.3, 0, cy + ry * 0.5, {{0, Rgb{135, 150, 120}}, {1, Rgb{45, 55, 42}}});
      cairo_fill(cr);
      break;
    default: break;
  }
}

// A head drawn in layers, back to front, each layer one function over the face and the head's
// measures: its middle, its radius, the face's half-widths across and down, and where the eyes sit.
struct HeadPainter {
  HeadPainter(cairo_t* cr, const Face& f, double cx, double cy, double r)
      : cr(cr), f(f), cx(cx), cy(cy), r(r), rx(r * 0.78 * f.width), ry(r), ey(cy - ry * 0.05), ex(rx * 0.38),
        lw(std::max(0.8, r * 0.05)) {}

  void Paint() const {
    HairBehind();
    NeckAndEars();
    Skin();
    Beard();
    HairOnTop();
    GreyTemples();
    Eyes();
    NoseAndMouth();
    AgeLines();
    Glasses();
    VeryOld();
  }

  // The hair behind the head.
  void HairBehind() const {
    if (f.hairStyle == 2) {
      RoundedRect(cr, cx - rx * 1.2, cy - ry * 0.8, rx * 2.4, ry * 2.1, rx * 0.9);
      LinearSource(cr, 0, cy - ry, 0, cy + ry * 1.3, {{0, Scale(f.hair, 1.1)}, {1, Scale(f.hair, 0.55)}});
      cairo_fill(cr);
    }
    if (f.hairStyle == 3) {
      Ellipse(cr, cx, cy - ry * 1.05, rx * 0.45, ry * 0.35);
      Source(cr, f.hair);
      cairo_fill(cr);
    }
  }

  // The neck and the ears.
  void NeckAndEars() const {
    cairo_rectangle(cr, cx - rx * 0.42, cy + ry * 0.5, rx * 0.84, ry * 0.75);
    LinearSource(cr, cx - rx * 0.42, 0, cx + rx * 0.42, 0, {{0, Scale(f.skin, 0.85)}, {1, Scale(f.skin, 0.6)}});
    cairo_fill(cr);
    // The chin's shadow on the neck.
    Ellipse(cr, cx, cy + ry * 0.78, rx * 0.5, ry * 0.22);
    Source(cr, Scale(f.skin, 0.45), 0.7);
    cairo_fill(cr);
    if (f.age >= 120) {  // a life-support collar round the neck
      RoundedRect(cr, cx - rx * 0.62, cy + ry * 0.85, rx * 1.24, ry * 0.42, ry * 0.1);
      LinearSource(cr, 0, cy + ry * 0.85, 0, cy + ry * 1.27, {{0, Rgb{210, 215, 225}}, {1, Rgb{80, 85, 95}}});
      cairo_fill(cr);
      for (int i = 0; i < 3; ++i) Glow(cr, cx - rx * 0.35 + i * rx * 0.35, cy + ry * 1.06, ry * 0.08, Rgb{90, 200, 255}, 1.2);
    }
    for (double side : {-1.0, 1.0}) {
      Ellipse(cr, cx + side * rx * 0.98, cy + ry * 0.08, rx * 0.14, ry * 0.2);
      Source(cr, Scale(f.skin, 0.88));
      cairo_fill(cr);
    }
  }

  // The face, lit from the upper left.
  void Skin() const {
    cairo_new_path(cr);
    Ellipse(cr, cx, cy, rx, ry);
    RadialSource(cr, cx, cy, r * 0.1, r * 1.1, {{0, Mix(f.skin, kWhite, 0.18)}, {0.7, f.skin}, {1, Scale(f.skin, 0.7)}},
                 cx - rx * 0.35, cy - ry * 0.35);
    cairo_fill(cr);
    // The shadow side of the face, the cheekbones and the light on the brow.
    cairo_save(cr);
    Ellipse(cr, cx, cy, rx, ry);
    cairo_clip(cr);
    RadialSource(cr, cx + rx * 0.9, cy + ry * 0.2, 0, rx * 1.1, {{0, Scale(f.skin, 0.55), 0.55}, {1, Scale(f.skin, 0.55), 0}});
    cairo_paint(cr);
    for (double side : {-1.0, 1.0}) {
      Ellipse(cr, cx + side * rx * 0.55, cy + ry * 0.28, rx * 0.28, ry * 0.14);
      Source(cr, side < 0 ? Mix(f.skin, Rgb{230, 140, 130}, 0.25) : Scale(f.skin, 0.8), 0.5);
      cairo_fill(cr);
    }
    Ellipse(cr, cx - rx * 0.2, cy - ry * 0.45, rx * 0.45, ry * 0.18);
    Source(cr, kWhite, 0.12);
    cairo_fill(cr);
    cairo_restore(cr);
  }

  // The beard, the moustache and the day's stubble.
  void Beard() const {
    if (f.beard) {
      cairo_new_path(cr);
      cairo_arc(cr, cx, cy + ry * 0.05, rx * 0.98, 0.15, kPi - 0.15);
      cairo_arc_negative(cr, cx, cy + ry * 0.35, rx * 0.45, kPi - 0.3, 0.3);
      cairo_close_path(cr);
      Source(cr, Scale(f.hair, 0.9), 0.92);
      cairo_fill(cr);
      if (f.age >= 120) {  // grown long and white
        cairo_new_path(cr);
        cairo_move_to(cr, cx - rx * 0.75, cy + ry * 0.55);
        cairo_curve_to(cr, cx - rx * 0.6, cy + ry * 1.4, cx + rx * 0.6, cy + ry * 1.4, cx + rx * 0.75, cy + ry * 0.55);
        cairo_close_path(cr);
        Source(cr, Scale(f.hair, 0.95));
        cairo_fill(cr);
      }
    }
    if (f.stubble && f.age >= 50) {  // the day's beard kept as a moustache
      cairo_new_path(cr);
      cairo_move_to(cr, cx - rx * 0.36, cy + ry * 0.5);
      cairo_curve_to(cr, cx - rx * 0.3, cy + ry * 0.32, cx + rx * 0.3, cy + ry * 0.32, cx + rx * 0.36, cy + ry * 0.5);
      cairo_curve_to(cr, cx + rx * 0.2, cy + ry * 0.42, cx - rx * 0.2, cy + ry * 0.42, cx - rx * 0.36, cy + ry * 0.5);
      Source(cr, Scale(f.hair, 0.9));
      cairo_fill(cr);
    }
    if (f.stubble) {
      cairo_new_path(cr);
      cairo_arc(cr, cx, cy + ry * 0.05, rx * 0.97, 0.2, kPi - 0.2);
      cairo_arc_negative(cr, cx, cy + ry * 0.3, rx * 0.5, kPi - 0.35, 0.35);
      cairo_close_path(cr);
      Source(cr, Scale(f.hair, 0.55), 0.55);
      cairo_fill(cr);
    }
  }

  // The hair on top.
  void HairOnTop() const {
    if (f.hairStyle != 5) {
      cairo_new_path(cr);
      double part = f.hairStyle == 1 ? 0.3 : 0.0,
             fringe = (f.hairStyle == 4 ? 0.72 : 0.5) + (f.longHaired ? 0.08 : 0.4) * std::clamp((f.age - 30) / 40, 0.0, 1.0);
      cairo_arc(cr, cx, cy - ry * 0.05, rx * 1.04, kPi * 1.02, kPi * 1.98);
      cairo_curve_to(cr, cx + rx * 0.8, cy - ry * fringe, cx + rx * part, cy - ry * (fringe + 0.25), cx - rx * 0.2,
                     cy - ry * (fringe + 0.05));
      cairo_curve_to(cr, cx - rx * 0.6, cy - ry * fringe, cx - rx * 0.9, cy - ry * 0.35, cx - rx * 1.03, cy + ry * 0.05);
      cairo_close_path(cr);
      LinearSource(cr, cx - rx, cy - ry, cx + rx, cy, {{0, Mix(f.hair, kWhite, 0.2)}, {1, Scale(f.hair, 0.6)}});
      cairo_fill_preserve(cr);
      // Strands and a sheen.
      cairo_save(cr);
      cairo_clip(cr);
      Source(cr, Scale(f.hair, 0.55), 0.7);
      cairo_set_line_width(cr, std::max(0.7, r * 0.025));
      for (int i = 0; i < 9; ++i) {
        double x = cx - rx + i * rx * 0.25;
        cairo_move_to(cr, x, cy - ry * 1.1);
        cairo_curve_to(cr, x + rx * 0.15, cy - ry * 0.8, x + rx * 0.1, cy - ry * 0.5, x - rx * 0.05, cy - ry * 0.2);
      }
      cairo_stroke(cr);
      Ellipse(cr, cx - rx * 0.3, cy - ry * 0.85, rx * 0.4, ry * 0.1);
      Source(cr, kWhite, 0.18);
      cairo_fill(cr);
      cairo_restore(cr);
    }
  }

  // Grey temples before the whole head turns.
  void GreyTemples() const {
    if (f.age >= 35 && f.age < 70 && f.hairStyle != 5) {
      for (double side : {-1.0, 1.0}) {
        Ellipse(cr, cx + side * rx * 0.93, cy - ry * 0.2, rx * 0.12, ry * 0.24);
        Source(cr, Rgb{212, 210, 206}, std::clamp((f.age - 25) / 30, 0.4, 0.95));
        cairo_fill(cr);
      }
    }
  }

  // The eyes and the brows.
  void Eyes() const {
    for (double side : {-1.0, 1.0}) {
      Ellipse(cr, cx + side * ex, ey, rx * 0.17, ry * 0.075);
      Source(cr, Rgb{245, 245, 240});
      cairo_fill(cr);
      cairo_arc(cr, cx + side * ex + rx * 0.02, ey, ry * 0.065, 0, 2 * kPi);
      Source(cr, f.eyes);
      cairo_fill(cr);
      cairo_arc(cr, cx + side * ex + rx * 0.02, ey, ry * 0.03, 0, 2 * kPi);
      Source(cr, Rgb{12, 12, 14});
      cairo_fill(cr);
      cairo_arc(cr, cx + side * ex, ey - ry * 0.025, ry * 0.018, 0, 2 * kPi);
      Source(cr, kWhite, 0.9);
      cairo_fill(cr);
      // The upper lid.
      Source(cr, Scale(f.skin, 0.6));
      cairo_set_line_width(cr, lw * 0.9);
      cairo_arc(cr, cx + side * ex, ey + ry * 0.05, rx * 0.18, kPi * 1.15, kPi * 1.85);
      cairo_stroke(cr);
      Source(cr, Scale(f.hair, 0.8));
      cairo_set_line_width(cr, lw * 1.2);
      cairo_move_to(cr, cx + side * ex - rx * 0.18, ey - ry * 0.16);
      cairo_line_to(cr, cx + side * ex + rx * 0.18, ey - ry * (0.18 + 0.02 * side));
      cairo_stroke(cr);
    }
  }

  // The nose's shadow, then its line; the mouth.
  void NoseAndMouth() const {
    PolygonPath(cr, {{cx + rx * 0.02, ey + ry * 0.08}, {cx + rx * 0.14, ey + ry * 0.32}, {cx + rx * 0.02, ey + ry * 0.34}});
    Source(cr, Scale(f.skin, 0.7), 0.6);
    cairo_fill(cr);
    Source(cr, Scale(f.skin, 0.7));
    cairo_set_line_width(cr, lw);
    cairo_move_to(cr, cx, ey + ry * 0.05);
    cairo_line_to(cr, cx - rx * 0.08, ey + ry * 0.3);
    cairo_line_to(cr, cx + rx * 0.05, ey + ry * 0.32);
    cairo_stroke(cr);
    Source(cr, Mix(f.skin, Rgb{150, 60, 60}, 0.5));
    cairo_set_line_width(cr, lw * 1.3);
    cairo_move_to(cr, cx - rx * 0.25, cy + ry * 0.5);
    cairo_curve_to(cr, cx - rx * 0.1, cy + ry * (0.55 - 0.02 * (f.age < 40)), cx + rx * 0.1, cy + ry * 0.55,
                   cx + rx * 0.25, cy + ry * 0.48);
    cairo_stroke(cr);
  }

  // Age: from the mid-thirties bags under the eyes and lines from nose to mouth; from fifty a
  // furrowed brow, crow's feet and heavier jowls; all deepening with the years.
  void AgeLines() const {
    if (f.age >= 35) {
      double depth = std::clamp((f.age - 25) / 45, 0.3, 1.0);
      Source(cr, Scale(f.skin, 0.55), depth);
      cairo_set_line_width(cr, lw * (0.8 + 0.5 * depth));
      for (double side : {-1.0, 1.0}) {
        cairo_move_to(cr, cx + side * rx * 0.22, cy + ry * 0.2);
        cairo_curve_to(cr, cx + side * rx * 0.42, cy + ry * 0.32, cx + side * rx * 0.42, cy + ry * 0.45, cx + side * rx * 0.34,
                       cy + ry * 0.6);
        cairo_move_to(cr, cx + side * (ex - rx * 0.14), ey + ry * 0.13);
        cairo_curve_to(cr, cx + side * ex, ey + ry * 0.2, cx + side * (ex + rx * 0.1), ey + ry * 0.18,
                       cx + side * (ex + rx * 0.16), ey + ry * 0.1);
      }
      cairo_stroke(cr);
      if (f.age >= 50) {
        const double brow = f.longHaired ? 0.3 : 0.4, step = f.longHaired ? 0.07 : 0.1;
        for (int i = 0; i < (f.longHaired ? 2 : 3); ++i) {
          cairo_move_to(cr, cx - rx * 0.42, cy - ry * (brow + step * i));
          cairo_curve_to(cr, cx - rx * 0.15, cy - ry * (brow + 0.04 + step * i), cx + rx * 0.15, cy - ry * (brow + 0.04 + step * i),
                         cx + rx * 0.42, cy - ry * (brow + step * i));
        }
        for (double side : {-1.0, 1.0})
          for (int i = -1; i <= 1; ++i) {
            cairo_move_to(cr, cx + side * rx * 0.62, ey + i * ry * 0.05);
            cairo_line_to(cr, cx + side * rx * 0.8, ey + i * ry * 0.09);
          }
        cairo_stroke(cr);
        for (double side : {-1.0, 1.0}) {
          Ellipse(cr, cx + side * rx * 0.66, cy + ry * 0.64, rx * 0.24, ry * 0.18);
          Source(cr, Scale(f.skin, 0.6), 0.35 * depth);
          cairo_fill(cr);
          Ellipse(cr, cx + side * ex, ey + ry * 0.15, rx * 0.18, ry * 0.06);
          Source(cr, Scale(f.skin, 0.6), 0.4 * depth);
          cairo_fill(cr);
        }
      }
    }
  }

  // Glasses, or reading glasses' half-rims.
  void Glasses() const {
    if (f.glasses) {
      Source(cr, Rgb{40, 40, 46});
      cairo_set_line_width(cr, lw * 0.9);
      for (double side : {-1.0, 1.0}) RoundedRect(cr, cx + side * ex - rx * 0.24, ey - ry * 0.13, rx * 0.48, ry * 0.26, ry * 0.08);
      cairo_move_to(cr, cx - ex + rx * 0.24, ey - ry * 0.02), cairo_line_to(cr, cx + ex - rx * 0.24, ey - ry * 0.02);
      cairo_stroke(cr);
      for (double side : {-1.0, 1.0}) {
        RoundedRect(cr, cx + side * ex - rx * 0.2, ey - ry * 0.11, rx * 0.2, ry * 0.08, ry * 0.04);
        Source(cr, kWhite, 0.25);
        cairo_fill(cr);
      }
    }
    if (f.readingGlasses) {  // half-rims low on the nose
      Source(cr, Rgb{70, 50, 30});
      cairo_set_line_width(cr, lw * 1.5);
      for (double side : {-1.0, 1.0}) {
        cairo_new_sub_path(cr);
        cairo_arc(cr, cx + side * ex, ey + ry * 0.02, rx * 0.24, 0.1, kPi - 0.1);
        cairo_move_to(cr, cx + side * (ex + rx * 0.24), ey + ry * 0.04);
        cairo_line_to(cr, cx + side * rx * 0.98, ey - ry * 0.02);
      }
      cairo_move_to(cr, cx - ex + rx * 0.22, ey + ry * 0.06), cairo_line_to(cr, cx + ex - rx * 0.22, ey + ry * 0.06);
      cairo_stroke(cr);
    }
  }

  void VeryOld() const {
    if (f.age >= 120) {  // very old: hollow cheeks, a skull plate and a cybernetic eyepiece keep them going
      for (double side : {-1.0, 1.0}) {
        Ellipse(cr, cx + side * rx * 0.55, cy + ry * 0.35, rx * 0.2, ry * 0.16);
        Source(cr, Scale(f.skin, 0.6), 0.35);
        cairo_fill(cr);
      }
      RoundedRect(cr, cx - rx * 0.95, cy - ry * 0.75, rx * 0.6, ry * 0.45, rx * 0.12);
      LinearSource(cr, 0, cy - ry * 0.75, 0, cy - ry * 0.3, {{0, Rgb{200, 205, 215}}, {1, Rgb{90, 95, 105}}});
      cairo_fill(cr);
      Glow(cr, cx - rx * 0.65, cy - ry * 0.52, rx * 0.14, Rgb{90, 200, 255}, 1.2);
      cairo_arc(cr, cx + ex, ey, ry * 0.16, 0, 2 * kPi);
      Source(cr, Rgb{120, 125, 135});
      cairo_fill(cr);
      Glow(cr, cx + ex, ey, ry * 0.14, Rgb{255, 60, 40}, 1.2);
    }
  }

  cairo_t* cr;
  const Face& f;
  double cx, cy, r, rx, ry;
  double ey, ex;  // the eyes' height and their distance from the middle
  double lw;      // the width of the face's lines
};

void Head(cairo_t* cr, const Face& f, double cx, double cy, double r) { HeadPainter(cr, f, cx, cy, r).Paint(); }

void Droid(cairo_t* cr, double cx, double cy, double r) {
  Rgb metal{170, 178, 190};
  RoundedRect(cr, cx - r * 0.8, cy - r * 0.9, r * 1.6, r * 1.7, r * 0.5);
  RadialSource(cr, cx, cy, 0, r * 1.3, {{0, Mix(metal, kWhite, 0.4)}, {1, Scale(metal, 0.45)}}, cx - r * 0.4, cy - r * 0.5);
  cairo_fill(cr);
  RoundedRect(cr, cx - r * 0.6, cy - r * 0.25, r * 1.2, r * 0.3, r * 0.15);
  Source(cr, Rgb{20, 20, 28});
  cairo_fill(cr);
  Glow(cr, cx - r * 0.25, cy - r * 0.1, r * 0.25, Rgb{255, 60, 40}, 1.3);
  Glow(cr, cx + r * 0.25, cy - r * 0.1, r * 0.25, Rgb{255, 60, 40}, 1.3);
  Source(cr, Scale(metal, 0.5));
  for (int i = 0; i < 4; ++i) cairo_rectangle(cr, cx - r * 0.35 + i * r * 0.22, cy + r * 0.35, r * 0.12, r * 0.25);
  cairo_fill(cr);
  cairo_set_line_width(cr, std::max(1.0, r * 0.06));
  cairo_move_to(cr, cx + r * 0.4, cy - r * 0.9);
  cairo_line_to(cr, cx + r * 0.55, cy - r * 1.35);
  cairo_stroke(cr);
  Glow(cr, cx + r * 0.55, cy - r * 1.35, r * 0.15, Rgb{90, 200, 255}, 1.2);
}

}  // namespace

void PaintPortrait(Context& k) {
  cairo_t* cr = k.cr();
  double w = k.w(), h = k.h(), cx = w / 2;
  Rgb uniform = k.main();
  Face f = FaceOf(k);
  // The backdrop: a dark studio lit in the uniform's colour, with a ship's bridge lights or a window
  // onto space behind, and a vignette.
  RadialSource(cr, cx * 0.8, h * 0.3, 0, std::max(w, h) * 0.85,
               {{0, Mix(Scale(uniform, 0.5), Rgb{40, 50, 70}, 0.5)}, {1, Rgb{6, 8, 14}}});
  cairo_paint(cr);
  Scatter s = k.scatter(0xb4c);
  if (f.backdrop == 0) {
    for (int i = 0; i < 10; ++i) {
      double x = s.Range(0, w), y = s.Range(h * 0.05, h * 0.6);
      Glow(cr, x, y, std::max(w, h) * s.Range(0.02, 0.05), i % 3 ? Rgb{90, 170, 255} : Rgb{255, 170, 80}, 0.6);
    }
  } else if (f.backdrop == 1) {
    RoundedRect(cr, w * 0.06, h * 0.06, w * 0.88, h * 0.5, 6);
    Source(cr, Rgb{4, 6, 14}, 0.85);
    cairo_fill(cr);
    for (int i = 0; i < int(w * h / 250); ++i) {
      cairo_arc(cr, s.Range(w * 0.07, w * 0.93), s.Range(h * 0.07, h * 0.55), s.Unit() < 0.9 ? 0.5 : 1.0, 0, 2 * kPi);
      Source(cr, kWhite, s.Range(0.3, 0.9));
      cairo_fill(cr);
    }
    RoundedRect(cr, w * 0.06, h * 0.06, w * 0.88, h * 0.5, 6);
    Source(cr, Rgb{120, 130, 150}, 0.6);
    cairo_set_line_width(cr, std::max(1.5, w * 0.015));
    cairo_stroke(cr);
  }
  double r = std::min(w * 0.28, h * 0.23), cy = h * 0.43;
  const Outfit outfit = k.s.Has("droid") ? Outfit::Droid : OutfitOf(k.a.label);
  cairo_save(cr);
  cairo_translate(cr, cx, h);
  cairo_scale(cr, f.build, 1);
  cairo_translate(cr, -cx, -h);
  if (outfit == Outfit::Officer)
    Shoulders(cr, w, h, cx, Scale(uniform, 0.75), h * 0.72, f);
  else
    Clothes(cr, outfit, w, h, cx, uniform, h * 0.72, f);
  cairo_restore(cr);
  if (outfit == Outfit::Droid) {
    Droid(cr, cx, cy, r);
  } else {
    Head(cr, f, cx, cy, r);
    Headgear(cr, outfit, f, cx, cy, r, uniform);
  }
  // A rim of the uniform's light on the left edge, and the vignette.
  RadialSource(cr, cx, h * 0.45, std::min(w, h) * 0.45, std::max(w, h) * 0.75, {{0, kBlack, 0}, {1, kBlack, 0.55}});
  cairo_paint(cr);
}

// A uniform jacket, front view: lapels, buttons, belt; the admiral's has gold trim and epaulettes.
void PaintUniform(Context& k) {
  cairo_t* cr = k.cr();
  double w = k.w(), h = k.h(), cx = w / 2, waist = k.s.Has("fem") ? 0.28 : 0.34;
  Rgb cloth = Scale(k.main(), 0.6);
  LinearSource(cr, 0, 0, 0, h, {{0, Rgb{46, 50, 58}}, {1, Rgb{16, 18, 22}}});
  cairo_paint(cr);
  std::vector<Point> jacket{{cx - w * 0.45, h * 0.3},  {cx - w * 0.2, h * 0.12}, {cx + w * 0.2, h * 0.12},
                            {cx + w * 0.45, h * 0.3},  {cx + w * 0.4, h * 0.62}, {cx + w * waist, h * 0.96},
                            {cx - w * waist, h * 0.96}, {cx - w * 0.4, h * 0.62}};
  PolygonPath(cr, jacket);
  LinearSource(cr, cx - w * 0.45, 0, cx + w * 0.45, 0, {{0, Mix(cloth, kWhite, 0.2)}, {0.5, cloth}, {1, Scale(cloth, 0.5)}});
  cairo_fill(cr);
  PolygonPath(cr, {{cx - w * 0.1, h * 0.12}, {cx, h * 0.34}, {cx + w * 0.1, h * 0.12}});
  Source(cr, Rgb{230, 232, 236});
  cairo_fill(cr);
  for (double side : {-1.0, 1.0}) {
    PolygonPath(cr, {{cx + side * w * 0.1, h * 0.12}, {cx + side * w * 0.2, h * 0.12}, {cx + side * w * 0.12, h * 0.3},
                     {cx, h * 0.45}});
    Source(cr, Scale(cloth, 1.35));
    cairo_fill(cr);
  }
  for (int i = 0; i < 4; ++i) {
    double y = h * (0.52 + 0.1 * i);
    cairo_arc(cr, cx, y, w * 0.014, 0, 2 * kPi);
    RadialSource(cr, cx, y, 0, w * 0.014, {{0, Rgb{255, 240, 170}}, {1, Scale(kGold, 0.6)}}, cx - 1, y - 1);
    cairo_fill(cr);
  }
  Source(cr, Scale(cloth, 0.45));
  cairo_rectangle(cr, cx - w * 0.39, h * 0.8, w * 0.78, h * 0.04);
  cairo_fill(cr);
  if (k.s.Has("com")) {
    PolygonPath(cr, jacket);
    Source(cr, kGold);
    cairo_set_line_width(cr, 2.5);
    cairo_stroke(cr);
    for (double side : {-1.0, 1.0}) {
      RoundedRect(cr, side < 0 ? cx - w * 0.45 : cx + w * 0.25, h * 0.2, w * 0.2, h * 0.06, 4);
      Source(cr, kGold);
      cairo_fill(cr);
    }
  }
}

}  // namespace assetgen
