#include "app/forms.h"

#include "app/background.h"
#include "app/start.h"
#include "combat/screens/simulator_screens.h"
#include "screens/career/game_options.h"
#include "screens/career/highscore.h"
#include "screens/travel/credits.h"
#include "screens/travel/message_popups.h"

namespace app {

namespace {

template <class T>
FormEntry Entry(const char* name, T*& variable) {
  return {name, [] { return std::make_unique<T>(); },
          [&variable](platform::Form* f) { variable = static_cast<T*>(f); }};
}

std::vector<std::unique_ptr<platform::Form>>& Created() {
  static std::vector<std::unique_ptr<platform::Form>> forms;
  return forms;
}

}  // namespace

const std::vector<FormEntry>& GameForms() {
  using namespace screens;
  static const std::vector<FormEntry> forms = {
      Entry("Fbackground", Fbackground),
      Entry("Form1", Form1),
      Entry("FMessage1", FMessage1),
      Entry("FMessage2", FMessage2),
      Entry("FMessage3", FMessage3),
      Entry("FMessage4", FMessage4),
      Entry("FMessage5", FMessage5),
      Entry("FMessage6", FMessage6),
      Entry("FMessage7", FMessage7),
      Entry("FMessage8", FMessage8),
      Entry("Form24", Form24),
      Entry("Form23", Form23),
      Entry("Form29", Form29),
      Entry("Form9", Form9),
      Entry("Form3", Form3),
  };
  return forms;
}

void CreateForms() {
  for (const FormEntry& e : GameForms()) {
    Created().push_back(e.make());
    e.publish(Created().back().get());
  }
}

void DestroyForms() {
  auto& forms = Created();
  const auto& entries = GameForms();
  while (!forms.empty()) {
    entries[forms.size() - 1].publish(nullptr);
    forms.pop_back();
  }
}

}  // namespace app
