// A save that the loader accepts can be played: traded, flown and fought without an overflow or a
// bad index, at the edges of every range the loader allows. The sanitizer build turns either into
// a failure.
#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

#include "fuzz/fuzz_inputs.h"
#include "fuzz/play_loaded_game.h"
#include "state/fields.h"
#include "state/savegame.h"
#include "state/variables.h"

namespace {

using namespace state;

TEST(LoadedGamePlay, SavesAtTheEdgesOfTheirRangesPlayOn) {
  struct Case {
    const char* what;
    std::int32_t* element;
    std::int32_t value;
  };
  const std::int32_t hold = LargestCargoHold();
  const Case cases[] = {
      {"contraband filling the largest hold", &Cargo[kLastGood], hold},
      {"credits at the limit", &PlayerData[player::kCredits], INT32_MAX},
      {"credits deep in debt", &PlayerData[player::kCredits], kSavedAmount.low},
      {"experience at the limit", &PlayerData[player::kExperience], INT32_MAX},
      {"goods sold at the most", &PlayerData[player::kGoodsSold], kMostSavedValue},
      {"ribbons at the most", &PlayerData[player::kCampaignRibbons], kMostSavedValue},
      {"criminal for ever", &PlayerData[player::kCriminalDays], kMostSavedValue},
      {"a loan at the limit", &PlayerData[player::kLoan], INT32_MAX},
      {"war bonds at the limit", &PlayerData[player::kWarBonds], INT32_MAX},
      {"the last game day", &GameDay, kSavedDays.high},
      {"a market full to the most", &MarketStock[9][2][kLastGood], kMostSavedValue},
      {"a market price at the most", &MarketPrice[9][2][1], kMostSavedValue},
      {"a reward at the limit", &ActiveMission[mission::kReward], INT32_MAX},
  };
  std::uint32_t seed = 1;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    fuzz_inputs::SetUpSmallGame();
    for (int g = 1; g <= kLastStoredField; ++g) Cargo[g] = 0;
    *c.element = c.value;
    const std::vector<std::uint8_t> ints = SaveGameIntBytes();
    const std::vector<std::uint8_t> texts = SaveGameTextBytes();
    ASSERT_TRUE(ApplySaveGameBytes(ints, texts).ok);
    fuzz_inputs::PlayLoadedGame(seed++);
  }
}

TEST(LoadedGamePlay, EveryFuzzFixtureThatLoadsPlaysOn) {
  namespace fs = std::filesystem;
  int played = 0;
  for (const auto& entry :
       fs::directory_iterator(fs::path(FARHAVEN_SOURCE_DIR) / "tests/fixtures/fuzz/savegame")) {
    SCOPED_TRACE(entry.path().string());
    std::ifstream in(entry.path(), std::ios::binary);
    const std::vector<std::uint8_t> input{std::istreambuf_iterator<char>(in), {}};
    if (!fuzz_inputs::RunSaveGameInput(input.data(), input.size())) continue;
    fuzz_inputs::PlayLoadedGame(static_cast<std::uint32_t>(input.size()));
    ++played;
  }
  EXPECT_GE(played, 1);
}

}  // namespace
