#include "combat/recording_fleet_ui.h"

namespace combat {

void RecordingFleetUi::ShowPopup(std::string_view topic, std::string_view text) {
  transcript.push_back("popup: " + std::string(topic) + " / " + std::string(text));
}

bool RecordingFleetUi::Ask(std::string_view topic, std::string_view text) {
  bool answer = defaultAnswer;
  if (!answers.empty()) {
    answer = answers.front();
    answers.pop_front();
  }
  transcript.push_back("question: " + std::string(topic) + " / " + std::string(text) +
                       (answer ? " -> yes" : " -> no"));
  return answer;
}

void RecordingFleetUi::SetDuelTimer(bool running) {
  transcript.push_back(running ? "duel timer on" : "duel timer off");
}

void RecordingFleetUi::Close() {
  closed = true;
  transcript.push_back("fleet battle screen closed");
}

}  // namespace combat
