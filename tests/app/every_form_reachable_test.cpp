// Every form the game registers can be reached by a player: for each one, the clicks that lead
// there from a fresh start of the program, played on the real forms with a fixed seed, end with
// that form on the screen. The cheat screen (a double click on the travel screen's corner) stands
// in for long careers where a path needs credits, a bigger ship or a promotion. The forms no
// player is meant to reach are named apart, so a new form must be added to one list or the other.
#include <filesystem>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "app/forms.h"
#include "app/program.h"
#include "platform/application.h"
#include "platform/script.h"
#include "screens/form_test_fixture.h"
#include "support/data_folder_at.h"

namespace screens_test {
namespace {

namespace fs = std::filesystem;

// `step` n times, one line each.
std::string Times(int n, const std::string& step) {
  std::string steps;
  for (int k = 0; k < n; ++k) steps += step + "\n";
  return steps;
}

// One turn in a fight: the guns fire twice, the turn ends and the enemy's turn runs at its pace.
const std::string kGunTurn = "click ShipCombat.AbilityButton1\nwait 1000\n"
                             "click ShipCombat.AbilityButton1\nwait 1000\n"
                             "click ShipCombat.EndTurnLabel\n" + Times(4, "wait 3000");

std::string NewGame(int seed, const std::string& profession = "") {
  return "seed " + std::to_string(seed) + R"(
click Start.WelcomeCloseButton
click Start.NewGameButton
click FactionSelection.ContinueLabel
key Enter
)" + profession + "click ProfessionSelection.ContinueButton\nanswer continue\n";
}

// A new Federation trader on the travel screen at Earth.
const std::string kNewGame = NewGame(11);
// Landed on Earth, on the planet screen.
const std::string kDocked = kNewGame + "click TravelScreen.DockButton\n";
const std::string kCheats = kNewGame + "dblclick TravelScreen.CheatSpot\n";
const std::string kRetired = kDocked + "click PlanetScreen.BarLabel\nclick Bar.RetireLabel\nanswer yes\n"
                                       "answer continue\nanswer continue\n";

// The cheat screen's fast start, then the flight to Saturn: the war news on the way, and a
// Syndicate fighter that attacks and loses.
const std::string kFastStartAttacked = kCheats + "click CheatScreen.TileLabel3\nanswer continue\n"
                                                 "click CheatScreen.TileLabel8\n"
                                                 "dblclick TravelScreen.Body6\nwait 100\nanswer continue\n" +
                                       Times(12, "wait 100") + "answer continue\n";
const std::string kFastStartWon = kFastStartAttacked + "answer continue\n" + kGunTurn + kGunTurn + kGunTurn +
                                  "click ShipCombat.AbilityButton1\nanswer continue\n";

// The career of the whole-game script: robotics traded at Earth, a mission taken at Jupiter, a
// corvette bought there with the cheat screen's credits, the pirate beaten at the Moon, then the
// flight to the wormhole and the jump to Carse.
const std::string kCareerJump =
    NewGame(9) +
    "click TravelScreen.TradeButton\nclick TradeWindow.GoodName5\nclick TradeWindow.QuantityLabel10\n" +
    Times(4, "click TradeWindow.BuyLabel") +
    "click TradeWindow.CloseLabel\ndblclick TravelScreen.Body5\nwait 1000\nwait 1000\n"
    "click TravelScreen.TradeButton\nclick TradeWindow.GoodName5\nclick TradeWindow.SellAllLabel\n"
    "click TradeWindow.CloseLabel\n"
    "click TravelScreen.MissionsButton\nclick MissionBoard.OfferTile2\nclick MissionBoard.AcceptLabel\n"
    "answer continue\n"
    "dblclick TravelScreen.CheatSpot\n" + Times(3, "click CheatScreen.TileLabel1") +
    "click CheatScreen.TileLabel8\n"
    "click TravelScreen.DockButton\nclick PlanetScreen.ShipyardLabel\nclick Shipyard.ShipTile4\n"
    "click Shipyard.BuyLabel\nanswer yes\nanswer continue\nanswer continue\n"
    "click Shipyard.CloseLabel\nclick PlanetScreen.BackLabel\n"
    "dblclick TravelScreen.Body3\n" + Times(6, "wait 100") + "answer continue\nwait 100\nanswer continue\n" +
    Times(11, "wait 100") + "answer continue\n" + kGunTurn + kGunTurn +
    "click ShipCombat.AbilityButton1\nwait 1000\nclick ShipCombat.AbilityButton1\n" +
    Times(5, "answer continue") + "dblclick TravelScreen.Body7\n" + Times(10, "wait 100") +
    "click TravelScreen.DockButton\n";
// At Carse, a mission against a pirate corvette at Melflor, whose shields fail in the seventh turn.
const std::string kBoardingOffered =
    kCareerJump + Times(4, "wait 100") +
    "click TravelScreen.MissionsButton\nclick MissionBoard.OfferTile4\nclick MissionBoard.AcceptLabel\n"
    "answer continue\ndblclick TravelScreen.Body3\n" + Times(19, "wait 100") + "answer continue\n" +
    kGunTurn + kGunTurn + kGunTurn + kGunTurn + kGunTurn + kGunTurn + kGunTurn +
    "click ShipCombat.AbilityButton1\nwait 1000\nclick ShipCombat.AbilityButton1\nwait 1000\n"
    "click ShipCombat.EndTurnLabel\nwait 3000\n";

// An Outer Rim pilot takes the cheat screen's battleship, flies from Hyraxan to the wormhole and
// jumps to New Ireland, where the Outer Rim is attacking the Federation's starbase.
const std::string kAtTheSiege =
    "seed 11\nclick Start.WelcomeCloseButton\nclick Start.NewGameButton\n"
    "click FactionSelection.OuterRimTile\nclick FactionSelection.ContinueLabel\nkey Enter\n"
    "click ProfessionSelection.ContinueButton\nanswer continue\n"
    "dblclick TravelScreen.CheatSpot\nclick CheatScreen.TileLabel5\nanswer continue\n"
    "click CheatScreen.TileLabel8\ndblclick TravelScreen.Body9\n" +
    Times(10, "wait 100") + "answer continue\n" + Times(10, "wait 100") +
    "click TravelScreen.DockButton\n" + Times(4, "wait 100") + "click TravelScreen.InvasionButton\n";

struct Path {
  const char* form;
  std::string steps;  // from a fresh start of the program until the form shows
};

const std::vector<Path>& Paths() {
  static const std::vector<Path> paths = {
      {"Background", ""},
      {"Start", "click Start.WelcomeCloseButton\n"},
      {"Credits", "click Start.WelcomeCloseButton\nclick Start.CreditsButton\n"},
      {"YesNoPopup", "click Start.WelcomeCloseButton\nclick Start.CreditsButton\nclick Credits.WebSiteLink\n"},
      {"HighScore", "click Start.WelcomeCloseButton\nclick Start.HighScoresButton\n"},
      {"GameOptions", "click Start.WelcomeCloseButton\nclick Start.SettingsButton\n"},
      {"SaveLoad", "click Start.WelcomeCloseButton\nclick Start.LoadButton\n"},
      {"TextPopup", "click Start.WelcomeCloseButton\nclick Start.LoadButton\nclick SaveLoad.LoadButton1\n"},
      {"FactionSelection", "click Start.WelcomeCloseButton\nclick Start.NewGameButton\n"},
      {"NameSelection", "click Start.WelcomeCloseButton\nclick Start.NewGameButton\n"
                        "click FactionSelection.ContinueLabel\n"},
      {"ProfessionSelection", "click Start.WelcomeCloseButton\nclick Start.NewGameButton\n"
                              "click FactionSelection.ContinueLabel\nkey Enter\n"},
      {"PicturePopup", "click Start.WelcomeCloseButton\nclick Start.NewGameButton\n"
                       "click FactionSelection.ContinueLabel\nkey Enter\n"
                       "click ProfessionSelection.ContinueButton\n"},
      {"TravelScreen", kNewGame},
      {"QuitGamePopup", kNewGame + "close\n"},
      {"NoticePopup", kNewGame + "click TravelScreen.NewsLine1\n"},
      {"TradeWindow", kNewGame + "click TravelScreen.TradeButton\n"},
      {"GalaxyMap", kNewGame + "click TravelScreen.GalaxyMapButton\n"},
      {"Sensors", kNewGame + "click TravelScreen.SensorsButton\n"},
      {"ShipStatus", kNewGame + "click TravelScreen.ShipPicture\n"},
      {"PersonalStatus", kNewGame + "click TravelScreen.Portrait\n"},
      {"MissionBoard", kNewGame + "click TravelScreen.MissionsButton\n"},
      {"Flight", kNewGame + "dblclick TravelScreen.Body6\n"},
      {"PlanetScreen", kDocked},
      {"Bank", kDocked + "click PlanetScreen.BankLabel\n"},
      {"Shipyard", kDocked + "click PlanetScreen.ShipyardLabel\n"},
      {"EquipmentShop", kDocked + "click PlanetScreen.EquipmentLabel\n"},
      {"Governor", kDocked + "click PlanetScreen.GovernorLabel\n"},
      {"Bar", kDocked + "click PlanetScreen.BarLabel\n"},
      {"CrewHiring", kDocked + "click PlanetScreen.BarLabel\nclick Bar.HireLabel\n"},
      {"RetirementSummary", kRetired},
      {"CareerLadder", kRetired + "click RetirementSummary.ContinueLabel\nanswer continue\nanswer continue\n"},
      {"CheatScreen", kCheats},
      {"Promotion", kCheats + "click CheatScreen.TileLabel2\nanswer continue\n"},
      {"AbilitySelection", kCheats + "click CheatScreen.TileLabel2\nanswer continue\n"
                                     "click Promotion.ContinueLabel\nanswer continue\n"},
      // A smuggler knows the pirates' hideout in the Sol system and lands there.
      {"PirateHideout", NewGame(11, "click ProfessionSelection.ProfessionLabel5\n") +
                            "dblclick TravelScreen.Body8\nwait 100\nwait 100\nanswer continue\n"
                            "wait 100\nanswer continue\n" + Times(4, "wait 100") +
                            "click TravelScreen.DockButton\n"},
      {"EncounterPopup", kFastStartAttacked},
      {"ShipCombat", kFastStartAttacked + "answer continue\n"},
      {"FamePopup", kFastStartWon},
      {"RewardPopup", kFastStartWon + "answer continue\n"},
      {"Jump", kCareerJump},
      {"ChoicePopup", kBoardingOffered},
      {"Boarding", kBoardingOffered + "answer yes\n"},
      {"CampaignScreen", kAtTheSiege},
      {"FleetBattle", kAtTheSiege + "click CampaignScreen.StrikeLabel\nanswer yes\n"},
  };
  return paths;
}

// Registered, but no player reaches them on purpose: the combat simulator lies on a panel of the
// start screen that is never shown, and the example screen is the pattern new screens copy.
const std::set<std::string>& HiddenOnPurpose() {
  static const std::set<std::string> hidden = {"SimulatorSetup", "SimulatorDuel", "Example"};
  return hidden;
}

class EveryFormReachable : public GameFormsTest {
 protected:
  void SetUp() override {
    GameFormsTest::SetUp();
    platform::SetAssetFolder(FARHAVEN_ASSET_DIR);
    // The program writes its general data into the data folder: a folder of this test's own.
    folder_ = fs::path(::testing::TempDir()) / "every_form_reachable";
    previous_ = fs::current_path();
  }
  void TearDown() override {
    data_.reset();
    fs::current_path(previous_);
    platform::SetAssetFolder("");
    GameFormsTest::TearDown();
  }

  // Starts the program afresh, as `farhaven --script` does, in an empty data folder, plays
  // `steps` and checks that `form` shows at the end.
  platform::ScriptResult Reach(const std::string& form, const std::string& steps) {
    app::DestroyForms();
    platform::App().Reset();
    app::CreateForms();
    fs::remove_all(folder_);
    fs::create_directories(folder_);
    fs::current_path(folder_);
    data_.emplace(folder_);
    platform::ScriptRunner runner;
    app::AddGameSteps(runner);
    runner.Load(steps + "expect " + form + ".Visible true\n", form + ".path");
    return runner.Run([] { platform::App().Run(); });
  }

  fs::path folder_, previous_;
  std::optional<support::DataFolderAt> data_;
};

TEST_F(EveryFormReachable, EachFormShowsAtTheEndOfItsPath) {
  for (const Path& p : Paths()) {
    SCOPED_TRACE(p.form);
    const platform::ScriptResult r = Reach(p.form, p.steps);
    EXPECT_TRUE(r.ok) << r.message;
  }
}

// A new form belongs in one of the two lists; a name in neither, in both, or in a list but not
// registered fails here.
TEST_F(EveryFormReachable, EveryRegisteredFormHasAPathOrIsHiddenOnPurpose) {
  std::set<std::string> registered, reached;
  for (const app::FormEntry& e : app::GameForms()) registered.insert(e.name);
  for (const Path& p : Paths()) {
    EXPECT_TRUE(reached.insert(p.form).second) << p.form << " has two paths";
    EXPECT_TRUE(registered.count(p.form)) << p.form << " has a path but is not registered";
    EXPECT_FALSE(HiddenOnPurpose().count(p.form)) << p.form << " has a path and is hidden";
  }
  for (const std::string& name : HiddenOnPurpose())
    EXPECT_TRUE(registered.count(name)) << name << " is hidden on purpose but not registered";
  for (const std::string& name : registered)
    EXPECT_TRUE(reached.count(name) || HiddenOnPurpose().count(name))
        << name << " is registered, but no path reaches it and it is not hidden on purpose";
}

}  // namespace
}  // namespace screens_test
