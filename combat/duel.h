// A whole fight without a screen: a fresh world, one opponent, a simple captain who fires while
// the action points last and then ends the turn, and the enemy's message timer pumped tick by
// tick. The duel tool, the soak test and the benchmarks play through it.
#pragma once

#include <cstdint>

#include "combat/recording_ui.h"
#include "state/factions.h"
#include "state/professions.h"
#include "state/ship_classes.h"
#include "state/ship_kinds.h"

namespace combat {

struct DuelSetup {
  std::uint32_t seed = 1;
  state::ShipClassId playerClass = state::kClassStarwolf;
  state::ShipClassId enemyClass = state::kClassStarwolf;
  Faction enemyFaction = kFactionPirates;
  ShipKind enemyKind = kMilitaryShip;
  std::int32_t enemyTier = 0;
  Faction playerFaction = kFactionFederation;
  Profession profession = kProfessionCombatTrader;
};

struct DuelResult {
  bool ended = false;          // the combat screen closed
  bool playerWon = false;      // the enemy ship was destroyed
  bool playerDestroyed = false;
  int rounds = 0;              // player turns played
  std::int32_t levelBefore = 0, levelAfter = 0;            // PlayerData [player::kLevel]
  std::int32_t experienceBefore = 0, experienceAfter = 0;  // PlayerData [player::kExperience]
  std::int64_t credits = 0;    // gained in the fight (the loot)
};

// Clears the game, builds a new world for the player's faction, profession and ship class (no
// days run before the fight), seeds the generator and sets the fight up.
void SetupDuel(const DuelSetup& setup, CombatUi& ui);

// The captain's turn: ECM against an incoming missile, a missile when the launcher is ready, then
// the guns while the action points last; then the end of the turn.
void PlayPlayerTurn(CombatUi& ui);

// Calls the enemy message timer's tick while an enemy action waits.
void PumpEnemyTurn(CombatUi& ui);

// Plays turns until the combat screen closes or `maxRounds` turns have passed.
DuelResult PlayDuel(RecordingUi& ui, int maxRounds = 1000);

}  // namespace combat
