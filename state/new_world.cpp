#include "state/new_world.h"

#include <array>
#include <string_view>

#include "state/abilities.h"
#include "state/equipment.h"
#include "state/equipment_offers.h"
#include "state/factions.h"
#include "state/fields.h"
#include "state/goods.h"
#include "state/professions.h"
#include "state/ranks.h"
#include "state/ship_classes.h"
#include "state/skills.h"
#include "state/star_map.h"
#include "state/variables.h"

namespace state {
namespace {

// Every profession starts with these three combat abilities.
constexpr std::array<Ability, 3> kCommonAbilities{kFireGuns, kFireMissiles, kEcm};

struct ProfessionStart {
  std::array<Ability, 3> abilities;  // combat abilities
  Skill skill;                       // non-combat skill
};

// clang-format off
// By profession 1..6.
constexpr std::array<ProfessionStart, 6> kProfessionStarts{{
  //  abilities                           skill
  {{kTaunt, kFlee, kFocusedShield},       kSkillTrader},     // Trader
  {{kTaunt, kFocusedShield, kDiscipline}, kSkillTrader},     // Combat Trader
  {{kTaunt, kFocusBeam, kDiscipline},     kSkillTracking},   // Mercenary
  {{kTaunt, kTractorBeam, kDiscipline},   kSkillTracking},   // Bounty-hunter
  {{kTaunt, kFlee, kFocusedShield},       kSkillSyndicate},  // Smuggler
  {{kFlee, kTractorBeam, kDiscipline},    kSkillSyndicate},  // Pirates
}};

struct FactionRow {
  std::string_view longName;
  std::string_view shortName;
  std::string_view logo;
  std::int32_t startSystem;
  std::int32_t startBody;
};

// By faction 0..4; 0 is the pirates, who have no logo and no start place.
constexpr std::array<FactionRow, kLastFaction + 1> kFactionRows{{
  // long name                short name     logo              system body
  {"Pirates",                 "Pirates",     "",                0,    0},
  {"Federation Of Planets",   "Federation",  "FederationLogo",  1,    2},   // Sol, Earth
  {"Outer Rim Alliance",      "Outer Rim",   "OuterRimLogo",   12,    5},   // Hyraxan, Seressa II
  {"Trading Coalition",       "Coalition",   "CoalitionLogo",  16,    4},   // New France, Lille
  {"Syndicate Of Arms",       "Syndicate",   "SyndicateLogo",  13,    2},   // New Moscow, Moscow Prime
}};
// clang-format on

constexpr std::int32_t kStartCredits = 10000;
constexpr std::int32_t kStartLifePoints = 3;
constexpr std::int32_t kTradeTycoonStartDay = 199;
constexpr std::int32_t kFirstMarketSystem = 1;
constexpr std::int32_t kFirstMarketStock = 50;

void SetPlayerStartValues() {
  for (int good = 1; good <= 100; ++good) Cargo[good] = 0;
  GameDay = 1;
  NoAgingFlag = 0;

  PlayerData[player::kCredits] = kStartCredits;
  PlayerData[player::kLevel] = 1;   // experience level
  PlayerData[player::kExperience] = 0;   // experience points
  PlayerData[player::kPilotWings] = 1;   // pilot wings
  PlayerData[player::kCampaignRibbons] = 3;  // campaign ribbons
  PlayerData[player::kSilverStar] = 0;  // silver star
  PlayerData[player::kGoldStar] = 0;  // gold star
  PlayerData[player::kMedalOfHonor] = 0;  // medal of honor
  PlayerData[player::kRank] = Stored(kRankEnsign);
  PlayerData[player::kLifePoints] = kStartLifePoints;
  PlayerData[player::kTycoonEventDay] = kTradeTycoonStartDay;
  PlayerData[player::kBarBribes] = 1;  // bar bribe counter
  PlayerData[player::kMissionsCompleted] = 0;  // missions completed
}

void GrantProfessionAbilities(Profession profession) {
  for (const Ability ability : kCommonAbilities) AbilityOwned[Stored(ability)] = 1;
  if (!IsProfession(profession)) return;
  const ProfessionStart& start = kProfessionStarts[Stored(profession) - 1];
  for (const Ability ability : start.abilities) AbilityOwned[Stored(ability)] = 1;
  SkillOwned[Stored(start.skill)] = 1;
}

void PrepareStartShip(ShipClassId startShipClass) {
  const Faction faction{PlayerData[player::kFaction]};
  PlayerShip[ship::kAlive] = 1;
  PlayerShip[ship::kClass] = Stored(startShipClass);
  PlayerShip[ship::kComboPoints] = 0;
  PlayerShip[ship::kReinforcements] = -1;  // no reinforcements on the way
  PlayerShip[ship::kFaction] = Stored(faction);
  if (IsPower(faction)) {
    PlayerShip[ship::kBody] = kFactionRows[Stored(faction)].startBody;
    PlayerShip[ship::kSystem] = kFactionRows[Stored(faction)].startSystem;
  }
  PlayerShip[ship::kSimulatorMissile] = 0;
  PlayerShip[ship::kShields] = GetShipClassBaseShields(startShipClass);
  for (const EquipmentCategory category : kEquipmentCategories)
    PlayerShip[EquipmentShipField(category)] = 0;
  ApplyStandardFit(PlayerShip);
  PlayerShip[ship::kCargoSpace] = GetShipCargoCapacity(
      startShipClass, CargoModuleId{PlayerShip[ship::kCargoModule]}, Side::Player);
}

void FillFactions() {
  for (const Faction faction : kAllFactions) {
    const FactionRow& row = kFactionRows[Stored(faction)];
    TFactionTextRow& texts = FactionText[Stored(faction)];
    texts[faction_text::kLongName] = std::string(row.longName);
    texts[faction_text::kShortName] = std::string(row.shortName);
    texts[faction_text::kLogo] = std::string(row.logo);
  }
  for (const Faction faction : kPowers) FactionData[Stored(faction)][faction::kAlive] = 1;
}

std::int32_t PictureOf(const StarBodyRow& body) {
  switch (body.kind) {
    case kKindSun: return kSunPicture;
    case kKindWormhole: return kWormholePicture;
    case kKindPirateHideout: return kHideoutPicture;
    default: return body.picture;
  }
}

void FillStarMap() {
  for (const StarSystemRow& system : StarSystems()) {
    TSystemRow& row = SystemData[system.system];
    row[star_system::kPresent] = 1;
    row[star_system::kOwner] = Stored(system.owner);
    row[star_system::kClass] = Stored(system.systemClass);
    SystemText[system.system][system_text::kName] = std::string(system.name);
    SystemText[system.system][system_text::kDescription] =
        std::string(StarSystemDescription(system.system));
  }
  for (const StarBodyRow& body : StarBodies()) {
    TBodyRow& row = BodyData[body.system][body.slot];
    const bool hideout = body.kind == kKindPirateHideout;
    row[body::kVisible] = 1;
    // Hideouts belong to no planet's government; they are listed under faction 1.
    row[body::kOwner] = hideout ? 1 : SystemData[body.system][star_system::kOwner];
    row[body::kKind] = body.kind;
    if (body.kind == kKindWormhole) {
      row[body::kDestination] = body.destination;
      row[body::kJumpLength] = body.jumpLength;
    } else if (body.mark != BodyMark::kNone) {
      row[body::kAsteroidField] = 1;
    }
    row[body::kMapX] = body.x;
    row[body::kMapY] = body.y;
    row[body::kPicture] = PictureOf(body);
    row[body::kCityPicture] = body.cityPicture;
    BodyText[body.system][body.slot][body_text::kName] = StarBodyName(body);
    BodyText[body.system][body.slot][body_text::kDescription] =
        std::string(StarBodyDescription(body));
  }
  for (const SpaceFindSpots& spots : StarSpaceFindSpots()) {
    const std::array<std::array<std::int32_t, 2>, kLastFindSlot> xy{
        {{spots.x1, spots.y1}, {spots.x2, spots.y2}, {spots.x3, spots.y3}, {spots.x4, spots.y4}}};
    for (int slot = 1; slot <= kLastFindSlot; ++slot) {
      TSpaceFindRow& row = SpaceFinds[spots.system][slot];
      row[space_find::kPresent] = 0;
      row[space_find::kMapX] = xy[slot - 1][0];
      row[space_find::kMapY] = xy[slot - 1][1];
    }
  }
}

// Hideouts stay hidden until the player learns where they are; "Syndicate" knows from the start.
void HideOrRevealHideouts() {
  const bool known = OwnsSkill(kSkillSyndicate);
  for (int system = 1; system <= kLastSystem; ++system)
    for (int slot = 1; slot <= kLastBody; ++slot) {
      TBodyRow& row = BodyData[system][slot];
      if (row[body::kKind] != kKindPirateHideout) continue;
      row[body::kVisible] = known ? 1 : 0;
      row[body::kHideoutRevealed] = known ? 1 : 0;
    }
}

// Only the home system of mankind opens with stocked markets; the days before the start fill the
// others.
void FillFirstMarkets() {
  for (int slot = 1; slot <= kLastBody; ++slot) {
    const TBodyRow& body = BodyData[kFirstMarketSystem][slot];
    if (body[body::kVisible] <= 0 || !IsInhabited(body[body::kKind])) continue;
    for (int good = 1; good <= 100; ++good) {
      MarketPrice[kFirstMarketSystem][slot][good] = GoodBasePrice[good];
      MarketStock[kFirstMarketSystem][slot][good] = kFirstMarketStock;
    }
  }
}

}  // namespace

void BuildNewWorld(ShipClassId startShipClass) {
  SetPlayerStartValues();
  GrantProfessionAbilities(Profession{PlayerData[player::kProfession]});
  PrepareStartShip(startShipClass);
  FillFactions();
  FillStarMap();
  HideOrRevealHideouts();
  FillGoodTables();
  FillFirstMarkets();
}

void FinishNewWorld() {
  DisplayedSystem = PlayerShip[ship::kSystem];
  SelectedBody = PlayerShip[ship::kBody];
  GameDay = 1;
}

void CreateNewGameWorld(ShipClassId startShipClass, const std::function<void()>& leadIn) {
  BuildNewWorld(startShipClass);
  if (leadIn) leadIn();
  FinishNewWorld();
}

}  // namespace state
