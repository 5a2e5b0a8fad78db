#include "platform/pictures.h"

#include "platform/application.h"
#include "platform/regular_file.h"

#include <SDL.h>

#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <span>
#include <unordered_map>
#include <vector>

namespace platform {

namespace fs = std::filesystem;

Picture::Picture(std::string name, std::string path, bool transparent)
    : name_(std::move(name)), path_(std::move(path)), transparent_(transparent) {}

Picture::~Picture() {
  if (surface_) SDL_FreeSurface(surface_);
}

int Picture::Width() const { return Decoded() ? surface_->w : 0; }
int Picture::Height() const { return Decoded() ? surface_->h : 0; }

namespace {

std::string Lower(std::string_view s) {
  std::string out(s);
  for (char& c : out) c = char(std::tolower(static_cast<unsigned char>(c)));
  return out;
}

struct Store {
  std::string folder;  // "" = not set
  // Lower-cased file name -> real path, rebuilt when the folder changes on disk.
  std::unordered_map<std::string, std::string> index;
  std::string indexedFolder;
  fs::file_time_type indexedTime{};
  std::map<std::string, std::shared_ptr<const Picture>> cache;
  PictureStats stats;
};

Store& S() {
  static Store s;
  return s;
}

void Reindex(Store& s, const std::string& folder) {
  std::error_code ec;
  s.index.clear();
  s.indexedFolder = folder;
  s.indexedTime = fs::last_write_time(folder, ec);
  for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
    std::error_code fe;
    if (!it->is_regular_file(fe)) continue;
    const std::string name = it->path().filename().string();
    const std::string key = Lower(name);
    // Two files differing only in case: keep the one that sorts first, so the choice is stable.
    auto found = s.index.find(key);
    if (found == s.index.end() || it->path().string() < found->second)
      s.index[key] = it->path().string();
  }
}

bool EndsWith(std::string_view s, std::string_view tail) {
  return s.size() >= tail.size() && s.substr(s.size() - tail.size()) == tail;
}

// Makes every pixel close to the bottom-left one see-through. JPEG blurs colours a little, so it
// gets a tolerance; lossless pictures must match exactly.
void KeyBottomLeft(SDL_Surface* s, int tolerance) {
  if (!s || s->w == 0 || s->h == 0) return;
  SDL_LockSurface(s);
  auto* px = static_cast<std::uint32_t*>(s->pixels);
  const int pitch = s->pitch / 4;
  const std::uint32_t key = px[(s->h - 1) * pitch];
  auto ch = [](std::uint32_t v, int shift) { return int((v >> shift) & 0xFF); };
  for (int y = 0; y < s->h; ++y)
    for (int x = 0; x < s->w; ++x) {
      std::uint32_t& p = px[y * pitch + x];
      const int d = std::abs(ch(p, 16) - ch(key, 16)) + std::abs(ch(p, 8) - ch(key, 8)) +
                    std::abs(ch(p, 0) - ch(key, 0));
      if (d <= tolerance) p &= 0x00FFFFFFu;
    }
  SDL_UnlockSurface(s);
  SDL_SetSurfaceBlendMode(s, SDL_BLENDMODE_BLEND);
}

// The largest picture file the game reads: a screen-sized picture stored as plainly as any format
// allows (four bytes a pixel), with room for headers and a poor compression.
constexpr std::size_t kMaxPictureFileBytes = std::size_t{kScreenWidth} * kScreenHeight * 4 + (1 << 20);

// The size a BMP file's header claims, checked before SDL allocates the pixels: the old short
// header holds 16-bit sizes, the later ones 32-bit sizes (a negative height runs top down).
bool BmpSizeUsable(std::span<const std::uint8_t> data) {
  auto le = [&](std::size_t at, int bytes) {
    std::uint32_t v = 0;
    for (int k = bytes - 1; k >= 0; --k) v = (v << 8) | data[at + k];
    return v;
  };
  if (data.size() < 26) return false;
  if (le(14, 4) == 12) return PictureSizeUsable(le(18, 2), le(20, 2));
  const auto width = static_cast<std::int32_t>(le(18, 4));
  const auto height = static_cast<std::int32_t>(le(22, 4));
  return PictureSizeUsable(width, std::llabs(height));
}

}  // namespace

void SetAssetFolder(std::string folder) {
  Store& s = S();
  s.folder = std::move(folder);
  s.indexedFolder.clear();
  s.cache.clear();
}

std::string AssetFolder() {
  Store& s = S();
  if (!s.folder.empty()) return s.folder;
  if (const char* env = std::getenv("FARHAVEN_ASSETS"); env && *env) return env;
  return ".";
}

std::string FindAsset(std::string_view fileName) {
  Store& s = S();
  const std::string folder = AssetFolder();
  const std::string key = Lower(fileName);
  if (key.empty() || key.find('/') != std::string::npos) return {};
  if (s.indexedFolder != folder) Reindex(s, folder);
  auto it = s.index.find(key);
  if (it != s.index.end()) return it->second;
  // A file may have been added since the folder was read: read it again when it has changed. A
  // name found needs no look at the folder, so the hundreds of pictures the screens name at
  // start-up cost no system call each.
  std::error_code ec;
  if (fs::last_write_time(folder, ec) == s.indexedTime) return {};
  Reindex(s, folder);
  it = s.index.find(key);
  return it != s.index.end() ? it->second : std::string();
}

bool PictureSizeUsable(long long width, long long height) {
  return width > 0 && height > 0 && width <= kScreenWidth && height <= kScreenHeight;
}

SDL_Surface* ReadPictureFile(const std::string& path) {
  std::string file;
  if (ReadRegularFile(path, kMaxPictureFileBytes, file) != FileRead::Ok || file.size() < 4) {
    return nullptr;
  }
  const std::span<const std::uint8_t> data(reinterpret_cast<const std::uint8_t*>(file.data()),
                                           file.size());
  if (data[0] == 0xFF && data[1] == 0xD8) return DecodeJpeg(data.data(), data.size());
  if (data[0] == 0x89 && data[1] == 'P') return DecodePng(data.data(), data.size());
  if (data[0] == 'B' && data[1] == 'M') {
    if (!BmpSizeUsable(data)) return nullptr;
    SDL_RWops* rw = SDL_RWFromConstMem(data.data(), int(data.size()));
    SDL_Surface* bmp = rw ? SDL_LoadBMP_RW(rw, 1) : nullptr;
    if (!bmp) return nullptr;
    SDL_Surface* argb = SDL_ConvertSurfaceFormat(bmp, SDL_PIXELFORMAT_ARGB8888, 0);
    SDL_FreeSurface(bmp);
    return argb;
  }
  return nullptr;
}

SDL_Surface* Picture::Decoded() const {
  if (decoded_) return surface_;
  decoded_ = true;
  Store& s = S();
  if (!path_.empty()) {
    ++s.stats.decodes;
    surface_ = ReadPictureFile(path_);
  }
  if (!surface_) {
    ++s.stats.missing;
    std::fprintf(stderr, "Farhaven 4: picture \"%s\" is missing or unreadable\n", name_.c_str());
  } else if (transparent_) {
    const bool lossy = EndsWith(Lower(path_), ".jpg") || EndsWith(Lower(path_), ".jpeg");
    KeyBottomLeft(surface_, lossy ? 48 : 0);
  } else {
    SDL_SetSurfaceBlendMode(surface_, SDL_BLENDMODE_NONE);
  }
  return surface_;
}

std::shared_ptr<const Picture> LoadPicture(std::string_view fileName, bool transparent) {
  Store& s = S();
  ++s.stats.requests;
  std::string key = Lower(fileName);
  if (transparent) key += "|transparent";
  auto it = s.cache.find(key);
  if (it != s.cache.end()) return it->second;
  // Found now, decoded when first needed.
  auto picture = std::make_shared<const Picture>(std::string(fileName), FindAsset(fileName), transparent);
  s.cache[key] = picture;
  return picture;
}

PictureStats GetPictureStats() { return S().stats; }
void ResetPictureStats() { S().stats = PictureStats{}; }
void ClearPictureCache() {
  S().cache.clear();
  S().indexedFolder.clear();
}

}  // namespace platform
