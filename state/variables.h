// The game-state tables: every value a running game has, as plain global tables that live for the
// whole process. Nothing is allocated per game: a new game clears them and fills them again, a load
// overwrites the saved ones.
//
// Every dimension counts from 1 in the rules and is declared one element larger than the last index
// that is cleared and saved: element 0 is cleared and saved but read by no rule, and the spare top
// element is never cleared, saved or used. A TDataRow has fields 0..101; fields 0..100 are cleared
// and saved, field 101 never is.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>

#include "state/row.h"

namespace state {

// Row kinds: all hold a TDataRow's integers, each its own type indexed by its own fields
// (state/fields.h).
using TBodyRow = Row<BodyFields>;
using TSystemRow = Row<SystemFields>;
using TPlayerRow = Row<PlayerFields>;
using TShipRow = Row<ShipFields>;
using TMissionRow = Row<MissionFields>;
using TNewsRow = Row<NewsFields>;
using TSpecialShipRow = Row<SpecialShipFields>;
using TSpaceFindRow = Row<SpaceFindFields>;
using TFactionRow = Row<FactionFields>;
using TFleetShipRow = Row<FleetShipFields>;
using TModifierRow = Row<ModifierFields>;
using THighscoreRow = Row<HighscoreFields>;
using TMissileVolleyRow = Row<MissileVolleyFields>;

// Text row kinds: all hold a TTextRow's strings, each its own type indexed by its own fields.
using TBodyTextRow = TextRow<BodyTextFields>;
using TSystemTextRow = TextRow<SystemTextFields>;
using TFactionTextRow = TextRow<FactionTextFields>;

template <class T, std::size_t N>
using Table = std::array<T, N>;
template <class T, std::size_t A, std::size_t B>
using Grid = std::array<std::array<T, B>, A>;

// Declared sizes (one more than the last stored index).
inline constexpr int kSystems = 26;      // stored 0..24, used 1..24
inline constexpr int kBodies = 17;       // stored 0..15, used 1..15
inline constexpr int kFindSlots = 6;     // stored 0..4, used 1..4
inline constexpr int kNewsRows = 22;     // stored 0..20, used 1..20
inline constexpr int kSpecialShips = 12; // stored 0..10, used 1..10
inline constexpr int kFactions = 6;      // stored 0..4, used 1..4 (0 = the pirates in the texts)
inline constexpr int kOfferSlots = 8;    // stored 0..6, used 1..6
inline constexpr int kHighscoreRows = 7; // stored 0..5, used 1..5
inline constexpr int kSaveSlots = 6;     // stored 0..4, used 1..4
inline constexpr int kAbilitySlots = 14; // cleared 0..12, used 1..12
inline constexpr int kModifierRows = 10; // cleared 0..8, used 1..8
inline constexpr int kFleetRows = 12;    // used 1..10
inline constexpr int kFieldsStored = 101;   // fields 0..100 of a TDataRow
inline constexpr int kStringsStored = 11;   // strings 0..10 of a TTextRow

// Used index ranges.
inline constexpr int kLastSystem = 24;
inline constexpr int kLastBody = 15;
inline constexpr int kLastGood = 18;
inline constexpr int kFirstContraband = 13;
inline constexpr int kLastFaction = 4;
inline constexpr int kLastNews = 20;
inline constexpr int kLastSpecialShip = 10;
inline constexpr int kLastFindSlot = 4;
inline constexpr int kLastOfferSlot = 6;
inline constexpr int kLastAbility = 37;
inline constexpr int kLastSkill = 30;

// Whether `s` is a system of the star map.
constexpr bool IsSystem(std::int32_t s) { return s >= 1 && s <= kLastSystem; }
// Whether good `g` is contraband.
constexpr bool IsContraband(std::int32_t g) { return g >= kFirstContraband && g <= kLastGood; }

// Body kinds (BodyData[s][b][body::kKind]); 1..6 are the economy classes of inhabited planets
// (state/economy_classes.h).
inline constexpr int kKindPirateHideout = -3;
inline constexpr int kKindSun = -2;
inline constexpr int kKindWormhole = -1;
inline constexpr int kKindBarren = 0;  // a planet or asteroid field where nobody lives: no market
// Whether a body of kind `kind` is inhabited, with a port and a market: its kind is its economy
// class, above the barren kind.
constexpr bool IsInhabited(std::int32_t kind) { return kind > kKindBarren; }

// --- Tables -------------------------------------------------------------------------------------
extern Grid<TBodyRow, kSystems, kBodies> BodyData;
extern Grid<TBodyTextRow, kSystems, kBodies> BodyText;
extern Table<TSystemRow, kSystems> SystemData;
extern Table<TSystemTextRow, kSystems> SystemText;
extern Grid<TSpaceFindRow, kSystems, kFindSlots> SpaceFinds;
extern Table<std::string, 102> GoodName;
extern TDataRow GoodBasePrice;
extern Grid<TDataRow, kSystems, kBodies> MarketStock;
extern Grid<TDataRow, kSystems, kBodies> MarketPrice;
extern Grid<TDataRow, kSystems, kBodies> MarketPriceTrend;
extern Table<TDataRow, kSystems> SystemPrice;
extern Table<TDataRow, kSystems> SystemPriceTrend;
extern TDataRow Cargo;
extern Table<TNewsRow, kNewsRows> NewsList;
extern Table<std::string, kNewsRows> NewsHeadline;
extern Table<TSpecialShipRow, kSpecialShips> SpecialShips;
extern TPlayerRow PlayerData;
extern std::string PlayerName;
extern TDataRow SkillOwned;
extern TDataRow AbilityOwned;
extern TShipRow PlayerShip;
extern TShipRow EnemyShip;
extern Table<std::int32_t, kAbilitySlots> PlayerAbilitySlots;
extern Table<std::int32_t, kAbilitySlots> EnemyAbilitySlots;
extern Table<std::int32_t, kAbilitySlots> PlayerSlotState;
extern Table<std::int32_t, kAbilitySlots> EnemySlotState;
extern TMissileVolleyRow PlayerMissileVolley;
extern TMissileVolleyRow EnemyMissileVolley;
extern Table<TModifierRow, kModifierRows> PlayerModifiers;
extern Table<TModifierRow, kModifierRows> EnemyModifiers;
extern Table<TFleetShipRow, kFleetRows> PlayerFleet;
extern Table<TFleetShipRow, kFleetRows> EnemyFleet;
extern TDataRow BoardingAreas;
extern Table<TFactionRow, kFactions> FactionData;
extern Table<TFactionTextRow, kFactions> FactionText;
extern Grid<TMissionRow, kSystems, kOfferSlots> MissionOffers;
extern TMissionRow ActiveMission;
extern Table<THighscoreRow, kHighscoreRows> HighscoreTable;
extern Table<std::string, kHighscoreRows> HighscoreNames;
extern Table<std::int32_t, kSystems> SystemVisited;
extern Table<std::int32_t, kBodies> BodyPricesKnown;
extern Table<std::string, kSaveSlots> SaveSlotNames;
extern Table<std::int32_t, kSaveSlots> SaveSlotUsed;

// --- Scalar globals -----------------------------------------------------------------------------
extern std::int32_t GameDay;          // elapsed game days; 1 on a fresh game
extern std::int32_t DisplayedSystem;  // star system drawn by the travel screen
extern std::int32_t SelectedBody;     // travel target: body 1..15, -1..-4 a space-find slot, 0 none
extern std::int32_t SelectedGood;     // selected trade good 0..18
extern std::int32_t TradeQuantity;    // units per trade click: 1, 10, 25 or 100
extern std::int32_t ZoomPercent;      // always 100
extern std::int32_t StartCount;       // program starts
extern std::int32_t TutorialStep;

// Game options (0 or 1) and the tutorial flag.
extern std::uint8_t SoundEffectsOn;
extern std::uint8_t MusicOn;
extern std::uint8_t TutorialActive;
extern std::uint8_t AutoEndTurn;
extern std::uint8_t VeteranMode;
extern std::uint8_t NoWarPopups;
extern std::uint8_t NoAgingFlag;
extern std::uint8_t CompatibilityMode;

// Close permission of the guarded screens and popups: a screen's own buttons set its flag before
// closing, its close query refuses otherwise, its close handler clears it.
extern std::uint8_t TravelMayClose;
extern std::uint8_t FlyToMayClose;
extern std::uint8_t BoardingMayClose;
extern std::uint8_t CombatMayClose;
extern std::uint8_t FleetBattleMayClose;
extern std::uint8_t PlanetMayClose;
extern std::uint8_t PicturePopupMayClose;
extern std::uint8_t ChoicePopupMayClose;
extern std::uint8_t TextPopupMayClose;
extern std::uint8_t YesNoPopupMayClose;
extern std::uint8_t EncounterPopupMayClose;
extern std::uint8_t FamePopupMayClose;
extern std::uint8_t RewardPopupMayClose;
extern std::uint8_t NoticePopupMayClose;
extern std::uint8_t RetirementPopupMayClose;

extern std::string WebSiteUrl;

// The screens set this to hide the panels a new game must not find open (the travel screen's
// options, target-description and mission panels, the trade window). ClearGameState calls it last.
extern std::function<void()> HideGamePanels;

// Clears the tables of a running game before a new game or a load. Leaves the fleets, boarding
// areas, price knowledge, high scores, save slots, StartCount, the tutorial step, the options and
// every spare top element as they were.
void ClearGameState();

}  // namespace state
