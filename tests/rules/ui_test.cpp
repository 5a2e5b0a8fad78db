// The rules' way to the screens: a stand-in built on NullUi takes over only what it needs and
// keeps the harmless rest, ForwardingUi hands every operation to the Ui underneath unchanged, and
// the tests' ScriptUi records every operation and fails on a question nobody scripted.
#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <string_view>
#include <type_traits>
#include <utility>
#include <vector>

#include "rules/forwarding_ui.h"
#include "rules/null_ui.h"
#include "state/fields.h"
#include "state/variables.h"
#include "support/script_ui.h"

namespace {

static_assert(std::is_abstract_v<rules::Ui>, "a screen must implement every operation");
static_assert(!std::is_abstract_v<rules::NullUi> && !std::is_abstract_v<rules::ForwardingUi>);

// A stand-in that takes over the fight alone.
struct FightsOnly : rules::NullUi {
  int fights = 0;
  void RunShipCombat() override { ++fights; }
};

TEST(NullUi, AStandInTakesOverOneOperationAndKeepsTheHarmlessRest) {
  state::ClearGameState();
  FightsOnly screens;
  rules::Ui& ui = screens;

  ui.SetupShipCombat(state::kClassGalaxy, kFactionCoalition, kMilitaryShip, 1);
  ui.RunShipCombat();
  ui.RunShipCombat();

  EXPECT_EQ(screens.fights, 2);
  // The set-up still writes what the rules read right after it.
  EXPECT_EQ(state::EnemyShip[ship::kAlive], 1);
  EXPECT_EQ(state::EnemyShip[ship::kClass], 14);
  EXPECT_EQ(state::EnemyShip[ship::kEnemyKind], 2);
  EXPECT_EQ(state::EnemyShip[ship::kFaction], 3);
  // Every question gets its default answer, no screen shows and no battle is won.
  EXPECT_FALSE(ui.Ask("Boarding?", "Board the ship?"));
  EXPECT_FALSE(ui.Choose("Alien artifact", "Sell it?", "artifact.jpg", "Sell", "Keep"));
  EXPECT_FALSE(ui.IsVisible(rules::Screen::Travel));
  EXPECT_FALSE(ui.RunFleetBattle(kFactionOuterRim, -1));
}

// The notices and the encounter popup fall back on the plain popups, so a stand-in that records
// only Message sees them all.
TEST(NullUi, NoticesAndEncountersArriveAsPlainPopups) {
  struct Popups : rules::NullUi {
    std::vector<std::string> shown;
    void Message(rules::Popup kind, std::string_view topic, std::string_view text,
                 std::string_view picture) override {
      shown.push_back(std::to_string(static_cast<int>(kind)) + " " + std::string(topic) + " / " +
                      std::string(text) + " [" + std::string(picture) + "]");
    }
  } screens;
  rules::Ui& ui = screens;
  ui.ShowNotice("War news!", "Ore wanted", "A war.", "news.jpg");
  ui.ShowScoredNotice("New chance", "", "Your ship was lost.", "explosion.jpg", "Life points: 2");
  ui.ShowEncounter("Hostile encounter!", "Pirate Starwolf", "Alert!", "scene.jpg");
  const int notice = static_cast<int>(rules::Popup::Notice);
  const int picture = static_cast<int>(rules::Popup::Picture);
  EXPECT_EQ(screens.shown, (std::vector<std::string>{
                               std::to_string(notice) + " War news! / A war. [news.jpg]",
                               std::to_string(notice) + " New chance / Your ship was lost. [explosion.jpg]",
                               std::to_string(picture) + " Hostile encounter! / Alert! [scene.jpg]",
                           }));
}

// Writes every operation it receives, with its arguments, as one line; answers yes.
class CallLog : public rules::Ui {
 public:
  mutable std::vector<std::string> calls;  // IsVisible is const, as the rules ask it

  void Message(rules::Popup kind, std::string_view topic, std::string_view text,
               std::string_view picture) override {
    Log("Message " + std::to_string(static_cast<int>(kind)) + " " + Join({topic, text, picture}));
  }
  void ShowNotice(std::string_view topic, std::string_view headline, std::string_view text,
                  std::string_view picture) override {
    Log("ShowNotice " + Join({topic, headline, text, picture}));
  }
  bool Ask(std::string_view topic, std::string_view text) override {
    Log("Ask " + Join({topic, text}));
    return true;
  }
  bool IsVisible(rules::Screen screen) const override {
    Log("IsVisible " + std::to_string(static_cast<int>(screen)));
    return true;
  }
  int SensorSelection() const override {
    Log("SensorSelection");
    return 3;
  }
  void RedrawSystem(bool placeBodies) override { Log("RedrawSystem " + std::to_string(placeBodies)); }
  void UpdateStatusBars() override { Log("UpdateStatusBars"); }
  void UpdateTradePopup() override { Log("UpdateTradePopup"); }
  bool Choose(std::string_view topic, std::string_view text, std::string_view picture,
              std::string_view first, std::string_view second) override {
    Log("Choose " + Join({topic, text, picture, first, second}));
    return true;
  }
  void ShowSpaceFinds() override { Log("ShowSpaceFinds"); }
  void ShowPromotion(rules::PromotionAward award, int level) override {
    Log("ShowPromotion " + std::to_string(static_cast<int>(award)) + " " + std::to_string(level));
  }
  void ChooseNewAbility(rules::AbilityChoice choice) override {
    Log("ChooseNewAbility " + std::to_string(static_cast<int>(choice)));
  }
  void ShowScoredNotice(std::string_view topic, std::string_view headline, std::string_view text,
                        std::string_view picture, std::string_view scoreLine) override {
    Log("ShowScoredNotice " + Join({topic, headline, text, picture, scoreLine}));
  }
  void ShowEncounter(std::string_view topic, std::string_view opponent, std::string_view text,
                     std::string_view picture) override {
    Log("ShowEncounter " + Join({topic, opponent, text, picture}));
  }
  void SetupShipCombat(state::ShipClassId enemyClass, Faction enemyFaction, ShipKind enemyKind,
                       std::int32_t enemyTier) override {
    Log("SetupShipCombat " + std::to_string(state::Stored(enemyClass)) + " " +
        std::to_string(state::Stored(enemyFaction)) + " " +
        std::to_string(state::Stored(enemyKind)) + " " + std::to_string(enemyTier));
  }
  void RunShipCombat() override { Log("RunShipCombat"); }
  bool RunFleetBattle(Faction enemyFaction, std::int32_t fleetKind) override {
    Log("RunFleetBattle " + std::to_string(state::Stored(enemyFaction)) + " " + std::to_string(fleetKind));
    return true;
  }
  void StopFlight() override { Log("StopFlight"); }
  void CloseTravelScreen() override { Log("CloseTravelScreen"); }
  void HideMissionPanel() override { Log("HideMissionPanel"); }
  void UpdateMissionPanel() override { Log("UpdateMissionPanel"); }
  void OpenMissions() override { Log("OpenMissions"); }
  void BeginTutorialStep(tutorial::Step step) override {
    Log("BeginTutorialStep " + std::to_string(tutorial::StoredNumber(step)));
  }
  void EndTutorialStep(tutorial::Step step) override {
    Log("EndTutorialStep " + std::to_string(tutorial::StoredNumber(step)));
  }

 private:
  void Log(std::string line) const { calls.push_back(std::move(line)); }
  static std::string Join(std::initializer_list<std::string_view> parts) {
    std::string out;
    bool first = true;
    for (std::string_view part : parts) {
      if (!first) out += "|";
      out += part;
      first = false;
    }
    return out;
  }
};

TEST(ForwardingUi, EveryOperationReachesTheUiUnderneathWithItsArgumentsAndAnswer) {
  CallLog inner;
  rules::ForwardingUi forwarding(inner);
  rules::Ui& ui = forwarding;

  ui.Message(rules::Popup::Reward, "", "You receive 500 credits.", "treasurer.jpg");
  ui.ShowNotice("War news!", "Ore wanted", "A war.", "news.jpg");
  EXPECT_TRUE(ui.Ask("Retreat?", "Leave the battle?"));
  EXPECT_TRUE(ui.IsVisible(rules::Screen::Sensors));
  EXPECT_EQ(ui.SensorSelection(), 3);
  ui.RedrawSystem(true);
  ui.UpdateStatusBars();
  ui.UpdateTradePopup();
  EXPECT_TRUE(ui.Choose("Alien artifact", "Sell it?", "artifact.jpg", "Sell", "Keep"));
  ui.ShowSpaceFinds();
  ui.ShowPromotion(rules::PromotionAward::Rank, 7);
  ui.ChooseNewAbility(rules::AbilityChoice::Combat);
  ui.ShowScoredNotice("Retirement", "", "Your career ends.", "retire.jpg", "Score: 900");
  ui.ShowEncounter("Hostile encounter!", "Pirate Starwolf", "Alert!", "scene.jpg");
  ui.SetupShipCombat(state::kClassGalaxy, kFactionCoalition, kMilitaryShip, 1);
  ui.RunShipCombat();
  EXPECT_TRUE(ui.RunFleetBattle(kFactionOuterRim, -1));
  ui.StopFlight();
  ui.CloseTravelScreen();
  ui.HideMissionPanel();
  ui.UpdateMissionPanel();
  ui.OpenMissions();
  ui.BeginTutorialStep(tutorial::Step::BuySupplies);
  ui.EndTutorialStep(tutorial::Step::FlyToSun);

  const int reward = static_cast<int>(rules::Popup::Reward);
  const int sensors = static_cast<int>(rules::Screen::Sensors);
  const int rank = static_cast<int>(rules::PromotionAward::Rank);
  const int combat = static_cast<int>(rules::AbilityChoice::Combat);
  EXPECT_EQ(inner.calls,
            (std::vector<std::string>{
                "Message " + std::to_string(reward) + " |You receive 500 credits.|treasurer.jpg",
                "ShowNotice War news!|Ore wanted|A war.|news.jpg",
                "Ask Retreat?|Leave the battle?",
                "IsVisible " + std::to_string(sensors),
                "SensorSelection",
                "RedrawSystem 1",
                "UpdateStatusBars",
                "UpdateTradePopup",
                "Choose Alien artifact|Sell it?|artifact.jpg|Sell|Keep",
                "ShowSpaceFinds",
                "ShowPromotion " + std::to_string(rank) + " 7",
                "ChooseNewAbility " + std::to_string(combat),
                "ShowScoredNotice Retirement||Your career ends.|retire.jpg|Score: 900",
                "ShowEncounter Hostile encounter!|Pirate Starwolf|Alert!|scene.jpg",
                "SetupShipCombat 14 3 2 1",
                "RunShipCombat",
                "RunFleetBattle 2 -1",
                "StopFlight",
                "CloseTravelScreen",
                "HideMissionPanel",
                "UpdateMissionPanel",
                "OpenMissions",
                "BeginTutorialStep 5",
                "EndTutorialStep 12",
            }));
}

TEST(ScriptUi, RecordsEveryOperationAndAnswersOnlyWhatTheTestScripted) {
  state::ClearGameState();
  support::ScriptUi ui;
  ui.answers = {true};
  ui.choiceAnswers = {false};
  EXPECT_TRUE(ui.Ask("Retreat?", "Leave the battle?"));
  EXPECT_FALSE(ui.Choose("Alien artifact", "Sell it?", "artifact.jpg", "Sell", "Keep"));
  ui.StopFlight();
  ui.BeginTutorialStep(tutorial::Step::BuySupplies);
  ui.SetupShipCombat(state::kClassGalaxy, kFactionCoalition, kMilitaryShip, 1);
  EXPECT_EQ(ui.operations, (std::vector<std::string>{
                               "Ask: Retreat? / Leave the battle? -> yes",
                               "Choose: Alien artifact / Sell it? -> Keep",
                               "StopFlight",
                               "BeginTutorialStep 5",
                               "SetupShipCombat 14 3 2 1",
                           }));
  EXPECT_EQ(state::EnemyShip[ship::kClass], 14) << "the set-up writes the enemy's identity";

  // The scripts are used up: the next question and choice fail the test, answered no.
  bool answer = true;
  EXPECT_NONFATAL_FAILURE(answer = ui.Ask("Quit game?", "Really?"),
                          "unscripted question: Quit game? / Really?");
  EXPECT_FALSE(answer);
  EXPECT_NONFATAL_FAILURE(answer = ui.Choose("Trade", "Sell?", "", "Yes", "No"),
                          "unscripted choice: Trade / Sell?");
  EXPECT_FALSE(answer);

  // A blanket answer is a script too.
  ui.defaultAnswer = true;
  ui.defaultChoice = true;
  EXPECT_TRUE(ui.Ask("Quit game?", "Really?"));
  EXPECT_TRUE(ui.Choose("Trade", "Sell?", "", "Yes", "No"));
}

}  // namespace
