// What the ship status sheet shows, built from the game state without any form: the class data of
// the player's ship, or of the opponent in a fight. The opponent's crew is unknown to the player
// ("?") and its value is the class price; the own ship's value is what the shipyard would pay.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "state/crew.h"
#include "state/ship_classes.h"

namespace screens {

enum class ShipStatusMode : std::int32_t {
  OwnShip = 1,   // PlayerShip
  Opponent = 2,  // EnemyShip
};

struct ShipStatusView {
  std::string name;         // the class name
  std::string size;         // "Fighter", "Corvette", "Destroyer"/"Transporter", ...
  std::string summary;      // the class's short description, with its own quotation marks
  std::string picture;      // the ship in its livery: "<livery><ship>_scene.jpg"
  std::string gunDamage;    // "<n> pts."
  std::string accuracy;     // "<n>%"
  std::string shields;      // "<n> pts."
  std::string speciality;   // the built-in special ability's name; empty when the class has none
  state::ShipSpecial special = state::kNoSpecial;  // its id, for the speciality's explanation
  std::string value;        // "$ <n>"
  std::string crewRange;    // "<min> / <max>"
  std::string currentCrew;  // the sum of the crew kinds, or "?"
  std::array<std::string, state::kCrewKindCount> crew;  // each kind, or "?"
  bool equipmentShown = false;  // "Show equipment" works (the own ship only)
  // The "[...more]" picture popup: the class's scene in the livery named here, and its text.
  std::string morePicture;
  std::string moreTopic;
  std::string moreText;
};

ShipStatusView BuildShipStatusView(ShipStatusMode mode);

}  // namespace screens
