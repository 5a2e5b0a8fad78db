#include "state/ship_classes.h"

#include <algorithm>
#include <climits>
#include <initializer_list>
#include <set>
#include <string>

#include <gtest/gtest.h>

using namespace state;

namespace {

constexpr ShipClassId kAllClasses[] = {
    kStarbaseClass, kClassStarwolf,  kClassStargun,       kClassAvenger,   kClassSabre,
    kClassOrion,    kClassShadowcat, kClassPaladin,       kClassHellcat,   kClassPatton,
    kClassShark,    kClassFerendar,  kClassOrionSquadron, kClassNeptun,    kClassGalaxy,
    kClassCorsair,  kClassMarauder,  kClassGettysburg,    kClassStonewall, kClassBattlegroup};

bool In(std::initializer_list<ShipClassId> set, ShipClassId value) {
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
    EXPECT_EQ(GetShipClassStat(kClassStarwolf, c.attribute), c.starwolf) << Stored(c.attribute);
    EXPECT_EQ(GetShipClassStat(kClassPatton, c.attribute), c.patton) << Stored(c.attribute);
  }
  EXPECT_EQ(GetShipClassName(kClassStarwolf), "Starwolf");
  EXPECT_EQ(GetShipClassName(kClassPatton), "Patton");
  EXPECT_EQ(GetShipClassName(kStarbaseClass), "Starbase");
}

// What every class row holds, whatever its numbers.
TEST(ShipClassStat, EveryClassIsAWholeShip) {
  std::set<std::string> names, pictures;
  for (const ShipClassId k : kAllClasses) {
    SCOPED_TRACE(Stored(k));
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
      EXPECT_GT(stat(a), 0) << Stored(a);
    EXPECT_EQ(stat(kAttrTravelSpeed) > 0, k != kStarbaseClass) << "only the starbase stays put";
    EXPECT_LE(stat(kAttrMinCrew), stat(kAttrMaxCrew));
    EXPECT_GE(stat(kAttrEncounterCategory), -4);
    EXPECT_LE(stat(kAttrEncounterCategory), 6);
    // The accessors read the same row.
    EXPECT_EQ(Stored(GetShipClassSize(k)), stat(kAttrSize));
    EXPECT_EQ(Stored(GetShipClassEncounterCategory(k)), stat(kAttrEncounterCategory));
    EXPECT_EQ(Stored(GetShipClassRole(k)), stat(kAttrRole));
    EXPECT_EQ(Stored(GetShipClassSpecial(k)), stat(kAttrSpecial));
    EXPECT_EQ(GetShipClassBaseShields(k), stat(kAttrShields));
    EXPECT_EQ(GetShipClassExperience(k), stat(kAttrExperience) * 20);
  }
}

// The groupings the rules single classes out by: size categories (prices, encounters, calibres),
// civilian hulls (transporters and freighters, the civilian kill count), formations and stations,
// and the fighters that need no crew.
TEST(ShipClassStat, ClassesFallIntoTheGroupsTheRulesReadThemBy) {
  for (const ShipClassId k : kAllClasses) {
    SCOPED_TRACE(Stored(k));
    const ShipSize size =
        In({kClassStarwolf, kClassStargun, kClassAvenger, kClassSabre, kClassOrion}, k)
            ? kSizeFighter
        : In({kClassShadowcat, kClassPaladin, kClassHellcat, kClassOrionSquadron}, k)
            ? kSizeCorvette
        : In({kClassPatton, kClassShark, kClassFerendar}, k) ? kSizeDestroyer
        : In({kClassNeptun, kClassGalaxy, kClassCorsair}, k) ? kSizeCruiser
                                                             : kSizeBattleship;
    EXPECT_EQ(GetShipClassSize(k), size);
    EXPECT_EQ(GetShipClassRole(k),
              In({kClassOrion, kClassFerendar, kClassOrionSquadron, kClassGalaxy}, k)
                  ? kRoleCivilian
                  : kRoleMilitary);
    EXPECT_EQ(GetShipClassStat(k, kAttrGroup),
              In({kStarbaseClass, kClassOrionSquadron, kClassBattlegroup}, k) ? 1 : 0);
    // fighters and the shuttle squadron
    const bool crewless = size == kSizeFighter || k == kClassOrionSquadron;
    EXPECT_EQ(GetShipClassStat(k, kAttrMaxCrew) == 0, crewless);
  }
}

TEST(ShipClassStat, NoClassAndNoAttributeGiveZero) {
  for (std::int32_t stored : {0, -2, 20, 100, INT_MIN, INT_MAX}) {
    const ShipClassId shipClass{stored};
    for (std::int32_t a = -1; a <= 20; ++a)
      EXPECT_EQ(GetShipClassStat(shipClass, ShipClassAttribute{a}), 0) << stored << "/" << a;
    EXPECT_EQ(GetShipClassSize(shipClass), kNoSize);
    EXPECT_EQ(GetShipClassRole(shipClass), ShipRole{0});
    EXPECT_EQ(GetShipClassSpecial(shipClass), kNoSpecial);
    EXPECT_EQ(GetShipClassEncounterCategory(shipClass), kCategoryUnset);
    EXPECT_EQ(GetShipClassBaseShields(shipClass), 0);
    EXPECT_EQ(GetShipClassExperience(shipClass), 0);
  }
  for (std::int32_t a : {0, 19, -1, INT_MIN, INT_MAX}) {
    EXPECT_EQ(GetShipClassStat(kClassStarwolf, ShipClassAttribute{a}), 0) << a;
    EXPECT_EQ(GetShipClassStat(kStarbaseClass, ShipClassAttribute{a}), 0) << a;
  }
}

TEST(ShipClassStat, ExperienceAndActionPoints) {
  EXPECT_EQ(GetShipClassExperience(kClassStarwolf), 2000);
  EXPECT_EQ(GetShipClassExperience(kClassBattlegroup), 360000);
  EXPECT_EQ(GetShipClassExperience(kStarbaseClass), 400000);
  for (const ShipClassId k : kAllClasses)
    EXPECT_EQ(GetShipClassStat(k, kAttrActionPoints),
              In({kClassGettysburg, kClassStonewall, kClassBattlegroup}, k) ? 6 : 5)
        << Stored(k);
}

TEST(ShipClassTexts, NamesAndPicturesOfNoShip) {
  EXPECT_EQ(GetShipClassName(kNoShipClass), "");
  EXPECT_EQ(GetShipClassImage(kNoShipClass), "NotAvailable");
  for (std::int32_t stored : {-2, 20, INT_MIN, INT_MAX}) {
    EXPECT_EQ(GetShipClassName(ShipClassId{stored}), "") << stored;
    EXPECT_EQ(GetShipClassImage(ShipClassId{stored}), "") << stored;
  }
}

TEST(ShipClassTexts, FactionPictures) {
  struct Case {
    ShipClassId shipClass;
    std::int32_t faction;
    const char* picture;
  };
  const Case cases[] = {
      {kStarbaseClass, 1, "Federation_Spacestation"},
      {kClassStargun, 0, "Pirate_Stargun"},
      {kClassSabre, 4, "Syndicate_Killerbee"},
      {kClassGettysburg, 2, "Outerrim_Skybreaker"},
      {kClassStonewall, 3, "Coalition_Blackjack"},
      {kClassBattlegroup, 1, "Federation_squadron"},
      {kClassStarwolf, 5, "Starwolf"},  // no such faction: no prefix
      {kClassStarwolf, -1, "Starwolf"},
      {kNoShipClass, 1, "NotAvailable"},  // no ship: plain picture
      {ShipClassId{-2}, 1, ""},
      {ShipClassId{20}, 1, ""},
  };
  for (const Case& c : cases)
    EXPECT_EQ(GetShipFactionImage(c.shipClass, Faction{c.faction}), c.picture)
        << Stored(c.shipClass) << "/" << c.faction;
}

TEST(ShipClassTexts, DescriptionsAndSummariesAreQuoted) {
  for (std::int32_t i = Stored(kNoShipClass); i <= Stored(kLastShipClass); ++i) {
    for (const std::string& text :
         {GetShipClassDescription(ShipClassId{i}), GetShipClassSummary(ShipClassId{i})}) {
      ASSERT_GE(text.size(), 3u) << i;
      EXPECT_EQ(text.front(), '"') << i;
      EXPECT_EQ(text.back(), '"') << i;
    }
  }
  EXPECT_EQ(
      GetShipClassDescription(kNoShipClass),
      "\"A starbase is the central defense position of every space system. It is heavily armed and "
      "can stand it\u00b4s own against any foe.\"");
  EXPECT_EQ(
      GetShipClassSummary(kClassStonewall),
      "\"It\u00b4s a fearsome ship named after a famous brigade in the American Civil War...\"");
  EXPECT_EQ(
      GetShipClassSummary(kClassGalaxy),
      "\"The Galaxy class is the largest freighter ever build. It has a great capacity and defense "
      "abilities.\"");
  EXPECT_EQ(GetShipClassDescription(kClassBattlegroup), GetShipClassSummary(kClassBattlegroup));
  EXPECT_EQ(GetShipClassSummary(kClassAvenger),
            "\"The Avenger is the Mars Corporation\u00b4s state-of-the-art heavy fighter...\"");
}

TEST(ShipClassTexts, StarbaseClassReadsTheStarbaseTextAndOthersKeepTheCallersText) {
  EXPECT_EQ(GetShipClassDescription(kStarbaseClass), GetShipClassDescription(kNoShipClass));
  EXPECT_EQ(GetShipClassSummary(kStarbaseClass), GetShipClassSummary(kNoShipClass));
  for (std::int32_t stored : {-2, 20, INT_MIN, INT_MAX}) {
    const ShipClassId index{stored};
    EXPECT_EQ(GetShipClassDescription(index), "") << stored;
    EXPECT_EQ(GetShipClassDescription(index, "kept"), "kept") << stored;
    EXPECT_EQ(GetShipClassSummary(index, "kept"), "kept") << stored;
  }
}

TEST(ShipClassTexts, Specials) {
  struct Case {
    ShipSpecial id;
    const char* name;
    const char* effect;
  };
  const Case cases[] = {
      {kSpecialEvasionComputer, "Evasion computer",
       "this ability makes you and your enemy more difficult to hit."},
      {kSpecialEnergyTransmitter, "Energy transmitter",
       "your gun damage is doubled, but your accuracy is reduced."},
      {kSpecialTwinGuns, "Twin guns",
       "you will be able to fire built-in turbo lasers instead of your standard guns."},
      {kSpecialDropAllMissiles, "Drop all missiles",
       "you will drop all missiles to increase speed and get a +1 AP bonus."},
      {kSpecialShieldPlus, "ShieldPlus device",
       "you will regenerate 5% of max. shield each turn, but cannot fire your guns."},
      {kSpecialAecmMissiles, "AECM missiles",
       "this ability makes your missiles harder to intercept, but also lowers their damage."},
      {kSpecialGunVolley, "Gun volley",
       "you will need +1 AP for firing guns, but the gun damage is increased by 50%."},
      {kSpecialFastMissileRacks, "Fast missile racks",
       "you will need -1 AP for firing a missile, but the missile damage is decreased."},
      {kSpecialBattleDroids, "Battle droids",
       "this ability will add two battle droids to your boarding crew."},
      {kSpecialExtendedSensors, "Extended sensors",
       "this ability decreases the chance of hostile encounters during travelling."},
      {kSpecialAntiPhaseEmitter, "Anti-phase emitter",
       "this ability removes you for one turn from this dimensional realm avoiding any damage."},
      {kSpecialHiddenCargoBay, "Hidden cargo bay",
       "this ability reduces the chance of being caught smuggling contraband."},
      {kSpecialEnergyShifting, "Energy shifting",
       "this ability gives you +2 AP every turn, but decreases your shields."},
      {kSpecialEnergyBoost, "Energy boost",
       "this ability decreases your AP by 2, but regenerates your shields every turn."},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(GetShipSpecialName(c.id), c.name) << Stored(c.id);
    EXPECT_EQ(GetShipSpecialEffect(c.id), c.effect) << Stored(c.id);
  }
  for (std::int32_t stored : {6, 0, -1, 16, INT_MIN, INT_MAX}) {
    const ShipSpecial id{stored};
    EXPECT_EQ(GetShipSpecialName(id, "kept"), "kept") << stored;
    EXPECT_EQ(GetShipSpecialEffect(id, "kept"), "kept") << stored;
    EXPECT_EQ(GetShipSpecialName(id), "") << stored;
  }
}

TEST(ShipClassTexts, EverySpecialAClassCarriesHasAName) {
  for (const ShipClassId k : kAllClasses) {
    const ShipSpecial special = GetShipClassSpecial(k);
    if (special != kNoSpecial) {
      EXPECT_NE(GetShipSpecialName(special), "") << Stored(k);
    }
  }
}

}  // namespace
