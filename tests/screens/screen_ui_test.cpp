// The rules' popups on the real popup forms: which form shows what, the answers, and the captions
// and score lines put back afterwards; an operation whose form is missing ends the program.
#include "screens/screen_ui.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <type_traits>

#include "screens/form_test_fixture.h"
#include "screens/popups/popup_forms.h"
#include "screens/shared/game_forms.h"
#include "state/fields.h"
#include "state/variables.h"

namespace screens_test {
namespace {

// The game's one implementation of the rules' Ui leaves no operation out.
static_assert(!std::is_abstract_v<screens::ScreenUi>);

using platform::Image;
using platform::Label;

class ScreenUiTest : public GameFormsTest {
 protected:
  // The popup open now, checked and closed by its hidden Continue.
  std::function<void()> Expect(platform::Form& form, std::vector<std::pair<const char*, std::string>> labels,
                               std::pair<const char*, std::string> picture) {
    return [this, &form, labels, picture] {
      ASSERT_EQ(platform::App().ActiveForm(), &form);
      for (const auto& [name, text] : labels) EXPECT_EQ(form.Get<Label>(name).Caption(), text) << name;
      EXPECT_EQ(form.Get<Image>(picture.first).PictureName(), picture.second);
      FireClick(form, "HiddenContinueButton");
    };
  }

  static screens::PicturePopup& picture() { return screens::GameForm<screens::PicturePopup>(); }
  static screens::ChoicePopup& choice() { return screens::GameForm<screens::ChoicePopup>(); }
  static screens::TextPopup& text() { return screens::GameForm<screens::TextPopup>(); }
  static screens::YesNoPopup& yesNo() { return screens::GameForm<screens::YesNoPopup>(); }
  static screens::EncounterPopup& encounter() {
    return screens::GameForm<screens::EncounterPopup>();
  }
  static screens::FamePopup& fame() { return screens::GameForm<screens::FamePopup>(); }
  static screens::RewardPopup& reward() { return screens::GameForm<screens::RewardPopup>(); }
  static screens::NoticePopup& notice() { return screens::GameForm<screens::NoticePopup>(); }
  screens::ScreenUi ui;
};

TEST_F(ScreenUiTest, EachKindOfMessageFillsAndShowsItsOwnPopup) {
  using rules::Popup;
  WhenIdle({
      Expect(picture(), {{"Topic", "Game objective:"}, {"Text", "Welcome."}}, {"Picture", "hero1_20y.jpg"}),
      Expect(text(), {{"Topic", "Not enough crew!"}, {"Text", "Hire more."}}, {"ContinueButton", "Message3Int_02.jpg"}),
      Expect(notice(), {{"Topic", "War news!"}, {"Headline", ""}, {"Text", "A war."}}, {"Picture", "news.jpg"}),
      Expect(reward(), {{"Text", "You receive 500 credits."}}, {"Picture", "treasurer.jpg"}),
      Expect(fame(), {{"Text", "You receive some experience points."}}, {"Picture", "FederationLogo.jpg"}),
      Expect(notice(), {{"Topic", "Trade news!"}, {"Headline", "Ore wanted"}, {"Text", "Prices rise."}}, {"Picture", "news.jpg"}),
      Expect(encounter(), {{"Topic", "Hostile encounter!"}, {"Opponent", "Pirate Starwolf"}, {"Text", "Alert!"}}, {"Picture", "Coalition_Starwolf_Scene.jpg"}),
  });
  ui.Message(Popup::Picture, "Game objective:", "Welcome.", "hero1_20y.jpg");
  ui.Message(Popup::Text, "Not enough crew!", "Hire more.");
  ui.Message(Popup::Notice, "War news!", "A war.", "news.jpg");
  ui.Message(Popup::Reward, "", "You receive 500 credits.", "treasurer.jpg");
  ui.Message(Popup::Fame, "", "You receive some experience points.", "FederationLogo.jpg");
  ui.ShowNotice("Trade news!", "Ore wanted", "Prices rise.", "news.jpg");
  ui.ShowEncounter("Hostile encounter!", "Pirate Starwolf", "Alert!", "Coalition_Starwolf_Scene.jpg");
  EXPECT_FALSE(StepsLeft());
}

TEST_F(ScreenUiTest, QuestionsAreYesOnlyOnTheFirstButtonAndTheChoiceCaptionsGoBack) {
  struct Case {
    bool ask;            // the yes/no popup, else the choice popup with its own captions
    const char* closer;  // the first or second caption, or the hidden Continue
    bool yes;
  };
  const Case cases[] = {{true, "YesLabel", true},  {true, "NoLabel", false},  {true, "HiddenContinueButton", false},
                        {false, "YesLabel", true}, {false, "NoLabel", false}, {false, "HiddenContinueButton", false}};
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.ask ? "Ask " : "Choose ") + c.closer);
    screens::YesNoAnswer = 1;  // left over from an earlier question
    screens::ChoiceAnswer = 1;
    platform::Form& form = c.ask ? static_cast<platform::Form&>(yesNo()) : choice();
    WhenIdle({[&] {
      if (!c.ask) {
        EXPECT_EQ(choice().Get<Label>("YesLabel").Caption(), "Sell");
        EXPECT_EQ(choice().Get<Label>("NoLabel").Caption(), "Give");
      }
      if (std::string(c.closer) == "HiddenContinueButton") FireClick(form, c.closer);
      else ClickOn(form.Get<Label>(c.closer));
    }});
    const bool answer = c.ask ? ui.Ask("Visit website?", "Open a browser?")
                              : ui.Choose("Alien artifact", "Sell it?", "alienartifactr.jpg", "Sell", "Give");
    EXPECT_EQ(answer, c.yes);
    EXPECT_EQ(choice().Get<Label>("YesLabel").Caption(), "Yes");
    EXPECT_EQ(choice().Get<Label>("NoLabel").Caption(), "No");
  }
}

TEST_F(ScreenUiTest, ScoreLinesShowWithTheirNoticeOnly) {
  WhenIdle({
      [&] {
        EXPECT_TRUE(notice().Get<Label>("ScoreText").Visible());
        EXPECT_EQ(notice().Get<Label>("ScoreText").Caption(), "Life points left: 2");
        FireClick(notice(), "HiddenContinueButton");
      },
      [&] {
        EXPECT_FALSE(notice().Get<Label>("ScoreLine").Visible());
        EXPECT_FALSE(notice().Get<Label>("ScoreText").Visible());
        FireClick(notice(), "HiddenContinueButton");
      },
  });
  ui.ShowScoredNotice("New chance", "", "Your ship was lost.", "explosion.jpg", "Life points left: 2");
  ui.ShowNotice("War news!", "", "A war.", "news.jpg");
  EXPECT_FALSE(StepsLeft());
}

// The fight's set-up writes what the rules read right after it, before the fight is shown.
TEST_F(ScreenUiTest, TheFightSetUpWritesTheEnemy) {
  state::ClearGameState();
  screens::ScreenUi ui;
  ui.SetupShipCombat(state::kClassGalaxy, kFactionCoalition, kMilitaryShip, 1);
  EXPECT_EQ(state::EnemyShip[ship::kAlive], 1);
  EXPECT_EQ(state::EnemyShip[ship::kClass], 14);
  EXPECT_EQ(state::EnemyShip[ship::kEnemyKind], 2);
  EXPECT_EQ(state::EnemyShip[ship::kFaction], state::Stored(kFactionCoalition));
}

// An operation of the rules whose screen was never created is no silent "nothing shown": the
// program ends, naming the form it missed.
TEST(ScreenUiWithoutScreens, EachOperationEndsTheProgramNamingTheMissingForm) {
  struct Case {
    const char* operation;
    std::function<void(screens::ScreenUi&)> call;
    const char* form;
  };
  const Case cases[] = {
      {"SetupShipCombat",
       [](screens::ScreenUi& ui) { ui.SetupShipCombat(state::kClassGalaxy, kFactionCoalition, kMilitaryShip, 1); },
       "ShipCombatScreen"},
      // The battle first puts the trade window aside.
      {"RunFleetBattle", [](screens::ScreenUi& ui) { ui.RunFleetBattle(kFactionOuterRim, -1); },
       "TradeWindowScreen"},
      {"IsVisible", [](screens::ScreenUi& ui) { ui.IsVisible(rules::Screen::Travel); },
       "TravelScreenForm"},
      {"RedrawSystem", [](screens::ScreenUi& ui) { ui.RedrawSystem(true); }, "TravelScreenForm"},
      {"UpdateTradePopup", [](screens::ScreenUi& ui) { ui.UpdateTradePopup(); },
       "TradeWindowScreen"},
      {"StopFlight", [](screens::ScreenUi& ui) { ui.StopFlight(); }, "FlightScreen"},
      {"Ask", [](screens::ScreenUi& ui) { ui.Ask("Topic", "Text"); }, "YesNoPopup"},
  };
  testing::FLAGS_gtest_death_test_style = "threadsafe";
  for (const Case& c : cases) {
    screens::ScreenUi ui;
    EXPECT_DEATH(c.call(ui),
                 std::string("the form screens::") + c.form + " was used but has not been created")
        << c.operation;
  }
}

}  // namespace
}  // namespace screens_test
