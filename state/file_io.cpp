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

class RealWriter final : public FileWriter {
 public:
  explicit RealWriter(std::FILE* file) : file_(file) {}
  ~RealWriter() override {
    if (file_ != nullptr) std::fclose(file_);
  }

  IoStatus Write(std::span<const std::uint8_t> bytes) override {
    if (bytes.empty()) return IoStatus::Success();
    errno = 0;
    if (std::fwrite(bytes.data(), 1, bytes.size(), file_) != bytes.size()) return Failed();
    return IoStatus::Success();
  }
  IoStatus Flush() override {
    errno = 0;
    if (std::fflush(file_) != 0) return Failed();
    return IoStatus::Success();
  }
  IoStatus Sync() override {
    if (::fsync(fileno(file_)) != 0) return Failed();
    return IoStatus::Success();
  }
  IoStatus Close() override {
    std::FILE* file = file_;
    file_ = nullptr;
    errno = 0;
    if (std::fclose(file) != 0) return Failed();
    return IoStatus::Success();
  }

 private:
  static IoStatus Failed() { return IoStatus::Failure(errno != 0 ? errno : EIO); }
  std::FILE* file_;
};

// Makes a finished rename durable: the folder's entry is synced too. Best effort.
void SyncFolderOf(const std::filesystem::path& file) {
  std::filesystem::path folder = file.parent_path();
  if (folder.empty()) folder = ".";
  const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  (void)::fsync(fd);
  ::close(fd);
}

class RealFileSystemImpl final : public FileSystem {
 public:
  IoStatus ReadAll(const std::filesystem::path& file, std::vector<std::uint8_t>& bytes,
                   std::size_t limit) override {
    bytes.clear();
    const int fd = ::open(file.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return IoStatus::Failure(errno);
    struct stat info {};
    if (::fstat(fd, &info) != 0) {
      const int error = errno;
      ::close(fd);
      return IoStatus::Failure(error);
    }
    if (S_ISDIR(info.st_mode)) {
      ::close(fd);
      return IoStatus::Failure(EISDIR);
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
    errno = 0;
    std::FILE* f = std::fopen(file.c_str(), "wb");
    if (f == nullptr) {
      status = IoStatus::Failure(errno != 0 ? errno : EIO);
      return nullptr;
    }
    status = IoStatus::Success();
    return std::make_unique<RealWriter>(f);
  }

  IoStatus Rename(const std::filesystem::path& from, const std::filesystem::path& to) override {
    if (std::rename(from.c_str(), to.c_str()) != 0) return IoStatus::Failure(errno);
    SyncFolderOf(to);
    return IoStatus::Success();
  }

  IoStatus Remove(const std::filesystem::path& file) override {
    if (::unlink(file.c_str()) != 0) return IoStatus::Failure(errno);
    return IoStatus::Success();
  }

  bool Exists(const std::filesystem::path& file) override {
    struct stat info {};
    return ::stat(file.c_str(), &info) == 0;
  }
};

std::filesystem::path TempNameOf(const std::filesystem::path& file) {
  std::filesystem::path temp = file;
  temp += ".tmp";
  return temp;
}

// Writes `bytes` to `file` (created or truncated), flushed, synced and closed. A failure removes
// what was written.
IoStatus WriteWholeFile(FileSystem& fs, const std::filesystem::path& file,
                        std::span<const std::uint8_t> bytes) {
  IoStatus status;
  std::unique_ptr<FileWriter> writer = fs.Create(file, status);
  if (!writer) return status;
  status = writer->Write(bytes);
  if (status.ok) status = writer->Flush();
  if (status.ok) status = writer->Sync();
  if (status.ok) {
    status = writer->Close();
  } else {
    (void)writer->Close();
  }
  writer.reset();
  if (!status.ok) (void)fs.Remove(file);
  return status;
}

}  // namespace

FileSystem& RealFileSystem() {
  static RealFileSystemImpl fs;
  return fs;
}

IoStatus WriteFilePair(FileSystem& fs, const FileContent& first, const FileContent& second,
                       std::filesystem::path& failedFile) {
  const std::filesystem::path firstTemp = TempNameOf(first.file);
  const std::filesystem::path secondTemp = TempNameOf(second.file);

  IoStatus status = WriteWholeFile(fs, firstTemp, first.bytes);
  if (!status.ok) {
    failedFile = first.file;
    return status;
  }
  status = WriteWholeFile(fs, secondTemp, second.bytes);
  if (!status.ok) {
    (void)fs.Remove(firstTemp);
    failedFile = second.file;
    return status;
  }

  // The first file's former content, to put back should the second rename fail.
  std::vector<std::uint8_t> former;
  const bool hadFormer = fs.ReadAll(first.file, former).ok;

  status = fs.Rename(firstTemp, first.file);
  if (!status.ok) {
    (void)fs.Remove(firstTemp);
    (void)fs.Remove(secondTemp);
    failedFile = first.file;
    return status;
  }
  status = fs.Rename(secondTemp, second.file);
  if (!status.ok) {
    (void)fs.Remove(secondTemp);
    if (hadFormer) {
      if (WriteWholeFile(fs, firstTemp, former).ok) (void)fs.Rename(firstTemp, first.file);
    } else {
      (void)fs.Remove(first.file);
    }
    failedFile = second.file;
    return status;
  }
  return IoStatus::Success();
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
