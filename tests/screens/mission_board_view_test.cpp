// What the mission board shows, built without any form: the header by ship size, a tile and the
// details of an offer of each kind of value and place, an empty slot, and the briefing's wording
// drawn once and kept.
#include "screens/port/mission_board_view.h"

#include <gtest/gtest.h>

#include <string>

#include "rules/briefings.h"
#include "rules/missions.h"
#include "state/fields.h"
#include "state/goods.h"
#include "state/random.h"
#include "state/ship_classes.h"
#include "state/variables.h"
#include "support/rows.h"

namespace {

using screens::BuildMissionDetail;
using screens::BuildMissionTile;

constexpr int kSystem = 3;
constexpr int kSlot = 4;

class MissionBoardView : public ::testing::Test {
 protected:
  void SetUp() override {
    state::ClearGameState();
    for (int s = 1; s <= state::kLastSystem; ++s) {
      state::SystemText[s][system_text::kName] = "Sys" + std::to_string(s);
      for (int b = 1; b <= state::kLastBody; ++b)
        state::BodyText[s][b][body_text::kName] = 'B' + std::to_string(s) + '.' + std::to_string(b);
    }
    for (int f = 0; f <= state::kLastFaction; ++f)
      state::FactionText[f][faction_text::kShortName] = 'F' + std::to_string(f);
    state::GoodName[4] = "Medicine";
    state::Randomize(5);
  }

  // An offer in the test slot whose places are bodies 5..8 of systems 6..9.
  state::TMissionRow& Offer(MissionType type) {
    state::TMissionRow& o = state::MissionOffers[kSystem][kSlot];
    o = test_rows::MissionRow()
            .Active()
            .Type(type)
            .Reward(1234567)
            .Target(6, 5)
            .Subject(4)
            .EnemyFaction(kFactionOuterRim)
            .FirstPoint(7, 6)
            .SecondPoint(8, 7)
            .ThirdPoint(9, 8);
    return o;
  }
};

TEST_F(MissionBoardView, HeaderFollowsTheShipSize) {
  const struct {
    std::int32_t size;
    const char* header;
  } cases[] = {
      {1, "Available missions for \"Fighter-class\" pilots:"},
      {2, "Available missions for \"Corvette-class\" pilots:"},
      {3, "Available missions for \"Destroyer-class\" captains:"},
      {4, "Available missions for \"Cruiser-class\" captains:"},
      {5, "Available missions for \"Battleship-class\" captains:"},
      {100, "Available missions for \"Battleship-class\" captains:"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(screens::MissionBoardHeader(state::ShipSize{c.size}), c.header) << c.size;
  for (const std::int32_t size : {0, -1, 101})
    EXPECT_FALSE(screens::MissionBoardHeader(state::ShipSize{size})) << size;
}

TEST_F(MissionBoardView, EachKindOfOfferShowsItsValueAndPlace) {
  const std::string ship = "F2 " + state::GetShipClassName(state::kClassSabre);
  const std::string inTarget = " (in the Sys6 system)";
  const struct {
    MissionType type;
    const char* logo;
    const char* heading;
    const char* caption;
    std::string value;
    int left;
    std::string location;
    std::string tilePlace;
  } cases[] = {
      {kMissionSearchAndDestroy, "Mission_SearchandDestroyLogo", "Selected Mission: Search & Destroy", "Expected resistance:", ship, 376, "B6.5" + inTarget, "Sys6"},
      {kMissionPatrol, "Mission_PatrolLogo", "Selected Mission: Patrol", "Expected resistance:", "Unknown", 379, "B7.6, B8.7, B9.8" + inTarget, "Sys6"},
      {kMissionTransport, "Mission_TransportLogo", "Selected Mission: Transport", "Required goods:", "Medicine (2 units)", 350, "B6.5" + inTarget, "Sys6"},
      {kMissionSpecialForces, "Mission_EscortLogo", "Selected Mission: Special Forces", "Expected resistance:", "Unknown", 379, "B7.6" + inTarget, "Sys6"},
      {kMissionAssault, "Mission_AttackCapLogo", "Selected Mission: Assault", "Expected resistance:", ship, 376, "B6.5" + inTarget, "Sys6"},
      {kMissionMarineLanding, "Mission_Marine", "Selected Mission: Marine Landing", "Expected resistance:", "Unknown", 379,
       "B7.6 (in the Sys7 system), B8.7 (in the Sys8 system)", "Sys7, Sys8"},
      {kMissionAnalysis, "Mission_Analysis", "Selected Mission: Analysis", "Expected resistance:", "Unknown", 379, "Planets left: 50", "Sys6"},
      {kMissionBlitzkrieg, "Mission_Blitzkrieg", "Selected Mission: Blitzkrieg", "Expected resistance:", "Hostile fleet", 376, "B6.5" + inTarget, "Sys6"},
      {kMissionSuppression, "Mission_Suppression", "Selected Mission: Suppression", "Expected resistance:", "Rebels", 376, "B6.5" + inTarget, "Sys6"},
      {kMissionFlagship, "Mission_Flagship", "Selected Mission: Flagship", "Wanted:", "Hostile flagship", 308, "B6.5" + inTarget, "Sys6"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(state::Stored(c.type));
    state::TMissionRow& o = Offer(c.type);
    if (c.type == kMissionTransport) o[mission::kQuantity] = 2;

    const screens::MissionTileView tile = BuildMissionTile(kSystem, kSlot);
    EXPECT_TRUE(tile.offered);
    EXPECT_EQ(tile.title, rules::MissionTitle(c.type));
    EXPECT_EQ(tile.place, c.tilePlace);
    EXPECT_EQ(tile.reward, "$ 1,234,567");
    EXPECT_EQ(tile.logo, c.logo);

    const auto detail = BuildMissionDetail(kSystem, kSlot);
    ASSERT_TRUE(detail);
    EXPECT_EQ(detail->heading, c.heading);
    EXPECT_EQ(detail->valueCaption, c.caption);
    EXPECT_EQ(detail->value, c.value);
    EXPECT_EQ(detail->valueLeft, c.left);
    EXPECT_EQ(detail->location, c.location);
    EXPECT_EQ(detail->reward, "$ 1,234,567");
  }
}

TEST_F(MissionBoardView, WantedCriminalAndAceAreNamedWithTheirShips) {
  for (const MissionType type : {kMissionBounty, kMissionAbduction}) {
    SCOPED_TRACE(state::Stored(type));
    state::TMissionRow& o = Offer(type);
    o[mission::kNameVariant] = 3;
    const auto detail = BuildMissionDetail(kSystem, kSlot);
    ASSERT_TRUE(detail);
    const std::string name = type == kMissionBounty
                                 ? rules::GetBountyTargetName(0, kSystem, kSlot)
                                 : rules::GetAbductionTargetName(0, kSystem, kSlot);
    ASSERT_EQ(name.front(), '"');
    EXPECT_EQ(detail->valueCaption, "Wanted:");
    EXPECT_EQ(detail->value, name + " (" + state::GetShipClassName(state::kClassSabre) + ")");
    EXPECT_EQ(detail->valueLeft, 308);
  }
}

TEST_F(MissionBoardView, BriefingIsQuotedAndItsWordingDrawnOnceAndKept) {
  state::TMissionRow& o = Offer(kMissionSearchAndDestroy);
  ASSERT_EQ(o[mission::kBriefingVariant], 0);
  const auto first = BuildMissionDetail(kSystem, kSlot);
  ASSERT_TRUE(first);
  const std::int32_t variant = o[mission::kBriefingVariant];
  EXPECT_NE(variant, 0) << "the first showing draws the wording";
  EXPECT_GT(first->briefing.size(), 2u);
  EXPECT_EQ(first->briefing.front(), '"');
  EXPECT_EQ(first->briefing.back(), '"');
  EXPECT_EQ(first->briefing, "\"" + rules::GetMissionBriefing(kMissionSearchAndDestroy, 0, kSystem, kSlot) + "\"");
  for (int i = 0; i < 5; ++i) {
    EXPECT_EQ(BuildMissionDetail(kSystem, kSlot)->briefing, first->briefing);
    EXPECT_EQ(o[mission::kBriefingVariant], variant);
  }
}

TEST_F(MissionBoardView, AnEmptyOrUnknownSlotShowsNothing) {
  EXPECT_FALSE(BuildMissionTile(kSystem, kSlot).offered);
  EXPECT_EQ(BuildMissionTile(kSystem, kSlot).title, "") << "an empty tile's captions are blank";
  EXPECT_FALSE(BuildMissionDetail(kSystem, kSlot));
  Offer(kMissionPatrol);
  for (const auto& [system, slot] : {std::pair{0, kSlot}, {25, kSlot}, {kSystem, 0}, {kSystem, 7}}) {
    EXPECT_FALSE(BuildMissionTile(system, slot).offered) << system << "/" << slot;
    EXPECT_FALSE(BuildMissionDetail(system, slot)) << system << "/" << slot;
  }
  // A damaged record: an offer of a type the game does not know.
  for (const MissionType type : {kNoMissionType, MissionType{28}}) {
    Offer(type);
    EXPECT_FALSE(BuildMissionDetail(kSystem, kSlot)) << state::Stored(type);
    EXPECT_EQ(BuildMissionTile(kSystem, kSlot).logo, "") << state::Stored(type);
  }
  // Places outside the tables read as empty names, never out of range.
  state::TMissionRow& o = Offer(kMissionSearchAndDestroy);
  o[mission::kTargetSystem] = 99;
  o[mission::kEnemyFaction] = -3;
  const auto detail = BuildMissionDetail(kSystem, kSlot);
  ASSERT_TRUE(detail);
  EXPECT_EQ(detail->location, " (in the  system)");
}

TEST_F(MissionBoardView, TilePicturesByLook) {
  EXPECT_EQ(screens::MissionTilePicture("Mission_Siege", screens::TileLook::Normal), "Mission_Siege.jpg");
  EXPECT_EQ(screens::MissionTilePicture("Mission_Siege", screens::TileLook::Hovered), "Mission_SiegeMouseOver.jpg");
  EXPECT_EQ(screens::MissionTilePicture("Mission_Siege", screens::TileLook::Selected), "Mission_SiegeON.jpg");
}

}  // namespace
