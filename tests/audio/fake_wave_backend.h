// A sound device for tests: it records what a TWaveOut asks of it and keeps the written buffers
// until the test says one has been played (CompleteOldest), which posts the buffer-done notice as
// the real device's thread would.
#pragma once

#include <cstdint>
#include <deque>
#include <string>
#include <vector>

#include "audio/wave_out.h"

namespace audio_test {

class FakeWaveBackend : public audio::WaveOutBackend {
 public:
  // Result codes the next calls give (0 = success).
  int queryResult = 0, openResult = 0, prepareResult = 0, writeResult = 0, closeResult = 0;
  int errorTextResult = -1;  // -1: the standard texts

  std::vector<std::string> calls;  // "query", "open", "prepare", "write", "unprepare", "reset", "close"
  std::vector<audio::WaveFormat> queried;
  std::vector<std::uint8_t> played;  // every byte written, in order
  std::vector<std::uint32_t> writtenLengths;

  struct Pending {
    std::uint64_t instance;
    audio::WaveHeader* header;
    audio::WaveHandle handle;
  };
  std::deque<Pending> pending;  // written and not yet given back, in order
  std::vector<audio::WaveHandle> openHandles;

  int QueryFormat(const audio::WaveFormat& format) override {
    calls.push_back("query");
    queried.push_back(format);
    return queryResult;
  }
  int Open(audio::WaveHandle* handle, const audio::WaveFormat&, std::uint64_t instance) override {
    calls.push_back("open");
    if (openResult != 0) return openResult;
    *handle = nextHandle_++;
    openHandles.push_back(*handle);
    instances_.push_back({*handle, instance});
    return 0;
  }
  int PrepareHeader(audio::WaveHandle, audio::WaveHeader* header) override {
    calls.push_back("prepare");
    if (prepareResult == 0) header->flags |= audio::kHeaderPrepared;
    return prepareResult;
  }
  int Write(audio::WaveHandle handle, audio::WaveHeader* header) override {
    calls.push_back("write");
    if (writeResult != 0) return writeResult;
    played.insert(played.end(), header->data, header->data + header->length);
    writtenLengths.push_back(header->length);
    pending.push_back({InstanceOf(handle), header, handle});
    return 0;
  }
  int UnprepareHeader(audio::WaveHandle, audio::WaveHeader* header) override {
    calls.push_back("unprepare");
    header->flags &= ~audio::kHeaderPrepared;
    return 0;
  }
  int Reset(audio::WaveHandle handle) override {
    calls.push_back("reset");
    // Every pending buffer of this handle comes back at once.
    for (auto it = pending.begin(); it != pending.end();) {
      if (it->handle == handle) {
        audio::PostBufferDone(it->instance, it->header);
        it = pending.erase(it);
      } else {
        ++it;
      }
    }
    return 0;
  }
  int Close(audio::WaveHandle handle) override {
    calls.push_back("close");
    if (closeResult != 0) return closeResult;
    std::erase(openHandles, handle);
    return 0;
  }
  int GetErrorText(int code, char* text, std::size_t size) override {
    if (errorTextResult >= 0) return errorTextResult;
    return WaveOutBackend::GetErrorText(code, text, size);
  }

  // The device has played its oldest buffer; false when none is pending.
  bool CompleteOldest() {
    if (pending.empty()) return false;
    const Pending p = pending.front();
    pending.pop_front();
    audio::PostBufferDone(p.instance, p.header);
    return true;
  }

  int Count(const std::string& call) const {
    int n = 0;
    for (const auto& c : calls) n += c == call;
    return n;
  }

 private:
  std::uint64_t InstanceOf(audio::WaveHandle handle) const {
    for (const auto& [h, instance] : instances_)
      if (h == handle) return instance;
    return 0;
  }
  audio::WaveHandle nextHandle_ = 1;
  std::vector<std::pair<audio::WaveHandle, std::uint64_t>> instances_;
};

}  // namespace audio_test
