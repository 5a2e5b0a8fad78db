// The shipped catalogue, generated in full into a scratch folder and read back with the readers the
// game uses: libjpeg, SDL's BMP loader, the WAV header, libvorbisfile.
#include <gtest/gtest.h>

#include <SDL.h>
#include <jpeglib.h>
#include <vorbis/vorbisfile.h>

#include <algorithm>
#include <csetjmp>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <string>
#include <thread>

#include "tools/assetgen/canvas.h"
#include "tools/assetgen/catalogue.h"
#include "tools/assetgen/generator.h"
#include "tools/assetgen/painters.h"
#include "tools/assetgen/sheet.h"

namespace assetgen {
namespace {

namespace fs = std::filesystem;

Bytes ReadAll(const fs::path& path) {
  Bytes bytes(fs::file_size(path));
  std::ifstream(path, std::ios::binary).read(reinterpret_cast<char*>(bytes.data()), std::streamsize(bytes.size()));
  return bytes;
}

std::uint32_t Le32(const Bytes& b, std::size_t at) {
  return b[at] | b[at + 1] << 8 | b[at + 2] << 16 | std::uint32_t(b[at + 3]) << 24;
}
std::uint16_t Le16(const Bytes& b, std::size_t at) { return std::uint16_t(b[at] | b[at + 1] << 8); }
std::string Tag(const Bytes& b, std::size_t at) { return std::string(b.begin() + at, b.begin() + at + 4); }

unsigned Workers() { return std::clamp(std::thread::hardware_concurrency(), 1u, 8u); }

class ShippedAssets : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    catalogue_ = new Catalogue(LoadCatalogue(fs::path(FARHAVEN_SOURCE_DIR) / "tools/assetgen/catalogue.txt"));
    CheckCatalogue(*catalogue_, "catalogue.txt");
    folder_ = new fs::path(fs::temp_directory_path() / ("farhaven-assetgen-" + std::to_string(::getpid())));
    fs::remove_all(*folder_);
    report_ = GenerateAll(*catalogue_, *folder_, Workers());
  }
  static void TearDownTestSuite() {
    fs::remove_all(*folder_);
    delete folder_;
    delete catalogue_;
  }
  static const Catalogue& catalogue() { return *catalogue_; }
  static const fs::path& folder() { return *folder_; }

  template <class F>
  static int ForEach(Format format, F check) {
    int n = 0;
    for (const Asset& a : catalogue_->assets)
      if (a.format == format) {
        SCOPED_TRACE(a.file);
        check(a, ReadAll(*folder_ / a.file));
        ++n;
      }
    return n;
  }

  static inline Catalogue* catalogue_ = nullptr;
  static inline fs::path* folder_ = nullptr;
  static inline GenerateReport report_;
};

TEST_F(ShippedAssets, EveryRowIsWrittenAndNothingElse) {
  std::set<std::string> written;
  for (const auto& entry : fs::directory_iterator(folder())) written.insert(entry.path().filename().string());
  EXPECT_EQ(written.size(), catalogue().assets.size());
  EXPECT_EQ(report_.files, catalogue().assets.size());
  std::uint64_t total = 0;
  for (const Asset& a : catalogue().assets) {
    EXPECT_TRUE(written.contains(a.file)) << a.file;
    EXPECT_GT(fs::file_size(folder() / a.file), 0u) << a.file;
    total += fs::file_size(folder() / a.file);
  }
  EXPECT_EQ(report_.bytes, total);
}

// One name from every family the screens load, and the size of the composed families; a dropped or
// misspelt row shows up here.
TEST_F(ShippedAssets, CoversEveryFamilyTheScreensLoad) {
  std::set<std::string> names;
  for (const Asset& a : catalogue().assets) names.insert(a.file);
  for (const char* name : {
           "StartScreen_05_Highlighted.jpg", "FarhavenMainNavigationScreen_16M.jpg", "RadarScreen_08_ON.jpg",
           "TradeScreenON_08.jpg", "GameSettingsON+_12.jpg", "CheatsScreenON_10.jpg", "Save+LoadScreenON_19.jpg",
           "Target-DescriptionON_06.jpg", "Mission-ScreenH_27.jpg", "GovernorMenu_10H.jpg", "RetireScreenON_11.jpg",
           "Screen_KLEINON_05.jpg", "Screen_KLEIN_36.jpg", "equipment_ECM_mouseover.jpg",
           "Category_Ambush_over_small.jpg", "crewcombat_blue_bridge_normal.jpg", "lifepodr.jpg", "Victoryg.jpg",
           "hero3_150y.jpg", "Crew_Rogue.jpg", "Jalkath_Vorrak_L.jpg", "Federation_Firing_R.jpg",
           "Pirate_Spacestation_Scene.jpg", "Syndicate_squadron_Scene.jpg", "Coalition_Corsair_scene_sm.jpg",
           "NotAvailable_topwire.jpg", "Blackjack_sidewire.jpg", "Outerrim_Killerbee_l_f8.jpg",
           "Pirate_Spacestation_r_f1.jpg", "Syndicate_squadron_r_s.jpg", "Sun.jpg", "red2r.jpg", "desert3r.jpg",
           "jungle2rg.jpg", "city7.jpg", "secretdata.jpg", "GalaxyMapBlip_OuterR.jpg", "Battleicon.jpg",
           "Uni-Synd-blank-com-fem.jpg", "Uni-Outerrim-2ndLt-shoulder.jpg", "Uni-Coal-Adm-collar.jpg",
           "Synd-Pilotwings.jpg", "Fed-ribbon12.jpg", "Coal-MedalofHonor.jpg", "Uni-Fed-awardplace.jpg",
           "ORAwardBackgr.jpg", "Synd_Rank7.jpg", "OuterRimLogo.jpg", "PirateLogoMouseOver.jpg",
           "Mission_FlagshipON.jpg", "Travelscreen_ShieldBar_25.jpg", "TravelScreen_ExpBar_0.jpg",
           "Shield_30.jpg", "Combo_05.jpg", "AP8x8.jpg", "right_reinforcements_3.jpg",
           "ship_red_small_right_off.bmp", "station_blue_on.bmp", "red_station_off.bmp", "starsystem_red.bmp",
           "Skill_Fire_MisslesAdv_ActiveMod.jpg", "Skill_shipspecial_over.jpg", "Skill_Amnesty_off.jpg",
           "Equipment_Gatling_g.jpg", "Misc.jpg", "Equipment_Mine2_Side_r.jpg", "Equipment_Destroyer_Side_l.jpg",
           "button.wav", "Explosion_Ship.wav", "Intro.ogg", "CrewCombat2.ogg"})
    EXPECT_TRUE(names.contains(name)) << name;

  auto count = [&](auto predicate) { return std::count_if(names.begin(), names.end(), predicate); };
  auto ends = [](const std::string& s, std::string_view tail) { return s.ends_with(tail); };
  EXPECT_EQ(count([&](const std::string& s) { return ends(s, "_Scene.jpg"); }), 5 * 20);
  EXPECT_EQ(count([&](const std::string& s) { return s.find("_l_") != s.npos || s.find("_r_") != s.npos; }), 5 * 20 * 20);
  EXPECT_EQ(count([&](const std::string& s) { return s.starts_with("Skill_"); }), 39 * 4 + 30 * 3);
  EXPECT_EQ(count([&](const std::string& s) { return ends(s, "_g.jpg"); }), 27);
  // 28 fleet-battle and campaign symbols in the sides' colours, 105 in the five factions' liveries
  // (60 fleet ships, 10 fleet stations, 20 campaign ships, 10 campaign stations, 5 stars), 4
  // tutorial pointers.
  EXPECT_EQ(count([&](const std::string& s) { return ends(s, ".bmp"); }), 28 + 105 + 4);
  EXPECT_EQ(count([&](const std::string& s) { return ends(s, ".wav"); }), 14);
  EXPECT_EQ(count([&](const std::string& s) { return ends(s, ".ogg"); }), 5);
}

struct JpegError {
  jpeg_error_mgr mgr;
  std::jmp_buf jump;
};

// Decodes a whole JPEG; false when libjpeg reports an error.
bool DecodeJpeg(const Bytes& data, int& width, int& height, int& components) {
  jpeg_decompress_struct info;
  JpegError err;
  info.err = jpeg_std_error(&err.mgr);
  err.mgr.error_exit = [](j_common_ptr i) { std::longjmp(reinterpret_cast<JpegError*>(i->err)->jump, 1); };
  if (setjmp(err.jump)) {
    jpeg_destroy_decompress(&info);
    return false;
  }
  jpeg_create_decompress(&info);
  jpeg_mem_src(&info, data.data(), static_cast<unsigned long>(data.size()));
  jpeg_read_header(&info, TRUE);
  jpeg_start_decompress(&info);
  width = int(info.output_width), height = int(info.output_height), components = info.output_components;
  JSAMPARRAY row = (*info.mem->alloc_sarray)(reinterpret_cast<j_common_ptr>(&info), JPOOL_IMAGE,
                                             info.output_width * info.output_components, 1);
  while (info.output_scanline < info.output_height) jpeg_read_scanlines(&info, row, 1);
  jpeg_finish_decompress(&info);
  jpeg_destroy_decompress(&info);
  return true;
}

TEST_F(ShippedAssets, JpegsDecodeToTheirStatedSize) {
  int n = ForEach(Format::Jpeg, [](const Asset& a, const Bytes& data) {
    int w = 0, h = 0, components = 0;
    ASSERT_TRUE(DecodeJpeg(data, w, h, components));
    EXPECT_EQ(w, a.width);
    EXPECT_EQ(h, a.height);
    EXPECT_EQ(components, 3);
  });
  EXPECT_GT(n, 3000);
}

TEST_F(ShippedAssets, BmpsLoadWithSdlAtTheirStatedSize) {
  ASSERT_EQ(SDL_Init(0), 0) << SDL_GetError();
  int n = ForEach(Format::Bmp, [](const Asset& a, const Bytes& data) {
    SDL_Surface* s = SDL_LoadBMP_RW(SDL_RWFromConstMem(data.data(), int(data.size())), 1);
    ASSERT_NE(s, nullptr) << SDL_GetError();
    EXPECT_EQ(s->w, a.width);
    EXPECT_EQ(s->h, a.height);
    SDL_FreeSurface(s);
  });
  EXPECT_EQ(n, 28 + 105 + 4);
  SDL_Quit();
}

TEST_F(ShippedAssets, WavsAreMono16BitPcmOfTheStatedLength) {
  int n = ForEach(Format::Wav, [](const Asset& a, const Bytes& b) {
    ASSERT_GE(b.size(), 46u);
    EXPECT_EQ(Tag(b, 0), "RIFF");
    EXPECT_EQ(Le32(b, 4), b.size() - 8);
    EXPECT_EQ(Tag(b, 8), "WAVE");
    EXPECT_EQ(Tag(b, 12), "fmt ");
    EXPECT_EQ(Le32(b, 16), 16u);
    EXPECT_EQ(Le16(b, 20), 1);  // PCM
    EXPECT_EQ(Le16(b, 22), 1);  // mono
    EXPECT_EQ(Le32(b, 24), 22050u);
    EXPECT_EQ(Le32(b, 28), 22050u * 2);
    EXPECT_EQ(Le16(b, 32), 2);
    EXPECT_EQ(Le16(b, 34), 16);
    EXPECT_EQ(Tag(b, 36), "data");
    ASSERT_EQ(Le32(b, 40), b.size() - 44);
    EXPECT_NEAR((b.size() - 44) / 2 / 22050.0, a.seconds, 0.001);
    int peak = 0;
    for (std::size_t i = 44; i + 1 < b.size(); i += 2) peak = std::max(peak, std::abs(int(std::int16_t(Le16(b, i)))));
    EXPECT_GT(peak, 16000);  // audible
    EXPECT_LT(peak, 32767);  // not clipped
  });
  EXPECT_EQ(n, 14);
}

struct MemoryFile {
  const Bytes* data;
  std::size_t at = 0;
};

TEST_F(ShippedAssets, OggsDecodeToStereo44100OfTheStatedLength) {
  ov_callbacks io{};
  io.read_func = [](void* out, size_t size, size_t count, void* source) -> size_t {
    auto* f = static_cast<MemoryFile*>(source);
    size_t n = std::min(size * count, f->data->size() - f->at);
    std::memcpy(out, f->data->data() + f->at, n);
    f->at += n;
    return size ? n / size : 0;
  };
  int n = ForEach(Format::Ogg, [&](const Asset& a, const Bytes& data) {
    MemoryFile file{&data};
    OggVorbis_File vf;
    ASSERT_EQ(ov_open_callbacks(&file, &vf, nullptr, 0, io), 0);
    vorbis_info* info = ov_info(&vf, -1);
    EXPECT_EQ(info->channels, 2);
    EXPECT_EQ(info->rate, 44100);
    char buffer[8192];
    int section = 0;
    long bytes = 0, got = 0;
    double energy = 0;
    while ((got = ov_read(&vf, buffer, sizeof buffer, 0, 2, 1, &section)) > 0) {
      bytes += got;
      for (long i = 0; i + 1 < got; i += 2) {
        std::int16_t v;
        std::memcpy(&v, buffer + i, 2);
        energy += double(v) * v;
      }
    }
    EXPECT_EQ(got, 0);  // ended cleanly, no decoding error
    double seconds = bytes / 4.0 / 44100;
    EXPECT_NEAR(seconds, a.seconds, 0.05);
    EXPECT_GT(std::sqrt(energy / (bytes / 2.0)), 1000);  // a tune, not silence
    ov_clear(&vf);
  });
  EXPECT_EQ(n, 5);
}

// The generator's own record of what it drew: lettering only on pictures that are lettering by
// nature; captions belong to the screens.
TEST_F(ShippedAssets, OnlyLetteringPicturesCarryText) {
  std::set<std::string> lettered;
  for (const Asset& a : catalogue().assets) {
    if (!a.IsPicture()) continue;
    bool may = ShapeCarriesText(PictureStyle(a, catalogue()).shape);
    if (may) {
      lettered.insert(a.file);
    } else {
      EXPECT_FALSE(report_.lettering.contains(a.file)) << a.file << " carries text";
    }
  }
  EXPECT_EQ(lettered.size(), 4u + 20u);  // the four faction logos, the career ladder's twenty rungs
  for (const std::string& file : lettered) EXPECT_TRUE(report_.lettering.contains(file)) << file;
  EXPECT_EQ(report_.lettering.at("RetireScreenON_02.jpg").back(), "President");
  EXPECT_EQ(report_.lettering.at("RetireScreenON_06.jpg").back(), "Professor at Fleet Academy");
  EXPECT_EQ(report_.lettering.at("RetireScreen_11.jpg").back(), "Beggar");
}

// The fleet battle's fleets face each other: the own ships ("ship_blue_..._left", or in a faction's
// livery "ship_Federation_..._left") point right, at the enemy, whose ships ("..._right") point
// left. A ship's tail (its engines and broad stern) holds more of its drawn pixels than its
// tapering nose.
TEST_F(ShippedAssets, FleetBattleSymbolsPointAtTheOtherFleet) {
  int checked = 0;
  for (const Asset& a : catalogue().assets) {
    if (!a.file.starts_with("ship_")) continue;
    const bool own = a.file.find("_left_") != std::string::npos, enemy = a.file.find("_right_") != std::string::npos;
    if (!own && !enemy) continue;
    Canvas c = Paint(a, catalogue());
    int left = 0, right = 0;
    for (int y = 0; y < c.height(); ++y)
      for (int x = 0; x < c.width(); ++x) {
        Rgb p = c.At(x, y);
        if (p.r + p.g + p.b < 120) continue;
        (x < c.width() / 2 ? left : right) += 1;
      }
    EXPECT_EQ(own ? left > right : right > left, true) << a.file << ": " << left << " lit pixels on the left, " << right
                                                       << " on the right";
    ++checked;
  }
  EXPECT_EQ(checked, 12 + 5 * 12);  // the two colours' and the five liveries' symbols
}

// Every combat-ability and skill icon is its own picture: no two base names share an image in any
// state, nor a plain ability and its advanced grade. "Alike" is judged by the mean difference of
// the pixels, so two icons that differ only by a few JPEG artefacts count as the same.
TEST_F(ShippedAssets, NoTwoAbilityOrSkillIconsAreAlike) {
  std::map<std::string, std::vector<std::pair<std::string, std::vector<std::uint8_t>>>> byState;
  for (const Asset& a : catalogue().assets) {
    if (!a.file.starts_with("Skill_")) continue;
    const std::string state = a.file.substr(a.file.rfind('_'));
    byState[state].emplace_back(a.file, Paint(a, catalogue()).pixels());
  }
  ASSERT_EQ(byState.size(), 4u);  // _on, _off, _over and _ActiveMod
  EXPECT_EQ(byState["_on.jpg"].size(), 39u + 30u);
  for (const auto& [state, pictures] : byState)
    for (std::size_t i = 0; i < pictures.size(); ++i)
      for (std::size_t j = i + 1; j < pictures.size(); ++j) {
        const auto& a = pictures[i].second;
        const auto& b = pictures[j].second;
        double difference = 0;
        for (std::size_t p = 0; p < a.size(); ++p) difference += std::abs(int(a[p]) - int(b[p]));
        EXPECT_GT(difference / a.size(), 2.0) << pictures[i].first << " and " << pictures[j].first << " look alike";
      }
}

// A picture as the game reads it: RGB rows top-down.
struct Pixels {
  int width = 0, height = 0;
  std::vector<std::uint8_t> rgb;
};

Pixels DecodeJpegPixels(const Bytes& data) {
  Pixels p;
  jpeg_decompress_struct info;
  JpegError err;
  info.err = jpeg_std_error(&err.mgr);
  err.mgr.error_exit = [](j_common_ptr i) { std::longjmp(reinterpret_cast<JpegError*>(i->err)->jump, 1); };
  if (setjmp(err.jump)) {
    jpeg_destroy_decompress(&info);
    return {};
  }
  jpeg_create_decompress(&info);
  jpeg_mem_src(&info, data.data(), static_cast<unsigned long>(data.size()));
  jpeg_read_header(&info, TRUE);
  info.out_color_space = JCS_RGB;
  jpeg_start_decompress(&info);
  p.width = int(info.output_width), p.height = int(info.output_height);
  p.rgb.resize(std::size_t(p.width) * p.height * 3);
  while (info.output_scanline < info.output_height) {
    JSAMPROW row = p.rgb.data() + std::size_t(info.output_scanline) * p.width * 3;
    jpeg_read_scanlines(&info, &row, 1);
  }
  jpeg_finish_decompress(&info);
  jpeg_destroy_decompress(&info);
  return p;
}

Pixels DecodeBmpPixels(const Bytes& data) {
  Pixels p;
  SDL_Surface* loaded = SDL_LoadBMP_RW(SDL_RWFromConstMem(data.data(), int(data.size())), 1);
  if (!loaded) return p;
  SDL_Surface* s = SDL_ConvertSurfaceFormat(loaded, SDL_PIXELFORMAT_RGB24, 0);
  SDL_FreeSurface(loaded);
  if (!s) return p;
  p.width = s->w, p.height = s->h;
  p.rgb.resize(std::size_t(p.width) * p.height * 3);
  for (int y = 0; y < p.height; ++y)
    std::memcpy(p.rgb.data() + std::size_t(y) * p.width * 3, static_cast<const Uint8*>(s->pixels) + y * s->pitch,
                std::size_t(p.width) * 3);
  SDL_FreeSurface(s);
  return p;
}

// The picture reduced to a grid of at most 40 x 40 cells, each the mean colour of the pixels it
// covers: what a glance takes in, without JPEG noise.
constexpr int kGlanceCells = 40;
std::vector<double> Glance(const Pixels& p) {
  const int cw = std::min(kGlanceCells, p.width), ch = std::min(kGlanceCells, p.height);
  std::vector<double> sum(std::size_t(cw) * ch * 3, 0.0), count(std::size_t(cw) * ch, 0.0);
  for (int y = 0; y < p.height; ++y)
    for (int x = 0; x < p.width; ++x) {
      std::size_t cell = std::size_t(y * ch / p.height) * cw + std::size_t(x * cw / p.width);
      for (int c = 0; c < 3; ++c) sum[cell * 3 + c] += p.rgb[(std::size_t(y) * p.width + x) * 3 + c];
      count[cell] += 1;
    }
  for (std::size_t i = 0; i < sum.size(); ++i) sum[i] /= count[i / 3];
  return sum;
}

// The one measure of likeness for every family: the share of glance cells whose brightness differs
// visibly (by more than 24 of 255). Brightness, not hue: a shape shows in light and shade, and a
// picture that differs from another only by a tint (or a grey copy, which has none) reads as its
// twin. Two pictures closer than kDistinctShare look alike.
constexpr double kVisibleStep = 24, kDistinctShare = 0.04;
double VisibleShare(const std::vector<double>& a, const std::vector<double>& b) {
  int differ = 0;
  const std::size_t cells = a.size() / 3;
  for (std::size_t i = 0; i < cells; ++i) {
    const double brightness = 0.3 * (a[i * 3] - b[i * 3]) + 0.59 * (a[i * 3 + 1] - b[i * 3 + 1]) +
                              0.11 * (a[i * 3 + 2] - b[i * 3 + 2]);
    differ += std::abs(brightness) > kVisibleStep;
  }
  return double(differ) / double(cells);
}

TEST(Likeness, ASeenChangeOfLightCountsAndATintAloneDoesNot) {
  auto plain = [](int w, int h, Rgb colour) {
    Pixels p;
    p.width = w, p.height = h;
    for (int i = 0; i < w * h; ++i) p.rgb.insert(p.rgb.end(), {colour.r, colour.g, colour.b});
    return p;
  };
  struct Case {
    const char* what;
    int w, h;
    Rgb base;   // the first picture, plain
    int patch;  // side of a square in its top left corner painted over in the second
    Rgb to;     // the square's colour
    bool distinct;
  } cases[] = {
      {"a new part of a sixth of the picture", 96, 80, {20, 20, 20}, 40, {200, 200, 200}, true},
      {"a speck", 96, 80, {20, 20, 20}, 8, {200, 200, 200}, false},
      {"a large change too faint to see", 96, 80, {20, 20, 20}, 40, {30, 30, 30}, false},
      {"the same part in another tint of one brightness", 96, 80, {150, 60, 60}, 40, {60, 101, 60}, false},
      {"a dark part on a light ground", 96, 80, {200, 200, 200}, 40, {40, 40, 40}, true},
      {"a small picture, measured pixel by pixel", 33, 33, {20, 20, 20}, 12, {200, 200, 200}, true},
      {"a large picture, measured by cells", 530, 300, {20, 20, 20}, 150, {200, 200, 200}, true},
  };
  for (const Case& c : cases) {
    Pixels a = plain(c.w, c.h, c.base), b = a;
    for (int y = 0; y < c.patch; ++y)
      for (int x = 0; x < c.patch; ++x) {
        std::uint8_t* p = &b.rgb[(std::size_t(y) * c.w + x) * 3];
        p[0] = c.to.r, p[1] = c.to.g, p[2] = c.to.b;
      }
    EXPECT_EQ(VisibleShare(Glance(a), Glance(b)) >= kDistinctShare, c.distinct) << c.what;
    EXPECT_EQ(VisibleShare(Glance(a), Glance(a)), 0.0) << c.what;
  }
}

// Within every picture family (one shape at one size, in one state and view), no two pictures that
// mean different things (their labels differ) look alike to a player, by the one measure above,
// unless an `alike` row of the catalogue allows it and says why.
TEST_F(ShippedAssets, NoTwoPicturesOfAFamilyThatMeanDifferentThingsLookAlike) {
  ASSERT_EQ(SDL_Init(0), 0) << SDL_GetError();
  struct Member {
    const Asset* asset;
    std::vector<double> glance;
  };
  std::map<std::string, std::vector<Member>> families;
  for (const Asset& a : catalogue().assets) {
    if (!a.IsPicture()) continue;
    const Style style = PictureStyle(a, catalogue());
    std::string family = style.shape + " " + std::to_string(a.width) + "x" + std::to_string(a.height);
    for (const auto& [state, on] : {std::pair{"lit", style.lit}, {"on", style.on}, {"off", style.off}, {"dim", style.dim}})
      if (on) family += std::string(" ") + state;
    for (const std::string& flag : style.flags) family += " " + flag;
    if (style.params.contains("fire")) family += " fire";
    const Bytes data = ReadAll(folder() / a.file);
    Pixels p = a.format == Format::Jpeg ? DecodeJpegPixels(data) : DecodeBmpPixels(data);
    ASSERT_EQ(p.width, a.width) << a.file;
    families[family].push_back({&a, Glance(p)});
  }
  SDL_Quit();
  int compared = 0;
  for (const auto& [family, members] : families)
    for (std::size_t i = 0; i < members.size(); ++i)
      for (std::size_t j = i + 1; j < members.size(); ++j) {
        const Asset& a = *members[i].asset;
        const Asset& b = *members[j].asset;
        if (a.label == b.label || catalogue().MayLookAlike(a, b)) continue;
        ++compared;
        const double share = VisibleShare(members[i].glance, members[j].glance);
        EXPECT_GE(share, kDistinctShare) << family << ": " << a.file << " and " << b.file << " look alike ("
                                         << int(share * 1000) / 10.0 << "% of the picture differs visibly)";
      }
  EXPECT_GT(compared, 1000);
}

// Every picture family is on a contact sheet.
TEST_F(ShippedAssets, EveryPictureShapeIsOnAContactSheet) {
  std::set<std::string> shapes, shown;
  for (const Asset& a : catalogue().assets) {
    if (!a.IsPicture()) continue;
    std::string shape = a.kind.substr(0, a.kind.find('.'));
    shapes.insert(shape);
    if (!SheetOf(a).empty()) shown.insert(shape);
  }
  EXPECT_EQ(shown, shapes);
}

TEST_F(ShippedAssets, GeneratingAgainGivesTheSameBytes) {
  fs::path again = folder().string() + "-again";
  fs::remove_all(again);
  GenerateAll(catalogue(), again, Workers());
  for (const Asset& a : catalogue().assets) ASSERT_EQ(ReadAll(folder() / a.file), ReadAll(again / a.file)) << a.file;
  fs::remove_all(again);
}

// A small folder of its own: rows that are gone leave no picture or sound behind, other files stay,
// and a row that cannot be drawn fails the whole run, naming the file.
TEST(Generate, RemovesLeftoversKeepsOtherFilesAndReportsFailures) {
  fs::path folder = fs::temp_directory_path() / ("farhaven-assetgen-small-" + std::to_string(::getpid()));
  fs::remove_all(folder);
  fs::create_directories(folder);
  for (const char* name : {"old.jpg", "Old.BMP", "gone.wav", "notes.txt"}) std::ofstream(folder / name) << "x";
  Catalogue cat = ParseCatalogue("a.jpg button 20x10 A\nb.wav sfx.click 0.05s B\n", "small.txt");
  GenerateReport report = GenerateAll(cat, folder, 2);
  EXPECT_EQ(report.files, 2u);
  EXPECT_EQ(report.removed, 3u);
  std::set<std::string> left;
  for (const auto& entry : fs::directory_iterator(folder)) left.insert(entry.path().filename().string());
  EXPECT_EQ(left, (std::set<std::string>{"a.jpg", "b.wav", "notes.txt"}));

  Catalogue broken = ParseCatalogue("a.jpg button 20x10 A\nc.jpg blob 20x10 C\n", "small.txt");
  try {
    GenerateAll(broken, folder, 2);
    ADD_FAILURE() << "a row with an unknown shape was generated";
  } catch (const std::runtime_error& e) {
    EXPECT_NE(std::string(e.what()).find("c.jpg"), std::string::npos) << e.what();
  }
  fs::remove_all(folder);
}

}  // namespace
}  // namespace assetgen
