// Ten thousand days of the living economy on a new world, with the world's invariants checked
// after every day.
#include <gtest/gtest.h>

#include <array>
#include <map>
#include <string>

#include "rules/economy_day.h"
#include "rules/markets.h"
#include "rules/news.h"
#include "state/fields.h"
#include "state/new_world.h"
#include "state/random.h"
#include "state/start_ship.h"
#include "state/variables.h"
#include "support/script_ui.h"

namespace {

using namespace state;

// The whole run in the normal build; under the sanitizers, which look for bad memory and undefined
// behaviour rather than for a rare day, the first fifth of it.
#ifdef FARHAVEN_SANITIZED
constexpr int kDays = 2'000;
#else
constexpr int kDays = 10'000;
#endif

bool Visible(int s, int b) { return BodyData[s][b][body::kVisible] > 0; }
bool IsPlanet(int s, int b) { return Visible(s, b) && BodyData[s][b][body::kKind] > 0; }
bool IsHideout(int s, int b) {
  return Visible(s, b) && BodyData[s][b][body::kKind] == kKindPirateHideout;
}

// The highest stock a good can hold after a day without "Connections" skills.
int MaxStock(int base) {
  const int ceiling = base < 200 ? 100 : (base > 200 && base < 500) ? 50 : base > 500 ? 30 : 50;
  return ceiling + ceiling / 3 - 1;
}

struct Band {
  int low, high;
};
Band Around(Band b) { return {b.low - b.low / 10, b.high + b.high / 10}; }

class EconomyRun : public ::testing::Test {
 protected:
  void SetUp() override {
    ClearGameState();
    PlayerData[player::kProfession] = 5;  // a smuggler sees the hideouts, so their markets run too
    PlayerData[player::kFaction] = 2;
    BuildNewWorld(StartShipClass(kProfessionSmuggler, kFactionOuterRim));
    NoWarPopups = 0;
    Randomize(20240611);
  }
  void TearDown() override { ClearGameState(); }

  void CheckPrices() {
    for (int s = 1; s <= kLastSystem; ++s) {
      if (SystemData[s][star_system::kPresent] <= 0) continue;
      for (int g = 1; g <= kLastGood; ++g) {
        const int target = rules::SystemPriceTarget(s, Good{g});
        const Band system{target - target / 10, target + target / 10};
        ASSERT_LE(std::abs(SystemPriceTrend[s][g]), target / 10) << s << "/" << g;
        const Band body = Around(system);
        long long sum = 0;
        int planets = 0;
        for (int b = 1; b <= kLastBody; ++b) {
          if (!IsPlanet(s, b) && !IsHideout(s, b)) continue;
          const int price = MarketPrice[s][b][g];
          Band band = body;
          if (IsHideout(s, b) && IsContraband(g)) {
            band = {body.low - body.low / 5, body.high - body.high / 5};
          }
          ASSERT_GE(price, band.low) << "day " << GameDay << " " << s << "/" << b << "/" << g;
          ASSERT_LE(price, band.high) << "day " << GameDay << " " << s << "/" << b << "/" << g;
          if (IsPlanet(s, b)) {
            sum += price;
            ++planets;
          }
        }
        ASSERT_EQ(SystemPrice[s][g], planets > 0 ? sum / planets : 0) << s << "/" << g;
      }
    }
  }

  void CheckStocks() {
    for (int s = 1; s <= kLastSystem; ++s) {
      for (int b = 1; b <= kLastBody; ++b) {
        if (!IsPlanet(s, b) && !IsHideout(s, b)) continue;
        for (int g = 1; g <= kLastGood; ++g) {
          const int stock = MarketStock[s][b][g];
          ASSERT_GE(stock, 0);
          ASSERT_LE(stock, MaxStock(GoodBasePrice[g])) << s << "/" << b << "/" << g;
          if ((IsPlanet(s, b) && IsContraband(g)) || (IsHideout(s, b) && !IsContraband(g))) {
            ASSERT_EQ(stock, 0) << s << "/" << b << "/" << g;
          }
        }
      }
    }
  }

  void CheckWar(const std::array<int, kSystems>& capitalOwner,
                const std::array<bool, kSystems>& runningBefore) {
    for (int f = 1; f <= kLastFaction; ++f) {
      for (int g = 1; g <= kLastFaction; ++g) {
        if (f != g) {
          ASSERT_EQ(FactionData[f][faction::kAtWarWith + g],
                    FactionData[g][faction::kAtWarWith + f])
              << f << " " << g;
        }
      }
    }
    std::map<int, int> campaignsOf;
    for (int s = 1; s <= kLastSystem; ++s) {
      const TSystemRow& row = SystemData[s];
      if (row[star_system::kClass] == 6) {
        ASSERT_EQ(row[star_system::kOwner], capitalOwner[s]) << "capital " << s;
      }
      if (row[star_system::kCampaign] == 1) {
        ASSERT_NE(row[star_system::kClass], 6) << s;
        ASSERT_EQ(++campaignsOf[row[star_system::kAttacker]], 1)
            << "faction " << row[star_system::kAttacker] << " attacks twice";
        ASSERT_NE(row[star_system::kAttacker], row[star_system::kOwner]) << s;
        ASSERT_GE(row[star_system::kSiegeDays], 200) << s;
        ASSERT_LE(row[star_system::kSiegeDays], 399) << s;
        ASSERT_GE(row[star_system::kCampaignDays], 1) << s;
        ASSERT_LT(row[star_system::kCampaignDays], row[star_system::kSiegeDays]) << s;
      } else if (runningBefore[s]) {
        ASSERT_EQ(row[star_system::kCampaignDays], row[star_system::kSiegeDays])
            << "campaign in " << s << " ended early or late";
        ++campaignsEnded;
        const rules::NewsKind kind{NewsList[1][news::kKind]};
        ASSERT_TRUE(kind == rules::kNewsSystemCaptured || kind == rules::kNewsInvasionFailed);
      }
      for (int b = 1; b <= kLastBody; ++b) {
        if (Visible(s, b) && BodyData[s][b][body::kKind] != kKindPirateHideout) {
          ASSERT_EQ(BodyData[s][b][body::kOwner], row[star_system::kOwner]) << s << "/" << b;
        }
      }
    }
  }

  void CheckNews() {
    int diplomacyNews = 0;
    bool ended = false;
    for (int i = 1; i <= kLastNews; ++i) {
      const TNewsRow& e = NewsList[i];
      if (e[news::kValid] != 1) {
        ended = true;
        continue;
      }
      ASSERT_FALSE(ended) << "a gap in the news list at " << i;
      ASSERT_GE(e[news::kKind], 1);
      ASSERT_LE(e[news::kKind], 9);
      ASSERT_FALSE(NewsHeadline[i].empty());
      ASSERT_GE(e[news::kLifetime], 0);
      ASSERT_LE(e[news::kLifetime], 49);
      if (i > 1) {
        ASSERT_GE(NewsList[i - 1][news::kDay], e[news::kDay]) << "order at " << i;
      }
      if (e[news::kDay] == GameDay &&
          (rules::NewsKind{e[news::kKind]} == rules::kNewsWarDeclared ||
           rules::NewsKind{e[news::kKind]} == rules::kNewsCeaseFire)) {
        ++diplomacyNews;
      }
      if (e[news::kDay] == GameDay) ++kinds[e[news::kKind]];
    }
    ASSERT_LE(diplomacyNews, 1) << "day " << GameDay;
    for (int field = 0; field < state::kRowLength; ++field) {
      ASSERT_EQ(NewsList[kLastNews + 1].At(field), 0);
    }
  }

  int campaignsEnded = 0;
  std::array<int, 10> kinds{};
};

TEST_F(EconomyRun, TenThousandDaysKeepTheWorldsInvariants) {
  support::ScriptUi ui;
  ui.SetVisible(rules::Screen::Travel);
  std::array<int, kSystems> capitalOwner{};
  for (int s = 1; s <= kLastSystem; ++s) capitalOwner[s] = SystemData[s][star_system::kOwner];
  int conquests = 0;
  for (int day = 0; day < kDays; ++day) {
    std::array<bool, kSystems> runningBefore{};
    std::array<int, kSystems> ownerBefore{};
    for (int s = 1; s <= kLastSystem; ++s) {
      runningBefore[s] = SystemData[s][star_system::kCampaign] == 1;
      ownerBefore[s] = SystemData[s][star_system::kOwner];
    }
    rules::RunEconomyDay(ui);
    ASSERT_NO_FATAL_FAILURE(CheckPrices());
    ASSERT_NO_FATAL_FAILURE(CheckStocks());
    ASSERT_NO_FATAL_FAILURE(CheckWar(capitalOwner, runningBefore));
    ASSERT_NO_FATAL_FAILURE(CheckNews());
    for (int s = 1; s <= kLastSystem; ++s)
      conquests += SystemData[s][star_system::kOwner] != ownerBefore[s] ? 1 : 0;
  }
  // The run went through every kind of event, and only war news of kinds 7..9 popped up.
  for (int kind = 1; kind <= 9; ++kind) EXPECT_GT(kinds[kind], 0) << "kind " << kind;
  EXPECT_GT(campaignsEnded, 5);
  EXPECT_GT(conquests, 0);
  EXPECT_EQ(ui.popups.size(), static_cast<std::size_t>(kinds[7] + kinds[8] + kinds[9]));
  for (const support::ShownPopup& popup : ui.popups) {
    EXPECT_EQ(popup.kind, rules::Popup::Notice);
    EXPECT_EQ(popup.picture, "news.jpg");
    EXPECT_TRUE(popup.topic == "War news!" || popup.topic == "War news!!") << popup.topic;
  }
  EXPECT_EQ(GameDay, 1 + kDays);
}

}  // namespace
