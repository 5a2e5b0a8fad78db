// The music channels: a fixed table of eight channels (0..7), each streaming one ".ogg" file
// through the Ogg Vorbis decoder into its own playback device. Channels 1..6 play; a device opened
// on channel 0 or 7 is never fed. A channel releases itself when its file has played to the end.
//
// A file that is missing, unreadable, not Ogg Vorbis or has more than two channels leaves the
// channel empty and is logged; a read error or a broken link while playing ends the channel as if
// the stream had ended; a file without a single sample releases its channel as soon as it is
// played. Device failures (EWaveOut) reach the caller.
#pragma once

#include <array>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "audio/wave_out.h"

namespace audio {

class OggChannels {
 public:
  static constexpr int kChannelCount = 8;
  using FileFinder = std::function<std::optional<std::filesystem::path>(std::string_view name)>;

  // Files are found through `finder` (by default: without regard to case in the asset folder).
  explicit OggChannels(WaveOutBackend& backend, FileFinder finder = {});
  ~OggChannels();
  OggChannels(const OggChannels&) = delete;
  OggChannels& operator=(const OggChannels&) = delete;

  // Closes the channel, opens the file and prepares the channel's device; does not play yet.
  void OpenOggChannel(int channel, std::string_view name);
  // Starts the channel's device; nothing when the channel has none.
  void PlayOggChannel(int channel);
  // Stops the channel at once and frees its device and stream; safe on an empty channel.
  void CloseOggChannel(int channel);

  bool HasStream(int channel) const;
  TWaveOut* Device(int channel) const;
  const std::string& FileName(int channel) const;

 private:
  struct Channel;
  std::int32_t Fill(int channel, std::uint8_t* data, std::int32_t capacity, double& playPosition);
  Channel* At(int channel) const;

  WaveOutBackend& backend_;
  FileFinder finder_;
  std::array<std::unique_ptr<Channel>, kChannelCount> channels_;
};

}  // namespace audio
