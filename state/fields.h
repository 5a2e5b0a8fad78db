// Names for the fields of the game-state rows (state/variables.h). Each kind of row has its own
// type, and its fields are addressed by these names of that kind, never by bare numbers:
// PlayerData[player::kCredits], PlayerShip[ship::kShields], BodyData[s][b][body::kKind]. A name of
// one kind does not index a row of another (state/row.h). The numbers are the save-game layout and
// never move.
//
// The namespaces sit at the top level, next to `state`, so that the rules, the combat and the
// screens write them short whatever namespace they are in. Fields that no rule reads have no name.
#pragma once

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
inline constexpr Field kCredits              = {2};   // signed
inline constexpr Field kProfession           = {3};   // 1..6
inline constexpr Field kFaction              = {4};   // 1..4
inline constexpr Field kPortrait             = {5};   // 0..2
inline constexpr Field kLevel                = {6};   // experience level 1..19
inline constexpr Field kExperience           = {7};   // points towards the next level
inline constexpr Field kUniformVariant       = {8};   // 2 = the female uniform pictures
inline constexpr Field kPilotWings           = {9};   // wings on the uniform, 0..3
inline constexpr Field kCampaignRibbons      = {10};  // ribbons on the uniform
inline constexpr Field kSilverStar           = {11};  // 0/1
inline constexpr Field kGoldStar             = {12};  // 0/1
inline constexpr Field kMedalOfHonor         = {13};  // 0/1
inline constexpr Field kRank                 = {14};  // military rank 1..8
inline constexpr Field kOwnPlanetPromised    = {15};
inline constexpr Field kCivilWarWon          = {16};
inline constexpr Field kLoan                 = {20};  // credits owed to the bank
inline constexpr Field kLoanDaysLeft         = {21};  // days until the loan is due
inline constexpr Field kEarlyPaybackDays     = {22};  // window in days for an early payback
inline constexpr Field kWarBonds             = {23};  // value of the war bonds held
inline constexpr Field kWarBondLevel         = {24};
inline constexpr Field kWarBondLockDays      = {25};  // days the war bonds stay locked
inline constexpr Field kCriminalDays         = {30};  // days left as a criminal; 0 = clean
inline constexpr Field kFlightEncounters     = {31};  // hostile encounters during the current flight
inline constexpr Field kLifePoints           = {32};
inline constexpr Field kTycoonEventDay       = {40};  // day counter of the trade-tycoon event
inline constexpr Field kBarBribes            = {41};  // bribe counter of the bar
inline constexpr Field kTreasureFleetNotice  = {42};  // 1 = the treasure-fleet notice was given
inline constexpr Field kIllegalGoodsWarning  = {43};  // 1 = the illegal-goods popup was shown
inline constexpr Field kMissionsCompleted    = {50};
inline constexpr Field kFightersDestroyed    = {51};  // 51..55: enemy ships destroyed by size 1..5
inline constexpr Field kCorvettesDestroyed   = {52};
inline constexpr Field kDestroyersDestroyed  = {53};  // destroyers and transporters
inline constexpr Field kCruisersDestroyed    = {54};  // cruisers and freighters
inline constexpr Field kBattleshipsDestroyed = {55};
inline constexpr Field kCiviliansDestroyed   = {56};  // civilian ships above fighter size
inline constexpr Field kGoodsSold            = {57};  // units, capped
inline constexpr Field kAttacksWon           = {58};  // campaigns won as the attacker
inline constexpr Field kDefencesWon          = {59};  // campaigns won as the defender
}  // namespace player

// PlayerShip and EnemyShip: a ship in the game and in a fight. "Enemy:" marks a meaning that only
// the enemy's row has.
namespace ship {
using Field = state::Field<state::ShipFields>;
inline constexpr Field kAlive                 = {1};   // 0 = destroyed
inline constexpr Field kClass                 = {2};   // ship class: -1 starbase, 1..19
inline constexpr Field kActionPoints          = {3};   // left in this combat turn; -100 = turn ended
inline constexpr Field kComboPoints           = {4};   // 0..5
inline constexpr Field kReinforcements        = {6};   // turns until help comes: -1 none, 0 arrived
inline constexpr Field kEnemyKind             = {7};   // Enemy: kind and expertise of the opponent
inline constexpr Field kFaction               = {8};   // livery: 0 pirates, 1..4
inline constexpr Field kBody                  = {13};  // player's body; negative = a space-find slot
inline constexpr Field kSystem                = {14};  // player's star system 1..24
inline constexpr Field kCargoSpace            = {20};  // cargo units; Enemy: units carried
inline constexpr Field kCrewmen               = {30};  // 30..34: crew by kind
inline constexpr Field kOfficers              = {31};
inline constexpr Field kMarines               = {32};
inline constexpr Field kPirates               = {33};
inline constexpr Field kDroids                = {34};
inline constexpr Field kDefendingCrewmen      = {35};  // Enemy: 35..37 defenders of the boarded area
inline constexpr Field kDefendingMarines      = {36};
inline constexpr Field kDefendingDroids       = {37};
inline constexpr Field kBoardedArea           = {38};  // Enemy: the area under attack
inline constexpr Field kBoardingRolled        = {39};  // Enemy: 1 = boarding was weighed in this fight
inline constexpr Field kShields               = {40};  // shield (hit) points
inline constexpr Field kSimulatorMissile      = {41};  // missile type in the simulator; 0 with the shields
inline constexpr Field kSetUpMark             = {50};  // Enemy: 3 after the set-up; nothing reads it
inline constexpr Field kMissileLauncher       = {51};  // equipment item ids: 51, 60, 70, 72, 74, 76
inline constexpr Field kMissileReload         = {52};  // turns until the launcher is loaded
inline constexpr Field kGun                   = {60};
inline constexpr Field kEcm                   = {70};
inline constexpr Field kTargeting             = {72};  // targeting computer
inline constexpr Field kEngine                = {74};
inline constexpr Field kCargoModule           = {76};  // 0 cargo bay, 1..5 the special modules
inline constexpr Field kShieldBoostUsed       = {90};  // 90..92, 94: once-per-combat flags
inline constexpr Field kEnergyChannellingUsed = {91};
inline constexpr Field kRechargeUsed          = {92};
inline constexpr Field kLastBoardingAttack    = {93};
inline constexpr Field kEmitterUsed           = {94};  // the anti-phase emitter
inline constexpr Field kGunVolleys            = {95};  // volleys in a row (overheating)
inline constexpr Field kDecisionStep          = {96};  // Enemy: step in its decision list
inline constexpr Field kAwaitingMessage       = {97};  // Enemy: waits for its message to close
inline constexpr Field kEmergencyRechargeUsed = {98};  // in this fleet battle
inline constexpr Field kLongActionPointBar    = {99};  // 1 = the 8-step bar instead of the 5-step

// The fitted equipment, one item id per field.
inline constexpr Field kFittedItems[] = {kMissileLauncher, kGun, kEcm, kTargeting, kEngine,
                                       kCargoModule};
}  // namespace ship

// BodyData[system][body]: a body of a star system.
namespace body {
using Field = state::Field<state::BodyFields>;
inline constexpr Field kVisible         = {1};   // 0 = empty slot or hidden hideout
inline constexpr Field kOwner           = {2};   // faction 1..4
inline constexpr Field kKind            = {3};   // state::kKindWormhole .. or economy class 0..6
inline constexpr Field kDestination     = {4};   // wormhole: destination system 1..24
inline constexpr Field kAsteroidField   = {4};   // the same field on a planet: 1 = asteroid field
inline constexpr Field kHideoutRevealed = {4};   // the same field on a pirate hideout: 1 = revealed
inline constexpr Field kJumpLength      = {5};   // wormhole
inline constexpr Field kMapX            = {11};  // position on the system map, in pixels
inline constexpr Field kMapY            = {12};
inline constexpr Field kPicture         = {13};
inline constexpr Field kCityPicture     = {14};  // 0 = none
inline constexpr Field kAnalysed        = {31};  // 1 = recorded by the running Analysis mission
}  // namespace body

// ActiveMission and MissionOffers[system][slot]: a mission. Fields 8 and 9 mean what the type
// makes of them; the aliases name each use.
namespace mission {
using Field = state::Field<state::MissionFields>;
inline constexpr Field kActive            = {1};   // 1 = on the board / running
inline constexpr Field kType              = {2};   // 1..27
inline constexpr Field kReward            = {3};   // credits
inline constexpr Field kTargetBody        = {6};
inline constexpr Field kTargetSystem      = {7};
inline constexpr Field kSubject           = {8};   // by type, one of the four below; otherwise 1
inline constexpr Field kEnemyClass        = {8};   // combat types: the enemy's ship class
inline constexpr Field kGood              = {8};   // deliveries: good 1..12
inline constexpr Field kStage             = {8};   // nav-point types: the next point 1..3
inline constexpr Field kPlanetsLeft       = {8};   // Analysis
inline constexpr Field kEnemyFaction      = {9};   // 0 = pirates
inline constexpr Field kQuantity          = {9};   // deliveries: the units (still) to deliver
inline constexpr Field kFirstPointBody    = {10};  // 10..15: three nav points (body, system)
inline constexpr Field kNameVariant       = {10};  // Bounty, Abduction: the target's name 1..10
inline constexpr Field kPickUpBody        = {10};  // Marine Landing, Evacuation
inline constexpr Field kFirstPointSystem  = {11};
inline constexpr Field kPickUpSystem      = {11};
inline constexpr Field kSecondPointBody   = {12};
inline constexpr Field kDropBody          = {12};
inline constexpr Field kSecondPointSystem = {13};
inline constexpr Field kDropSystem        = {13};
inline constexpr Field kThirdPointBody    = {14};
inline constexpr Field kThirdPointSystem  = {15};
inline constexpr Field kCampaignSystem    = {20};  // 0 = serves no campaign
inline constexpr Field kBriefingVariant   = {30};  // 0 = not drawn yet
}  // namespace mission

// SpecialShips[row]: a special ship near the player.
namespace special_ship {
using Field = state::Field<state::SpecialShipFields>;
inline constexpr Field kActive                = {1};
inline constexpr Field kClass                 = {2};   // ship class
inline constexpr Field kKind                  = {3};   // 1 trader, 2 military, 3 pirate
inline constexpr Field kLeastLoadoutTier      = {4};   // passed to the fight when attacked
inline constexpr Field kFaction               = {5};   // 0..4
inline constexpr Field kDaysLeft              = {6};
inline constexpr Field kSubKind               = {9};   // by kind
inline constexpr Field kMissionTarget         = {20};  // 1 = the active bounty or abduction target
inline constexpr Field kFirstSentenceVariant  = {21};  // of the sensor texts
inline constexpr Field kSecondSentenceVariant = {22};
inline constexpr Field kPirateNameVariant     = {23};  // 1..10 of a wanted pirate
}  // namespace special_ship

// PlayerFleet and EnemyFleet rows: a ship in a fleet battle.
namespace fleet_ship {
using Field = state::Field<state::FleetShipFields>;
inline constexpr Field kAlive     = {1};
inline constexpr Field kFaction   = {2};
inline constexpr Field kClass     = {3};  // ship class; -1 a station
inline constexpr Field kHitPoints = {4};
inline constexpr Field kRole      = {5};  // combat::FleetRole; picks the picture
}  // namespace fleet_ship

// HighscoreTable[place]: one row of the high-score table.
namespace highscore {
using Field = state::Field<state::HighscoreFields>;
inline constexpr Field kUsed        = {1};
inline constexpr Field kScore       = {2};
inline constexpr Field kFaction     = {3};
inline constexpr Field kRank        = {4};  // military rank
inline constexpr Field kShipClass   = {5};
inline constexpr Field kShipFaction = {6};
}  // namespace highscore

// SystemData[system]: a star system and its campaign.
namespace star_system {
using Field = state::Field<state::SystemFields>;
inline constexpr Field kPresent             = {1};
inline constexpr Field kOwner               = {2};   // faction 1..4
inline constexpr Field kClass               = {3};   // 1..6, numbered as the economy classes
inline constexpr Field kCampaign            = {20};  // 1 = a campaign runs
inline constexpr Field kAttacker            = {21};  // faction
inline constexpr Field kCampaignDays        = {22};
inline constexpr Field kAttackerPoints      = {23};
inline constexpr Field kDefenderPoints      = {24};
inline constexpr Field kCampaignMissions    = {25};  // missions the player flew for the campaign
inline constexpr Field kSiegeDays           = {27};
inline constexpr Field kSituationVariant    = {28};  // 28..32: stored variants of the campaign texts
inline constexpr Field kSituationEndVariant = {29};
inline constexpr Field kFirstReportVariant  = {30};
inline constexpr Field kSecondReportVariant = {31};
inline constexpr Field kThirdReportVariant  = {32};
inline constexpr Field kLastCampaignMissionType = {33};  // the player's last mission for the campaign
}  // namespace star_system

// FactionData[faction]: a faction and its relations.
namespace faction {
using Field = state::Field<state::FactionFields>;
inline constexpr Field kAlive        = {1};
inline constexpr Field kAtWarWith    = {10};  // + faction g: 1 = at war with g
inline constexpr Field kRelationDays = {20};  // + faction g: day counter of the relation with g
}  // namespace faction

// NewsList[row]: a news entry.
namespace news {
using Field = state::Field<state::NewsFields>;
inline constexpr Field kValid                   = {1};
inline constexpr Field kKind                    = {2};   // 1..9
inline constexpr Field kSubject                 = {3};   // good (kinds 1..4) or the first faction
inline constexpr Field kSecondFaction           = {4};
inline constexpr Field kDay                     = {5};
inline constexpr Field kLifetime                = {6};   // in days
inline constexpr Field kSystem                  = {13};
inline constexpr Field kFirstSentenceVariant    = {21};
inline constexpr Field kSecondSentenceVariant   = {22};
inline constexpr Field kThirdSentenceVariant    = {23};
inline constexpr Field kWarThirdSentenceVariant = {24};  // the third sentence of a war declaration
}  // namespace news

// SpaceFinds[system][slot]: a space find.
namespace space_find {
using Field = state::Field<state::SpaceFindFields>;
inline constexpr Field kPresent  = {1};
inline constexpr Field kDaysLeft = {2};
inline constexpr Field kKind     = {3};   // 1 lifepod, 2 treasure, 3 ghost ship, 4 artifact, 20/21 data
inline constexpr Field kMapX     = {11};  // position on the system map
inline constexpr Field kMapY     = {12};
}  // namespace space_find

// PlayerModifiers and EnemyModifiers rows: an active combat effect.
namespace modifier {
using Field = state::Field<state::ModifierFields>;
inline constexpr Field kActive    = {1};
inline constexpr Field kAbility   = {2};  // combat ability id
inline constexpr Field kTurnsLeft = {3};
}  // namespace modifier

// PlayerMissileVolley and EnemyMissileVolley: a side's missile volley in flight.
namespace missile_volley {
using Field = state::Field<state::MissileVolleyFields>;
inline constexpr Field kInFlight        = {1};  // above 0 = a volley is on its way
inline constexpr Field kTurnsToImpact   = {2};  // rounds (in the simulator ticks) until it hits
inline constexpr Field kSimulatorGateA  = {3};  // read by the simulator's soldier, never written: 0
inline constexpr Field kSimulatorGateB  = {4};  // read by the simulator's trader, never written: 0
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
inline constexpr int kName        = 1;
inline constexpr int kDescription = 2;
}  // namespace body_text

// SystemText[system]: a star system's texts.
namespace system_text {
inline constexpr int kName        = 1;
inline constexpr int kDescription = 2;
}  // namespace system_text

// FactionText[faction]: a faction's names (0 = the pirates).
namespace faction_text {
inline constexpr int kLongName  = 1;  // "Federation Of Planets"
inline constexpr int kShortName = 2;  // "Federation"
inline constexpr int kLogo      = 5;  // picture base name, without ".jpg"
}  // namespace faction_text
// clang-format on
