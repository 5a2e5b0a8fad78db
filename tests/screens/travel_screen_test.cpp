// The travel screen on a new world: what it draws on opening, the refusals of the missions,
// sensors and invasion icons, the doors to their screens, the mission panel
// with its cancel question, the compatibility labels, and its close rules.
#include "screens/travel/travel_screen.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>

#include "app/start.h"
#include "screens/combat/ship_combat_screen.h"
#include "screens/combat/fleet_battle_screen.h"
#include "platform/canvas.h"
#include "rules/daily_turn.h"
#include "rules/new_game.h"
#include "screens/shared/game_forms.h"
#include "support/data_folder_at.h"
#include "support/rows.h"
#include "support/script_ui.h"
#include "screens/career/save_load.h"
#include "screens/form_test_fixture.h"
#include "screens/legible_labels.h"
#include "screens/popups/popup_forms.h"
#include "screens/career/cheat_screen.h"
#include "screens/career/personal_status.h"
#include "screens/career/ability_selection.h"
#include "screens/career/promotion_screen.h"
#include "screens/port/campaign_screen.h"
#include "screens/port/mission_board.h"
#include "screens/travel/sensors.h"
#include "screens/travel/galaxy_map.h"
#include "screens/shared/doors.h"
#include "state/fields.h"
#include "state/general_data.h"
#include "state/mission_types.h"
#include "state/random.h"
#include "state/savegame.h"
#include "state/start_ship.h"

namespace screens_test {
namespace {

using platform::Image;
using platform::Label;
screens::TextPopup& Text() { return screens::GameForm<screens::TextPopup>(); }
screens::YesNoPopup& YesNo() { return screens::GameForm<screens::YesNoPopup>(); }

// The player's home: Sol (system 1, the Federation's), the ship at Earth (body 2).
constexpr int kSol = 1;

class TravelScreenTest : public GameFormsTest {
 protected:
  void SetUp() override {
    GameFormsTest::SetUp();
    state::SetGeneralDataDefaults();
    state::ClearGameState();
    state::Randomize(7);
    state::PlayerData[player::kFaction] = 1;
    state::PlayerData[player::kProfession] = 1;
    support::ScriptUi ui;
    rules::CreateNewGameWorld(state::StartShipClass(kProfessionTrader, kFactionFederation), ui);
    // Quiet defaults the cases change: no campaign, no criminal, no ship in range.
    state::SystemData[kSol][star_system::kCampaign] = 0;
    state::PlayerData[player::kCriminalDays] = 0;
    for (auto& s : state::SpecialShips) s[special_ship::kActive] = 0;
    state::ActiveMission.fill(0);
  }
  static screens::TravelScreenForm& screen() {
    return screens::GameForm<screens::TravelScreenForm>();
  }
  template <class T = Image>
  static T& Part(const char* name) {
    return screen().Get<T>(name);
  }
  static void RightClickOn(const platform::Control& c) {
    auto [x, y] = Reachable(c);
    platform::App().MouseMove(x, y);
    platform::App().MouseDown(platform::MouseButton::Right, x, y);
    platform::App().MouseUp(platform::MouseButton::Right, x, y);
  }
  // Reads the text popup open now and closes it.
  static std::function<void()> Read(std::string* topic, std::string* text = nullptr) {
    return [topic, text] {
      *topic = Text().Topic().Caption();
      if (text) *text = Text().Text().Caption();
      ClickOn(Text().Get<Label>("ContinueLabel"));
    };
  }
  // Where a door opens a screen instead of a popup: "opened" and that screen's form name, and the
  // screen is closed again; otherwise the popup is read as Read does.
  static std::function<void()> ReadOrClose(std::string* topic, std::string* text) {
    return [topic, text] {
      for (platform::Form* form : std::initializer_list<platform::Form*>{
               &screens::GameForm<screens::MissionBoardScreen>(),
               &screens::GameForm<screens::CampaignScreenForm>(),
               &screens::GameForm<screens::SensorsScreen>(),
               &screens::GameForm<screens::GalaxyMapScreen>(),
               &screens::GameForm<screens::PersonalStatusScreen>(),
               &screens::GameForm<screens::CheatScreenForm>()}) {
        if (form == nullptr || !form->Visible()) continue;
        *topic = "opened";
        *text = form->Name();
        form->Close();
        return;
      }
      Read(topic, text)();
    };
  }
  static std::function<void()> Answer(bool yes) {
    return [yes] { ClickOn(YesNo().Get<Label>(yes ? "YesLabel" : "NoLabel")); };
  }
  // The last step: the game is over and the screen closes by the rule's permission.
  static std::function<void()> GameOver() {
    return [] {
      state::TravelMayClose = 1;
      screens::CloseTravelScreenForGameOver();
    };
  }
  // Saves the screen for a look when FARHAVEN_SCREENSHOTS names a folder (scripts/screenshots.sh).
  static void SaveScreenshot(const char* name) {
    if (const char* folder = std::getenv("FARHAVEN_SCREENSHOTS"); folder && *folder)
      platform::App().SaveScreenshot(std::string(folder) + "/" + name, &screen());
  }
  // Opens the screen and runs `steps` on it, the game-over close appended.
  void Run(std::vector<std::function<void()>> steps) {
    steps.push_back(GameOver());
    WhenIdle(std::move(steps));
    screens::OpenTravelScreen();
    EXPECT_FALSE(StepsLeft());
    EXPECT_FALSE(screen().Visible());
  }
};

TEST_F(TravelScreenTest, OpensOnTheShipsSystemAndClaimsAnEmptySelection) {
  state::SelectedBody = 0;
  bool markerShownAtFirst = true;
  Run({[&] {
    EXPECT_TRUE(screens::TravelScreenShowing());
    EXPECT_EQ(state::DisplayedSystem, kSol);
    EXPECT_EQ(Part<Label>("BodyName2").Caption(), "Earth");
    EXPECT_TRUE(Part("Body2").Visible());
    EXPECT_EQ(Part("Body2").Left(), 441);
    EXPECT_EQ(Part<Label>("BodyName2").Top(), 362 + 38);
    EXPECT_TRUE(Part<platform::Shape>("ShipMarker").Visible());
    markerShownAtFirst = Part<platform::Shape>("TargetMarker").Visible();
    // The target panel has taken the empty selection for body 1, the sun.
    EXPECT_EQ(state::SelectedBody, 1);
    EXPECT_EQ(Part<Label>("TargetClass").Caption(), "Class: Sun");
    screens::RedrawTravelSystem(false);
    EXPECT_TRUE(Part<platform::Shape>("TargetMarker").Visible());
  }});
  EXPECT_FALSE(markerShownAtFirst) << "nothing was selected when the markers were placed";
}

// Every name on every system's map fits its label whole, the longest wormhole names included
// ("Wormhole to N. Manchester"), and stands centred under its picture.
TEST_F(TravelScreenTest, EveryBodyNameFitsItsLabel) {
  for (int system = 1; system <= state::kLastSystem; ++system) {
    screen().ShowSystem(true, system);
    for (int k = 1; k <= screens::kTravelBodies; ++k) {
      const auto& name = Part<Label>(("BodyName" + std::to_string(k)).c_str());
      if (!name.Visible()) continue;
      SCOPED_TRACE(name.Caption());
      int w = 0, h = 0;
      platform::MeasureText(name.GetFont(), name.Caption(), w, h);
      EXPECT_GE(name.Width(), w);
      const auto& body = Part(("Body" + std::to_string(k)).c_str());
      EXPECT_EQ(name.Left() + name.Width() / 2, body.Left() + body.Width() / 2);
    }
  }
}

TEST_F(TravelScreenTest, MissionsIconRefusesWhereNoMissionCanBeHad) {
  struct Case {
    const char* what;
    std::function<void()> arrange;
    const char* topic;
    std::string text;
  };
  const std::string attacker = state::FactionText[3][faction_text::kShortName],
                    owner = state::FactionText[1][faction_text::kShortName];
  const Case cases[] = {
      {"a criminal", [] { state::PlayerData[player::kCriminalDays] = 5; }, "N/A",
       "You have been flagged criminal and cannot accept any missions as long as the flag has not "
       "weared off!"},
      {"a foreign system", [] { state::PlayerData[player::kFaction] = 2; }, "N/A",
       "You can only get missions in systems owned by your own faction. This system is owned by "
       "the " + owner + "."},
      {"a foreign campaign",
       [] {
         state::PlayerData[player::kFaction] = 2;
         state::SystemData[kSol][star_system::kCampaign] = 1;
         state::SystemData[kSol][star_system::kAttacker] = 3;
       },
       "N/A",
       "In this system the invaders of the " + attacker + " attack the defending " + owner +
           ". You are not affiliated to them and cannot interfere."},
      {"an empty offer slot", [] { state::MissionOffers[kSol][4][mission::kActive] = 0; },
       "No mission uplink",
       "An enemy spaceship is spamming all radio frequences. You need to fly to a different "
       "location to get an uplink to the mission database."},
      {"a full board", [] { for (int s = 1; s <= 5; ++s) state::MissionOffers[kSol][s][mission::kActive] = 1; },
       "opened", "MissionBoard"},
      {"its own side of a campaign",
       [] {
         state::SystemData[kSol][star_system::kCampaign] = 1;
         state::SystemData[kSol][star_system::kAttacker] = 3;
       },
       "opened", "CampaignScreen"},
      {"the tutorial waiting for the trade icon",
       [] {
         state::TutorialActive = 1;
         state::TutorialStep = 4;
       },
       "Tutorial",
       "Sorry, please click the TRADE button. The blinking tutorial arrow is pointing to it. It´s "
       "just one button left of this one."},
  };
  for (const Case& c : cases) {
    TearDown();
    SetUp();
    c.arrange();
    std::string topic, text;
    Run({[] { ClickOn(Part("MissionsButton")); }, ReadOrClose(&topic, &text)});
    EXPECT_EQ(topic, c.topic) << c.what;
    EXPECT_EQ(text, c.text) << c.what;
    EXPECT_FALSE(Part<platform::Panel>("MissionPanel").Visible()) << c.what;
    state::TutorialActive = 0;
  }
}

TEST_F(TravelScreenTest, SensorsRefuseAtAHideoutAndWithNothingInRange) {
  struct Case {
    const char* what;
    std::function<void()> arrange;
    const char* topic;
    const char* text;
  };
  const Case cases[] = {
      {"nothing in range", [] {}, "Ship sensors",
       "You cannot detect any ships. You should wait some time."},
      {"at a pirate hideout",
       [] {
         state::PlayerShip[ship::kBody] = 8;
         state::SpecialShips[1][special_ship::kActive] = 1;
       },
       "Ship sensors",
       "The use of ship sensors makes everyone know about your presence - not a wise thing to do "
       "nearby a pirate base!"},
      {"a ship in range", [] { state::SpecialShips[3][special_ship::kActive] = 1; },
       "opened", "Sensors"},
      {"a ship in range at a space find",
       [] {
         state::PlayerShip[ship::kBody] = -1;
         state::SpecialShips[3][special_ship::kActive] = 1;
       },
       "opened", "Sensors"},
  };
  ASSERT_EQ(state::BodyData[kSol][8][body::kKind], state::kKindPirateHideout);
  for (const Case& c : cases) {
    TearDown();
    SetUp();
    c.arrange();
    std::string topic, text;
    Run({[] { ClickOn(Part("SensorsButton")); }, ReadOrClose(&topic, &text)});
    EXPECT_EQ(topic, c.topic) << c.what;
    EXPECT_EQ(text, c.text) << c.what;
  }
}

TEST_F(TravelScreenTest, InvasionAlertShowsDuringACampaignAndRefusesOutsiders) {
  std::string criminal, foreign;
  state::SystemData[kSol][star_system::kCampaign] = 1;
  state::SystemData[kSol][star_system::kAttacker] = 3;
  Run({[] {
         EXPECT_TRUE(Part<platform::Panel>("InvasionAlert").Visible());
         SaveScreenshot("travel-invasion.png");
         state::PlayerData[player::kCriminalDays] = 3;
         ClickOn(Part("InvasionButton"));
       },
       Read(&criminal),
       [] {
         state::PlayerData[player::kCriminalDays] = 0;
         state::PlayerData[player::kFaction] = 4;
         ClickOn(Part<Label>("InvasionLabel"));
       },
       Read(&foreign),
       [] {
         // A day of a flight that ends the siege: the log shows the day, and the alert goes.
         state::SystemData[kSol][star_system::kCampaign] = 0;
         screens::ShowTravelLog();
         EXPECT_FALSE(Part<platform::Panel>("InvasionAlert").Visible());
         state::SystemData[kSol][star_system::kCampaign] = 1;
         screens::RedrawTravelSystem(false);
         EXPECT_TRUE(Part<platform::Panel>("InvasionAlert").Visible());
         state::SystemData[kSol][star_system::kCampaign] = 0;
         screens::RedrawTravelSystem(false);
         EXPECT_FALSE(Part<platform::Panel>("InvasionAlert").Visible());
       }});
  EXPECT_EQ(criminal, "N/A");
  EXPECT_EQ(foreign, "N/A");
}

TEST_F(TravelScreenTest, MissionPanelShowsTheActiveMissionAndCancelsOnlyOnYes) {
  state::ActiveMission = test_rows::MissionRow()
                             .Active()
                             .Type(kMissionTransport)
                             .Good(kGoodSynthetics)
                             .Quantity(300)
                             .Target(kSol, 4)  // Mars
                             .Reward(25000);
  Run({[] {
         EXPECT_TRUE(Part<platform::Shape>("MissionMarker").Visible());
         ClickOn(Part("MissionsButton"));
         const auto& panel = Part<platform::Panel>("MissionPanel");
         EXPECT_TRUE(panel.Visible());
         EXPECT_EQ(panel.Left(), 28);
         EXPECT_EQ(panel.Top(), 33);
         EXPECT_EQ(Part<Label>("MissionTitle").Caption(), "Transport");
         EXPECT_EQ(Part<Label>("MissionLocation").Caption(), "Location: Mars (Sol)");
         EXPECT_EQ(Part<Label>("MissionReward").Caption(), "Reward: $25,000");
         EXPECT_TRUE(screens::MissionPanelShowing());
         SaveScreenshot("travel-mission.png");
         ClickOn(Part<Label>("CancelMissionLabel"));
       },
       [] {
         EXPECT_EQ(YesNo().Topic().Caption(), "Cancel mission?");
         ClickOn(YesNo().Get<Label>("NoLabel"));
       },
       [] {
         EXPECT_EQ(state::ActiveMission[mission::kActive], 1);
         EXPECT_TRUE(screens::MissionPanelShowing());
         ClickOn(Part<Label>("CancelMissionLabel"));
       },
       Answer(true),
       [] {
         EXPECT_EQ(state::ActiveMission[mission::kActive], 0);
         EXPECT_FALSE(screens::MissionPanelShowing());
         EXPECT_FALSE(Part<platform::Shape>("MissionMarker").Visible());
       }});
}

TEST_F(TravelScreenTest, MissionsIconTogglesThePanelAndTheTutorialKeepsItsMission) {
  state::ActiveMission = test_rows::MissionRow()
                             .Active()
                             .Type(kMissionSearchAndDestroy)
                             .Set(mission::kEnemyClass, 4)
                             .Target(kSol, 6);  // Saturn, on the western half
  std::string refusal;
  Run({[] {
         ClickOn(Part("MissionsButton"));
         EXPECT_EQ(Part<platform::Panel>("MissionPanel").Left(), 496);
         ClickOn(Part("MissionsButton"));
         EXPECT_FALSE(screens::MissionPanelShowing());
         screens::OpenMissions();
         EXPECT_TRUE(screens::MissionPanelShowing());
         state::TutorialActive = 1;
         ClickOn(Part<Label>("CancelMissionLabel"));
       },
       Read(&refusal),
       [] {
         state::TutorialActive = 0;
         EXPECT_EQ(state::ActiveMission[mission::kActive], 1);
         ClickOn(Part<Label>("MissionCloseLabel"));
         EXPECT_FALSE(screens::MissionPanelShowing());
       }});
  EXPECT_EQ(refusal, "Tutorial");
}

// The options panel opens where its layout puts it, and each of its buttons, under the mouse on
// its picture or its caption, lights its own picture alone.
TEST_F(TravelScreenTest, EachOptionLightsItsOwnPicture) {
  struct Option {
    const char* button;
    const char* caption;
    const char* normal;
    const char* lit;
  };
  static constexpr Option kOptions[] = {
      {"SaveGameButton", "SaveGameLabel", "OptionsMenu_03.jpg", "OptionsMenuON_03.jpg"},
      {"LoadGameButton", "LoadGameLabel", "OptionsMenu_05.jpg", "OptionsMenuON_05.jpg"},
      {"SettingsButton", "SettingsLabel", "OptionsMenu_06.jpg", "OptionsMenuON_06.jpg"},
      {"ExitToMenuButton", "ExitToMenuLabel", "OptionsMenu_07.jpg", "OptionsMenuON_07.jpg"},
      {"ReturnButton", "ReturnLabel", "OptionsMenu_08.jpg", "OptionsMenuON_08.jpg"},
  };
  Run({[] {
    ClickOn(Part("OptionsButton"));
    const auto& panel = Part<platform::Panel>("OptionsPanel");
    ASSERT_TRUE(panel.Visible());
    EXPECT_EQ(panel.Left(), 263);
    EXPECT_EQ(panel.Top(), 174);
    for (const Option& hovered : kOptions) {
      for (const char* part : {hovered.button, hovered.caption}) {
        SCOPED_TRACE(part);
        MoveOnto(screen().Get<platform::Control>(part));
        for (const Option& o : kOptions)
          EXPECT_EQ(Part(o.button).PictureName(), &o == &hovered ? o.lit : o.normal) << o.button;
      }
    }
    const auto [x, y] = Reachable(Part<platform::Shape>("OptionsFrame"));  // beside the buttons
    platform::App().MouseMove(x, y);
    for (const Option& o : kOptions) EXPECT_EQ(Part(o.button).PictureName(), o.normal) << o.button;
  }});
}

TEST_F(TravelScreenTest, AGameLoadedFromTheOptionsTakesAnOpenMissionPanelWithIt) {
  namespace fs = std::filesystem;
  const fs::path home = fs::current_path();
  const fs::path work = fs::path(::testing::TempDir()) / "farhaven_travel_load_test";
  fs::remove_all(work);
  fs::create_directories(work);
  fs::current_path(work);
  const support::DataFolderAt data(work);
  ASSERT_TRUE(state::SaveGame(1, "No mission").ok);
  state::ActiveMission =
      test_rows::MissionRow().Active().Type(kMissionPatrol).Target(kSol, 4);
  std::string loaded;
  Run({[] {
         ClickOn(Part("MissionsButton"));
         EXPECT_TRUE(screens::MissionPanelShowing());
         ClickOn(Part("OptionsButton"));
         ClickOn(Part<Label>("LoadGameLabel"));
       },
       [] { ClickOn(screens::GameForm<screens::SaveLoadScreen>().Get<Image>("LoadButton1")); },
       Answer(true),
       Read(&loaded),
       [] {
         EXPECT_FALSE(screens::GameForm<screens::SaveLoadScreen>().Visible());
         EXPECT_EQ(state::ActiveMission[mission::kActive], 0);
         EXPECT_FALSE(screens::MissionPanelShowing()) << "the loaded game has no mission";
         EXPECT_FALSE(Part<platform::Shape>("MissionMarker").Visible());
         EXPECT_EQ(Part<Label>("StarDate").Caption(), "Ship´s log - Star date: 2450.2");
       }});
  fs::current_path(home);
  EXPECT_NE(loaded, "");
}

// The whole game state, as its save files hold it.
std::string SavedBytes(int slot) {
  std::string bytes;
  for (const char* ext : {".int", ".str"}) {
    std::ifstream in("Savegame" + std::to_string(slot) + ext, std::ios::binary);
    bytes += std::string(std::istreambuf_iterator<char>(in), {});
  }
  return bytes;
}

TEST_F(TravelScreenTest, AGameSavedFromTheOptionsComesBackFromTheStartScreenOneDayOn) {
  namespace fs = std::filesystem;
  const fs::path home = fs::current_path();
  const fs::path work = fs::path(::testing::TempDir()) / "farhaven_travel_save_test";
  fs::remove_all(work);
  fs::create_directories(work);
  fs::current_path(work);
  const support::DataFolderAt data(work);
  std::uint32_t seedAtLoad = 0;
  std::string saved, loaded;
  WhenIdle({
      [] {
        ClickOn(Part("OptionsButton"));
        ClickOn(Part<Label>("SaveGameLabel"));
      },
      [] {
        screens::GameForm<screens::SaveLoadScreen>()
            .Get<platform::Edit>("SlotName3")
            .SetText("Voyage");
        ClickOn(screens::GameForm<screens::SaveLoadScreen>().Get<Image>("SaveButton3"));
      },
      Answer(true),
      Read(&saved),
      [] { ClickOn(screens::GameForm<screens::SaveLoadScreen>().Get<Label>("CloseLabel")); },
      [] { ClickOn(Part<Label>("ExitToMenuLabel")); },
      Answer(true),
      // Back on the start screen: "Load a game".
      [&] {
        seedAtLoad = state::RandSeed;
        ClickOn(screens::GameForm<screens::SaveLoadScreen>().Get<Image>("LoadButton3"));
      },
      Answer(true),
      Read(&loaded),
      [] {
        EXPECT_TRUE(screens::TravelScreenShowing());
        EXPECT_EQ(Part<Label>("StarDate").Caption(), "Ship´s log - Star date: 2450.2");
      },
      GameOver(),
  });
  screens::OpenTravelScreen();
  EXPECT_FALSE(screen().Visible());
  screens::GameForm<app::StartScreen>().OnLoadClick();
  EXPECT_FALSE(StepsLeft());
  ASSERT_TRUE(state::SaveGame(2, "After the load").ok);

  // The same save, loaded and moved on by one day without any screen, is the same game.
  ASSERT_TRUE(state::LoadGame(3).ok);
  state::RandSeed = seedAtLoad;
  support::ScriptUi ui;
  rules::AdvanceDay(ui);
  ASSERT_TRUE(state::SaveGame(4, "Reference").ok);
  EXPECT_EQ(SavedBytes(2), SavedBytes(4));
  EXPECT_NE(SavedBytes(3), SavedBytes(4)) << "a day has passed";
  fs::current_path(home);
  EXPECT_NE(saved, "");
  EXPECT_NE(loaded, "");
}

TEST_F(TravelScreenTest, DoorsOpenTheirScreens) {
  struct Case {
    const char* control;
    bool right;  // the portrait and the ship open with either button
    const char* form;
  };
  for (const Case& c : {Case{"GalaxyMapButton", false, "GalaxyMap"},
                        Case{"Portrait", false, "PersonalStatus"},
                        Case{"Portrait", true, "PersonalStatus"}}) {
    std::string topic, form;
    Run({[&] {
           if (c.right)
             RightClickOn(Part(c.control));
           else
             ClickOn(screen().Get<platform::Control>(c.control));
         },
         ReadOrClose(&topic, &form)});
    EXPECT_EQ(topic, "opened") << c.control;
    EXPECT_EQ(form, c.form) << c.control;
  }
}

TEST_F(TravelScreenTest, TradeIconOpensAndClosesTheTradeWindow) {
  bool shownAfterFirst = false;
  Run({[] { ClickOn(screen().Get<platform::Control>("TradeLabel")); },
       [&] {
         shownAfterFirst = screens::TradeWindowShowing();
         ClickOn(screen().Get<platform::Control>("TradeLabel"));
       }});
  EXPECT_TRUE(shownAfterFirst);
  EXPECT_FALSE(screens::TradeWindowShowing());
  EXPECT_EQ(state::TradeQuantity, 10) << "the trade icon sets the quantity it starts with";
}

TEST_F(TravelScreenTest, CompatibilityLabelsFollowTheModeAndItsToggle) {
  state::CompatibilityMode = 1;
  const std::int32_t interval = state::TimerPlayerMessageInterval;
  std::string off;
  Run({[] {
         EXPECT_TRUE(Part<Label>("CompatibilityLabel1").Visible());
         EXPECT_EQ(Part<Label>("CompatibilityLabel5").Caption(), "Mission menu");
         ClickOn(Part<Label>("CompatibilityLabel1"));
       },
       Read(&off),
       [] {
         EXPECT_EQ(state::CompatibilityMode, 0);
         EXPECT_FALSE(Part<Label>("CompatibilityLabel1").Visible());
         // Hidden, the toggle is reached only by its handler: it asks, and a "no" changes nothing.
         FireClick(screen(), "CompatibilityLabel1");
       },
       Answer(false),
       [] { FireClick(screen(), "CompatibilityLabel1"); },
       Answer(true),
       [] {
         EXPECT_EQ(state::CompatibilityMode, 1);
         EXPECT_TRUE(Part<Label>("CompatibilityLabel12").Visible());
         state::CompatibilityMode = 0;
       }});
  EXPECT_EQ(off, "Compatibility mode");
  EXPECT_NE(interval, 0);
}

// The mode's texts stand in a strip of their own below the control panel, the screen taller by it
// while the mode is on: in every system no text lies over a body, its name, its price, a space find
// or a marker, and a click on a body reaches the body. Each text shows whole (the longest rank
// and a long name included) against its dark ground.
TEST_F(TravelScreenTest, CompatibilityTextsStandClearOfEveryBodyAndReadWhole) {
  const int height = screen().Height();
  state::CompatibilityMode = 1;
  state::PlayerName = "Alexandra Kowalewska-Montgomery";
  const auto overlap = [](const platform::Rect& a, const platform::Rect& b) {
    return a.x < b.x + b.w && b.x < a.x + a.w && a.y < b.y + b.h && b.y < a.y + a.h;
  };
  Run({[&] {
    EXPECT_GT(screen().Height(), height);
    EXPECT_LE(screen().ScreenRect().y + screen().ScreenRect().h, platform::kScreenHeight);
    for (int system = 1; system <= state::kLastSystem; ++system) {
      SCOPED_TRACE(state::SystemText[system][system_text::kName]);
      // Every space find of the system shows, with the longest caption.
      for (int slot = 1; slot <= state::kLastFindSlot; ++slot) {
        state::SpaceFinds[system][slot][space_find::kPresent] = 1;
        state::SpaceFinds[system][slot][space_find::kKind] = 20;
      }
      state::PlayerShip[ship::kSystem] = system;
      screen().ShowSystem(true, system);
      std::vector<const platform::Control*> map;
      for (const char* family : {"Body", "BodyName", "BodyPrice"})
        for (int k = 1; k <= screens::kTravelBodies; ++k)
          map.push_back(&screen().Get<platform::Control>(family + std::to_string(k)));
      for (const char* family : {"SpaceFind", "SpaceFindCaption"})
        for (int k = 1; k <= screens::kTravelFinds; ++k)
          map.push_back(&screen().Get<platform::Control>(family + std::to_string(k)));
      for (const char* marker : {"ShipMarker", "TargetMarker", "MissionMarker"})
        map.push_back(&screen().Get<platform::Control>(marker));
      for (int k = 1; k <= screens::kCompatibilityLabels; ++k) {
        const auto& label = Part<Label>(("CompatibilityLabel" + std::to_string(k)).c_str());
        ASSERT_TRUE(label.Visible());
        for (const platform::Control* c : map) {
          // A price label stands in its place also while hidden.
          if (!c->Visible() && c->Name().rfind("BodyPrice", 0) != 0) continue;
          EXPECT_FALSE(overlap(label.ScreenRect(), c->ScreenRect()))
              << label.Name() << " lies over " << c->Name();
        }
      }
      for (int k = 1; k <= screens::kTravelBodies; ++k) {
        const auto& body = Part(("Body" + std::to_string(k)).c_str());
        if (!body.Visible()) continue;
        const auto [x, y] = Centre(body);
        const platform::Control* hit = platform::App().ControlAt(x, y);
        ASSERT_NE(hit, nullptr);
        EXPECT_NE(hit->Name().rfind("Compatibility", 0), 0u)
            << "a click on " << body.Name() << " goes to " << hit->Name();
      }
    }
    for (std::int32_t faction = 1; faction <= state::kLastFaction; ++faction) {
      for (std::int32_t rank = 0; rank <= 8; ++rank) {
        state::PlayerData[player::kFaction] = faction;
        state::PlayerData[player::kRank] = rank;
        screen().UpdateCompatibilityLabels();
        for (int k = 1; k <= screens::kCompatibilityLabels; ++k)
          ExpectLegible(Part<Label>(("CompatibilityLabel" + std::to_string(k)).c_str()));
      }
    }
    // Without the mode the screen has its own size again.
    state::CompatibilityMode = 0;
    screen().UpdateCompatibilityLabels();
    EXPECT_EQ(screen().Height(), height);
    EXPECT_FALSE(Part<platform::Panel>("CompatibilityStrip").Visible());
  }});
}

// The developer controls never show; fired by hand each acts at once: a day passes and the screen
// shows it, the active mission goes without the cancel question, and a level-up brings the
// promotion with its skill choice and then the gold star.
TEST_F(TravelScreenTest, HiddenDeveloperControlsActWithoutAsking) {
  state::ActiveMission = test_rows::MissionRow()
                             .Active()
                             .Type(kMissionTransport)
                             .Good(kGoodSynthetics)
                             .Quantity(300)
                             .Target(kSol, 4);
  const std::int32_t day = state::GameDay;
  std::string congratulation, skill;
  Run({[day] {
         for (const char* name : {"LevelUpButton", "NextDayButton", "DropMissionButton"})
           EXPECT_FALSE(screen().Find(name)->Visible()) << name;
         FireClick(screen(), "NextDayButton");
         EXPECT_EQ(state::GameDay, day + 1);
         EXPECT_EQ(Part<Label>("StarDate").Caption(),
                   "Ship´s log - Star date: " + std::to_string(2450 + (day + 1) / 360) + "." +
                       std::to_string((day + 1) % 360));
         ClickOn(Part("MissionsButton"));
         EXPECT_TRUE(screens::MissionPanelShowing());
         EXPECT_TRUE(Part<platform::Shape>("MissionMarker").Visible());
         FireClick(screen(), "DropMissionButton");
         EXPECT_EQ(state::ActiveMission[mission::kActive], 0);
         EXPECT_FALSE(screens::MissionPanelShowing());
         EXPECT_FALSE(Part<platform::Shape>("MissionMarker").Visible()) << "a dropped mission's mark goes too";
         EXPECT_FALSE(YesNo().Visible());
         FireClick(screen(), "LevelUpButton");
       },
       Read(&congratulation),
       [] { ClickOn(screens::GameForm<screens::PromotionScreen>().Get<Label>("ContinueLabel")); },
       Read(&skill),
       [] {
         ClickOn(screens::GameForm<screens::AbilitySelectionScreen>().Get<Label>("CloseLabel"));
       },
       [] {
         EXPECT_EQ(screens::GameForm<screens::PromotionScreen>().Get<Label>("AwardKind").Caption(),
                   "medal");
         EXPECT_EQ(state::PlayerData[player::kGoldStar], 1);
         ClickOn(screens::GameForm<screens::PromotionScreen>().Get<Label>("ContinueLabel"));
       },
       [] {
         EXPECT_EQ(state::PlayerData[player::kLevel], 2);
         EXPECT_EQ(state::PlayerData[player::kGoldStar], 1);
       }});
  EXPECT_EQ(congratulation, "Congratulations!");
  EXPECT_EQ(skill, "New non-combat skill");
}

// The hidden fleet battle control fights the fleet of faction 2, and a retreat leads back to the
// travel screen.
TEST_F(TravelScreenTest, HiddenFleetBattleControlFightsTheFleetOfFactionTwo) {
  Run({[] {
         EXPECT_FALSE(Part<platform::Button>("FleetBattleButton").Visible());
         FireClick(screen(), "FleetBattleButton");
       },
       [] {
         EXPECT_TRUE(screens::GameForm<screens::FleetBattleScreen>().Visible());
         EXPECT_EQ(state::EnemyFleet[1][fleet_ship::kFaction], 2);
         ClickOn(screens::GameForm<screens::FleetBattleScreen>().Get<Label>("RetreatLabel"));
       },
       Answer(true),
       [] {
         EXPECT_FALSE(screens::GameForm<screens::FleetBattleScreen>().Visible());
         EXPECT_TRUE(screen().Visible());
       }});
}

// The hidden test fight opens the combat screen against a military corvette of faction 2.
TEST_F(TravelScreenTest, HiddenTestFightControlOpensAFight) {
  WhenIdle({[] {
         EXPECT_FALSE(Part<platform::Button>("TestFightButton").Visible());
         FireClick(screen(), "TestFightButton");
       },
       [] {
         EXPECT_TRUE(screens::GameForm<screens::ShipCombatScreen>().Visible());
         EXPECT_EQ(state::EnemyShip[ship::kClass], 6);
         EXPECT_EQ(state::EnemyShip[ship::kFaction], 2);
         // Leaving the fight by the window's close ends the game.
         screens::GameForm<screens::ShipCombatScreen>().Close();
       },
       Answer(true)});
  screens::OpenTravelScreen();
  EXPECT_FALSE(StepsLeft());
  EXPECT_FALSE(screen().Visible());
}

TEST_F(TravelScreenTest, LeavesOnlyByItsExitOrTheGamesEnd) {
  std::string question;
  WhenIdle({[] { screen().Close(); },
            [&] {
              question = YesNo().Topic().Caption();
              ClickOn(YesNo().Get<Label>("NoLabel"));
            },
            [] {
              EXPECT_TRUE(screen().Visible()) << "a no keeps the game";
              ClickOn(Part("OptionsButton"));
              ClickOn(Part<Label>("ExitToMenuLabel"));
            },
            Answer(true)});
  screens::OpenTravelScreen();
  EXPECT_FALSE(StepsLeft());
  EXPECT_EQ(question, "Quit game?");
  EXPECT_FALSE(screen().Visible());
  EXPECT_EQ(state::TravelMayClose, 0) << "the permission ends with the close";
}

}  // namespace
}  // namespace screens_test
