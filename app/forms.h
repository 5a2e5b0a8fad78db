// Every form of the game, created once at start-up in a fixed order into the registry of game
// forms (screens/shared/game_forms.h); the first one, the background window, is the main form.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/form.h"

namespace app {

struct FormEntry {
  const char* name;                                     // its layout name
  std::function<std::unique_ptr<platform::Form>()> make;
  std::function<void(platform::Form*)> publish;          // registers it (or takes it out: null)
};

// The forms in creation order.
const std::vector<FormEntry>& GameForms();

// Creates every form into the registry; DestroyForms takes them out and deletes them, last first.
void CreateForms();
void DestroyForms();

}  // namespace app
