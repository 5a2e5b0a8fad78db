// The game's forms by their type. The program creates each form once at start-up
// (`app::CreateForms`) and every screen reaches another one here, by its class:
//   screens::GameForm<screens::PlanetScreenForm>().ShowPlanet(system, body);
// A form asked for before it was created, or after it was destroyed, ends the program with a line
// on stderr naming it: no screen is ever skipped in silence.
#pragma once

#include <typeindex>
#include <typeinfo>

namespace platform {
class Form;
}

namespace screens {

// Puts `form` in the registry as the one form of `type`, or takes it out (null). A second form of
// a type already registered ends the program, naming the type.
void RegisterGameForm(std::type_index type, platform::Form* form);
// The form of `type`, or null when none is registered.
platform::Form* FindGameForm(std::type_index type);
// Says on stderr which form was missing and ends the program.
[[noreturn]] void GameFormMissing(const std::type_info& type);

template <class T>
T& GameForm() {
  platform::Form* form = FindGameForm(typeid(T));
  if (form == nullptr) GameFormMissing(typeid(T));
  return static_cast<T&>(*form);
}

}  // namespace screens
