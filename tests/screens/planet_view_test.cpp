// What the planet screen shows of a body, and whether the governor receives the player: built from
// the game state without any form.
#include "screens/travel/planet_view.h"

#include <gtest/gtest.h>

#include "rules/new_game.h"
#include "rules/null_ui.h"
#include "state/fields.h"
#include "state/start_ship.h"
#include "state/variables.h"
#include "screens/new_world.h"

namespace screens_test {
namespace {

constexpr std::int32_t kSystem = 3;
constexpr std::int32_t kBody = 4;

class PlanetViewTest : public ::testing::Test {
 protected:
  void SetUp() override {
    StartNewWorld();
    state::BodyText[kSystem][kBody][body_text::kName] = "Tessaly";
    state::BodyText[kSystem][kBody][body_text::kDescription] = "A quiet farming world.";
  }
};

TEST_F(PlanetViewTest, ShowsNameOwnerEconomyClassAndPicture) {
  struct Case {
    std::int32_t owner, kind, picture, city;
    const char* faction;
    const char* economyClass;
    const char* file;
  };
  const Case cases[] = {
      {1, 1, 2, 0, "Faction: Federation Of Planets", "Class: Agricultural", "Earthr.jpg"},
      {2, 2, 4, 0, "Faction: Outer Rim Alliance", "Class: Mining", "Marsr.jpg"},
      {3, 3, 11, 0, "Faction: Trading Coalition", "Class: Luxury", "jungle1r.jpg"},
      {4, 4, 2, 9, "Faction: Syndicate Of Arms", "Class: Industrial", "city_earth.jpg"},
      {1, 5, 2, 10, "Faction: Federation Of Planets", "Class: Local capital", "city_sirius.jpg"},
      {2, 6, 2, 11, "Faction: Outer Rim Alliance", "Class: Capital", "city_hope.jpg"},
      {3, 6, 2, 12, "Faction: Trading Coalition", "Class: Capital", "city7.jpg"},
      // A city number without a city picture, and a planet picture number out of the catalogue.
      {4, 1, 2, 5, "Faction: Syndicate Of Arms", "Class: Agricultural", "Sun.jpg"},
      {1, 1, 999, -1, "Faction: Federation Of Planets", "Class: Agricultural", "Sunr.jpg"},
      // A body without an economy shows no class, never the class of the last planet shown.
      {0, 0, 2, 0, "Faction: Pirates", "", "Earthr.jpg"},
      {1, 7, 2, 0, "Faction: Federation Of Planets", "", "Earthr.jpg"},
      // An owner outside the factions names none.
      {9, 1, 2, 0, "Faction: ", "Class: Agricultural", "Earthr.jpg"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.file);
    state::TBodyRow& row = state::BodyData[kSystem][kBody];
    row[body::kOwner] = c.owner;
    row[body::kKind] = c.kind;
    row[body::kPicture] = c.picture;
    row[body::kCityPicture] = c.city;
    const screens::PlanetView view = screens::BuildPlanetView(kSystem, kBody);
    EXPECT_TRUE(view.isBody);
    EXPECT_EQ(view.name, "Tessaly");
    EXPECT_EQ(view.description, "A quiet farming world.");
    EXPECT_EQ(view.faction, c.faction);
    EXPECT_EQ(view.economyClass, c.economyClass);
    EXPECT_EQ(view.picture, c.file);
  }
}

TEST_F(PlanetViewTest, ASpaceFindOrAPlaceOutsideTheMapIsNoPlanet) {
  const std::pair<std::int32_t, std::int32_t> places[] = {
      {kSystem, 0}, {kSystem, -1}, {kSystem, -4}, {kSystem, 16}, {0, kBody}, {25, kBody}, {-3, 2}};
  for (auto [system, body] : places) {
    const screens::PlanetView view = screens::BuildPlanetView(system, body);
    EXPECT_FALSE(view.isBody) << system << "/" << body;
    EXPECT_EQ(view.name, "");
    EXPECT_EQ(view.picture, "");
  }
}

TEST_F(PlanetViewTest, TheGovernorReceivesOnlyOnAPlanetOfThePlayersFactionWhereTheShipIs) {
  struct Case {
    std::int32_t shipBody;
    std::int32_t owner;  // of the ship's body
    bool receives;
  };
  const Case cases[] = {
      {kBody, 2, true},
      {kBody, 1, false},
      {kBody, 0, false},
      {-2, 2, false},  // at a space find
      {0, 2, false},
  };
  state::PlayerData[player::kFaction] = 2;
  state::PlayerShip[ship::kSystem] = kSystem;
  for (const Case& c : cases) {
    state::PlayerShip[ship::kBody] = c.shipBody;
    state::BodyData[kSystem][kBody][body::kOwner] = c.owner;
    EXPECT_EQ(screens::GovernorReceivesPlayer(), c.receives) << c.shipBody << " owner " << c.owner;
  }
}

}  // namespace
}  // namespace screens_test
