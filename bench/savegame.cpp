// The cost of saving and loading a whole game: through the files (written, synced and renamed into
// place; read whole and checked), and the encoding and checked decoding alone.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>
#include <unistd.h>

#include "state/fields.h"
#include "state/general_data.h"
#include "state/new_world.h"
#include "state/savegame.h"
#include "state/start_ship.h"
#include "state/variables.h"

namespace {

namespace fs = std::filesystem;

// A new world with a player, named with characters outside plain ASCII.
void FullGame() {
  state::ClearGameState();
  state::PlayerData[player::kProfession] = 2;
  state::PlayerData[player::kFaction] = 1;
  state::PlayerData[player::kPortrait] = 1;
  state::PlayerName = "Kira Vey´s “Luck”";
  state::BuildNewWorld(state::StartShipClass(2, 1));
  state::FinishNewWorld();
}

// A folder of its own for the benchmark's files, removed at the end.
struct BenchFolder {
  fs::path path = fs::temp_directory_path() / ("farhaven-bench-" + std::to_string(::getpid()));
  BenchFolder() { fs::create_directories(path); }
  ~BenchFolder() { fs::remove_all(path); }
};

void BM_SaveGameToFiles(benchmark::State& bench) {
  FullGame();
  BenchFolder folder;
  for (auto _ : bench) {
    const state::FileResult result = state::SaveGame(1, "Benchmark", folder.path);
    if (!result.ok) bench.SkipWithError(result.text.c_str());
  }
  bench.SetBytesProcessed(bench.iterations() *
                          static_cast<std::int64_t>(state::kSaveGameIntBytes + state::kSaveGameTextBytes));
}
BENCHMARK(BM_SaveGameToFiles)->Unit(benchmark::kMillisecond);

void BM_LoadGameFromFiles(benchmark::State& bench) {
  FullGame();
  BenchFolder folder;
  if (!state::SaveGame(1, "Benchmark", folder.path).ok) bench.SkipWithError("save failed");
  for (auto _ : bench) {
    const state::FileResult result = state::LoadGame(1, folder.path);
    if (!result.ok) bench.SkipWithError(result.text.c_str());
  }
  bench.SetBytesProcessed(bench.iterations() *
                          static_cast<std::int64_t>(state::kSaveGameIntBytes + state::kSaveGameTextBytes));
}
BENCHMARK(BM_LoadGameFromFiles)->Unit(benchmark::kMillisecond);

void BM_EncodeSaveGame(benchmark::State& bench) {
  FullGame();
  for (auto _ : bench) {
    auto ints = state::SaveGameIntBytes();
    auto texts = state::SaveGameTextBytes();
    benchmark::DoNotOptimize(ints.data());
    benchmark::DoNotOptimize(texts.data());
  }
}
BENCHMARK(BM_EncodeSaveGame)->Unit(benchmark::kMillisecond);

void BM_CheckAndApplySaveGame(benchmark::State& bench) {
  FullGame();
  const auto ints = state::SaveGameIntBytes();
  const auto texts = state::SaveGameTextBytes();
  for (auto _ : bench) {
    const state::FileCheck check = state::ApplySaveGameBytes(ints, texts);
    if (!check.ok) bench.SkipWithError(check.cause.c_str());
  }
}
BENCHMARK(BM_CheckAndApplySaveGame)->Unit(benchmark::kMillisecond);

}  // namespace
