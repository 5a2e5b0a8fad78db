// Flight between the bodies of a system, docking and jumping: what the travel screen does when the
// player flies to a body or a space find, or acts on the body the ship is at.
#pragma once

#include <cstdint>
#include <string>

#include "platform/controls.h"
#include "platform/form.h"
#include "rules/flight.h"
#include "screens/screen_ui.h"
#include "screens/shared/guarded_close.h"

namespace screens {

// A window that counts the days of a journey: the ship's picture, the days left, and a timer that
// runs one game day per tick. It closes only by itself, on arrival.
class DayCountWindow : public platform::Form {
 public:
  DayCountWindow(std::string formName, std::uint8_t& mayClose);

  std::int32_t DaysLeft() const { return daysLeft_; }
  // Whether a journey is under way: its days are still counting or its arrival is running.
  bool Underway() const { return underway_; }

  // Ends the journey: the timer stops, no day is left and the window closes. The arrival still
  // runs when this happens in the middle of a day (a new chance after a lost fight).
  void Stop();

  // The text of the days-left number: a leading blank below 10.
  static std::string DaysText(std::int32_t days);

 protected:
  // Shows the window for a journey of `days` days with the player's ship in it, modally unless it
  // is already showing.
  void Begin(std::int32_t days);

  virtual void PassDay() = 0;  // one day of the journey: counts daysLeft_ down
  virtual void Arrive() = 0;   // the journey's end, with the window hidden

  ScreenUi rules_;
  std::int32_t daysLeft_ = 0;

 private:
  void OnDayTimer();

  platform::Timer& dayTimer_ = Get<platform::Timer>("DayTimer");
  platform::Label& daysLeftLabel_ = Get<platform::Label>("DaysLeft");
  platform::Image& shipPicture_ = Get<platform::Image>("ShipPicture");
  GuardedClose guard_;
  bool underway_ = false;
  bool inDay_ = false;  // a day or the arrival is running
};

// The flight window: a flight toward SelectedBody inside the ship's system.
class FlightScreen : public DayCountWindow {
 public:
  FlightScreen();
  // Starts the flight to `target` (a body 1..15, a space find -1..-4) of `system`, when the rules
  // let it start.
  void Fly(std::int32_t target, std::int32_t system);

 protected:
  void PassDay() override;
  void Arrive() override;
};

// The jump window: a jump through a wormhole to another system.
class JumpScreen : public DayCountWindow {
 public:
  JumpScreen();
  // Starts the jump; the ship comes out at the far end when its days have passed.
  void JumpThrough(const rules::WormholeJump& jump);

 protected:
  void PassDay() override;
  void Arrive() override;

 private:
  rules::WormholeJump jump_;
};

}  // namespace screens
