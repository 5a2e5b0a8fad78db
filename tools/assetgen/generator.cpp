#include "tools/assetgen/generator.h"

#include <atomic>
#include <fstream>
#include <mutex>
#include <set>
#include <stdexcept>
#include <thread>

#include "tools/assetgen/painters.h"
#include "tools/assetgen/sound.h"

namespace assetgen {
namespace {

bool SameContent(const std::filesystem::path& path, const Bytes& bytes) {
  std::error_code ec;
  if (std::filesystem::file_size(path, ec) != bytes.size() || ec) return false;
  Bytes old(bytes.size());
  std::ifstream(path, std::ios::binary).read(reinterpret_cast<char*>(old.data()), std::streamsize(old.size()));
  return old == bytes;
}

void WriteFile(const std::filesystem::path& path, const Bytes& bytes) {
  if (SameContent(path, bytes)) return;
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
  if (!out) throw std::runtime_error(path.string() + ": cannot be written");
}

std::size_t RemoveLeftovers(const Catalogue& catalogue, const std::filesystem::path& folder) {
  std::set<std::string> wanted;
  for (const Asset& a : catalogue.assets) wanted.insert(a.file);
  std::vector<std::filesystem::path> stale;
  for (const auto& entry : std::filesystem::directory_iterator(folder)) {
    std::string name = entry.path().filename().string();
    if (!entry.is_regular_file() || wanted.contains(name)) continue;
    try {
      FormatOf(name);  // only our own kinds of file
      stale.push_back(entry.path());
    } catch (const std::invalid_argument&) {
    }
  }
  for (const auto& path : stale) std::filesystem::remove(path);
  return stale.size();
}

}  // namespace

void CheckCatalogue(const Catalogue& catalogue, std::string_view source) {
  for (const Asset& a : catalogue.assets) {
    try {
      if (a.IsPicture())
        PictureStyle(a, catalogue);
      else
        SoundStyle(a, catalogue);
    } catch (const std::invalid_argument& e) {
      throw CatalogueError(std::string(source) + ":" + std::to_string(a.line) + ": " + a.file + ": " + e.what());
    }
  }
  std::set<std::string_view> files, shapes;
  for (const Asset& a : catalogue.assets) files.insert(a.file), shapes.insert(std::string_view(a.kind).substr(0, a.kind.find('.')));
  for (const AlikeGroup& g : catalogue.alike) {
    if (!g.shape.empty() && !shapes.contains(g.shape))
      throw CatalogueError(std::string(source) + ":" + std::to_string(g.line) + ": alike names the shape '" + g.shape +
                           "', which no row draws");
    for (const std::string& f : g.files)
      if (!files.contains(f))
        throw CatalogueError(std::string(source) + ":" + std::to_string(g.line) + ": alike names '" + f +
                             "', which no row generates");
  }
}

Bytes Render(const Asset& asset, const Catalogue& catalogue, std::vector<std::string>* texts) {
  auto painted = [&] {
    Canvas canvas = Paint(asset, catalogue);
    if (texts) *texts = canvas.texts();
    return canvas;
  };
  switch (asset.format) {
    case Format::Jpeg: return EncodeJpeg(painted(), kJpegQuality);
    case Format::Bmp: return EncodeBmp(painted());
    case Format::Wav: return EncodeWav(Synthesize(asset, catalogue));
    case Format::Ogg: return EncodeOgg(Synthesize(asset, catalogue), Hash(asset.file), kOggQuality);
  }
  throw std::logic_error("unknown format");
}

GenerateReport GenerateAll(const Catalogue& catalogue, const std::filesystem::path& folder, unsigned threads) {
  std::filesystem::create_directories(folder);
  std::atomic<std::size_t> next{0};
  std::atomic<std::uint64_t> bytes{0};
  std::mutex failure_lock, lettering_lock;
  std::string failure;
  std::map<std::string, std::vector<std::string>> lettering;
  auto work = [&] {
    for (std::size_t i; (i = next++) < catalogue.assets.size();) {
      const Asset& a = catalogue.assets[i];
      try {
        std::vector<std::string> texts;
        Bytes data = Render(a, catalogue, &texts);
        WriteFile(folder / a.file, data);
        if (!texts.empty()) {
          std::lock_guard lock(lettering_lock);
          lettering[a.file] = std::move(texts);
        }
        bytes += data.size();
      } catch (const std::exception& e) {
        std::lock_guard lock(failure_lock);
        if (failure.empty()) failure = a.file + ": " + e.what();
        next = catalogue.assets.size();
      }
    }
  };
  std::vector<std::thread> pool;
  for (unsigned t = 1; t < std::max(1u, threads); ++t) pool.emplace_back(work);
  work();
  for (std::thread& t : pool) t.join();
  if (!failure.empty()) throw std::runtime_error(failure);
  return {catalogue.assets.size(), bytes.load(), RemoveLeftovers(catalogue, folder), std::move(lettering)};
}

}  // namespace assetgen
