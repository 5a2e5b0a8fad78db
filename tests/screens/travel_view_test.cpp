// What the travel screen shows, built from a small hand-made system without any form: bodies at
// their places, the three markers, the status bars at their ends, news lines and the star date,
// the control panel's captions, the target panel of each kind of target, the map's prices, the
// compatibility texts, and the mission panel of each kind of mission.
#include "screens/travel/travel_view.h"

#include <gtest/gtest.h>

#include <string>

#include "rules/briefings.h"
#include "state/fields.h"
#include "state/goods.h"
#include "state/mission_types.h"
#include "state/progression.h"
#include "state/ship_classes.h"
#include "state/variables.h"
#include "support/rows.h"

namespace screens_test {
namespace {

using screens::BuildMissionPanelView;
using screens::BuildTargetView;
using screens::BuildTravelView;
using screens::Placed;
using namespace state;

constexpr int kSystem = 3;
constexpr state::ShipClassId kSabre = state::kClassSabre;  // a ship class with 110 shield points

// System 3: 1 sun, 2 planet (luxury), 3 wormhole, 4 hideout, 5 an empty slot, 6 planet (mining)
// that is hidden; finds 1 (lifepod) and 3 (secret data) present.
class TravelViewTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ClearGameState();
    ZoomPercent = 100;
    for (int g = 1; g <= kLastGood; ++g) GoodName[g] = std::string(GetGoodCatalogueName(Good{g}));
    FactionText[1][faction_text::kShortName] = "Federation";
    FactionText[2][faction_text::kShortName] = "Outer Rim";
    SystemText[kSystem][system_text::kName] = "Hope";
    AddBody(1, kKindSun, 300, 200, 1, "Hope Sun", "A yellow star.");
    AddBody(2, 3, 120, 150, 11, "Hope Prime", "A green world.");
    AddBody(3, kKindWormhole, 530, 123, 7, "Wormhole to Moor", "A tunnel.");
    AddBody(4, kKindPirateHideout, 535, 387, 25, "Hideout", "Pirates.");
    AddBody(6, 2, 200, 300, 24, "Rocks", "Hidden rocks.");
    BodyData[kSystem][6][body::kVisible] = 0;
    BodyData[kSystem][2][body::kOwner] = 2;
    AddFind(1, 1, 240, 416);
    AddFind(3, 20, 448, 409);
    PlayerShip = test_rows::ShipRow().System(kSystem).Body(2).Class(kSabre).Shields(110);
    PlayerData =
        test_rows::PlayerRow().Level(1).Faction(kFactionFederation).Rank(kRankEnsign);
    DisplayedSystem = kSystem;
    SelectedBody = 2;
  }
  static void AddBody(int k, int kind, int x, int y, int picture, const char* name,
                      const char* description) {
    BodyData[kSystem][k] =
        test_rows::BodyRow().Visible().Owner(1).Kind(kind).MapPosition(x, y).Picture(picture);
    BodyText[kSystem][k][body_text::kName] = name;
    BodyText[kSystem][k][body_text::kDescription] = description;
  }
  static void AddFind(int slot, int kind, int x, int y) {
    TSpaceFindRow& f = SpaceFinds[kSystem][slot];
    f[space_find::kPresent] = 1;
    f[space_find::kKind] = kind;
    f[space_find::kMapX] = x;
    f[space_find::kMapY] = y;
  }
};

TEST_F(TravelViewTest, TheLowestBodiesShowTheirPriceAboveThePictureClearOfTheControlPanel) {
  AddBody(7, 2, 250, 439, 37, "Tempest IX", "A low world.");
  const screens::TravelView v = BuildTravelView(false);
  EXPECT_EQ(v.bodies[6].nameY, 477);
  EXPECT_EQ(v.bodies[6].priceY, 439 - 16) << "under the name it would reach 505, the panel starts at 500";
  EXPECT_EQ(v.bodies[3].priceY, 387 + 52) << "the hideout's price, ending at 453, stays under its name";
}

TEST_F(TravelViewTest, BodiesAndFindsStandAtTheirMapPlacesWithTheirNames) {
  const screens::TravelView v = BuildTravelView(false);
  const screens::BodyView& prime = v.bodies[1];
  EXPECT_TRUE(prime.visible);
  EXPECT_EQ(prime.picture, "jungle1.jpg");
  EXPECT_EQ(prime.name, "Hope Prime");
  EXPECT_EQ(prime.x, 120);
  EXPECT_EQ(prime.y, 150);
  EXPECT_EQ(prime.nameX, 103);
  EXPECT_EQ(prime.nameY, 188);
  EXPECT_EQ(prime.priceX, 103);
  EXPECT_EQ(prime.priceY, 202);
  EXPECT_EQ(v.bodies[0].picture, "Sun.jpg");
  EXPECT_EQ(v.bodies[2].picture, "wormhole.jpg");
  EXPECT_EQ(v.bodies[3].picture, "PirateBase.jpg");
  EXPECT_FALSE(v.bodies[4].visible) << "an empty slot";
  EXPECT_FALSE(v.bodies[5].visible) << "a hidden body";

  struct FindCase {
    int slot;
    bool visible;
    const char* picture;
    const char* caption;
    int captionX, captionY;
  };
  for (const FindCase& c : {FindCase{1, true, "lifepod.jpg", "Lifepod", 225, 450},
                            FindCase{2, false, "", "", 0, 0},
                            FindCase{3, true, "secretdata.jpg", "Secret data", 433, 443},
                            FindCase{4, false, "", "", 0, 0}}) {
    const screens::FindView& f = v.finds[c.slot - 1];
    EXPECT_EQ(f.visible, c.visible) << c.slot;
    EXPECT_EQ(f.picture, c.picture) << c.slot;
    EXPECT_EQ(f.caption, c.caption) << c.slot;
    EXPECT_EQ(f.captionX, c.captionX) << c.slot;
    EXPECT_EQ(f.captionY, c.captionY) << c.slot;
  }
}

TEST_F(TravelViewTest, AFindsCaptionMovesOffTheBodiesNamesAndPictures) {
  struct Case {
    const char* what;
    int x, y;
    int captionX, captionY;
  };
  // The wormhole's picture stands at 530..563 x 123..156, its name's text (centred at 546) under
  // it at 161..175; the hideout's at 535..568 x 387..420, its name's text at 425..439.
  const Case cases[] = {
      {"under the picture, where that is free", 240, 300, 225, 334},
      {"above it, where a name lies under it", 600, 125, 585, 109},
      {"right of it, where a name lies under it and a picture above", 560, 395, 589, 404},
      {"left of it, where the right is taken too", 500, 130, 442, 139},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    AddFind(2, 4, c.x, c.y);
    const screens::TravelView v = BuildTravelView(false);
    const screens::FindView& f = v.finds[1];
    EXPECT_EQ(f.caption, "Artifact");
    EXPECT_EQ(f.captionX, c.captionX);
    EXPECT_EQ(f.captionY, c.captionY);
  }
}

TEST_F(TravelViewTest, MarkersFollowTheSelectionTheShipAndTheMission) {
  struct Case {
    const char* what;
    int selected, at;
    int missionActive, missionBody, missionSystem;
    Placed selection, position, mission;
  };
  const Case cases[] = {
      {"a body selected, the ship at another", 3, 2, 0, 0, 0,
       {true, 517, 109}, {true, 107, 137}, {}},
      {"nothing selected", 0, 2, 0, 0, 0, {}, {true, 107, 137}, {}},
      {"a find selected, the ship at another find", -3, -1, 0, 0, 0,
       {true, 434, 396}, {true, 227, 402}, {}},
      {"the mission's target elsewhere in this system", 2, 2, 1, 1, kSystem,
       {true, 107, 136}, {true, 107, 137}, {true, 287, 185}},
      {"the ship at the mission's target", 2, 1, 1, 1, kSystem,
       {true, 107, 136}, {true, 287, 187}, {}},
      {"the mission's target in another system", 2, 2, 1, 1, kSystem + 1,
       {true, 107, 136}, {true, 107, 137}, {}},
      {"no mission running", 2, 2, 0, 1, kSystem, {true, 107, 136}, {true, 107, 137}, {}},
      {"numbers out of range mark nothing", 16, -5, 1, 99, kSystem, {}, {}, {}},
  };
  for (const Case& c : cases) {
    SelectedBody = c.selected;
    PlayerShip[ship::kBody] = c.at;
    ActiveMission[mission::kActive] = c.missionActive;
    ActiveMission[mission::kTargetBody] = c.missionBody;
    ActiveMission[mission::kTargetSystem] = c.missionSystem;
    const screens::TravelView v = BuildTravelView(false);
    const auto same = [](const Placed& a, const Placed& b) {
      return a.visible == b.visible && (!a.visible || (a.x == b.x && a.y == b.y));
    };
    EXPECT_TRUE(same(v.selection, c.selection)) << c.what << ": selection at " << v.selection.x
                                                << "," << v.selection.y;
    EXPECT_TRUE(same(v.position, c.position)) << c.what << ": ship at " << v.position.x << ","
                                              << v.position.y;
    EXPECT_TRUE(same(v.mission, c.mission)) << c.what << ": mission at " << v.mission.x << ","
                                            << v.mission.y;
  }
}

TEST_F(TravelViewTest, StatusBarsRunFromEmptyToFullAndNeverOverflow) {
  struct Case {
    state::ShipClassId shipClass;
    int shields;
    const char* bar;
  };
  for (const Case& c : {Case{kSabre, 0, "Travelscreen_ShieldBar_0.jpg"},
                        Case{kSabre, 1, "Travelscreen_ShieldBar_1.jpg"},  // never the empty bar
                        Case{kSabre, 55, "Travelscreen_ShieldBar_12.jpg"},
                        Case{kSabre, 110, "Travelscreen_ShieldBar_25.jpg"},
                        Case{kSabre, 400, "Travelscreen_ShieldBar_25.jpg"},
                        Case{kSabre, -20, "Travelscreen_ShieldBar_0.jpg"},
                        Case{kNoShipClass, 50, "Travelscreen_ShieldBar_25.jpg"}}) {
    PlayerShip[ship::kClass] = state::Stored(c.shipClass);
    PlayerShip[ship::kShields] = c.shields;
    EXPECT_EQ(screens::ShieldBarPicture(), c.bar) << state::Stored(c.shipClass) << " " << c.shields;
  }

  const std::int32_t need = GetLevelExperience(1);
  struct ExpCase {
    int level;
    std::int32_t experience;
    const char* bar;
  };
  for (const ExpCase& c : {ExpCase{1, 0, "TravelScreen_ExpBar_0.jpg"},
                           ExpCase{1, need / 2, "TravelScreen_ExpBar_9.jpg"},
                           ExpCase{1, need, "TravelScreen_ExpBar_19.jpg"},
                           ExpCase{1, need * 2, "TravelScreen_ExpBar_0.jpg"},
                           ExpCase{1, -500, "TravelScreen_ExpBar_0.jpg"},
                           ExpCase{1, INT32_MAX, "TravelScreen_ExpBar_0.jpg"},
                           ExpCase{0, 100, "TravelScreen_ExpBar_0.jpg"},
                           ExpCase{20, 100, "TravelScreen_ExpBar_0.jpg"}}) {
    PlayerData[player::kLevel] = c.level;
    PlayerData[player::kExperience] = c.experience;
    EXPECT_EQ(screens::ExperienceBarPicture(), c.bar) << c.level << " " << c.experience;
  }
}

TEST_F(TravelViewTest, NewsLinesAndStarDate) {
  NewsList[1][news::kValid] = 1;
  NewsList[1][news::kDay] = 400;
  NewsHeadline[1] = "War - Coalition vs. Syndicate";
  NewsList[2][news::kValid] = 0;
  NewsHeadline[2] = "An old headline";
  EXPECT_EQ(screens::NewsLine(1), "2454.40 - War - Coalition vs. Syndicate");
  EXPECT_EQ(screens::NewsLine(2), " ");
  EXPECT_EQ(screens::NewsLine(21), " ");
  ClearGameState();
  const screens::TravelView empty = BuildTravelView(false);
  for (const std::string& line : empty.news) EXPECT_EQ(line, " ");

  for (auto [day, date] : {std::pair{1, "2450.1"}, {360, "2451.0"}, {725, "2452.5"}}) {
    GameDay = day;
    EXPECT_EQ(screens::StarDateLine(), std::string("Ship´s log - Star date: ") + date);
  }
}

TEST_F(TravelViewTest, TargetPanelDescribesEveryKindOfTarget) {
  struct Case {
    int selected;
    const char* name;
    const char* picture;
    const char* faction;
    const char* kind;
  };
  const Case cases[] = {
      {2, "Hope Prime", "jungle1r.jpg", "Faction: Outer Rim", "Class: Luxury"},
      {1, "Hope Sun", "Sunr.jpg", "Faction: Federation", "Class: Sun"},
      {0, "Hope Sun", "Sunr.jpg", "Faction: Federation", "Class: Sun"},  // empty: body 1
      {3, "Wormhole to Moor", "wormholer.jpg", "Faction: Federation", "Class: Wormhole"},
      {4, "Hideout", "PirateBaser.jpg", "Faction: Federation", "Class: Pirate hideout"},
      {-1, "Lifepod", "Lifepodr.jpg", "Faction: -", "Class: Unknown object"},
      {-3, "Secret data", "GeneralMissionPic.jpg", "Faction: -", "Class: Unknown object"},
  };
  for (const Case& c : cases) {
    SelectedBody = c.selected;
    const screens::TargetView t = BuildTargetView();
    EXPECT_EQ(t.name, c.name) << c.selected;
    EXPECT_EQ(t.picture, c.picture) << c.selected;
    EXPECT_EQ(t.faction, c.faction) << c.selected;
    EXPECT_EQ(t.kind, c.kind) << c.selected;
  }
  SelectedBody = -1;
  EXPECT_EQ(BuildTargetView().description,
            "On your sensors you notice a small lifepod flying lonely in space. It could be worth "
            "checking it out.");
  SpaceFinds[kSystem][1][space_find::kKind] = 9;
  EXPECT_EQ(BuildTargetView().name, "?");
  EXPECT_EQ(BuildTargetView().description, "This is an unknown object.");
  SelectedBody = 2;
  EXPECT_EQ(BuildTargetView().description, "A green world.");
}

TEST_F(TravelViewTest, ControlPanelCaptionsFollowTheTargetAndTheShip) {
  struct Case {
    int selected, at;
    std::array<const char*, 3> first;  // travel, target info, trade; "" keeps the caption
  };
  const Case cases[] = {
      {2, 2, {"Dock", "Info", "Trade"}},
      {2, 3, {"Fly to", "Info", "Prices"}},
      {3, 3, {"Jump", "Info", "Prices"}},
      {3, 2, {"Fly to", "Info", "Prices"}},
      {1, 1, {"", "", ""}},
      {1, 2, {"Fly to", "", "Prices"}},
      {-1, 2, {"Fly to", "", "Prices"}},
  };
  for (const Case& c : cases) {
    SelectedBody = c.selected;
    PlayerShip[ship::kBody] = c.at;
    const screens::TravelView v = BuildTravelView(false);
    for (int i = 0; i < 3; ++i) EXPECT_EQ(v.iconCaptions[i], c.first[i]) << c.selected << " " << c.at;
    EXPECT_EQ(v.iconCaptions[3], "Missions");
    EXPECT_EQ(v.iconCaptions[6], "Options");
  }
  EXPECT_FALSE(BuildTravelView(false).invasionAlert);
  SystemData[kSystem][star_system::kCampaign] = 1;
  EXPECT_TRUE(BuildTravelView(false).invasionAlert);
}

TEST_F(TravelViewTest, MapPricesShowOnlyWithTheTradeWindowAndOnlyUnderPlanets) {
  SelectedGood = state::Stored(kGoodRobotics);
  MarketPrice[kSystem][2][5] = 123;
  MarketPrice[kSystem][6][5] = 77;
  BodyPricesKnown[2] = 1;
  BodyData[kSystem][6][body::kVisible] = 1;
  BodyPricesKnown[6] = 0;
  const screens::TravelView shown = BuildTravelView(true);
  EXPECT_EQ(shown.bodies[1].price, "$ 123");
  EXPECT_TRUE(shown.bodies[1].priceVisible);
  EXPECT_EQ(shown.bodies[5].price, "$ ?") << "prices not known yet";
  for (int k : {0, 2, 3, 4}) EXPECT_FALSE(shown.bodies[k].priceVisible) << "no market at " << k + 1;
  for (const screens::BodyView& b : BuildTravelView(false).bodies) EXPECT_FALSE(b.priceVisible);
  SelectedGood = 0;
  for (const screens::BodyView& b : BuildTravelView(true).bodies) EXPECT_FALSE(b.priceVisible);
}

TEST_F(TravelViewTest, CompatibilityTextsShowOnlyInThatModeAndNeverDivideByZero) {
  CompatibilityMode = 0;
  EXPECT_FALSE(BuildTravelView(false).compatibilityLabels);
  CompatibilityMode = 1;
  PlayerName = "Jane";
  PlayerShip[ship::kShields] = 55;
  PlayerData[player::kExperience] = GetLevelExperience(1) / 4;
  screens::TravelView v = BuildTravelView(false);
  EXPECT_TRUE(v.compatibilityLabels);
  EXPECT_EQ(v.compatibilityCaptions[0],
            "Compatibility mode for the visually impaired (Click to turn off!)");
  EXPECT_EQ(v.compatibilityCaptions[8], "Your ship: " + GetShipClassName(kSabre) +
                                            " (Click for ship status screen)");
  EXPECT_EQ(v.compatibilityCaptions[9], "Your shields: 50%");
  EXPECT_EQ(v.compatibilityCaptions[10],
            "Your name is: " + GetRankTitleShort(kFactionFederation, kRankEnsign) + " Jane (Click for personal status)");
  EXPECT_EQ(v.compatibilityCaptions[11], "Experience 25% until level up.");
  PlayerShip[ship::kClass] = state::Stored(kNoShipClass);
  PlayerData[player::kLevel] = 0;
  v = BuildTravelView(false);
  EXPECT_EQ(v.compatibilityCaptions[9], "Your shields: 5500%");
  CompatibilityMode = 0;
}

TEST_F(TravelViewTest, MissionPanelShowsEachKindOfMission) {
  SystemText[kSystem][system_text::kName] = "Hope";
  struct Case {
    MissionType type;
    int subject, quantity;
    const char* title;
    std::string opposition;
    const char* location;
  };
  const Case cases[] = {
      {kMissionSearchAndDestroy, state::Stored(kSabre), 0, "Search & Destroy", "Resistance: " + GetShipClassName(kSabre),
       "Location: Hope Prime (Hope)"},
      {kMissionPatrol, 1, 0, "Patrol", "Expected resistance: Unknown", "Next nav point: Hope Prime (Hope)"},
      {kMissionTransport, 4, 300, "Transport", "Required goods: " + GoodName[4] + " (300 units)",
       "Location: Hope Prime (Hope)"},
      {kMissionSpecialForces, 1, 0, "Special Forces", "Expected resistance: Unknown", "Nav point: Hope Prime (Hope)"},
      {kMissionCombatPatrol, 1, 0, "Combat Patrol", "Expected resistance: Unknown",
       "Next nav point: Hope Prime (Hope)"},
      {kMissionCombatTransport, 2, 40, "Combat Transport", "Required goods: " + GoodName[2] + " (40 units)",
       "Location: Hope Prime (Hope)"},
      {kMissionAnalysis, 3, 0, "Analysis", "Expected resistance: Unknown", "Planets left: 3"},
      {kMissionBlitzkrieg, 0, 0, "Blitzkrieg", "Resistance: Hostile fleet", "Location: Hope Prime (Hope)"},
      {kMissionSuppression, 0, 0, "Suppression", "Resistance: Rebels", "Location: Hope Prime (Hope)"},
      {kMissionFlagship, 0, 0, "Flagship", "Wanted: Hostile flagship", "Location: Hope Prime (Hope)"},
  };
  for (const Case& c : cases) {
    ActiveMission = test_rows::MissionRow()
                        .Active()
                        .Type(c.type)
                        .Subject(c.subject)
                        .Quantity(c.quantity)
                        .Target(kSystem, 2)
                        .Reward(4000000);
    const auto v = BuildMissionPanelView();
    ASSERT_TRUE(v.has_value()) << state::Stored(c.type);
    EXPECT_EQ(v->title, c.title) << state::Stored(c.type);
    EXPECT_EQ(v->opposition, c.opposition) << state::Stored(c.type);
    EXPECT_EQ(v->location, c.location) << state::Stored(c.type);
    EXPECT_EQ(v->reward, "Reward: $4,000,000") << state::Stored(c.type);
    // The wording is drawn once and kept, so the panel reads as the board did.
    EXPECT_EQ(v->briefing, '"' + rules::GetMissionBriefing(c.type, 1, kSystem, 0) + '"');
    EXPECT_EQ(BuildMissionPanelView()->briefing, v->briefing) << state::Stored(c.type);
  }

  ActiveMission[mission::kType] = state::Stored(kMissionBounty);
  ActiveMission[mission::kEnemyClass] = state::Stored(kSabre);
  ActiveMission[mission::kNameVariant] = 3;
  EXPECT_EQ(BuildMissionPanelView()->opposition,
            "Wanted: " + rules::GetBountyTargetName(1, kSystem, 0) + " (" +
                GetShipClassName(kSabre) + ")");
  for (int type : {0, 28, -1}) {
    ActiveMission[mission::kType] = type;
    EXPECT_FALSE(BuildMissionPanelView().has_value()) << type;
  }
}

TEST(TravelAction, TheShipsOwnPlaceDocksOrJumpsAnyOtherIsFlownTo) {
  using screens::TravelAction;
  struct Case {
    int selected, at;
    TravelAction action;
  };
  for (const Case& c : {Case{2, 2, TravelAction::DockOrJump}, Case{3, 2, TravelAction::FlyToBody},
                        Case{-2, -2, TravelAction::DockOrJump}, Case{-2, 2, TravelAction::FlyToFind},
                        Case{2, -2, TravelAction::FlyToBody}, Case{0, 2, TravelAction::FlyToFind}})
    EXPECT_EQ(screens::ActionForSelection(c.selected, c.at), c.action) << c.selected << " " << c.at;
}

TEST_F(TravelViewTest, MissionPanelStandsClearOfAWesternTargetOnTheFirstTwoTypes) {
  struct Case {
    int type, targetX;
    int left;
  };
  for (const Case& c : {Case{1, 120, 496}, Case{2, 387, 496}, Case{1, 388, 28}, Case{3, 120, 28},
                        Case{2, 600, 28}}) {
    ActiveMission[mission::kType] = c.type;
    ActiveMission[mission::kTargetBody] = 2;
    BodyData[kSystem][2][body::kMapX] = c.targetX;
    const Placed p = screens::MissionPanelPlace();
    EXPECT_EQ(p.x, c.left) << c.type << " " << c.targetX;
    EXPECT_EQ(p.y, 33);
  }
}

}  // namespace
}  // namespace screens_test
