// Ogg Vorbis files made at test time with the reference encoder, and whole-file decoding to compare
// against. Header-only so the benchmarks can use it too.
#pragma once

#include <vorbis/vorbisenc.h>
#define OV_EXCLUDE_STATIC_CALLBACKS
#include <vorbis/vorbisfile.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string>
#include <vector>

namespace audio_test {

// A folder of its own under the system's temporary folder, removed on destruction.
class TempFolder {
 public:
  TempFolder() {
    std::string pattern = (std::filesystem::temp_directory_path() / "farhaven-audio-XXXXXX").string();
    if (!mkdtemp(pattern.data())) throw std::runtime_error("cannot make a temporary folder");
    path_ = pattern;
  }
  ~TempFolder() {
    std::error_code ec;
    std::filesystem::remove_all(path_, ec);
  }
  const std::filesystem::path& path() const { return path_; }
  std::filesystem::path operator/(const std::string& name) const { return path_ / name; }

 private:
  std::filesystem::path path_;
};

// Writes `frames` frames of a tone (a different pitch per channel) as Ogg Vorbis.
inline void WriteOggFile(const std::filesystem::path& path, int channels, long rate, long frames,
                         float quality = 0.1f) {
  std::FILE* out = std::fopen(path.c_str(), "wb");
  if (!out) throw std::runtime_error("cannot write " + path.string());
  vorbis_info vi;
  vorbis_info_init(&vi);
  if (vorbis_encode_init_vbr(&vi, channels, rate, quality) != 0)
    throw std::runtime_error("encoder refused the format");
  vorbis_comment vc;
  vorbis_comment_init(&vc);
  vorbis_dsp_state vd;
  vorbis_analysis_init(&vd, &vi);
  vorbis_block vb;
  vorbis_block_init(&vd, &vb);
  ogg_stream_state os;
  ogg_stream_init(&os, 20240601);
  ogg_packet header, comments, code;
  vorbis_analysis_headerout(&vd, &vc, &header, &comments, &code);
  ogg_stream_packetin(&os, &header);
  ogg_stream_packetin(&os, &comments);
  ogg_stream_packetin(&os, &code);
  ogg_page page;
  while (ogg_stream_flush(&os, &page)) {
    std::fwrite(page.header, 1, static_cast<std::size_t>(page.header_len), out);
    std::fwrite(page.body, 1, static_cast<std::size_t>(page.body_len), out);
  }
  auto drain = [&] {
    while (vorbis_analysis_blockout(&vd, &vb) == 1) {
      vorbis_analysis(&vb, nullptr);
      vorbis_bitrate_addblock(&vb);
      ogg_packet packet;
      while (vorbis_bitrate_flushpacket(&vd, &packet)) {
        ogg_stream_packetin(&os, &packet);
        while (ogg_stream_pageout(&os, &page)) {
          std::fwrite(page.header, 1, static_cast<std::size_t>(page.header_len), out);
          std::fwrite(page.body, 1, static_cast<std::size_t>(page.body_len), out);
        }
      }
    }
  };
  long done = 0;
  while (done < frames) {
    const long n = std::min(4096L, frames - done);
    float** buffer = vorbis_analysis_buffer(&vd, static_cast<int>(n));
    for (int c = 0; c < channels; ++c)
      for (long i = 0; i < n; ++i)
        buffer[c][i] = 0.4f * static_cast<float>(std::sin(2.0 * M_PI * (220.0 * (c + 1)) * (done + i) / rate));
    vorbis_analysis_wrote(&vd, static_cast<int>(n));
    drain();
    done += n;
  }
  vorbis_analysis_wrote(&vd, 0);
  drain();
  while (ogg_stream_flush(&os, &page)) {
    std::fwrite(page.header, 1, static_cast<std::size_t>(page.header_len), out);
    std::fwrite(page.body, 1, static_cast<std::size_t>(page.body_len), out);
  }
  ogg_stream_clear(&os);
  vorbis_block_clear(&vb);
  vorbis_dsp_clear(&vd);
  vorbis_comment_clear(&vc);
  vorbis_info_clear(&vi);
  std::fclose(out);
}

// The whole file decoded to 16-bit signed little-endian PCM, interleaved.
inline std::vector<std::uint8_t> DecodeOggFile(const std::filesystem::path& path) {
  OggVorbis_File vf;
  if (ov_fopen(path.c_str(), &vf) != 0) throw std::runtime_error("cannot decode " + path.string());
  std::vector<std::uint8_t> pcm;
  char block[8192];
  for (;;) {
    const long n = ov_read(&vf, block, sizeof block, 0, 2, 1, nullptr);
    if (n == 0) break;
    if (n == OV_HOLE) continue;
    if (n < 0) break;
    pcm.insert(pcm.end(), block, block + n);
  }
  ov_clear(&vf);
  return pcm;
}

inline std::vector<std::uint8_t> ReadFileBytes(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline void WriteFileBytes(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes) {
  std::ofstream out(path, std::ios::binary);
  out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

}  // namespace audio_test
