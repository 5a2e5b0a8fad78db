// The doors between the game's screens, in one place: every screen opens, asks or refreshes another
// one through these calls, never through the other screen's own header, so the screen folders
// (travel/, port/, career/, combat/) include nothing of each other. Each call is defined beside the
// screen it reaches and reaches that screen's form through the registry (game_forms.h), which
// ends the program when the form is missing.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "rules/ui.h"
#include "state/factions.h"
#include "state/ship_classes.h"
#include "state/ship_kinds.h"

namespace screens {

// ---- The travel screen --------------------------------------------------------------------------

// Whether the travel screen is showing (also while a flight window is open over it).
bool TravelScreenShowing();

// Hides the travel screen while another screen takes the whole view (a fight), and shows it again.
// Its modal showing goes on meanwhile.
void HideTravelScreen();
void ShowTravelScreenAgain();

// The travel screen's refresh routines, as the rules ask for them. DisplayedSystem is set before
// RedrawTravelSystem; `placeBodies` also lays the bodies out again.
void RedrawTravelSystem(bool placeBodies);
void UpdateTravelStatusBars();
// The ship's log at the top of the travel screen: the news lines and the star date as they stand,
// written after each day of a flight or a jump so the player sees the days pass.
void ShowTravelLog();
void ShowTravelSpaceFinds();
// The selected good's prices under the planets of the map while the trade window is open; the
// trade window calls it whenever it redraws.
void UpdateTravelPriceLabels();
// The compatibility labels shown or hidden as the mode now stands, wherever it was switched.
void UpdateTravelCompatibilityLabels();

// The game is over: the travel screen closes (its close permission is already set).
void CloseTravelScreenForGameOver();

// The mission panel: whether it shows, hide it, redraw it from ActiveMission, and the control
// panel's missions button (the mission board, or the panel of the active mission).
bool MissionPanelShowing();
void HideMissionPanel();
void UpdateMissionPanel();
void OpenMissions();
// A mission accepted on the board the travel screen stepped aside for begins where the ship is:
// the travel screen stands behind what it shows (a fleet battle, its popups), as it does behind
// a fight. Nothing happens when the board was opened from elsewhere (the governor's).
void ShowTravelScreenBehindMissionBoard();

// ---- The flight ---------------------------------------------------------------------------------

// Flies to body `body` (1..15) of `system`, or to space find `find` (-1..-4), in the flight
// window, one day per tick, with the arrival checks at the end.
void FlyToLocation(int body, int system);
void FlyToSpaceFind(int find, int system);

// Lands on the planet the ship is at, enters a pirate hideout or jumps through a wormhole.
void DockOrJump();

// Ends a flight (or a jump) under way; nothing happens when none is.
void StopFlight();

// Whether the flight window is showing.
bool FlightShowing();

// Hides the flight window during a fight on the way, and shows it again; the flight goes on after.
void HideFlightWindow();
void ShowFlightWindowAgain();

// ---- The planet and the ship status sheet -------------------------------------------------------

// Shows the planet screen of the selected body (DisplayedSystem, SelectedBody, which the landing
// puts on the ship's place), modally; "Back to space" closes it. A selection that is no body of a
// system (a space find, none) has no port: nothing opens.
void OpenPlanetScreen();
bool PlanetScreenShowing();
// The game is over while the planet screen is open (a retirement at its bar): it closes without the
// day that "Back to space" costs.
void ClosePlanetScreenForGameOver();

// The ship status sheet, modally: of the player's ship, or of the ship in EnemyShip.
void ShowOwnShipStatus();
void ShowOpponentShipStatus();

// ---- The galaxy map and the sensors -------------------------------------------------------------

// Shows the galaxy map modally, the player's system marked.
void OpenGalaxyMap();
bool GalaxyMapShowing();

// Shows the ship sensors modally when a special ship is in range.
void OpenSensors();
bool SensorsShowing();
// The row of SpecialShips selected on the sensors (0 = none).
int SensorSelection();

// ---- The port's services and the trade window ---------------------------------------------------

// The trade window: shown or hidden beside the travel screen, redrawn from the market.
void ToggleTradeWindow();
void UpdateTradeWindow();
bool TradeWindowShowing();
// Hides the trade window, as a new game or a load must not find it open.
void HideTradeWindow();
// Brings the trade window in front of the travel screen when it is showing.
void BringTradeWindowToFront();
// While a screen takes the travel screen's place (a fight, a fleet battle), the trade window is
// hidden with it, for as long as this lives. It comes back where it stood, redrawn, when the
// travel screen (or the pirate hideout) shows again, and stays hidden otherwise.
class TradeWindowAside {
 public:
  TradeWindowAside();
  ~TradeWindowAside();
  TradeWindowAside(const TradeWindowAside&) = delete;
  TradeWindowAside& operator=(const TradeWindowAside&) = delete;

 private:
  bool aside_ = false;
};
// Fills the mission board's tiles again from the offers of the ship's system.
void RedrawMissionBoard();

// The pirate hideout screen, modally.
void OpenPirateHideout();
bool PirateHideoutShowing();

// The services behind the planet screen's doors, each modally.
void OpenBank();
void OpenCrewHiring();
void OpenBar();
void OpenGovernor();
void OpenEquipmentShop();
// The equipment of the player's ship, to look at only (from the ship status sheet).
void OpenEquipmentView();
void OpenShipyard();
void OpenMissionBoard();
void OpenCampaignScreen();

// ---- The career screens and the options ---------------------------------------------------------

// The ability selection screen after a promotion, opened on the tree `choice` names; the player
// learns at most one ability or skill there.
void ChooseNewAbilityOnScreen(rules::AbilityChoice choice);

// The same screen opened to browse the tree `tree` names (the personal status's buttons): every
// click on a slot only describes its ability; nothing is learnt.
void BrowseAbilitiesOnScreen(rules::AbilityChoice tree);

// The description popup of combat ability or skill `id` (any screen that shows an ability): its
// name and description, and for a combat ability the action points it costs. An id without an
// entry shows nothing.
void ShowAbilityInfo(rules::AbilityChoice tree, std::int32_t id);

// The promotion screen for a player who has just reached `level`, modally.
void ShowPromotionScreen(rules::PromotionAward award, int level);

// The medals of ship combat, each awarded at most once per game and shown on the promotion
// screen.
void AwardSilverStarMedal();
void AwardGoldStarMedal();

// The personal status screen and the cheat screen, modally.
void OpenPersonalStatus();
void OpenCheatScreen();

// The retirement sequence (from the bar): the steps of the retirement, the career ladder, the
// high-score table, then back to the start screen.
void OpenRetirementSequence();

// The options screen, filled from the options as they stand, modally.
void OpenGameOptions();
// The options screen's labels again after the compatibility mode was switched elsewhere.
void RefreshGameOptions();

// The save and load screen with the slots' names, modally.
void OpenSaveLoad();

// Switches the compatibility mode: on after the player agrees to the question, off with a notice.
// Sets the combat message timers and refreshes the screens' compatibility labels.
// The question asks `question` (the options screen's wording unless a screen has its own).
inline constexpr const char* kCompatibilityQuestion =
    "This game offers a compatibility mode for the blind and visually impaired. It will add "
    "additional text and help to the interface. Not recommended for the general user. Do you wish "
    "to turn this mode on?";
void SwitchCompatibilityMode(const char* question = kCompatibilityQuestion);

// ---- The tutorial -------------------------------------------------------------------------------

// "Cancel tutorial" on a tutorial panel: asks first, except when the guided part is over (the last
// step).
void AskTurnOffTutorial();

// ---- The fights ---------------------------------------------------------------------------------

// The combat set-up of a fight against one ship (enemy record, loadout, ability slots, pictures).
void SetupShipCombatOnScreen(state::ShipClassId enemyClass, Faction enemyFaction,
                             ShipKind enemyKind, std::int32_t enemyTier);

// Fights the prepared fight on the combat screen and returns when it is over.
void RunShipCombatOnScreen();

bool ShipCombatShowing();

// The cheat that destroys the enemy of the fight under way.
void DestroyEnemyInFight();

// Prepares both fleets against `enemyFaction`, runs the fleet battle screen and returns whether
// the enemy fleet was destroyed.
bool RunFleetBattleOnScreen(Faction enemyFaction, std::int32_t fleetKind);

// The captain's own fight of a battle takes the whole view: the battle hides while it runs and
// shows again after it, unless the battle has ended meanwhile.
bool FleetBattleShowing();
void HideFleetBattle();
void ShowFleetBattleAgain();

// The control the tutorial's arrow points at on the combat screen: the ability button that holds
// the ability the step names, or the control it names (the end of the turn); empty for no arrow,
// or where the ship has no button for that ability.
std::string TutorialArrowControl(std::string_view arrowAt, std::string_view arrowAtAbility);

}  // namespace screens
