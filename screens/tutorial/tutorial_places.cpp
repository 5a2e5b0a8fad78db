#include "screens/tutorial/tutorial_places.h"

#include <cstdint>
#include <optional>
#include <sstream>
#include <string_view>

#include "rules/tutorial.h"
#include "state/fields.h"
#include "state/star_map.h"
#include "state/variables.h"

namespace screens {

namespace {

using tutorial::Step;

// Where a step's message panel stands.
enum class PanelPlace {
  Layout,                // where the screen's layout put it
  At,                    // at the row's (left, top)
  AwayFromTutorialBody,  // at the row's top, on the side of the map away from the tutorial body
};

// One step's places: its message panel (screen, place), its arrow (screen, control, side) and what
// the words name or the player reads there, which the panel leaves free (on the travel screen
// always the star date and the bodies and finds of the map, with their names and prices). An
// arrow at "{tutorial body}" points at that body.
struct PlacesRow {
  Step step;
  TutorialScreen panelOn = TutorialScreen::None;
  PanelPlace place = PanelPlace::Layout;
  int left = 0, top = 0;
  int minimizedLeft = -1, minimizedTop = 8;  // left -1: the panel's left
  TutorialScreen arrowOn = TutorialScreen::None;
  const char* arrowAt = "";
  const char* arrowAtAbility = "";
  ArrowSide side = ArrowSide::Above;
  bool arrowShownAtOnce = true;
  // What the words name, for the panel to leave free: names separated by spaces; "{T}" stands
  // for the tutorial body's number, a name ending in "*" for every visible control so named.
  const char* keepClear = "";
  // What it leaves free too where there is room, written the same way.
  const char* ratherClear = "";
};

using enum TutorialScreen;
using enum PanelPlace;
using enum ArrowSide;

// The trade window opens to the right of the travel screen, so the travel screen's panel stands
// at its left while the window is in use; most other travel steps show it at the right.
constexpr int kLeftPanel = 8;
constexpr int kRightPanel = 560;
constexpr int kTravelPanelTop = 22;
// The combat screen's panel stands above the arena; the steps that end a turn show it lower, so
// the end-turn control and the enemy's messages stay free. Its minimised twin waits at the upper
// place.
constexpr int kCombatUpperLeft = 267, kCombatUpperTop = 101;
constexpr int kCombatLowerLeft = 368, kCombatLowerTop = 161;

// The board's offers, the chosen one's details and Accept: what the board's texts speak of.
constexpr const char* kMissionBoardKeepClear =
    "TileFrame1 TileFrame2 TileFrame3 TileFrame4 TileFrame5 TileFrame6 OfferTitle1 OfferTitle2 "
    "OfferTitle3 OfferTitle4 OfferTitle5 OfferTitle6 OfferReward1 OfferReward2 OfferReward3 "
    "OfferReward4 OfferReward5 OfferReward6 DetailHeading Briefing Value Reward Location "
    "AcceptButton";

// Everything of the fight the combat steps speak of or the player uses meanwhile: both ships,
// their shields, action points and messages, the missiles, the end of the turn and the abilities.
constexpr const char* kCombatKeepClear =
    "PlayerShipPicture EnemyShipPicture PlayerShieldDisplay PlayerActionPointBar "
    "EnemyShieldDisplay EnemyActionPointBar PlayerMessageShape EnemyMessageShape "
    "PlayerMissilePanel EnemyMissilePanel EndTurnButton AbilityPanel1 AbilityPanel2 "
    "AbilityPanel3 AbilityPanel4 AbilityPanel5 AbilityPanel6 AbilityPanel7 AbilityPanel8";

// The personal status: the pilot's picture, record and uniform, and its buttons.
constexpr const char* kPersonalStatusKeepClear =
    "Portrait RankAndName Faction Credits Lives Ship CriminalStatus CareerText UniformPanel "
    "CombatSkillsButton SkillsButton BackButton";

// clang-format off
const PlacesRow kPlaces[] = {
    {.step = Step::ChooseFaction, .panelOn = FactionSelection,
     .keepClear = "FederationTile OuterRimTile CoalitionTile SyndicateTile ContinueButton "
                  "FactionName Judgement FirstQuote FirstQuoteSource SecondQuote SecondQuoteSource "
                  "FirstParagraph SecondParagraph ThirdParagraph"},
    {.step = Step::ChooseName, .panelOn = NameSelection,
     .keepClear = "NameEdit Portrait PreviousButton NextButton ContinueButton"},
    {.step = Step::ChooseProfession, .panelOn = ProfessionSelection,
     .keepClear = "ProfessionLogo6 ProfessionTile6 ContinueButton"},
    {.step = Step::OpenTrade, .panelOn = Travel, .place = At, .left = kLeftPanel,
     .top = kTravelPanelTop, .arrowOn = Travel, .arrowAt = "TradeButton",
     .keepClear = "StarDate Body* SpaceFind* ControlFrame"},
    {.step = Step::BuySupplies, .panelOn = Travel, .place = At, .left = kLeftPanel,
     .top = kTravelPanelTop, .arrowOn = TradeWindow, .arrowAt = "GoodName1", .side = Right,
     .arrowShownAtOnce = false, .keepClear = "StarDate TradeWindow",
     .ratherClear = "Body* SpaceFind* ControlFrame"},
    {.step = Step::FlyToTutorialBody, .panelOn = Travel, .place = AwayFromTutorialBody,
     .top = kTravelPanelTop, .arrowOn = Travel, .arrowAt = "{tutorial body}", .side = Right,
     .keepClear = "Body* SpaceFind* TradeWindow", .ratherClear = "StarDate ControlFrame"},
    {.step = Step::SellAll, .panelOn = Travel, .place = At, .left = kLeftPanel,
     .top = kTravelPanelTop, .arrowOn = TradeWindow, .arrowAt = "SellAllButton", .side = Right,
     .arrowShownAtOnce = false, .keepClear = "StarDate TradeWindow",
     .ratherClear = "Body* SpaceFind* ControlFrame"},
    {.step = Step::CloseTrade, .panelOn = Travel, .place = At, .left = kLeftPanel,
     .top = kTravelPanelTop, .arrowOn = TradeWindow, .arrowAt = "CloseButton", .side = Right,
     .arrowShownAtOnce = false, .keepClear = "StarDate TradeWindow",
     .ratherClear = "Body* SpaceFind* ControlFrame"},
    {.step = Step::OpenMissions, .panelOn = Travel, .place = At, .left = kRightPanel,
     .top = kTravelPanelTop, .arrowOn = Travel, .arrowAt = "MissionsButton",
     .keepClear = "StarDate Body* SpaceFind* ControlFrame"},
    {.step = Step::PickMission, .panelOn = MissionBoard, .arrowOn = MissionBoard,
     .arrowAt = "OfferTile2", .keepClear = kMissionBoardKeepClear},
    {.step = Step::AcceptMission, .panelOn = MissionBoard, .arrowOn = MissionBoard,
     .arrowAt = "AcceptButton", .side = Right, .keepClear = kMissionBoardKeepClear},
    {.step = Step::ReopenMission, .panelOn = Travel, .place = At, .left = kRightPanel,
     .top = kTravelPanelTop, .arrowOn = Travel, .arrowAt = "MissionsButton",
     .keepClear = "StarDate Body* SpaceFind* ControlFrame"},
    {.step = Step::FlyToSun, .panelOn = Travel, .place = At, .left = 16, .top = kTravelPanelTop,
     .arrowOn = Travel, .arrowAt = "Body1", .side = Right,
     .keepClear = "StarDate Body* SpaceFind* MissionMarker MissionPanel"},
    {.step = Step::FireMissiles, .panelOn = ShipCombat, .place = At, .left = kCombatUpperLeft,
     .top = kCombatUpperTop, .minimizedLeft = kCombatUpperLeft, .minimizedTop = kCombatUpperTop,
     .arrowOn = ShipCombat, .arrowAtAbility = "Fire missiles", .side = Above,
     .keepClear = kCombatKeepClear},
    {.step = Step::ActivateDiscipline, .panelOn = ShipCombat, .place = At, .left = kCombatUpperLeft,
     .top = kCombatUpperTop, .minimizedLeft = kCombatUpperLeft, .minimizedTop = kCombatUpperTop,
     .arrowOn = ShipCombat, .arrowAtAbility = "Discipline", .side = Above,
     .keepClear = kCombatKeepClear},
    {.step = Step::EndFirstTurn, .panelOn = ShipCombat, .place = At, .left = kCombatLowerLeft,
     .top = kCombatLowerTop, .minimizedLeft = kCombatUpperLeft, .minimizedTop = kCombatUpperTop,
     .arrowOn = ShipCombat, .arrowAt = "EndTurnButton", .side = Right,
     .keepClear = kCombatKeepClear},
    {.step = Step::InterceptMissile, .panelOn = ShipCombat, .place = At, .left = kCombatUpperLeft,
     .top = kCombatUpperTop, .minimizedLeft = kCombatUpperLeft, .minimizedTop = kCombatUpperTop,
     .arrowOn = ShipCombat, .arrowAtAbility = "ECM", .side = Above, .keepClear = kCombatKeepClear},
    {.step = Step::FireGuns, .panelOn = ShipCombat, .place = At, .left = kCombatUpperLeft,
     .top = kCombatUpperTop, .minimizedLeft = kCombatUpperLeft, .minimizedTop = kCombatUpperTop,
     .arrowOn = ShipCombat, .arrowAtAbility = "Fire guns", .side = Above,
     .keepClear = kCombatKeepClear},
    {.step = Step::EndSecondTurn, .panelOn = ShipCombat, .place = At, .left = kCombatLowerLeft,
     .top = kCombatLowerTop, .minimizedLeft = kCombatUpperLeft, .minimizedTop = kCombatUpperTop,
     .arrowOn = ShipCombat, .arrowAt = "EndTurnButton", .side = Right,
     .keepClear = kCombatKeepClear},
    {.step = Step::WinFight, .panelOn = ShipCombat, .place = At, .left = kCombatLowerLeft,
     .top = kCombatLowerTop, .minimizedLeft = kCombatUpperLeft, .minimizedTop = kCombatUpperTop,
     .keepClear = kCombatKeepClear},
    {.step = Step::FlyToPlanet, .panelOn = Travel, .place = At, .left = kRightPanel,
     .top = kTravelPanelTop, .arrowOn = Travel, .arrowAt = "Body2", .side = Right,
     .arrowShownAtOnce = false, .keepClear = "StarDate Body* SpaceFind*"},
    {.step = Step::VisitPlanet, .panelOn = Planet, .place = At, .left = 8, .top = 14,
     .keepClear = "PlanetPicture Description GovernorButton BankButton ShipyardButton "
                  "EquipmentButton BarButton BackButton"},
    {.step = Step::OpenSensors, .panelOn = Travel, .place = At, .left = kRightPanel,
     .top = kTravelPanelTop, .arrowOn = Travel, .arrowAt = "SensorsButton",
     .arrowShownAtOnce = false, .keepClear = "StarDate Body* SpaceFind* ControlFrame"},
    {.step = Step::CloseSensors, .panelOn = Sensors, .place = At, .left = 239, .top = 8,
     .minimizedLeft = 8, .minimizedTop = 5, .keepClear = "Radar ShipLine ShipPicture BackButton"},
    {.step = Step::OpenGalaxyMap, .panelOn = Travel, .place = At, .left = kRightPanel,
     .top = kTravelPanelTop, .arrowOn = Travel, .arrowAt = "GalaxyMapButton",
     .arrowShownAtOnce = false, .keepClear = "StarDate Body* SpaceFind* ControlFrame"},
    {.step = Step::CloseGalaxyMap, .panelOn = GalaxyMap, .place = At, .left = 497, .top = 8,
     .keepClear = "PricesButton InfoButton CloseButton"},
    {.step = Step::OpenOptions, .panelOn = Travel, .place = At, .left = kRightPanel,
     .top = kTravelPanelTop, .arrowOn = Travel, .arrowAt = "OptionsButton",
     .arrowShownAtOnce = false, .keepClear = "StarDate Body* SpaceFind* ControlFrame"},
    {.step = Step::SaveGame, .panelOn = Travel, .place = At, .left = kRightPanel,
     .top = kTravelPanelTop, .arrowOn = Travel, .arrowAt = "SaveGameButton", .side = Right,
     .arrowShownAtOnce = false, .keepClear = "StarDate Body* SpaceFind* OptionsPanel"},
    {.step = Step::SaveIntoSlot, .arrowOn = SaveLoad, .arrowAt = "SaveButton1",
     .arrowShownAtOnce = false},
    {.step = Step::CloseSaveLoad, .arrowOn = SaveLoad, .arrowAt = "CloseButton",
     .arrowShownAtOnce = false},
    {.step = Step::ReturnToGame, .panelOn = Travel, .place = At, .left = kRightPanel,
     .top = kTravelPanelTop, .arrowOn = Travel, .arrowAt = "ReturnButton", .side = Right,
     .arrowShownAtOnce = false, .keepClear = "StarDate Body* SpaceFind* OptionsPanel"},
    {.step = Step::OpenShipStatus, .panelOn = Travel, .place = At, .left = kRightPanel,
     .top = kTravelPanelTop, .arrowOn = Travel, .arrowAt = "ShipPicture", .arrowShownAtOnce = false,
     .keepClear = "StarDate Body* SpaceFind* ControlFrame"},
    {.step = Step::CloseShipStatus, .panelOn = ShipStatus, .place = At, .left = 8, .top = 8,
     .keepClear = "ShipPicture ShipName ShipClass Summary GunDamage Accuracy Shields Speciality "
                  "Value CrewRange CurrentCrew CrewCount1 CrewCount5 EquipmentButton CloseButton"},
    {.step = Step::OpenPersonalStatus, .panelOn = Travel, .place = At, .left = kRightPanel,
     .top = kTravelPanelTop, .arrowOn = Travel, .arrowAt = "Portrait", .arrowShownAtOnce = false,
     .keepClear = "StarDate Body* SpaceFind* ControlFrame"},
    {.step = Step::BrowseSkills, .panelOn = PersonalStatus, .place = At, .left = 8, .top = 8,
     .keepClear = kPersonalStatusKeepClear},
    // The ability screen has no tutorial panel.
    {.step = Step::CloseAbilities},
    {.step = Step::ClosePersonalStatus, .panelOn = PersonalStatus, .place = At, .left = 8, .top = 8,
     .keepClear = kPersonalStatusKeepClear},
    {.step = Step::Finished, .panelOn = Travel, .place = At, .left = kRightPanel,
     .top = kTravelPanelTop, .arrowOn = Travel, .arrowAt = "TutorialCancelButton", .side = Below,
     .arrowShownAtOnce = false, .keepClear = "StarDate Body* SpaceFind*"},
};
// clang-format on

const PlacesRow* FindRow(Step step) {
  for (const PlacesRow& row : kPlaces)
    if (row.step == step) return &row;
  return nullptr;
}

// The step's row as the game stands: once the ship has reached the first planet, the step that
// leads there points at the Dock icon and leaves free the planet and the control panel.
std::optional<PlacesRow> RowAsItStands(Step step) {
  const PlacesRow* row = FindRow(step);
  if (row == nullptr) return std::nullopt;
  PlacesRow shown = *row;
  if (step == Step::FlyToPlanet && state::PlayerShip[ship::kBody] == state::kMainPlanetBody) {
    shown.arrowAt = "DockButton";
    shown.side = Above;
    shown.keepClear = "Body2 BodyName2 Body* SpaceFind* ControlFrame";
  }
  return shown;
}

// While the player flies to the tutorial body, the panel stands on the other side of the map.
int PanelAwayFromBody(std::int32_t body) {
  const std::int32_t s = state::PlayerShip[ship::kSystem];
  if (s < 1 || s >= state::kSystems || body < 1 || body >= state::kBodies) return kRightPanel;
  return state::BodyData[s][body][body::kMapX] < 300 ? kRightPanel : kLeftPanel;
}

}  // namespace

TutorialPlaces PlacesOfTutorialStep(Step step) {
  TutorialPlaces p;
  const std::optional<PlacesRow> row = RowAsItStands(step);
  if (!row) return p;
  const std::int32_t tutorialBody = rules::TutorialBody();
  p.panelOn = row->panelOn;
  p.panelAtLayoutPlace = row->place == Layout;
  p.panelLeft = row->place == AwayFromTutorialBody ? PanelAwayFromBody(tutorialBody) : row->left;
  p.panelTop = row->top;
  p.minimizedLeft = row->minimizedLeft < 0 ? p.panelLeft : row->minimizedLeft;
  p.minimizedTop = row->minimizedTop;
  p.arrowOn = row->arrowOn;
  p.arrowAt = std::string_view(row->arrowAt) == "{tutorial body}"
                  ? "Body" + std::to_string(tutorialBody)
                  : row->arrowAt;
  p.arrowAtAbility = row->arrowAtAbility;
  p.arrowSide = row->side;
  p.arrowShownAtOnce = row->arrowShownAtOnce;
  auto split = [tutorialBody](const char* list) {
    std::vector<std::string> out;
    std::istringstream names(list);
    for (std::string name; names >> name;) {
      if (const std::size_t at = name.find("{T}"); at != std::string::npos)
        name.replace(at, 3, std::to_string(tutorialBody));
      out.push_back(name);
    }
    return out;
  };
  p.keepClear = split(row->keepClear);
  p.ratherClear = split(row->ratherClear);
  return p;
}

}  // namespace screens
