#include "screens/shared/game_forms.h"

#include <cxxabi.h>

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <unordered_map>

namespace screens {

namespace {

std::unordered_map<std::type_index, platform::Form*>& Registry() {
  static std::unordered_map<std::type_index, platform::Form*> forms;
  return forms;
}

// The class name as written in the code, where the compiler's runtime can spell it out.
std::string ReadableName(const char* mangled) {
  int status = 0;
  std::unique_ptr<char, void (*)(void*)> name(
      abi::__cxa_demangle(mangled, nullptr, nullptr, &status), std::free);
  return status == 0 && name ? std::string(name.get()) : std::string(mangled);
}

}  // namespace

void RegisterGameForm(std::type_index type, platform::Form* form) {
  if (form == nullptr) {
    Registry().erase(type);
    return;
  }
  const auto [place, added] = Registry().emplace(type, form);
  if (!added && place->second != form) {
    // Two forms of one class: the screens would reach only one of them.
    std::fprintf(stderr, "Farhaven 4: a second form %s was created\n", ReadableName(type.name()).c_str());
    std::fflush(stderr);
    std::abort();
  }
}

platform::Form* FindGameForm(std::type_index type) {
  const auto found = Registry().find(type);
  return found == Registry().end() ? nullptr : found->second;
}

void GameFormMissing(const std::type_info& type) {
  std::fprintf(stderr, "Farhaven 4: the form %s was used but has not been created\n",
               ReadableName(type.name()).c_str());
  std::fflush(stderr);
  std::abort();
}

}  // namespace screens
