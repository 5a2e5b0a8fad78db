// JPEG decoding (libjpeg) and PNG reading and writing (libpng) to and from ARGB surfaces.
#include "platform/pictures.h"

#include <SDL.h>

#include <csetjmp>
#include <cstdio>
#include <cstring>
#include <vector>

#include <jpeglib.h>
#include <png.h>

namespace platform {

namespace {

struct JpegError {
  jpeg_error_mgr mgr;
  std::jmp_buf jump;
};

void JpegFail(j_common_ptr cinfo) {
  auto* err = reinterpret_cast<JpegError*>(cinfo->err);
  std::longjmp(err->jump, 1);
}

void JpegQuiet(j_common_ptr, int) {}

// Decodes into `rgb`; false on any error. Kept free of C++ objects that need unwinding, since a
// decoder error leaves by longjmp.
bool DecodeJpegRgb(const std::uint8_t* data, std::size_t size, std::vector<std::uint8_t>& rgb,
                   int& w, int& h) {
  jpeg_decompress_struct cinfo;
  JpegError err;
  cinfo.err = jpeg_std_error(&err.mgr);
  err.mgr.error_exit = JpegFail;
  err.mgr.emit_message = JpegQuiet;
  if (setjmp(err.jump)) {
    jpeg_destroy_decompress(&cinfo);
    return false;
  }
  jpeg_create_decompress(&cinfo);
  jpeg_mem_src(&cinfo, data, static_cast<unsigned long>(size));
  jpeg_read_header(&cinfo, TRUE);
  if (!PictureSizeUsable(cinfo.image_width, cinfo.image_height)) {
    jpeg_destroy_decompress(&cinfo);
    return false;
  }
  cinfo.out_color_space = JCS_RGB;
  jpeg_start_decompress(&cinfo);
  w = int(cinfo.output_width);
  h = int(cinfo.output_height);
  rgb.resize(std::size_t(w) * h * 3);
  while (cinfo.output_scanline < cinfo.output_height) {
    JSAMPROW row = rgb.data() + std::size_t(cinfo.output_scanline) * w * 3;
    jpeg_read_scanlines(&cinfo, &row, 1);
  }
  jpeg_finish_decompress(&cinfo);
  jpeg_destroy_decompress(&cinfo);
  return true;
}

SDL_Surface* FromRgb(const std::vector<std::uint8_t>& rgb, int w, int h, int channels) {
  SDL_Surface* s = SDL_CreateRGBSurfaceWithFormat(0, w, h, 32, SDL_PIXELFORMAT_ARGB8888);
  if (!s) return nullptr;
  SDL_LockSurface(s);
  for (int y = 0; y < h; ++y) {
    auto* dst = reinterpret_cast<std::uint32_t*>(static_cast<std::uint8_t*>(s->pixels) +
                                                 y * s->pitch);
    const std::uint8_t* src = rgb.data() + std::size_t(y) * w * channels;
    for (int x = 0; x < w; ++x, src += channels) {
      const std::uint32_t a = channels == 4 ? src[3] : 255;
      dst[x] = (a << 24) | (std::uint32_t(src[0]) << 16) | (std::uint32_t(src[1]) << 8) | src[2];
    }
  }
  SDL_UnlockSurface(s);
  return s;
}

}  // namespace

SDL_Surface* DecodeJpeg(const std::uint8_t* data, std::size_t size) {
  std::vector<std::uint8_t> rgb;
  int w = 0, h = 0;
  if (!DecodeJpegRgb(data, size, rgb, w, h)) return nullptr;
  return FromRgb(rgb, w, h, 3);
}

SDL_Surface* DecodePng(const std::uint8_t* data, std::size_t size) {
  png_image image;
  std::memset(&image, 0, sizeof image);
  image.version = PNG_IMAGE_VERSION;
  if (!png_image_begin_read_from_memory(&image, data, size)) return nullptr;
  image.format = PNG_FORMAT_RGBA;
  if (!PictureSizeUsable(image.width, image.height)) {
    png_image_free(&image);
    return nullptr;
  }
  std::vector<std::uint8_t> rgba(PNG_IMAGE_SIZE(image));
  if (!png_image_finish_read(&image, nullptr, rgba.data(), 0, nullptr)) {
    png_image_free(&image);
    return nullptr;
  }
  return FromRgb(rgba, int(image.width), int(image.height), 4);
}

bool WritePng(SDL_Surface* surface, const std::string& path) {
  if (!surface) return false;
  SDL_Surface* argb = SDL_ConvertSurfaceFormat(surface, SDL_PIXELFORMAT_ARGB8888, 0);
  if (!argb) return false;
  std::vector<std::uint8_t> rgb(std::size_t(argb->w) * argb->h * 3);
  SDL_LockSurface(argb);
  for (int y = 0; y < argb->h; ++y) {
    auto* src = reinterpret_cast<const std::uint32_t*>(
        static_cast<const std::uint8_t*>(argb->pixels) + y * argb->pitch);
    std::uint8_t* dst = rgb.data() + std::size_t(y) * argb->w * 3;
    for (int x = 0; x < argb->w; ++x) {
      dst[3 * x] = std::uint8_t(src[x] >> 16);
      dst[3 * x + 1] = std::uint8_t(src[x] >> 8);
      dst[3 * x + 2] = std::uint8_t(src[x]);
    }
  }
  SDL_UnlockSurface(argb);
  png_image image;
  std::memset(&image, 0, sizeof image);
  image.version = PNG_IMAGE_VERSION;
  image.width = png_uint_32(argb->w);
  image.height = png_uint_32(argb->h);
  image.format = PNG_FORMAT_RGB;
  SDL_FreeSurface(argb);
  return png_image_write_to_file(&image, path.c_str(), 0, rgb.data(), 0, nullptr) != 0;
}

}  // namespace platform
