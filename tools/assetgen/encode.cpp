#include "tools/assetgen/encode.h"

#include <algorithm>
#include <cmath>
#include <csetjmp>
#include <cstdio>
#include <cstdlib>
#include <stdexcept>
#include <string>

#include <jpeglib.h>
#include <vorbis/vorbisenc.h>

namespace assetgen {
namespace {

void Put16(Bytes& b, std::uint32_t v) {
  b.push_back(std::uint8_t(v)), b.push_back(std::uint8_t(v >> 8));
}
void Put32(Bytes& b, std::uint32_t v) {
  Put16(b, v & 0xffff), Put16(b, v >> 16);
}
void PutTag(Bytes& b, const char (&tag)[5]) {
  for (int i = 0; i < 4; ++i) b.push_back(std::uint8_t(tag[i]));
}

struct JpegError {
  jpeg_error_mgr mgr;
  std::jmp_buf jump;
  char message[JMSG_LENGTH_MAX];
};

void OnJpegError(j_common_ptr info) {
  auto* err = reinterpret_cast<JpegError*>(info->err);
  info->err->format_message(info, err->message);
  std::longjmp(err->jump, 1);
}

// The libjpeg calls, kept apart so the error jump crosses no C++ object with a destructor.
bool CompressJpeg(const std::uint8_t* rgb, int width, int height, int quality, unsigned char** out,
                  unsigned long* size, JpegError& err) {
  jpeg_compress_struct info;
  info.err = jpeg_std_error(&err.mgr);
  err.mgr.error_exit = OnJpegError;
  if (setjmp(err.jump)) {
    jpeg_destroy_compress(&info);
    return false;
  }
  jpeg_create_compress(&info);
  jpeg_mem_dest(&info, out, size);
  info.image_width = static_cast<JDIMENSION>(width);
  info.image_height = static_cast<JDIMENSION>(height);
  info.input_components = 3;
  info.in_color_space = JCS_RGB;
  jpeg_set_defaults(&info);
  jpeg_set_quality(&info, quality, TRUE);
  info.optimize_coding = TRUE;
  jpeg_start_compress(&info, TRUE);
  while (info.next_scanline < info.image_height) {
    JSAMPROW row = const_cast<JSAMPROW>(rgb + std::size_t(info.next_scanline) * width * 3);
    jpeg_write_scanlines(&info, &row, 1);
  }
  jpeg_finish_compress(&info);
  jpeg_destroy_compress(&info);
  return true;
}

}  // namespace

Bytes EncodeJpeg(const Canvas& canvas, int quality) {
  unsigned char* buffer = nullptr;
  unsigned long size = 0;
  JpegError err{};
  bool ok = CompressJpeg(canvas.pixels().data(), canvas.width(), canvas.height(), quality, &buffer, &size, err);
  Bytes out;
  if (ok) out.assign(buffer, buffer + size);
  std::free(buffer);
  if (!ok) throw std::runtime_error(std::string("JPEG encoding failed: ") + err.message);
  return out;
}

Bytes EncodeBmp(const Canvas& canvas) {
  const int w = canvas.width(), h = canvas.height();
  const std::uint32_t row = (std::uint32_t(w) * 3 + 3) & ~3u, data = row * std::uint32_t(h);
  Bytes b;
  b.reserve(54 + data);
  b.push_back('B'), b.push_back('M');
  Put32(b, 54 + data);  // file size
  Put32(b, 0);          // reserved
  Put32(b, 54);         // offset of the pixels
  Put32(b, 40);         // BITMAPINFOHEADER
  Put32(b, std::uint32_t(w));
  Put32(b, std::uint32_t(h));  // positive: rows bottom-up
  Put16(b, 1);                 // planes
  Put16(b, 24);                // bits per pixel
  Put32(b, 0);                 // BI_RGB
  Put32(b, data);
  Put32(b, 2835), Put32(b, 2835);  // 72 dpi
  Put32(b, 0), Put32(b, 0);        // no palette
  for (int y = h - 1; y >= 0; --y) {
    for (int x = 0; x < w; ++x) {
      Rgb c = canvas.At(x, y);
      b.push_back(c.b), b.push_back(c.g), b.push_back(c.r);
    }
    b.resize(b.size() + (row - std::uint32_t(w) * 3), 0);
  }
  return b;
}

Bytes EncodeWav(const Audio& audio) {
  const std::uint32_t data = std::uint32_t(audio.samples.size() * 2);
  const std::uint32_t block = std::uint32_t(audio.channels) * 2;
  Bytes b;
  b.reserve(44 + data);
  PutTag(b, "RIFF");
  Put32(b, 36 + data);
  PutTag(b, "WAVE");
  PutTag(b, "fmt ");
  Put32(b, 16);
  Put16(b, 1);  // PCM
  Put16(b, std::uint32_t(audio.channels));
  Put32(b, std::uint32_t(audio.rate));
  Put32(b, std::uint32_t(audio.rate) * block);
  Put16(b, block);
  Put16(b, 16);
  PutTag(b, "data");
  Put32(b, data);
  for (float s : audio.samples) Put16(b, std::uint16_t(std::int16_t(std::lround(std::clamp(s, -1.0f, 1.0f) * 32767))));
  return b;
}

Bytes EncodeOgg(const Audio& audio, std::uint32_t serial, float quality) {
  vorbis_info vi;
  vorbis_info_init(&vi);
  if (vorbis_encode_init_vbr(&vi, audio.channels, audio.rate, quality) != 0) {
    vorbis_info_clear(&vi);
    throw std::runtime_error("Vorbis encoder refused " + std::to_string(audio.channels) + " channels at " +
                             std::to_string(audio.rate) + " Hz");
  }
  vorbis_comment vc;
  vorbis_comment_init(&vc);
  vorbis_dsp_state vd;
  vorbis_analysis_init(&vd, &vi);
  vorbis_block vb;
  vorbis_block_init(&vd, &vb);
  ogg_stream_state os;
  ogg_stream_init(&os, static_cast<int>(serial & 0x7fffffff));

  Bytes out;
  ogg_page page;
  auto write_page = [&] {
    out.insert(out.end(), page.header, page.header + page.header_len);
    out.insert(out.end(), page.body, page.body + page.body_len);
  };
  ogg_packet header, comments, codebooks;
  vorbis_analysis_headerout(&vd, &vc, &header, &comments, &codebooks);
  ogg_stream_packetin(&os, &header);
  ogg_stream_packetin(&os, &comments);
  ogg_stream_packetin(&os, &codebooks);
  while (ogg_stream_flush(&os, &page) != 0) write_page();

  const long frames = long(audio.samples.size() / audio.channels);
  const long chunk = 4096;
  for (long at = 0;; at += chunk) {
    long n = std::min(chunk, frames - at);
    if (n > 0) {
      float** buffer = vorbis_analysis_buffer(&vd, int(n));
      for (long i = 0; i < n; ++i)
        for (int c = 0; c < audio.channels; ++c) buffer[c][i] = audio.samples[std::size_t(at + i) * audio.channels + c];
    }
    vorbis_analysis_wrote(&vd, int(std::max(0L, n)));  // 0 marks the end of the stream
    while (vorbis_analysis_blockout(&vd, &vb) == 1) {
      vorbis_analysis(&vb, nullptr);
      vorbis_bitrate_addblock(&vb);
      ogg_packet packet;
      while (vorbis_bitrate_flushpacket(&vd, &packet)) {
        ogg_stream_packetin(&os, &packet);
        while (ogg_stream_pageout(&os, &page) != 0) write_page();
      }
    }
    if (n <= 0) break;
  }
  while (ogg_stream_flush(&os, &page) != 0) write_page();

  ogg_stream_clear(&os);
  vorbis_block_clear(&vb);
  vorbis_dsp_clear(&vd);
  vorbis_comment_clear(&vc);
  vorbis_info_clear(&vi);
  return out;
}

}  // namespace assetgen
