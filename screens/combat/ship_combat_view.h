// What the ship combat screen shows, built from the game state without any form: the shield
// gauges, the ability buttons, the modifier icons, the missiles in flight, the action-point bar,
// the reinforcement radars and the texts read out in compatibility mode. The screen copies these
// into its components; the tests read them as tables.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "state/abilities.h"
#include "state/equipment.h"

namespace screens {

using state::Side;

inline constexpr int kCombatAbilityButtons = 12;
inline constexpr int kCombatModifierIcons = 8;

// The shield gauge of a ship with `shields` of `baseShields`: "Shield_00.jpg".."Shield_30.jpg" in
// thirtieths, a ship with any shields left showing at least the first step. A ship above its base
// shields shows a full gauge; a base of 0 or less counts as 1.
std::string ShieldGaugePicture(std::int32_t shields, std::int32_t baseShields);
// The same for the ship of `side`, against its class's base shields.
std::string ShieldGaugePicture(Side side);

struct AbilityButtonView {
  bool shown = false;  // an empty slot has no button
  bool lit = false;    // the "_on.jpg" picture; else "_off.jpg"
  std::string picture;
  std::string hint;  // empty: the layout's hint stays
};
// Ability button `slot` 1..12. Slot 1 stands for the guns and slot 2 for the missiles whatever
// they hold: the guns are dark while overheated, the missiles while reloading; every button is
// dark while the enemy's EMP holds the ship.
AbilityButtonView BuildAbilityButton(int slot);

struct ModifierIconView {
  bool active = false;
  state::Ability ability = state::kNoAbility;
  std::string picture;
  std::string hint;
};
// Modifier icon `slot` 1..8 of the list that `side` caused.
ModifierIconView BuildModifierIcon(Side side, int slot);

struct MissileView {
  bool shown = false;  // a volley in flight
  std::string count;   // turns until impact
};
MissileView BuildMissileView(Side side);

// The player's action-point bar: five steps, or eight for a ship that acts on six or more points
// per turn. The enemy's bar always shows "Combo_00.jpg".
std::string ActionPointBarPicture();
inline constexpr const char* kEnemyActionPointBar = "Combo_00.jpg";

// The streak of a gun volley that missed the ship of `target`, in the colour of the gun that fired
// it: the shooter's firing picture ("..._r_f3.jpg") names the gun, "ShotPast_f3_L.jpg" flies left
// past the player's ship. A firing picture that names no gun gives the first gun's streak.
std::string MissStreakPicture(std::string_view shooterFiring, Side target);

// A gun volley crossing the gap between the ships: the picture ("GunBeam_f3_R.jpg" level,
// "GunBeamUp_..." climbing, "GunBeamDown_..." falling; "_R" fired by the player, rightwards) and
// the place it is stretched over, from the firing ship's edge at (fromX, fromY) to the point it
// strikes at (toX, toY). `shooterHeight` is the firing ship's drawn height, which the beams'
// spread follows.
struct GunBeamView {
  std::string picture;
  int x = 0, y = 0, w = 0, h = 0;
};
GunBeamView BuildGunBeam(std::string_view shooterFiring, Side shooter, int fromX, int fromY, int toX, int toY,
                         int shooterHeight);

struct RadarView {
  bool shown = false;  // reinforcements are coming or have come
  int step = 0;        // 0 arrived, 1 close (1..3 turns), 2 far (4..100 turns)
  std::string picture;
};
// The radar on the side of `side` (the player's on the left).
RadarView BuildRadarView(Side side);

// What the compatibility mode writes on the screen: the switch that turns it off, a caption under
// every ability button (the first three by their place: guns, missiles, ECM) and the state of the
// fight in words.
struct CombatCompatibilityTexts {
  std::string modeSwitch;
  std::array<std::string, kCombatAbilityButtons> abilities;  // button k at k - 1; "" for none
  std::string actionPoints;
  struct SideTexts {
    std::string shields;         // "Your shields: 80%"
    std::string missile;         // the volley in flight, or none fired
    std::string reinforcements;  // on the way, arrived, or none in reach
  };
  SideTexts player, enemy;
  const SideTexts& Of(Side side) const { return side == Side::Player ? player : enemy; }
};
CombatCompatibilityTexts BuildCompatibilityTexts();

}  // namespace screens
