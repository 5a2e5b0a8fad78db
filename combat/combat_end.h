// The end of a fight: the player's win pays the medals, experience and loot; the player's defeat
// leaves the ship destroyed for the code that opened the fight.
#pragma once

#include <cstdint>

#include "combat/combat_ui.h"
#include "state/ship_classes.h"
#include "state/ship_kinds.h"

namespace combat {

// Ends the fight when a ship's shields are gone (the enemy is tested first). Does nothing unless
// both ships are still alive, so a second call after the end changes nothing.
void CheckShipCombatEnd(CombatUi& ui);

// The cheat that destroys the enemy of a fight under way: its shields gone, the fight ends as a
// win.
void DestroyEnemyByCheat(CombatUi& ui);

// Counts one destroyed enemy ship of `shipClass` in the player's statistics.
void CountDestroyedShip(state::ShipClassId shipClass);

// The loot of a taken or destroyed ship, shared with the boarding fight. A special trader of
// `subKind` 3 carries very valuable cargo (worth 3 times as much), of 4 the treasure fleet's (10
// times): the popup says so and the multiplier is returned; any other sub-kind gives 1, silently.
std::int32_t AnnounceSpecialCargo(SpecialShipSubKind subKind, CombatUi& ui);
// The loot popup: `taken` units of cargo looted, `left` left behind for want of room, sold for
// `value`.
void ShowLootPopup(std::int64_t taken, std::int64_t left, std::int32_t value, CombatUi& ui);

// Closes the combat screen: CombatMayClose := 1, then the screen closes.
void CloseShipCombat(CombatUi& ui);

// The combat screen's close handler: every combat timer has stopped, so no enemy action waits any
// longer; the close permission is used up.
void CombatScreenClosed();

}  // namespace combat
