// Reading a whole file that the user may have replaced by anything: only a regular file of a
// bounded size is read, and a pipe or device is refused at once instead of being waited on.
#pragma once

#include <cstddef>
#include <string>

namespace platform {

enum class FileRead { Ok, CannotOpen, NotRegular, TooLarge };

// Reads the regular file `path` whole into `bytes` when it is at most `limit` bytes long.
FileRead ReadRegularFile(const std::string& path, std::size_t limit, std::string& bytes);

}  // namespace platform
