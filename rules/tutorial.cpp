#include "rules/tutorial.h"

#include <optional>
#include <string_view>
#include <utility>

#include "rules/mission_acceptance.h"
#include "rules/missions.h"
#include "rules/ui.h"
#include "state/factions.h"
#include "state/fields.h"
#include "state/goods.h"
#include "state/professions.h"
#include "state/random.h"
#include "state/ship_classes.h"
#include "state/star_map.h"
#include "state/variables.h"

namespace rules {

namespace {

using state::PlayerData;
using state::PlayerShip;
using tutorial::Step;


// One step of the tutorial: the texts of its message panel and what it does besides showing its
// guidance. In the texts "{tutorial body}" and "{first planet}" stand for those bodies' names.
// Where the panel and the arrow stand is the screens' (screens/tutorial).
struct StepRow {
  Step step;
  const char* text1 = "";
  const char* text2 = "";
  bool setsSuppliesPrices = false;   // the first trade's guaranteed prices
  bool offersMission = false;        // the tutorial's mission on the board
  bool redrawsMissionBoard = false;  // the board drawn again
  bool tradeWindowToFront = false;
  bool rewardSound = false;
  bool rewardMusic = false;
};

constexpr const char* kMissionBoardText1 =
    "Here you can see the missions available in this system. In the beginning you can only "
    "accept three different kinds of missions, but later many "
    "more will become available.  We wanted to have some action so choose the \"Search and "
    "Destroy\" mission at the left top part of the screen.";
constexpr const char* kMissionBoardText2 =
    "Click on the 2nd available mission and afterwards on \"Accept mission\".";

// clang-format off
const StepRow kSteps[] = {
    {.step = Step::ChooseFaction,
     .text1 = "On this screen you can choose your faction. There are four factions available in "
              "the game. Each has it´s own unique advantages and starting conditions.",
     .text2 = "Click on one of the faction pictures at the top left and click on \"Continue\"."},
    {.step = Step::ChooseName,
     .text1 = "On this screen you can enter your name and choose a portrait, which will symbolize "
              "you in the game. Click on \"Previous\" and \"Next\" until you have found the "
              "picture of your choice.",
     .text2 = "Enter your name, choose a portrait and afterwards click on \"Continue\"."},
    {.step = Step::ChooseProfession,
     .text1 = "Farhaven 4 offers many different starting professions to choose from. Don´t "
              "worry though, this early choice will just determine your starting settings. For "
              "the purpose of this tutorial please select the PIRATE profession. ",
     .text2 = "Select the \"PIRATE\" profession by clicking on it and afterwards click on "
              "\"Continue.\""},
    {.step = Step::OpenTrade,
     .text1 = "This is the main screen of the game. Here you will be able to travel to different "
              "planets or star systems, land on planets, trade, accept missions or plunder other "
              "ships. First we start with something easy: Trading.",
     .text2 = "Click on the \"TRADE\" icon displayed in the control panel at the bottom."},
    {.step = Step::BuySupplies,
     .text1 = "Good. On the window that has popped up you can buy or sell goods. Click on the "
              "different goods to select them, choose a quantity and click on \"Buy\". "
              "Alternatively you "
              "can fill your whole cargo bay automatically by selecting a good and clicking on "
              "\"Buy all\".",
     .text2 = "Click on \"Supplies\" and buy at least one unit of this kind of good.",
     .setsSuppliesPrices = true},
    {.step = Step::FlyToTutorialBody,
     .text1 = "Well done - you bought your first cargo. Now you have to find a location where you "
              "can sell it for "
              "a profit. As long as you have no corvette, you cannot leave this star system. So "
              "we need to find a planet with a higher price for your selected cargo. We have "
              "marked the closest location. Double-click it to start travelling.",
     .text2 = "Double-click on the location {tutorial body} to start travelling.",
     .setsSuppliesPrices = true},
    {.step = Step::SellAll,
     .text1 = "Now you are just one step away from making your first profit! Just click on "
              "\"Sell all\" and see the cash flowing in.",
     .text2 = "Click on the \"Sell all\" button on the trade popup screen.",
     .setsSuppliesPrices = true, .tradeWindowToFront = true},
    {.step = Step::CloseTrade,
     .text1 = "Congratulations! You made your first profit. If you choose to become a trader you "
              "will want to expand your business to expensive goods and other star systems. "
              "Smuggling contraband works similarly, however you can only buy them at pirate "
              "hideouts "
              "(which you first need to find - Hint: Visit the local bar!).",
     .text2 = "Close the trade screen by clicking on \"Close\" on the trade popup screen.",
     .rewardSound = true},
    {.step = Step::OpenMissions,
     .text1 = "Now it´s time for some action! Let´s accept a combat mission. While the "
              "profession Mercenary is best suited for this style of playing all other "
              "professions (except maybe the pure trader) are able to fulfill missions from time "
              "to time as well.",
     .text2 = "Click on the \"Missions\" icon on the control panel at the bottom.",
     .offersMission = true},
    {.step = Step::PickMission, .text1 = kMissionBoardText1, .text2 = kMissionBoardText2,
     .offersMission = true},
    {.step = Step::AcceptMission, .text1 = kMissionBoardText1, .text2 = kMissionBoardText2},
    {.step = Step::ReopenMission,
     .text1 = "You have accepted your first mission. During the game you can get more "
              "information about the current mission by clicking on the mission icon again. This "
              "icon is multi-functional. "
              "If you have a mission it will bring up a mission status report, if not it opens "
              "the mission selection screen. Let´s try this...",
     .text2 = "Click on the mission icon in the control panel below again.",
     .redrawsMissionBoard = true},
    {.step = Step::FlyToSun,
     .text1 = "In this mission you have to intercept a pirate vessel near the local sun. The "
              "mission target is displayed by a red target lock. To fly to this location (and "
              "fulfill this mission) you have to double-click on the target lock.",
     .text2 = "Double-click on the \"Sun\" to start travelling to the mission objective.",
     .redrawsMissionBoard = true},
    {.step = Step::FireMissiles,
     .text1 = "This is the space combat screen. At the left part of the screen you can see your "
              "own ship and on the other side the hostile vessel. You have to destroy the enemy "
              "vessel in order to  win this mission. "
              "To do this you should first fire your missiles. This will force the enemy to try "
              "to intercept them and suppress his fire.",
     .text2 = "Click on the missile icon at the left bottom part of the screen."},
    {.step = Step::ActivateDiscipline,
     .text1 = "Good. That´ll give him something to think about. Firing the missile has cost you "
              "action-points (AP). You can see the AP display right below the progress bar "
              "displaying your shields. "
              "Right-clicking on any part of the screen will bring up the in-game help... Ok, "
              "back to action. Activate your \"Discipline\" ability.",
     .text2 = "Activate the \"Discipline\" ability by left-clicking on it."},
    {.step = Step::EndFirstTurn,
     .text1 = "You have no action-points (AP) left. Your AP are refreshed every turn. You should "
              "end this turn now. To do this click on \"End this turn\" at the bottom  of this "
              "window. "
              "When you do this your enemy will start his move and will fire on you. But don´t "
              "panic! You cannot die during the tutorial.",
     .text2 = "End this turn by clicking on the button \"End this turn\" at the bottom."},
    {.step = Step::InterceptMissile,
     .text1 = "Again it´s your turn. Your action points (AP) have been refreshed. As you can see "
              "the enemy has fired a missile himself. You should intercept this missile using "
              "your ECM (electronic counter-measures).",
     .text2 = "Click on the ECM icon to intercept the enemy missile."},
    {.step = Step::FireGuns,
     .text1 = "Good. Now you should use the rest of your action-points (AP) to fire your ship "
              "guns. There are many different combat abilities in the game offering new attack "
              "moves. "
              "Every time you are promoted and receive a new rank you can choose one new combat "
              "ability. The pirate starts off with \"Tractor beam\", which stops a fleeing enemy.",
     .text2 = "Click on the gun fire icon to shoot a volley of energy beams."},
    {.step = Step::EndSecondTurn,
     .text1 = "You have used up all your APs. Now you can click on \"End this turn\" again. "
              "Remember: A successful fight depends on the wise use of your abilities and a good "
              "selection of equipment. There are many ways to win in Farhaven 4 - try out "
              "different paths before you choose your style.",
     .text2 = "Click on \"End this turn\"."},
    {.step = Step::WinFight,
     .text1 = "That´s it. You have learned the basic combat moves. Now it´s up to you to win this "
              "fight. Remember that if you move your mouse over a certain part of this screen a "
              "help text comes up. "
              "If you right-click at any part of the screen you can get additional help. And "
              "now: Fire at will, pilot!",
     .text2 = "Fire at will, end a turn if necessary and win this fight on your own!"},
    {.step = Step::FlyToPlanet,
     .text1 = "Congratulations! You won your first fight! Did you like it? We promise this game "
              "will get even better if you unlock all the new cool features in the later parts "
              "of this game. Now - before this tutorial comes to "
              "an end - we want to show you some other important aspects of this game. For "
              "example: Let´s land on a planet!",
     .text2 = "Fly to the planet {first planet} by double-clicking on it."},
    {.step = Step::VisitPlanet,
     .text1 = "This is the planet screen. The most important feature is the possibility to buy a "
              "bigger ship and to upgrade your equipment. You might want to minimize this "
              "tutorial window;"
              "Click the button below and take a look around. Click on some of the options to "
              "see what´s happening. Afterwards click on \"Back to space\".",
     .text2 = "Take a look around. If you are finished click on \"Back to space\"."},
    {.step = Step::OpenSensors,
     .text1 = "One of the new features of this new version of Farhaven is the \"ship sensor "
              "screen\". It can be used to intercept and plunder other ships regardless of "
              "them being friendly or hostile. To use your ship sensors click on the "
              "\"Pirating\" icon in the control panel.",
     .text2 = "Click on the \"Pirating\" icon in the control panel."},
    {.step = Step::CloseSensors,
     .text1 = "This is the ship sensor screen. The blips on the sensors mark the location of "
              "friendly or hostile spaceships. Click on those blips to select "
              "those ships and get more information about them. Some ships might transport "
              "valuable cargo, VIPs, etc. Pirates will primarily use this new feature to plunder "
              "other ships.", .text2 = "Close this screen by clicking on \"Back\"."},
    {.step = Step::OpenGalaxyMap,
     .text1 = "Later - when you have been able to buy a bigger spaceship and can leave this space "
              "system - you might want to explore the galaxy, get new missions, capture "
              "enemy ships, take part in galactic-wide battles and finally conquer whole star "
              "systems. To do this you should know how to access the galaxy map.",
     .text2 = "Click on the \"Galaxy\" icon in the control panel."},
    {.step = Step::CloseGalaxyMap,
     .text1 = "So that´s the galaxy map. The red colored planet names symbolize planets owned by "
              "factions with which your faction are at war. Cease-fires and war declarations can "
              "change the political situation. "
              "Finally you can use the \"Prices\" and \"Info\" buttons to get more informations "
              "about the different space systems.",
     .text2 = "Take a look around and then close this screen by clicking on \"Close\"."},
    {.step = Step::OpenOptions,
     .text1 = "The game option menu includes the possibility to SAVE or LOAD a game, to change "
              "the GAME SETTINGS and to EXIT the game. To enter the option menu just click on the "
              "\"Options\" icon on the control panel.",
     .text2 = "Click on the \"Options\" icon in the control panel."},
    {.step = Step::SaveGame,
     .text1 = "During a game you should SAVE a game often. It can always happen that you make a "
              "mistake and your ship explodes. In this case you might want to LOAD the last save "
              "game. Let´s try it! It´s easy!", .text2 = "Click on the \"Save a game\" button."},
    {.step = Step::SaveIntoSlot},
    {.step = Step::CloseSaveLoad},
    {.step = Step::ReturnToGame, .text1 = "Good. Now let´s close this screen again.",
     .text2 = "Click on \"Return to game\"."},
    {.step = Step::OpenShipStatus,
     .text1 = "During the game you might want to check out the status of your ship from time to "
              "time. To do this just open the ship status screen.",
     .text2 = "Click on the wireframe of your ship at the left part of the screen."},
    {.step = Step::CloseShipStatus,
     .text1 = "Here you can see the status of your ship. Just take a look around and when you are "
              "finished click on \"Close\".", .text2 = "Click on the \"Close\" button."},
    {.step = Step::OpenPersonalStatus,
     .text1 = "Finally - before ending this tutorial - you should be able to look at the personal "
              "status screen and browse through the different abilities and skills your \"game "
              "hero\" can acquire during the game.",
     .text2 = "Click on the portrait of your \"game hero\" at the right part of the screen."},
    {.step = Step::BrowseSkills,
     .text1 = "Here you can see your personal status. Before ending this tutorial you should "
              "browse through the skills and abilities your \"game hero\" can acquire during the "
              "game. For every award (campaign ribbons) you "
              "can choose one new non-combat skill and for every promotion (new rank) you can "
              "choose a combat skill.",
     .text2 = "Click on \"View combat skills\" and/or \"View non-combat skills\"."},
    // The ability screen has no tutorial panel.
    {.step = Step::CloseAbilities},
    {.step = Step::ClosePersonalStatus, .text1 = "Great. That´s it. Now please close this screen.",
     .text2 = "Click on \"Back\" to close this screen."},
    {.step = Step::Finished,
     .text1 = "Congratulations! You successfully finished the tutorial. Now you are on your own "
              "to explore the world of Farhaven 4. For more information please use the in-game "
              "help (right-click on an icon of the main screen or of a fight).",
     .text2 = "Click on \"Cancel tutorial\" to close this screen and end this tutorial.",
     .rewardMusic = true},
};
// clang-format on

const StepRow* FindRow(Step step) {
  for (const StepRow& row : kSteps)
    if (row.step == step) return &row;
  return nullptr;
}

// The step's row as the game stands: once the ship has reached the first planet, the step that
// leads there says how to land.
std::optional<StepRow> RowAsItStands(Step step) {
  const StepRow* row = FindRow(step);
  if (row == nullptr) return std::nullopt;
  StepRow shown = *row;
  if (step == Step::FlyToPlanet && PlayerShip[ship::kBody] == state::kMainPlanetBody)
    shown.text2 = "Land on the planet {first planet} by clicking on the \"Dock\" icon.";
  return shown;
}

// The name of body `body` of the current system; empty when there is none.
std::string BodyName(std::int32_t body) {
  const std::int32_t s = PlayerShip[ship::kSystem];
  if (s < 1 || s >= state::kSystems || body < 1 || body >= state::kBodies) return {};
  return state::BodyText[s][body][body_text::kName];
}

// `text` with the bodies it names filled in.
std::string FillIn(std::string text) {
  const std::pair<std::string_view, std::string> names[] = {
      {"{tutorial body}", BodyName(TutorialBody())},
      {"{first planet}", BodyName(state::kMainPlanetBody)}};
  for (const auto& [mark, name] : names)
    if (const std::size_t at = text.find(mark); at != std::string::npos)
      text.replace(at, mark.size(), name);
  return text;
}

}  // namespace

std::int32_t TutorialBody() {
  switch (PlayerData[player::kFaction]) {
    case 1: return 3;
    case 2: return 7;
    case 3: return 2;
    case 4: return 6;
    default: return 0;
  }
}

bool TutorialAt(Step step) {
  return state::TutorialActive == 1 && state::TutorialStep == tutorial::StoredNumber(step);
}

bool TutorialBefore(Step step) {
  return state::TutorialActive == 1 && tutorial::Order(state::TutorialStep) < tutorial::Order(step);
}

bool TutorialAfter(Step step) {
  return state::TutorialActive == 1 && tutorial::Order(state::TutorialStep) > tutorial::Order(step);
}

bool TutorialBetween(Step first, Step last) {
  const std::int32_t at = tutorial::Order(state::TutorialStep);
  return state::TutorialActive == 1 && at >= tutorial::Order(first) && at <= tutorial::Order(last);
}

bool TutorialAllows(TutorialAction action) {
  switch (action) {
    case TutorialAction::BuyOtherGoodThanSupplies: return !TutorialAt(Step::BuySupplies);
    case TutorialAction::CloseTradeWindow: return !TutorialBefore(Step::CloseTrade);
    case TutorialAction::AcceptOtherMission:
      return !TutorialAt(Step::PickMission) && !TutorialAt(Step::AcceptMission);
    case TutorialAction::FlyToBody: return !TutorialBefore(Step::FlyToTutorialBody);
    case TutorialAction::Land: return !TutorialBefore(Step::FlyToPlanet);
    case TutorialAction::OpenMissions: return !TutorialAt(Step::OpenTrade);
    case TutorialAction::CancelMission:
    case TutorialAction::ChooseOtherProfessionThanPirate: return state::TutorialActive != 1;
  }
  return true;
}

std::string_view TutorialRefusal(TutorialAction action) {
  switch (action) {
    case TutorialAction::BuyOtherGoodThanSupplies:
      return "For the purpose of this tutorial please select the \"SUPPLIES\" and later buy at "
             "least one unit of this kind of good.";
    case TutorialAction::CloseTradeWindow:
      return "Please do not close this window yet - we still need it!";
    case TutorialAction::AcceptOtherMission:
      return "For the purpose of this tutorial please select the second mission (counted from "
             "the left part of the screen). To select a mission just click on the mission "
             "symbol.";
    case TutorialAction::FlyToBody:
      return "Sorry, but please follow the tutorial instructions in the green window or "
             "alternatively close the tutorial.";
    case TutorialAction::Land:
      return "For the purpose of this tutorial this option has been locked. Please follow the "
             "instructions or cancel the tutorial.";
    case TutorialAction::OpenMissions:
      return "Sorry, please click the TRADE button. The blinking tutorial arrow is pointing "
             "to it. It´s just one button left of this one.";
    case TutorialAction::CancelMission:
      return "For the purpose of this tutorial please do not cancel this mission.";
    case TutorialAction::ChooseOtherProfessionThanPirate:
      // The tutorial's first fight and trade are laid out for a pirate.
      return "For the purpose of this tutorial please select the \"PIRATE\" profession from the "
             "selection of options at the top of the screen.";
  }
  return {};
}

bool TutorialEnemyCarriesFirstGun() {
  return TutorialAt(Step::FlyToSun) || TutorialAt(Step::FireMissiles);
}

bool TutorialEnemyFiresMissileFirst() {
  return TutorialAt(Step::EndFirstTurn) || TutorialAt(Step::InterceptMissile);
}

bool TutorialInterceptionCertain() { return TutorialAt(Step::InterceptMissile); }

bool TutorialVolleyEndsTurn() { return TutorialAt(Step::FireGuns); }

bool TutorialFightCannotBeLost() {
  return TutorialBetween(Step::FlyToSun, Step::FlyToPlanet) && state::GameDay < 50;
}

std::string_view TutorialShieldsRefreshedNotice() {
  return "Your shields have collapsed. Normally your ship would explode. But because this is a "
         "tutorial we refresh your shields instead.";
}

bool TutorialSparesEncounters() { return state::TutorialActive != 0 && state::GameDay < 50; }

bool TutorialAsksBeforeEndingTurnEarly() { return state::TutorialActive == 1; }

TutorialMove TutorialMoveFor(TutorialEvent event) {
  // The first fight's first turn, before or after "Discipline": its end and the next turn move on.
  const bool firstTurn = TutorialAt(Step::ActivateDiscipline) || TutorialAt(Step::EndFirstTurn);
  auto from = [](Step at, Step to) {
    return TutorialAt(at) ? TutorialMove{.begins = to} : TutorialMove{};
  };
  auto endFrom = [](Step at, Step to) {
    return TutorialAt(at) ? TutorialMove{.ends = {at}, .begins = to} : TutorialMove{};
  };
  const bool running = state::TutorialActive == 1;
  switch (event) {
    // The tutorial goes on on the name screen, then on the profession screen, then in space.
    case TutorialEvent::FactionChosen:
      return running ? TutorialMove{.begins = Step::ChooseName} : TutorialMove{};
    case TutorialEvent::NameChosen:
      return running ? TutorialMove{.begins = Step::ChooseProfession} : TutorialMove{};
    case TutorialEvent::ProfessionChosen:
      return running ? TutorialMove{.ends = {Step::ChooseProfession}} : TutorialMove{};
    case TutorialEvent::NewGameShown:
      return running ? TutorialMove{.begins = Step::OpenTrade} : TutorialMove{};
    case TutorialEvent::GoodsBought:
      return state::Cargo[state::Stored(kGoodSupplies)] >= 1
                 ? from(Step::BuySupplies, Step::FlyToTutorialBody)
                 : TutorialMove{};
    case TutorialEvent::SoldAll: return from(Step::SellAll, Step::CloseTrade);
    case TutorialEvent::TradeWindowClosed: return from(Step::CloseTrade, Step::OpenMissions);
    case TutorialEvent::TutorialMissionPicked: return from(Step::PickMission, Step::AcceptMission);
    case TutorialEvent::MissionAccepted: return from(Step::AcceptMission, Step::ReopenMission);
    case TutorialEvent::MissionFightBegins:
      return TutorialBefore(Step::FireMissiles) ? TutorialMove{.begins = Step::FireMissiles}
                                                : TutorialMove{};
    case TutorialEvent::MissionFightOver:
      return state::TutorialActive != 0 && !TutorialAfter(Step::FlyToPlanet)
                 ? TutorialMove{.begins = Step::FlyToPlanet}
                 : TutorialMove{};
    case TutorialEvent::Landed:
      return TutorialBetween(Step::FlyToPlanet, Step::VisitPlanet)
                 ? TutorialMove{.begins = Step::VisitPlanet}
                 : TutorialMove{};
    case TutorialEvent::MissileFired: return endFrom(Step::FireMissiles, Step::ActivateDiscipline);
    case TutorialEvent::DisciplineActivated:
      return endFrom(Step::ActivateDiscipline, Step::EndFirstTurn);
    case TutorialEvent::GunsFired: return endFrom(Step::FireGuns, Step::EndSecondTurn);
    case TutorialEvent::EcmUsed: return endFrom(Step::InterceptMissile, Step::FireGuns);
    case TutorialEvent::TurnEnded:
      if (firstTurn) return {.ends = {Step::ActivateDiscipline, Step::EndFirstTurn}};
      return endFrom(Step::EndSecondTurn, Step::WinFight);
    case TutorialEvent::RoundStarted:
      return firstTurn ? TutorialMove{.ends = {Step::ActivateDiscipline, Step::EndFirstTurn},
                                      .begins = Step::InterceptMissile}
                       : TutorialMove{};
    case TutorialEvent::SavedIntoFirstSlot: return from(Step::SaveIntoSlot, Step::CloseSaveLoad);
    case TutorialEvent::SaveLoadClosed: return from(Step::CloseSaveLoad, Step::ReturnToGame);
    case TutorialEvent::OptionsPanelClosed:
      // From the galaxy map's step on, "Return to game" leads on to the ship status.
      return TutorialBetween(Step::CloseGalaxyMap, Step::CloseSaveLoad)
                 ? TutorialMove{.begins = Step::OpenShipStatus}
                 : TutorialMove{};
    case TutorialEvent::SkillsBrowsed: return from(Step::BrowseSkills, Step::CloseAbilities);
    case TutorialEvent::PersonalStatusClosed:
      // Back from the personal status at any step after the saving ends the guided part.
      return TutorialAfter(Step::CloseSaveLoad) ? TutorialMove{.begins = Step::Finished}
                                                : TutorialMove{};
  }
  return {};
}

void FollowTutorial(Ui& ui, TutorialEvent event) {
  const TutorialMove move = TutorialMoveFor(event);
  for (const Step step : move.ends) ui.EndTutorialStep(step);
  if (move.begins != Step::None) ui.BeginTutorialStep(move.begins);
}

void FollowTutorialArrival(std::int32_t from, std::int32_t place, Ui& ui) {
  if (TutorialAt(Step::FlyToTutorialBody) && place == TutorialBody())
    ui.BeginTutorialStep(Step::SellAll);
  // On the way to the sun, arriving there only puts the travel screen's hint away; the next
  // step begins with the mission's fight.
  if (place == state::kSunBody && TutorialAt(Step::FlyToSun)) ui.EndTutorialStep(Step::FlyToSun);
  // The step that leads to the first planet stays until the landing: arriving there it says how
  // to land, and leaving it for another place it leads back there again.
  if (TutorialAt(Step::FlyToPlanet) &&
      (place == state::kMainPlanetBody || from == state::kMainPlanetBody))
    ui.BeginTutorialStep(Step::FlyToPlanet);
}

std::vector<Step> AllTutorialSteps() {
  std::vector<Step> steps;
  for (const StepRow& row : kSteps) steps.push_back(row.step);
  return steps;
}

TutorialGuide DescribeTutorialStep(Step step) {
  TutorialGuide g;
  const std::optional<StepRow> row = RowAsItStands(step);
  if (!row) return g;
  g.text1 = FillIn(row->text1);
  g.text2 = FillIn(row->text2);
  g.setsSuppliesPrices = row->setsSuppliesPrices;
  g.offersMission = row->offersMission;
  g.redrawsMissionBoard = row->redrawsMissionBoard;
  g.tradeWindowToFront = row->tradeWindowToFront;
  g.rewardSound = row->rewardSound;
  g.rewardMusic = row->rewardMusic;
  return g;
}

void SetTutorialSuppliesPrices() {
  const std::int32_t s = PlayerShip[ship::kSystem];
  const std::int32_t here = PlayerShip[ship::kBody];
  const std::int32_t t = TutorialBody();
  if (s < 1 || s >= state::kSystems) return;
  if (here >= 1 && here < state::kBodies)
    state::MarketPrice[s][here][state::Stored(kGoodSupplies)] = 100;
  if (t >= 1 && t < state::kBodies) {
    state::MarketPrice[s][t][state::Stored(kGoodSupplies)] = 115;
    state::BodyPricesKnown[t] = 1;
  }
}

void OfferTutorialMission() {
  const std::int32_t s = PlayerShip[ship::kSystem];
  if (s < 1 || s >= state::kSystems) return;
  auto& offer = state::MissionOffers[s][kTutorialMissionSlot];
  offer[mission::kActive] = 1;
  offer[mission::kType] = state::Stored(kMissionSearchAndDestroy);
  offer[mission::kTargetBody] = state::kSunBody;
  offer[mission::kTargetSystem] = s;
  offer[mission::kEnemyClass] = state::Stored(state::kClassStarwolf);
  offer[mission::kEnemyFaction] = state::Stored(kFactionPirates);
  offer[mission::kReward] =
      state::GetShipClassStat(state::kClassStarwolf, state::kAttrPrice) / (17 + state::Random(5));
}

}  // namespace rules
