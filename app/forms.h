// Every form of the game, created once at start-up in a fixed order into its global variable; the
// first one, the background window, is the main form.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/form.h"

namespace app {

struct FormEntry {
  const char* name;                                     // its variable and layout name
  std::function<std::unique_ptr<platform::Form>()> make;
  std::function<void(platform::Form*)> publish;          // sets (or clears) its variable
};

// The forms in creation order.
const std::vector<FormEntry>& GameForms();

// Creates every form into its variable; DestroyForms deletes them, last first, and clears the
// variables.
void CreateForms();
void DestroyForms();

}  // namespace app
