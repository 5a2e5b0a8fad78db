#include "combat/recording_boarding_ui.h"

#include "combat/scripted_answers.h"
#include "state/variables.h"

namespace combat {

bool RecordingBoardingUi::Choose(std::string_view topic, std::string_view text,
                                 std::string_view picture, std::string_view first,
                                 std::string_view second) {
  const bool answer = NextScriptedAnswer(choices, defaultChoice, "choice",
                                         std::string(topic) + " / " + std::string(text));
  transcript_.push_back("choice: " + std::string(topic) + " / " + std::string(text) + " [" +
                        std::string(picture) + "] " + std::string(first) + " | " +
                        std::string(second) + " -> " + std::string(answer ? first : second));
  return answer;
}

void RecordingBoardingUi::Close() {
  // The form closes only with its permission set; its close handler clears the permission.
  if (state::BoardingMayClose != 1) {
    transcript_.push_back("boarding screen refused to close");
    return;
  }
  closed = true;
  state::BoardingMayClose = 0;
  transcript_.push_back("boarding screen closed");
}

}  // namespace combat
