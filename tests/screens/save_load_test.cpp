// The save and load screen: a game saved into a slot under a typed name and loaded back the same,
// one day later; an empty slot and a game that is not running refused with their messages.
#include "screens/career/save_load.h"

#include <filesystem>
#include <optional>

#include "rules/new_game.h"
#include "screens/form_test_fixture.h"
#include "screens/popups/popup_forms.h"
#include "screens/shared/game_forms.h"
#include "screens/travel/travel_screen.h"
#include "state/fields.h"
#include "state/general_data.h"
#include "state/savegame.h"
#include "state/ship_class_of.h"
#include "state/start_ship.h"
#include "support/data_folder_at.h"
#include "support/script_ui.h"

namespace screens_test {
namespace {

namespace fs = std::filesystem;
using platform::Label;

class SaveLoadTest : public GameFormsTest {
 protected:
  void SetUp() override {
    GameFormsTest::SetUp();
    home = fs::current_path();
    work = fs::path(::testing::TempDir()) / "farhaven_save_load_test";
    fs::remove_all(work);
    fs::create_directories(work);
    fs::current_path(work);
    data.emplace(work);  // the saves go here too
    state::SetGeneralDataDefaults();
    state::ClearGameState();
  }
  void TearDown() override {
    data.reset();
    fs::current_path(home);
    GameFormsTest::TearDown();
  }
  static screens::SaveLoadScreen& screen() { return screens::GameForm<screens::SaveLoadScreen>(); }
  static void Answer(const char* label) {
    ClickOn(screens::GameForm<screens::YesNoPopup>().Get<Label>(label));
  }
  // The text popup open now: its topic, then closed.
  static std::function<void()> Read(std::string* topic) {
    return [topic] {
      *topic = screens::GameForm<screens::TextPopup>().Topic().Caption();
      ClickOn(screens::GameForm<screens::TextPopup>().Get<Label>("ContinueLabel"));
    };
  }
  void NewGame() {
    state::PlayerData[player::kFaction] = 2;
    state::PlayerData[player::kProfession] = 1;
    support::ScriptUi ui;
    rules::CreateNewGameWorld(state::StartShipClass(kProfessionCombatTrader, kFactionFederation), ui);
  }

  fs::path home, work;
  std::optional<support::DataFolderAt> data;
};

TEST_F(SaveLoadTest, ASavedGameLoadsBackTheSameOneDayLater) {
  NewGame();
  const std::int32_t credits = state::PlayerData[player::kCredits];
  const state::ShipClassId shipClass = state::ShipClassOf(state::PlayerShip);
  const std::int32_t system = state::PlayerShip[ship::kSystem];
  const std::int32_t day = state::GameDay;
  std::string saved, loaded;
  screen().ShowSaveSlotNames();
  WhenIdle({
      [&] {
        screen().Get<platform::Edit>("SlotName3").SetText("Before the jump");
        ClickOn(screen().Get<platform::Image>("SaveButton3"));
      },
      [] { Answer("YesLabel"); },
      Read(&saved),
      [&] {
        // The game moves on after the save; the load must bring back the saved one.
        state::PlayerData[player::kCredits] = 1;
        state::PlayerShip[ship::kSystem] = system == 1 ? 2 : 1;
        // A tutorial running when a game is loaded ends: the loaded game is played without it.
        state::TutorialActive = 1;
        state::TutorialStep = 12;
        ClickOn(screen().Get<platform::Image>("LoadButton3"));
      },
      [] { Answer("YesLabel"); },
      Read(&loaded),
  });
  screen().ShowModal();
  EXPECT_FALSE(StepsLeft());
  EXPECT_FALSE(screen().Visible()) << "a successful load closes the screen";
  EXPECT_EQ(state::SaveSlotNames[3], "Before the jump");
  EXPECT_EQ(state::SaveSlotUsed[3], 1);
  EXPECT_EQ(state::PlayerShip[ship::kClass], state::Stored(shipClass));
  EXPECT_EQ(state::PlayerShip[ship::kSystem], system);
  EXPECT_EQ(state::DisplayedSystem, system);
  EXPECT_EQ(state::GameDay, day + 1) << "the load runs one day";
  EXPECT_EQ(state::TutorialActive, 0) << "a load stops a running tutorial";
  EXPECT_GE(state::PlayerData[player::kCredits], credits - 1000) << "the saved credits, less a day";
  EXPECT_NE(saved, "");
  EXPECT_NE(loaded, "");
}

TEST_F(SaveLoadTest, CloseMinimisesOnlyWhereTheTravelScreenShows) {
  for (const bool travel : {false, true}) {
    SCOPED_TRACE(travel ? "over the travel screen" : "over the start screen");
    if (travel) screens::GameForm<screens::TravelScreenForm>().Show();
    sounds.effects.clear();
    WhenIdle({[] { ClickOn(screen().Get<Label>("CloseLabel")); }});
    screen().ShowModal();
    EXPECT_FALSE(screen().Visible());
    const std::vector<std::string> expected =
        travel ? std::vector<std::string>{"button.wav", "mini.wav"} : std::vector<std::string>{"button.wav"};
    EXPECT_EQ(sounds.effects, expected);
  }
  screens::GameForm<screens::TravelScreenForm>().Hide();
}

TEST_F(SaveLoadTest, AnEmptySlotAndAGameNotRunningAreRefusedWithTheirMessages) {
  std::string empty, notRunning;
  WhenIdle({
      [] { ClickOn(screen().Get<platform::Image>("LoadButton2")); },
      Read(&empty),
      [] { ClickOn(screen().Get<platform::Image>("SaveButton2")); },
      Read(&notRunning),
      [] { ClickOn(screen().Get<Label>("CloseLabel")); },
  });
  screen().ShowModal();
  EXPECT_FALSE(StepsLeft());
  EXPECT_EQ(empty, state::kEmptySlotTopic);
  EXPECT_EQ(notRunning, state::kNoGameToSaveTopic);
  EXPECT_EQ(state::SaveSlotUsed[2], 0);
  EXPECT_FALSE(fs::exists(work / "Savegame2.int"));
}

TEST_F(SaveLoadTest, OpeningTheScreenShowsASaveTheListOfSlotsMissed) {
  // A first save whose program ended before the list of slots was written: the pair is whole on
  // disk, the list calls the slot empty.
  NewGame();
  state::PlayerName = "Tam Orly";
  ASSERT_TRUE(state::SaveGame(4, "").ok);
  const std::string automatic = state::SaveSlotNames[4];
  EXPECT_EQ(automatic, "Tam Orly - Star date 2450.1");
  state::SaveSlotUsed[4] = 0;
  state::SaveSlotNames[4].clear();
  std::string loaded;
  screen().ShowSaveSlotNames();
  EXPECT_EQ(screen().Get<platform::Edit>("SlotName4").Text(), automatic);
  EXPECT_EQ(state::SaveSlotUsed[4], 1);
  WhenIdle({
      [] { ClickOn(screen().Get<platform::Image>("LoadButton4")); },
      [] { Answer("YesLabel"); },
      Read(&loaded),
  });
  screen().ShowModal();
  EXPECT_EQ(loaded, "Game loaded!");
}

}  // namespace
}  // namespace screens_test
