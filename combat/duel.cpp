#include "combat/duel.h"

#include "combat/ability_ids.h"
#include "combat/combat_end.h"
#include "combat/modifiers.h"
#include "combat/rounds.h"
#include "combat/setup.h"
#include "combat/sides.h"
#include "state/abilities.h"
#include "state/equipment.h"
#include "state/equipment_ids.h"
#include "state/fields.h"
#include "state/new_world.h"
#include "state/random.h"
#include "state/ship_class_of.h"
#include "state/ship_classes.h"
#include "state/variables.h"

namespace combat {
namespace {

constexpr int kMaxActionsPerTurn = 24;

// The button holding an owned ability `id`; 0 when there is none.
int SlotOf(state::Ability id) {
  if (state::AbilityOwned[state::Stored(id)] != 1) return 0;
  for (int k = 1; k <= 12; ++k)
    if (state::Ability{state::PlayerAbilitySlots[k]} == id) return k;
  return 0;
}

// The next button the captain presses, 0 for none.
int ChooseAction() {
  const auto& p = state::PlayerShip;
  const auto& e = state::EnemyShip;
  const std::int32_t ap = p[ship::kActionPoints];
  if (const int k = SlotOf(kEcm); k && state::EnemyMissileVolley[missile_volley::kInFlight] > 0 &&
                                  ap >= state::EcmItem(EcmId{p[ship::kEcm]}).apCost)
    return k;
  if (const int k = SlotOf(kFireMissiles);
      k && p[ship::kShields] > 0 && state::PlayerMissileVolley[missile_volley::kInFlight] == 0 &&
      p[ship::kMissileReload] == 0 &&
      !(MissileId{p[ship::kMissileLauncher]} == kMissileZeusMk1 &&
        state::GetShipClassSize(state::ShipClassOf(e)) == state::kSizeFighter) &&
      ap >= state::GetMissileApCost(state::ShipClassOf(p), MissileId{p[ship::kMissileLauncher]},
                                    state::Side::Player))
    return k;
  if (const int k = SlotOf(kFireGuns);
      k && !ModifierActive(state::Side::Player, kOverheated) &&
      state::ActiveShipSpecial(state::Side::Player) != state::kSpecialShieldPlus &&
      ap >= GunCost(state::Side::Player))
    return k;
  return 0;
}

bool FightGoesOn() {
  return state::PlayerShip[ship::kAlive] > 0 && state::EnemyShip[ship::kAlive] > 0;
}

}  // namespace

void SetupDuel(const DuelSetup& setup, CombatUi& ui) {
  state::ClearGameState();
  state::PlayerData[player::kProfession] = state::Stored(setup.profession);
  state::PlayerData[player::kFaction] = state::Stored(setup.playerFaction);
  state::CreateNewGameWorld(setup.playerClass, {});
  state::Randomize(setup.seed);
  SetupShipCombat(setup.enemyClass, setup.enemyFaction, setup.enemyKind, setup.enemyTier, ui);
  PrepareShipCombat();
  RefreshShipCombatScreen(ui);
}

void PlayPlayerTurn(CombatUi& ui) {
  for (int n = 0; n < kMaxActionsPerTurn; ++n) {
    if (!FightGoesOn() || state::PlayerShip[ship::kActionPoints] == -100) break;
    const int slot = ChooseAction();
    if (slot == 0) break;
    const std::int32_t before = state::PlayerShip[ship::kActionPoints];
    UseAbilitySlot(slot, ui);
    if (state::PlayerShip[ship::kActionPoints] == before)
      break;  // refused: nothing more to try this turn
  }
  if (FightGoesOn() && state::PlayerShip[ship::kActionPoints] != -100) EndPlayerTurn(ui);
}

void PumpEnemyTurn(CombatUi& ui) {
  while (state::EnemyShip[ship::kAwaitingMessage] == 1) EnemyMessageTimerTick(ui);
}

DuelResult PlayDuel(RecordingUi& ui, int maxRounds) {
  DuelResult result;
  result.levelBefore = state::PlayerData[player::kLevel];
  result.experienceBefore = state::PlayerData[player::kExperience];
  const std::int64_t credits = state::PlayerData[player::kCredits];
  while (!ui.closed && result.rounds < maxRounds) {
    ++result.rounds;
    PlayPlayerTurn(ui);
    PumpEnemyTurn(ui);
  }
  result.ended = ui.closed;
  result.playerWon = state::EnemyShip[ship::kAlive] == 0;
  result.playerDestroyed = state::PlayerShip[ship::kAlive] == 0;
  result.levelAfter = state::PlayerData[player::kLevel];
  result.experienceAfter = state::PlayerData[player::kExperience];
  result.credits = state::PlayerData[player::kCredits] - credits;
  return result;
}

}  // namespace combat
