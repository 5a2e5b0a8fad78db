// The file layer under the save games and the general data: a narrow interface for reading a file
// up to a limit and for writing a pair of files through temporary files, synced and renamed into
// place under a commit record. The game uses the real file system; a test puts in one that fails,
// or stops dead, at a chosen step.
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace state {

// What the player is told after a file operation: a popup topic and text. `ok` is true only when
// the whole operation succeeded.
struct FileResult {
  bool ok = false;
  std::string topic;
  std::string text;
};

// The check of a pair of files read whole (a save game or the general data): whether it passed,
// and if not, which of the two files was refused and why.
struct FileCheck {
  bool ok = true;
  bool inTextFile = false;
  std::string cause;
};

// The outcome of one file step. `cause` is the text shown to the player ("Disk full", "File not
// found", ...); `error` is the system's error number (0 when there is none).
struct IoStatus {
  bool ok = true;
  int error = 0;
  std::string cause;

  static IoStatus Success() { return {}; }
  static IoStatus Failure(int error);                           // cause from the error number
  static IoStatus Failure(int error, std::string cause);
  bool NotFound() const;
};

// The player's text for a system error number: "File not found", "Disk full", "File access
// denied", "Invalid filename", "Too many open files", or "I/O error" and the number.
std::string IoErrorText(int error);

// A file opened for writing. Every step reports its own failure.
class FileWriter {
 public:
  virtual ~FileWriter() = default;
  virtual IoStatus Write(std::span<const std::uint8_t> bytes) = 0;
  virtual IoStatus Sync() = 0;  // the bytes are on the disk when this returns
  virtual IoStatus Close() = 0;
};

// The cause given for a pipe, a device or anything else that is not a plain file.
inline constexpr std::string_view kNotARegularFile = "Not a regular file";

class FileSystem {
 public:
  virtual ~FileSystem() = default;
  // Reads a regular file into `bytes`, stopping after `limit` bytes: a reader takes no more than
  // its layout needs, however long the file is. A pipe or device is refused at once, never waited
  // on (kNotARegularFile); a folder gives "Invalid filename".
  virtual IoStatus ReadAll(const std::filesystem::path& file, std::vector<std::uint8_t>& bytes,
                           std::size_t limit) = 0;
  // Creates a new file for writing; null with `status` set on failure. Whatever is at the name
  // already, a link included, makes it fail: it is never written through.
  virtual std::unique_ptr<FileWriter> Create(const std::filesystem::path& file, IoStatus& status) = 0;
  // Replaces `to` by `from` in one step.
  virtual IoStatus Rename(const std::filesystem::path& from, const std::filesystem::path& to) = 0;
  // Gives the file `existing` the second name `added` (a link itself is linked, not followed);
  // fails when something already has that name.
  virtual IoStatus Link(const std::filesystem::path& existing, const std::filesystem::path& added) = 0;
  virtual IoStatus Remove(const std::filesystem::path& file) = 0;
  // Makes the renames and removals done in `folder` durable.
  virtual IoStatus SyncFolder(const std::filesystem::path& folder) = 0;
  // Whether anything has the name (a file, a folder, a pipe, a link even to nothing).
  virtual bool Exists(const std::filesystem::path& file) = 0;
};

// The machine's own file system.
FileSystem& RealFileSystem();

// One file to write: its final name and its whole content.
struct FileContent {
  std::filesystem::path file;
  std::span<const std::uint8_t> bytes;
};

// Writes a pair of files so that either both are replaced or neither is, even when the program
// dies at any moment:
//  1. each file goes to a fresh temporary file beside it ("<name>.tmp"), written, synced, closed;
//  2. the first file's old content keeps a second name ("<name>.old") for undoing an error;
//  3. a commit record ("<first name without extension>.commit") is created: from here on the new
//     pair counts as written;
//  4. both temporary files are renamed over the old ones and the folder is synced once;
//  5. the record and the old content's second name are removed.
// An earlier write of the pair that was interrupted is finished or undone first. Should the second
// rename fail, the first file gets its former content back. On a failure `failedFile` names the
// file the failure concerns.
IoStatus WriteFilePair(FileSystem& fs, const FileContent& first, const FileContent& second,
                       std::filesystem::path& failedFile);

// Writes one file as each file of a pair is written: whole to a fresh temporary file beside it,
// synced, then renamed over the old one, so the name holds the old content or the new, never part.
IoStatus WriteWholeFile(FileSystem& fs, const FileContent& file);

// Finishes a write of the pair that was interrupted after its commit record was made (the files
// still at their temporary names are renamed into place), or undoes one interrupted before (its
// temporary files are removed): either way a whole pair is left, the old or the new. Does nothing
// when no write was interrupted. On a failure `failedFile` names the file concerned.
IoStatus FinishInterruptedPair(FileSystem& fs, const std::filesystem::path& first,
                               const std::filesystem::path& second,
                               std::filesystem::path& failedFile);

// Whether `file` is a regular file holding exactly `bytes` (it is read no further than one byte
// past them).
bool FileHolds(FileSystem& fs, const std::filesystem::path& file, std::span<const std::uint8_t> bytes);

// --- Records --------------------------------------------------------------------------------------
// An integer record is a signed 32-bit integer, least significant byte first. A text record is 256
// bytes: the length n (0..255), n Windows-1252 characters, zero fill.
inline constexpr std::size_t kIntRecordSize = 4;
inline constexpr std::size_t kTextRecordSize = 256;

inline void AppendIntRecord(std::vector<std::uint8_t>& out, std::int32_t value) {
  const auto u = static_cast<std::uint32_t>(value);
  out.push_back(static_cast<std::uint8_t>(u));
  out.push_back(static_cast<std::uint8_t>(u >> 8));
  out.push_back(static_cast<std::uint8_t>(u >> 16));
  out.push_back(static_cast<std::uint8_t>(u >> 24));
}

// Writes an integer record at `p` (4 bytes).
inline void StoreIntRecord(std::uint8_t* p, std::int32_t value) {
  const auto u = static_cast<std::uint32_t>(value);
  p[0] = static_cast<std::uint8_t>(u);
  p[1] = static_cast<std::uint8_t>(u >> 8);
  p[2] = static_cast<std::uint8_t>(u >> 16);
  p[3] = static_cast<std::uint8_t>(u >> 24);
}

// Integer record `index` of a file's bytes; the caller has checked the size.
inline std::int32_t IntRecordAt(std::span<const std::uint8_t> bytes, std::size_t index) {
  const std::uint8_t* p = bytes.data() + index * kIntRecordSize;
  const std::uint32_t u = std::uint32_t{p[0]} | (std::uint32_t{p[1]} << 8) |
                          (std::uint32_t{p[2]} << 16) | (std::uint32_t{p[3]} << 24);
  return static_cast<std::int32_t>(u);
}

// Appends a UTF-8 text as a text record (converted, cut to 255 characters).
void AppendTextRecord(std::vector<std::uint8_t>& out, std::string_view utf8);

// Text record `index` of a file's bytes as UTF-8; the caller has checked the size.
std::string TextRecordAt(std::span<const std::uint8_t> bytes, std::size_t index);

}  // namespace state
