#include "platform/regular_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

namespace platform {

FileRead ReadRegularFile(const std::string& path, std::size_t limit, std::string& bytes) {
  bytes.clear();
  // Not blocking: opening a pipe must not wait for a writer before the type check refuses it.
  const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
  if (fd < 0) return FileRead::CannotOpen;
  struct stat info {};
  FileRead result = FileRead::Ok;
  if (::fstat(fd, &info) != 0) {
    result = FileRead::CannotOpen;
  } else if (!S_ISREG(info.st_mode)) {
    result = FileRead::NotRegular;
  } else if (static_cast<std::size_t>(info.st_size) > limit) {
    result = FileRead::TooLarge;
  } else {
    bytes.resize(static_cast<std::size_t>(info.st_size));
    std::size_t got = 0;
    while (got < bytes.size()) {
      const ssize_t n = ::read(fd, bytes.data() + got, bytes.size() - got);
      if (n < 0 && errno == EINTR) continue;
      if (n <= 0) break;
      got += static_cast<std::size_t>(n);
    }
    bytes.resize(got);
  }
  ::close(fd);
  return result;
}

}  // namespace platform
