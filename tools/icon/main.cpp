// farhaven-icon: the game's icon for the desktop, a square PNG cut from the middle of one of the
// generated pictures and scaled to the size asked for.
//   farhaven-icon PICTURE SIZE OUT.png
#include <SDL.h>

#include <charconv>
#include <cstdio>
#include <string_view>

#include "platform/pictures.h"

int main(int argc, char** argv) {
  int size = 0;
  const std::string_view sizeText = argc == 4 ? argv[2] : "";
  const auto [end, error] = std::from_chars(sizeText.data(), sizeText.data() + sizeText.size(), size);
  if (argc != 4 || error != std::errc() || end != sizeText.data() + sizeText.size() || size < 16 ||
      size > 1024) {
    std::fprintf(stderr, "usage: farhaven-icon PICTURE SIZE OUT.png (SIZE 16..1024)\n");
    return 2;
  }
  SDL_Surface* picture = platform::ReadPictureFile(argv[1]);
  if (!picture) {
    std::fprintf(stderr, "farhaven-icon: cannot read %s\n", argv[1]);
    return 1;
  }
  SDL_Surface* source = SDL_ConvertSurfaceFormat(picture, SDL_PIXELFORMAT_ARGB8888, 0);
  SDL_Surface* icon = SDL_CreateRGBSurfaceWithFormat(0, size, size, 32, SDL_PIXELFORMAT_ARGB8888);
  const int side = picture->w < picture->h ? picture->w : picture->h;
  const SDL_Rect square{(picture->w - side) / 2, (picture->h - side) / 2, side, side};
  bool ok = source && icon && SDL_SoftStretchLinear(source, &square, icon, nullptr) == 0 &&
            platform::WritePng(icon, argv[3]);
  if (!ok) std::fprintf(stderr, "farhaven-icon: cannot write %s (%s)\n", argv[3], SDL_GetError());
  SDL_FreeSurface(icon);
  SDL_FreeSurface(source);
  SDL_FreeSurface(picture);
  return ok ? 0 : 1;
}
