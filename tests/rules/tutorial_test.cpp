// The tutorial's steps without any screen: the texts built from the game, what the rules ask it
// and what moves it on, the tutorial body, the guaranteed first profit and the tutorial's mission.
#include "rules/tutorial.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "state/fields.h"
#include "state/goods.h"
#include "state/random.h"
#include "state/ship_classes.h"
#include "state/variables.h"
#include "support/tutorial_world.h"

namespace {

using tutorial::Step;
using state::PlayerData;
using state::PlayerShip;

constexpr int kSystem = support::kTutorialWorldSystem;

class Tutorial : public ::testing::Test {
 protected:
  void SetUp() override { support::SetUpTutorialWorld(); }
};

TEST_F(Tutorial, EveryStepHasOneRowAndNoneIsNotAStep) {
  // The steps in the player's order: 1..38 without 21 and 31, ReopenMission after 11, and
  // ReturnToGame (stored as 28) after the saving.
  const std::vector<Step> steps = rules::AllTutorialSteps();
  ASSERT_EQ(steps.size(), 38u);
  EXPECT_EQ(steps.front(), Step::ChooseFaction);
  EXPECT_EQ(steps.back(), Step::Finished);
  for (std::size_t k = 1; k < steps.size(); ++k) {
    SCOPED_TRACE(static_cast<int>(steps[k]));
    if (steps[k] == Step::ReturnToGame) {
      EXPECT_EQ(steps[k - 1], Step::CloseSaveLoad);
      EXPECT_EQ(tutorial::StoredNumber(steps[k]), 28);
    } else if (steps[k - 1] != Step::ReturnToGame) {
      EXPECT_LT(tutorial::Order(steps[k - 1]), tutorial::Order(steps[k])) << "in order, once each";
    }
  }
  const rules::TutorialGuide none = rules::DescribeTutorialStep(Step::None);
  EXPECT_TRUE(none.text1.empty());
  EXPECT_TRUE(none.text2.empty());
}

TEST_F(Tutorial, StepsCompareInThePlayersOrderWhileTheTutorialRuns) {
  state::TutorialActive = 1;
  state::TutorialStep = tutorial::StoredNumber(Step::ReopenMission);
  EXPECT_TRUE(rules::TutorialAt(Step::ReopenMission));
  EXPECT_TRUE(rules::TutorialAfter(Step::AcceptMission)) << "-11 lies between 11 and 12";
  EXPECT_TRUE(rules::TutorialBefore(Step::FlyToSun));
  EXPECT_FALSE(rules::TutorialBefore(Step::FlyToTutorialBody));
  EXPECT_FALSE(rules::TutorialBetween(Step::FlyToSun, Step::FlyToPlanet));
  state::TutorialStep = tutorial::StoredNumber(Step::ReturnToGame);
  EXPECT_TRUE(rules::TutorialAt(Step::SaveGame)) << "both share 28";
  EXPECT_TRUE(rules::TutorialBetween(Step::CloseGalaxyMap, Step::CloseSaveLoad));
  state::TutorialActive = 0;
  EXPECT_FALSE(rules::TutorialAt(Step::SaveGame));
  EXPECT_FALSE(rules::TutorialBefore(Step::Finished));
  EXPECT_FALSE(rules::TutorialAfter(Step::ChooseFaction));
}

TEST_F(Tutorial, TextsJoinTheirPiecesAndNameTheBodiesOfTheGame) {
  // Two stored pieces run together with nothing between them.
  EXPECT_EQ(rules::DescribeTutorialStep(Step::BuySupplies).text1,
            "Good. On the window that has popped up you can buy or sell goods. Click on the different "
            "goods to select them, choose a quantity and click on \"Buy\". Alternatively you can fill "
            "your whole cargo bay automatically by selecting a good and clicking on \"Buy all\".");
  EXPECT_EQ(rules::DescribeTutorialStep(Step::FlyToSun).text2,
            "Double-click on the \"Sun\" to start travelling to the mission objective.");
  // The tutorial body goes by the faction; its name comes from the star system's bodies.
  struct Case {
    int faction;
    const char* text2;
  };
  const Case cases[] = {
      {1, "Double-click on the location World 3 to start travelling."},
      {2, "Double-click on the location World 7 to start travelling."},
      {3, "Double-click on the location World 2 to start travelling."},
      {4, "Double-click on the location World 6 to start travelling."},
  };
  for (const Case& c : cases) {
    PlayerData[player::kFaction] = c.faction;
    EXPECT_EQ(rules::DescribeTutorialStep(Step::FlyToTutorialBody).text2, c.text2);
  }
  EXPECT_EQ(rules::DescribeTutorialStep(Step::FlyToPlanet).text2, "Fly to the planet World 2 by double-clicking on it.");
  // The texts keep their spacing as written, double spaces included, for the combat screen too.
  EXPECT_NE(rules::DescribeTutorialStep(Step::FireMissiles).text1.find("in order to  win this mission. To do this"),
            std::string::npos);
  EXPECT_NE(rules::DescribeTutorialStep(Step::PickMission).text1.find("available.  We wanted"), std::string::npos);
  EXPECT_EQ(rules::DescribeTutorialStep(Step::WinFight).text2,
            "Fire at will, end a turn if necessary and win this fight on your own!");
  // Choosing the mission repeats the board's texts.
  EXPECT_EQ(rules::DescribeTutorialStep(Step::AcceptMission).text1, rules::DescribeTutorialStep(Step::PickMission).text1);
  EXPECT_EQ(rules::DescribeTutorialStep(Step::AcceptMission).text2,
            "Click on the 2nd available mission and afterwards on \"Accept mission\".");
}

TEST_F(Tutorial, TheBodyOfTheFirstProfitGoesByFaction) {
  const int bodies[] = {0, 3, 7, 2, 6, 0};
  for (int faction = 0; faction <= 5; ++faction) {
    PlayerData[player::kFaction] = faction;
    EXPECT_EQ(rules::TutorialBody(), bodies[faction]) << faction;
  }
}

TEST_F(Tutorial, TheFirstTradeAlwaysPaysWhateverTheMarketSaid) {
  PlayerData[player::kFaction] = 2;  // body 7
  for (int price : {1, 100, 400}) {
    state::MarketPrice[kSystem][4][1] = price;
    state::MarketPrice[kSystem][7][1] = price;
    state::MarketPrice[kSystem][7][2] = 55;
    state::BodyPricesKnown[7] = 0;
    rules::SetTutorialSuppliesPrices();
    EXPECT_EQ(state::MarketPrice[kSystem][4][1], 100);
    EXPECT_EQ(state::MarketPrice[kSystem][7][1], 115);
    EXPECT_EQ(state::MarketPrice[kSystem][7][2], 55) << "only Supplies change";
    EXPECT_EQ(state::BodyPricesKnown[7], 1);
  }
  // Steps 5 to 7 set them; the sale's thanks at step 8 does not.
  for (Step step : {Step::OpenTrade, Step::BuySupplies, Step::FlyToTutorialBody, Step::SellAll,
                    Step::CloseTrade, Step::OpenMissions})
    EXPECT_EQ(rules::DescribeTutorialStep(step).setsSuppliesPrices,
              step == Step::BuySupplies || step == Step::FlyToTutorialBody || step == Step::SellAll)
        << static_cast<int>(step);
}

TEST_F(Tutorial, TheMissionIsASearchAndDestroyOfAWeakPirateAtTheSun) {
  state::MissionOffers[kSystem][1][mission::kActive] = 1;
  state::MissionOffers[kSystem][1][mission::kType] = 4;
  const std::int32_t value = state::GetShipClassStat(state::kClassStarwolf, state::kAttrPrice);
  for (std::uint32_t seed = 1; seed <= 40; ++seed) {
    state::Randomize(seed);
    rules::OfferTutorialMission();
    const auto& offer = state::MissionOffers[kSystem][2];
    EXPECT_EQ(offer[mission::kActive], 1);
    EXPECT_EQ(offer[mission::kType], 1);
    EXPECT_EQ(offer[mission::kTargetBody], 1);
    EXPECT_EQ(offer[mission::kTargetSystem], kSystem);
    EXPECT_EQ(offer[mission::kEnemyClass], 1);
    EXPECT_EQ(offer[mission::kEnemyFaction], 0);
    EXPECT_GE(offer[mission::kReward], value / 21);
    EXPECT_LE(offer[mission::kReward], value / 17);
  }
  EXPECT_EQ(state::MissionOffers[kSystem][1][mission::kType], 4) << "the other offers stay";
}

}  // namespace

// Every question the rules ask the tutorial, at every step: the answer holds at the listed steps
// and nowhere else, and no tutorial refuses or arranges anything when none runs.
TEST_F(Tutorial, TheRulesGatesOpenAndCloseAtTheirSteps) {
  using rules::TutorialAction;
  struct Case {
    const char* gate;
    std::function<bool()> holds;
    std::vector<Step> at;
  };
  auto refuses = [](TutorialAction a) { return [a] { return !rules::TutorialAllows(a); }; };
  const std::vector<Step> all = rules::AllTutorialSteps();
  const std::vector<Step> untilSellAll(all.begin(), std::find(all.begin(), all.end(), Step::CloseTrade));
  const std::vector<Step> untilBuy(all.begin(), std::find(all.begin(), all.end(), Step::FlyToTutorialBody));
  const std::vector<Step> untilWin(all.begin(), std::find(all.begin(), all.end(), Step::FlyToPlanet));
  const std::vector<Step> fight(std::find(all.begin(), all.end(), Step::FlyToSun),
                                std::find(all.begin(), all.end(), Step::VisitPlanet));
  const Case cases[] = {
      {"buy another good", refuses(TutorialAction::BuyOtherGoodThanSupplies), {Step::BuySupplies}},
      {"close the trade window", refuses(TutorialAction::CloseTradeWindow), untilSellAll},
      {"accept another mission", refuses(TutorialAction::AcceptOtherMission),
       {Step::PickMission, Step::AcceptMission}},
      {"fly to a body", refuses(TutorialAction::FlyToBody), untilBuy},
      {"land", refuses(TutorialAction::Land), untilWin},
      {"open the missions", refuses(TutorialAction::OpenMissions), {Step::OpenTrade}},
      {"cancel the mission", refuses(TutorialAction::CancelMission), all},
      {"choose another profession", refuses(TutorialAction::ChooseOtherProfessionThanPirate), all},
      {"enemy's first gun", rules::TutorialEnemyCarriesFirstGun, {Step::FlyToSun, Step::FireMissiles}},
      {"enemy's missile first", rules::TutorialEnemyFiresMissileFirst,
       {Step::EndFirstTurn, Step::InterceptMissile}},
      {"certain interception", rules::TutorialInterceptionCertain, {Step::InterceptMissile}},
      {"volley ends the turn", rules::TutorialVolleyEndsTurn, {Step::FireGuns}},
      {"fight cannot be lost", rules::TutorialFightCannotBeLost, fight},
      {"no encounters", rules::TutorialSparesEncounters, all},
      {"ending a turn early asks", rules::TutorialAsksBeforeEndingTurnEarly, all},
  };
  state::GameDay = 49;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.gate);
    for (const Step step : all) {
      state::TutorialActive = 1;
      state::TutorialStep = tutorial::StoredNumber(step);
      const bool listed = std::find(c.at.begin(), c.at.end(), step) != c.at.end();
      const bool sharesListed = step == Step::ReturnToGame &&
                                std::find(c.at.begin(), c.at.end(), Step::SaveGame) != c.at.end();
      EXPECT_EQ(c.holds(), listed || sharesListed) << tutorial::StoredNumber(step);
      state::TutorialActive = 0;
      EXPECT_FALSE(c.holds()) << "without a tutorial, at " << tutorial::StoredNumber(step);
    }
  }
  state::TutorialActive = 1;
  state::TutorialStep = tutorial::StoredNumber(Step::WinFight);
  state::GameDay = 50;
  EXPECT_FALSE(rules::TutorialFightCannotBeLost()) << "only in the first days";
  EXPECT_FALSE(rules::TutorialSparesEncounters()) << "only in the first days";
  // Every refusal has its notice.
  for (int a = 0; a <= static_cast<int>(TutorialAction::ChooseOtherProfessionThanPirate); ++a)
    EXPECT_FALSE(rules::TutorialRefusal(static_cast<TutorialAction>(a)).empty()) << a;
}

// What each event does where the tutorial stands: the steps it puts away and the one it begins;
// at any other step nothing.
TEST_F(Tutorial, EventsMoveTheTutorialOnFromTheirStepsOnly) {
  using rules::TutorialEvent;
  struct Case {
    TutorialEvent event;
    Step at;
    std::vector<Step> ends;
    Step begins;
  };
  const Case cases[] = {
      {TutorialEvent::FactionChosen, Step::ChooseFaction, {}, Step::ChooseName},
      {TutorialEvent::NameChosen, Step::ChooseName, {}, Step::ChooseProfession},
      {TutorialEvent::ProfessionChosen, Step::ChooseProfession, {Step::ChooseProfession}, Step::None},
      {TutorialEvent::NewGameShown, Step::ChooseProfession, {}, Step::OpenTrade},
      {TutorialEvent::GoodsBought, Step::BuySupplies, {}, Step::FlyToTutorialBody},
      {TutorialEvent::SoldAll, Step::SellAll, {}, Step::CloseTrade},
      {TutorialEvent::TradeWindowClosed, Step::CloseTrade, {}, Step::OpenMissions},
      {TutorialEvent::TutorialMissionPicked, Step::PickMission, {}, Step::AcceptMission},
      {TutorialEvent::MissionAccepted, Step::AcceptMission, {}, Step::ReopenMission},
      {TutorialEvent::MissionFightBegins, Step::FlyToSun, {}, Step::FireMissiles},
      {TutorialEvent::MissionFightBegins, Step::ChooseFaction, {}, Step::FireMissiles},
      {TutorialEvent::MissionFightBegins, Step::FireMissiles, {}, Step::None},
      {TutorialEvent::MissionFightOver, Step::WinFight, {}, Step::FlyToPlanet},
      {TutorialEvent::MissionFightOver, Step::FlyToPlanet, {}, Step::FlyToPlanet},
      {TutorialEvent::MissionFightOver, Step::VisitPlanet, {}, Step::None},
      {TutorialEvent::Landed, Step::FlyToPlanet, {}, Step::VisitPlanet},
      {TutorialEvent::Landed, Step::VisitPlanet, {}, Step::VisitPlanet},
      {TutorialEvent::Landed, Step::OpenSensors, {}, Step::None},
      {TutorialEvent::MissileFired, Step::FireMissiles, {Step::FireMissiles}, Step::ActivateDiscipline},
      {TutorialEvent::DisciplineActivated, Step::ActivateDiscipline, {Step::ActivateDiscipline}, Step::EndFirstTurn},
      {TutorialEvent::GunsFired, Step::FireGuns, {Step::FireGuns}, Step::EndSecondTurn},
      {TutorialEvent::EcmUsed, Step::InterceptMissile, {Step::InterceptMissile}, Step::FireGuns},
      {TutorialEvent::TurnEnded, Step::ActivateDiscipline, {Step::ActivateDiscipline, Step::EndFirstTurn}, Step::None},
      {TutorialEvent::TurnEnded, Step::EndFirstTurn, {Step::ActivateDiscipline, Step::EndFirstTurn}, Step::None},
      {TutorialEvent::TurnEnded, Step::EndSecondTurn, {Step::EndSecondTurn}, Step::WinFight},
      {TutorialEvent::TurnEnded, Step::FireGuns, {}, Step::None},
      {TutorialEvent::RoundStarted, Step::EndFirstTurn, {Step::ActivateDiscipline, Step::EndFirstTurn}, Step::InterceptMissile},
      {TutorialEvent::RoundStarted, Step::InterceptMissile, {}, Step::None},
      {TutorialEvent::SavedIntoFirstSlot, Step::SaveIntoSlot, {}, Step::CloseSaveLoad},
      {TutorialEvent::SaveLoadClosed, Step::CloseSaveLoad, {}, Step::ReturnToGame},
      {TutorialEvent::OptionsPanelClosed, Step::CloseGalaxyMap, {}, Step::OpenShipStatus},
      {TutorialEvent::OptionsPanelClosed, Step::ReturnToGame, {}, Step::OpenShipStatus},
      {TutorialEvent::OptionsPanelClosed, Step::OpenGalaxyMap, {}, Step::None},
      {TutorialEvent::OptionsPanelClosed, Step::OpenShipStatus, {}, Step::None},
      {TutorialEvent::SkillsBrowsed, Step::BrowseSkills, {}, Step::CloseAbilities},
      {TutorialEvent::PersonalStatusClosed, Step::ClosePersonalStatus, {}, Step::Finished},
      {TutorialEvent::PersonalStatusClosed, Step::ReturnToGame, {}, Step::None},
      {TutorialEvent::PersonalStatusClosed, Step::CloseSaveLoad, {}, Step::None},
  };
  state::Cargo[state::Stored(kGoodSupplies)] = 1;
  for (const Case& c : cases) {
    SCOPED_TRACE(tutorial::StoredNumber(c.at));
    SCOPED_TRACE(static_cast<int>(c.event));
    state::TutorialActive = 1;
    state::TutorialStep = tutorial::StoredNumber(c.at);
    const rules::TutorialMove move = rules::TutorialMoveFor(c.event);
    EXPECT_EQ(move.ends, c.ends);
    EXPECT_EQ(move.begins, c.begins);
    // An event bound to one step does nothing one step earlier.
    if (c.begins != Step::None && c.ends.size() < 2 && tutorial::Order(c.at) > tutorial::Order(Step::ChooseProfession) &&
        c.at != c.begins &&
        c.event != TutorialEvent::MissionFightBegins && c.event != TutorialEvent::MissionFightOver &&
        c.event != TutorialEvent::OptionsPanelClosed && c.event != TutorialEvent::PersonalStatusClosed) {
      state::TutorialStep = tutorial::StoredNumber(c.at) - 1;
      EXPECT_EQ(rules::TutorialMoveFor(c.event).begins, Step::None) << "one step earlier";
    }
    state::TutorialActive = 0;
    state::TutorialStep = tutorial::StoredNumber(c.at);
    EXPECT_EQ(rules::TutorialMoveFor(c.event).begins, Step::None) << "without a tutorial";
    EXPECT_TRUE(rules::TutorialMoveFor(c.event).ends.empty()) << "without a tutorial";
  }
  // The first purchase moves on only once Supplies are in the hold.
  state::TutorialActive = 1;
  state::TutorialStep = tutorial::StoredNumber(Step::BuySupplies);
  state::Cargo[state::Stored(kGoodSupplies)] = 0;
  EXPECT_EQ(rules::TutorialMoveFor(TutorialEvent::GoodsBought).begins, Step::None);
}

// Saved games hold these numbers: a step keeps its number however the steps are written.
TEST(TutorialSteps, EachStepKeepsTheNumberSavedGamesHold) {
  const std::pair<Step, int> cases[] = {
      {Step::None, 0}, {Step::ChooseFaction, 1}, {Step::ChooseName, 2}, {Step::ChooseProfession, 3},
      {Step::OpenTrade, 4}, {Step::BuySupplies, 5}, {Step::FlyToTutorialBody, 6}, {Step::SellAll, 7},
      {Step::CloseTrade, 8}, {Step::OpenMissions, 9}, {Step::PickMission, 10},
      {Step::AcceptMission, 11}, {Step::ReopenMission, -11}, {Step::FlyToSun, 12},
      {Step::FireMissiles, 13}, {Step::ActivateDiscipline, 14}, {Step::EndFirstTurn, 15},
      {Step::InterceptMissile, 16}, {Step::FireGuns, 17}, {Step::EndSecondTurn, 18},
      {Step::WinFight, 19}, {Step::FlyToPlanet, 20}, {Step::VisitPlanet, 22},
      {Step::OpenSensors, 23}, {Step::CloseSensors, 24}, {Step::OpenGalaxyMap, 25},
      {Step::CloseGalaxyMap, 26}, {Step::OpenOptions, 27}, {Step::SaveGame, 28},
      {Step::SaveIntoSlot, 29}, {Step::CloseSaveLoad, 30}, {Step::ReturnToGame, 28},
      {Step::OpenShipStatus, 32}, {Step::CloseShipStatus, 33}, {Step::OpenPersonalStatus, 34},
      {Step::BrowseSkills, 35}, {Step::CloseAbilities, 36}, {Step::ClosePersonalStatus, 37},
      {Step::Finished, 38},
  };
  for (const auto& [step, stored] : cases)
    EXPECT_EQ(tutorial::StoredNumber(step), stored) << static_cast<int>(step);
  EXPECT_EQ(std::size(cases), rules::AllTutorialSteps().size() + 1) << "every step and None";
}
