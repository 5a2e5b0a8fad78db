// The fleet and campaign symbols in the livery of the faction a side belongs to.
#include "screens/shared/liveries.h"

#include <gtest/gtest.h>

#include <cstdint>

namespace {

TEST(SymbolInLivery, TheColourWordBecomesTheFactionsLivery) {
  struct Case {
    const char* picture;
    std::int32_t faction;
    const char* shown;
  };
  const Case cases[] = {
      {"ship_blue_med_left_off.bmp", 1, "ship_Federation_med_left_off.bmp"},
      {"ship_red_large_right_on.bmp", 0, "ship_Pirate_large_right_on.bmp"},
      {"station_red_off.bmp", 4, "station_Syndicate_off.bmp"},
      {"red_ship_big_right.bmp", 3, "Coalition_ship_big_right.bmp"},
      {"blue_station.bmp", 2, "Outerrim_station.bmp"},
      {"starsystem_red.bmp", 3, "starsystem_Coalition.bmp"},
      // No faction, or no colour word as a whole part of the name: the picture stays.
      {"ship_red_small_right_off.bmp", -1, "ship_red_small_right_off.bmp"},
      {"ship_red_small_right_off.bmp", 5, "ship_red_small_right_off.bmp"},
      {"ship_reddish_small_right_off.bmp", 1, "ship_reddish_small_right_off.bmp"},
      {"starsystem_blue.bmp", 0, "starsystem_Pirate.bmp"},
  };
  for (const Case& c : cases) EXPECT_EQ(screens::SymbolInLivery(c.picture, Faction{c.faction}), c.shown) << c.picture;
}

}  // namespace
