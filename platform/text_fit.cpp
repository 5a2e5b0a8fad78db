#include "platform/text_fit.h"

#include "platform/application.h"
#include "platform/canvas.h"
#include "platform/form.h"

#include <SDL.h>

#include <algorithm>
#include <cstdint>
#include <memory>

namespace platform {

namespace {

// Where a control can show on the screen: its rectangle cut by every panel and form around it.
Rect ShownArea(const Control& c) {
  Rect area = Intersection(c.ScreenRect(), Rect{0, 0, kScreenWidth, kScreenHeight});
  for (const Control* p = c.Parent(); p; p = p->Parent()) area = Intersection(area, p->ScreenRect());
  return area;
}

// The rectangle of a rendered text's drawn pixels (those clearly visible), relative to the
// surface; empty when nothing is drawn.
Rect InkOf(SDL_Surface* s) {
  int x1 = s->w, y1 = s->h, x2 = -1, y2 = -1;
  SDL_LockSurface(s);
  for (int y = 0; y < s->h; ++y) {
    const auto* row = reinterpret_cast<const std::uint32_t*>(static_cast<const std::uint8_t*>(s->pixels) + y * s->pitch);
    for (int x = 0; x < s->w; ++x)
      if ((row[x] >> 24) > 80) {
        x1 = std::min(x1, x), x2 = std::max(x2, x);
        y1 = std::min(y1, y), y2 = std::max(y2, y);
      }
  }
  SDL_UnlockSurface(s);
  if (x2 < 0) return Rect{};
  return Rect{x1, y1, x2 - x1 + 1, y2 - y1 + 1};
}

// The screen rectangle of a label's drawn text, placed as the label paints it.
Rect TextInkOnScreen(const Label& label) {
  const std::string shown = label.ShownText();
  if (shown.empty()) return Rect{};
  std::unique_ptr<SDL_Surface, void (*)(SDL_Surface*)> text(
      RenderText(label.GetFont(), shown, colors::Black, label.WordWrap() ? std::max(1, label.Width()) : 0,
                 label.Alignment()),
      SDL_FreeSurface);
  if (!text) return Rect{};
  int x = 0;
  if (label.Alignment() == Align::Right) x = label.Width() - text->w;
  if (label.Alignment() == Align::Center) x = (label.Width() - text->w) / 2;
  Rect ink = InkOf(text.get());
  if (ink.w == 0) return ink;
  const Rect at = label.ScreenRect();
  ink.x += at.x + x;
  ink.y += at.y;
  return ink;
}

std::string NameOf(const Control& c) {
  const Form* f = c.OwnerForm();
  return (f ? f->Name() + "." : std::string()) + c.Name();
}

// How far the ink reaches past each side of the area it must stay in.
std::string Overflow(Rect ink, Rect area) {
  std::string out;
  auto side = [&](int by, const char* name) {
    if (by <= 0) return;
    out += (out.empty() ? "" : ", ") + std::to_string(by) + " px past the " + name;
  };
  side(area.x - ink.x, "left");
  side(ink.x + ink.w - (area.x + area.w), "right");
  side(area.y - ink.y, "top");
  side(ink.y + ink.h - (area.y + area.h), "bottom");
  return out;
}

// The four lines of a shape's outline on the screen, as far as they show.
std::vector<Rect> OutlineOf(const Shape& shape) {
  const int p = shape.PenWidth();
  if (p <= 0) return {};
  const Rect r = shape.ScreenRect(), shown = ShownArea(shape);
  std::vector<Rect> lines;
  for (Rect line : {Rect{r.x, r.y, r.w, p}, Rect{r.x, r.y + r.h - p, r.w, p}, Rect{r.x, r.y, p, r.h},
                    Rect{r.x + r.w - p, r.y, p, r.h}})
    if (Rect cut = Intersection(line, shown); cut.w > 0 && cut.h > 0) lines.push_back(cut);
  return lines;
}

// Whether a control hides what lies below it: a panel, a picture, a filled shape, an opaque label,
// an edit or a button.
bool Opaque(const Control& c) {
  switch (c.kind()) {
    case Kind::Panel: case Kind::GroupBox: case Kind::Edit: case Kind::Button: case Kind::SpeedButton:
      return true;
    case Kind::Image: return !static_cast<const Image&>(c).PictureName().empty();
    case Kind::Shape: return !static_cast<const Shape&>(c).BrushClear();
    case Kind::Label: return !static_cast<const Label&>(c).Transparent();
    default: return false;
  }
}

// Whether something opaque is drawn between `below` and `above` all over `area`.
bool CoveredBetween(const std::vector<Control*>& all, std::size_t below, std::size_t above, Rect area) {
  for (std::size_t j = below + 1; j < above; ++j)
    if (all[j]->VisibleInForm() && Opaque(*all[j]) && Intersection(area, ShownArea(*all[j])) == area)
      return true;
  return false;
}

// Whether `c` lies in the label's own layer: no panel holds it (or is it) that does not hold the
// label too. A panel shown over the screen (a message, an information panel) may well cover texts
// below it; a bar or a picture of the label's own layer must not cut one.
bool SameLayer(const Control& c, const Control& label) {
  for (const Control* p = &c; p && p->kind() != Kind::Form; p = p->Parent()) {
    if (p->kind() != Kind::Panel && p->kind() != Kind::GroupBox) continue;
    bool holdsLabel = false;
    for (const Control* q = label.Parent(); q && !holdsLabel; q = q->Parent()) holdsLabel = q == p;
    if (!holdsLabel) return false;
  }
  return true;
}

// The first opaque control of the label's layer drawn after it that hides a part of its text but
// not all of it.
const Control* CuttingOff(const std::vector<Control*>& all, std::size_t label, Rect ink) {
  for (std::size_t j = label + 1; j < all.size(); ++j) {
    if (!all[j]->VisibleInForm() || !Opaque(*all[j]) || !SameLayer(*all[j], *all[label])) continue;
    const Rect hidden = Intersection(ink, ShownArea(*all[j]));
    if (hidden.w > 0 && hidden.h > 0 && hidden != ink) return all[j];
  }
  return nullptr;
}

}  // namespace

std::vector<std::string> TextFitFaults(const Form& form) {
  std::vector<std::string> faults;
  const std::vector<Control*> all = form.AllControls();  // in drawing order
  for (std::size_t i = 0; i < all.size(); ++i) {
    if (all[i]->kind() != Kind::Label || !all[i]->VisibleInForm()) continue;
    const auto& label = static_cast<const Label&>(*all[i]);
    const Rect ink = TextInkOnScreen(label);
    if (ink.w == 0) continue;
    const std::string what = NameOf(label) + " \"" + label.ShownText() + "\"";
    const Rect box = Intersection(label.ScreenRect(), ShownArea(label));
    if (Intersection(ink, box) != ink) {
      const bool ownBox = Intersection(ink, label.ScreenRect()) == ink;
      faults.push_back(what + ": the text reaches " + Overflow(ink, box) + " of " +
                       (ownBox ? "what shows of its box" : "its box"));
    }
    const Rect shownInk = Intersection(ink, box);
    if (const Control* over = CuttingOff(all, i, shownInk))
      faults.push_back(what + ": " + over->Name() + " hides a part of the text");
    // Another text drawn later through a transparent label over this one: both show, mixed.
    for (std::size_t k = i + 1; k < all.size(); ++k) {
      if (all[k]->kind() != Kind::Label || !all[k]->VisibleInForm()) continue;
      const auto& other = static_cast<const Label&>(*all[k]);
      if (!other.Transparent()) continue;  // an opaque label covers; a cut is found above
      const Rect otherInk = Intersection(TextInkOnScreen(other), ShownArea(other));
      const Rect both = Intersection(shownInk, otherInk);
      if (both.w <= 0 || both.h <= 0 || CoveredBetween(all, i, k, both)) continue;
      faults.push_back(what + ": the text of " + NameOf(other) + " \"" + other.ShownText() +
                       "\" lies over it");
    }
    for (std::size_t k = 0; k < all.size(); ++k) {
      if (all[k]->kind() != Kind::Shape || !all[k]->VisibleInForm()) continue;
      const auto& shape = static_cast<const Shape&>(*all[k]);
      // Above the label only an outline crosses it (a filled shape covers it whole); below it, the
      // outline shows through a transparent label unless something opaque lies between them.
      if (k > i ? !shape.BrushClear() : !label.Transparent()) continue;
      for (const Rect& line : OutlineOf(shape)) {
        const Rect crossing = Intersection(line, shownInk);
        if (crossing.w <= 0 || crossing.h <= 0) continue;
        // Something opaque drawn between the two hides the crossing: a panel over the label
        // holding the frame, or one over the frame below the label.
        if (k < i ? CoveredBetween(all, k, i, crossing) : CoveredBetween(all, i, k, crossing)) continue;
        faults.push_back(what + ": the frame " + shape.Name() + " runs through the text");
        break;
      }
    }
  }
  return faults;
}

std::vector<std::string> TextsShowingPastFaults(const std::vector<Form*>& bottomToTop) {
  auto groundOf = [](const Form& f) {
    return Rect{f.Left(), f.Top() - f.TitleHeight(), f.PaintedWidth(), f.PaintedHeight() + f.TitleHeight()};
  };
  std::vector<std::string> faults;
  for (std::size_t lower = 0; lower < bottomToTop.size(); ++lower) {
    const Rect beneath = groundOf(*bottomToTop[lower]);
    for (const Control* c : bottomToTop[lower]->AllControls()) {
      if (c->kind() != Kind::Label || !c->VisibleInForm()) continue;
      const auto& label = static_cast<const Label&>(*c);
      const Rect ink = Intersection(TextInkOnScreen(label), ShownArea(label));
      if (ink.w <= 0 || ink.h <= 0) continue;
      const Form* cutBy = nullptr;
      bool hiddenWhole = false;
      for (std::size_t upper = lower + 1; upper < bottomToTop.size() && !hiddenWhole; ++upper) {
        const Rect ground = groundOf(*bottomToTop[upper]);
        const Rect hidden = Intersection(ink, ground);
        hiddenWhole = hidden == ink;
        if (hidden.w <= 0 || hidden.h <= 0 || cutBy) continue;
        // A screen in place of the one beneath: as wide or as tall as it, or more, so that only
        // a margin of the lower screen shows beside it, too thin for that screen to be seen.
        constexpr int kMargin = 40;
        auto thin = [](int from, int to) { return to > from && to - from < kMargin; };
        const bool wide = ground.x <= beneath.x && ground.x + ground.w >= beneath.x + beneath.w;
        const bool tall = ground.y <= beneath.y && ground.y + ground.h >= beneath.y + beneath.h;
        const int gx2 = ground.x + ground.w, gy2 = ground.y + ground.h;
        const int bx2 = beneath.x + beneath.w, by2 = beneath.y + beneath.h;
        const bool inMargin =
            (wide && ink.y < ground.y && thin(beneath.y, ground.y)) ||
            (wide && ink.y + ink.h > gy2 && thin(gy2, by2)) ||
            (tall && ink.x < ground.x && thin(beneath.x, ground.x)) ||
            (tall && ink.x + ink.w > gx2 && thin(gx2, bx2));
        if (inMargin) cutBy = bottomToTop[upper];
      }
      if (cutBy && !hiddenWhole)
        faults.push_back(NameOf(label) + " \"" + label.ShownText() + "\": the screen " +
                         cutBy->Name() + " in its screen's place hides a part of the text, the rest " +
                         "shows in the thin margin it leaves");
    }
  }
  return faults;
}

}  // namespace platform
