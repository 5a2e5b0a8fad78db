// The form layer's costs: redrawing a busy screen (whole, and one blinking light of it), showing
// it in a window smaller than the screen, loading pictures (cached and not), rendering label texts,
// and reading a layout.
#include "platform/application.h"
#include "platform/canvas.h"
#include "platform/layout.h"
#include "platform/pictures.h"
#include "platform/text.h"

#include <SDL.h>
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include <jpeglib.h>

namespace {

using namespace platform;

void WriteJpeg(const std::string& path, int w, int h) {
  FILE* f = std::fopen(path.c_str(), "wb");
  if (!f) return;
  jpeg_compress_struct cinfo;
  jpeg_error_mgr err;
  cinfo.err = jpeg_std_error(&err);
  jpeg_create_compress(&cinfo);
  jpeg_stdio_dest(&cinfo, f);
  cinfo.image_width = JDIMENSION(w);
  cinfo.image_height = JDIMENSION(h);
  cinfo.input_components = 3;
  cinfo.in_color_space = JCS_RGB;
  jpeg_set_defaults(&cinfo);
  jpeg_start_compress(&cinfo, TRUE);
  std::vector<unsigned char> row(std::size_t(w) * 3);
  while (cinfo.next_scanline < cinfo.image_height) {
    for (int x = 0; x < w; ++x) {
      row[3 * x] = static_cast<unsigned char>(x * 255 / w);
      row[3 * x + 1] = static_cast<unsigned char>(cinfo.next_scanline * 255 / h);
      row[3 * x + 2] = 90;
    }
    JSAMPROW p = row.data();
    jpeg_write_scanlines(&cinfo, &p, 1);
  }
  jpeg_finish_compress(&cinfo);
  jpeg_destroy_compress(&cinfo);
  std::fclose(f);
}

// A folder of pictures the size the screens use.
const std::string& BenchAssets() {
  static const std::string dir = [] {
    setenv("SDL_VIDEODRIVER", "dummy", 0);
    auto d = std::filesystem::temp_directory_path() / "farhaven_bench_platform";
    std::filesystem::create_directories(d);
    WriteJpeg((d / "Background.jpg").string(), 800, 600);
    for (int i = 0; i < 20; ++i) WriteJpeg((d / ("Button_" + std::to_string(i) + ".jpg")).string(), 120, 40);
    return d.string();
  }();
  SetAssetFolder(dir);
  return dir;
}

// A screen of 100 components: a background picture, 40 picture buttons, 40 labels, 10 shapes and a
// panel of 9 labels; `width` x `height` at (left, top).
std::string BusyLayout(const std::string& name = "Busy", int left = 0, int top = 0, int width = 800,
                       int height = 600) {
  std::string t = "form " + name + " : TBusy left " + std::to_string(left) + " top " +
                  std::to_string(top) + " width " + std::to_string(width) + " height " +
                  std::to_string(height) + " position designed color black\n"
                  "  image Back left 0 top 0 width " + std::to_string(width) + " height " +
                  std::to_string(height) + " picture \"Background.jpg\" stretch\n";
  for (int i = 0; i < 40; ++i)
    t += "  image Button" + std::to_string(i) + " left " + std::to_string(10 + (i % 5) * 150) +
         " top " + std::to_string(10 + (i / 5) * 60) + " width 120 height 40 picture \"Button_" +
         std::to_string(i % 20) + ".jpg\"\n";
  for (int i = 0; i < 40; ++i)
    t += "  label Label" + std::to_string(i) + " left " + std::to_string(20 + (i % 5) * 150) +
         " top " + std::to_string(20 + (i / 5) * 60) + " caption \"Caption number " +
         std::to_string(i) + "\" font \"Arial\" 10 bold white transparent\n";
  for (int i = 0; i < 10; ++i)
    t += "  shape Shape" + std::to_string(i) + " left " + std::to_string(i * 70) +
         " top 500 width 60 height 20 brush red pen white\n";
  t += "  panel Panel1 left 600 top 480 width 190 height 110 color navy\n";
  for (int i = 0; i < 9; ++i)
    t += "    label PanelLabel" + std::to_string(i) + " left 4 top " + std::to_string(2 + i * 12) +
         " caption \"Line " + std::to_string(i) + "\" font \"Arial\" 8 white transparent\n";
  return t;
}

// The whole 1280 x 720 screen as a player sees it in flight: a busy screen filling it and a busy
// trade window of 480 x 600 beside it, on top; drawn once, so every text is rendered.
struct FlightScreen {
  FlightScreen() {
    BenchAssets();
    travel.Show();
    trade.Show();
    App().RenderScreen();
  }
  ~FlightScreen() {
    trade.Hide();
    travel.Hide();
  }
  Form travel{"Travel", ParseLayout(BusyLayout("Travel", 0, 0, kScreenWidth, kScreenHeight),
                                    "Travel.layout")};
  Form trade{"Trade", ParseLayout(BusyLayout("Trade", 790, 60, 480, 600), "Trade.layout")};
};

void BM_RedrawBusyScreen(benchmark::State& state) {
  FlightScreen screen;
  for (auto _ : state) benchmark::DoNotOptimize(App().RenderScreen());
}
BENCHMARK(BM_RedrawBusyScreen)->Unit(benchmark::kMicrosecond);

// One light of that screen blinks: only its own area is drawn again.
void BM_RedrawOneBlinkingLight(benchmark::State& state) {
  FlightScreen screen;
  Image& light = screen.travel.Get<Image>("Button7");
  int n = 0;
  for (auto _ : state) {
    light.LoadPicture(++n % 2 ? "Button_1.jpg" : "Button_2.jpg");
    benchmark::DoNotOptimize(App().RenderScreenArea(light.ScreenRect()));
  }
}
BENCHMARK(BM_RedrawOneBlinkingLight)->Unit(benchmark::kMicrosecond);

// That screen shown in a window of 1000 x 600, each window pixel the average of what it covers:
// the whole frame, and the area of one blinking light.
void BM_ShrinkIntoSmallerWindow(benchmark::State& state) {
  FlightScreen screen;
  SDL_Surface* shown = App().RenderScreen();
  SDL_Surface* window = SDL_CreateRGBSurfaceWithFormat(0, 1000, 600, 32, SDL_PIXELFORMAT_RGB888);
  const Rect frame{0, 19, 1000, 562};
  const Rect light = screen.travel.Get<Image>("Button7").ScreenRect();
  const Rect part = state.range(0) == 0 ? frame
                                        : Rect{light.x * 1000 / kScreenWidth, 19 + light.y * 1000 / kScreenWidth,
                                               light.w * 1000 / kScreenWidth + 2, light.h * 1000 / kScreenWidth + 2};
  for (auto _ : state) {
    DrawShrunk(shown, window, frame, part);
    benchmark::DoNotOptimize(window->pixels);
  }
  SDL_FreeSurface(window);
}
BENCHMARK(BM_ShrinkIntoSmallerWindow)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

void BM_LayoutBusyScreen(benchmark::State& state) {
  BenchAssets();
  const std::string text = BusyLayout();
  for (auto _ : state) {
    Form busy("Busy", ParseLayout(text, "Busy.layout"));
    benchmark::DoNotOptimize(&busy);
  }
}
BENCHMARK(BM_LayoutBusyScreen)->Unit(benchmark::kMicrosecond);

void BM_PictureCacheHit(benchmark::State& state) {
  BenchAssets();
  LoadPicture("Button_3.jpg");
  for (auto _ : state) benchmark::DoNotOptimize(LoadPicture("button_3.JPG"));
}
BENCHMARK(BM_PictureCacheHit);

void BM_PictureCacheMiss(benchmark::State& state) {
  BenchAssets();
  for (auto _ : state) {
    ClearPictureCache();
    benchmark::DoNotOptimize(LoadPicture(state.range(0) ? "Background.jpg" : "Button_3.jpg"));
  }
}
BENCHMARK(BM_PictureCacheMiss)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

void BM_RenderLabelTexts(benchmark::State& state) {
  BenchAssets();
  Font font;
  font.size = 10;
  font.bold = true;
  int n = 0;
  for (auto _ : state) {
    SDL_Surface* s = RenderText(font, "Caption number " + std::to_string(n++ % 40), colors::White);
    benchmark::DoNotOptimize(s);
    SDL_FreeSurface(s);
  }
}
BENCHMARK(BM_RenderLabelTexts)->Unit(benchmark::kMicrosecond);

}  // namespace
