#include "state/ship_classes.h"

#include <array>
#include <climits>
#include <string>

#include <gtest/gtest.h>

using namespace state;

namespace {

struct ClassCase {
  std::int32_t shipClass;
  const char* name;
  const char* picture;
  std::array<std::int32_t, 18> stats;  // attributes 1..18
};

// The whole class table as the game's balance sheet has it.
const ClassCase kClasses[] = {
    // attributes 1..18 in the order of the class table
    { -1, "Starbase",       "Spacestation", {5, 45, 180, 2, 3500, 600, 4,   0, 2000, 20000,  5000000, 100, 200,  4, 1, 1,  0, 5}},
    {  1, "Starwolf",       "Starwolf",     {1, 45,  12, 2,  100,  40, 4, 200,  40,   100,    20000,   0,   0,  1, 1, 0,  1, 5}},
    {  2, "Stargun",        "Stargun",      {1, 45,  14, 2,  120,  60, 4, 200,  20,   150,    35000,   0,   0,  3, 1, 0,  2, 5}},
    {  3, "Avenger",        "Avenger",      {1, 45,  16, 2,  140,  80, 4, 200,  20,   200,    50000,   0,   0, -1, 1, 0,  3, 5}},
    {  4, "Sabre",          "Killerbee",    {1, 45,  20, 2,  110,  40, 4, 200,  20,   200,    55000,   0,   0, -4, 1, 0,  4, 5}},
    {  5, "Orion",          "Orion",        {1, 45,   8, 2,   80,  30, 4, 200,  80,   160,    20000,   0,   0,  4, 2, 0,  5, 5}},
    {  6, "Shadowcat",      "Shadowcat",    {2, 45,  28, 2,  250,  80, 4, 200,  60,   800,   250000,   6,  16,  1, 1, 0,  2, 5}},
    {  7, "Paladin",        "Paladin",      {2, 45,  35, 2,  350, 100, 4, 200,  60,  1200,   400000,   6,  20, -1, 1, 0,  7, 5}},
    {  8, "Hellcat",        "Hellcat",      {2, 45,  30, 2,  300, 100, 4, 200,  60,  1000,   320000,   6,  20,  2, 1, 0,  8, 5}},
    {  9, "Patton",         "Patton",       {3, 45,  60, 2,  650, 140, 4, 200, 100,  3000,  1200000,  16,  40,  1, 1, 0,  9, 5}},
    { 10, "Shark",          "Shark",        {3, 45,  50, 2,  550,  45, 4, 200, 150,  2200,  1000000,  12,  36,  6, 1, 0, 10, 5}},
    { 11, "Ferendar",       "Ferendar",     {3, 45,  30, 2,  400,  80, 4, 200, 400,  2000,   600000,  12,  32,  4, 2, 0, 11, 5}},
    { 12, "Orion Squadron", "OrionSquad",   {2, 45,  18, 2,  300,  60, 4, 200, 240,  1000,    60000,   0,   0,  4, 2, 1, 11, 5}},
    { 13, "Neptun",         "Neptun",       {4, 45, 100, 2, 1200, 200, 4, 200, 200,  6000,  3000000,  25,  70,  4, 1, 0, 12, 5}},
    { 14, "Galaxy",         "Galaxy",       {4, 45,  50, 2,  700, 140, 4, 200, 800,  4500,  2000000,  30,  80,  4, 2, 0, 11, 5}},
    { 15, "Corsair",        "Corsair",      {4, 45,  80, 2, 1000, 200, 4, 200, 350,  6000,  2500000,  30,  80,  5, 1, 0, 13, 5}},
    { 16, "Marauder",       "Marauder",     {5, 45, 130, 2, 2000, 400, 4, 200, 350, 10000,  5000000,  40, 100,  4, 1, 0, 14, 5}},
    { 17, "Gettysburg",     "Skybreaker",   {5, 45, 150, 2, 2500, 400, 4, 200, 400, 12500,  6000000,  50, 125, -1, 1, 0, 15, 6}},
    { 18, "Stonewall",      "Blackjack",    {5, 45, 150, 2, 1800, 500, 4, 200, 400, 12500,  6000000,  40, 110,  2, 1, 0,  3, 6}},
    { 19, "Battlegroup",    "squadron",     {5, 45, 200, 2, 3000, 600, 4, 200, 800, 18000, 10000000,  80, 200,  4, 1, 1,  0, 6}},
};

TEST(ShipClassStat, EveryAttributeOfEveryClass) {
  for (const ClassCase& c : kClasses) {
    for (std::int32_t a = 1; a <= 18; ++a)
      EXPECT_EQ(GetShipClassStat(c.shipClass, a), c.stats[a - 1]) << c.shipClass << "/" << a;
    EXPECT_EQ(GetShipClassSize(c.shipClass), c.stats[0]) << c.shipClass;
    EXPECT_EQ(GetShipClassBaseShields(c.shipClass), c.stats[4]) << c.shipClass;
    EXPECT_EQ(GetShipClassExperience(c.shipClass), c.stats[9] * 20) << c.shipClass;
    EXPECT_EQ(GetShipClassName(c.shipClass), c.name) << c.shipClass;
    EXPECT_EQ(GetShipClassImage(c.shipClass), c.picture) << c.shipClass;
  }
}

TEST(ShipClassStat, NoClassAndNoAttributeGiveZero) {
  for (std::int32_t shipClass : {0, -2, 20, 100, INT_MIN, INT_MAX}) {
    for (std::int32_t a = -1; a <= 20; ++a)
      EXPECT_EQ(GetShipClassStat(shipClass, a), 0) << shipClass << "/" << a;
    EXPECT_EQ(GetShipClassSize(shipClass), 0);
    EXPECT_EQ(GetShipClassBaseShields(shipClass), 0);
    EXPECT_EQ(GetShipClassExperience(shipClass), 0);
  }
  for (std::int32_t a : {0, 19, -1, INT_MIN, INT_MAX}) {
    EXPECT_EQ(GetShipClassStat(1, a), 0) << a;
    EXPECT_EQ(GetShipClassStat(-1, a), 0) << a;
  }
}

TEST(ShipClassStat, ExperienceAndActionPoints) {
  EXPECT_EQ(GetShipClassExperience(1), 2000);
  EXPECT_EQ(GetShipClassExperience(19), 360000);
  EXPECT_EQ(GetShipClassExperience(-1), 400000);
  for (const ClassCase& c : kClasses) {
    const bool heavy = c.shipClass == 17 || c.shipClass == 18 || c.shipClass == 19;
    EXPECT_EQ(GetShipClassStat(c.shipClass, kAttrActionPoints), heavy ? 6 : 5) << c.shipClass;
  }
}

TEST(ShipClassTexts, NamesAndPicturesOfNoShip) {
  EXPECT_EQ(GetShipClassName(0), "");
  EXPECT_EQ(GetShipClassImage(0), "NotAvailable");
  for (std::int32_t shipClass : {-2, 20, INT_MIN, INT_MAX}) {
    EXPECT_EQ(GetShipClassName(shipClass), "") << shipClass;
    EXPECT_EQ(GetShipClassImage(shipClass), "") << shipClass;
  }
}

TEST(ShipClassTexts, FactionPictures) {
  struct Case {
    std::int32_t shipClass, faction;
    const char* picture;
  };
  const Case cases[] = {
      {-1, 1, "Federation_Spacestation"},
      { 2, 0, "Pirate_Stargun"},
      { 4, 4, "Syndicate_Killerbee"},
      {17, 2, "Outerrim_Skybreaker"},
      {18, 3, "Coalition_Blackjack"},
      {19, 1, "Federation_squadron"},
      { 1, 5, "Starwolf"},        // no such faction: no prefix
      { 1, -1, "Starwolf"},
      { 0, 1, "NotAvailable"},    // no ship: plain picture
      {-2, 1, ""},
      {20, 1, ""},
  };
  for (const Case& c : cases)
    EXPECT_EQ(GetShipFactionImage(c.shipClass, c.faction), c.picture) << c.shipClass << "/" << c.faction;
}

TEST(ShipClassTexts, DescriptionsAndSummariesAreQuoted) {
  for (std::int32_t i = 0; i <= 19; ++i) {
    for (const std::string& text : {GetShipClassDescription(i), GetShipClassSummary(i)}) {
      ASSERT_GE(text.size(), 3u) << i;
      EXPECT_EQ(text.front(), '"') << i;
      EXPECT_EQ(text.back(), '"') << i;
    }
  }
  EXPECT_EQ(GetShipClassDescription(0),
            "\"A starbase is the central defense position of every space system. It is heavily armed and "
            "can stand it\u00b4s own against any foe.\"");
  EXPECT_EQ(GetShipClassSummary(18),
            "\"It\u00b4s a fearsome ship named after a famous brigade in the American Civil War...\"");
  EXPECT_EQ(GetShipClassSummary(14),
            "\"The Galaxy class is the largest freighter ever build. It has a great capacity and defense "
            "abilities.\"");
  EXPECT_EQ(GetShipClassDescription(19), GetShipClassSummary(19));
  EXPECT_EQ(GetShipClassSummary(3),
            "\"The Avenger is the Mars Corporation\u00b4s state-of-the-art heavy fighter...\"");
}

TEST(ShipClassTexts, StarbaseClassReadsTheStarbaseTextAndOthersKeepTheCallersText) {
  EXPECT_EQ(GetShipClassDescription(-1), GetShipClassDescription(0));
  EXPECT_EQ(GetShipClassSummary(-1), GetShipClassSummary(0));
  for (std::int32_t index : {-2, 20, INT_MIN, INT_MAX}) {
    EXPECT_EQ(GetShipClassDescription(index), "") << index;
    EXPECT_EQ(GetShipClassDescription(index, "kept"), "kept") << index;
    EXPECT_EQ(GetShipClassSummary(index, "kept"), "kept") << index;
  }
}

TEST(ShipClassTexts, Specials) {
  struct Case {
    std::int32_t id;
    const char* name;
    const char* effect;
  };
  const Case cases[] = {
      { 1, "Evasion computer",    "this ability makes you and your enemy more difficult to hit."},
      { 2, "Energy transmitter",  "your gun damage is doubled, but your accuracy is reduced."},
      { 3, "Twin guns",           "you will be able to fire built-in turbo lasers instead of your standard guns."},
      { 4, "Drop all missiles",   "you will drop all missiles to increase speed and get a +1 AP bonus."},
      { 5, "ShieldPlus device",   "you will regenerate 5% of max. shield each turn, but cannot fire your guns."},
      { 7, "AECM missiles",       "this ability makes your missiles harder to intercept, but also lowers their damage."},
      { 8, "Gun volley",          "you will need +1 AP for firing guns, but the gun damage is increased by 50%."},
      { 9, "Fast missile racks",  "you will need -1 AP for firing a missile, but the missile damage is decreased."},
      {10, "Battle droids",       "this ability will add two battle droids to your boarding crew."},
      {11, "Extended sensors",    "this ability decreases the chance of hostile encounters during travelling."},
      {12, "Anti-phase emitter",  "this ability removes you for one turn from this dimensional realm avoiding any damage."},
      {13, "Hidden cargo bay",    "this ability reduces the chance of being caught smuggling contraband."},
      {14, "Energy shifting",     "this ability gives you +2 AP every turn, but decreases your shields."},
      {15, "Energy boost",        "this ability decreases your AP by 2, but regenerates your shields every turn."},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(GetShipSpecialName(c.id), c.name) << c.id;
    EXPECT_EQ(GetShipSpecialEffect(c.id), c.effect) << c.id;
  }
  for (std::int32_t id : {6, 0, -1, 16, INT_MIN, INT_MAX}) {
    EXPECT_EQ(GetShipSpecialName(id, "kept"), "kept") << id;
    EXPECT_EQ(GetShipSpecialEffect(id, "kept"), "kept") << id;
    EXPECT_EQ(GetShipSpecialName(id), "") << id;
  }
}

TEST(ShipClassTexts, EverySpecialAClassCarriesHasAName) {
  for (const ClassCase& c : kClasses) {
    const std::int32_t special = GetShipClassStat(c.shipClass, kAttrSpecial);
    if (special != 0) {
      EXPECT_NE(GetShipSpecialName(special), "") << c.shipClass;
    }
  }
}

}  // namespace
