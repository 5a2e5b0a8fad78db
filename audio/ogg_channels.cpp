#include "audio/ogg_channels.h"

#include <cerrno>
#include <limits>
#include <string>

#define OV_EXCLUDE_STATIC_CALLBACKS
#include <vorbis/vorbisfile.h>

#include "audio/asset_files.h"
#include "audio/sound.h"

namespace audio {

namespace {

// The decoder's data source is the address of a channel's stream element.
std::FILE* StreamOf(void* source) { return *static_cast<std::FILE**>(source); }

std::size_t OggStreamRead(void* destination, std::size_t size, std::size_t count, void* source) {
  if (size == 0 || count == 0) return 0;
  std::FILE* file = StreamOf(source);
  if (!file) return 0;
  if (count > std::numeric_limits<std::size_t>::max() / size) count = std::numeric_limits<std::size_t>::max() / size;
  const std::size_t bytes = std::fread(destination, 1, size * count, file);
  if (bytes == 0 && std::ferror(file) && errno == 0) errno = EIO;  // the decoder tells errors by errno
  return bytes / size;
}

int OggStreamSeek(void* source, ogg_int64_t offset, int origin) {
  std::FILE* file = StreamOf(source);
  if (!file) return -1;
  switch (origin) {
    case SEEK_SET:
    case SEEK_CUR:
    case SEEK_END:
      return fseeko(file, static_cast<off_t>(offset), origin) == 0 ? 0 : -1;
    default:
      return 0;
  }
}

int OggStreamClose(void* source) {
  std::FILE** element = static_cast<std::FILE**>(source);
  if (*element) std::fclose(*element);
  *element = nullptr;
  return 0;
}

long OggStreamTell(void* source) {
  std::FILE* file = StreamOf(source);
  return file ? static_cast<long>(ftello(file)) : -1;
}

const ov_callbacks kStreamCallbacks = {OggStreamRead, OggStreamSeek, OggStreamClose, OggStreamTell};

// A run of holes this long means the stream is damaged beyond playing.
constexpr int kMaxHolesInARow = 64;

}  // namespace

struct OggChannels::Channel {
  std::string fileName;  // kept after the channel is closed
  std::FILE* stream = nullptr;
  OggVorbis_File decoder{};
  bool decoderOpen = false;
  bool ended = false;  // a read error or a change of format: the next fill ends the stream
  int channels = 0;
  long rate = 0;
  std::unique_ptr<TWaveOut> device;
};

OggChannels::OggChannels(WaveOutBackend& backend, FileFinder finder)
    : backend_(backend), finder_(finder ? std::move(finder) : FileFinder(&FindAssetFile)) {
  for (auto& channel : channels_) channel = std::make_unique<Channel>();
}

OggChannels::~OggChannels() {
  for (int i = 0; i < kChannelCount; ++i) CloseOggChannel(i);
}

OggChannels::Channel* OggChannels::At(int channel) const {
  if (channel < 0 || channel >= kChannelCount) return nullptr;
  return channels_[static_cast<std::size_t>(channel)].get();
}

bool OggChannels::HasStream(int channel) const {
  const Channel* c = At(channel);
  return c && (c->stream || c->decoderOpen);
}

TWaveOut* OggChannels::Device(int channel) const {
  const Channel* c = At(channel);
  return c ? c->device.get() : nullptr;
}

const std::string& OggChannels::FileName(int channel) const {
  static const std::string none;
  const Channel* c = At(channel);
  return c ? c->fileName : none;
}

void OggChannels::CloseOggChannel(int channel) {
  Channel* c = At(channel);
  if (!c) return;
  // The device first: it may be the one whose OnEmpty is calling us, and it stops the sound.
  std::unique_ptr<TWaveOut> device = std::move(c->device);
  device.reset();
  if (c->decoderOpen) {
    ov_clear(&c->decoder);  // closes the stream through OggStreamClose
    c->decoderOpen = false;
  }
  if (c->stream) {
    std::fclose(c->stream);
    c->stream = nullptr;
  }
  c->ended = false;
}

void OggChannels::OpenOggChannel(int channel, std::string_view name) {
  Channel* c = At(channel);
  if (!c) {
    ReportAudioError("There is no music channel " + std::to_string(channel) + ".");
    return;
  }
  CloseOggChannel(channel);
  c->fileName = std::string(name);
  const std::optional<std::filesystem::path> path = finder_(name);
  if (!path) {
    ReportAudioError("Music file \"" + c->fileName + "\" not found.");
    return;
  }
  c->stream = std::fopen(path->c_str(), "rb");
  if (!c->stream) {
    ReportAudioError("Music file \"" + c->fileName + "\" cannot be read.");
    return;
  }
  if (ov_open_callbacks(&c->stream, &c->decoder, nullptr, 0, kStreamCallbacks) != 0) {
    // On failure the decoder leaves the stream to us.
    std::fclose(c->stream);
    c->stream = nullptr;
    ReportAudioError("Music file \"" + c->fileName + "\" is not an Ogg Vorbis stream.");
    return;
  }
  c->decoderOpen = true;
  const vorbis_info* info = ov_info(&c->decoder, 0);
  if (!info || info->channels < 1 || info->channels > 2 || info->rate <= 0) {
    ReportAudioError("Music file \"" + c->fileName + "\" is neither mono nor stereo.");
    CloseOggChannel(channel);
    return;
  }
  c->channels = info->channels;
  c->rate = info->rate;
  try {
    c->device = std::make_unique<TWaveOut>(backend_);
    c->device->SetFormat(c->channels == 2, static_cast<std::uint32_t>(c->rate), 16);
    if (channel >= 1 && channel <= 6) {
      c->device->OnEmpty = [this, channel](TWaveOut&) { CloseOggChannel(channel); };
      c->device->OnFill = [this, channel](std::uint8_t* data, std::int32_t capacity,
                                          double& playPosition) {
        return Fill(channel, data, capacity, playPosition);
      };
    }
    c->device->Open();
  } catch (...) {
    CloseOggChannel(channel);
    throw;
  }
}

void OggChannels::PlayOggChannel(int channel) {
  Channel* c = At(channel);
  if (!c || !c->device) return;
  c->device->Play();
  // A stream without a single sample sends nothing, so no buffer would ever come back to end it.
  if (c->device && c->device->OnFill && !c->device->Playing() && c->device->DeviceQueueLength() == 0)
    CloseOggChannel(channel);
}

std::int32_t OggChannels::Fill(int channel, std::uint8_t* data, std::int32_t capacity,
                               double& playPosition) {
  Channel* c = At(channel);
  if (!c || !c->decoderOpen) return 0;
  playPosition = ov_time_tell(&c->decoder);
  if (c->ended) return 0;
  const std::int32_t frameBytes = c->channels * 2;
  std::int32_t filled = 0;
  int holes = 0;
  // ov_read never writes more than it is offered, and is only offered whole frames.
  while (capacity - filled >= frameBytes) {
    int link = 0;
    const long n = ov_read(&c->decoder, reinterpret_cast<char*>(data + filled),
                           capacity - filled, 0, 2, 1, &link);
    if (n == 0) break;
    if (n == OV_HOLE) {
      if (++holes > kMaxHolesInARow) {
        c->ended = true;
        break;
      }
      continue;
    }
    if (n < 0) {
      ReportAudioError("Music file \"" + c->fileName + "\" could not be read to its end.");
      c->ended = true;
      break;
    }
    holes = 0;
    // A chained stream whose next link has another layout cannot go on in this device's format.
    const vorbis_info* info = ov_info(&c->decoder, link);
    if (!info || info->channels != c->channels || info->rate != c->rate) {
      c->ended = true;
      break;
    }
    filled += static_cast<std::int32_t>(n);
  }
  return filled;
}

}  // namespace audio
