#include "state/variables.h"

#include <algorithm>

namespace state {

Grid<TBodyRow, kSystems, kBodies> BodyData{};
// Text tables start empty by their strings' own constructor; a "{}" initializer here crashes
// clang 14, which the fuzz build uses.
Grid<TBodyTextRow, kSystems, kBodies> BodyText;
Table<TSystemRow, kSystems> SystemData{};
Table<TSystemTextRow, kSystems> SystemText;
Grid<TSpaceFindRow, kSystems, kFindSlots> SpaceFinds{};
Table<std::string, 102> GoodName;
TDataRow GoodBasePrice{};
Grid<TDataRow, kSystems, kBodies> MarketStock{};
Grid<TDataRow, kSystems, kBodies> MarketPrice{};
Grid<TDataRow, kSystems, kBodies> MarketPriceTrend{};
Table<TDataRow, kSystems> SystemPrice{};
Table<TDataRow, kSystems> SystemPriceTrend{};
TDataRow Cargo{};
Table<TNewsRow, kNewsRows> NewsList{};
Table<std::string, kNewsRows> NewsHeadline;
Table<TSpecialShipRow, kSpecialShips> SpecialShips{};
TPlayerRow PlayerData{};
std::string PlayerName;
TDataRow SkillOwned{};
TDataRow AbilityOwned{};
TShipRow PlayerShip{};
TShipRow EnemyShip{};
Table<std::int32_t, kAbilitySlots> PlayerAbilitySlots{};
Table<std::int32_t, kAbilitySlots> EnemyAbilitySlots{};
Table<std::int32_t, kAbilitySlots> PlayerSlotState{};
Table<std::int32_t, kAbilitySlots> EnemySlotState{};
TMissileVolleyRow PlayerMissileVolley{};
TMissileVolleyRow EnemyMissileVolley{};
Table<TModifierRow, kModifierRows> PlayerModifiers{};
Table<TModifierRow, kModifierRows> EnemyModifiers{};
Table<TFleetShipRow, kFleetRows> PlayerFleet{};
Table<TFleetShipRow, kFleetRows> EnemyFleet{};
TDataRow BoardingAreas{};
Table<TFactionRow, kFactions> FactionData{};
Table<TFactionTextRow, kFactions> FactionText;
Grid<TMissionRow, kSystems, kOfferSlots> MissionOffers{};
TMissionRow ActiveMission{};
Table<THighscoreRow, kHighscoreRows> HighscoreTable{};
Table<std::string, kHighscoreRows> HighscoreNames;
Table<std::int32_t, kSystems> SystemVisited{};
Table<std::int32_t, kBodies> BodyPricesKnown{};
Table<std::string, kSaveSlots> SaveSlotNames;
Table<std::int32_t, kSaveSlots> SaveSlotUsed{};

std::int32_t GameDay = 0;
std::int32_t DisplayedSystem = 0;
std::int32_t SelectedBody = 0;
std::int32_t SelectedGood = 0;
std::int32_t TradeQuantity = 0;
std::int32_t ZoomPercent = 100;
std::int32_t StartCount = 0;
std::int32_t TutorialStep = 0;

std::uint8_t SoundEffectsOn = 0;
std::uint8_t MusicOn = 0;
std::uint8_t TutorialActive = 0;
std::uint8_t AutoEndTurn = 0;
std::uint8_t VeteranMode = 0;
std::uint8_t NoWarPopups = 0;
std::uint8_t NoAgingFlag = 0;
std::uint8_t CompatibilityMode = 0;

std::uint8_t TravelMayClose = 0;
std::uint8_t FlyToMayClose = 0;
std::uint8_t BoardingMayClose = 0;
std::uint8_t CombatMayClose = 0;
std::uint8_t FleetBattleMayClose = 0;
std::uint8_t PlanetMayClose = 0;
std::uint8_t PicturePopupMayClose = 0;
std::uint8_t ChoicePopupMayClose = 0;
std::uint8_t TextPopupMayClose = 0;
std::uint8_t YesNoPopupMayClose = 0;
std::uint8_t EncounterPopupMayClose = 0;
std::uint8_t FamePopupMayClose = 0;
std::uint8_t RewardPopupMayClose = 0;
std::uint8_t NoticePopupMayClose = 0;
std::uint8_t RetirementPopupMayClose = 0;

std::string WebSiteUrl;

std::function<void()> HideGamePanels;

namespace {

// Zeroes fields 0..100 of a row; field 101 is the spare one.
void ClearRow(TDataRow& row) { std::fill_n(row.begin(), kFieldsStored, 0); }
template <class Kind>
void ClearRow(Row<Kind>& row) { ClearRow(row.raw()); }

// Empties strings 0..10 of a text row; string 11 is the spare one.
void ClearTextRow(TTextRow& row) {
  for (int i = 0; i < kStringsStored; ++i) row[i].clear();
}
template <class Kind>
void ClearTextRow(TextRow<Kind>& row) { ClearTextRow(row.raw()); }

// Clears rows 0..last of a table of rows, leaving the spare top row alone.
template <class Rows>
void ClearRows(Rows& rows, int last) {
  for (int i = 0; i <= last; ++i) ClearRow(rows[i]);
}

template <class Rows>
void ClearGridRows(Rows& grid, int lastOuter, int lastInner) {
  for (int i = 0; i <= lastOuter; ++i) ClearRows(grid[i], lastInner);
}

}  // namespace

void ClearGameState() {
  // Step 1: the star systems and their bodies.
  ClearGridRows(BodyData, kLastSystem, kLastBody);
  for (int s = 0; s <= kLastSystem; ++s)
    for (int b = 0; b <= kLastBody; ++b) ClearTextRow(BodyText[s][b]);
  ClearRows(SystemData, kLastSystem);
  for (int s = 0; s <= kLastSystem; ++s) ClearTextRow(SystemText[s]);
  for (int g = 0; g <= 100; ++g) GoodName[g].clear();

  // Step 2: markets, cargo, space finds, base prices.
  ClearGridRows(MarketStock, kLastSystem, kLastBody);
  ClearGridRows(MarketPrice, kLastSystem, kLastBody);
  ClearGridRows(MarketPriceTrend, kLastSystem, kLastBody);
  ClearRow(Cargo);
  ClearRows(SystemPrice, kLastSystem);
  ClearRows(SystemPriceTrend, kLastSystem);
  ClearGridRows(SpaceFinds, kLastSystem, kLastFindSlot);
  ClearRow(GoodBasePrice);

  // Step 3: news and special ships.
  ClearRows(NewsList, kLastNews);
  for (int n = 0; n <= kLastNews; ++n) NewsHeadline[n].clear();
  ClearRows(SpecialShips, kLastSpecialShip);

  // Step 4: the player.
  ClearRow(PlayerData);
  PlayerName.clear();
  ClearRow(AbilityOwned);
  ClearRow(SkillOwned);

  // Step 5: the combat rows.
  std::fill_n(PlayerAbilitySlots.begin(), 13, 0);
  std::fill_n(PlayerSlotState.begin(), 13, 0);
  std::fill_n(EnemyAbilitySlots.begin(), 13, 0);
  std::fill_n(EnemySlotState.begin(), 13, 0);
  ClearRow(PlayerMissileVolley);
  ClearRow(EnemyMissileVolley);
  ClearRows(PlayerModifiers, 8);
  ClearRows(EnemyModifiers, 8);
  ClearRow(PlayerShip);
  ClearRow(EnemyShip);

  // Step 6: factions and missions.
  ClearRows(FactionData, kLastFaction);
  for (int f = 0; f <= kLastFaction; ++f) ClearTextRow(FactionText[f]);
  ClearRow(ActiveMission);
  ClearGridRows(MissionOffers, kLastSystem, kLastOfferSlot);

  // Step 7: the day and the selection.
  GameDay = 1;
  DisplayedSystem = 0;
  SelectedBody = 0;
  SelectedGood = 0;
  TradeQuantity = 0;
  TravelMayClose = 0;

  // Step 8: panels of the screens that must not survive into the next game.
  if (HideGamePanels) HideGamePanels();
}

}  // namespace state
