#include "rules/space_finds.h"

#include <algorithm>
#include <string>

#include "rules/credits.h"
#include "rules/trade.h"
#include "state/equipment.h"
#include "state/factions.h"
#include "state/fields.h"
#include "state/format.h"
#include "state/goods.h"
#include "state/progression.h"
#include "state/random.h"
#include "state/skills.h"
#include "state/variables.h"

namespace rules {
namespace {

using state::PlayerData;
using state::Random;
using state::SpaceFinds;

constexpr std::int32_t kFindDays = 15;
constexpr std::int64_t kLeastFortune = 2500;
constexpr std::int64_t kMostFortune = 50000;

using state::IsSystem;

// The ship's find slot 1..4, or 0 when it sits at a body.
std::int32_t ShipFindSlot() { return -state::PlayerShip[ship::kBody]; }

// A fortune found or sold: a random part of the credits by the divisor, times the military rank,
// never below 2500 or above 50000.
std::int32_t Fortune(std::int32_t divisor) {
  const std::int64_t amount =
      static_cast<std::int64_t>(Random(PlayerData[player::kCredits] / divisor)) *
      PlayerData[player::kRank];
  return static_cast<std::int32_t>(std::clamp(amount, kLeastFortune, kMostFortune));
}

void Remove(state::TSpaceFindRow& find, Ui& ui) {
  find[space_find::kPresent] = 0;
  ui.ShowSpaceFinds();
}

void OpenLifepod(std::int32_t s, state::TSpaceFindRow& find, Ui& ui) {
  bool freeSlot = false;
  for (int k = 1; k <= state::kLastFindSlot; ++k) {
    if (SpaceFinds[s][k][space_find::kPresent] == 0) freeSlot = true;
  }
  if (freeSlot) {
    SpawnSpaceFind(s, ui);
    SpawnSpaceFind(s, ui);
    ui.Message(Popup::Picture, "Lifepod:",
               "You open the lifepod. The crew is dead, but you are able to download information "
               "about hidden locations.",
               "lifepodr.jpg");
  } else {
    ui.Message(Popup::Picture, "Lifepod:",
               "You open the lifepod. The crew is dead and you cannot find anything else of value.",
               "lifepodr.jpg");
  }
  Remove(find, ui);
}

void OpenTreasure(state::TSpaceFindRow& find, Ui& ui) {
  const std::int32_t amount = Fortune(20);
  AddSaturated(PlayerData[player::kCredits], amount);
  ui.UpdateStatusBars();
  ui.Message(Popup::Picture, "Treasure:",
             "You have found a hidden treasure. It is worth about " + state::FormatThousands(amount) +
                 " credits.",
             "treasurer.jpg");
  Remove(find, ui);
}

void BoardGhostShip(state::TSpaceFindRow& find, Ui& ui) {
  ui.Message(Popup::Picture, "Ghost ship:",
             "There are no lifesigns on board of the ghost ship, but there is a reactor breach and "
             "the ship can explode anytime. Hurry!",
             "ghostshipr.jpg");
  const std::int32_t capacity = state::PlayerShip[ship::kCargoSpace];
  const std::int32_t want = Random(capacity) + capacity / 2;
  const std::int32_t free = FreeCargoSpace();
  const std::int32_t looted = std::max(0, std::min(want, free));
  const std::int32_t left = std::max(0, want - looted);
  const std::int64_t value = static_cast<std::int64_t>(Random(140) + 70) * looted;
  AddSaturated(PlayerData[player::kCredits], value);
  ui.UpdateStatusBars();
  std::string sale = "$";
  sale += state::FormatThousands(static_cast<std::int32_t>(std::min<std::int64_t>(value, INT32_MAX)));
  sale += '.';
  std::string text;
  if (looted == 0) {
    text = "Because of your full cargobay you - unfortunately - cannot loot any cargo from the "
           "remains of the enemy ship.";
  } else if (left > 0) {
    text = "Congratulations! You loot " + std::to_string(looted) + "E of cargo (" +
           std::to_string(left) + "E have to be left behind due to limited cargo space). You can "
           "sell it for " + sale;
  } else {
    text = "Congratulations! You loot " + std::to_string(looted) + "E of cargo. You can sell it for " + sale;
  }
  ui.Message(Popup::Reward, "", text, "treasurer.jpg");
  Remove(find, ui);
}

void ExamineArtifact(state::TSpaceFindRow& find, Ui& ui) {
  const bool sell = ui.Choose("Alien Artifact:",
                              "You have found a strange little alien artifact. You can either sell "
                              "it on the black market or give it to your government for fame.",
                              "alienartifactr.jpg", "Sell", "Give");
  if (sell) {
    const std::int32_t amount = Fortune(30);
    AddSaturated(PlayerData[player::kCredits], amount);
    ui.UpdateStatusBars();
    ui.Message(Popup::Text, "Black market:",
               "You sell the artifact on the black market and receive " +
                   state::FormatThousands(amount) + " credits.");
  } else {
    const std::int32_t level = PlayerData[player::kLevel];
    const std::int32_t share = level < 2 ? 4 : 8;
    AddExperience(state::GetLevelExperience(level) / share, ui);
    ui.UpdateStatusBars();
    ShowExperienceNotice(ui);
  }
  Remove(find, ui);
}

void ReceiveSecretData(state::TSpaceFindRow& find, Ui& ui) {
  const std::int32_t capacity = state::PlayerShip[ship::kCargoSpace];
  const std::int32_t want = Random(capacity / 5) + capacity / 10;
  const std::int32_t free = FreeCargoSpace();
  const std::int32_t kept = std::max(0, std::min(want, free));
  const std::int32_t left = std::max(0, want - kept);
  std::string text = "You receive some transmissions including secret data. You download " +
                     std::to_string(want) + " units of secret data on large data carriers.";
  if (left > 0) {
    text += " You have to leave " + std::to_string(left) + " units behind, due to limited cargo space.";
  }
  if (!ui.Choose("Secret data:", text, "GeneralMissionPic.jpg", "Keep (Illegal)", "Delete")) return;
  if (!state::HasSpySensors()) {
    ui.Message(Popup::Text, "N/A",
               "Sorry, you need to have the \"spy equipment\" upgrade for your ship in order to "
               "decode the data.");
    return;
  }
  AddSaturated(state::Cargo[state::Stored(kGoodStolenData)], kept);
  Remove(find, ui);
}

}  // namespace

void SpawnSpaceFind(std::int32_t s, Ui& ui) {
  if (!IsSystem(s)) return;
  std::int32_t taken = 0;
  for (std::int32_t k = 1; k <= state::kLastFindSlot; ++k) {
    if (SpaceFinds[s][k][space_find::kPresent] != 0 || k == ShipFindSlot()) continue;
    if (taken == 0 || Random(100) < 40) taken = k;
  }
  if (taken == 0) return;
  state::TSpaceFindRow& find = SpaceFinds[s][taken];
  find[space_find::kPresent] = 1;
  find[space_find::kDaysLeft] = kFindDays;
  const std::int32_t roll = Random(100);
  const SpaceFindKind kind = roll <= 20   ? kFindLifepod
                             : roll <= 60 ? kFindTreasure
                             : roll <= 80 ? kFindGhostShip
                                          : kFindAlienArtifact;
  find[space_find::kKind] = state::Stored(kind);
  const std::int32_t r = Random(100);
  const Faction pf{PlayerData[player::kFaction]};
  const Faction owner{state::SystemData[s][star_system::kOwner]};
  const std::int32_t p = state::Stored(pf);
  const bool ownFactionValid = p >= 0 && p < state::kFactions && state::IsFaction(owner);
  if (state::OwnsSkill(kSkillTraitor) && owner != pf && ownFactionValid &&
      state::FactionData[p][faction::AtWarWith(owner)] > 0 && r <= 15) {
    find[space_find::kKind] = state::Stored(kFindEnemySecretData);
  }
  if (state::OwnsSkill(kSkillSyndicate) && owner == pf && r <= 15)
    find[space_find::kKind] = state::Stored(kFindOwnSecretData);
  ui.ShowSpaceFinds();
}

void UpdateSpaceFinds(Ui& ui) {
  for (std::int32_t s = 1; s <= state::kLastSystem; ++s) {
    for (std::int32_t k = 1; k <= state::kLastFindSlot; ++k) {
      state::TSpaceFindRow& find = SpaceFinds[s][k];
      if (find[space_find::kPresent] == 0) continue;
      find[space_find::kDaysLeft] -= 1;
      if (find[space_find::kDaysLeft] > 0) continue;
      find[space_find::kPresent] = 0;
      if (s == state::PlayerShip[ship::kSystem]) ui.ShowSpaceFinds();
    }
  }
  for (std::int32_t s = 1; s <= state::kLastSystem; ++s) {
    for (std::int32_t k = 1; k <= state::kLastFindSlot; ++k) {
      if (SpaceFinds[s][k][space_find::kPresent] != 0 || k == ShipFindSlot()) continue;
      if (Random(200) <= 1) SpawnSpaceFind(s, ui);
    }
  }
}

void ResolveSpaceFind(std::int32_t slot, Ui& ui) {
  const std::int32_t s = state::PlayerShip[ship::kSystem];
  if (!IsSystem(s) || slot < 1 || slot > state::kLastFindSlot) return;
  state::TSpaceFindRow& find = SpaceFinds[s][slot];
  if (find[space_find::kPresent] == 0) return;
  switch (SpaceFindKind{find[space_find::kKind]}) {
    case kFindLifepod: OpenLifepod(s, find, ui); break;
    case kFindTreasure: OpenTreasure(find, ui); break;
    case kFindGhostShip: BoardGhostShip(find, ui); break;
    case kFindAlienArtifact: ExamineArtifact(find, ui); break;
    case kFindEnemySecretData:
    case kFindOwnSecretData: ReceiveSecretData(find, ui); break;
    default: break;
  }
}

}  // namespace rules
