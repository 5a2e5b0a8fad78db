// The wave-out playback device: plays a stream of PCM samples through a small fixed pool of
// buffers. It asks its client for samples (OnFill) whenever a buffer is free, hands filled buffers
// to the sound device, takes them back when the device has played them and tells the client when
// playback has run dry (OnEmpty).
//
// The sound device is reached through a WaveOutBackend, so the game plays through SDL and tests
// through a fake device. The device's driver thread never touches a TWaveOut: it only posts a
// buffer-done notice (PostBufferDone), which the main thread delivers in DeliverBufferDoneNotices,
// called from the event loop. Refilling and decoding therefore always run on the main thread.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <stdexcept>
#include <string>

namespace audio {

// The output format of a device: 16-bit PCM, mono or stereo.
struct WaveFormat {
  std::uint16_t formatTag = 1;  // PCM
  std::uint16_t channels = 0;
  std::uint32_t samplesPerSec = 0;
  std::uint32_t avgBytesPerSec = 0;
  std::uint16_t blockAlign = 0;
  std::uint16_t bitsPerSample = 0;
  std::uint16_t extraSize = 0;  // 18 in every format the device builds
};

// What the device gets for each buffer written to it.
struct WaveHeader {
  const std::uint8_t* data = nullptr;
  std::uint32_t length = 0;  // bytes
  std::uint32_t flags = 0;   // kHeaderPrepared while the device may use it
};
constexpr std::uint32_t kHeaderPrepared = 0x2;

// Result codes of the backend's calls; 0 is success.
enum WaveResult : int {
  kWaveOk = 0,
  kWaveError = 1,
  kWaveBadDeviceId = 2,
  kWaveInvalidHandle = 5,
  kWaveNoDriver = 6,
  kWaveNoMemory = 7,
  kWaveInvalidParam = 11,
  kWaveBadFormat = 32,
  kWaveStillPlaying = 33,
  kWaveUnprepared = 34,
};

using WaveHandle = std::uint32_t;

// The sound device under a TWaveOut. Buffers written to an open handle must come back, in the
// order written, as PostBufferDone(instance, header) once played or after Reset.
class WaveOutBackend {
 public:
  virtual ~WaveOutBackend() = default;
  virtual int QueryFormat(const WaveFormat& format) = 0;
  virtual int Open(WaveHandle* handle, const WaveFormat& format, std::uint64_t instance) = 0;
  virtual int PrepareHeader(WaveHandle handle, WaveHeader* header) = 0;
  virtual int Write(WaveHandle handle, WaveHeader* header) = 0;
  virtual int UnprepareHeader(WaveHandle handle, WaveHeader* header) = 0;
  virtual int Reset(WaveHandle handle) = 0;
  virtual int Close(WaveHandle handle) = 0;
  // Writes the text of a result code into text (at most size bytes, zero-terminated); 0 on success.
  virtual int GetErrorText(int code, char* text, std::size_t size);
};

// The device's failures; the message is a fixed text followed by the device's error text.
class EWaveOut : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Any thread: tells the device with that instance number that this buffer has come back. True
// when it is the first notice waiting, so the poster may wake the main thread once.
bool PostBufferDone(std::uint64_t instance, WaveHeader* header);

// Main thread: hands every posted buffer-done notice to its device. Notices for a device that no
// longer exists are dropped. A device failure while refilling is logged, never thrown.
void DeliverBufferDoneNotices();

// One buffer of the pool: allocated once, lives as long as its device.
struct WaveBuffer {
  std::unique_ptr<std::uint8_t[]> data;
  std::int32_t capacity = 0;
  double playPosition = 0.0;  // stream position in seconds at which this buffer's samples begin
  WaveHeader header;
};

class TWaveOut {
 public:
  // Writes up to capacity bytes into data and the stream position of the first sample into
  // playPosition; returns the bytes written, 0 when the stream has no more.
  using FillEvent = std::function<std::int32_t(std::uint8_t* data, std::int32_t capacity,
                                               double& playPosition)>;
  using NotifyEvent = std::function<void(TWaveOut& sender)>;

  static constexpr int kBufferCount = 4;
  static constexpr std::int32_t kBufferSize = 65536;

  // Creates the buffer pool and sets the format to stereo, 44100 Hz, 16 bits; stays closed.
  explicit TWaveOut(WaveOutBackend& backend);
  // Closes the device and frees the buffers. Safe from inside this device's own events.
  ~TWaveOut();
  TWaveOut(const TWaveOut&) = delete;
  TWaveOut& operator=(const TWaveOut&) = delete;

  void SetFormat(bool stereo, std::uint32_t sampleRate, std::uint16_t bitsPerSample);
  void Open();
  void Close();
  void Play();
  bool SendBuffer();
  // A buffer the device has played has come back.
  void WMBufferDone(WaveHeader* header);
  std::string GetErrorText(int code);

  FillEvent OnFill;
  NotifyEvent OnBufferChange;
  NotifyEvent OnEmpty;

  const WaveFormat& Format() const { return format_; }
  bool Opened() const { return opened_; }
  bool Playing() const { return playing_; }
  std::int32_t BuffersSent() const { return buffersSent_; }
  std::int32_t BuffersInDevice() const { return buffersInDevice_; }
  std::int32_t FreeBuffers() const { return freeBuffers_; }
  int FreeQueueLength() const { return freeQueue_.Size(); }
  int DeviceQueueLength() const { return deviceQueue_.Size(); }
  std::uint64_t Instance() const { return instance_; }
  // The buffer that the next SendBuffer fills (nullptr when none is free).
  const WaveBuffer* NextFreeBuffer() const { return freeQueue_.Empty() ? nullptr : freeQueue_.Front(); }

 private:
  // First-in-first-out queue of buffer records; never allocates.
  class BufferQueue {
   public:
    bool Empty() const { return size_ == 0; }
    int Size() const { return size_; }
    WaveBuffer* Front() const { return items_[head_]; }
    void Push(WaveBuffer* buffer);
    WaveBuffer* Pop();

   private:
    std::array<WaveBuffer*, kBufferCount> items_{};
    int head_ = 0;
    int size_ = 0;
  };

  void InitBuffers();
  [[noreturn]] void Fail(const std::string& fixedText, int code);
  // Calls an event; false when the event destroyed this device.
  bool Fire(const NotifyEvent& event);

  WaveOutBackend& backend_;
  WaveFormat format_;
  bool opened_ = false;
  bool playing_ = false;
  WaveHandle handle_ = 0;
  std::int32_t bufferCount_ = 0;
  std::int32_t bufferSize_ = 0;
  BufferQueue freeQueue_;
  BufferQueue deviceQueue_;
  std::array<WaveBuffer, kBufferCount> buffers_;
  std::int32_t buffersSent_ = 0;
  std::int32_t buffersInDevice_ = 0;
  std::int32_t freeBuffers_ = 0;
  std::uint64_t instance_ = 0;
  std::shared_ptr<bool> alive_;
};

}  // namespace audio
