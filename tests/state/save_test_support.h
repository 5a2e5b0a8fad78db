// Helpers of the save-game and general-data tests: a scratch folder per test, file systems that
// fail or stop dead at a chosen step, and whole-file access.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <span>
#include <string>
#include <unistd.h>
#include <vector>

#include "state/file_io.h"

namespace save_test {

namespace fs = std::filesystem;
using Bytes = std::vector<std::uint8_t>;

// A fresh folder under the system's temporary folder, removed at the end of the test.
class ScratchFolder {
 public:
  // `suffix` tells apart two folders of one test.
  explicit ScratchFolder(const std::string& suffix = {}) {
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    std::string name = "farhaven-" + std::to_string(::getpid()) + "-" +
                       (info ? std::string(info->test_suite_name()) + "-" + info->name() : "x") +
                       suffix;
    for (char& c : name) {
      if (c == '/') c = '_';
    }
    path_ = fs::temp_directory_path() / name;
    fs::remove_all(path_);
    fs::create_directories(path_);
  }
  ~ScratchFolder() {
    std::error_code ignored;
    fs::remove_all(path_, ignored);
  }
  const fs::path& path() const { return path_; }
  fs::path operator/(const std::string& file) const { return path_ / file; }

  // Names of the files in the folder, sorted.
  std::vector<std::string> Files() const {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(path_)) names.push_back(entry.path().filename());
    std::sort(names.begin(), names.end());
    return names;
  }

 private:
  fs::path path_;
};

inline Bytes ReadFile(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

inline void WriteFile(const fs::path& file, const Bytes& bytes) {
  std::ofstream out(file, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

inline void PutRecord(Bytes& bytes, std::size_t record, std::int32_t value) {
  const auto u = static_cast<std::uint32_t>(value);
  for (int k = 0; k < 4; ++k) bytes.at(record * 4 + k) = static_cast<std::uint8_t>(u >> (8 * k));
}

// The steps at which FaultyFileSystem can fail.
enum class Fault { None, Create, WriteHalfway, Sync, Close, Rename };

// The real file system, except that the chosen step fails for the files whose name contains
// `match` (temporary names included: "Savegame1.str" matches "Savegame1.str.tmp"). A write that
// fails half-way first writes half of its bytes, as a full disk does.
class FaultyFileSystem final : public state::FileSystem {
 public:
  FaultyFileSystem(Fault fault, std::string match, int error = ENOSPC)
      : fault_(fault), match_(std::move(match)), error_(error) {}

  int failures() const { return failures_; }

  state::IoStatus ReadAll(const fs::path& file, Bytes& bytes, std::size_t limit) override {
    return real().ReadAll(file, bytes, limit);
  }

  std::unique_ptr<state::FileWriter> Create(const fs::path& file, state::IoStatus& status) override {
    if (Hits(Fault::Create, file)) {
      status = state::IoStatus::Failure(error_);
      return nullptr;
    }
    auto inner = real().Create(file, status);
    if (!inner) return nullptr;
    return std::make_unique<Writer>(*this, std::move(inner), Matches(file));
  }

  state::IoStatus Rename(const fs::path& from, const fs::path& to) override {
    if (Hits(Fault::Rename, to)) return state::IoStatus::Failure(error_);
    return real().Rename(from, to);
  }

  state::IoStatus Link(const fs::path& existing, const fs::path& added) override {
    return real().Link(existing, added);
  }
  state::IoStatus Remove(const fs::path& file) override { return real().Remove(file); }
  state::IoStatus SyncFolder(const fs::path& folder) override { return real().SyncFolder(folder); }
  bool Exists(const fs::path& file) override { return real().Exists(file); }

 private:
  class Writer final : public state::FileWriter {
   public:
    Writer(FaultyFileSystem& owner, std::unique_ptr<state::FileWriter> inner, bool matches)
        : owner_(owner), inner_(std::move(inner)), matches_(matches) {}
    state::IoStatus Write(std::span<const std::uint8_t> bytes) override {
      if (matches_ && owner_.Fire(Fault::WriteHalfway)) {
        (void)inner_->Write(bytes.first(bytes.size() / 2));
        return state::IoStatus::Failure(owner_.error_);
      }
      return inner_->Write(bytes);
    }
    state::IoStatus Sync() override {
      if (matches_ && owner_.Fire(Fault::Sync)) return state::IoStatus::Failure(owner_.error_);
      return inner_->Sync();
    }
    state::IoStatus Close() override {
      state::IoStatus status = inner_->Close();
      if (matches_ && owner_.Fire(Fault::Close)) return state::IoStatus::Failure(owner_.error_);
      return status;
    }

   private:
    FaultyFileSystem& owner_;
    std::unique_ptr<state::FileWriter> inner_;
    bool matches_;
  };

  static state::FileSystem& real() { return state::RealFileSystem(); }
  bool Matches(const fs::path& file) const {
    return file.filename().string().find(match_) != std::string::npos;
  }
  bool Fire(Fault step) {
    if (step != fault_) return false;
    ++failures_;
    return true;
  }
  bool Hits(Fault step, const fs::path& file) { return Matches(file) && Fire(step); }

  Fault fault_;
  std::string match_;
  int error_;
  int failures_ = 0;
};

// Thrown by ProbeFileSystem at its chosen step: the program dies there, and what is on the disk is
// what a killed process leaves (open files are closed, nothing more is done).
struct SimulatedCrash {};

// The real file system, watched: it counts every step that changes the disk (create, write, sync,
// close, rename, link, remove, folder sync), can stop dead before step `crashAt` (counted from 0),
// can fail every rename onto a name containing `failRename`, can refuse hard links as some folders
// do (`noLinks`), and remembers the largest read. Syncs
// do nothing, as a killed process loses nothing the system already holds, and the tests run fast.
class ProbeFileSystem final : public state::FileSystem {
 public:
  static constexpr int kNever = -1;
  explicit ProbeFileSystem(int crashAt = kNever, std::string failRename = {}, bool noLinks = false)
      : crashAt_(crashAt), failRename_(std::move(failRename)), noLinks_(noLinks) {}

  int steps() const { return steps_; }
  std::size_t largestRead() const { return largestRead_; }

  state::IoStatus ReadAll(const fs::path& file, Bytes& bytes, std::size_t limit) override {
    state::IoStatus status = real().ReadAll(file, bytes, limit);
    largestRead_ = std::max(largestRead_, bytes.size());
    return status;
  }
  std::unique_ptr<state::FileWriter> Create(const fs::path& file, state::IoStatus& status) override {
    Step();
    auto inner = real().Create(file, status);
    if (!inner) return nullptr;
    return std::make_unique<Writer>(*this, std::move(inner));
  }
  state::IoStatus Rename(const fs::path& from, const fs::path& to) override {
    Step();
    if (!failRename_.empty() && to.filename().string().find(failRename_) != std::string::npos) {
      return state::IoStatus::Failure(EIO);
    }
    return real().Rename(from, to);
  }
  state::IoStatus Link(const fs::path& existing, const fs::path& added) override {
    Step();
    if (noLinks_) return state::IoStatus::Failure(EPERM);
    return real().Link(existing, added);
  }
  state::IoStatus Remove(const fs::path& file) override {
    Step();
    return real().Remove(file);
  }
  state::IoStatus SyncFolder(const fs::path&) override {
    Step();
    return state::IoStatus::Success();
  }
  bool Exists(const fs::path& file) override { return real().Exists(file); }

 private:
  class Writer final : public state::FileWriter {
   public:
    Writer(ProbeFileSystem& owner, std::unique_ptr<state::FileWriter> inner)
        : owner_(owner), inner_(std::move(inner)) {}
    state::IoStatus Write(std::span<const std::uint8_t> bytes) override {
      owner_.Step();
      return inner_->Write(bytes);
    }
    state::IoStatus Sync() override {
      owner_.Step();
      return state::IoStatus::Success();
    }
    state::IoStatus Close() override {
      owner_.Step();
      return inner_->Close();
    }

   private:
    ProbeFileSystem& owner_;
    std::unique_ptr<state::FileWriter> inner_;
  };

  static state::FileSystem& real() { return state::RealFileSystem(); }
  void Step() {
    if (steps_++ == crashAt_) throw SimulatedCrash{};
  }

  int crashAt_;
  std::string failRename_;
  bool noLinks_;
  int steps_ = 0;
  std::size_t largestRead_ = 0;
};

}  // namespace save_test
