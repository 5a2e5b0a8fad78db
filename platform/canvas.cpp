#include "platform/canvas.h"

#include "platform/text.h"

#include <SDL.h>

#include <algorithm>
#include <cstdint>

namespace platform {

Canvas::Canvas(SDL_Surface* target, int originX, int originY, Rect clip)
    : target_(target), ox_(originX), oy_(originY),
      clip_(Intersection(clip, Rect{0, 0, target->w, target->h})) {}

Canvas Canvas::Sub(int x, int y, int w, int h) const {
  Canvas c(*this);
  c.ox_ += x;
  c.oy_ += y;
  c.clip_ = Intersection(clip_, Rect{c.ox_, c.oy_, w, h});
  return c;
}

void Canvas::Fill(Rect r, Color c) {
  const Rect a = Intersection(Rect{r.x + ox_, r.y + oy_, r.w, r.h}, clip_);
  if (a.w <= 0 || a.h <= 0) return;
  SDL_Rect sr{a.x, a.y, a.w, a.h};
  SDL_FillRect(target_, &sr, SDL_MapRGB(target_->format, c.r, c.g, c.b));
}

void Canvas::Dim(Rect r) {
  const Rect a = Intersection(Rect{r.x + ox_, r.y + oy_, r.w, r.h}, clip_);
  if (a.w <= 0 || a.h <= 0 || target_->format->BytesPerPixel != 4) return;
  SDL_LockSurface(target_);
  for (int y = a.y; y < a.y + a.h; ++y) {
    auto* row = reinterpret_cast<std::uint32_t*>(static_cast<std::uint8_t*>(target_->pixels) + y * target_->pitch);
    // Each colour channel at a third of its brightness; the alpha byte stays.
    for (int x = a.x; x < a.x + a.w; ++x) {
      const std::uint32_t p = row[x];
      row[x] = (p & 0xFF000000u) | (((p >> 16 & 0xFF) / 3) << 16) | (((p >> 8 & 0xFF) / 3) << 8) | ((p & 0xFF) / 3);
    }
  }
  SDL_UnlockSurface(target_);
}

void Canvas::Frame(Rect r, Color c, int width) {
  width = std::min({width, r.w, r.h});
  if (width <= 0) return;
  Fill(Rect{r.x, r.y, r.w, width}, c);
  Fill(Rect{r.x, r.y + r.h - width, r.w, width}, c);
  Fill(Rect{r.x, r.y, width, r.h}, c);
  Fill(Rect{r.x + r.w - width, r.y, width, r.h}, c);
}

void Canvas::Draw(SDL_Surface* picture, Rect dst) {
  if (!picture || Empty() || dst.w <= 0 || dst.h <= 0) return;
  SDL_Rect clip{clip_.x, clip_.y, clip_.w, clip_.h};
  SDL_SetClipRect(target_, &clip);
  SDL_Rect d{dst.x + ox_, dst.y + oy_, dst.w, dst.h};
  if (dst.w == picture->w && dst.h == picture->h)
    SDL_BlitSurface(picture, nullptr, target_, &d);
  else
    SDL_BlitScaled(picture, nullptr, target_, &d);
  SDL_SetClipRect(target_, nullptr);
}

void Canvas::DrawText(SDL_Surface* text, int x, int y) {
  if (text) Draw(text, Rect{x, y, text->w, text->h});
}

void Canvas::Placeholder(Rect r, std::string_view fileName) {
  Fill(r, Rgb(64, 0, 64));
  Frame(r, Rgb(255, 0, 255), 2);
  // A diagonal cross of small squares marks the box even when it is too small for the name.
  const int steps = std::max(r.w, r.h) / 3;
  for (int i = 0; i <= steps; ++i) {
    const int x = r.x + r.w * i / std::max(steps, 1), y = r.y + r.h * i / std::max(steps, 1);
    Fill(Rect{x - 1, y - 1, 2, 2}, Rgb(255, 0, 255));
    Fill(Rect{r.x + r.w - (x - r.x) - 1, y - 1, 2, 2}, Rgb(255, 0, 255));
  }
  Font f;
  f.size = 7;
  f.color = colors::White;
  if (SDL_Surface* t = TextCache::Get(f, fileName.empty() ? "?" : fileName, colors::White)) {
    Fill(Rect{r.x + 3, r.y + 3, std::min(t->w, r.w - 6), std::min(t->h, r.h - 6)},
         Rgb(64, 0, 64));
    Sub(r.x + 3, r.y + 3, r.w - 6, r.h - 6).DrawText(t, 0, 0);
  }
}

}  // namespace platform
