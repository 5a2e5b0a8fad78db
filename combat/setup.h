// The start of every ship fight: the per-fight state of both sides, the player's ability slots,
// the opponent with its loadout by kind and tier, the reinforcements of both sides, and the ship
// and missile pictures of the combat screen (kept here as data; the screen loads them).
#pragma once

#include <cstdint>
#include <string>

#include "combat/combat_ui.h"
#include "combat/fight_flags.h"
#include "state/factions.h"
#include "state/ship_classes.h"
#include "state/ship_kinds.h"

namespace combat {

// A picture of the combat screen: the file to load and where it goes.
struct PicturePlace {
  std::string file;
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
  bool stretch = false;
};

// What set-up chose for the combat screen's pictures.
struct CombatPictures {
  // The hidden source pictures; the primary picture of each ship starts as its normal one.
  std::string playerNormal, playerShield, playerFiring;
  std::string enemyNormal, enemyShield, enemyFiring;
  PicturePlace playerPrimary;  // inside playerShipPanel
  PicturePlace enemyPrimary;   // inside enemyShipPanel
  PicturePlace playerShipPanel;
  PicturePlace enemyShipPanel;
  PicturePlace missile;        // MissilePic: file and size
  PicturePlace enemyMissile;   // EnemyMissilePic
  PicturePlace missilePanel;
  PicturePlace enemyMissilePanel;
};

// The pictures of the current fight, written by SetupShipCombat.
extern CombatPictures Pictures;

// The fight's boarding offer (BoardingOffered) is in combat/fight_flags.h; set-up clears it.

// Prepares a fight against one ship. enemyClass -1 (starbase) or 1..19, enemyFaction 0..4 (0 the
// pirates), enemyKind 1..3, enemyTier 0 (from the player's level) or a minimum tier 1..4. Leaves
// enemy ability slot 12 free for the callers. Does not show the screen.
void SetupShipCombat(state::ShipClassId enemyClass, Faction enemyFaction, ShipKind enemyKind,
                     std::int32_t enemyTier, CombatUi& ui);

// Called by every combat starter between set-up and the first redraw; there is nothing to do.
void PrepareShipCombat();

// Redraws the whole combat screen (action-point cap included).
void RefreshShipCombatScreen(CombatUi& ui);

// The loadout tier set-up uses against `enemyClass` for the caller's `enemyTier`.
std::int32_t EnemyLoadoutTier(state::ShipClassId enemyClass, std::int32_t enemyTier, CombatUi& ui);

}  // namespace combat
