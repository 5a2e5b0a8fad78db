#include "state/variables.h"

#include <gtest/gtest.h>

using namespace state;

namespace {

// Fills every element of every table, spare ones included, with a marker.
void FillEverything(int v) {
  auto fillRow = [v](auto& r) { Positions(r).fill(v); };
  auto fillText = [](auto& r) { r.fill("x"); };
  for (auto& s : BodyData) for (auto& b : s) fillRow(b);
  for (auto& s : BodyText) for (auto& b : s) fillText(b);
  for (auto& r : SystemData) fillRow(r);
  for (auto& r : SystemText) fillText(r);
  for (auto& s : SpaceFinds) for (auto& r : s) fillRow(r);
  for (auto& g : GoodName) g = 'x';
  fillRow(GoodBasePrice);
  for (auto* t : {&MarketStock, &MarketPrice, &MarketPriceTrend})
    for (auto& s : *t) for (auto& r : s) fillRow(r);
  for (auto* t : {&SystemPrice, &SystemPriceTrend}) for (auto& r : *t) fillRow(r);
  fillRow(Cargo);
  for (auto& r : NewsList) fillRow(r);
  for (auto& h : NewsHeadline) h = 'x';
  for (auto& r : SpecialShips) fillRow(r);
  fillRow(PlayerData);
  PlayerName = 'x';
  fillRow(SkillOwned);
  fillRow(AbilityOwned);
  fillRow(PlayerShip);
  fillRow(EnemyShip);
  for (auto* t : {&PlayerAbilitySlots, &EnemyAbilitySlots, &PlayerSlotState, &EnemySlotState}) t->fill(v);
  fillRow(PlayerMissileVolley);
  fillRow(EnemyMissileVolley);
  for (auto& r : PlayerModifiers) fillRow(r);
  for (auto& r : EnemyModifiers) fillRow(r);
  for (auto& r : PlayerFleet) fillRow(r);
  for (auto& r : EnemyFleet) fillRow(r);
  fillRow(BoardingAreas);
  for (auto& r : FactionData) fillRow(r);
  for (auto& r : FactionText) fillText(r);
  for (auto& s : MissionOffers) for (auto& r : s) fillRow(r);
  fillRow(ActiveMission);
  for (auto& r : HighscoreTable) fillRow(r);
  HighscoreNames.fill("x");
  SystemVisited.fill(v);
  BodyPricesKnown.fill(v);
  SaveSlotNames.fill("x");
  SaveSlotUsed.fill(v);
  GameDay = DisplayedSystem = SelectedBody = SelectedGood = TradeQuantity = v;
  StartCount = TutorialStep = v;
  SoundEffectsOn = MusicOn = TutorialActive = AutoEndTurn = VeteranMode = NoWarPopups = 1;
  NoAgingFlag = CompatibilityMode = 1;
  TravelMayClose = FlyToMayClose = PlanetMayClose = TextPopupMayClose = 1;
}

// Expects fields 0..100 cleared and the spare field 101 kept.
template <class AnyRow>
void ExpectRowCleared(const AnyRow& row, int kept) {
  const TDataRow& r = Positions(row);
  for (int f = 0; f <= 100; ++f) ASSERT_EQ(r[f], 0) << "field " << f;
  ASSERT_EQ(r[101], kept);
}

template <class AnyRow>
void ExpectRowKept(const AnyRow& row, int kept) {
  const TDataRow& r = Positions(row);
  for (int f = 0; f <= 101; ++f) ASSERT_EQ(r[f], kept) << "field " << f;
}

template <class AnyTextRow>
void ExpectTextCleared(const AnyTextRow& row) {
  const TTextRow& r = Positions(row);
  for (int i = 0; i <= 10; ++i) ASSERT_EQ(r[i], "") << "string " << i;
  ASSERT_EQ(r[11], "x");
}

template <class Rows>
void ExpectRowsCleared(const Rows& rows, int last, int kept) {
  for (int i = 0; i <= last; ++i) ExpectRowCleared(rows[i], kept);
  for (std::size_t i = last + 1; i < rows.size(); ++i) ExpectRowKept(rows[i], kept);
}

template <class Grid>
void ExpectGridCleared(const Grid& g, int lastOuter, int lastInner, int kept) {
  for (int i = 0; i <= lastOuter; ++i) ExpectRowsCleared(g[i], lastInner, kept);
  for (std::size_t i = lastOuter + 1; i < g.size(); ++i)
    for (const auto& r : g[i]) ExpectRowKept(r, kept);
}

}  // namespace

TEST(ClearGameState, ClearsExactlyTheGameTables) {
  constexpr int kMark = 7;
  FillEverything(kMark);
  int hidden = 0;
  HideGamePanels = [&] { ++hidden; };
  ClearGameState();
  HideGamePanels = nullptr;

  ExpectGridCleared(BodyData, 24, 15, kMark);
  for (int s = 0; s <= 24; ++s)
    for (int b = 0; b <= 15; ++b) ExpectTextCleared(BodyText[s][b]);
  EXPECT_EQ(BodyText[25][0].At(0), "x");
  EXPECT_EQ(BodyText[0][16].At(0), "x");
  ExpectRowsCleared(SystemData, 24, kMark);
  for (int s = 0; s <= 24; ++s) ExpectTextCleared(SystemText[s]);
  EXPECT_EQ(SystemText[25].At(1), "x");
  for (int g = 0; g <= 100; ++g) EXPECT_EQ(GoodName[g], "");
  EXPECT_EQ(GoodName[101], "x");

  ExpectGridCleared(MarketStock, 24, 15, kMark);
  ExpectGridCleared(MarketPrice, 24, 15, kMark);
  ExpectGridCleared(MarketPriceTrend, 24, 15, kMark);
  ExpectRowCleared(Cargo, kMark);
  ExpectRowsCleared(SystemPrice, 24, kMark);
  ExpectRowsCleared(SystemPriceTrend, 24, kMark);
  ExpectGridCleared(SpaceFinds, 24, 4, kMark);
  ExpectRowCleared(GoodBasePrice, kMark);

  ExpectRowsCleared(NewsList, 20, kMark);
  for (int n = 0; n <= 20; ++n) EXPECT_EQ(NewsHeadline[n], "");
  EXPECT_EQ(NewsHeadline[21], "x");
  ExpectRowsCleared(SpecialShips, 10, kMark);

  ExpectRowCleared(PlayerData, kMark);
  EXPECT_EQ(PlayerName, "");
  ExpectRowCleared(AbilityOwned, kMark);
  ExpectRowCleared(SkillOwned, kMark);

  for (const auto* t : {&PlayerAbilitySlots, &EnemyAbilitySlots, &PlayerSlotState, &EnemySlotState}) {
    for (int i = 0; i <= 12; ++i) EXPECT_EQ((*t)[i], 0);
    EXPECT_EQ((*t)[13], kMark);
  }
  ExpectRowCleared(PlayerMissileVolley, kMark);
  ExpectRowCleared(EnemyMissileVolley, kMark);
  ExpectRowsCleared(PlayerModifiers, 8, kMark);
  ExpectRowsCleared(EnemyModifiers, 8, kMark);
  ExpectRowCleared(PlayerShip, kMark);
  ExpectRowCleared(EnemyShip, kMark);

  ExpectRowsCleared(FactionData, 4, kMark);
  for (int f = 0; f <= 4; ++f) ExpectTextCleared(FactionText[f]);
  ExpectRowCleared(ActiveMission, kMark);
  ExpectGridCleared(MissionOffers, 24, 6, kMark);

  EXPECT_EQ(GameDay, 1);
  EXPECT_EQ(DisplayedSystem, 0);
  EXPECT_EQ(SelectedBody, 0);
  EXPECT_EQ(SelectedGood, 0);
  EXPECT_EQ(TradeQuantity, 0);
  EXPECT_EQ(TravelMayClose, 0);
  EXPECT_EQ(hidden, 1);

  // What clearing leaves alone.
  for (const auto& r : PlayerFleet) ExpectRowKept(r, kMark);
  for (const auto& r : EnemyFleet) ExpectRowKept(r, kMark);
  ExpectRowKept(BoardingAreas, kMark);
  for (const auto& r : HighscoreTable) ExpectRowKept(r, kMark);
  EXPECT_EQ(HighscoreNames[1], "x");
  EXPECT_EQ(SystemVisited[3], kMark);
  EXPECT_EQ(BodyPricesKnown[3], kMark);
  EXPECT_EQ(SaveSlotNames[2], "x");
  EXPECT_EQ(SaveSlotUsed[2], kMark);
  EXPECT_EQ(StartCount, kMark);
  EXPECT_EQ(TutorialStep, kMark);
  EXPECT_EQ(SoundEffectsOn + MusicOn + TutorialActive + AutoEndTurn + VeteranMode + NoWarPopups, 6);
  EXPECT_EQ(NoAgingFlag, 1);
  EXPECT_EQ(CompatibilityMode, 1);
  EXPECT_EQ(FlyToMayClose + PlanetMayClose + TextPopupMayClose, 3);
}
