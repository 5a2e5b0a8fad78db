// A whole seeded fight, message by message and cue by cue, against its recorded transcript. Any
// change to the order or the conditions of a random draw, to a text or to the pacing shows here.
#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

#include "audio/sound.h"
#include "combat/duel.h"
#include "state/variables.h"
#include "support/script_ui.h"

namespace combat_test {
namespace {

TEST(CombatGolden, SeededDuelTranscript) {
  std::ifstream file(std::string(FARHAVEN_SOURCE_DIR) + "/tests/combat/golden_duel.txt");
  ASSERT_TRUE(file) << "golden transcript missing";
  std::vector<std::string> expected;
  for (std::string line; std::getline(file, line);) expected.push_back(line);

  support::ScriptUi screens;
  combat::RecordingUi ui(screens);
  combat::RecordingSound sound(ui.transcript);
  audio::SetSoundOutput(&sound);
  state::SoundEffectsOn = 1;
  state::MusicOn = 0;
  combat::DuelSetup setup;
  setup.seed = 20;
  setup.playerClass = state::kClassOrion;
  setup.enemyClass = state::kClassHellcat;
  setup.enemyFaction = kFactionPirates;
  setup.enemyKind = kPirateShip;
  combat::SetupDuel(setup, ui);
  const combat::DuelResult result = combat::PlayDuel(ui);
  audio::SetSoundOutput(nullptr);

  EXPECT_TRUE(result.playerWon);
  EXPECT_EQ(result.rounds, 22);
  ASSERT_EQ(ui.transcript.size(), expected.size());
  for (std::size_t i = 0; i < expected.size(); ++i)
    EXPECT_EQ(ui.transcript[i], expected[i]) << "line " << i + 1;
}

}  // namespace
}  // namespace combat_test
