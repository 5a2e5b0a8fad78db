#include "combat/recording_fleet_ui.h"

#include "combat/scripted_answers.h"

namespace combat {

void RecordingFleetUi::ShowPopup(std::string_view topic, std::string_view text) {
  transcript.push_back("popup: " + std::string(topic) + " / " + std::string(text));
}

bool RecordingFleetUi::Ask(std::string_view topic, std::string_view text) {
  const std::string question = std::string(topic) + " / " + std::string(text);
  const bool answer = NextScriptedAnswer(answers, defaultAnswer, "question", question);
  transcript.push_back("question: " + question + (answer ? " -> yes" : " -> no"));
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
