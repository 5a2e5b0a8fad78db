// Enter and Escape never spend game days, credits or the game, and never make a choice the player
// cannot take back: every control a key presses, on every form, is listed here with what the key
// does there and why that is free. The planet's "Back to space" and the pirate hideout's Close (a
// day each), the questions' "Yes", the Close of the ability selection after a promotion (the
// level's choice is lost) and both answers of a choice between two actions take a click.
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "app/forms.h"
#include "screens/combat/ship_combat_screen.h"
#include "screens/form_test_fixture.h"
#include "screens/popups/popup_forms.h"
#include "screens/popups/popups.h"
#include "screens/screen_ui.h"
#include "screens/shared/game_forms.h"

namespace screens_test {
namespace {

struct KeyedControl {
  std::string form;
  std::string key;  // "Enter" (default) or "Escape" (cancel)
  std::string control;
  auto operator<=>(const KeyedControl&) const = default;
};

// What the key does on each control it presses, and why that costs nothing.
const std::map<KeyedControl, std::string> kFreeKeys = {
    // Continue on the popups with one button: the message has done its work before it shows.
    {{"PicturePopup", "Enter", "ContinueButton"}, "closes a message, which changes nothing"},
    {{"PicturePopup", "Escape", "ContinueButton"}, "closes a message, which changes nothing"},
    {{"TextPopup", "Enter", "ContinueButton"}, "closes a message, which changes nothing"},
    {{"TextPopup", "Escape", "ContinueButton"}, "closes a message, which changes nothing"},
    {{"EncounterPopup", "Enter", "ContinueButton"}, "closes the alert; the fight was already coming"},
    {{"EncounterPopup", "Escape", "ContinueButton"}, "closes the alert; the fight was already coming"},
    {{"FamePopup", "Enter", "ContinueButton"}, "closes a notice of experience already gained"},
    {{"FamePopup", "Escape", "ContinueButton"}, "closes a notice of experience already gained"},
    {{"RewardPopup", "Enter", "ContinueButton"}, "closes a notice of credits already paid"},
    {{"RewardPopup", "Escape", "ContinueButton"}, "closes a notice of credits already paid"},
    {{"NoticePopup", "Enter", "ContinueButton"}, "closes news or a notice, which changes nothing"},
    {{"NoticePopup", "Escape", "ContinueButton"}, "closes news or a notice, which changes nothing"},
    // The pages of the retirement and of a promotion: they show what is already decided.
    {{"RetirementSummary", "Enter", "ContinueButton"}, "the next page of a scored retirement"},
    {{"RetirementSummary", "Escape", "ContinueButton"}, "the next page of a scored retirement"},
    {{"CareerLadder", "Enter", "ContinueButton"}, "on to the high-score table, the row is stored"},
    {{"CareerLadder", "Escape", "ContinueButton"}, "on to the high-score table, the row is stored"},
    {{"Promotion", "Enter", "ContinueLabel"}, "on to the ability selection, which still offers the choice"},
    {{"Promotion", "Escape", "ContinueLabel"}, "on to the ability selection, which still offers the choice"},
    // The questions' "No" where that "No" changes nothing. A question whose answers both act
    // takes the key away while it is open (tested below).
    {{"YesNoPopup", "Escape", "NoButton"}, "answers No, which refuses and leaves all as it was"},
    {{"ChoicePopup", "Escape", "NoButton"}, "answers No to a yes/no question (the bribe), which refuses"},
    {{"QuitGamePopup", "Escape", "NoButton"}, "answers No: the game goes on as it was"},
    // The new game's pages, before any game runs.
    {{"FactionSelection", "Enter", "ContinueHit"}, "the next page of a new game; no game runs yet"},
    {{"NameSelection", "Enter", "ContinueButton"}, "the next page of a new game; no game runs yet"},
    {{"ProfessionSelection", "Enter", "ContinueButton"}, "the next page of a new game; no game runs yet"},
    // Screens whose leaving costs nothing and loses nothing.
    {{"AbilitySelection", "Escape", "CloseButton"},
     "closes the browsing of the personal status; after a promotion the key is off (tested below)"},
    {{"Bank", "Escape", "LeaveButton"}, "leaves the bank, which costs no day"},
    {{"Bar", "Escape", "CloseButton"}, "leaves the bar, which costs no day"},
    {{"CampaignScreen", "Escape", "CloseButton"}, "closes the campaign report"},
    {{"CheatScreen", "Escape", "Tile8"}, "closes the cheat screen, doing nothing"},
    {{"Credits", "Escape", "BackButton"}, "back to the start screen; no game runs"},
    {{"CrewHiring", "Escape", "BackButton"}, "leaves the hiring office, hiring nobody"},
    {{"EquipmentShop", "Escape", "CloseButton"}, "leaves the shop, buying nothing"},
    {{"Example", "Escape", "BackButton"}, "closes the example screen, which does nothing"},
    {{"GalaxyMap", "Escape", "CloseButton"}, "closes the map, flying nowhere"},
    {{"GameOptions", "Escape", "CloseTile"}, "closes the options, each set by its own click"},
    {{"Governor", "Escape", "BackButton"}, "leaves the governor, which costs no day"},
    {{"HighScore", "Escape", "BackButton"}, "closes the table; the rows are stored"},
    {{"MissionBoard", "Escape", "CloseButton"}, "closes the board, taking no mission"},
    {{"PersonalStatus", "Escape", "BackLabel"}, "closes the pilot's record"},
    {{"SaveLoad", "Escape", "CloseButton"}, "closes the slots, saving and loading nothing"},
    {{"Sensors", "Escape", "BackButton"}, "closes the sensors, attacking nobody"},
    {{"ShipStatus", "Escape", "CloseButton"}, "closes the ship's status"},
    {{"Shipyard", "Escape", "CloseButton"}, "leaves the shipyard, buying nothing"},
    {{"SimulatorSetup", "Escape", "BackButton"}, "back to the start screen; no game runs"},
    {{"TradeWindow", "Escape", "CloseButton"}, "closes the trade window, trading nothing"},
};

TEST_F(GameFormsTest, EveryControlAKeyPressesLeavesOrContinuesForFree) {
  std::map<KeyedControl, bool> keyed;
  for (const app::FormEntry& e : app::GameForms()) {
    platform::Form* form = platform::App().FindForm(e.name);
    ASSERT_NE(form, nullptr) << e.name;
    for (platform::Control* c : form->AllControls()) {
      if (c->IsDefault()) keyed[{e.name, "Enter", c->Name()}] = true;
      if (c->IsCancel()) keyed[{e.name, "Escape", c->Name()}] = true;
    }
  }
  for (const auto& [k, _] : keyed)
    EXPECT_TRUE(kFreeKeys.count(k)) << k.key << " presses " << k.form << "." << k.control
                                    << ": is its click free? Then list it here with why; else "
                                       "take the key away";
  for (const auto& [k, why] : kFreeKeys) {
    EXPECT_TRUE(keyed.count(k)) << k.key << " no longer presses " << k.form << "." << k.control;
    EXPECT_FALSE(why.empty()) << k.form << "." << k.control;
  }
  for (const char* costly : {"PlanetScreen", "PirateHideout"})
    for (const auto& [k, _] : keyed) EXPECT_NE(k.form, costly) << k.key << " presses " << k.control;
}

// Every question the game asks, as its screens ask it: Enter never answers; Escape answers "No"
// where that "No" changes nothing, and nothing at all where both answers act or the "No" lets an
// offer go for good, so the question stays open until a click. A question asked after one without
// the key has Escape again.
TEST_F(GameFormsTest, EscapeAnswersNoOnlyWhereTheNoChangesNothing) {
  screens::ScreenUi rules;
  screens::ShipCombatUi fight(screens::GameForm<screens::ShipCombatScreen>());
  platform::Form* const Choice = &screens::GameForm<screens::ChoicePopup>();
  platform::Form* const QuitGame = &screens::GameForm<screens::QuitGamePopup>();
  platform::Form* const YesNo = &screens::GameForm<screens::YesNoPopup>();
  struct Question {
    const char* what;
    platform::Form* form;
    std::function<bool()> ask;
    bool escapeSaysNo;
  };
  const Question questions[] = {
      {"the artifact: Sell or Give", Choice,
       [&] { return rules.Choose("Alien Artifact:", "Sell or give?", "alienartifactr.jpg", "Sell", "Give"); },
       false},
      {"the bribe: Yes or No", Choice,
       [&] { return rules.Choose("Bribe?", "Would you like to pay?", "barman.jpg", "Yes", "No"); },
       true},
      {"the secret data: Keep (Illegal) or Delete", Choice,
       [&] {
         return rules.Choose("Secret data:", "You receive data.", "GeneralMissionPic.jpg",
                             "Keep (Illegal)", "Delete");
       },
       false},
      {"a question whose No refuses", YesNo, [&] { return rules.Ask("Purchase ship?", "Buy it?"); }, true},
      {"the boarding offer, made once a fight", Choice,
       [&] { return fight.AskWithPicture("Boarding?", "Board the ship?", "scene.jpg"); }, false},
      {"the desktop's quit question", QuitGame, [] { return screens::popups::AskQuitGame(); }, true},
      {"the cargo bay: plunder or go on to the bridge", YesNo,
       [&] { return fight.AskEitherWay("Cargobay!", "Plunder and go home?"); }, false},
      {"the learning of an ability", YesNo,
       [] { return screens::popups::AskYesNo("Focus beam", "Do you wish to learn this ability?"); },
       true},
  };
  for (const Question& q : questions) {
    SCOPED_TRACE(q.what);
    screens::YesNoAnswer = screens::ChoiceAnswer = screens::QuitGameAnswer = 0;
    const auto stillOpen = [&q] {
      EXPECT_EQ(platform::App().ActiveForm(), q.form);
      EXPECT_EQ(screens::YesNoAnswer + screens::ChoiceAnswer + screens::QuitGameAnswer, 0);
    };
    std::vector<std::function<void()>> steps = {
        [] { platform::App().PressKey(platform::Key::Enter); },
        [&] {
          stillOpen();
          platform::App().PressKey(platform::Key::Escape);
        },
    };
    // Where Escape does nothing, the question waits for the click on its second answer.
    if (!q.escapeSaysNo)
      steps.push_back([&] {
        stillOpen();
        ClickOn(q.form->Get<platform::Label>("NoLabel"));
      });
    WhenIdle(steps);
    EXPECT_FALSE(q.ask());
    EXPECT_FALSE(StepsLeft());
    EXPECT_FALSE(q.form->Visible());
  }
}

}  // namespace
}  // namespace screens_test
