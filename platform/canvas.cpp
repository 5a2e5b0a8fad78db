#include "platform/canvas.h"

#include "platform/text.h"

#include <SDL.h>

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <vector>

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

namespace {

// How target pixel i of a row (or column) of `to` pixels takes its share of `from` source pixels:
// the source pixels from `first` on, with weights in 256ths that add up to 256.
struct Span {
  int first = 0;
  std::vector<std::uint32_t> weights;
};

Span SpanOf(int i, int from, int to) {
  const double step = double(from) / to;
  const double begin = i * step, end = std::min<double>(from, (i + 1) * step);
  Span span;
  span.first = std::min(from - 1, int(std::floor(begin)));
  std::uint32_t total = 0;
  std::size_t largest = 0;
  for (int c = span.first; c < from && c < end; ++c) {
    const double cover = std::min<double>(c + 1, end) - std::max<double>(c, begin);
    const auto w = static_cast<std::uint32_t>(std::lround(cover / step * 256));
    span.weights.push_back(w);
    total += w;
    if (w > span.weights[largest]) largest = span.weights.size() - 1;
  }
  // Rounding leaves the sum a little off 256: the largest share takes the difference.
  span.weights[largest] = span.weights[largest] + 256 - total;
  return span;
}

// to[k] += w * from[k] for k < n, in blocks of a fixed length that the compiler turns into vector
// instructions, then the rest one by one.
void AddWeighted(std::uint16_t* __restrict to, const std::uint8_t* __restrict from, std::uint16_t w,
                 std::size_t n) {
  constexpr std::size_t kBlock = 16;
  std::size_t k = 0;
  for (; k + kBlock <= n; k += kBlock)
    for (std::size_t b = 0; b < kBlock; ++b)
      to[k + b] = static_cast<std::uint16_t>(to[k + b] + w * from[k + b]);
  for (; k < n; ++k) to[k] = static_cast<std::uint16_t>(to[k] + w * from[k]);
}

}  // namespace

void DrawShrunk(SDL_Surface* source, SDL_Surface* target, Rect frame, Rect part) {
  part = Intersection(part, Intersection(frame, Rect{0, 0, target->w, target->h}));
  if (part.w <= 0 || part.h <= 0 || frame.w > source->w || frame.h > source->h) return;
  std::vector<Span> rows;
  for (int y = part.y; y < part.y + part.h; ++y) rows.push_back(SpanOf(y - frame.y, source->h, frame.h));
  // The columns' shares, laid out flat, every column padded with zero weights to the widest.
  std::vector<Span> columnSpans;
  std::size_t widest = 1;
  for (int x = part.x; x < part.x + part.w; ++x) {
    columnSpans.push_back(SpanOf(x - frame.x, source->w, frame.w));
    widest = std::max(widest, columnSpans.back().weights.size());
  }
  const int right = std::min(source->w, columnSpans.back().first + static_cast<int>(widest));
  const int left = std::max(0, std::min(columnSpans.front().first, right - static_cast<int>(widest)));
  std::vector<int> columnFirst;
  std::vector<std::uint32_t> columnWeights(columnSpans.size() * widest, 0);
  for (std::size_t i = 0; i < columnSpans.size(); ++i) {
    const Span& span = columnSpans[i];
    // A padded column near the right edge starts further left, so that it reads no further.
    const int first = std::min(span.first, right - static_cast<int>(widest));
    columnFirst.push_back((first - left) * 4);
    for (std::size_t c = 0; c < span.weights.size(); ++c)
      columnWeights[i * widest + static_cast<std::size_t>(span.first - first) + c] = span.weights[c];
  }
  // Each row of the source columns the part reads, first summed down its rows' shares (at most
  // 255 x 256, so 16 bits hold it).
  std::vector<std::uint16_t> sums(static_cast<std::size_t>(right - left) * 4);
  // The target's own format takes the pixels straight when it is 32-bit ARGB or RGB (the alpha
  // byte ignored); any other goes through a part-sized surface that SDL converts.
  const Uint32 format = target->format->format;
  const bool direct = format == SDL_PIXELFORMAT_ARGB8888 || format == SDL_PIXELFORMAT_RGB888;
  SDL_Surface* out = target;
  int ox = 0, oy = 0;
  if (!direct) {
    out = SDL_CreateRGBSurfaceWithFormat(0, part.w, part.h, 32, SDL_PIXELFORMAT_ARGB8888);
    if (!out) return;
    ox = part.x;
    oy = part.y;
  }
  SDL_LockSurface(source);
  SDL_LockSurface(out);
  const auto* src = static_cast<const std::uint8_t*>(source->pixels);
  auto* dst = static_cast<std::uint8_t*>(out->pixels);
  std::uint16_t* const sum = sums.data();
  const std::size_t count = sums.size();
  for (int j = 0; j < part.h; ++j) {
    const Span& row = rows[static_cast<std::size_t>(j)];
    std::fill(sums.begin(), sums.end(), std::uint16_t{0});
    for (std::size_t r = 0; r < row.weights.size(); ++r) {
      const std::uint8_t* line = src + (row.first + static_cast<int>(r)) * source->pitch + left * 4;
      const auto w = static_cast<std::uint16_t>(row.weights[r]);
      if (w == 0) continue;
      AddWeighted(sum, line, w, count);
    }
    std::uint8_t* pixel = dst + (part.y + j - oy) * out->pitch + (part.x - ox) * 4;
    const std::uint32_t* weights = columnWeights.data();
    for (int i = 0; i < part.w; ++i, pixel += 4, weights += widest) {
      const std::uint16_t* from = sum + columnFirst[static_cast<std::size_t>(i)];
      // The four channels' sums of one column as two 64-bit words of two 32-bit lanes each
      // (channels 0 and 2, 1 and 3, read in the machine's little-endian order): a lane holds at
      // most 255 x 256 x 256.
      static_assert(std::endian::native == std::endian::little);
      constexpr std::uint64_t kLanes = 0x0000ffff0000ffffULL, kHalf = 0x0000800000008000ULL;
      std::uint64_t even = kHalf, odd = kHalf;
      for (std::size_t c = 0; c < widest; ++c, from += 4) {
        std::uint64_t four = 0;
        std::memcpy(&four, from, sizeof four);
        const std::uint64_t w = weights[c];
        even += w * (four & kLanes);
        odd += w * ((four >> 16) & kLanes);
      }
      pixel[0] = static_cast<std::uint8_t>(even >> 16);
      pixel[1] = static_cast<std::uint8_t>(odd >> 16);
      pixel[2] = static_cast<std::uint8_t>(even >> 48);
      pixel[3] = static_cast<std::uint8_t>(odd >> 48);
    }
  }
  SDL_UnlockSurface(out);
  SDL_UnlockSurface(source);
  if (!direct) {
    SDL_SetSurfaceBlendMode(out, SDL_BLENDMODE_NONE);
    SDL_Rect to{part.x, part.y, part.w, part.h};
    SDL_BlitSurface(out, nullptr, target, &to);
    SDL_FreeSurface(out);
  }
}

}  // namespace platform
