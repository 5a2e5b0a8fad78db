// Audio costs: decoding a whole music track through a channel, and mixing voices on the device.
#include <benchmark/benchmark.h>

#include <memory>
#include <vector>

#include "audio/mixer.h"
#include "audio/ogg_channels.h"
#include "tests/audio/fake_wave_backend.h"
#include "tests/audio/ogg_fixture.h"

namespace {

// A 60-second stereo 44100 Hz track, made once.
struct Track {
  audio_test::TempFolder folder;
  Track() { audio_test::WriteOggFile(folder / "Background.ogg", 2, 44100, 60L * 44100, 0.3f); }
};
const Track& SixtySeconds() {
  static Track track;
  return track;
}

void DecodeSixtySecondTrack(benchmark::State& state) {
  const Track& track = SixtySeconds();
  std::int64_t bytes = 0;
  for (auto _ : state) {
    audio_test::FakeWaveBackend backend;
    audio::OggChannels channels(backend, [&](std::string_view name) {
      return std::optional<std::filesystem::path>(track.folder / std::string(name));
    });
    channels.OpenOggChannel(2, "Background.ogg");
    channels.PlayOggChannel(2);
    while (channels.Device(2) && backend.CompleteOldest()) audio::DeliverBufferDoneNotices();
    bytes += static_cast<std::int64_t>(backend.played.size());
  }
  state.SetBytesProcessed(bytes);
}
BENCHMARK(DecodeSixtySecondTrack)->Unit(benchmark::kMillisecond);

bool Ignore(std::uint64_t, audio::WaveHeader*) { return false; }

void MixOneSecondOfThreeVoices(benchmark::State& state) {
  struct Voice {
    std::uint16_t channels;
    std::uint32_t rate;
    std::vector<std::int16_t> samples;
    audio::WaveHeader header;
  };
  std::vector<Voice> voices = {{2, 44100, {}, {}}, {1, 22050, {}, {}}, {1, 44100, {}, {}}};
  for (Voice& v : voices) {
    v.samples.resize(static_cast<std::size_t>(v.channels) * v.rate + 64);
    for (std::size_t i = 0; i < v.samples.size(); ++i)
      v.samples[i] = static_cast<std::int16_t>((i * 2654435761u) >> 17);
    v.header.data = reinterpret_cast<const std::uint8_t*>(v.samples.data());
    v.header.length = static_cast<std::uint32_t>(v.samples.size() * 2);
  }
  std::vector<std::int16_t> out(1024 * 2);
  for (auto _ : state) {
    state.PauseTiming();
    audio::Mixer mixer(&Ignore);
    for (Voice& v : voices) mixer.Queue(mixer.AddVoice(1, v.channels, v.rate), &v.header);
    state.ResumeTiming();
    for (int done = 0; done < 44100; done += 1024) mixer.Mix(out.data(), std::min(1024, 44100 - done));
    benchmark::DoNotOptimize(out.data());
  }
}
BENCHMARK(MixOneSecondOfThreeVoices)->Unit(benchmark::kMicrosecond);

}  // namespace
