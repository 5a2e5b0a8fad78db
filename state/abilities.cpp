#include "state/abilities.h"

#include <array>

#include "state/equipment.h"
#include "state/fields.h"
#include "state/ranks.h"
#include "state/ship_class_of.h"
#include "state/variables.h"

namespace state {
namespace {

// What an ability's action-point cost is built on: a fixed number of points, or the cost of the
// fitted gun, missile launcher or ECM plus the given points.
enum ApBase { kFixedAp, kGunAp, kMissileAp, kEcmAp };

struct AbilityRow {
  std::int32_t id;
  const char* name;
  const char* picture;
  ApBase apBase;
  std::int32_t apPoints;
  std::int32_t effectTurns;
  const char* effect;  // nullptr: the ability has no one-line effect text
};

// clang-format off
constexpr std::array<AbilityRow, kLastAbility + 1> kAbilities{{
    //   name                      picture                     AP cost     + turns  effect text
    { 0, nullptr,                  nullptr,                    kFixedAp,   3, 2,     nullptr},
    { 1, "Fire guns",              "Skill_Fire_Gun",           kGunAp,     0, 2,     "Standard attack. Good balance of damage and hit chance."},
    { 2, "Fire missiles",          "Skill_Fire_Missiles",      kMissileAp, 0, 2,     "Devastating damage. Long impact time, countered by ECM."},
    { 3, "ECM",                    "Skill_ECM",                kEcmAp,     0, 2,     "Is able to intercept incoming enemy missiles."},
    { 4, "Focus beam",             "Skill_Focus_Beam",         kGunAp,     2, 2,     "Gun salve: High damage, but a low chance of hitting."},
    { 5, "Overload gun",           "Skill_Overload_gun",       kGunAp,     0, 2,     "Gun salve: Few damage, but a high chance of hitting."},
    { 6, "Target lock",            "Skill_Lock",               kFixedAp,   1, 4,     "Increased hit chance until the effect wears off."},
    { 7, "Discipline",             "Skill_Discipline",         kFixedAp,   1, 4,     "Increased hit chance for (just) the next gun salve."},
    { 8, "Manouvers",              "Skill_Heroic_Rush",        kFixedAp,   1, 4,     "Damage is increased by 50%; damage taken also by 25%!"},
    { 9, "Double speed",           "Skill_Rage",               kFixedAp,   1, 4,     "Recharge speed doubled. Uses up all combo points."},
    {10, "Taunt",                  "Skill_Taunt",              kFixedAp,   1, 4,     "Enemy hit chance is decreased until the timer wears off."},
    {11, "Flee",                   "Skill_Flee",               kFixedAp,   5, 0,     "Chance to escape from combat. May not be interrupted."},
    {12, "Tractor beam",           "Skill_Tractorbeam",        kFixedAp,   2, 4,     "Interrupts any enemy attempt to flee immidiately."},
    {13, "Evil taunt",             "Skill_EvilTaunt",          kFixedAp,   1, 4,     "Enemy hit chance is decreased until the timer wears off."},
    {14, "Cloak",                  "Skill_Cloak",              kFixedAp,   5, 10,    "Makes you invisible to enemy eyes and sensors."},
    {15, "Exploit",                "Skill_Ambush",             kGunAp,     2, 2,     "Gun salve: Damage doubled. Requires you being cloaked."},
    {16, "EMP",                    "Skill_EMP",                kFixedAp,   5, 2,     "Immobilizing the target until the timer wears off."},
    {17, "Exploit II",             "Skill_Mutilate",           kGunAp,     2, 2,     "Gun salve: Extreme damage. Req.: combo points and enemy EMPed."},
    {18, "Recharge",               "Skill_Recharge",           kFixedAp,   1, 2,     "Recharges all your other abilities. Effective immidiately."},
    {19, "Disturb",                "Skill_Disturb",            kFixedAp,   2, 2,     "Removes one enemy bonus effect. Effective immidiately."},
    {20, "Mark",                   "Skill_Mark",               kFixedAp,   1, 15,    "Enemy cannot cloak until the timer wears off."},
    {21, "EMP resistance",         "Skill_Deflect",            kFixedAp,   2, 2,     "Chance to break an enemy \"Mark\" effect."},
    {22, "Focused shield",         "Skill_FocusedShield",      kFixedAp,   2, 4,     "The next damage through enemy fire is reduced by 50%."},
    {23, "Focused shield II",      "Skill_FocusedShield2",     kFixedAp,   2, 4,     "The next damage through enemy fire is reduced by 75%."},
    {24, "Reflection shield",      "Skill_Reflect",            kFixedAp,   2, 4,     "12% of the next enemy fire or the next effect hits enemy."},
    {25, "Reflection shield II",   "Skill_Reflect2",           kFixedAp,   2, 4,     "25% of the next enemy fire or the next effect hits enemy."},
    {26, "Evading",                "Skill_Evading",            kFixedAp,   2, 4,     "Chance being hit and to hit is reduced by 40%. Combo points!"},
    {27, "Shield boost",           "Skill_ShieldBoost",        kFixedAp,   3, 2,     "Recharges shields by 25% of max. value."},
    {28, "Sacrifice",              "Skill_Sacrifice",          kFixedAp,   5, 2,     "Recharges shields. Req.: Combo points and F+R shields!"},
    {29, "Calmness",               "Skill_Calmness",           kFixedAp,   1, 2,     "All enemy taunt effects are removed."},
    {30, "Reinforcements",         "Skill_Reinforcements",     kFixedAp,   3, 10000, nullptr},
    {31, "SOS buoy",               "Skill_SOSBuoy",            kFixedAp,   2, 20,    "Available reinforcements will arrive faster!"},
    {32, "Radio jammer",           "Skill_Radio_Interference", kFixedAp,   2, 2,     "Enemy reinforcements are slowed down, SOS buoys destroyed."},
    {33, "EMP II",                 "Skill_EMP2",               kFixedAp,   5, 2,     "Drones cause damage on the enemy every turn."},
    {34, "Focus beam II",          "Skill_Focus_Beam2",        kGunAp,     2, 2,     "Takes out enemy drones fast and effectively."},
    {35, "Disturb II",             "Skill_Disturb2",           kFixedAp,   2, 2,     "All enemy bonuses will be removed."},
    {36, "Ship´s special ability", "Skill_shipspecial",        kFixedAp,   3, 10000, "This is a special ability of your ship."},
    {37, "Overheated",             "Skill_shipspecial",        kFixedAp,   0, 2,     "Your guns have overheated and cannot be used until they have cooled down."},
}};

constexpr std::array<const char*, kLastAbility + 1> kAbilityDescriptions{{
    /*  0 */ nullptr,
    /*  1 */ "This ability fires all your guns at the enemy ship. A standard attack with a good balance of firepower and hit chance.",
    /*  2 */ "Use this button to fire a missile salve at the enemy ship. While they can be intercepted by ECM and take some time until impact, they can wreak havoc.",
    /*  3 */ "ECM = \"Electronic Countermeasures\". They are able to destroy incoming missiles and prevent heavy damage on your ship.",
    /*  4 */ "The energy of your ship guns is concentrated to one single large super-beam that can cause great damage, but has a low hit chance.",
    /*  5 */ "This will result in a gun salve similiar to a shotgun that will cause few damage, but has a very high hit chance. Good for sneaking in a sure hit.",
    /*  6 */ "This ability allows you to easily formulate firing solutions, which increases the chances of hitting the enemy.",
    /*  7 */ "When this ability is activated the next gun salve will have a much higher chance of hitting the enemy ship.",
    /*  8 */ "Rushing the enemy is a good idea if you want to inflict a maximum of damage and do not care much about being hit yourself.",
    /*  9 */ "+ 2 AP every turn, but the risk to be hit is increased a lot",
    /* 10 */ "Taunting the enemy is a good idea when you want to decrease his hit chance.",
    /* 11 */ "If you use this skill you have a small chance to escape from ship to ship combat.",
    /* 12 */ "A strong gravitational beam pulls the enemy ship closer and interrupts all enemy attempts to escape",
    /* 13 */ "This more aggressive type of taunt decreases the enemy hit chance significantly.",
    /* 14 */ "Using this ability you will try to use your cloaking device (if your ship is equipped with this useful tool) to escape from combat.",
    /* 15 */ "When the enemy is immobilized by an EMP hit you can re-calibrate your guns to his shield frequence and cause devastating damage.",
    /* 16 */ "Manipulating your guns you can fire a strong electronic magnetic pulse (EMP) temporarily immobilizing your target.",
    /* 17 */ "When the enemy is immobilized by an EMP hit you can re-calibrate your guns to his shield frequence and cause devastating damage.",
    /* 18 */ "Using this ability you can recharge all your other abilities at once. Very useful for combining different abilities.",
    /* 19 */ "Removes a random enemy bonus.",
    /* 20 */ "A small beacon will be shot at the enemy that will penetrate the hull and will make it possible to target his ship even when he is cloaked.",
    /* 21 */ "Chance to break an enemy \"Mark\" effect by destroying the nasty beacon.",
    /* 22 */ "Some damage (50%) is compensated by a special shield configuration.",
    /* 23 */ "Most damage (75%) is compensated by a special shield configuration.",
    /* 24 */ "Feeding your ships shield with positive anti-matter particles will reflect about 12% damage back to the attacker.",
    /* 25 */ "Feeding your ships shield with positive anti-matter particles will reflect about 25% damage back to the attacker.",
    /* 26 */ "These evasive manouvers cannot be descriped any less than artistic and will decrease the hit chances of the pilot and the attacker.",
    /* 27 */ "Feeding the shields directly from the reactor core without going through the shield generators recharges them by 25% of their max. value",
    /* 28 */ "The anti-matter particles used for the focused and reflective shield can be used to recharge your shields.",
    /* 29 */ "Keeping calm is a good idea in a fight. Removes a taunt effect from yourself",
    /* 30 */ "Reinforcements are a traders best friend. They are usually able to turn the tide of battle and best of all: They are free!",
    /* 31 */ "This SOS buoy makes the reinforcements arrive faster.",
    /* 32 */ "When nobody knows someone is in trouble, nobody can come to help him. This ability slows down enemy reinforcements.",
    /* 33 */ "This advanced ability can immobilize your target even when it has a resistance against normal EMP attacks.",
    /* 34 */ "This stronger variation of the classic \"focus beam\" ability concentrates your weapon energy to an even stronger super-beam.",
    /* 35 */ "All enemy bonuses will be removed.",
    /* 36 */ "Most ships have certain special abilities that are either always active or - if a combat ability - can be turned on during combat.",
    /* 37 */ "Your guns have overheated and cannot be used until they have cooled down.",
}};

struct SkillRow {
  std::int32_t id;
  const char* name;         // nullptr: no name
  const char* picture;
  const char* description;  // nullptr: no description
};

constexpr std::array<SkillRow, Stored(kSkillShipSpecial) + 1> kSkills{{
    //   name                       picture                    description
    { 0, nullptr,                   nullptr,                   nullptr},
    { 1, "Trader",                  "Skill_Trader",            "With this ability you are aware of the prices for many goods in many far away star systems. This will help you a lot discovering the best trade routes."},
    { 2, "Advanced Trader",         "Skill_TraderAdv",         "This ability will give you the knowledge of all prices for all goods in all star systems. This makes it easy to map new and profitable trade routes."},
    { 3, "Cargo manager",           "Skill_CargoManager",      "Intelligent cargo managing increases the available cargo space of your ship by 25%."},
    { 4, "Advanced cargo manager",  "Skill_CargoManagerAdv",   "This improved ability to manage available spaces and cargo makes it possible to increase the available cargo space on your ship bx 50%."},
    { 5, "Connections",             "Skill_Connections",       "If you have this ability the available stock of goods on planets will be increased by 25%."},
    { 6, "Advanced connections",    "Skill_ConnectionsAdv",    "This improved ability increases the available stock of goods on planets by 50%."},
    { 7, "Tycoon",                  "Skill_Tycoon",            "As a tycoon you´ll know how to invest your money to bring a maximum of revenue. Your wealth is increased by 5% every 200 turns."},
    { 8, "Advanced Tycoon",         "Skill_TycoonAdv",         "This advanced ability allows you to make even better investments. Your wealth is increased by 10% every 200 turns."},
    { 9, "Criminalistics",          "Skill_Criminalistics",    "The ability to know the behaviour and thoughts of criminals makes it possible to predict attacks and to reduce the chance of such unpleasant encounters by 25%."},
    {10, "Advanced criminalistics", "Skill_CriminalisticsAdv", "Advanced criminalistics studies criminals and their behavior thus making it possible to reduce the chance of encounters by 50%."},
    {11, "Tracking",                "Skill_Tracking",          "This ability increases the amount of ships displayed on the ships sensors."},
    {12, "Advanced tracking",       "Skill_TrackingAdv",       "Advanced tracking makes it possible to discover even more ships on your ship sensors."},
    {13, "Bounty hunter",           "Skill_BountyHunter",      "With this ability chances of finding the objective of bounty missions in increased."},
    {14, "Combat patrol",           "Skill_CombatPatrol",      "Pilots with this ability will get reinforcements when being attacked in neutral systems."},
    {15, "Deep space patrol",       "Skill_CombatPatrolAdv",   "Pilots with this ability will get reinforcements even when being attack in enemy systems."},
    {16, "Rewards",                 "Skill_Rewards",           "This ability increases the reward received from the completion of standard missions by 10%."},
    {17, "Advanced rewards",        "Skill_RewardsAdv",        "This improved ability increases the reward received from the completion of standard missions by 25%."},
    {18, "Fast recharge",           "Skill_FastRecharge",      "This ability will make it possible to recharge your shields while travelling two times as fast."},
    {19, "Rumors",                  "Skill_Rumors",            "With this ability the rumors about your deeds will spread more quickly and you will receive 25% more fame for each destroyed enemy vessel."},
    {20, "Legendary",               "Skill_Legendary",         "Tales about your legendary deeds will spread in the whole galaxy and you will gain twice as much fame for each destroyed enemy vessel."},
    {21, "Disguise",                "Skill_Disguise",          "With this ability you can avoid being flagged criminal after comitting a crime in about 50% of all incidents."},
    {22, "Advanced disguise",       "Skill_DisguiseAdv",       "With this ability you can avoid being flagged criminal after comitting a crime in about 75% of all incidents."},
    {23, "Street rules",            "Skill_Streetwise",        "You have a chance of 50% to land on a friendly planet even when flagged criminal."},
    {24, "Advanced street rules",   "Skill_StreetwiseAdv",     "You have a chance of 75% to land on a friendly planet even when flagged criminal."},
    {25, "Spy",                     "Skill_Spy",               "As a spy you will be able to find certain spots within enemy territory where you can obtain secret data. You will also require spy equipment."},
    {26, "Traitor",                 "Skill_Traitor",           "As a traitor you will be able to find certain spots within your own territory where you can obtain secret data. You will also require spy equipment."},
    {27, "Syndicate",               "Skill_Syndicate",         "As a member of the Syndicate / Order of the Serpent you will know the locations of hidden pirate hideouts where you can wait until your criminal flag wears off."},
    {28, "Hacker",                  "Skill_Hacker",            "With this ability you will be informed, if a treasure ship is in your system."},
    {29, "Clean record",            "Skill_Cleanrecord",       "This ability reduces the chance that contraband is detected by police patrols by 50%."},
    {30, "Amnesty",                 "Skill_Amnesty",           "With this ability you can buy an amnesty at a local governor when you are flagged criminal."},
    {31, nullptr,                   "Skill_Taunt",             nullptr},
    {32, nullptr,                   "Skill_Taunt",             nullptr},
    {33, nullptr,                   "Skill_Taunt",             nullptr},
    {34, nullptr,                   "Skill_Taunt",             nullptr},
    {35, nullptr,                   "Skill_Taunt",             nullptr},
    {36, "Ship´s special ability",  "Skill_shipspecial",       kAbilityDescriptions[Stored(kShipSpecial)]},
}};
// clang-format on

// Every row sits at the index of its id.
template <class Rows>
constexpr bool RowsInIdOrder(const Rows& rows) {
  for (std::size_t i = 0; i < rows.size(); ++i) {
    if (rows[i].id != static_cast<std::int32_t>(i)) return false;
  }
  return true;
}
static_assert(RowsInIdOrder(kAbilities));
static_assert(RowsInIdOrder(kSkills));

// Military rank at which guns, missiles and ECM show their advanced pictures.
constexpr std::int32_t kUnknownAbilityApCost = 3;
constexpr std::int32_t kUnknownAbilityDuration = 2;

const AbilityRow* FindAbility(Ability ability) {
  const std::int32_t id = Stored(ability);
  if (id < 1 || id > kLastAbility) return nullptr;
  return &kAbilities[static_cast<std::size_t>(id)];
}

const SkillRow* FindSkill(Skill skill) {
  const std::int32_t id = Stored(skill);
  if (id < Stored(kSkillTrader) || id > Stored(kSkillShipSpecial)) return nullptr;
  return &kSkills[static_cast<std::size_t>(id)];
}

std::string TextOr(const char* text, std::string_view otherwise) {
  return std::string(text ? std::string_view(text) : otherwise);
}

}  // namespace

std::string GetAbilityName(Ability id, std::string_view otherwise) {
  const AbilityRow* row = FindAbility(id);
  return TextOr(row ? row->name : nullptr, otherwise);
}

std::string GetAbilityImage(Ability id) {
  const AbilityRow* row = FindAbility(id);
  if (!row) return {};
  if (Rank{PlayerData[player::kRank]} == kRankAdmiral) {
    switch (id) {
      case kFireGuns: return "Skill_Fire_GunAdv";
      case kFireMissiles: return "Skill_Fire_MisslesAdv";
      case kEcm: return "Skill_ECMAdv";
      default: break;
    }
  }
  return row->picture;
}

std::string GetAbilityDescription(Ability id, std::string_view otherwise) {
  if (!FindAbility(id)) return std::string(otherwise);
  return TextOr(kAbilityDescriptions[Stored(id)], otherwise);
}

std::string GetAbilityEffectText(Ability id, std::string_view otherwise) {
  const AbilityRow* row = FindAbility(id);
  return TextOr(row ? row->effect : nullptr, otherwise);
}

std::int32_t GetAbilityApCost(Ability id) {
  const AbilityRow* row = FindAbility(id);
  if (!row) return kUnknownAbilityApCost;
  // The cost always refers to the player's own ship and its fitted equipment.
  const ShipClassId shipClass = ShipClassOf(PlayerShip);
  switch (row->apBase) {
    case kGunAp: return GetGunApCost(shipClass, GunId{PlayerShip[ship::kGun]}, Side::Player) + row->apPoints;
    case kMissileAp:
      return GetMissileApCost(shipClass, MissileId{PlayerShip[ship::kMissileLauncher]}, Side::Player) +
             row->apPoints;
    case kEcmAp: return EcmItem(EcmId{PlayerShip[ship::kEcm]}).apCost + row->apPoints;
    case kFixedAp: break;
  }
  return row->apPoints;
}

std::int32_t GetModifierDuration(Ability id) {
  const AbilityRow* row = FindAbility(id);
  return row ? row->effectTurns : kUnknownAbilityDuration;
}

std::string GetSkillName(Skill id, std::string_view otherwise) {
  const SkillRow* row = FindSkill(id);
  return TextOr(row ? row->name : nullptr, otherwise);
}

std::string GetSkillImage(Skill id, std::string_view otherwise) {
  const SkillRow* row = FindSkill(id);
  return TextOr(row ? row->picture : nullptr, otherwise);
}

std::string GetSkillDescription(Skill id, std::string_view otherwise) {
  const SkillRow* row = FindSkill(id);
  return TextOr(row ? row->description : nullptr, otherwise);
}

}  // namespace state
