#include "state/file_io.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "state/win1252.h"

namespace state {

IoStatus IoStatus::Failure(int error) { return Failure(error, IoErrorText(error)); }

IoStatus IoStatus::Failure(int error, std::string cause) {
  IoStatus s;
  s.ok = false;
  s.error = error;
  s.cause = std::move(cause);
  return s;
}

bool IoStatus::NotFound() const { return !ok && error == ENOENT; }

std::string IoErrorText(int error) {
  switch (error) {
    case ENOENT: return "File not found";
    case ENOSPC:
    case EDQUOT:
    case EFBIG: return "Disk full";
    case EACCES:
    case EPERM:
    case EROFS: return "File access denied";
    case ENAMETOOLONG:
    case EINVAL:
    case ENOTDIR:
    case EISDIR: return "Invalid filename";
    case EMFILE:
    case ENFILE: return "Too many open files";
    default: return "I/O error " + std::to_string(error);
  }
}

namespace {

IoStatus LastError() { return IoStatus::Failure(errno != 0 ? errno : EIO); }

class RealWriter final : public FileWriter {
 public:
  explicit RealWriter(int fd) : fd_(fd) {}
  ~RealWriter() override {
    if (fd_ >= 0) ::close(fd_);
  }

  IoStatus Write(std::span<const std::uint8_t> bytes) override {
    while (!bytes.empty()) {
      const ssize_t n = ::write(fd_, bytes.data(), bytes.size());
      if (n < 0) {
        if (errno == EINTR) continue;
        return LastError();
      }
      bytes = bytes.subspan(static_cast<std::size_t>(n));
    }
    return IoStatus::Success();
  }
  IoStatus Sync() override {
    if (::fsync(fd_) != 0) return LastError();
    return IoStatus::Success();
  }
  IoStatus Close() override {
    const int fd = fd_;
    fd_ = -1;
    if (::close(fd) != 0) return LastError();
    return IoStatus::Success();
  }

 private:
  int fd_;
};

class RealFileSystemImpl final : public FileSystem {
 public:
  IoStatus ReadAll(const std::filesystem::path& file, std::vector<std::uint8_t>& bytes,
                   std::size_t limit) override {
    bytes.clear();
    // Not blocking: opening a pipe must not wait for a writer before the type check refuses it.
    const int fd = ::open(file.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) return IoStatus::Failure(errno);
    struct stat info {};
    if (::fstat(fd, &info) != 0) {
      const int error = errno;
      ::close(fd);
      return IoStatus::Failure(error);
    }
    if (!S_ISREG(info.st_mode)) {
      ::close(fd);
      if (S_ISDIR(info.st_mode)) return IoStatus::Failure(EISDIR);
      return IoStatus::Failure(EINVAL, std::string(kNotARegularFile));
    }
    if (info.st_size > 0) bytes.reserve(std::min(static_cast<std::size_t>(info.st_size), limit));
    std::uint8_t buffer[65536];
    while (bytes.size() < limit) {
      const ssize_t n = ::read(fd, buffer, std::min(sizeof buffer, limit - bytes.size()));
      if (n == 0) break;
      if (n < 0) {
        if (errno == EINTR) continue;
        const int error = errno;
        ::close(fd);
        return IoStatus::Failure(error);
      }
      bytes.insert(bytes.end(), buffer, buffer + n);
    }
    ::close(fd);
    return IoStatus::Success();
  }

  std::unique_ptr<FileWriter> Create(const std::filesystem::path& file, IoStatus& status) override {
    const int fd = ::open(file.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
    if (fd < 0) {
      status = LastError();
      return nullptr;
    }
    status = IoStatus::Success();
    return std::make_unique<RealWriter>(fd);
  }

  IoStatus Rename(const std::filesystem::path& from, const std::filesystem::path& to) override {
    if (std::rename(from.c_str(), to.c_str()) != 0) return LastError();
    return IoStatus::Success();
  }

  IoStatus Link(const std::filesystem::path& existing, const std::filesystem::path& added) override {
    if (::linkat(AT_FDCWD, existing.c_str(), AT_FDCWD, added.c_str(), 0) != 0) return LastError();
    return IoStatus::Success();
  }

  IoStatus Remove(const std::filesystem::path& file) override {
    if (::unlink(file.c_str()) != 0) return LastError();
    return IoStatus::Success();
  }

  IoStatus SyncFolder(const std::filesystem::path& folder) override {
    const int fd = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return LastError();
    const int result = ::fsync(fd);
    const int error = errno;
    ::close(fd);
    if (result != 0) return IoStatus::Failure(error);
    return IoStatus::Success();
  }

  bool Exists(const std::filesystem::path& file) override {
    struct stat info {};
    return ::lstat(file.c_str(), &info) == 0;
  }
};

std::filesystem::path WithSuffix(const std::filesystem::path& file, const char* suffix) {
  std::filesystem::path named = file;
  named += suffix;
  return named;
}

std::filesystem::path TempNameOf(const std::filesystem::path& file) { return WithSuffix(file, ".tmp"); }
std::filesystem::path OldNameOf(const std::filesystem::path& file) { return WithSuffix(file, ".old"); }

// "Savegame1.int" -> "Savegame1.commit": one record for the pair, beside it. While it exists the
// new pair counts as written; renamed to "Savegame1.undo" it says that an error stopped the
// renames and the old pair is to be put back.
std::filesystem::path RecordOf(const std::filesystem::path& first, const char* extension) {
  std::filesystem::path record = first;
  record.replace_extension(extension);
  return record;
}
std::filesystem::path CommitRecordOf(const std::filesystem::path& first) {
  return RecordOf(first, ".commit");
}
std::filesystem::path UndoRecordOf(const std::filesystem::path& first) {
  return RecordOf(first, ".undo");
}

// The record's last line when the first file did not exist before the write.
constexpr std::string_view kFirstWasNew = "new";

// Removes whatever has the name; its absence is no failure. A folder that cannot be written (a
// read-only disk, or no permission) refuses even to remove a name it does not hold, so a refusal
// counts only when the file is there: reading a game never needs writing.
IoStatus RemoveIfThere(FileSystem& fs, const std::filesystem::path& file) {
  IoStatus status = fs.Remove(file);
  if (status.NotFound() || (!status.ok && !fs.Exists(file))) return IoStatus::Success();
  return status;
}

// Writes `bytes` to a new file of that name, synced (when `sync`) and closed. Anything at the name
// before (a stale temporary file, a link) is removed, never written through. A failure removes
// what was written.
IoStatus WriteNewFile(FileSystem& fs, const std::filesystem::path& file,
                      std::span<const std::uint8_t> bytes, bool sync) {
  IoStatus status = RemoveIfThere(fs, file);
  if (!status.ok) return status;
  std::unique_ptr<FileWriter> writer = fs.Create(file, status);
  if (!writer) return status;
  status = writer->Write(bytes);
  if (status.ok && sync) status = writer->Sync();
  if (status.ok) {
    status = writer->Close();
  } else {
    (void)writer->Close();
  }
  writer.reset();
  if (!status.ok) (void)fs.Remove(file);
  return status;
}

std::span<const std::uint8_t> BytesOf(std::string_view text) {
  return {reinterpret_cast<const std::uint8_t*>(text.data()), text.size()};
}

// Gives the first file's current content the name "<name>.old", so an error after its rename can
// put it back. A hard link copies nothing; where the folder allows none, the content is copied,
// read no further than the new content's length (the layout's size).
IoStatus KeepOldContent(FileSystem& fs, const std::filesystem::path& file, std::size_t length) {
  const std::filesystem::path old = OldNameOf(file);
  IoStatus status = RemoveIfThere(fs, old);
  if (!status.ok || !fs.Exists(file)) return status;
  if (fs.Link(file, old).ok) return IoStatus::Success();
  std::vector<std::uint8_t> former;
  status = fs.ReadAll(file, former, length);
  if (!status.ok) return status;
  return WriteNewFile(fs, old, former, false);
}

// Puts the old pair back after an error stopped the renames: the first file gets its former
// content (or goes, when it is new), the second file's new content goes.
IoStatus UndoRenames(FileSystem& fs, const std::filesystem::path& first,
                     const std::filesystem::path& second) {
  const std::filesystem::path undo = UndoRecordOf(first);
  const std::filesystem::path old = OldNameOf(first);
  IoStatus status;
  if (fs.Exists(old)) {
    status = fs.Rename(old, first);
  } else {
    std::vector<std::uint8_t> record;
    status = fs.ReadAll(undo, record, 4096);
    const std::string_view text(reinterpret_cast<const char*>(record.data()), record.size());
    if (status.ok && text.ends_with(std::string(kFirstWasNew) + "\n")) status = RemoveIfThere(fs, first);
  }
  if (status.ok) status = RemoveIfThere(fs, TempNameOf(second));
  if (status.ok) status = RemoveIfThere(fs, TempNameOf(first));
  if (status.ok) status = RemoveIfThere(fs, undo);
  return status;
}

}  // namespace

FileSystem& RealFileSystem() {
  static RealFileSystemImpl fs;
  return fs;
}

IoStatus FinishInterruptedPair(FileSystem& fs, const std::filesystem::path& first,
                               const std::filesystem::path& second,
                               std::filesystem::path& failedFile) {
  failedFile = first;
  if (fs.Exists(UndoRecordOf(first))) return UndoRenames(fs, first, second);
  const std::filesystem::path record = CommitRecordOf(first);
  if (!fs.Exists(record)) {
    // Never committed: the old pair is whole; what the write left is removed.
    for (const std::filesystem::path& file : {TempNameOf(first), TempNameOf(second), OldNameOf(first)}) {
      if (IoStatus status = RemoveIfThere(fs, file); !status.ok) {
        failedFile = file;
        return status;
      }
    }
    return IoStatus::Success();
  }
  // The record was made once both new files were whole: each still waiting is put into place.
  for (const std::filesystem::path& file : {first, second}) {
    const std::filesystem::path temp = TempNameOf(file);
    if (!fs.Exists(temp)) continue;
    if (IoStatus status = fs.Rename(temp, file); !status.ok) {
      failedFile = file;
      return status;
    }
  }
  (void)fs.SyncFolder(first.parent_path());
  IoStatus status = RemoveIfThere(fs, OldNameOf(first));
  if (status.ok) status = RemoveIfThere(fs, record);
  return status;
}

IoStatus WriteFilePair(FileSystem& fs, const FileContent& first, const FileContent& second,
                       std::filesystem::path& failedFile) {
  IoStatus status = FinishInterruptedPair(fs, first.file, second.file, failedFile);
  if (!status.ok) return status;
  const std::filesystem::path firstTemp = TempNameOf(first.file);
  const std::filesystem::path secondTemp = TempNameOf(second.file);
  const std::filesystem::path record = CommitRecordOf(first.file);
  // Before the record exists, nothing of the old pair has changed.
  auto failBeforeCommit = [&](const std::filesystem::path& file, IoStatus cause) {
    (void)fs.Remove(record);
    (void)fs.Remove(firstTemp);
    (void)fs.Remove(secondTemp);
    (void)fs.Remove(OldNameOf(first.file));
    failedFile = file;
    return cause;
  };

  status = WriteNewFile(fs, firstTemp, first.bytes, true);
  if (!status.ok) return failBeforeCommit(first.file, status);
  status = WriteNewFile(fs, secondTemp, second.bytes, true);
  if (!status.ok) return failBeforeCommit(second.file, status);
  const bool firstIsNew = !fs.Exists(first.file);
  status = KeepOldContent(fs, first.file, first.bytes.size());
  if (!status.ok) return failBeforeCommit(first.file, status);

  // Both new files are whole on the disk, so the record need not be synced: its being there is
  // what counts; its lines only name the pair for whoever looks.
  std::string names = first.file.filename().string() + "\n" + second.file.filename().string() + "\n";
  if (firstIsNew) names += std::string(kFirstWasNew) + "\n";
  status = WriteNewFile(fs, record, BytesOf(names), false);
  if (!status.ok) return failBeforeCommit(first.file, status);

  status = fs.Rename(firstTemp, first.file);
  if (!status.ok) return failBeforeCommit(first.file, status);
  status = fs.Rename(secondTemp, second.file);
  if (!status.ok) {
    // Turned into an undo record in one step, so that a crash from here on puts the old pair back
    // too; should the undoing fail, the record stays for the next start or load.
    failedFile = second.file;
    if (fs.Rename(record, UndoRecordOf(first.file)).ok) (void)UndoRenames(fs, first.file, second.file);
    return status;
  }
  // Best effort: the pair is in place whether or not the folder could be synced.
  (void)fs.SyncFolder(first.file.parent_path());
  (void)fs.Remove(OldNameOf(first.file));
  (void)fs.Remove(record);
  return IoStatus::Success();
}

IoStatus WriteWholeFile(FileSystem& fs, const FileContent& file) {
  const std::filesystem::path temp = TempNameOf(file.file);
  IoStatus status = WriteNewFile(fs, temp, file.bytes, true);
  if (status.ok) status = fs.Rename(temp, file.file);
  if (!status.ok) {
    (void)fs.Remove(temp);
    return status;
  }
  (void)fs.SyncFolder(file.file.parent_path());
  return status;
}

bool FileHolds(FileSystem& fs, const std::filesystem::path& file, std::span<const std::uint8_t> bytes) {
  std::vector<std::uint8_t> held;
  if (!fs.ReadAll(file, held, bytes.size() + 1).ok) return false;
  return std::equal(held.begin(), held.end(), bytes.begin(), bytes.end());
}

void AppendTextRecord(std::vector<std::uint8_t>& out, std::string_view utf8) {
  std::string bytes = Utf8ToWin1252(utf8);
  if (bytes.size() > kMaxFileTextLength) bytes.resize(kMaxFileTextLength);
  const std::size_t start = out.size();
  out.resize(start + kTextRecordSize, 0);
  std::uint8_t* p = out.data() + start;
  p[0] = static_cast<std::uint8_t>(bytes.size());
  if (!bytes.empty()) std::memcpy(p + 1, bytes.data(), bytes.size());
}

std::string TextRecordAt(std::span<const std::uint8_t> bytes, std::size_t index) {
  const std::uint8_t* p = bytes.data() + index * kTextRecordSize;
  const std::string_view text(reinterpret_cast<const char*>(p + 1), p[0]);
  return Win1252ToUtf8(text);
}

}  // namespace state
