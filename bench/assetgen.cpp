// The picture and sound generator, which runs at every build: the whole catalogue into a scratch
// folder, and one picture of each costly family on its own.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <thread>
#include <unistd.h>

#include "tools/assetgen/generator.h"
#include "tools/assetgen/painters.h"

namespace {

const assetgen::Catalogue& ShippedCatalogue() {
  static const assetgen::Catalogue catalogue =
      assetgen::LoadCatalogue(std::filesystem::path(FARHAVEN_SOURCE_DIR) / "tools/assetgen/catalogue.txt");
  return catalogue;
}

void BM_GenerateWholeCatalogue(benchmark::State& state) {
  const auto folder = std::filesystem::temp_directory_path() / ("farhaven_bench_assets_" + std::to_string(::getpid()));
  const unsigned threads = std::clamp(std::thread::hardware_concurrency(), 1u, 16u);
  for (auto _ : state) {
    state.PauseTiming();
    std::filesystem::remove_all(folder);
    state.ResumeTiming();
    benchmark::DoNotOptimize(assetgen::GenerateAll(ShippedCatalogue(), folder, threads));
  }
  std::filesystem::remove_all(folder);
}
BENCHMARK(BM_GenerateWholeCatalogue)->Unit(benchmark::kMillisecond)->UseRealTime();

// One row by file name, painted (not encoded).
void BM_PaintOne(benchmark::State& state, const char* file) {
  const assetgen::Catalogue& catalogue = ShippedCatalogue();
  auto row = std::find_if(catalogue.assets.begin(), catalogue.assets.end(),
                          [&](const assetgen::Asset& a) { return a.file == file; });
  if (row == catalogue.assets.end()) {
    state.SkipWithError("no such row");
    return;
  }
  for (auto _ : state) benchmark::DoNotOptimize(assetgen::Paint(*row, catalogue));
}
BENCHMARK_CAPTURE(BM_PaintOne, combat_ship, "Federation_Patton_l_f3.jpg")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_PaintOne, ship_scene, "Pirate_Marauder_Scene.jpg")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_PaintOne, large_planet, "earth3r.jpg")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_PaintOne, portrait, "hero2_50y.jpg")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_PaintOne, button, "StartScreen_05_Highlighted.jpg")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_PaintOne, ability_icon, "Skill_ECM_on.jpg")->Unit(benchmark::kMicrosecond);

}  // namespace
