// The promotion screen: what each ribbon, rank and medal shows, as tables; the real screen through
// a level-up and through the medals, each medal shown once per game.
#include "screens/career/promotion_screen.h"

#include <string>

#include "app/program.h"
#include "platform/script.h"
#include "rules/new_game.h"
#include "rules/promotion.h"
#include "screens/shared/doors.h"
#include "screens/form_test_fixture.h"
#include "screens/screen_ui.h"
#include "state/fields.h"
#include "state/general_data.h"
#include "state/progression.h"
#include "state/random.h"
#include "state/start_ship.h"
#include "state/variables.h"
#include "support/script_ui.h"

namespace screens_test {
namespace {

using screens::Medal;
using screens::PromotionView;

// Faction names as a new world writes them.
void NewWorld(Faction faction) {
  state::SetGeneralDataDefaults();
  state::ClearGameState();
  state::Randomize(5);
  state::PlayerData[player::kFaction] = state::Stored(faction);
  state::PlayerData[player::kProfession] = state::Stored(kProfessionTrader);
  support::ScriptUi ui;
  rules::CreateNewGameWorld(state::StartShipClass(kProfessionTrader, faction), ui);
  state::TutorialActive = 0;
}

TEST(PromotionView, RibbonsByFactionAndLevel) {
  NewWorld(kFactionFederation);
  struct Case {
    int faction, level;
    std::string name, kind, picture, background, quotationStart;
  };
  const Case cases[] = {
      {1, 2, "\"Operation Spearhead\"", "campaign ribbon", "Fed-Ribbon2.jpg", "FedAwardBackgr.jpg", "\"Find out where your enemy is."},
      {3, 2, "A New Day", "campaign ribbon", "Coal-Ribbon2.jpg", "CoalAwardBackgr.jpg", "\"Everything in the world may be endured"},
      {4, 2, "The \"Operation Fate\"", "campaign ribbon", "Synd-Ribbon2.jpg", "SyndAwardBackgr.jpg", "\"The fate of the Empire rests on this enterprise"},
      {2, 6, "The General Tessock", "campaign ribbon", "Outerrim-Ribbon5.jpg", "ORAwardBackgr.jpg", "\"He looked as though he ought to have been"},
      // The Federation's names run over both lines from level 8 on.
      {1, 8, "\"Battle Hymn of", "the Republic\"", "Fed-Ribbon6.jpg", "FedAwardBackgr.jpg", "\"Mine eyes have seen the glory"},
      {1, 9, "\"Men of Normandy\"", "campaign ribbon\"", "Fed-Ribbon7.jpg", "FedAwardBackgr.jpg", "\"The men of Normandy had faith"},
      {1, 17, "\"President Castell\"", "campaign ribbon\"", "Fed-Ribbon12.jpg", "FedAwardBackgr.jpg", "\"I call upon all scientists"},
      {2, 8, "Wearing of the Green", "campaign ribbon", "Outerrim-Ribbon6.jpg", "ORAwardBackgr.jpg", "\"And theyre hanging men and women"},
      {4, 17, "\"Volmirovs Glasnost\"", "campaign ribbon", "Synd-Ribbon12.jpg", "SyndAwardBackgr.jpg", "\"Our enemy sees us clearly."},
      {3, 16, "The \"Morvaine\"", "campaign ribbon", "Coal-Ribbon11.jpg", "CoalAwardBackgr.jpg", "\"Deliberation is the work of many men."},
  };
  const char* shortNames[] = {"", "Federation", "Outer Rim", "Coalition", "Syndicate"};
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "faction " << c.faction << " level " << c.level);
    const PromotionView v = screens::BuildRibbonView(Faction{c.faction}, c.level);
    EXPECT_EQ(v.headline, std::string("For your great efforts the ") + shortNames[c.faction] +
                              " high command awards you:");
    EXPECT_EQ(v.awardName, c.name);
    EXPECT_EQ(v.awardKind, c.kind);
    EXPECT_EQ(v.picture, c.picture);
    EXPECT_EQ(v.background, c.background);
    EXPECT_EQ(v.quotation.rfind(c.quotationStart, 0), 0u) << v.quotation;
  }
  // Every ribbon of every faction has its quotation.
  for (const Faction faction : state::kPowers)
    for (int level : {2, 3, 5, 6, 8, 9, 11, 12, 14, 16, 17})
      EXPECT_FALSE(screens::BuildRibbonView(faction, level).quotation.empty())
          << state::Stored(faction) << " " << level;
  // Not a ribbon level, or no faction: nothing to show.
  EXPECT_EQ(screens::BuildRibbonView(kFactionFederation, 4), PromotionView{});
  EXPECT_EQ(screens::BuildRibbonView(kFactionPirates, 2), PromotionView{});
}

TEST(PromotionView, RanksShowTheNewTitleAndShoulderInsignia) {
  NewWorld(kFactionOuterRim);
  struct Case {
    int faction, level, rank;
    std::string picture;
  };
  const Case cases[] = {
      {1, 4, 2, "Uni-Fed-2ndLt-shoulder.jpg"},      {2, 7, 3, "Uni-Outerrim-1stLt-shoulder.jpg"},
      {3, 10, 4, "Uni-Coal-Lt-shoulder.jpg"},       {4, 13, 5, "Uni-Synd-Comm-shoulder.jpg"},
      {2, 15, 6, "Uni-Outerrim-Capt-shoulder.jpg"}, {1, 18, 7, "Uni-Fed-Adm-shoulder.jpg"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "level " << c.level);
    const PromotionView v = screens::BuildRankView(Faction{c.faction}, c.level, Rank{c.rank});
    EXPECT_EQ(v.awardName, state::GetRankTitle(Faction{c.faction}, Rank{c.rank}));
    EXPECT_EQ(v.awardKind, '(' + state::GetRankTitleShort(Faction{c.faction}, Rank{c.rank}) + ')');
    EXPECT_EQ(v.quotation, "Congratulations!");
    EXPECT_EQ(v.picture, c.picture);
  }
  EXPECT_EQ(screens::BuildRankView(kFactionOuterRim, 7, kRankFirstLieutenant).headline,
            "For your honorful service the Outer Rim high command promotes you to:");
}

TEST(PromotionView, MedalsByFaction) {
  NewWorld(kFactionFederation);
  struct Case {
    int faction;
    Medal medal;
    std::string headline, name, picture;
  };
  const Case cases[] = {
      {1, Medal::SilverStar, "For exceptional bravery the Federation high command awards you:", "\"Silver Star\"", "Fed-Medal-SilverStar.jpg"},
      {2, Medal::GoldStar, "For uncommon valor the Outer Rim high command awards you:", "\"Gold Eagle\"", "Outerrim-Medal-GoldStar.jpg"},
      {3, Medal::SilverStar, "For exceptional bravery the Coalition high command awards you:", "\"Silver Ying-Yang", "Coal-Medal-SilverStar.jpg"},
      {4, Medal::GoldStar, "For uncommon valor the Syndicate high command awards you:", "Gold Cross", "Synd-Medal-GoldStar.jpg"},
  };
  for (const Case& c : cases) {
    const PromotionView v = screens::BuildMedalView(Faction{c.faction}, c.medal);
    EXPECT_EQ(v.headline, c.headline);
    EXPECT_EQ(v.awardName, c.name);
    EXPECT_EQ(v.awardKind, "medal");
    EXPECT_EQ(v.picture, c.picture);
  }
  EXPECT_EQ(screens::BuildMedalView(kFactionFederation, Medal::SilverStar).quotation,
            "\"For exceptional bravery in influencing our war efforts.\"");
  EXPECT_EQ(screens::BuildMedalView(kFactionFederation, Medal::GoldStar).quotation,
            "\"For uncommon valor in conquering a whole sector.\"");
}

class PromotionScreenTest : public GameFormsTest {
 protected:
  void SetUp() override {
    GameFormsTest::SetUp();
    NewWorld(kFactionFederation);
  }
  static void RunScript(const std::string& script, const std::function<void()>& open) {
    platform::ScriptRunner runner;
    app::AddGameSteps(runner);
    runner.Load(script, "promotion.script");
    const platform::ScriptResult r = runner.Run(open);
    EXPECT_TRUE(r.ok) << r.message;
  }
};

// A level-up from a new game: the congratulation, the ribbon on the screen and on the uniform, then
// the choice of a non-combat skill.
TEST_F(PromotionScreenTest, ALevelUpShowsTheRibbonOnTheUniform) {
  state::PlayerData[player::kExperience] = state::GetLevelExperience(1);
  RunScript(R"(
expect TextPopup.Topic.Caption "Congratulations!"
answer continue
expect Promotion.AwardName.Caption "\"Operation Spearhead\""
expect Promotion.AwardPicture.Picture "Fed-Ribbon2.jpg"
expect Promotion.Ribbon4.Visible true
expect Promotion.Ribbon4.Left "175"
expect Promotion.Ribbon5.Visible false
screenshot Promotion "promotion_ribbon.png"
move Promotion.ContinueButton
expect Promotion.ContinueButton.Picture "PromotionScreenH_11.jpg"
move Promotion.UniformBase
expect Promotion.ContinueButton.Picture "PromotionScreen_11.jpg"
click Promotion.ContinueLabel
expect TextPopup.Topic.Caption "New non-combat skill"
answer continue
expect AbilitySelection.Visible true
click AbilitySelection.CloseLabel
)", [] {
    screens::ScreenUi ui;
    rules::CheckPromotion(ui);
  });
  EXPECT_EQ(state::PlayerData[player::kLevel], 2);
  EXPECT_EQ(state::PlayerData[player::kCampaignRibbons], 4);
}

TEST_F(PromotionScreenTest, ANewRankShowsTheNewInsignia) {
  state::PlayerData[player::kRank] = 2;
  RunScript(R"(
expect Promotion.AwardName.Caption "2nd Lieutenant"
expect Promotion.AwardPicture.Picture "Uni-Fed-2ndLt-shoulder.jpg"
expect Promotion.ShoulderInsignia.Picture "Uni-Fed-2ndLt-shoulder.jpg"
expect Promotion.Quotation.Caption "Congratulations!"
click Promotion.ContinueButton
)", [] { screens::ShowPromotionScreen(rules::PromotionAward::Rank, 4); });
}

// Each medal is shown once; a second feat of the same kind shows nothing and changes nothing.
TEST_F(PromotionScreenTest, EachMedalOncePerGame) {
  state::PlayerData[player::kFaction] = 4;
  RunScript(R"(
expect Promotion.AwardName.Caption "Red Cross"
expect Promotion.SilverStarMedal.Visible true
expect Promotion.SilverStarMedal.Left "123"
expect Promotion.SilverStarMedal.Top "200"
click Promotion.ContinueLabel
)", [] {
    screens::AwardSilverStarMedal();
    screens::AwardSilverStarMedal();
  });
  EXPECT_EQ(state::PlayerData[player::kSilverStar], 1);
  EXPECT_EQ(state::PlayerData[player::kGoldStar], 0);
  RunScript(R"(
expect Promotion.AwardName.Caption "Gold Cross"
expect Promotion.SilverStarMedal.Left "99"
expect Promotion.GoldStarMedal.Left "147"
screenshot Promotion "promotion_medal.png"
click Promotion.ContinueLabel
)", [] {
    screens::AwardGoldStarMedal();
    screens::AwardGoldStarMedal();
  });
  EXPECT_EQ(state::PlayerData[player::kGoldStar], 1);
}

}  // namespace
}  // namespace screens_test
