// Names for the fields of the game-state rows (state/variables.h). Every row is a TDataRow, and
// its fields are addressed by these names, never by bare numbers: PlayerData[player::kCredits],
// PlayerShip[ship::kShields], BodyData[s][b][body::kKind]. The numbers are the save-game layout
// and never move.
//
// The namespaces sit at the top level, next to `state`, so that the rules, the combat and the
// screens write them short whatever namespace they are in. Fields that no rule reads have no name.
#pragma once

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
inline constexpr int kCredits              = 2;   // signed
inline constexpr int kProfession           = 3;   // 1..6
inline constexpr int kFaction              = 4;   // 1..4
inline constexpr int kPortrait             = 5;   // 0..2
inline constexpr int kLevel                = 6;   // experience level 1..19
inline constexpr int kExperience           = 7;   // points towards the next level
inline constexpr int kUniformVariant       = 8;   // 2 = the female uniform pictures
inline constexpr int kPilotWings           = 9;   // wings on the uniform, 0..3
inline constexpr int kCampaignRibbons      = 10;  // ribbons on the uniform
inline constexpr int kSilverStar           = 11;  // 0/1
inline constexpr int kGoldStar             = 12;  // 0/1
inline constexpr int kMedalOfHonor         = 13;  // 0/1
inline constexpr int kRank                 = 14;  // military rank 1..8
inline constexpr int kOwnPlanetPromised    = 15;
inline constexpr int kCivilWarWon          = 16;
inline constexpr int kLoan                 = 20;  // credits owed to the bank
inline constexpr int kLoanDaysLeft         = 21;  // days until the loan is due
inline constexpr int kEarlyPaybackDays     = 22;  // window in days for an early payback
inline constexpr int kWarBonds             = 23;  // value of the war bonds held
inline constexpr int kWarBondLevel         = 24;
inline constexpr int kWarBondLockDays      = 25;  // days the war bonds stay locked
inline constexpr int kCriminalDays         = 30;  // days left as a criminal; 0 = clean
inline constexpr int kFlightEncounters     = 31;  // hostile encounters during the current flight
inline constexpr int kLifePoints           = 32;
inline constexpr int kTycoonEventDay       = 40;  // day counter of the trade-tycoon event
inline constexpr int kBarBribes            = 41;  // bribe counter of the bar
inline constexpr int kTreasureFleetNotice  = 42;  // 1 = the treasure-fleet notice was given
inline constexpr int kIllegalGoodsWarning  = 43;  // 1 = the illegal-goods popup was shown
inline constexpr int kMissionsCompleted    = 50;
inline constexpr int kFightersDestroyed    = 51;  // 51..55: enemy ships destroyed by size 1..5
inline constexpr int kCorvettesDestroyed   = 52;
inline constexpr int kDestroyersDestroyed  = 53;  // destroyers and transporters
inline constexpr int kCruisersDestroyed    = 54;  // cruisers and freighters
inline constexpr int kBattleshipsDestroyed = 55;
inline constexpr int kCiviliansDestroyed   = 56;  // civilian ships above fighter size
inline constexpr int kGoodsSold            = 57;  // units, capped
inline constexpr int kAttacksWon           = 58;  // campaigns won as the attacker
inline constexpr int kDefencesWon          = 59;  // campaigns won as the defender
}  // namespace player

// PlayerShip and EnemyShip: a ship in the game and in a fight. "Enemy:" marks a meaning that only
// the enemy's row has.
namespace ship {
inline constexpr int kAlive                 = 1;   // 0 = destroyed
inline constexpr int kClass                 = 2;   // ship class: -1 starbase, 1..19
inline constexpr int kActionPoints          = 3;   // left in this combat turn; -100 = turn ended
inline constexpr int kComboPoints           = 4;   // 0..5
inline constexpr int kReinforcements        = 6;   // turns until help comes: -1 none, 0 arrived
inline constexpr int kEnemyKind             = 7;   // Enemy: kind and expertise of the opponent
inline constexpr int kFaction               = 8;   // livery: 0 pirates, 1..4
inline constexpr int kBody                  = 13;  // player's body; negative = a space-find slot
inline constexpr int kSystem                = 14;  // player's star system 1..24
inline constexpr int kCargoSpace            = 20;  // cargo units; Enemy: units carried
inline constexpr int kCrewmen               = 30;  // 30..34: crew by kind
inline constexpr int kOfficers              = 31;
inline constexpr int kMarines               = 32;
inline constexpr int kPirates               = 33;
inline constexpr int kDroids                = 34;
inline constexpr int kDefendingCrewmen      = 35;  // Enemy: 35..37 defenders of the boarded area
inline constexpr int kDefendingMarines      = 36;
inline constexpr int kDefendingDroids       = 37;
inline constexpr int kBoardedArea           = 38;  // Enemy: the area under attack
inline constexpr int kBoardingRolled        = 39;  // Enemy: 1 = boarding was weighed in this fight
inline constexpr int kShields               = 40;  // shield (hit) points
inline constexpr int kSimulatorMissile      = 41;  // missile type in the simulator; 0 with the shields
inline constexpr int kSetUpMark             = 50;  // Enemy: 3 after the set-up; nothing reads it
inline constexpr int kMissileLauncher       = 51;  // equipment item ids: 51, 60, 70, 72, 74, 76
inline constexpr int kMissileReload         = 52;  // turns until the launcher is loaded
inline constexpr int kGun                   = 60;
inline constexpr int kEcm                   = 70;
inline constexpr int kTargeting             = 72;  // targeting computer
inline constexpr int kEngine                = 74;
inline constexpr int kCargoModule           = 76;  // 0 cargo bay, 1..5 the special modules
inline constexpr int kShieldBoostUsed       = 90;  // 90..92, 94: once-per-combat flags
inline constexpr int kEnergyChannellingUsed = 91;
inline constexpr int kRechargeUsed          = 92;
inline constexpr int kLastBoardingAttack    = 93;
inline constexpr int kEmitterUsed           = 94;  // the anti-phase emitter
inline constexpr int kGunVolleys            = 95;  // volleys in a row (overheating)
inline constexpr int kDecisionStep          = 96;  // Enemy: step in its decision list
inline constexpr int kAwaitingMessage       = 97;  // Enemy: waits for its message to close
inline constexpr int kEmergencyRechargeUsed = 98;  // in this fleet battle
inline constexpr int kLongActionPointBar    = 99;  // 1 = the 8-step bar instead of the 5-step

// The fitted equipment, one item id per field.
inline constexpr int kFittedItems[] = {kMissileLauncher, kGun, kEcm, kTargeting, kEngine,
                                       kCargoModule};
}  // namespace ship

// BodyData[system][body]: a body of a star system.
namespace body {
inline constexpr int kVisible         = 1;   // 0 = empty slot or hidden hideout
inline constexpr int kOwner           = 2;   // faction 1..4
inline constexpr int kKind            = 3;   // state::kKindWormhole .. or economy class 0..6
inline constexpr int kDestination     = 4;   // wormhole: destination system 1..24
inline constexpr int kAsteroidField   = 4;   // the same field on a planet: 1 = asteroid field
inline constexpr int kHideoutRevealed = 4;   // the same field on a pirate hideout: 1 = revealed
inline constexpr int kJumpLength      = 5;   // wormhole
inline constexpr int kMapX            = 11;  // position on the system map, in pixels
inline constexpr int kMapY            = 12;
inline constexpr int kPicture         = 13;
inline constexpr int kCityPicture     = 14;  // 0 = none
inline constexpr int kAnalysed        = 31;  // 1 = recorded by the running Analysis mission
}  // namespace body

// ActiveMission and MissionOffers[system][slot]: a mission. Fields 8 and 9 mean what the type
// makes of them; the aliases name each use.
namespace mission {
inline constexpr int kActive            = 1;   // 1 = on the board / running
inline constexpr int kType              = 2;   // 1..27
inline constexpr int kReward            = 3;   // credits
inline constexpr int kTargetBody        = 6;
inline constexpr int kTargetSystem      = 7;
inline constexpr int kSubject           = 8;   // by type, one of the four below; otherwise 1
inline constexpr int kEnemyClass        = 8;   // combat types: the enemy's ship class
inline constexpr int kGood              = 8;   // deliveries: good 1..12
inline constexpr int kStage             = 8;   // nav-point types: the next point 1..3
inline constexpr int kPlanetsLeft       = 8;   // Analysis
inline constexpr int kEnemyFaction      = 9;   // 0 = pirates
inline constexpr int kQuantity          = 9;   // deliveries: the units (still) to deliver
inline constexpr int kFirstPointBody    = 10;  // 10..15: three nav points (body, system)
inline constexpr int kNameVariant       = 10;  // Bounty, Abduction: the target's name 1..10
inline constexpr int kPickUpBody        = 10;  // Marine Landing, Evacuation
inline constexpr int kFirstPointSystem  = 11;
inline constexpr int kPickUpSystem      = 11;
inline constexpr int kSecondPointBody   = 12;
inline constexpr int kDropBody          = 12;
inline constexpr int kSecondPointSystem = 13;
inline constexpr int kDropSystem        = 13;
inline constexpr int kThirdPointBody    = 14;
inline constexpr int kThirdPointSystem  = 15;
inline constexpr int kCampaignSystem    = 20;  // 0 = serves no campaign
inline constexpr int kBriefingVariant   = 30;  // 0 = not drawn yet
}  // namespace mission

// SpecialShips[row]: a special ship near the player.
namespace special_ship {
inline constexpr int kActive                = 1;
inline constexpr int kClass                 = 2;   // ship class
inline constexpr int kKind                  = 3;   // 1 trader, 2 military, 3 pirate
inline constexpr int kLeastLoadoutTier      = 4;   // passed to the fight when attacked
inline constexpr int kFaction               = 5;   // 0..4
inline constexpr int kDaysLeft              = 6;
inline constexpr int kSubKind               = 9;   // by kind
inline constexpr int kMissionTarget         = 20;  // 1 = the active bounty or abduction target
inline constexpr int kFirstSentenceVariant  = 21;  // of the sensor texts
inline constexpr int kSecondSentenceVariant = 22;
inline constexpr int kPirateNameVariant     = 23;  // 1..10 of a wanted pirate
}  // namespace special_ship

// PlayerFleet and EnemyFleet rows: a ship in a fleet battle.
namespace fleet_ship {
inline constexpr int kAlive     = 1;
inline constexpr int kFaction   = 2;
inline constexpr int kClass     = 3;  // ship class; -1 a station
inline constexpr int kHitPoints = 4;
inline constexpr int kRole      = 5;  // combat::FleetRole; picks the picture
}  // namespace fleet_ship

// HighscoreTable[place]: one row of the high-score table.
namespace highscore {
inline constexpr int kUsed        = 1;
inline constexpr int kScore       = 2;
inline constexpr int kFaction     = 3;
inline constexpr int kRank        = 4;  // military rank
inline constexpr int kShipClass   = 5;
inline constexpr int kShipFaction = 6;
}  // namespace highscore

// SystemData[system]: a star system and its campaign.
namespace star_system {
inline constexpr int kPresent             = 1;
inline constexpr int kOwner               = 2;   // faction 1..4
inline constexpr int kClass               = 3;   // 1..6, numbered as the economy classes
inline constexpr int kCampaign            = 20;  // 1 = a campaign runs
inline constexpr int kAttacker            = 21;  // faction
inline constexpr int kCampaignDays        = 22;
inline constexpr int kAttackerPoints      = 23;
inline constexpr int kDefenderPoints      = 24;
inline constexpr int kCampaignMissions    = 25;  // missions the player flew for the campaign
inline constexpr int kSiegeDays           = 27;
inline constexpr int kSituationVariant    = 28;  // 28..32: stored variants of the campaign texts
inline constexpr int kSituationEndVariant = 29;
inline constexpr int kFirstReportVariant  = 30;
inline constexpr int kSecondReportVariant = 31;
inline constexpr int kThirdReportVariant  = 32;
inline constexpr int kLastCampaignMissionType = 33;  // the player's last mission for the campaign
}  // namespace star_system

// FactionData[faction]: a faction and its relations.
namespace faction {
inline constexpr int kAlive        = 1;
inline constexpr int kAtWarWith    = 10;  // + faction g: 1 = at war with g
inline constexpr int kRelationDays = 20;  // + faction g: day counter of the relation with g
}  // namespace faction

// NewsList[row]: a news entry.
namespace news {
inline constexpr int kValid                   = 1;
inline constexpr int kKind                    = 2;   // 1..9
inline constexpr int kSubject                 = 3;   // good (kinds 1..4) or the first faction
inline constexpr int kSecondFaction           = 4;
inline constexpr int kDay                     = 5;
inline constexpr int kLifetime                = 6;   // in days
inline constexpr int kSystem                  = 13;
inline constexpr int kFirstSentenceVariant    = 21;
inline constexpr int kSecondSentenceVariant   = 22;
inline constexpr int kThirdSentenceVariant    = 23;
inline constexpr int kWarThirdSentenceVariant = 24;  // the third sentence of a war declaration
}  // namespace news

// SpaceFinds[system][slot]: a space find.
namespace space_find {
inline constexpr int kPresent  = 1;
inline constexpr int kDaysLeft = 2;
inline constexpr int kKind     = 3;   // SpaceFindKind (state/space_find_kinds.h)
inline constexpr int kMapX     = 11;  // position on the system map
inline constexpr int kMapY     = 12;
}  // namespace space_find

// PlayerModifiers and EnemyModifiers rows: an active combat effect.
namespace modifier {
inline constexpr int kActive    = 1;
inline constexpr int kAbility   = 2;  // combat ability id
inline constexpr int kTurnsLeft = 3;
}  // namespace modifier

// PlayerMissileVolley and EnemyMissileVolley: a side's missile volley in flight.
namespace missile_volley {
inline constexpr int kInFlight        = 1;  // above 0 = a volley is on its way
inline constexpr int kTurnsToImpact   = 2;  // rounds (in the simulator ticks) until it hits
inline constexpr int kSimulatorGateA  = 3;  // read by the simulator's soldier, never written: 0
inline constexpr int kSimulatorGateB  = 4;  // read by the simulator's trader, never written: 0
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
