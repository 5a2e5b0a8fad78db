// The name and portrait screen: what a typed name becomes, the portrait cycle both ways, the lit
// buttons, and Enter in the name edit continuing.
#include "screens/career/name_selection.h"

#include "screens/form_test_fixture.h"
#include "screens/shared/game_forms.h"
#include "state/fields.h"

namespace screens_test {
namespace {

using platform::Key;
using state::PlayerData;


class NameSelectionTest : public GameFormsTest {
 protected:
  static screens::NameSelectionScreen& screen() {
    return screens::GameForm<screens::NameSelectionScreen>();
  }
  static platform::Edit& edit() { return screen().Get<platform::Edit>("NameEdit"); }
};

TEST_F(NameSelectionTest, TheTypedNameIsStoredAndShownAsTheGameKeepsIt) {
  const std::string longName(300, 'x');
  struct Case {
    const char* what;
    bool clear;          // the player first empties the edit
    std::string typed;   // then types this
    std::string shown;   // what the edit holds
    std::string stored;  // the player's name after Continue
  };
  const Case cases[] = {
      {"untouched", false, "", "(Please enter your name here)", "Incognito"},
      {"emptied", true, "", "", "Incognito"},
      {"plain with blanks", true, " Jane  Doe ", " Jane  Doe ", " Jane  Doe "},
      {"accents and euro", true, "Zoë €uro", "Zoë €uro", "Zoë €uro"},
      {"outside the code page", true, "Ann\u4e2d", "Ann?", "Ann?"},
      {"300 characters", true, longName, std::string(255, 'x'), std::string(255, 'x')},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    edit().SetText(screens::kNamePlaceholder);
    PlayerData[player::kProfession] = 4;
    state::PlayerName = "before";
    WhenIdle({[&] {
      if (c.clear) {
        ClickOn(edit());
        edit().SetText("");
      }
      if (!c.typed.empty()) {
        ClickOn(edit());
        platform::App().TypeText(c.typed);
      }
      EXPECT_EQ(edit().Text(), c.shown);
      ClickOn(screen().Get<platform::Label>("ContinueLabel"));
    }});
    screen().ShowModal();
    EXPECT_FALSE(screen().Visible());
    EXPECT_EQ(state::PlayerName, c.stored);
    EXPECT_EQ(PlayerData[player::kProfession], 1);
  }
}

TEST_F(NameSelectionTest, ThePlainRulesOfNamesAndPortraits) {
  EXPECT_EQ(screens::ChosenPlayerName(""), "Incognito");
  EXPECT_EQ(screens::ChosenPlayerName("(Please enter your name here)"), "Incognito");
  EXPECT_EQ(screens::ChosenPlayerName("(Please enter your name here) "), "(Please enter your name here) ");
  struct Case {
    int portrait;
    const char* picture;
    int previous, next;
  };
  for (const Case& c : {Case{0, "hero1_20y.jpg", 2, 1}, Case{1, "hero2_20y.jpg", 0, 2},
                        Case{2, "hero3_20y.jpg", 1, 0}}) {
    SCOPED_TRACE(c.portrait);
    EXPECT_EQ(screens::PortraitPicture(c.portrait), c.picture);
    EXPECT_EQ(screens::StepPortrait(c.portrait, -1), c.previous);
    EXPECT_EQ(screens::StepPortrait(c.portrait, +1), c.next);
  }
  EXPECT_EQ(screens::PortraitPicture(3), "");
  EXPECT_EQ(screens::PortraitPicture(-1), "");
}

TEST_F(NameSelectionTest, PortraitsCycleBothWaysAndTheTitlesStepBack) {
  PlayerData[player::kPortrait] = 0;
  screen().ShowSelectNamePortrait();
  screen().Show();
  struct Step {
    const char* click;
    int portrait;
  };
  for (const Step& s : {Step{"PreviousLabel", 2}, Step{"PreviousButton", 1}, Step{"NameTitle", 0},
                        Step{"PortraitTitle", 2}, Step{"NextButton", 0}, Step{"NextLabel", 1}}) {
    SCOPED_TRACE(s.click);
    ClickOn(*screen().Find(s.click));
    EXPECT_EQ(PlayerData[player::kPortrait], s.portrait);
    EXPECT_EQ(Picture(screen(), "Portrait"), screens::PortraitPicture(s.portrait));
  }
  PlayerData[player::kPortrait] = 7;
  screen().ShowSelectNamePortrait();
  EXPECT_EQ(Picture(screen(), "Portrait"), "hero2_20y.jpg") << "an unknown portrait keeps the picture";
  screen().Hide();
}

TEST_F(NameSelectionTest, ButtonsLightUnderTheMouseAndGoOutOnTheFace) {
  screen().Show();
  MoveOnto(screen().Get<platform::Label>("NextLabel"));
  EXPECT_EQ(Picture(screen(), "NextButton"), "psp_09_highlighted.jpg");
  MoveOnto(screen().Get<platform::Image>("ContinueButton"));
  EXPECT_EQ(Picture(screen(), "NextButton"), "psp_09.jpg");
  EXPECT_EQ(Picture(screen(), "ContinueButton"), "psp_11_highlighted.jpg");
  MoveOnto(screen().Get<platform::Image>("BottomFace"), -200);
  EXPECT_EQ(screen().LitButton(), 0);
  EXPECT_EQ(Picture(screen(), "ContinueButton"), "psp_11.jpg");
  screen().Hide();
}

TEST_F(NameSelectionTest, EnterInTheNameEditContinues) {
  edit().SetText("");
  WhenIdle({[&] {
    ClickOn(edit());
    platform::App().TypeText("Ria");
    platform::App().PressKey(Key::Enter);
  }});
  screen().ShowModal();
  EXPECT_FALSE(screen().Visible());
  EXPECT_EQ(state::PlayerName, "Ria");
}

}  // namespace
}  // namespace screens_test
