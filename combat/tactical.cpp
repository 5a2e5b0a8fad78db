#include "combat/tactical.h"

#include <cstdint>
#include <limits>
#include <string>
#include <string_view>

#include "audio/sound.h"
#include "combat/ability_ids.h"
#include "combat/action_points.h"
#include "combat/combat_end.h"
#include "combat/gun_attack.h"
#include "combat/modifiers.h"
#include "combat/setup.h"
#include "combat/sides.h"
#include "state/equipment.h"
#include "rules/tutorial.h"
#include "state/equipment_ids.h"
#include "state/fields.h"
#include "state/random.h"
#include "state/ship_class_of.h"
#include "state/ship_classes.h"
#include "state/variables.h"

namespace combat {
namespace {

constexpr std::int32_t kEscapeCost = 5;

// --- Lasting effects ------------------------------------------------------------------------------

struct LastingEffect {
  state::Ability id;
  std::int32_t cost;           // the same for both sides
  bool enemyUsesEcmCue;        // otherwise the enemy plays the ability cue, as the player does
  std::string_view topic;      // empty: no message
  std::string_view playerText;
  std::string_view enemyText;
};

constexpr std::string_view kTauntPlayer =
    "You taunt the enemy pilot, which makes him attack you blindly reducing his accuracy.";
constexpr std::string_view kTauntEnemy =
    "The enemy pilot taunts you and you feel the anger rising and reducing your accuracy.";

constexpr LastingEffect kLastingEffects[] = {
    // id            cost  ECM cue  topic                message of the player / of the enemy
    {kTargetLock,    1,    true,    "",                  "", ""},
    {kDiscipline,    1,    true,    "",                  "", ""},
    {kManouvers,     1,    true,    "",                  "", ""},
    {kDoubleSpeed,   1,    false,   "",                  "", ""},
    {kTaunt,         1,    true,    "Taunt !!",          kTauntPlayer, kTauntEnemy},
    {kTractorBeam,   2,    true,    "Tractor beam !!",
     "You focus the enemy ship with a tractor beam. He cannot escape anymore.",
     "The enemy pilot has focused you with a tractor beam! You cannot escape anymore!"},
    {kEvilTaunt,     1,    true,    "Evil Taunt !!",     kTauntPlayer, kTauntEnemy},
};

const LastingEffect* FindLastingEffect(state::Ability id) {
  for (const LastingEffect& e : kLastingEffects)
    if (e.id == id) return &e;
  return nullptr;
}

// The player clicked an active "Tractor beam": it may be switched off, for nothing paid back.
void OfferTractorBeamOff(CombatUi& ui) {
  if (!ui.Ask("Turn off?", "Do you wish to turn off this ability?")) return;
  ClearModifier(Side::Player, kTractorBeam);
  ui.Refresh(Display::Modifiers);
}

void SwitchOnPlayer(const LastingEffect& effect, CombatUi& ui) {
  if (FindPlayerModifierSlot(effect.id) > 0) {
    ui.ShowPopup(CombatPopup::Text, "N/A",
                 "This ability is already active and cannot be activated twice. You can see the "
                 "active abilities at the top left corner of your screen.");
    if (effect.id == kTractorBeam) OfferTractorBeamOff(ui);
    return;
  }
  if (FindFreePlayerModifierSlot() == 0) return;
  if (!PayActionPoints(Side::Player, effect.cost, ui)) return;
  if (effect.id == kDiscipline)
    rules::FollowTutorial(ui.Rules(), rules::TutorialEvent::DisciplineActivated);
  audio::PlayAbilityUsedSound();
  if (!effect.topic.empty()) ui.ShowMessage(Side::Player, effect.topic, effect.playerText);
  ui.Refresh(Display::AbilityButtons);
  AddPlayerModifier(effect.id, ui);
  ui.Refresh(Display::Modifiers);
}

void SwitchOnEnemy(const LastingEffect& effect, CombatUi& ui) {
  if (FindEnemyModifierSlot(effect.id) > 0 || FindFreeEnemyModifierSlot() == 0) return;
  if (!PayActionPoints(Side::Enemy, effect.cost, ui)) return;
  if (effect.enemyUsesEcmCue)
    audio::PlayEcmSound();
  else
    audio::PlayAbilityUsedSound();
  if (!effect.topic.empty()) ui.ShowMessage(Side::Enemy, effect.topic, effect.enemyText);
  ui.Refresh(Display::AbilityButtons);
  AddEnemyModifier(effect.id);
  ui.Refresh(Display::Modifiers);
}

// --- Escapes --------------------------------------------------------------------------------------

std::string ScenePicture(Side side) {
  const auto& ship = Ship(side);
  return state::GetShipFactionImage(state::ShipClassOf(ship), Faction{ship[ship::kFaction]}) +
         "_Scene.jpg";
}

// The escape ends the fight at once. The combat screen's close handler stops its timers and clears
// the enemy's waiting flag right away, so nothing of the turn in progress may go on behind the
// closed screen: the escaping player's turn is over (no automatic end of turn hands the move to
// the enemy), and the escaping enemy's decision list has run out (no later step, no new round).
void EscapePlayer(CombatUi& ui) {
  ui.ShowPopup(CombatPopup::Picture, "You escape!", "You are able to escape from the battle!",
               ScenePicture(Side::Player));
  CloseShipCombat(ui);
  state::PlayerShip[ship::kActionPoints] = kTurnEnded;
}

void EscapeEnemy(std::string_view text, bool offersNoBoarding, CombatUi& ui) {
  ui.ShowPopup(CombatPopup::Picture, "Enemy escapes!", text, ScenePicture(Side::Enemy));
  if (offersNoBoarding) BoardingOffered = 1;
  CloseShipCombat(ui);
  state::EnemyShip[ship::kDecisionStep] = kEnemyDecisionSteps;
}

void EscapeImpossible(std::string_view text, CombatUi& ui) {
  ui.ShowMessage(Side::Player, "Escape impossible !!", text);
}

constexpr std::string_view kTractorHolds =
    "The enemy ship uses a tractor beam. Trying to escape is useless!";

// The player's attempt after the refusals: 5 AP, the engine's cue, then the roll.
void TryPlayerEscape(std::int32_t chance, CombatUi& ui) {
  if (!PayActionPoints(Side::Player, kEscapeCost, ui)) return;
  audio::PlayFlySound();
  if (state::Random(100) < chance) {
    EscapePlayer(ui);
  } else {
    ui.ShowMessage(Side::Player, "Escape failed !!",
                   "Your attempt to escape the enemy ship failed. Try again...");
  }
}

void FleePlayer(CombatUi& ui) {
  if (FindEnemyModifierSlot(kTractorBeam) > 0) return EscapeImpossible(kTractorHolds, ui);
  TryPlayerEscape(30, ui);
}

void CloakPlayer(CombatUi& ui) {
  if (FindEnemyModifierSlot(kTractorBeam) > 0) return EscapeImpossible(kTractorHolds, ui);
  if (FindEnemyModifierSlot(kMark) > 0)
    return EscapeImpossible("The enemy ship has put a target mark on you. You cannot cloak.", ui);
  if (CargoModuleId{state::PlayerShip[ship::kCargoModule]} != kModuleCloakingDevice) {
    ui.ShowPopup(CombatPopup::Picture, "Problem !",
                 "You do not have cloaking devices equipped. This is a cargo space upgrade.",
                 ScenePicture(Side::Player));
    return;
  }
  TryPlayerEscape(50, ui);
}

void EnemyEscapeFailed(CombatUi& ui) {
  ui.ShowMessage(Side::Enemy, "Escape failed !!", "The enemy attempt to escape failed.");
}

void FleeEnemy(CombatUi& ui) {
  if (FindPlayerModifierSlot(kTractorBeam) > 0) return;
  if (!PayActionPoints(Side::Enemy, kEscapeCost, ui)) return;
  audio::PlayEcmSound();
  const std::int32_t r = state::Random(100);
  // Once boarding has been offered the enemy's try costs its points and nothing else.
  if (BoardingOffered == 1) return;
  if (r < 20) {
    EscapeEnemy("The enemy is able to escape from the battle! Maybe you should acquire and/or use "
                "the ability \"tractor beam\" to prevent this from happening in the future...",
                true, ui);
  } else {
    EnemyEscapeFailed(ui);
  }
}

// The enemy's ability list stands for its equipment: it cloaks without a device of its own, and
// whatever the player's hold carries does not matter.
void CloakEnemy(CombatUi& ui) {
  if (FindPlayerModifierSlot(kTractorBeam) > 0 || FindPlayerModifierSlot(kMark) > 0) return;
  if (!PayActionPoints(Side::Enemy, kEscapeCost, ui)) return;
  audio::PlayEcmSound();
  if (state::Random(100) < 40) {
    EscapeEnemy("The enemy is able to escape from the battle!", false, ui);
  } else {
    EnemyEscapeFailed(ui);
  }
}

// --- Exploit --------------------------------------------------------------------------------------

std::int32_t DoubleDamage(std::int32_t d) {
  constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();
  constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();
  if (d > kMax / 2) return kMax;
  if (d < kMin / 2) return kMin;
  return 2 * d;
}

// The side's own EMP holds the other side stunned.
bool HoldsOpponentStunned(Side side) {
  return ModifierActive(side, kEmp) || ModifierActive(side, kEmp2);
}

void Exploit(Side side, CombatUi& ui) {
  if (!HoldsOpponentStunned(side)) {
    if (side == Side::Player)
      ui.ShowPopup(CombatPopup::Text, "Problem", "The enemy needs to be stunned by an EMP attack.");
    return;
  }
  if (!PayActionPoints(side, GunCost(side) + 2, ui)) return;
  PresentGunFire(side, ui);
  GunAttack attack;
  attack.damageFactor = DoubleDamage;
  attack.hitTopic = "Exploit !!";
  attack.missTopic = "Exploit !!";
  if (side == Side::Player) {
    attack.hitText = "You exploit the enemy being stunned by an EMP and cause ";
    attack.missText = "You fire your guns, but miss the enemy ship.";
  } else {
    attack.hitText = "The enemy exploits you being stunned by an EMP and causes ";
    attack.missText = "The enemy fires his guns, but misses you.";
  }
  ResolveGunAttack(side, attack, ui);
}

}  // namespace

void ResolveTacticalAbility(Side side, state::Ability id, CombatUi& ui) {
  if (const LastingEffect* effect = FindLastingEffect(id)) {
    if (side == Side::Player)
      SwitchOnPlayer(*effect, ui);
    else
      SwitchOnEnemy(*effect, ui);
    return;
  }
  switch (id) {
    case kFlee: side == Side::Player ? FleePlayer(ui) : FleeEnemy(ui); break;
    case kCloak: side == Side::Player ? CloakPlayer(ui) : CloakEnemy(ui); break;
    case kExploit: Exploit(side, ui); break;
    default: break;
  }
}

}  // namespace combat
