// Ten thousand days of whole worlds, a new one for every faction and profession, with a captain
// who borrows, buys bonds, breaks the law, flies, opens space finds and learns skills: the tables
// must stay in range every single day.
#include <gtest/gtest.h>

#include <string>

#include "rules/credits.h"
#include "rules/daily_turn.h"
#include "rules/new_game.h"
#include "rules/space_finds.h"
#include "state/fields.h"
#include "state/progression.h"
#include "state/random.h"
#include "state/ship_class_of.h"
#include "state/ship_classes.h"
#include "state/skills.h"
#include "state/start_ship.h"
#include "state/variables.h"
#include "support/script_ui.h"

namespace {

using state::PlayerData;
using state::PlayerShip;

// Learns the first skill or ability not owned yet, and answers every choice by turns.
class LearningUi : public support::ScriptUi {
 public:
  void ChooseNewAbility(rules::AbilityChoice choice) override {
    state::TDataRow& owned = choice == rules::AbilityChoice::Skill ? state::SkillOwned : state::AbilityOwned;
    const int last = choice == rules::AbilityChoice::Skill ? state::kLastSkill : state::kLastAbility;
    for (int id = 1; id <= last; ++id) {
      if (owned[id] == 0) {
        owned[id] = 1;
        return;
      }
    }
  }
  bool Choose(std::string_view, std::string_view, std::string_view, std::string_view,
              std::string_view) override {
    flip_ = !flip_;
    return flip_;
  }
  void Message(rules::Popup, std::string_view, std::string_view text, std::string_view) override {
    ASSERT_FALSE(text.empty());
  }
  void ShowNotice(std::string_view, std::string_view, std::string_view text, std::string_view) override {
    ASSERT_FALSE(text.empty());
  }

 private:
  bool flip_ = false;
};

// The first table value out of range, or an empty text when all are in range. Plain loops: the
// check runs every day of the soak, also under the sanitizers.
std::string FirstValueOutOfRange() {
  const int full = state::GetShipClassBaseShields(state::ShipClassOf(PlayerShip));
  if (PlayerShip[ship::kShields] < full / 2 || PlayerShip[ship::kShields] > full)
    return "shields " + std::to_string(PlayerShip[ship::kShields]);
  for (const player::Field field :
       {player::kCredits, player::kLoan, player::kWarBonds, player::kWarBondLevel,
        player::kWarBondLockDays, player::kCriminalDays, player::kTycoonEventDay}) {
    if (PlayerData[field] < 0) return "PlayerData " + std::to_string(field.position);
  }
  if (PlayerShip[ship::kCargoSpace] < 0) return "cargo capacity";
  for (int g = 1; g <= state::kLastGood; ++g) {
    if (state::Cargo[g] < 0) return "cargo " + std::to_string(g);
  }
  for (int s = 1; s <= state::kLastSystem; ++s) {
    for (int b = 1; b <= state::kLastBody; ++b) {
      for (int g = 1; g <= state::kLastGood; ++g) {
        if (state::MarketStock[s][b][g] < 0 || state::MarketPrice[s][b][g] < 0) {
          return "market " + std::to_string(s) + "/" + std::to_string(b) + "/" + std::to_string(g);
        }
      }
    }
    for (auto field = star_system::kCampaignDays; field <= star_system::kCampaignMissions;
         ++field) {
      if (state::SystemData[s][field] < 0) return "campaign of " + std::to_string(s);
    }
    for (int k = 1; k <= state::kLastFindSlot; ++k) {
      const state::TSpaceFindRow& find = state::SpaceFinds[s][k];
      if (find[space_find::kPresent] &&
          (find[space_find::kDaysLeft] < 1 || find[space_find::kDaysLeft] > 15))
        return "space find " + std::to_string(s);
    }
    for (int k = 1; k <= state::kLastOfferSlot; ++k) {
      const state::TMissionRow& offer = state::MissionOffers[s][k];
      if (offer[mission::kActive] &&
          (offer[mission::kType] < 1 || offer[mission::kType] > 26 || offer[mission::kReward] < 0 ||
           offer[mission::kBriefingVariant] < 1)) {
        return "offer " + std::to_string(s) + "/" + std::to_string(k);
      }
    }
  }
  for (int i = 1; i <= state::kLastSpecialShip; ++i) {
    const state::TSpecialShipRow& ship = state::SpecialShips[i];
    if (ship[special_ship::kActive] &&
        (ship[special_ship::kDaysLeft] < 1 || ship[special_ship::kClass] < 1 ||
         ship[special_ship::kClass] > 19))
      return "special ship " + std::to_string(i);
  }
  for (int n = 1; n <= state::kLastNews; ++n) {
    if (state::NewsList[n][news::kLifetime] < 0) return "news " + std::to_string(n);
  }
  return {};
}

TEST(WorldSoak, TenThousandDaysKeepEveryTableInRange) {
  constexpr int kDaysPerWorld = 417;  // 24 worlds: just over 10,000 days
  for (int faction = 1; faction <= 4; ++faction) {
    for (int profession = 1; profession <= 6; ++profession) {
      const std::string world = "faction " + std::to_string(faction) + " profession " + std::to_string(profession);
      state::Randomize(static_cast<std::uint32_t>(faction * 1000 + profession));
      state::ClearGameState();
      PlayerData[player::kProfession] = profession;
      PlayerData[player::kFaction] = faction;
      LearningUi ui;
      ui.SetVisible(rules::Screen::Travel);
      rules::CreateNewGameWorld(state::StartShipClass(Profession{profession}, Faction{faction}), ui);
      ASSERT_EQ(state::GameDay, 1) << world;
      // A captain with affairs: a loan, war bonds, a criminal past, investments.
      PlayerData[player::kLoan] = 5000 * profession;
      PlayerData[player::kLoanDaysLeft] = 40;
      PlayerData[player::kWarBonds] = 20000 * faction;
      PlayerData[player::kWarBondLockDays] = 30;
      PlayerData[player::kCriminalDays] = 25;
      state::SkillOwned[state::Stored(kSkillTycoon)] = faction % 2;
      state::SkillOwned[state::Stored(kSkillTracking)] = profession % 2;
      state::SkillOwned[state::Stored(kSkillHacker)] = 1;

      for (int day = 1; day <= kDaysPerWorld; ++day) {
        // Every other stretch of days is spent flying toward a body.
        const bool flying = (day / 10) % 2 == 1;
        ui.SetVisible(rules::Screen::Flight, flying);
        state::SelectedBody = flying ? 2 : 0;
        const int before = state::GameDay;
        rules::AdvanceDay(ui);
        ASSERT_EQ(state::GameDay, before + 1) << world;
        if (day % 7 == 0)
          rules::AddExperience(state::GetLevelExperience(PlayerData[player::kLevel]) / 3, ui);
        if (day % 5 == 0) {
          for (int k = 1; k <= state::kLastFindSlot; ++k) {
            if (state::SpaceFinds[PlayerShip[ship::kSystem]][k][space_find::kPresent])
              rules::ResolveSpaceFind(k, ui);
          }
        }
        const std::string wrong = FirstValueOutOfRange();
        ASSERT_EQ(wrong, "") << world << " day " << day;
      }
      EXPECT_GT(PlayerData[player::kLevel], 1) << world << ": the captain was promoted";
    }
  }
}

}  // namespace
