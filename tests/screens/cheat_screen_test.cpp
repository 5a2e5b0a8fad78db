// The cheat screen: its tiles light under the mouse (the no-ageing tile keeps its "on" picture),
// the switch, the credits, a fast start with its "Done", the enemy's destruction refused outside a
// fight, and Close.
#include "screens/career/cheat_screen.h"

#include "rules/new_game.h"
#include "screens/shared/game_forms.h"
#include "support/script_ui.h"
#include "screens/combat/ship_combat_screen.h"
#include "screens/shared/doors.h"
#include "screens/form_test_fixture.h"
#include "screens/popups/popup_forms.h"
#include "state/fields.h"
#include "state/progression.h"
#include "state/random.h"
#include "state/start_ship.h"
#include "state/variables.h"

namespace screens_test {
namespace {

using platform::Image;
using platform::Label;

class CheatScreenTest : public GameFormsTest {
 protected:
  void SetUp() override {
    GameFormsTest::SetUp();
    state::PlayerData[player::kFaction] = 1;
    state::PlayerData[player::kProfession] = 1;
    support::ScriptUi ui;
    rules::CreateNewGameWorld(state::StartShipClass(kProfessionTrader, kFactionFederation), ui);
    state::NoAgingFlag = 0;
  }
  void TearDown() override {
    state::NoAgingFlag = 0;
    GameFormsTest::TearDown();
  }
  static screens::CheatScreenForm& screen() {
    return screens::GameForm<screens::CheatScreenForm>();
  }
  static Image& Tile(int k) { return screen().Get<Image>("Tile" + std::to_string(k)); }
  static Label& TileLabel(int k) { return screen().Get<Label>("TileLabel" + std::to_string(k)); }
  static void CloseScreen() { ClickOn(TileLabel(screens::kCheatClose)); }
};

TEST_F(CheatScreenTest, TilePictures) {
  struct Case {
    int tile;
    bool lit;
    std::uint8_t noAgeing;
    const char* picture;
  };
  const Case cases[] = {
      {1, false, 0, "CheatsScreen_02.jpg"},     {1, true, 0, "CheatsScreenMouseOver_02.jpg"},
      {5, false, 0, "CheatsScreen_08.jpg"},     {8, true, 0, "CheatsScreenMouseOver_13.jpg"},
      {6, true, 0, "CheatsScreenMouseOver_10.jpg"}, {6, false, 1, "CheatsScreenON_10.jpg"},
      {6, true, 1, "CheatsScreenON_10.jpg"},    {7, true, 1, "CheatsScreenMouseOver_12.jpg"},
      {0, false, 0, ""},                        {9, true, 0, ""},
  };
  for (const Case& c : cases) {
    state::NoAgingFlag = c.noAgeing;
    EXPECT_EQ(screens::CheatTilePicture(c.tile, c.lit), c.picture)
        << c.tile << " lit " << c.lit << " switch " << int(c.noAgeing);
  }
}

TEST_F(CheatScreenTest, TheNoAgeingSwitchKeepsItsPictureUnderTheMouse) {
  WhenIdle({[&] {
    MoveOnto(Tile(2));
    EXPECT_EQ(Tile(2).PictureName(), "CheatsScreenMouseOver_04.jpg");
    MoveOnto(Tile(6));
    EXPECT_EQ(Tile(2).PictureName(), "CheatsScreen_04.jpg");
    EXPECT_EQ(Tile(6).PictureName(), "CheatsScreenMouseOver_10.jpg");
    ClickOn(TileLabel(6));
    EXPECT_EQ(state::NoAgingFlag, 1);
    EXPECT_EQ(state::GetPlayerAge(), 20);
    EXPECT_EQ(Tile(6).PictureName(), "CheatsScreenON_10.jpg");
    const platform::Rect face = screen().Get<Image>("Face").ScreenRect();
    platform::App().MouseMove(face.x + 6, face.y + 200);  // the margin left of the tiles
    EXPECT_EQ(screen().HoverIndex(), 0);
    EXPECT_EQ(Tile(6).PictureName(), "CheatsScreenON_10.jpg");
    ClickOn(Tile(6));
    EXPECT_EQ(state::NoAgingFlag, 0);
    EXPECT_EQ(Tile(6).PictureName(), "CheatsScreen_10.jpg");
    CloseScreen();
  }});
  screens::OpenCheatScreen();
  EXPECT_FALSE(screen().Visible());
  // The switch plays no sound; Close does.
  EXPECT_EQ(sounds.effects, std::vector<std::string>{"button.wav"});
}

TEST_F(CheatScreenTest, CreditsAndAFastStartActAndTheScreenStaysOpen) {
  const std::int32_t credits = state::PlayerData[player::kCredits];
  std::string done;
  WhenIdle({
      [&] {
        ClickOn(TileLabel(screens::kCheatCredits));
        EXPECT_EQ(state::PlayerData[player::kCredits], credits + 100000);
        ClickOn(TileLabel(screens::kCheatFastStart2));
      },
      [&] {
        done = screens::GameForm<screens::TextPopup>().Topic().Caption();
        ClickOn(screens::GameForm<screens::TextPopup>().Get<Label>("ContinueLabel"));
      },
      [&] {
        EXPECT_TRUE(screen().Visible());
        CloseScreen();
      },
  });
  screens::OpenCheatScreen();
  EXPECT_EQ(done, "Done");
  EXPECT_EQ(state::PlayerShip[ship::kClass], 13);
  EXPECT_EQ(state::PlayerData[player::kRank], 5);
  EXPECT_FALSE(StepsLeft());
}

TEST_F(CheatScreenTest, DestroyingTheEnemyOutsideAFightOnlyPlaysTheSound) {
  state::EnemyShip[ship::kShields] = 40;
  WhenIdle({[&] {
    ClickOn(TileLabel(screens::kCheatDestroyEnemy));
    FireClick(screen(), "HiddenDestroyEnemyButton");
  },
            [&] {
              EXPECT_TRUE(screen().Visible());
              CloseScreen();
            }});
  screens::OpenCheatScreen();
  EXPECT_EQ(state::EnemyShip[ship::kShields], 40);
  EXPECT_EQ(sounds.effects, (std::vector<std::string>{"button.wav", "button.wav", "button.wav"}));
}

TEST_F(CheatScreenTest, DestroyingTheEnemyDuringAFightEndsItWonAndClosesTheCheatScreen) {
  state::Randomize(7);
  screens::SetupShipCombatOnScreen(state::kClassStarwolf, kFactionPirates, kMilitaryShip, 0);
  bool opened = false, destroyed = false;
  std::vector<std::string> topics;
  int acts = 0;
  platform::App().SetIdleHook([&] {
    if (++acts > 50) {
      ADD_FAILURE() << "the fight does not end";
      throw OutOfSteps{};
    }
    if (!opened) {
      opened = true;
      platform::EventArgs a{*screens::GameForm<screens::ShipCombatScreen>().Find("CheatCorner")};
      screens::GameForm<screens::ShipCombatScreen>().Fire(platform::Event::DblClick, a);
      return;
    }
    for (auto* popup :
         std::initializer_list<screens::TopicPopup*>{&screens::GameForm<screens::PicturePopup>(),
                                                     &screens::GameForm<screens::TextPopup>()}) {
      if (!popup->Visible()) continue;
      topics.push_back(popup->Topic().Caption());
      ClickOn(popup->Get<Label>("ContinueLabel"));
      return;
    }
    for (auto* popup : std::initializer_list<screens::MessagePopup*>{
             &screens::GameForm<screens::FamePopup>(),
             &screens::GameForm<screens::RewardPopup>()}) {
      if (!popup->Visible()) continue;
      ClickOn(popup->Get<Label>("ContinueLabel"));
      return;
    }
    // The cheat screen over the fight: its tile ends the fight, whose popups speak over it; it
    // closes once they are gone.
    if (screen().Visible() && !destroyed) {
      destroyed = true;
      ClickOn(TileLabel(screens::kCheatDestroyEnemy));
      return;
    }
    ADD_FAILURE() << "nothing to answer";
    throw OutOfSteps{};
  });
  screens::RunShipCombatOnScreen();
  EXPECT_FALSE(screen().Visible());
  EXPECT_FALSE(screens::GameForm<screens::ShipCombatScreen>().Visible());
  EXPECT_EQ(state::EnemyShip[ship::kAlive], 0);
  EXPECT_EQ(state::PlayerShip[ship::kAlive], 1);
  EXPECT_FALSE(topics.empty()) << "the end of the fight says how it went";
}

}  // namespace
}  // namespace screens_test
