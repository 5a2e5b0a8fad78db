// The rules' popups on the real popup forms: which form shows what, the answers, and the captions
// and score lines put back afterwards; the operations whose screens are not built yet.
#include "screens/screen_ui.h"

#include <gtest/gtest.h>

#include <type_traits>

#include "screens/form_test_fixture.h"
#include "screens/travel/message_popups.h"
#include "state/variables.h"

namespace screens_test {
namespace {

// The game's one implementation of the rules' Ui leaves no operation out.
static_assert(!std::is_abstract_v<screens::ScreenUi>);

using platform::Image;
using platform::Label;

class ScreenUiTest : public FormTest {
 protected:
  void SetUp() override {
    FormTest::SetUp();
    screens::FMessage1 = &m1;
    screens::FMessage2 = &m2;
    screens::FMessage3 = &m3;
    screens::FMessage4 = &m4;
    screens::FMessage5 = &m5;
    screens::FMessage6 = &m6;
    screens::FMessage7 = &m7;
    screens::FMessage8 = &m8;
  }
  void TearDown() override {
    screens::FMessage1 = nullptr;
    screens::FMessage2 = nullptr;
    screens::FMessage3 = nullptr;
    screens::FMessage4 = nullptr;
    screens::FMessage5 = nullptr;
    screens::FMessage6 = nullptr;
    screens::FMessage7 = nullptr;
    screens::FMessage8 = nullptr;
    FormTest::TearDown();
  }
  // The popup open now, checked and closed by its hidden Continue.
  std::function<void()> Expect(platform::Form& form, std::vector<std::pair<const char*, std::string>> labels,
                               std::pair<const char*, std::string> picture) {
    return [this, &form, labels, picture] {
      ASSERT_EQ(platform::App().ActiveForm(), &form);
      for (const auto& [name, text] : labels) EXPECT_EQ(form.Get<Label>(name).Caption(), text) << name;
      EXPECT_EQ(form.Get<Image>(picture.first).PictureName(), picture.second);
      FireClick(form, "SpeedButton1");
    };
  }

  screens::TFMessage1 m1;
  screens::TFMessage2 m2;
  screens::TFMessage3 m3;
  screens::TFMessage4 m4;
  screens::TFMessage5 m5;
  screens::TFMessage6 m6;
  screens::TFMessage7 m7;
  screens::TFMessage8 m8;
  screens::ScreenUi ui;
};

TEST_F(ScreenUiTest, EachKindOfMessageFillsAndShowsItsOwnPopup) {
  using rules::Popup;
  WhenIdle({
      Expect(m1, {{"Topic", "Game objective:"}, {"LabelText", "Welcome."}}, {"Image1", "hero1_20y.jpg"}),
      Expect(m3, {{"Topic", "Not enough crew!"}, {"LabelText", "Hire more."}}, {"Interface2", "Message3Int_02.jpg"}),
      Expect(m8, {{"Topic", "War news!"}, {"Topic2", ""}, {"LabelText", "A war."}}, {"Interface3", "news.jpg"}),
      Expect(m7, {{"LabelText", "You receive 500 credits."}}, {"Image1", "treasurer.jpg"}),
      Expect(m6, {{"LabelText", "You receive some experience points."}}, {"Image1", "FederationLogo.jpg"}),
      Expect(m8, {{"Topic", "Trade news!"}, {"Topic2", "Ore wanted"}, {"LabelText", "Prices rise."}}, {"Interface3", "news.jpg"}),
      Expect(m5, {{"Topic", "Hostile encounter!"}, {"Label1", "Pirate Starwolf"}, {"LabelText", "Alert!"}}, {"Image1", "Coalition_Starwolf_Scene.jpg"}),
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
    bool ask;            // FMessage4, else FMessage2 with its own captions
    const char* closer;  // Label1, Label2, or the hidden Continue
    bool yes;
  };
  const Case cases[] = {{true, "Label1", true},  {true, "Label2", false},  {true, "SpeedButton1", false},
                        {false, "Label1", true}, {false, "Label2", false}, {false, "SpeedButton1", false}};
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.ask ? "Ask " : "Choose ") + c.closer);
    screens::DialogResult = 1;  // left over from an earlier question
    screens::Message2Result = 1;
    platform::Form& form = c.ask ? static_cast<platform::Form&>(m4) : m2;
    WhenIdle({[&] {
      if (!c.ask) {
        EXPECT_EQ(m2.Get<Label>("Label1").Caption(), "Sell");
        EXPECT_EQ(m2.Get<Label>("Label2").Caption(), "Give");
      }
      if (std::string(c.closer) == "SpeedButton1") FireClick(form, c.closer);
      else ClickOn(form.Get<Label>(c.closer));
    }});
    const bool answer = c.ask ? ui.Ask("Visit website?", "Open a browser?")
                              : ui.Choose("Alien artifact", "Sell it?", "alienartifactr.jpg", "Sell", "Give");
    EXPECT_EQ(answer, c.yes);
    EXPECT_EQ(m2.Get<Label>("Label1").Caption(), "Yes");
    EXPECT_EQ(m2.Get<Label>("Label2").Caption(), "No");
  }
}

TEST_F(ScreenUiTest, ScoreLinesShowWithTheirNoticeOnly) {
  WhenIdle({
      [&] {
        EXPECT_TRUE(m8.Get<Label>("RetirementScreen_ScoreText").Visible());
        EXPECT_EQ(m8.Get<Label>("RetirementScreen_ScoreText").Caption(), "Life points left: 2");
        FireClick(m8, "SpeedButton1");
      },
      [&] {
        EXPECT_FALSE(m8.Get<Label>("RetirementScreen_Line").Visible());
        EXPECT_FALSE(m8.Get<Label>("RetirementScreen_ScoreText").Visible());
        FireClick(m8, "SpeedButton1");
      },
  });
  ui.ShowScoredNotice("New chance", "", "Your ship was lost.", "explosion.jpg", "Life points left: 2");
  ui.ShowNotice("War news!", "", "A war.", "news.jpg");
  EXPECT_FALSE(StepsLeft());
}

TEST(ScreenNotBuiltYet, NamesTheOperationOnceHoweverOftenItArrives) {
  testing::internal::CaptureStderr();
  screens::ScreenNotBuiltYet("OpenStarChart");
  screens::ScreenNotBuiltYet("OpenStarChart");
  screens::ScreenNotBuiltYet("OpenCargoHold");
  EXPECT_EQ(testing::internal::GetCapturedStderr(),
            "Farhaven 4: OpenStarChart reached a screen that is not built yet\n"
            "Farhaven 4: OpenCargoHold reached a screen that is not built yet\n");
}

// Without a combat screen the fight's set-up still writes what the rules read right after it,
// and the screens that are missing answer as if they showed nothing.
TEST(ScreenUiWithoutScreens, TheFightSetUpWritesTheEnemyAndNothingIsShownOrWon) {
  state::ClearGameState();
  screens::ScreenUi ui;
  ui.SetupShipCombat(14, 3, 2, 1);
  EXPECT_EQ(state::EnemyShip[1], 1);
  EXPECT_EQ(state::EnemyShip[2], 14);
  EXPECT_EQ(state::EnemyShip[7], 2);
  EXPECT_EQ(state::EnemyShip[8], 3);
  ui.RunShipCombat();
  EXPECT_EQ(state::EnemyShip[1], 1);
  EXPECT_FALSE(ui.RunFleetBattle(2, -1));
  EXPECT_FALSE(ui.IsVisible(rules::Screen::Travel));
}

}  // namespace
}  // namespace screens_test
