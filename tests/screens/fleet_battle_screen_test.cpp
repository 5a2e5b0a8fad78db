// The fleet battle screen: what it draws of the fleets, the selected pair and the player, its
// picture buttons, and whole battles played by clicks under a fixed seed (won by an escort's duel,
// won and lost by the player's own attack, retreat, the quit question), with the result left in
// the game state.
#include "screens/combat/fleet_battle_screen.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "app/program.h"
#include "app/start.h"
#include "combat/fleet_battle.h"
#include "combat/recording_fleet_ui.h"
#include "platform/pictures.h"
#include "platform/script.h"
#include "rules/forwarding_ui.h"
#include "rules/new_game.h"
#include "screens/form_test_fixture.h"
#include "screens/popups/popup_forms.h"
#include "screens/screen_ui.h"
#include "screens/shared/game_forms.h"
#include "screens/shared/liveries.h"
#include "state/equipment.h"
#include "state/fields.h"
#include "state/random.h"
#include "state/ship_class_of.h"
#include "state/ship_classes.h"
#include "state/start_ship.h"
#include "state/variables.h"
#include "support/rows.h"
#include "support/script_ui.h"

namespace screens_test {
namespace {

using platform::Image;
using platform::Label;
using state::EnemyFleet;
using state::PlayerFleet;
using state::PlayerShip;

using enum state::ShipClassId;

// How the ship fight of an own attack ends: written into the ship rows as the combat screen would.
// Everything else (the encounter popup above all) reaches the game's real screens.
class FightOnCue : public rules::ForwardingUi {
 public:
  enum class End { EnemyDestroyed, PlayerFled, PlayerDestroyed };
  explicit FightOnCue(rules::Ui& screens) : ForwardingUi(screens) {}

  // How the coming fights end, in order; the last stands for every fight after it.
  std::vector<End> ends = {End::EnemyDestroyed};
  int fights = 0;
  int travelClosings = 0;
  std::int32_t enemyShieldsAtFight = 0;

  void SetupShipCombat(state::ShipClassId enemyClass, Faction enemyFaction, ShipKind enemyKind,
                       std::int32_t) override {
    WriteEnemyIdentity(enemyClass, enemyFaction, enemyKind);
  }
  void RunShipCombat() override {
    const End end = ends[std::min<std::size_t>(static_cast<std::size_t>(fights), ends.size() - 1)];
    ++fights;
    enemyShieldsAtFight = state::EnemyShip[ship::kShields];
    if (end == End::EnemyDestroyed) state::EnemyShip[ship::kAlive] = 0;
    if (end == End::PlayerDestroyed) PlayerShip[ship::kAlive] = 0;
  }
  void CloseTravelScreen() override { ++travelClosings; }
};

class FleetBattleScreenTest : public GameFormsTest {
 protected:
  void SetUp() override {
    GameFormsTest::SetUp();
    platform::SetAssetFolder(FARHAVEN_ASSET_DIR);
    state::ClearGameState();
    state::PlayerData[player::kFaction] = 2;
    state::PlayerData[player::kProfession] = 1;
    support::ScriptUi quiet;
    rules::CreateNewGameWorld(state::StartShipClass(kProfessionTrader, kFactionOuterRim), quiet);
    state::CompatibilityMode = 0;
    // The start screen's lights blink behind every screen and draw from the same random stream;
    // put out, they leave the stream to the battle, so a seed plays the same battle here as
    // without a screen.
    for (const char* light : {"UpperLightTimer", "LowerLightTimer"})
      screens::GameForm<app::StartScreen>().Get<platform::Timer>(light).SetEnabled(false);
  }
  void TearDown() override {
    state::CompatibilityMode = 0;
    platform::SetAssetFolder("");
    GameFormsTest::TearDown();
  }

  static screens::FleetBattleScreen& screen() {
    return screens::GameForm<screens::FleetBattleScreen>();
  }

  static void Row(state::TFleetShipRow& row, state::ShipClassId shipClass, combat::FleetRole role,
                  Faction faction = kFactionCoalition) {
    row = test_rows::FleetShipRow()
              .Alive()
              .Faction(faction)
              .Class(shipClass)
              .HitPoints(state::GetShipClassBaseShields(shipClass))
              .Role(role);
  }
  // The flagship and `escorts` cruisers against the enemy `roles` (a station is a starbase).
  static void Fleets(int escorts, std::initializer_list<combat::FleetRole> roles) {
    for (int r = 0; r < state::kFleetRows; ++r) PlayerFleet[r] = EnemyFleet[r] = {};
    Row(PlayerFleet[1], state::ShipClassOf(PlayerShip), combat::kRoleFlagship,
        Faction{PlayerShip[ship::kFaction]});
    for (int k = 1; k <= escorts; ++k)
      Row(PlayerFleet[1 + k], kClassNeptun, combat::kRoleCruiser, kFactionOuterRim);
    int r = 1;
    for (const combat::FleetRole role : roles) {
      const state::ShipClassId shipClass = role == combat::kRoleStation      ? state::kStarbaseClass
                                           : role == combat::kRoleBattleship ? kClassGettysburg
                                           : role == combat::kRoleCruiser    ? kClassNeptun
                                                                             : kClassPatton;
      Row(EnemyFleet[r++], shipClass, role);
    }
    combat::ResetFleetBattleFlags();
    PlayerShip[ship::kEmergencyRechargeUsed] = 0;
  }

  static std::int32_t MaxShields() {
    return state::GetShipMaxShields(state::ShipClassOf(PlayerShip), EngineId{PlayerShip[ship::kEngine]},
                                    CargoModuleId{PlayerShip[ship::kCargoModule]});
  }

  // Runs the battle under `steps` (script lines) and returns whether it was won.
  bool Play(const std::string& steps, rules::Ui& rules) {
    platform::ScriptRunner runner;
    app::AddGameSteps(runner);
    runner.Load(steps, "fleet_battle.script");
    bool won = false;
    const platform::ScriptResult r = runner.Run([&] { won = screen().RunBattle(rules); });
    EXPECT_TRUE(r.ok) << r.message;
    return won;
  }

  static std::string Screenshot(const char* name) { return FormTest::ScreenshotStep("FleetBattle", name); }

  // Saves the screen as it is now, when FARHAVEN_SCREENSHOTS names a folder.
  static void SaveScreenshot(const char* name) {
    const char* folder = std::getenv("FARHAVEN_SCREENSHOTS");
    if (folder == nullptr || *folder == 0) return;
    platform::App().ProcessMessages();
    platform::App().SaveScreenshot((std::filesystem::path(folder) / name).string(),
                                   &screens::GameForm<screens::FleetBattleScreen>());
  }

  screens::ScreenUi screens;
  FightOnCue fight{screens};
};

// ---- What the screen draws ----------------------------------------------------------------------

// Every symbol, its compatibility label and both panels show exactly what the battle's view says,
// for fleets that fill, overfill and leave free the places, with and without a selection.
TEST_F(FleetBattleScreenTest, TheScreenShowsTheViewOfTheFleetsAndTheSelectedPair) {
  struct Case {
    const char* what;
    int escorts;
    std::vector<combat::FleetRole> enemies;
    std::int32_t escort, target;
    bool compatibility;
  };
  using R = std::vector<combat::FleetRole>;
  constexpr combat::FleetRole kStation = combat::kRoleStation,
                              kBattleship = combat::kRoleBattleship,
                              kCruiser = combat::kRoleCruiser, kDestroyer = combat::kRoleDestroyer;
  const Case cases[] = {
      {"nothing selected", 2, R{kCruiser, kDestroyer, kBattleship}, 0, 0, false},
      {"a pair selected", 3, R{kCruiser, kDestroyer, kBattleship}, 3, 2, false},
      {"the flagship and a station", 0, R{kStation, kDestroyer, kDestroyer}, 1, 1, true},
      {"more ships than places", 6,
       R{kBattleship, kBattleship, kBattleship, kBattleship, kDestroyer, kDestroyer, kDestroyer,
         kDestroyer, kDestroyer, kDestroyer},
       2, 9, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    Fleets(c.escorts, {});
    int r = 1;
    for (const combat::FleetRole role : c.enemies) {
      Row(EnemyFleet[r], role == combat::kRoleStation ? state::kStarbaseClass : kClassPatton, role);
      ++r;
    }
    combat::SelectedEscort = c.escort;
    combat::SelectedTarget = c.target;
    state::CompatibilityMode = c.compatibility ? 1 : 0;
    screen().Refresh();
    const combat::FleetBattleView view = combat::BuildFleetBattleView();

    auto check = [&](const combat::FleetSymbol& symbol, const std::string& image,
                     const std::string& label, bool own) {
      SCOPED_TRACE(image);
      const Image& shown = screen().Get<Image>(image);
      EXPECT_EQ(shown.Visible(), symbol.visible);
      EXPECT_EQ(screen().Get<Label>(label).Visible(), symbol.visible && c.compatibility);
      if (!symbol.visible) return;
      // The view's symbol in the livery of the ship's faction.
      const auto& fleet = own ? PlayerFleet : EnemyFleet;
      EXPECT_EQ(shown.PictureName(), screens::SymbolInLivery(symbol.picture, Faction{fleet[symbol.row][fleet_ship::kFaction]}));
      EXPECT_EQ(shown.PictureName().find(own ? "_blue_" : "_red_"), std::string::npos);
      EXPECT_EQ(shown.Tag(), symbol.row);
    };
    check(view.ownLarge, "OwnLargeSymbol", "OwnLargeLabel", true);
    for (int k = 1; k <= 5; ++k)
      check(view.ownSmall[k - 1], "OwnSmallSymbol" + std::to_string(k),
            "OwnSmallLabel" + std::to_string(k), true);
    for (int k = 1; k <= 3; ++k)
      check(view.enemyLarge[k - 1], "EnemyLargeSymbol" + std::to_string(k),
            "EnemyLargeLabel" + std::to_string(k), false);
    for (int k = 1; k <= 7; ++k)
      check(view.enemySmall[k - 1], "EnemySmallSymbol" + std::to_string(k),
            "EnemySmallLabel" + std::to_string(k), false);

    for (auto [side, panel] :
         {std::pair{"Target", &view.target}, std::pair{"Escort", &view.escort}}) {
      const std::string s = side;
      SCOPED_TRACE(s);
      EXPECT_EQ(screen().Get<platform::Panel>(s + "Panel").Visible(), panel->visible);
      if (!panel->visible) continue;
      EXPECT_EQ(Picture(screen(), s + "Picture"), panel->picture);
      EXPECT_EQ(screen().Get<Label>(s + "Name").Caption(), panel->name);
      EXPECT_EQ(screen().Get<Label>(s + "Role").Caption(), panel->role);
      EXPECT_EQ(Picture(screen(), s + "ShieldBar"), panel->shieldBar);
      EXPECT_EQ(screen().Get<Label>(s + "ShieldText").Caption(), panel->shieldText);
    }
    EXPECT_EQ(Picture(screen(), "ShieldBar"), view.playerShieldBar);
    EXPECT_EQ(screen().Get<Label>("ShieldText").Caption(), view.playerShieldText);
    EXPECT_EQ(Picture(screen(), "ExperienceBar"), view.experienceBar);
    EXPECT_EQ(screen().Get<Label>("ExperienceText").Caption(), view.experienceText);
    EXPECT_EQ(Picture(screen(), "ShipPicture"), view.shipPicture);
    EXPECT_EQ(Picture(screen(), "Portrait"), view.portrait);
  }
  SaveScreenshot("fleet-battle-compatibility.png");
  // The last case in words: a battleship selected in the second large place, the escort in the
  // first small one, and no place for the fourth large or the eighth small enemy; the Outer Rim's
  // escort and the Coalition's destroyer each in its faction's livery.
  EXPECT_EQ(Picture(screen(), "OwnSmallSymbol1"), "ship_Outerrim_med_left_on.bmp");
  EXPECT_EQ(Picture(screen(), "EnemySmallSymbol5"), "ship_Coalition_small_right_on.bmp");
  EXPECT_EQ(screen().Get<Image>("EnemySmallSymbol5").Tag(), 9);
  EXPECT_EQ(screen().Get<Label>("TargetRole").Caption(), "Destroyer");
  EXPECT_EQ(screen().Get<Label>("EscortName").Caption(), "\"Neptun\" class");
}

// The lit twin follows the mouse over the four orders and the two panels' Close, one at a time;
// the faces around them put it out.
TEST_F(FleetBattleScreenTest, ThePictureButtonsLightUnderTheMouse) {
  Fleets(1, {combat::kRoleDestroyer});
  combat::SelectedEscort = 2;
  combat::SelectedTarget = 1;
  Play(R"(
move FleetBattle.AttackLabel
expect FleetBattle.AttackButton.Picture "WaveScreenON_05.jpg"
move FleetBattle.EscortAttackButton
expect FleetBattle.AttackButton.Picture "WaveScreen_05.jpg"
expect FleetBattle.EscortAttackButton.Picture "WaveScreenON_06.jpg"
move FleetBattle.RechargeLabel
expect FleetBattle.RechargeButton.Picture "WaveScreenON_10.jpg"
move FleetBattle.RetreatButton
expect FleetBattle.RetreatButton.Picture "WaveScreenON_16.jpg"
move FleetBattle.TargetCloseLabel
expect FleetBattle.TargetCloseButton.Picture "WaveScreenPopupEnemyON_09.jpg"
move FleetBattle.EscortCloseButton
expect FleetBattle.TargetCloseButton.Picture "WaveScreenPopupEnemy_09.jpg"
expect FleetBattle.EscortCloseButton.Picture "WaveScreenPopupAllieON_09.jpg"
move FleetBattle.BattleFace
expect FleetBattle.EscortCloseButton.Picture "WaveScreenPopupAllie_09.jpg"
click FleetBattle.RetreatLabel
answer yes
)",
       fight);
}

// ---- Whole battles ------------------------------------------------------------------------------

// The orders of a plain captain, read from the battle's view: the first escort shown goes at the
// first enemy shown that may be attacked; with no escort left the captain attacks it personally.
struct Orders {
  std::int32_t escort = 0, target = 0;
};
Orders NextOrders() {
  const combat::FleetBattleView view = combat::BuildFleetBattleView();
  Orders orders;
  for (const combat::FleetSymbol& symbol : view.ownSmall)
    if (symbol.visible && orders.escort == 0) orders.escort = symbol.row;
  auto consider = [&](const combat::FleetSymbol& symbol) {
    if (symbol.visible && orders.target == 0 && !combat::StationProtected(symbol.row))
      orders.target = symbol.row;
  };
  for (const combat::FleetSymbol& symbol : view.enemyLarge) consider(symbol);
  for (const combat::FleetSymbol& symbol : view.enemySmall) consider(symbol);
  return orders;
}

// The component that shows fleet row `row`, among `symbols`.
platform::Image* SymbolOf(const std::vector<platform::Image*>& symbols, std::int32_t row) {
  for (platform::Image* symbol : symbols)
    if (symbol->Visible() && symbol->Tag() == row) return symbol;
  return nullptr;
}

// A whole prepared battle (a starbase strike) played by clicks, duel by duel, ends exactly as the
// same orders given to the rules without a screen: the same ships lost, the same hit points, the
// same draws of the random stream, the same result.
TEST_F(FleetBattleScreenTest, APreparedBattlePlayedByClicksEndsAsTheSameOrdersWithoutAScreen) {
  constexpr std::uint32_t kSeed = 4242;
  combat::PrepareFleetBattle(kFactionCoalition, rules::kFleetKindStarbaseWeakened);
  PlayerShip[ship::kShields] = MaxShields();
  const auto ship = PlayerShip;
  const auto own = PlayerFleet;
  const auto enemy = EnemyFleet;

  // Without a screen.
  support::ScriptUi quiet;
  FightOnCue headlessFight(quiet);
  combat::RecordingFleetUi headless(headlessFight);
  state::Randomize(kSeed);
  for (int order = 0; order < 200 && !headless.closed; ++order) {
    const Orders next = NextOrders();
    if (next.target != 0) combat::ClickEnemyShipSymbol(next.target, headless);
    if (next.escort == 0 || next.target == 0) {
      combat::AttackTargetYourself(headless);
      continue;
    }
    combat::ClickOwnShipSymbol(next.escort, headless);
    combat::SelectedEscortAttacks(headless);
    while (combat::FleetDuelRunning) combat::FleetDuelTick(headless);
  }
  ASSERT_TRUE(headless.closed);
  combat::FleetBattleScreenClosed();
  const auto headlessShip = PlayerShip;
  const auto headlessOwn = PlayerFleet;
  const auto headlessEnemy = EnemyFleet;
  const auto headlessSeed = state::RandSeed;
  const auto headlessWon = combat::FleetBattleWon;

  // On the screen, from the same start.
  PlayerShip = ship;
  PlayerFleet = own;
  EnemyFleet = enemy;
  combat::SelectedEscort = combat::SelectedTarget = 0;
  combat::FleetBattleWon = 0;
  state::Randomize(kSeed);
  screens::FleetBattleScreen& battle = screen();
  const std::vector<Image*> ownSymbols = battle.GetNumbered<Image>("OwnSmallSymbol", 5);
  std::vector<Image*> enemySymbols = battle.GetNumbered<Image>("EnemyLargeSymbol", 3);
  for (Image* symbol : battle.GetNumbered<Image>("EnemySmallSymbol", 7))
    enemySymbols.push_back(symbol);
  int moments = 0, duels = 0;
  platform::App().SetIdleHook([&] {
    if (++moments > 5000) {
      ADD_FAILURE() << "the battle does not end";
      throw OutOfSteps{};
    }
    const auto& modal = platform::App().ModalStack();
    if (!modal.empty() && modal.back() != &battle) {
      ClickOn(*modal.back()->Find("ContinueButton"));  // the encounter and the outcome
      return;
    }
    if (combat::FleetDuelRunning) {
      platform::App().AdvanceClock(1000);
      return;
    }
    const Orders next = NextOrders();
    if (next.target != 0) ClickOn(*SymbolOf(enemySymbols, next.target));
    if (next.escort == 0 || next.target == 0) {
      ClickOn(battle.Get<Label>("AttackLabel"));
      return;
    }
    ClickOn(*SymbolOf(ownSymbols, next.escort));
    ClickOn(battle.Get<Label>("EscortAttackLabel"));
    ++duels;
    if (duels == 2) SaveScreenshot("fleet-battle-strike.png");
  });
  const bool won = battle.RunBattle(fight);

  EXPECT_GE(duels, 2);
  EXPECT_EQ(won, headlessWon == 1);
  EXPECT_EQ(combat::FleetBattleWon, headlessWon);
  EXPECT_EQ(state::RandSeed, headlessSeed);
  EXPECT_EQ(PlayerShip, headlessShip);
  EXPECT_EQ(PlayerFleet, headlessOwn);
  EXPECT_EQ(EnemyFleet, headlessEnemy);
  EXPECT_EQ(fight.fights, headlessFight.fights);
}


// Two escorts against a destroyer: the first escort is chosen and sent; while its duel runs only
// the hidden control would act, and the order given again changes nothing; the duel ends with the
// destroyer gone, which wins the battle.
TEST_F(FleetBattleScreenTest, AnEscortsDuelWinsTheBattle) {
  Fleets(2, {combat::kRoleDestroyer});
  PlayerShip[ship::kShields] = 10;
  const std::int32_t topUp = MaxShields() / 8;
  const std::int32_t crew = PlayerShip[ship::kCrewmen];
  const bool won = Play("seed 7\n"
                        "click FleetBattle.OwnSmallSymbol1\n"
                        "expect FleetBattle.EscortPanel.Visible true\n"
                        "expect FleetBattle.EscortRole.Caption \"Cruiser\"\n"
                        "click FleetBattle.EnemySmallSymbol1\n"
                        "expect FleetBattle.TargetRole.Caption \"Destroyer\"\n"
                        "click FleetBattle.EscortAttackLabel\n"
                        "expect FleetBattle.AttackSpeedButton.Enabled false\n"
                        "expect FleetBattle.RetreatSpeedButton.Enabled false\n"
                        "expect FleetBattle.DuelTimer.Interval \"1000\"\n"
                        "wait 1000\n" +
                            Screenshot("fleet-battle-duel.png") +
                            // Nothing but the duel acts now: no question, no popup, no change.
                            "click FleetBattle.EscortAttackButton\n"
                            "click FleetBattle.OwnSmallSymbol2\n"
                            "click FleetBattle.TargetCloseLabel\n"
                            "click FleetBattle.RechargeLabel\n"
                            "click FleetBattle.RetreatButton\n"
                            "click FleetBattle.AttackLabel\n"
                            "click FleetBattle.Portrait\n"
                            "click FleetBattle.ShipPicture\n"
                            "expect FleetBattle.EscortName.Caption \"\\\"Neptun\\\" class\"\n"
                            "wait 60000\n"
                            "expect TextPopup.Topic.Caption \"Enemy fleet destroyed!\"\n"
                            "answer continue\n",
                        fight);
  EXPECT_TRUE(won);
  EXPECT_EQ(combat::FleetBattleWon, 1);
  EXPECT_EQ(EnemyFleet[1][fleet_ship::kAlive], 0);
  EXPECT_EQ(PlayerFleet[2][fleet_ship::kAlive], 1) << "seed 7: the escort survives its duel";
  EXPECT_EQ(PlayerShip[ship::kShields], 10 + topUp) << "one top-up: the second order did nothing";
  EXPECT_EQ(PlayerShip[ship::kEmergencyRechargeUsed], 0);
  EXPECT_EQ(PlayerShip[ship::kCrewmen], crew);
  EXPECT_EQ(combat::SelectedTarget, 0);
  EXPECT_EQ(combat::SelectedEscort, 2);
  EXPECT_EQ(combat::FleetDuelRunning, 0);
  EXPECT_FALSE(screen().Get<platform::Timer>("DuelTimer").Enabled());
  EXPECT_EQ(fight.fights, 0);
  EXPECT_FALSE(screen().Visible());
  EXPECT_EQ(state::FleetBattleMayClose, 0) << "the close permission is used up";
  // Every click sounds; the exchanges fire, the destroyer explodes; the portrait opened nothing.
  const auto count = [&](const char* wav) {
    return std::count(sounds.effects.begin(), sounds.effects.end(), wav);
  };
  EXPECT_GE(count("button.wav"), 12);
  EXPECT_GE(count("FireGuns.wav") + count("FireGuns2.wav"), 2);
  EXPECT_EQ(count("Explosion_Ship.wav"), 1);
  EXPECT_EQ(count("maxi.wav"), 0);
}

// The hidden Close takes the escort out of a running duel: the next tick ends the duel without a
// shot and gives the orders back.
TEST_F(FleetBattleScreenTest, TheHiddenCloseEndsARunningDuel) {
  Fleets(1, {combat::kRoleDestroyer});
  std::uint32_t seedAfterRecall = 0;
  WhenIdle({
      [] {
        combat::SelectedEscort = 2;
        combat::SelectedTarget = 1;
        ClickOn(screens::GameForm<screens::FleetBattleScreen>().Get<Image>("EscortAttackButton"));
        ASSERT_EQ(combat::FleetDuelRunning, 1);
        FireClick(screens::GameForm<screens::FleetBattleScreen>(), "HiddenCloseButton");
        EXPECT_FALSE(screens::GameForm<screens::FleetBattleScreen>()
                         .Get<platform::Panel>("EscortPanel")
                         .Visible());
      },
      [&] {
        seedAfterRecall = state::RandSeed;
        platform::App().AdvanceClock(1000);
        EXPECT_EQ(combat::FleetDuelRunning, 0);
        EXPECT_EQ(state::RandSeed, seedAfterRecall) << "no shot after the recall";
        EXPECT_TRUE(screens::GameForm<screens::FleetBattleScreen>()
                        .Get<platform::SpeedButton>("AttackSpeedButton")
                        .Enabled());
        EXPECT_FALSE(screens::GameForm<screens::FleetBattleScreen>()
                         .Get<platform::Timer>("DuelTimer")
                         .Enabled());
        ClickOn(screens::GameForm<screens::FleetBattleScreen>().Get<Label>("RetreatLabel"));
      },
      [] { ClickOn(screens::GameForm<screens::YesNoPopup>().Get<Label>("YesLabel")); },
  });
  EXPECT_FALSE(screen().RunBattle(fight));
  EXPECT_EQ(EnemyFleet[1][fleet_ship::kAlive], 1);
  EXPECT_EQ(PlayerFleet[2][fleet_ship::kAlive], 1);
  EXPECT_FALSE(StepsLeft());
}

// The player's own attacks: refused without a target and at a station still protected; a fight
// with the target's hit points that destroys it removes it and tops up the shields by a quarter;
// a fight the player flees leaves the target as it was; the last ship destroyed wins.
TEST_F(FleetBattleScreenTest, OwnAttacksFightTheTargetAndTheLastKillWins) {
  Fleets(0, {combat::kRoleStation, combat::kRoleDestroyer});
  EnemyFleet[2][fleet_ship::kHitPoints] = 77;
  PlayerShip[ship::kShields] = 1;
  const std::int32_t quarter = MaxShields() / 4;
  const bool won = Play(R"(
click FleetBattle.AttackLabel
expect TextPopup.Topic.Caption "No target"
answer continue
click FleetBattle.EnemyLargeSymbol1
expect FleetBattle.TargetRole.Caption "Space station"
click FleetBattle.AttackButton
expect TextPopup.Topic.Caption "N/A"
answer continue
click FleetBattle.EnemySmallSymbol1
click FleetBattle.AttackSpeedButton
expect EncounterPopup.Topic.Caption "Hostile encounter!"
answer continue
expect FleetBattle.EnemySmallSymbol1.Visible false
expect FleetBattle.TargetPanel.Visible false
click FleetBattle.EnemyLargeSymbol1
click FleetBattle.AttackLabel
expect EncounterPopup.Topic.Caption "Hostile encounter!"
answer continue
expect TextPopup.Topic.Caption "Enemy fleet destroyed!"
answer continue
)",
                        fight);
  EXPECT_TRUE(won);
  EXPECT_EQ(fight.fights, 2);
  EXPECT_EQ(fight.enemyShieldsAtFight, state::GetShipClassBaseShields(state::kStarbaseClass));
  EXPECT_EQ(state::EnemyShip[ship::kClass], state::Stored(state::kStarbaseClass));
  EXPECT_EQ(PlayerShip[ship::kShields], std::min(1 + 2 * quarter, MaxShields()));
  EXPECT_EQ(combat::FleetBattleWon, 1);
}

// The captain's own fight takes the whole view: the fleet battle waits hidden behind the combat
// screen and shows again when the fight is over.
TEST_F(FleetBattleScreenTest, AnOwnAttacksFightHidesTheBattleUntilItEnds) {
  // A battleship captain far from the next level: the kill brings neither a medal nor a promotion.
  PlayerShip[ship::kClass] = state::Stored(kClassGettysburg);
  state::PlayerData[player::kLevel] = 18;
  Fleets(1, {combat::kRoleCruiser, combat::kRoleDestroyer});
  const bool won = Play(R"(
seed 5
click FleetBattle.EnemySmallSymbol1
click FleetBattle.AttackLabel
answer continue
expect ShipCombat.Visible true
expect FleetBattle.Visible false
dblclick ShipCombat.CheatCorner
click CheatScreen.TileLabel7
expect PicturePopup.Topic.Caption "Well done!"
answer continue
answer continue
answer continue
expect ShipCombat.Visible false
expect FleetBattle.Visible true
expect FleetBattle.TargetPanel.Visible false
click FleetBattle.RetreatLabel
answer yes
)",
                        screens);
  EXPECT_FALSE(won);
}

// A fled fight leaves its target as it was; a fight that loses the player's ship loses the battle,
// whatever the escorts.
TEST_F(FleetBattleScreenTest, AFledFightChangesNothingAndALostShipLosesTheBattle) {
  Fleets(2, {combat::kRoleCruiser});
  EnemyFleet[1][fleet_ship::kHitPoints] = 55;
  fight.ends = {FightOnCue::End::PlayerFled, FightOnCue::End::PlayerDestroyed};
  const bool won = Play(R"(
click FleetBattle.EnemySmallSymbol1
click FleetBattle.AttackLabel
answer continue
expect FleetBattle.EnemySmallSymbol1.Visible true
expect FleetBattle.TargetShieldText.Caption "Enemy ships shields: )" +
                            std::to_string(55 * 100 / state::GetShipClassBaseShields(kClassNeptun)) +
                            R"(%"
click FleetBattle.AttackLabel
answer continue
expect TextPopup.Topic.Caption "Your fleet destroyed!"
expect TextPopup.Text.Caption "Your fleet has been destroyed. You have failed!"
answer continue
)",
                        fight);
  EXPECT_FALSE(won);
  EXPECT_EQ(fight.fights, 2);
  EXPECT_EQ(combat::FleetBattleWon, 0);
  EXPECT_EQ(PlayerShip[ship::kAlive], 0);
  EXPECT_EQ(EnemyFleet[1][fleet_ship::kAlive], 1);
  EXPECT_EQ(EnemyFleet[1][fleet_ship::kHitPoints], 55);
}

// Retreat asks first; the emergency recharge asks, works once, and its breach halves the crew but
// spares the droids.
TEST_F(FleetBattleScreenTest, RechargeOnceThenRetreatOnYes) {
  Fleets(1, {combat::kRoleDestroyer});
  PlayerShip[ship::kShields] = 1;
  PlayerShip[ship::kCrewmen] = 9;
  PlayerShip[ship::kDroids] = 5;
  // Seed 25's first draw of Random(100) is at least 61: a breach.
  state::Randomize(25);
  ASSERT_GE(state::Random(100), 61);
  const std::string lowShields =
      "Your shields: " +
      std::to_string(100 / state::GetShipClassBaseShields(state::ShipClassOf(PlayerShip))) + "%";
  const std::string fullShields =
      "Your shields: " +
      std::to_string(combat::FleetShieldPercent(
          MaxShields(), state::GetShipClassBaseShields(state::ShipClassOf(PlayerShip)))) +
      "%";
  const bool won = Play(R"(
seed 25
click FleetBattle.RechargeLabel
expect YesNoPopup.Topic.Caption "Emergency recharge?"
answer no
expect FleetBattle.ShieldText.Caption ")" + lowShields + R"("
click FleetBattle.RechargeButton
answer yes
expect TextPopup.Topic.Caption "Reactor breach!"
answer continue
expect FleetBattle.ShieldText.Caption ")" + fullShields + R"("
click FleetBattle.RechargeSpeedButton
expect TextPopup.Topic.Caption "N/A"
answer continue
click FleetBattle.RetreatLabel
expect YesNoPopup.Text.Caption "Do you really wish to retreat?"
answer no
expect FleetBattle.Visible true
click FleetBattle.RetreatButton
answer yes
)",
                        fight);
  EXPECT_FALSE(won);
  EXPECT_EQ(combat::FleetBattleWon, 0);
  EXPECT_EQ(PlayerShip[ship::kShields], MaxShields());
  EXPECT_EQ(PlayerShip[ship::kEmergencyRechargeUsed], 1);
  EXPECT_EQ(PlayerShip[ship::kCrewmen], 4);
  EXPECT_EQ(PlayerShip[ship::kDroids], 5);
  EXPECT_EQ(EnemyFleet[1][fleet_ship::kAlive], 1);
}

// Any other request to close (the window's close box) asks whether to quit the game: no keeps the
// battle, yes ends the game through the travel screen and leaves the result as it was.
TEST_F(FleetBattleScreenTest, ClosingFromOutsideAsksWhetherToQuitTheGame) {
  Fleets(1, {combat::kRoleDestroyer});
  int asked = 0;
  WhenIdle({
      [] { screens::GameForm<screens::FleetBattleScreen>().Close(); },
      [&] {
        ++asked;
        EXPECT_EQ(screens::GameForm<screens::YesNoPopup>().Topic().Caption(), "Quit game?");
        ClickOn(screens::GameForm<screens::YesNoPopup>().Get<Label>("NoLabel"));
      },
      [] { screens::GameForm<screens::FleetBattleScreen>().Close(); },
      [&] {
        ++asked;
        ClickOn(screens::GameForm<screens::YesNoPopup>().Get<Label>("YesLabel"));
      },
  });
  EXPECT_FALSE(screen().RunBattle(fight));
  EXPECT_EQ(asked, 2);
  EXPECT_EQ(fight.travelClosings, 1);
  EXPECT_EQ(state::TravelMayClose, 1);
  EXPECT_EQ(combat::FleetBattleWon, 0);
  EXPECT_FALSE(StepsLeft());
}

// The desktop's close request during a battle ends the program without a question that could
// hold it up; the battle is neither won nor left open.
TEST_F(FleetBattleScreenTest, TheDesktopsCloseRequestEndsTheBattleUnanswered) {
  Fleets(1, {combat::kRoleDestroyer});
  combat::SelectedEscort = 2;
  combat::SelectedTarget = 1;
  EXPECT_FALSE(Play("click FleetBattle.EscortAttackLabel\nclose\n", fight));
  EXPECT_EQ(combat::FleetBattleWon, 0);
  EXPECT_EQ(combat::FleetDuelRunning, 0);
  EXPECT_FALSE(screen().Get<platform::Timer>("DuelTimer").Enabled());
}

// The rules' door: both fleets prepared against the faction, the battle on screen, the result
// returned. Without the game's forms there is no battle and nothing is won.
TEST_F(FleetBattleScreenTest, TheRulesOpenAPreparedBattle) {
  state::ActiveMission = {};
  combat::SelectedTarget = 4;
  PlayerShip[ship::kEmergencyRechargeUsed] = 1;
  WhenIdle({
      [] {
        EXPECT_EQ(combat::SelectedTarget, 0);
        EXPECT_EQ(PlayerShip[ship::kEmergencyRechargeUsed], 0);
        EXPECT_TRUE(
            screens::GameForm<screens::FleetBattleScreen>().Get<Image>("OwnLargeSymbol").Visible());
        EXPECT_TRUE(screens::GameForm<screens::FleetBattleScreen>()
                        .Get<Image>("EnemyLargeSymbol1")
                        .Visible());
        EXPECT_EQ(EnemyFleet[1][fleet_ship::kFaction], 4);
        SaveScreenshot("fleet-battle-start.png");
        ClickOn(screens::GameForm<screens::FleetBattleScreen>().Get<Label>("RetreatLabel"));
      },
      [] { ClickOn(screens::GameForm<screens::YesNoPopup>().Get<Label>("YesLabel")); },
  });
  EXPECT_FALSE(screens.RunFleetBattle(kFactionSyndicate, rules::kFleetKindMission));
  EXPECT_FALSE(StepsLeft());

  // Without its screen no battle is skipped in silence: the program ends, naming the form.
  screens::FleetBattleScreen* shown = &screens::GameForm<screens::FleetBattleScreen>();
  screens::RegisterGameForm(typeid(screens::FleetBattleScreen), nullptr);
  EXPECT_DEATH(screens.RunFleetBattle(kFactionSyndicate, rules::kFleetKindMission), "FleetBattleScreen");
  screens::RegisterGameForm(typeid(screens::FleetBattleScreen), shown);
}

}  // namespace
}  // namespace screens_test
