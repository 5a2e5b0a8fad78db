// File formats: JPEG through libjpeg, BMP and PCM WAV written here, Ogg Vorbis through libvorbisenc.
// Every encoder is deterministic: the same input gives the same bytes.
#pragma once

#include <cstdint>
#include <vector>

#include "tools/assetgen/canvas.h"
#include "tools/assetgen/sound.h"

namespace assetgen {

using Bytes = std::vector<std::uint8_t>;

Bytes EncodeJpeg(const Canvas& canvas, int quality);
Bytes EncodeBmp(const Canvas& canvas);             // 24-bit, uncompressed, bottom-up
Bytes EncodeWav(const Audio& audio);               // 16-bit PCM
Bytes EncodeOgg(const Audio& audio, std::uint32_t serial, float quality);

}  // namespace assetgen
