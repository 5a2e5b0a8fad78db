// Pictures by bare file name from the asset folder, found without regard to letter case, decoded
// once and cached. A missing or unreadable file gives a picture marked missing, which draws as a
// placeholder: it never stops the game.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

struct SDL_Surface;

namespace platform {

// A picture from the cache is decoded when it is first needed (drawn, measured or asked whether
// it is missing), so the forms built at start-up hold their pictures without decoding those that
// are not shown yet.
class Picture {
 public:
  // The file at `path` ("" = none), decoded when first needed; `transparent` as LoadPicture.
  Picture(std::string name, std::string path, bool transparent);
  ~Picture();
  Picture(const Picture&) = delete;
  Picture& operator=(const Picture&) = delete;
  const std::string& Name() const { return name_; }
  bool Missing() const { return Decoded() == nullptr; }
  SDL_Surface* Surface() const { return Decoded(); }
  int Width() const;
  int Height() const;

 private:
  SDL_Surface* Decoded() const;
  std::string name_;
  std::string path_;
  bool transparent_ = false;
  mutable bool decoded_ = false;
  mutable SDL_Surface* surface_ = nullptr;
};

struct PictureStats {
  std::uint64_t requests = 0;  // every LoadPicture
  std::uint64_t decodes = 0;   // files actually read and decoded (when first needed)
  std::uint64_t missing = 0;   // names not found or not readable
};

// The folder pictures come from: SetAssetFolder, else $FARHAVEN_ASSETS, else the working folder.
void SetAssetFolder(std::string folder);
std::string AssetFolder();
// The real path of a bare file name in the asset folder, matched case-insensitively; "" if none.
// The folder is read once, and again when a name is not found and the folder has changed since: a
// file removed after the reading keeps its path.
std::string FindAsset(std::string_view fileName);

// The cached picture; `transparent` gives the copy whose bottom-left colour is see-through.
std::shared_ptr<const Picture> LoadPicture(std::string_view fileName, bool transparent = false);
PictureStats GetPictureStats();
void ResetPictureStats();
// Forgets every cached picture (the next load decodes again).
void ClearPictureCache();

// Whether a picture of that size is one the game can use: none is larger than the screen. Every
// decoder asks this of a file's header before it allocates anything.
bool PictureSizeUsable(long long width, long long height);

// Decoders, used by the cache and by tests. They return a new ARGB8888 surface or null. A file
// that is not a regular file, is larger than a screen-sized picture can be, or claims a picture
// larger than the screen gives null too.
SDL_Surface* DecodeJpeg(const std::uint8_t* data, std::size_t size);
SDL_Surface* DecodePng(const std::uint8_t* data, std::size_t size);
SDL_Surface* ReadPictureFile(const std::string& path);
// Writes an image surface as an RGB PNG file.
bool WritePng(SDL_Surface* surface, const std::string& path);

}  // namespace platform
