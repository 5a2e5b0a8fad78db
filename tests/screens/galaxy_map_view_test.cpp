// What the galaxy map shows, built from the game state without any form: blips by owner and
// battle, the colours of hostile and displayed systems, the prices of the chosen good, the
// description of the displayed system and the free cargo space.
#include "screens/travel/galaxy_map_view.h"

#include <gtest/gtest.h>

#include "rules/new_game.h"
#include "rules/null_ui.h"
#include "state/fields.h"
#include "state/goods.h"
#include "state/start_ship.h"
#include "state/variables.h"
#include "screens/new_world.h"

namespace screens_test {
namespace {

using screens::BuildGalaxyMapView;
using screens::GalaxyMapView;
using screens::kGalaxyDisplayed;
using screens::kGalaxyHostile;
using screens::kGalaxyPlain;
using screens::kGalaxySelectedGood;

class GalaxyMapViewTest : public ::testing::Test {
 protected:
  void SetUp() override {
    StartNewWorld();
    for (int f = 1; f <= 4; ++f)
      for (int g = 1; g <= 4; ++g) state::FactionData[f][faction::kAtWarWith + g] = 0;
    for (int s = 1; s <= 24; ++s) state::SystemData[s][star_system::kCampaign] = 0;
  }
};

TEST_F(GalaxyMapViewTest, BlipsShowTheOwnerOrABattle) {
  struct Case {
    std::int32_t owner, campaign;
    const char* blip;
  };
  const Case cases[] = {
      {1, 0, "GalaxyMapBlip_Fed.jpg"},  {2, 0, "GalaxyMapBlip_OuterR.jpg"},
      {3, 0, "GalaxyMapBlip_Coal.jpg"}, {4, 0, "GalaxyMapBlip_Synd.jpg"},
      {2, 1, "Battleicon.jpg"},
      // An owner that is none of the factions shows a blip of its own, not the last one chosen.
      {0, 0, "GalaxyMapBlip_Neutral.jpg"}, {7, 0, "GalaxyMapBlip_Neutral.jpg"},
      {0, 1, "Battleicon.jpg"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.blip);
    state::SystemData[5][star_system::kOwner] = c.owner;
    state::SystemData[5][star_system::kCampaign] = c.campaign;
    EXPECT_EQ(BuildGalaxyMapView(false, false).systems[4].blip, c.blip);
  }
  state::SystemData[5][star_system::kPresent] = 0;
  EXPECT_EQ(BuildGalaxyMapView(false, false).systems[4].blip, "") << "a system not there";
}

TEST_F(GalaxyMapViewTest, HostileSystemsAreRedAndThePickedSystemIsBlue) {
  // Player of the Federation; system 6 owned by the Coalition.
  state::SystemData[6][star_system::kOwner] = 3;
  struct Case {
    const char* what;
    bool war, coalitionAlive, playerAlive;
    std::int32_t displayed;
    bool picked;
    platform::Color name, price;
  };
  const Case cases[] = {
      {"at peace", false, true, true, 2, false, kGalaxyPlain, kGalaxyPlain},
      {"at war", true, true, true, 2, false, kGalaxyHostile, kGalaxyHostile},
      {"at war with a dead faction", true, false, true, 2, false, kGalaxyPlain, kGalaxyPlain},
      {"at war while the own faction is gone", true, true, false, 2, false, kGalaxyPlain,
       kGalaxyPlain},
      {"displayed, at peace: only the name marked", false, true, true, 6, false, kGalaxyDisplayed,
       kGalaxyPlain},
      {"displayed and hostile after a redraw", true, true, true, 6, false, kGalaxyHostile,
       kGalaxyHostile},
      {"picked and hostile", true, true, true, 6, true, kGalaxyDisplayed, kGalaxyDisplayed},
      {"picked at peace", false, true, true, 6, true, kGalaxyDisplayed, kGalaxyDisplayed},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    state::FactionData[3][faction::kAtWarWith + 1] = c.war ? 1 : 0;
    state::FactionData[3][faction::kAlive] = c.coalitionAlive ? 1 : 0;
    state::FactionData[1][faction::kAlive] = c.playerAlive ? 1 : 0;
    state::DisplayedSystem = c.displayed;
    const GalaxyMapView v = BuildGalaxyMapView(c.picked, false);
    EXPECT_EQ(v.systems[5].nameColour, c.name);
    EXPECT_EQ(v.systems[5].priceColour, c.price);
  }
}

TEST_F(GalaxyMapViewTest, PricesOfTheChosenGoodShowOnTheMapOnlyWithThePanelOpen) {
  for (int s = 1; s <= 24; ++s) state::SystemVisited[s] = 0;
  state::SystemVisited[4] = 1;
  state::SystemPrice[4][3] = 1234;
  state::SystemVisited[9] = 1;
  state::SystemPrice[9][3] = 45;
  state::DisplayedSystem = 4;

  state::SelectedGood = 0;
  GalaxyMapView v = BuildGalaxyMapView(true, true);
  for (const auto& system : v.systems) EXPECT_FALSE(system.priceShown) << "no good chosen";

  state::SelectedGood = state::Stored(kGoodWeapons);
  v = BuildGalaxyMapView(true, false);
  for (const auto& system : v.systems) EXPECT_FALSE(system.priceShown) << "the panel is closed";

  v = BuildGalaxyMapView(true, true);
  for (const auto& system : v.systems) EXPECT_TRUE(system.priceShown);
  EXPECT_EQ(v.systems[3].price, "$ 1234") << "plain digits, no separators";
  EXPECT_EQ(v.systems[8].price, "$ 45");
  EXPECT_EQ(v.systems[0].price, "$ ?") << "never visited";

  // The panel lists the displayed system's prices, the chosen good's row in yellow.
  EXPECT_EQ(v.goods[2].name, state::GoodName[3]);
  EXPECT_EQ(v.goods[2].price, "$ 1234");
  EXPECT_EQ(v.goods[2].colour, kGalaxySelectedGood);
  EXPECT_EQ(v.goods[3].colour, kGalaxyPlain);
  state::DisplayedSystem = 1;
  v = BuildGalaxyMapView(true, true);
  for (const auto& row : v.goods) EXPECT_EQ(row.price, "$ ?") << "the displayed system is unvisited";
}

TEST_F(GalaxyMapViewTest, FreeCargoAndTheOwnCargoColumn) {
  struct Case {
    std::int32_t capacity, good5, good17;
    const char* free;
  };
  const Case cases[] = {
      {50, 20, 0, "30/50"}, {50, 40, 15, "-5/50"}, {400, 0, 0, "400/400"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.free);
    for (int g = 0; g <= 101; ++g) state::Cargo[g] = 0;
    state::PlayerShip[ship::kCargoSpace] = c.capacity;
    state::Cargo[5] = c.good5;
    state::Cargo[17] = c.good17;
    const GalaxyMapView v = BuildGalaxyMapView(false, false);
    EXPECT_EQ(v.freeCargo, c.free);
    EXPECT_EQ(v.goods[4].stock, std::to_string(c.good5));
    EXPECT_EQ(v.goods[16].stock, std::to_string(c.good17));
  }
}

TEST_F(GalaxyMapViewTest, DescribesTheDisplayedSystem) {
  state::SystemText[8][system_text::kName] = "Finis";
  state::SystemText[8][system_text::kDescription] = "A frontier world.";
  state::DisplayedSystem = 8;
  struct Case {
    std::int32_t owner, systemClass;
    const char* faction;
    const char* caption;
    const char* logo;
  };
  const Case cases[] = {
      {1, 1, "Faction: Federation", "Class: Agricultural", "FederationLogo.jpg"},
      {2, 2, "Faction: Outer Rim", "Class: Mining", "OuterRimLogo.jpg"},
      {3, 3, "Faction: Coalition", "Class: Luxury", "CoalitionLogo.jpg"},
      {4, 4, "Faction: Syndicate", "Class: Industrial", "SyndicateLogo.jpg"},
      {1, 5, "Faction: Federation", "Class: Local capital", "FederationLogo.jpg"},
      {1, 6, "Faction: Federation", "Class: Capital", "FederationLogo.jpg"},
      // A class without a caption leaves the one shown; the screen keeps it.
      {1, 9, "Faction: Federation", "", "FederationLogo.jpg"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.caption);
    state::SystemData[8][star_system::kOwner] = c.owner;
    state::SystemData[8][star_system::kClass] = c.systemClass;
    const GalaxyMapView v = BuildGalaxyMapView(true, false);
    EXPECT_EQ(v.systemName, "Finis");
    EXPECT_EQ(v.description, "A frontier world.");
    EXPECT_EQ(v.faction, c.faction);
    EXPECT_EQ(v.systemClass, c.caption);
    EXPECT_EQ(v.logo, c.logo);
  }
  state::DisplayedSystem = 0;
  EXPECT_EQ(BuildGalaxyMapView(true, false).systemName, "") << "no system displayed";
}

}  // namespace
}  // namespace screens_test
