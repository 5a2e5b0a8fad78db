// Drawing onto a software surface: filled and framed rectangles, pictures, text. The origin is
// the top-left corner of whatever is being painted; drawing is clipped to the current clip.
#pragma once

#include "platform/controls.h"
#include "platform/types.h"

#include <string_view>

struct SDL_Surface;

namespace platform {

class Canvas {
 public:
  Canvas(SDL_Surface* target, int originX, int originY, Rect clip);
  // A canvas for a child area: origin moved by (x, y), clip narrowed to that w x h area.
  Canvas Sub(int x, int y, int w, int h) const;

  void Fill(Rect r, Color c);
  void Frame(Rect r, Color c, int width = 1);
  // Darkens what is drawn in `r` (a form that takes no input while a modal one is open).
  void Dim(Rect r);
  // Draws `picture` (its whole area) scaled into `dst`, or at its own size when dst is unscaled.
  void Draw(SDL_Surface* picture, Rect dst);
  // Draws text rendered by RenderText at (x, y).
  void DrawText(SDL_Surface* text, int x, int y);
  // The placeholder for a picture that could not be loaded: a marked box with the file name.
  void Placeholder(Rect r, std::string_view fileName);
  bool Empty() const { return clip_.w <= 0 || clip_.h <= 0; }

 private:
  SDL_Surface* target_;
  int ox_, oy_;
  Rect clip_;  // absolute
};

// Draws the whole of `source` (32-bit ARGB) shrunk into the rectangle `frame` of `target`,
// writing only the target's pixels inside `part` (within `frame`). Each target pixel is the
// average of the source area it covers, so a stroke one pixel thin (a hyphen, the dot of a colon)
// stays, fainter, where sampling single pixels would drop it whenever it falls between two samples.
// `frame` must be no larger than the source either way.
void DrawShrunk(SDL_Surface* source, SDL_Surface* target, Rect frame, Rect part);

// Text rendered with the font (Liberation faces stand in for the usual Windows ones). Returns a
// new ARGB surface the caller frees with SDL_FreeSurface, or null for empty text or a missing
// font. wrapWidth > 0 wraps words at that width; line breaks always break.
SDL_Surface* RenderText(const Font& font, std::string_view utf8, Color color, int wrapWidth = 0,
                        Align align = Align::Left);
// Width and height of one line of text in the font.
void MeasureText(const Font& font, std::string_view utf8, int& w, int& h);
// The font file used for a family name and style ("Arial" bold -> LiberationSans-Bold.ttf).
std::string FontFile(const Font& font);

}  // namespace platform
