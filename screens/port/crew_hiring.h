// Crew hiring, opened modally from the bar of a planet and from a pirate hideout: the ship and its
// crew limits, one row per crew kind with "+" and "-", and "Back". Holding "+" down hires again and
// again at a rising rate until the button is let go or a hire is refused.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "platform/controls.h"
#include "platform/form.h"
#include "screens/screen_ui.h"
#include "screens/shared/picture_buttons.h"
#include "state/crew.h"

namespace screens {

// What the crew hiring screen shows, built from the player's ship without any form.
struct CrewHiringView {
  std::string credits;      // "$ 12,000"
  std::string shipLine;     // "Starwolf class ship."
  std::string shipPicture;  // the class's top view
  std::string minCrew, maxCrew, currentCrew;
  std::array<std::string, state::kCrewKindCount> counts;  // kind k is element k - 1
  std::array<std::string, state::kCrewKindCount> prices;  // "$C 1000", or "N/A"
  bool kindLabels = false;  // the kinds named in text over their pictures (compatibility mode)
};
CrewHiringView BuildCrewHiringView();

// The picture of hover button k (1..11: crewmen "+", "-", officers "+", "-", pirates, marines,
// droids, then "Back"), lit or plain.
std::string CrewHiringButtonPicture(int k, bool lit);

class CrewHiringScreen : public platform::Form {
 public:
  CrewHiringScreen();

  void Refresh();

  void OnInfoMouseDown(platform::Sender sender);
  void OnHireMouseDown(platform::Sender sender);
  void OnHireMouseUp();
  void OnHireTimer();
  void OnDroidHireClick();
  void OnDismissClick(platform::Sender sender);
  void OnBackClick();

  int HoverButton() const { return buttons_.Lit(); }

 private:
  // One hire; a refusal stops the repetition before it is shown.
  void Hire(state::CrewKind kind);

  PictureButtons buttons_;
  ScreenUi rules_;
  bool stopped_ = false;  // a hire was refused: a held "+" hires no more until pressed again
  platform::Timer& timer_ = Get<platform::Timer>("HireTimer");
  platform::Label& credits_ = Get<platform::Label>("Credits");
  platform::Label& shipLine_ = Get<platform::Label>("ShipLine");
  platform::Image& shipPicture_ = Get<platform::Image>("ShipPicture");
  platform::Label& minCrew_ = Get<platform::Label>("MinCrew");
  platform::Label& maxCrew_ = Get<platform::Label>("MaxCrew");
  platform::Label& currentCrew_ = Get<platform::Label>("CurrentCrew");
  std::vector<platform::Label*> counts_, prices_, kindLabels_;
};

}  // namespace screens
