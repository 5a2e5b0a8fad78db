// A fight on a cleared game: the player's ship and an opponent set by hand, a recording combat
// screen and a recording sound output, so each test states exactly the situation it checks.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "audio/sound.h"
#include "combat/action_points.h"
#include "combat/combat_end.h"
#include "combat/fight_flags.h"
#include "combat/gun_attack.h"
#include "combat/modifiers.h"
#include "combat/recording_ui.h"
#include "combat/resolution.h"
#include "combat/rounds.h"
#include "combat/scaling.h"
#include "combat/setup.h"
#include "state/fields.h"
#include "state/random.h"
#include "state/ship_classes.h"
#include "state/variables.h"
#include "support/rows.h"
#include "support/script_ui.h"

namespace combat_test {

class CombatTest : public testing::Test {
 protected:
  support::ScriptUi screens;
  combat::RecordingUi ui{screens};
  combat::RecordingSound sound{ui.transcript};

  void SetUp() override {
    state::ClearGameState();
    state::SoundEffectsOn = 1;
    state::MusicOn = 0;
    state::VeteranMode = 0;
    state::AutoEndTurn = 0;
    state::TutorialActive = 0;
    state::TutorialStep = 0;
    audio::SetSoundOutput(&sound);
    for (int s = 0; s < state::kModifierRows; ++s) {
      state::PlayerModifiers[s] = {};
      state::EnemyModifiers[s] = {};
    }
    state::PlayerMissileVolley = {};
    state::EnemyMissileVolley = {};
    state::PlayerData[player::kFaction] = 1;
    state::PlayerData[player::kLevel] = 1;
    state::PlayerData[player::kRank] = 1;
    state::GameDay = 300;  // past the beginner's help of the first days
    combat::ResetFightFlags();  // the fights' own flags: no test inherits the last one's
    Ships(state::kClassStarwolf, state::kClassStarwolf);
    state::Randomize(7);
  }

  void TearDown() override { audio::SetSoundOutput(nullptr); }

  // Both ships alive with full base shields, the player's guns in slot 1, missiles in 2, ECM in 3.
  static void Ships(state::ShipClassId playerClass, state::ShipClassId enemyClass) {
    state::PlayerShip =
        test_rows::ShipRow()
            .Alive()
            .Class(playerClass)
            .ActionPoints(state::GetShipClassStat(playerClass, state::kAttrActionPoints))
            .Reinforcements(-1)
            .Faction(kFactionFederation)
            .System(1)
            .CargoSpace(state::GetShipClassStat(playerClass, state::kAttrCargoSpace))
            .Shields(state::GetShipClassBaseShields(playerClass));
    state::EnemyShip =
        test_rows::ShipRow()
            .Alive()
            .Class(enemyClass)
            .ActionPoints(state::GetShipClassStat(enemyClass, state::kAttrActionPoints))
            .Reinforcements(-1)
            .EnemyKind(kMilitaryShip)
            .Faction(kFactionOuterRim)
            .Shields(state::GetShipClassBaseShields(enemyClass));
    for (int id : {1, 2, 3}) state::AbilityOwned[id] = 1;
    state::PlayerAbilitySlots = {};
    state::PlayerAbilitySlots[1] = 1;
    state::PlayerAbilitySlots[2] = 2;
    state::PlayerAbilitySlots[3] = 3;
    state::EnemyAbilitySlots = {};
  }

  // A seed whose first Random(100) + 1 is `roll`, searched from 0.
  static std::uint32_t SeedForRoll(std::int32_t roll) {
    for (std::uint32_t s = 0;; ++s) {
      state::Randomize(s);
      if (state::Random(100) + 1 == roll) return s;
    }
  }

  std::vector<std::string> Messages() const {
    std::vector<std::string> all = ui.Lines("player: ");
    for (auto& line : ui.Lines("enemy: ")) all.push_back(line);
    return all;
  }
};

}  // namespace combat_test
