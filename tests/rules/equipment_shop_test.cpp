// The equipment shop's rules: the prices after the trade-in of the fitted item, what the screen
// shows of the fitted item and of an offer, and a purchase with its refusals.
#include "rules/equipment_shop.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "state/equipment.h"
#include "state/equipment_ids.h"
#include "state/equipment_offers.h"
#include "state/fields.h"
#include "state/ship_classes.h"
#include "state/variables.h"
#include "support/script_ui.h"

namespace {

using rules::UpgradeResult;
using state::kCategoryCargoSpace;
using state::kCategoryEcm;
using state::kCategoryEngine;
using state::kCategoryGuns;
using state::kCategoryMissiles;
using state::kCategoryTargeting;

using state::kClassStarwolf;  // a fighter: prices are base x 4
using state::kClassShadowcat;  // a corvette: base x 32

class EquipmentShopTest : public ::testing::Test {
 protected:
  void SetUp() override {
    state::ClearGameState();
    state::PlayerData[player::kFaction] = 1;
    state::PlayerShip[ship::kAlive] = 1;
    state::PlayerShip[ship::kClass] = state::Stored(kClassStarwolf);
    state::ApplyStandardFit(state::PlayerShip);
    state::PlayerShip[ship::kCargoSpace] =
        state::GetShipCargoCapacity(kClassStarwolf, kModuleCargoBay, state::Side::Player);
  }
  support::ScriptUi ui;
};

TEST_F(EquipmentShopTest, AnOfferCostsItsPriceLessAQuarterOfTheFittedItem) {
  struct Case {
    state::ShipClassId shipClass;
    std::int32_t fitted;  // gun
    std::int32_t offer;
    std::int32_t tradeIn;
    std::int64_t shown;
    std::int64_t cost;
  };
  const Case cases[] = {
      // Fusion (40,000 on a fighter) fitted: a Laser (14,000) shows 4,000 and costs that.
      {kClassStarwolf, 2, 0, 10000, 4000, 4000},
      {kClassStarwolf, 2, 1, 10000, 12000, 12000},
      // Particle (64,000) fitted: the Laser is cheaper than the trade-in and costs nothing.
      {kClassStarwolf, 3, 0, 16000, -2000, 0},
      // The fitted item itself is offered at three quarters of its price.
      {kClassStarwolf, 0, 0, 3500, 10500, 10500},
      // A corvette pays eight times as much, and gets eight times as much back.
      {kClassShadowcat, 2, 0, 80000, 32000, 32000},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "class " << state::Stored(c.shipClass) << " gun " << c.fitted
                                    << " -> " << c.offer);
    state::PlayerShip[ship::kClass] = state::Stored(c.shipClass);
    state::PlayerShip[ship::kGun] = c.fitted;
    EXPECT_EQ(rules::EquipmentTradeIn(kCategoryGuns), c.tradeIn);
    EXPECT_EQ(rules::EquipmentOfferPrice(kCategoryGuns, c.offer), c.shown);
    EXPECT_EQ(rules::EquipmentUpgradeCost(kCategoryGuns, c.offer), c.cost);
  }
  EXPECT_EQ(rules::EquipmentUpgradeCost(state::EquipmentCategory{7}, 0), 0) << "no category, no price";
}

TEST_F(EquipmentShopTest, PurchasesAndTheirRefusalsInOrder) {
  struct Case {
    const char* what;
    state::EquipmentCategory category;
    std::int32_t item;
    std::int32_t credits;
    std::int32_t cargoAboard;
    UpgradeResult result;
    std::int32_t creditsAfter;
    const char* topic;  // of the one popup shown
    const char* picture;
  };
  const Case cases[] = {
      {"Turbo-Laser for a Laser", kCategoryGuns, 1, 30000, 0, UpgradeResult::Upgraded, 11500,
       "Upgrading...", "Equipment_TurboLaser.jpg"},
      {"credits exactly the cost", kCategoryGuns, 1, 18500, 0, UpgradeResult::Upgraded, 0,
       "Upgrading...", "Equipment_TurboLaser.jpg"},
      {"one credit short", kCategoryGuns, 1, 18499, 0, UpgradeResult::NotEnoughMoney, 18499,
       "Not enough money!", "Equipment_TurboLaser_g.jpg"},
      {"the fitted gun again", kCategoryGuns, 0, 1000000, 0, UpgradeResult::AlreadyFitted, 1000000,
       "Cannot upgrade!", "Equipment_Laser_g.jpg"},
      {"the fitted gun, even when poor", kCategoryGuns, 0, 0, 0, UpgradeResult::AlreadyFitted, 0,
       "Cannot upgrade!", "Equipment_Laser_g.jpg"},
      {"a missile launcher", kCategoryMissiles, 3, 100000, 0, UpgradeResult::Upgraded, 43000,
       "Upgrading...", "Equipment_XASMMissile.jpg"},
      {"an engine", kCategoryEngine, 1, 100000, 0, UpgradeResult::Upgraded, 45000, "Upgrading...",
       "Equipment_Traveller.jpg"},
      {"a targeting computer", kCategoryTargeting, 2, 100000, 0, UpgradeResult::Upgraded, 61000,
       "Upgrading...", "Equipment_Takedown.jpg"},
      {"an ECM", kCategoryEcm, 3, 100000, 0, UpgradeResult::Upgraded, 63000, "Upgrading...",
       "Equipment_Supersafe.jpg"},
      {"a cargo module with an empty hold", kCategoryCargoSpace, 1, 100000, 0,
       UpgradeResult::Upgraded, 72000, "Upgrading...", "Misc.jpg"},
      {"a cargo module with goods aboard", kCategoryCargoSpace, 1, 100000, 1,
       UpgradeResult::CargoAboard, 100000, "Cargo space full!", ""},
      // Money is checked before the hold: only the money is reported.
      {"a cargo module, poor and loaded", kCategoryCargoSpace, 1, 10, 5,
       UpgradeResult::NotEnoughMoney, 10, "Not enough money!", "Misc_g.jpg"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    SetUp();
    ui.Clear();
    state::PlayerData[player::kCredits] = c.credits;
    state::Cargo[7] = c.cargoAboard;
    const state::TShipRow before = state::PlayerShip;
    EXPECT_EQ(rules::BuyEquipment(c.category, c.item, ui), c.result);
    EXPECT_EQ(state::PlayerData[player::kCredits], c.creditsAfter);
    ASSERT_EQ(ui.popups.size(), 1u);
    EXPECT_EQ(ui.popups[0].topic, c.topic);
    EXPECT_EQ(ui.popups[0].picture, c.picture);
    const ship::Field field = state::EquipmentShipField(c.category);
    if (c.result == UpgradeResult::Upgraded) {
      EXPECT_EQ(state::PlayerShip[field], c.item);
      EXPECT_EQ(ui.statusBarUpdates, 1);
    } else {
      EXPECT_EQ(state::PlayerShip, before) << "a refusal changes nothing";
      EXPECT_EQ(ui.statusBarUpdates, 0);
    }
  }
}

TEST_F(EquipmentShopTest, OnlyACargoModuleChangesTheCargoCapacity) {
  state::PlayerData[player::kCredits] = 1000000;
  const std::int32_t plain = state::PlayerShip[ship::kCargoSpace];
  // The XL-Trade engine would hold half again, but buying it leaves the capacity as it stands.
  ASSERT_EQ(rules::BuyEquipment(kCategoryEngine, 4, ui), UpgradeResult::Upgraded);
  EXPECT_EQ(state::PlayerShip[ship::kCargoSpace], plain);
  EXPECT_EQ(ui.tradePopupUpdates, 0);
  ASSERT_EQ(rules::BuyEquipment(kCategoryCargoSpace, 2, ui), UpgradeResult::Upgraded);
  EXPECT_EQ(state::PlayerShip[ship::kCargoSpace],
            state::GetShipCargoCapacity(kClassStarwolf, kModuleShieldUnit, state::Side::Player));
  EXPECT_NE(state::PlayerShip[ship::kCargoSpace], plain);
  EXPECT_EQ(ui.tradePopupUpdates, 1);
  EXPECT_EQ(ui.popups.back().text,
            "You upgrade the cargo space system of your ship to Auxiliary shield units.");
}

TEST_F(EquipmentShopTest, AnItemCheaperThanTheTradeInIsFreeButNotForADebtor) {
  state::PlayerShip[ship::kGun] = state::Stored(kGunParticle);  // the Laser costs nothing against a Particle
  state::PlayerData[player::kCredits] = -1;
  EXPECT_EQ(rules::BuyEquipment(kCategoryGuns, 0, ui), UpgradeResult::NotEnoughMoney);
  state::PlayerData[player::kCredits] = 0;
  EXPECT_EQ(rules::BuyEquipment(kCategoryGuns, 0, ui), UpgradeResult::Upgraded);
  EXPECT_EQ(state::PlayerData[player::kCredits], 0);
  EXPECT_EQ(state::PlayerShip[ship::kGun], state::Stored(kGunLaser));
  ui.Clear();
  EXPECT_EQ(rules::BuyEquipment(state::kNoEquipmentCategory, 0, ui), UpgradeResult::NoCategory);
  EXPECT_EQ(rules::BuyEquipment(state::EquipmentCategory{7}, 1, ui), UpgradeResult::NoCategory);
  EXPECT_TRUE(ui.popups.empty()) << "no category shows nothing";
}

TEST_F(EquipmentShopTest, TheFittedItemOfEachCategory) {
  struct Case {
    state::EquipmentCategory category;
    const char* type;
    const char* name;
    rules::StatRow first, second, third;
  };
  state::PlayerShip[ship::kEngine] = state::Stored(kEngineMCombat);
  state::PlayerShip[ship::kCargoModule] = state::Stored(kModuleCargoManagement);
  state::PlayerShip[ship::kEcm] = state::Stored(kEcmSupersafeMk1);
  const std::string cargoUnits =
      std::to_string(state::GetShipCargoCapacity(kClassStarwolf, kModuleCargoManagement, state::Side::Player));
  const Case cases[] = {
      {kCategoryGuns, "Ship weapon", "\"Laser (8 cm)\"",
       {"Damage:", std::to_string(state::GetGunDamage(kClassStarwolf, kGunLaser, state::Side::Player))},
       {"Hit-Chance:", std::to_string(state::GetGunAccuracy(kClassStarwolf, kGunLaser, state::Side::Player)) + "%"},
       {"Action Pts.:", std::to_string(state::GetGunApCost(kClassStarwolf, kGunLaser, state::Side::Player))}},
      {kCategoryMissiles, "Missile", "\"Arrow Mk. I\"",
       {"Damage:", std::to_string(state::GetMissileDamage(kClassStarwolf, kMissileArrowMk1))},
       {"Action Pts.:", std::to_string(state::GetMissileApCost(kClassStarwolf, kMissileArrowMk1, state::Side::Player))},
       {"Speciality:", "No speciality"}},
      {kCategoryEngine, "Engine", "\"DuziDazar M-Combat\"",
       {"Speed:", std::to_string(state::GetEngineTravelSpeed(kClassStarwolf, kEngineMCombat)) + "p/hour"},
       {"Evasive bonus:", "+ 10%"},
       {"Speciality:", "Combat evading"}},
      // The capacity in units, not a percentage.
      {kCategoryCargoSpace, "Cargo space", "\"Cargo management\"",
       {"Cargo space:", cargoUnits}, {"Speciality:", "Cargo space"}, {" ", " "}},
      {kCategoryTargeting, "Targeting", "\"Quicklock Mk. I\"",
       {"Hit-Chance:", "+ 0%"}, {"Speciality:", "No speciality"}, {" ", " "}},
      {kCategoryEcm, "ECM system", "\"Supersafe Mk. I\"",
       {"ECM Chance:", "+ " + std::to_string(state::EcmItem(kEcmSupersafeMk1).Chance()) + "%"},
       {"Action Pts.:", "5"},
       {"Speciality:", "No speciality"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.type);
    const rules::FittedEquipmentView v = rules::BuildFittedEquipmentView(c.category);
    EXPECT_EQ(v.type, c.type);
    EXPECT_EQ(v.name, c.name);
    const rules::StatRow expected[] = {c.first, c.second, c.third};
    for (int r = 0; r < 3; ++r) {
      EXPECT_EQ(v.rows[r].caption, expected[r].caption) << "row " << r + 1;
      EXPECT_EQ(v.rows[r].value, expected[r].value) << "row " << r + 1;
    }
  }
  EXPECT_EQ(rules::BuildFittedEquipmentView(kCategoryGuns).picture, "Equipment_Laser.jpg");
}

TEST_F(EquipmentShopTest, AnOfferShowsItsDetailsAndPriceOrThatItIsFitted) {
  state::PlayerShip[ship::kGun] = state::Stored(kGunParticle);
  const rules::EquipmentOfferView laser = rules::BuildEquipmentOfferView(kCategoryGuns, 0);
  EXPECT_EQ(laser.name, "\"Laser (8 cm)\"");
  EXPECT_EQ(laser.description.front(), '"');
  EXPECT_EQ(laser.description.back(), '"');
  EXPECT_EQ(laser.type, "Ship weapon");
  EXPECT_EQ(laser.rows[3].caption, "Speciality:");
  EXPECT_EQ(laser.rows[3].value, "No speciality");
  EXPECT_EQ(laser.price, "-2,000");
  EXPECT_EQ(rules::BuildEquipmentOfferView(kCategoryGuns, 3).price, "(Currently equipped)");

  const rules::EquipmentOfferView engine = rules::BuildEquipmentOfferView(kCategoryEngine, 1);
  EXPECT_EQ(engine.rows[0].value,
            std::to_string(state::GetEngineTravelSpeed(kClassStarwolf, kEngineTravellerMk2)) + " p/hour");
  EXPECT_EQ(rules::BuildEquipmentOfferView(kCategoryTargeting, 1).type, "Targeting system");
  EXPECT_EQ(rules::BuildEquipmentOfferView(kCategoryEcm, 1).type, "ECM");
  const rules::EquipmentOfferView cargo = rules::BuildEquipmentOfferView(kCategoryCargoSpace, 1);
  EXPECT_EQ(cargo.rows[0].value,
            std::to_string(state::GetShipCargoCapacity(kClassStarwolf, kModuleCargoManagement, state::Side::Player)));
  EXPECT_EQ(cargo.price, "28,000");
  EXPECT_TRUE(rules::BuildEquipmentOfferView(state::kNoEquipmentCategory, 1).name.empty());
}

}  // namespace
