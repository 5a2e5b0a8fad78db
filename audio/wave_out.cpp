#include "audio/wave_out.h"

#include <cstdio>
#include <cstring>
#include <exception>
#include <mutex>
#include <unordered_map>
#include <utility>
#include <vector>

#include "audio/sound.h"

namespace audio {

namespace {

// Devices by instance number, so a late notice for a destroyed device finds nothing. Main thread.
std::unordered_map<std::uint64_t, TWaveOut*>& Devices() {
  static std::unordered_map<std::uint64_t, TWaveOut*> devices;
  return devices;
}
std::uint64_t nextInstance = 1;

// Buffer-done notices posted by the driver thread and not yet delivered.
struct Notice {
  std::uint64_t instance;
  WaveHeader* header;
};
std::mutex mailboxMutex;
std::vector<Notice>& Mailbox() {
  static std::vector<Notice> mailbox = [] {
    std::vector<Notice> v;
    v.reserve(256);  // the driver thread should not have to allocate
    return v;
  }();
  return mailbox;
}

const char* StandardErrorText(int code) {
  switch (code) {
    case kWaveError: return "An unspecified error occurred in the sound device.";
    case kWaveBadDeviceId: return "There is no sound device with that number.";
    case kWaveInvalidHandle: return "The sound device handle is not valid.";
    case kWaveNoDriver: return "No sound driver is available.";
    case kWaveNoMemory: return "There is not enough memory for the sound device.";
    case kWaveInvalidParam: return "The sound device was given an invalid parameter.";
    case kWaveBadFormat: return "The sound device cannot play this wave format.";
    case kWaveStillPlaying: return "The sound device is still playing buffers.";
    case kWaveUnprepared: return "The wave buffer was not prepared for the sound device.";
    default: return nullptr;
  }
}

}  // namespace

int WaveOutBackend::GetErrorText(int code, char* text, std::size_t size) {
  const char* found = StandardErrorText(code);
  if (!found || size == 0) return kWaveInvalidParam;
  std::snprintf(text, size, "%s", found);
  return kWaveOk;
}

bool PostBufferDone(std::uint64_t instance, WaveHeader* header) {
  std::lock_guard<std::mutex> lock(mailboxMutex);
  const bool first = Mailbox().empty();
  Mailbox().push_back({instance, header});
  return first;
}

void DeliverBufferDoneNotices() {
  std::vector<Notice> notices;
  {
    std::lock_guard<std::mutex> lock(mailboxMutex);
    if (Mailbox().empty()) return;
    notices = Mailbox();
    Mailbox().clear();
  }
  for (const Notice& notice : notices) {
    // Looked up per notice: an earlier notice's events may have destroyed this device.
    auto it = Devices().find(notice.instance);
    if (it == Devices().end()) continue;
    try {
      it->second->WMBufferDone(notice.header);
    } catch (const std::exception& e) {
      ReportAudioError(e.what());
    }
  }
}

// --- TWaveOut ---------------------------------------------------------------------------------

void TWaveOut::BufferQueue::Push(WaveBuffer* buffer) {
  items_[(head_ + size_) % kBufferCount] = buffer;
  ++size_;
}

WaveBuffer* TWaveOut::BufferQueue::Pop() {
  WaveBuffer* buffer = items_[head_];
  head_ = (head_ + 1) % kBufferCount;
  --size_;
  return buffer;
}

TWaveOut::TWaveOut(WaveOutBackend& backend)
    : backend_(backend), instance_(nextInstance++), alive_(std::make_shared<bool>(true)) {
  InitBuffers();
  SetFormat(true, 44100, 16);
  Devices()[instance_] = this;
}

TWaveOut::~TWaveOut() {
  *alive_ = false;
  Devices().erase(instance_);
  try {
    Close();
  } catch (const std::exception& e) {
    ReportAudioError(e.what());
  }
  // The buffers go with the object; any return still in the mailbox is dropped with the instance.
}

void TWaveOut::InitBuffers() {
  buffersSent_ = 0;
  buffersInDevice_ = 0;
  bufferCount_ = kBufferCount;
  bufferSize_ = kBufferSize;
  for (WaveBuffer& buffer : buffers_) {
    buffer.data = std::make_unique<std::uint8_t[]>(static_cast<std::size_t>(bufferSize_));
    buffer.capacity = bufferSize_;
    buffer.playPosition = 0.0;
    buffer.header = {};
    freeQueue_.Push(&buffer);
  }
  freeBuffers_ = freeQueue_.Size();
}

std::string TWaveOut::GetErrorText(int code) {
  char text[2048] = {};
  const int result = backend_.GetErrorText(code, text, sizeof text);
  if (result == kWaveOk) return text;
  char unknown[96];
  std::snprintf(unknown, sizeof unknown, "Unknown error - waveOutGetErrorText: %d", result);
  return unknown;
}

void TWaveOut::Fail(const std::string& fixedText, int code) {
  throw EWaveOut(fixedText + GetErrorText(code));
}

void TWaveOut::SetFormat(bool stereo, std::uint32_t sampleRate, std::uint16_t bitsPerSample) {
  if ((format_.channels == 2) == stereo && format_.samplesPerSec == sampleRate &&
      format_.bitsPerSample == bitsPerSample)
    return;
  if (opened_ && playing_) throw EWaveOut("Cannot change waveOut device parameters while playing");
  bool reopen = false;
  if (opened_) {
    reopen = true;
    Close();
  }
  WaveFormat wanted;
  wanted.formatTag = 1;
  wanted.channels = stereo ? 2 : 1;
  wanted.samplesPerSec = sampleRate;
  wanted.bitsPerSample = bitsPerSample;
  wanted.blockAlign = static_cast<std::uint16_t>((bitsPerSample / 8) * wanted.channels);
  wanted.avgBytesPerSec = wanted.blockAlign * sampleRate;
  wanted.extraSize = 18;
  const int result = backend_.QueryFormat(wanted);
  if (result != kWaveOk) {
    char fixed[160];
    std::snprintf(fixed, sizeof fixed,
                  "Wave format not supported (%s; %.1f KHz; %d bits (%d kb/s) - waveOutOpen: ",
                  stereo ? "Stereo" : "Mono", sampleRate / 1000.0, int{bitsPerSample},
                  static_cast<int>(static_cast<std::uint64_t>(wanted.avgBytesPerSec) * 8 / 1000));
    Fail(fixed, result);
  }
  format_ = wanted;
  if (reopen) Open();
}

void TWaveOut::Open() {
  if (opened_) throw EWaveOut("WaveOut device already opened");
  const int result = backend_.Open(&handle_, format_, instance_);
  if (result != kWaveOk) {
    opened_ = false;
    Fail("Unable to open wave device - waveOutOpen: ", result);
  }
  opened_ = true;
}

void TWaveOut::Close() {
  if (!opened_) return;
  backend_.Reset(handle_);
  const int result = backend_.Close(handle_);
  if (result != kWaveOk) Fail("Cannot close waveOut - waveOutClose: ", result);
  opened_ = false;
}

void TWaveOut::Play() {
  if (!OnFill) return;
  buffersSent_ = 0;
  buffersInDevice_ = 0;
  freeBuffers_ = freeQueue_.Size();
  playing_ = true;
  while (!freeQueue_.Empty() && playing_) SendBuffer();
}

bool TWaveOut::SendBuffer() {
  if (freeQueue_.Empty()) return false;
  WaveBuffer* buffer = freeQueue_.Pop();
  std::int32_t n = OnFill ? OnFill(buffer->data.get(), buffer->capacity, buffer->playPosition) : 0;
  if (n > buffer->capacity) n = buffer->capacity;  // a client never gets to claim more than fits
  if (n <= 0) {
    freeQueue_.Push(buffer);
    playing_ = false;
    return false;
  }
  buffer->header = {};
  buffer->header.data = buffer->data.get();
  buffer->header.length = static_cast<std::uint32_t>(n);
  int result = backend_.PrepareHeader(handle_, &buffer->header);
  if (result != kWaveOk) {
    freeQueue_.Push(buffer);
    Fail("Cannot send wave buffer - waveOutPrepareHeader: ", result);
  }
  result = backend_.Write(handle_, &buffer->header);
  if (result != kWaveOk) {
    freeQueue_.Push(buffer);
    Fail("Cannot send wave buffer - waveOutWrite: ", result);
  }
  deviceQueue_.Push(buffer);
  ++buffersSent_;
  ++buffersInDevice_;
  freeBuffers_ = freeQueue_.Size();
  Fire(OnBufferChange);
  return true;
}

void TWaveOut::WMBufferDone(WaveHeader* header) {
  backend_.UnprepareHeader(handle_, header);
  if (deviceQueue_.Empty()) return;  // a stray notice: nothing of ours is in the device
  --buffersInDevice_;
  freeQueue_.Push(deviceQueue_.Pop());
  freeBuffers_ = freeQueue_.Size();
  if (!Fire(OnBufferChange)) return;
  if (playing_) {
    SendBuffer();
    return;
  }
  if (deviceQueue_.Empty()) Fire(OnEmpty);
}

bool TWaveOut::Fire(const NotifyEvent& event) {
  if (!event) return true;
  const std::shared_ptr<bool> alive = alive_;
  const NotifyEvent handler = event;  // the event may free this device, and with it `event`
  handler(*this);
  return *alive;
}

}  // namespace audio
