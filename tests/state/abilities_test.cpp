#include "state/abilities.h"
#include "state/equipment.h"
#include "state/equipment_ids.h"
#include "state/fields.h"
#include "state/variables.h"
#include "support/rows.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <initializer_list>
#include <string>

using namespace state;

namespace {

// Picture names and costs read the player's rank and ship; each test starts from a fresh game.
class AbilitiesTest : public ::testing::Test {
 protected:
  void SetUp() override { ClearGameState(); }
  void TearDown() override { ClearGameState(); }
};

TEST(AbilityCatalogue, NamesAndPicturesOfEveryAbility) {
  struct Case {
    std::int32_t id;
    const char* name;
    const char* picture;
  };
  const Case cases[] = {
      {1, "Fire guns", "Skill_Fire_Gun"},
      {2, "Fire missiles", "Skill_Fire_Missiles"},
      {3, "ECM", "Skill_ECM"},
      {4, "Focus beam", "Skill_Focus_Beam"},
      {5, "Overload gun", "Skill_Overload_gun"},
      {6, "Target lock", "Skill_Lock"},
      {7, "Discipline", "Skill_Discipline"},
      {8, "Manouvers", "Skill_Heroic_Rush"},
      {9, "Double speed", "Skill_Rage"},
      {10, "Taunt", "Skill_Taunt"},
      {11, "Flee", "Skill_Flee"},
      {12, "Tractor beam", "Skill_Tractorbeam"},
      {13, "Evil taunt", "Skill_EvilTaunt"},
      {14, "Cloak", "Skill_Cloak"},
      {15, "Exploit", "Skill_Ambush"},
      {16, "EMP", "Skill_EMP"},
      {17, "Exploit II", "Skill_Mutilate"},
      {18, "Recharge", "Skill_Recharge"},
      {19, "Disturb", "Skill_Disturb"},
      {20, "Mark", "Skill_Mark"},
      {21, "EMP resistance", "Skill_Deflect"},
      {22, "Focused shield", "Skill_FocusedShield"},
      {23, "Focused shield II", "Skill_FocusedShield2"},
      {24, "Reflection shield", "Skill_Reflect"},
      {25, "Reflection shield II", "Skill_Reflect2"},
      {26, "Evading", "Skill_Evading"},
      {27, "Shield boost", "Skill_ShieldBoost"},
      {28, "Sacrifice", "Skill_Sacrifice"},
      {29, "Calmness", "Skill_Calmness"},
      {30, "Reinforcements", "Skill_Reinforcements"},
      {31, "SOS buoy", "Skill_SOSBuoy"},
      {32, "Radio jammer", "Skill_Radio_Interference"},
      {33, "EMP II", "Skill_EMP2"},
      {34, "Focus beam II", "Skill_Focus_Beam2"},
      {35, "Disturb II", "Skill_Disturb2"},
      {36, "Ship\u00B4s special ability", "Skill_shipspecial"},
      {37, "Overheated", "Skill_shipspecial"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(GetAbilityName(state::Ability{c.id}), c.name) << "ability " << c.id;
    EXPECT_EQ(GetAbilityImage(state::Ability{c.id}), c.picture) << "ability " << c.id;
  }
}

// Long texts exactly as the game shows them: embedded quotation marks, the acute accent used as an
// apostrophe and the texts' own spellings.
TEST(AbilityCatalogue, DescriptionsAndEffectTextsAsWritten) {
  struct Case {
    std::int32_t id;
    const char* description;
    const char* effect;
  };
  const Case cases[] = {
      {1,
       "This ability fires all your guns at the enemy ship. A standard attack with a good balance of "
       "firepower and hit chance.",
       "Standard attack. Good balance of damage and hit chance."},
      {3,
       "ECM = \"Electronic Countermeasures\". They are able to destroy incoming missiles and prevent "
       "heavy damage on your ship.",
       "Is able to intercept incoming enemy missiles."},
      {5,
       "This will result in a gun salve similiar to a shotgun that will cause few damage, but has a "
       "very high hit chance. Good for sneaking in a sure hit.",
       "Gun salve: Few damage, but a high chance of hitting."},
      {9, "+ 2 AP every turn, but the risk to be hit is increased a lot",
       "Recharge speed doubled. Uses up all combo points."},
      {12,
       "A strong gravitational beam pulls the enemy ship closer and interrupts all enemy attempts to "
       "escape",
       "Interrupts any enemy attempt to flee immidiately."},
      {21, "Chance to break an enemy \"Mark\" effect by destroying the nasty beacon.",
       "Chance to break an enemy \"Mark\" effect."},
      {26,
       "These evasive manouvers cannot be descriped any less than artistic and will decrease the hit "
       "chances of the pilot and the attacker.",
       "Chance being hit and to hit is reduced by 40%. Combo points!"},
      {34,
       "This stronger variation of the classic \"focus beam\" ability concentrates your weapon energy "
       "to an even stronger super-beam.",
       "Takes out enemy drones fast and effectively."},
      {36,
       "Most ships have certain special abilities that are either always active or - if a combat "
       "ability - can be turned on during combat.",
       "This is a special ability of your ship."},
      {37, "Your guns have overheated and cannot be used until they have cooled down.",
       "Your guns have overheated and cannot be used until they have cooled down."},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(GetAbilityDescription(state::Ability{c.id}), c.description) << "ability " << c.id;
    EXPECT_EQ(GetAbilityEffectText(state::Ability{c.id}), c.effect) << "ability " << c.id;
  }
}

TEST(AbilityCatalogue, EveryAbilityHasItsTexts) {
  for (std::int32_t id = 1; id <= kLastAbility; ++id) {
    EXPECT_FALSE(GetAbilityName(state::Ability{id}).empty()) << "ability " << id;
    EXPECT_FALSE(GetAbilityImage(state::Ability{id}).empty()) << "ability " << id;
    EXPECT_FALSE(GetAbilityDescription(state::Ability{id}).empty()) << "ability " << id;
    // Only "Reinforcements" has no effect line.
    EXPECT_EQ(GetAbilityEffectText(state::Ability{id}, "kept") == "kept", id == 30) << "ability " << id;
  }
}

TEST(AbilityCatalogue, UnknownIdsLeaveTheCallersTextOrAnswerSafely) {
  for (std::int32_t id : {0, 38, -1, 1000}) {
    EXPECT_EQ(GetAbilityName(state::Ability{id}, "kept"), "kept") << id;
    EXPECT_EQ(GetAbilityName(state::Ability{id}), "") << id;
    EXPECT_EQ(GetAbilityImage(state::Ability{id}), "") << id;
    EXPECT_EQ(GetAbilityDescription(state::Ability{id}, "kept"), "kept") << id;
    EXPECT_EQ(GetAbilityEffectText(state::Ability{id}, "kept"), "kept") << id;
    EXPECT_EQ(GetAbilityApCost(state::Ability{id}), 3) << id;
    EXPECT_EQ(GetModifierDuration(state::Ability{id}), 2) << id;
  }
  EXPECT_EQ(GetAbilityEffectText(state::kReinforcements, "kept"), "kept");
  EXPECT_EQ(GetAbilityEffectText(state::kReinforcements), "");
}

TEST(AbilityCatalogue, ModifierDurations) {
  auto expected = [](std::int32_t id) -> std::int32_t {
    for (std::int32_t four : {6, 7, 8, 9, 10, 12, 13, 22, 23, 24, 25, 26})
      if (id == four) return 4;
    switch (id) {
      case 14: return 10;
      case 20: return 15;
      case 31: return 20;
      case 30: case 36: return 10000;
      case 11: return 0;
      default: return 2;
    }
  };
  for (std::int32_t id = -1; id <= kLastAbility + 1; ++id) {
    EXPECT_EQ(GetModifierDuration(state::Ability{id}), expected(id)) << "ability " << id;
    EXPECT_GE(GetModifierDuration(state::Ability{id}), 0);
  }
}

TEST_F(AbilitiesTest, FixedActionPointCosts) {
  struct Group {
    std::int32_t cost;
    std::initializer_list<std::int32_t> ids;
  };
  const Group groups[] = {
      {1, {6, 7, 8, 9, 10, 13, 18, 20, 29}},
      {2, {12, 19, 21, 22, 23, 24, 25, 26, 31, 32, 35}},
      {5, {11, 14, 16, 28, 33}},
      {0, {37}},
      {3, {27, 30, 36}},
  };
  // A fitted ship must not change what the fixed-cost abilities cost.
  for (const state::ShipClassId shipClass :
       {state::kNoShipClass, state::kClassStarwolf, state::kClassOrionSquadron}) {
    PlayerShip = test_rows::ShipRow()
                     .Class(shipClass)
                     .Gun(kGunFusion)
                     .MissileLauncher(kMissileXAsm)
                     .Ecm(kEcmSupersafeMk1);
    for (const Group& g : groups) {
      for (std::int32_t id : g.ids) EXPECT_EQ(GetAbilityApCost(state::Ability{id}), g.cost) << "ability " << id;
    }
  }
}

TEST_F(AbilitiesTest, WeaponAbilitiesCostWhatThePlayersFittedItemCosts) {
  struct Fit {
    state::ShipClassId shipClass;
    std::int32_t gun, missile, ecm;
  };
  const Fit fits[] = {{state::kClassStarwolf, 0, 0, 0},
                      {state::kClassStarwolf, 1, 10, 2},
                      {state::kClassOrion, 2, 2, 4},
                      {state::kClassOrionSquadron, 8, 6, 5},
                      {state::kStarbaseClass, 3, 9, 1}};
  for (const Fit& f : fits) {
    PlayerShip = test_rows::ShipRow()
                     .Class(f.shipClass)
                     .Gun(GunId{f.gun})
                     .MissileLauncher(MissileId{f.missile})
                     .Ecm(EcmId{f.ecm});
    // The enemy's ship plays no part in the player's costs.
    EnemyShip[ship::kClass] = 3;
    EnemyShip[ship::kGun] = state::Stored(kGunSuperFusion);
    const std::int32_t gun = GetGunApCost(f.shipClass, GunId{f.gun}, Side::Player);
    EXPECT_GT(gun, 0) << "class " << state::Stored(f.shipClass);
    EXPECT_EQ(GetAbilityApCost(state::kFireGuns), gun);
    EXPECT_EQ(GetAbilityApCost(state::kOverloadGun), gun);
    for (std::int32_t variant : {4, 15, 17, 34}) EXPECT_EQ(GetAbilityApCost(state::Ability{variant}), gun + 2);
    EXPECT_EQ(GetAbilityApCost(state::kFireMissiles), GetMissileApCost(f.shipClass, MissileId{f.missile}, Side::Player));
    EXPECT_EQ(GetAbilityApCost(state::kEcm), EcmItem(EcmId{f.ecm}).apCost);
  }
}

TEST_F(AbilitiesTest, MissileCostFollowsTheAdmiralsDiscount) {
  PlayerShip[ship::kClass] = 1;
  PlayerShip[ship::kMissileLauncher] = state::Stored(kMissileArrowMk3);
  PlayerData[player::kRank] = 6;
  const std::int32_t captain = GetAbilityApCost(state::kFireMissiles);
  PlayerData[player::kRank] = 7;
  // An Arrow Mk. III on a Starwolf costs more than the 2-point floor, so the admiral saves one.
  EXPECT_EQ(GetAbilityApCost(state::kFireMissiles), GetMissileApCost(state::kClassStarwolf, kMissileArrowMk3, Side::Player));
  EXPECT_EQ(GetAbilityApCost(state::kFireMissiles), captain - 1);
}

TEST_F(AbilitiesTest, AdmiralsSeeAdvancedWeaponPictures) {
  struct Case {
    std::int32_t rank;
    std::int32_t id;
    const char* picture;
  };
  const Case cases[] = {
      {7, 1, "Skill_Fire_GunAdv"}, {7, 2, "Skill_Fire_MisslesAdv"}, {7, 3, "Skill_ECMAdv"},
      {7, 4, "Skill_Focus_Beam"},  {8, 1, "Skill_Fire_Gun"},        {6, 2, "Skill_Fire_Missiles"},
      {0, 3, "Skill_ECM"},         {7, 0, ""},                      {7, 38, ""},
  };
  for (const Case& c : cases) {
    PlayerData[player::kRank] = c.rank;
    EXPECT_EQ(GetAbilityImage(state::Ability{c.id}), c.picture) << "rank " << c.rank << " ability " << c.id;
  }
}

TEST(SkillCatalogue, NamesPicturesAndSampleDescriptions) {
  struct Case {
    Skill id;
    const char* name;
    const char* picture;
  };
  const Case cases[] = {
      {kSkillTrader, "Trader", "Skill_Trader"},
      {kSkillAdvancedTrader, "Advanced Trader", "Skill_TraderAdv"},
      {kSkillCargoManager, "Cargo manager", "Skill_CargoManager"},
      {kSkillAdvancedCargoManager, "Advanced cargo manager", "Skill_CargoManagerAdv"},
      {kSkillConnections, "Connections", "Skill_Connections"},
      {kSkillAdvancedConnections, "Advanced connections", "Skill_ConnectionsAdv"},
      {kSkillTycoon, "Tycoon", "Skill_Tycoon"},
      {kSkillAdvancedTycoon, "Advanced Tycoon", "Skill_TycoonAdv"},
      {kSkillCriminalistics, "Criminalistics", "Skill_Criminalistics"},
      {kSkillAdvancedCriminalistics, "Advanced criminalistics", "Skill_CriminalisticsAdv"},
      {kSkillTracking, "Tracking", "Skill_Tracking"},
      {kSkillAdvancedTracking, "Advanced tracking", "Skill_TrackingAdv"},
      {kSkillBountyHunter, "Bounty hunter", "Skill_BountyHunter"},
      {kSkillCombatPatrol, "Combat patrol", "Skill_CombatPatrol"},
      {kSkillDeepSpacePatrol, "Deep space patrol", "Skill_CombatPatrolAdv"},
      {kSkillRewards, "Rewards", "Skill_Rewards"},
      {kSkillAdvancedRewards, "Advanced rewards", "Skill_RewardsAdv"},
      {kSkillFastRecharge, "Fast recharge", "Skill_FastRecharge"},
      {kSkillRumors, "Rumors", "Skill_Rumors"},
      {kSkillLegendary, "Legendary", "Skill_Legendary"},
      {kSkillDisguise, "Disguise", "Skill_Disguise"},
      {kSkillAdvancedDisguise, "Advanced disguise", "Skill_DisguiseAdv"},
      {kSkillStreetRules, "Street rules", "Skill_Streetwise"},
      {kSkillAdvancedStreetRules, "Advanced street rules", "Skill_StreetwiseAdv"},
      {kSkillSpy, "Spy", "Skill_Spy"},
      {kSkillTraitor, "Traitor", "Skill_Traitor"},
      {kSkillSyndicate, "Syndicate", "Skill_Syndicate"},
      {kSkillHacker, "Hacker", "Skill_Hacker"},
      {kSkillCleanRecord, "Clean record", "Skill_Cleanrecord"},
      {kSkillAmnesty, "Amnesty", "Skill_Amnesty"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(GetSkillName(c.id), c.name) << "skill " << Stored(c.id);
    EXPECT_EQ(GetSkillImage(c.id), c.picture) << "skill " << Stored(c.id);
    EXPECT_FALSE(GetSkillDescription(c.id).empty()) << "skill " << Stored(c.id);
  }

  struct Text {
    Skill id;
    const char* description;
  };
  const Text texts[] = {
      {kSkillAdvancedCargoManager,
       "This improved ability to manage available spaces and cargo makes it possible to increase the "
       "available cargo space on your ship bx 50%."},
      {kSkillTycoon,
       "As a tycoon you\u00B4ll know how to invest your money to bring a maximum of revenue. Your "
       "wealth is increased by 5% every 200 turns."},
      {kSkillBountyHunter, "With this ability chances of finding the objective of bounty missions in increased."},
      {kSkillSyndicate,
       "As a member of the Syndicate / Order of the Serpent you will know the locations of hidden "
       "pirate hideouts where you can wait until your criminal flag wears off."},
      {kSkillAmnesty,
       "With this ability you can buy an amnesty at a local governor when you are flagged "
       "criminal."},
  };
  for (const Text& t : texts) EXPECT_EQ(GetSkillDescription(t.id), t.description) << Stored(t.id);
}

TEST(SkillCatalogue, IdsBeyondTheSkillsAnswerAsTheGameDoes) {
  for (std::int32_t id = 31; id <= 35; ++id) {
    EXPECT_EQ(GetSkillImage(Skill{id}), "Skill_Taunt") << id;
    EXPECT_EQ(GetSkillName(Skill{id}, "kept"), "kept") << id;
    EXPECT_EQ(GetSkillDescription(Skill{id}, "kept"), "kept") << id;
  }
  EXPECT_EQ(GetSkillName(kSkillShipSpecial), "Ship\u00B4s special ability");
  EXPECT_EQ(GetSkillImage(kSkillShipSpecial), "Skill_shipspecial");
  EXPECT_EQ(GetSkillDescription(kSkillShipSpecial), GetAbilityDescription(kShipSpecial));
  for (std::int32_t id : {0, 37, -1, 1000}) {
    EXPECT_EQ(GetSkillName(Skill{id}, "kept"), "kept") << id;
    EXPECT_EQ(GetSkillImage(Skill{id}, "kept"), "kept") << id;
    EXPECT_EQ(GetSkillDescription(Skill{id}, "kept"), "kept") << id;
    EXPECT_EQ(GetSkillImage(Skill{id}), "") << id;
  }
}

TEST(SkillCatalogue, ApostropheIsTheAcuteAccentInUtf8) {
  // The game writes "´" (U+00B4) where English has an apostrophe; in memory it is UTF-8.
  EXPECT_EQ(GetAbilityName(kShipSpecial), "Ship\xC2\xB4s special ability");
  EXPECT_EQ(GetSkillDescription(kSkillTycoon).find('\''), std::string::npos);
}

}  // namespace
