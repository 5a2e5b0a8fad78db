// Crew hiring: which kinds a place offers, a hire limited by the room aboard and the credits, a
// dismissal that pays nothing back, the crew counted aboard, and the kinds' prices and texts.
#include "rules/crew.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>

#include "state/crew.h"
#include "state/equipment_ids.h"
#include "state/fields.h"
#include "state/ship_classes.h"
#include "support/script_ui.h"
#include "support/rows.h"
#include "world_fixture.h"

namespace {

using namespace fixture;
using state::CrewKind;
using state::PlayerData;
using state::PlayerShip;

constexpr int kSystem = 4;
using state::kClassStarwolf;  // no room for any crew
using state::kClassShadowcat;  // crew 6..16

class Crew : public World {
 protected:
  void SetUp() override {
    World::SetUp();
    AddSystem(kSystem, 1);
    AddBody(kSystem, 1, kSun);
    AddBody(kSystem, 2, 3);
    AddBody(kSystem, 3, 0);  // bare rocks
    AddBody(kSystem, 4, kWormhole, 5);
    AddBody(kSystem, 9, kHideout);
    PlayerShip = test_rows::ShipRow().System(kSystem).Body(2).Class(kClassShadowcat);
    PlayerData[player::kCredits] = 100000;
  }
  support::ScriptUi ui;
};

TEST_F(Crew, EachPlaceOffersItsKinds) {
  const std::string normal = "You can only hire %s at normal planets. Only pirates are available "
                             "at pirate hideouts.";
  auto placeText = [&](const char* kind) {
    std::string t = normal;
    return t.replace(t.find("%s"), 2, kind);
  };
  const std::string pirates =
      "You can only hire pirates at pirate hideouts - not at common planets.";
  const std::string droids =
      "Battle droids are very dangerous weapons and are not available on the free market. You "
      "will have to seize some on enemy ships.";
  struct Case {
    std::string place;
    std::int32_t body;
    std::string crewmen, officers, marines, pirates;  // the refusal's text, empty when offered
  };
  const std::string crewmen = placeText("crewmen");
  const std::string officers = placeText("officers");
  const std::string marines = placeText("marines");
  const Case cases[] = {
      {"a planet", 2, "", "", "", pirates},
      {"the pirate hideout", 9, crewmen, officers, marines, ""},
      {"bare rocks of class 0", 3, crewmen, officers, marines, pirates},
      {"a wormhole", 4, crewmen, officers, marines, pirates},
      {"a space find", -2, crewmen, officers, marines, pirates},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.place);
    PlayerShip[ship::kBody] = c.body;
    const std::pair<CrewKind, std::string> kinds[] = {{CrewKind::Crewmen, c.crewmen},
                                                      {CrewKind::Officers, c.officers},
                                                      {CrewKind::Marines, c.marines},
                                                      {CrewKind::Pirates, c.pirates},
                                                      {CrewKind::Droids, droids}};
    for (const auto& [kind, text] : kinds) {
      const auto refusal = rules::CrewHirePlaceRefusal(kind);
      if (text.empty()) {
        EXPECT_FALSE(refusal.has_value()) << static_cast<int>(kind);
      } else {
        ASSERT_TRUE(refusal.has_value()) << static_cast<int>(kind);
        EXPECT_EQ(refusal->topic, "N/A");
        EXPECT_EQ(refusal->text, text);
      }
    }
  }
}

TEST_F(Crew, AHireNeedsRoomAboardAndThePrice) {
  const std::string noCrew = "This kind of ship cannot carry a crew. Buy a bigger one!";
  const std::string full = "Your ship cannot carry more crew members!";
  const std::string poor = "Unfortunately you do not have enough money.";
  struct Case {
    std::string name;
    state::ShipClassId shipClass;
    CargoModuleId module;
    CrewKind kind;
    std::int32_t aboard;  // crewmen already aboard
    std::int32_t droids;  // droids aboard count too
    std::int32_t credits;
    std::string refusal;  // empty: hired
  };
  const Case cases[] = {
      {"a crewman", kClassShadowcat, kModuleCargoBay, CrewKind::Crewmen, 0, 0, 1000, ""},
      {"an officer", kClassShadowcat, kModuleCargoBay, CrewKind::Officers, 10, 0, 5000, ""},
      {"a pirate", kClassShadowcat, kModuleCargoBay, CrewKind::Pirates, 10, 0, 2000, ""},
      {"a marine into the last place", kClassShadowcat, kModuleCargoBay, CrewKind::Marines, 15, 0, 5000, ""},
      {"no place left", kClassShadowcat, kModuleCargoBay, CrewKind::Crewmen, 16, 0, 100000, full},
      {"droids take places", kClassShadowcat, kModuleCargoBay, CrewKind::Crewmen, 10, 6, 100000, full},
      {"more aboard than room", kClassShadowcat, kModuleCargoBay, CrewKind::Crewmen, 20, 0, 100000, full},
      {"the boarding shuttle's fifth more", kClassShadowcat, kModuleBoardingShuttle, CrewKind::Crewmen, 18,
       0, 1000, ""},
      {"a ship without crew room", kClassStarwolf, kModuleCargoBay, CrewKind::Crewmen, 0, 0, 100000, noCrew},
      {"no crew room, even with crew aboard", kClassStarwolf, kModuleCargoBay, CrewKind::Officers, 3, 0, 0, noCrew},
      {"a credit short", kClassShadowcat, kModuleCargoBay, CrewKind::Officers, 0, 0, 4999, poor},
      {"in debt", kClassShadowcat, kModuleCargoBay, CrewKind::Crewmen, 0, 0, -50, poor},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ui.Clear();
    for (int k = 1; k <= state::kCrewKindCount; ++k)
      PlayerShip[state::CrewCountField(static_cast<CrewKind>(k))] = 0;
    PlayerShip[ship::kClass] = state::Stored(c.shipClass);
    PlayerShip[ship::kCargoModule] = state::Stored(c.module);
    PlayerShip[ship::kCrewmen] = c.aboard;
    PlayerShip[ship::kDroids] = c.droids;
    PlayerData[player::kCredits] = c.credits;
    const ship::Field field = state::CrewCountField(c.kind);
    const std::int32_t before = PlayerShip[field];

    const auto refusal = rules::HireCrewMember(c.kind, ui);

    if (c.refusal.empty()) {
      EXPECT_FALSE(refusal.has_value());
      EXPECT_EQ(PlayerShip[field], before + 1);
      EXPECT_EQ(PlayerData[player::kCredits], c.credits - state::CrewHirePrice(c.kind));
      EXPECT_EQ(ui.statusBarUpdates, 1);
    } else {
      ASSERT_TRUE(refusal.has_value());
      EXPECT_EQ(refusal->text, c.refusal);
      EXPECT_EQ(PlayerShip[field], before);
      EXPECT_EQ(PlayerData[player::kCredits], c.credits);
      EXPECT_EQ(ui.statusBarUpdates, 0);
    }
    EXPECT_TRUE(ui.popups.empty()) << "the screen shows the refusal, not the rule";
  }
}

TEST_F(Crew, DroidsAreNeverHiredWhateverTheRoomAndCredits) {
  const auto refusal = rules::HireCrewMember(CrewKind::Droids, ui);
  ASSERT_TRUE(refusal.has_value());
  EXPECT_EQ(refusal->topic, "N/A");
  EXPECT_EQ(PlayerShip[ship::kDroids], 0);
  EXPECT_EQ(PlayerData[player::kCredits], 100000);
}

TEST_F(Crew, DismissingPaysNothingBackAndStopsAtNobody) {
  PlayerShip[ship::kCrewmen] = 1;
  PlayerShip[ship::kDroids] = 2;
  EXPECT_FALSE(rules::DismissCrewMember(CrewKind::Crewmen).has_value());
  EXPECT_EQ(PlayerShip[ship::kCrewmen], 0);
  EXPECT_EQ(PlayerData[player::kCredits], 100000);
  const auto again = rules::DismissCrewMember(CrewKind::Crewmen);
  ASSERT_TRUE(again.has_value());
  EXPECT_EQ(again->topic, "No crew!");
  EXPECT_EQ(again->text, "There is nobody to dismiss!");
  EXPECT_EQ(PlayerShip[ship::kCrewmen], 0);
  // Seized droids can be let go, below the minimum crew too.
  EXPECT_FALSE(rules::DismissCrewMember(CrewKind::Droids).has_value());
  EXPECT_EQ(PlayerShip[ship::kDroids], 1);
}

TEST_F(Crew, KindsMapToTheirFieldsPricesAndCrewAboardSumsThem) {
  struct Case {
    CrewKind kind;
    ship::Field field;
    std::int32_t price;
    const char* topic;
  };
  const Case cases[] = {
      {CrewKind::Crewmen, ship::kCrewmen, 1000, "Crewmen"},
      {CrewKind::Officers, ship::kOfficers, 5000, "Officers"},
      {CrewKind::Pirates, ship::kPirates, 2000, "Pirates"},
      {CrewKind::Marines, ship::kMarines, 5000, "Space marines"},
      {CrewKind::Droids, ship::kDroids, 0, "Battle droids"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(state::CrewCountField(c.kind), c.field);
    EXPECT_EQ(state::CrewHirePrice(c.kind), c.price);
    EXPECT_EQ(state::GetCrewKindInfo(c.kind).topic, c.topic);
    EXPECT_FALSE(state::GetCrewKindInfo(c.kind).text.empty());
  }
  PlayerShip[ship::kCrewmen] = 1;
  PlayerShip[ship::kOfficers] = 2;
  PlayerShip[ship::kMarines] = 3;
  PlayerShip[ship::kPirates] = 4;
  PlayerShip[ship::kDroids] = 5;
  EXPECT_EQ(state::PlayerCrewOnBoard(), 15);
  PlayerShip[ship::kCrewmen] = std::numeric_limits<std::int32_t>::max();
  EXPECT_EQ(state::PlayerCrewOnBoard(), std::numeric_limits<std::int32_t>::max());
}

}  // namespace
