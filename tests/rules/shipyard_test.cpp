// The shipyard's rules: the classes each faction sells, what the details show, and buying a ship
// with the trade-in of the old one, the standard fit, the crew and the new mission boards.
#include "rules/cheats.h"
#include "rules/shipyard.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "rules/new_game.h"
#include "state/equipment.h"
#include "state/equipment_ids.h"
#include "state/equipment_offers.h"
#include "state/fields.h"
#include "state/ship_class_of.h"
#include "state/ship_classes.h"
#include "state/start_ship.h"
#include "state/variables.h"
#include "support/rows.h"
#include "support/script_ui.h"

namespace {

using rules::ShipPurchaseResult;

using enum state::ShipClassId;

TEST(ShipyardOffersTest, EachFactionSellsItsClassesAndNoBattleships) {
  using Offers = std::array<state::ShipClassId, rules::kShipyardPlaces>;
  const state::ShipClassId kNone = kNoShipClass;
  // clang-format off
  EXPECT_EQ(rules::ShipyardOffers(kFactionFederation), (Offers{kClassStarwolf, kClassAvenger, kClassOrion, kClassShadowcat, kClassPaladin, kNone,
                                              kClassPatton, kClassFerendar, kNone, kClassNeptun, kClassGalaxy, kNone}));
  EXPECT_EQ(rules::ShipyardOffers(kFactionOuterRim), (Offers{kClassStarwolf, kClassStargun, kClassOrion, kClassShadowcat, kClassHellcat, kNone,
                                              kClassPatton, kClassFerendar, kNone, kClassNeptun, kClassGalaxy, kClassCorsair}));
  EXPECT_EQ(rules::ShipyardOffers(kFactionCoalition), (Offers{kClassStarwolf, kClassStargun, kClassOrion, kClassShadowcat, kClassHellcat, kNone,
                                              kClassPatton, kClassFerendar, kNone, kClassNeptun, kClassGalaxy, kClassCorsair}));
  EXPECT_EQ(rules::ShipyardOffers(kFactionSyndicate), (Offers{kClassStarwolf, kClassSabre, kClassOrion, kClassShadowcat, kClassHellcat, kNone,
                                              kClassShark, kClassFerendar, kNone, kClassNeptun, kClassGalaxy, kClassCorsair}));
  // clang-format on
  EXPECT_EQ(rules::ShipyardOffers(kFactionPirates), Offers{});
  EXPECT_EQ(rules::ShipyardOffers(Faction{5}), Offers{});
  EXPECT_EQ(rules::ShipyardTilePicture(state::kNoShipClass), "NotAvailable_topwire.jpg");
  EXPECT_EQ(rules::ShipyardTilePicture(kClassNeptun), "Neptun_topwire.jpg");
  EXPECT_EQ(rules::ShipyardTileCaption(state::kNoShipClass), "Not available");
  EXPECT_EQ(rules::ShipyardTileCaption(kClassStarwolf), "Starwolf fighter");
  EXPECT_EQ(rules::ShipyardTileCaption(state::kClassFerendar), "Ferendar destroyer");
}

class ShipyardTest : public ::testing::Test {
 protected:
  void SetUp() override {
    state::ClearGameState();
    state::PlayerData[player::kFaction] = 3;
    state::TShipRow& p = state::PlayerShip;
    p = test_rows::ShipRow().Alive().Class(kClassStarwolf).Faction(kFactionFederation);
    state::ApplyStandardFit(p);
    p[ship::kCargoSpace] = 40;
    p[ship::kCrewmen] = 1;
  }
  support::ScriptUi ui;
};

TEST_F(ShipyardTest, TheDetailsShowThePriceTheTradeInAndTheBalance) {
  // A standard Starwolf is worth a third of its hull and a quarter of each item: 24,166.
  ASSERT_EQ(rules::ComputeShipTradeInValue(), 24166);
  const rules::ShipOfferView shadowcat = rules::BuildShipOfferView(kClassShadowcat);
  EXPECT_EQ(shadowcat.picture, "Coalition_Shadowcat_scene_sm.jpg");
  EXPECT_EQ(shadowcat.name, "Shadowcat");
  EXPECT_EQ(shadowcat.type, "Corvette");
  EXPECT_EQ(shadowcat.damage, "28 pts.");
  EXPECT_EQ(shadowcat.shields, "250 pts.");
  EXPECT_EQ(shadowcat.cargo, "60 U");
  EXPECT_EQ(shadowcat.speciality, "Energy transmitter");
  EXPECT_EQ(shadowcat.price, "$ 250,000");
  EXPECT_EQ(shadowcat.oldShip, "$ 24,166");
  EXPECT_EQ(shadowcat.balance, "$ 225,834");
  // A ship cheaper than the trade-in shows a balance of 0.
  EXPECT_EQ(rules::BuildShipOfferView(kClassOrion).balance, "$ 0");
  EXPECT_EQ(rules::BuildShipOfferView(kClassNeptun).type, "Cruiser");
}

TEST_F(ShipyardTest, TradeInValueIsAThirdOfTheHullAndAQuarterOfEachItem) {
  const state::ShipClassId c = state::ShipClassOf(state::PlayerShip);
  const state::TShipRow& ship = state::PlayerShip;
  const int expected = state::GetShipClassStat(c, state::kAttrPrice) / 3 +
                       state::GetMissilePrice(c, MissileId{ship[ship::kMissileLauncher]}) / 4 +
                       state::GetGunPrice(c, GunId{ship[ship::kGun]}) / 4 +
                       state::GetEcmPrice(c, EcmId{ship[ship::kEcm]}) / 4 +
                       state::GetComputerPrice(c, ComputerId{ship[ship::kTargeting]}) / 4 +
                       state::GetEnginePrice(c, EngineId{ship[ship::kEngine]}) / 4 +
                       state::GetCargoModulePrice(c, CargoModuleId{ship[ship::kCargoModule]}) / 4;
  EXPECT_EQ(rules::ComputeShipTradeInValue(), expected);
  EXPECT_GT(expected, state::GetShipClassStat(c, state::kAttrPrice) / 3 - 1);
  // Each quarter is truncated on its own: a hull alone is a plain third.
  for (const ship::Field field : ship::kFittedItems) state::PlayerShip[field] = -1;  // no such item: worth 0
  EXPECT_EQ(rules::ComputeShipTradeInValue(), state::GetShipClassStat(c, state::kAttrPrice) / 3);
}

TEST_F(ShipyardTest, RefusalsChangeNothing) {
  struct Case {
    const char* what;
    state::ShipClassId shipClass;
    std::int32_t credits;
    bool answer;
    ShipPurchaseResult result;
    const char* topic;  // of the popup shown, "" for none
    std::size_t questions;
  };
  const Case cases[] = {
      {"an empty place", state::kNoShipClass, 1000000, true, ShipPurchaseResult::NoShip, "", 0},
      {"the class already flown", kClassStarwolf, 1000000, true, ShipPurchaseResult::AlreadyOwned, "N/A",
       0},
      {"one credit short", kClassShadowcat, 225833, true, ShipPurchaseResult::NotEnoughMoney,
       "Not enough money!", 0},
      {"no to the question", kClassShadowcat, 1000000, false, ShipPurchaseResult::Declined, "", 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    SetUp();
    ui.Clear();
    ui.answers = {c.answer};
    state::PlayerData[player::kCredits] = c.credits;
    state::MissionOffers[4][2][mission::kActive] = 1;
    state::MissionOffers[4][2][mission::kReward] = 777;
    const state::TShipRow ship = state::PlayerShip;
    const state::TPlayerRow player = state::PlayerData;
    bool refreshed = false;
    EXPECT_EQ(rules::BuyShip(c.shipClass, ui, [&] { refreshed = true; }), c.result);
    EXPECT_EQ(state::PlayerShip, ship);
    EXPECT_EQ(state::PlayerData, player);
    EXPECT_EQ(state::MissionOffers[4][2][mission::kReward], 777);
    EXPECT_FALSE(refreshed);
    EXPECT_EQ(ui.questions.size(), c.questions);
    if (*c.topic == '\0') {
      EXPECT_TRUE(ui.popups.empty());
    } else {
      ASSERT_EQ(ui.popups.size(), 1u);
      EXPECT_EQ(ui.popups[0].topic, c.topic);
    }
  }
}

TEST_F(ShipyardTest, APurchasePaysTheDifferenceEitherWay) {
  struct Case {
    const char* what;
    state::ShipClassId shipClass;
    std::int32_t credits;
    std::int32_t after;
  };
  const Case cases[] = {
      {"credits exactly the difference", kClassShadowcat, 225834, 0},
      {"a cheaper ship pays the player", kClassOrion, 100, 100 + 24166 - 20000},
      {"even a player in debt", kClassOrion, -3000, -3000 + 24166 - 20000},
      {"a dearer fighter", kClassStargun, 20000, 20000 - (35000 - 24166)},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    SetUp();
    ui.Clear();
    ui.answers = {true};
    state::PlayerData[player::kCredits] = c.credits;
    EXPECT_EQ(rules::BuyShip(c.shipClass, ui), ShipPurchaseResult::Bought);
    EXPECT_EQ(state::PlayerData[player::kCredits], c.after);
    EXPECT_EQ(state::PlayerShip[ship::kClass], state::Stored(c.shipClass));
    ASSERT_EQ(ui.questions.size(), 1u);
    EXPECT_EQ(ui.questions[0].topic, "Purchase ship?");
    EXPECT_EQ(ui.questions[0].text,
              "Do you really wish to buy this ship (" + state::GetShipClassName(c.shipClass) + ") ?");
  }
}

TEST_F(ShipyardTest, TheNewShipComesWithTheStandardFitFullShieldsAndThePlainBay) {
  state::TShipRow& p = state::PlayerShip;
  p[ship::kGun] = state::Stored(kGunParticle);
  p[ship::kEngine] = state::Stored(kEngineXlTrade);  // the XL-Trade engine goes with the old ship
  p[ship::kCargoModule] = state::Stored(kModuleCargoManagement);
  p[ship::kShields] = 3;
  p[ship::kSimulatorMissile] = 2;
  p[ship::kSystem] = 9;
  p[ship::kBody] = 4;
  p[ship::kCrewmen] = 2;
  p[ship::kOfficers] = 1;
  p[ship::kMarines] = 5;
  state::Cargo[3] = 90;  // more than the new hold takes: the goods stay aboard
  state::PlayerData[player::kCredits] = 10000000;
  ui.answers = {true};
  std::vector<std::string> order;
  ASSERT_EQ(rules::BuyShip(kClassShadowcat, ui, [&] { order.push_back("refresh"); }),
            ShipPurchaseResult::Bought);
  for (const auto& popup : ui.popups) order.push_back(popup.topic);
  EXPECT_EQ(order, (std::vector<std::string>{"refresh", "Congratulations!", "New crewmen!"}));
  EXPECT_EQ(ui.popups[0].picture, "Coalition_Shadowcat_scene.jpg");
  EXPECT_EQ(p[ship::kFaction], 3) << "the livery of the player's faction";
  EXPECT_EQ(p[ship::kShields], 250);
  EXPECT_EQ(p[ship::kSimulatorMissile], 0);
  // A corvette's standard fit: gun 0 and missile launcher 4, the rest 0.
  EXPECT_EQ(p[ship::kGun], state::Stored(kGunLaser));
  EXPECT_EQ(p[ship::kMissileLauncher], state::Stored(kMissileArrowMk2));
  for (const ship::Field field : {ship::kEngine, ship::kCargoModule, ship::kTargeting, ship::kEcm})
    EXPECT_EQ(p[field], 0) << "field " << field.position;
  EXPECT_EQ(p[ship::kCargoSpace], 60);
  EXPECT_EQ(state::Cargo[3], 90);
  EXPECT_EQ(p[ship::kSystem], 9);
  EXPECT_EQ(p[ship::kBody], 4);
  // Minimum crew 6 from 2 crewmen and 1 officer: 3 more crewmen; the marines do not count.
  EXPECT_EQ(p[ship::kCrewmen], 5);
  EXPECT_EQ(p[ship::kMarines], 5);
  EXPECT_GE(ui.statusBarUpdates, 1);
}

TEST_F(ShipyardTest, TheDeveloperControlsGiveMoneyAndAFreeBattleshipWithTheOldLiveryAndHold) {
  state::PlayerData[player::kCredits] = 500;
  rules::CheatCredits(ui);
  EXPECT_EQ(state::PlayerData[player::kCredits], 100500);
  rules::GiveFreeBattleship(ui);
  const state::TShipRow& p = state::PlayerShip;
  EXPECT_EQ(p[ship::kClass], state::Stored(rules::kFreeBattleshipClass));
  EXPECT_EQ(state::PlayerData[player::kCredits], 100500) << "for nothing, and nothing asked";
  EXPECT_TRUE(ui.questions.empty());
  EXPECT_EQ(p[ship::kFaction], 1) << "the old livery stays";
  EXPECT_EQ(p[ship::kCargoSpace], 40) << "the old hold stays";
  EXPECT_EQ(p[ship::kShields], state::GetShipClassBaseShields(rules::kFreeBattleshipClass));
  ASSERT_FALSE(ui.popups.empty());
  EXPECT_EQ(ui.popups[0].topic, "Congratulations!");
}

TEST_F(ShipyardTest, NoCrewmenComeWhenCrewOfficersAndPiratesAreEnough) {
  state::PlayerShip[ship::kCrewmen] = 1;
  state::PlayerShip[ship::kOfficers] = 2;
  state::PlayerShip[ship::kPirates] = 3;
  state::PlayerData[player::kCredits] = 10000000;
  ui.answers = {true};
  ASSERT_EQ(rules::BuyShip(kClassShadowcat, ui), ShipPurchaseResult::Bought);
  EXPECT_EQ(state::PlayerShip[ship::kCrewmen], 1);
  EXPECT_EQ(ui.CountTopic("New crewmen!"), 0u);
}

TEST(ShipyardBoardsTest, APurchaseDrawsEveryMissionBoardAnew) {
  state::ClearGameState();
  state::PlayerData[player::kFaction] = 1;
  state::PlayerData[player::kProfession] = 1;
  support::ScriptUi ui;
  rules::CreateNewGameWorld(state::StartShipClass(kProfessionTrader, kFactionFederation), ui);
  // Mark every offer as one drawn for the old ship; none may survive.
  constexpr std::int32_t kOldOffer = -4242;
  for (int s = 1; s <= state::kLastSystem; ++s)
    for (int slot = 1; slot <= state::kLastOfferSlot; ++slot) {
      state::MissionOffers[s][slot][mission::kActive] = 1;
      state::MissionOffers[s][slot][mission::kReward] = kOldOffer;
    }
  state::PlayerShip[ship::kClass] = state::Stored(kClassStarwolf);
  state::PlayerData[player::kCredits] = 10000000;
  ui.Clear();
  ui.answers = {true};
  ASSERT_EQ(rules::BuyShip(kClassShadowcat, ui), ShipPurchaseResult::Bought);
  int offers = 0;
  for (int s = 1; s <= state::kLastSystem; ++s)
    for (int slot = 1; slot <= state::kLastOfferSlot; ++slot) {
      const state::TMissionRow& offer = state::MissionOffers[s][slot];
      if (offer[mission::kActive] == 0) continue;
      ++offers;
      EXPECT_NE(offer[mission::kReward], kOldOffer) << "system " << s << " slot " << slot;
    }
  EXPECT_GT(offers, 0) << "the boards are filled again";
}

}  // namespace
