// The boarding fight: the player's whole crew storms an enemy ship area by area (airlock,
// corridors, cargo bay, bridge). Each click on an attack button is one exchange: the defenders of
// the current area fire first, then the player's attack answers. The exchange itself, what it
// brings (an area secured, plunder, capture, defeat) and the retreat are in
// combat/boarding_outcome.h.
//
// The crew combat screen reaches these rules through BoardingUi; popups and questions go through
// the combat screen's CombatUi, sound cues through audio/sound.h.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "combat/combat_ui.h"
#include "combat/fight_flags.h"

namespace combat {

// The fight's phase and casualties (BoardingPhase, BoardingCasualties) are in
// combat/fight_flags.h.

// What an area shows: absent (hidden), enemy and open to attack, enemy not yet selectable,
// secured by the player.
enum class AreaState : std::int32_t {
  kAreaAbsent = 0,
  kAreaOpen = 1,
  kAreaLocked = 2,
  kAreaSecured = 3,
};
using enum AreaState;

// The three attacks, numbered as PlayerShip[ship::kLastBoardingAttack] keeps the last one.
enum class BoardingAttack : std::int32_t {
  Standard = 1,
  Commando = 2,
  Emp = 3,
};

// What the rules need of the crew combat screen. Popups and yes/no questions go through Combat().
// Every operation is pure, so a screen that forgets one cannot be instantiated.
class BoardingUi {
 public:
  explicit BoardingUi(CombatUi& combat) : combat_(combat) {}
  virtual ~BoardingUi() = default;

  CombatUi& Combat() { return combat_; }

  // Redraws the crew counts, the area pictures (BoardingAreaPicture) and, in the compatibility
  // mode, the area labels (BoardingAreaLabel) from the tables.
  virtual void Refresh() = 0;

  // Hides every popup form that may still be open.
  virtual void HidePopups() = 0;

  // The ChoicePopup with a picture and two answers captioned `first` and `second` (they read
  // "Yes" and "No" again afterwards), both of them actions, which only a click chooses; true = the
  // first answer.
  virtual bool Choose(std::string_view topic, std::string_view text, std::string_view picture,
                      std::string_view first, std::string_view second) = 0;

  // Closes the crew combat screen; BoardingMayClose is already set.
  virtual void Close() = 0;
  virtual bool IsClosed() const = 0;

 private:
  CombatUi& combat_;
};

// The picture of `area` 1..4 in `areaState` ("crewcombat_red_airlock_normal.jpg" ...); empty for
// an absent area (its picture is hidden) or any other value.
std::string BoardingAreaPicture(std::int32_t area, AreaState areaState);

// The compatibility mode's label of `area` 1..4 in `areaState`; "N/A" for an absent area.
std::string_view BoardingAreaLabel(std::int32_t area, AreaState areaState);

// The attack buttons' hover pictures, by hover index 1 commando, 2 standard, 3 EMP, 4 retreat.
struct HoverPictures {
  std::string_view normal;
  std::string_view highlighted;
};
HoverPictures AttackButtonPictures(int hoverIndex);
// Whether moving onto the button of `hoverIndex` lights it: the attacks only while fighting in
// an area, the retreat at any time.
bool AttackButtonLights(int hoverIndex);

// The opening of the crew combat screen, run when CombatUi::OpenBoarding shows it (the defenders
// of the airlock, the areas and EnemyShip[ship::kBoardedArea] are already prepared): the casualties
// are zeroed and the fight starts in the airlock.
void StartBoardingFight(BoardingUi& ui);

// Redraws the screen, then zeroes the casualty counters.
void ResetBoardingCasualties(BoardingUi& ui);

// A right click on an attack button: its explanation, nothing else.
void ExplainBoardingAttack(BoardingAttack kind, BoardingUi& ui);

// A click on the picture of `area` 1..4: moves on to that area when an area has just been secured.
void ChooseBoardingArea(std::int32_t area, BoardingUi& ui);

// The defenders of the area in EnemyShip[ship::kBoardedArea] take their posts.
void EnterBoardingArea(BoardingUi& ui);

// The two halves of an exchange; they work on the ship rows only.
void BoardingEnemyCounterattack();
void BoardingStandardAttack();
void BoardingCommandoAttack();
void BoardingEmpStrike(BoardingUi& ui);

// Strength of the player's boarding crew and of the current area's defenders, per-head weights
// crewmen 10, officers 10, pirates 20, marines 30, droids 50 (the defenders' crewmen 10).
std::int64_t BoardingCrewStrength();
std::int64_t BoardingDefenderStrength();

}  // namespace combat
