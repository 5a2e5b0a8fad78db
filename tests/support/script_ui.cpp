#include "support/script_ui.h"

namespace support {

void ScriptUi::SetVisible(rules::Screen screen, bool visible) {
  if (visible) {
    visible_.insert(screen);
  } else {
    visible_.erase(screen);
  }
}

std::vector<ShownPopup> ScriptUi::WithTopic(std::string_view topic) const {
  std::vector<ShownPopup> found;
  for (const ShownPopup& popup : popups) {
    if (popup.topic == topic) found.push_back(popup);
  }
  return found;
}

std::size_t ScriptUi::CountTopic(std::string_view topic) const { return WithTopic(topic).size(); }

void ScriptUi::Clear() {
  popups.clear();
  questions.clear();
  redraws = statusBarUpdates = tradePopupUpdates = 0;
}

void ScriptUi::Message(rules::Popup kind, std::string_view topic, std::string_view text,
                       std::string_view picture) {
  popups.push_back({kind, std::string(topic), {}, std::string(text), std::string(picture)});
}

void ScriptUi::ShowNotice(std::string_view topic, std::string_view headline, std::string_view text,
                          std::string_view picture) {
  popups.push_back({rules::Popup::Notice, std::string(topic), std::string(headline),
                    std::string(text), std::string(picture)});
}

bool ScriptUi::Ask(std::string_view topic, std::string_view text) {
  bool answer = defaultAnswer;
  if (!answers.empty()) {
    answer = answers.front();
    answers.pop_front();
  }
  questions.push_back({std::string(topic), std::string(text), answer});
  return answer;
}

bool ScriptUi::IsVisible(rules::Screen screen) const { return visible_.count(screen) > 0; }

void ScriptUi::RedrawSystem(bool placeBodies) {
  (void)placeBodies;
  ++redraws;
}

void ScriptUi::UpdateStatusBars() { ++statusBarUpdates; }

void ScriptUi::UpdateTradePopup() { ++tradePopupUpdates; }

}  // namespace support
