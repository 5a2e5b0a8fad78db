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
    EXPECT_EQ(GetGoodProduction(c.good, c.economyClass), c.points)
        << "good " << c.good << " class " << c.economyClass;
}

TEST(Goods, EveryLegalGoodHasAMainProducerAndContrabandNone) {
  for (std::int32_t good = 1; good <= kLastGood; ++good) {
    int mainProducers = 0;
    for (std::int32_t cls = 0; cls <= 6; ++cls)
      if (GetGoodProduction(good, cls) == kMainProducer) ++mainProducers;
    if (good < kFirstContraband)
      EXPECT_GT(mainProducers, 0) << "good " << good;
    else
      EXPECT_EQ(mainProducers, 0) << "good " << good;
  }
  // Class 0 produces nothing.
  for (std::int32_t good = 1; good <= kLastGood; ++good) EXPECT_LE(GetGoodProduction(good, 0), 0);
}

TEST(Goods, FillWritesNamesAndPricesOfTheEighteenGoodsOnly) {
  ClearGameState();
  GoodName[0] = "keep";
  GoodName[19] = "keep";
  GoodBasePrice[0] = -7;
  GoodBasePrice[19] = -7;
  FillGoodTables();

  struct Case {
    std::int32_t good;
    const char* name;
    std::int32_t price;
  };
  const Case cases[] = {
      {1, "Supplies", 100},   {2, "Medicals", 300},      {3, "Weapons", 575},
      {4, "Synthetics", 100}, {5, "Robotics", 300},      {6, "Engines", 575},
      {7, "Delicacies", 100}, {8, "Rare pets", 300},     {9, "Jewelry", 575},
      {10, "Super Ore", 100}, {11, "Diamonds", 300},     {12, "Antimatter", 575},
      {13, "*Rum", 500},      {14, "*Tobacco", 1000},    {15, "*Dreamdisc", 500},
      {16, "*Literature", 500}, {17, "*Religious", 1000}, {18, "*Stolen data", 1000},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(GoodName[c.good], c.name);
    EXPECT_EQ(GoodBasePrice[c.good], c.price) << c.name;
    EXPECT_EQ(GetGoodCatalogueName(c.good), c.name);
    EXPECT_EQ(GetGoodCatalogueBasePrice(c.good), c.price);
    // Contraband, and only contraband, is marked with a leading "*".
    EXPECT_EQ(GoodName[c.good].front() == '*', c.good >= kFirstContraband) << c.name;
  }
  EXPECT_EQ(GoodName[0], "keep");
  EXPECT_EQ(GoodName[19], "keep");
  EXPECT_EQ(GoodBasePrice[0], -7);
  EXPECT_EQ(GoodBasePrice[19], -7);
  EXPECT_EQ(GetGoodCatalogueName(0), "");
  EXPECT_EQ(GetGoodCatalogueName(19), "");
  EXPECT_EQ(GetGoodCatalogueBasePrice(19), 0);
  ClearGameState();
}

}  // namespace
