#include "state/goods.h"
#include "state/variables.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

using namespace state;

namespace {

TEST(Goods, ProductionAtTheEdgesOfTheTable) {
  struct Case {
    std::int32_t good, economyClass, points;
  };
  const Case cases[] = {
      {13, 4, -1},   // Rum is banned everywhere
      {17, 4, 0},    // religious goods are neither produced nor banned
      {10, 2, 10},   // super ore at a mining world
      {1, 1, 10},    {1, 5, 5},   {1, 6, 5},  {1, 0, 0},
      {7, 1, 5},     {7, 3, 10},  {9, 3, 10}, {9, 6, 5},
      {3, 4, 10},    {12, 2, 10}, {12, 4, 0},
      {18, 0, 0},    {16, 0, -1}, {15, 6, -1},
      // Outside the table: nothing, except that goods 13..16 stay banned under any class.
      {0, 1, 0},     {19, 2, 0},  {-1, 1, 0}, {1, 7, 0},  {10, -1, 0},
      {13, 7, -1},   {14, -5, -1}, {16, 100, -1}, {17, 7, 0},
  };
  for (const Case& c : cases)
    EXPECT_EQ(GetGoodProduction(Good{c.good}, c.economyClass), c.points)
        << "good " << c.good << " class " << c.economyClass;
}

TEST(Goods, EveryLegalGoodHasAMainProducerAndContrabandNone) {
  for (std::int32_t good = 1; good <= kLastGood; ++good) {
    int mainProducers = 0;
    for (std::int32_t cls = 0; cls <= 6; ++cls)
      if (GetGoodProduction(Good{good}, cls) == kMainProducer) ++mainProducers;
    if (good < kFirstContraband)
      EXPECT_GT(mainProducers, 0) << "good " << good;
    else
      EXPECT_EQ(mainProducers, 0) << "good " << good;
  }
  // Class 0 produces nothing.
  for (std::int32_t good = 1; good <= kLastGood; ++good) EXPECT_LE(GetGoodProduction(Good{good}, 0), 0);
}

TEST(Goods, FillWritesNamesAndPricesOfTheEighteenGoodsOnly) {
  ClearGameState();
  GoodName[0] = "keep";
  GoodName[19] = "keep";
  GoodBasePrice[0] = -7;
  GoodBasePrice[19] = -7;
  FillGoodTables();

  struct Case {
    Good good;
    const char* name;
    std::int32_t price;
  };
  const Case cases[] = {
      {kGoodSupplies, "Supplies", 100},   {kGoodMedicals, "Medicals", 300},      {kGoodWeapons, "Weapons", 575},
      {kGoodSynthetics, "Synthetics", 100}, {kGoodRobotics, "Robotics", 300},      {kGoodEngines, "Engines", 575},
      {kGoodDelicacies, "Delicacies", 100}, {kGoodRarePets, "Rare pets", 300},     {kGoodJewelry, "Jewelry", 575},
      {kGoodSuperOre, "Super Ore", 100}, {kGoodDiamonds, "Diamonds", 300},     {kGoodAntimatter, "Antimatter", 575},
      {kGoodRum, "*Rum", 500},      {kGoodTobacco, "*Tobacco", 1000},    {kGoodDreamdisc, "*Dreamdisc", 500},
      {kGoodLiterature, "*Literature", 500}, {kGoodReligious, "*Religious", 1000}, {kGoodStolenData, "*Stolen data", 1000},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(GoodName[Stored(c.good)], c.name);
    EXPECT_EQ(GoodBasePrice[Stored(c.good)], c.price) << c.name;
    EXPECT_EQ(GetGoodCatalogueName(c.good), c.name);
    EXPECT_EQ(GetGoodCatalogueBasePrice(c.good), c.price);
    // Contraband, and only contraband, is marked with a leading "*".
    EXPECT_EQ(GoodName[Stored(c.good)].front() == '*', Stored(c.good) >= kFirstContraband) << c.name;
  }
  EXPECT_EQ(GoodName[0], "keep");
  EXPECT_EQ(GoodName[19], "keep");
  EXPECT_EQ(GoodBasePrice[0], -7);
  EXPECT_EQ(GoodBasePrice[19], -7);
  EXPECT_EQ(GetGoodCatalogueName(kNoGood), "");
  EXPECT_EQ(GetGoodCatalogueName(Good{19}), "");
  EXPECT_EQ(GetGoodCatalogueBasePrice(Good{19}), 0);
  ClearGameState();
}

}  // namespace
