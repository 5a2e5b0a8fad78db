#include "audio/wave_out.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "audio/sound.h"
#include "tests/audio/fake_wave_backend.h"

using audio::EWaveOut;
using audio::TWaveOut;
using audio_test::FakeWaveBackend;

namespace {

constexpr std::int32_t kBuf = TWaveOut::kBufferSize;

// A client with `remaining` bytes to play; each fill writes a running byte counter.
struct Stream {
  std::int64_t remaining;
  int fills = 0, changes = 0, empties = 0;
  std::uint8_t next = 0;
  double position = 0.0;

  void Attach(TWaveOut& device) {
    device.OnFill = [this](std::uint8_t* data, std::int32_t capacity, double& playPosition) {
      ++fills;
      playPosition = position;
      position += 1.0;
      const std::int32_t n = static_cast<std::int32_t>(std::min<std::int64_t>(capacity, remaining));
      for (std::int32_t i = 0; i < n; ++i) data[i] = next++;
      remaining -= n;
      return n;
    };
    device.OnBufferChange = [this](TWaveOut&) { ++changes; };
    device.OnEmpty = [this](TWaveOut&) { ++empties; };
  }
};

// Plays every pending buffer back until the device is quiet.
void DrainAll(FakeWaveBackend& backend) {
  while (backend.CompleteOldest()) audio::DeliverBufferDoneNotices();
}

std::string ErrorOf(const std::function<void()>& action) {
  try {
    action();
  } catch (const EWaveOut& e) {
    return e.what();
  }
  return "(no error)";
}

}  // namespace

TEST(WaveOut, CreatesClosedWithFourFreeBuffersAndProbesStereo44100) {
  FakeWaveBackend backend;
  TWaveOut device(backend);
  EXPECT_FALSE(device.Opened());
  EXPECT_FALSE(device.Playing());
  EXPECT_EQ(device.FreeBuffers(), 4);
  EXPECT_EQ(device.FreeQueueLength(), 4);
  EXPECT_EQ(device.DeviceQueueLength(), 0);
  EXPECT_EQ(device.NextFreeBuffer()->capacity, 65536);
  ASSERT_EQ(backend.queried.size(), 1u);
  const audio::WaveFormat& f = device.Format();
  EXPECT_EQ(f.formatTag, 1);
  EXPECT_EQ(f.channels, 2);
  EXPECT_EQ(f.samplesPerSec, 44100u);
  EXPECT_EQ(f.bitsPerSample, 16);
  EXPECT_EQ(f.blockAlign, 4);
  EXPECT_EQ(f.avgBytesPerSec, 176400u);
  EXPECT_EQ(f.extraSize, 18);
  EXPECT_EQ(backend.queried.front().extraSize, 18);
  EXPECT_EQ(backend.Count("open"), 0);
}

TEST(WaveOut, PlayWithoutFillHandlerSendsNothing) {
  FakeWaveBackend backend;
  TWaveOut device(backend);
  device.Open();
  device.Play();
  EXPECT_FALSE(device.Playing());
  EXPECT_EQ(backend.Count("write"), 0);
  EXPECT_EQ(device.FreeQueueLength(), 4);
}

TEST(WaveOut, LongStreamKeepsFourBuffersInTheDeviceAndRefillsEachReturn) {
  FakeWaveBackend backend;
  TWaveOut device(backend);
  Stream stream{10 * kBuf};
  stream.Attach(device);
  device.Open();
  device.Play();
  EXPECT_TRUE(device.Playing());
  EXPECT_EQ(device.BuffersSent(), 4);
  EXPECT_EQ(device.BuffersInDevice(), 4);
  EXPECT_EQ(device.FreeBuffers(), 0);
  EXPECT_EQ(device.DeviceQueueLength(), 4);
  EXPECT_EQ(stream.changes, 4);

  ASSERT_TRUE(backend.CompleteOldest());
  audio::DeliverBufferDoneNotices();
  // The returned buffer went back to the free queue and out again at once.
  EXPECT_EQ(device.BuffersSent(), 5);
  EXPECT_EQ(device.BuffersInDevice(), 4);
  EXPECT_EQ(device.FreeBuffers(), 0);
  EXPECT_EQ(device.FreeQueueLength() + device.DeviceQueueLength(), 4);
  EXPECT_EQ(stream.changes, 6);  // one for the return, one for the send
  EXPECT_EQ(backend.Count("unprepare"), 1);

  DrainAll(backend);
  EXPECT_EQ(stream.empties, 1);
  EXPECT_FALSE(device.Playing());
  EXPECT_EQ(device.BuffersInDevice(), 0);
  EXPECT_EQ(device.FreeQueueLength(), 4);
  EXPECT_EQ(device.BuffersSent(), 10);
  // Every byte reached the device once and in order.
  ASSERT_EQ(backend.played.size(), static_cast<std::size_t>(10 * kBuf));
  for (std::size_t i = 0; i < backend.played.size(); ++i)
    ASSERT_EQ(backend.played[i], static_cast<std::uint8_t>(i)) << "at byte " << i;
}

TEST(WaveOut, ShortStreamStopsPrimingAndEmptiesWhenTheLastBufferReturns) {
  FakeWaveBackend backend;
  TWaveOut device(backend);
  Stream stream{kBuf + 100};
  stream.Attach(device);
  device.Open();
  device.Play();
  EXPECT_FALSE(device.Playing());
  EXPECT_EQ(device.BuffersSent(), 2);
  EXPECT_EQ(backend.writtenLengths, (std::vector<std::uint32_t>{65536, 100}));
  EXPECT_EQ(device.FreeQueueLength(), 2);

  backend.CompleteOldest();
  audio::DeliverBufferDoneNotices();
  EXPECT_EQ(stream.empties, 0);
  backend.CompleteOldest();
  audio::DeliverBufferDoneNotices();
  EXPECT_EQ(stream.empties, 1);
  EXPECT_TRUE(device.Opened());  // stays open and idle until its client frees it

  // A new Play starts again from the client's position.
  stream.remaining = 10;
  device.Play();
  EXPECT_EQ(device.BuffersSent(), 1);
}

TEST(WaveOut, EmptyStreamWritesNothingAndNeverEmpties) {
  FakeWaveBackend backend;
  TWaveOut device(backend);
  Stream stream{0};
  stream.Attach(device);
  device.Open();
  device.Play();
  EXPECT_FALSE(device.Playing());
  EXPECT_EQ(stream.fills, 1);
  EXPECT_EQ(backend.Count("write"), 0);
  EXPECT_EQ(device.FreeQueueLength(), 4);
  audio::DeliverBufferDoneNotices();
  EXPECT_EQ(stream.empties, 0);
}

TEST(WaveOut, FillPositionIsStoredWithItsBuffer) {
  FakeWaveBackend backend;
  TWaveOut device(backend);
  Stream stream{3 * kBuf};
  stream.position = 2.5;
  stream.Attach(device);
  device.Open();
  const audio::WaveBuffer* first = device.NextFreeBuffer();
  device.Play();
  EXPECT_DOUBLE_EQ(first->playPosition, 2.5);
}

TEST(WaveOut, SetFormat) {
  {  // The format in force: nothing happens, not even the probe.
    FakeWaveBackend backend;
    TWaveOut device(backend);
    device.SetFormat(true, 44100, 16);
    EXPECT_EQ(backend.queried.size(), 1u);
  }
  {  // Closed device: probe and store only.
    FakeWaveBackend backend;
    TWaveOut device(backend);
    device.SetFormat(false, 22050, 16);
    EXPECT_EQ(backend.calls, (std::vector<std::string>{"query", "query"}));
    EXPECT_EQ(device.Format().channels, 1);
    EXPECT_EQ(device.Format().samplesPerSec, 22050u);
    EXPECT_EQ(device.Format().blockAlign, 2);
    EXPECT_EQ(device.Format().avgBytesPerSec, 44100u);
    EXPECT_FALSE(device.Opened());
  }
  {  // Open and idle: closed, probed, stored and opened again.
    FakeWaveBackend backend;
    TWaveOut device(backend);
    device.Open();
    backend.calls.clear();
    device.SetFormat(false, 22050, 16);
    EXPECT_EQ(backend.calls, (std::vector<std::string>{"reset", "close", "query", "open"}));
    EXPECT_TRUE(device.Opened());
  }
  {  // Open and playing: refused.
    FakeWaveBackend backend;
    TWaveOut device(backend);
    Stream stream{10 * kBuf};
    stream.Attach(device);
    device.Open();
    device.Play();
    EXPECT_EQ(ErrorOf([&] { device.SetFormat(false, 22050, 16); }),
              "Cannot change waveOut device parameters while playing");
    EXPECT_EQ(device.Format().channels, 2);
  }
  {  // Rejected by the probe: the stored format stays, a device closed for it stays closed.
    FakeWaveBackend backend;
    TWaveOut device(backend);
    device.Open();
    backend.queryResult = audio::kWaveBadFormat;
    EXPECT_EQ(ErrorOf([&] { device.SetFormat(false, 22050, 16); }),
              "Wave format not supported (Mono; 22.1 KHz; 16 bits (352 kb/s) - waveOutOpen: "
              "The sound device cannot play this wave format.");
    EXPECT_EQ(device.Format().channels, 2);
    EXPECT_EQ(device.Format().samplesPerSec, 44100u);
    EXPECT_FALSE(device.Opened());
  }
}

TEST(WaveOut, FailuresRaiseTheirExactTexts) {
  const std::string bad = "The sound device handle is not valid.";
  {
    FakeWaveBackend backend;
    TWaveOut device(backend);
    device.Open();
    EXPECT_EQ(ErrorOf([&] { device.Open(); }), "WaveOut device already opened");
  }
  {
    FakeWaveBackend backend;
    TWaveOut device(backend);
    backend.openResult = audio::kWaveNoDriver;
    EXPECT_EQ(ErrorOf([&] { device.Open(); }),
              "Unable to open wave device - waveOutOpen: No sound driver is available.");
    EXPECT_FALSE(device.Opened());
  }
  {
    FakeWaveBackend backend;
    TWaveOut device(backend);
    device.Open();
    backend.closeResult = audio::kWaveInvalidHandle;
    EXPECT_EQ(ErrorOf([&] { device.Close(); }), "Cannot close waveOut - waveOutClose: " + bad);
    EXPECT_TRUE(device.Opened());
    backend.closeResult = 0;
  }
  for (const bool prepare : {true, false}) {
    FakeWaveBackend backend;
    TWaveOut device(backend);
    Stream stream{10 * kBuf};
    stream.Attach(device);
    device.Open();
    (prepare ? backend.prepareResult : backend.writeResult) = audio::kWaveInvalidHandle;
    EXPECT_EQ(ErrorOf([&] { device.Play(); }),
              std::string("Cannot send wave buffer - ") +
                  (prepare ? "waveOutPrepareHeader: " : "waveOutWrite: ") + bad);
    // The buffer is back in the free queue and playing stays on.
    EXPECT_EQ(device.FreeQueueLength(), 4);
    EXPECT_EQ(device.DeviceQueueLength(), 0);
    EXPECT_TRUE(device.Playing());
  }
  {
    FakeWaveBackend backend;
    TWaveOut device(backend);
    backend.errorTextResult = audio::kWaveInvalidParam;
    backend.openResult = audio::kWaveError;
    EXPECT_EQ(ErrorOf([&] { device.Open(); }),
              "Unable to open wave device - waveOutOpen: Unknown error - waveOutGetErrorText: 11");
  }
}

TEST(WaveOut, CloseAndDestroy) {
  FakeWaveBackend backend;
  {
    TWaveOut device(backend);
    device.Close();  // closed: nothing
    EXPECT_EQ(backend.Count("reset") + backend.Count("close"), 0);
  }
  {
    auto device = std::make_unique<TWaveOut>(backend);
    Stream stream{10 * kBuf};
    stream.Attach(*device);
    device->Open();
    device->Play();
    backend.calls.clear();
    device.reset();  // playing: reset and closed before the buffers go
    EXPECT_EQ(backend.calls, (std::vector<std::string>{"reset", "close"}));
    EXPECT_TRUE(backend.openHandles.empty());
    // The returns the reset produced are dropped with the device.
    audio::DeliverBufferDoneNotices();
    EXPECT_EQ(stream.empties, 0);
  }
}

TEST(WaveOut, ClientMayDestroyTheDeviceFromItsOwnEmptyEvent) {
  FakeWaveBackend backend;
  auto device = std::make_unique<TWaveOut>(backend);
  int empties = 0;
  std::int64_t remaining = 3 * kBuf;
  device->OnFill = [&remaining](std::uint8_t* data, std::int32_t capacity, double&) {
    const std::int32_t n = static_cast<std::int32_t>(std::min<std::int64_t>(capacity, remaining));
    std::fill(data, data + n, 7);
    remaining -= n;
    return n;
  };
  device->OnEmpty = [&](TWaveOut& sender) {
    EXPECT_EQ(&sender, device.get());
    ++empties;
    device.reset();  // the event's own closure goes with it
  };
  device->Open();
  device->Play();
  DrainAll(backend);
  EXPECT_EQ(empties, 1);
  EXPECT_EQ(device, nullptr);
  // A stray late notice for the freed device is dropped.
  audio::DeliverBufferDoneNotices();
}

TEST(WaveOut, RefillFailureInsideANoticeIsLoggedNotThrown) {
  audio::ForgetReportedAudioErrors();
  FakeWaveBackend backend;
  TWaveOut device(backend);
  Stream stream{10 * kBuf};
  stream.Attach(device);
  device.Open();
  device.Play();
  backend.writeResult = audio::kWaveNoMemory;
  backend.CompleteOldest();
  testing::internal::CaptureStderr();
  EXPECT_NO_THROW(audio::DeliverBufferDoneNotices());
  const std::string log = testing::internal::GetCapturedStderr();
  EXPECT_NE(log.find("Cannot send wave buffer - waveOutWrite: "), std::string::npos) << log;
  EXPECT_TRUE(device.Playing());
  EXPECT_EQ(device.FreeQueueLength(), 1);
  EXPECT_EQ(device.DeviceQueueLength(), 3);
}
