#include "state/new_world.h"

#include "state/equipment.h"
#include "state/fields.h"
#include "state/goods.h"
#include "state/ship_classes.h"
#include "state/start_ship.h"
#include "state/variables.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <map>
#include <set>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

using namespace state;

namespace {

// A fresh world for a profession and a faction, with the ship the profession screen offers.
void NewWorld(int profession, int faction) {
  ClearGameState();
  PlayerData[player::kProfession] = profession;
  PlayerData[player::kFaction] = faction;
  CreateNewGameWorld(StartShipClass(Profession{profession}, Faction{faction}), {});
}

class NewWorldTest : public ::testing::Test {
 protected:
  void SetUp() override { NewWorld(1, 1); }
  void TearDown() override { ClearGameState(); }
};

std::string BodyName(int system, int slot) { return BodyText[system][slot][body_text::kName]; }

// Fields 0..100 of a row are 0 (field 101 is a spare that nothing clears).
template <class AnyRow>
::testing::AssertionResult Cleared(const AnyRow& anyRow) {
  const TDataRow& row = Positions(anyRow);
  for (int f = 0; f <= 100; ++f)
    if (row[f] != 0) return ::testing::AssertionFailure() << "field " << f << " is " << row[f];
  return ::testing::AssertionSuccess();
}

// Characters a stored text may hold: ASCII and the three the game's texts use beyond it. A text
// must also fit the 255 characters of a saved string.
void ExpectStorableText(const std::string& text, const std::string& where) {
  EXPECT_FALSE(text.empty()) << where;
  int characters = 0;
  for (std::size_t i = 0; i < text.size();) {
    const auto c = static_cast<unsigned char>(text[i]);
    if (c < 0x80) {
      EXPECT_GE(c, 0x20) << where;
      ++i;
    } else {
      const std::string_view rest(text.data() + i, text.size() - i);
      const bool known = rest.starts_with("´") || rest.starts_with("’") || rest.starts_with("–");
      ASSERT_TRUE(known) << where << ": unexpected character at " << i;
      i += rest.starts_with("´") ? 2 : 3;
    }
    ++characters;
  }
  EXPECT_LE(characters, 255) << where;
}

TEST_F(NewWorldTest, TheTwentyFourSystems) {
  struct Case {
    const char* name;
    std::int32_t owner, systemClass;
  };
  const Case cases[kLastSystem + 1] = {
      {"", 0, 0},
      {"Sol", 1, 6},         {"Carse", 1, 3},       {"Hope", 1, 1},          {"Sirius", 1, 4},
      {"N. Manchester", 3, 4}, {"New Germany", 3, 4}, {"Moor", 4, 2},        {"Finis", 1, 6},
      {"Warfield", 1, 1},    {"New Ireland", 1, 1}, {"Baiton", 1, 1},        {"Hyraxan", 2, 6},
      {"New Moscow", 4, 6},  {"New Scotland", 2, 1}, {"Lands End", 2, 2},    {"New France", 3, 6},
      {"New Italy", 4, 2},   {"New England", 3, 1}, {"New Cuba", 4, 1},      {"Tortuga", 4, 1},
      {"Barbados", 4, 1},    {"Westwind", 2, 1},    {"Kimberley", 2, 1},     {"Glenshire", 2, 1},
  };
  for (int s = 1; s <= kLastSystem; ++s) {
    EXPECT_EQ(SystemText[s][system_text::kName], cases[s].name);
    EXPECT_EQ(SystemData[s][star_system::kPresent], 1) << cases[s].name;
    EXPECT_EQ(SystemData[s][star_system::kOwner], cases[s].owner) << cases[s].name;
    EXPECT_EQ(SystemData[s][star_system::kClass], cases[s].systemClass) << cases[s].name;
    ExpectStorableText(SystemText[s][system_text::kDescription], cases[s].name);
  }
  EXPECT_EQ(SystemText[1][system_text::kDescription],
            "Home of mankind and capital of the Federation. Most dream of visiting this planet at "
            "least one time in their life. This is the last stand of the Federation.");
  EXPECT_EQ(SystemText[13][system_text::kDescription],
            "New Moscow is the capital of \"The Syndicate\" and a known high-tech center.");
  // Glenshire shares Westwind's text word for word.
  EXPECT_EQ(SystemText[24][system_text::kDescription], SystemText[22][system_text::kDescription]);
  EXPECT_TRUE(Cleared(SystemData[0]));
  EXPECT_EQ(SystemText[0][system_text::kName], "");
}

TEST_F(NewWorldTest, EveryBodyFollowsTheRulesOfItsKind) {
  int hideouts = 0;
  for (int s = 1; s <= kLastSystem; ++s) {
    const std::int32_t owner = SystemData[s][star_system::kOwner];
    int sunsHere = 0, hideoutsHere = 0, bodiesHere = 0;
    EXPECT_EQ(BodyData[s][1][body::kKind], kKindSun) << "body 1 of system " << s << " is its sun";
    for (int b = 1; b <= kLastBody; ++b) {
      const TBodyRow& body = BodyData[s][b];
      const std::string where = SystemText[s][system_text::kName] + " body " + std::to_string(b);
      if (BodyText[s][b][body_text::kName].empty()) {
        EXPECT_TRUE(Cleared(body)) << where << " is an empty slot";
        EXPECT_EQ(BodyText[s][b][body_text::kDescription], "") << where;
        continue;
      }
      ++bodiesHere;
      ExpectStorableText(BodyText[s][b][body_text::kName], where);
      ExpectStorableText(BodyText[s][b][body_text::kDescription], where);
      EXPECT_GE(body[body::kMapX], 1) << where;
      EXPECT_LE(body[body::kMapX], 800) << where;
      EXPECT_GE(body[body::kMapY], 1) << where;
      EXPECT_LE(body[body::kMapY], 600) << where;
      switch (body[body::kKind]) {
        case kKindSun:
          ++sunsHere;
          EXPECT_EQ(body[body::kPicture], 1) << where;
          EXPECT_EQ(body[body::kOwner], owner) << where;
          EXPECT_EQ(body[body::kVisible], 1) << where;
          EXPECT_EQ(BodyText[s][b][body_text::kName], "Sun") << where;
          EXPECT_EQ(BodyText[s][b][body_text::kDescription],
                    s <= 8 ? "A common sun - spending warmth and life in this "
                             "solar system."
                           : "The sun of this system.")
              << where;
          break;
        case kKindWormhole:
          EXPECT_EQ(body[body::kPicture], 7) << where;
          EXPECT_EQ(body[body::kOwner], owner) << where;
          EXPECT_EQ(body[body::kVisible], 1) << where;
          EXPECT_GE(body[body::kDestination], 1) << where;
          EXPECT_LE(body[body::kDestination], kLastSystem) << where;
          EXPECT_NE(body[body::kDestination], s) << where;
          EXPECT_GE(body[body::kJumpLength], 1) << where;
          EXPECT_EQ(BodyText[s][b][body_text::kDescription],
                    "Wormholes (\"Jumppoints\") allow star travelling between different star "
                    "systems.")
              << where;
          break;
        case kKindPirateHideout:
          ++hideoutsHere;
          ++hideouts;
          EXPECT_EQ(body[body::kPicture], 25) << where;
          EXPECT_EQ(body[body::kOwner], 1) << where << ": hideouts are listed under faction 1";
          EXPECT_EQ(body[body::kVisible], 0) << where << ": hidden without the Syndicate skill";
          EXPECT_EQ(body[body::kHideoutRevealed], 0) << where;
          EXPECT_EQ(BodyText[s][b][body_text::kName], "Pirate hideout") << where;
          EXPECT_EQ(BodyText[s][b][body_text::kDescription],
                    "When visiting this hidden hideout your criminal flag will wear off "
                    "automatically.")
              << where;
          break;
        default:
          EXPECT_GE(body[body::kKind], 0) << where;
          EXPECT_LE(body[body::kKind], 6) << where;
          EXPECT_GE(body[body::kPicture], 2) << where;
          EXPECT_LE(body[body::kPicture], 48) << where;
          EXPECT_EQ(body[body::kOwner], owner) << where;
          EXPECT_EQ(body[body::kVisible], 1) << where;
          EXPECT_TRUE(body[body::kAsteroidField] == 0 || body[body::kAsteroidField] == 1) << where;
          EXPECT_EQ(body[body::kJumpLength], 0) << where;
          if (body[body::kAsteroidField] == 1) {
            EXPECT_EQ(body[body::kPicture], 24) << where << ": asteroid picture";
          }
          break;
      }
      if (body[body::kKind] != kKindWormhole) {
        EXPECT_EQ(body[body::kJumpLength], 0) << where;
      }
      EXPECT_TRUE(body[body::kCityPicture] == 0 ||
                  (body[body::kCityPicture] >= 10 && body[body::kCityPicture] <= 12))
          << where;
    }
    EXPECT_EQ(sunsHere, 1) << SystemText[s][system_text::kName];
    EXPECT_EQ(hideoutsHere, 1) << SystemText[s][system_text::kName];
    EXPECT_GE(bodiesHere, 7) << SystemText[s][system_text::kName];
    EXPECT_TRUE(Cleared(BodyData[s][0])) << SystemText[s][system_text::kName];
  }
  EXPECT_EQ(hideouts, kLastSystem);
}

TEST_F(NewWorldTest, EmptySlotsAndNamedBodies) {
  // Moor has no body 5 and Warfield no body 7; the slots after each system's last body are empty.
  const std::pair<int, int> gaps[] = {{7, 5}, {9, 7}};
  for (auto [s, b] : gaps) EXPECT_EQ(BodyText[s][b][body_text::kName], "") << s << "/" << b;
  const int lastSlot[kLastSystem + 1] = {0, 8, 9, 7, 7, 7, 10, 9, 10, 9, 10, 9, 10,
                                         9, 7, 9, 7, 12, 7, 10, 12, 9, 8, 9, 9};
  for (int s = 1; s <= kLastSystem; ++s) {
    EXPECT_NE(BodyText[s][lastSlot[s]][body_text::kName], "") << s;
    for (int b = lastSlot[s] + 1; b <= kLastBody; ++b) EXPECT_TRUE(Cleared(BodyData[s][b])) << s;
  }
  struct Case {
    int system, slot;
    const char* name;
    std::int32_t kind, picture, city, asteroid;
  };
  const Case cases[] = {
      {1, 2, "Earth", 6, 2, 0, 0},
      {3, 2, "Hope Prime", 1, 11, 11, 0},
      {3, 4, "Asteroids A", 2, 24, 0, 1},
      {4, 2, "Sirius Prime", 5, 13, 10, 0},
      {8, 3, "New Cario", 0, 12, 0, 0},
      {10, 2, "Hyperion", 5, 25, 12, 0},
      {10, 5, "Asteriods C", 2, 24, 0, 0},  // drawn as rocks, but carries no asteroid flag
      {12, 5, "Seressa II", 4, 22, 0, 0},
      {13, 2, "Moscow Prime", 6, 9, 0, 0},
      {16, 4, "Lille", 4, 33, 0, 0},
      {20, 7, "Asteroids E", 2, 24, 0, 1},
      {23, 3, "Kimberley II (\"Sin\")", 3, 47, 0, 0},
      {24, 5, "Andrea County", 1, 46, 0, 0},
  };
  for (const Case& c : cases) {
    const TBodyRow& body = BodyData[c.system][c.slot];
    EXPECT_EQ(BodyName(c.system, c.slot), c.name);
    EXPECT_EQ(body[body::kKind], c.kind) << c.name;
    EXPECT_EQ(body[body::kPicture], c.picture) << c.name;
    EXPECT_EQ(body[body::kCityPicture], c.city) << c.name;
    EXPECT_EQ(body[body::kAsteroidField], c.asteroid) << c.name;
  }
  EXPECT_EQ(BodyData[1][2][body::kMapX], 441);
  EXPECT_EQ(BodyData[1][2][body::kMapY], 362);
  EXPECT_EQ(BodyData[24][9][body::kMapX], 362);
  EXPECT_EQ(BodyData[24][9][body::kMapY], 168);
}

TEST_F(NewWorldTest, DescriptionsOfPlanetsAndAsteroidFields) {
  // The mining fields of Hope and Moor, and the plain rocks elsewhere.
  const std::pair<int, int> mining[] = {{3, 4}, {7, 3}, {7, 4}};
  for (auto [s, b] : mining)
    EXPECT_EQ(BodyText[s][b][body_text::kDescription],
              "Just a mining facility at a group of asteroids.")
        << s << "/" << b;
  const std::pair<int, int> rocks[] = {{15, 3}, {17, 6}, {19, 3}, {20, 7}, {22, 5}, {10, 5}};
  for (auto [s, b] : rocks)
    EXPECT_EQ(BodyText[s][b][body_text::kDescription], "Just some plain rocks...") << s << "/" << b;

  // Every other planet has a paragraph of its own.
  std::map<std::string, std::string> seen;
  for (int s = 1; s <= kLastSystem; ++s)
    for (int b = 1; b <= kLastBody; ++b) {
      if (BodyData[s][b][body::kKind] < 0 || BodyText[s][b][body_text::kName].empty()) continue;
      const std::string& text = BodyText[s][b][body_text::kDescription];
      if (text == "Just some plain rocks..." ||
          text == "Just a mining facility at a group of asteroids.")
        continue;
      const std::string where =
          SystemText[s][system_text::kName] + "/" + BodyText[s][b][body_text::kName];
      EXPECT_GT(text.size(), 40u) << where;
      EXPECT_TRUE(seen.emplace(text, where).second) << where << " shares its text with " << seen[text];
    }
  EXPECT_EQ(seen.size(), 77u);
}

TEST_F(NewWorldTest, WormholesLinkBackExceptWhereTheMapSaysOtherwise) {
  std::set<std::pair<int, int>> oneWay;
  std::set<std::pair<int, int>> unequalLength;
  for (int s = 1; s <= kLastSystem; ++s)
    for (int b = 1; b <= kLastBody; ++b) {
      if (BodyData[s][b][body::kKind] != kKindWormhole) continue;
      const int t = BodyData[s][b][body::kDestination];
      int backSlots = 0, backLength = 0;
      for (int c = 1; c <= kLastBody; ++c)
        if (BodyData[t][c][body::kKind] == kKindWormhole &&
            BodyData[t][c][body::kDestination] == s) {
          ++backSlots;
          backLength = BodyData[t][c][body::kJumpLength];
        }
      EXPECT_LE(backSlots, 1) << s << " -> " << t;
      if (backSlots == 0)
        oneWay.insert({s, t});
      else if (backLength != BodyData[s][b][body::kJumpLength])
        unequalLength.insert({s, t});
    }
  EXPECT_EQ(oneWay, (std::set<std::pair<int, int>>{{19, 21}}));  // New Cuba to Barbados
  EXPECT_EQ(unequalLength, (std::set<std::pair<int, int>>{
                               {4, 8}, {8, 4}, {6, 15}, {15, 6}, {13, 19}, {19, 13}}));
  struct Length {
    int from, slot, to, days;
  };
  const Length lengths[] = {{4, 6, 8, 6}, {8, 8, 4, 2}, {6, 5, 15, 8}, {15, 7, 6, 9},
                            {13, 8, 19, 4}, {19, 6, 13, 5}, {10, 9, 11, 1}, {19, 8, 21, 4}};
  for (const Length& l : lengths) {
    EXPECT_EQ(BodyData[l.from][l.slot][body::kDestination], l.to) << l.from << "/" << l.slot;
    EXPECT_EQ(BodyData[l.from][l.slot][body::kJumpLength], l.days) << l.from << "/" << l.slot;
  }
}

TEST_F(NewWorldTest, WormholesAreNamedAfterTheirDestination) {
  const std::map<std::pair<int, int>, std::string> exceptions = {
      {{3, 6}, "Wormhole to Moore"},
      {{8, 9}, "Wormhole to N. Ireland"},
      {{15, 6}, "Wormhole to New Glenshire"},
  };
  int wormholes = 0;
  for (int s = 1; s <= kLastSystem; ++s)
    for (int b = 1; b <= kLastBody; ++b) {
      if (BodyData[s][b][body::kKind] != kKindWormhole) continue;
      ++wormholes;
      const auto exception = exceptions.find({s, b});
      const std::string expected =
          exception != exceptions.end()
              ? exception->second
              : "Wormhole to " + SystemText[BodyData[s][b][body::kDestination]][system_text::kName];
      EXPECT_EQ(BodyName(s, b), expected) << s << "/" << b;
    }
  EXPECT_EQ(wormholes, 63);
}

TEST_F(NewWorldTest, SpaceFindSpotsAreFixedAndEmpty) {
  for (int s = 1; s <= kLastSystem; ++s)
    for (int slot = 1; slot <= kLastFindSlot; ++slot) {
      const TSpaceFindRow& find = SpaceFinds[s][slot];
      EXPECT_EQ(find[space_find::kPresent], 0) << s << "/" << slot;
      EXPECT_GE(find[space_find::kMapX], 1) << s << "/" << slot;
      EXPECT_LE(find[space_find::kMapX], 800) << s << "/" << slot;
      EXPECT_GE(find[space_find::kMapY], 1) << s << "/" << slot;
      EXPECT_LE(find[space_find::kMapY], 600) << s << "/" << slot;
      for (int f = 0; f <= 100; ++f)
        if (f != 11 && f != 12) {
          ASSERT_EQ(find.At(f), 0) << s << "/" << slot << " field " << f;
        }
    }
  struct Spot {
    int system, slot, x, y;
  };
  const Spot spots[] = {{1, 1, 160, 369}, {1, 4, 482, 207}, {4, 2, 448, 409},
                        {12, 3, 645, 324}, {24, 4, 173, 222}};
  for (const Spot& spot : spots) {
    EXPECT_EQ(SpaceFinds[spot.system][spot.slot][space_find::kMapX], spot.x);
    EXPECT_EQ(SpaceFinds[spot.system][spot.slot][space_find::kMapY], spot.y);
  }
  EXPECT_TRUE(Cleared(SpaceFinds[1][0]));
}

TEST_F(NewWorldTest, FactionsAndThePirates) {
  struct Case {
    const char* longName;
    const char* shortName;
    const char* logo;
  };
  const Case cases[] = {
      {"Pirates", "Pirates", ""},
      {"Federation Of Planets", "Federation", "FederationLogo"},
      {"Outer Rim Alliance", "Outer Rim", "OuterRimLogo"},
      {"Trading Coalition", "Coalition", "CoalitionLogo"},
      {"Syndicate Of Arms", "Syndicate", "SyndicateLogo"},
  };
  for (int f = 0; f <= kLastFaction; ++f) {
    EXPECT_EQ(FactionText[f][faction_text::kLongName], cases[f].longName);
    EXPECT_EQ(FactionText[f][faction_text::kShortName], cases[f].shortName);
    EXPECT_EQ(FactionText[f][faction_text::kLogo], cases[f].logo);
    // Every faction alive, nobody at war yet.
    for (int field = 0; field <= 100; ++field)
      EXPECT_EQ(FactionData[f].At(field), (f >= 1 && field == 1) ? 1 : 0)
          << f << " field " << field;
  }
}

TEST_F(NewWorldTest, GoodsAndTheFirstMarkets) {
  for (int g = 1; g <= kLastGood; ++g) {
    EXPECT_EQ(GoodName[g], GetGoodCatalogueName(Good{g}));
    EXPECT_EQ(GoodBasePrice[g], GetGoodCatalogueBasePrice(Good{g}));
  }
  // Sol's five planets open with every good at its base price and 50 units in stock.
  int markets = 0;
  for (int b = 1; b <= kLastBody; ++b) {
    const bool planet = BodyData[1][b][body::kVisible] == 1 && BodyData[1][b][body::kKind] > 0;
    if (planet) ++markets;
    for (int g = 1; g <= kLastGood; ++g) {
      EXPECT_EQ(MarketPrice[1][b][g], planet ? GoodBasePrice[g] : 0) << b << " good " << g;
      EXPECT_EQ(MarketStock[1][b][g], planet ? 50 : 0) << b << " good " << g;
    }
  }
  EXPECT_EQ(markets, 5);
  // The other systems' markets open when the world's first days have run.
  for (int s = 2; s <= kLastSystem; ++s)
    for (int b = 1; b <= kLastBody; ++b) {
      EXPECT_TRUE(Cleared(MarketPrice[s][b])) << s << "/" << b;
      EXPECT_TRUE(Cleared(MarketStock[s][b])) << s << "/" << b;
    }
}

TEST(NewWorld, StartByProfessionAndFaction) {
  struct Profession {
    std::set<int> abilities;
    int skill;
  };
  const Profession professions[7] = {
      {{}, 0},
      {{1, 2, 3, 10, 11, 22}, 1},   // Trader
      {{1, 2, 3, 10, 22, 7}, 1},    // Combat Trader
      {{1, 2, 3, 10, 4, 7}, 11},    // Mercenary
      {{1, 2, 3, 10, 12, 7}, 11},   // Bounty-hunter
      {{1, 2, 3, 10, 11, 22}, 27},  // Smuggler
      {{1, 2, 3, 11, 12, 7}, 27},   // Pirates
  };
  struct Place {
    int system, body;
    const char* planet;
  };
  const Place places[5] = {
      {0, 0, ""}, {1, 2, "Earth"}, {12, 5, "Seressa II"}, {16, 4, "Lille"}, {13, 2, "Moscow Prime"}};
  // By profession 1..6 and faction 1..4.
  // clang-format off
  const ShipClassId shipClasses[7][5] = {
      {kNoShipClass, kNoShipClass,   kNoShipClass,   kNoShipClass,   kNoShipClass},
      {kNoShipClass, kClassOrion,    kClassOrion,    kClassOrion,    kClassOrion},     // Trader
      {kNoShipClass, kClassStarwolf, kClassStarwolf, kClassStarwolf, kClassStarwolf},  // Combat Trader
      {kNoShipClass, kClassAvenger,  kClassStargun,  kClassStargun,  kClassSabre},     // Mercenary
      {kNoShipClass, kClassAvenger,  kClassStargun,  kClassStargun,  kClassSabre},     // Bounty-hunter
      {kNoShipClass, kClassStarwolf, kClassStarwolf, kClassStarwolf, kClassStarwolf},  // Smuggler
      {kNoShipClass, kClassStarwolf, kClassStarwolf, kClassStarwolf, kClassStarwolf},  // Pirates
  };
  // clang-format on

  for (int profession = 1; profession <= 6; ++profession)
    for (int faction = 1; faction <= kLastFaction; ++faction) {
      NewWorld(profession, faction);
      const std::string where = "profession " + std::to_string(profession) + " faction " +
                                std::to_string(faction);
      std::set<int> abilities, skills;
      for (int id = 0; id <= 100; ++id) {
        if (AbilityOwned[id]) abilities.insert(id);
        if (SkillOwned[id]) skills.insert(id);
      }
      EXPECT_EQ(abilities, professions[profession].abilities) << where;
      EXPECT_EQ(skills, std::set<int>{professions[profession].skill}) << where;

      const ShipClassId shipClass = shipClasses[profession][faction];
      EXPECT_EQ(PlayerShip[ship::kClass], Stored(shipClass)) << where;
      EXPECT_EQ(PlayerShip[ship::kAlive], 1) << where;
      EXPECT_EQ(PlayerShip[ship::kReinforcements], -1) << where;
      EXPECT_EQ(PlayerShip[ship::kFaction], faction) << where;
      EXPECT_EQ(PlayerShip[ship::kSystem], places[faction].system) << where;
      EXPECT_EQ(PlayerShip[ship::kBody], places[faction].body) << where;
      EXPECT_EQ(BodyName(PlayerShip[ship::kSystem], PlayerShip[ship::kBody]),
                places[faction].planet)
          << where;
      EXPECT_EQ(DisplayedSystem, places[faction].system) << where;
      EXPECT_EQ(SelectedBody, places[faction].body) << where;
      // The start ships are fighter hulls: plain equipment, catalogue shields and cargo bay.
      for (const ship::Field field : ship::kFittedItems) EXPECT_EQ(PlayerShip[field], 0) << where;
      EXPECT_EQ(PlayerShip[ship::kShields], GetShipClassBaseShields(shipClass)) << where;
      EXPECT_EQ(PlayerShip[ship::kCargoSpace], GetShipClassStat(shipClass, kAttrCargoSpace))
          << where;
      for (auto field = ship::kCrewmen; field <= ship::kDroids; ++field)
        EXPECT_EQ(PlayerShip[field], 0) << where;

      // Hideouts are known from the start to smugglers and pirates only.
      int shown = 0;
      for (int s = 1; s <= kLastSystem; ++s)
        for (int b = 1; b <= kLastBody; ++b)
          if (BodyData[s][b][body::kKind] == kKindPirateHideout) {
            EXPECT_EQ(BodyData[s][b][body::kVisible], BodyData[s][b][body::kHideoutRevealed])
                << where;
            shown += BodyData[s][b][body::kVisible];
          }
      EXPECT_EQ(shown, profession >= 5 ? kLastSystem : 0) << where;

      EXPECT_EQ(PlayerData[player::kCredits], 10000) << where;
      EXPECT_EQ(PlayerData[player::kProfession], profession) << where;
      EXPECT_EQ(PlayerData[player::kFaction], faction) << where;
      EXPECT_EQ(PlayerData[player::kLevel], 1) << where;
      EXPECT_EQ(PlayerData[player::kPilotWings], 1) << where;
      EXPECT_EQ(PlayerData[player::kCampaignRibbons], 3) << where;
      EXPECT_EQ(PlayerData[player::kRank], 1) << where;
      EXPECT_EQ(PlayerData[player::kLifePoints], 3) << where;
      EXPECT_EQ(PlayerData[player::kTycoonEventDay], 199) << where;
      EXPECT_EQ(PlayerData[player::kBarBribes], 1) << where;
      EXPECT_EQ(GameDay, 1) << where;
      EXPECT_TRUE(Cleared(Cargo)) << where;
    }
  ClearGameState();
}

TEST(NewWorld, StartShipsAndTheirCatalogueValues) {
  struct Case {
    state::ShipClassId shipClass;
    const char* label;
    std::int32_t shields, cargo;
  };
  const Case cases[] = {
      {kClassOrion, "Orion II shuttle", 80, 80},   {kClassStarwolf, "Starwolf fighter", 100, 40},
      {kClassStargun, "Stargun fighter", 120, 20}, {kClassAvenger, "Avenger fighter", 140, 20},
      {kClassSabre, "Sabre fighter", 110, 20},
  };
  for (const Case& c : cases) {
    ClearGameState();
    PlayerData[player::kProfession] = 1;
    PlayerData[player::kFaction] = 1;
    CreateNewGameWorld(c.shipClass, {});
    EXPECT_EQ(PlayerShip[ship::kShields], c.shields) << c.label;
    EXPECT_EQ(PlayerShip[ship::kCargoSpace], c.cargo) << c.label;
  }
  for (int profession = 1; profession <= 6; ++profession)
    for (int faction = 1; faction <= 4; ++faction) {
      const state::ShipClassId shipClass = StartShipClass(Profession{profession}, Faction{faction});
      bool known = false;
      for (const Case& c : cases)
        if (c.shipClass == shipClass) {
          known = true;
          EXPECT_EQ(StartShipLabel(Profession{profession}, Faction{faction}), c.label);
        }
      EXPECT_TRUE(known) << profession << "/" << faction;
    }
  // No start ship outside the professions and factions; the screen keeps what it showed.
  const std::pair<int, int> none[] = {{0, 1}, {7, 1}, {-1, 2}, {1, 0}, {3, 5}, {5, -1}, {6, 9}};
  for (auto [profession, faction] : none) {
    EXPECT_EQ(StartShipClass(Profession{profession}, Faction{faction}), kNoShipClass)
        << profession << "/" << faction;
    EXPECT_EQ(StartShipLabel(Profession{profession}, Faction{faction}), "")
        << profession << "/" << faction;
  }
  ClearGameState();
}

TEST(NewWorld, UnknownProfessionOrFactionAddsNothingOfItsOwn) {
  ClearGameState();
  PlayerData[player::kProfession] = 9;
  PlayerData[player::kFaction] = 0;
  CreateNewGameWorld(StartShipClass(Profession{9}, kFactionPirates), {});
  std::set<int> abilities;
  for (int id = 0; id <= 100; ++id) {
    if (AbilityOwned[id]) abilities.insert(id);
    EXPECT_EQ(SkillOwned[id], 0) << id;
  }
  EXPECT_EQ(abilities, (std::set<int>{1, 2, 3}));
  EXPECT_EQ(PlayerShip[ship::kBody], 0);
  EXPECT_EQ(PlayerShip[ship::kSystem], 0);
  EXPECT_EQ(PlayerShip[ship::kClass], 0);
  EXPECT_EQ(PlayerShip[ship::kCargoSpace], 0);
  EXPECT_EQ(PlayerShip[ship::kShields], 0);
  EXPECT_EQ(DisplayedSystem, 0);
  EXPECT_EQ(SelectedBody, 0);
  // The world itself is whole.
  EXPECT_EQ(SystemText[24][system_text::kName], "Glenshire");
  ClearGameState();
}

TEST(NewWorld, LeadInRunsOnTheBuiltWorldBeforeTheDayIsReset) {
  ClearGameState();
  PlayerData[player::kProfession] = 2;
  PlayerData[player::kFaction] = 2;
  int calls = 0;
  CreateNewGameWorld(StartShipClass(kProfessionCombatTrader, kFactionOuterRim), [&] {
    ++calls;
    EXPECT_EQ(SystemText[12][system_text::kName], "Hyraxan");
    EXPECT_EQ(PlayerShip[ship::kSystem], 12);
    EXPECT_EQ(DisplayedSystem, 0) << "the view is turned to the ship afterwards";
    GameDay = 124;
    // Whatever the lead-in does to the ship, the view follows it.
    PlayerShip[ship::kBody] = 6;
  });
  EXPECT_EQ(calls, 1);
  EXPECT_EQ(GameDay, 1);
  EXPECT_EQ(DisplayedSystem, 12);
  EXPECT_EQ(SelectedBody, 6);
  ClearGameState();
}

TEST(NewWorld, WritesNothingOutsideTheUsedRanges) {
  ClearGameState();
  // Spare elements and index 0 of the tables the world fills.
  constexpr int kMark = 4711;
  for (auto& system : BodyData) system[kBodies - 1].fill(kMark);
  BodyData[kSystems - 1][1].fill(kMark);
  SystemData[kSystems - 1].fill(kMark);
  SpaceFinds[1][kFindSlots - 1].fill(kMark);
  FactionData[kFactions - 1].fill(kMark);
  MarketStock[1][kBodies - 1].fill(kMark);
  for (auto* row : {&Positions(PlayerShip), &Positions(PlayerData), &AbilityOwned, &SkillOwned,
                    &Cargo})
    (*row)[101] = kMark;
  PlayerData[player::kProfession] = 5;
  PlayerData[player::kFaction] = 3;
  CreateNewGameWorld(StartShipClass(kProfessionSmuggler, kFactionCoalition), {});
  for (int s = 0; s < kSystems; ++s)
    EXPECT_EQ(BodyData[s][kBodies - 1][body::kVisible], kMark) << s;
  EXPECT_EQ(BodyData[kSystems - 1][1][body::kKind], kMark);
  EXPECT_EQ(SystemData[kSystems - 1][star_system::kPresent], kMark);
  EXPECT_EQ(SpaceFinds[1][kFindSlots - 1][space_find::kMapX], kMark);
  EXPECT_EQ(FactionData[kFactions - 1][faction::kAlive], kMark);
  EXPECT_EQ(MarketStock[1][kBodies - 1][1], kMark);
  for (auto* row : {&Positions(PlayerShip), &Positions(PlayerData), &AbilityOwned, &SkillOwned,
                    &Cargo})
    EXPECT_EQ((*row)[101], kMark);
  for (auto& system : BodyData) system[kBodies - 1].fill(0);
  BodyData[kSystems - 1][1].fill(0);
  SystemData[kSystems - 1].fill(0);
  SpaceFinds[1][kFindSlots - 1].fill(0);
  FactionData[kFactions - 1].fill(0);
  MarketStock[1][kBodies - 1].fill(0);
  for (auto* row : {&Positions(PlayerShip), &Positions(PlayerData), &AbilityOwned, &SkillOwned,
                    &Cargo})
    (*row)[101] = 0;
  ClearGameState();
}

// A digest of every table the new world writes, so that any change to the world shows.
class Digest {
 public:
  void Add(std::int64_t value) {
    for (int i = 0; i < 8; ++i) Byte(static_cast<std::uint8_t>(value >> (8 * i)));
  }
  void Add(const std::string& text) {
    Add(static_cast<std::int64_t>(text.size()));
    for (char c : text) Byte(static_cast<std::uint8_t>(c));
  }
  void Add(const TDataRow& row) {
    for (int f = 0; f <= 100; ++f) Add(row[f]);
  }
  template <class Kind>
  void Add(const Row<Kind>& row) {
    Add(row.raw());
  }
  template <class Kind>
  void Add(const TextRow<Kind>& row) {
    for (int i = 0; i <= 10; ++i) Add(row.At(i));
  }
  std::uint64_t value() const { return hash_; }

 private:
  void Byte(std::uint8_t b) {
    hash_ ^= b;
    hash_ *= 1099511628211ull;
  }
  std::uint64_t hash_ = 14695981039346656037ull;
};

std::uint64_t WorldDigest() {
  Digest d;
  for (int s = 0; s <= kLastSystem; ++s) {
    d.Add(SystemData[s]);
    d.Add(SystemText[s]);
    for (int b = 0; b <= kLastBody; ++b) {
      d.Add(BodyData[s][b]);
      d.Add(BodyText[s][b]);
      d.Add(MarketPrice[s][b]);
      d.Add(MarketStock[s][b]);
    }
    for (int slot = 0; slot <= kLastFindSlot; ++slot) d.Add(SpaceFinds[s][slot]);
  }
  for (int g = 0; g <= 100; ++g) d.Add(GoodName[g]);
  d.Add(GoodBasePrice);
  d.Add(Cargo);
  for (int f = 0; f <= kLastFaction; ++f) {
    d.Add(FactionData[f]);
    d.Add(FactionText[f]);
  }
  d.Add(PlayerData);
  d.Add(PlayerShip);
  d.Add(AbilityOwned);
  d.Add(SkillOwned);
  d.Add(GameDay);
  d.Add(DisplayedSystem);
  d.Add(SelectedBody);
  return d.value();
}

TEST(NewWorld, GoldenDigest) {
  struct Case {
    int profession, faction;
    std::uint64_t digest;
  };
  const Case cases[] = {
      {1, 1, 0x1f4beb8d5113f2a1ull},
      {6, 4, 0x30e6432f17c039aeull},
      {3, 2, 0x2086f4d4994d61a8ull},
  };
  for (const Case& c : cases) {
    NewWorld(c.profession, c.faction);
    EXPECT_EQ(WorldDigest(), c.digest) << std::hex << "profession " << c.profession << " faction "
                                       << c.faction << ": 0x" << WorldDigest();
  }
  ClearGameState();
}

}  // namespace
