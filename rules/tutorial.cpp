#include "rules/tutorial.h"

#include <utility>

#include "rules/mission_acceptance.h"
#include "rules/missions.h"
#include "state/fields.h"
#include "state/random.h"
#include "state/ship_classes.h"
#include "state/variables.h"

namespace rules {

namespace {

using state::PlayerData;
using state::PlayerShip;

constexpr std::int32_t kSupplies = 1;
constexpr std::int32_t kSun = 1;
constexpr std::int32_t kFirstPlanet = 2;

std::string BodyName(std::int32_t body) {
  const std::int32_t s = PlayerShip[ship::kSystem];
  if (s < 1 || s >= state::kSystems || body < 1 || body >= state::kBodies) return {};
  return state::BodyText[s][body][body_text::kName];
}

// The two texts of a step's message panel; "{body}" stands for a text built from the game.
std::pair<std::string, std::string> Texts(int step) {
  switch (step) {
    case 1:
      return {"On this screen you can choose your faction. There are four factions available in the "
              "game. Each has it´s own unique advantages and starting conditions.",
              "Click on one of the faction pictures at the top left and click on \"Continue\"."};
    case 2:
      return {"On this screen you can enter your name and choose a portrait, which will symbolize "
              "you in the game. Click on \"Previous\" and \"Next\" until you have found the picture "
              "of your choice.",
              "Enter your name, choose a portrait and afterwards click on \"Continue\"."};
    case 3:
      return {"Farhaven 4 offers many different starting professions to choose from. Don´t "
              "worry though, this early choice will just determine your starting settings. For the "
              "purpose of this tutorial please select the PIRATE profession. ",
              "Select the \"PIRATE\" profession by clicking on it and afterwards click on "
              "\"Continue.\""};
    case 4:
      return {"This is the main screen of the game. Here you will be able to travel to different "
              "planets or star systems, land on planets, trade, accept missions or plunder other "
              "ships. First we start with something easy: Trading.",
              "Click on the \"TRADE\" icon displayed in the control panel at the bottom."};
    case 5:
      return {"Good. On the window that has popped up you can buy or sell goods. Click on the "
              "different goods to select them, choose a quantity and click on \"Buy\". Alternatively "
              "you "
              "can fill your whole cargo bay automatically by selecting a good and clicking on \"Buy "
              "all\".",
              "Click on \"Supplies\" and buy at least one unit of this kind of good."};
    case 6:
      return {"Well done - you bought your first cargo. Now you have to find a location where you "
              "can sell it for "
              "a profit. As long as you have no corvette, you cannot leave this star system. So we "
              "need to find a planet with a higher price for your selected cargo. We have marked the "
              "closest location. Double-click it to start travelling.",
              "{body}"};
    case 7:
      return {"Now you are just one step away from making your first profit! Just click on \"Sell "
              "all\" and see the cash flowing in.",
              "Click on the \"Sell all\" button on the trade popup screen."};
    case 8:
      return {"Congratulations! You made your first profit. If you choose to become a trader you "
              "will want to expand your business to expensive goods and other star systems. "
              "Smuggling contraband works similarly, however you can only buy them at pirate "
              "hideouts "
              "(which you first need to find - Hint: Visit the local bar!).",
              "Close the trade screen by clicking on \"Close\" on the trade popup screen."};
    case 9:
      return {"Now it´s time for some action! Let´s accept a combat mission. While the profession "
              "Mercenary is best suited for this style of playing all other professions (except "
              "maybe the pure trader) are able to fulfill missions from time to time as well.",
              "Click on the \"Mission\" icon on the control panel at the bottom."};
    case 10:
      return {"Here you can see the missions available in this system. In the beginning you can only "
              "accept three different kinds of missions, but later many "
              "more will become available.  We wanted to have some action so choose the \"Search and "
              "Destroy\" mission at the left bottom part of the screen.",
              "Click on the 2nd available mission and afterwards on \"Accept mission\"."};
    case -11:
      return {"You have accepted your first mission. During the game you can get more information "
              "about the current mission by clicking on the mission icon again. This icon is "
              "multi-functional. "
              "If you have a mission it will bring up a mission status report, if not it opens the "
              "mission selection screen. Let´s try this...",
              "Click on the mission icon in the control panel below again."};
    case 12:
      return {"In this mission you have to intercept a pirate vessel near the local sun. The mission "
              "target is displayed by a yellow target lock. To fly to this location (and fulfill "
              "this mission) you have to double-click on the target lock.",
              "Double-click on the \"Sun\" to start travelling to the mission objective."};
    case 13:
      return {"This is the space combat screen. At the left part of the screen you can see your own "
              "ship and on the other side the hostile vessel. You have to destroy the enemy vessel "
              "in order to  win this mission. "
              "To do this you should first fire your missiles. This will force the enemy to try to "
              "intercept them and suppress his fire.",
              "Click on the missile icon at the left bottom part of the screen."};
    case 14:
      return {"Good. That´ll give him something to think about. Firing the missile has cost you "
              "action-points (AP). You can see the AP display right below your ship and above the "
              "progress bar displaying your shields. "
              "Right-clicking on any part of the screen will bring up the in-game help... Ok, back "
              "to action. Activate your \"Discipline\" ability.",
              "Activate the \"Discipline\" ability by left-clicking on it."};
    case 15:
      return {"You have no action-points (AP) left. Your AP are refreshed every turn. You should end "
              "this turn now. To do this click on \"End this turn\" at the top  of this window. "
              "When you do this your enemy will start his move and will fire on you. But don´t "
              "panic! You cannot die during the tutorial.",
              "End this turn by clicking on the button \"End this turn\" at the top."};
    case 16:
      return {"Again it´s your turn. Your action points (AP) have been refreshed. As you can see the "
              "enemy has fired a missile himself. You should intercept this missile using your ECM "
              "(electronic counter-measures).",
              "Click on the ECM icon to intercept the enemy missile."};
    case 17:
      return {"Good. Now you should use the rest of your action-points (AP) to fire your ship guns. "
              "There are many different combat abilities in the game offering new attack moves. "
              "Every time you are promoted and receive a new rank you can choose one new combat "
              "ability. The mercenary starts off with \"Focus beam\", which causes more damage.",
              "Click on the gun fire icon to shoot a volley of energy beams."};
    case 18:
      return {"You have used up all your APs. Now you can click on \"End this turn\" again. "
              "Remember: A successful fight depends on the wise use of your abilities and a good "
              "selection of equipment. There are many ways to win in Farhaven 4 - try out different "
              "paths before you choose your style.",
              "Click on \"End this turn\"."};
    case 19:
      return {"That´s it. You have learned the basic combat moves. Now it´s up to you to win this "
              "fight. Remember that if you move your mouse over a certain part of this screen a help "
              "text comes up. "
              "If you right-click at any part of the screen you can get additional help. And now: "
              "Fire at will, pilot!",
              "Fire at will, end a turn if necessary and win this fight on your own!"};
    case 20:
      return {"Congratulations! You won your first fight! Did you like it? We promise this game will "
              "get even better if you unlock all the new cool features in the later parts of this "
              "game. Now - before this tutorial comes to "
              "an end - we want to show you some other important aspects of this game. For example: "
              "Let´s land on a planet!",
              "{body}"};
    case 22:
      return {"This is the planet screen. The most important feature is the possibility to buy a "
              "bigger ship and to upgrade your equipment. You might want to minimize this tutorial "
              "window;"
              "Click the button below and take a look around. Click on some of the options to see "
              "what´s happening. Afterwards click on \"Back to space\".",
              "Take a look around. If you are finished click on \"Back to space\"."};
    case 23:
      return {"One of the new features of this new version of Farhaven is the \"ship sensor "
              "screen\". It can be used to intercept and plunder other ships regardless of "
              "them being friendly or hostile. To use your ship sensors click on the \"ship sensor\" "
              "icon in the control panel.",
              "Click on the \"ship sensor\" icon in the control panel."};
    case 24:
      return {"This is the ship sensor screen. The blips on the sensors mark the location of "
              "friendly or hostile spaceships. Click on those blips to select "
              "those ships and get more information about them. Some ships might transport valuable "
              "cargo, VIPs, etc. Pirates will primarily use this new feature to plunder other ships.",
              "Close this screen by clicking on \"Back\"."};
    case 25:
      return {"Later - when you have been able to buy a bigger spaceship and can leave this space "
              "system - you might want to explore the galaxy, get new missions, capture "
              "enemy ships, take part in galactic-wide battles and finally conquer whole star "
              "systems. To do this you should know how to access the galaxy map.",
              "Click on the \"Galaxy map\" icon in the control panel."};
    case 26:
      return {"So that´s the galaxy map. The red colored planet names symbolize planets owned by "
              "factions with which your faction are at war. Cease-fires and war declarations can "
              "change the political situation. "
              "Finally you can use the \"Prices\" and \"Info\" buttons to get more informations "
              "about the different space systems.",
              "Take a look around and then close this screen by clicking on \"Close\"."};
    case 27:
      return {"The game option menu includes the possibility to SAVE or LOAD a game, to change the "
              "GAME SETTINGS and to EXIT the game. To enter the option menu just click on the \"game "
              "option\" icon on the control panel.",
              "Click on the \"Game option\" icon in the control panel."};
    case 28:
      return {"During a game you should SAVE a game often. It can always happen that you make a "
              "mistake and your ship explodes. In this case you might want to LOAD the last save "
              "game. Let´s try it! It´s easy!",
              "Click on the \"Save a game\" button."};
    case kTutorialReturnToGameStep:
      return {"Good. Now let´s close this screen again.",
              "Click on \"Return to game\"."};
    case 32:
      return {"During the game you might want to check out the status of your ship from time to "
              "time. To do this just open the ship status screen.",
              "Click on the wireframe of your ship at the left part of the screen."};
    case 33:
      return {"Here you can see the status of your ship. Just take a look around and when you are "
              "finished click on \"Close\".",
              "Click on the \"Close\" button."};
    case 34:
      return {"Finally - before ending this tutorial - you should be able to look at the personal "
              "status screen and browse through the different abilities and skills your \"game "
              "hero\" can acquire during the game.",
              "Click on the portrait of your \"game hero\" at the right part of the screen."};
    case 35:
      return {"Here you can see your personal status. Before ending this tutorial you should browse "
              "through the skills and abilities your \"game hero\" can acquire during the game. For "
              "every award (campaign ribbons) you "
              "can choose one new non-combat skill and for every promotion (new rank) you can choose "
              "a combat skill.",
              "Click on \"View combat skills\" and/or \"View non-combat skills\"."};
    case 37:
      return {"Great. That´s it. Now please close this screen.",
              "Click on \"Back\" to close this screen."};
    case 38:
      return {"Congratulations! You successfully finished the tutorial. Now you are on your own to "
              "explore the world of Farhaven 4. For more information please use the game manual "
              "(.pdf file in the game folder on your harddisk).",
              "Click on \"Cancel tutorial\" to close this screen and end this tutorial."};
    case 11:
      return Texts(10);
    default:
      return {};
  }
}

// The trade window opens to the right of the travel screen, so the travel screen's panel stands
// at its left while the window is in use.
constexpr int kLeftPanel = 8;
constexpr int kRightPanel = 560;
constexpr int kTravelPanelTop = 22;

// While the player flies to the tutorial body, the panel stands on the other side of the map.
int PanelAwayFromBody(std::int32_t body) {
  const std::int32_t s = PlayerShip[ship::kSystem];
  if (s < 1 || s >= state::kSystems || body < 1 || body >= state::kBodies) return kRightPanel;
  return state::BodyData[s][body][body::kMapX] < 300 ? kRightPanel : kLeftPanel;
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

bool TutorialAt(int step) { return state::TutorialActive == 1 && state::TutorialStep == step; }

bool TutorialBefore(int step) {
  if (state::TutorialActive != 1) return false;
  const int at = state::TutorialStep == kTutorialReopenMissionStep ? 11 : state::TutorialStep;
  return at < step;
}

int ShownTutorialStep(int step) { return step == kTutorialReturnToGameStep ? 28 : step; }

TutorialGuide DescribeTutorialStep(int step) {
  TutorialGuide g;
  auto [text1, text2] = Texts(step);
  if (step == 6) text2 = "Double-click on the location " + BodyName(TutorialBody()) + " to start travelling.";
  if (step == 20) text2 = "Fly to the planet " + BodyName(kFirstPlanet) + " by double-clicking on it.";
  g.text1 = std::move(text1);
  g.text2 = std::move(text2);
  auto panel = [&g](TutorialScreen on, int left, int top) {
    g.panelOn = on;
    g.panelLeft = g.minimizedLeft = left;
    g.panelTop = top;
  };
  auto arrow = [&g](TutorialScreen on, std::string at, ArrowSide side = ArrowSide::Inside,
                    bool shownAtOnce = true) {
    g.arrowOn = on;
    g.arrowAt = std::move(at);
    g.arrowSide = side;
    g.arrowShownAtOnce = shownAtOnce;
  };
  // The panel at the travel screen's right and the arrow at one of its controls, shown after a
  // moment: how most of the later steps send the player on.
  auto onTravelRight = [&](std::string at, ArrowSide side) {
    panel(TutorialScreen::Travel, kRightPanel, kTravelPanelTop);
    arrow(TutorialScreen::Travel, std::move(at), side, false);
  };
  const std::string body = "Body" + std::to_string(TutorialBody());
  switch (step) {
    case 1: g.panelOn = TutorialScreen::FactionSelection; g.panelAtLayoutPlace = true; break;
    case 2: g.panelOn = TutorialScreen::NameSelection; g.panelAtLayoutPlace = true; break;
    case 3: g.panelOn = TutorialScreen::ProfessionSelection; g.panelAtLayoutPlace = true; break;
    case 4:
      panel(TutorialScreen::Travel, kLeftPanel, kTravelPanelTop);
      arrow(TutorialScreen::Travel, "TradeButton");
      break;
    case 5:
      panel(TutorialScreen::Travel, kLeftPanel, kTravelPanelTop);
      arrow(TutorialScreen::TradeWindow, "GoodName1", ArrowSide::Inside, false);
      g.setsSuppliesPrices = true;
      break;
    case 6:
      panel(TutorialScreen::Travel, PanelAwayFromBody(TutorialBody()), kTravelPanelTop);
      arrow(TutorialScreen::Travel, body, ArrowSide::Right);
      g.setsSuppliesPrices = true;
      break;
    case 7:
      panel(TutorialScreen::Travel, kLeftPanel, kTravelPanelTop);
      arrow(TutorialScreen::TradeWindow, "SellAllButton", ArrowSide::Inside, false);
      g.setsSuppliesPrices = true;
      g.tradeWindowToFront = true;
      break;
    case 8:
      panel(TutorialScreen::Travel, kLeftPanel, kTravelPanelTop);
      arrow(TutorialScreen::TradeWindow, "CloseButton", ArrowSide::Inside, false);
      g.rewardSound = true;
      break;
    case 9:
      panel(TutorialScreen::Travel, kRightPanel, kTravelPanelTop);
      arrow(TutorialScreen::Travel, "MissionsButton");
      g.offersMission = true;
      break;
    case 10:
    case 11:
      g.panelOn = TutorialScreen::MissionBoard;
      g.panelAtLayoutPlace = true;
      arrow(TutorialScreen::MissionBoard, step == 10 ? "OfferTile2" : "AcceptButton");
      g.offersMission = step == 10;
      break;
    case -11:
      panel(TutorialScreen::Travel, kRightPanel, kTravelPanelTop);
      arrow(TutorialScreen::Travel, "MissionsButton");
      g.redrawsMissionBoard = true;
      break;
    case 12:
      panel(TutorialScreen::Travel, 16, kTravelPanelTop);
      arrow(TutorialScreen::Travel, "Body" + std::to_string(kSun), ArrowSide::Right);
      g.redrawsMissionBoard = true;
      break;
    case 13: case 14: case 15: case 16: case 17: case 18: case 19:
      // The combat screen places its own panel and arrow.
      g.panelOn = TutorialScreen::ShipCombat;
      g.panelAtLayoutPlace = true;
      if (step != 19) g.arrowOn = TutorialScreen::ShipCombat;
      break;
    case 20: onTravelRight("Body" + std::to_string(kFirstPlanet), ArrowSide::Right); break;
    case 22: panel(TutorialScreen::Planet, 8, 14); break;
    case 23: onTravelRight("SensorsButton", ArrowSide::Inside); break;
    case 24:
      panel(TutorialScreen::Sensors, 239, 8);
      g.minimizedLeft = 8;
      g.minimizedTop = 5;
      break;
    case 25: onTravelRight("GalaxyMapButton", ArrowSide::Inside); break;
    case 26: panel(TutorialScreen::GalaxyMap, 497, 8); break;
    case 27: onTravelRight("OptionsButton", ArrowSide::Inside); break;
    case 28: onTravelRight("SaveGameButton", ArrowSide::Right); break;
    case 29: arrow(TutorialScreen::SaveLoad, "SaveButton1", ArrowSide::Inside, false); break;
    case 30: arrow(TutorialScreen::SaveLoad, "CloseButton", ArrowSide::Inside, false); break;
    case kTutorialReturnToGameStep: onTravelRight("ReturnButton", ArrowSide::Right); break;
    case 32: onTravelRight("ShipPicture", ArrowSide::Inside); break;
    case 33: panel(TutorialScreen::ShipStatus, 8, 8); break;
    case 34: onTravelRight("Portrait", ArrowSide::Inside); break;
    case 35:
    case 37: panel(TutorialScreen::PersonalStatus, 8, 8); break;
    case 38:
      onTravelRight("TutorialCancelButton", ArrowSide::Below);
      g.rewardMusic = true;
      break;
    default: break;
  }
  return g;
}

void SetTutorialSuppliesPrices() {
  const std::int32_t s = PlayerShip[ship::kSystem];
  const std::int32_t here = PlayerShip[ship::kBody];
  const std::int32_t t = TutorialBody();
  if (s < 1 || s >= state::kSystems) return;
  if (here >= 1 && here < state::kBodies) state::MarketPrice[s][here][kSupplies] = 100;
  if (t >= 1 && t < state::kBodies) {
    state::MarketPrice[s][t][kSupplies] = 115;
    state::BodyPricesKnown[t] = 1;
  }
}

void OfferTutorialMission() {
  const std::int32_t s = PlayerShip[ship::kSystem];
  if (s < 1 || s >= state::kSystems) return;
  auto& offer = state::MissionOffers[s][kTutorialMissionSlot];
  offer[mission::kActive] = 1;
  offer[mission::kType] = kMissionSearchAndDestroy;
  offer[mission::kTargetBody] = kSun;
  offer[mission::kTargetSystem] = s;
  offer[mission::kEnemyClass] = 1;
  offer[mission::kEnemyFaction] = 0;
  offer[mission::kReward] = state::GetShipClassStat(1, state::kAttrPrice) / (17 + state::Random(5));
}

}  // namespace rules
