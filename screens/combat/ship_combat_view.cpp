#include "screens/combat/ship_combat_view.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include "combat/ability_ids.h"
#include "combat/modifiers.h"
#include "combat/sides.h"
#include "screens/shared/doors.h"
#include "state/abilities.h"
#include "state/fields.h"
#include "state/ship_class_of.h"
#include "state/ship_classes.h"
#include "state/variables.h"

namespace screens {
namespace {

std::string TwoDigits(int n) {
  char buffer[8];
  std::snprintf(buffer, sizeof buffer, "%02d", n);
  return buffer;
}

std::int32_t BaseShields(Side side) {
  return state::GetShipClassBaseShields(state::ShipClassOf(combat::Ship(side)));
}

// What the overheated guns cannot do: fire the guns in any form.
bool NeedsCoolGuns(state::Ability ability) {
  using namespace combat;
  switch (ability) {
    case kFocusBeam:
    case kOverloadGun:
    case kExploit:
    case kEmp:
    case kExploit2:
    case kEmp2:
    case kFocusBeam2: return true;
    default: return false;
  }
}

std::string Percent(std::int32_t shields, std::int32_t base) {
  const std::int64_t divisor = base > 0 ? base : 1;
  return std::to_string(static_cast<std::int64_t>(shields) * 100 / divisor) + "%";
}

std::string VolleyText(Side side) {
  const auto& volley =
      side == Side::Player ? state::PlayerMissileVolley : state::EnemyMissileVolley;
  const char* who = side == Side::Player ? "Player missile - " : "Enemy missile - ";
  if (volley[missile_volley::kInFlight] > 0)
    return who + std::to_string(volley[missile_volley::kTurnsToImpact]) + " turns until impact.";
  return side == Side::Player ? "No missiles fired." : "No enemy missiles fired.";
}

std::string ReinforcementText(Side side) {
  const std::int32_t c = combat::Ship(side)[ship::kReinforcements];
  const bool player = side == Side::Player;
  if (c > 0)
    return std::string(player ? "Reinforcements approaching - "
                              : "Enemy reinforcements approaching - ") +
           std::to_string(c) + " turns away.";
  if (c == 0) return player ? "Reinforcements support you." : "Enemy reinforcements attack!";
  return player ? "No reinforcements in reach." : "No enemy reinforcements in reach.";
}

}  // namespace

std::string ShieldGaugePicture(std::int32_t shields, std::int32_t baseShields) {
  const std::int64_t base = baseShields > 0 ? baseShields : 1;
  std::int64_t n = static_cast<std::int64_t>(shields) * 30 / base;
  if (shields > 0 && n == 0) n = 1;
  if (n > 30) n = 30;
  if (n < 0) n = 0;
  return "Shield_" + TwoDigits(static_cast<int>(n)) + ".jpg";
}

std::string ShieldGaugePicture(Side side) {
  return ShieldGaugePicture(combat::Ship(side)[ship::kShields], BaseShields(side));
}

AbilityButtonView BuildAbilityButton(int slot) {
  AbilityButtonView view;
  if (slot < 1 || slot > kCombatAbilityButtons) return view;
  if (state::PlayerAbilitySlots[slot] < 1) return view;
  const state::Ability id{state::PlayerAbilitySlots[slot]};
  const bool overheated = combat::ModifierActive(Side::Player, combat::kOverheated);
  const bool stunned = combat::ModifierActive(Side::Enemy, combat::kEmp) ||
                       combat::ModifierActive(Side::Enemy, combat::kEmp2);
  bool lit = true;
  if (slot == 1) {
    lit = !overheated && !stunned;
  } else if (overheated && NeedsCoolGuns(id)) {
    lit = false;
  } else if (stunned) {
    lit = false;
  } else if (slot == 2) {
    lit = state::PlayerShip[ship::kMissileReload] == 0;
  }
  view.shown = true;
  view.lit = lit;
  view.picture = state::GetAbilityImage(id) + (lit ? "_on.jpg" : "_off.jpg");
  if (slot >= 4) view.hint = state::GetAbilityName(id) + " [Right-click for info]";
  return view;
}

ModifierIconView BuildModifierIcon(Side side, int slot) {
  ModifierIconView view;
  if (slot < 1 || slot > kCombatModifierIcons) return view;
  const auto& row = combat::ListOf(side)[slot];
  if (row[modifier::kActive] <= 0) return view;
  view.active = true;
  view.ability = state::Ability{row[modifier::kAbility]};
  view.picture = state::GetAbilityImage(view.ability) + "_ActiveMod.jpg";
  view.hint = "Active: " + state::GetAbilityName(view.ability) + " [Right-click for info]";
  return view;
}

MissileView BuildMissileView(Side side) {
  const auto& volley =
      side == Side::Player ? state::PlayerMissileVolley : state::EnemyMissileVolley;
  MissileView view;
  view.shown = volley[missile_volley::kInFlight] >= 1;
  if (view.shown) view.count = std::to_string(volley[missile_volley::kTurnsToImpact]);
  return view;
}

namespace {

// The gun a firing picture ("..._r_f3.jpg") shows, '1' when it names none.
char GunOfFiringPicture(std::string_view firing) {
  if (const auto at = firing.rfind("_f");
      at != std::string_view::npos && at + 2 < firing.size() && firing[at + 2] >= '1' && firing[at + 2] <= '8')
    return firing[at + 2];
  return '1';
}

}  // namespace

std::string MissStreakPicture(std::string_view shooterFiring, Side target) {
  return std::string("ShotPast_f") + GunOfFiringPicture(shooterFiring) + (target == Side::Player ? "_L.jpg" : "_R.jpg");
}

GunBeamView BuildGunBeam(std::string_view shooterFiring, Side shooter, int fromX, int fromY, int toX, int toY,
                         int shooterHeight) {
  // The beams' spread at the firing ship: as wide as they leave a full-sized ship's picture.
  const int band = std::max(16, shooterHeight * 48 / 160);
  const int rise = toY - fromY;
  GunBeamView v;
  v.x = std::min(fromX, toX);
  v.w = std::abs(toX - fromX);
  std::string slope;
  if (std::abs(rise) < band / 4) {  // level: the beams' middle between both ends
    v.h = band;
    v.y = (fromY + toY) / 2 - band / 2;
  } else {  // the beams run between the picture's quarter heights, climbing or falling
    slope = rise < 0 ? "Up" : "Down";
    v.h = 2 * std::abs(rise);
    v.y = rise < 0 ? fromY - v.h * 3 / 4 : fromY - v.h / 4;
  }
  v.picture = "GunBeam" + slope + "_f" + GunOfFiringPicture(shooterFiring) + (shooter == Side::Player ? "_R.jpg" : "_L.jpg");
  return v;
}

std::string ActionPointBarPicture() {
  const std::int32_t ap = state::PlayerShip[ship::kActionPoints];
  if (state::PlayerShip[ship::kLongActionPointBar] == 1) {
    const int step = ap <= 0 ? 0 : ap >= 8 ? 8 : static_cast<int>(ap);
    return "AP8x" + std::to_string(step) + ".jpg";
  }
  const int step = ap <= 0 ? 0 : ap >= 5 ? 5 : static_cast<int>(ap);
  return "Combo_" + TwoDigits(step) + ".jpg";
}

RadarView BuildRadarView(Side side) {
  const std::int32_t c = combat::Ship(side)[ship::kReinforcements];
  RadarView view;
  if (c < 0 || c > 100) return view;
  view.shown = true;
  view.step = c == 0 ? 0 : c <= 3 ? 1 : 2;
  view.picture = std::string(side == Side::Player ? "left" : "right") + "_reinforcements_" +
                 std::to_string(3 - view.step) + ".jpg";
  return view;
}

CombatCompatibilityTexts BuildCompatibilityTexts() {
  CombatCompatibilityTexts texts;
  texts.modeSwitch = "Compatibility mode for the visually impaired (Click to turn off!)";
  texts.abilities[0] = "Fire your guns";
  texts.abilities[1] = "Start missiles";
  texts.abilities[2] = "Use ECM to destroy enemy missiles";
  for (int slot = 4; slot <= kCombatAbilityButtons; ++slot)
    texts.abilities[static_cast<std::size_t>(slot - 1)] =
        state::GetAbilityName(state::Ability{state::PlayerAbilitySlots[slot]});
  texts.actionPoints =
      std::to_string(state::PlayerShip[ship::kActionPoints]) + " action-points (AP) left.";
  texts.player.shields =
      "Your shields: " + Percent(state::PlayerShip[ship::kShields], BaseShields(Side::Player));
  texts.enemy.shields =
      "Enemy shields: " + Percent(state::EnemyShip[ship::kShields], BaseShields(Side::Enemy));
  for (Side side : {Side::Player, Side::Enemy}) {
    CombatCompatibilityTexts::SideTexts& t = side == Side::Player ? texts.player : texts.enemy;
    t.missile = VolleyText(side);
    t.reinforcements = ReinforcementText(side);
  }
  return texts;
}

std::string TutorialArrowControl(std::string_view arrowAt, std::string_view arrowAtAbility) {
  if (arrowAtAbility.empty()) return std::string(arrowAt);
  for (int k = 1; k <= kCombatAbilityButtons; ++k) {
    const state::Ability ability{state::PlayerAbilitySlots[k]};
    if (ability != state::kNoAbility && state::GetAbilityName(ability) == arrowAtAbility)
      return "AbilityButton" + std::to_string(k);
  }
  return {};
}

}  // namespace screens
