// Names for the fields of the game-state rows (state/variables.h). Each kind of row has its own
// type, and its fields are addressed by these names of that kind, never by bare numbers:
// PlayerData[player::kCredits], PlayerShip[ship::kShields], BodyData[s][b][body::kKind]. A name of
// one kind does not index a row of another (state/row.h). The numbers are the save-game layout and
// never move.
//
// The namespaces sit at the top level, next to `state`, so that the rules, the combat and the
// screens write them short whatever namespace they are in. Fields that no rule reads have no name.
#pragma once

#include "state/factions.h"
#include "state/id.h"
#include "state/row.h"

// clang-format off
namespace state {

// Fields that every row shares: field 0 is cleared and saved but no rule reads it, field 100 is
// the last one cleared and saved, field 101 is never cleared or saved.
inline constexpr int kUnusedField     = 0;
inline constexpr int kLastStoredField = 100;
inline constexpr int kSpareField      = 101;

}  // namespace state

// PlayerData: the player.
namespace player {
using Field = state::Field<state::PlayerFields>;
inline constexpr Field kCredits              = Field{2};   // signed
inline constexpr Field kProfession           = Field{3};   // 1..6
inline constexpr Field kFaction              = Field{4};   // 1..4
inline constexpr Field kPortrait             = Field{5};   // 0..2
inline constexpr Field kLevel                = Field{6};   // experience level 1..19
inline constexpr Field kExperience           = Field{7};   // points towards the next level
inline constexpr Field kUniformVariant       = Field{8};   // kUniformFemale (state/ranks.h): the female uniform
inline constexpr Field kPilotWings           = Field{9};   // wings on the uniform, 0..3
inline constexpr Field kCampaignRibbons      = Field{10};  // ribbons on the uniform
inline constexpr Field kSilverStar           = Field{11};  // 0/1
inline constexpr Field kGoldStar             = Field{12};  // 0/1
inline constexpr Field kMedalOfHonor         = Field{13};  // 0/1
inline constexpr Field kRank                 = Field{14};  // military rank 1..8
inline constexpr Field kOwnPlanetPromised    = Field{15};
inline constexpr Field kCivilWarWon          = Field{16};
inline constexpr Field kLoan                 = Field{20};  // credits owed to the bank
inline constexpr Field kLoanDaysLeft         = Field{21};  // days until the loan is due
inline constexpr Field kEarlyPaybackDays     = Field{22};  // window in days for an early payback
inline constexpr Field kWarBonds             = Field{23};  // value of the war bonds held
inline constexpr Field kWarBondLevel         = Field{24};
inline constexpr Field kWarBondLockDays      = Field{25};  // days the war bonds stay locked
inline constexpr Field kCriminalDays         = Field{30};  // days left as a criminal; 0 = clean
inline constexpr Field kFlightEncounters     = Field{31};  // hostile encounters during the current flight
inline constexpr Field kLifePoints           = Field{32};
inline constexpr Field kTycoonEventDay       = Field{40};  // day counter of the trade-tycoon event
inline constexpr Field kBarBribes            = Field{41};  // bribe counter of the bar
inline constexpr Field kTreasureFleetNotice  = Field{42};  // 1 = the treasure-fleet notice was given
inline constexpr Field kIllegalGoodsWarning  = Field{43};  // 1 = the illegal-goods popup was shown
inline constexpr Field kMissionsCompleted    = Field{50};
inline constexpr Field kFightersDestroyed    = Field{51};  // 51..55: enemy ships destroyed by size 1..5
inline constexpr Field kCorvettesDestroyed   = Field{52};
inline constexpr Field kDestroyersDestroyed  = Field{53};  // destroyers and transporters
inline constexpr Field kCruisersDestroyed    = Field{54};  // cruisers and freighters
inline constexpr Field kBattleshipsDestroyed = Field{55};
inline constexpr Field kCiviliansDestroyed   = Field{56};  // civilian ships above fighter size
inline constexpr Field kGoodsSold            = Field{57};  // units, capped
inline constexpr Field kAttacksWon           = Field{58};  // campaigns won as the attacker
inline constexpr Field kDefencesWon          = Field{59};  // campaigns won as the defender
}  // namespace player

// PlayerShip and EnemyShip: a ship in the game and in a fight. "Enemy:" marks a meaning that only
// the enemy's row has.
namespace ship {
using Field = state::Field<state::ShipFields>;
inline constexpr Field kAlive                 = Field{1};   // 0 = destroyed
inline constexpr Field kClass                 = Field{2};   // ship class: -1 starbase, 1..19
inline constexpr Field kActionPoints          = Field{3};   // left in this combat turn; -100 = turn ended
inline constexpr Field kComboPoints           = Field{4};   // 0..5
inline constexpr Field kReinforcements        = Field{6};   // turns until help comes: -1 none, 0 arrived
inline constexpr Field kEnemyKind             = Field{7};   // Enemy: kind and expertise of the opponent
inline constexpr Field kFaction               = Field{8};   // livery: 0 pirates, 1..4
inline constexpr Field kBody                  = Field{13};  // player's body; negative = a space-find slot
inline constexpr Field kSystem                = Field{14};  // player's star system 1..24
inline constexpr Field kCargoSpace            = Field{20};  // cargo units; Enemy: units carried
inline constexpr Field kCrewmen               = Field{30};  // 30..34: crew by kind
inline constexpr Field kOfficers              = Field{31};
inline constexpr Field kMarines               = Field{32};
inline constexpr Field kPirates               = Field{33};
inline constexpr Field kDroids                = Field{34};
inline constexpr Field kDefendingCrewmen      = Field{35};  // Enemy: 35..37 defenders of the boarded area
inline constexpr Field kDefendingMarines      = Field{36};
inline constexpr Field kDefendingDroids       = Field{37};
inline constexpr Field kBoardedArea           = Field{38};  // Enemy: the area under attack
inline constexpr Field kBoardingRolled        = Field{39};  // Enemy: 1 = boarding was weighed in this fight
inline constexpr Field kShields               = Field{40};  // shield (hit) points
inline constexpr Field kSimulatorMissile      = Field{41};  // missile type in the simulator; 0 with the shields
inline constexpr Field kSetUpMark             = Field{50};  // Enemy: 3 after the set-up; nothing reads it
inline constexpr Field kMissileLauncher       = Field{51};  // equipment item ids: 51, 60, 70, 72, 74, 76
inline constexpr Field kMissileReload         = Field{52};  // turns until the launcher is loaded
inline constexpr Field kGun                   = Field{60};
inline constexpr Field kEcm                   = Field{70};
inline constexpr Field kTargeting             = Field{72};  // targeting computer
inline constexpr Field kEngine                = Field{74};
inline constexpr Field kCargoModule           = Field{76};  // 0 cargo bay, 1..5 the special modules
inline constexpr Field kShieldBoostUsed       = Field{90};  // 90..92, 94: once-per-combat flags
inline constexpr Field kEnergyChannellingUsed = Field{91};
inline constexpr Field kRechargeUsed          = Field{92};
inline constexpr Field kLastBoardingAttack    = Field{93};
inline constexpr Field kEmitterUsed           = Field{94};  // the anti-phase emitter
inline constexpr Field kGunVolleys            = Field{95};  // volleys in a row (overheating)
inline constexpr Field kDecisionStep          = Field{96};  // Enemy: step in its decision list
inline constexpr Field kAwaitingMessage       = Field{97};  // Enemy: waits for its message to close
inline constexpr Field kEmergencyRechargeUsed = Field{98};  // in this fleet battle
inline constexpr Field kLongActionPointBar    = Field{99};  // 1 = the 8-step bar instead of the 5-step

// The fitted equipment, one item id per field.
inline constexpr Field kFittedItems[] = {kMissileLauncher, kGun, kEcm, kTargeting, kEngine,
                                       kCargoModule};
}  // namespace ship

// BodyData[system][body]: a body of a star system.
namespace body {
using Field = state::Field<state::BodyFields>;
inline constexpr Field kVisible         = Field{1};   // 0 = empty slot or hidden hideout
inline constexpr Field kOwner           = Field{2};   // faction 1..4
inline constexpr Field kKind            = Field{3};   // state::kKindWormhole .. or economy class 0..6
inline constexpr Field kDestination     = Field{4};   // wormhole: destination system 1..24
inline constexpr Field kAsteroidField   = Field{4};   // the same field on a planet: 1 = asteroid field
inline constexpr Field kHideoutRevealed = Field{4};   // the same field on a pirate hideout: 1 = revealed
inline constexpr Field kJumpLength      = Field{5};   // wormhole
inline constexpr Field kMapX            = Field{11};  // position on the system map, in pixels
inline constexpr Field kMapY            = Field{12};
inline constexpr Field kPicture         = Field{13};
inline constexpr Field kCityPicture     = Field{14};  // 0 = none
inline constexpr Field kAnalysed        = Field{31};  // 1 = recorded by the running Analysis mission
}  // namespace body

// ActiveMission and MissionOffers[system][slot]: a mission. Fields 8 and 9 mean what the type
// makes of them; the aliases name each use.
namespace mission {
using Field = state::Field<state::MissionFields>;
inline constexpr Field kActive            = Field{1};   // 1 = on the board / running
inline constexpr Field kType              = Field{2};   // 1..27
inline constexpr Field kReward            = Field{3};   // credits
inline constexpr Field kTargetBody        = Field{6};
inline constexpr Field kTargetSystem      = Field{7};
inline constexpr Field kSubject           = Field{8};   // by type, one of the four below; otherwise 1
inline constexpr Field kEnemyClass        = Field{8};   // combat types: the enemy's ship class
inline constexpr Field kGood              = Field{8};   // deliveries: good 1..12
inline constexpr Field kStage             = Field{8};   // nav-point types: the next point 1..3
inline constexpr Field kPlanetsLeft       = Field{8};   // Analysis
inline constexpr Field kEnemyFaction      = Field{9};   // 0 = pirates
inline constexpr Field kQuantity          = Field{9};   // deliveries: the units (still) to deliver
inline constexpr Field kFirstPointBody    = Field{10};  // 10..15: three nav points (body, system)
inline constexpr Field kNameVariant       = Field{10};  // Bounty, Abduction: the target's name 1..10
inline constexpr Field kPickUpBody        = Field{10};  // Marine Landing, Evacuation
inline constexpr Field kFirstPointSystem  = Field{11};
inline constexpr Field kPickUpSystem      = Field{11};
inline constexpr Field kSecondPointBody   = Field{12};
inline constexpr Field kDropBody          = Field{12};
inline constexpr Field kSecondPointSystem = Field{13};
inline constexpr Field kDropSystem        = Field{13};
inline constexpr Field kThirdPointBody    = Field{14};
inline constexpr Field kThirdPointSystem  = Field{15};
inline constexpr Field kCampaignSystem    = Field{20};  // 0 = serves no campaign
inline constexpr Field kBriefingVariant   = Field{30};  // 0 = not drawn yet
}  // namespace mission

// SpecialShips[row]: a special ship near the player.
namespace special_ship {
using Field = state::Field<state::SpecialShipFields>;
inline constexpr Field kActive                = Field{1};
inline constexpr Field kClass                 = Field{2};   // ship class
inline constexpr Field kKind                  = Field{3};   // 1 trader, 2 military, 3 pirate
inline constexpr Field kLeastLoadoutTier      = Field{4};   // passed to the fight when attacked
inline constexpr Field kFaction               = Field{5};   // 0..4
inline constexpr Field kDaysLeft              = Field{6};
inline constexpr Field kSubKind               = Field{9};   // by kind
inline constexpr Field kMissionTarget         = Field{20};  // 1 = the active bounty or abduction target
inline constexpr Field kFirstSentenceVariant  = Field{21};  // of the sensor texts
inline constexpr Field kSecondSentenceVariant = Field{22};
inline constexpr Field kPirateNameVariant     = Field{23};  // 1..10 of a wanted pirate
}  // namespace special_ship

// PlayerFleet and EnemyFleet rows: a ship in a fleet battle.
namespace fleet_ship {
using Field = state::Field<state::FleetShipFields>;
inline constexpr Field kAlive     = Field{1};
inline constexpr Field kFaction   = Field{2};
inline constexpr Field kClass     = Field{3};  // ship class; -1 a station
inline constexpr Field kHitPoints = Field{4};
inline constexpr Field kRole      = Field{5};  // combat::FleetRole; picks the picture
}  // namespace fleet_ship

// HighscoreTable[place]: one row of the high-score table.
namespace highscore {
using Field = state::Field<state::HighscoreFields>;
inline constexpr Field kUsed        = Field{1};
inline constexpr Field kScore       = Field{2};
inline constexpr Field kFaction     = Field{3};
inline constexpr Field kRank        = Field{4};  // military rank
inline constexpr Field kShipClass   = Field{5};
inline constexpr Field kShipFaction = Field{6};
}  // namespace highscore

// SystemData[system]: a star system and its campaign.
namespace star_system {
using Field = state::Field<state::SystemFields>;
inline constexpr Field kPresent             = Field{1};
inline constexpr Field kOwner               = Field{2};   // faction 1..4
inline constexpr Field kClass               = Field{3};   // 1..6, numbered as the economy classes
inline constexpr Field kCampaign            = Field{20};  // 1 = a campaign runs
inline constexpr Field kAttacker            = Field{21};  // faction
inline constexpr Field kCampaignDays        = Field{22};
inline constexpr Field kAttackerPoints      = Field{23};
inline constexpr Field kDefenderPoints      = Field{24};
inline constexpr Field kCampaignMissions    = Field{25};  // missions the player flew for the campaign
inline constexpr Field kSiegeDays           = Field{27};
inline constexpr Field kSituationVariant    = Field{28};  // 28..32: stored variants of the campaign texts
inline constexpr Field kSituationEndVariant = Field{29};
inline constexpr Field kFirstReportVariant  = Field{30};
inline constexpr Field kSecondReportVariant = Field{31};
inline constexpr Field kThirdReportVariant  = Field{32};
inline constexpr Field kLastCampaignMissionType = Field{33};  // the player's last mission for the campaign
}  // namespace star_system

// FactionData[faction]: a faction and its relations.
namespace faction {
using Field = state::Field<state::FactionFields>;
inline constexpr Field kAlive        = Field{1};
inline constexpr Field kAtWarWith    = Field{10};  // + faction g: 1 = at war with g
inline constexpr Field kRelationDays = Field{20};  // + faction g: day counter of the relation with g
// The fields of the two runs that hold the relation with faction g.
constexpr Field AtWarWith(Faction g) { return kAtWarWith + state::Stored(g); }
constexpr Field RelationDays(Faction g) { return kRelationDays + state::Stored(g); }
}  // namespace faction

// NewsList[row]: a news entry.
namespace news {
using Field = state::Field<state::NewsFields>;
inline constexpr Field kValid                   = Field{1};
inline constexpr Field kKind                    = Field{2};   // 1..9
inline constexpr Field kSubject                 = Field{3};   // good (kinds 1..4) or the first faction
inline constexpr Field kSecondFaction           = Field{4};
inline constexpr Field kDay                     = Field{5};
inline constexpr Field kLifetime                = Field{6};   // in days
inline constexpr Field kSystem                  = Field{13};
inline constexpr Field kFirstSentenceVariant    = Field{21};
inline constexpr Field kSecondSentenceVariant   = Field{22};
inline constexpr Field kThirdSentenceVariant    = Field{23};
inline constexpr Field kWarThirdSentenceVariant = Field{24};  // the third sentence of a war declaration
}  // namespace news

// SpaceFinds[system][slot]: a space find.
namespace space_find {
using Field = state::Field<state::SpaceFindFields>;
inline constexpr Field kPresent  = Field{1};
inline constexpr Field kDaysLeft = Field{2};
inline constexpr Field kKind     = Field{3};   // SpaceFindKind (state/space_find_kinds.h)
inline constexpr Field kMapX     = Field{11};  // position on the system map
inline constexpr Field kMapY     = Field{12};
}  // namespace space_find

// PlayerModifiers and EnemyModifiers rows: an active combat effect.
namespace modifier {
using Field = state::Field<state::ModifierFields>;
inline constexpr Field kActive    = Field{1};
inline constexpr Field kAbility   = Field{2};  // combat ability id
inline constexpr Field kTurnsLeft = Field{3};
}  // namespace modifier

// PlayerMissileVolley and EnemyMissileVolley: a side's missile volley in flight.
namespace missile_volley {
using Field = state::Field<state::MissileVolleyFields>;
inline constexpr Field kInFlight        = Field{1};  // above 0 = a volley is on its way
inline constexpr Field kTurnsToImpact   = Field{2};  // rounds (in the simulator ticks) until it hits
inline constexpr Field kSimulatorGateA  = Field{3};  // read by the simulator's soldier, never written: 0
inline constexpr Field kSimulatorGateB  = Field{4};  // read by the simulator's trader, never written: 0
}  // namespace missile_volley

// BoardingAreas[area]: the state (combat::AreaState) of each area of a boarded ship, indexed by
// these; EnemyShip[ship::kBoardedArea] holds one of them.
namespace boarding_area {
inline constexpr int kAirlock   = 1;
inline constexpr int kCorridors = 2;
inline constexpr int kCargoBay  = 3;
inline constexpr int kBridge    = 4;
}  // namespace boarding_area

// BodyText[system][body]: a body's texts.
namespace body_text {
using Field = state::Field<state::BodyTextFields>;
inline constexpr Field kName        = Field{1};
inline constexpr Field kDescription = Field{2};
}  // namespace body_text

// SystemText[system]: a star system's texts.
namespace system_text {
using Field = state::Field<state::SystemTextFields>;
inline constexpr Field kName        = Field{1};
inline constexpr Field kDescription = Field{2};
}  // namespace system_text

// FactionText[faction]: a faction's names (0 = the pirates).
namespace faction_text {
using Field = state::Field<state::FactionTextFields>;
inline constexpr Field kLongName  = Field{1};  // "Federation Of Planets"
inline constexpr Field kShortName = Field{2};  // "Federation"
inline constexpr Field kLogo      = Field{5};  // picture base name, without ".jpg"
}  // namespace faction_text
// clang-format on
