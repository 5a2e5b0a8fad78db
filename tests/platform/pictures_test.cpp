// Pictures by name: lookup without regard to case, the cache, decoders, the placeholder, and PNG
// screenshots.
#include "platform_fixture.h"

#include <limits>

#include <SDL.h>

#include <fstream>
#include <functional>
#include <sys/stat.h>

namespace platform_test {
namespace {

class Pictures : public PlatformTest {
 protected:
  void SetUp() override {
    PlatformTest::SetUp();
    dir = FreshFolder("pictures");
    ASSERT_TRUE(WriteSolidJpeg((dir / "StartScreen_05_Highlighted.jpg").string(), 40, 30, Rgb(0, 0, 255)));
    SDL_Surface* bmp = SDL_CreateRGBSurfaceWithFormat(0, 8, 6, 24, SDL_PIXELFORMAT_RGB24);
    SDL_FillRect(bmp, nullptr, SDL_MapRGB(bmp->format, 255, 0, 0));
    SDL_Rect dot{2, 2, 2, 2};
    SDL_FillRect(bmp, &dot, SDL_MapRGB(bmp->format, 0, 255, 0));
    SDL_SaveBMP(bmp, (dir / "Symbol.BMP").string().c_str());
    SDL_FreeSurface(bmp);
    std::ofstream(dir / "broken.jpg") << "\xFF\xD8 this is not really a picture";
    SetAssetFolder(dir.string());
    ResetPictureStats();
  }
  void TearDown() override {
    SetAssetFolder("");
    PlatformTest::TearDown();
  }
  std::filesystem::path dir;
};

TEST_F(Pictures, FoundWithoutRegardToCaseAndDecodedOnce) {
  auto a = LoadPicture("startscreen_05_highlighted.jpg");
  auto b = LoadPicture("STARTSCREEN_05_Highlighted.JPG");
  auto c = LoadPicture("symbol.bmp");
  ASSERT_FALSE(a->Missing());
  EXPECT_EQ(a, b);
  EXPECT_EQ(a->Width(), 40);
  EXPECT_EQ(a->Height(), 30);
  EXPECT_FALSE(c->Missing());
  const PictureStats s = GetPictureStats();
  EXPECT_EQ(s.requests, 3u);
  EXPECT_EQ(s.decodes, 2u);
  EXPECT_EQ(s.missing, 0u);
  // A file that appears later is found without restarting.
  ASSERT_TRUE(WriteSolidJpeg((dir / "Later.jpg").string(), 4, 4, colors::White));
  EXPECT_FALSE(LoadPicture("later.JPG")->Missing());
}

// A picture is read and decoded when it is first needed, not when a form asks for it: forms built
// at start-up hold pictures they do not show yet. A missing file is only found out then as well.
TEST_F(Pictures, DecodedWhenFirstNeededAndOnlyOnce) {
  const auto shown = LoadPicture("symbol.bmp");
  const auto broken = LoadPicture("broken.jpg");
  const auto absent = LoadPicture("NoSuchPicture.jpg");
  EXPECT_EQ(GetPictureStats().decodes, 0u);
  EXPECT_EQ(GetPictureStats().missing, 0u);
  EXPECT_EQ(shown->Width(), 8);
  EXPECT_NE(shown->Surface(), nullptr);
  EXPECT_FALSE(LoadPicture("SYMBOL.BMP")->Missing());
  EXPECT_EQ(GetPictureStats().decodes, 1u);
  EXPECT_TRUE(broken->Missing());
  EXPECT_TRUE(absent->Missing());
  EXPECT_EQ(absent->Width(), 0);
  EXPECT_EQ(broken->Surface(), nullptr);
  const PictureStats s = GetPictureStats();
  EXPECT_EQ(s.decodes, 2u);  // the broken file was read; the absent one has nothing to read
  EXPECT_EQ(s.missing, 2u);
}

TEST_F(Pictures, DecodersGiveTheRightColours) {
  auto jpeg = LoadPicture("StartScreen_05_Highlighted.jpg");
  const Color j = PixelAt(jpeg->Surface(), 20, 15);
  EXPECT_LE(j.r, 8);
  EXPECT_LE(j.g, 8);
  EXPECT_GE(j.b, 247);
  auto bmp = LoadPicture("Symbol.bmp");
  EXPECT_EQ(PixelAt(bmp->Surface(), 0, 0), colors::Red);
  EXPECT_EQ(PixelAt(bmp->Surface(), 3, 3), colors::Lime);
}

TEST_F(Pictures, MissingOrBrokenPicturesDrawThePlaceholderAndNeverStopTheGame) {
  for (const char* name : {"NoSuchPicture.jpg", "broken.jpg", "../escape.jpg"}) {
    SCOPED_TRACE(name);
    auto p = LoadPicture(name);
    ASSERT_NE(p, nullptr);
    EXPECT_TRUE(p->Missing());
  }
  EXPECT_EQ(GetPictureStats().missing, 3u);
  Form f("F", ParseLayout(R"(
form F : TF width 100 height 80 color black
  image Pic left 10 top 10 width 60 height 50 picture "NoSuchPicture.jpg"
  image Good left 80 top 10 width 10 height 10 picture "symbol.bmp"
)", "F.layout"));
  EXPECT_TRUE(f.Get<Image>("Pic").PictureMissing());
  auto shot = App().RenderForm(f);
  ASSERT_TRUE(shot);
  EXPECT_EQ(PixelAt(shot.get(), 10, 10), Rgb(255, 0, 255));   // the marked frame
  EXPECT_EQ(PixelAt(shot.get(), 40, 45), Rgb(64, 0, 64));     // its inside
  EXPECT_EQ(PixelAt(shot.get(), 5, 5), colors::Black);        // the form around it
  EXPECT_EQ(PixelAt(shot.get(), 80, 10), colors::Red);        // the good picture draws
}

TEST_F(Pictures, NoPictureLargerThanTheScreenIsDecodedAndNoFileIsWaitedOn) {
  auto solid = [](int w, int h) {
    SDL_Surface* s = SDL_CreateRGBSurfaceWithFormat(0, w, h, 24, SDL_PIXELFORMAT_RGB24);
    SDL_FillRect(s, nullptr, SDL_MapRGB(s->format, 10, 20, 30));
    return s;
  };
  auto bmp = [&](int w, int h) {
    return [=, this] {
      SDL_Surface* s = solid(w, h);
      SDL_SaveBMP(s, (dir / "case.bmp").string().c_str());
      SDL_FreeSurface(s);
    };
  };
  auto png = [&](int w, int h) {
    return [=, this] {
      SDL_Surface* s = solid(w, h);
      ASSERT_TRUE(WritePng(s, (dir / "case.bmp").string()));
      SDL_FreeSurface(s);
    };
  };
  // A BMP header alone (54 bytes) that claims the given size.
  auto bmpHeader = [&](std::int32_t w, std::int32_t h) {
    return [=, this] {
      std::uint8_t header[54] = {'B', 'M'};
      auto put = [&](int at, std::uint32_t v) {
        for (int k = 0; k < 4; ++k) header[at + k] = std::uint8_t(v >> (8 * k));
      };
      put(2, 54);
      put(10, 54);
      put(14, 40);
      put(18, std::uint32_t(w));
      put(22, std::uint32_t(h));
      header[26] = 1;
      header[28] = 24;
      std::ofstream(dir / "case.bmp", std::ios::binary).write(reinterpret_cast<char*>(header), 54);
    };
  };
  struct Case {
    const char* what;
    std::function<void()> make;
    bool decoded;
  };
  const Case cases[] = {
      {"a screen-sized BMP", bmp(kScreenWidth, kScreenHeight), true},
      {"a BMP one pixel wider than the screen", bmp(kScreenWidth + 1, 2), false},
      {"a BMP one pixel taller than the screen", bmp(2, kScreenHeight + 1), false},
      {"a 54-byte BMP claiming 30000 x 30000", bmpHeader(30000, 30000), false},
      {"a 54-byte BMP claiming a height of -30000", bmpHeader(10, -30000), false},
      {"a PNG one pixel wider than the screen", png(kScreenWidth + 1, 1), false},
      {"a JPEG one pixel taller than the screen",
       [this] {
         ASSERT_TRUE(WriteSolidJpeg((dir / "case.bmp").string(), 4, kScreenHeight + 1, colors::Red));
       },
       false},
      {"a screen-sized JPEG",
       [this] {
         ASSERT_TRUE(WriteSolidJpeg((dir / "case.bmp").string(), kScreenWidth, kScreenHeight, colors::Red));
       },
       true},
      {"a huge sparse file",
       [this] {
         std::ofstream(dir / "case.bmp", std::ios::binary) << "BM";
         std::filesystem::resize_file(dir / "case.bmp", std::uintmax_t{1} << 32);
       },
       false},
      {"a pipe", [this] { ASSERT_EQ(::mkfifo((dir / "case.bmp").c_str(), 0600), 0); }, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    std::filesystem::remove(dir / "case.bmp");
    c.make();
    SDL_Surface* surface = ReadPictureFile((dir / "case.bmp").string());
    EXPECT_EQ(surface != nullptr, c.decoded);
    if (surface) SDL_FreeSurface(surface);
  }
  std::filesystem::remove(dir / "case.bmp");
}

TEST_F(Pictures, TransparentPictureLetsItsBottomLeftColourThrough) {
  Form f("F", ParseLayout(R"(
form F : TF width 20 height 20 color white
  image Pic left 0 top 0 width 8 height 6 picture "Symbol.bmp" transparent
)", "F.layout"));
  auto shot = App().RenderForm(f);
  EXPECT_EQ(PixelAt(shot.get(), 0, 0), colors::White);
  EXPECT_EQ(PixelAt(shot.get(), 2, 2), colors::Lime);
}

TEST_F(Pictures, ScreenshotsAreReadablePngFiles) {
  Form f("F", ParseLayout(R"(
form F : TF width 120 height 90 color navy position centre
  shape S left 10 top 20 width 30 height 30 brush yellow pen yellow
  label L left 50 top 20 caption "Hello" font "Arial" 14 white transparent
  progressbar P left 10 top 70 width 100 height 10 max 4 position 1 barcolor lime
)", "F.layout"));
  f.Show();
  const std::string formPng = (dir / "form.png").string();
  const std::string screenPng = (dir / "screen.png").string();
  ASSERT_TRUE(App().SaveScreenshot(formPng, &f));
  ASSERT_TRUE(App().SaveScreenshot(screenPng));
  SDL_Surface* shot = ReadPictureFile(formPng);
  ASSERT_NE(shot, nullptr);
  EXPECT_EQ(shot->w, 120);
  EXPECT_EQ(shot->h, 90);
  EXPECT_EQ(PixelAt(shot, 25, 35), colors::Yellow);
  EXPECT_EQ(PixelAt(shot, 5, 5), Rgb(0, 0, 128));
  EXPECT_EQ(PixelAt(shot, 20, 75), colors::Lime);   // a quarter filled
  EXPECT_NE(PixelAt(shot, 80, 75), colors::Lime);
  int light = 0;  // the label's text is drawn
  for (int y = 20; y < 40; ++y)
    for (int x = 50; x < 110; ++x) light += PixelAt(shot, x, y).r > 200;
  EXPECT_GT(light, 20);
  SDL_FreeSurface(shot);
  SDL_Surface* screen = ReadPictureFile(screenPng);
  ASSERT_NE(screen, nullptr);
  EXPECT_EQ(screen->w, kScreenWidth);
  EXPECT_EQ(screen->h, kScreenHeight);
  EXPECT_EQ(PixelAt(screen, f.Left() + 25, f.Top() + 35), colors::Yellow);
  EXPECT_EQ(PixelAt(screen, 2, 2), colors::Black);
  SDL_FreeSurface(screen);
  EXPECT_FALSE(App().SaveScreenshot((dir / "no" / "such" / "folder.png").string(), &f));
}

TEST_F(Pictures, ProgressBarsFillByTheirRangeWhateverItsSize) {
  struct Case {
    int min, max, position;
    bool quarterLit, threeQuartersLit;
  };
  constexpr int kMin = std::numeric_limits<int>::min(), kMax = std::numeric_limits<int>::max();
  const Case cases[] = {
      {0, 4, 1, true, false},       {kMin, kMax, 0, true, false}, {kMin, kMax, kMax, true, true},
      {-10, 10, 20, true, true},    {-10, 10, kMin, false, false}, {5, 5, 5, false, false},
      {9, 3, 5, false, false},
  };
  Form f("F", ParseLayout("form F : TF width 100 height 10 color black\n"
                          "  progressbar P left 0 top 0 width 100 height 10 barcolor lime\n",
                          "F.layout"));
  auto& bar = f.Get<ProgressBar>("P");
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.min) + ".." + std::to_string(c.max) + " at " +
                 std::to_string(c.position));
    bar.SetMin(c.min);
    bar.SetMax(c.max);
    bar.SetPosition(c.position);
    auto shot = App().RenderForm(f);
    EXPECT_EQ(PixelAt(shot.get(), 20, 5) == colors::Lime, c.quarterLit);
    EXPECT_EQ(PixelAt(shot.get(), 80, 5) == colors::Lime, c.threeQuartersLit);
  }
}

}  // namespace
}  // namespace platform_test
