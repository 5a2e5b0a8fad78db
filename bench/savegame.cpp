// The cost of saving and loading a whole game: through the files (written, synced and renamed into
// place; read whole and checked), and the encoding and checked decoding alone.
#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <filesystem>
#include <string>
#include <unistd.h>
#include <vector>

#include "state/factions.h"
#include "state/fields.h"
#include "state/general_data.h"
#include "state/id.h"
#include "state/new_world.h"
#include "state/professions.h"
#include "state/savegame.h"
#include "state/start_ship.h"
#include "state/variables.h"

namespace {

namespace fs = std::filesystem;

// A new world with a player, named with characters outside plain ASCII.
void FullGame() {
  state::ClearGameState();
  state::PlayerData[player::kProfession] = state::Stored(kProfessionCombatTrader);
  state::PlayerData[player::kFaction] = state::Stored(kFactionFederation);
  state::PlayerData[player::kPortrait] = 1;
  state::PlayerName = "Kira Vey´s “Luck”";
  state::BuildNewWorld(state::StartShipClass(kProfessionCombatTrader, kFactionFederation));
  state::FinishNewWorld();
}

// A folder of its own for the benchmark's files, removed at the end.
struct BenchFolder {
  fs::path path = fs::temp_directory_path() / ("farhaven-bench-" + std::to_string(::getpid()));
  BenchFolder() { fs::create_directories(path); }
  ~BenchFolder() { fs::remove_all(path); }
};

// A save into the same slot under the same name: the slot's pair is written, the unchanged
// general data is not. Reported as the median of several runs, the figure a save costs.
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
BENCHMARK(BM_SaveGameToFiles)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(9)
    ->ReportAggregatesOnly(true);

// A save under a new name each time: the general data is written too.
void BM_SaveGameRenamingTheSlot(benchmark::State& bench) {
  FullGame();
  BenchFolder folder;
  int n = 0;
  for (auto _ : bench) {
    const state::FileResult result = state::SaveGame(1, "Benchmark " + std::to_string(++n), folder.path);
    if (!result.ok) bench.SkipWithError(result.text.c_str());
  }
}
BENCHMARK(BM_SaveGameRenamingTheSlot)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(9)
    ->ReportAggregatesOnly(true);

// What the disk alone costs for a save's pair, whatever the game does around it: two new files of
// the save's sizes written and synced, renamed over the old ones, the folder synced once.
void BM_DiskStepsOfASave(benchmark::State& bench) {
  BenchFolder folder;
  const std::vector<char> ints(state::kSaveGameIntBytes, 1);
  const std::vector<char> texts(state::kSaveGameTextBytes, 2);
  auto put = [&](const fs::path& file, const std::vector<char>& bytes) {
    const fs::path temp = file.string() + ".tmp";
    const int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    if (fd < 0 || ::write(fd, bytes.data(), bytes.size()) != static_cast<ssize_t>(bytes.size()) ||
        ::fsync(fd) != 0) {
      bench.SkipWithError("the disk steps failed");
    }
    if (fd >= 0) ::close(fd);
    return temp;
  };
  for (auto _ : bench) {
    const fs::path intTemp = put(folder.path / "a.int", ints);
    const fs::path textTemp = put(folder.path / "a.str", texts);
    fs::rename(intTemp, folder.path / "a.int");
    fs::rename(textTemp, folder.path / "a.str");
    const int dir = ::open(folder.path.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    ::fsync(dir);
    ::close(dir);
  }
}
BENCHMARK(BM_DiskStepsOfASave)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(9)
    ->ReportAggregatesOnly(true);

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

// What opening the save and load screen adds, and the start: all four slots hold a whole save the
// list calls empty, so each pair is read whole and checked (and the slot marked, then cleared again
// for the next round).
void BM_FindSavedSlots(benchmark::State& bench) {
  FullGame();
  BenchFolder folder;
  for (int slot = state::kFirstSaveSlot; slot <= state::kLastSaveSlot; ++slot)
    if (!state::SaveGame(slot, "", folder.path).ok) bench.SkipWithError("save failed");
  for (auto _ : bench) {
    for (int slot = state::kFirstSaveSlot; slot <= state::kLastSaveSlot; ++slot) {
      state::SaveSlotUsed[slot] = 0;
      state::SaveSlotNames[slot].clear();
    }
    state::FindSavedSlots(folder.path);
    if (state::SaveSlotUsed[state::kLastSaveSlot] != 1) bench.SkipWithError("a slot was not found");
  }
}
BENCHMARK(BM_FindSavedSlots)->Unit(benchmark::kMillisecond);

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
