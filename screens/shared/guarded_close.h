// Close permission of a guarded form (the popups, the travel, flight, planet, combat, boarding and
// fleet-battle screens): only the form's own closing buttons may close it. Each such button grants
// the form's flag and asks the form to close; the close query refuses every other request (the
// window's close box, Alt+F4, the system), and the close handler takes the grant back, so the next
// showing starts guarded again.
#pragma once

#include <cstdint>
#include <functional>

#include "platform/form.h"

namespace screens {

class GuardedClose {
 public:
  // Guards `form` with `mayClose` (1 = the form may close) and binds the form's FormCloseQuery and
  // FormClose handlers to the guard. A screen with more to do in either binds its own handler and
  // calls CloseQuery or Closed from it.
  GuardedClose(platform::Form& form, std::uint8_t& mayClose);

  // The form's own closing button: grants the close and asks the form to close.
  void CloseByButton();

  // Refuses the close unless the flag is set; a refused close may still be let through by the
  // question set with OnRefused (the travel screen asks "Quit game?").
  void CloseQuery(platform::EventArgs& args) const;
  // The form has closed: the grant ends.
  void Closed() { mayClose_ = 0; }

  // Called instead of a silent refusal; returning true lets the close through.
  void OnRefused(std::function<bool()> ask) { onRefused_ = std::move(ask); }

  std::uint8_t Flag() const { return mayClose_; }

 private:
  platform::Form& form_;
  std::uint8_t& mayClose_;
  std::function<bool()> onRefused_;
};

}  // namespace screens
