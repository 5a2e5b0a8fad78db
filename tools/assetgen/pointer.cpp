// The tutorial's pointer: a gold arrow with a dark rim and a glass sheen, drawn on black, which the
// screens key out (the picture is shown "transparent"). Its flag says where it points: left,
// right, up or down.
#include <cairo.h>

#include <algorithm>

#include "tools/assetgen/kit.h"

namespace assetgen {

void PaintPointer(Context& k) {
  cairo_t* cr = k.cr();
  const bool vertical = k.s.Has("up") || k.s.Has("down");
  // Drawn pointing right in a box of `len` x `wide`, then turned to its direction.
  const double len = vertical ? k.h() : k.w(), wide = vertical ? k.w() : k.h();
  double turn = 0;
  if (k.s.Has("left")) turn = kPi;
  if (k.s.Has("down")) turn = kPi / 2;
  if (k.s.Has("up")) turn = -kPi / 2;
  cairo_translate(cr, k.w() / 2, k.h() / 2);
  cairo_rotate(cr, turn);
  cairo_translate(cr, -len / 2, -wide / 2);

  const double m = 2.5;                  // room for the rim
  const double head = len * 0.48;        // the head's length
  const double shaft = wide * 0.22;      // half the shaft's width
  const double mid = wide / 2;
  const std::vector<Point> arrow = {
      {m, mid - shaft},          {len - m - head, mid - shaft}, {len - m - head, m},
      {len - m, mid},            {len - m - head, wide - m},    {len - m - head, mid + shaft},
      {m, mid + shaft},
  };
  const Rgb gold = k.main();
  PolygonPath(cr, arrow);
  LinearSource(cr, 0, m, 0, wide - m,
               {{0, Mix(gold, kWhite, 0.45)}, {0.5, gold}, {1, Scale(gold, 0.55)}});
  cairo_fill_preserve(cr);
  // A rim dark enough to stand out on light controls, never pure black (that is keyed out).
  Source(cr, Rgb{70, 40, 8});
  cairo_set_line_width(cr, 2);
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
  cairo_stroke(cr);
  // Glass sheen along the upper edge of the shaft and head.
  PolygonPath(cr, {{m + 2, mid - shaft + 2},
                   {len - m - head + 2, mid - shaft + 2},
                   {len - m - head + 2, m + 4},
                   {len - m - 4, mid - 1},
                   {m + 2, mid - 1}});
  Source(cr, kWhite, 0.28);
  cairo_fill(cr);
}

}  // namespace assetgen
