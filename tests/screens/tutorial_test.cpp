// The tutorial on the real screens: each step's panel and arrow on its own screen and nowhere
// else, turning the tutorial off (asked, or not at the end), the panels' buttons, the blinking
// arrow, and the hooks of the profession and save/load screens.
#include "screens/tutorial/tutorial.h"

#include <algorithm>
#include <filesystem>
#include <map>
#include <optional>
#include <string>

#include "platform/application.h"
#include "platform/form.h"
#include "rules/tutorial.h"
#include "screens/career/faction_selection.h"
#include "screens/career/name_selection.h"
#include "screens/career/personal_status.h"
#include "screens/career/profession_selection.h"
#include "screens/career/save_load.h"
#include "screens/form_test_fixture.h"
#include "screens/new_world.h"
#include "screens/popups/popup_forms.h"
#include "screens/combat/ship_combat_screen.h"
#include "screens/combat/ship_combat_view.h"
#include "screens/port/mission_board.h"
#include "screens/shared/doors.h"
#include "screens/shared/game_forms.h"
#include "screens/shared/tutorial_panel.h"
#include "screens/tutorial/tutorial_places.h"
#include "screens/port/trade_window.h"
#include "screens/travel/galaxy_map.h"
#include "screens/travel/planet.h"
#include "screens/travel/sensors.h"
#include "screens/travel/ship_status.h"
#include "screens/travel/travel_screen.h"
#include "state/fields.h"
#include "state/general_data.h"
#include "state/random.h"
#include "state/savegame.h"
#include "state/star_map.h"
#include "state/variables.h"
#include "support/data_folder_at.h"

namespace screens_test {
namespace {

namespace fs = std::filesystem;
using platform::Label;
using platform::Panel;
using tutorial::Step;

// Every form that carries the tutorial's message panel.
const char* const kPanelForms[] = {"FactionSelection", "NameSelection", "ProfessionSelection",
                                   "TravelScreen",     "MissionBoard",  "PlanetScreen",
                                   "GalaxyMap",        "Sensors",       "ShipStatus",
                                   "PersonalStatus"};
// Every form that carries the blinking arrow.
const char* const kArrowForms[] = {"TravelScreen", "TradeWindow", "MissionBoard", "SaveLoad"};

class TutorialTest : public GameFormsTest {
 protected:
  void SetUp() override {
    GameFormsTest::SetUp();
    home = fs::current_path();
    work = fs::path(::testing::TempDir()) / "farhaven_tutorial_test";
    fs::remove_all(work);
    fs::create_directories(work);
    fs::current_path(work);
    data.emplace(work);
    state::SetGeneralDataDefaults();
    StartNewWorld(kFactionFederation, kProfessionPirate);
    state::TutorialActive = 1;
  }
  void TearDown() override {
    state::TutorialActive = 0;
    state::TutorialStep = 0;
    data.reset();
    fs::current_path(home);
    GameFormsTest::TearDown();
  }

  static platform::Form& FormNamed(const std::string& name) {
    for (platform::Form* f : AllForms())
      if (f->Name() == name) return *f;
    throw std::runtime_error("no form " + name);
  }
  static std::vector<platform::Form*> AllForms() {
    return {&screens::GameForm<screens::FactionSelectionScreen>(),
            &screens::GameForm<screens::NameSelectionScreen>(),
            &screens::GameForm<screens::ProfessionSelectionScreen>(),
            &screens::GameForm<screens::TravelScreenForm>(),
            &screens::GameForm<screens::MissionBoardScreen>(),
            &screens::GameForm<screens::PlanetScreenForm>(),
            &screens::GameForm<screens::GalaxyMapScreen>(),
            &screens::GameForm<screens::SensorsScreen>(),
            &screens::GameForm<screens::ShipStatusScreen>(),
            &screens::GameForm<screens::PersonalStatusScreen>(),
            &screens::GameForm<screens::TradeWindowScreen>(),
            &screens::GameForm<screens::SaveLoadScreen>()};
  }
  static bool PanelShown(const std::string& form) {
    return FormNamed(form).Get<Panel>("TutorialPanel").Visible();
  }
  static bool ArrowBlinking(const std::string& form) {
    return FormNamed(form).Get<platform::Timer>("TutorialArrowTimer").Enabled();
  }
  // The forms showing a panel (or its twin) and the forms with a blinking arrow.
  static std::vector<std::string> Guidance() {
    std::vector<std::string> out;
    for (const char* form : kPanelForms) {
      platform::Form& f = FormNamed(form);
      if (f.Get<Panel>("TutorialPanel").Visible()) out.push_back(std::string(form) + " panel");
      if (f.Get<Panel>("TutorialMinimizedPanel").Visible()) out.push_back(std::string(form) + " twin");
    }
    for (const char* form : kArrowForms)
      if (ArrowBlinking(form) || FormNamed(form).Get<platform::Image>("TutorialArrow").Visible())
        out.push_back(std::string(form) + " arrow");
    return out;
  }
  static void Answer(const char* label) {
    ClickOn(screens::GameForm<screens::YesNoPopup>().Get<Label>(label));
  }

  // The form of a tutorial screen.
  static std::string FormNamedFor(screens::TutorialScreen screen) {
    using enum screens::TutorialScreen;
    switch (screen) {
      case FactionSelection: return "FactionSelection";
      case NameSelection: return "NameSelection";
      case ProfessionSelection: return "ProfessionSelection";
      case Travel: return "TravelScreen";
      case TradeWindow: return "TradeWindow";
      case MissionBoard: return "MissionBoard";
      case ShipCombat: return "ShipCombat";
      case Planet: return "PlanetScreen";
      case GalaxyMap: return "GalaxyMap";
      case Sensors: return "Sensors";
      case SaveLoad: return "SaveLoad";
      case ShipStatus: return "ShipStatus";
      case PersonalStatus: return "PersonalStatus";
      case None: break;
    }
    return {};
  }

  fs::path home, work;
  std::optional<support::DataFolderAt> data;
};

TEST_F(TutorialTest, EachStepShowsItsGuidanceOnItsScreenAndNothingElseStays) {
  struct Case {
    Step step;
    std::vector<std::string> shown;
  };
  const Case cases[] = {
      {Step::ChooseFaction, {"FactionSelection panel"}},
      {Step::ChooseName, {"NameSelection panel"}},
      {Step::OpenTrade, {"TravelScreen panel", "TravelScreen arrow"}},
      {Step::BuySupplies, {"TravelScreen panel", "TradeWindow arrow"}},
      {Step::PickMission, {"MissionBoard panel", "MissionBoard arrow"}},
      {Step::FlyToSun, {"TravelScreen panel", "TravelScreen arrow"}},
      {Step::VisitPlanet, {"PlanetScreen panel"}},
      {Step::CloseSensors, {"Sensors panel"}},
      {Step::CloseGalaxyMap, {"GalaxyMap panel"}},
      {Step::SaveIntoSlot, {"SaveLoad arrow"}},
      {Step::CloseShipStatus, {"ShipStatus panel"}},
      {Step::CloseAbilities, {}},
      {Step::ClosePersonalStatus, {"PersonalStatus panel"}},
      {Step::Finished, {"TravelScreen panel", "TravelScreen arrow"}},
  };
  // One after another, as a player goes: what a step showed goes when the next begins.
  for (const Case& c : cases) {
    SCOPED_TRACE(tutorial::StoredNumber(c.step));
    screens::BeginTutorialStep(c.step);
    EXPECT_EQ(state::TutorialStep, tutorial::StoredNumber(c.step));
    EXPECT_EQ(Guidance(), c.shown);
  }
  // A minimised panel goes too.
  screens::BeginTutorialStep(Step::OpenTrade);
  FireClick(screens::GameForm<screens::TravelScreenForm>(), "TutorialMinimizeButton");
  screens::BeginTutorialStep(Step::VisitPlanet);
  EXPECT_EQ(Guidance(), std::vector<std::string>{"PlanetScreen panel"});
}

TEST_F(TutorialTest, PanelsCarryTheStepsTextsAndArrowsPointAtTheControl) {
  screens::BeginTutorialStep(Step::OpenTrade);
  platform::Form& travel = screens::GameForm<screens::TravelScreenForm>();
  EXPECT_EQ(travel.Get<Label>("TutorialText2").Caption(),
            "Click on the \"TRADE\" icon displayed in the control panel at the bottom.");
  EXPECT_EQ(travel.Get<Label>("TutorialTopic").Caption(), "Tutorial");
  EXPECT_EQ(travel.Get<Label>("TutorialHeading").Caption(), "How to continue:");
  // At the left, below the star date.
  const Panel& panel = travel.Get<Panel>("TutorialPanel");
  EXPECT_EQ(panel.Left(), 8);
  EXPECT_GT(panel.ScreenRect().y, screens::ShownRect(*travel.Find("StarDate")).y +
                                       screens::ShownRect(*travel.Find("StarDate")).h);
  EXPECT_LE(panel.Top(), 30);
  // The pointer stands above the trade icon, pointing down at it, shown at once.
  const platform::Control& trade = *travel.Find("TradeButton");
  const platform::Image& arrow = travel.Get<platform::Image>("TutorialArrow");
  EXPECT_TRUE(arrow.Visible());
  EXPECT_EQ(arrow.PictureName(), "TutorialPointer_down.bmp");
  EXPECT_GE(arrow.Left(), trade.Left());
  EXPECT_LE(arrow.Left() + arrow.Width(), trade.Left() + trade.Width());
  EXPECT_EQ(arrow.Top() + arrow.Height() + 2, trade.Top());

  // Inside a panel the arrow is placed by where the panel lies: right of "Save a game" in the
  // options, pointing left at it.
  screens::BeginTutorialStep(Step::SaveGame);
  const platform::Control& save = *travel.Find("SaveGameButton");
  const int saveLeft = save.Left() + save.Parent()->Left();
  EXPECT_EQ(arrow.Left(), saveLeft + save.Width() + 2);
  EXPECT_EQ(arrow.PictureName(), "TutorialPointer_left.bmp");
  EXPECT_FALSE(arrow.Visible()) << "the first blink shows it";
  EXPECT_TRUE(ArrowBlinking("TravelScreen"));
}

TEST_F(TutorialTest, TheArrowBlinksEverySecondWhileTheTutorialRuns) {
  screens::BeginTutorialStep(Step::OpenTrade);
  const platform::Image& arrow =
      screens::GameForm<screens::TravelScreenForm>().Get<platform::Image>("TutorialArrow");
  std::vector<bool> seen;
  for (int tick = 0; tick < 4; ++tick) {
    platform::App().AdvanceClock(1000);
    seen.push_back(arrow.Visible());
  }
  EXPECT_EQ(seen, (std::vector<bool>{false, true, false, true}));
  // Turned off by other means than StopTutorial, the timer runs on but flips nothing.
  state::TutorialActive = 0;
  platform::App().AdvanceClock(1000);
  EXPECT_TRUE(arrow.Visible());
}

TEST_F(TutorialTest, MinimizeAndShowTutorialSwapThePanelAndItsTwin) {
  screens::BeginTutorialStep(Step::CloseSensors);
  platform::Form& sensors = screens::GameForm<screens::SensorsScreen>();
  FireClick(sensors, "TutorialMinimizeButton");
  EXPECT_FALSE(PanelShown("Sensors"));
  const Panel& twin = sensors.Get<Panel>("TutorialMinimizedPanel");
  EXPECT_TRUE(twin.Visible());
  EXPECT_EQ(twin.Left(), 8);
  EXPECT_EQ(twin.Top(), 5);
  FireClick(sensors, "TutorialShowButton");
  EXPECT_TRUE(PanelShown("Sensors"));
  EXPECT_FALSE(twin.Visible());
  EXPECT_EQ(state::TutorialStep, 24) << "the buttons do not move the tutorial on";
}

TEST_F(TutorialTest, TurningItOffAtStep12HidesEverythingAndKeepsTheMission) {
  state::ActiveMission[mission::kActive] = 1;
  state::ActiveMission[mission::kType] = 1;
  screens::BeginTutorialStep(Step::FlyToSun);
  FireClick(screens::GameForm<screens::TravelScreenForm>(), "TutorialMinimizeButton");
  WhenIdle({[] {
    EXPECT_EQ(screens::GameForm<screens::YesNoPopup>().Topic().Caption(), "Turn tutorial off?");
    Answer("NoLabel");
  }});
  FireClick(screens::GameForm<screens::TravelScreenForm>(), "TutorialCancelButton");
  EXPECT_EQ(state::TutorialActive, 1) << "No keeps it";
  EXPECT_EQ(Guidance(), (std::vector<std::string>{"TravelScreen twin", "TravelScreen arrow"}));

  WhenIdle({[] { Answer("YesLabel"); }});
  FireClick(screens::GameForm<screens::TravelScreenForm>(), "TutorialMinimizeButton");
  screens::AskTurnOffTutorial();
  EXPECT_EQ(state::TutorialActive, 0);
  EXPECT_EQ(state::TutorialStep, 12) << "the step is kept";
  EXPECT_TRUE(Guidance().empty());
  EXPECT_EQ(state::ActiveMission[mission::kActive], 1);
  EXPECT_FALSE(StepsLeft());
}

TEST_F(TutorialTest, AtTheLastStepCancelEndsTheTutorialWithoutAQuestion) {
  screens::BeginTutorialStep(Step::Finished);
  WhenIdle({});  // a question would wait here and fail
  FireClick(screens::GameForm<screens::TravelScreenForm>(), "TutorialCancelButton");
  EXPECT_EQ(state::TutorialActive, 0);
  EXPECT_TRUE(Guidance().empty());
}

TEST_F(TutorialTest, EndingAStepHidesItsGuidanceOnlyWhileTheTutorialStandsThere) {
  screens::BeginTutorialStep(Step::FlyToSun);
  screens::EndTutorialStep(Step::FlyToPlanet);
  EXPECT_TRUE(PanelShown("TravelScreen"));
  screens::EndTutorialStep(Step::FlyToSun);
  EXPECT_TRUE(Guidance().empty());
  EXPECT_EQ(state::TutorialStep, 12);
}

// The step after the fight on every faction's map: from the sun it points at the first planet, at
// the first planet at the Dock icon (which reads "Dock" there), the pointer beside its control and
// the panel clear of both, of the bodies the step names and, at the dock, of the control panel.
TEST_F(TutorialTest, TheWayToTheFirstPlanetPointsAtItAndThenAtTheDockIcon) {
  using platform::Rect;
  struct Case {
    int shipAt;
    const char* text2;  // before the planet's name, and after it
    const char* after;
    const char* arrowAt;
    std::vector<const char*> clear;
  };
  const Case cases[] = {
      {1, "Fly to the planet ", " by double-clicking on it.", "Body2", {"Body2", "BodyName2"}},
      {2, "Land on the planet ", " by clicking on the \"Dock\" icon.", "DockButton",
       {"DockButton", "DockLabel", "ControlFrame", "Body2", "BodyName2"}},
  };
  for (const Faction faction : state::kPowers) {
    for (const Case& c : cases) {
      SCOPED_TRACE("faction " + std::to_string(state::Stored(faction)) + " at body " + std::to_string(c.shipAt));
      StartNewWorld(faction, kProfessionPirate);
      state::TutorialActive = 1;
      state::PlayerShip[ship::kBody] = c.shipAt;
      state::SelectedBody = c.shipAt;
      screens::GameForm<screens::TravelScreenForm>().ShowSystem(true,
                                                                state::PlayerShip[ship::kSystem]);
      screens::BeginTutorialStep(Step::FlyToPlanet);
      platform::Form& travel = screens::GameForm<screens::TravelScreenForm>();
      const std::string planet = state::BodyText[state::PlayerShip[ship::kSystem]]
                                                [state::kMainPlanetBody][body_text::kName];
      EXPECT_EQ(travel.Get<Label>("TutorialText2").Caption(), c.text2 + planet + c.after);
      if (c.shipAt == state::kMainPlanetBody) {
        EXPECT_EQ(travel.Get<Label>("DockLabel").Caption(), "Dock");
      }
      platform::App().AdvanceClock(1000);  // the first blink shows the pointer
      const platform::Image& arrow = travel.Get<platform::Image>("TutorialArrow");
      EXPECT_TRUE(arrow.Visible());
      const Rect a = arrow.ScreenRect(), at = travel.Find(c.arrowAt)->ScreenRect();
      const bool above = a.y + a.h + 2 == at.y, below = at.y + at.h + 2 == a.y;
      const bool left = a.x + a.w + 2 == at.x, right = at.x + at.w + 2 == a.x;
      EXPECT_TRUE(above || below || left || right) << "beside " << c.arrowAt;
      const Rect p = travel.Get<Panel>("TutorialPanel").ScreenRect();
      EXPECT_FALSE(screens::Overlap(p, a)) << "the pointer";
      for (const char* clear : c.clear) {
        platform::Control* control = travel.Find(clear);
        ASSERT_NE(control, nullptr) << clear;
        EXPECT_FALSE(screens::Overlap(p, screens::ShownRect(*control))) << clear;
      }
      screens::StopTutorial();
    }
  }
}

TEST_F(TutorialTest, TheTutorialMissionIsOnTheBoardAsItsSecondOffer) {
  state::MissionOffers[state::PlayerShip[ship::kSystem]][2][mission::kActive] = 0;
  screens::BeginTutorialStep(Step::OpenMissions);
  const auto& offer = state::MissionOffers[state::PlayerShip[ship::kSystem]][2];
  EXPECT_EQ(offer[mission::kActive], 1);
  EXPECT_EQ(offer[mission::kType], 1);
  EXPECT_EQ(offer[mission::kTargetBody], 1);
}

TEST_F(TutorialTest, TheProfessionScreenLetsOnlyAPirateContinue) {
  screens::BeginTutorialStep(Step::ChooseProfession);
  std::string refusal, why;
  state::PlayerData[player::kProfession] = 3;
  WhenIdle({[&] {
    refusal = screens::GameForm<screens::TextPopup>().Topic().Caption();
    why = screens::GameForm<screens::TextPopup>().Get<Label>("Text").Caption();
    ClickOn(screens::GameForm<screens::TextPopup>().Get<Label>("ContinueLabel"));
  }});
  screens::GameForm<screens::ProfessionSelectionScreen>().OnContinueClick();
  EXPECT_EQ(refusal, "Tutorial");
  // The professions stand in the top row of their screen.
  EXPECT_EQ(why,
            "For the purpose of this tutorial please select the \"PIRATE\" profession from the "
            "selection of options at the top of the screen.");
  EXPECT_TRUE(PanelShown("ProfessionSelection"));

  state::PlayerData[player::kProfession] = 6;
  screens::GameForm<screens::ProfessionSelectionScreen>().OnContinueClick();
  EXPECT_TRUE(Guidance().empty());
  EXPECT_EQ(state::TutorialStep, 3) << "step 4 begins on the travel screen";

  // Without the tutorial any profession continues.
  state::TutorialActive = 0;
  state::PlayerData[player::kProfession] = 1;
  WhenIdle({});
  screens::GameForm<screens::ProfessionSelectionScreen>().OnContinueClick();
}

TEST_F(TutorialTest, SavingInTheFirstSlotAndClosingLeadBackToTheGame) {
  screens::BeginTutorialStep(Step::SaveIntoSlot);
  screens::GameForm<screens::SaveLoadScreen>().ShowSaveSlotNames();
  WhenIdle({
      [] {
        ClickOn(screens::GameForm<screens::SaveLoadScreen>().Get<platform::Image>("SaveButton1"));
      },
      [] { Answer("NoLabel"); },  // "Really save?": the step moved on already
      [] {
        EXPECT_EQ(state::TutorialStep, 30);
        EXPECT_TRUE(ArrowBlinking("SaveLoad"));
        ClickOn(screens::GameForm<screens::SaveLoadScreen>().Get<platform::Image>("CloseButton"));
      },
  });
  screens::GameForm<screens::SaveLoadScreen>().ShowModal();
  EXPECT_EQ(state::TutorialStep, 28);
  EXPECT_EQ(Guidance(), (std::vector<std::string>{"TravelScreen panel", "TravelScreen arrow"}));
  EXPECT_EQ(screens::GameForm<screens::TravelScreenForm>().Get<Label>("TutorialText1").Caption(),
            "Good. Now let´s close this screen again.");
}

TEST_F(TutorialTest, TheScreensButtonsMoveTheTutorialOnOnlyAtTheirSteps) {
  struct Case {
    const char* form;
    const char* button;
    int step, next;  // next == step: the button leaves the tutorial where it is
  };
  const Case cases[] = {
      // "Back" on the personal status from any step after the save ends the guided part.
      {"PersonalStatus", "BackButton", 30, 30},
      {"PersonalStatus", "BackButton", 31, 38},
      {"PersonalStatus", "BackButton", 35, 38},
      {"PersonalStatus", "BackButton", 37, 38},
      // "Return to game" from the galaxy map's step to the save's leads on to the ship status.
      {"TravelScreen", "ReturnButton", 25, 25},
      {"TravelScreen", "ReturnButton", 26, 32},
      {"TravelScreen", "ReturnButton", 28, 32},
      {"TravelScreen", "ReturnButton", 30, 32},
      {"TravelScreen", "ReturnButton", 32, 32},
      {"ShipStatus", "CloseButton", 33, 34},
      {"ShipStatus", "CloseButton", 32, 32},
      {"GalaxyMap", "CloseButton", 26, 27},
      {"Sensors", "BackButton", 24, 25},
      {"Sensors", "BackButton", 23, 23},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.form) + " " + c.button + " at " + std::to_string(c.step));
    state::TutorialStep = c.step;
    FireClick(FormNamed(c.form), c.button);
    EXPECT_EQ(state::TutorialStep, c.next);
  }
  // Saving at step 29 and closing at step 30 come back to step 28; "Return to game" then leads on.
  state::TutorialStep = tutorial::StoredNumber(Step::ReturnToGame);
  FireClick(screens::GameForm<screens::TravelScreenForm>(), "ReturnButton");
  EXPECT_EQ(state::TutorialStep, 32);
}

TEST_F(TutorialTest, LoadingAGameEndsTheTutorialAndPutsAwayItsGuidance) {
  ASSERT_TRUE(state::SaveGame(2, "Before the tutorial").ok);
  // The options panel's "Load a game" at the saving step: the travel screen's panel and arrow show.
  screens::BeginTutorialStep(Step::SaveGame);
  screens::GameForm<screens::SaveLoadScreen>().ShowSaveSlotNames();
  WhenIdle({[] {
              ClickOn(
                  screens::GameForm<screens::SaveLoadScreen>().Get<platform::Image>("LoadButton2"));
            },
            [] { Answer("YesLabel"); },
            [] { ClickOn(screens::GameForm<screens::TextPopup>().Get<Label>("ContinueLabel")); }});
  screens::GameForm<screens::SaveLoadScreen>().ShowModal();
  EXPECT_EQ(state::TutorialActive, 0);
  EXPECT_TRUE(Guidance().empty());
}

TEST_F(TutorialTest, StartingTheTutorialAgainBeginsOnTheFactionScreen) {
  screens::BeginTutorialStep(Step::CloseSensors);
  screens::StartTutorial();
  EXPECT_EQ(state::TutorialActive, 1);
  EXPECT_EQ(state::TutorialStep, 1);
  EXPECT_EQ(Guidance(), std::vector<std::string>{"FactionSelection panel"});
  screens::StopTutorial();
  EXPECT_EQ(state::TutorialActive, 0);
  EXPECT_TRUE(Guidance().empty());
}

// What a form shows besides `target`, as a player sees it: the texts of its captions, the pictures
// the player clicks and its buttons, not the frames, panels, bars and backdrops they stand on.
std::vector<std::pair<std::string, platform::Rect>> ControlsBesides(const platform::Form& form,
                                                                    const platform::Control& target) {
  std::vector<std::pair<std::string, platform::Rect>> out;
  const platform::Rect t = target.ScreenRect();
  for (platform::Control* c : form.AllControls()) {
    if (c == &target || c->Name() == "TutorialArrow" || !c->VisibleInForm()) continue;
    const platform::Kind kind = c->kind();
    if (kind == platform::Kind::Shape || kind == platform::Kind::Panel || kind == platform::Kind::GroupBox ||
        kind == platform::Kind::ProgressBar)
      continue;
    // A picture the player clicks; the others are the screen's face, its frame and bars.
    using platform::Event;
    if (kind == platform::Kind::Image && c->HandlerName(Event::Click).empty() &&
        c->HandlerName(Event::DblClick).empty() && c->HandlerName(Event::MouseDown).empty())
      continue;
    if (kind == platform::Kind::Label && c->Caption().empty()) continue;
    const platform::Rect r = screens::ShownRect(*c);
    if (r.x <= t.x && r.y <= t.y && r.x + r.w >= t.x + t.w && r.y + r.h >= t.y + t.h) continue;
    out.push_back({c->Name(), r});
  }
  return out;
}

// Every step on the real layouts, for each faction's start system: the panel covers neither the
// pointer nor its control nor anything the step's words name (every body of the map with its name
// and price, every find with its caption) nor the texts the player reads there, and stays in its
// screen; its minimised twin covers no text of the screen either; the pointer stands beside its
// control, points at it and covers no other control.
TEST_F(TutorialTest, EveryStepsPanelLeavesFreeWhatItNamesAndItsPointerCoversNoOtherControl) {
  using platform::Rect;
  auto text = [](const Rect& r) {
    return '(' + std::to_string(r.x) + "," + std::to_string(r.y) + " " + std::to_string(r.w) +
           "x" + std::to_string(r.h) + ")";
  };
  // The texts a player reads on a screen whatever the step says.
  const std::map<std::string, std::vector<std::string>> kRead = {
      {"FactionSelection",
       {"FactionName", "Judgement", "FirstQuote", "FirstQuoteSource", "SecondQuote",
        "SecondQuoteSource", "FirstParagraph", "SecondParagraph", "ThirdParagraph"}},
  };
  // The pointer beside its control, two pixels off one side and pointing at it, covering no
  // caption and no other control; only on the travel screen, whose map may put a body's name
  // right above an icon, may it stand on a neighbour's picture, where every side of its own is
  // taken by others (or by the screen's edge; below its foot the screen grows to hold it).
  auto checkPointer = [&](const screens::TutorialArrow& arrow, const std::string& at) {
    const platform::Form& form = arrow.Owner();
    const platform::Control* control = form.Find(at);
    ASSERT_NE(control, nullptr) << at;
    const Rect a = arrow.ScreenRect(), c = control->ScreenRect();
    const bool above = a.y + a.h + 2 == c.y, below = c.y + c.h + 2 == a.y;
    const bool left = a.x + a.w + 2 == c.x, right = c.x + c.w + 2 == a.x;
    EXPECT_TRUE(above || below || left || right) << at << " " << text(a) << " " << text(c);
    const std::string picture = form.Get<platform::Image>("TutorialArrow").PictureName();
    const char* pointing = above ? "TutorialPointer_down.bmp"
                           : below ? "TutorialPointer_up.bmp"
                           : left  ? "TutorialPointer_right.bmp"
                                   : "TutorialPointer_left.bmp";
    EXPECT_EQ(picture, pointing) << "the pointer points at " << at;
    EXPECT_FALSE(form.Get<platform::Image>("TutorialArrow").Enabled())
        << "a click on the pointer reaches what lies beneath it";
    for (const Rect& caption : screens::CaptionRects(form))
      EXPECT_FALSE(screens::Overlap(a, caption)) << "the pointer at " << at << " covers a caption at " << text(caption);
    const auto others = ControlsBesides(form, *control);
    const Rect f = form.ScreenRect();
    const Rect sides[] = {{c.x, c.y - 36, c.w, 36}, {c.x, c.y + c.h, c.w, 36},
                          {c.x - 36, c.y, 36, c.h}, {c.x + c.w, c.y, 36, c.h}};
    bool everySideTaken = true;
    for (const Rect& side : sides) {
      const bool outside = side.x < f.x || side.y < f.y || side.x + side.w > f.x + f.w ||
                           (side.y + side.h > f.y + f.h && side.y < c.y);
      const bool taken = std::any_of(others.begin(), others.end(),
                                     [&](const auto& o) { return screens::Overlap(side, o.second); });
      everySideTaken = everySideTaken && (outside || taken);
    }
    const bool mayCover = everySideTaken && form.Name() == "TravelScreen";
    for (const auto& [name, r] : others)
      EXPECT_FALSE(screens::Overlap(a, r) && !mayCover)
          << "the pointer at " << at << " " << text(a) << " covers " << name << " " << text(r);
    EXPECT_TRUE(a.x >= f.x && a.y >= f.y && a.x + a.w <= f.x + f.w && a.y + a.h <= f.y + f.h);
  };
  // Each faction's start system in the worlds of a few seeds (in those of 4 and 9 the Outer Rim's
  // map leaves the panel no room beside the trade window at the flight to the marked body).
  for (const std::uint32_t seed : {1u, 2u, 3u, 4u, 9u, 11u})
  for (const Faction faction : state::kPowers) {
    SCOPED_TRACE("seed " + std::to_string(seed));
    state::Randomize(seed);
    StartNewWorld(faction, kProfessionPirate);
    state::TutorialActive = 1;
    auto& travel = screens::GameForm<screens::TravelScreenForm>();
    travel.ShowSystem(true, state::PlayerShip[ship::kSystem]);
    travel.Show();  // placed on the screen as the player has it
    for (Step step : rules::AllTutorialSteps()) {
      SCOPED_TRACE("faction " + std::to_string(state::Stored(faction)) + " step " +
                   std::to_string(static_cast<int>(step)));
      // What the player has open at the step.
      const bool trading = step == Step::BuySupplies || step == Step::FlyToTutorialBody ||
                           step == Step::SellAll || step == Step::CloseTrade;
      if (trading != screens::TradeWindowShowing()) screens::ToggleTradeWindow();
      screens::GameForm<screens::TravelScreenForm>().Get<Panel>("OptionsPanel")
          .SetVisible(step == Step::SaveGame || step == Step::ReturnToGame);
      if (step == Step::FireMissiles)
        screens::SetupShipCombatOnScreen(state::kClassStarwolf, kFactionPirates, kMilitaryShip, 0);
      screens::GameForm<screens::FactionSelectionScreen>().SetVisible(step == Step::ChooseFaction);
      screens::BeginTutorialStep(step);
      const screens::TutorialPlaces g = screens::PlacesOfTutorialStep(step);

      std::vector<std::pair<std::string, Rect>> keepClear;
      if (g.arrowOn != screens::TutorialScreen::None && !(g.arrowAt.empty() && g.arrowAtAbility.empty())) {
        const screens::TutorialArrow* arrow = screens::FindTutorialArrow(FormNamedFor(g.arrowOn));
        ASSERT_NE(arrow, nullptr);
        const platform::Form& form = arrow->Owner();
        const std::string at = g.arrowOn == screens::TutorialScreen::ShipCombat
                                   ? screens::TutorialArrowControl(g.arrowAt, g.arrowAtAbility)
                                   : g.arrowAt;
        const platform::Control* control = form.Find(at);
        ASSERT_NE(control, nullptr) << at;
        const Rect a = arrow->ScreenRect(), c = control->ScreenRect();
        checkPointer(*arrow, at);
        if (step == Step::BuySupplies) {
          // Supplies chosen, it moves on to "Buy", and is back at Supplies when the step is shown
          // again.
          FireClick(screens::GameForm<screens::TradeWindowScreen>(), "GoodName1");
          checkPointer(*arrow, "BuyButton");
          screens::BeginTutorialStep(step);
        }
        // An arrow at the panel's own "Cancel tutorial" stands on the panel's edge.
        if (!at.starts_with("Tutorial")) {
          keepClear.push_back({"the pointer", a});
          keepClear.push_back({at, c});
        }
      }
      if (g.panelOn == screens::TutorialScreen::None) continue;
      const screens::TutorialPanel* panel = screens::FindTutorialPanel(FormNamedFor(g.panelOn));
      ASSERT_NE(panel, nullptr);
      std::vector<std::string> names = g.keepClear;
      // A travel screen too full for the panel beside the open trade window puts it on the trade
      // window, clear of the chosen good's row; the screen it leaves stays wholly free.
      if (const screens::TutorialPanel* onTrade = screens::FindTutorialPanel("TradeWindow");
          !panel->Shown() && onTrade && onTrade->Shown()) {
        const Rect p = onTrade->ScreenRect();
        EXPECT_FALSE(screens::Overlap(p, panel->Owner().ScreenRect())) << "the panel " << text(p);
        panel = onTrade;
        const std::string good = std::to_string(state::SelectedGood);
        names = {"Topic", "GoodName" + good, "GoodPrice" + good, "GoodStock" + good, "GoodCargo" + good};
        keepClear.erase(std::remove_if(keepClear.begin(), keepClear.end(),
                                       [&](const auto& k) { return !screens::Overlap(k.second, panel->Owner().ScreenRect()); }),
                        keepClear.end());
      }
      const platform::Form& owner = panel->Owner();
      EXPECT_TRUE(owner.Get<Panel>("TutorialPanel").Visible());
      if (auto read = kRead.find(owner.Name()); read != kRead.end()) {
        names.insert(names.end(), read->second.begin(), read->second.end());
      }
      for (const std::string& name : names) {
        if (name.ends_with('*')) {
          const std::string prefix = name.substr(0, name.size() - 1);
          for (platform::Control* c : owner.AllControls()) {
            if (c->Name().starts_with(prefix) && c->VisibleInForm())
              keepClear.push_back({c->Name(), screens::ShownRect(*c)});
          }
        } else if (platform::Control* c = owner.Find(name)) {
          if (c->VisibleInForm()) keepClear.push_back({name, screens::ShownRect(*c)});
        } else if (const platform::Form* other = platform::App().FindForm(name)) {
          keepClear.push_back({name, other->ScreenRect()});
        } else {
          ADD_FAILURE() << "the step names " << name << ", which its screen does not have";
        }
      }
      const Rect p = panel->ScreenRect(), f = owner.ScreenRect();
      EXPECT_TRUE(p.x >= f.x && p.y >= f.y && p.x + p.w <= f.x + f.w && p.y + p.h <= f.y + f.h)
          << "the panel leaves its screen: " << text(p);
      for (const auto& [name, r] : keepClear)
        EXPECT_FALSE(screens::Overlap(p, r)) << "the panel " << text(p) << " covers " << name << " " << text(r);
      // Minimised, the twin covers none of that, nor any text of the screen.
      const Panel& twin = owner.Get<Panel>("TutorialMinimizedPanel");
      const_cast<Panel&>(owner.Get<Panel>("TutorialPanel")).Hide();
      const_cast<Panel&>(twin).Show();
      const Rect m = twin.ScreenRect();
      for (const auto& [name, r] : keepClear)
        EXPECT_FALSE(screens::Overlap(m, r)) << "the twin " << text(m) << " covers " << name << " " << text(r);
      for (platform::Control* c : owner.AllControls()) {
        bool inTwin = false;
        for (const platform::Control* q = c; q && !inTwin; q = q->Parent()) inTwin = q == &twin;
        const bool captioned = c->kind() == platform::Kind::Label || c->kind() == platform::Kind::Button ||
                               c->kind() == platform::Kind::SpeedButton;
        if (inTwin || !captioned || !c->VisibleInForm() || c->Caption().empty()) continue;
        EXPECT_FALSE(screens::Overlap(m, screens::ShownRect(*c)))
            << "the twin " << text(m) << " covers the text of " << c->Name();
      }
      const_cast<Panel&>(twin).Hide();
      const_cast<Panel&>(owner.Get<Panel>("TutorialPanel")).Show();
    }
    screens::StopTutorial();
    if (screens::TradeWindowShowing()) screens::ToggleTradeWindow();
    screens::GameForm<screens::TravelScreenForm>().Hide();
  }
}

}  // namespace
}  // namespace screens_test
