// The active modifiers of a fight: the lasting effects each side has caused, eight slots per side
// in PlayerModifiers and EnemyModifiers (fields modifier::kActive, kAbility, kTurnsLeft). Every
// query answers with the lowest slot; the same ability may stand in two slots at once.
#pragma once

#include <cstdint>

#include "combat/ability_ids.h"
#include "combat/combat_ui.h"

namespace combat {

inline constexpr int kModifierSlots = 8;

// Lowest free slot 1..8, 0 when all eight are taken.
int FindFreePlayerModifierSlot();
int FindFreeEnemyModifierSlot();

// Lowest slot holding `ability` active; 0 when it is not active.
int FindPlayerModifierSlot(state::Ability ability);
int FindEnemyModifierSlot(state::Ability ability);

// Activates `ability` in the lowest free slot for its catalogue duration (a duration of 0 is kept
// as 10 turns). With all eight slots taken the activation is lost without a word. The player's
// side redraws its ability buttons and modifier icons.
void AddPlayerModifier(state::Ability ability, CombatUi& ui);
void AddEnemyModifier(state::Ability ability);

// The same, by side.
int FindModifierSlot(Side side, state::Ability ability);
bool ModifierActive(Side side, state::Ability ability);
void AddModifier(Side side, state::Ability ability, CombatUi& ui);

// Ends the lowest active entry of `ability` before its time; false when none was active.
bool ClearModifier(Side side, state::Ability ability);

// The start-of-round countdown of one side's list. An entry that runs out redraws the modifier
// icons, and the ability buttons too when it was the player's or the enemy's EMP or EMP II. The
// player's list also pays the "Double speed" bonus of every entry still in force after the count.
void CountDownModifiers(Side side, CombatUi& ui);

}  // namespace combat
