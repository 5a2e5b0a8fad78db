// What the game rules need of the screens, and nothing more. The game gives the rules its real
// screens; a test gives them a script that records every popup and answers every question, so a
// whole world runs headless from a seed.
//
// Every operation has a harmless default (no popup shown, the default answer given, nothing
// visible), so an implementation overrides only what it shows.
#pragma once

#include <string>
#include <string_view>

namespace rules {

// The popups of the game, by the form that shows them.
enum class Popup {
  Picture,  // FMessage1: topic, text and a picture loaded by name
  Text,     // FMessage3: topic and text
  Notice,   // FMessage8: the large picture popup for news and notices
};

// Screens whose visibility a rule asks about.
enum class Screen {
  Travel,
  Flight,
  Planet,
  GalaxyMap,
  Sensors,
  TradeWindow,
  ShipCombat,
};

struct Ui {
  virtual ~Ui() = default;

  // Shows a popup modally; returns when the player has closed it.
  virtual void Message(Popup kind, std::string_view topic, std::string_view text,
                       std::string_view picture = {}) {
    (void)kind, (void)topic, (void)text, (void)picture;
  }

  // The large picture popup FMessage8 with its second caption line (a news headline). Screens
  // without a headline line show it as a plain notice.
  virtual void ShowNotice(std::string_view topic, std::string_view headline, std::string_view text,
                          std::string_view picture) {
    (void)headline;
    Message(Popup::Notice, topic, text, picture);
  }

  // The yes/no popup FMessage4; true = yes. The default answer is no.
  virtual bool Ask(std::string_view topic, std::string_view text) {
    (void)topic, (void)text;
    return false;
  }

  virtual bool IsVisible(Screen screen) const {
    (void)screen;
    return false;
  }

  // The travel screen's refresh routines. DisplayedSystem is set by the rule before RedrawSystem.
  virtual void RedrawSystem(bool placeBodies) { (void)placeBodies; }
  virtual void UpdateStatusBars() {}
  virtual void UpdateTradePopup() {}
};

}  // namespace rules
