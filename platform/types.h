// Small value types shared by the form layer: colours, rectangles, mouse buttons, events.
#pragma once

#include <cstdint>
#include <functional>
#include <string_view>

namespace platform {

struct Color {
  std::uint8_t r = 0, g = 0, b = 0;
  friend bool operator==(const Color&, const Color&) = default;
};

constexpr Color Rgb(int r, int g, int b) {
  return Color{static_cast<std::uint8_t>(r), static_cast<std::uint8_t>(g),
               static_cast<std::uint8_t>(b)};
}

namespace colors {
constexpr Color Black = Rgb(0, 0, 0);
constexpr Color White = Rgb(255, 255, 255);
constexpr Color Gray = Rgb(128, 128, 128);
constexpr Color Silver = Rgb(192, 192, 192);
constexpr Color Red = Rgb(255, 0, 0);
constexpr Color Lime = Rgb(0, 255, 0);
constexpr Color Yellow = Rgb(255, 255, 0);
constexpr Color Blue = Rgb(0, 0, 255);
constexpr Color ButtonFace = Rgb(240, 240, 240);
}  // namespace colors

struct Rect {
  int x = 0, y = 0, w = 0, h = 0;
  bool Contains(int px, int py) const { return px >= x && py >= y && px < x + w && py < y + h; }
  friend bool operator==(const Rect&, const Rect&) = default;
};

// The part two rectangles share (of no width or height when they do not meet).
constexpr Rect Intersection(Rect a, Rect b) {
  const int x1 = a.x > b.x ? a.x : b.x, y1 = a.y > b.y ? a.y : b.y;
  const int x2 = a.x + a.w < b.x + b.w ? a.x + a.w : b.x + b.w;
  const int y2 = a.y + a.h < b.y + b.h ? a.y + a.h : b.y + b.h;
  return Rect{x1, y1, x2 > x1 ? x2 - x1 : 0, y2 > y1 ? y2 - y1 : 0};
}

enum class MouseButton { None, Left, Right, Middle };

// Every event a layout can bind. The names in EventName are the layout's spelling.
enum class Event {
  Click, DblClick, MouseDown, MouseUp, MouseMove, MouseEnter, MouseLeave, KeyPress, Timer,
  Activate, Show, Hide, CloseQuery, Close,
  Count
};
std::string_view EventName(Event e);

class Control;

// What a handler receives. `key` may be changed by an OnKeyPress handler (0 swallows the key);
// an OnCloseQuery handler sets `canClose` to false to refuse the close.
struct EventArgs {
  Control& sender;
  MouseButton button = MouseButton::None;
  bool doubleClick = false;
  int x = 0, y = 0;  // relative to the sender
  char32_t key = 0;
  bool canClose = true;
};
using Sender = EventArgs&;
using Handler = std::function<void(EventArgs&)>;

}  // namespace platform
