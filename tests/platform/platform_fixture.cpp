#include "platform_fixture.h"

#include <SDL.h>

#include <cstdio>
#include <cstring>
#include <vector>

#include <jpeglib.h>

namespace platform_test {

bool WriteSolidJpeg(const std::string& path, int w, int h, Color c) {
  FILE* f = std::fopen(path.c_str(), "wb");
  if (!f) return false;
  jpeg_compress_struct cinfo;
  jpeg_error_mgr err;
  cinfo.err = jpeg_std_error(&err);
  jpeg_create_compress(&cinfo);
  jpeg_stdio_dest(&cinfo, f);
  cinfo.image_width = JDIMENSION(w);
  cinfo.image_height = JDIMENSION(h);
  cinfo.input_components = 3;
  cinfo.in_color_space = JCS_RGB;
  jpeg_set_defaults(&cinfo);
  jpeg_set_quality(&cinfo, 95, TRUE);
  jpeg_start_compress(&cinfo, TRUE);
  std::vector<unsigned char> row(std::size_t(w) * 3);
  for (int x = 0; x < w; ++x) {
    row[3 * x] = c.r;
    row[3 * x + 1] = c.g;
    row[3 * x + 2] = c.b;
  }
  while (cinfo.next_scanline < cinfo.image_height) {
    JSAMPROW p = row.data();
    jpeg_write_scanlines(&cinfo, &p, 1);
  }
  jpeg_finish_compress(&cinfo);
  jpeg_destroy_compress(&cinfo);
  std::fclose(f);
  return true;
}

Color PixelAt(SDL_Surface* s, int x, int y) {
  Uint8 r = 0, g = 0, b = 0;
  SDL_LockSurface(s);
  const auto* row = static_cast<const std::uint8_t*>(s->pixels) + y * s->pitch;
  Uint32 px = 0;
  std::memcpy(&px, row + x * s->format->BytesPerPixel, s->format->BytesPerPixel);
  SDL_GetRGB(px, s->format, &r, &g, &b);
  SDL_UnlockSurface(s);
  return Rgb(r, g, b);
}

}  // namespace platform_test
