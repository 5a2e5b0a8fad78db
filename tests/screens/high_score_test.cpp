// The high-score screen: every row filled from the table with its logo, insignia and ship, the
// row just entered in yellow, the Back button's picture, and Back.
#include "screens/career/high_score.h"

#include "platform/application.h"
#include "platform/controls.h"
#include "screens/form_test_fixture.h"
#include "screens/shared/game_forms.h"
#include "state/fields.h"
#include "state/variables.h"

namespace screens_test {
namespace {

using platform::Image;
using platform::Label;
using state::HighscoreNames;
using state::HighscoreTable;

class HighscoreTest : public GameFormsTest {
 protected:
  void SetUp() override {
    GameFormsTest::SetUp();
    platform::SetAssetFolder(FARHAVEN_ASSET_DIR);
    for (auto& row : HighscoreTable) row.fill(0);
    HighscoreNames.fill("");
  }
  void TearDown() override {
    platform::SetAssetFolder("");
    GameFormsTest::TearDown();
  }
  // An entered row is written to the general data in the data folder: a folder of the test's own.
  WorkFolder work_{"high_score_test"};

  // Row k as an entry: used, with its score, faction, rank, ship class and livery.
  static void Entry(int k, const char* name, std::int32_t score, Faction faction,
                    Rank rank, std::int32_t shipClass, std::int32_t livery) {
    auto& row = HighscoreTable[k];
    row[highscore::kUsed] = 1;
    row[highscore::kScore] = score;
    row[highscore::kFaction] = state::Stored(faction);
    row[highscore::kRank] = state::Stored(rank);
    row[highscore::kShipClass] = shipClass;
    row[highscore::kShipFaction] = livery;
    HighscoreNames[k] = name;
  }

  Label& Name(int k) { return screen().Get<Label>("NameSlot" + std::to_string(k)); }
  Label& Score(int k) { return screen().Get<Label>("ScoreSlot" + std::to_string(k)); }
  Image& Pic(const char* slot, int k) { return screen().Get<Image>(slot + std::to_string(k)); }

  // The rows whose name and score labels are yellow; every other label must be white.
  std::vector<int> YellowRows() {
    std::vector<int> out;
    for (int k = 1; k <= 5; ++k) {
      const platform::Color name = Name(k).GetFont().color, score = Score(k).GetFont().color;
      EXPECT_EQ(name, score) << "row " << k << ": its name and score differ in colour";
      if (name == platform::colors::Yellow) out.push_back(k);
      else EXPECT_EQ(name, platform::colors::White) << "row " << k;
    }
    return out;
  }

  static screens::HighScoreScreen& screen() {
    return screens::GameForm<screens::HighScoreScreen>();
  }
};

TEST_F(HighscoreTest, EveryRowShowsItsNameScoreLogoInsigniaAndShip) {
  struct Row {
    const char* name;
    std::int32_t score, faction, rank, shipClass, livery;
    const char* score_text;
    const char* logo;   // "" = the picture it had before
    const char* rank_picture;
    const char* ship;
    std::int32_t livery_after;
    bool pictured;
  };
  const Row rows[] = {
      {"Ria Tavel", 1000500, 1, 1, 1, 0, "1,000,500", "FederationLogo.jpg", "Fed_Rank0.jpg",
       "Federation_Starwolf_scene.jpg", 1, true},  // no livery yet: the faction's
      {"R&D Olo", 2500, 4, 7, 3, 2, "2,500", "SyndicateLogo.jpg", "Synd_Rank6.jpg",
       "Outerrim_Avenger_scene.jpg", 2, true},      // a ship in another faction's livery
      {"Brann", 999, 2, 0, 2, 0, "999", "OuterRimLogo.jpg", "OR_Rank7.jpg",
       "Outerrim_Stargun_scene.jpg", 2, true},
      {"Kesh", -1500, 3, 8, 4, 3, "-1,500", "CoalitionLogo.jpg", "Coal_Rank7.jpg",
       "Coalition_Killerbee_scene.jpg", 3, true},
      {"", 0, 0, 0, 0, 0, "0", "", "", "NotAvailable_scene.jpg", 0, false},  // no entry
  };
  for (int k = 1; k <= 5; ++k) {
    const Row& r = rows[k - 1];
    if (*r.name)
      Entry(k, r.name, r.score, Faction{r.faction}, Rank{r.rank}, r.shipClass, r.livery);
    Pic("FactionPicSlot", k).LoadPicture("before.jpg");
    Pic("RankPicSlot", k).LoadPicture("before.jpg");
  }

  screen().ShowHighScoreTable();
  for (int k = 1; k <= 5; ++k) {
    SCOPED_TRACE(k);
    const Row& r = rows[k - 1];
    EXPECT_EQ(Name(k).Caption(), r.name) << "shown as typed";
    EXPECT_EQ(Score(k).Caption(), r.score_text);
    EXPECT_EQ(Pic("FactionPicSlot", k).PictureName(), *r.logo ? r.logo : "before.jpg");
    EXPECT_EQ(Pic("RankPicSlot", k).PictureName(), *r.rank_picture ? r.rank_picture : "before.jpg");
    EXPECT_EQ(Pic("ShipPicSlot", k).PictureName(), r.ship);
    EXPECT_EQ(HighscoreTable[k][highscore::kShipFaction], r.livery_after)
        << "the livery the table keeps";
    for (const char* slot : {"FactionPicSlot", "RankPicSlot", "ShipPicSlot"})
      EXPECT_EQ(Pic(slot, k).Visible(), r.pictured) << slot;
  }
}

TEST_F(HighscoreTest, InsigniaFollowRankAndFactionAndAnUnknownFactionKeepsThePictures) {
  struct Case {
    std::int32_t faction, rank;
    const char* insignia;  // "" = none
  };
  const Case cases[] = {{1, 1, "Fed_Rank0.jpg"},  {1, 7, "Fed_Rank6.jpg"},  {2, 4, "OR_Rank3.jpg"},
                        {3, 6, "Coal_Rank5.jpg"}, {4, 7, "Synd_Rank6.jpg"}, {4, -2, "Synd_Rank7.jpg"},
                        {0, 3, ""},               {5, 3, ""},               {-1, 1, ""}};
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.faction << "/" << c.rank);
    EXPECT_EQ(screens::HighscoreRankPicture(Faction{c.faction}, Rank{c.rank}), c.insignia);
  }

  // A damaged row names a faction that does not exist: logo and insignia stay as they were.
  Entry(1, "Vex", 10, Faction{9}, kRankFirstLieutenant, 5, 1);
  Pic("FactionPicSlot", 1).LoadPicture("SyndicateLogo.jpg");
  Pic("RankPicSlot", 1).LoadPicture("Synd_Rank2.jpg");
  screen().ShowHighScoreTable();
  EXPECT_EQ(Pic("FactionPicSlot", 1).PictureName(), "SyndicateLogo.jpg");
  EXPECT_EQ(Pic("RankPicSlot", 1).PictureName(), "Synd_Rank2.jpg");
  EXPECT_EQ(Pic("ShipPicSlot", 1).PictureName(), "Federation_Orion_scene.jpg");
}

TEST_F(HighscoreTest, ARetirementLightsItsNewRowUntilTheNextOne) {
  Entry(1, "A", 900, kFactionFederation, kRankFirstLieutenant, 1, 1);
  Entry(2, "B", 500, kFactionOuterRim, kRankFirstLieutenant, 2, 2);
  Entry(3, "C", 100, kFactionCoalition, kRankFirstLieutenant, 3, 3);
  state::PlayerName = "Ria Tavel";
  state::PlayerData[player::kFaction] = 4;
  state::PlayerData[player::kRank] = 7;
  state::PlayerShip[ship::kClass] = 5;
  state::PlayerShip[ship::kFaction] = 4;

  struct Step {
    std::int32_t score;
    std::vector<int> yellow;
  };
  const Step steps[] = {
      {700, {2}},   // between A and B
      {50, {5}},    // below C, into the last row with an entry left
      {10, {}},     // not above the last row: every row white again
      {5000, {1}},
  };
  for (const Step& s : steps) {
    SCOPED_TRACE(s.score);
    screens::InsertHighscore(s.score);
    screen().ShowHighScoreTable();
    EXPECT_EQ(YellowRows(), s.yellow);
  }
  EXPECT_EQ(Name(1).Caption(), "Ria Tavel");
  EXPECT_EQ(Score(1).Caption(), "5,000");
  EXPECT_EQ(Pic("RankPicSlot", 1).PictureName(), "Synd_Rank6.jpg");
  EXPECT_EQ(Pic("ShipPicSlot", 1).PictureName(), "Syndicate_Orion_scene.jpg");
  EXPECT_EQ(Name(3).Caption(), "Ria Tavel") << "the earlier entry moved down to row 3";

  // How the screen looks after a retirement: the new row in yellow.
  const auto png = std::filesystem::path(::testing::TempDir()) / "highscore_after_retirement.png";
  screen().Show();
  EXPECT_TRUE(platform::App().SaveScreenshot(png.string(), &screen()));

  screen().WhitenRows();
  EXPECT_EQ(YellowRows(), std::vector<int>{});
}

TEST_F(HighscoreTest, BackLightsOnceAndGoesDarkOverTheSurroundingPictures) {
  WhenIdle({[&] {
    auto& back = screen().Get<Image>("BackButton");
    MoveOnto(back);
    EXPECT_EQ(back.PictureName(), "HighScoresScreen_34_H.jpg");
    EXPECT_EQ(screen().BackHover(), 1);
    const auto loads = PictureLoads();
    MoveOnto(screen().Get<Label>("BackLabel"), 10);
    EXPECT_EQ(PictureLoads(), loads) << "moving about on Back loads nothing";
    // Beside the button on both sides, and the face of the screen around the table.
    for (auto [around, dx] : {std::pair{"BottomLeftFace", 0}, {"BottomRightFace", 0}, {"Face", 0}}) {
      MoveOnto(screen().Get<Label>("BackLabel"));
      auto& picture = screen().Get<Image>(around);
      const platform::Rect r = picture.ScreenRect();
      const auto [x, y] = std::string(around) == "Face" ? std::pair{r.x + 4, r.y + 4}
                                                            : Centre(picture);
      platform::App().MouseMove(x + dx, y);
      EXPECT_EQ(back.PictureName(), "HighScoresScreen_34.jpg") << around;
      EXPECT_EQ(screen().BackHover(), 0);
      const auto still = PictureLoads();
      platform::App().MouseMove(x + dx + 1, y);
      EXPECT_EQ(PictureLoads(), still) << "an unlit Back is not loaded again";
    }
    ClickOn(screen().Get<Label>("BackLabel"));
  }});
  EXPECT_EQ(screen().ShowModal(), 1);
  EXPECT_FALSE(screen().Visible());
  EXPECT_EQ(sounds.effects, std::vector<std::string>{"button.wav"});
}

}  // namespace
}  // namespace screens_test
