// The uniform's composition: faction, rank, ribbons and medals decide which pictures show where.
#include "screens/career/uniform.h"

#include <gtest/gtest.h>

#include "screens/career/promotion_screen.h"
#include "screens/form_test_fixture.h"
#include "screens/shared/game_forms.h"

#include <string>
#include <vector>

namespace screens_test {
namespace {

using screens::BuildUniformView;
using screens::UniformPiece;
using screens::UniformRecord;
using screens::UniformView;

struct Spot {
  int left;
  int top;
};

std::vector<Spot> Shown(const auto& pieces) {
  std::vector<Spot> spots;
  for (const UniformPiece& p : pieces)
    if (p.visible) spots.push_back({p.left, p.top});
  return spots;
}

bool operator==(Spot a, Spot b) { return a.left == b.left && a.top == b.top; }
void PrintTo(Spot s, std::ostream* os) { *os << "(" << s.left << ", " << s.top << ")"; }

TEST(UniformView, PicturesAndInsigniaPlacesByFactionAndRank) {
  struct Case {
    int faction, variant, rank;
    std::string base, shoulder, collar;
    bool insignia;
    Spot shoulderAt, collarAt;
  };
  const Case cases[] = {
      {1, 0, 1, "Uni-Fed-blank.jpg", "Uni-Fed-ensign-shoulder.jpg", "Uni-Fed-ensign-collar.jpg", true, {85, 55}, {7, 44}},
      {1, 0, 0, "Uni-Fed-blank.jpg", "Uni-Fed-ensign-shoulder.jpg", "Uni-Fed-ensign-collar.jpg", true, {85, 55}, {7, 44}},
      {1, 2, 2, "Uni-Fed-blank-fem.jpg", "Uni-Fed-2ndLt-shoulder.jpg", "Uni-Fed-2ndLt-collar.jpg", true, {85, 55}, {7, 44}},
      {1, 0, 3, "Uni-Fed-blank.jpg", "Uni-Fed-1stLt-shoulder.jpg", "Uni-Fed-1stLt-collar.jpg", true, {85, 55}, {7, 40}},
      {1, 0, 4, "Uni-Fed-blank.jpg", "Uni-Fed-Lt-shoulder.jpg", "Uni-Fed-Lt-collar.jpg", true, {85, 55}, {12, 47}},
      {1, 0, 5, "Uni-Fed-blank.jpg", "Uni-Fed-Comm-shoulder.jpg", "Uni-Fed-Comm-collar.jpg", true, {85, 55}, {12, 47}},
      {1, 0, 6, "Uni-Fed-blank.jpg", "Uni-Fed-Capt-shoulder.jpg", "Uni-Fed-Capt-collar.jpg", true, {85, 55}, {6, 44}},
      {2, 0, 3, "Uni-Outerrim-blank.jpg", "Uni-Outerrim-1stLt-shoulder.jpg", "Uni-Outerrim-1stLt-collar.jpg", true, {91, 54}, {10, 60}},
      {3, 2, 6, "Uni-Coal-blank-fem.jpg", "Uni-Coal-Capt-shoulder.jpg", "Uni-Coal-Capt-collar.jpg", true, {99, 62}, {6, 54}},
      {4, 0, 4, "Uni-Synd-blank.jpg", "Uni-Synd-Lt-shoulder.jpg", "Uni-Synd-Lt-collar.jpg", true, {98, 60}, {14, 42}},
      // Admirals: the commander's base; rank 7 hides the insignia, rank 8 shows them.
      {1, 0, 7, "Uni-Fed-blank-com.jpg", "Uni-Fed-Adm-shoulder.jpg", "Uni-Fed-Adm-collar.jpg", false, {170, 70}, {7, 57}},
      {4, 0, 8, "Uni-Synd-blank-com.jpg", "Uni-Synd-Adm-shoulder.jpg", "Uni-Synd-Adm-collar.jpg", true, {170, 70}, {7, 60}},
      {3, 2, 7, "Uni-Coal-blank-com-fem.jpg", "Uni-Coal-Adm-shoulder.jpg", "Uni-Coal-Adm-collar.jpg", false, {170, 70}, {7, 57}},
      // Out of range: dressed as faction 1, an Ensign, or rank 8.
      {9, 0, -3, "Uni-Fed-blank.jpg", "Uni-Fed-ensign-shoulder.jpg", "Uni-Fed-ensign-collar.jpg", true, {85, 55}, {7, 44}},
      {2, 0, 12, "Uni-Outerrim-blank-com.jpg", "Uni-Outerrim-Adm-shoulder.jpg", "Uni-Outerrim-Adm-collar.jpg", true, {170, 70}, {7, 60}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "faction " << c.faction << " rank " << c.rank);
    UniformRecord record;
    record.faction = Faction{c.faction};
    record.variant = c.variant;
    record.rank = Rank{c.rank};
    const UniformView v = BuildUniformView(record);
    EXPECT_EQ(v.base, c.base);
    EXPECT_EQ(v.shoulder.picture, c.shoulder);
    EXPECT_EQ(v.collar.picture, c.collar);
    EXPECT_EQ(v.shoulder.visible, c.insignia);
    EXPECT_EQ(v.collar.visible, c.insignia);
    EXPECT_EQ((Spot{v.shoulder.left, v.shoulder.top}), c.shoulderAt);
    EXPECT_EQ((Spot{v.collar.left, v.collar.top}), c.collarAt);
  }
}

TEST(UniformView, WingsByCountAndNoneForAdmirals) {
  struct Case {
    int wings, rank;
    bool placed;
    std::vector<Spot> shown;
  };
  const Case cases[] = {
      {0, 1, true, {}},
      {1, 1, true, {{112, 152}}},
      {2, 3, true, {{88, 152}, {136, 152}}},
      {3, 6, true, {{64, 152}, {112, 152}, {160, 152}}},
      {4, 2, false, {}},    // an unknown count leaves the wings as they were
      {-1, 2, false, {}},
      {3, 7, true, {}},
      {1, 8, true, {}},
      {7, 8, true, {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.wings << " wings at rank " << c.rank);
    UniformRecord record;
    record.faction = kFactionCoalition;
    record.wings = c.wings;
    record.rank = Rank{c.rank};
    const UniformView v = BuildUniformView(record);
    EXPECT_EQ(v.wingsPlaced, c.placed);
    if (c.placed) { EXPECT_EQ(Shown(v.wings), c.shown); }
    for (const UniformPiece& w : v.wings) EXPECT_EQ(w.picture, "Coal-Pilotwings.jpg");
  }
}

TEST(UniformView, RibbonsStandInRowsOfFourWithTheLastRowCentred) {
  struct Case {
    int ribbons;
    std::vector<Spot> shown;
  };
  const Case cases[] = {
      {0, {}},
      {-2, {}},
      {1, {{120, 176}}},
      {2, {{103, 176}, {140, 176}}},
      {3, {{83, 176}, {120, 176}, {157, 176}}},
      {4, {{64, 176}, {101, 176}, {138, 176}, {175, 176}}},
      {5, {{64, 176}, {101, 176}, {138, 176}, {175, 176}, {120, 192}}},
      {10, {{64, 176}, {101, 176}, {138, 176}, {175, 176}, {64, 192}, {101, 192}, {138, 192},
            {175, 192}, {103, 208}, {140, 208}}},
      {12, {{64, 176}, {101, 176}, {138, 176}, {175, 176}, {64, 192}, {101, 192}, {138, 192},
            {175, 192}, {64, 208}, {101, 208}, {138, 208}, {175, 208}}},
      {40, {{64, 176}, {101, 176}, {138, 176}, {175, 176}, {64, 192}, {101, 192}, {138, 192},
            {175, 192}, {64, 208}, {101, 208}, {138, 208}, {175, 208}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.ribbons << " ribbons");
    UniformRecord record;
    record.faction = kFactionSyndicate;
    record.ribbons = c.ribbons;
    const UniformView v = BuildUniformView(record);
    EXPECT_EQ(Shown(v.ribbons), c.shown);
    EXPECT_EQ(v.ribbons[0].picture, "Synd-ribbon1.jpg");
    EXPECT_EQ(v.ribbons[11].picture, "Synd-ribbon12.jpg");
  }
}

TEST(UniformView, MedalsBelowTheRibbonsOrOnTheAdmiralsPlace) {
  struct Case {
    int rank, ribbons, silver, gold, honor;
    bool silverShown, goldShown, honorShown;
    Spot silverAt, goldAt, honorAt;
    bool awardPlace;
  };
  const Case cases[] = {
      {1, 3, 0, 0, 0, false, false, false, {}, {}, {}, false},
      {1, 3, 1, 0, 0, true, false, false, {123, 200}, {}, {}, false},
      {5, 4, 0, 1, 1, false, true, true, {}, {99, 200}, {147, 200}, false},
      {2, 5, 1, 1, 0, true, true, false, {99, 216}, {147, 216}, {}, false},
      {6, 8, 1, 0, 1, true, false, true, {99, 216}, {}, {147, 216}, false},
      {3, 9, 1, 1, 1, true, true, true, {75, 232}, {171, 232}, {123, 232}, false},
      {4, 15, 0, 0, 1, false, false, true, {}, {}, {123, 232}, false},
      // Only exactly 1 counts as earned.
      {4, 3, 2, -1, 0, false, false, false, {}, {}, {}, false},
      {7, 12, 1, 1, 1, true, true, true, {182, 19}, {216, 19}, {253, 12}, true},
      {8, 3, 0, 1, 0, false, true, false, {}, {216, 19}, {}, true},
      {7, 3, 0, 0, 0, false, false, false, {}, {}, {}, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "rank " << c.rank << " ribbons " << c.ribbons << " medals "
                                    << c.silver << c.gold << c.honor);
    UniformRecord record{kFactionOuterRim, 0, 1, c.ribbons, c.silver, c.gold, c.honor, Rank{c.rank}};
    const UniformView v = BuildUniformView(record);
    EXPECT_EQ(v.silverStar.visible, c.silverShown);
    EXPECT_EQ(v.goldStar.visible, c.goldShown);
    EXPECT_EQ(v.medalOfHonor.visible, c.honorShown);
    if (c.silverShown) { EXPECT_EQ((Spot{v.silverStar.left, v.silverStar.top}), c.silverAt); }
    if (c.goldShown) { EXPECT_EQ((Spot{v.goldStar.left, v.goldStar.top}), c.goldAt); }
    if (c.honorShown) { EXPECT_EQ((Spot{v.medalOfHonor.left, v.medalOfHonor.top}), c.honorAt); }
    EXPECT_EQ(v.awardPlace.visible, c.awardPlace);
    EXPECT_EQ(v.silverStar.picture, "Outerrim-Medal-SilverStar.jpg");
    EXPECT_EQ(v.goldStar.picture, "Outerrim-Medal-GoldStar.jpg");
    EXPECT_EQ(v.medalOfHonor.picture, "Outerrim-MedalofHonor.jpg");
    EXPECT_EQ(v.awardPlace.picture, "Uni-Outerrim-awardplace.jpg");
  }
}

// An admiral still wears the ribbons below the award place.
TEST(UniformView, AdmiralKeepsRibbons) {
  UniformRecord record{kFactionFederation, 0, 1, 5, 0, 0, 0, kRankAdmiral};
  EXPECT_EQ(Shown(BuildUniformView(record).ribbons).size(), 5u);
}

}  // namespace
}  // namespace screens_test

namespace screens_test {
namespace {

class UniformPanelTest : public GameFormsTest {};

// The panel follows each composition: a later, smaller record hides what an earlier one showed,
// and an unknown wing count leaves the wings as the last composition put them.
TEST_F(UniformPanelTest, RecomposingHidesAndKeepsAsTheRecordSays) {
  platform::Form& form = screens::GameForm<screens::PromotionScreen>();
  screens::UniformPanel panel(form);
  panel.Show(BuildUniformView({kFactionFederation, 0, 2, 9, 1, 1, 1, kRankFirstLieutenant}));
  EXPECT_TRUE(form.Get<platform::Image>("Ribbon9").Visible());
  EXPECT_TRUE(form.Get<platform::Image>("WingLeft").Visible());
  EXPECT_EQ(form.Get<platform::Image>("HonorMedal").Top(), 232);

  panel.Show(BuildUniformView({kFactionFederation, 0, 99, 2, 0, 0, 0, kRankFirstLieutenant}));
  EXPECT_FALSE(form.Get<platform::Image>("Ribbon9").Visible());
  EXPECT_FALSE(form.Get<platform::Image>("HonorMedal").Visible());
  EXPECT_TRUE(form.Get<platform::Image>("WingLeft").Visible());
  EXPECT_EQ(form.Get<platform::Image>("WingLeft").Left(), 88);
  EXPECT_FALSE(form.Get<platform::Image>("WingMiddle").Visible());

  panel.Show(BuildUniformView({kFactionOuterRim, 0, 99, 2, 0, 0, 0, kRankAdmiral}));
  EXPECT_FALSE(form.Get<platform::Image>("WingLeft").Visible());
  EXPECT_FALSE(form.Get<platform::Image>("ShoulderInsignia").Visible());
  EXPECT_TRUE(form.Get<platform::Image>("AwardPlace").Visible());
  EXPECT_EQ(form.Get<platform::Image>("UniformBase").PictureName(), "Uni-Outerrim-blank-com.jpg");
}

}  // namespace
}  // namespace screens_test
