// A random game for the save-game tests: every saved element filled, every field that indexes a
// table in its range, and a snapshot of the saved game as bytes.
#pragma once

#include <cstdint>
#include <random>
#include <span>
#include <string>
#include <vector>

#include "state/fields.h"
#include "state/savegame.h"
#include "state/variables.h"

namespace save_test {

using namespace state;

// Texts the random game draws from: plain, accented and typographic characters the code page holds.
inline const std::vector<std::string> kWords = {
    "",          "Sol",   "Ship´s log",     "Neu Düsseldorf", "\xe2\x80\x93",  // "–"
    "It\xe2\x80\x99s", "\xe2\x82\xac" "5",  "Café Noir",      "*Rum",   "Zoë & Ærø",
};

// Fills every saved element, index 0 included, with random values a game can hold, then puts every
// field with a range of its own (the fields that index a table among them) into it so that the
// game passes the load check.
inline void RandomGame(unsigned seed) {
  std::mt19937 rng(seed);
  std::uniform_int_distribution<std::int32_t> any(-kMostSavedValue, kMostSavedValue);
  auto in = [&](int low, int high) { return std::uniform_int_distribution<int>(low, high)(rng); };
  auto row = [&](auto& r) {
    for (int f = 0; f <= 100; ++f) Positions(r)[f] = any(rng);
  };
  auto text = [&] {
    std::string s = kWords[in(0, static_cast<int>(kWords.size()) - 1)];
    if (in(0, 3) == 0) s += std::to_string(any(rng));
    return s;
  };
  auto textRow = [&](auto& r) {
    for (int k = 0; k <= 10; ++k) Positions(r)[k] = text();
  };
  for (int s = 0; s <= 24; ++s) {
    for (int b = 0; b <= 15; ++b) {
      row(BodyData[s][b]);
      textRow(BodyText[s][b]);
      row(MarketStock[s][b]);
      row(MarketPrice[s][b]);
      row(MarketPriceTrend[s][b]);
    }
    row(SystemData[s]);
    textRow(SystemText[s]);
    for (int k = 0; k <= 4; ++k) row(SpaceFinds[s][k]);
    row(SystemPrice[s]);
    row(SystemPriceTrend[s]);
    for (int k = 0; k <= 6; ++k) row(MissionOffers[s][k]);
  }
  for (int g = 0; g <= 100; ++g) GoodName[g] = text();
  row(Cargo);
  row(GoodBasePrice);
  for (int n = 0; n <= 20; ++n) {
    row(NewsList[n]);
    NewsHeadline[n] = text();
  }
  for (int k = 0; k <= 10; ++k) row(SpecialShips[k]);
  for (TDataRow* r : {&Positions(PlayerData), &SkillOwned, &AbilityOwned, &Positions(PlayerShip),
                      &Positions(ActiveMission)})
    row(*r);
  for (int f = 0; f <= 4; ++f) {
    row(FactionData[f]);
    textRow(FactionText[f]);
  }
  PlayerName = text();
  GameDay = in(kSavedDays.low, kSavedDays.high);
  for (int g = 0; g <= 100; ++g) Cargo[g] = in(0, LargestCargoHold() / 200);
  auto own = [&](auto& r, auto fields) {
    for (const auto& f : fields) {
      r[f.field] = std::uniform_int_distribution<std::int32_t>(f.range.low, f.range.high)(rng);
    }
  };
  own(PlayerData, SavedPlayerFields());
  own(PlayerShip, SavedShipFields());
  std::uniform_int_distribution<std::int32_t> reward(kSavedAmount.low, kSavedAmount.high);
  for (int s = 0; s <= 24; ++s)
    for (int k = 0; k <= 6; ++k) MissionOffers[s][k][mission::kReward] = reward(rng);
  ActiveMission[mission::kReward] = reward(rng);

  // The fields a loaded game uses as indexes.
  PlayerShip[ship::kClass] = in(-1, 19);
  PlayerShip[ship::kFaction] = in(0, 4);
  PlayerShip[ship::kBody] = in(-4, 15);
  PlayerShip[ship::kSystem] = in(1, 24);
  PlayerShip[ship::kMissileLauncher] = in(0, 10);
  PlayerShip[ship::kGun] = in(0, 8);
  PlayerShip[ship::kEcm] = in(0, 5);
  PlayerShip[ship::kTargeting] = in(0, 6);
  PlayerShip[ship::kEngine] = in(0, 6);
  PlayerShip[ship::kCargoModule] = in(0, 5);
  PlayerData[player::kProfession] = in(1, 6);
  PlayerData[player::kFaction] = in(0, 4);
  PlayerData[player::kPortrait] = in(0, 2);
  PlayerData[player::kLevel] = in(0, 19);
  PlayerData[player::kRank] = in(0, 8);
  auto mission = [&](TMissionRow& m) {
    m[mission::kType] = in(1, 27);
    m[mission::kTargetBody] = in(-4, 15);
    m[mission::kTargetSystem] = in(0, 24);
    m[mission::kCampaignSystem] = in(0, 24);
  };
  for (int s = 1; s <= 24; ++s) {
    SystemData[s][star_system::kOwner] = in(0, 4);
    SystemData[s][star_system::kAttacker] = in(0, 4);
    for (int b = 1; b <= 15; ++b) {
      BodyData[s][b][body::kOwner] = in(0, 4);
      BodyData[s][b][body::kKind] = in(-3, 6);
      BodyData[s][b][body::kDestination] = in(1, 24);
    }
    for (int k = 1; k <= 6; ++k) mission(MissionOffers[s][k]);
  }
  mission(ActiveMission);
  for (int n = 1; n <= 20; ++n) NewsList[n][news::kSystem] = in(0, 24);
  for (int k = 1; k <= 10; ++k) {
    SpecialShips[k][special_ship::kClass] = in(-1, 19);
    SpecialShips[k][special_ship::kFaction] = in(0, 4);
  }
}

// The saved game as bytes, to tell whether anything changed.
struct Snapshot {
  std::vector<std::uint8_t> ints = SaveGameIntBytes();
  std::vector<std::uint8_t> texts = SaveGameTextBytes();
  bool operator==(const Snapshot&) const = default;
};

}  // namespace save_test
