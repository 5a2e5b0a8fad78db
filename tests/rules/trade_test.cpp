// Buying and selling at the ship's market: the stock, the hold and the credits limiting a
// purchase, the refusals, contraband experience and its once-a-game notice, transport deliveries,
// the places without a market, the tutorial's guards, and what the window shows.
#include "rules/trade.h"

#include <gtest/gtest.h>

#include <string>

#include "rules/missions.h"
#include "state/fields.h"
#include "state/goods.h"
#include "state/skills.h"
#include "state/star_map.h"
#include "support/rows.h"
#include "support/script_ui.h"
#include "world_fixture.h"

namespace {

using namespace fixture;
using state::Cargo;
using state::MarketPrice;
using state::MarketStock;
using state::PlayerData;
using state::PlayerShip;

constexpr int kSystem = 3;
using state::kSunBody;
constexpr int kPlanet = 2;
constexpr int kHideoutBody = 3;
constexpr int kBareRocks = 4;   // an asteroid field of class 0: no market
constexpr int kOtherPlanet = 5;

// Rum and stolen data are contraband.

class Trade : public World {
 protected:
  void SetUp() override {
    World::SetUp();
    AddSystem(kSystem, 2);
    AddBody(kSystem, kSunBody, kSun);
    AddBody(kSystem, kPlanet, 1);
    AddBody(kSystem, kHideoutBody, kHideout);
    AddBody(kSystem, kBareRocks, 0);
    AddBody(kSystem, kOtherPlanet, 4);
    for (int b = 1; b <= 5; ++b) {
      for (int g = 1; g <= state::kLastGood; ++g) {
        MarketPrice[kSystem][b][g] = 100 * g;
        MarketStock[kSystem][b][g] = 1000;
      }
    }
    for (int f = 0; f <= state::kLastFaction; ++f)
      state::FactionText[f][faction_text::kLogo] = "Logo" + std::to_string(f);
    PlayerData = test_rows::PlayerRow()
                     .Faction(kFactionOuterRim)
                     .Level(19)  // no promotion gets in the way of the experience counts
                     .Credits(100000);
    PlayerShip = test_rows::ShipRow().System(kSystem).Body(kPlanet).CargoSpace(200);
    state::SelectedBody = kPlanet;
    state::SelectedGood = state::Stored(kGoodSupplies);
    state::TradeQuantity = 10;
  }
  void TearDown() override {
    state::TutorialActive = 0;
    state::TutorialStep = 0;
    state::CompatibilityMode = 0;
  }

  void GiveTransportMission(MissionType type, Good good, int units, int reward = 5000) {
    state::ActiveMission = test_rows::MissionRow()
                               .Active()
                               .Type(type)
                               .Reward(reward)
                               .Target(kSystem, kPlanet)
                               .Good(good)
                               .Quantity(units);
  }

  support::ScriptUi ui;
};

TEST_F(Trade, BuyIsLimitedByStockHoldAndCredits) {
  struct Case {
    std::string name;
    int body;
    Good good;
    int quantity, stock, capacity, used, credits;
    int bought;
    std::string popup;  // topic of the one popup shown, or empty
  };
  const Case cases[] = {
      {"the stock cuts 100 to 30", kPlanet, kGoodSupplies, 100, 30, 250, 200, 100000, 30, ""},
      {"the hold cuts 100 to 50", kPlanet, kGoodSupplies, 100, 500, 250, 200, 100000, 50, ""},
      {"all ten", kPlanet, kGoodMedicals, 10, 500, 200, 0, 100000, 10, ""},
      {"credits exactly enough", kPlanet, kGoodMedicals, 10, 500, 200, 0, 2000, 10, ""},
      {"a full hold: nothing, silently", kPlanet, kGoodSupplies, 10, 500, 200, 200, 100000, 0, ""},
      {"an overfull hold: nothing, silently", kPlanet, kGoodSupplies, 10, 500, 100, 150, 100000, 0, ""},
      {"an empty stock: nothing, silently", kPlanet, kGoodSupplies, 10, 0, 200, 0, 100000, 0, ""},
      {"too few credits for all of it: nothing", kPlanet, kGoodMedicals, 25, 500, 200, 0, 4999, 0,
       "Not enough credits"},
      {"no good selected", kPlanet, kNoGood, 10, 500, 200, 0, 100000, 0, "N/A"},
      {"contraband at a hideout", kHideoutBody, kGoodRum, 10, 500, 200, 0, 100000, 10, ""},
      {"at the sun: no market", kSunBody, kGoodSupplies, 10, 500, 200, 0, 100000, 0, ""},
      {"at bare rocks: no market", kBareRocks, kGoodSupplies, 10, 500, 200, 0, 100000, 0, ""},
      {"at a space find: no market", -1, kGoodSupplies, 10, 500, 200, 0, 100000, 0, ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    SetUp();
    ui.Clear();
    PlayerShip[ship::kBody] = c.body;
    state::SelectedGood = state::Stored(c.good);
    state::TradeQuantity = c.quantity;
    PlayerShip[ship::kCargoSpace] = c.capacity;
    Cargo[state::Stored(kGoodStolenData)] = c.used;  // what else is in the hold
    PlayerData[player::kCredits] = c.credits;
    const int g = state::Stored(c.good != kNoGood ? c.good : kGoodSupplies);
    const int b = c.body > 0 ? c.body : kPlanet;
    MarketStock[kSystem][b][g] = c.stock;

    rules::Buy(ui);

    EXPECT_EQ(Cargo[g], c.bought);
    EXPECT_EQ(MarketStock[kSystem][b][g], c.stock - c.bought);
    EXPECT_EQ(PlayerData[player::kCredits], c.credits - c.bought * MarketPrice[kSystem][b][g]);
    ASSERT_EQ(ui.popups.size(), c.popup.empty() ? 0u : 1u);
    if (!c.popup.empty()) {
      EXPECT_EQ(ui.popups[0].topic, c.popup);
    }
    EXPECT_EQ(state::DisplayedSystem, kSystem) << "every action redraws the ship's system";
    EXPECT_EQ(ui.redraws, 1);
    for (int m = 1; m <= state::kLastGood; ++m) {
      EXPECT_EQ(MarketPrice[kSystem][b][m], 100 * m) << "trading never changes prices";
    }
  }
}

TEST_F(Trade, BuyAllSpendsWhatTheCreditsCoverWithinStockAndHold) {
  struct Case {
    std::string name;
    int price, stock, free, credits;
    int bought;
    std::string popup;
  };
  const Case cases[] = {
      {"1000 credits at 300 buy 3", 300, 500, 200, 1000, 3, ""},
      {"the stock cuts it", 10, 7, 200, 1000, 7, ""},
      {"the hold cuts it", 10, 500, 12, 1000, 12, ""},
      {"too poor for one unit", 300, 500, 200, 299, 0, ""},
      {"in debt", 300, 500, 200, -50, 0, "Not enough credits"},
      {"a price of 0 is refused as no good", 0, 500, 200, 1000, 0, "N/A"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    SetUp();
    ui.Clear();
    MarketPrice[kSystem][kPlanet][state::Stored(kGoodMedicals)] = c.price;
    MarketStock[kSystem][kPlanet][state::Stored(kGoodMedicals)] = c.stock;
    PlayerShip[ship::kCargoSpace] = c.free;
    PlayerData[player::kCredits] = c.credits;
    state::SelectedGood = state::Stored(kGoodMedicals);

    rules::BuyAll(ui);

    EXPECT_EQ(Cargo[state::Stored(kGoodMedicals)], c.bought);
    EXPECT_EQ(PlayerData[player::kCredits], c.credits - c.bought * c.price);
    ASSERT_EQ(ui.popups.size(), c.popup.empty() ? 0u : 1u);
    if (!c.popup.empty()) {
      EXPECT_EQ(ui.popups[0].topic, c.popup);
    }
  }
  SetUp();
  ui.Clear();
  state::SelectedGood = 0;
  rules::BuyAll(ui);
  ASSERT_EQ(ui.popups.size(), 1u);
  EXPECT_EQ(ui.popups[0].text, "Please first select a good to buy.");
}

TEST_F(Trade, SellPaysThePriceAndRefillsTheStock) {
  struct Case {
    std::string name;
    int body;
    Good good;
    int quantity, onBoard;
    int sold;
    std::string popup;
  };
  const Case cases[] = {
      {"ten of fifty", kPlanet, kGoodMedicals, 10, 50, 10, ""},
      {"what is on board, when less", kPlanet, kGoodMedicals, 100, 7, 7, ""},
      {"nothing on board", kPlanet, kGoodMedicals, 10, 0, 0, ""},
      {"no good selected", kPlanet, kNoGood, 10, 5, 0, ""},
      {"refused at a pirate hideout", kHideoutBody, kGoodRum, 10, 50, 0, "N/A"},
      {"at the sun: nothing", kSunBody, kGoodMedicals, 10, 50, 0, ""},
      {"at a space find: nothing", -2, kGoodMedicals, 10, 50, 0, ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    SetUp();
    ui.Clear();
    PlayerShip[ship::kBody] = c.body;
    state::SelectedGood = state::Stored(c.good);
    state::TradeQuantity = c.quantity;
    const int g = state::Stored(c.good != kNoGood ? c.good : kGoodMedicals);
    const int b = c.body > 0 ? c.body : kPlanet;
    Cargo[g] = c.onBoard;
    PlayerData[player::kIllegalGoodsWarning] = 1;

    rules::Sell(ui);

    EXPECT_EQ(Cargo[g], c.onBoard - c.sold);
    EXPECT_EQ(MarketStock[kSystem][b][g], 1000 + c.sold);
    EXPECT_EQ(PlayerData[player::kCredits], 100000 + c.sold * MarketPrice[kSystem][b][g]);
    EXPECT_EQ(PlayerData[player::kGoodsSold], c.sold);
    ASSERT_EQ(ui.popups.size(), c.popup.empty() ? 0u : 1u);
    if (!c.popup.empty()) {
      EXPECT_EQ(ui.popups[0].text, "You cannot sell goods at a pirate hideout.");
    }
  }
}

TEST_F(Trade, ContrabandEarnsExperienceAndTellsSoOncePerGame) {
  state::SelectedGood = state::Stored(kGoodRum);
  state::TradeQuantity = 1;
  Cargo[state::Stored(kGoodRum)] = 10;
  rules::Sell(ui);  // a first unit alone
  ASSERT_EQ(ui.popups.size(), 2u);
  EXPECT_EQ(ui.popups[0].kind, rules::Popup::Fame);
  EXPECT_EQ(ui.popups[0].picture, "Logo2.jpg");
  EXPECT_EQ(ui.popups[1].topic, "Information");
  EXPECT_EQ(PlayerData[player::kIllegalGoodsWarning], 1);
  EXPECT_EQ(PlayerData[player::kExperience], 20);

  ui.Clear();
  state::TradeQuantity = 10;
  rules::Sell(ui);  // the other nine, and no notice any more
  EXPECT_TRUE(ui.popups.empty());
  EXPECT_EQ(PlayerData[player::kExperience], 20 + 9 * 20);

  ui.Clear();
  Cargo[state::Stored(kGoodMedicals)] = 5;
  state::SelectedGood = state::Stored(kGoodMedicals);
  rules::Sell(ui);
  EXPECT_EQ(PlayerData[player::kExperience], 200) << "legal goods earn nothing";
}

TEST_F(Trade, TheGoodsSoldCountStopsAtItsCap) {
  struct Case { int before, sold, after; };
  const Case cases[] = {
      {0, 10, 10},
      {99999990, 10, 100000000},
      {99999995, 10, rules::kGoodsSoldCap},
      {rules::kGoodsSoldCap, 10, rules::kGoodsSoldCap},
  };
  for (const Case& c : cases) {
    SetUp();
    PlayerData[player::kGoodsSold] = c.before;
    Cargo[state::Stored(kGoodMedicals)] = c.sold;
    state::SelectedGood = state::Stored(kGoodMedicals);
    rules::Sell(ui);
    EXPECT_EQ(PlayerData[player::kGoodsSold], c.after) << c.before;
  }
}

// Numbers at the edge of 32 bits saturate instead of wrapping: a huge contraband sale tops the
// experience out, and a hold already at the limit stays there when more is bought.
TEST_F(Trade, TradingAtThe32BitLimitSaturates) {
  state::SelectedGood = state::Stored(kGoodStolenData);
  Cargo[state::Stored(kGoodStolenData)] = 2000000000;
  state::TradeQuantity = 100;
  rules::SellAll(ui);
  EXPECT_EQ(PlayerData[player::kExperience], INT32_MAX);
  EXPECT_EQ(Cargo[state::Stored(kGoodStolenData)], 0);

  SetUp();
  Cargo[state::Stored(kGoodSupplies)] = INT32_MAX;
  Cargo[state::Stored(kGoodMedicals)] = -1000;  // frees room on the books: the purchase goes through
  PlayerShip[ship::kCargoSpace] = INT32_MAX;
  rules::Buy(ui);
  EXPECT_EQ(Cargo[state::Stored(kGoodSupplies)], INT32_MAX);
}

TEST_F(Trade, SellingTheWantedGoodAtTheTargetDeliversIt) {
  struct Case {
    std::string name;
    MissionType type;
    int body;
    Good good;
    int units, onBoard;
    int unitsLeft;
    bool completed;
    int experience;
  };
  const Case cases[] = {
      {"part of a transport", kMissionTransport, kPlanet, kGoodMedicals, 30, 10, 20, false, 0},
      {"all of a transport", kMissionTransport, kPlanet, kGoodMedicals, 10, 10, 0, true, 3000},
      {"more than a supply run wants", kMissionSupply, kPlanet, kGoodMedicals, 5, 10, -5, true,
       9000},
      {"a combat transport", kMissionCombatTransport, kPlanet, kGoodMedicals, 10, 10, 0, true,
       6000},
      {"another good", kMissionTransport, kPlanet, kGoodSupplies, 10, 10, 10, false, 0},
      {"another body", kMissionTransport, kOtherPlanet, kGoodMedicals, 10, 10, 10, false, 0},
      {"not a delivery", kMissionPatrol, kPlanet, kGoodMedicals, 10, 10, 10, false, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    SetUp();
    ui.Clear();
    GiveTransportMission(c.type, c.good, c.units);
    PlayerShip[ship::kBody] = c.body;
    state::SelectedGood = state::Stored(kGoodMedicals);
    Cargo[state::Stored(kGoodMedicals)] = c.onBoard;
    const bool delivered = c.unitsLeft != c.units;

    rules::Sell(ui);

    EXPECT_EQ(Cargo[state::Stored(kGoodMedicals)], 0);
    EXPECT_EQ(state::ActiveMission[mission::kQuantity], c.unitsLeft);
    EXPECT_EQ(MarketStock[kSystem][c.body][state::Stored(kGoodMedicals)], delivered ? 0 : 1000 + c.onBoard)
        << "delivered units leave the market";
    EXPECT_EQ(state::ActiveMission[mission::kActive], c.completed ? 0 : 1);
    EXPECT_EQ(PlayerData[player::kMissionsCompleted], c.completed ? 1 : 0);
    EXPECT_EQ(PlayerData[player::kExperience], c.experience);
    const int paid = c.onBoard * MarketPrice[kSystem][c.body][state::Stored(kGoodMedicals)];
    EXPECT_EQ(PlayerData[player::kCredits], 100000 + paid + (c.completed ? 5000 : 0));
    if (c.completed) {
      ASSERT_EQ(ui.popups.size(), 2u);
      EXPECT_EQ(ui.popups[0].topic, "Mission completed!");
      EXPECT_EQ(ui.popups[0].picture, "GeneralMissionPic.jpg");
      EXPECT_EQ(ui.popups[0].text,
                "You have delivered the required amount of goods and completed the transport "
                "mission. You receive a reward of $ 5000");
      EXPECT_EQ(ui.popups[1].kind, rules::Popup::Fame);
    } else {
      EXPECT_TRUE(ui.popups.empty());
    }
  }
}

TEST_F(Trade, TheRewardTextNamesTheAmountBeforeTheRewardSkill) {
  GiveTransportMission(kMissionTransport, kGoodMedicals, 1, 12000);
  state::SkillOwned[state::Stored(kSkillAdvancedRewards)] = 1;  // advanced rewards: a quarter more
  Cargo[state::Stored(kGoodMedicals)] = 1;
  state::SelectedGood = state::Stored(kGoodMedicals);
  rules::Sell(ui);
  ASSERT_FALSE(ui.popups.empty());
  EXPECT_EQ(ui.popups[0].text.substr(ui.popups[0].text.size() - 7), "$ 12000");
  EXPECT_EQ(PlayerData[player::kCredits], 100000 + 200 + 15000);
}

TEST_F(Trade, SellAllEmptiesTheHoldGoodByGood) {
  Cargo[state::Stored(kGoodSupplies)] = 3;
  Cargo[state::Stored(kGoodMedicals)] = 4;
  Cargo[state::Stored(kGoodRum)] = 5;
  Cargo[state::Stored(kGoodStolenData)] = 1;
  GiveTransportMission(kMissionTransport, kGoodMedicals, 4);
  state::SelectedGood = state::Stored(kGoodDelicacies);

  rules::SellAll(ui);

  EXPECT_EQ(rules::CargoInUse(), 0);
  EXPECT_EQ(state::SelectedGood, 7) << "the selection comes back";
  EXPECT_EQ(PlayerData[player::kExperience], 3000 + 6 * 20);
  EXPECT_EQ(PlayerData[player::kGoodsSold], 13);
  EXPECT_EQ(state::ActiveMission[mission::kActive], 0);
  EXPECT_EQ(PlayerData[player::kCredits],
            100000 + 3 * 100 + 4 * 200 + 5 * 1300 + 1 * 1800 + 5000);
  EXPECT_EQ(ui.CountTopic("Information"), 1u) << "once, though two of the goods are illegal";

  ui.Clear();
  PlayerShip[ship::kBody] = kHideoutBody;
  Cargo[state::Stored(kGoodRum)] = 2;
  rules::SellAll(ui);
  EXPECT_EQ(Cargo[state::Stored(kGoodRum)], 2);
  ASSERT_EQ(ui.popups.size(), 1u);
  EXPECT_EQ(ui.popups[0].text, "You cannot sell goods at a pirate hideout.");
}

TEST_F(Trade, TheTutorialGuardsTheWindowAtItsSteps) {
  state::TutorialActive = 1;

  // Step 5: only Supplies may be bought, and a unit of them moves the tutorial on.
  state::TutorialStep = 5;
  state::SelectedGood = state::Stored(kGoodMedicals);
  rules::Buy(ui);
  rules::BuyAll(ui);
  EXPECT_EQ(Cargo[state::Stored(kGoodMedicals)], 0);
  EXPECT_EQ(ui.CountTopic("Tutorial"), 2u);
  state::SelectedGood = state::Stored(kGoodSupplies);
  rules::Buy(ui);
  EXPECT_EQ(Cargo[state::Stored(kGoodSupplies)], 10);
  EXPECT_EQ(ui.CountTopic("Tutorial"), 2u);
  state::TutorialStep = 6;
  state::SelectedGood = state::Stored(kGoodMedicals);
  rules::Buy(ui);
  EXPECT_EQ(Cargo[state::Stored(kGoodMedicals)], 10);

  // The window may not close before step 8; the step that reopens a mission lies after 11.
  struct Case { int step; bool mayClose; };
  for (const Case c : {Case{5, false}, Case{7, false}, Case{8, true}, Case{-11, true},
                       Case{20, true}}) {
    ui.Clear();
    state::TutorialStep = c.step;
    EXPECT_EQ(rules::TradeWindowMayClose(ui), c.mayClose) << c.step;
    EXPECT_EQ(ui.CountTopic("Tutorial"), c.mayClose ? 0u : 1u) << c.step;
  }
  state::TutorialActive = 0;
  state::TutorialStep = 5;
  EXPECT_TRUE(rules::TradeWindowMayClose(ui));
}

TEST_F(Trade, TheTutorialMovesOnFromItsTradeSteps) {
  struct StepUi : support::ScriptUi {
    std::vector<int> steps;
    void BeginTutorialStep(tutorial::Step step) override {
      steps.push_back(tutorial::StoredNumber(step));
      state::TutorialStep = tutorial::StoredNumber(step);
    }
  } stepUi;
  state::TutorialActive = 1;
  state::TutorialStep = 5;
  state::SelectedGood = state::Stored(kGoodSupplies);
  rules::BuyAll(stepUi);
  state::TutorialStep = 7;
  rules::SellAll(stepUi);
  rules::TradeWindowClosed(stepUi);
  EXPECT_EQ(stepUi.steps, (std::vector<int>{6, 8, 9}));
}

TEST_F(Trade, TheViewShowsTheSelectedBodysMarketAndTheHold) {
  state::BodyPricesKnown[kPlanet] = 1;
  Cargo[state::Stored(kGoodRum)] = 12;
  Cargo[state::Stored(kGoodSupplies)] = 3;
  state::GoodName[state::Stored(kGoodRum)] = "*Rum";
  state::SelectedGood = state::Stored(kGoodRum);
  state::TradeQuantity = 25;

  rules::TradeView v = rules::BuildTradeView();
  EXPECT_EQ(v.rows[state::Stored(kGoodRum) - 1].name, "*Rum");
  EXPECT_EQ(v.rows[state::Stored(kGoodRum) - 1].price, "$ 1300");
  EXPECT_EQ(v.rows[state::Stored(kGoodRum) - 1].stock, "1000");
  EXPECT_EQ(v.rows[state::Stored(kGoodRum) - 1].cargo, "12");
  EXPECT_TRUE(v.rows[state::Stored(kGoodRum) - 1].selected);
  EXPECT_FALSE(v.rows[state::Stored(kGoodSupplies) - 1].selected);
  EXPECT_EQ(v.hold, "15/200");
  EXPECT_EQ(v.activeQuantity, 2);
  EXPECT_EQ(v.quantityCaptions[2], "x 25");

  state::CompatibilityMode = 1;
  EXPECT_EQ(rules::BuildTradeView().quantityCaptions[2], "x 25*");
  state::TradeQuantity = 500;
  EXPECT_EQ(rules::BuildTradeView().activeQuantity, -1);

  struct Case { int selectedBody; bool known; std::string price, stock; };
  const Case cases[] = {
      {kPlanet, true, "$ 100", "1000"},
      {kOtherPlanet, false, "$ ?", "1000"},  // stocks show though the prices are unknown
      {kSunBody, true, "$ ?", ""},
      {kBareRocks, true, "$ ?", ""},
      {0, true, "$ ?", ""},
      {-3, true, "$ ?", ""},                 // a space find
  };
  for (const Case& c : cases) {
    state::SelectedBody = c.selectedBody;
    if (c.selectedBody > 0) state::BodyPricesKnown[c.selectedBody] = c.known ? 1 : 0;
    v = rules::BuildTradeView();
    EXPECT_EQ(v.rows[state::Stored(kGoodSupplies) - 1].price, c.price) << c.selectedBody;
    EXPECT_EQ(v.rows[state::Stored(kGoodSupplies) - 1].stock, c.stock) << c.selectedBody;
  }
}

}  // namespace
