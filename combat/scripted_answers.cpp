#include "combat/scripted_answers.h"

#include <string>

namespace combat {

bool NextScriptedAnswer(std::deque<bool>& scripted, const std::optional<bool>& blanket,
                        std::string_view kind, std::string_view line) {
  if (!scripted.empty()) {
    const bool answer = scripted.front();
    scripted.pop_front();
    return answer;
  }
  if (blanket) return *blanket;
  throw UnscriptedQuestion("unscripted " + std::string(kind) + ": " + std::string(line));
}

}  // namespace combat
