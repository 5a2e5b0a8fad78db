#include "state/ship_classes.h"

#include <algorithm>
#include <climits>
#include <initializer_list>
#include <set>
#include <string>

#include <gtest/gtest.h>

using namespace state;

namespace {

constexpr std::int32_t kAllClasses[] = {-1, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10,
                                        11, 12, 13, 14, 15, 16, 17, 18, 19};

bool In(std::initializer_list<std::int32_t> set, std::int32_t value) {
  return std::find(set.begin(), set.end(), value) != set.end();
}

// The attribute numbers mean what the rules read them as: two classes the tests fight with,
// attribute by name.
TEST(ShipClassStat, AttributesByName) {
  struct Case {
    ShipClassAttribute attribute;
    std::int32_t starwolf, patton;
  };
  const Case cases[] = {
      {kAttrSize,              1,       3}, {kAttrHitChance,     45,      45},
      {kAttrGunDamage,        12,      60}, {kAttrGunApCost,      2,       2},
      {kAttrShields,         100,     650}, {kAttrMissileDamage, 40,     140},
      {kAttrMissileApCost,     4,       4}, {kAttrTravelSpeed,  200,     200},
      {kAttrCargoSpace,       40,     100}, {kAttrExperience,   100,    3000},
      {kAttrPrice,         20000, 1200000}, {kAttrMinCrew,        0,      16},
      {kAttrMaxCrew,           0,      40}, {kAttrEncounterCategory, 1,    1},
      {kAttrRole,              1,       1}, {kAttrGroup,          0,       0},
      {kAttrSpecial,           1,       9}, {kAttrActionPoints,   5,       5},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(GetShipClassStat(1, c.attribute), c.starwolf) << c.attribute;
    EXPECT_EQ(GetShipClassStat(9, c.attribute), c.patton) << c.attribute;
  }
  EXPECT_EQ(GetShipClassName(1), "Starwolf");
  EXPECT_EQ(GetShipClassName(9), "Patton");
  EXPECT_EQ(GetShipClassName(-1), "Starbase");
}

// What every class row holds, whatever its numbers.
TEST(ShipClassStat, EveryClassIsAWholeShip) {
  std::set<std::string> names, pictures;
  for (std::int32_t k : kAllClasses) {
    SCOPED_TRACE(k);
    const auto stat = [k](ShipClassAttribute a) { return GetShipClassStat(k, a); };
    EXPECT_TRUE(names.insert(GetShipClassName(k)).second) << "names are unique";
    EXPECT_TRUE(pictures.insert(GetShipClassImage(k)).second) << "pictures are unique";
    EXPECT_NE(GetShipClassName(k), "");
    EXPECT_NE(GetShipClassImage(k), "");
    EXPECT_GE(stat(kAttrSize), 1);
    EXPECT_LE(stat(kAttrSize), 5);
    EXPECT_GE(stat(kAttrHitChance), 1);
    EXPECT_LE(stat(kAttrHitChance), 100);
    for (ShipClassAttribute a : {kAttrGunDamage, kAttrGunApCost, kAttrShields, kAttrMissileDamage,
                                 kAttrMissileApCost, kAttrCargoSpace, kAttrExperience, kAttrPrice,
                                 kAttrActionPoints})
      EXPECT_GT(stat(a), 0) << a;
    EXPECT_EQ(stat(kAttrTravelSpeed) > 0, k != kStarbaseClass) << "only the starbase stays put";
    EXPECT_LE(stat(kAttrMinCrew), stat(kAttrMaxCrew));
    EXPECT_GE(stat(kAttrEncounterCategory), -4);
    EXPECT_LE(stat(kAttrEncounterCategory), 6);
    // The accessors read the same row.
    EXPECT_EQ(GetShipClassSize(k), stat(kAttrSize));
    EXPECT_EQ(GetShipClassBaseShields(k), stat(kAttrShields));
    EXPECT_EQ(GetShipClassExperience(k), stat(kAttrExperience) * 20);
  }
}

// The groupings the rules single classes out by: size categories (prices, encounters, calibres),
// civilian hulls (transporters and freighters, the civilian kill count), formations and stations,
// and the fighters that need no crew.
TEST(ShipClassStat, ClassesFallIntoTheGroupsTheRulesReadThemBy) {
  for (std::int32_t k : kAllClasses) {
    SCOPED_TRACE(k);
    const std::int32_t size = In({1, 2, 3, 4, 5}, k)       ? 1
                              : In({6, 7, 8, 12}, k)       ? 2
                              : In({9, 10, 11}, k)         ? 3
                              : In({13, 14, 15}, k)        ? 4
                                                           : 5;
    EXPECT_EQ(GetShipClassSize(k), size);
    EXPECT_EQ(GetShipClassStat(k, kAttrRole), In({5, 11, 12, 14}, k) ? kRoleCivilian : kRoleMilitary);
    EXPECT_EQ(GetShipClassStat(k, kAttrGroup), In({-1, 12, 19}, k) ? 1 : 0);
    const bool crewless = size == 1 || k == 12;  // fighters and the shuttle squadron
    EXPECT_EQ(GetShipClassStat(k, kAttrMaxCrew) == 0, crewless);
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
  for (std::int32_t k : kAllClasses)
    EXPECT_EQ(GetShipClassStat(k, kAttrActionPoints), In({17, 18, 19}, k) ? 6 : 5) << k;
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
    EXPECT_EQ(GetShipFactionImage(c.shipClass, Faction{c.faction}), c.picture) << c.shipClass << "/" << c.faction;
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
  for (std::int32_t k : kAllClasses) {
    const std::int32_t special = GetShipClassStat(k, kAttrSpecial);
    if (special != 0) {
      EXPECT_NE(GetShipSpecialName(special), "") << k;
    }
  }
}

}  // namespace
