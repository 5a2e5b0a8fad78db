// The fleet battle: two fleets of up to ten ships each. The player picks an enemy ship as the
// target and either attacks it personally (an ordinary ship fight against that ship) or sends an
// escort, which fights the target in an automatic duel, one exchange of fire per timer tick. The
// player may recharge the shields once at a risk to the crew, or retreat. The battle is won when no
// enemy ship is left and lost when the player's own ship is destroyed; FleetBattleWon tells the
// opener.
//
// The screen calls the handlers below after its own button sound; it draws itself from
// BuildFleetBattleView whenever the rules ask for a refresh.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "combat/fight_flags.h"
#include "rules/ui.h"
#include "state/factions.h"

namespace combat {

// Fleet roles (fleet_ship::kRole of a fleet row).
enum class FleetRole : std::int32_t {
  kRoleFlagship = 0,  // the player's own ship; its row only places its symbol
  kRoleStation = 1,
  kRoleBattleship = 2,
  kRoleCruiser = 3,
  kRoleDestroyer = 4,
};
using enum FleetRole;

inline constexpr int kLastFleetRow = 10;

// The battle's screen state (SelectedEscort, SelectedTarget, FleetBattleWon, FleetDuelRunning) is in
// combat/fight_flags.h.

// What the fleet battle rules need of the fleet battle screen. Every operation is pure, so a
// screen that forgets one cannot be instantiated.
class FleetBattleUi {
 public:
  explicit FleetBattleUi(rules::Ui& rules) : rules_(rules) {}
  virtual ~FleetBattleUi() = default;

  // The general screens: the own attack's encounter popup and ship fight, the travel screen.
  rules::Ui& Rules() { return rules_; }

  // The TextPopup.
  virtual void ShowPopup(std::string_view topic, std::string_view text) = 0;
  // The YesNoPopup; true = yes.
  virtual bool Ask(std::string_view topic, std::string_view text) = 0;

  // Redraws the whole screen from BuildFleetBattleView.
  virtual void Refresh() = 0;
  // Redraws the two shield bars of the selected pair (the panels of BuildFleetBattleView).
  virtual void ShowShieldBars() = 0;
  // Fills and shows both panels of the selected pair for a duel.
  virtual void ShowDuelPanels() = 0;
  // The four speed buttons (own attack, escort attack, recharge, retreat); their pictures and
  // labels stay live.
  virtual void SetSpeedButtonsEnabled(bool enabled) = 0;
  // Starts or stops the duel timer (1000 ms); each tick calls FleetDuelTick.
  virtual void SetDuelTimer(bool running) = 0;
  // Closes the screen; FleetBattleMayClose is set. The close handler calls FleetBattleScreenClosed.
  virtual void Close() = 0;
  virtual bool IsClosed() const = 0;

 private:
  rules::Ui& rules_;
};

// --- Fleets --------------------------------------------------------------------------------------

// Builds both fleets for a battle against `enemyFaction`: the player's flagship in PlayerFleet
// row 1 and the escorts of the player's faction after it, the enemy ships (a strike's starbase in
// row 1) in EnemyFleet; every other row cleared. Clears both selections, the duel, the result and
// the emergency recharge of the player's ship.
void PrepareFleetBattle(Faction enemyFaction, std::int32_t fleetKind);

// --- What the screen shows -----------------------------------------------------------------------

struct FleetSymbol {
  bool visible = false;
  std::string picture;   // "ship_blue_med_left_off.bmp" ...
  std::int32_t row = 0;  // the Tag: the fleet row it stands for
};

struct FleetShipPanel {
  bool visible = false;
  std::string picture;     // scene picture
  std::string name;        // "\"Patton\" class"
  std::string role;        // "Destroyer"
  std::string shieldBar;   // "Travelscreen_ShieldBar_<step>.jpg"
  std::string shieldText;  // "Enemy ships shields: 80%"
};

struct FleetBattleView {
  FleetSymbol ownLarge;
  std::array<FleetSymbol, 5> ownSmall;
  std::array<FleetSymbol, 3> enemyLarge;
  std::array<FleetSymbol, 7> enemySmall;
  FleetShipPanel target;  // the hostile-ship panel
  FleetShipPanel escort;  // the escort panel
  std::string playerShieldBar, playerShieldText;
  std::string experienceBar, experienceText;
  std::string shipPicture;  // top view of the player's ship
  std::string portrait;
};

FleetBattleView BuildFleetBattleView();

// The shield-bar picture for `hitPoints` of a ship whose class has `baseShields`.
std::string FleetShieldBarPicture(std::int32_t hitPoints, std::int32_t baseShields);
// hitPoints x 100 div baseShields (a base of 0 or less counts as 1).
std::int32_t FleetShieldPercent(std::int32_t hitPoints, std::int32_t baseShields);

// A station is attacked only as the last ship: whether any other enemy row 2..10 alive still
// protects the station in EnemyFleet row `target` (false when that row is no station).
bool StationProtected(std::int32_t target);
// The escort duel's damage base of a fleet role; the flagship's has none.
std::int32_t RoleDamageBase(FleetRole role);

// Asks the screen to redraw itself.
void RefreshFleetBattleScreen(FleetBattleUi& ui);
void ShowFleetShieldBars(FleetBattleUi& ui);

// --- Handlers ------------------------------------------------------------------------------------

// A click on an own or enemy ship symbol carrying fleet row `row`.
void ClickOwnShipSymbol(std::int32_t row, FleetBattleUi& ui);
void ClickEnemyShipSymbol(std::int32_t row, FleetBattleUi& ui);
// The "Close" of the hostile-ship panel and of the escort panel.
void CloseTargetPanel(FleetBattleUi& ui);
void CloseEscortPanel(FleetBattleUi& ui);
// The hidden "Close" button: clears the escort even during a duel.
void HiddenCloseButton(FleetBattleUi& ui);

void AttackTargetYourself(FleetBattleUi& ui);
void SelectedEscortAttacks(FleetBattleUi& ui);
void EmergencyShieldRecharge(FleetBattleUi& ui);
void RetreatFromFleetBattle(FleetBattleUi& ui);

// One exchange of fire of the escort duel (a tick of the duel timer).
void FleetDuelTick(FleetBattleUi& ui);

// Decides win or loss and closes the screen. Once the screen is closed it does nothing more.
void CheckFleetBattleOutcome(FleetBattleUi& ui);

// The screen's close query: true when it may close. Without the close permission it asks whether
// to quit the game; yes ends the game (the travel screen closes).
bool FleetBattleCloseQuery(FleetBattleUi& ui);
// The screen's close handler: the duel stops and the close permission is used up.
void FleetBattleScreenClosed();

}  // namespace combat
