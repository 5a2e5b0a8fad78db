// What the ship sensors show, built from the game state without any form: friend and foe on the
// radar, the scan of a ship by kind and sub-kind, a mission target's name, and the answer to a hail
// with the wars of the player's faction.
#include "screens/travel/sensors_view.h"

#include <gtest/gtest.h>

#include "rules/new_game.h"
#include "rules/null_ui.h"
#include "state/fields.h"
#include "state/progression.h"
#include "state/ship_classes.h"
#include "state/start_ship.h"
#include "state/variables.h"
#include "support/rows.h"
#include "screens/new_world.h"

namespace screens_test {
namespace {

using screens::BuildSensorBlips;
using screens::BuildSensorHail;
using screens::DescribeSensorShip;

class SensorsViewTest : public ::testing::Test {
 protected:
  void SetUp() override {
    StartNewWorld();
    for (int f = 1; f <= 4; ++f)
      for (int g = 1; g <= 4; ++g) state::FactionData[f][faction::kAtWarWith + g] = 0;
    for (int k = 1; k <= state::kLastSpecialShip; ++k) state::SpecialShips[k].fill(0);
    state::ActiveMission.fill(0);
  }
  static void Place(int slot, std::int32_t kind, std::int32_t subKind, Faction faction,
                    std::int32_t shipClass) {
    state::SpecialShips[slot] = test_rows::SpecialShipRow()
                                    .Active()
                                    .Kind(ShipKind{kind})
                                    .SubKind(SpecialShipSubKind{subKind})
                                    .Faction(faction)
                                    .Class(state::ShipClassId{shipClass});
  }
};

TEST_F(SensorsViewTest, BlipsTellFriendFromFoeAndMarkTheSelection) {
  state::FactionData[1][faction::kAtWarWith + 3] = 1;
  state::FactionData[1][faction::kAtWarWith + 1] = 1;  // a war flag with itself counts for nothing
  Place(1, 3, 1, kFactionPirates, 2);  // a pirate
  Place(2, 2, 1, kFactionCoalition, 2);  // at war
  Place(4, 2, 1, kFactionOuterRim, 2);  // at peace
  Place(5, 1, 1, kFactionFederation, 5);  // own faction
  Place(7, 2, 1, kFactionCoalition, 2);  // at war, selected
  const auto blips = BuildSensorBlips(7);
  struct Case {
    int slot;
    bool shown;
    platform::Color colour;
    const char* label;
  };
  const Case cases[] = {
      {1, true, screens::kEnemyBlip, "Enemy blip"},
      {2, true, screens::kEnemyBlip, "Enemy blip"},
      {3, false, screens::kFriendlyBlip, ""},
      {4, true, screens::kFriendlyBlip, "Friendly blip"},
      {5, true, screens::kFriendlyBlip, "Friendly blip"},
      {7, true, screens::kSelectedBlip, "Selected blip"},
      {10, false, screens::kFriendlyBlip, ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.slot);
    EXPECT_EQ(blips[c.slot - 1].shown, c.shown);
    EXPECT_EQ(blips[c.slot - 1].label, c.label);
    if (c.shown) {
      EXPECT_EQ(blips[c.slot - 1].colour, c.colour);
    }
  }
}

TEST_F(SensorsViewTest, TheScanNamesTheShipAndWhatItIsWorth) {
  struct Case {
    std::int32_t kind, subKind, faction, shipClass;
    const char* line;
    const char* speciality;
  };
  // Experience: Stargun (2) 3,000; Shadowcat (6) 16,000; Ferendar (11) 40,000; Galaxy (14)
  // 90,000; Patton (9) 60,000; Marauder (16) 200,000.
  const Case cases[] = {
      {3, 1, 0, 2, "Pirates Stargun (Fighter)",
       "There is a bounty of $ 3,000 for the destruction of this vessel"},
      {3, 2, 0, 6, "Pirates Shadowcat (Corvette)",
       "Take him out for a ransom of at least $ 32,000. Dead or alive."},
      {1, 1, 2, 11, "Outer Rim Ferendar (Transporter)", "-"},
      {1, 2, 3, 14, "Coalition Galaxy (Large freighter)",
       "Capture the VIP alive for a ransom of at least $ 270,000."},
      {2, 1, 4, 9, "Syndicate Patton (Destroyer)", "-"},
      {2, 2, 1, 13, "Federation Neptun (Cruiser)",
       "Capture the VIP alive for a ransom of at least $ 360,000."},
      {2, 3, 3, 16, "Coalition Marauder (Battleship)",
       "The destruction of this ship could influence the war."},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.line);
    Place(4, c.kind, c.subKind, Faction{c.faction}, c.shipClass);
    const screens::SensorShipView v = DescribeSensorShip(4);
    EXPECT_EQ(v.line, c.line);
    EXPECT_EQ(v.speciality, c.speciality);
    EXPECT_FALSE(v.description.empty());
    EXPECT_EQ(v.picture, state::GetShipFactionImage(state::ShipClassId{c.shipClass}, Faction{c.faction}) +
                             "_scene.jpg");
    EXPECT_EQ(DescribeSensorShip(4).description, v.description) << "the sentences are kept";
  }
}

TEST_F(SensorsViewTest, AMissionTargetGoesByItsName) {
  struct Case {
    std::int32_t missionType, kind;
  };
  state::ActiveMission[mission::kActive] = 1;
  state::ActiveMission[mission::kTargetSystem] = state::PlayerShip[ship::kSystem];
  for (const Case& c : {Case{5, 3}, Case{18, 2}}) {
    SCOPED_TRACE(c.missionType);
    state::ActiveMission[mission::kType] = c.missionType;
    Place(2, c.kind, 2, c.kind == 3 ? kFactionPirates : kFactionCoalition, 6);
    state::SpecialShips[2][special_ship::kMissionTarget] = 1;
    const screens::SensorShipView v = DescribeSensorShip(2);
    EXPECT_EQ(v.speciality, "This is your mission target! Go get him!");
    // "\"Name\" (Shadowcat)": the target's quoted name, then the class.
    ASSERT_GE(v.line.size(), 2u);
    EXPECT_EQ(v.line.front(), '"');
    EXPECT_NE(v.line.find("\" (Shadowcat)"), std::string::npos) << v.line;
    const std::string name = v.line.substr(0, v.line.find(" (Shadowcat)"));
    EXPECT_NE(v.description.find(name), std::string::npos) << "the scan names him too";
  }
}

TEST_F(SensorsViewTest, AHailIsAnsweredByOwnShipsOnly) {
  state::PlayerName = "Jane Doe";
  state::PlayerData[player::kRank] = 3;
  const std::string greeting = '"' + state::GetRankTitle(kFactionFederation, kRankFirstLieutenant) +
                               " Jane Doe! How can we assist you, Sir?";
  struct Case {
    const char* what;
    std::int32_t kind, faction;
    std::vector<int> wars;  // factions at war with the player's
    const char* picture;
    std::string text;
  };
  const std::string trader =
      "\"Nooo! Do not hurt me! Pleaseee! ... Oh, my mistake, you are no pirate - are you?\"";
  const Case cases[] = {
      {"own trader", 1, 1, {}, "Trader.jpg", trader},
      {"foreign trader", 1, 3, {3}, "Trader.jpg", trader},
      {"own warship at peace", 2, 1, {}, "Fedpilot1.jpg",
       greeting + " Right now we are at peace with all other factions, but I am sure this "
                  "won\u00b4t be for long.\""},
      {"one war", 2, 1, {3}, "Fedpilot1.jpg",
       greeting + " Please be careful. We are at war with the Coalition\""},
      {"two wars", 2, 1, {4, 2}, "Fedpilot1.jpg",
       greeting + " Please be careful. We are at war with the Outer Rim and the Syndicate\""},
      {"three wars", 2, 1, {2, 3, 4}, "Fedpilot1.jpg",
       greeting +
           " Please be careful. We are at war with the Outer Rim, Coalition and the Syndicate\""},
      {"foreign warship", 2, 2, {}, "Fedpilot2.jpg", "You do not get a response."},
      {"pirate", 3, 0, {}, "PiratePilot.jpg", "You do not get a response."},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    for (int g = 1; g <= 4; ++g) state::FactionData[1][faction::kAtWarWith + g] = 0;
    for (int g : c.wars) state::FactionData[1][faction::kAtWarWith + g] = 1;
    Place(6, c.kind, 1, Faction{c.faction}, 2);
    const screens::SensorHailView hail = BuildSensorHail(6);
    EXPECT_EQ(hail.picture, c.picture);
    EXPECT_EQ(hail.text, c.text);
  }
}

}  // namespace
}  // namespace screens_test
